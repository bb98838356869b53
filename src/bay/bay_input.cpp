// The inputs of a run, as typed, checked and read into the bay a run designs.

#include "bay/bay_input.h"

#include "bay/field_rules.h"

#include <algorithm>
#include <cmath>

namespace cw {

RunRequest readRun(const RunInputs& w) {
    RunRequest run;
    const Language language = w.language;
    const NumberFormat& fmt = *w.fmt;
    // Each text is read once: the check and the bay take the same number.
    std::array<double, kInputFieldCount> value{};
    const auto need = [&](Field field, Bound bound) {
        const std::optional<double> x = w.num(field);
        if (x)
            value[static_cast<std::size_t>(field)] = *x;
        return checkValue({field, bound, true}, w.text(field), x, fmt, language);
    };
    const auto num = [&](Field field) { return value[static_cast<std::size_t>(field)]; };
    const auto refuse = [&](Refusal r) {
        run.refusal = std::move(r);
        return run;
    };
    BayInput& in = run.bay;

    if (auto r = checkDivisor(w.text(Field::Divisor), fmt, language))
        return refuse(*r);
    for (const auto& [field, bound] : {std::pair{Field::GlassThickness, Bound::NonNegative},
                                       {Field::GridWidthA1, Bound::NonNegative},
                                       {Field::GridWidthA2, Bound::NonNegative}})
        if (auto r = need(field, bound))
            return refuse(*r);
    in.divisor = *toInt16(*w.num(Field::Divisor));
    in.glassThickness_mm = num(Field::GlassThickness);
    in.gridWidthA1_cm = num(Field::GridWidthA1);
    in.gridWidthA2_cm = num(Field::GridWidthA2);
    if (!std::isfinite(in.glassThickness_mm * 2.5))
        return refuse(tooLarge(Field::GlassThickness, language));
    const double b = loadWidthOf(in.gridWidthA1_cm, in.gridWidthA2_cm);
    if (!std::isfinite(b))
        return refuse(tooLarge(Field::GridWidthA1, language));
    if (!(b > 0))
        return refuse(noLoadWidth(language));

    in.series = w.series.value_or(Series::Veltra);
    const bool terrax = in.series == Series::Terrax;
    const std::optional<StaticSystem> system = w.system;
    // The fixed-ends system is not offered for Terrax; its run then stops after the echoes.
    run.systemChosen = system && !(terrax && *system == StaticSystem::FixedEnds);
    if (!run.systemChosen)
        return run;
    in.system = *system;

    for (const auto& [field, bound] : {std::pair{Field::SpanL1, Bound::Positive},
                                       {Field::GlazingHeightH1, Bound::NonNegative},
                                       {Field::GlazingHeightH2, Bound::Positive},
                                       // No section has a zero deflection.
                                       {Field::AllowableDeflection, Bound::Positive}})
        if (auto r = need(field, bound))
            return refuse(*r);
    in.spanL1_cm = num(Field::SpanL1);
    in.glazingHeightH1_cm = num(Field::GlazingHeightH1);
    in.glazingHeightH2_cm = num(Field::GlazingHeightH2);
    in.allowableDeflection_mm = num(Field::AllowableDeflection);

    // The pressure the run will take: the pressure field again after the pressure button.
    std::string pressureText;
    if (w.windInput == WindInput::TypedPressure) {
        if (auto r = need(Field::WindPressure, Bound::NonNegative))
            return refuse(*r);
        pressureText = w.text(Field::WindPressure);
        in.windPressure_kNm2 = num(Field::WindPressure);
    } else {
        const std::optional<double> p = w.windPressure.toNumber(fmt);
        if (w.windPressure.isEmpty() || !p || *p < 0)
            return refuse(noWindLoad(language));
        pressureText = w.windPressure.toText(fmt);
        in.windPressure_kNm2 = *p;
    }
    // The check of the suggestion reads the pressure as its field shows it.
    in.windPressureShown_kNm2 = parseNumber(pressureText, fmt).value_or(in.windPressure_kNm2);
    in.windSource = w.windSource;
    in.criterion = w.criterion;
    if (in.windPressure_kNm2 > kMaxWindPressure_kNm2)
        return refuse(windPressureTooHigh(language));

    if (in.system == StaticSystem::TwoSpans) {
        if (auto r = need(Field::SpanL2, Bound::NonNegative))
            return refuse(*r);
        in.spanL2_cm = num(Field::SpanL2);
        if (in.spanL2_cm > in.spanL1_cm)
            return refuse(
                secondSpanTooLong(w.text(Field::SpanL2), w.text(Field::SpanL1), language));
    }

    if (terrax && in.system == StaticSystem::OneSpan) {
        for (const auto& [field, bound] : {std::pair{Field::StructureWeight, Bound::NonNegative},
                                           {Field::SnowHeight, Bound::NonNegative},
                                           {Field::Slope, Bound::Angle}})
            if (auto r = need(field, bound))
                return refuse(*r);
        in.structureWeight_kNm2 = num(Field::StructureWeight);
        in.snowHeight_cm = num(Field::SnowHeight);
        in.slope_deg = num(Field::Slope);
    }
    return run;
}

WindTaken takeWind(WindSource source, std::optional<HeightBand> band,
                   std::string_view typedPressure, std::string_view typedSpeed,
                   const NumberFormat& fmt, Language language) {
    WindTaken out;
    if (source == WindSource::HeightBand) {
        if (!band)
            return out;
        const HeightBandLoad load = heightBandLoad(*band);
        out.source = source;
        out.input = WindInput::Taken;
        out.pressure_kNm2 = load.pressure_kNm2;
        out.speed_kmh = windSpeedOfPressure(load.pressure_kNm2);
        out.pressure = TaggedValue::real(load.pressure_kNm2);
        out.heightBandLimit = TaggedValue::int16(load.upperLimit_m);
        out.pressureInForceText = plainText(out.pressure_kNm2, fmt);
        out.speedText = fixedText(out.speed_kmh, fmt);
        return out;
    }
    const bool typed = source == WindSource::TypedPressure;
    if (!typed && source != WindSource::WindSpeed)
        return out;
    const Field field = typed ? Field::WindPressure : Field::WindSpeed;
    const std::string_view text = typed ? typedPressure : typedSpeed;
    const std::optional<double> value = parseNumber(text, fmt);
    if (auto refusal = checkValue({field, Bound::NonNegative, true}, text, value, fmt, language)) {
        out.refusal = std::move(refusal);
        return out;
    }
    if (typed) {
        out.pressure_kNm2 = *value;
        out.speed_kmh = windSpeedOfPressure(*value);
        out.input = WindInput::TypedPressure;
        out.pressure = TaggedValue::text(std::string(text));
    } else {
        out.speed_kmh = *value;
        out.pressure_kNm2 = pressureOfWindSpeed(*value);
        out.input = WindInput::FromSpeed;
        out.pressure = TaggedValue::real(out.pressure_kNm2);
    }
    if (!std::isfinite(typed ? out.speed_kmh : out.pressure_kNm2)) {
        out.refusal = tooLarge(field, language);
        return out;
    }
    out.source = source;
    if (typed) {
        out.pressureInForceText = std::string(text);
        out.speedText = fixedText(out.speed_kmh, fmt);
    } else {
        out.pressureInForceText = plainText(out.pressure_kNm2, fmt);
    }
    return out;
}

}  // namespace cw
