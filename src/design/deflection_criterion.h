#pragma once

// The allowable deflection of a mullion by its span under the two editions of EN 13830.

#include <optional>

namespace cw {

enum class DeflectionCriterion {
    En13830_2003,  // L/d, at most 15 mm
    En13830_2015,  // L/200 up to 3 m; 5 mm + L/300 up to 7.5 m; L/250 above
};

// Which part of a criterion gave the limit.
enum class DeflectionRule {
    SpanOverDivisor,        // 2003: L/d
    AllowableDeflection,    // 2003: the allowable deflection f typed, below 15 mm
    Cap15mm,                // 2003: 15 mm
    SpanOver200,            // 2015: L/200
    FiveMmPlusSpanOver300,  // 2015: 5 mm + L/300
    SpanOver250,            // 2015: L/250
};

struct DeflectionLimit {
    double limit_mm;
    double limit_cm;
    DeflectionRule rule;
};

inline constexpr double kDeflectionCap2003_mm = 15.0;

// Nothing for a span that is not a positive finite number, or a divisor that is not.
std::optional<DeflectionLimit> deflectionLimit2003(double span_cm, double divisor);
std::optional<DeflectionLimit> deflectionLimit2015(double span_cm);
std::optional<DeflectionLimit> deflectionLimit(DeflectionCriterion criterion, double span_cm,
                                               double divisor);

}  // namespace cw
