#pragma once

#include "model/window_state.h"

#include <optional>
#include <string>

namespace cw {

// A catalogue file read for the window: the catalogue and its reference (name, path as
// given, hash of the bytes), or the one message of its refusal in `language`.
struct CatalogueOpening {
    std::optional<ChosenCatalogue> chosen;
    std::string message;
};
CatalogueOpening openCatalogueFile(const std::string& path, Language language);

// File → Catalogues… with `path` chosen: the series choice becomes that catalogue. A refused
// file shows its one message and changes nothing. True when the catalogue was chosen.
bool chooseCatalogueFile(WindowState& w, const std::string& path);

}  // namespace cw
