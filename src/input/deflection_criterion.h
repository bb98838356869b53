#pragma once

#include "model/window_state.h"

namespace cw {

// The EN 13830 button of either language: f = L / d in mm, at most 15 mm.
void setDeflectionFromDivisor(WindowState& w);
// The deflection buttons: d = L / f.
void setDivisorFromDeflection(WindowState& w);
// The deflection criterion of the next run: EN 13830:2003 (L / d, at most 15 mm) or
// EN 13830:2015+A1 (by the span).
void chooseCriterion(WindowState& w, DeflectionCriterion criterion);
// The maximum allowable deflection shown beside f follows it, capped at 15 mm.
void followAllowableDeflection(WindowState& w);

}  // namespace cw
