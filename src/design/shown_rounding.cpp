#include "design/shown_rounding.h"

#include <algorithm>
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

// The scientific form of `text` ("d.ddde+XX") split into its digits and its exponent.
std::size_t splitScientific(std::string_view sci, std::array<char, 64>& digits, int& exponent) {
    const std::size_t ePos = sci.find('e');
    std::size_t count = 0;
    for (char c : sci.substr(0, ePos))
        if (c >= '0' && c <= '9')
            digits[count++] = c;
    std::string_view exponentText = sci.substr(ePos + 1);
    const bool negative = !exponentText.empty() && exponentText.front() == '-';
    if (!exponentText.empty() && (exponentText.front() == '-' || exponentText.front() == '+'))
        exponentText.remove_prefix(1);
    exponent = 0;
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
    if (negative)
        exponent = -exponent;
    return count;
}

// The digits of a positive finite value rounded to `significantDigits` significant digits
// (ties away from zero, on its exact binary value), and the power of ten of the first.
// Formatting with a precision is slow, so the shortest form that reads back as the value
// (fast) is rounded instead wherever that cannot differ: the value lies within half a unit in
// the last place of it, less than 1.12e-16 of a normal value, so only a shortest form whose digits
// past the kept ones come that close to a half needs the exact formatting.
std::size_t significantDecimal(double value, int significantDigits, std::array<char, 64>& digits,
                               int& exponent) {
    std::array<char, 64> buf{};
    // Below the normal range the unit in the last place is no longer that small.
    if (significantDigits >= 1 && significantDigits <= 15 &&
        value >= std::numeric_limits<double>::min()) {
        const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), value,
                                       std::chars_format::scientific);
        const std::size_t count = splitScientific(
            std::string_view(buf.data(), std::size_t(res.ptr - buf.data())), digits, exponent);
        const auto kept = std::size_t(significantDigits);
        if (count <= kept)
            return count;
        // The dropped digits as a share of one unit of the last digit kept, to 1e-3.
        double tail = 0.0;
        double weight = 0.1;
        for (std::size_t i = kept; i < count && i < kept + 3; ++i, weight /= 10.0)
            tail += (digits[i] - '0') * weight;
        const double lead = (digits[0] - '0') + 1.0;  // above the leading digits' value
        double margin = 1.12e-16 * lead;
        for (int i = 1; i < significantDigits; ++i)
            margin *= 10.0;
        if (std::fabs(tail - 0.5) > margin + 0.002) {
            if (tail > 0.5) {
                std::size_t i = kept;
                while (i > 0 && digits[i - 1] == '9')
                    digits[--i] = '0';
                if (i == 0) {
                    digits[0] = '1';
                    ++exponent;
                } else {
                    ++digits[i - 1];
                }
            }
            return kept;
        }
    }
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), value,
                                   std::chars_format::scientific, significantDigits - 1);
    return splitScientific(std::string_view(buf.data(), std::size_t(res.ptr - buf.data())), digits,
                           exponent);
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
    if (value == 0.0)
        return "0.00";  // never "-0.00"
    std::array<char, 64> digits{};
    int exponent = 0;
    const std::size_t count =
        significantDecimal(std::fabs(value), significantDigits, digits, exponent);

    // digits[i] has weight 10^(exponent - i). Keep every digit of weight >= 10^-2: the decimal
    // digits of round(|value| * 100), built in place with room in front for a carry and
    // leading zeros. Up to 10^308 they take 311 places.
    std::array<char, 330> space{};
    char* kept = space.data() + 4;
    const int keep = exponent + 3;
    std::size_t n = 0;
    if (keep <= 0) {
        kept[0] = (keep == 0 && digits[0] >= '5') ? '1' : '0';
        n = 1;
    } else if (std::size_t(keep) <= count) {
        n = std::size_t(keep);
        std::copy_n(digits.data(), n, kept);
        if (n < count && digits[n] >= '5') {
            std::size_t i = n;
            while (i > 0 && kept[i - 1] == '9')
                kept[--i] = '0';
            if (i == 0) {
                *--kept = '1';
                ++n;
            } else {
                ++kept[i - 1];
            }
        }
    } else {
        n = std::size_t(keep);
        std::copy_n(digits.data(), count, kept);
        std::fill(kept + count, kept + n, '0');
    }
    while (n < 3) {
        *--kept = '0';
        ++n;
    }
    const bool isZero = std::all_of(kept, kept + n, [](char c) { return c == '0'; });
    std::string ascii;
    ascii.reserve(n + 2);
    if (value < 0 && !isZero)
        ascii += '-';
    ascii.append(kept, n - 2);
    ascii += '.';
    ascii.append(kept + n - 2, 2);
    return ascii;
}

double asShown(double value, int significantDigits) {
    return readBack(fixedDecimal(value, significantDigits));
}

double asShownPlain(double value) {
    return readBack(plainDecimal(value));
}

}  // namespace cw
