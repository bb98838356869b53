#include "input/next_run.h"

#include "model/results_panel.h"
#include "model/window_document.h"

namespace cw {

void runNext(WindowState& w) {
    // NEXT runs the bay the window holds, as a saved bay file would hold it.
    const Catalogue* user = w.userCatalogue ? w.userCatalogue->catalogue.get() : nullptr;
    showOutcome(w, runBay(documentOf(w), w.numberFormat(), user));
}

}  // namespace cw
