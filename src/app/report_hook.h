#pragma once

#include "model/window_state.h"

#include <functional>
#include <optional>
#include <string>

namespace cw {

// File -> Calculation report (PDF)… as the replay runs it. The report needs Qt Gui, which
// the headless build leaves out, so the program that has it installs the writer.
using CalculationReportWriter =
    std::function<std::optional<std::string>(const WindowState& window, const std::string& path)>;
void installCalculationReport(CalculationReportWriter writer);

// Empty when the line ran (a failure to write shows its message box, as the window does);
// otherwise why a user could not do it: no completed run, or no report in this build.
std::string writeCalculationReport(WindowState& window, const std::string& path);

}  // namespace cw
