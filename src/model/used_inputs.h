#pragma once

#include "design/bay.h"
#include "design/design_basis.h"
#include "design/limit_state_check.h"
#include "design/site_wind.h"
#include "design/wind.h"
#include "bay/fields.h"
#include "bay/tagged_value.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace cw {

// What a NEXT run used, as the window held it: the selections (series, static system, the
// height band option), the wind pressure the run takes and where it came from, the Site wind
// values, the deflection criterion, and the texts the run reads or echoes under those
// selections. The results on show are current while this is what the window holds.
//
// Left out on purpose: the language (a switch only labels the same results again), and the
// texts a run neither reads nor echoes - the pressure and speed fields until their button
// takes them, L2 outside two spans, the sloped-glazing fields outside a Terrax single span.
struct UsedInputs {
    std::optional<Series> series;
    std::optional<StaticSystem> system;
    std::optional<HeightBand> heightBandOption;  // the option selected, if any
    WindSource windSource = WindSource::None;
    TaggedValue pressure;         // the pressure the next run takes, kN/m2
    TaggedValue heightBandLimit;  // while the band is in force
    std::optional<SiteWindInput> siteWind;
    DeflectionCriterion criterion = DeflectionCriterion::En13830_2003;
    // The basis; the alloy and the hanging only under limit states, which alone read them.
    DesignBasis basis = DesignBasis::Allowable;
    std::string alloy;
    Hanging hanging = Hanging::HungFromTop;
    std::string groundSnow_kNm2;
    PartialFactors factors;
    std::optional<std::string> catalogueSha256;  // the user catalogue's, by content
    std::vector<std::pair<Field, std::string>> texts;

    bool operator==(const UsedInputs& other) const;
};

class WindowState;

// What a run would use if NEXT were pressed now.
UsedInputs usedInputsOf(const WindowState& w);

// After a run that was not refused: its results are those of the window's inputs.
void markResultsCurrent(WindowState& w);

// True right after a run that was not refused, false before the first run and after any
// change of what that run used (a change put back makes them current again).
bool resultsCurrent(const WindowState& w);

}  // namespace cw
