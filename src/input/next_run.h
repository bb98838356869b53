#pragma once

#include "bay/bay_run.h"
#include "model/window_state.h"

namespace cw {

// NEXT: reads and checks the bay, designs it and shows the design. Everything is checked and
// computed before anything changes, so that a refused run leaves the window as it was.
void runNext(WindowState& w);

}  // namespace cw
