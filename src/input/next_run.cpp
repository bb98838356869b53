#include "input/next_run.h"

#include "model/window_run.h"
#include "bay/bay_input.h"
#include "bay/field_rules.h"
#include "model/results_panel.h"
#include "input/design_basis.h"

namespace cw {

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
    if (run.systemChosen)
        designTexts(inputs, run, design, texts);
    else
        echoTexts(inputs, run, texts);

    hideResults(w);
    echoInputs(w, run, texts);
    if (!run.systemChosen) {
        w.write(Field::EchoPressure, fixedTextOf(w.text(Field::PressureInForce), w.numberFormat()));
        echoWindSpeedOfRun(w);
        if (inputs.series != Series::Terrax)
            keepLimitsWithoutSystem(w);
        markResultsCurrent(w);
        return;
    }
    showDesign(w, run.bay, design, texts);
    runLimitStatesOf(w, run.bay, design, catalogueOfRun(w, run.bay.series), limitStates);
    markResultsCurrent(w);
}

}  // namespace cw
