#pragma once

#include "model/window_state.h"

namespace cw {

// A key released in an input field: Enter walks the fields in the order of the bay, checks
// that L2 does not exceed L1 on the way, and the allowable deflection follows L1 and f.
void keyReleasedIn(WindowState& w, ControlId field, int keyCode);
// A key released on NEXT: Enter sends the focus back to A1 for the next bay.
void keyReleasedOnNext(WindowState& w, int keyCode);

}  // namespace cw
