#include "design/shown_rounding.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include <locale.h>

namespace cw {

namespace {

// The value a shown text reads back as; nothing reads as NaN.
double readBack(const std::string& ascii) {
    return readAsciiDecimal(ascii).value_or(std::numeric_limits<double>::quiet_NaN());
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

// The digits of a positive finite value rounded to `significantDigits` significant digits, on
// its exact binary value, and the power of ten of the first. Only the values roundedDigits
// leaves are formatted this way.
std::size_t significantDecimal(double value, int significantDigits, std::array<char, 64>& digits,
                               int& exponent) {
    std::array<char, 64> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), value,
                                   std::chars_format::scientific, significantDigits - 1);
    return splitScientific(std::string_view(buf.data(), std::size_t(res.ptr - buf.data())), digits,
                           exponent);
}

// 10^0 ... 10^17, all below 2^64.
constexpr std::array<std::uint64_t, 18> kTens = [] {
    std::array<std::uint64_t, 18> tens{};
    std::uint64_t power = 1;
    for (std::uint64_t& t : tens) {
        t = power;
        power *= 10;
    }
    return tens;
}();

// |value| rounded to `significantDigits` (P) digits, done exactly in integers: the digits as
// an integer N (10^(P-1) <= N < 10^P) and the power of ten X of the first, so that the value
// shows as N * 10^(X-P+1). Covers 1e-3 <= |value| < 1e15, where that takes no more than
// 128 bits; elsewhere, and on an exact tie at the last digit, false: the general path decides.
bool roundedDigits(double value, int significantDigits, std::uint64_t& digits, int& exponent) {
    const double a = std::fabs(value);
    const int P = significantDigits;
    if (!(a >= 1e-3 && a < 1e15) || P < 1 || P > 15)
        return false;

    // a = mantissa / 2^shift: a normal double, and 1e15 < 2^50 makes the shift positive.
    std::uint64_t bits = 0;
    std::memcpy(&bits, &a, sizeof bits);
    const int biased = int(bits >> 52);
    const std::uint64_t mantissa =
        (bits & ((std::uint64_t(1) << 52) - 1)) | (std::uint64_t(1) << 52);
    const int shift = 1075 - biased;
    // floor(log10(a)) or one below it, from the binary exponent; the check below settles it.
    int X = ((biased - 1023) * 1233) >> 12;
    X = std::max(X, -3);
    using U128 = unsigned __int128;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int k = P - 1 - X;  // the digits kept are a * 10^k, -14 <= k <= 17
        U128 whole = 0;
        U128 rest = 0;
        U128 half = 0;
        if (k >= 0) {
            const U128 numerator = U128(mantissa) * kTens[std::size_t(k)];
            whole = numerator >> shift;
            rest = numerator & ((U128(1) << shift) - 1);
            half = U128(1) << (shift - 1);
        } else {
            const U128 denominator = U128(kTens[std::size_t(-k)]) << shift;
            whole = mantissa / denominator;
            rest = mantissa % denominator;
            half = denominator / 2;
        }
        if (whole < kTens[std::size_t(P - 1)]) {
            --X;
            continue;
        }
        if (whole >= kTens[std::size_t(P)]) {
            ++X;
            continue;
        }
        if (rest == half)
            return false;
        digits = std::uint64_t(whole) + (rest > half ? 1 : 0);
        exponent = X;
        if (digits == kTens[std::size_t(P)]) {
            digits = kTens[std::size_t(P - 1)];
            ++exponent;
        }
        return true;
    }
    return false;
}

// The value in hundredths as the two-decimal form shows it, halves away from zero on the
// rounded digits; false where roundedDigits cannot tell.
bool roundedHundredths(double value, int significantDigits, std::uint64_t& hundredths) {
    std::uint64_t digits = 0;
    int exponent = 0;
    if (std::fabs(value) < 1e-3 && std::isfinite(value) &&
        std::fabs(value) >= std::numeric_limits<double>::min()) {
        hundredths = 0;  // below a thousandth even a carry to 0.001 shows as 0.00
        return true;
    }
    if (!roundedDigits(value, significantDigits, digits, exponent))
        return false;
    const int scale = exponent - significantDigits + 3;  // hundredths = digits * 10^scale
    if (scale >= 0) {
        hundredths = digits * kTens[std::size_t(scale)];  // below 1e15 * 10^2: no overflow
        return true;
    }
    const std::uint64_t unit = kTens[std::size_t(-scale)];
    hundredths = digits / unit + (2 * (digits % unit) >= unit ? 1 : 0);
    return true;
}

