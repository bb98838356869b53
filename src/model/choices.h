#pragma once

#include "bay/bay_document.h"
#include "bay/bay_input.h"
#include "bay/bay_run.h"
#include "design/bay.h"
#include "model/window_state.h"

#include <optional>
#include <string_view>

namespace cw {

// What each choice leaves on show, whoever makes it: a click, a key, an opened bay.

// Choosing a profile series: the form starts a new bay, and the sloped-glazing rows come and
// go with Terrax.
void chooseSeries(WindowState& w, Series series);
// Choosing the static system: its picture shows, the geometry fields are emptied for the new
// bay and the focus goes to A1. Nothing happens before a series is chosen.
void chooseStaticSystem(WindowState& w, StaticSystem system);

// The series choice becomes a user catalogue, as choosing the series option of its use would
// (vertical as Veltra, sloped as Terrax: the same fields and static systems), with the three
// options unselected: the catalogue is a fourth choice beside them.
void chooseCatalogue(WindowState& w, ChosenCatalogue chosen);
// Back from a user catalogue to the series options: the option of the catalogue's use is
// chosen as a click on it would. Nothing happens while no catalogue is chosen.
void chooseSeriesOptions(WindowState& w);

// The flag buttons. Switching shows and hides the twin captions; the English twins lie in
// front of their Greek controls, which mostly stay visible beneath them. Results on show are
// labelled again in the new language, so that no value is left without its caption.
void showEnglish(WindowState& w);
void showGreek(WindowState& w);
// The captions alone, for a window with no results on show.
void showCaptionsIn(WindowState& w, Language language);

// What the band or button `asked` leaves on show once it took `wind`: the wind as the
// window's own buttons take it, or as a bay run took it from a document.
void showWindTaken(WindowState& w, WindSource asked, const WindTaken& wind);

// The deflection criterion of the next run: EN 13830:2003 (L / d, at most 15 mm) or
// EN 13830:2015+A1 (by the span).
void chooseCriterion(WindowState& w, DeflectionCriterion criterion);
// Standards → Design basis: what the next run checks the mullion against.
void chooseBasis(WindowState& w, DesignBasis basis);
// The alloy and temper of the limit-state basis, by any name findAlloy takes; kept in its
// canonical name. False, and nothing changes, for a name the table does not hold.
bool chooseAlloy(WindowState& w, std::string_view name);
void chooseHanging(WindowState& w, Hanging hanging);

// The maximum allowable deflection shown beside f follows it, capped at 15 mm.
void followAllowableDeflection(WindowState& w);

// The controls of a window just reopened as the document sets them, the wind as `run` took
// it; `chosen` is the user catalogue the document names, found.
void showDocument(WindowState& w, const BayDocument& d, std::optional<ChosenCatalogue> chosen,
                  const BayOutcome& run);

}  // namespace cw
