#include "input/bay_document_io.h"

#include "input/deflection_criterion.h"
#include "input/next_run.h"

#include <utility>

namespace cw {

using C = ControlId;

namespace {

// The texts a document keeps, with the fields they come from.
struct TextSlot {
    Field field;
    std::string BayDocument::*text;
};

constexpr TextSlot kTexts[] = {
    {Field::GridWidthA1, &BayDocument::gridWidthA1_cm},
    {Field::GridWidthA2, &BayDocument::gridWidthA2_cm},
    {Field::SpanL1, &BayDocument::spanL1_cm},
    {Field::SpanL2, &BayDocument::spanL2_cm},
    {Field::GlazingHeightH1, &BayDocument::glazingHeightH1_cm},
    {Field::GlazingHeightH2, &BayDocument::glazingHeightH2_cm},
    {Field::GlassThickness, &BayDocument::glassThickness_mm},
    {Field::Divisor, &BayDocument::deflectionDivisor},
    {Field::AllowableDeflection, &BayDocument::allowableDeflection_mm},
    {Field::WindPressure, &BayDocument::windPressure_kNm2},
    {Field::WindSpeed, &BayDocument::windSpeed_kmh},
    {Field::StructureWeight, &BayDocument::structureWeight_kNm2},
    {Field::SnowHeight, &BayDocument::snowHeight_cm},
    {Field::Slope, &BayDocument::slope_deg},
};

}  // namespace

BayDocument documentOf(const WindowState& w) {
    BayDocument d;
    d.series = w.selected(C::Option10)   ? BaySeries::Veltra
               : w.selected(C::Option11) ? BaySeries::Korin
               : w.selected(C::Option12) ? BaySeries::Terrax
                                         : BaySeries::None;
    d.staticSystem = w.selected(C::Option9)    ? BayStaticSystem::OneSpan
                     : w.selected(C::Option14) ? BayStaticSystem::FixedEnds
                     : w.selected(C::Option13) ? BayStaticSystem::TwoSpans
                                               : BayStaticSystem::None;
    for (const TextSlot& slot : kTexts)
        d.*slot.text = w.text(slot.field);
    switch (w.windSource) {
    case WindSource::HeightBand:
        d.windSource = w.selected(C::Option1)   ? BayWindSource::Band0To8m
                       : w.selected(C::Option2) ? BayWindSource::Band8To20m
                                                : BayWindSource::Band20To100m;
        break;
    case WindSource::TypedPressure: d.windSource = BayWindSource::TypedPressure; break;
    case WindSource::WindSpeed: d.windSource = BayWindSource::WindSpeed; break;
    case WindSource::None: d.windSource = BayWindSource::None; break;
    }
    d.language = w.englishShowing() ? BayLanguage::English : BayLanguage::Greek;
    d.deflectionCriterion = w.criterion;
    return d;
}

bool readyToRun(const BayDocument& d) {
    if (d.series == BaySeries::None || d.staticSystem == BayStaticSystem::None ||
        d.windSource == BayWindSource::None)
        return false;
    return !(d.series == BaySeries::Terrax && d.staticSystem == BayStaticSystem::FixedEnds);
}

void openDocument(Form& f, const BayDocument& d) {
    Form fresh(f.numberFormat());
    fresh.onExportClicked = std::move(f.onExportClicked);
    fresh.state().chooseWorkbook = std::move(f.state().chooseWorkbook);
    fresh.state().exported = std::move(f.state().exported);
    f = std::move(fresh);

    chooseCriterion(f.state(), d.deflectionCriterion);
    // In the order a user would go: the language first, since a series takes it over.
    if (d.language == BayLanguage::English)
        f.click(C::Command10);
    switch (d.series) {
    case BaySeries::Veltra: f.click(C::Option10); break;
    case BaySeries::Korin: f.click(C::Option11); break;
    case BaySeries::Terrax: f.click(C::Option12); break;
    case BaySeries::None: break;
    }
    const bool terrax = d.series == BaySeries::Terrax;
    switch (d.staticSystem) {
    case BayStaticSystem::OneSpan: f.click(C::Option9); break;
    case BayStaticSystem::TwoSpans: f.click(C::Option13); break;
    case BayStaticSystem::FixedEnds:
        if (!terrax)  // Terrax offers no fixed ends
            f.click(C::Option14);
        break;
    case BayStaticSystem::None: break;
    }

    WindowState& w = f.state();
    switch (d.windSource) {
    case BayWindSource::Band0To8m: f.click(C::Option1); break;
    case BayWindSource::Band8To20m: f.click(C::Option2); break;
    case BayWindSource::Band20To100m: f.click(C::Option3); break;
    case BayWindSource::TypedPressure:
        w.write(Field::WindPressure, d.windPressure_kNm2);
        f.click(C::Command2);
        break;
    case BayWindSource::WindSpeed:
        w.write(Field::WindSpeed, d.windSpeed_kmh);
        f.click(C::Command4);
        break;
    case BayWindSource::None: break;
    }
    // The texts as typed, after the choices that empty or fill some of them.
    for (const TextSlot& slot : kTexts)
        w.write(slot.field, d.*slot.text);
    followAllowableDeflection(w);
    w.moveFocus(Field::GridWidthA1);
    if (readyToRun(d))
        runNext(w);
}

}  // namespace cw
