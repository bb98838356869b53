#include "design/catalogue.h"

#include <gtest/gtest.h>

#include <string>

namespace cw {
namespace {

struct MullionCase {
    const char* name;
    Series series;
    double required;
    const char* code;  // nullptr: no row
};

class ChooseMullion : public ::testing::TestWithParam<MullionCase> {};

TEST_P(ChooseMullion, PicksTheRowWhoseRangeHoldsTheRequirement) {
    const auto& c = GetParam();
    const auto row = chooseMullion(c.series, c.required);
    if (!c.code) {
        EXPECT_FALSE(row.has_value()) << row->code;
        return;
    }
    ASSERT_TRUE(row.has_value());
    EXPECT_EQ(row->code, c.code);
}

INSTANTIATE_TEST_SUITE_P(
    Veltra, ChooseMullion,
    ::testing::Values(MullionCase{"zero_matches_nothing", Series::Veltra, 0.0, nullptr},
                      MullionCase{"negative", Series::Veltra, -5.0, nullptr},
                      MullionCase{"just_above_zero", Series::Veltra, 0.001, "KA-01"},
                      MullionCase{"upper_bound_54", Series::Veltra, 54.0, "KA-01"},
                      MullionCase{"above_ix_still_ka01", Series::Veltra, 53.9, "KA-01"},
                      MullionCase{"just_above_54", Series::Veltra, 54.01, "KA-02"},
                      MullionCase{"bound_114", Series::Veltra, 114.0, "KA-02"},
                      MullionCase{"bound_201", Series::Veltra, 201.0, "KA-03"},
                      MullionCase{"bound_507", Series::Veltra, 507.0, "KA-04"},
                      MullionCase{"bound_661", Series::Veltra, 661.0, "KA-05"},
                      MullionCase{"bound_854", Series::Veltra, 854.0, "KA-06"},
                      MullionCase{"bound_915", Series::Veltra, 915.0, "KA-07"},
                      MullionCase{"bound_1435", Series::Veltra, 1435.0, "KA-08"},
                      MullionCase{"between_1435_and_ix_1445", Series::Veltra, 1440.0, "KA-09"},
                      MullionCase{"top_2082", Series::Veltra, 2082.0, "KA-09"},
                      MullionCase{"above_top", Series::Veltra, 2082.01, nullptr}),
    [](const auto& row) { return std::string(row.param.name); });

INSTANTIATE_TEST_SUITE_P(
    KorinDalvo, ChooseMullion,
    ::testing::Values(MullionCase{"zero", Series::KorinDalvo, 0.0, nullptr},
                      MullionCase{"bound_67", Series::KorinDalvo, 67.0, "TB-01"},
                      MullionCase{"above_67", Series::KorinDalvo, 67.5, "TB-02"},
                      MullionCase{"bound_223", Series::KorinDalvo, 223.0, "TB-02"},
                      MullionCase{"bound_384", Series::KorinDalvo, 384.0, "TB-03"},
                      MullionCase{"top_494", Series::KorinDalvo, 494.0, "TB-04"},
                      MullionCase{"above_top", Series::KorinDalvo, 494.5, nullptr}),
    [](const auto& row) { return std::string(row.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Terrax, ChooseMullion,
    ::testing::Values(MullionCase{"bound_51", Series::Terrax, 51.0, "TC-01"},
                      MullionCase{"above_51", Series::Terrax, 51.01, "TC-02"},
                      MullionCase{"bound_112", Series::Terrax, 112.0, "TC-02"},
                      MullionCase{"gap_113", Series::Terrax, 113.0, nullptr},
                      MullionCase{"gap_top_115", Series::Terrax, 115.0, nullptr},
                      MullionCase{"above_gap", Series::Terrax, 115.01, "TC-03"},
                      MullionCase{"bound_190", Series::Terrax, 190.0, "TC-03"},
                      MullionCase{"bound_489", Series::Terrax, 489.0, "TC-04"},
                      MullionCase{"bound_623", Series::Terrax, 623.0, "TC-05"},
                      MullionCase{"top_884", Series::Terrax, 884.0, "TC-06"},
                      MullionCase{"above_top", Series::Terrax, 884.01, nullptr}),
    [](const auto& row) { return std::string(row.param.name); });

struct TransomCase {
    const char* name;
    Series series;
    double required;
    const char* code;
};

class ChooseTransom : public ::testing::TestWithParam<TransomCase> {};

TEST_P(ChooseTransom, PicksTheRowWhoseRangeHoldsTheRequirement) {
    const auto& c = GetParam();
    const auto code = chooseTransom(c.series, c.required);
    if (!c.code) {
        EXPECT_FALSE(code.has_value());
        return;
    }
    ASSERT_TRUE(code.has_value());
    EXPECT_EQ(*code, c.code);
}

INSTANTIATE_TEST_SUITE_P(
    All, ChooseTransom,
    ::testing::Values(TransomCase{"veltra_half", Series::Veltra, 0.5, "KA-10"},
                      TransomCase{"veltra_bound_1", Series::Veltra, 1.0, "KA-10"},
                      TransomCase{"veltra_bound_23_pair", Series::Veltra, 23.0, "KA-11 + KA-12"},
                      TransomCase{"veltra_bound_29", Series::Veltra, 29.0, "KA-13"},
                      TransomCase{"veltra_50", Series::Veltra, 50.0, "KA-14 + KA-12"},
                      TransomCase{"veltra_bound_137", Series::Veltra, 137.0, "KA-15"},
                      TransomCase{"veltra_top_466", Series::Veltra, 466.0, "KA-16"},
                      TransomCase{"veltra_above_top", Series::Veltra, 466.5, nullptr},
                      TransomCase{"veltra_zero", Series::Veltra, 0.0, nullptr},
                      TransomCase{"korin_bound_9_5", Series::KorinDalvo, 9.5, "TB-05"},
                      TransomCase{"korin_above_9_5", Series::KorinDalvo, 9.51, "TB-06"},
                      TransomCase{"korin_second_tb06_row", Series::KorinDalvo, 40.0, "TB-06"},
                      TransomCase{"korin_top_68_5", Series::KorinDalvo, 68.5, "TB-06"},
                      TransomCase{"korin_above_top", Series::KorinDalvo, 68.51, nullptr},
                      TransomCase{"terrax_bound_43", Series::Terrax, 43.0, "TC-07"},
                      TransomCase{"terrax_bound_116", Series::Terrax, 116.0, "TC-08"},
                      TransomCase{"terrax_top_502", Series::Terrax, 502.0, "TC-09"},
                      TransomCase{"terrax_above_top", Series::Terrax, 503.0, nullptr}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(MullionCatalogue, SectionValuesOfTheSuggestedRowsAreKept) {
    const auto ka01 = chooseMullion(Series::Veltra, 10.0);
    ASSERT_TRUE(ka01);
    EXPECT_EQ(ka01->ix_mm4, 538400);
    EXPECT_DOUBLE_EQ(ka01->fibre_mm, 57.15);
    const auto tc03 = chooseMullion(Series::Terrax, 150.0);
    ASSERT_TRUE(tc03);
    EXPECT_EQ(tc03->ix_mm4, 1900000);
    EXPECT_DOUBLE_EQ(tc03->fibre_mm, 67.8);
    const auto tb04 = chooseMullion(Series::KorinDalvo, 450.0);
    ASSERT_TRUE(tb04);
    EXPECT_EQ(tb04->ix_mm4, 4933700);
    EXPECT_DOUBLE_EQ(tb04->fibre_mm, 88.56);
}

}  // namespace
}  // namespace cw
