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
double readBack(std::string_view ascii) {
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (ec == std::errc::result_out_of_range) {
        static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
        const double probe = strtod_l(std::string(ascii).c_str(), nullptr, cLocale);
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

namespace {

// The two-decimal form of a finite value into `out` (at most 400 characters), its length
// returned; the buffer form lets a design round without allocating.
std::size_t fixedInto(double value, int significantDigits, char* out) {
    std::array<char, 64> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(value),
                                   std::chars_format::scientific, significantDigits - 1);
    const std::string_view sci(buf.data(), std::size_t(res.ptr - buf.data()));
    const std::size_t ePos = sci.find('e');
    std::array<char, 24> digits{};  // the significant digits
    int count = 0;
    for (char c : sci.substr(0, ePos))
        if (c >= '0' && c <= '9')
            digits[std::size_t(count++)] = c;
    int exponent = 0;
    std::from_chars(sci.data() + ePos + (sci[ePos + 1] == '+' ? 2 : 1), sci.data() + sci.size(),
                    exponent);

    // digits[i] has weight 10^(exponent - i). Keep every digit of weight >= 10^-2.
    const int keep = exponent + 3;
    std::array<char, 400> kept{};  // decimal digits of round(|value| * 100)
    int n = 0;
    if (keep <= 0) {
        kept[std::size_t(n++)] = (keep == 0 && digits[0] >= '5') ? '1' : '0';
    } else if (keep <= count) {
        for (; n < keep; ++n)
            kept[std::size_t(n)] = digits[std::size_t(n)];
        if (keep < count && digits[std::size_t(keep)] >= '5') {
            int i = n - 1;
            while (i >= 0 && kept[std::size_t(i)] == '9')
                kept[std::size_t(i--)] = '0';
            if (i < 0) {
                for (int j = n; j > 0; --j)
                    kept[std::size_t(j)] = kept[std::size_t(j - 1)];
                kept[0] = '1';
                ++n;
            } else {
                ++kept[std::size_t(i)];
            }
        }
    } else {
        for (; n < count; ++n)
            kept[std::size_t(n)] = digits[std::size_t(n)];
        for (; n < keep; ++n)
            kept[std::size_t(n)] = '0';
    }
    bool isZero = true;
    for (int i = 0; i < n; ++i)
        isZero = isZero && kept[std::size_t(i)] == '0';
    std::size_t length = 0;
    if (value < 0 && !isZero)
        out[length++] = '-';
    // At least one digit before the point and exactly two after it.
    const int whole = n - 2;
    if (whole <= 0) {
        out[length++] = '0';
    } else {
        for (int i = 0; i < whole; ++i)
            out[length++] = kept[std::size_t(i)];
    }
    out[length++] = '.';
    const int fraction = std::max(whole, 0);
    const int missing = 2 - (n - fraction);  // leading zeros of the two decimals
    for (int i = 0; i < missing; ++i)
        out[length++] = '0';
    for (int i = fraction; i < n; ++i)
        out[length++] = kept[std::size_t(i)];
    return length;
}

}  // namespace

std::string fixedDecimal(double value, int significantDigits) {
    if (!std::isfinite(value))
        return plainDecimal(value);
    std::array<char, 420> out{};
    return std::string(out.data(), fixedInto(value, significantDigits, out.data()));
}

double asShown(double value, int significantDigits) {
    if (!std::isfinite(value))
        return std::numeric_limits<double>::quiet_NaN();
    std::array<char, 420> out{};
    const std::size_t length = fixedInto(value, significantDigits, out.data());
    double shown = 0.0;
    std::from_chars(out.data(), out.data() + length, shown);
    return shown;
}

double asShownPlain(double value) {
    if (value == 0.0)
        return 0.0;
    std::array<char, 64> buf{};
    const auto res =
        std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::general, 15);
    return readBack(std::string_view(buf.data(), std::size_t(res.ptr - buf.data())));
}

}  // namespace cw
