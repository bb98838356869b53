#pragma once

#include "model/window_state.h"

namespace cw {

// The flag buttons. Switching shows and hides the twin captions; the English twins lie in
// front of their Greek controls, which mostly stay visible beneath them. Results on show are
// labelled again in the new language, so that no value is left without its caption.
void showEnglish(WindowState& w);
void showGreek(WindowState& w);

}  // namespace cw
