// The limit-state columns of a schedule row: each good value as the bay document takes it, each
// bad one refused with one message that names the column.

#include "files/schedule_columns.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace cw::files {
namespace {

struct ColumnCase {
    const char* name;
    Column column;
    const char* text;
    const char* locale;
    // Expected when taken: what the document holds afterwards, read back by `held`.
    const char* holds;  // nullptr: refused
    // Expected when refused: the start of the message.
    const char* refusal;
};

std::string held(const BayDocument& d, Column c) {
    switch (c) {
    case Column::Basis: return d.basis == DesignBasis::LimitStates ? "LS" : "ALLOWABLE";
    case Column::Alloy: return d.alloy;
    case Column::Hanging: return d.hanging == Hanging::StandingOnBase ? "BASE" : "TOP";
    case Column::GroundSnow: return d.groundSnow_kNm2;
    default: return "?";
    }
}

const ColumnCase kCases[] = {
    // An empty cell keeps the defaults a bay file has without these keys.
    {"basis empty -> allowable", Column::Basis, "", "C", "ALLOWABLE", nullptr},
    {"basis allowable", Column::Basis, "allowable", "C", "ALLOWABLE", nullptr},
    {"basis limit-states", Column::Basis, "limit-states", "C", "LS", nullptr},
    {"basis any case", Column::Basis, "Limit-States", "C", "LS", nullptr},
    {"basis ls refused", Column::Basis, "ls", "C", nullptr,
     "basis: The column \"basis\" holds \"ls\": expected allowable or limit-states."},
    {"basis eurocode refused", Column::Basis, "eurocode", "C", nullptr, "basis: "},
    {"alloy empty -> 6060 T6", Column::Alloy, "", "C", "6060 T6", nullptr},
    {"alloy canonical", Column::Alloy, "6063 T6", "C", "6063 T6", nullptr},
    {"alloy EN AW spelling -> canonical", Column::Alloy, "en aw-6082-t6", "C", "6082 T6", nullptr},
    {"alloy 6005A without form -> hollow", Column::Alloy, "6005A T6", "C", "6005A T6 EP/H",
     nullptr},
    {"alloy 7075 refused", Column::Alloy, "7075 T6", "C", nullptr,
     "alloy: The column \"alloy\" holds \"7075 T6\": expected 6060 T5, 6060 T6,"},
    {"alloy without temper refused", Column::Alloy, "6060", "C", nullptr, "alloy: "},
    {"hanging empty -> top", Column::Hanging, "", "C", "TOP", nullptr},
    {"hanging top", Column::Hanging, "top", "C", "TOP", nullptr},
    {"hanging base", Column::Hanging, "BASE", "C", "BASE", nullptr},
    {"hanging side refused", Column::Hanging, "side", "C", nullptr,
     "hanging: The column \"hanging\" holds \"side\": expected top or base."},
    {"sk empty", Column::GroundSnow, "", "C", "", nullptr},
    {"sk point", Column::GroundSnow, "1.5", "C", "1.5", nullptr},
    {"sk zero", Column::GroundSnow, "0", "C", "0", nullptr},
    {"sk comma under el", Column::GroundSnow, "1,5", "el_GR", "1,5", nullptr},
    {"sk comma under C refused", Column::GroundSnow, "1,5", "C", nullptr,
     "sk: The field \"sk\" does not hold a number"},
    {"sk point under el refused", Column::GroundSnow, "1.5", "el_GR", nullptr, "sk: "},
    {"sk text refused", Column::GroundSnow, "snow", "C", nullptr,
     "sk: The field \"sk\" does not hold a number: \"snow\"."},
    {"sk negative refused", Column::GroundSnow, "-0.1", "C", nullptr,
     "sk: The field \"sk\" must not be negative."},
    {"sk infinite refused", Column::GroundSnow, "1e999", "C", nullptr, "sk: "},
};

class LimitStateColumns : public ::testing::TestWithParam<ColumnCase> {};

TEST_P(LimitStateColumns, TakenOrRefusedNamingTheColumn) {
    const ColumnCase& c = GetParam();
    // A row that designs on its own: only the column under test varies.
    RowTexts texts{};
    texts[std::size_t(Column::Series)] = "veltra";
    texts[std::size_t(Column::System)] = "one-span";
    texts[std::size_t(Column::Band)] = "0-8";
    texts[std::size_t(c.column)] = c.text;
    const RowBay bay = bayOfRow(texts, NumberFormat::fromLocale(c.locale), Language::English);
    if (c.holds) {
        ASSERT_FALSE(bay.error) << *bay.error;
        EXPECT_EQ(held(bay.document, c.column), c.holds);
    } else {
        ASSERT_TRUE(bay.error);
        EXPECT_EQ(bay.error->rfind(c.refusal, 0), 0u) << *bay.error;
    }
}

INSTANTIATE_TEST_SUITE_P(Cells, LimitStateColumns, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<ColumnCase>& row) {
                             std::string name;
                             for (const char* p = row.param.name; *p; ++p)
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             return name;
                         });

TEST(LimitStateColumns, RefusalsInGreekNameTheColumnToo) {
    RowTexts texts{};
    texts[std::size_t(Column::Series)] = "veltra";
    texts[std::size_t(Column::System)] = "one-span";
    texts[std::size_t(Column::Band)] = "0-8";
    texts[std::size_t(Column::Hanging)] = "side";
    const RowBay bay = bayOfRow(texts, NumberFormat::fromLocale("el_GR"), Language::Greek);
    ASSERT_TRUE(bay.error);
    EXPECT_EQ(*bay.error, "hanging: Η στήλη «hanging» περιέχει \"side\": αναμένεται top ή base.");
}

TEST(LimitStateColumns, TheCatalogueCellIsLeftForTheCaller) {
    const struct {
        const char* cell;
        const char* folder;
        const char* path;
    } cases[] = {
        {"cat.csv", "/srv/jobs", "/srv/jobs/cat.csv"},
        {"../shared/cat.xlsx", "/srv/jobs", "/srv/shared/cat.xlsx"},
        {"./cat.csv", "", "cat.csv"},
        {"/opt/cat.csv", "/srv/jobs", "/opt/cat.csv"},
    };
    for (const auto& c : cases) {
        RowTexts texts{};
        texts[std::size_t(Column::Series)] = "veltra";
        texts[std::size_t(Column::System)] = "one-span";
        texts[std::size_t(Column::Catalogue)] = c.cell;
        const RowBay bay = bayOfRow(texts, NumberFormat{}, Language::English);
        EXPECT_EQ(bay.catalogue, c.cell);
        EXPECT_EQ(scheduleCataloguePath(bay.catalogue, c.folder).string(), c.path) << c.cell;
    }
}

}  // namespace
}  // namespace cw::files
