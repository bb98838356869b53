#pragma once

#include "bay/bay_input.h"
#include "bay/field_rules.h"
#include "model/control_id.h"
#include "model/option_values.h"
#include "model/window_state.h"

#include <optional>

namespace cw {

// The window's inputs; valid while the window is unchanged.
RunInputs inputsOf(const WindowState& w);

// readRun of the window's inputs. Nothing changes in the window.
RunRequest readRun(const WindowState& w);

// The series and the static system the option buttons choose, if any.
std::optional<Series> chosenSeries(const WindowState& w);
// The catalogue a run of the series designs with: the user's chosen, else the series' own.
const Catalogue& catalogueOfRun(const WindowState& w, Series series);
std::optional<StaticSystem> chosenSystem(const WindowState& w);

// The same as checkField for the field's text in the window, in the language showing.
std::optional<Refusal> checkField(const WindowState& w, const FieldRule& rule);

}  // namespace cw
