#include "input/bay_document_io.h"

#include "model/choices.h"
#include "model/results_panel.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace cw {

namespace {

void showWith(Form& f, const BayDocument& d, std::optional<ChosenCatalogue> chosen,
              const BayOutcome& outcome, bool run) {
    WindowState& w = f.state();
    // Messages shown before and not yet taken stay in their place, ahead of the run's.
    std::vector<std::string> shown = f.takeMessages();
    w.reopen();
    for (std::string& text : shown)
        w.message(std::move(text));
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
    // The document runs once: its wind shows as opening takes it, its results only when the
    // bay is complete enough for NEXT.
    const BayOutcome outcome =
        runBay(d, w.numberFormat(), chosen ? chosen->catalogue.get() : nullptr);
    showWith(f, d, std::move(chosen), outcome, run);
}

bool showOpenedBay(Form& f, const std::string& path, files::BayOpening opening) {
    WindowState& w = f.state();
    for (std::string& text : opening.messages)
        w.message(std::move(text));
    if (!opening.document)
        return false;
    const BayDocument& d = *opening.document;
    showWith(f, d, std::move(opening.catalogue), opening.outcome, true);
    // What the window holds now is what counts as saved: a run may have written its texts
    // over in its own notation.
    w.document = {path, documentOf(w)};
    // The file still names the catalogue it was saved with: the one chosen instead is a
    // change to save.
    if (opening.catalogueChosenAnew)
        w.document.saved.catalogue = d.catalogue;
    return true;
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
