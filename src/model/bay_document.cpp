#include "model/bay_document.h"

#include "model/window_state.h"

namespace cw {

using C = ControlId;

namespace {

constexpr BayDocumentText kTexts[] = {
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

std::span<const BayDocumentText> bayDocumentTexts() {
    return kTexts;
}

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
    for (const BayDocumentText& slot : kTexts)
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

bool documentModified(const WindowState& w) {
    return documentOf(w) != w.document.saved;
}

}  // namespace cw
