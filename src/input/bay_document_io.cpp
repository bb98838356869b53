#include "input/bay_document_io.h"

#include "input/catalogue_choice.h"
#include "input/deflection_criterion.h"
#include "input/design_basis.h"
#include "input/language.h"
#include "input/next_run.h"

#include <string>
#include <utility>
#include <vector>

namespace cw {

using C = ControlId;

namespace {

// The wind load as the window held it when the bay was saved: no button is pressed again, so
// a pressure field typed over after its button was pressed stays as it was, unread.
void restoreWind(WindowState& w, BayWindSource source, const BayKeptState& kept) {
    switch (source) {
    case BayWindSource::None: w.windSource = WindSource::None; break;
    case BayWindSource::Band0To8m:
    case BayWindSource::Band8To20m:
    case BayWindSource::Band20To100m: w.windSource = WindSource::HeightBand; break;
    case BayWindSource::TypedPressure: w.windSource = WindSource::TypedPressure; break;
    case BayWindSource::WindSpeed: w.windSource = WindSource::WindSpeed; break;
    }
    for (ControlId band : {C::Option1, C::Option2, C::Option3})
        w.unselect(band);
    switch (kept.bandSelected) {
    case BayHeightBand::UpTo8m: w.select(C::Option1); break;
    case BayHeightBand::UpTo20m: w.select(C::Option2); break;
    case BayHeightBand::UpTo100m: w.select(C::Option3); break;
    case BayHeightBand::None: break;
    }
    FormState& values = w.values();
    values.windInput = kept.windInput;
    values.windPressure = kept.pressure;
    values.heightBandLimit = kept.heightBandLimit;
    w.siteWind.reset();
    if (kept.siteWind)
        if (const SiteWindOutcome site = siteWindPressure(*kept.siteWind); site.pressure)
            w.siteWind = SiteWindApplied{*kept.siteWind, *site.pressure};
}

}  // namespace

void openDocument(Form& f, const BayDocument& d, bool run) {
    // Messages shown before and not yet taken stay in their place, ahead of the run's.
    std::vector<std::string> shown = f.takeMessages();
    // The catalogue in use stays at hand for a document that names it (an undo step).
    std::optional<ChosenCatalogue> previous = std::move(f.state().userCatalogue);
    f.state().reopen();
    for (std::string& text : shown)
        f.state().message(std::move(text));
    std::optional<ChosenCatalogue> chosen;
    if (d.catalogue) {
        if (previous && previous->ref == *d.catalogue)
            chosen = std::move(previous);
        else if (f.state().findCatalogue)
            chosen = f.state().findCatalogue(*d.catalogue);
    }

    f.state().project = d.project;
    chooseCriterion(f.state(), d.deflectionCriterion);
    chooseBasis(f.state(), d.basis);
    chooseAlloy(f.state(), d.alloy);
    chooseHanging(f.state(), d.hanging);
    // In the order a user would go: the language first, since a series takes it over.
    if (d.language == Language::English)
        f.click(C::Command10);
    if (chosen) {
        chooseCatalogue(f.state(), std::move(*chosen));
    } else {
        switch (d.series) {
        case BaySeries::Veltra: f.click(C::Option10); break;
        case BaySeries::Korin: f.click(C::Option11); break;
        case BaySeries::Terrax: f.click(C::Option12); break;
        case BaySeries::None: break;
        }
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
    if (d.kept)
        restoreWind(w, d.windSource, *d.kept);
    else
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
    for (const BayDocumentText& slot : bayDocumentTexts())
        w.write(slot.field, d.*slot.text);
    if (d.kept) {
        w.write(Field::PressureInForce, d.kept->pressureInForce);
        w.write(Field::AllowableDeflectionCapped, d.kept->allowableDeflectionCapped_mm);
    } else {
        followAllowableDeflection(w);
    }
    w.moveFocus(Field::GridWidthA1);
    if (run && readyToRun(d))
        runNext(w);
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
    std::string stem;
    switch (d.series) {
    case BaySeries::Veltra: stem = "Veltra"; break;
    case BaySeries::Korin: stem = "Korin"; break;
    case BaySeries::Terrax: stem = "Terrax"; break;
    case BaySeries::None: return "bay";
    }
    switch (d.staticSystem) {
    case BayStaticSystem::OneSpan: stem += "-one-span"; break;
    case BayStaticSystem::FixedEnds: stem += "-fixed-ends"; break;
    case BayStaticSystem::TwoSpans: stem += "-two-spans"; break;
    case BayStaticSystem::None: return stem;
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
