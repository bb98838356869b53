#include "design/shown_rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace cw {
namespace {

// Two decimals of the value's decimal form with 15 (double) or 7 (single) significant
// digits, halves away from zero; the values next to a half at the 15th digit and at the
// second decimal are where a shortcut would go wrong.
TEST(ShownRounding, TwoDecimalsOfTheSignificantDigits) {
    const struct {
        double value;
        int digits;
        const char* shown;
    } cases[] = {
        {0.615, 15, "0.62"},
        {1.005, 15, "1.01"},
        {9.995, 15, "10.00"},
        {-9.995, 15, "-10.00"},
        {1.0049999999999995, 15, "1.01"},  // 1.00499999999999|95 -> 1.00500000000000
        {1.0049999999999993, 15, "1.01"},
        {1.0049, 15, "1.00"},
        {0.1 + 0.2, 15, "0.30"},
        {2.0000000000000049, 15, "2.00"},
        {double(0.615F), 7, "0.62"},
        {double(0.125F), 7, "0.13"},
        {double(12.345F), 7, "12.35"},
        {double(2.675F), 7, "2.68"},
        {2.675, 15, "2.68"},
        {-0.004, 15, "0.00"},
        {-0.0, 15, "0.00"},
        {0.005, 15, "0.01"},
        {0.0049999, 15, "0.00"},
        {99999999999999.995, 15, "100000000000000.00"},
        {1e20, 15, "100000000000000000000.00"},
        {1.5e-300, 15, "0.00"},
        {30.524999999999999, 15, "30.53"},
        {261.895, 15, "261.90"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(fixedDecimal(c.value, c.digits), c.shown);
    }
}

}  // namespace
}  // namespace cw

