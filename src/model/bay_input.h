#pragma once

#include "design/bay.h"
#include "model/window_state.h"

#include <optional>

namespace cw {

// What NEXT asks for: the bay in numbers, or why it cannot be designed.
struct RunRequest {
    std::optional<Refusal> refusal;
    BayInput bay;
    // Without a static system the run only echoes its inputs.
    bool systemChosen = false;
};

// Reads and checks the window's inputs for a run, in the order the user meets the fields;
// the first that fails is the one reported. Nothing changes in the window.
RunRequest readRun(const WindowState& w);

// The series and the static system the option buttons choose, if any.
std::optional<Series> chosenSeries(const WindowState& w);
std::optional<StaticSystem> chosenSystem(const WindowState& w);

}  // namespace cw
