#include "design/beam_analysis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

namespace cw {
namespace {

// Every expected value is beam theory worked by hand (the closed forms of any structural
// handbook, e.g. Schneider Bautabellen 4.2 / Roark Table 8.1), never the program's output.
// EI = 1000 kNm2 throughout, so w [mm] = 1000 x (coefficient) q L^4 / EI.
constexpr double kEI = 1000.0;

struct BeamCase {
    std::string name;
    StaticSystem system;
    double L1, L2, q;
    std::vector<PointLoad> points;
    std::vector<double> reactions;       // kN, resisting positive
    std::vector<double> supportMoments;  // kNm
    double maxMoment, maxMomentX;        // sagging
    double minMoment;                    // hogging
    double maxShear;                     // |V|
    double maxDeflection_mm, maxDeflectionX;
    bool symmetric = false;  // the same extreme in both halves: either position
};

void PrintTo(const BeamCase& c, std::ostream* os) {
    *os << c.name;
}

class BeamAnalysisTest : public ::testing::TestWithParam<BeamCase> {};

TEST_P(BeamAnalysisTest, HandWorkedValues) {
    const BeamCase& c = GetParam();
    // The element solutions are exact, so the mesh must not change any value.
    for (int per : {1, 2, 4}) {
        SCOPED_TRACE("elements per span " + std::to_string(per));
        std::vector<BeamStation> stations(kMaxStations);
        const BeamResult r =
            analyseBeam({c.system, c.L1, c.L2, kEI, per}, {c.q, c.points}, stations);
        ASSERT_TRUE(r.valid);
        ASSERT_EQ(r.supportCount, static_cast<int>(c.reactions.size()));
        for (std::size_t i = 0; i < c.reactions.size(); ++i) {
            EXPECT_NEAR(r.reactions_kN[i], c.reactions[i], 5e-4) << "reaction " << i;
            EXPECT_NEAR(r.supportMoments_kNm[i], c.supportMoments[i], 5e-4) << "moment " << i;
        }
        EXPECT_NEAR(r.maxMoment.value, c.maxMoment, 5e-4);
        if (c.maxMomentX >= 0.0) {  // -1: constant between two loads
            EXPECT_NEAR(r.maxMoment.x_m, c.maxMomentX, 1e-3);
        }
        EXPECT_NEAR(r.minMoment.value, c.minMoment, 5e-4);
        EXPECT_NEAR(std::abs(r.maxShear.value), c.maxShear, 5e-4);
        EXPECT_NEAR(r.maxDeflection.value, c.maxDeflection_mm, 2e-6 * c.maxDeflection_mm);
        const double x = r.maxDeflection.x_m;
        const double mirrored = c.symmetric ? c.L1 + c.L2 - x : x;
        EXPECT_NEAR(std::min(std::abs(x - c.maxDeflectionX), std::abs(mirrored - c.maxDeflectionX)),
                    0.0, 1e-3);
        // 50 intervals a span; the first and last stations are the ends, no deflection there
        // and, at a pin, no moment; none exceeds the extremes.
        const int expected = c.system == StaticSystem::TwoSpans ? 101 : 51;
        ASSERT_EQ(r.stationCount, expected);
        EXPECT_EQ(stations[0].x_m, 0.0);
        EXPECT_NEAR(stations[std::size_t(expected - 1)].x_m, c.L1 + c.L2, 1e-12);
        EXPECT_NEAR(stations[0].deflection_mm, 0.0, 1e-12);
        EXPECT_NEAR(stations[0].moment_kNm, c.supportMoments[0], 5e-4);
        for (int i = 0; i < expected; ++i) {
            const BeamStation& st = stations[std::size_t(i)];
            EXPECT_LE(st.moment_kNm, r.maxMoment.value + 1e-12);
            EXPECT_GE(st.moment_kNm, r.minMoment.value - 1e-12);
            EXPECT_LE(std::abs(st.deflection_mm), std::abs(r.maxDeflection.value) + 1e-12);
        }
        // The reactions carry the whole load.
        double load = c.q * (c.L1 + c.L2), held = 0.0;
        for (const PointLoad& p : c.points)
            load += p.force_kN;
        for (int i = 0; i < r.supportCount; ++i)
            held += r.reactions_kN[static_cast<std::size_t>(i)];
        EXPECT_NEAR(held, load, 1e-9);
    }
}

const double L35 = 3.5;

// The largest deflection of a propped cantilever under q, mm.
double proppedCantilever(double q, double L) {
    const double x = (1.0 + std::sqrt(33.0)) / 16.0;
    return (x - 3.0 * x * x * x + 2.0 * x * x * x * x) / 48.0 * q * L * L * L * L / kEI * 1000.0;
}

// Rows: name, system, L1, L2, q, point loads; reactions; support moments; largest sagging
// moment and its x; largest hogging; |V| max; largest deflection and its x.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    ClosedForms, BeamAnalysisTest,
    ::testing::Values(
        // qL/2 = 2,25; qL^2/8 = 1,6875; 5qL^4/384EI = 5 x 1,5 x 81 / 384000 m = 1,58203 mm.
        BeamCase{"simple_span_3m", StaticSystem::OneSpan, 3.0, 0.0, 1.5, {},
                 {2.25, 2.25}, {0.0, 0.0}, 1.6875, 1.5, 0.0, 2.25, 1.58203125, 1.5},
        // Ends -qL^2/12 = -1,125, midspan qL^2/24 = 0,5625, qL^4/384EI = 0,31641 mm.
        BeamCase{"fixed_ends_3m", StaticSystem::FixedEnds, 3.0, 0.0, 1.5, {},
                 {2.25, 2.25}, {-1.125, -1.125}, 0.5625, 1.5, -1.125, 2.25, 0.31640625, 1.5},
        // Two equal spans 3,5 m, q 1,5: 3qL/8 = 1,969, 10qL/8 = 6,563; -qL^2/8 = -2,297;
        // 9qL^2/128 = 1,2920 at 3L/8; each span as a propped cantilever,
        // w = q (L^3 x - 3 L x^3 + 2 x^4) / (48 EI), w' = 0 at x = (1 + sqrt 33) L / 16.
        BeamCase{"two_equal_spans_3.5m", StaticSystem::TwoSpans, L35, L35, 1.5, {},
                 {1.96875, 6.5625, 1.96875}, {0.0, -2.296875, 0.0},
                 9.0 * 1.5 * L35 * L35 / 128.0, 3.0 * L35 / 8.0, -2.296875, 3.28125,
                 proppedCantilever(1.5, L35), (1.0 + std::sqrt(33.0)) / 16.0 * L35, true},
        // 3,0 + 1,0 m (three moments): M_B = -q (L1^3 + L2^3) / (8 (L1 + L2)) = -1,3125;
        // R_A = 2,25 - 0,4375 = 1,8125; R_C = 0,75 - 1,3125 = -0,5625; R_B = 4,75.
        // Span 1: V = 0 at x = 1,8125 / 1,5 = 1,2083, M = 1,8125^2 / 3 = 1,09505;
        // |V| max = 2,25 + 0,4375 = 2,6875 left of B.
        // EI w = q x^4 / 24 - R_A x^3 / 6 + C x in span 1, w(3) = 0 gives C = 1,03125;
        // w' = -0,90625 x^2 + 0,25 x^3 + 1,03125 = 0 at x = 1,345098 (bisection by hand),
        // w = 0,856556 mm.
        BeamCase{"two_spans_3+1m_uplift", StaticSystem::TwoSpans, 3.0, 1.0, 1.5, {},
                 {1.8125, 4.75, -0.5625}, {0.0, -1.3125, 0.0}, 1.8125 * 1.8125 / 3.0,
                 1.8125 / 1.5, -1.3125, 2.6875, 0.856556, 1.345098},
        // Two setting blocks P = 0,2825 kN at L/4 of a 1,15 m span: R = P, M = P a = 0,08122
        // (constant between them: no position); w_mid = P a (3L^2 - 4a^2) / (24 EI).
        BeamCase{"setting_blocks_quarter_points", StaticSystem::OneSpan, 1.15, 0.0, 0.0,
                 {{0.2875, 0.2825}, {0.8625, 0.2825}}, {0.2825, 0.2825}, {0.0, 0.0},
                 0.2825 * 0.2875, -1.0, 0.0, 0.2825, 0.2825 * 0.2875 * 3.636875 / 24.0, 0.575},
        // Fixed ends, P = 2 at midspan of 4 m: -PL/8 = -1, +PL/8 = 1, PL^3/(192 EI) = 0,3333 mm.
        BeamCase{"fixed_ends_midpoint_load", StaticSystem::FixedEnds, 4.0, 0.0, 0.0,
                 {{2.0, 2.0}}, {1.0, 1.0}, {-1.0, -1.0}, 1.0, 2.0, -1.0, 1.0,
                 2.0 * 64.0 / 192.0, 2.0},
        // P = 3 at 1 m of a 4 m simple span: R_A = 2,25, R_B = 0,75, M = P a b / L = 2,25;
        // with b = 1 the shorter side, w_max = P b (L^2 - b^2)^1,5 / (9 sqrt(3) L EI) =
        // 3 x 15^1,5 / 62354 m = 2,79507 mm, sqrt((L^2 - b^2) / 3) = 2,2361 m from the far end.
        BeamCase{"simple_span_eccentric_load", StaticSystem::OneSpan, 4.0, 0.0, 0.0,
                 {{1.0, 3.0}}, {2.25, 0.75}, {0.0, 0.0}, 2.25, 1.0, 0.0, 2.25,
                 3.0 * std::pow(15.0, 1.5) / (9.0 * std::sqrt(3.0) * 4.0 * kEI) * 1000.0,
                 4.0 - std::sqrt(5.0)},
        // q = 1 on a 4 m simple span with P = 1 at 0,5 m and P = 0,5 at 1 m, both loads in one
        // element: R_A = 2 + (1 x 3,5 + 0,5 x 3) / 4 = 3,25, R_B = 2,25; V = 3,25 - 1 - 1 - 0,5
        // = 0,75 just past the second load, zero at 1,75 m, where M = 3,25 x 1,75 - 1,75^2 / 2
        // - 1,25 - 0,5 x 0,75 = 2,53125. The deflection superposes the handbook's closed forms
        // for q and for each P, its largest found by a golden-section search: 4,285198 mm at
        // 1,943896 m.
        BeamCase{"two_loads_in_one_element", StaticSystem::OneSpan, 4.0, 0.0, 1.0,
                 {{0.5, 1.0}, {1.0, 0.5}}, {3.25, 2.25}, {0.0, 0.0}, 2.53125, 1.75, 0.0, 3.25,
                 4.285198106, 1.943896}));
// clang-format on

TEST(BeamAnalysis, RefusesWhatItCannotTake) {
    const BeamLoads q{1.0, {}};
    EXPECT_FALSE(analyseBeam({StaticSystem::OneSpan, 0.0, 0.0, kEI, 2}, q).valid);
    EXPECT_FALSE(analyseBeam({StaticSystem::TwoSpans, 3.0, 0.0, kEI, 2}, q).valid);
    EXPECT_FALSE(analyseBeam({StaticSystem::OneSpan, 3.0, 0.0, 0.0, 2}, q).valid);
    EXPECT_FALSE(analyseBeam({StaticSystem::OneSpan, 3.0, 0.0, kEI, 5}, q).valid);
    const PointLoad outside[] = {{3.5, 1.0}};
    EXPECT_FALSE(analyseBeam({StaticSystem::OneSpan, 3.0, 0.0, kEI, 2}, {0.0, outside}).valid);
    // A load on the middle support goes straight into its reaction.
    const PointLoad onSupport[] = {{3.0, 1.0}};
    const BeamResult r = analyseBeam({StaticSystem::TwoSpans, 3.0, 2.0, kEI, 2}, {0.0, onSupport});
    ASSERT_TRUE(r.valid);
    EXPECT_NEAR(r.reactions_kN[1], 1.0, 1e-12);
    EXPECT_NEAR(r.maxDeflection.value, 0.0, 1e-12);
}

}  // namespace
}  // namespace cw
