#pragma once

#include "bay/bay_document.h"

#include <optional>
#include <string>

namespace cw {

// The bay file the window shows: where it was last saved or opened from, and the inputs
// it then held. Unsaved changes are whatever differs from those inputs, so typing a text
// and typing it back leaves nothing to save.
struct DocumentFile {
    std::optional<std::string> path;  // none until the first save or open
    BayDocument saved;                // the start form's inputs until then
};

class WindowState;

// The inputs the window holds, as a bay document.
BayDocument documentOf(const WindowState& w);

// Whether the window's inputs differ from those last saved or opened.
bool documentModified(const WindowState& w);

}  // namespace cw
