// The mapping from the window's controls to the inputs of a run.

#include "model/window_run.h"

#include "bay/catalogue_ref.h"
#include "bay/field_rules.h"
#include "model/field_controls.h"

namespace cw {

using C = ControlId;

namespace {

// The window's series options; each series designs with its catalogue (seriesCatalogueFile).
struct SeriesOption {
    ControlId option;
    Series series;
};
constexpr SeriesOption kSeriesOptions[] = {{C::Option10, Series::Veltra},
                                           {C::Option11, Series::KorinDalvo},
                                           {C::Option12, Series::Terrax}};

}  // namespace

std::optional<Series> seriesOfOption(ControlId option) {
    for (const SeriesOption& s : kSeriesOptions)
        if (s.option == option)
            return s.series;
    return std::nullopt;
}

std::optional<Series> chosenSeries(const WindowState& w) {
    for (const SeriesOption& s : kSeriesOptions)
        if (w.selected(s.option))
            return s.series;
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
    if (w.selected(C::Option9))
        return StaticSystem::OneSpan;
    if (w.selected(C::Option13))
        return StaticSystem::TwoSpans;
    if (w.selected(C::Option14))
        return StaticSystem::FixedEnds;
    return std::nullopt;
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
