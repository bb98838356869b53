#include "design/support_reactions.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace cw {
namespace {

struct ReactionCase {
    std::string name;
    StaticSystem system;
    double q, L1, L2;
    std::vector<double> reactions;
    std::vector<double> supportMoments;
    double spanMoment;
    std::vector<bool> uplift;
};

void PrintTo(const ReactionCase& c, std::ostream* os) {
    *os << c.name;
}

class SupportReactionsTest : public ::testing::TestWithParam<ReactionCase> {};

TEST_P(SupportReactionsTest, MatchesHandCheckedValues) {
    const ReactionCase& c = GetParam();
    const SupportReactions r = supportReactions(c.system, c.q, c.L1, c.L2);
    ASSERT_EQ(r.reactions_kN.size(), c.reactions.size());
    for (std::size_t i = 0; i < c.reactions.size(); ++i)
        EXPECT_NEAR(r.reactions_kN[i], c.reactions[i], 5e-4) << "reaction " << i;
    ASSERT_EQ(r.supportMoments_kNm.size(), c.supportMoments.size());
    for (std::size_t i = 0; i < c.supportMoments.size(); ++i)
        EXPECT_NEAR(r.supportMoments_kNm[i], c.supportMoments[i], 5e-4) << "moment " << i;
    EXPECT_NEAR(r.maxSpanMoment_kNm, c.spanMoment, 5e-4);
    EXPECT_EQ(r.uplift, c.uplift);
    // The reactions carry the whole load.
    double sum = 0.0;
    for (double R : r.reactions_kN)
        sum += R;
    EXPECT_NEAR(sum, c.q * (c.L1 + c.L2), 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    BeamTheory, SupportReactionsTest,
    ::testing::Values(
        // q L / 2 = 1,5 * 3 / 2; q L^2 / 8 = 1,6875.
        ReactionCase{"one_span",
                     StaticSystem::OneSpan,
                     1.5,
                     3.0,
                     0.0,
                     {2.25, 2.25},
                     {0.0, 0.0},
                     1.6875,
                     {false, false}},
        // -q L^2 / 12 = -1,125 at each end, q L^2 / 24 = 0,5625 at midspan.
        ReactionCase{"fixed_ends",
                     StaticSystem::FixedEnds,
                     1.5,
                     3.0,
                     0.0,
                     {2.25, 2.25},
                     {-1.125, -1.125},
                     0.5625,
                     {false, false}},
        // M_B = -1,5 * 2 * 3,5^3 / (8 * 7) = -2,297; 9/128 q L^2 = 1,292 in each span.
        ReactionCase{"equal_spans",
                     StaticSystem::TwoSpans,
                     1.5,
                     3.5,
                     3.5,
                     {1.969, 6.563, 1.969},
                     {0.0, -2.297, 0.0},
                     1.2920,
                     {false, false, false}},
        // M_B = -1,5 * 28 / 32 = -1,3125; the short span lifts off its end support.
        ReactionCase{"short_upper_span_uplift",
                     StaticSystem::TwoSpans,
                     1.5,
                     3.0,
                     1.0,
                     {1.813, 4.750, -0.563},
                     {0.0, -1.3125, 0.0},
                     1.0951,
                     {false, false, true}},
        // The longer span above: M_B = -1 * (8 + 64) / (8 * 6) = -1,5; in the upper span
        // R = 4 / 2 + 1,5 / 4 = 2,375 from B, zero shear 2,375 m on, M = -1,5 + 2,375^2 / 2
        // = 1,3203, larger than the lower span's 0,25^2 / 2 = 0,03125.
        ReactionCase{"longer_upper_span",
                     StaticSystem::TwoSpans,
                     1.0,
                     2.0,
                     4.0,
                     {0.25, 4.125, 1.625},
                     {0.0, -1.5, 0.0},
                     1.3203125,
                     {false, false, false}}),
    [](const auto& row) { return row.param.name; });

}  // namespace
}  // namespace cw
