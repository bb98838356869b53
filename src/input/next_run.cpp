#include "input/next_run.h"

#include "model/results_panel.h"
#include "model/window_document.h"

namespace cw {

namespace {

// The panel after a completed run with a static system: NEXT and an opened bay alike.
void showCompletedRun(WindowState& w, const BayInput& in, const BayDesign& design,
                      const RunTexts& texts, const RunVerdicts& verdicts) {
    hideResults(w);
    echoInputs(w, in, texts);
    showDesign(w, in, design, texts, verdicts);
}

}  // namespace

void runNext(WindowState& w) {
    // NEXT runs the bay the window holds, as a saved bay file would hold it.
    const Catalogue* user = w.userCatalogue ? w.userCatalogue->catalogue.get() : nullptr;
    showOutcome(w, runBay(documentOf(w), w.numberFormat(), user));
}

void showOutcome(WindowState& w, const BayOutcome& outcome) {
    if (outcome.refusal)
        w.refuse(*outcome.refusal);
    else if (outcome.completed) {
        showCompletedRun(w, outcome.input, outcome.design, outcome.texts, outcome.verdicts);
        keepLimits(w, outcome.keptLimits);
        w.limitStates = outcome.limitStates;
        markResultsCurrent(w);
    } else if (outcome.echoedWithoutSystem) {
        hideResults(w);
        echoInputs(w, outcome.input, outcome.texts);
        w.write(Field::EchoPressure, outcome.texts[Field::EchoPressure]);
        w.write(Field::EchoWindSpeed, outcome.texts[Field::EchoWindSpeed]);
        keepLimits(w, outcome.keptLimits);
        markResultsCurrent(w);
    }
}

}  // namespace cw
