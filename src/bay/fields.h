#pragma once

#include <cstddef>

namespace cw {

// The fields of a bay by what they hold: what the engineer types and what a run writes. The
// window shows each in a text box of its own (model/field_controls.h).
enum class Field {
    // What the engineer types.
    GridWidthA1,                // cm
    GridWidthA2,                // cm
    SpanL1,                     // cm
    SpanL2,                     // cm, two spans
    GlazingHeightH1,            // cm, below the transom
    GlazingHeightH2,            // cm, above the transom
    WindPressure,               // kN/m2, typed
    WindSpeed,                  // km/h
    GlassThickness,             // mm
    Divisor,                    // d of the limit L / d
    AllowableDeflection,        // f, mm
    AllowableDeflectionCapped,  // f at most 15 mm, shown beside f
    StructureWeight,            // kN/m2, sloped glazing
    SnowHeight,                 // cm, sloped glazing
    Slope,                      // degrees, sloped glazing
    // What a run writes.
    LoadWidth,        // b, cm
    PressureInForce,  // kN/m2
    RequiredMullionJx,
    SuggestedMullion,
    RequiredWx,
    SuggestedTransom,
    RequiredTransomJx,
    RequiredTransomJy,
    MullionDeflection,
    AllowableDeflectionCopy,  // working copy, never shown
    SuggestedIx,
    StressRatio,  // working value, never shown
    DesignedDeflectionLimit,
    RequiredMoment,
    SuggestedWx,
    MullionStress,
    EchoL1,
    EchoL2,
    EchoA1,
    EchoA2,
    EchoPressure,
    EchoWindSpeed,
    EchoHeightBand,
    EchoAllowableDeflection,
    EchoH2,
    EchoH1,
    EchoDivisor,
};

// The fields a user types, GridWidthA1 to Slope, come first.
inline constexpr std::size_t kInputFieldCount = static_cast<std::size_t>(Field::Slope) + 1;
inline constexpr std::size_t kFieldCount = static_cast<std::size_t>(Field::EchoDivisor) + 1;

}  // namespace cw
