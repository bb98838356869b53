#include "design/limit_state_check.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace cw {
namespace {

// Expected values are worked by hand from the formulas of the clauses (E = 70 000 N/mm2, so
// EI = 0,7 Ix[cm4] kNm2; W f_o / gammaM1 with 6060 T6 f_o 140: 0,127273 W[cm3] kNm).

BayInput bay(StaticSystem system, double A1, double A2, double L1, double L2, double p,
             double glass_mm) {
    BayInput in;
    in.system = system;
    in.gridWidthA1_cm = A1;
    in.gridWidthA2_cm = A2;
    in.spanL1_cm = L1;
    in.spanL2_cm = L2;
    in.glazingHeightH1_cm = 100.0;
    in.glazingHeightH2_cm = 100.0;
    in.glassThickness_mm = glass_mm;
    in.windPressure_kNm2 = p;
    in.divisor = 200;
    in.allowableDeflection_mm = 15.0;
    return in;
}

LimitStateSection mullion(double ix, double wx, std::optional<double> mass) {
    LimitStateSection s;
    s.ix_cm4 = ix;
    s.wx_cm3 = wx;
    s.area_cm2 = 5.0;
    s.mass_kgm = mass;
    return s;
}

// TALAT 2301 example 9.2, RHS 180 x 120 x 6: two webs in bending, two flanges in compression.
const SectionPart kRhs[] = {{"web", PartKind::Internal, 168, 6, -1.0, false, true},
                            {"web", PartKind::Internal, 168, 6, -1.0, false, true},
                            {"flange", PartKind::Internal, 108, 6, 1.0},
                            {"flange", PartKind::Internal, 108, 6, 1.0}};

struct Expected {
    CheckId id;
    double Ed, Rd, u;
};

struct Anchor {
    double pressure, pressureUlt, deadAcross, deadAlong, deadAlongUlt;
};

struct Case {
    std::string name;
    BayInput bay;
    LimitStateInput in;
    int checkCount;
    std::vector<Expected> checks;
    LimitStateVerdict verdict;
    CheckId governing;
    std::vector<Anchor> anchors;
    bool classNotVerified;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class LimitStateCheckTest : public ::testing::TestWithParam<Case> {};

TEST_P(LimitStateCheckTest, HandWorked) {
    const Case& c = GetParam();
    const LimitStateResult r = checkLimitStates(c.bay, c.in);
    ASSERT_TRUE(r.valid);
    ASSERT_EQ(r.checkCount, c.checkCount);
    for (const Expected& e : c.checks) {
        bool found = false;
        for (int k = 0; k < r.checkCount; ++k) {
            const LimitStateCheck& got = r.checks[std::size_t(k)];
            if (got.id != e.id)
                continue;
            found = true;
            EXPECT_NEAR(got.Ed, e.Ed, 5e-4 * std::max(1.0, e.Ed)) << int(e.id);
            EXPECT_NEAR(got.Rd, e.Rd, 5e-4 * std::max(1.0, e.Rd)) << int(e.id);
            EXPECT_DOUBLE_EQ(got.utilisation, e.u) << int(e.id);
            EXPECT_EQ(got.passes, e.u <= 1.0) << int(e.id);
        }
        EXPECT_TRUE(found) << int(e.id);
    }
    EXPECT_EQ(r.verdict, c.verdict);
    ASSERT_GE(r.governing, 0);
    EXPECT_EQ(r.checks[std::size_t(r.governing)].id, c.governing);
    EXPECT_EQ(r.sectionClassNotVerified, c.classNotVerified);
    ASSERT_EQ(r.anchorCount, static_cast<int>(c.anchors.size()));
    for (std::size_t k = 0; k < c.anchors.size(); ++k) {
        const AnchorForce& a = r.anchors[k];
        const Anchor& e = c.anchors[k];
        EXPECT_NEAR(a.pressureChar_kN, e.pressure, 5e-4) << "anchor " << k;
        EXPECT_NEAR(a.pressureUlt_kN, e.pressureUlt, 5e-4) << "anchor " << k;
        EXPECT_NEAR(a.suctionChar_kN, -e.pressure, 5e-4) << "anchor " << k;
        EXPECT_NEAR(a.deadAcrossChar_kN, e.deadAcross, 5e-4) << "anchor " << k;
        EXPECT_NEAR(a.deadAlongChar_kN, e.deadAlong, 5e-4) << "anchor " << k;
        EXPECT_NEAR(a.deadAlongUlt_kN, e.deadAlongUlt, 5e-4) << "anchor " << k;
        // EN 1990 6.10: suction as the pressure; the weight across sloped glazing with
        // gammaG,sup, since it adds to the wind pressure.
        EXPECT_NEAR(a.suctionUlt_kN, -e.pressureUlt, 5e-4) << "anchor " << k;
        EXPECT_NEAR(a.deadAcrossUlt_kN, c.in.factors.gammaGUnfav * e.deadAcross, 5e-4)
            << "anchor " << k;
    }
}

LimitStateInput input(LimitStateSection m, Hanging h = Hanging::HungFromTop) {
    LimitStateInput in;
    in.mullion = m;
    in.hanging = h;
    return in;
}

LimitStateInput talat() {
    LimitStateSection s = mullion(1564.2, 173.8, std::nullopt);
    s.wplx_cm3 = 209.95;
    s.parts = kRhs;
    return input(s);
}

LimitStateInput sloped() {
    LimitStateInput in = input(mullion(1000.0, 20.0, 0.0));
    in.sloped = true;
    in.sk_kNm2 = 1.0;
    return in;
}

BayInput slopedBay() {
    BayInput b = bay(StaticSystem::OneSpan, 100, 100, 300, 0, 0.5, 10.0);
    b.slope_deg = 30.0;
    return b;
}

using C = CheckId;
using V = LimitStateVerdict;

BayInput typed10mm() {
    BayInput b = bay(StaticSystem::OneSpan, 100, 100, 300, 0, 1.0, 0.0);
    b.allowableDeflection_mm = 10.0;
    return b;
}

BayInput span4m2015() {
    BayInput b = bay(StaticSystem::OneSpan, 100, 100, 400, 0, 1.0, 0.0);
    b.allowableDeflection_mm = 10.0;
    b.criterion = DeflectionCriterion::En13830_2015;
    return b;
}

LimitStateInput withShearArea(LimitStateSection m, double Av) {
    m.shearArea_cm2 = Av;
    return input(m);
}

// Rows: name, bay, input, number of checks, the checks {id, E_d, R_d, utilisation},
// verdict, governing check, anchors {pressure, pressure ult, dead across, dead along, dead
// along ult} from the bottom up, section class not verified.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Bays, LimitStateCheckTest,
    ::testing::Values(
        // sigma_k = (1 x 1 x 3^2 / 8) / 12,5 cm3 = 9,0 kN/cm2. M_Ed = 1,5 x 1,125 = 1,6875;
        // M_Rd = 12,5 x 140 / 1,1 = 1,5909 kNm: 1,0607 -> 1,061, which the allowable-stress
        // basis (9,0 <= 9,5) passes. w = 5 x 1 x 81 / (384 x 700) = 1,5067 mm of 15.
        Case{"6060_T6_sigma_k_9.0_fails", bay(StaticSystem::OneSpan, 100, 100, 300, 0, 1.0, 0.0),
             input(mullion(1000.0, 12.5, 0.0)), 2,
             {{C::MullionBending, 1.6875, 1.590909, 1.061},
              {C::MullionDeflection, 1.506696, 15.0, 0.101}},
             V::Fails, C::MullionBending, {{1.5, 2.25, 0, 0, 0}, {1.5, 2.25, 0, 0, 0}}, true},
        // sigma_k 8,0: W = 14,0625, u = 0,94286 -> 0,943: passes, but not verified.
        Case{"sigma_k_8.0_passes_unverified",
             bay(StaticSystem::OneSpan, 100, 100, 300, 0, 1.0, 0.0),
             input(mullion(1000.0, 14.0625, 0.0)), 2,
             {{C::MullionBending, 1.6875, 1.789773, 0.943}},
             V::PassesUnverified, C::MullionBending, {{1.5, 2.25, 0, 0, 0}, {1.5, 2.25, 0, 0, 0}},
             true},
        // EN 13830:2003 with the allowable deflection typed as 10 mm: w = 5 x 81 / (384 x 210)
        // = 5,0223 mm of min(3000 / 200, 10) = 10: 0,503.
        Case{"deflection_2003_typed_10mm", typed10mm(), input(mullion(300.0, 14.0625, 0.0)), 2,
             {{C::MullionDeflection, 5.022321, 10.0, 0.503}},
             V::PassesUnverified, C::MullionBending, {{1.5, 2.25, 0, 0, 0}, {1.5, 2.25, 0, 0, 0}},
             true},
        // EN 13830:2015 ignores the typed value: 4 m, 5 + 4000 / 300 = 18,333 mm; w = 5 x 256 /
        // (384 x 210) = 15,873 mm: 0,866. M = 1,5 x 2 = 3 against 30 x 0,127273: 0,786.
        Case{"deflection_2015_span_rule", span4m2015(), input(mullion(300.0, 30.0, 0.0)), 2,
             {{C::MullionBending, 3.0, 3.818182, 0.786},
              {C::MullionDeflection, 15.873016, 18.333333, 0.866}},
             V::PassesUnverified, C::MullionDeflection, {{2.0, 3.0, 0, 0, 0}, {2.0, 3.0, 0, 0, 0}},
             true},
        // Two spans 3,5 + 3,5, q = 1,5: reactions 1,969 / 6,563 / 1,969 (x 1,5 ultimate),
        // M = 1,5 x 2,296875 = 3,4453; V = 1,5 x 3,28125 = 4,9219 against
        // 300 x 140 / (sqrt 3 x 1,1) = 22,044 kN. Hung: G = 0,25 x 1 x 7 + 2 x 9,81 / 1000 x 7
        // = 1,88734 kN at the top; N_Ed = 1,35 G = 2,5479 against min(63,64, 61,2) = 61,2:
        // 0,04163 + 0,67676 = 0,71839 -> 0,719. w = 0,0054161 x 1,5 x 3,5^4 / 700 = 1,74162 mm.
        Case{"two_equal_spans_hung_with_glass",
             bay(StaticSystem::TwoSpans, 100, 100, 350, 350, 1.5, 10.0),
             withShearArea(mullion(1000.0, 40.0, 2.0), 3.0), 5,
             {{C::MullionBending, 3.4453125, 5.090909, 0.677},
              {C::MullionShear, 4.921875, 22.04427, 0.224},
              {C::MullionBendingShear, 3.4453125, 5.090909, 0.677},
              {C::MullionAxialBending, 0.71839, 1.0, 0.719},
              {C::MullionDeflection, 1.741622, 15.0, 0.117}},
             V::PassesUnverified, C::MullionAxialBending,
             {{1.96875, 2.953125, 0, 0, 0}, {6.5625, 9.84375, 0, 0, 0},
              {1.96875, 2.953125, 0, 1.88734, 2.547909}},
             true},
        // 2,0 + 4,0 m, q = 1: M_B = -(8 + 64) / 48 = -1,5; R_A = 1 - 0,75 = 0,25, R_C = 2 -
        // 0,375 = 1,625, R_B = 4,125. Upper span from its top: EI w = x^4/24 - 1,625 x^3/6 +
        // 5/3 x, w' = 0 at x = 1,80473 (bisection by hand), w = 8,8472 mm of min(20, 15):
        // 0,590; the lower span (limit 10 mm) lifts by far less. M_Ed = 1,5 x 1,5 against 30 x
        // 0,127273: 0,590 too; the first of equals governs.
        Case{"upper_span_longer_governs_deflection",
             bay(StaticSystem::TwoSpans, 100, 100, 200, 400, 1.0, 0.0),
             input(mullion(300.0, 30.0, 0.0)), 2,
             {{C::MullionBending, 2.25, 3.818182, 0.590},
              {C::MullionDeflection, 8.847212, 15.0, 0.590}},
             V::PassesUnverified, C::MullionBending,
             {{0.25, 0.375, 0, 0, 0}, {4.125, 6.1875, 0, 0, 0}, {1.625, 2.4375, 0, 0, 0}}, true},
        // 3,0 + 1,0 m: the top anchor holds the mullion down (-0,563); standing, the base
        // carries 3 x 9,81 / 1000 x 4 = 0,11772 kN. With an axial force the interaction
        // (N / N_Rd + M / M_Rd) is always above bending alone and governs.
        Case{"spans_3+1_standing_uplift", bay(StaticSystem::TwoSpans, 100, 100, 300, 100, 1.5, 0.0),
             input(mullion(1000.0, 40.0, 3.0), Hanging::StandingOnBase), 3,
             {{C::MullionBending, 1.5 * 1.3125, 5.090909, 0.387}},
             V::PassesUnverified, C::MullionAxialBending,
             {{1.8125, 2.71875, 0, 0.11772, 0.158922}, {4.75, 7.125, 0, 0, 0},
              {-0.5625, -0.84375, 0, 0, 0}},
             true},
        // TALAT section (class 2, W_pl 209,95): 3 m, b = 2 m, p = 7,6: M_Ed = 1,5 x 15,2 x 9 /
        // 8 = 25,65 against 26,7209: 0,95992 -> 0,960; V = 1,5 x 15,2 x 1,5 = 34,2 against
        // 2016 x 140 / (sqrt 3 x 1,1) = 148,138: 0,231; w = 5 x 15,2 x 81 / (384 x 1094,94) =
        // 14,641 mm of 15: 0,977, which governs. Everything verified: a plain pass.
        Case{"talat_section_class_2_passes", bay(StaticSystem::OneSpan, 200, 200, 300, 0, 7.6, 0.0),
             talat(), 4,
             {{C::MullionBending, 25.65, 26.72091, 0.960}, {C::MullionShear, 34.2, 148.1376, 0.231},
              {C::MullionDeflection, 14.64121, 15.0, 0.977}},
             V::Passes, C::MullionDeflection, {{22.8, 34.2, 0, 0, 0}, {22.8, 34.2, 0, 0, 0}},
             false},
        // Sloped 30 degrees, glass 0,25 kN/m2, sk 1 (s = 0,8 on plan), p 0,5, b 1 m:
        // across G 0,25 cos30 = 0,21651, S 0,8 cos^2 30 = 0,6; along G 0,25 sin30 x 3 = 0,375,
        // S 0,8 cos30 sin30 x 3 = 1,03923. Snow leading governs: q = 1,35 x 0,21651 + 0,9 x 0,5
        // + 1,5 x 0,6 = 1,64228, M = 1,84757 against 2,54545: 0,726; N = 1,35 x 0,375 + 1,5 x
        // 1,03923 = 2,0651 over 61,2: 0,75957 -> 0,760. w under G + W + S (1,31651):
        // 1,98358 mm: 0,133.
        Case{"sloped_glazing_with_snow", slopedBay(), sloped(), 3,
             {{C::MullionBending, 1.847569, 2.545455, 0.726},
              {C::MullionAxialBending, 0.759574, 1.0, 0.760},
              {C::MullionDeflection, 1.983575, 15.0, 0.133}},
             V::PassesUnverified, C::MullionAxialBending,
             {{0.75, 1.125, 0.324760, 0, 0}, {0.75, 1.125, 0.324760, 0.375, 0.50625}}, true}));
// clang-format on

// The built-in rows give no area: the weight's axial force then cannot be checked, which
// leaves the bending checks made and the verdict short of a plain pass. Glass 10 mm on b 1 m
// over 3 m: N_Ed = 1,35 x 0,25 x 3 = 1,0125 kN.
TEST(LimitStateCheck, UnknownAreaLeavesTheAxialForceUnverified) {
    struct Row {
        std::string name;
        double area_cm2, glass_mm;
        bool axialChecked, axialNotVerified;
    };
    const Row rows[] = {
        {"area_unknown_with_weight", 0.0, 10.0, false, true},
        {"area_known_with_weight", 5.0, 10.0, true, false},
        {"area_unknown_no_weight", 0.0, 0.0, false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        LimitStateSection m = mullion(1000.0, 20.0, 0.0);
        m.area_cm2 = row.area_cm2;
        const LimitStateResult r = checkLimitStates(
            bay(StaticSystem::OneSpan, 100, 100, 300, 0, 1.0, row.glass_mm), input(m));
        ASSERT_TRUE(r.valid);
        bool axial = false, bending = false;
        for (int k = 0; k < r.checkCount; ++k) {
            axial = axial || r.checks[std::size_t(k)].id == CheckId::MullionAxialBending;
            bending = bending || r.checks[std::size_t(k)].id == CheckId::MullionBending;
        }
        EXPECT_TRUE(bending);
        EXPECT_EQ(axial, row.axialChecked);
        EXPECT_EQ(r.axialNotVerified, row.axialNotVerified);
        if (row.axialNotVerified) {
            EXPECT_EQ(r.verdict, LimitStateVerdict::PassesUnverified);
        }
    }
}

// Each check names the combination that gave its E_d: on a vertical mullion pressure and
// suction load alike and the first (pressure) is named; on sloped glazing with snow (the case
// above) snow leading gives both the moment (1,64228 against 1,35 x 0,21651 + 1,5 x 0,5 + 0,75 x
// 0,6 = 1,49229) and the axial force.
TEST(LimitStateCheck, NamesTheCombinationOfEachCheck) {
    struct Row {
        std::string name;
        BayInput bay;
        LimitStateInput in;
        CheckId id;
        CombinationId combination;
    };
    const BayInput plain = bay(StaticSystem::OneSpan, 100, 100, 300, 0, 1.0, 0.0);
    const Row rows[] = {
        {"vertical_bending", plain, input(mullion(1000.0, 12.5, 0.0)), CheckId::MullionBending,
         CombinationId::WindPressure},
        {"vertical_deflection", plain, input(mullion(1000.0, 12.5, 0.0)),
         CheckId::MullionDeflection, CombinationId::CharPressure},
        {"sloped_bending", slopedBay(), sloped(), CheckId::MullionBending,
         CombinationId::SnowLeading},
        {"sloped_axial", slopedBay(), sloped(), CheckId::MullionAxialBending,
         CombinationId::SnowLeading},
        {"sloped_deflection", slopedBay(), sloped(), CheckId::MullionDeflection,
         CombinationId::CharPressure},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const LimitStateResult r = checkLimitStates(row.bay, row.in);
        bool found = false;
        for (int k = 0; k < r.checkCount; ++k)
            if (r.checks[std::size_t(k)].id == row.id) {
                found = true;
                EXPECT_EQ(r.checks[std::size_t(k)].combination, row.combination);
            }
        EXPECT_TRUE(found);
    }
}

TEST(LimitStateCheck, UtilisationRoundsUp) {
    struct Row {
        double u, rounded;
    };
    const Row rows[] = {{1.06071, 1.061},   {1.0, 1.0},       {0.9991, 1.0},
                        {0.5 + 1e-12, 0.5}, {0.50001, 0.501}, {0.0, 0.0}};
    for (const Row& r : rows)
        EXPECT_DOUBLE_EQ(roundUpUtilisation(r.u), r.rounded) << r.u;
}

// The transom by a second method: the trapezoids integrated numerically (Simpson, 2000
// strips) for M and, by virtual work, for the midspan deflection.
struct TransomWind {
    double M_kNm, w_mm;
};

TransomWind integrateTrapezoids(double L, double p, double H1, double H2, double EI) {
    auto q = [&](double x) {
        double s = 0.0;
        for (double H : {H1, H2})
            s += p * std::min({x, L - x, H / 2.0});
        return s;
    };
    const int n = 2000;
    const double h = L / n;
    double load = 0.0;
    for (int i = 0; i <= n; ++i)
        load += q(i * h) * h * (i == 0 || i == n ? 1.0 : (i % 2 ? 4.0 : 2.0)) / 3.0;
    const double R = load / 2.0;
    auto M = [&](double x) {  // statics from the left: R x - int_0^x q(t) (x - t) dt
        const int m = 200;
        const double k = x / m;
        double s = 0.0;
        for (int i = 0; i <= m; ++i)
            s += q(i * k) * (x - i * k) * k * (i == 0 || i == m ? 1.0 : (i % 2 ? 4.0 : 2.0)) / 3.0;
        return R * x - s;
    };
    double w = 0.0;  // 2 int_0^(L/2) M(x) (x / 2) dx / EI
    const int m = 200;
    const double k = L / 2.0 / m;
    for (int i = 0; i <= m; ++i)
        w += M(i * k) * (i * k / 2.0) * k * (i == 0 || i == m ? 1.0 : (i % 2 ? 4.0 : 2.0)) / 3.0;
    return {M(L / 2.0), 2.0 * w / EI * 1000.0};
}

TEST(LimitStateCheck, TransomWindAndSettingBlocks) {
    // 1 150 mm transom, p = 1,0; P = 282,5 N on each block at L/4: glass 0,2825 x 2 /
    // (H2 x 1,15 x 25) m thick.
    struct Row {
        std::string name;
        DeflectionCriterion criterion;
        double H1, H2, iy;
        double blockLimit, blockU;
    };
    // w = P a (3 L^2 - 4 a^2) / (24 E I) = 282,5 x 287,5 x 3 636 875 / (24 x 70 000 x I):
    // 1,75822 mm at I = 10 cm4, so I >= 7,6445 cm4 (7,65 rounded up) for L/500 = 2,3 mm.
    const Row rows[] = {
        {"en13830_2003", DeflectionCriterion::En13830_2003, 100, 100, 10.0, 2.3, 0.765},
        {"en13830_2015", DeflectionCriterion::En13830_2015, 100, 100, 10.0, 2.3, 0.765},
        {"tall_panes_triangles", DeflectionCriterion::En13830_2003, 300, 300, 10.0, 2.3, 0.765},
        {"at_the_limit", DeflectionCriterion::En13830_2015, 100, 100, 7.64453, 2.3, 1.0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        BayInput b = bay(StaticSystem::OneSpan, 115, 100, 300, 0, 1.0, 0.0);
        b.criterion = row.criterion;
        b.glazingHeightH1_cm = row.H1;
        LimitStateInput in = input(mullion(5000.0, 500.0, 0.0));
        LimitStateSection t = mullion(50.0, 5.0, 0.0);
        t.iy_cm4 = row.iy;
        t.wy_cm3 = 2.0;
        in.transom = t;
        b.glazingHeightH2_cm = row.H2;
        // H2, the pane on the blocks: keep their load at 282,5 N by the glass thickness.
        b.glassThickness_mm = 0.2825 * 2.0 / (row.H2 / 100.0 * 1.15 * 25.0) * 1000.0;
        const LimitStateResult r = checkLimitStates(b, in);
        ASSERT_TRUE(r.valid);
        const TransomWind ref =
            integrateTrapezoids(1.15, 1.0, row.H1 / 100.0, row.H2 / 100.0, 35.0);
        const double MRdx = 5.0 * 0.14 / 1.1, MRdy = 2.0 * 0.14 / 1.1;
        const double bending = 1.5 * ref.M_kNm / MRdx + 1.35 * 0.2825 * 0.2875 / MRdy;
        int seen = 0;
        for (int k = 0; k < r.checkCount; ++k) {
            const LimitStateCheck& c = r.checks[std::size_t(k)];
            if (c.id == CheckId::TransomBending) {
                ++seen;
                EXPECT_NEAR(c.Ed, bending, 1e-6);
            } else if (c.id == CheckId::TransomDeflection) {
                ++seen;
                EXPECT_NEAR(c.Ed, ref.w_mm, 1e-6);
                EXPECT_NEAR(c.Rd, 5.75, 1e-9);  // 1 150 / 200
            } else if (c.id == CheckId::TransomBlockDeflection) {
                ++seen;
                EXPECT_NEAR(c.Ed, 282.5 * 287.5 * 3636875.0 / (24.0 * 70000.0 * row.iy * 1e4),
                            1e-9);
                EXPECT_NEAR(c.Rd, row.blockLimit, 1e-9);
                EXPECT_DOUBLE_EQ(c.utilisation, row.blockU);
                EXPECT_EQ(c.clause, row.criterion == DeflectionCriterion::En13830_2015
                                        ? "EN 13830:2015"
                                        : "EN 13830:2003");
            }
        }
        EXPECT_EQ(seen, 3);
        EXPECT_NEAR(r.requiredTransomIy_cm4, 7.64453, 1e-4);
        EXPECT_TRUE(r.transomClassNotVerified);
    }
}

TEST(LimitStateCheck, RefusesWhatItCannotCheck) {
    const BayInput b = bay(StaticSystem::OneSpan, 100, 100, 300, 0, 1.0, 0.0);
    EXPECT_FALSE(checkLimitStates(b, input(mullion(0.0, 12.5, 0.0))).valid);
    EXPECT_FALSE(checkLimitStates(b, input(mullion(100.0, 0.0, 0.0))).valid);
    // A number that is not one never passes as a check.
    BayInput nan = b;
    nan.windPressure_kNm2 = std::nan("");
    EXPECT_FALSE(checkLimitStates(nan, input(mullion(100.0, 12.5, 0.0))).valid);
    nan = b;
    nan.glassThickness_mm = std::nan("");
    EXPECT_FALSE(checkLimitStates(nan, input(mullion(100.0, 12.5, 0.0))).valid);
    LimitStateInput nanTransom = input(mullion(100.0, 12.5, 0.0));
    LimitStateSection t = mullion(50.0, 5.0, 0.0);
    t.iy_cm4 = 10.0;
    t.wy_cm3 = 2.0;
    t.wplx_cm3 = std::nan("");
    nanTransom.transom = t;
    EXPECT_FALSE(checkLimitStates(b, nanTransom).valid);
    LimitStateInput thick = input(mullion(100.0, 12.5, 0.0));
    thick.mullion.wallThickness_mm = 16.0;  // 6060 T6 is given up to 15 mm
    const LimitStateResult r = checkLimitStates(b, thick);
    EXPECT_FALSE(r.valid);
    EXPECT_TRUE(r.thicknessOutsideAlloyTable);
    // With no thickness, the lowest band of the temper: 6060 T5 100 N/mm2, not 120.
    LimitStateInput t5 = input(mullion(1000.0, 12.5, std::nullopt));
    t5.alloy = findAlloy("6060 T5");
    const LimitStateResult low = checkLimitStates(b, t5);
    ASSERT_TRUE(low.valid);
    EXPECT_EQ(low.fo_MPa, 100.0);
    EXPECT_TRUE(low.profileMassUnknown);
    // No wind: nothing deflects, and the limit is still the span's (3000 / 200 = 15 mm).
    const LimitStateResult calm = checkLimitStates(
        bay(StaticSystem::OneSpan, 100, 100, 300, 0, 0.0, 0.0), input(mullion(1000.0, 12.5, 0.0)));
    ASSERT_TRUE(calm.valid);
    const LimitStateCheck& d = calm.checks[std::size_t(calm.checkCount - 1)];
    EXPECT_EQ(d.id, CheckId::MullionDeflection);
    EXPECT_EQ(d.Ed, 0.0);
    EXPECT_EQ(d.Rd, 15.0);
}

// The verdict of the checks made. A pass that rests on any one thing the checks did not verify
// says so, whichever it is; a failure fails whatever was assumed; the governing check is the
// most used, the first of a tie; a utilisation that is not a number leaves no valid result.
TEST(LimitStateCheck, ConcludesFromEveryCheckAndEveryAssumption) {
    LimitStateResult passing;
    passing.valid = true;
    passing.checkCount = 3;
    passing.checks[0].utilisation = 0.4;
    passing.checks[1].utilisation = 0.9;
    passing.checks[2].utilisation = 0.9;
    for (int k = 0; k < 3; ++k)
        passing.checks[std::size_t(k)].passes = true;

    struct Row {
        std::string name;
        LimitStateResult r;
        LimitStateVerdict verdict;
        int governing;
        bool valid;
    };
    std::vector<Row> rows = {{"all verified", passing, LimitStateVerdict::Passes, 1, true}};
    // Every flag of something not verified, listed here apart from the program's own list.
    const std::pair<const char*, bool LimitStateResult::*> kNotVerified[] = {
        {"section class", &LimitStateResult::sectionClassNotVerified},
        {"transom class", &LimitStateResult::transomClassNotVerified},
        {"W_eff", &LimitStateResult::effectiveModulusEstimated},
        {"shear area", &LimitStateResult::shearNotVerified},
        {"shear buckling", &LimitStateResult::shearBucklingNotCovered},
        {"member buckling", &LimitStateResult::memberBucklingNotVerified},
        {"axial force", &LimitStateResult::axialNotVerified},
    };
    for (const auto& [name, flag] : kNotVerified) {
        LimitStateResult r = passing;
        r.*flag = true;
        rows.push_back(
            {std::string("assumed ") + name, r, LimitStateVerdict::PassesUnverified, 1, true});
        r.checks[0].passes = false;
        rows.push_back({std::string("assumed ") + name + ", one check failing", r,
                        LimitStateVerdict::Fails, 1, true});
    }
    LimitStateResult over = passing;
    over.checks[2].utilisation = 1.2;
    over.checks[2].passes = false;
    rows.push_back({"the last check over", over, LimitStateVerdict::Fails, 2, true});
    LimitStateResult notANumber = passing;
    notANumber.checks[0].utilisation = std::nan("");
    rows.push_back(
        {"a utilisation not a number", notANumber, LimitStateVerdict::Passes, -1, false});

    for (Row& row : rows) {
        SCOPED_TRACE(row.name);
        concludeChecks(row.r);
        EXPECT_EQ(row.r.verdict, row.verdict);
        EXPECT_EQ(row.r.valid, row.valid);
        if (row.valid) {  // an invalid result names no governing check
            EXPECT_EQ(row.r.governing, row.governing);
        }
    }
}

}  // namespace
}  // namespace cw
