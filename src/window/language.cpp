// The flag buttons: switching shows and hides the twin captions; the English twins lie in
// front of their Greek controls, which mostly stay visible beneath them. Results on show are
// labelled again in the new language, so that no value is left without its caption.

#include "window/window_model.h"

namespace cw {

using C = ControlId;

void Form::Command10_Click() {
    show({C::Label19, C::Label24, C::Label77, C::Label78, C::Label79, C::Label80, C::Label81,
          C::Label82, C::Label83, C::Label85, C::Label86, C::Label87});
    show({C::Command11, C::Command14});
    hide({C::Command15, C::Command16});
    show({C::Command19, C::Command22, C::Command17});
    show({C::Label85,  C::Label88,  C::Label89,  C::Label90, C::Label91,  C::Label92,  C::Label93,
          C::Label94,  C::Label95,  C::Label96,  C::Label97, C::Label86,  C::Label98,  C::Label99,
          C::Label100, C::Label101, C::Label102, C::Label87, C::Label103, C::Label104, C::Label105,
          C::Label106, C::Label107, C::Label108, C::Label109});
    if (selected(C::Option12)) {
        hide({C::Label115, C::Label116, C::Label117, C::Label77});
        show({C::Text40, C::Text41, C::Text42});
        show({C::Label118, C::Label119, C::Label120});
    }
    m_form.LanguageMode = TaggedValue::int16(2);
    relabelShownRun();
}

void Form::Command9_Click() {
    hide({C::Label19, C::Label24, C::Label77, C::Label78, C::Label79, C::Label80, C::Label81,
          C::Label82, C::Label83, C::Label85, C::Label86, C::Label87});
    hide({C::Label85,  C::Label88,  C::Label89,  C::Label90, C::Label91,  C::Label92,  C::Label93,
          C::Label94,  C::Label95,  C::Label96,  C::Label97, C::Label86,  C::Label98,  C::Label99,
          C::Label100, C::Label101, C::Label102, C::Label87, C::Label103, C::Label104, C::Label105,
          C::Label106, C::Label107, C::Label108, C::Label109});
    hide({C::Command11, C::Command14});
    show({C::Command15, C::Command16});
    hide({C::Command19, C::Command22, C::Command17});
    if (selected(C::Option12)) {
        show({C::Label115, C::Label116, C::Label117, C::Text40, C::Text41, C::Text42});
        hide({C::Label118, C::Label119, C::Label120});
    }
    m_form.LanguageMode = TaggedValue::int16(1);
    relabelShownRun();
}

}  // namespace cw
