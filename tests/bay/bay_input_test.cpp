// The wind a button or a band puts in force, worked by hand from q = v² · 483 / 10⁷ (kN/m²,
// v in km/h): 0,8 kN/m² is v = √(0,8 · 10⁷ / 483) = 128,70 km/h; 100 km/h is 0,483 kN/m².

#include "bay/bay_input.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

namespace cw::test {
namespace {

TEST(TakeWind, PutsThePressureInForceOrRefusesTheTypedValue) {
    struct Row {
        const char* name;
        WindSource source;
        std::optional<HeightBand> band;
        const char* pressure;
        const char* speed;
        WindSource taken;  // None: nothing taken
        double pressure_kNm2;
        double speed_kmh;
        std::optional<Field> refused;
    };
    const std::string huge = "1" + std::string(200, '0');
    const Row rows[] = {
        {"band_8_20m",
         WindSource::HeightBand,
         HeightBand::UpTo20m,
         "5",
         "5",
         WindSource::HeightBand,
         0.8,
         128.698,
         {}},
        {"band_up_to_100m",
         WindSource::HeightBand,
         HeightBand::UpTo100m,
         "",
         "",
         WindSource::HeightBand,
         1.2,
         157.622,
         {}},
        {"typed_pressure",
         WindSource::TypedPressure,
         {},
         "0,8",
         "999",
         WindSource::TypedPressure,
         0.8,
         128.698,
         {}},
        {"speed", WindSource::WindSpeed, {}, "7", "100", WindSource::WindSpeed, 0.483, 100, {}},
        {"negative_pressure",
         WindSource::TypedPressure,
         {},
         "-1",
         "",
         WindSource::None,
         0,
         0,
         Field::WindPressure},
        {"speed_not_a_number",
         WindSource::WindSpeed,
         {},
         "1",
         "abc",
         WindSource::None,
         0,
         0,
         Field::WindSpeed},
        {"speed_beyond_a_real_bay",
         WindSource::WindSpeed,
         {},
         "",
         huge.c_str(),
         WindSource::None,
         0,
         0,
         Field::WindSpeed},
        {"no_source", WindSource::None, {}, "1", "100", WindSource::None, 0, 0, {}},
        {"band_source_without_band",
         WindSource::HeightBand,
         {},
         "1",
         "100",
         WindSource::None,
         0,
         0,
         {}},
    };
    const NumberFormat fmt = NumberFormat::fromLocale("el_GR");
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const WindTaken w = takeWind(r.source, r.band, r.pressure, r.speed, fmt, Language::Greek);
        EXPECT_EQ(w.source, r.taken);
        ASSERT_EQ(w.refusal.has_value(), r.refused.has_value());
        if (r.refused) {
            EXPECT_EQ(w.refusal->field, r.refused);
            continue;
        }
        if (r.taken == WindSource::None)
            continue;
        EXPECT_NEAR(w.pressure_kNm2, r.pressure_kNm2, 1e-9);
        EXPECT_NEAR(w.speed_kmh, r.speed_kmh, 5e-4);
    }
}

// How the next run reads the pressure (the typed text again after the pressure button, the
// number after the speed button or a band, with the band's limit beside it) and what the
// fields show: the speed of 0,8 and of 0,5 kN/m2 (128,698 and 101,745 km/h by the formula
// above), and no speed text after the speed button, which leaves the typed speed as it was.
TEST(TakeWind, LeavesThePressureAsTheNextRunReadsIt) {
    struct Row {
        const char* name;
        WindSource source;
        std::optional<HeightBand> band;
        const char* pressure;
        const char* speed;
        WindInput input;
        TaggedValue kept;
        TaggedValue bandLimit;
        const char* pressureInForceText;
        const char* speedText;
    };
    const Row rows[] = {
        {"typed", WindSource::TypedPressure, {}, "0,80", "", WindInput::TypedPressure,
         TaggedValue::text("0,80"), {}, "0,80", "128,70"},
        {"speed", WindSource::WindSpeed, {}, "", "100", WindInput::FromSpeed,
         TaggedValue::real(0.483), {}, "0,483", ""},
        {"band", WindSource::HeightBand, HeightBand::UpTo8m, "", "", WindInput::Taken,
         TaggedValue::real(0.5), TaggedValue::int16(8), "0,5", "101,74"},
    };
    const NumberFormat fmt = NumberFormat::fromLocale("el_GR");
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const WindTaken wind = takeWind(r.source, r.band, r.pressure, r.speed, fmt, Language::Greek);
        EXPECT_EQ(wind.input, r.input);
        EXPECT_EQ(wind.pressure, r.kept);
        EXPECT_EQ(wind.heightBandLimit, r.bandLimit);
        EXPECT_EQ(wind.pressureInForceText, r.pressureInForceText);
        EXPECT_EQ(wind.speedText, r.speedText);
    }
}

}  // namespace
}  // namespace cw::test
