#include "design/support_reactions.h"

#include <algorithm>

namespace cw {

namespace {

// The largest sagging moment of a span with end moments Ma, Mb (hogging negative).
double spanMoment(double q, double L, double Ma, double Mb) {
    if (L <= 0.0)
        return 0.0;
    const double Ra = q * L / 2.0 + (Mb - Ma) / L;  // left reaction of the span alone
    const double x = std::clamp(Ra / q, 0.0, L);    // where the shear is zero
    return Ma + Ra * x - q * x * x / 2.0;
}

}  // namespace

SupportReactions supportReactions(StaticSystem system, double q, double L1, double L2) {
    SupportReactions r;
    switch (system) {
    case StaticSystem::OneSpan:
        r.reactions_kN = {q * L1 / 2.0, q * L1 / 2.0};
        r.supportMoments_kNm = {0.0, 0.0};
        r.maxSpanMoment_kNm = q * L1 * L1 / 8.0;
        break;
    case StaticSystem::FixedEnds: {
        const double end = -q * L1 * L1 / 12.0;
        r.reactions_kN = {q * L1 / 2.0, q * L1 / 2.0};
        r.supportMoments_kNm = {end, end};
        r.maxSpanMoment_kNm = q * L1 * L1 / 24.0;
        break;
    }
    case StaticSystem::TwoSpans: {
        // Three-moment equation with pinned outer ends: 2 M_B (L1 + L2) = -q (L1^3 + L2^3) / 4.
        const double Mb = -q * (L1 * L1 * L1 + L2 * L2 * L2) / (8.0 * (L1 + L2));
        const double Ra = q * L1 / 2.0 + Mb / L1;
        const double Rc = L2 > 0.0 ? q * L2 / 2.0 + Mb / L2 : 0.0;
        const double Rb = q * (L1 + L2) - Ra - Rc;
        r.reactions_kN = {Ra, Rb, Rc};
        r.supportMoments_kNm = {0.0, Mb, 0.0};
        r.maxSpanMoment_kNm = std::max(spanMoment(q, L1, 0.0, Mb), spanMoment(q, L2, Mb, 0.0));
        break;
    }
    }
    for (double R : r.reactions_kN)
        r.uplift.push_back(R < 0.0);
    return r;
}

}  // namespace cw
