#include "bay/number_text.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <utility>

namespace cw {
namespace {

const NumberFormat kGreek{",", "-", "+"};
const NumberFormat kUs{".", "-", "+"};

struct ParseCase {
    const char* name;
    const NumberFormat* fmt;
    const char* text;
    std::optional<double> expected;
};

class ParseNumber : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseNumber, ReadsOnlyWhatTheLocaleCallsANumber) {
    const ParseCase& c = GetParam();
    const std::optional<double> got = parseNumber(c.text, *c.fmt);
    ASSERT_EQ(got.has_value(), c.expected.has_value()) << c.text;
    if (got) {
        EXPECT_DOUBLE_EQ(*got, *c.expected) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseNumber,
    ::testing::Values(ParseCase{"greek_decimal_comma", &kGreek, "1,5", 1.5},
                      ParseCase{"greek_blanks_around", &kGreek, " 2,5\t", 2.5},
                      ParseCase{"greek_exponent", &kGreek, "1e3", 1000.0},
                      ParseCase{"greek_exponent_with_sign", &kGreek, "2,5E-2", 0.025},
                      // As the fixed texts write a large number ("1E+15"), so it reads back.
                      ParseCase{"exponent_with_plus", &kGreek, "1E+15", 1e15},
                      ParseCase{"greek_plus_sign", &kGreek, "+3", 3.0},
                      ParseCase{"greek_minus_sign", &kGreek, "-0,5", -0.5},
                      ParseCase{"greek_leading_separator", &kGreek, ",5", 0.5},
                      ParseCase{"greek_trailing_separator", &kGreek, "5,", 5.0},
                      ParseCase{"greek_dot_is_not_read_as_fifteen", &kGreek, "1.5", std::nullopt},
                      ParseCase{"greek_group_separator_refused", &kGreek, "1.000", std::nullopt},
                      ParseCase{"greek_grouped_decimal_refused", &kGreek, "1.234,5", std::nullopt},
                      ParseCase{"greek_two_separators", &kGreek, "1,2,3", std::nullopt},
                      ParseCase{"empty", &kGreek, "", std::nullopt},
                      ParseCase{"only_blanks", &kGreek, "   ", std::nullopt},
                      ParseCase{"letters", &kGreek, "abc", std::nullopt},
                      ParseCase{"number_then_letters", &kGreek, "12cm", std::nullopt},
                      ParseCase{"inner_blank", &kGreek, "1 5", std::nullopt},
                      ParseCase{"lone_sign", &kGreek, "-", std::nullopt},
                      ParseCase{"lone_separator", &kGreek, ",", std::nullopt},
                      ParseCase{"exponent_without_digits", &kGreek, "1e", std::nullopt},
                      ParseCase{"exponent_without_mantissa", &kGreek, "e5", std::nullopt},
                      ParseCase{"overflow_is_not_a_number", &kGreek, "1e400", std::nullopt},
                      ParseCase{"underflow_reads_as_zero", &kGreek, "1e-400", 0.0},
                      ParseCase{"infinity_word", &kGreek, "inf", std::nullopt},
                      ParseCase{"nan_word", &kGreek, "nan", std::nullopt},
                      ParseCase{"greek_letters", &kGreek, "αβγ", std::nullopt},
                      ParseCase{"us_decimal_point", &kUs, "1.5", 1.5},
                      ParseCase{"us_comma_refused", &kUs, "1,5", std::nullopt},
                      ParseCase{"us_grouping_refused", &kUs, "1,000.5", std::nullopt}),
    [](const auto& row) { return std::string(row.param.name); });

// Every text of digits is read as the nearest double, exactly as a correctly rounding reader
// would: integers and decimals of every length, around 2^53, with exponents.
TEST(ParseNumber, ReadsTheNearestDoubleOfEveryDecimalText) {
    std::mt19937_64 rng(7122026);
    int wrong = 0;
    for (int i = 0; i < 200000; ++i) {
        std::string ascii = std::to_string(rng() % 4 == 0 ? rng() : rng() % 100000000);
        if (i % 3 != 0) {
            const std::size_t point = rng() % (ascii.size() + 1);
            ascii.insert(point, ".");
        }
        if (i % 7 == 0)
            ascii += "e" + std::to_string(int(rng() % 40) - 20);
        if (i % 2 == 0)
            ascii.insert(0, "-");
        double expected = 0.0;
        std::from_chars(ascii.data(), ascii.data() + ascii.size(), expected);
        std::string greek = ascii;
        for (char& c : greek)
            if (c == '.')
                c = ',';
        for (const auto& [text, fmt] : {std::pair{ascii, &kUs}, std::pair{greek, &kGreek}}) {
            const std::optional<double> got = parseNumber(text, *fmt);
            const bool same =
                got && (*got == expected) && std::signbit(*got) == std::signbit(expected);
            if (!same && ++wrong <= 5)
                ADD_FAILURE() << text << " read as " << (got ? std::to_string(*got) : "nothing");
        }
    }
    EXPECT_EQ(wrong, 0);
}

struct TextCase {
    const char* name;
    double value;
    const char* expected;
};

class PlainText : public ::testing::TestWithParam<TextCase> {};

TEST_P(PlainText, WritesFifteenSignificantDigitsAtMost) {
    EXPECT_EQ(plainText(GetParam().value, kGreek), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlainText,
    ::testing::Values(TextCase{"integer", 105.0, "105"}, TextCase{"half", 0.5, "0,5"},
                      // 350 / 15 * 10 = 233.333... cut at 15 significant digits
                      TextCase{"fifteen_digits", 350.0 / 15.0 * 10.0, "233,333333333333"},
                      TextCase{"speed_pressure", 120.0 * 120.0 * 483.0 / 1e7, "0,69552"},
                      TextCase{"negative", -2.25, "-2,25"}, TextCase{"negative_zero", -0.0, "0"},
                      TextCase{"fifteen_digit_integer", 123456789012345.0, "123456789012345"},
                      TextCase{"large_uses_exponent", 1e15, "1E+15"},
                      TextCase{"small_uses_exponent", 1e-5, "1E-05"},
                      TextCase{"small_without_exponent", 1e-4, "0,0001"}),
    [](const auto& row) { return std::string(row.param.name); });

class FixedText : public ::testing::TestWithParam<TextCase> {};

TEST_P(FixedText, WritesTwoDecimalsRoundedHalfAwayFromZero) {
    EXPECT_EQ(fixedText(GetParam().value, kGreek), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FixedText,
    ::testing::Values(TextCase{"pads_one_decimal", 1.2, "1,20"}, TextCase{"zero", 0.0, "0,00"},
                      TextCase{"leading_zero", 0.5, "0,50"},
                      // sqrt(0.5e7 / 483) = 101.7441...
                      TextCase{"band_speed_8m", std::sqrt(0.5 * 1e7 / 483.0), "101,74"},
                      TextCase{"band_speed_20m", std::sqrt(0.8 * 1e7 / 483.0), "128,70"},
                      TextCase{"band_speed_100m", std::sqrt(1.2 * 1e7 / 483.0), "157,62"},
                      // 0.615 is stored as 0.61499999999999999; it is still shown as typed
                      TextCase{"typed_tie_rounds_up", 0.615, "0,62"},
                      TextCase{"exact_tie_rounds_up", 0.125, "0,13"},
                      TextCase{"negative_tie_away_from_zero", -1.005, "-1,01"},
                      TextCase{"carry_into_integer", 9.995, "10,00"},
                      TextCase{"carry_adds_digit", 999999.995, "1000000,00"},
                      TextCase{"tiny_negative_is_zero", -0.004, "0,00"},
                      TextCase{"below_a_cent_rounds_up", 0.005, "0,01"},
                      TextCase{"large", 1e20, "100000000000000000000,00"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(FixedText, SingleValuesAreReadWithTheirSevenDigits) {
    // 333 / 200 in single precision is 1.66499996...; its seven digits read 1.665000.
    const float ratio = 333.0F / 200.0F;
    EXPECT_EQ(fixedText(double(ratio), kGreek, 7), "1,67");
    EXPECT_EQ(fixedText(double(ratio), kGreek), "1,66");
}

TEST(FixedText, OfATextReformatsNumbersAndPassesOtherTexts) {
    EXPECT_EQ(fixedTextOf("0,5", kGreek), "0,50");
    EXPECT_EQ(fixedTextOf(" 0,65 ", kGreek), "0,65");
    EXPECT_EQ(fixedTextOf("abc", kGreek), "abc");
    EXPECT_EQ(fixedTextOf("", kGreek), "");
    EXPECT_EQ(fixedTextOf("1.5", kGreek), "1.5");
    EXPECT_EQ(fixedText(0.5, kUs), "0.50");
}

struct IntCase {
    const char* name;
    double value;
    std::optional<int> expected;
};

class ToInt16 : public ::testing::TestWithParam<IntCase> {};

TEST_P(ToInt16, RoundsHalvesToEvenWithinRange) {
    const auto got = toInt16(GetParam().value);
    ASSERT_EQ(got.has_value(), GetParam().expected.has_value());
    if (got) {
        EXPECT_EQ(int(*got), *GetParam().expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ToInt16,
    ::testing::Values(IntCase{"half_down_to_even", 200.5, 200},
                      IntCase{"half_up_to_even", 201.5, 202}, IntCase{"below_half", 200.4, 200},
                      IntCase{"above_half", 200.6, 201}, IntCase{"negative_half", -2.5, -2},
                      IntCase{"top", 32767.4, 32767},
                      IntCase{"rounds_past_top", 32767.5, std::nullopt},
                      IntCase{"bottom_half_to_even", -32768.5, -32768},
                      IntCase{"far_out", 1e9, std::nullopt},
                      IntCase{"not_finite", std::numeric_limits<double>::infinity(), std::nullopt}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(NumberFormatFromLocale, TakesTheSeparatorOfTheNamedLocale) {
    EXPECT_EQ(NumberFormat::fromLocale("el_GR").decimal, ",");
    EXPECT_EQ(NumberFormat::fromLocale("en_US").decimal, ".");
    EXPECT_EQ(NumberFormat::fromLocale("de_DE").decimal, ",");
}

}  // namespace
}  // namespace cw
