#pragma once

#include "bay/limit_state_run.h"
#include "model/window_state.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace cw {

// The limit-state inputs dialog: s_k first, then the factors in factorEntries()' order, as
// typed in the user's notation.
inline constexpr std::size_t kLimitStateInputCount = 8;
using LimitStateInputTexts = std::array<std::string, kLimitStateInputCount>;
// What the dialog shows when it opens: the values in force.
LimitStateInputTexts limitStateInputTexts(const WindowState& w);
// The recommended factors, s_k as it is.
LimitStateInputTexts recommendedFactorTexts(const LimitStateInputTexts& shown,
                                            const NumberFormat& fmt);
// OK: s_k is kept as typed (a run refuses a wrong one, as it refuses a field); the factors
// must all be numbers in range, else one message names the first wrong one and nothing changes.
void applyLimitStateInputs(WindowState& w, const LimitStateInputTexts& texts);

}  // namespace cw
