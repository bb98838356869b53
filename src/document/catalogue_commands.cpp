#include "document/catalogue_commands.h"

#include "files/catalogue_file.h"
#include "input/catalogue_choice.h"
#include "text/messages.h"

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

CatalogueOfBay findCatalogueOfBay(WindowState& w, const CatalogueRef& ref,
                                  std::optional<Series> bayUse) {
    const Language language = w.languageShowing();
    if (w.userCatalogue && w.userCatalogue->ref.sha256 == ref.sha256)
        return {w.userCatalogue};
    if (w.findCatalogue)
        if (std::optional<ChosenCatalogue> listed = w.findCatalogue(ref))
            return {std::move(listed)};
    std::optional<ChosenCatalogue> atPath = openCatalogueFile(ref.path, language).chosen;
    if (atPath && atPath->ref.sha256 == ref.sha256)
        return {std::move(atPath)};
    const bool missing = !atPath;
    if (w.askForCatalogueFile) {
        const std::string question =
            say(missing ? Message::CatalogueOfBayAskMissing : Message::CatalogueOfBayAskChanged,
                language, {ref.name, ref.path});
        if (const std::optional<std::string> path = w.askForCatalogueFile(question)) {
            CatalogueOpening chosen = openCatalogueFile(*path, language);
            if (!chosen.chosen) {
                w.message(std::move(chosen.message));
            } else if (seriesOfUse(chosen.chosen->catalogue->use) != bayUse) {
                // A sloped catalogue would turn a vertical bay into a sloped one, or back.
                const bool sloped = chosen.chosen->catalogue->use == CatalogueUse::Sloped;
                w.message(say(Message::CatalogueOfBayOtherUse, language,
                              {chosen.chosen->ref.name, *path,
                               say(sloped ? Message::CatalogueUseSloped
                                          : Message::CatalogueUseVertical,
                                   language)}));
            } else {
                return {std::move(chosen.chosen), true};
            }
        }
    }
    w.message(say(missing ? Message::CatalogueOfBayMissing : Message::CatalogueOfBayChanged,
                  language, {ref.name, ref.path}));
    return {std::move(atPath)};
}

}  // namespace cw
