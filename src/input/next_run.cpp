#include "input/next_run.h"

#include "model/window_run.h"
#include "bay/bay_input.h"
#include "bay/field_rules.h"
#include "model/results_panel.h"
#include "input/design_basis.h"

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
    const RunInputs inputs = inputsOf(w);
    if (!inputs.series)
        return;
    const RunRequest run = readRun(inputs);
    if (run.refusal) {
        w.refuse(*run.refusal);
        return;
    }
    BayDesign design;
    std::optional<LimitStateOptions> limitStates;
    if (run.systemChosen) {
        if (!limitStateOptionsOf(w, catalogueOfRun(w, run.bay.series), limitStates))
            return;
        design = designBay(run.bay, catalogueOfRun(w, run.bay.series));
        if (!design.finite) {
            w.refuse(resultOutOfRange(w.languageShowing()));
            return;
        }
    }

    RunTexts texts;
    if (!run.systemChosen) {
        echoTexts(inputs, run, texts);
        hideResults(w);
        echoInputs(w, run.bay, texts);
        w.write(Field::EchoPressure, fixedTextOf(w.text(Field::PressureInForce), w.numberFormat()));
        echoWindSpeedOfRun(w);
        if (inputs.series != Series::Terrax)
            keepLimitsWithoutSystem(w);
        markResultsCurrent(w);
        return;
    }
    designTexts(inputs, run, design, texts);
    showCompletedRun(w, run.bay, design, texts, verdictsOf(design, texts, w.numberFormat()));
    runLimitStatesOf(w, run.bay, design, catalogueOfRun(w, run.bay.series), limitStates);
    markResultsCurrent(w);
}

void showOutcome(WindowState& w, const BayOutcome& outcome) {
    if (outcome.refusal)
        w.refuse(*outcome.refusal);
    else if (outcome.completed) {
        showCompletedRun(w, outcome.input, outcome.design, outcome.texts, outcome.verdicts);
        w.limitStates = outcome.limitStates;
        markResultsCurrent(w);
    }
}

}  // namespace cw