namespace cw {
namespace {

// What the panel should show, from the C library's exact decimal expansion: `digits`
// significant digits (printf rounds the exact binary value), then two decimals with halves
// up on those digits.
std::string expectedFixed(double value, int digits) {
    char sci[64];
    std::snprintf(sci, sizeof sci, "%.*e", digits - 1, std::fabs(value));
    std::string mantissa;
    const char* p = sci;
    for (; *p != 'e'; ++p)
        if (*p != '.')
            mantissa += *p;
    const int exponent = std::atoi(p + 1);
    // mantissa[i] weighs 10^(exponent - i); keep the weights down to 10^-2.
    const int keep = exponent + 3;
    std::string kept = keep <= 0 ? std::string("0") : mantissa.substr(0, std::size_t(keep));
    while (int(kept.size()) < keep)
        kept += '0';
    const bool roundUp =
        keep >= 0 && std::size_t(keep) < mantissa.size() && mantissa[std::size_t(keep)] >= '5';
    if (roundUp) {
        int i = int(kept.size()) - 1;
        while (i >= 0 && kept[std::size_t(i)] == '9')
            kept[std::size_t(i--)] = '0';
        if (i < 0)
            kept.insert(kept.begin(), '1');
        else
            ++kept[std::size_t(i)];
    }
    while (kept.size() < 3)
        kept.insert(kept.begin(), '0');
    const bool zero = kept.find_first_not_of('0') == std::string::npos;
    return (value < 0 && !zero ? "-" : "") + kept.substr(0, kept.size() - 2) + "." +
           kept.substr(kept.size() - 2);
}

std::string expectedPlain(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.15G", value);
    return value == 0.0 ? "0" : text;
}

// Values of every size and the awkward ones: halves at the second decimal, neighbours of a
// half at the fifteenth digit, exact binary ties at the last digit kept, single values.
std::vector<std::pair<double, int>> sampleValues() {
    std::vector<std::pair<double, int>> values = {
        {123456789012.0625, 15},
        {-123456789012.0625, 15},
        {1234.5625, 7},
        {0.0009999999999999999, 15},
        {0.001, 15},
        {0.00999999999999999, 15},
        {999999999999999.9, 15},
        {1e15, 15},
        {9.999999999999999e14, 15},
        {0.005, 7},
        {12345678.5, 7},
        {99999.995, 7},
        {4503599627370495.5, 15},
        {1e-3, 7},
        {5e-324, 15},
        {1e300, 15},
    };
    // Exact binary ties one digit past the last kept: D / 10^f with D = 5^f * q (q odd) has
    // its last digit 5 and is a dyadic rational, so the value is exactly the half. Every size,
    // for 15 digits (D of 16 digits) and for 7 (D of 8 digits, exact in single precision).
    std::mt19937_64 tieRng(20261208);
    for (const int P : {15, 7}) {
        const double lowest = std::pow(10.0, P);  // D has P + 1 digits
        for (int f = 1; f <= 4; ++f) {
            const double five = std::pow(5.0, f);
            for (int i = 0; i < 2000; ++i) {
                double q =
                    std::floor((lowest + double(tieRng() % std::uint64_t(8 * lowest))) / five);
                if (std::fmod(q, 2.0) == 0.0)
                    q += 1.0;
                const double x =
                    std::ldexp(q, -f) * std::pow(10.0, double(int(tieRng() % 9)) - 4.0);
                const double tie =
                    P == 7 ? double(float(q / std::pow(2.0, f))) : q / std::pow(2.0, f);
                values.emplace_back(tie, P);
                values.emplace_back(-tie, P);
                values.emplace_back(P == 7 ? double(float(x)) : x, P);
            }
        }
    }
    // Exact binary ties at the hundredths: k / 8 for odd k, over many sizes.
    for (std::uint64_t k = 1; k < 200000; k += 2)
        values.emplace_back(double(k * 1237 % 8000001 | 1) / 8.0, k % 4 == 1 ? 15 : 7);
    std::mt19937_64 rng(20261207);
    for (int i = 0; i < 400000; ++i) {
        const int digits = i % 4 == 0 ? 7 : 15;
        double v = 0.0;
        switch (i % 5) {
        case 0: v = double(rng() % 100000000) / 1000.0 + 0.005; break;
        case 1:
            v = std::nextafter(double(rng() % 1000000) / 100.0 + 0.005, (rng() & 1) ? 1e300 : 0.0);
            break;
        case 2:
            v = std::ldexp(double(rng() % (std::uint64_t(1) << 53)), int(rng() % 90) - 110);
            break;
        case 3: v = std::pow(10.0, double(rng() % 4000) / 100.0 - 20.0); break;
        default: v = double(std::int64_t(rng() % 2000001) - 1000000) / double(1 + rng() % 1000);
        }
        if (digits == 7)
            v = double(float(v));
        values.emplace_back(rng() & 1 ? -v : v, digits);
    }
    return values;
}

TEST(ShownRounding, AgreesWithTheExactDecimalExpansionOverManyValues) {
    int wrong = 0;
    for (const auto& [value, digits] : sampleValues()) {
        const std::string fixed = fixedDecimal(value, digits);
        const std::string expected = expectedFixed(value, digits);
        if (fixed != expected && ++wrong <= 5)
            ADD_FAILURE() << std::hexfloat << value << " (" << digits << " digits): " << fixed
                          << ", expected " << expected;
        if (std::strtod(expected.c_str(), nullptr) != asShown(value, digits) && ++wrong <= 5)
            ADD_FAILURE() << std::hexfloat << value << ": asShown reads back another value";
        if (digits == 15) {
            std::string plain = plainDecimal(value);
            const std::string expectedP = expectedPlain(value);
            if (plain != expectedP && ++wrong <= 5)
                ADD_FAILURE() << std::hexfloat << value << ": " << plain << ", expected "
                              << expectedP;
            const double readBack = std::strtod(expectedP.c_str(), nullptr);
            if (!(readBack == asShownPlain(value)) && std::isfinite(readBack) && ++wrong <= 5)
                ADD_FAILURE() << std::hexfloat << value
                              << ": asShownPlain reads back another value";
        }
    }
    EXPECT_EQ(wrong, 0);
}

}  // namespace
}  // namespace cw
