#include "bay/bay_document.h"

namespace cw {

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

bool sameSite(const std::optional<SiteWindInput>& a, const std::optional<SiteWindInput>& b) {
    if (!a || !b)
        return a.has_value() == b.has_value();
    return a->vb0_ms == b->vb0_ms && a->cdir == b->cdir && a->cseason == b->cseason &&
           a->category == b->category && a->z_m == b->z_m && a->cpe10 == b->cpe10 &&
           a->cpe1 == b->cpe1 && a->area_m2 == b->area_m2 && a->cpi == b->cpi;
}

// The pressure a run of the document takes: the typed text while the pressure button's mode
// holds, else the pressure kept. Only the modes differ between the two; runs read them alike.
TaggedValue pressureTaken(const BayDocument& d) {
    return d.kept->windInput == WindInput::TypedPressure ? TaggedValue::text(d.windPressure_kNm2)
                                                         : d.kept->pressure;
}

bool sameWind(const BayDocument& a, const BayDocument& b) {
    if (!a.kept || !b.kept)
        return a.kept.has_value() == b.kept.has_value();
    const BayKeptState& x = *a.kept;
    const BayKeptState& y = *b.kept;
    return x.bandSelected == y.bandSelected && x.heightBandLimit == y.heightBandLimit &&
           x.pressureInForce == y.pressureInForce &&
           x.allowableDeflectionCapped_mm == y.allowableDeflectionCapped_mm &&
           sameSite(x.siteWind, y.siteWind) && pressureTaken(a) == pressureTaken(b);
}

}  // namespace

std::span<const BayDocumentText> bayDocumentTexts() {
    return kTexts;
}

bool BayDocument::operator==(const BayDocument& o) const {
    if (series != o.series || staticSystem != o.staticSystem || wind != o.wind ||
        language != o.language || deflectionCriterion != o.deflectionCriterion ||
        basis != o.basis || alloy != o.alloy || hanging != o.hanging ||
        groundSnow_kNm2 != o.groundSnow_kNm2 || factors != o.factors || catalogue != o.catalogue ||
        project != o.project)
        return false;
    for (const BayDocumentText& slot : kTexts)
        if (this->*slot.text != o.*slot.text)
            return false;
    return sameWind(*this, o);
}

}  // namespace cw
