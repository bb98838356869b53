#pragma once

#include "files/bay_opening.h"
#include "model/window_state.h"

#include <string>

namespace cw {

// File → Catalogues… with `path` chosen: the series choice becomes that catalogue. A refused
// file shows its one message and changes nothing. True when the catalogue was chosen.
bool chooseCatalogueFile(WindowState& w, const std::string& path);

// Where opening a bay looks for the catalogue it names: the window's catalogue in use, its
// list of catalogues and its question to the user.
files::CatalogueSources catalogueSourcesOf(const WindowState& w);

}  // namespace cw
