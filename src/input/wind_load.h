#pragma once

#include "bay/bay_input.h"
#include "design/wind.h"
#include "model/window_state.h"

namespace cw {

// A height band of the building: its pressure is the one in force.
void chooseHeightBand(WindowState& w, HeightBand band);
// The pressure button: the typed pressure is in force, and read again by the next run.
void takeTypedPressure(WindowState& w);
// The speed button: the pressure of the typed wind speed is in force.
void takeWindSpeed(WindowState& w);

}  // namespace cw
