#include "design/shown_rounding.h"

#include <gtest/gtest.h>

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
