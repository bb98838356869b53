#pragma once

#include "bay/bay_document.h"
#include "bay/number_text.h"
#include "bay/project.h"
#include "report/report_bay.h"

#include <cstddef>
#include <optional>
#include <string>

namespace cw::report {

struct ReportRequest {
    std::string input;   // a bay file or a schedule
    std::string output;  // the PDF
    std::optional<Language> language;
    std::string locale;   // empty: the system's
    // The project of the title page and the headers; none: a bay file's own (a schedule has
    // none).
    std::optional<ProjectData> project;
};

struct ReportOutcome {
    std::optional<std::string> error;
    std::size_t bays = 0;
    std::size_t refused = 0;
    int pages = 0;
    int frontPages = 0;  // the title, basis, contents, summary and anchor pages before the bays
};

// The report of a bay file or a schedule written to the output. Needs a QGuiApplication.
ReportOutcome writeReport(const ReportRequest& request);

// The report of the bay the window shows (File -> Calculation report): its inputs (in the
// language showing) run afresh, as opening them would. The PDF's name names the bay, its
// folder the project. Inputs that give no run write nothing: the error says why.
ReportOutcome writeBayReport(const BayDocument& bay, const NumberFormat& fmt,
                             const std::string& output, const Catalogue* catalogue = nullptr);

// The diagrams of the bay the window shows as an SVG picture: nothing on success, otherwise
// why not (inputs that give no run, or a file that cannot be written). `set` is the set of
// bayDiagrams to draw (the one the Diagrams panel shows); none, or one not there: the first
// drawn, under limit states the governing combination.
std::optional<std::string> writeBayDiagramsSvg(const BayDocument& bay, const NumberFormat& fmt,
                                               const std::string& output,
                                               const Catalogue* catalogue = nullptr,
                                               std::optional<std::size_t> set = std::nullopt);

// The program's name and version as the header prints them.
std::string programName();

}  // namespace cw::report