std::string hundredthsText(bool negative, std::uint64_t hundredths) {
    std::array<char, 32> buf;
    char* end = buf.data() + buf.size();
    char* p = end;
    std::uint64_t n = hundredths;
    *--p = char('0' + n % 10);
    n /= 10;
    *--p = char('0' + n % 10);
    n /= 10;
    *--p = '.';
    do {
        *--p = char('0' + n % 10);
        n /= 10;
    } while (n > 0);
    if (negative && hundredths != 0)
        *--p = '-';
    return std::string(p, end);
}

}  // namespace

std::optional<double> readAsciiDecimal(std::string_view ascii) {
    double value = 0.0;
    const char* last = ascii.data() + ascii.size();
    const auto [ptr, ec] = std::from_chars(ascii.data(), last, value);
    if (ec == std::errc::result_out_of_range) {
        // Underflow reads as zero, as any calculator would; overflow is not a usable number.
        // strtod in the C locale tells the two apart, whatever locale the process runs in.
        static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
        const double probe = strtod_l(std::string(ascii).c_str(), nullptr, cLocale);
        if (std::isfinite(probe) && std::fabs(probe) < 1.0)
            return ascii.front() == '-' ? -0.0 : 0.0;
        return std::nullopt;
    }
    if (ec != std::errc() || ptr != last || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string plainDecimal(double value, int significantDigits) {
    if (value == 0.0)
        return "0";  // never "-0"
    std::uint64_t digits = 0;
    int exponent = 0;
    // The general form writes the digits without an exponent while -4 <= X < P.
    if (roundedDigits(value, significantDigits, digits, exponent) && exponent < significantDigits) {
        std::array<char, 32> text;
        std::array<char, 16> d;
        for (int i = significantDigits - 1; i >= 0; --i, digits /= 10)
            d[std::size_t(i)] = char('0' + digits % 10);
        int last = significantDigits;  // trailing zeros are dropped
        while (last > 1 && d[std::size_t(last - 1)] == '0')
            --last;
        std::size_t n = 0;
        if (value < 0)
            text[n++] = '-';
        if (exponent >= 0) {
            for (int i = 0; i <= exponent; ++i)
                text[n++] = d[std::size_t(i)];
            if (last > exponent + 1) {
                text[n++] = '.';
                for (int i = exponent + 1; i < last; ++i)
                    text[n++] = d[std::size_t(i)];
            }
        } else {
            text[n++] = '0';
            text[n++] = '.';
            for (int i = -1; i > exponent; --i)
                text[n++] = '0';
            for (int i = 0; i < last; ++i)
                text[n++] = d[std::size_t(i)];
        }
        return std::string(text.data(), n);
    }
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
    if (std::uint64_t hundredths = 0; roundedHundredths(value, significantDigits, hundredths))
        return hundredthsText(value < 0, hundredths);
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

// Reading a shown text back is one division of two exact doubles where the text's digits fit
// in 53 bits, so it is done without the text: correctly rounded either way.
double asShown(double value, int significantDigits) {
    if (std::uint64_t hundredths = 0; value != 0.0 &&
                                      roundedHundredths(value, significantDigits, hundredths) &&
                                      hundredths < (std::uint64_t(1) << 53)) {
        const double shown = double(hundredths) / 100.0;
        return value < 0 && hundredths != 0 ? -shown : shown;
    }
    return readBack(fixedDecimal(value, significantDigits));
}

double asShownPlain(double value) {
    constexpr int kDigits = 15;
    std::uint64_t digits = 0;
    int exponent = 0;
    if (value != 0.0 && roundedDigits(value, kDigits, digits, exponent) && exponent < kDigits) {
        // digits * 10^(exponent - 14), the exponent at least -3; 10^17 is an exact double
        const double shown = double(digits) / double(kTens[std::size_t(kDigits - 1 - exponent)]);
        return value < 0 ? -shown : shown;
    }
    return readBack(plainDecimal(value));
}

int compareAsShown(double value, double limit) {
    const long long v = std::llround(value * 100.0);
    const long long l = std::llround(limit * 100.0);
    return v < l ? -1 : v == l ? 0 : 1;
}

}  // namespace cw
