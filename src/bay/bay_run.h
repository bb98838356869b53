#pragma once

#include "bay/bay_document.h"
#include "bay/bay_input.h"
#include "bay/limit_state_run.h"
#include "bay/run_texts.h"
#include "design/bay.h"

#include <optional>
#include <string>

namespace cw {

// Whether the suggested mullion passes its checks, decided on the numbers as the panel shows
// them; nothing where a number compared is not shown or not finite.
struct RunVerdicts {
    std::optional<bool> stressPasses;
    std::optional<bool> deflectionPasses;
    // The aluminium's stress against its allowable value, as shown: -1 below, 0 equal, 1 above.
    // A steel insert beyond its strength fails the stress check whatever this says.
    std::optional<int> aluminiumStress;

    bool operator==(const RunVerdicts&) const = default;
};

// Whether the panel shows the field after a completed run: a run without a fitting mullion
// hides the mullion's and the transom's results.
bool showsAfterRun(const BayDesign& design, Field f);

// The verdicts of a completed run's texts (written by designTexts in `fmt`).
RunVerdicts verdictsOf(const BayDesign& design, const RunTexts& texts, const NumberFormat& fmt);

// What a run keeps for the spreadsheet when it keeps the deflection limits: L1, L1/d and
// f/10 as the panel would write them, f/10 as 1,5 cm where the run caps it. A value stays
// as it was where the run keeps none.
struct KeptLimits {
    std::optional<TaggedValue> mullionLengthSingle;
    std::optional<TaggedValue> ratioLimit;
    std::optional<TaggedValue> absoluteLimit;

    bool operator==(const KeptLimits&) const = default;
};

// What running one bay document gives: the document's wind load as the window kept it (or,
// for a document that kept none, taken as the wind buttons take it), then NEXT, exactly as
// the window runs a bay it opens.
struct BayOutcome {
    // For a document that kept no wind state: the wind as its band or button took it, or
    // the button's refusal of the typed pressure or speed, shown before NEXT.
    std::optional<WindTaken> windTaken;
    // Why NEXT stopped: a field it refused, or a result out of range.
    std::optional<Refusal> refusal;
    // NEXT designed the bay; the texts and verdicts below are then those of the panel.
    bool completed = false;
    // A series but no static system: NEXT read the first inputs and echoes them (`texts`,
    // with the pressure and wind speed of the pressure in force), designing nothing.
    bool echoedWithoutSystem = false;
    BayInput input;
    BayDesign design;
    RunTexts texts;
    RunVerdicts verdicts;
    KeptLimits keptLimits;
    // The copy of f beside the criterion as the run read it: the document's f capped at
    // 15 mm, or the copy the window kept with the bay.
    std::string allowableDeflectionCapped;
    // Where the pressure in force came from, and the height band's limit when from a band.
    WindSource windSource = WindSource::None;
    TaggedValue heightBandLimit;
    // The site values kept with the bay, when the pressure the run took is the one they gave.
    std::optional<SiteWindApplied> siteWind;
    // Under the limit-state basis, a completed run's checks and the mullion they suggest;
    // nothing under the allowable basis, without a mullion, or with an alloy not known.
    std::optional<LimitStateRun> limitStates;

    // Whether the panel shows the field after the run: a run without a fitting mullion hides
    // the mullion's and the transom's results.
    bool shows(Field f) const;
    // The wind button's refusal, if any.
    const Refusal* windRefusal() const;
    // The first message the run showed, if any.
    const std::string* firstMessage() const;
};

// The Site wind dialog writes the pressure it gives with six significant digits.
std::string siteWindPressureText(double w_kNm2, const NumberFormat& fmt);

// Whether opening the document runs NEXT: a series, a static system that series offers and
// a wind source are chosen.
bool readyToRun(const BayDocument& document);

// Runs the bay in `fmt`, in the document's language. A document without a series runs only
// the wind buttons; one without a static system runs NEXT as far as its echoes. With a
// user catalogue the run designs with its rows, as the series option of its use.
BayOutcome runBay(const BayDocument& document, const NumberFormat& fmt,
                  const Catalogue* userCatalogue = nullptr);

}  // namespace cw
