#pragma once

#include "design/shown_rounding.h"
#include "model/window_state.h"

#include <optional>
#include <string>

namespace cw {

// Whether the suggested mullion passes its checks, as the results panel shows them; nothing
// while the numbers compared are not shown.
struct Verdicts {
    std::optional<bool> stressPasses;
    std::optional<bool> deflectionPasses;
};

Verdicts verdicts(const WindowState& w);
// A caption as it shows now: the stress and deflection rows state their verdict.
std::string caption(const WindowState& w, ControlId id);
// True where a caption warns that the suggested mullion fails a check.
bool warns(const WindowState& w, ControlId id);

}  // namespace cw
