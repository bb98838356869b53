#include "design/deflection_criterion.h"

#include <cmath>

namespace cw {

namespace {

bool positiveFinite(double x) {
    return std::isfinite(x) && x > 0.0;
}

DeflectionLimit inMillimetres(double limit_mm, DeflectionRule rule) {
    return {limit_mm, limit_mm / 10.0, rule};
}

// The 2015 rules join without a step: L/200 = 5 + L/300 at L = 3000 mm (L/600 = 5), and
// 5 + L/300 = L/250 at L = 7500 mm (L/1500 = 5), both 15 mm and 30 mm there.
constexpr double kFirstBreak_mm = 3000.0;
constexpr double kSecondBreak_mm = 7500.0;

}  // namespace

std::optional<DeflectionLimit> deflectionLimit2003(double span_cm, double divisor) {
    if (!positiveFinite(span_cm) || !positiveFinite(divisor))
        return std::nullopt;
    const double ratio_mm = span_cm * 10.0 / divisor;
    // At equality the ratio is named, as the results have always said.
    if (ratio_mm <= kDeflectionCap2003_mm)
        return inMillimetres(ratio_mm, DeflectionRule::SpanOverDivisor);
    return inMillimetres(kDeflectionCap2003_mm, DeflectionRule::Cap15mm);
}

std::optional<DeflectionLimit> deflectionLimit2015(double span_cm) {
    if (!positiveFinite(span_cm))
        return std::nullopt;
    const double span_mm = span_cm * 10.0;
    if (span_mm <= kFirstBreak_mm)
        return inMillimetres(span_mm / 200.0, DeflectionRule::SpanOver200);
    if (span_mm <= kSecondBreak_mm)
        return inMillimetres(5.0 + span_mm / 300.0, DeflectionRule::FiveMmPlusSpanOver300);
    return inMillimetres(span_mm / 250.0, DeflectionRule::SpanOver250);
}

std::optional<DeflectionLimit> deflectionLimit(DeflectionCriterion criterion, double span_cm,
                                               double divisor) {
    if (criterion == DeflectionCriterion::En13830_2015)
        return deflectionLimit2015(span_cm);
    return deflectionLimit2003(span_cm, divisor);
}

}  // namespace cw
