#pragma once

#include "bay/bay_document.h"
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

// The catalogue a bay file names, as opening the bay finds it: the window's own with that
// content, else the file at its path. When that file is missing or has changed, the user is
// asked (askForCatalogueFile) whether to choose the catalogue's file; a file chosen that loads
// and is for the bay's use is taken, with its own path and hash. Otherwise, or when the user
// cancels, the bay's catalogue is said to be missing or changed and the file at its path, if
// any, is used as it now is. `bayUse` is the series option the bay was saved with.
struct CatalogueOfBay {
    std::optional<ChosenCatalogue> found;
    bool chosenByUser = false;  // found in a file the user chose in place of the bay's
};
CatalogueOfBay findCatalogueOfBay(WindowState& w, const CatalogueRef& ref,
                                  std::optional<Series> bayUse);

}  // namespace cw
