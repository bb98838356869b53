#pragma once

#include "design/catalogue.h"

namespace cw {

// Moduli of elasticity, N/mm2: structural steel (EN 1993-1-1, 3.2.6) and aluminium
// (EN 1999-1-1, 3.2.5).
inline constexpr double kSteelModulus_Nmm2 = 210000.0;
inline constexpr double kAluminiumModulus_Nmm2 = 70000.0;
// The partial factor for the resistance of steel cross-sections (EN 1993-1-1, 6.1).
inline constexpr double kSteelGammaM0 = 1.0;

// f_y for nominal thicknesses t <= 40 mm (EN 1993-1-1, Table 3.1).
double steelYieldStrength_Nmm2(SteelGrade grade);

// The bending stiffness of aluminium and steel acting together, as an aluminium Ix:
// I_al + I_st E_st / E_al.
double effectiveIx_cm4(double aluminiumIx_cm4, double steelIx_cm4);

// The moment shared between the profile and its insert in proportion to E I, and each part's
// stress against its own strength.
struct CompositeBending {
    double aluminiumMoment_kNcm = 0.0;
    double steelMoment_kNcm = 0.0;
    double aluminiumStress_Nmm2 = 0.0;
    double steelStress_Nmm2 = 0.0;
    double aluminiumUtilisation = 0.0;  // against the aluminium strength given
    double steelUtilisation = 0.0;      // against f_y / gamma_M0
    bool passes = false;                // both at most 1
};

CompositeBending shareMoment(double moment_kNcm, double aluminiumIx_cm4,
                             double aluminiumWx_cm3, double aluminiumStrength_Nmm2,
                             const SteelInsert& steel);

}  // namespace cw
