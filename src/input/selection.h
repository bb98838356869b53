#pragma once

#include "design/bay.h"
#include "model/window_state.h"

namespace cw {

// Choosing a profile series: the form starts a new bay, and the sloped-glazing rows come and
// go with Terrax.
void chooseSeries(WindowState& w, Series series);

// Choosing the static system: its picture shows, the geometry fields are emptied for the new
// bay and the focus goes to A1. Nothing happens before a series is chosen.
void chooseStaticSystem(WindowState& w, StaticSystem system);

}  // namespace cw
