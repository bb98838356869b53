#include "input/catalogue_choice.h"

#include "bay/catalogue_ref.h"
#include "input/selection.h"

namespace cw {

using C = ControlId;

void chooseCatalogue(WindowState& w, ChosenCatalogue chosen) {
    if (!chosen.catalogue)
        return;
    const Series series = seriesOfUse(chosen.catalogue->use);
    w.unselect(C::Option10);
    w.unselect(C::Option11);
    w.unselect(C::Option12);
    w.userCatalogue = std::move(chosen);
    chooseSeries(w, series);
}

void chooseSeriesOptions(WindowState& w) {
    if (!w.userCatalogue || !w.userCatalogue->catalogue)
        return;
    const Series series = seriesOfUse(w.userCatalogue->catalogue->use);
    w.userCatalogue.reset();
    w.select(series == Series::Terrax ? C::Option12 : C::Option10);
    chooseSeries(w, series);
}

}  // namespace cw
