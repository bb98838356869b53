#include "input/bay_document_io.h"

#include "input/deflection_criterion.h"
#include "input/next_run.h"

#include <string>
#include <utility>
#include <vector>

namespace cw {

using C = ControlId;

void openDocument(Form& f, const BayDocument& d) {
    // Messages shown before and not yet taken stay in their place, ahead of the run's.
    std::vector<std::string> shown = f.takeMessages();
    f.state().reopen();
    for (std::string& text : shown)
        f.state().message(std::move(text));

    chooseCriterion(f.state(), d.deflectionCriterion);
    // In the order a user would go: the language first, since a series takes it over.
    if (d.language == BayLanguage::English)
        f.click(C::Command10);
    switch (d.series) {
    case BaySeries::Veltra: f.click(C::Option10); break;
    case BaySeries::Korin: f.click(C::Option11); break;
    case BaySeries::Terrax: f.click(C::Option12); break;
    case BaySeries::None: break;
    }
    const bool terrax = d.series == BaySeries::Terrax;
    switch (d.staticSystem) {
    case BayStaticSystem::OneSpan: f.click(C::Option9); break;
    case BayStaticSystem::TwoSpans: f.click(C::Option13); break;
    case BayStaticSystem::FixedEnds:
        if (!terrax)  // Terrax offers no fixed ends
            f.click(C::Option14);
        break;
    case BayStaticSystem::None: break;
    }

    WindowState& w = f.state();
    switch (d.windSource) {
    case BayWindSource::Band0To8m: f.click(C::Option1); break;
    case BayWindSource::Band8To20m: f.click(C::Option2); break;
    case BayWindSource::Band20To100m: f.click(C::Option3); break;
    case BayWindSource::TypedPressure:
        w.write(Field::WindPressure, d.windPressure_kNm2);
        f.click(C::Command2);
        break;
    case BayWindSource::WindSpeed:
        w.write(Field::WindSpeed, d.windSpeed_kmh);
        f.click(C::Command4);
        break;
    case BayWindSource::None: break;
    }
    // The texts as typed, after the choices that empty or fill some of them.
    for (const BayDocumentText& slot : bayDocumentTexts())
        w.write(slot.field, d.*slot.text);
    followAllowableDeflection(w);
    w.moveFocus(Field::GridWidthA1);
    if (readyToRun(d))
        runNext(w);
}

}  // namespace cw
