// The series, system and field checks the window's handlers read from its controls.

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

std::optional<StaticSystem> chosenSystem(const WindowState& w) {
    return selectedSystemOption(w);
}

std::optional<Refusal> checkField(const WindowState& w, const FieldRule& rule) {
    return checkField(rule, w.text(rule.field), w.numberFormat(), w.languageShowing());
}

}  // namespace cw
