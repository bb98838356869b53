#include "bay/run_texts.h"

#include "design/wind.h"
#include "text/messages.h"

#include <cmath>

namespace cw {

std::optional<std::string_view> cappedDeflectionText(std::string_view typed,
                                                     const NumberFormat& fmt) {
    const std::optional<double> f = parseNumber(typed, fmt);
    if (!f)
        return std::nullopt;
    // The design's own cap, as the panel writes it.
    return *f < kDeflectionCap_cm * 10.0 ? typed : std::string_view("15");
}

std::string windSpeedText(std::string_view pressure, const NumberFormat& fmt) {
    const std::optional<double> p = parseNumber(pressure, fmt);
    const double speed = p && *p >= 0 ? windSpeedOfPressure(*p) : std::nan("");
    return std::isfinite(speed) ? fixedText(speed, fmt) : std::string();
}

void echoTexts(const RunInputs& in, const RunRequest& run, RunTexts& out) {
    const NumberFormat& fmt = *in.fmt;
    out[Field::LoadWidth] =
        plainText(run.bay.gridWidthA1_cm / 2.0 + run.bay.gridWidthA2_cm / 2.0, fmt);
    out[Field::EchoL1] = in.text(Field::SpanL1);
    // Echoes show what the run used: L2 only in a two-span run, the height band only while
    // the pressure in force came from it.
    const bool twoSpans = run.systemChosen && run.bay.system == StaticSystem::TwoSpans;
    out[Field::EchoL2] = twoSpans ? in.text(Field::SpanL2) : std::string_view();
    out[Field::EchoA1] = in.text(Field::GridWidthA1);
    out[Field::EchoA2] = in.text(Field::GridWidthA2);
    out[Field::EchoHeightBand] =
        in.windSource == WindSource::HeightBand ? in.heightBandLimit.toText(fmt) : std::string();
    out[Field::EchoH2] = in.text(Field::GlazingHeightH2);
    out[Field::EchoH1] = in.text(Field::GlazingHeightH1);
}

void designTexts(const RunInputs& in, const RunRequest& run, const BayDesign& d, RunTexts& out) {
    echoTexts(in, run, out);
    const NumberFormat& fmt = *in.fmt;
    // The pressure in force as its field will show it: the typed text again after the
    // pressure button.
    std::string& pressure = out[Field::PressureInForce];
    pressure = in.windInput == WindInput::TypedPressure ? std::string(in.text(Field::WindPressure))
                                                        : in.windPressure.toText(fmt);
    out[Field::EchoPressure] = fixedTextOf(pressure, fmt);
    out[Field::EchoWindSpeed] = windSpeedText(pressure, fmt);
    out[Field::EchoDivisor] = in.text(Field::Divisor);
    out[Field::RequiredMullionJx] = fixedText(d.requiredMullionJx_cm4, fmt);
    out[Field::AllowableDeflectionCopy] = in.text(Field::AllowableDeflectionCapped);
    out[Field::DesignedDeflectionLimit] = fixedText(d.designedLimit_mm, fmt);
    out[Field::EchoAllowableDeflection] = in.text(Field::AllowableDeflectionCapped);
    out[Field::RequiredTransomJx] = fixedText(d.requiredTransomJx_cm4, fmt);
    out[Field::RequiredTransomJy] = fixedText(d.requiredTransomJy_cm4, fmt);
    out[Field::SuggestedTransom] =
        d.transom ? std::string(*d.transom) : say(Message::NoTransomFits, in.language);
    out[Field::RequiredMoment] = fixedText(d.requiredMoment_kNcm, fmt);
    out[Field::RequiredWx] = fixedText(d.requiredWx_cm3, fmt);
    // No result of an earlier run may be shown or exported with this one.
    for (Field f : {Field::SuggestedMullion, Field::MullionDeflection, Field::SuggestedIx,
                    Field::StressRatio, Field::SuggestedWx, Field::MullionStress})
        out[f].clear();
    if (const auto& m = d.mullion) {
        out[Field::SuggestedMullion] = m->code;
        out[Field::MullionDeflection] = fixedText(m->deflection_mm, fmt);
        out[Field::SuggestedIx] = plainText(m->ix_cm4, fmt);
        out[Field::StressRatio] = plainText(m->stressRatio, fmt);
        out[Field::SuggestedWx] = fixedText(m->wx_cm3, fmt);
        out[Field::MullionStress] = fixedText(m->stress_kNcm2, fmt);
    }
}

}  // namespace cw
