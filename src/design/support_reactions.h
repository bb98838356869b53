#pragma once

// Support reactions and support moments of a mullion under a uniform line load, by beam
// theory. The required section values are formed with M = q L^2 / 8 whatever the system;
// these are the true values beside them.

#include "design/bay.h"

#include <vector>

namespace cw {

struct SupportReactions {
    // From the lowest support up: two for one span and fixed ends, three for two spans, kN.
    std::vector<double> reactions_kN;
    // Hogging moments at the supports, kNm (negative); zero where the support is a pin.
    std::vector<double> supportMoments_kNm;
    // The largest sagging moment in a span, kNm.
    double maxSpanMoment_kNm = 0.0;
    // A negative reaction: the support must hold the mullion down.
    std::vector<bool> uplift;
};

// q in kN/m, spans in m. Two spans are continuous over the middle support (the three-moment
// equation gives its moment); fixed ends carry q L^2 / 12 at each end.
SupportReactions supportReactions(StaticSystem system, double q_kNm, double spanL1_m,
                                  double spanL2_m = 0.0);

}  // namespace cw
