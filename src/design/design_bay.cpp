// The design of one bay. The arithmetic keeps the order of operations of the procedures the
// results were first checked against, so that every figure agrees to the last digit.

#include "design/bay.h"
#include "design/shown_rounding.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace cw {

namespace {

// E I for the deflection formulas in kN/cm2 times the beam constant: 384 E (simple span) and
// 185 E (the short upper span over the whole length); 6454000 is that of two equal spans.
constexpr double k384E = 2688000.0;
constexpr double kEqualSpans = 6454000.0;
constexpr double k185E = 1295000.0;
// The same in N/mm2 for the deflection of the suggested mullion.
constexpr double k384E_Nmm2 = 26880000.0;
constexpr double kEqualSpans_Nmm2 = 64540000.0;
// Half the glazing height, in metres, loads the transom whatever the divisor is.
constexpr double kHalfHeightCmToM = 200.0;
// The glass rests on two setting blocks this far from the transom's ends, mm.
constexpr double kSettingBlock_mm = 150.0;

// The sag under two equal loads a from the supports of a span Ls is
// P a (3 Ls^2 - 4 a^2) / (24 E I), which holds for a <= Ls / 2: on a transom shorter than
// 300 mm the two blocks meet at midspan.
double settingBlockDistance_mm(double Ls_mm) {
    return std::min(kSettingBlock_mm, Ls_mm / 2.0);
}

bool allFinite(std::initializer_list<double> values) {
    for (double v : values)
        if (!std::isfinite(v))
            return false;
    return true;
}

// The limits the window keeps for the S-type cases: L1 shown in single precision, L1 / d
// divided in single precision, f / 10 cm. The rule compares the two as shown, with f / 10 at
// most 1.5 cm in every case: no mullion is designed for more than 15 mm. Only some cases keep
// the capped value itself (keepCapped); the others keep f / 10 as typed.
struct ShownLimits {
    double ratio_cm = 0.0;
    double absolute_cm = 0.0;
};

ShownLimits keepLimits(BayDesign& r, double L1, std::int16_t d, double allowed_mm,
                       bool keepCapped) {
    r.limitsKept = true;
    const KeptSpanLimits kept = keptSpanLimits(L1, d);
    r.spanL1Single_cm = kept.spanL1Single_cm;
    r.ratioLimitSingle_cm = kept.ratioLimitSingle_cm;
    r.absoluteLimit_cm = allowed_mm * 0.1;
    ShownLimits shown;
    shown.ratio_cm = asShown(double(r.ratioLimitSingle_cm), 7);
    shown.absolute_cm = asShown(r.absoluteLimit_cm);
    const bool aboveCap = !(shown.absolute_cm <= kDeflectionCap_cm);
    r.absoluteLimitCapped = keepCapped && aboveCap;
    if (aboveCap)
        shown.absolute_cm = kDeflectionCap_cm;
    return shown;
}

void setRule(BayDesign& r, bool ratioGoverns, double L1, double d) {
    r.rule = r.limitRule2015                           ? *r.limitRule2015
             : ratioGoverns                            ? DeflectionRule::SpanOverDivisor
             : r.allowableLimit_cm < kDeflectionCap_cm ? DeflectionRule::AllowableDeflection
                                                       : DeflectionRule::Cap15mm;
    r.designedLimit_mm = ratioGoverns ? 10.0 * L1 / d : 10.0 * r.allowableLimit_cm;
}

// The required moment and section modulus, and the suggested mullion's Wx and stress, each
// from the shown value of the step before.
void momentAndStress(BayDesign& r, double p, double b, double L1) {
    r.requiredMoment_kNcm = (((p * b) * L1) * L1) / 80000.0;
    const double momentShown = asShown(r.requiredMoment_kNcm);
    r.requiredWx_cm3 = momentShown / kAllowableStress_kNcm2;
    if (r.mullion) {
        MullionCheck& m = *r.mullion;
        if (m.insert) {
            // The aluminium's own Wx takes only the aluminium's share of the moment.
            MullionCheck::Insert& ins = *m.insert;
            m.wx_cm3 = asShownPlain(ins.aluminiumIx_cm4) / (m.fibre_mm / 10.0);
            ins.bending = shareMoment(momentShown, ins.aluminiumIx_cm4, asShown(m.wx_cm3),
                                      kAllowableStress_kNcm2 * 10.0, ins.steel);
            m.stress_kNcm2 = ins.bending.aluminiumStress_Nmm2 / 10.0;
            return;
        }
        m.wx_cm3 = asShownPlain(m.ix_cm4) / (m.fibre_mm / 10.0);
        m.stress_kNcm2 = momentShown / asShown(m.wx_cm3);
    }
}

// The stiffness the mullion bends with, mm4: its own, or with its insert the effective Ix it
// was selected by.
double bendingIx_mm4(const MullionCheck& m) {
    return m.insert ? m.ix_cm4 * 10000.0 : double(m.ix_mm4);
}

// The share of a moment the aluminium carries: all of it, or E I_al / sum(E I) with an insert.
double aluminiumShare(const MullionCheck& m) {
    return m.insert ? m.insert->aluminiumIx_cm4 / m.ix_cm4 : 1.0;
}

bool finiteDesign(const BayDesign& r, const ShownLimits& limits,
                  std::initializer_list<double> more) {
    const MullionCheck m = r.mullion.value_or(MullionCheck{});
    const bool mullionFinite = !r.mullion || allFinite({m.deflection_mm, m.ix_cm4, m.stressRatio,
                                                        m.wx_cm3, m.stress_kNcm2});
    return mullionFinite && allFinite(more) &&
           allFinite({double(r.spanL1Single_cm), limits.ratio_cm, limits.absolute_cm,
                      r.lineLoad_kNcm.value_or(0.0), r.requiredMullionJx_cm4,
                      r.requiredTransomJx_cm4, r.requiredTransomJy_cm4, r.requiredMoment_kNcm,
                      r.requiredWx_cm3, r.totalLength_cm, r.designedLimit_mm});
}

// The mullion and transom of the catalogue for the requirements.
void suggest(const Catalogue& catalogue, BayDesign& r) {
    if (const MullionRow* row = chooseMullion(catalogue, r.requiredMullionJx_cm4)) {
        MullionCheck m;
        m.code = row->code;
        m.ix_mm4 = row->ix_mm4;
        m.fibre_mm = row->fibre_mm;
        m.ix_cm4 = double(row->ix_mm4) / 10000.0;
        if (row->extras.steel) {
            m.insert = MullionCheck::Insert{*row->extras.steel, m.ix_cm4, {}};
            m.ix_cm4 = row->upper_cm4;
        }
        r.mullion = m;
    }
    if (const TransomRow* row = chooseTransom(catalogue, r.requiredTransomJx_cm4,
                                              r.spanCase == SpanCase::ShortUpperSpan)) {
        r.transom = row->code;
        // A row chosen by its properties has no band to print.
        if (row->byBand)
            r.transomBand = TransomBand{row->lower_cm4, row->upper_cm4};
    }
}

// Vertical catalogues: Veltra and Korin, Dalvo.
ShownLimits designMullionTransom(const BayInput& in, const Catalogue& catalogue, double w,
                                 BayDesign& r) {
    const double d = double(in.divisor);
    const double L1 = in.spanL1_cm;
    const double b = r.loadWidth_cm;
    const double p = in.windPressure_kNm2;
    const double Lt = r.totalLength_cm;
    const double fLim = r.allowableLimit_cm;
    r.designPressure_kNm2 = p;

    // Every case keeps the limits; only the one-span case keeps the absolute one capped.
    const ShownLimits limits =
        keepLimits(r, L1, in.divisor, in.allowableDeflection_mm, r.spanCase == SpanCase::OneSpan);

    double c = 5.0;
    double kPrime = k384E_Nmm2;
    bool ratioGoverns = false;
    switch (r.spanCase) {
    case SpanCase::OneSpan:
    case SpanCase::FixedEnds:
    case SpanCase::EqualSpans: {
        ratioGoverns = !r.limitRule2015 && limits.ratio_cm <= limits.absolute_cm;
        const double q = b * (p / 10000.0);
        r.lineLoad_kNcm = q;
        const double factor = r.spanCase == SpanCase::FixedEnds ? 1.0 : 5.0;
        const bool equal = r.spanCase == SpanCase::EqualSpans;
        const double k = equal ? kEqualSpans : k384E;
        if (ratioGoverns)
            r.requiredMullionJx_cm4 = (((((q * L1) * L1) * L1) * factor) * d) / k;
        else
            r.requiredMullionJx_cm4 = (((((q * L1) * L1) * L1) * L1) * factor) / (k * fLim);
        c = factor;
        if (equal)
            kPrime = kEqualSpans_Nmm2;
        break;
    }
    case SpanCase::UnequalSpans: {
        ratioGoverns = !r.limitRule2015 && L1 / d <= fLim;
        const double j0 = ratioGoverns ? ((((p * b) * L1) * L1) / (k384E * (L1 / d))) * 0.01
                                       : ((((p * b) * L1) * L1) / (k384E * fLim)) * 0.01;
        const double spanFactor = ((9.0 * Lt) * L1 - (3.0 * Lt) * Lt) - (4.0 * L1) * L1;
        r.requiredMullionJx_cm4 = (j0 * spanFactor) / 100.0;
        break;
    }
    case SpanCase::ShortUpperSpan: {
        ratioGoverns = !r.limitRule2015 && L1 / d <= fLim;
        const double load = (((((p * b) * Lt) * Lt) * Lt) * Lt);
        r.requiredMullionJx_cm4 =
            ratioGoverns ? (load / (k185E * (L1 / d))) * 0.0001 : (load / (k185E * fLim)) * 0.0001;
        break;
    }
    }
    setRule(r, ratioGoverns, L1, d);

    // The transom spans the wider grid width and carries half of each glazing height.
    const double bm = r.transomSpan_cm / 100.0;
    const double p100 = 100.0 * p;
    const auto transomTerm = [&](double H) {
        return ((((p100 * (H / kHalfHeightCmToM)) * bm) * bm) * bm) * bm / ((bm * 8400.0) / 300.0);
    };
    r.requiredTransomJx_cm4 =
        transomTerm(in.glazingHeightH1_cm) + transomTerm(in.glazingHeightH2_cm);

    // The weight of the wider pane on two setting blocks, each a from its end of the span.
    const double H2 = in.glazingHeightH2_cm;
    const double area = (H2 * (r.transomSpan_cm / 100.0)) / 100.0;
    const double blockLoad = ((area * r.glassWeight_kgm2) / 2.0) * 10.0;
    const double Ls = r.transomSpan_cm * 10.0;
    const double a = settingBlockDistance_mm(Ls);
    const double ratio = a / Ls;
    r.requiredTransomJy_cm4 =
        ((((blockLoad * std::pow(Ls, 2)) * a) * (3.0 - 4.0 * std::pow(ratio, 2))) /
         ((24.0 * 70000.0) * 3.0)) /
        10000.0;

    suggest(catalogue, r);

    if (r.mullion) {
        // The check reads the pressure as shown and uses L1 alone, in every case.
        MullionCheck& m = *r.mullion;
        const double ix = bendingIx_mm4(m);
        const double Lmm = L1 * 10.0;
        const double pN = w / 1000.0;
        const double qN = (b * pN) * 10.0;
        const double Lmm4 = (L1 * ((L1 * ((L1 * (L1 * 10.0)) * 10.0)) * 10.0)) * 10.0;
        m.deflection_mm = ((c / (kPrime * ix)) * Lmm4) * qN;
        const double moment = (((L1 * Lmm) * 10.0) * qN) / 8.0 * aluminiumShare(m);
        m.stressRatio = (moment / (double(m.ix_mm4) / m.fibre_mm)) / 160.0;
    }
    momentAndStress(r, p, b, L1);
    return limits;
}

// Sloped catalogues (Terrax): the one-span block takes the sloped-glazing load; the two-span
// blocks that are not equal choose their rule from L1 / d directly and keep no limits.
ShownLimits designTProfile(const BayInput& in, const Catalogue& catalogue, double w, BayDesign& r) {
    const double n = double(in.divisor);
    const double L1 = in.spanL1_cm;
    const double b = r.loadWidth_cm;
    const double Lt = in.spanL2_cm + L1;
    const double fLim = r.allowableLimit_cm;

    double p = in.windPressure_kNm2;
    if (r.spanCase == SpanCase::OneSpan) {
        // Gravity loads act with cos(alpha), wind with sin(alpha); pi is taken as 3.14.
        const double alpha = (in.slope_deg * 3.14) / 180.0;
        SlopedGlazingLoad load;
        load.glass_kNm2 = (((in.glassThickness_mm * 2.5) * 9.81) / 1000.0) * std::cos(alpha);
        load.snow_kNm2 = ((((in.snowHeight_cm / 10.0) * 9.81) * 10.0) / 1000.0) * std::cos(alpha);
        load.structure_kNm2 = in.structureWeight_kNm2 * std::cos(alpha);
        load.wind_kNm2 = ((w * 9.81) / 10.0) * std::sin(alpha);
        p = load.glass_kNm2 + load.snow_kNm2 + load.structure_kNm2 + load.wind_kNm2;
        load.total_kNm2 = p;
        r.slopedGlazing = load;
    }
    r.designPressure_kNm2 = p;

    bool ratioGoverns = false;
    ShownLimits limits;
    if (r.spanCase == SpanCase::OneSpan || r.spanCase == SpanCase::EqualSpans) {
        limits = keepLimits(r, L1, in.divisor, in.allowableDeflection_mm, true);
        ratioGoverns = !r.limitRule2015 && limits.ratio_cm <= limits.absolute_cm;
    } else {
        ratioGoverns = !r.limitRule2015 && L1 / n <= fLim;
    }

    const double q = (b * p) / 10000.0;
    r.lineLoad_kNcm = q;
    switch (r.spanCase) {
    case SpanCase::OneSpan:
    case SpanCase::EqualSpans:
    case SpanCase::FixedEnds:
        r.requiredMullionJx_cm4 = ratioGoverns ? (((5.0 * n) * std::pow(L1, 3)) * q) / k384E
                                               : ((5.0 * std::pow(L1, 4)) * q) / (k384E * fLim);
        break;
    case SpanCase::UnequalSpans: {
        const double j0 = ratioGoverns ? ((p * b) * std::pow(L1, 2)) / ((k384E * L1) / n)
                                       : ((p * b) * std::pow(L1, 2)) / (k384E * fLim);
        r.requiredMullionJx_cm4 =
            ((j0 * 0.01) * (((9.0 * Lt) * L1 - 3.0 * std::pow(Lt, 2)) - 4.0 * std::pow(L1, 2))) /
            100.0;
        break;
    }
    case SpanCase::ShortUpperSpan:
        r.requiredMullionJx_cm4 = ratioGoverns
                                      ? (((p * b) * std::pow(Lt, 4)) / ((k185E * L1) / n)) * 0.0001
                                      : (((p * b) * std::pow(Lt, 4)) / (k185E * fLim)) * 0.0001;
        break;
    }
    setRule(r, ratioGoverns, L1, n);

    const double B = r.transomSpan_cm / 100.0;
    const auto transomTerm = [&](double H) {
        return (((100.0 * p) * (H / kHalfHeightCmToM)) * std::pow(B, 4)) / ((B * 8400.0) / 300.0);
    };
    r.requiredTransomJx_cm4 =
        transomTerm(in.glazingHeightH2_cm) + transomTerm(in.glazingHeightH1_cm);
    const double H2 = in.glazingHeightH2_cm;
    const double blockLoad = 10.0 * ((r.glassWeight_kgm2 * ((H2 * B) / 100.0)) / 2.0);
    const double Ls = r.transomSpan_cm * 10.0;
    const double a = settingBlockDistance_mm(Ls);
    const double rho = a / Ls;
    r.requiredTransomJy_cm4 =
        (((((3.0 - 4.0 * std::pow(rho, 2)) * a) * std::pow(Ls, 2)) * blockLoad) /
         ((3.0 * 70000.0) * 24.0)) /
        10000.0;

    suggest(catalogue, r);

    if (r.mullion) {
        // The check takes the load the mullion was designed for: the sloped-glazing sum over
        // one span, the wind pressure as shown otherwise.
        MullionCheck& m = *r.mullion;
        const double ix = bendingIx_mm4(m);
        const double C = r.spanCase == SpanCase::EqualSpans ? kEqualSpans_Nmm2 : k384E_Nmm2;
        const double Lm = 10.0 * L1;
        const double load = r.slopedGlazing ? p : w;
        const double qN = ((b * 10.0) * load) / 1000.0;
        m.deflection_mm = ((5.0 * qN) * std::pow(Lm, 4)) / (ix * C);
        const double moment = (qN * std::pow(Lm, 2)) / 8.0 * aluminiumShare(m);
        m.stressRatio = (moment / (double(m.ix_mm4) / m.fibre_mm)) / 160.0;
    }
    momentAndStress(r, p, b, L1);
    return limits;
}

}  // namespace

