#include "report/report_bay.h"

#include "files/catalogue_file.h"

#include <filesystem>
#include <memory>

#include "text/messages.h"

namespace cw::report {

const std::string& ReportBay::typed(Field f) const {
    for (const BayDocumentText& slot : bayDocumentTexts())
        if (slot.field == f)
            return document.*slot.text;
    static const std::string none;
    return none;
}

ReportBay collectBay(std::string name, BayDocument document, const NumberFormat& fmt,
                     std::optional<Language> language, const Catalogue* catalogue) {
    if (language)
        document.language = *language;
    std::shared_ptr<const Catalogue> loaded;
    std::optional<std::string> catalogueRefusal;
    if (document.catalogue && !catalogue) {
        files::CatalogueLoad load = files::loadCatalogueFile(document.catalogue->path);
        if (load.catalogue)
            loaded = std::make_shared<const Catalogue>(std::move(*load.catalogue));
        else
            catalogueRefusal = files::describeCatalogueFaults(
                std::filesystem::path(document.catalogue->path).filename().string(), load.faults,
                document.language);
        catalogue = loaded.get();
    }
    ReportBay bay{std::move(name), document, fmt, BayOutcome{}, {}, {}, Language::Greek, {}, {}, {}, 0};
    bay.language = document.language;
    // The window's catalogue outlives the report; only one read here is owned.
    bay.catalogue = loaded ? loaded : std::shared_ptr<const Catalogue>(std::shared_ptr<const Catalogue>(), catalogue);
    if (catalogueRefusal) {
        bay.refusal = catalogueRefusal;
        return bay;
    }
    bay.run = runBay(document, fmt, catalogue);
    const BayOutcome& run = bay.run;
    // The Site wind chain is reported only for the pressure it gave.
    bay.siteWind = run.siteWind;
    if (!readyToRun(document)) {
        // Opening the bay ran only the wind buttons.
        const Refusal* wind = run.windRefusal();
        bay.refusal = wind ? wind->message : say(Message::ReportNotReady, bay.language);
        return bay;
    }
    if (run.refusal) {
        bay.refusal = run.refusal->message;
        return bay;
    }
    bay.input = run.input;
    bay.design = run.design;
    return bay;
}

}  // namespace cw::report
