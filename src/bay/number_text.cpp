#include "bay/number_text.h"

#include "design/shown_rounding.h"

#include <QLocale>
#include <QString>

#include <array>
#include <cmath>
#include <cstdint>
#include <string>

namespace cw {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Prefixes are a character or two: a loop beats a call to memcmp.
bool startsWith(std::string_view s, std::string_view prefix) {
    if (prefix.empty() || s.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (s[i] != prefix[i])
            return false;
    return true;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string localise(std::string ascii, const NumberFormat& fmt) {
    if (fmt.decimal == "." && fmt.minus == "-")
        return ascii;
    if (fmt.decimal.size() == 1 && fmt.minus.size() == 1) {
        for (char& c : ascii) {
            if (c == '.')
                c = fmt.decimal.front();
            else if (c == '-')
                c = fmt.minus.front();
        }
        return ascii;
    }
    std::string out;
    out.reserve(ascii.size() + 2);
    for (char c : ascii) {
        if (c == '.')
            out += fmt.decimal;
        else if (c == '-')
            out += fmt.minus;
        else
            out += c;
    }
    return out;
}

}  // namespace

NumberFormat NumberFormat::fromLocale(std::string_view name) {
    const QLocale locale = name.empty()
                               ? QLocale::system()
                               : QLocale(QString::fromUtf8(name.data(), qsizetype(name.size())));
    NumberFormat fmt;
    fmt.decimal = locale.decimalPoint().toStdString();
    fmt.minus = locale.negativeSign().toStdString();
    fmt.plus = locale.positiveSign().toStdString();
    // assign(1, c): assigning a literal here trips a false -Wrestrict in GCC 12.
    if (fmt.decimal.empty())
        fmt.decimal.assign(1, '.');
    if (fmt.minus.empty())
        fmt.minus.assign(1, '-');
    if (fmt.plus.empty())
        fmt.plus.assign(1, '+');
    return fmt;
}

std::optional<double> parseNumber(std::string_view text, const NumberFormat& fmt) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);

    // The number spelled in ASCII for the reader: never longer than the text, so it fits on
    // the stack for any text a field holds.
    std::array<char, 64> small;
    std::string large;
    char* const ascii =
        text.size() <= small.size() ? small.data() : (large.resize(text.size()), large.data());
    char* end = ascii;
    bool negative = false;
    if (startsWith(text, fmt.minus)) {
        negative = true;
        text.remove_prefix(fmt.minus.size());
    } else if (startsWith(text, "-")) {
        negative = true;
        text.remove_prefix(1);
    } else if (startsWith(text, fmt.plus)) {
        text.remove_prefix(fmt.plus.size());
    } else if (startsWith(text, "+")) {
        text.remove_prefix(1);
    }
    if (negative)
        *end++ = '-';

    int mantissaDigits = 0;
    bool seenDecimal = false;
    // The digits as an integer while it stays exact, and how many came after the separator.
    std::uint64_t mantissa = 0;
    int fractionDigits = 0;
    while (!text.empty()) {
        if (isDigit(text.front())) {
            *end++ = text.front();
            if (mantissaDigits < 19)
                mantissa = mantissa * 10 + std::uint64_t(text.front() - '0');
            fractionDigits += seenDecimal ? 1 : 0;
            text.remove_prefix(1);
            ++mantissaDigits;
        } else if (!seenDecimal && startsWith(text, fmt.decimal)) {
            *end++ = '.';
            text.remove_prefix(fmt.decimal.size());
            seenDecimal = true;
        } else {
            break;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;

    const bool hasExponent = !text.empty() && (text.front() == 'e' || text.front() == 'E');
    if (hasExponent) {
        *end++ = 'e';
        text.remove_prefix(1);
        if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
            *end++ = text.front();
            text.remove_prefix(1);
        } else if (startsWith(text, fmt.minus)) {
            *end++ = '-';
            text.remove_prefix(fmt.minus.size());
        }
        int exponentDigits = 0;
        while (!text.empty() && isDigit(text.front())) {
            *end++ = text.front();
            text.remove_prefix(1);
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return std::nullopt;
    }
    if (!text.empty())
        return std::nullopt;

    // Most texts are a few digits and a separator: an integer below 2^53 times or over an
    // exact power of ten is one correctly rounded operation, the same double as from_chars.
    static constexpr std::array<double, 23> kTens = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                     1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                     1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (!hasExponent && mantissaDigits <= 19 && mantissa <= (std::uint64_t(1) << 53) &&
        fractionDigits < int(kTens.size())) {
        const double magnitude = double(mantissa) / kTens[std::size_t(fractionDigits)];
        return negative ? -magnitude : magnitude;
    }

    return readAsciiDecimal(std::string_view(ascii, std::size_t(end - ascii)));
}

std::string plainText(double value, const NumberFormat& fmt, int significantDigits) {
    return localise(plainDecimal(value, significantDigits), fmt);
}

std::string fixedText(double value, const NumberFormat& fmt, int significantDigits) {
    return localise(fixedDecimal(value, significantDigits), fmt);
}

std::string fixedTextOf(std::string_view text, const NumberFormat& fmt) {
    if (const auto number = parseNumber(text, fmt))
        return fixedText(*number, fmt);
    return std::string(text);
}

std::optional<std::int16_t> toInt16(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value);  // the default rounding mode: halves to even
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

}  // namespace cw
