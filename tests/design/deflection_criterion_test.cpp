#include "design/deflection_criterion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace cw {
namespace {

using R = DeflectionRule;

struct LimitCase {
    const char* name;
    double span_m;
    double limit_mm;
    DeflectionRule rule;
};

class Limit2015 : public ::testing::TestWithParam<LimitCase> {};

TEST_P(Limit2015, BySpan) {
    const LimitCase& c = GetParam();
    const auto limit = deflectionLimit2015(c.span_m * 100.0);
    ASSERT_TRUE(limit);
    EXPECT_NEAR(limit->limit_mm, c.limit_mm, 0.005);
    EXPECT_NEAR(limit->limit_cm, c.limit_mm / 10.0, 0.0005);
    EXPECT_EQ(limit->rule, c.rule);
}

INSTANTIATE_TEST_SUITE_P(
    Spans, Limit2015,
    ::testing::Values(LimitCase{"span_2_5_m", 2.5, 12.5, R::SpanOver200},
                      LimitCase{"span_3_0_m_last_of_L_over_200", 3.0, 15.0, R::SpanOver200},
                      LimitCase{"span_3_5_m", 3.5, 16.67, R::FiveMmPlusSpanOver300},
                      LimitCase{"span_4_5_m", 4.5, 20.0, R::FiveMmPlusSpanOver300},
                      LimitCase{"span_7_5_m_last_of_5_plus_L_over_300", 7.5, 30.0,
                                R::FiveMmPlusSpanOver300},
                      LimitCase{"span_8_0_m", 8.0, 32.0, R::SpanOver250}),
    [](const auto& row) { return std::string(row.param.name); });

class Limit2003 : public ::testing::TestWithParam<LimitCase> {};

TEST_P(Limit2003, SpanOverTwoHundredAtMostFifteen) {
    const LimitCase& c = GetParam();
    const auto limit = deflectionLimit2003(c.span_m * 100.0, 200.0);
    ASSERT_TRUE(limit);
    EXPECT_NEAR(limit->limit_mm, c.limit_mm, 0.005);
    EXPECT_NEAR(limit->limit_cm, c.limit_mm / 10.0, 0.0005);
    EXPECT_EQ(limit->rule, c.rule);
}

INSTANTIATE_TEST_SUITE_P(Spans, Limit2003,
                         ::testing::Values(LimitCase{"span_2_5_m", 2.5, 12.5, R::SpanOverDivisor},
                                           LimitCase{"span_3_0_m_ratio_named_at_equality", 3.0,
                                                     15.0, R::SpanOverDivisor},
                                           LimitCase{"span_3_5_m", 3.5, 15.0, R::Cap15mm},
                                           LimitCase{"span_4_5_m", 4.5, 15.0, R::Cap15mm},
                                           LimitCase{"span_7_5_m", 7.5, 15.0, R::Cap15mm},
                                           LimitCase{"span_8_0_m", 8.0, 15.0, R::Cap15mm}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(Limit2015Boundaries, NoStepWhereTheRuleChanges) {
    for (const double break_cm : {300.0, 750.0}) {
        const auto below = deflectionLimit2015(std::nextafter(break_cm, 0.0));
        const auto at = deflectionLimit2015(break_cm);
        const auto above = deflectionLimit2015(std::nextafter(break_cm, 1e9));
        ASSERT_TRUE(below && at && above);
        EXPECT_NEAR(below->limit_mm, at->limit_mm, 1e-9) << break_cm;
        EXPECT_NEAR(above->limit_mm, at->limit_mm, 1e-9) << break_cm;
        EXPECT_NE(at->rule, above->rule) << break_cm;
    }
}

TEST(Limit2015Boundaries, GrowsWithTheSpan) {
    double previous = 0.0;
    for (double span_cm = 10.0; span_cm <= 1200.0; span_cm += 10.0) {
        const auto limit = deflectionLimit2015(span_cm);
        ASSERT_TRUE(limit);
        EXPECT_GT(limit->limit_mm, previous) << span_cm;
        previous = limit->limit_mm;
    }
}

TEST(DeflectionLimit, CriterionChoosesTheEdition) {
    const auto old = deflectionLimit(DeflectionCriterion::En13830_2003, 350.0, 200.0);
    const auto current = deflectionLimit(DeflectionCriterion::En13830_2015, 350.0, 200.0);
    ASSERT_TRUE(old && current);
    EXPECT_EQ(old->rule, R::Cap15mm);
    EXPECT_EQ(current->rule, R::FiveMmPlusSpanOver300);
    // The divisor takes no part in the 2015 limit.
    const auto otherDivisor = deflectionLimit(DeflectionCriterion::En13830_2015, 350.0, 300.0);
    ASSERT_TRUE(otherDivisor);
    EXPECT_DOUBLE_EQ(otherDivisor->limit_mm, current->limit_mm);
    // 2003 with d = 300: 3500 / 300 = 11.67 mm.
    const auto oldOtherDivisor = deflectionLimit(DeflectionCriterion::En13830_2003, 350.0, 300.0);
    ASSERT_TRUE(oldOtherDivisor);
    EXPECT_NEAR(oldOtherDivisor->limit_mm, 11.667, 0.0005);
}

TEST(DeflectionLimit, RefusesSpansAndDivisorsWithoutMeaning) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (const double span : {0.0, -100.0, nan, inf}) {
        EXPECT_FALSE(deflectionLimit2015(span)) << span;
        EXPECT_FALSE(deflectionLimit2003(span, 200.0)) << span;
    }
    for (const double divisor : {0.0, -200.0, nan, inf})
        EXPECT_FALSE(deflectionLimit2003(350.0, divisor)) << divisor;
}

}  // namespace
}  // namespace cw
