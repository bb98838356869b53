#pragma once

#include "model/window_state.h"

namespace cw {

// The Greek EN 13830 button: f = 15 mm.
void setFifteenMillimetres(WindowState& w);
// The English EN 13830 button: f = L / d.
void setDeflectionFromDivisor(WindowState& w);
// The deflection buttons: d = L / f.
void setDivisorFromDeflection(WindowState& w);
// The maximum allowable deflection shown beside f follows it, capped at 15 mm.
void followAllowableDeflection(WindowState& w);

}  // namespace cw
