#pragma once

#include "input/form.h"
#include "model/window_state.h"

namespace cw {

// The series choice becomes a user catalogue, as choosing the series option of its use would
// (vertical as Veltra, sloped as Terrax: the same fields and static systems), with the three
// options unselected: the catalogue is a fourth choice beside them.
void chooseCatalogue(WindowState& w, ChosenCatalogue chosen);

// Back from a user catalogue to the series options: the option of the catalogue's use is
// chosen as a click on it would. Nothing happens while no catalogue is chosen.
void chooseSeriesOptions(WindowState& w);

}  // namespace cw
