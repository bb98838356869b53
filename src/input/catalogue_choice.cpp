#include "input/catalogue_choice.h"

#include "bay/catalogue_ref.h"
#include "input/selection.h"
#include "model/option_values.h"

namespace cw {

using C = ControlId;

void chooseCatalogue(WindowState& w, ChosenCatalogue chosen) {
    if (!chosen.catalogue)
        return;
    const Series series = seriesOfUse(chosen.catalogue->use);
    for (const OptionValue<Series>& option : kSeriesOptions)
        w.unselect(option.option);
    w.userCatalogue = std::move(chosen);
    chooseSeries(w, series);
}

void chooseSeriesOptions(WindowState& w) {
    if (!w.userCatalogue || !w.userCatalogue->catalogue)
        return;
    const Series series = seriesOfUse(w.userCatalogue->catalogue->use);
    w.userCatalogue.reset();
    w.select(optionOf(series));
    chooseSeries(w, series);
}

}  // namespace cw
