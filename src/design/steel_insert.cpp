#include "design/steel_insert.h"

namespace cw {

double steelYieldStrength_Nmm2(SteelGrade grade) {
    switch (grade) {
    case SteelGrade::S235: return 235.0;
    case SteelGrade::S275: return 275.0;
    case SteelGrade::S355: break;
    }
    return 355.0;
}

double effectiveIx_cm4(double aluminiumIx_cm4, double steelIx_cm4) {
    return aluminiumIx_cm4 + steelIx_cm4 * (kSteelModulus_Nmm2 / kAluminiumModulus_Nmm2);
}

CompositeBending shareMoment(double moment_kNcm, double aluminiumIx_cm4,
                             double aluminiumWx_cm3, double aluminiumStrength_Nmm2,
                             const SteelInsert& steel) {
    // Both parts bend to the same curvature, so each carries M E_i I_i / sum(E I).
    const double eiAluminium = kAluminiumModulus_Nmm2 * aluminiumIx_cm4;
    const double eiSteel = kSteelModulus_Nmm2 * steel.ix_cm4;
    const double total = eiAluminium + eiSteel;
    CompositeBending b;
    b.aluminiumMoment_kNcm = moment_kNcm * eiAluminium / total;
    b.steelMoment_kNcm = moment_kNcm * eiSteel / total;
    // kN cm / cm3 = kN/cm2 = 10 N/mm2.
    b.aluminiumStress_Nmm2 = 10.0 * b.aluminiumMoment_kNcm / aluminiumWx_cm3;
    b.steelStress_Nmm2 = 10.0 * b.steelMoment_kNcm / steel.wx_cm3;
    b.aluminiumUtilisation = b.aluminiumStress_Nmm2 / aluminiumStrength_Nmm2;
    b.steelUtilisation =
        b.steelStress_Nmm2 / (steelYieldStrength_Nmm2(steel.grade) / kSteelGammaM0);
    b.passes = b.aluminiumUtilisation <= 1.0 && b.steelUtilisation <= 1.0;
    return b;
}

}  // namespace cw
