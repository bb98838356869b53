#pragma once

#include "bay/bay_run.h"
#include "design/bay.h"
#include "bay/run_texts.h"
#include "model/window_state.h"

#include <array>
#include <string>

namespace cw {

// The results panel: where a run's outcome, its texts written already, takes its place
// among the captions.

// Hides every result of the earlier run with its captions.
void hideResults(WindowState& w);
// The values a run keeps from its inputs and the echoes of the inputs it used.
void echoInputs(WindowState& w, const BayInput& in, const RunTexts& texts);
// The limits a run kept, for the spreadsheet.
void keepLimits(WindowState& w, const KeptLimits& kept);
// Writes a design into the panel and shows it in the language chosen, with its verdicts.
void showDesign(WindowState& w, const BayInput& in, const BayDesign& design,
                const RunTexts& texts, const RunVerdicts& verdicts);
// After a language switch, the results on show are labelled again.
void relabelShownRun(WindowState& w);

// A bay run's outcome painted as NEXT paints its own: the refusal, or the design with the
// run's verdicts. The window's controls must hold the inputs the run read.
void showOutcome(WindowState& w, const BayOutcome& outcome);

}  // namespace cw
