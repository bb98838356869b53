#pragma once

#include "model/window_state.h"

#include <string>

namespace cw {

// A caption as the window shows it in the language showing. The inventory gives some
// controls one caption for both languages (a unit, the export button) and the handlers can
// leave a label of the other language uncovered; here each reads in the language showing.
// Every other caption is the one the model states (verdicts.h).
std::string shownCaption(const WindowState& w, ControlId id);

// The window's title in the language showing.
std::string windowTitle(Language language);

}  // namespace cw
