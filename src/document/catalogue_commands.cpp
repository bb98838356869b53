#include "document/catalogue_commands.h"

#include "files/bay_opening.h"
#include "files/catalogue_file.h"
#include "model/choices.h"

#include <utility>

namespace cw {

bool chooseCatalogueFile(WindowState& w, const std::string& path) {
    files::CatalogueOpening opening = files::openCatalogueFile(path, w.languageShowing());
    if (!opening.chosen) {
        w.message(std::move(opening.message));
        return false;
    }
    chooseCatalogue(w, std::move(*opening.chosen));
    return true;
}

files::CatalogueSources catalogueSourcesOf(const WindowState& w) {
    return {w.userCatalogue ? &*w.userCatalogue : nullptr, w.findCatalogue,
            w.askForCatalogueFile};
}

}  // namespace cw
