#pragma once

#include "bay/fields.h"
#include "bay/number_text.h"
#include "bay/refusal.h"
#include "bay/tagged_value.h"
#include "bay/wind_input.h"
#include "design/bay.h"
#include "design/deflection_criterion.h"
#include "design/wind.h"
#include "text/language.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace cw {

// What NEXT asks for: the bay in numbers, or why it cannot be designed.
struct RunRequest {
    std::optional<Refusal> refusal;
    BayInput bay;
    // Without a static system the run only echoes its inputs.
    bool systemChosen = false;
};

// What a run reads, wherever the bay comes from (the window's fields or a bay document):
// the texts of the input fields as typed, the choices, and the pressure in force as the
// wind buttons left it. The texts are views into their owner.
struct RunInputs {
    const NumberFormat* fmt = nullptr;
    Language language = Language::Greek;
    std::optional<Series> series;
    std::optional<StaticSystem> system;
    // By Field, from GridWidthA1 to Slope.
    std::array<std::string_view, kInputFieldCount> texts{};
    std::optional<WindInput> windInput;
    TaggedValue windPressure;
    TaggedValue heightBandLimit;
    WindSource windSource = WindSource::None;
    DeflectionCriterion criterion = DeflectionCriterion::En13830_2003;

    std::string_view text(Field f) const { return texts[static_cast<std::size_t>(f)]; }
    std::optional<double> num(Field f) const { return parseNumber(text(f), *fmt); }
};

// Reads and checks the inputs for a run, in the order the user meets the fields; the first
// that fails is the one reported.
RunRequest readRun(const RunInputs& in);

// What the pressure button, the speed button or a height band takes: the pressure in force
// and how the next run reads it, or the refusal of the typed value. Nothing is taken without
// a source (or a band without its band).
struct WindTaken {
    std::optional<Refusal> refusal;
    WindSource source = WindSource::None;
    WindInput input = WindInput::Taken;
    TaggedValue pressure;         // kN/m2: the typed text after the pressure button
    TaggedValue heightBandLimit;  // m, after a band only
    double pressure_kNm2 = 0;
    double speed_kmh = 0;
    // As their fields show them once taken: the pressure in force (the typed text again
    // after the pressure button) and the wind speed (left as typed after the speed button).
    std::string pressureInForceText;
    std::string speedText;
};
WindTaken takeWind(WindSource source, std::optional<HeightBand> band,
                   std::string_view typedPressure, std::string_view typedSpeed,
                   const NumberFormat& fmt, Language language);
}  // namespace cw
