#include "model/used_inputs.h"

#include "model/window_run.h"
#include "bay/bay_input.h"
#include "model/window_state.h"

namespace cw {

namespace {

bool sameSite(const SiteWindInput& a, const SiteWindInput& b) {
    return a.vb0_ms == b.vb0_ms && a.cdir == b.cdir && a.cseason == b.cseason &&
           a.category == b.category && a.z_m == b.z_m && a.cpe10 == b.cpe10 &&
           a.cpe1 == b.cpe1 && a.area_m2 == b.area_m2 && a.cpi == b.cpi;
}

}  // namespace

bool UsedInputs::operator==(const UsedInputs& o) const {
    const bool sitesEqual = siteWind.has_value() == o.siteWind.has_value() &&
                            (!siteWind || sameSite(*siteWind, *o.siteWind));
    return series == o.series && system == o.system && heightBandOption == o.heightBandOption &&
           windSource == o.windSource && pressure == o.pressure &&
           heightBandLimit == o.heightBandLimit && sitesEqual && criterion == o.criterion &&
           basis == o.basis && alloy == o.alloy && hanging == o.hanging &&
           groundSnow_kNm2 == o.groundSnow_kNm2 && factors == o.factors &&
           catalogueSha256 == o.catalogueSha256 && texts == o.texts;
}

UsedInputs usedInputsOf(const WindowState& w) {
    UsedInputs in;
    in.series = chosenSeries(w);
    in.system = chosenSystem(w);
    in.heightBandOption = selectedBandOption(w);
    in.windSource = w.windSource;
    // The pressure button leaves its text to be read by the run; otherwise the run takes
    // the pressure kept (readRun).
    in.pressure = w.form().windInput == WindInput::TypedPressure
                      ? TaggedValue::text(w.text(Field::WindPressure))
                      : w.form().windPressure;
    if (w.windSource == WindSource::HeightBand)
        in.heightBandLimit = w.form().heightBandLimit;
    if (w.siteWind)
        in.siteWind = w.siteWind->input;
    in.criterion = w.criterion;
    in.basis = w.basis;
    if (w.basis == DesignBasis::LimitStates) {
        in.alloy = w.alloy;
        in.hanging = w.hanging;
        in.groundSnow_kNm2 = w.groundSnow_kNm2;
        in.factors = w.factors;
    }
    if (w.userCatalogue)
        in.catalogueSha256 = w.userCatalogue->ref.sha256;

    // A run without a static system still echoes L1, H1, H2 and the pressure field, and keeps
    // the limits of L1, d and f; the copy of f (Text44) goes into the panel as it is.
    for (Field f : {Field::GridWidthA1, Field::GridWidthA2, Field::SpanL1, Field::GlazingHeightH1,
                    Field::GlazingHeightH2, Field::GlassThickness, Field::Divisor,
                    Field::AllowableDeflection, Field::AllowableDeflectionCapped,
                    Field::PressureInForce})
        in.texts.emplace_back(f, w.text(f));
    if (in.system == StaticSystem::TwoSpans)
        in.texts.emplace_back(Field::SpanL2, w.text(Field::SpanL2));
    if (in.series == Series::Terrax && in.system == StaticSystem::OneSpan)
        for (Field f : {Field::StructureWeight, Field::SnowHeight, Field::Slope})
            in.texts.emplace_back(f, w.text(f));
    return in;
}

void markResultsCurrent(WindowState& w) {
    w.lastRun = usedInputsOf(w);
}

bool resultsCurrent(const WindowState& w) {
    return w.lastRun && *w.lastRun == usedInputsOf(w);
}

}  // namespace cw
