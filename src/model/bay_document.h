#pragma once

#include "design/deflection_criterion.h"
#include "model/fields.h"

#include <optional>
#include <span>
#include <string>

namespace cw {

enum class BaySeries { None, Veltra, Korin, Terrax };
enum class BayStaticSystem { None, OneSpan, FixedEnds, TwoSpans };
// Where the wind pressure in force comes from: a height band, the typed pressure, the
// typed wind speed, or nowhere yet.
enum class BayWindSource { None, Band0To8m, Band8To20m, Band20To100m, TypedPressure, WindSpeed };
enum class BayLanguage { Greek, English };

// Every input a user can set for one bay: the selections, and the texts as typed in the
// user's notation. A bay file holds one; opening it gives the window back these inputs.
struct BayDocument {
    BaySeries series = BaySeries::None;
    BayStaticSystem staticSystem = BayStaticSystem::None;
    std::string gridWidthA1_cm;
    std::string gridWidthA2_cm;
    std::string spanL1_cm;
    std::string spanL2_cm;
    std::string glazingHeightH1_cm;
    std::string glazingHeightH2_cm;
    std::string glassThickness_mm;
    std::string deflectionDivisor;
    std::string allowableDeflection_mm;
    BayWindSource windSource = BayWindSource::None;
    std::string windPressure_kNm2;  // the typed pressure, kept whatever the source
    std::string windSpeed_kmh;      // the typed speed, kept whatever the source
    std::string structureWeight_kNm2;
    std::string snowHeight_cm;
    std::string slope_deg;
    BayLanguage language = BayLanguage::Greek;
    DeflectionCriterion deflectionCriterion = DeflectionCriterion::En13830_2003;

    bool operator==(const BayDocument&) const = default;
};

// A text a document keeps, with the field it comes from.
struct BayDocumentText {
    Field field;
    std::string BayDocument::*text;
};
std::span<const BayDocumentText> bayDocumentTexts();

// The bay file the window shows: where it was last saved or opened from, and the inputs
// it then held. Unsaved changes are whatever differs from those inputs, so typing a text
// and typing it back leaves nothing to save.
struct DocumentFile {
    std::optional<std::string> path;  // none until the first save or open
    BayDocument saved;                // the start form's inputs until then
};

class WindowState;

// The inputs the window holds, as a bay document.
BayDocument documentOf(const WindowState& w);

// Whether the window's inputs differ from those last saved or opened.
bool documentModified(const WindowState& w);

}  // namespace cw
