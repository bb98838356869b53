#include "input/language.h"

#include "model/option_values.h"
#include "model/results_panel.h"

namespace cw {

using C = ControlId;

void showEnglish(WindowState& w) {
    w.show({C::Label19, C::Label24, C::Label77, C::Label78, C::Label79, C::Label80, C::Label81,
            C::Label82, C::Label83, C::Label85, C::Label86, C::Label87});
    w.show({C::Command11, C::Command14});
    w.hide({C::Command15, C::Command16});
    w.show({C::Command19, C::Command22, C::Command17});
    w.show({C::Label85,  C::Label88,  C::Label89,  C::Label90,  C::Label91,
            C::Label92,  C::Label93,  C::Label94,  C::Label95,  C::Label96,
            C::Label97,  C::Label86,  C::Label98,  C::Label99,  C::Label100,
            C::Label101, C::Label102, C::Label87,  C::Label103, C::Label104,
            C::Label105, C::Label106, C::Label107, C::Label108, C::Label109});
    if (w.selected(optionOf(Series::Terrax))) {
        w.hide({C::Label115, C::Label116, C::Label117, C::Label77});
        w.show({C::Text40, C::Text41, C::Text42});
        w.show({C::Label118, C::Label119, C::Label120});
    }
    w.values().language = Language::English;
    relabelShownRun(w);
}

void showGreek(WindowState& w) {
    w.hide({C::Label19, C::Label24, C::Label77, C::Label78, C::Label79, C::Label80, C::Label81,
            C::Label82, C::Label83, C::Label85, C::Label86, C::Label87});
    w.hide({C::Label85,  C::Label88,  C::Label89,  C::Label90,  C::Label91,
            C::Label92,  C::Label93,  C::Label94,  C::Label95,  C::Label96,
            C::Label97,  C::Label86,  C::Label98,  C::Label99,  C::Label100,
            C::Label101, C::Label102, C::Label87,  C::Label103, C::Label104,
            C::Label105, C::Label106, C::Label107, C::Label108, C::Label109});
    w.hide({C::Command11, C::Command14});
    w.show({C::Command15, C::Command16});
    w.hide({C::Command19, C::Command22, C::Command17});
    if (w.selected(optionOf(Series::Terrax))) {
        w.show({C::Label115, C::Label116, C::Label117, C::Text40, C::Text41, C::Text42});
        w.hide({C::Label118, C::Label119, C::Label120});
    }
    w.values().language = Language::Greek;
    relabelShownRun(w);
}

}  // namespace cw
