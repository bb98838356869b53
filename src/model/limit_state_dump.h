#pragma once

#include "model/window_state.h"

#include <string>

namespace cw {

// The dump's "limitStates": null unless a limit-state run shows, else its checks, the
// governing one, the section class and the anchor forces as plain JSON numbers, then what
// the checks read: "sk_kNm2" and "factors" {"gammaM1": n, ..., "psi0_snow": n}.
void appendLimitStates(std::string& out, const WindowState& w);

// Whether a limit-state run's results show (its checks, the verdict line's wording).
const LimitStateRun* shownLimitStates(const WindowState& w);

}  // namespace cw
