#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace cw {

// The parts of the user's regional settings that reading and writing numbers needs.
struct NumberFormat {
    std::string decimal = ".";
    std::string minus = "-";
    std::string plus = "+";

    // NAME as in el_GR or en_US; an empty name means the system's settings.
    static NumberFormat fromLocale(std::string_view name);
};

// num(): a number in the locale's notation: optional sign, digits with at most one decimal
// separator, optional exponent, blanks around it. Group separators are refused, so "1.5"
// under a comma locale is not a number (it would otherwise read as 15).
std::optional<double> parseNumber(std::string_view text, const NumberFormat& fmt);

// The general number text of a double: at most 15 significant digits, trailing zeros
// dropped, the locale's decimal separator, exponent form only for very large or small values.
std::string plainText(double value, const NumberFormat& fmt, int significantDigits = 15);

// The "fixed" form: two decimals, at least one digit before the separator. A single-precision
// value is read with the 7 digits it carries (significantDigits = 7), a double with 15.
std::string fixedText(double value, const NumberFormat& fmt, int significantDigits = 15);

// "fixed" applied to a text: a number is reformatted; any other text (also the empty text)
// passes through unchanged.
std::string fixedTextOf(std::string_view text, const NumberFormat& fmt);

// Conversion to a 16-bit signed integer, to nearest with halves to even; nothing when the
// value does not fit.
std::optional<std::int16_t> toInt16(double value);

}  // namespace cw
