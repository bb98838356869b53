#pragma once

#include "design/catalogue.h"
#include "design/number_text.h"
#include "design/tagged_value.h"
#include "design/wind.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace cw {

// The calculation case of a run. For the Terrax series E, U and R are its two-span blocks
// (equal spans, L2/L1 >= 0.2, L2/L1 < 0.2) and F does not occur.
enum class DesignCase { S, F, E, U, R };

// Everything a design run reads, already converted from the window's texts. Several values
// pass through a text in the window (b through Text1, the pressure through Text3), and that
// rounding is part of the result, so these hold the values read back from those texts.
struct DesignInputs {
    Series series = Series::Veltra;
    DesignCase designCase = DesignCase::S;
    std::int16_t d = 200;               // deflection divisor
    double glassWeight = 0.0;           // kg/m2
    double b = 0.0;                     // load width, cm, as read back from Text1
    double transomSpan = 0.0;           // max(A1, A2), cm: the wider bay's transom governs
    double L1 = 0.0;                    // cm
    double L2 = 0.0;                    // cm, two spans only
    double H1 = 0.0;                    // cm
    double H2 = 0.0;                    // cm
    double p = 0.0;                     // wind pressure in force, kN/m2
    double w = 0.0;                     // the pressure as read back from Text3, kN/m2
    double allowedDeflection_mm = 0.0;  // Text38
    // Sloped glazing (Terrax, one span).
    double glassThickness_mm = 0.0;
    double snowHeight_cm = 0.0;
    double structureWeight_kNm2 = 0.0;
    double slope_deg = 0.0;
};

struct DesignResult {
    // Deflection limits. Not computed by the Terrax two-span blocks U and R.
    bool limitsComputed = false;
    float mullionLengthSingle = 0.0F;
    std::string ratioLimit;          // cm, "fixed" text
    TaggedValue absoluteLimit;       // cm, "fixed" text or the number 1.5
    bool ratioGoverns = false;       // the L/d limit governs rather than 1.5 cm
    std::optional<double> lineLoad;  // kN/cm, where the case stores it
    double designPressure = 0.0;     // p of the formulas (the sloped-glazing sum in Terrax S)

    double requiredMullionJx = 0.0;
    double requiredTransomJx = 0.0;
    double requiredTransomJy = 0.0;
    std::string text5;   // required mullion Jx
    std::string text15;  // required transom Jx
    std::string text17;  // required transom Jy
    // The deflection limit the mullion was designed for, mm, as "fixed" text: L1 / d in the
    // ratio branch, min(f, 15 mm) in the other.
    double designedLimit_mm = 0.0;
    std::string designedLimitText;

    std::optional<MullionRow> mullion;
    std::optional<std::string_view> transom;
    std::string text18;  // deflection of the suggested mullion, mm
    std::string text20;  // its Ix, cm4
    std::string text21;  // its stress ratio sigma / 160

    std::string text25;  // required moment, kNcm
    std::string text9;   // required Wx, cm3
    std::string text35;  // Wx of the suggested mullion, cm3
    std::string text36;  // its stress, kN/cm2

    // False when any number the run would show or keep is not finite; such a run is refused.
    bool finite = true;
};

// The Veltra and Korin, Dalvo design run (cases S, F, E, U, R).
DesignResult designMullionTransom(const DesignInputs& in, const NumberFormat& fmt);

// The Terrax design run (blocks S, E = equal spans, U, R).
DesignResult designTProfile(const DesignInputs& in, const NumberFormat& fmt);

// The deflection limits a run keeps: L1 rounded to two decimals in single precision, L1 / d
// divided in single precision as two-decimal text, and f / 10 cm as two-decimal text.
float mullionLengthSingle(double L1, const NumberFormat& fmt);
std::string ratioLimitText(float mullionLength, std::int16_t d, const NumberFormat& fmt);
std::string absoluteLimitText(double allowed_mm, const NumberFormat& fmt);

// Load width b = A1/2 + A2/2 as written to Text1 and read back.
double loadWidthThroughText(double a1, double a2, const NumberFormat& fmt);

}  // namespace cw
