#pragma once

#include "bay/field_rules.h"
#include "model/control_id.h"
#include "model/option_values.h"
#include "model/window_state.h"

#include <optional>

namespace cw {

// The series and the static system the option buttons choose, if any.
std::optional<Series> chosenSeries(const WindowState& w);
std::optional<StaticSystem> chosenSystem(const WindowState& w);

// The same as checkField for the field's text in the window, in the language showing.
std::optional<Refusal> checkField(const WindowState& w, const FieldRule& rule);

}  // namespace cw
