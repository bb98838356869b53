#include "app/report_hook.h"

namespace cw {

namespace {

CalculationReportWriter& installed() {
    static CalculationReportWriter writer;
    return writer;
}

}  // namespace

void installCalculationReport(CalculationReportWriter writer) {
    installed() = std::move(writer);
}

std::string writeCalculationReport(WindowState& window, const std::string& path) {
    // The menu item is enabled once a run has completed.
    if (!window.shownRun)
        return "the calculation report needs a completed run";
    if (!installed())
        return "this build has no calculation report";
    if (const std::optional<std::string> error = installed()(window, path))
        window.message(*error);
    return {};
}

}  // namespace cw
