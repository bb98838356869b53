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

// A mullion is suggested only where its own Ix (mm4 / 10000) covers the requirement: the
// first row, in ascending Ix, with Ix >= J > 0. The Ix values are those of the profiles' own
// section tables (KA-01 538400 mm4 = 53,84 cm4, KA-08 14450000 mm4 = 1445 cm4, ...).
INSTANTIATE_TEST_SUITE_P(
    Veltra, ChooseMullion,
    ::testing::Values(MullionCase{"zero_matches_nothing", Series::Veltra, 0.0, nullptr},
                      MullionCase{"negative", Series::Veltra, -5.0, nullptr},
                      MullionCase{"just_above_zero", Series::Veltra, 0.001, "KA-01"},
                      MullionCase{"ix_53_84", Series::Veltra, 53.84, "KA-01"},
                      // Between KA-01's Ix 53,84 and its old bound 54: KA-01 would fail.
                      MullionCase{"above_ix_53_9", Series::Veltra, 53.9, "KA-02"},
                      MullionCase{"old_bound_54", Series::Veltra, 54.0, "KA-02"},
                      MullionCase{"ix_113_13", Series::Veltra, 113.13, "KA-02"},
                      MullionCase{"old_bound_114", Series::Veltra, 114.0, "KA-03"},
                      MullionCase{"ix_201", Series::Veltra, 201.0, "KA-03"},
                      MullionCase{"ix_507", Series::Veltra, 507.0, "KA-04"},
                      MullionCase{"ix_661", Series::Veltra, 661.0, "KA-05"},
                      MullionCase{"ix_854", Series::Veltra, 854.0, "KA-06"},
                      MullionCase{"ix_915", Series::Veltra, 915.0, "KA-07"},
                      MullionCase{"old_bound_1435", Series::Veltra, 1435.0, "KA-08"},
                      // KA-08's Ix is 1445 cm4: its old bound 1435 sent these on to KA-09.
                      MullionCase{"between_1435_and_ix_1445", Series::Veltra, 1440.0, "KA-08"},
                      MullionCase{"ix_1445", Series::Veltra, 1445.0, "KA-08"},
                      MullionCase{"above_ix_1445", Series::Veltra, 1445.01, "KA-09"},
                      MullionCase{"top_2082", Series::Veltra, 2082.0, "KA-09"},
                      MullionCase{"above_top", Series::Veltra, 2082.01, nullptr}),
    [](const auto& row) { return std::string(row.param.name); });

INSTANTIATE_TEST_SUITE_P(
    KorinDalvo, ChooseMullion,
    ::testing::Values(MullionCase{"zero", Series::KorinDalvo, 0.0, nullptr},
                      MullionCase{"ix_66_82", Series::KorinDalvo, 66.82, "TB-01"},
                      MullionCase{"old_bound_67", Series::KorinDalvo, 67.0, "TB-02"},
                      MullionCase{"ix_222_41", Series::KorinDalvo, 222.41, "TB-02"},
                      MullionCase{"old_bound_223", Series::KorinDalvo, 223.0, "TB-03"},
                      MullionCase{"ix_383_95", Series::KorinDalvo, 383.95, "TB-03"},
                      MullionCase{"old_bound_384", Series::KorinDalvo, 384.0, "TB-04"},
                      MullionCase{"ix_493_37", Series::KorinDalvo, 493.37, "TB-04"},
                      MullionCase{"old_top_494", Series::KorinDalvo, 494.0, nullptr},
                      MullionCase{"above_top", Series::KorinDalvo, 494.5, nullptr}),
    [](const auto& row) { return std::string(row.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Terrax, ChooseMullion,
    ::testing::Values(MullionCase{"ix_51", Series::Terrax, 51.0, "TC-01"},
                      MullionCase{"above_51", Series::Terrax, 51.01, "TC-02"},
                      MullionCase{"ix_112", Series::Terrax, 112.0, "TC-02"},
                      // The old gap 112 < J <= 115 had no mullion although TC-03 covers it.
                      MullionCase{"old_gap_113", Series::Terrax, 113.0, "TC-03"},
                      MullionCase{"old_gap_top_115", Series::Terrax, 115.0, "TC-03"},
                      MullionCase{"ix_190", Series::Terrax, 190.0, "TC-03"},
                      MullionCase{"ix_489", Series::Terrax, 489.0, "TC-04"},
                      MullionCase{"ix_623", Series::Terrax, 623.0, "TC-05"},
                      MullionCase{"top_884", Series::Terrax, 884.0, "TC-06"},
                      MullionCase{"above_top", Series::Terrax, 884.01, nullptr}),
    [](const auto& row) { return std::string(row.param.name); });

// Whatever the requirement, a suggested mullion has at least the Ix the run asks for, and the
// row before it (if any) has less: the first row that suffices, never a weaker one.
TEST(MullionCatalogue, SuggestedIxCoversTheRequirement) {
    for (Series series : {Series::Veltra, Series::KorinDalvo, Series::Terrax}) {
        const auto rows = mullionCatalogue(series);
        for (double j = 0.25; j <= 2100.0; j += 0.25) {
            const auto row = chooseMullion(series, j);
            const double largest = double(rows.back().ix_mm4) / 10000.0;
            if (j > largest) {
                EXPECT_FALSE(row) << j;
                continue;
            }
            ASSERT_TRUE(row) << j;
            EXPECT_GE(double(row->ix_mm4) / 10000.0, j) << row->code;
            // The band the report prints holds the requirement.
            EXPECT_LT(row->lower_cm4, j) << row->code;
            EXPECT_LE(j, row->upper_cm4) << row->code;
            for (const MullionRow& weaker : rows) {
                if (weaker.ix_mm4 >= row->ix_mm4)
                    break;
                EXPECT_LT(double(weaker.ix_mm4) / 10000.0, j) << weaker.code << " at " << j;
            }
        }
    }
}

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
