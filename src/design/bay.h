#pragma once

#include "design/catalogue.h"
#include "design/deflection_criterion.h"
#include "design/steel_insert.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace cw {

enum class StaticSystem { OneSpan, FixedEnds, TwoSpans };

// The calculation case the spans give. Terrax has no fixed-ends case.
enum class SpanCase {
    OneSpan,        // simple support - rolling support
    FixedEnds,      // fixed at both ends
    EqualSpans,     // two continuous spans, L2 = L1
    UnequalSpans,   // two spans, 0.2 <= L2 / L1 < 1
    ShortUpperSpan  // two spans, L2 / L1 < 0.2
};

// Where the wind pressure in force came from.
enum class WindSource { None, HeightBand, TypedPressure, WindSpeed };

// One bay as the engineer describes it. Lengths in cm, pressures in kN/m2.
struct BayInput {
    // The series chosen; the design itself reads the catalogue it is given.
    Series series = Series::Veltra;
    StaticSystem system = StaticSystem::OneSpan;
    double gridWidthA1_cm = 0.0;
    double gridWidthA2_cm = 0.0;
    double spanL1_cm = 0.0;
    double spanL2_cm = 0.0;  // two spans only
    double glazingHeightH1_cm = 0.0;
    double glazingHeightH2_cm = 0.0;
    double glassThickness_mm = 0.0;
    double windPressure_kNm2 = 0.0;
    // The pressure as the window's pressure field shows it, which the check of the suggested
    // mullion reads; the same number unless the window rounds it for showing.
    std::optional<double> windPressureShown_kNm2;
    WindSource windSource = WindSource::None;
    std::int16_t divisor = 200;  // the deflection limit L / d
    double allowableDeflection_mm = 15.0;
    // EN 13830:2003 bounds the deflection by L / d and f (at most 15 mm); EN 13830:2015+A1 by
    // the span alone, in every case.
    DeflectionCriterion criterion = DeflectionCriterion::En13830_2003;
    // Sloped glazing (Terrax, one span).
    double structureWeight_kNm2 = 0.0;
    double snowHeight_cm = 0.0;
    double slope_deg = 0.0;
};

// The sloped-glazing load of a Terrax one-span bay, term by term, kN/m2.
struct SlopedGlazingLoad {
    double glass_kNm2 = 0.0;
    double snow_kNm2 = 0.0;
    double structure_kNm2 = 0.0;
    double wind_kNm2 = 0.0;
    double total_kNm2 = 0.0;
};

// The suggested mullion and its check. The check of the section reads the values the panel
// shows (two decimals) where one step follows another, as an engineer checking by hand would.
struct MullionCheck {
    std::string_view code;
    std::int32_t ix_mm4 = 0;
    double fibre_mm = 0.0;  // neutral axis to the extreme fibre
    double ix_cm4 = 0.0;
    // Under the load the mullion was designed for (the wind pressure shown; the sloped-glazing
    // sum for a Terrax one-span bay), simple-span formula of the case.
    double deflection_mm = 0.0;
    double stressRatio = 0.0;   // sigma / 160 N/mm2 under q L1^2 / 8, the same load
    double wx_cm3 = 0.0;        // Ix (as shown) / e
    double stress_kNcm2 = 0.0;  // M (as shown) / Wx (as shown)
    // Utilisations and verdicts, from the values as shown: at most 1 passes.
    double stressUtilisation = 0.0;      // sigma / 9.5 kN/cm2
    double deflectionUtilisation = 0.0;  // deflection / the designed limit
    bool stressPasses = false;
    bool deflectionPasses = false;
    // A row with a steel insert is checked as it was selected: ix_cm4 is then the effective
    // Ix (the deflection's stiffness), the aluminium carries its E I share of the moment and
    // the insert the rest, each against its own strength; stressPasses needs both.
    struct Insert {
        SteelInsert steel;
        double aluminiumIx_cm4 = 0.0;
        CompositeBending bending;
    };
    std::optional<Insert> insert;
};

// The band of required transom Jx that selected a transom row, cm4: lower < J <= upper.
struct TransomBand {
    double lower_cm4 = 0.0;
    double upper_cm4 = 0.0;
};

struct BayDesign {
    SpanCase spanCase = SpanCase::OneSpan;
    double loadWidth_cm = 0.0;    // b = A1/2 + A2/2, as the panel shows it
    double transomSpan_cm = 0.0;  // the wider grid width
    double glassWeight_kgm2 = 0.0;
    double designPressure_kNm2 = 0.0;  // p of the mullion's formulas
    std::optional<SlopedGlazingLoad> slopedGlazing;
    std::optional<double> lineLoad_kNcm;  // q = b p / 10000, where the case keeps it
    double totalLength_cm = 0.0;          // L1 + L2

    // Deflection limits. The limits the window keeps are not formed by every case (Terrax's
    // unequal-span blocks choose the rule from L1 / d directly).
    bool limitsKept = false;
    float spanL1Single_cm = 0.0F;      // L1 shown, in single precision
    float ratioLimitSingle_cm = 0.0F;  // L1 / d in single precision
    double absoluteLimit_cm = 0.0;     // f / 10 as the case forms it
    bool absoluteLimitCapped = false;  // replaced by 1.5 cm
    DeflectionRule rule = DeflectionRule::Cap15mm;
    double allowableLimit_cm = 0.0;  // min(f / 10, 1.5), or the span's limit under 2015
    std::optional<DeflectionRule> limitRule2015;  // the rule of the span's limit under 2015
    double designedLimit_mm = 0.0;                // the limit the mullion was designed for

    double requiredMullionJx_cm4 = 0.0;
    double requiredTransomJx_cm4 = 0.0;
    double requiredTransomJy_cm4 = 0.0;
    double requiredMoment_kNcm = 0.0;  // M = p b L1^2 / 80000
    double requiredWx_cm3 = 0.0;       // shown M / 9.5

    // The suggestions refer to the codes of the catalogue designed with.
    std::optional<MullionCheck> mullion;
    std::optional<std::string_view> transom;
    std::optional<TransomBand> transomBand;  // the band of the row that gave the transom

    // False when any number the design would show or keep is not finite.
    bool finite = true;
};

// The allowable bending stress of the profiles' aluminium, kN/cm2.
inline constexpr double kAllowableStress_kNcm2 = 9.5;
// The absolute cap on the mullion's deflection, cm: EN 13830's 15 mm, whatever f is typed.
inline constexpr double kDeflectionCap_cm = kDeflectionCap2003_mm / 10.0;
// The modulus of elasticity of aluminium, kN/cm2.
inline constexpr double kElasticModulus_kNcm2 = 7000.0;

// The load width b = A1/2 + A2/2 as the panel shows it, cm; every later step reads that.
double loadWidthOf(double gridWidthA1_cm, double gridWidthA2_cm);

// The span and the ratio limit L1 / d as the window keeps them: L1 as shown (two decimals)
// in single precision, and the ratio divided in single precision.
struct KeptSpanLimits {
    float spanL1Single_cm;
    float ratioLimitSingle_cm;
};
KeptSpanLimits keptSpanLimits(double spanL1_cm, std::int16_t divisor);

// The case the spans of a two-span bay give; the other systems have one case each.
SpanCase spanCaseOf(StaticSystem system, double spanL1_cm, double spanL2_cm);

// The whole design of one bay with the profiles of a catalogue, designed as its use says:
// pure, no locale, no texts.
BayDesign designBay(const BayInput& in, const Catalogue& catalogue);

}  // namespace cw
