#pragma once

#include "model/window_state.h"

#include <string_view>

namespace cw {

// Standards → Design basis: what the next run checks the mullion against.
void chooseBasis(WindowState& w, DesignBasis basis);
// The alloy and temper of the limit-state basis, by any name findAlloy takes; kept in its
// canonical name. False, and nothing changes, for a name the table does not hold.
bool chooseAlloy(WindowState& w, std::string_view name);
void chooseHanging(WindowState& w, Hanging hanging);

// After NEXT designed the bay: under limit states, the checks of the catalogue's mullions
// from the run's choice upward (nothing under the allowable basis).
void runLimitStatesOf(WindowState& w, const BayInput& bay, const BayDesign& design);

}  // namespace cw
