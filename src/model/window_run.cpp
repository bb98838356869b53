// The mapping from the window's controls to the inputs of a run.

#include "model/window_run.h"

#include "bay/catalogue_ref.h"
#include "bay/field_rules.h"
#include "model/field_controls.h"
#include "model/option_values.h"

namespace cw {

std::optional<Series> chosenSeries(const WindowState& w) {
    if (const std::optional<Series> series = selectedSeriesOption(w))
        return series;
    // A user catalogue designs as the series option of its use.
    if (w.userCatalogue && w.userCatalogue->catalogue)
        return seriesOfUse(w.userCatalogue->catalogue->use);
    return std::nullopt;
}

const Catalogue& catalogueOfRun(const WindowState& w, Series series) {
    if (w.userCatalogue && w.userCatalogue->catalogue)
        return *w.userCatalogue->catalogue;
    return builtInCatalogues().of(series);
}

std::optional<StaticSystem> chosenSystem(const WindowState& w) {
    return selectedSystemOption(w);
}

RunInputs inputsOf(const WindowState& w) {
    RunInputs in;
    in.fmt = &w.numberFormat();
    in.language = w.languageShowing();
    in.series = chosenSeries(w);
    in.system = chosenSystem(w);
    for (std::size_t f = 0; f < kInputFieldCount; ++f)
        in.texts[f] = w.text(static_cast<Field>(f));
    const FormState& values = w.form();
    in.windInput = values.windInput;
    in.windPressure = values.windPressure;
    in.heightBandLimit = values.heightBandLimit;
    in.windSource = w.windSource;
    in.criterion = w.criterion;
    return in;
}

RunRequest readRun(const WindowState& w) {
    return readRun(inputsOf(w));
}

std::optional<Refusal> checkField(const WindowState& w, const FieldRule& rule) {
    return checkField(rule, w.text(rule.field), w.numberFormat(), w.languageShowing());
}

}  // namespace cw
