#include "report/report_bay.h"

#include "input/bay_document_io.h"
#include "input/form.h"
#include "input/site_wind.h"
#include "model/bay_input.h"
#include "report/report_text.h"

namespace cw::report {

namespace {

std::string joined(const std::vector<std::string>& messages) {
    std::string all;
    for (const std::string& m : messages) {
        if (!all.empty())
            all += ' ';
        all += m;
    }
    return all;
}

}  // namespace

ReportBay collectBay(std::string name, BayDocument document, const NumberFormat& fmt,
                     std::optional<BayLanguage> language) {
    if (language)
        document.language = *language;
    Form form(fmt);
    openDocument(form, document);
    const std::vector<std::string> messages = form.takeMessages();

    ReportBay bay{std::move(name), document, form.state(), {}, {}, false, std::nullopt};
    // The Site wind chain is reported only for the pressure it gave.
    if (!siteWindInForce(bay.window))
        bay.window.siteWind.reset();
    bay.english = document.language == BayLanguage::English;
    if (!readyToRun(document)) {
        bay.refusal = messages.empty() ? phrase(Phrase::NotReady, bay.english) : joined(messages);
        return bay;
    }
    const RunRequest run = readRun(bay.window);
    if (run.refusal) {
        bay.refusal = run.refusal->message;
        return bay;
    }
    if (!bay.window.shownRun) {
        bay.refusal = joined(messages);
        return bay;
    }
    bay.input = run.bay;
    bay.design = designBay(run.bay);
    // A run completes with a message when a result is out of range; the window then shows
    // nothing to report.
    if (!bay.design.finite)
        bay.refusal = joined(messages);
    return bay;
}

}  // namespace cw::report
