#pragma once

#include "model/window_state.h"

namespace cw {

// The EN 13830 button of either language: f = L / d in mm, at most 15 mm.
void setDeflectionFromDivisor(WindowState& w);
// The deflection buttons: d = L / f.
void setDivisorFromDeflection(WindowState& w);

}  // namespace cw
