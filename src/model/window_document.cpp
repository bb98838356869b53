#include "model/window_document.h"

#include "model/option_values.h"
#include "model/window_state.h"

namespace cw {

BayDocument documentOf(const WindowState& w) {
    BayDocument d;
    d.series = selectedSeriesOption(w);
    d.staticSystem = selectedSystemOption(w);
    for (const BayDocumentText& slot : bayDocumentTexts())
        d.*slot.text = w.text(slot.field);
    d.wind = w.windSource;
    if (w.windSource == WindSource::HeightBand)
        d.wind = selectedBandOption(w).value_or(HeightBand::UpTo100m);
    d.language = w.languageShowing();
    d.deflectionCriterion = w.criterion;
    d.basis = w.basis;
    d.alloy = w.alloy;
    d.hanging = w.hanging;
    d.groundSnow_kNm2 = w.groundSnow_kNm2;
    d.factors = w.factors;
    d.project = w.project;
    if (w.userCatalogue && w.userCatalogue->catalogue) {
        d.series = seriesOfUse(w.userCatalogue->catalogue->use);
        d.catalogue = w.userCatalogue->ref;
    }

    BayKeptState kept;
    kept.bandSelected = selectedBandOption(w);
    // The band in force is the one whose limit is kept: a series chosen after it unselects
    // the 8 m option but keeps its pressure.
    if (w.windSource == WindSource::HeightBand && w.form().heightBandLimit.isNumber()) {
        const double limit = w.form().heightBandLimit.numberValue();
        d.wind = limit <= 8    ? HeightBand::UpTo8m
                 : limit <= 20 ? HeightBand::UpTo20m
                               : HeightBand::UpTo100m;
    }
    kept.windInput = w.form().windInput;
    kept.pressure = w.form().windPressure;
    kept.heightBandLimit = w.form().heightBandLimit;
    kept.pressureInForce = w.text(Field::PressureInForce);
    if (w.siteWind)
        kept.siteWind = w.siteWind->input;
    kept.allowableDeflectionCapped_mm = w.text(Field::AllowableDeflectionCapped);
    d.kept = std::move(kept);
    return d;
}

bool documentModified(const WindowState& w) {
    return documentOf(w) != w.document.saved;
}

}  // namespace cw