KeptSpanLimits keptSpanLimits(double spanL1_cm, std::int16_t divisor) {
    const float span = float(asShown(spanL1_cm));
    return {span, span / float(divisor)};
}

double loadWidthOf(double gridWidthA1_cm, double gridWidthA2_cm) {
    return asShownPlain(gridWidthA1_cm / 2.0 + gridWidthA2_cm / 2.0);
}

SpanCase spanCaseOf(StaticSystem system, double spanL1_cm, double spanL2_cm) {
    switch (system) {
    case StaticSystem::OneSpan: return SpanCase::OneSpan;
    case StaticSystem::FixedEnds: return SpanCase::FixedEnds;
    case StaticSystem::TwoSpans: break;
    }
    if (spanL2_cm == spanL1_cm)
        return SpanCase::EqualSpans;
    return spanL2_cm / spanL1_cm >= 0.2 ? SpanCase::UnequalSpans : SpanCase::ShortUpperSpan;
}

BayDesign designBay(const BayInput& in, const Catalogue& catalogue) {
    BayDesign r;
    r.spanCase = spanCaseOf(in.system, in.spanL1_cm, in.spanL2_cm);
    r.loadWidth_cm = loadWidthOf(in.gridWidthA1_cm, in.gridWidthA2_cm);
    r.transomSpan_cm = std::max(in.gridWidthA1_cm, in.gridWidthA2_cm);
    r.glassWeight_kgm2 = in.glassThickness_mm * 2.5;
    r.totalLength_cm = in.spanL1_cm + in.spanL2_cm;
    r.allowableLimit_cm = std::min(in.allowableDeflection_mm / 10.0, kDeflectionCap_cm);
    if (in.criterion == DeflectionCriterion::En13830_2015) {
        // The span's own limit takes the place of both L1 / d and the cap: every formula
        // then takes the limit branch with it.
        const std::optional<DeflectionLimit> limit = deflectionLimit2015(in.spanL1_cm);
        r.allowableLimit_cm = limit ? limit->limit_cm : std::nan("");
        r.limitRule2015 = limit ? std::optional(limit->rule) : std::nullopt;
    }
    const double w = in.windPressureShown_kNm2.value_or(in.windPressure_kNm2);

    const ShownLimits limits = catalogue.use == CatalogueUse::Sloped
                                   ? designTProfile(in, catalogue, w, r)
                                   : designMullionTransom(in, catalogue, w, r);

    if (r.mullion) {
        MullionCheck& m = *r.mullion;
        const double stress = asShown(m.stress_kNcm2);
        const double deflection = asShown(m.deflection_mm);
        const double limit = asShown(r.designedLimit_mm);
        m.stressUtilisation = stress / kAllowableStress_kNcm2;
        m.deflectionUtilisation = deflection / limit;
        m.stressPasses = stress <= kAllowableStress_kNcm2 &&
                         (!m.insert || m.insert->bending.steelUtilisation <= 1.0);
        m.deflectionPasses = deflection <= limit;
    }
    r.finite = finiteDesign(r, limits, {r.designPressure_kNm2});
    return r;
}

}  // namespace cw
