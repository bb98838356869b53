#include "design/catalogue.h"
#include "design/catalogue_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <ostream>
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace cw {
namespace {

const Catalogue& catalogueOf(Series series) {
    return builtInCatalogues().of(series);
}

struct MullionCase {
    const char* name;
    Series series;
    double required;
    const char* code;  // nullptr: no row
};

class ChooseMullion : public ::testing::TestWithParam<MullionCase> {};

TEST_P(ChooseMullion, PicksTheRowWhoseRangeHoldsTheRequirement) {
    const auto& c = GetParam();
    const MullionRow* row = chooseMullion(catalogueOf(c.series), c.required);
    if (!c.code) {
        EXPECT_EQ(row, nullptr) << row->code;
        return;
    }
    ASSERT_NE(row, nullptr);
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
        const auto& rows = catalogueOf(series).mullions;
        for (double j = 0.25; j <= 2100.0; j += 0.25) {
            const MullionRow* row = chooseMullion(catalogueOf(series), j);
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
    const TransomRow* row = chooseTransom(catalogueOf(c.series), c.required);
    if (!c.code) {
        EXPECT_EQ(row, nullptr);
        return;
    }
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->code, c.code);
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
    const MullionRow* ka01 = chooseMullion(catalogueOf(Series::Veltra), 10.0);
    ASSERT_TRUE(ka01);
    EXPECT_EQ(ka01->ix_mm4, 538400);
    EXPECT_DOUBLE_EQ(ka01->fibre_mm, 57.15);
    const MullionRow* tc03 = chooseMullion(catalogueOf(Series::Terrax), 150.0);
    ASSERT_TRUE(tc03);
    EXPECT_EQ(tc03->ix_mm4, 1900000);
    EXPECT_DOUBLE_EQ(tc03->fibre_mm, 67.8);
    const MullionRow* tb04 = chooseMullion(catalogueOf(Series::KorinDalvo), 450.0);
    ASSERT_TRUE(tb04);
    EXPECT_EQ(tb04->ix_mm4, 4933700);
    EXPECT_DOUBLE_EQ(tb04->fibre_mm, 88.56);
}

// The catalogue files against the tables they replaced, copied here unchanged with their rule
// (first mullion whose Ix / 10000 covers J > 0; the transom band lower < J <= upper, the last
// match winning; a Terrax bay with a short upper span takes the Veltra transom where one
// matches). Every requirement on a 0.01 cm4 grid, each bound and its neighbouring doubles.
namespace oracle {

struct Mullion {
    std::string_view code;
    std::int32_t ix_mm4;
    double fibre_mm;
};
struct Transom {
    double lower;
    double upper;
    std::string_view code;
};

constexpr std::array<Mullion, 9> kVeltraMullions{{{"KA-01", 538400, 57.15},
                                                  {"KA-02", 1131300, 57.15},
                                                  {"KA-03", 2010000, 69.36},
                                                  {"KA-04", 5070000, 88.38},
                                                  {"KA-05", 6610000, 110.96},
                                                  {"KA-06", 8540000, 108.3},
                                                  {"KA-07", 9150000, 108.3},
                                                  {"KA-08", 14450000, 104},
                                                  {"KA-09", 20820000, 125.5}}};
constexpr std::array<Transom, 6> kVeltraTransoms{{{0, 1, "KA-10"},
                                                  {1, 23, "KA-11 + KA-12"},
                                                  {23, 29, "KA-13"},
                                                  {29, 91, "KA-14 + KA-12"},
                                                  {91, 137, "KA-15"},
                                                  {137, 466, "KA-16"}}};
constexpr std::array<Mullion, 4> kKorinMullions{{{"TB-01", 668200, 46.13},
                                                 {"TB-02", 2224100, 70.28},
                                                 {"TB-03", 3839500, 78.57},
                                                 {"TB-04", 4933700, 88.56}}};
constexpr std::array<Transom, 3> kKorinTransoms{
    {{0, 9.5, "TB-05"}, {9.5, 30, "TB-06"}, {30, 68.5, "TB-06"}}};
constexpr std::array<Mullion, 6> kTerraxMullions{{{"TC-01", 510000, 43.15},
                                                  {"TC-02", 1120000, 54.8},
                                                  {"TC-03", 1900000, 67.8},
                                                  {"TC-04", 4890000, 91.64},
                                                  {"TC-05", 6230000, 109.5},
                                                  {"TC-06", 8840000, 109.8}}};
constexpr std::array<Transom, 3> kTerraxTransoms{
    {{0, 43, "TC-07"}, {43, 116, "TC-08"}, {116, 502, "TC-09"}}};

std::span<const Mullion> mullions(Series s) {
    return s == Series::Veltra       ? std::span<const Mullion>(kVeltraMullions)
           : s == Series::KorinDalvo ? std::span<const Mullion>(kKorinMullions)
                                     : std::span<const Mullion>(kTerraxMullions);
}
std::span<const Transom> transoms(Series s) {
    return s == Series::Veltra       ? std::span<const Transom>(kVeltraTransoms)
           : s == Series::KorinDalvo ? std::span<const Transom>(kKorinTransoms)
                                     : std::span<const Transom>(kTerraxTransoms);
}

const Mullion* mullion(Series s, double J) {
    if (!(J > 0.0))
        return nullptr;
    for (const Mullion& m : mullions(s))
        if (J <= double(m.ix_mm4) / 10000.0)
            return &m;
    return nullptr;
}

const Transom* transomOf(Series s, double J) {
    const Transom* chosen = nullptr;
    for (const Transom& t : transoms(s))
        if (t.lower < J && J <= t.upper)
            chosen = &t;
    return chosen;
}

const Transom* transom(Series s, double J, bool shortUpperSpan) {
    const Transom* chosen = transomOf(s, J);
    if (s == Series::Terrax && shortUpperSpan)
        if (const Transom* veltra = transomOf(Series::Veltra, J))
            chosen = veltra;
    return chosen;
}

}  // namespace oracle

TEST(BuiltInCatalogues, GiveTheSuggestionsOfTheTablesTheyReplaced) {
    for (const Series series : {Series::Veltra, Series::KorinDalvo, Series::Terrax}) {
        const Catalogue& catalogue = catalogueOf(series);
        std::vector<double> requirements;
        for (int k = -100; k <= 250000; ++k)
            requirements.push_back(double(k) / 100.0);
        std::vector<double> bounds{0.0};
        for (const oracle::Mullion& m : oracle::mullions(series))
            bounds.push_back(double(m.ix_mm4) / 10000.0);
        for (const Series s : {series, Series::Veltra})
            for (const oracle::Transom& t : oracle::transoms(s))
                bounds.insert(bounds.end(), {t.lower, t.upper});
        for (const double b : bounds)
            requirements.insert(requirements.end(),
                                {std::nextafter(b, -1.0), b, std::nextafter(b, 1e9)});

        std::size_t mullionsSeen = 0;
        for (const double J : requirements) {
            const oracle::Mullion* expected = oracle::mullion(series, J);
            const MullionRow* row = chooseMullion(catalogue, J);
            ASSERT_EQ(row != nullptr, expected != nullptr) << catalogue.name << " J " << J;
            if (row) {
                ++mullionsSeen;
                ASSERT_EQ(row->code, expected->code) << J;
                ASSERT_EQ(row->ix_mm4, expected->ix_mm4) << J;
                ASSERT_EQ(row->fibre_mm, expected->fibre_mm) << J;
                ASSERT_LT(row->lower_cm4, J);
                ASSERT_EQ(row->upper_cm4, double(expected->ix_mm4) / 10000.0);
            }
            for (const bool shortUpper : {false, true}) {
                const oracle::Transom* want = oracle::transom(series, J, shortUpper);
                const TransomRow* got = chooseTransom(catalogue, J, shortUpper);
                ASSERT_EQ(got != nullptr, want != nullptr) << catalogue.name << " J " << J;
                if (got) {
                    ASSERT_EQ(got->code, want->code) << J << " short " << shortUpper;
                    ASSERT_EQ(got->lower_cm4, want->lower) << J;
                    ASSERT_EQ(got->upper_cm4, want->upper) << J;
                }
            }
        }
        EXPECT_GT(mullionsSeen, 1000U) << catalogue.name;
    }
}

struct BuiltInCase {
    Series series;
    std::string_view name;
    CatalogueUse use;
    std::size_t mullions;
    std::size_t transoms;
    std::size_t shortUpperSpanTransoms;
};

TEST(BuiltInCatalogues, EachSeriesHasItsOwn) {
    constexpr BuiltInCase kCases[] = {
        {Series::Veltra, "Veltra", CatalogueUse::Vertical, 9, 6, 0},
        {Series::KorinDalvo, "Korin, Dalvo", CatalogueUse::Vertical, 4, 3, 0},
        {Series::Terrax, "Terrax", CatalogueUse::Sloped, 6, 3, 6},
    };
    for (const BuiltInCase& c : kCases) {
        const Catalogue& catalogue = catalogueOf(c.series);
        EXPECT_EQ(catalogue.name, c.name);
        EXPECT_EQ(catalogue.use, c.use) << c.name;
        EXPECT_EQ(catalogue.mullions.size(), c.mullions) << c.name;
        EXPECT_EQ(catalogue.transoms.size(), c.transoms) << c.name;
        EXPECT_EQ(catalogue.shortUpperSpanTransoms.size(), c.shortUpperSpanTransoms) << c.name;
    }
}

// User catalogues in shuffled order, with repeated Ix values told apart by mass and code,
// against a plain scan for the smallest row (Ix, mass, code) that covers each requirement:
// every Ix exactly, the doubles either side, and a grid between.
struct OracleRow {
    std::string code;
    double ix_cm4;
    double mass;
};

const OracleRow* smallestCovering(const std::vector<OracleRow>& rows, double J) {
    const OracleRow* best = nullptr;
    for (const OracleRow& r : rows) {
        if (!(J > 0.0) || r.ix_cm4 < J)
            continue;
        if (!best || std::tie(r.ix_cm4, r.mass, r.code) < std::tie(best->ix_cm4, best->mass,
                                                                      best->code))
            best = &r;
    }
    return best;
}

struct UserCase {
    const char* name;
    unsigned seed;
    int rows;
    int distinctIx;  // fewer than rows: repeated Ix values
};

void PrintTo(const UserCase& c, std::ostream* os) {
    *os << c.name;
}

class UserCatalogueSelection : public ::testing::TestWithParam<UserCase> {};

TEST_P(UserCatalogueSelection, IsTheSmallestRowThatCovers) {
    const UserCase& c = GetParam();
    std::mt19937 random(c.seed);
    std::uniform_int_distribution<int> ixStep(1, c.distinctIx);
    std::uniform_int_distribution<int> massStep(10, 60);
    std::vector<OracleRow> mullions;
    std::vector<OracleRow> transoms;
    std::string text = "use,code,role,Ix_cm4,e_mm,mass_kg_m\n";
    for (int i = 0; i < c.rows; ++i) {
        // Ix on a 0.25 cm4 grid, exact in binary and in the file's four decimals.
        const double ix = 0.25 * ixStep(random);
        const double mass = 0.5 * massStep(random);
        const bool transom = i % 3 == 2;
        const std::string code = (transom ? "T" : "M") + std::to_string(random() % 1000);
        if (transom) {
            if (std::any_of(transoms.begin(), transoms.end(),
                            [&](const OracleRow& r) { return r.code == code; }))
                continue;
            transoms.push_back({code, ix, mass});
        } else {
            if (std::any_of(mullions.begin(), mullions.end(),
                            [&](const OracleRow& r) { return r.code == code; }))
                continue;
            mullions.push_back({code, ix, mass});
        }
        text += "vertical," + code + (transom ? ",transom," : ",mullion,") +
                std::to_string(ix) + (transom ? ",," : ",50,") + std::to_string(mass) + "\n";
    }
    const CatalogueRead read = readCatalogue(text, "random.csv");
    ASSERT_TRUE(read.catalogue) << describeCatalogueFaults("random.csv", read.faults);
    std::vector<double> requirements{0.0, -1.0, 0.1};
    for (const std::vector<OracleRow>* rows : {&mullions, &transoms})
        for (const OracleRow& r : *rows)
            requirements.insert(requirements.end(), {std::nextafter(r.ix_cm4, 0.0), r.ix_cm4,
                                                     std::nextafter(r.ix_cm4, 1e9)});
    for (int k = 0; k <= 4 * c.distinctIx; ++k)
        requirements.push_back(0.0625 * k);
    for (const double J : requirements) {
        const OracleRow* want = smallestCovering(mullions, J);
        const MullionRow* got = chooseMullion(*read.catalogue, J);
        ASSERT_EQ(got != nullptr, want != nullptr) << J;
        if (got) {
            ASSERT_EQ(got->code, want->code) << J;
            ASSERT_LT(got->lower_cm4, J) << got->code;  // the band printed holds J
        }
        const OracleRow* wantT = smallestCovering(transoms, J);
        const TransomRow* gotT = chooseTransom(*read.catalogue, J, true);
        ASSERT_EQ(gotT != nullptr, wantT != nullptr) << J;
        if (gotT) {
            ASSERT_EQ(gotT->code, wantT->code) << J;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Random, UserCatalogueSelection,
    ::testing::Values(UserCase{"one_row", 1, 1, 4}, UserCase{"few_distinct", 2, 40, 5},
                      UserCase{"many_repeats", 3, 300, 20}, UserCase{"all_distinct", 4, 200, 4000},
                      UserCase{"large", 5, 3000, 2000}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace cw
