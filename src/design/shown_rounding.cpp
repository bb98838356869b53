#include "design/shown_rounding.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string_view>

#include <locale.h>

namespace cw {

namespace {

// The value a shown text reads back as: an underflow reads as zero, as the window reads it.
double readBack(const std::string& ascii) {
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (ec == std::errc::result_out_of_range) {
        static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
        const double probe = strtod_l(ascii.c_str(), nullptr, cLocale);
        if (std::isfinite(probe) && std::fabs(probe) < 1.0)
            return ascii.front() == '-' ? -0.0 : 0.0;
        return std::numeric_limits<double>::quiet_NaN();
    }
    if (ec != std::errc() || ptr != ascii.data() + ascii.size() || !std::isfinite(value))
        return std::numeric_limits<double>::quiet_NaN();
    return value;
}

}  // namespace

std::string plainDecimal(double value, int significantDigits) {
    if (value == 0.0)
        return "0";  // never "-0"
    std::array<char, 64> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), value,
                                   std::chars_format::general, significantDigits);
    std::string ascii(buf.data(), res.ptr);
    for (char& c : ascii)
        if (c == 'e')
            c = 'E';
    return ascii;
}

std::string fixedDecimal(double value, int significantDigits) {
    if (!std::isfinite(value))
        return plainDecimal(value);
    std::array<char, 64> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(value),
                                   std::chars_format::scientific, significantDigits - 1);
    const std::string_view sci(buf.data(), std::size_t(res.ptr - buf.data()));
    const std::size_t ePos = sci.find('e');
    std::string digits;  // the significant digits
    for (char c : sci.substr(0, ePos))
        if (c >= '0' && c <= '9')
            digits += c;
    const int exponent = std::atoi(std::string(sci.substr(ePos + 1)).c_str());

    // digits[i] has weight 10^(exponent - i). Keep every digit of weight >= 10^-2.
    const int keep = exponent + 3;
    std::string kept;  // decimal digits of round(|value| * 100)
    if (keep <= 0) {
        kept = (keep == 0 && digits[0] >= '5') ? "1" : "0";
    } else if (keep <= int(digits.size())) {
        kept = digits.substr(0, std::size_t(keep));
        if (keep < int(digits.size()) && digits[std::size_t(keep)] >= '5') {
            int i = int(kept.size()) - 1;
            while (i >= 0 && kept[std::size_t(i)] == '9')
                kept[std::size_t(i--)] = '0';
            if (i < 0)
                kept.insert(kept.begin(), '1');
            else
                ++kept[std::size_t(i)];
        }
    } else {
        kept = digits + std::string(std::size_t(keep) - digits.size(), '0');
    }
    while (kept.size() < 3)
        kept.insert(kept.begin(), '0');
    std::string ascii = kept.substr(0, kept.size() - 2) + "." + kept.substr(kept.size() - 2);
    const bool isZero = kept.find_first_not_of('0') == std::string::npos;
    if (value < 0 && !isZero)
        ascii.insert(ascii.begin(), '-');
    return ascii;
}

double asShown(double value, int significantDigits) {
    return readBack(fixedDecimal(value, significantDigits));
}

double asShownPlain(double value) {
    return readBack(plainDecimal(value));
}

}  // namespace cw
