#pragma once

#include "bay/bay_run.h"
#include "model/window_state.h"

#include <optional>
#include <string>

namespace cw {

// The verdicts of the run whose results show, as far as the numbers they compare are on
// show; nothing while they are not.
using Verdicts = RunVerdicts;

Verdicts verdicts(const WindowState& w);
// A caption as it shows now: the stress and deflection rows state their verdict.
std::string caption(const WindowState& w, ControlId id);
// True where a caption warns that the suggested mullion fails a check.
bool warns(const WindowState& w, ControlId id);

}  // namespace cw
