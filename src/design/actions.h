#pragma once

// Actions on a bay and their combinations for the limit-state basis: EN 1990 6.10 with the
// partial factors a national annex may change, snow on sloped glazing by EN 1991-1-3 and
// the dead load of the glass.

#include <span>

namespace cw {

// The recommended values of EN 1990 Table A1.2(B) and EN 1999-1-1 6.1.3; every one may be
// replaced as a national annex would.
struct PartialFactors {
    double gammaM1 = 1.10;      // resistance of cross-sections
    double gammaM2 = 1.25;      // resistance of net sections to fracture
    double gammaGUnfav = 1.35;  // permanent action, unfavourable
    double gammaGFav = 1.00;    // permanent action, favourable
    double gammaQ = 1.50;       // variable action
    double psi0Wind = 0.6;      // wind accompanying
    double psi0Snow = 0.5;      // snow accompanying (sites at most 1000 m above sea level)
    bool operator==(const PartialFactors&) const = default;
};

enum class CombinationId {
    WindPressure,     // gammaG,sup G + gammaQ W
    WindSuction,      // gammaG,inf G - gammaQ W
    SnowLeading,      // gammaG,sup G + gammaQ S + gammaQ psi0,w W
    WindLeadingSnow,  // gammaG,sup G + gammaQ W + gammaQ psi0,s S
    CharPressure,     // G + W (+ S): deflection
    CharSuction,      // G - W: deflection under suction, anchor forces
    CharDead,         // G alone: the glass on a transom's setting blocks (never in the list)
};

// Factors of one combination on the characteristic actions. Wind is signed: positive is
// pressure, negative suction, on the same magnitude of the run's pressure.
struct Combination {
    CombinationId id;
    double dead;
    double wind;
    double snow;
    bool ultimate;
};

// The combinations to check: the two wind cases and the two characteristic ones always, the
// two snow cases only where there is snow. At most six; the span views `storage`.
std::span<const Combination> combinations(const PartialFactors& f, bool withSnow,
                                          Combination (&storage)[6]);

// EN 1991-1-3 Table 5.2: the roof shape coefficient mu1 of a monopitch roof by its pitch.
double snowShapeMu1(double slope_deg);

// EN 1991-1-3 5.2 (3)P a): s = mu1 Ce Ct sk, kN/m2 on the horizontal projection.
double snowLoad_kNm2(double sk_kNm2, double slope_deg, double Ce = 1.0, double Ct = 1.0);

// The unit weight of glass, kN/m3 (EN 1991-1-1 Table A.4; EN 572-1 2500 kg/m3).
inline constexpr double kGlassUnitWeight_kNm3 = 25.0;

// The dead load of a pane per its area, kN/m2.
double glassDeadLoad_kNm2(double thickness_mm);

}  // namespace cw
