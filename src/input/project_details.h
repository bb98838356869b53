#pragma once

#include "bay/project.h"
#include "model/window_state.h"

namespace cw {

// File → Project… confirmed: the bay's project becomes `project`, with revision lines that
// hold nothing left out (a row added and never filled). The texts are kept as typed. True
// when the project changed, which makes the bay unsaved and is one undo step.
bool setProject(WindowState& w, ProjectData project);

}  // namespace cw
