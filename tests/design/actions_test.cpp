#include "design/actions.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace cw {
namespace {

// EN 1991-1-3 Table 5.2 for a monopitch roof: mu1 = 0,8 for 0 <= a <= 30, 0,8 (60 - a) / 30
// between 30 and 60, 0 from 60. s = mu1 Ce Ct sk (5.2 (3)P). Values worked by hand.
struct SnowCase {
    std::string name;
    double sk, slope, Ce, Ct;
    double mu1, s;
};

void PrintTo(const SnowCase& c, std::ostream* os) {
    *os << c.name;
}

class SnowTest : public ::testing::TestWithParam<SnowCase> {};

TEST_P(SnowTest, ShapeCoefficientAndLoad) {
    const SnowCase& c = GetParam();
    EXPECT_NEAR(snowShapeMu1(c.slope), c.mu1, 1e-12);
    EXPECT_NEAR(snowLoad_kNm2(c.sk, c.slope, c.Ce, c.Ct), c.s, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    En1991_1_3, SnowTest,
    ::testing::Values(SnowCase{"flat", 1.0, 0.0, 1.0, 1.0, 0.8, 0.8},
                      SnowCase{"at_30deg", 1.2, 30.0, 1.0, 1.0, 0.8, 0.96},
                      SnowCase{"45deg_halfway", 1.0, 45.0, 1.0, 1.0, 0.4, 0.4},
                      SnowCase{"50deg_sheltered", 2.0, 50.0, 1.2, 1.0, 0.8 / 3.0, 0.64},
                      SnowCase{"at_60deg_none", 1.0, 60.0, 1.0, 1.0, 0.0, 0.0},
                      SnowCase{"75deg_none", 1.0, 75.0, 1.0, 1.0, 0.0, 0.0},
                      SnowCase{"windswept_heated", 1.5, 10.0, 0.8, 0.9, 0.8, 0.864}));

// EN 1990 6.10 with Table A1.2(B): the factors on G, W (signed) and S of every combination.
struct ComboCase {
    std::string name;
    PartialFactors f;
    bool snow;
    int count;
    CombinationId id;
    double dead, wind, snowFactor;
    bool ultimate;
};

void PrintTo(const ComboCase& c, std::ostream* os) {
    *os << c.name;
}

class CombinationTest : public ::testing::TestWithParam<ComboCase> {};

TEST_P(CombinationTest, Factors) {
    const ComboCase& c = GetParam();
    Combination storage[6];
    const auto all = combinations(c.f, c.snow, storage);
    ASSERT_EQ(static_cast<int>(all.size()), c.count);
    int found = 0;
    for (const Combination& k : all) {
        if (k.id != c.id)
            continue;
        ++found;
        EXPECT_DOUBLE_EQ(k.dead, c.dead);
        EXPECT_DOUBLE_EQ(k.wind, c.wind);
        EXPECT_DOUBLE_EQ(k.snow, c.snowFactor);
        EXPECT_EQ(k.ultimate, c.ultimate);
    }
    EXPECT_EQ(found, c.snow || (c.id != CombinationId::SnowLeading &&
                                c.id != CombinationId::WindLeadingSnow)
                         ? 1
                         : 0);
}

PartialFactors annex() {
    PartialFactors f;
    f.gammaGUnfav = 1.2;
    f.gammaGFav = 0.9;
    f.gammaQ = 1.6;
    f.psi0Wind = 0.7;
    f.psi0Snow = 0.6;
    return f;
}

using C = CombinationId;
INSTANTIATE_TEST_SUITE_P(
    En1990_6_10, CombinationTest,
    ::testing::Values(
        ComboCase{"pressure_1.35G_1.5W", {}, false, 4, C::WindPressure, 1.35, 1.5, 0, true},
        ComboCase{"suction_1.0G_minus_1.5W", {}, false, 4, C::WindSuction, 1.0, -1.5, 0, true},
        ComboCase{"no_snow_case_without_snow", {}, false, 4, C::SnowLeading, 0, 0, 0, true},
        ComboCase{
            "snow_leading_1.35G_1.5S_0.9W", {}, true, 6, C::SnowLeading, 1.35, 0.9, 1.5, true},
        ComboCase{"wind_leading_1.35G_1.5W_0.75S",
                  {},
                  true,
                  6,
                  C::WindLeadingSnow,
                  1.35,
                  1.5,
                  0.75,
                  true},
        ComboCase{"characteristic_G_W_S", {}, true, 6, C::CharPressure, 1.0, 1.0, 1.0, false},
        ComboCase{"characteristic_G_W_no_snow", {}, false, 4, C::CharPressure, 1, 1, 0, false},
        ComboCase{"characteristic_suction", {}, true, 6, C::CharSuction, 1.0, -1.0, 0.0, false},
        // An annex with other factors: 1,2 G + 1,6 S + 1,6 x 0,7 W.
        ComboCase{"annex_snow_leading", annex(), true, 6, C::SnowLeading, 1.2, 1.12, 1.6, true},
        ComboCase{"annex_suction", annex(), true, 6, C::WindSuction, 0.9, -1.6, 0, true}));

TEST(GlassDeadLoad, ThicknessTimes25) {
    // 10 mm: 0,010 m x 25 kN/m3 = 0,25 kN/m2; 8 + 8 laminated (16 mm) 0,40 kN/m2.
    EXPECT_NEAR(glassDeadLoad_kNm2(10.0), 0.25, 1e-12);
    EXPECT_NEAR(glassDeadLoad_kNm2(16.0), 0.40, 1e-12);
    EXPECT_EQ(glassDeadLoad_kNm2(0.0), 0.0);
}

}  // namespace
}  // namespace cw
