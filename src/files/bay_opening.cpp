#include "files/bay_opening.h"

#include "files/bay_file.h"
#include "files/catalogue_file.h"
#include "text/messages.h"

#include <QString>

#include <utility>

namespace cw::files {

CatalogueOfBay findCatalogueOfBay(const CatalogueRef& ref, std::optional<Series> bayUse,
                                  const CatalogueSources& sources, Language language) {
    if (sources.inUse && sources.inUse->ref.sha256 == ref.sha256)
        return {*sources.inUse, false, {}};
    if (sources.find)
        if (std::optional<ChosenCatalogue> listed = sources.find(ref))
            return {std::move(listed), false, {}};
    std::optional<ChosenCatalogue> atPath = catalogueAt(ref.path);
    if (atPath && atPath->ref.sha256 == ref.sha256)
        return {std::move(atPath), false, {}};
    const bool missing = !atPath;
    CatalogueOfBay out;
    if (sources.ask) {
        const std::string question =
            say(missing ? Message::CatalogueOfBayAskMissing : Message::CatalogueOfBayAskChanged,
                language, {ref.name, ref.path});
        if (const std::optional<std::string> path = sources.ask(question)) {
            CatalogueOpening chosen = openCatalogueFile(*path, language);
            if (!chosen.chosen) {
                out.messages.push_back(std::move(chosen.message));
            } else if (seriesOfUse(chosen.chosen->catalogue->use) != bayUse) {
                // A sloped catalogue would turn a vertical bay into a sloped one, or back.
                const bool sloped = chosen.chosen->catalogue->use == CatalogueUse::Sloped;
                out.messages.push_back(
                    say(Message::CatalogueOfBayOtherUse, language,
                        {chosen.chosen->ref.name, *path,
                         say(sloped ? Message::CatalogueUseSloped : Message::CatalogueUseVertical,
                             language)}));
            } else {
                out.found = std::move(chosen.chosen);
                out.chosenByUser = true;
                return out;
            }
        }
    }
    out.messages.push_back(
        say(missing ? Message::CatalogueOfBayMissing : Message::CatalogueOfBayChanged, language,
            {ref.name, ref.path}));
    out.found = std::move(atPath);
    return out;
}

BayOpening readBayOpening(const std::string& path, const NumberFormat& fmt, Language language,
                          const CatalogueSources& catalogues) {
    BayOpening opening;
    BayFileReadResult read =
        readBayFile(QString::fromUtf8(path.data(), qsizetype(path.size())), fmt);
    if (!read.document) {
        // A reader that gives neither a document nor a reason is a fault of the reader.
        const BayFileError error =
            read.error.value_or(BayFileError{BayFileErrorKind::Unreadable, {}});
        opening.messages.push_back(bayFileErrorMessage(error, path, language));
        return opening;
    }
    const BayDocument& d = *read.document;
    if (d.catalogue) {
        CatalogueOfBay ofBay = findCatalogueOfBay(*d.catalogue, d.series, catalogues, language);
        opening.catalogue = std::move(ofBay.found);
        opening.catalogueChosenAnew = ofBay.chosenByUser;
        opening.messages = std::move(ofBay.messages);
    }
    // The document runs once: its wind shows as opening takes it, its results only when the
    // bay is complete enough for NEXT.
    opening.outcome =
        runBay(d, fmt, opening.catalogue ? opening.catalogue->catalogue.get() : nullptr);
    opening.document = std::move(read.document);
    return opening;
}

}  // namespace cw::files
