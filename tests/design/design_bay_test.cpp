// The design of one bay, held against hand arithmetic and the published worked examples.

#include "design/bay.h"
#include "design/catalogue_reader.h"
#include "design/shown_rounding.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>

namespace cw {
namespace {

// Each bay designed with the built-in catalogue of its series, as every front end does.
BayDesign designBay(const BayInput& in) {
    return cw::designBay(in, builtInCatalogues().of(in.series));
}

// Two decimals, as the results panel shows a value.
std::string shown(double value) {
    return fixedDecimal(value);
}

// The bay worked by hand: A1 120, A2 90 (b = 105, transom over 120), L 300, H1 100, H2 200,
// glass 10 mm, 0,8 kN/m2 (8-20 m), f 15 mm, d 200.
BayInput veltraBay() {
    BayInput in;
    in.series = Series::Veltra;
    in.system = StaticSystem::OneSpan;
    in.gridWidthA1_cm = 120.0;
    in.gridWidthA2_cm = 90.0;
    in.spanL1_cm = 300.0;
    in.glazingHeightH1_cm = 100.0;
    in.glazingHeightH2_cm = 200.0;
    in.glassThickness_mm = 10.0;
    in.windPressure_kNm2 = 0.8;
    in.windSource = WindSource::HeightBand;
    in.divisor = 200;
    in.allowableDeflection_mm = 15.0;
    return in;
}

TEST(DesignBay, VeltraBayWorkedByHand) {
    const BayDesign d = designBay(veltraBay());
    ASSERT_TRUE(d.finite);
    EXPECT_EQ(d.spanCase, SpanCase::OneSpan);
    EXPECT_DOUBLE_EQ(d.loadWidth_cm, 105.0);
    EXPECT_DOUBLE_EQ(d.transomSpan_cm, 120.0);
    // q = 105 * 0,8 / 10000 = 0,0084 kN/cm; L/d = 1,50 cm = f: the ratio rule governs.
    EXPECT_DOUBLE_EQ(*d.lineLoad_kNcm, 0.0084);
    EXPECT_EQ(d.rule, DeflectionRule::SpanOverDivisor);
    EXPECT_EQ(shown(d.designedLimit_mm), "15.00");
    // Jx = 5 q L^4 / (384 E (L/d)) = 0,0084 * 300^3 * 5 * 200 / 2688000 = 84,375
    EXPECT_NEAR(d.requiredMullionJx_cm4, 84.375, 1e-9);
    EXPECT_EQ(shown(d.requiredMullionJx_cm4), "84.38");
    // Transom over 1,2 m with half of each height: 80 * 0,5 * 1,728 / 28 + 80 * 1 * 1,728 / 28
    EXPECT_EQ(shown(d.requiredTransomJx_cm4), "7.41");
    ASSERT_TRUE(d.transom);
    EXPECT_EQ(*d.transom, "KA-11 + KA-12");
    // Pane 2 * 1,2 = 2,4 m2, 300 N a block at a = 150 mm of Ls = 1200 mm, rho = a / Ls = 0,125:
    // P a Ls^2 (3 - 4 rho^2) / (24 E * 3 mm) = 300 * 150 * 1200^2 * 2,9375 / 5040000 / 10000
    // = 3,777 (rho = a / H2 gave 3,83).
    EXPECT_EQ(shown(d.requiredTransomJy_cm4), "3.78");
    ASSERT_TRUE(d.mullion);
    EXPECT_EQ(d.mullion->code, "KA-02");
    // 5 * 0,84 N/mm * 3000^4 / (26880000 * 1131300) = 11,19 mm
    EXPECT_EQ(shown(d.mullion->deflection_mm), "11.19");
    // M = 0,8 * 105 * 300^2 / 80000 = 94,5 kNcm; Wx = 94,5 / 9,5 = 9,95
    EXPECT_EQ(shown(d.requiredMoment_kNcm), "94.50");
    EXPECT_EQ(shown(d.requiredWx_cm3), "9.95");
    // Wx of KA-02 = 113,13 / 5,715 = 19,80; sigma = 94,50 / 19,80 = 4,77 < 9,5
    EXPECT_EQ(shown(d.mullion->wx_cm3), "19.80");
    EXPECT_EQ(shown(d.mullion->stress_kNcm2), "4.77");
    EXPECT_TRUE(d.mullion->stressPasses);
    EXPECT_TRUE(d.mullion->deflectionPasses);
    EXPECT_NEAR(d.mullion->stressUtilisation, 4.77 / 9.5, 1e-12);
    EXPECT_NEAR(d.mullion->deflectionUtilisation, 11.19 / 15.0, 1e-12);
}

TEST(DesignBay, OverstressedSuggestionFailsItsCheck) {
    // Korin, Dalvo, A1 = A2 = 400, 1,2 kN/m2: TB-04 is the smallest fit, sigma 9,69.
    BayInput in = veltraBay();
    in.series = Series::KorinDalvo;
    in.gridWidthA1_cm = in.gridWidthA2_cm = 400.0;
    in.windPressure_kNm2 = 1.2;
    const BayDesign d = designBay(in);
    ASSERT_TRUE(d.mullion);
    EXPECT_EQ(d.mullion->code, "TB-04");
    EXPECT_EQ(shown(d.mullion->stress_kNcm2), "9.69");
    EXPECT_FALSE(d.mullion->stressPasses);
    EXPECT_TRUE(d.mullion->deflectionPasses);
    EXPECT_FALSE(d.transom);  // no Korin transom row holds 411 cm4
}

// A check passes at its limit as the panel shows it and fails a hundredth past it. The worked
// Veltra bay above (M = 94,50 kNcm; Jx = 84,375 cm4 for 15 mm) with one-row catalogues:
// sigma = M / Wx with Wx = Ix / e shown: 199 / 20 = 9,95 gives 9,497 -> 9,50 and 198,8 / 20 =
// 9,94 gives 9,507 -> 9,51. The deflection is 5 q L^4 / (384 E I) = 1265,625 / Ix mm: Ix =
// 84,38 gives 14,999 -> 15,00, and Ix = 199 gives 6,36.
TEST(DesignBay, AVerdictHoldsAtItsLimitAndFailsAHundredthPast) {
    const struct {
        const char* row;  // Ix_cm4,e_mm
        const char* stress;
        bool stressPasses;
        const char* deflection;
    } kRows[] = {
        {"199,200", "9.50", true, "6.36"},
        {"198.8,200", "9.51", false, "6.37"},
        {"84.38,50", "5.60", true, "15.00"},
    };
    for (const auto& row : kRows) {
        SCOPED_TRACE(row.row);
        const CatalogueRead read = readCatalogue(
            std::string("use,code,role,Ix_cm4,e_mm\nvertical,X-1,mullion,") + row.row + "\n",
            "one.csv");
        ASSERT_TRUE(read.catalogue);
        const BayDesign d = cw::designBay(veltraBay(), *read.catalogue);
        ASSERT_TRUE(d.mullion);
        EXPECT_EQ(shown(d.designedLimit_mm), "15.00");
        EXPECT_EQ(shown(d.mullion->stress_kNcm2), row.stress);
        EXPECT_EQ(d.mullion->stressPasses, row.stressPasses);
        EXPECT_EQ(shown(d.mullion->deflection_mm), row.deflection);
        EXPECT_TRUE(d.mullion->deflectionPasses);
    }
}

TEST(DesignBay, FixedEndsIsAFifthOfOneSpan) {
    BayInput in = veltraBay();
    const BayDesign s = designBay(in);
    in.system = StaticSystem::FixedEnds;
    const BayDesign f = designBay(in);
    EXPECT_NEAR(f.requiredMullionJx_cm4 * 5.0, s.requiredMullionJx_cm4, 1e-9);
    EXPECT_NEAR(f.mullion->deflection_mm * 5.0 * double(f.mullion->ix_mm4),
                s.mullion->deflection_mm * double(s.mullion->ix_mm4), 1e-3);
}

// The allowable deflection f bounds the design below 15 mm in every case, and the limit the
// design used is the one reported.
struct LimitRow {
    const char* name;
    Series series;
    StaticSystem system;
    double L1, L2, f_mm;
    std::int16_t d;
    DeflectionRule rule;
    const char* limit_mm;
    const char* jx;
};

constexpr auto kRatio = DeflectionRule::SpanOverDivisor;
constexpr auto kF = DeflectionRule::AllowableDeflection;
constexpr auto kCap = DeflectionRule::Cap15mm;
constexpr auto kOne = StaticSystem::OneSpan;
constexpr auto kFixed = StaticSystem::FixedEnds;
constexpr auto kTwo = StaticSystem::TwoSpans;

// b = 105, p = 0,5 (q = 0,00525 kN/cm); E = 7000 kN/cm2.
const LimitRow kLimitRows[] = {
    // 5 q L^4 / (384 E * 1,0 cm) = 0,00525 * 400^4 * 5 / 2688000
    {"one span, f 10 below L/d", Series::Veltra, kOne, 400, 0, 10, 200, kF, "10.00", "250.00"},
    {"one span, f 15", Series::Veltra, kOne, 400, 0, 15, 200, kCap, "15.00", "166.67"},
    {"one span, f 20 capped at 15", Series::Veltra, kOne, 400, 0, 20, 200, kCap, "15.00", "166.67"},
    // 250/200 = 1,25 cm > 1,0 cm: f governs; 0,00525 * 250^4 * 5 / 2688000 = 38,147
    {"one span, L/d above f 10", Series::Veltra, kOne, 250, 0, 10, 200, kF, "10.00", "38.15"},
    {"one span, L/d below f 15", Series::Veltra, kOne, 250, 0, 15, 200, kRatio, "12.50", "30.52"},
    {"fixed ends, f 10", Series::Veltra, kFixed, 250, 0, 10, 200, kF, "10.00", "7.63"},
    {"fixed ends, L/d governs", Series::Veltra, kFixed, 250, 0, 15, 200, kRatio, "12.50", "6.10"},
    // f 20 mm is capped at 15 mm in every case: L/d = 1,8 > 1,5 cm, so 1,5 cm governs;
    // q L^4 / (384 E * 1,5) = 0,00525 * 360^4 / 4032000 = 21,870 (uncapped it was 18,23)
    {"fixed ends, f 20 capped at 15", Series::Veltra, kFixed, 360, 0, 20, 200, kCap, "15.00",
     "21.87"},
    // 5 q L^4 / (6454000 * 1,5) = 0,00525 * 360^4 * 5 / 9681000 = 45,543 (uncapped 37,95)
    {"equal spans, f 20 capped at 15", Series::Veltra, kTwo, 360, 360, 20, 200, kCap, "15.00",
     "45.54"},
    // 0,00525 * 400^4 * 5 / (6454000 * 1,0)
    {"equal spans, f 10", Series::Veltra, kTwo, 400, 400, 10, 200, kF, "10.00", "104.12"},
    // J0 = 52,5 * 400^2 / (2688000 * 1,0) * 0,01 = 0,03125; * 440000 / 100
    {"two spans, f 10", Series::Veltra, kTwo, 400, 200, 10, 200, kF, "10.00", "137.50"},
    // 400/500 = 0,8 cm <= 1,0 cm: J0 = 8400000 / (2688000 * 0,8) * 0,01; * 4400
    {"two spans, L/d below f 10", Series::Veltra, kTwo, 400, 200, 10, 500, kRatio, "8.00",
     "171.88"},
    // 52,5 * 460^4 / (1295000 * 1,0) * 0,0001
    {"short upper span, f 10", Series::Veltra, kTwo, 400, 60, 10, 200, kF, "10.00", "181.52"},
    {"Terrax equal spans, f 10", Series::Terrax, kTwo, 400, 400, 10, 200, kF, "10.00", "250.00"},
    {"Terrax two spans, f 10", Series::Terrax, kTwo, 400, 200, 10, 200, kF, "10.00", "137.50"},
    {"Terrax short upper span, f 10", Series::Terrax, kTwo, 400, 60, 10, 200, kF, "10.00",
     "181.52"},
};

class AllowableDeflection : public ::testing::TestWithParam<LimitRow> {};

TEST_P(AllowableDeflection, BoundsTheDesignAndIsReported) {
    const LimitRow& row = GetParam();
    BayInput in = veltraBay();
    in.gridWidthA1_cm = 120.0;
    in.gridWidthA2_cm = 90.0;
    in.windPressure_kNm2 = 0.5;
    in.series = row.series;
    in.system = row.system;
    in.spanL1_cm = row.L1;
    in.spanL2_cm = row.L2;
    in.allowableDeflection_mm = row.f_mm;
    in.divisor = row.d;
    const BayDesign d = designBay(in);
    ASSERT_TRUE(d.finite);
    EXPECT_EQ(d.rule, row.rule);
    EXPECT_EQ(shown(d.designedLimit_mm), row.limit_mm);
    EXPECT_EQ(shown(d.requiredMullionJx_cm4), row.jx);
}

INSTANTIATE_TEST_SUITE_P(Cases, AllowableDeflection, ::testing::ValuesIn(kLimitRows),
                         [](const ::testing::TestParamInfo<LimitRow>& row) {
                             std::string name;
                             for (const char* c = row.param.name; *c != '\0'; ++c)
                                 name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             return name;
                         });

TEST(DesignBay, TransomIgnoresTheDivisorAndSpansTheWiderBay) {
    BayInput in = veltraBay();
    const BayDesign base = designBay(in);
    // A stricter divisor asks more of the mullion, never less of the transom.
    in.divisor = 400;
    const BayDesign strict = designBay(in);
    EXPECT_DOUBLE_EQ(strict.requiredTransomJx_cm4, base.requiredTransomJx_cm4);
    EXPECT_NEAR(strict.requiredMullionJx_cm4, 2.0 * base.requiredMullionJx_cm4, 1e-9);

    // A1 150, A2 90: the transom spans 1,5 m, not the mullion's load width 1,2 m. Jx grows
    // with the span cubed (B^4 / B); Jy as area times span squared times the bracket
    // 3 - 4 (a / Ls)^2 with a = 150 mm: 2,96 at 1500 mm against 2,9375 at 1200 mm.
    in = veltraBay();
    in.gridWidthA1_cm = 150.0;
    const BayDesign wide = designBay(in);
    EXPECT_DOUBLE_EQ(wide.loadWidth_cm, 120.0);
    EXPECT_NEAR(wide.requiredTransomJx_cm4 / base.requiredTransomJx_cm4, std::pow(1.5 / 1.2, 3),
                1e-12);
    EXPECT_NEAR(wide.requiredTransomJy_cm4 / base.requiredTransomJy_cm4,
                std::pow(1.5 / 1.2, 3) * 2.96 / 2.9375, 1e-12);
}

TEST(DesignBay, TwoSpanCasesFollowTheSpans) {
    EXPECT_EQ(spanCaseOf(kTwo, 350, 350), SpanCase::EqualSpans);
    EXPECT_EQ(spanCaseOf(kTwo, 400, 80), SpanCase::UnequalSpans);  // 0,2 exactly
    EXPECT_EQ(spanCaseOf(kTwo, 400, 76), SpanCase::ShortUpperSpan);
    EXPECT_EQ(spanCaseOf(kFixed, 400, 400), SpanCase::FixedEnds);

    // L2/L1 = 0,15: Jx over the whole length, M over L1 alone.
    BayInput in = veltraBay();
    in.windPressure_kNm2 = 0.5;
    in.system = kTwo;
    in.spanL1_cm = 400.0;
    in.spanL2_cm = 60.0;
    const BayDesign r = designBay(in);
    // 0,5 * 105 * 460^4 / 1942500 * 0,0001 = 121,01; M = 0,5 * 105 * 400^2 / 80000 = 105
    EXPECT_EQ(shown(r.requiredMullionJx_cm4), "121.01");
    EXPECT_EQ(r.mullion->code, "KA-03");
    EXPECT_EQ(shown(r.requiredMoment_kNcm), "105.00");
    EXPECT_FALSE(r.lineLoad_kNcm.has_value());
    EXPECT_DOUBLE_EQ(r.totalLength_cm, 460.0);
}

TEST(DesignBay, NoFittingMullionLeavesTheCheckOut) {
    BayInput in = veltraBay();
    in.series = Series::KorinDalvo;
    in.spanL1_cm = 800.0;
    const BayDesign d = designBay(in);
    EXPECT_FALSE(d.mullion.has_value());
    EXPECT_GT(d.requiredMoment_kNcm, 0.0);
    EXPECT_TRUE(d.finite);
}

TEST(DesignBay, OverflowIsReportedAsNotFinite) {
    BayInput in = veltraBay();
    in.spanL1_cm = 1e300;
    EXPECT_FALSE(designBay(in).finite);
}

// L1 = L2 = 300, A1 = A2 = 150 (b = 150), H1 = 100, H2 = 200, glass 10 mm, n = 200, f = 15 mm,
// 1 kN/m2 typed.
BayInput terraxBay() {
    BayInput in = veltraBay();
    in.series = Series::Terrax;
    in.system = kTwo;
    in.gridWidthA1_cm = in.gridWidthA2_cm = 150.0;
    in.spanL2_cm = 300.0;
    in.windPressure_kNm2 = 1.0;
    in.windSource = WindSource::TypedPressure;
    return in;
}

TEST(DesignBay, TerraxEqualSpansWorkedExample) {
    const BayDesign d = designBay(terraxBay());
    ASSERT_TRUE(d.finite);
    EXPECT_EQ(d.rule, kRatio);  // 1,50 <= 1,50
    // 5 * 200 * 300^3 * 0,015 / 2688000 = 150,67
    EXPECT_EQ(shown(d.requiredMullionJx_cm4), "150.67");
    EXPECT_EQ(d.mullion->code, "TC-03");
    // 100 * (200/200) * 1,5^4 / 42 + 100 * (100/200) * 1,5^4 / 42 = 12,0536 + 6,0268
    EXPECT_EQ(shown(d.requiredTransomJx_cm4), "18.08");
    EXPECT_EQ(*d.transom, "TC-07");
    // 375 N a block, a = 150 of Ls = 1500 mm (rho 0,1): 375 * 150 * 1500^2 * 2,96 / 5040000
    // / 10000 = 7,433 (rho = a / H2 = 0,075 gave 7,48).
    EXPECT_EQ(shown(d.requiredTransomJy_cm4), "7.43");
    // 5 * 1,5 * 3000^4 / (1900000 * 64540000) = 4,954
    EXPECT_EQ(shown(d.mullion->deflection_mm), "4.95");
    EXPECT_DOUBLE_EQ(d.mullion->ix_cm4, 190.0);
    EXPECT_EQ(shown(d.requiredMoment_kNcm), "168.75");  // 150 * 300^2 / 80000
    EXPECT_EQ(shown(d.requiredWx_cm3), "17.76");        // 168,75 / 9,5
    EXPECT_EQ(shown(d.mullion->wx_cm3), "28.02");       // 190 / 6,78
    EXPECT_EQ(shown(d.mullion->stress_kNcm2), "6.02");  // 168,75 / 28,02
}

TEST(DesignBay, TerraxTwoSpanWorkedExamples) {
    BayInput in = terraxBay();
    in.spanL1_cm = 400.0;
    in.spanL2_cm = 200.0;
    // L1/n = 2 > 1,5: J0 = 150 * 400^2 / 4032000; J0 * 0,01 * 440000 / 100 = 261,90
    const BayDesign t2 = designBay(in);
    EXPECT_EQ(t2.spanCase, SpanCase::UnequalSpans);
    EXPECT_EQ(shown(t2.requiredMullionJx_cm4), "261.90");
    EXPECT_EQ(t2.mullion->code, "TC-04");
    EXPECT_FALSE(t2.limitsKept);

    in.spanL2_cm = 60.0;
    // 150 * 460^4 / 1942500 * 0,0001 = 345,75
    const BayDesign t3 = designBay(in);
    EXPECT_EQ(t3.spanCase, SpanCase::ShortUpperSpan);
    EXPECT_EQ(shown(t3.requiredMullionJx_cm4), "345.75");
    EXPECT_EQ(t3.mullion->code, "TC-04");
}

TEST(DesignBay, TerraxShortUpperSpanTakesTheVeltraTransomWhereItMatches) {
    BayInput in = terraxBay();
    in.spanL2_cm = 50.0;
    // Transom Jx = 18,08: TC-07 in the Terrax rows, KA-11 + KA-12 wins.
    EXPECT_EQ(*designBay(in).transom, "KA-11 + KA-12");
    in.spanL2_cm = 200.0;
    EXPECT_EQ(*designBay(in).transom, "TC-07");
}

TEST(DesignBay, SlopedGlazingLoadTermByTerm) {
    BayInput in = terraxBay();
    in.system = kOne;
    in.snowHeight_cm = 100.0;
    in.structureWeight_kNm2 = 0.1;
    in.slope_deg = 0.0;
    // Slope 0: glass 10 * 2,5 * 9,81 / 1000 = 0,24525, snow 100/10 * 9,81 * 10 / 1000 = 0,981,
    // structure 0,1 kN/m2 as it is, wind * sin 0 = 0.
    const BayDesign flat = designBay(in);
    ASSERT_TRUE(flat.slopedGlazing);
    EXPECT_NEAR(flat.slopedGlazing->glass_kNm2, 0.24525, 1e-12);
    EXPECT_NEAR(flat.slopedGlazing->snow_kNm2, 0.981, 1e-12);
    EXPECT_NEAR(flat.slopedGlazing->structure_kNm2, 0.1, 1e-12);
    EXPECT_NEAR(flat.slopedGlazing->wind_kNm2, 0.0, 1e-12);
    EXPECT_NEAR(flat.designPressure_kNm2, 1.32625, 1e-9);
    // M uses the sloped sum: 1,32625 * 150 * 300^2 / 80000 = 223,8047
    EXPECT_EQ(shown(flat.requiredMoment_kNcm), "223.80");

    in.slope_deg = 30.0;
    const double alpha = 30.0 * 3.14 / 180.0;
    EXPECT_NEAR(designBay(in).designPressure_kNm2,
                (0.24525 + 0.981 + 0.1) * std::cos(alpha) + 0.981 * std::sin(alpha), 1e-9);
}

TEST(DesignBay, FixedEndsCapsTheAllowableDeflectionAt15mm) {
    // Fixed ends, A1 = A2 = 150 (b = 150), L 350, d 200, f 20 mm, 1 kN/m2: L/d = 1,75 cm is
    // above min(2,0; 1,5) cm, so 1,5 cm governs: q L^4 / (384 E * 1,5)
    // = 0,015 * 350^4 / 4032000 = 55,83 (comparing with f / 10 = 2,0 uncapped gave the ratio
    // rule and 47,85, and KA-01 with a deflection of 15,55 mm).
    BayInput in = veltraBay();
    in.system = kFixed;
    in.gridWidthA1_cm = in.gridWidthA2_cm = 150.0;
    in.spanL1_cm = 350.0;
    in.allowableDeflection_mm = 20.0;
    in.windPressure_kNm2 = 1.0;
    const BayDesign d = designBay(in);
    EXPECT_EQ(d.rule, kCap);
    EXPECT_EQ(shown(d.requiredMullionJx_cm4), "55.83");
    EXPECT_EQ(shown(d.designedLimit_mm), "15.00");
    // The kept f / 10 is the typed one: only the comparison is capped.
    EXPECT_FALSE(d.absoluteLimitCapped);
    EXPECT_DOUBLE_EQ(d.absoluteLimit_cm, 2.0);
    // KA-02 (Ix 113,13): q' L^4 / (384 E I) = 1,5 * 3500^4 / (26880000 * 1131300) = 7,40 mm.
    ASSERT_TRUE(d.mullion);
    EXPECT_EQ(d.mullion->code, "KA-02");
    EXPECT_EQ(shown(d.mullion->deflection_mm), "7.40");
    EXPECT_TRUE(d.mullion->deflectionPasses);
}

TEST(DesignBay, SlopedGlazingMullionIsCheckedUnderItsDesignLoad) {
    // Terrax one span, A1 = A2 = 150, L 300, 8-20 m (0,8 kN/m2), slope 30 (pi as 3,14), glass
    // 10 mm, snow 100 cm, structure 0,1: p_d = 1,32625 cos(0,52333) + 0,7848 sin(0,52333)
    // = 1,540962 kN/m2; Jx = 232,18 -> TC-04 (Ix 4890000 mm4, e 91,64 mm).
    BayInput in = terraxBay();
    in.system = kOne;
    in.windPressure_kNm2 = 0.8;
    in.windSource = WindSource::HeightBand;
    in.snowHeight_cm = 100.0;
    in.structureWeight_kNm2 = 0.1;
    in.slope_deg = 30.0;
    const BayDesign d = designBay(in);
    ASSERT_TRUE(d.mullion);
    EXPECT_EQ(d.mullion->code, "TC-04");
    // q = p_d b = 1,540962 * 1,5 = 2,311443 N/mm;
    // delta = 5 q L^4 / (384 E I) = 5 * 2,311443 * 3000^4 / (384 * 70000 * 4890000) = 7,122 mm
    // (under the wind pressure alone 1,2 N/mm gave 3,70).
    const double qN = 1.5 * d.designPressure_kNm2;
    EXPECT_NEAR(d.designPressure_kNm2, 1.540962, 1e-6);
    EXPECT_EQ(shown(d.mullion->deflection_mm), "7.12");
    EXPECT_NEAR(d.mullion->deflection_mm,
                5.0 * qN * std::pow(3000.0, 4) / (384.0 * 70000.0 * 4890000.0), 1e-9);
    // sigma = q L^2 / 8 / (I / e) = 2,311443 * 3000^2 / 8 / 53360,98 = 48,73 N/mm2; / 160
    EXPECT_NEAR(d.mullion->stressRatio, (qN * 3000.0 * 3000.0 / 8.0) / (4890000.0 / 91.64) / 160.0,
                1e-12);
    EXPECT_NEAR(d.mullion->stressRatio, 0.3046, 1e-4);
}

// The transom's sag under the pane: the weight of the pane above it on two setting blocks a =
// min(150 mm, Ls / 2) from its ends, at most 3 mm. Checked against the unit-load method:
// delta = 2 * integral over half the span of M(x) * (x / 2) dx / (E I), M = P x up to a and P a
// beyond, integrated by Simpson's rule piece by piece (exact for these quadratics).
double transomJyByUnitLoad(double spanMm, double heightH2_cm, double glass_mm) {
    const double paneArea_m2 = (heightH2_cm / 100.0) * (spanMm / 1000.0);
    const double blockLoad_N = paneArea_m2 * glass_mm * 2.5 / 2.0 * 10.0;  // 10 N per kg
    const double a = std::min(150.0, spanMm / 2.0);
    const auto integrand = [&](double x) {
        return (x <= a ? blockLoad_N * x : blockLoad_N * a) * x / 2.0;
    };
    const auto simpson = [&](double x0, double x1) {
        return (x1 - x0) / 6.0 * (integrand(x0) + 4.0 * integrand((x0 + x1) / 2.0) + integrand(x1));
    };
    const double eiDelta = 2.0 * (simpson(0.0, a) + simpson(a, spanMm / 2.0));
    return eiDelta / (70000.0 * 3.0) / 10000.0;  // mm4 to cm4
}

struct TransomSagRow {
    const char* name;
    double A1, A2, H2;
    const char* jy;  // as shown
};

const TransomSagRow kTransomSagRows[] = {
    // 300 * 150 * 1200^2 * (3 - 4 * 0,125^2) / 5040000 / 10000 = 3,777 (a / H2 gave 3,83)
    {"Veltra bay 120 90 H2 200", 120, 90, 200, "3.78"},
    // 375 * 150 * 1500^2 * 2,96 / 5040000 / 10000 = 7,433 (a / H2 gave 7,48)
    {"worked example 150 150 H2 200", 150, 150, 200, "7.43"},
    // H2 40: 75 N a block, 75 * 150 * 1500^2 * 2,96 / 5040000 / 10000 = 1,487
    // (a / H2 = 0,375 gave 1,22, 18 % low)
    {"low pane H2 40", 150, 150, 40, "1.49"},
    // H2 15: 28,125 N a block, 28,125 * 150 * 1500^2 * 2,96 / 5040000 / 10000 = 0,557
    // (a / H2 = 1 made 3 - 4 rho^2 negative: -0,19)
    {"very low pane H2 15", 150, 150, 15, "0.56"},
    // Ls = 200 mm < 300: both blocks at midspan (a = 100, rho = 0,5), 2 P L^3 / (48 E * 3)
    // = 2 * 50 * 200^3 / 10080000 = 79,4 mm4 = 0,0079 cm4
    {"narrow bay 20 20", 20, 20, 200, "0.01"},
};

class TransomSag : public ::testing::TestWithParam<TransomSagRow> {};

TEST_P(TransomSag, FollowsBeamTheoryInEverySeries) {
    const TransomSagRow& row = GetParam();
    for (const Series series : {Series::Veltra, Series::KorinDalvo, Series::Terrax}) {
        for (const StaticSystem system : {kOne, kTwo}) {
            BayInput in = veltraBay();
            in.series = series;
            in.system = system;
            in.spanL2_cm = in.spanL1_cm;
            in.gridWidthA1_cm = row.A1;
            in.gridWidthA2_cm = row.A2;
            in.glazingHeightH2_cm = row.H2;
            const BayDesign d = designBay(in);
            const double spanMm = std::max(row.A1, row.A2) * 10.0;
            EXPECT_NEAR(d.requiredTransomJy_cm4 / transomJyByUnitLoad(spanMm, row.H2, 10.0), 1.0,
                        1e-12);
            EXPECT_EQ(shown(d.requiredTransomJy_cm4), row.jy);
            EXPECT_GT(d.requiredTransomJy_cm4, 0.0);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Spans, TransomSag, ::testing::ValuesIn(kTransomSagRows),
                         [](const ::testing::TestParamInfo<TransomSagRow>& row) {
                             std::string name;
                             for (const char* c = row.param.name; *c != '\0'; ++c)
                                 name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             return name;
                         });

// EN 13830:2015+A1 bounds the deflection by the span alone, in every formula of the run.
struct CriterionRow {
    const char* name;
    double L1_cm;
    DeflectionCriterion criterion;
    const char* limit_mm;
    DeflectionRule rule;
};

const CriterionRow kCriterionRows[] = {
    {"2015 L 2.5 m", 250, DeflectionCriterion::En13830_2015, "12.50", DeflectionRule::SpanOver200},
    {"2015 L 3.0 m", 300, DeflectionCriterion::En13830_2015, "15.00", DeflectionRule::SpanOver200},
    {"2015 L 3.5 m", 350, DeflectionCriterion::En13830_2015, "16.67",
     DeflectionRule::FiveMmPlusSpanOver300},
    {"2015 L 4.5 m", 450, DeflectionCriterion::En13830_2015, "20.00",
     DeflectionRule::FiveMmPlusSpanOver300},
    {"2015 L 7.5 m", 750, DeflectionCriterion::En13830_2015, "30.00",
     DeflectionRule::FiveMmPlusSpanOver300},
    {"2015 L 8.0 m", 800, DeflectionCriterion::En13830_2015, "32.00", DeflectionRule::SpanOver250},
    {"2003 L 2.5 m", 250, DeflectionCriterion::En13830_2003, "12.50",
     DeflectionRule::SpanOverDivisor},
    {"2003 L 3.0 m", 300, DeflectionCriterion::En13830_2003, "15.00",
     DeflectionRule::SpanOverDivisor},
    {"2003 L 3.5 m", 350, DeflectionCriterion::En13830_2003, "15.00", DeflectionRule::Cap15mm},
};

class Criterion : public ::testing::TestWithParam<CriterionRow> {};

TEST_P(Criterion, GivesTheLimitTheMullionIsDesignedFor) {
    const CriterionRow& row = GetParam();
    BayInput in = veltraBay();
    in.spanL1_cm = row.L1_cm;
    in.criterion = row.criterion;
    const BayDesign d = designBay(in);
    EXPECT_EQ(shown(d.designedLimit_mm), row.limit_mm);
    EXPECT_EQ(d.rule, row.rule);
    // Every case designs for that limit: Jx = c q L^4 / (k E limit).
    in.system = StaticSystem::TwoSpans;
    in.spanL2_cm = row.L1_cm / 2.0;
    EXPECT_EQ(shown(designBay(in).designedLimit_mm), row.limit_mm);
}

INSTANTIATE_TEST_SUITE_P(Spans, Criterion, ::testing::ValuesIn(kCriterionRows),
                         [](const ::testing::TestParamInfo<CriterionRow>& row) {
                             std::string name;
                             for (const char* c = row.param.name; *c != '\0'; ++c)
                                 name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             return name;
                         });

TEST(DesignBay, WorkedCheckUnderBothCriteria) {
    // Veltra, one span, L 350, A1 = A2 = 150, H1 100, H2 250, 1,0 kN/m2, f 15, d 200.
    BayInput in = veltraBay();
    in.spanL1_cm = 350.0;
    in.gridWidthA1_cm = in.gridWidthA2_cm = 150.0;
    in.glazingHeightH2_cm = 250.0;
    in.windPressure_kNm2 = 1.0;
    // 2003: L/d = 1,75 cm > 1,5 cm: 0,015 * 350^4 * 5 / 4032000 = 279,13
    EXPECT_EQ(shown(designBay(in).requiredMullionJx_cm4), "279.13");
    // 2015: 5 + 3500 / 300 = 16,67 mm: 0,015 * 350^4 * 5 / (2688000 * 1,6667) = 251,22
    in.criterion = DeflectionCriterion::En13830_2015;
    const BayDesign d = designBay(in);
    EXPECT_EQ(shown(d.requiredMullionJx_cm4), "251.22");
    // The transom's limits stay as they are.
    in.criterion = DeflectionCriterion::En13830_2003;
    EXPECT_DOUBLE_EQ(d.requiredTransomJx_cm4, designBay(in).requiredTransomJx_cm4);
}

// The rounding the panel shows is half away from zero on the value's decimal form.
TEST(ShownRounding, RoundsAsThePanelShows) {
    EXPECT_EQ(fixedDecimal(0.615), "0.62");
    EXPECT_EQ(fixedDecimal(-0.615), "-0.62");
    EXPECT_EQ(fixedDecimal(-0.004), "0.00");
    EXPECT_EQ(fixedDecimal(99.995), "100.00");
    EXPECT_EQ(fixedDecimal(1e-7), "0.00");
    EXPECT_EQ(fixedDecimal(double(1.005F), 7), "1.01");  // a single carries 1.005
    EXPECT_DOUBLE_EQ(asShown(30.517578125), 30.52);
    EXPECT_EQ(plainDecimal(1e-5), "1E-05");
    EXPECT_DOUBLE_EQ(asShownPlain(0.1 + 0.2), 0.3);
    EXPECT_TRUE(std::isnan(asShown(INFINITY)));
}

}  // namespace
}  // namespace cw
