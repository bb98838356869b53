#pragma once

#include "bay/catalogue_ref.h"
#include "bay/fields.h"
#include "bay/project.h"
#include "bay/tagged_value.h"
#include "bay/wind_input.h"
#include "design/bay.h"
#include "design/catalogue.h"
#include "design/deflection_criterion.h"
#include "design/design_basis.h"
#include "design/limit_state_check.h"
#include "design/site_wind.h"
#include "design/wind.h"
#include "text/language.h"

#include <optional>
#include <span>
#include <string>

namespace cw {

// Where the wind pressure in force comes from: a height band (and which), the typed pressure,
// the typed wind speed, or nowhere yet. Either enum converts, so a choice reads as it is made.
struct WindChoice {
    WindSource source = WindSource::None;
    std::optional<HeightBand> band;  // set when the source is a height band

    constexpr WindChoice() = default;
    constexpr WindChoice(WindSource s) : source(s) {}  // NOLINT(google-explicit-constructor)
    constexpr WindChoice(HeightBand b)                 // NOLINT(google-explicit-constructor)
        : source(WindSource::HeightBand), band(b) {}
    bool operator==(const WindChoice&) const = default;
};

// What the window keeps besides the inputs above, exactly as it holds it, so that a bay
// reopens with the pressure in force and the Site wind values it was saved with. A bay file of
// version 1 (and a schedule's row) has none: its wind load is taken as its button or band
// would take it, and the limit beside f follows f.
struct BayKeptState {
    // The height band option selected, which stays selected after a pressure or speed button.
    std::optional<HeightBand> bandSelected;
    std::optional<WindInput> windInput;
    TaggedValue pressure;         // kN/m2, the pressure kept (a number, or the text taken)
    TaggedValue heightBandLimit;  // m
    std::string pressureInForce;  // the field that shows it, as shown
    // The Site wind dialog's last applied values, which it shows when it opens again.
    std::optional<SiteWindInput> siteWind;
    // f at most 15 mm as shown beside f (a field of its own, which the run shows as it is).
    std::string allowableDeflectionCapped_mm;
};

// Every input a user can set for one bay: the selections, and the texts as typed in the
// user's notation. A bay file holds one; opening it gives the window back these inputs.
struct BayDocument {
    std::optional<Series> series;  // none until an option is chosen
    std::optional<StaticSystem> staticSystem;
    std::string gridWidthA1_cm;
    std::string gridWidthA2_cm;
    std::string spanL1_cm;
    std::string spanL2_cm;
    std::string glazingHeightH1_cm;
    std::string glazingHeightH2_cm;
    std::string glassThickness_mm;
    std::string deflectionDivisor;
    std::string allowableDeflection_mm;
    WindChoice wind;
    std::string windPressure_kNm2;  // the typed pressure, kept whatever the source
    std::string windSpeed_kmh;      // the typed speed, kept whatever the source
    std::string structureWeight_kNm2;
    std::string snowHeight_cm;
    std::string slope_deg;
    Language language = Language::Greek;
    DeflectionCriterion deflectionCriterion = DeflectionCriterion::En13830_2003;
    // The limit-state basis and its choices; the allowable basis reads none of them.
    DesignBasis basis = DesignBasis::Allowable;
    std::string alloy = "6060 T6";
    Hanging hanging = Hanging::HungFromTop;
    // EN 1991-1-3 characteristic ground snow load s_k as typed (kN/m2), read on sloped glazing
    // under the limit-state basis; empty for none.
    std::string groundSnow_kNm2;
    // The partial and combination factors a national annex may set; the Eurocodes' own unless
    // changed.
    PartialFactors factors;
    std::optional<BayKeptState> kept;
    // The user catalogue designed with; none for the series' own.
    std::optional<CatalogueRef> catalogue;
    // Who the bay is designed for; empty when nobody said.
    ProjectData project;

    // The same inputs: the wind load compares by the pressure the next run takes, so that a
    // run taking the typed pressure leaves nothing to save.
    bool operator==(const BayDocument& other) const;
};

// A text a document keeps, with the field it comes from.
struct BayDocumentText {
    Field field;
    std::string BayDocument::*text;
};
std::span<const BayDocumentText> bayDocumentTexts();

}  // namespace cw
