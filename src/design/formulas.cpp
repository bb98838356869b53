#include "design/formulas.h"

#include <algorithm>
#include <cmath>

namespace cw {

namespace {

// A text written by the run and read back by a later step: the rounding of the text is part
// of the result.
double throughText(const std::string& text, const NumberFormat& fmt) {
    return parseNumber(text, fmt).value_or(std::nan(""));
}

struct Limits {
    float mullionLengthSingle = 0.0F;
    std::string ratioLimit;
    TaggedValue absoluteLimit;
};

// L1 rounded to two decimals and held in single precision; the ratio limit is divided in
// single precision too, and both limits are kept as two-decimal texts.
Limits deflectionLimits(double L1, std::int16_t d, double allowed_mm, bool capAt15,
                        const NumberFormat& fmt) {
    Limits lim;
    lim.mullionLengthSingle = mullionLengthSingle(L1, fmt);
    lim.ratioLimit = ratioLimitText(lim.mullionLengthSingle, d, fmt);
    lim.absoluteLimit = TaggedValue::text(absoluteLimitText(allowed_mm, fmt));
    if (capAt15 && !(throughText(lim.absoluteLimit.textValue(), fmt) <= 1.5))
        lim.absoluteLimit = TaggedValue::real(1.5);
    return lim;
}

bool ratioLimitGoverns(const Limits& lim, const NumberFormat& fmt) {
    return throughText(lim.ratioLimit, fmt) <= lim.absoluteLimit.toNumber(fmt).value_or(0.0);
}

// Half the glazing height, in metres, loads the transom whatever the deflection divisor is.
constexpr double kHalfHeightCmToM = 200.0;

// Required transom Jx against wind, the H2 term or the H1 term, as the Terrax run forms it.
double transomTermT(double p, double H, double B) {
    return (((100.0 * p) * (H / kHalfHeightCmToM)) * std::pow(B, 4)) / ((B * 8400.0) / 300.0);
}

// The absolute deflection limit the formulas use, cm: the allowable deflection f, never more
// than 15 mm.
double absoluteLimitCm(double allowed_mm) {
    return std::min(allowed_mm / 10.0, 1.5);
}

void setDesignedLimit(DesignResult& r, double L1, double d, double fLim, const NumberFormat& fmt) {
    r.designedLimit_mm = r.ratioGoverns ? 10.0 * L1 / d : 10.0 * fLim;
    r.designedLimitText = fixedText(r.designedLimit_mm, fmt);
}

struct Tail {
    double moment = 0.0;
    double wx = 0.0;
    double wxSuggested = 0.0;
    double sigmaSuggested = 0.0;
};

// The required moment and section modulus, and the suggested mullion's Wx and stress. Each
// is read back from the two-decimal text of the one before, as the panel shows them.
Tail requiredMomentAndStress(DesignResult& r, double p, double b, double L1,
                             const NumberFormat& fmt) {
    Tail t;
    t.moment = (((p * b) * L1) * L1) / 80000.0;
    r.text25 = fixedText(t.moment, fmt);
    t.wx = throughText(r.text25, fmt) / 9.5;
    r.text9 = fixedText(t.wx, fmt);
    if (r.mullion) {
        t.wxSuggested = throughText(r.text20, fmt) / (r.mullion->fibre_mm / 10.0);
        r.text35 = fixedText(t.wxSuggested, fmt);
        t.sigmaSuggested = throughText(r.text25, fmt) / throughText(r.text35, fmt);
        r.text36 = fixedText(t.sigmaSuggested, fmt);
    }
    return t;
}

bool allFinite(std::initializer_list<double> values) {
    for (double v : values)
        if (!std::isfinite(v))
            return false;
    return true;
}

}  // namespace

float mullionLengthSingle(double L1, const NumberFormat& fmt) {
    return float(throughText(fixedText(L1, fmt), fmt));
}

std::string ratioLimitText(float mullionLength, std::int16_t d, const NumberFormat& fmt) {
    const float ratio = mullionLength / float(d);
    return fixedText(double(ratio), fmt, 7);
}

std::string absoluteLimitText(double allowed_mm, const NumberFormat& fmt) {
    return fixedText(allowed_mm * 0.1, fmt);
}

double loadWidthThroughText(double a1, double a2, const NumberFormat& fmt) {
    return throughText(plainText(a1 / 2.0 + a2 / 2.0, fmt), fmt);
}

DesignResult designMullionTransom(const DesignInputs& in, const NumberFormat& fmt) {
    DesignResult r;
    const double d = double(in.d);
    const double L1 = in.L1;
    const double b = in.b;
    const double p = in.p;
    r.designPressure = p;

    // Every case computes the limits; only case S caps the absolute one at 1.5 cm.
    const Limits lim =
        deflectionLimits(L1, in.d, in.allowedDeflection_mm, in.designCase == DesignCase::S, fmt);
    r.limitsComputed = true;
    r.mullionLengthSingle = lim.mullionLengthSingle;
    r.ratioLimit = lim.ratioLimit;
    r.absoluteLimit = lim.absoluteLimit;

    const double Lt = L1 + in.L2;
    const double fLim = absoluteLimitCm(in.allowedDeflection_mm);
    double c = 5.0;
    double kPrime = 26880000.0;
    switch (in.designCase) {
    case DesignCase::S:
    case DesignCase::F:
    case DesignCase::E: {
        r.ratioGoverns = ratioLimitGoverns(lim, fmt);
        const double q = b * (p / 10000.0);
        r.lineLoad = q;
        const double factor = in.designCase == DesignCase::F ? 1.0 : 5.0;
        const bool equalSpans = in.designCase == DesignCase::E;
        const double k = equalSpans ? 6454000.0 : 2688000.0;
        if (r.ratioGoverns)
            r.requiredMullionJx = (((((q * L1) * L1) * L1) * factor) * d) / k;
        else
            r.requiredMullionJx = (((((q * L1) * L1) * L1) * L1) * factor) / (k * fLim);
        c = factor;
        if (equalSpans)
            kPrime = 64540000.0;
        break;
    }
    case DesignCase::U: {
        r.ratioGoverns = L1 / d <= fLim;
        const double j0 = r.ratioGoverns ? ((((p * b) * L1) * L1) / (2688000.0 * (L1 / d))) * 0.01
                                         : ((((p * b) * L1) * L1) / (2688000.0 * fLim)) * 0.01;
        const double spanFactor = ((9.0 * Lt) * L1 - (3.0 * Lt) * Lt) - (4.0 * L1) * L1;
        r.requiredMullionJx = (j0 * spanFactor) / 100.0;
        break;
    }
    case DesignCase::R: {
        r.ratioGoverns = L1 / d <= fLim;
        const double load = (((((p * b) * Lt) * Lt) * Lt) * Lt);
        r.requiredMullionJx = r.ratioGoverns ? (load / (1295000.0 * (L1 / d))) * 0.0001
                                             : (load / (1295000.0 * fLim)) * 0.0001;
        break;
    }
    }
    r.text5 = fixedText(r.requiredMullionJx, fmt);
    setDesignedLimit(r, L1, d, fLim, fmt);

    // Transom against wind, spanning the wider grid width and loaded by half of each glazing
    // height.
    const double bm = in.transomSpan / 100.0;
    const double p100 = 100.0 * p;
    const auto transomTerm = [&](double H) {
        return ((((p100 * (H / kHalfHeightCmToM)) * bm) * bm) * bm) * bm / ((bm * 8400.0) / 300.0);
    };
    r.requiredTransomJx = transomTerm(in.H1) + transomTerm(in.H2);
    r.text15 = fixedText(r.requiredTransomJx, fmt);

    // Transom against the weight of the wider pane on two setting blocks 150 mm from its
    // ends; the ratio uses the glazing height H2, not the span.
    const double area = (in.H2 * (in.transomSpan / 100.0)) / 100.0;
    const double blockLoad = ((area * in.glassWeight) / 2.0) * 10.0;
    const double Ls = in.transomSpan * 10.0;
    const double ratio = 150.0 / (in.H2 * 10.0);
    r.requiredTransomJy =
        ((((blockLoad * std::pow(Ls, 2)) * 150.0) * (3.0 - 4.0 * std::pow(ratio, 2))) /
         ((24.0 * 70000.0) * 3.0)) /
        10000.0;
    r.text17 = fixedText(r.requiredTransomJy, fmt);

    r.mullion = chooseMullion(in.series, r.requiredMullionJx);
    r.transom = chooseTransom(in.series, r.requiredTransomJx);

    double deflection = 0.0, ixCm4 = 0.0, stressRatio = 0.0;
    if (r.mullion) {
        const double ix = double(r.mullion->ix_mm4);
        const double Lmm = L1 * 10.0;
        const double pN = in.w / 1000.0;
        const double qN = (b * pN) * 10.0;
        const double Lmm4 = (L1 * ((L1 * ((L1 * (L1 * 10.0)) * 10.0)) * 10.0)) * 10.0;
        deflection = ((c / (kPrime * ix)) * Lmm4) * qN;
        r.text18 = fixedText(deflection, fmt);
        ixCm4 = ix / 10000.0;
        r.text20 = plainText(ixCm4, fmt);
        const double moment = (((L1 * Lmm) * 10.0) * qN) / 8.0;
        const double sigma = moment / (ix / r.mullion->fibre_mm);
        stressRatio = sigma / 160.0;
        r.text21 = plainText(stressRatio, fmt);
    }

    const Tail t = requiredMomentAndStress(r, p, b, L1, fmt);

    r.finite = allFinite({double(lim.mullionLengthSingle), throughText(lim.ratioLimit, fmt),
                          lim.absoluteLimit.toNumber(fmt).value_or(0.0), r.lineLoad.value_or(0.0),
                          r.requiredMullionJx, r.requiredTransomJx, r.requiredTransomJy, deflection,
                          ixCm4, stressRatio, t.moment, t.wx, t.wxSuggested, t.sigmaSuggested, Lt,
                          r.designedLimit_mm});
    return r;
}

DesignResult designTProfile(const DesignInputs& in, const NumberFormat& fmt) {
    DesignResult r;
    const double n = double(in.d);
    const double L1 = in.L1;
    const double b = in.b;
    const double Lt = in.L2 + L1;

    double p = in.p;
    if (in.designCase == DesignCase::S) {
        // Sloped glazing: gravity loads act with cos(alpha), wind with sin(alpha).
        const double alpha = (in.slope_deg * 3.14) / 180.0;
        const double glass = (((in.glassThickness_mm * 2.5) * 9.81) / 1000.0) * std::cos(alpha);
        const double snow =
            ((((in.snowHeight_cm / 10.0) * 9.81) * 10.0) / 1000.0) * std::cos(alpha);
        const double structure = in.structureWeight_kNm2 * std::cos(alpha);
        const double wind = ((in.w * 9.81) / 10.0) * std::sin(alpha);
        p = glass + snow + structure + wind;
    }
    r.designPressure = p;

    const double fLim = absoluteLimitCm(in.allowedDeflection_mm);
    Limits lim;
    if (in.designCase == DesignCase::S || in.designCase == DesignCase::E) {
        lim = deflectionLimits(L1, in.d, in.allowedDeflection_mm, true, fmt);
        r.limitsComputed = true;
        r.mullionLengthSingle = lim.mullionLengthSingle;
        r.ratioLimit = lim.ratioLimit;
        r.absoluteLimit = lim.absoluteLimit;
        r.ratioGoverns = ratioLimitGoverns(lim, fmt);
    } else {
        r.ratioGoverns = L1 / n <= fLim;
    }

    const double q = (b * p) / 10000.0;
    r.lineLoad = q;
    switch (in.designCase) {
    case DesignCase::S:
    case DesignCase::E:
    case DesignCase::F:
        r.requiredMullionJx = r.ratioGoverns ? (((5.0 * n) * std::pow(L1, 3)) * q) / 2688000.0
                                             : ((5.0 * std::pow(L1, 4)) * q) / (2688000.0 * fLim);
        break;
    case DesignCase::U: {
        const double j0 = r.ratioGoverns ? ((p * b) * std::pow(L1, 2)) / ((2688000.0 * L1) / n)
                                         : ((p * b) * std::pow(L1, 2)) / (2688000.0 * fLim);
        r.requiredMullionJx =
            ((j0 * 0.01) * (((9.0 * Lt) * L1 - 3.0 * std::pow(Lt, 2)) - 4.0 * std::pow(L1, 2))) /
            100.0;
        break;
    }
    case DesignCase::R:
        r.requiredMullionJx = r.ratioGoverns
                                  ? (((p * b) * std::pow(Lt, 4)) / ((1295000.0 * L1) / n)) * 0.0001
                                  : (((p * b) * std::pow(Lt, 4)) / (1295000.0 * fLim)) * 0.0001;
        break;
    }
    r.text5 = fixedText(r.requiredMullionJx, fmt);
    setDesignedLimit(r, L1, n, fLim, fmt);

    const double B = in.transomSpan / 100.0;
    r.requiredTransomJx = transomTermT(p, in.H2, B) + transomTermT(p, in.H1, B);
    r.text15 = fixedText(r.requiredTransomJx, fmt);
    const double blockLoad = 10.0 * ((in.glassWeight * ((in.H2 * B) / 100.0)) / 2.0);
    const double Ls = in.transomSpan * 10.0;
    const double a = 150.0;
    const double rho = a / (in.H2 * 10.0);
    r.requiredTransomJy = (((((3.0 - 4.0 * std::pow(rho, 2)) * a) * std::pow(Ls, 2)) * blockLoad) /
                           ((3.0 * 70000.0) * 24.0)) /
                          10000.0;
    r.text17 = fixedText(r.requiredTransomJy, fmt);

    r.mullion = chooseMullion(Series::Terrax, r.requiredMullionJx);
    r.transom = chooseTransom(Series::Terrax, r.requiredTransomJx);
    if (in.designCase == DesignCase::R) {
        // The short-upper-span block takes its transom from the Veltra rows where they match.
        if (const auto veltra = chooseTransom(Series::Veltra, r.requiredTransomJx))
            r.transom = veltra;
    }

    double deflection = 0.0, ixCm4 = 0.0, stressRatio = 0.0;
    if (r.mullion) {
        const double ix = double(r.mullion->ix_mm4);
        const double C = in.designCase == DesignCase::E ? 64540000.0 : 26880000.0;
        const double Lm = 10.0 * L1;
        // The check uses the pressure text of Text3, not the sloped-glazing sum.
        const double qN = ((b * 10.0) * in.w) / 1000.0;
        deflection = ((5.0 * qN) * std::pow(Lm, 4)) / (ix * C);
        r.text18 = fixedText(deflection, fmt);
        ixCm4 = ix / 10000.0;
        r.text20 = plainText(ixCm4, fmt);
        const double moment = (qN * std::pow(Lm, 2)) / 8.0;
        const double sigma = moment / (ix / r.mullion->fibre_mm);
        stressRatio = sigma / 160.0;
        r.text21 = plainText(stressRatio, fmt);
    }

    const Tail t = requiredMomentAndStress(r, p, b, L1, fmt);

    r.finite = allFinite({p, double(lim.mullionLengthSingle),
                          r.limitsComputed ? throughText(lim.ratioLimit, fmt) : 0.0,
                          lim.absoluteLimit.toNumber(fmt).value_or(0.0), q, r.requiredMullionJx,
                          r.requiredTransomJx, r.requiredTransomJy, deflection, ixCm4, stressRatio,
                          t.moment, t.wx, t.wxSuggested, t.sigmaSuggested, Lt, r.designedLimit_mm});
    return r;
}

}  // namespace cw
