#pragma once

#include "model/bay_document.h"
#include "model/number_text.h"
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
};

// A schedule row as a bay document: the window's own defaults where a column is absent or
// empty, numbers with a dot (or in the user's notation). Nothing, with the reason, when a
// choice column holds a value the window does not offer.
struct RowDocument {
    std::optional<BayDocument> document;
    std::string reason;
};
RowDocument documentOfRow(const std::function<std::optional<std::string>(const char*)>& column,
                          const NumberFormat& fmt);

// Reads a bay file or a schedule (by its content: a bay file is a JSON object) and hands
// over every bay that ran, one at a time; rows that did not run are listed.
ReportInputResult readReportInput(const std::string& path, const NumberFormat& fmt,
                                  std::optional<BayLanguage> language,
                                  const std::function<void(ReportBay&&)>& onBay);

}  // namespace cw::report
