#include "design/alloys.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace cw {
namespace {

// The expected values are read off EN 1999-1-1 Table 3.2b (extruded profiles), not from
// the table in alloys.cpp; the band edges are the table's "t <=" limits.
struct StrengthCase {
    std::string label;
    std::string name;
    double thickness_mm;
    bool found;  // the table gives a value at this thickness
    double fo, fu;
    BucklingClass bc;
};

void PrintTo(const StrengthCase& c, std::ostream* os) {
    *os << c.label;
}

class AlloyStrengthTest : public ::testing::TestWithParam<StrengthCase> {};

TEST_P(AlloyStrengthTest, TableValues) {
    const StrengthCase& c = GetParam();
    const Alloy* a = findAlloy(c.name);
    ASSERT_NE(a, nullptr) << c.name;
    EXPECT_EQ(a->bucklingClass, c.bc);
    const auto s = strengthFor(*a, c.thickness_mm);
    ASSERT_EQ(s.has_value(), c.found);
    if (s) {
        EXPECT_EQ(s->fo_MPa, c.fo);
        EXPECT_EQ(s->fu_MPa, c.fu);
    }
}

using B = BucklingClass;
INSTANTIATE_TEST_SUITE_P(
    Table3_2b, AlloyStrengthTest,
    ::testing::Values(
        StrengthCase{"6060_T5_at_5mm", "6060 T5", 5.0, true, 120, 160, B::B},
        StrengthCase{"6060_T5_just_over_5mm", "6060 T5", 5.01, true, 100, 140, B::B},
        StrengthCase{"6060_T6_2mm", "6060 T6", 2.0, true, 140, 170, B::A},
        StrengthCase{"6060_T6_at_15mm", "6060 T6", 15.0, true, 140, 170, B::A},
        StrengthCase{"6060_T6_over_15mm_no_value", "6060 T6", 15.5, false, 0, 0, B::A},
        StrengthCase{"6060_T66_3mm", "6060 T66", 3.0, true, 160, 215, B::A},
        StrengthCase{"6060_T66_4mm", "6060 T66", 4.0, true, 150, 195, B::A},
        StrengthCase{"6063_T5_3mm", "6063 T5", 3.0, true, 130, 175, B::B},
        StrengthCase{"6063_T5_3.5mm", "6063 T5", 3.5, true, 110, 160, B::B},
        StrengthCase{"6063_T6_25mm", "6063 T6", 25.0, true, 160, 195, B::A},
        StrengthCase{"6063_T66_10mm", "6063 T66", 10.0, true, 200, 245, B::A},
        StrengthCase{"6063_T66_12mm", "6063 T66", 12.0, true, 180, 225, B::A},
        StrengthCase{"6005A_T6_hollow_by_default", "6005A T6", 4.0, true, 215, 255, B::A},
        StrengthCase{"6005A_T6_open_6mm", "6005A T6 EP/O", 6.0, true, 215, 260, B::A},
        StrengthCase{"6005A_T6_open_20mm", "6005A T6 EP/O", 20.0, true, 200, 250, B::A},
        StrengthCase{"6005A_T6_hollow_over_10mm", "6005A T6 EP/H", 11.0, false, 0, 0, B::A},
        StrengthCase{"6061_T6_20mm", "6061 T6", 20.0, true, 240, 260, B::A},
        StrengthCase{"6061_T6_over_20mm", "6061 T6", 21.0, false, 0, 0, B::A},
        StrengthCase{"6082_T5_3mm", "6082 T5", 3.0, true, 230, 270, B::B},
        StrengthCase{"6082_T6_5mm", "6082 T6", 5.0, true, 250, 290, B::A},
        StrengthCase{"6082_T6_8mm", "6082 T6", 8.0, true, 260, 310, B::A},
        StrengthCase{"zero_thickness", "6060 T6", 0.0, false, 0, 0, B::A}));

struct NameCase {
    std::string label;
    std::string written;
    std::string expected;  // canonical name, "" for no alloy
};

void PrintTo(const NameCase& c, std::ostream* os) {
    *os << c.label;
}

class AlloyNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(AlloyNameTest, Spellings) {
    const NameCase& c = GetParam();
    const Alloy* a = findAlloy(c.written);
    if (c.expected.empty()) {
        EXPECT_EQ(a, nullptr) << a->name;
    } else {
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->name, c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Spellings, AlloyNameTest,
    ::testing::Values(NameCase{"plain", "6060 T6", "6060 T6"},
                      NameCase{"en_aw_prefix", "EN AW-6060 T6", "6060 T6"},
                      NameCase{"en_aw_space", "EN AW 6063 T66", "6063 T66"},
                      NameCase{"lower_case_hyphen", "en aw-6063-t5", "6063 T5"},
                      NameCase{"no_separator", "6082T6", "6082 T6"},
                      NameCase{"surrounding_spaces", "  6061 T6 ", "6061 T6"},
                      NameCase{"6005A_lower_a", "6005a t6", "6005A T6 EP/H"},
                      NameCase{"6005A_open", "EN AW-6005A T6 EP/O", "6005A T6 EP/O"},
                      NameCase{"form_on_other_alloy", "6060 T6 EP/H", "6060 T6"},
                      NameCase{"t66_is_not_t6", "6060 T66", "6060 T66"},
                      NameCase{"t6_is_not_t66", "6060 T6", "6060 T6"},
                      NameCase{"unknown_temper", "6060 T4", ""},
                      NameCase{"unknown_alloy", "7020 T6", ""},
                      NameCase{"missing_temper", "6060", ""},
                      NameCase{"three_digits", "606 T6", ""},
                      NameCase{"trailing_junk", "6060 T6x", ""},
                      NameCase{"unknown_form", "6005A T6 EP/X", ""},
                      NameCase{"empty", "", ""}));

TEST(Alloys, DefaultIs6060T6) {
    EXPECT_EQ(defaultAlloy().name, "6060 T6");
    // Every row can be found by its own name and its bands rise in thickness.
    for (const Alloy& a : alloys()) {
        EXPECT_EQ(findAlloy(a.name), &a) << a.name;
        for (int i = 1; i < a.bandCount; ++i)
            EXPECT_GT(a.bands[i].maxThickness_mm, a.bands[i - 1].maxThickness_mm) << a.name;
    }
}

}  // namespace
}  // namespace cw
