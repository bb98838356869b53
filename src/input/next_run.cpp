#include "input/next_run.h"

#include "model/bay_input.h"
#include "model/field_rules.h"
#include "model/results_panel.h"

namespace cw {

void runNext(WindowState& w) {
    const std::optional<Series> series = chosenSeries(w);
    if (!series)
        return;
    const RunRequest run = readRun(w);
    if (run.refusal) {
        w.refuse(*run.refusal);
        return;
    }
    BayDesign design;
    if (run.systemChosen) {
        design = designBay(run.bay);
        if (!design.finite) {
            w.refuse(resultOutOfRange(w.englishShowing()));
            return;
        }
    }

    hideResults(w);
    echoInputs(w, run);
    if (!run.systemChosen) {
        w.write(Field::EchoPressure, fixedTextOf(w.text(Field::PressureInForce), w.numberFormat()));
        echoWindSpeedOfRun(w);
        if (series != Series::Terrax)
            keepLimitsWithoutSystem(w);
        markResultsCurrent(w);
        return;
    }
    showDesign(w, run.bay, design);
    markResultsCurrent(w);
}

}  // namespace cw
