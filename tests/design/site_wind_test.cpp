#include "design/site_wind.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace cw {
namespace {

constexpr double kPressureTolerance_kNm2 = 0.0005;

struct PeakPressureCase {
    const char* name;
    double vb0_ms;
    TerrainCategory category;
    double z_m;
    double qp_kNm2;
};

class PeakVelocityPressure : public ::testing::TestWithParam<PeakPressureCase> {};

TEST_P(PeakVelocityPressure, MatchesHandWorkedValues) {
    const PeakPressureCase& c = GetParam();
    SiteWindInput in;
    in.vb0_ms = c.vb0_ms;
    in.category = c.category;
    in.z_m = c.z_m;
    const SiteWindOutcome out = siteWindPressure(in);
    ASSERT_FALSE(out.error);
    ASSERT_TRUE(out.pressure);
    EXPECT_NEAR(out.pressure->qp_kNm2, c.qp_kNm2, kPressureTolerance_kNm2);
}

INSTANTIATE_TEST_SUITE_P(
    Sites, PeakVelocityPressure,
    ::testing::Values(
        PeakPressureCase{"vb27_categoryII_z20", 27.0, TerrainCategory::II, 20.0, 1.2803},
        PeakPressureCase{"vb27_categoryIII_z20", 27.0, TerrainCategory::III, 20.0, 0.9942},
        PeakPressureCase{"vb27_categoryIV_z20", 27.0, TerrainCategory::IV, 20.0, 0.7492},
        PeakPressureCase{"vb27_categoryI_z3_5", 27.0, TerrainCategory::I, 3.5, 0.9890},
        PeakPressureCase{"vb25_category0_z77_36", 25.0, TerrainCategory::Zero, 77.36, 1.6575},
        PeakPressureCase{"vb25_category0_z28", 25.0, TerrainCategory::Zero, 28.0, 1.4033},
        PeakPressureCase{"vb26_categoryIII_z8", 26.0, TerrainCategory::III, 8.0, 0.6618}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(SiteWindChain, EveryStepOfCategoryIIAtTwentyMetres) {
    SiteWindInput in;
    in.vb0_ms = 27.0;
    in.category = TerrainCategory::II;
    in.z_m = 20.0;
    in.cpe10 = -1.2;
    in.cpe1 = -1.4;
    in.area_m2 = 5.25;
    in.cpi = 0.2;
    const SiteWindOutcome out = siteWindPressure(in);
    ASSERT_TRUE(out.pressure);
    const SiteWindPressure& p = *out.pressure;
    EXPECT_DOUBLE_EQ(p.vb_ms, 27.0);
    EXPECT_DOUBLE_EQ(p.z0_m, 0.05);
    EXPECT_DOUBLE_EQ(p.zmin_m, 2.0);
    EXPECT_NEAR(p.kr, 0.190, 0.0005);
    EXPECT_NEAR(p.cr, 1.1384, 0.00005);
    EXPECT_NEAR(p.vm_ms, 30.74, 0.005);
    EXPECT_NEAR(p.Iv, 0.1669, 0.00005);
    EXPECT_NEAR(p.qp_kNm2, 1.2803, kPressureTolerance_kNm2);
    EXPECT_NEAR(p.cpe, -1.256, 0.0005);
    // |-1.256 - 0.2| = 1.456 -> w = 1.2803 * 1.456 = 1.8641
    EXPECT_NEAR(p.w_kNm2, 1.8641, kPressureTolerance_kNm2);
}

TEST(SiteWindChain, DirectionAndSeasonScaleTheBasicVelocity) {
    SiteWindInput in;
    in.vb0_ms = 30.0;
    in.cdir = 0.9;
    in.cseason = 0.9;
    in.category = TerrainCategory::II;
    in.z_m = 20.0;
    const SiteWindOutcome scaled = siteWindPressure(in);
    in.vb0_ms = 24.3;
    in.cdir = 1.0;
    in.cseason = 1.0;
    const SiteWindOutcome plain = siteWindPressure(in);
    ASSERT_TRUE(scaled.pressure && plain.pressure);
    EXPECT_DOUBLE_EQ(scaled.pressure->vb_ms, 24.3);
    EXPECT_NEAR(scaled.pressure->qp_kNm2, plain.pressure->qp_kNm2, 1e-12);
}

TEST(SiteWindChain, BelowMinimumHeightTheProfileIsHeld) {
    SiteWindInput in;
    in.vb0_ms = 27.0;
    in.category = TerrainCategory::IV;
    in.z_m = 3.0;
    const SiteWindOutcome low = siteWindPressure(in);
    in.z_m = 10.0;
    const SiteWindOutcome atMinimum = siteWindPressure(in);
    ASSERT_TRUE(low.pressure && atMinimum.pressure);
    EXPECT_DOUBLE_EQ(low.pressure->qp_kNm2, atMinimum.pressure->qp_kNm2);
}

TEST(SiteWindChain, AnnexParametersAreUsed) {
    SiteWindInput in;
    in.vb0_ms = 27.0;
    in.category = TerrainCategory::II;
    in.z_m = 20.0;
    WindAnnexParameters annex;
    annex.airDensity_kgm3 = 1.25 * 1.1;
    const SiteWindOutcome dense = siteWindPressure(in, annex);
    const SiteWindOutcome standard = siteWindPressure(in);
    ASSERT_TRUE(dense.pressure && standard.pressure);
    EXPECT_NEAR(dense.pressure->qp_kNm2, 1.1 * standard.pressure->qp_kNm2, 1e-12);
}

struct CoefficientCase {
    const char* name;
    double area_m2;
    double cpe;
};

class ExternalCoefficient : public ::testing::TestWithParam<CoefficientCase> {};

TEST_P(ExternalCoefficient, LogarithmicBetweenOneAndTenSquareMetres) {
    EXPECT_NEAR(externalPressureCoefficient(-1.2, -1.4, GetParam().area_m2), GetParam().cpe,
                0.0005);
}

INSTANTIATE_TEST_SUITE_P(Areas, ExternalCoefficient,
                         ::testing::Values(CoefficientCase{"below_one_square_metre", 0.5, -1.4},
                                           CoefficientCase{"one_square_metre", 1.0, -1.4},
                                           CoefficientCase{"area_5_25", 5.25, -1.256},
                                           CoefficientCase{"just_below_ten", 9.999, -1.2},
                                           CoefficientCase{"ten_square_metres", 10.0, -1.2},
                                           CoefficientCase{"above_ten", 40.0, -1.2}),
                         [](const auto& row) { return std::string(row.param.name); });

struct BadInputCase {
    const char* name;
    void (*spoil)(SiteWindInput&);
    SiteWindInputError expected;
};

class SiteWindRefusal : public ::testing::TestWithParam<BadInputCase> {};

TEST_P(SiteWindRefusal, NamesTheFieldAndWhy) {
    SiteWindInput in;
    in.vb0_ms = 27.0;
    in.category = TerrainCategory::II;
    in.z_m = 20.0;
    in.area_m2 = 5.0;
    GetParam().spoil(in);
    const SiteWindOutcome out = siteWindPressure(in);
    EXPECT_FALSE(out.pressure);
    ASSERT_TRUE(out.error);
    EXPECT_EQ(out.error->field, GetParam().expected.field);
    EXPECT_EQ(out.error->fault, GetParam().expected.fault);
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
using F = SiteWindField;
using W = SiteWindFault;

INSTANTIATE_TEST_SUITE_P(
    Inputs, SiteWindRefusal,
    ::testing::Values(
        BadInputCase{
            "negative_speed", [](SiteWindInput& i) { i.vb0_ms = -1.0; }, {F::Vb0, W::Negative}},
        BadInputCase{
            "speed_nan", [](SiteWindInput& i) { i.vb0_ms = kNaN; }, {F::Vb0, W::NotFinite}},
        BadInputCase{
            "cdir_zero", [](SiteWindInput& i) { i.cdir = 0.0; }, {F::Cdir, W::NotPositive}},
        BadInputCase{"cseason_negative",
                     [](SiteWindInput& i) { i.cseason = -0.5; },
                     {F::Cseason, W::NotPositive}},
        BadInputCase{"cseason_infinite",
                     [](SiteWindInput& i) { i.cseason = kInf; },
                     {F::Cseason, W::NotFinite}},
        BadInputCase{"category_five",
                     [](SiteWindInput& i) { i.category = static_cast<TerrainCategory>(5); },
                     {F::Category, W::UnknownCategory}},
        BadInputCase{"category_minus_one",
                     [](SiteWindInput& i) { i.category = static_cast<TerrainCategory>(-1); },
                     {F::Category, W::UnknownCategory}},
        BadInputCase{"height_above_200",
                     [](SiteWindInput& i) { i.z_m = 200.5; },
                     {F::Height, W::AboveMaximum}},
        BadInputCase{
            "height_zero", [](SiteWindInput& i) { i.z_m = 0.0; }, {F::Height, W::NotPositive}},
        BadInputCase{
            "height_negative", [](SiteWindInput& i) { i.z_m = -3.0; }, {F::Height, W::NotPositive}},
        BadInputCase{
            "height_infinite", [](SiteWindInput& i) { i.z_m = kInf; }, {F::Height, W::NotFinite}},
        BadInputCase{
            "cpe10_nan", [](SiteWindInput& i) { i.cpe10 = kNaN; }, {F::Cpe10, W::NotFinite}},
        BadInputCase{
            "cpe1_infinite", [](SiteWindInput& i) { i.cpe1 = -kInf; }, {F::Cpe1, W::NotFinite}},
        BadInputCase{
            "area_zero", [](SiteWindInput& i) { i.area_m2 = 0.0; }, {F::Area, W::NotPositive}},
        BadInputCase{
            "area_nan", [](SiteWindInput& i) { i.area_m2 = kNaN; }, {F::Area, W::NotFinite}},
        BadInputCase{"cpi_nan", [](SiteWindInput& i) { i.cpi = kNaN; }, {F::Cpi, W::NotFinite}},
        BadInputCase{"first_wrong_field_is_named",
                     [](SiteWindInput& i) {
                         i.z_m = 500.0;
                         i.vb0_ms = -2.0;
                     },
                     {F::Vb0, W::Negative}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(SiteWindLimits, TwoHundredMetresAndZeroSpeedAreAccepted) {
    SiteWindInput in;
    in.vb0_ms = 0.0;
    in.category = TerrainCategory::Zero;
    in.z_m = 200.0;
    const SiteWindOutcome out = siteWindPressure(in);
    ASSERT_TRUE(out.pressure);
    EXPECT_EQ(out.pressure->qp_kNm2, 0.0);
}

struct CategoryTextCase {
    const char* name;
    const char* text;
    std::optional<TerrainCategory> expected;
};

class CategoryFromText : public ::testing::TestWithParam<CategoryTextCase> {};

TEST_P(CategoryFromText, ReadsRomanNumerals) {
    EXPECT_EQ(terrainCategoryFromText(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CategoryFromText,
    ::testing::Values(CategoryTextCase{"zero", "0", TerrainCategory::Zero},
                      CategoryTextCase{"one", "I", TerrainCategory::I},
                      CategoryTextCase{"two_lower_case", "ii", TerrainCategory::II},
                      CategoryTextCase{"three_with_blanks", " III ", TerrainCategory::III},
                      CategoryTextCase{"four", "IV", TerrainCategory::IV},
                      CategoryTextCase{"five", "V", std::nullopt},
                      CategoryTextCase{"arabic_two", "2", std::nullopt},
                      CategoryTextCase{"empty", "", std::nullopt},
                      CategoryTextCase{"four_written_iiii", "IIII", std::nullopt}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace cw
