#include "design/section_resistance.h"

#include <algorithm>
#include <cmath>

namespace cw {
namespace {

// EN 1999-1-1 Table 6.2, parts without welds (extrusions): beta1/eps, beta2/eps, beta3/eps.
// Class A is confirmed by TALAT 2301 example 9.2 (11 and 16 for internal parts); the class B
// row is that of the printed table as we know it and wants checking against it.
struct Limits {
    double b1, b2, b3;
};
constexpr Limits kLimits[2][2] = {
    // buckling class A: outstand, internal
    {{3.0, 4.5, 6.0}, {11.0, 16.0, 22.0}},
    // buckling class B: outstand, internal
    {{3.5, 4.5, 5.0}, {13.0, 16.5, 18.0}},
};

// EN 1999-1-1 Table 6.3, parts without welds: C1, C2.
struct Constants {
    double c1, c2;
};
constexpr Constants kRho[2][2] = {
    {{10.0, 24.0}, {32.0, 220.0}},  // class A: outstand, internal
    {{9.0, 20.0}, {29.0, 198.0}},   // class B: outstand, internal
};

int index(BucklingClass bc) {
    return bc == BucklingClass::A ? 0 : 1;
}
int index(PartKind k) {
    return k == PartKind::Outstand ? 0 : 1;
}

}  // namespace

double epsilonOf(double fo_MPa) {
    return std::sqrt(250.0 / fo_MPa);
}

double etaOf(const SectionPart& part) {
    if (part.kind == PartKind::Outstand && part.compressionAtToe)
        return 1.0;
    const double psi = std::min(part.psi, 1.0);
    return psi >= -1.0 ? 0.70 + 0.30 * psi : 0.80 / (1.0 - psi);
}

double localBucklingFactor(double betaOverEps, PartKind kind, BucklingClass bc) {
    const Limits& l = kLimits[index(bc)][index(kind)];
    if (betaOverEps <= l.b3)
        return 1.0;
    const Constants& c = kRho[index(bc)][index(kind)];
    return std::min(1.0, c.c1 / betaOverEps - c.c2 / (betaOverEps * betaOverEps));
}

PartClass classifyPart(const SectionPart& part, double fo_MPa, BucklingClass bc) {
    PartClass r;
    r.eta = etaOf(part);
    r.beta = r.eta * part.b_mm / part.t_mm;
    r.betaOverEps = r.beta / epsilonOf(fo_MPa);
    const Limits& l = kLimits[index(bc)][index(part.kind)];
    // A part at a limit is in the better class ("beta <= beta1": class 1).
    r.sectionClass = r.betaOverEps <= l.b1   ? 1
                     : r.betaOverEps <= l.b2 ? 2
                     : r.betaOverEps <= l.b3 ? 3
                                             : 4;
    r.rhoC = localBucklingFactor(r.betaOverEps, part.kind, bc);
    return r;
}

SectionClass classifySection(std::span<const SectionPart> parts, double fo_MPa, BucklingClass bc) {
    SectionClass s;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const PartClass p = classifyPart(parts[i], fo_MPa, bc);
        s.known = true;
        if (p.sectionClass > s.sectionClass) {
            s.sectionClass = p.sectionClass;
            s.governingPart = static_cast<int>(i);
        }
        s.rhoCMin = std::min(s.rhoCMin, p.rhoC);
    }
    return s;
}

BendingResistance bendingResistance(int sectionClass, double wel_cm3, std::optional<double> wpl_cm3,
                                    std::optional<double> weff_cm3, double rhoCMin, double fo_MPa,
                                    double gammaM1) {
    BendingResistance r;
    if ((sectionClass == 1 || sectionClass == 2) && wpl_cm3 && *wpl_cm3 > 0.0)
        r.alpha = *wpl_cm3 / wel_cm3;
    else if (sectionClass == 4) {
        r.effectiveModulusEstimated = !weff_cm3;
        r.alpha = weff_cm3 ? std::min(*weff_cm3 / wel_cm3, 1.0) : rhoCMin;
    }
    // cm3 x N/mm2 = 1000 Nmm; / 1e6 to kNm.
    r.MRd_kNm = r.alpha * wel_cm3 * 1000.0 * fo_MPa / gammaM1 / 1.0e6;
    return r;
}

double shearResistance_kN(double shearArea_mm2, double fo_MPa, double gammaM1) {
    return shearArea_mm2 * fo_MPa / (std::sqrt(3.0) * gammaM1) / 1000.0;
}

double webShearArea_mm2(std::span<const SectionPart> parts) {
    double a = 0.0;
    for (const SectionPart& p : parts)
        if (p.web)
            a += p.b_mm * p.t_mm;
    return a;
}

double webSlendernessOverEps(std::span<const SectionPart> parts, double fo_MPa) {
    double worst = 0.0;
    for (const SectionPart& p : parts)
        if (p.web)
            worst = std::max(worst, p.b_mm / p.t_mm);
    return worst / epsilonOf(fo_MPa);
}

double shearReducedMomentResistance(double MRd_kNm, double VEd_kN, double VRd_kN) {
    const double v = std::abs(VEd_kN) / VRd_kN;
    if (v <= 0.5)
        return MRd_kNm;
    const double rho = (2.0 * v - 1.0) * (2.0 * v - 1.0);
    return MRd_kNm * std::max(0.0, 1.0 - rho);
}

double tensionResistance_kN(double area_cm2, double fo_MPa, double fu_MPa, double gammaM1,
                            double gammaM2) {
    const double A = area_cm2 * 100.0;
    return std::min(A * fo_MPa / gammaM1, 0.9 * A * fu_MPa / gammaM2) / 1000.0;
}

double effectiveCompressionArea_cm2(double area_cm2, std::span<const SectionPart> parts,
                                    double fo_MPa, BucklingClass bc) {
    double lost_mm2 = 0.0;
    for (SectionPart p : parts) {
        p.psi = 1.0;
        lost_mm2 += (1.0 - classifyPart(p, fo_MPa, bc).rhoC) * p.b_mm * p.t_mm;
    }
    return std::max(area_cm2 - lost_mm2 / 100.0, 0.0);
}

double compressionResistance_kN(double effectiveArea_cm2, double fo_MPa, double gammaM1) {
    return effectiveArea_cm2 * 100.0 * fo_MPa / gammaM1 / 1000.0;
}

double axialBendingUtilisation(double NEd_kN, double NRd_kN, double MEd_kNm, double MRd_kNm) {
    return std::abs(NEd_kN) / NRd_kN + std::abs(MEd_kNm) / MRd_kNm;
}

}  // namespace cw
