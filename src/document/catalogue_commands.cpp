#include "document/catalogue_commands.h"

#include "files/catalogue_file.h"
#include "input/catalogue_choice.h"

#include <filesystem>
#include <memory>
#include <utility>

namespace cw {

CatalogueOpening openCatalogueFile(const std::string& path, Language language) {
    files::CatalogueLoad load = files::loadCatalogueFile(std::filesystem::path(path));
    CatalogueOpening out;
    if (!load.catalogue) {
        out.message = files::describeCatalogueFaults(
            std::filesystem::path(path).filename().string(), load.faults, language);
        return out;
    }
    CatalogueRef ref{load.catalogue->name, path, std::move(load.sha256)};
    out.chosen = ChosenCatalogue{std::make_shared<const Catalogue>(std::move(*load.catalogue)),
                                 std::move(ref)};
    return out;
}

bool chooseCatalogueFile(WindowState& w, const std::string& path) {
    CatalogueOpening opening = openCatalogueFile(path, w.languageShowing());
    if (!opening.chosen) {
        w.message(std::move(opening.message));
        return false;
    }
    chooseCatalogue(w, std::move(*opening.chosen));
    return true;
}

}  // namespace cw
