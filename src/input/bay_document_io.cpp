#include "input/bay_document_io.h"

#include "input/catalogue_choice.h"
#include "input/deflection_criterion.h"
#include "input/design_basis.h"
#include "input/language.h"
#include "input/next_run.h"
#include "input/selection.h"
#include "input/wind_load.h"
#include "model/option_values.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace cw {

using C = ControlId;

namespace {

// The wind load as the window held it when the bay was saved: no button is pressed again, so
// a pressure field typed over after its button was pressed stays as it was, unread.
void restoreWind(WindowState& w, WindSource source, const BayKeptState& kept) {
    w.windSource = source;
    for (const OptionValue<HeightBand>& band : kHeightBandOptions)
        w.unselect(band.option);
    if (kept.bandSelected)
        w.select(optionOf(*kept.bandSelected));
    FormState& values = w.values();
    values.windInput = kept.windInput;
    values.windPressure = kept.pressure;
    values.heightBandLimit = kept.heightBandLimit;
    w.siteWind.reset();
    if (kept.siteWind)
        if (const SiteWindOutcome site = siteWindPressure(*kept.siteWind); site.pressure)
            w.siteWind = SiteWindApplied{*kept.siteWind, *site.pressure};
}

// An option as a user's choice leaves it: focused and selected. The caller then does what
// choosing it does; nothing is clicked.
bool takeOption(WindowState& w, ControlId option) {
    w.setFocus(option);
    if (w.selected(option))
        return false;
    w.select(option);
    return true;
}

// The window's controls as the document sets them, in the order a user would go: the
// language first, since a series takes it over; the texts as typed last, after the choices
// that empty or fill some of them.
void showDocument(WindowState& w, const BayDocument& d, std::optional<ChosenCatalogue> chosen,
                  const BayOutcome& run) {
    chooseCriterion(w, d.deflectionCriterion);
    chooseBasis(w, d.basis);
    chooseAlloy(w, d.alloy);
    chooseHanging(w, d.hanging);
    w.groundSnow_kNm2 = d.groundSnow_kNm2;
    w.factors = d.factors;
    w.project = d.project;
    if (d.language == Language::English) {
        w.setFocus(C::Command10);
        showEnglish(w);
    }
    if (chosen) {
        chooseCatalogue(w, std::move(*chosen));
    } else if (d.series) {
        if (takeOption(w, optionOf(*d.series))) {
            w.userCatalogue.reset();
            chooseSeries(w, *d.series);
        }
    }
    const bool terrax = d.series == Series::Terrax;
    if (d.staticSystem) {
        // Terrax offers no fixed ends
        if (!(terrax && *d.staticSystem == StaticSystem::FixedEnds) &&
            takeOption(w, optionOf(*d.staticSystem)))
            chooseStaticSystem(w, *d.staticSystem);
    }

    // The wind the run took from the document, shown as its band or button shows it.
    if (d.kept)
        restoreWind(w, d.wind.source, *d.kept);
    else if (run.windTaken)
        switch (d.wind.source) {
        case WindSource::HeightBand:
            if (d.wind.band && takeOption(w, optionOf(*d.wind.band)))
                showWindTaken(w, WindSource::HeightBand, *run.windTaken);
            break;
        case WindSource::TypedPressure:
            w.write(Field::WindPressure, d.windPressure_kNm2);
            w.setFocus(C::Command2);
            showWindTaken(w, WindSource::TypedPressure, *run.windTaken);
            break;
        case WindSource::WindSpeed:
            w.write(Field::WindSpeed, d.windSpeed_kmh);
            w.setFocus(C::Command4);
            showWindTaken(w, WindSource::WindSpeed, *run.windTaken);
            break;
        case WindSource::None: break;
        }
    for (const BayDocumentText& slot : bayDocumentTexts())
        w.write(slot.field, d.*slot.text);
    if (d.kept) {
        w.write(Field::PressureInForce, d.kept->pressureInForce);
        w.write(Field::AllowableDeflectionCapped, d.kept->allowableDeflectionCapped_mm);
    } else {
        followAllowableDeflection(w);
    }
    w.moveFocus(Field::GridWidthA1);
}

}  // namespace

namespace {

void openWith(Form& f, const BayDocument& d, std::optional<ChosenCatalogue> chosen, bool run) {
    WindowState& w = f.state();
    // Messages shown before and not yet taken stay in their place, ahead of the run's.
    std::vector<std::string> shown = f.takeMessages();
    w.reopen();
    for (std::string& text : shown)
        w.message(std::move(text));
    // The document runs once: its wind shows as opening takes it, its results only when the
    // bay is complete enough for NEXT.
    const std::shared_ptr<const Catalogue> user = chosen ? chosen->catalogue : nullptr;
    const BayOutcome outcome = runBay(d, w.numberFormat(), user.get());
    showDocument(w, d, std::move(chosen), outcome);
    if (run && readyToRun(d))
        showOutcome(w, outcome);
}

}  // namespace

void openDocument(Form& f, const BayDocument& d, bool run) {
    WindowState& w = f.state();
    std::optional<ChosenCatalogue> chosen;
    if (d.catalogue) {
        // The catalogue in use stays at hand for a document that names it (an undo step).
        if (w.userCatalogue && w.userCatalogue->ref == *d.catalogue)
            chosen = std::move(w.userCatalogue);
        else if (w.findCatalogue)
            chosen = w.findCatalogue(*d.catalogue);
    }
    openWith(f, d, std::move(chosen), run);
}

void openDocument(Form& f, const BayDocument& d, std::optional<ChosenCatalogue> catalogue) {
    openWith(f, d, std::move(catalogue), true);
}

void newBay(Form& f) {
    // The start form with its own start texts (an empty document would empty them), in the
    // language showing, as the flag button's handler shows it.
    WindowState& w = f.state();
    const bool english = w.languageShowing() == Language::English;
    std::vector<std::string> shown = f.takeMessages();
    w.reopen();
    for (std::string& text : shown)
        w.message(std::move(text));
    if (english)
        showEnglish(w);
    w.document = DocumentFile{std::nullopt, documentOf(w)};
}

std::string suggestedFileStem(const BayDocument& d) {
    if (!d.series)
        return "bay";
    std::string stem;
    switch (*d.series) {
    case Series::Veltra: stem = "Veltra"; break;
    case Series::KorinDalvo: stem = "Korin"; break;
    case Series::Terrax: stem = "Terrax"; break;
    }
    if (!d.staticSystem)
        return stem;
    switch (*d.staticSystem) {
    case StaticSystem::OneSpan: stem += "-one-span"; break;
    case StaticSystem::FixedEnds: stem += "-fixed-ends"; break;
    case StaticSystem::TwoSpans: stem += "-two-spans"; break;
    }
    std::string span;
    for (const char c : d.spanL1_cm)
        if ((c >= '0' && c <= '9') || c == ',' || c == '.')
            span += c;
    if (!span.empty() && span.size() <= 12)
        stem += "-L" + span;
    return stem;
}

}  // namespace cw
