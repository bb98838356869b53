#include "bay/field_rules.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace cw::test {
namespace {


struct NotANumber {
    const char* name;
    const char* locale;
    bool english;
    const char* typed;
    const char* message;
};

class NotANumberMessage : public ::testing::TestWithParam<NotANumber> {};

// The refusal of a text that is no number names the decimal separator of the settings only
// when the text would have been a number with the other one.
TEST_P(NotANumberMessage, SaysWhichSeparatorTheSettingsUse) {
    const NotANumber& row = GetParam();
    const std::optional<Refusal> refusal = checkField(
        {Field::GlassThickness, Bound::NonNegative}, row.typed,
        NumberFormat::fromLocale(row.locale), row.english ? Language::English : Language::Greek);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->message, row.message);
    EXPECT_EQ(refusal->field, Field::GlassThickness);
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, NotANumberMessage,
    ::testing::Values(
        NotANumber{"greek_point", "el_GR", false, "1.5",
                   "Το πεδίο «Συνολικό πάχος υάλωσης (mm)» δεν περιέχει αριθμό: \"1.5\". "
                   "Στις τοπικές ρυθμίσεις το δεκαδικό διαχωριστικό είναι το κόμμα: 1,5"},
        NotANumber{"greek_settings_english_captions", "el_GR", true, "1.5",
                   "The field \"Total glazing thickness (mm)\" does not hold a number: \"1.5\". "
                   "Under these regional settings the decimal separator is the comma: 1,5"},
        NotANumber{"english_comma", "en_US", true, "1,5",
                   "The field \"Total glazing thickness (mm)\" does not hold a number: \"1,5\". "
                   "Under these regional settings the decimal separator is the point: 1.5"},
        NotANumber{"english_settings_greek_captions", "en_US", false, "1,5",
                   "Το πεδίο «Συνολικό πάχος υάλωσης (mm)» δεν περιέχει αριθμό: \"1,5\". "
                   "Στις τοπικές ρυθμίσεις το δεκαδικό διαχωριστικό είναι η τελεία: 1.5"},
        NotANumber{"sign_exponent_and_blanks", "el_GR", true, " -2.5e3 ",
                   "The field \"Total glazing thickness (mm)\" does not hold a number: \" -2.5e3 "
                   "\". Under these regional settings the decimal separator is the comma: -2,5e3"},
        // A long number is quoted in full once, and only its beginning in the hint.
        NotANumber{"long_number", "el_GR", true, "1234567890.1234567890123",
                   "The field \"Total glazing thickness (mm)\" does not hold a number: "
                   "\"1234567890.1234567890123\". Under these regional settings the decimal "
                   "separator is the comma: 1234567890,123456789…"},
        // Thousands separators are refused, not guessed: the number without them, never the
        // other decimal separator's reading (1.200 as 1,2).
        NotANumber{"grouped_thousands", "el_GR", true, "1.000,5",
                   "The field \"Total glazing thickness (mm)\" does not hold a number: "
                   "\"1.000,5\". Thousands separators are not accepted: write 1000,5"},
        NotANumber{"greek_thousands", "el_GR", false, "1.200",
                   "Το πεδίο «Συνολικό πάχος υάλωσης (mm)» δεν περιέχει αριθμό: \"1.200\". "
                   "Διαχωριστικά χιλιάδων δεν γίνονται δεκτά: γράψτε 1200"},
        NotANumber{"english_thousands", "en_US", true, "-1,234,567",
                   "The field \"Total glazing thickness (mm)\" does not hold a number: "
                   "\"-1,234,567\". Thousands separators are not accepted: write -1234567"},
        // Groups of other than three digits are no thousands: the separator's hint.
        NotANumber{"not_a_group", "el_GR", true, "1.2000",
                   "The field \"Total glazing thickness (mm)\" does not hold a number: "
                   "\"1.2000\". Under these regional settings the decimal separator is the "
                   "comma: 1,2000"},
        NotANumber{"two_points", "en_US", true, "1.5.5",
                   "The field \"Total glazing thickness (mm)\" does not hold a number: \"1.5.5\"."},
        NotANumber{"letters", "el_GR", false, "abc",
                   "Το πεδίο «Συνολικό πάχος υάλωσης (mm)» δεν περιέχει αριθμό: \"abc\"."}),
    [](const auto& row) { return std::string(row.param.name); });

// What no real bay exceeds is refused beyond its limit only: the limit itself is a value a
// user may type.
TEST(RealBayLimit, TakesTheLimitAndRefusesBeyondIt) {
    const NumberFormat fmt = NumberFormat::fromLocale("el_GR");
    const Field kLimited[] = {
        Field::GridWidthA1,    Field::GridWidthA2,         Field::SpanL1,
        Field::SpanL2,         Field::GlazingHeightH1,     Field::GlazingHeightH2,
        Field::GlassThickness, Field::AllowableDeflection, Field::WindPressure,
        Field::WindSpeed,      Field::StructureWeight,     Field::SnowHeight};
    for (const Field field : kLimited) {
        SCOPED_TRACE(int(field));
        const std::optional<RealBayLimit> limit = realBayLimit(field);
        ASSERT_TRUE(limit);
        const FieldRule rule{field, Bound::Positive, true};
        EXPECT_FALSE(checkField(rule, plainText(limit->atMost, fmt), fmt, Language::English));
        const std::optional<Refusal> beyond =
            checkField(rule, plainText(limit->atMost * 1.001, fmt), fmt, Language::English);
        ASSERT_TRUE(beyond);
        EXPECT_EQ(beyond->field, field);
        EXPECT_NE(beyond->message.find(plainText(limit->atMost, NumberFormat{})), std::string::npos)
            << beyond->message;
        // Without the rule's limit, the same value is taken.
        EXPECT_FALSE(checkField({field, Bound::Positive, false},
                                plainText(limit->atMost * 1.001, fmt), fmt, Language::English));
    }
}

}  // namespace
}  // namespace cw::test
