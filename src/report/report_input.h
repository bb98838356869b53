#pragma once

#include "bay/bay_document.h"
#include "bay/number_text.h"
#include "report/report_bay.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace cw::report {

// A schedule row that gave no bay to report, and why.
struct RefusedRow {
    std::size_t line = 0;
    std::string id;
    std::string reason;
};

struct ReportInputResult {
    std::optional<std::string> error;  // the input could not be read at all
    std::size_t bays = 0;
    std::vector<RefusedRow> refused;
    bool bayFile = false;  // the input was one bay file, not a schedule
};

// A bay file, or a schedule in the batch's columns with numbers in the notation of `fmt`:
// each bay entered and run as the window would, handed to `onBay`.
ReportInputResult readReportInput(const std::string& path, const NumberFormat& fmt,
                                  std::optional<Language> language,
                                  const std::function<void(ReportBay&&)>& onBay);

}  // namespace cw::report
