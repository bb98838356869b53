#pragma once

// Cross-section resistance of an aluminium extrusion by EN 1999-1-1: the class of its
// parts from their slenderness (6.1.4), local buckling of class 4 parts (6.1.5), and the
// resistances to bending (6.2.5), shear (6.2.6), bending with shear (6.2.8), axial force
// (6.2.3, 6.2.4) and bending with axial force (6.2.9).

#include "design/alloys.h"

#include <optional>
#include <span>
#include <string_view>

namespace cw {

enum class PartKind { Internal, Outstand };

// One flat part of the section: its flat width b and thickness t, and the stress ratio
// psi = sigma2 / sigma1 across it (1 in uniform compression, -1 a web in pure bending).
struct SectionPart {
    std::string_view name;
    PartKind kind = PartKind::Internal;
    double b_mm = 0.0;
    double t_mm = 0.0;
    double psi = 1.0;
    bool compressionAtToe = false;  // an outstand whose free edge has the peak compression
    bool web = false;               // carries the shear
};

struct PartClass {
    double eta = 1.0;
    double beta = 0.0;  // eta b / t
    double betaOverEps = 0.0;
    int sectionClass = 1;  // 1 to 4
    double rhoC = 1.0;     // local buckling factor, below 1 only in class 4
};

struct SectionClass {
    bool known = false;  // false where no parts were given
    int sectionClass = 0;
    int governingPart = -1;
    double rhoCMin = 1.0;
};

// epsilon = sqrt(250 / f_o), f_o in N/mm2 (6.1.4.4).
double epsilonOf(double fo_MPa);

// 6.1.4.3: eta = 0,70 + 0,30 psi for 1 >= psi >= -1, 0,80 / (1 - psi) below -1; 1 for an
// outstand compressed most at its toe.
double etaOf(const SectionPart& part);

PartClass classifyPart(const SectionPart& part, double fo_MPa, BucklingClass bc);
SectionClass classifySection(std::span<const SectionPart> parts, double fo_MPa, BucklingClass bc);

// 6.1.5 (2): rho_c = C1 / (beta / eps) - C2 / (beta / eps)^2 (Table 6.3), at most 1.
double localBucklingFactor(double betaOverEps, PartKind kind, BucklingClass bc);

struct BendingResistance {
    double alpha = 1.0;
    double MRd_kNm = 0.0;
    bool effectiveModulusEstimated = false;  // class 4 without W_eff: rho_c,min W_el
};

// 6.2.5: M_Rd = alpha W_el f_o / gammaM1. Class 1 and 2: alpha = W_pl / W_el where W_pl is
// known (else 1); class 3: alpha = 1; class 4: alpha = W_eff / W_el, with W_eff estimated
// as rho_c,min W_el where it is not given. sectionClass 0 (unknown) is taken as class 3:
// elastic resistance, assumed.
BendingResistance bendingResistance(int sectionClass, double wel_cm3, std::optional<double> wpl_cm3,
                                    std::optional<double> weff_cm3, double rhoCMin, double fo_MPa,
                                    double gammaM1);

// 6.2.6: V_Rd = A_v f_o / (sqrt(3) gammaM1), kN, A_v in mm2.
double shearResistance_kN(double shearArea_mm2, double fo_MPa, double gammaM1);

// The shear area of the parts marked as webs, sum of b t, mm2; 0 where none is marked.
double webShearArea_mm2(std::span<const SectionPart> parts);

// The largest h_w / t_w of the webs over eps; 6.2.6 holds up to 39 (no shear buckling).
double webSlendernessOverEps(std::span<const SectionPart> parts, double fo_MPa);

// 6.2.8: above V_Ed = V_Rd / 2 the strength is reduced by rho = (2 V_Ed / V_Rd - 1)^2;
// applied to the whole section, which can only understate the resistance.
double shearReducedMomentResistance(double MRd_kNm, double VEd_kN, double VRd_kN);

// 6.2.3: N_t,Rd = min(A f_o / gammaM1, 0,9 A_net f_u / gammaM2), A_net = A (no holes).
double tensionResistance_kN(double area_cm2, double fo_MPa, double fu_MPa, double gammaM1,
                            double gammaM2);

// 6.2.4: N_c,Rd = A_eff f_o / gammaM1 (the section itself; member buckling is not in it).
double compressionResistance_kN(double effectiveArea_cm2, double fo_MPa, double gammaM1);

// The area a section keeps in uniform compression, 6.1.5: each part of class 4 loses
// (1 - rho_c) b t of it; never less than nothing.
double effectiveCompressionArea_cm2(double area_cm2, std::span<const SectionPart> parts,
                                    double fo_MPa, BucklingClass bc);

// 6.2.9 with the exponents taken as 1 (the linear interaction, never less safe than the
// curved ones of (6.62) and (6.63)) and omega0 = 1 (no holes or welds).
double axialBendingUtilisation(double NEd_kN, double NRd_kN, double MEd_kNm, double MRd_kNm);

}  // namespace cw
