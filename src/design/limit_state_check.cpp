#include "design/limit_state_check.h"

#include "design/beam_analysis.h"
#include "design/deflection_criterion.h"

#include <algorithm>
#include <cmath>

namespace cw {
namespace {

// EN 1999-1-1 3.2.5: E = 70 000 N/mm2; kN/m2 for EI in kNm2 with I in m4.
constexpr double kE_MPa = 70000.0;
constexpr double kE_kNm2 = kE_MPa * 1000.0;
constexpr double kGravity = 9.81;
constexpr double kPi = 3.14159265358979323846;

double cm4ToM4(double i_cm4) {
    return i_cm4 * 1.0e-8;
}

struct Strength {
    bool ok = false;
    double fo = 0.0, fu = 0.0;
};

// The alloy's strength at the wall thickness (given, or the thickest part); with neither,
// the lowest of its bands, which is on the safe side whatever the wall.
Strength strengthOf(const Alloy& alloy, const LimitStateSection& s) {
    double t = s.wallThickness_mm;
    if (!(t > 0.0))
        for (const SectionPart& p : s.parts)
            t = std::max(t, p.t_mm);
    if (t > 0.0) {
        const auto v = strengthFor(alloy, t);
        return v ? Strength{true, v->fo_MPa, v->fu_MPa} : Strength{};
    }
    Strength r{true, alloy.bands[0].fo_MPa, alloy.bands[0].fu_MPa};
    for (int i = 1; i < alloy.bandCount; ++i) {
        r.fo = std::min(r.fo, alloy.bands[i].fo_MPa);
        r.fu = std::min(r.fu, alloy.bands[i].fu_MPa);
    }
    return r;
}

// The deflection limit of a span under the criterion chosen, mm. EN 13830:2003 takes L/d and
// the allowable deflection typed, at most 15 mm; 2015 the span's own rule.
double deflectionLimit_mm(const BayInput& bay, double span_cm) {
    const auto limit = deflectionLimit(bay.criterion, span_cm, double(bay.divisor));
    if (!limit)
        return std::nan("");
    if (bay.criterion == DeflectionCriterion::En13830_2003)
        return std::min(limit->limit_mm, bay.allowableDeflection_mm);
    return limit->limit_mm;
}

std::string_view edition(const BayInput& bay) {
    return bay.criterion == DeflectionCriterion::En13830_2015 ? "EN 13830:2015" : "EN 13830:2003";
}

void add(LimitStateResult& r, CheckId id, std::string_view clause, CombinationId combination,
         double Ed, double Rd) {
    LimitStateCheck& c = r.checks[static_cast<std::size_t>(r.checkCount++)];
    c.id = id;
    c.clause = clause;
    c.combination = combination;
    c.Ed = Ed;
    c.Rd = Rd;
    c.utilisation = roundUpUtilisation(std::abs(Ed) / Rd);
    c.passes = c.utilisation <= 1.0;
}

// The loads on the mullion per metre of it, characteristic: across the glazing (kN/m) and
// along its axis in total (kN).
struct MullionLoads {
    double windAcross = 0.0;
    double deadAcross = 0.0;
    double snowAcross = 0.0;
    double deadAlong = 0.0;
    double snowAlong = 0.0;
};

MullionLoads mullionLoads(const BayInput& bay, const LimitStateInput& in, double b_m,
                          double length_m) {
    MullionLoads l;
    l.windAcross = bay.windPressure_kNm2 * b_m;
    const double self = in.mullion.mass_kgm.value_or(0.0) * kGravity / 1000.0;
    const double dead = glassDeadLoad_kNm2(bay.glassThickness_mm) * b_m + self;
    if (!in.sloped) {
        l.deadAlong = dead * length_m;
        return l;
    }
    // The weight per sloped length splits by cos and sin of the slope. Snow (EN 1991-1-3)
    // is per plan area: s cos(alpha) per sloped length, then split the same way.
    const double a = bay.slope_deg * kPi / 180.0;
    const double s = snowLoad_kNm2(in.sk_kNm2, bay.slope_deg, in.Ce, in.Ct) * b_m * std::cos(a);
    l.deadAcross = dead * std::cos(a);
    l.deadAlong = dead * std::sin(a) * length_m;
    l.snowAcross = s * std::cos(a);
    l.snowAlong = s * std::sin(a) * length_m;
    return l;
}

struct Envelope {
    double M = 0.0, V = 0.0, N = 0.0, interaction = 0.0;
    // The combination that gave each; the first of equals.
    CombinationId byM = CombinationId::WindPressure, byV = CombinationId::WindPressure,
                  byInteraction = CombinationId::WindPressure;
};

void checkMullion(const BayInput& bay, const LimitStateInput& in, const Alloy& alloy,
                  LimitStateResult& r) {
    const LimitStateSection& s = in.mullion;
    const PartialFactors& f = in.factors;
    const double L1 = bay.spanL1_cm / 100.0;
    const double L2 = bay.system == StaticSystem::TwoSpans ? bay.spanL2_cm / 100.0 : 0.0;
    const double b = loadWidthOf(bay.gridWidthA1_cm, bay.gridWidthA2_cm) / 100.0;
    const double EI = kE_kNm2 * cm4ToM4(s.ix_cm4);
    const BeamResult unit = analyseBeam({bay.system, L1, L2, EI, 1}, {1.0, {}});
    if (!unit.valid || !(s.wx_cm3 > 0.0) || s.area_cm2 < 0.0)
        return;
    r.mullionEI_kNm2 = EI;
    const MullionLoads l = mullionLoads(bay, in, b, L1 + L2);
    const double fo = r.fo_MPa;

    const SectionClass cls = classifySection(s.parts, fo, alloy.bucklingClass);
    r.sectionClassNotVerified = !cls.known;
    r.mullionClass = cls.known ? cls.sectionClass : 0;
    const BendingResistance m = bendingResistance(r.mullionClass, s.wx_cm3, s.wplx_cm3, s.weffx_cm3,
                                                  cls.rhoCMin, fo, f.gammaM1);
    r.effectiveModulusEstimated = m.effectiveModulusEstimated;
    const double Av_mm2 = s.shearArea_cm2 ? *s.shearArea_cm2 * 100.0 : webShearArea_mm2(s.parts);
    r.shearNotVerified = !(Av_mm2 > 0.0);
    r.shearBucklingNotCovered = webSlendernessOverEps(s.parts, fo) > 39.0;
    const double VRd = shearResistance_kN(Av_mm2, fo, f.gammaM1);

    // Axial resistance: tension (hung) or the section in compression (standing), the
    // effective area of a class 4 section estimated with rho_c of each part in uniform
    // compression.
    const bool tension = in.hanging == Hanging::HungFromTop;
    double NRd = tensionResistance_kN(s.area_cm2, fo, r.fu_MPa, f.gammaM1, f.gammaM2);
    if (!tension)
        NRd = compressionResistance_kN(
            effectiveCompressionArea_cm2(s.area_cm2, s.parts, fo, alloy.bucklingClass), fo,
            f.gammaM1);

    const double Mu = std::max(std::abs(unit.maxMoment.value), std::abs(unit.minMoment.value));
    const double Vu = std::abs(unit.maxShear.value);
    Combination storage[6];
    const bool snow = in.sloped && l.snowAcross != 0.0;
    Envelope e;
    double deflection[2] = {0.0, 0.0};
    CombinationId byDeflection[2] = {CombinationId::CharPressure, CombinationId::CharPressure};
    for (const Combination& c : combinations(f, snow, storage)) {
        const double q = c.dead * l.deadAcross + c.wind * l.windAcross + c.snow * l.snowAcross;
        r.mullionLoads[std::size_t(r.mullionLoadCount++)] = {c.id, c.ultimate, q};
        if (!c.ultimate) {
            for (std::size_t k = 0; k < 2; ++k) {
                const double w = std::abs(q * unit.spanMaxDeflection[k].value);
                if (w > deflection[k]) {
                    deflection[k] = w;
                    byDeflection[k] = c.id;
                }
            }
            continue;
        }
        // Worst moment and worst axial force taken together, wherever they are along it.
        const double M = std::abs(q) * Mu;
        const double N = c.dead * l.deadAlong + c.snow * l.snowAlong;
        if (M > e.M) {
            e.M = M;
            e.byM = c.id;
        }
        if (std::abs(q) * Vu > e.V) {
            e.V = std::abs(q) * Vu;
            e.byV = c.id;
        }
        e.N = std::max(e.N, N);
        if (N > 0.0) {
            const double u = axialBendingUtilisation(N, NRd, M, m.MRd_kNm);
            if (u > e.interaction) {
                e.interaction = u;
                e.byInteraction = c.id;
            }
        }
    }
    add(r, CheckId::MullionBending, "EN 1999-1-1 6.2.5", e.byM, e.M, m.MRd_kNm);
    if (!r.shearNotVerified) {
        add(r, CheckId::MullionShear, "EN 1999-1-1 6.2.6", e.byV, e.V, VRd);
        add(r, CheckId::MullionBendingShear, "EN 1999-1-1 6.2.8", e.byM, e.M,
            shearReducedMomentResistance(m.MRd_kNm, e.V, VRd));
    }
    // A section without its area (the built-in rows) cannot be checked for the axial force.
    if (e.N > 0.0 && !(s.area_cm2 > 0.0))
        r.axialNotVerified = true;
    else if (e.N > 0.0) {
        add(r, CheckId::MullionAxialBending, "EN 1999-1-1 6.2.9", e.byInteraction, e.interaction,
            1.0);
        r.memberBucklingNotVerified = !tension;
    }
    // Each span against its own limit; the worse of the two is the check.
    double worstEd = deflection[0];
    double worstRd = deflectionLimit_mm(bay, bay.spanL1_cm);
    CombinationId worstBy = byDeflection[0];
    if (L2 > 0.0) {
        const double limit2 = deflectionLimit_mm(bay, bay.spanL2_cm);
        if (!(deflection[1] / limit2 <= worstEd / worstRd)) {
            worstEd = deflection[1];
            worstRd = limit2;
            worstBy = byDeflection[1];
        }
    }
    add(r, CheckId::MullionDeflection, edition(bay), worstBy, worstEd, worstRd);

    // Anchors: wind across at every support, the weight along at the one that carries it.
    r.anchorCount = unit.supportCount;
    for (int k = 0; k < unit.supportCount; ++k) {
        AnchorForce& a = r.anchors[std::size_t(k)];
        const double R = unit.reactions_kN[std::size_t(k)];
        a.x_m = unit.supportX_m[std::size_t(k)];
        a.pressureChar_kN = R * l.windAcross;
        a.pressureUlt_kN = f.gammaQ * a.pressureChar_kN;
        a.suctionChar_kN = -a.pressureChar_kN;
        a.suctionUlt_kN = -a.pressureUlt_kN;
        a.deadAcrossChar_kN = R * l.deadAcross;
        a.deadAcrossUlt_kN = f.gammaGUnfav * a.deadAcrossChar_kN;
    }
    AnchorForce& carrier = r.anchors[std::size_t(tension ? unit.supportCount - 1 : 0)];
    carrier.deadAlongChar_kN = l.deadAlong;
    carrier.deadAlongUlt_kN = f.gammaGUnfav * l.deadAlong;
}

// The transom: wind from half of each pane above and below it, trapezoidal from the pane
// corners (45 degree lines), about its strong axis (of a sloped bay, the wind alone); the weight of
// the pane that stands on it (H2, as the allowable design takes it) on two setting blocks about its
// weak axis.
void checkTransom(const BayInput& bay, const LimitStateInput& in, const Alloy& alloy,
                  LimitStateResult& r) {
    const LimitStateSection& s = *in.transom;
    const PartialFactors& f = in.factors;
    const double L = std::max(bay.gridWidthA1_cm, bay.gridWidthA2_cm) / 100.0;
    if (!(L > 0.0) || !(s.ix_cm4 > 0.0) || !(s.iy_cm4 > 0.0) || !(s.wx_cm3 > 0.0) ||
        !(s.wy_cm3 > 0.0)) {
        r.valid = false;
        return;
    }
    const Strength st = strengthOf(alloy, s);
    if (!st.ok) {
        r.thicknessOutsideAlloyTable = true;
        r.valid = false;
        return;
    }
    // A symmetric trapezoid of peak w and ramps c on a simple span:
    // M = w (L^2/8 - c^2/6), w_mid = w (25 L^4 - 40 L^2 c^2 + 16 c^4) / (1920 EI).
    TransomLoads loads;
    loads.span_m = L;
    double Mw = 0.0, dw = 0.0;
    std::size_t pane = 0;
    for (double H_cm : {bay.glazingHeightH1_cm, bay.glazingHeightH2_cm}) {
        const double c = std::min(H_cm / 200.0, L / 2.0);
        const double w = bay.windPressure_kNm2 * c;
        loads.wind[pane++] = {w, c};
        Mw += w * (L * L / 8.0 - c * c / 6.0);
        dw += w * (25.0 * L * L * L * L - 40.0 * L * L * c * c + 16.0 * c * c * c * c) / 1920.0;
    }
    dw = dw / (kE_kNm2 * cm4ToM4(s.ix_cm4)) * 1000.0;

    const double P =
        glassDeadLoad_kNm2(bay.glassThickness_mm) * (bay.glazingHeightH2_cm / 100.0) * L / 2.0;
    const double a = in.settingBlockFraction * L;
    // Two equal loads symmetric on a simple span: M = P a between them, the largest sag at
    // midspan P a (3 L^2 - 4 a^2) / (24 EI), a <= L / 2 (the beam analysis gives the same; the
    // closed form keeps a million bays a second).
    const double a2 = std::min(a, L / 2.0);
    const double Mg = P * a2;
    const double dg =
        P * a2 * (3.0 * L * L - 4.0 * a2 * a2) / (24.0 * kE_kNm2 * cm4ToM4(s.iy_cm4)) * 1000.0;

    loads.blockLoad_kN = P;
    loads.blockX_m = a2;
    loads.EIx_kNm2 = kE_kNm2 * cm4ToM4(s.ix_cm4);
    loads.EIy_kNm2 = kE_kNm2 * cm4ToM4(s.iy_cm4);
    loads.gammaWind = f.gammaQ;
    loads.gammaDead = f.gammaGUnfav;
    r.transomLoads = loads;

    const SectionClass cls = classifySection(s.parts, st.fo, alloy.bucklingClass);
    r.transomClassNotVerified = !cls.known;
    const BendingResistance mx =
        bendingResistance(cls.known ? cls.sectionClass : 0, s.wx_cm3, s.wplx_cm3, s.weffx_cm3,
                          cls.rhoCMin, st.fo, f.gammaM1);
    // The weak axis with the elastic modulus: the parts are classified for the strong one.
    const BendingResistance my =
        bendingResistance(0, s.wy_cm3, std::nullopt, std::nullopt, 1.0, st.fo, f.gammaM1);
    add(r, CheckId::TransomBending, "EN 1999-1-1 6.2.9", CombinationId::WindPressure,
        axialBendingUtilisation(0.0, 1.0, f.gammaQ * Mw, mx.MRd_kNm) +
            f.gammaGUnfav * Mg / my.MRd_kNm,
        1.0);
    add(r, CheckId::TransomDeflection, edition(bay), CombinationId::CharPressure, dw,
        deflectionLimit_mm(bay, L * 100.0));
    // Glass on setting blocks: L/500, and at most 3 mm under EN 13830:2003.
    double blockLimit = L * 1000.0 / 500.0;
    if (bay.criterion == DeflectionCriterion::En13830_2003)
        blockLimit = std::min(blockLimit, 3.0);
    add(r, CheckId::TransomBlockDeflection, edition(bay), CombinationId::CharDead, dg, blockLimit);
    // I >= P a (3 L^2 - 4 a^2) / (24 E delta), cm4.
    const double Lmm = L * 1000.0, amm = a2 * 1000.0;
    r.requiredTransomIy_cm4 = P * 1000.0 * amm * (3.0 * Lmm * Lmm - 4.0 * amm * amm) /
                              (24.0 * kE_MPa * blockLimit) / 1.0e4;
}

bool sectionFinite(const LimitStateSection& m) {
    const double values[] = {m.ix_cm4,
                             m.wx_cm3,
                             m.iy_cm4,
                             m.wy_cm3,
                             m.area_cm2,
                             m.wallThickness_mm,
                             m.mass_kgm.value_or(0.0),
                             m.wplx_cm3.value_or(0.0),
                             m.weffx_cm3.value_or(0.0),
                             m.shearArea_cm2.value_or(0.0)};
    for (double v : values)
        if (!std::isfinite(v))
            return false;
    for (const SectionPart& p : m.parts)
        if (!(p.b_mm > 0.0) || !(p.t_mm > 0.0) || !std::isfinite(p.b_mm + p.t_mm + p.psi))
            return false;
    return true;
}

// Every number the check reads is a number: a NaN would vanish in the envelopes (max() drops
// it) and leave a check that passes on nothing.
bool inputsFinite(const BayInput& bay, const LimitStateInput& in) {
    const PartialFactors& f = in.factors;
    const double values[] = {bay.gridWidthA1_cm,
                             bay.gridWidthA2_cm,
                             bay.spanL1_cm,
                             bay.spanL2_cm,
                             bay.glazingHeightH1_cm,
                             bay.glazingHeightH2_cm,
                             bay.glassThickness_mm,
                             bay.windPressure_kNm2,
                             bay.allowableDeflection_mm,
                             bay.slope_deg,
                             in.sk_kNm2,
                             in.Ce,
                             in.Ct,
                             in.settingBlockFraction,
                             f.gammaM1,
                             f.gammaM2,
                             f.gammaGUnfav,
                             f.gammaGFav,
                             f.gammaQ,
                             f.psi0Wind,
                             f.psi0Snow};
    for (double v : values)
        if (!std::isfinite(v))
            return false;
    return sectionFinite(in.mullion) && (!in.transom || sectionFinite(*in.transom));
}

}  // namespace

double roundUpUtilisation(double u) {
    if (!std::isfinite(u))
        return u;
    return std::ceil(u * 1000.0 - 1e-6) / 1000.0;
}

LimitStateResult checkLimitStates(const BayInput& bay, const LimitStateInput& in) {
    LimitStateResult r;
    if (!inputsFinite(bay, in))
        return r;
    const Alloy& alloy = in.alloy ? *in.alloy : defaultAlloy();
    const Strength st = strengthOf(alloy, in.mullion);
    if (!st.ok) {
        r.thicknessOutsideAlloyTable = true;
        return r;
    }
    r.fo_MPa = st.fo;
    r.fu_MPa = st.fu;
    r.profileMassUnknown = !in.mullion.mass_kgm;
    r.valid = true;
    checkMullion(bay, in, alloy, r);
    if (r.checkCount == 0) {
        r.valid = false;
        return r;
    }
    if (in.transom)
        checkTransom(bay, in, alloy, r);
    if (!r.valid)
        return r;
    concludeChecks(r);
    return r;
}

bool restsOnAssumptions(const LimitStateResult& r) {
    for (const AssumptionFlag& a : kAssumptionFlags)
        if (r.*a.flag)
            return true;
    return false;
}

void concludeChecks(LimitStateResult& r) {
    bool all = true;
    for (int k = 0; k < r.checkCount; ++k) {
        const LimitStateCheck& c = r.checks[std::size_t(k)];
        all = all && c.passes;
        if (!std::isfinite(c.utilisation))
            r.valid = false;
        if (r.governing < 0 || c.utilisation > r.checks[std::size_t(r.governing)].utilisation)
            r.governing = k;
    }
    r.verdict = !all                    ? LimitStateVerdict::Fails
                : restsOnAssumptions(r) ? LimitStateVerdict::PassesUnverified
                                        : LimitStateVerdict::Passes;
}

}  // namespace cw
