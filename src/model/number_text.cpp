#include "model/number_text.h"

#include "design/shown_rounding.h"

#include <QLocale>
#include <QString>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

#include <locale.h>

namespace cw {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool startsWith(std::string_view s, std::string_view prefix) {
    return !prefix.empty() && s.substr(0, prefix.size()) == prefix;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string localise(std::string_view ascii, const NumberFormat& fmt) {
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
    if (fmt.decimal.empty())
        fmt.decimal = ".";
    if (fmt.minus.empty())
        fmt.minus = "-";
    if (fmt.plus.empty())
        fmt.plus = "+";
    return fmt;
}

std::optional<double> parseNumber(std::string_view text, const NumberFormat& fmt) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);

    std::string ascii;
    ascii.reserve(text.size());
    if (startsWith(text, fmt.minus)) {
        ascii += '-';
        text.remove_prefix(fmt.minus.size());
    } else if (fmt.minus != "-" && startsWith(text, "-")) {
        ascii += '-';
        text.remove_prefix(1);
    } else if (startsWith(text, fmt.plus)) {
        text.remove_prefix(fmt.plus.size());
    } else if (startsWith(text, "+")) {
        text.remove_prefix(1);
    }

    int mantissaDigits = 0;
    bool seenDecimal = false;
    while (!text.empty()) {
        if (isDigit(text.front())) {
            ascii += text.front();
            text.remove_prefix(1);
            ++mantissaDigits;
        } else if (!seenDecimal && startsWith(text, fmt.decimal)) {
            ascii += '.';
            text.remove_prefix(fmt.decimal.size());
            seenDecimal = true;
        } else {
            break;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;

    if (!text.empty() && (text.front() == 'e' || text.front() == 'E')) {
        ascii += 'e';
        text.remove_prefix(1);
        if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
            ascii += text.front();
            text.remove_prefix(1);
        } else if (startsWith(text, fmt.minus)) {
            ascii += '-';
            text.remove_prefix(fmt.minus.size());
        }
        int exponentDigits = 0;
        while (!text.empty() && isDigit(text.front())) {
            ascii += text.front();
            text.remove_prefix(1);
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return std::nullopt;
    }
    if (!text.empty())
        return std::nullopt;

    double value = 0.0;
    const char* first = ascii.data();
    const char* last = ascii.data() + ascii.size();
    const auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec == std::errc::result_out_of_range) {
        // Underflow reads as zero, as any calculator would; overflow is not a usable number.
        // strtod in the C locale tells the two apart, whatever locale the process runs in.
        static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
        const double probe = strtod_l(ascii.c_str(), nullptr, cLocale);
        if (std::isfinite(probe) && std::fabs(probe) < 1.0)
            return ascii.front() == '-' ? -0.0 : 0.0;
        return std::nullopt;
    }
    if (ec != std::errc() || ptr != last || !std::isfinite(value))
        return std::nullopt;
    return value;
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
