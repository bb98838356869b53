#include "report/report_bay.h"

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
                     std::optional<Language> language) {
    if (language)
        document.language = *language;
    ReportBay bay{std::move(name), document, fmt, runBay(document, fmt), {}, {},
                  Language::Greek, {},       {}};
    bay.language = document.language;
    const BayOutcome& run = bay.run;
    // The Site wind chain is reported only for the pressure it gave.
    bay.siteWind = run.siteWind;
    if (!readyToRun(document)) {
        // Opening the bay ran only the wind buttons.
        bay.refusal =
            run.windRefusal ? run.windRefusal->message : say(Message::ReportNotReady, bay.language);
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
