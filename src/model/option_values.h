#pragma once

// What each of the window's option buttons stands for: the series, static-system and
// height-band options, written once here and looked up both ways everywhere else.

#include "design/bay.h"
#include "design/catalogue.h"
#include "design/wind.h"
#include "model/control_id.h"
#include "model/window_state.h"

#include <cstddef>
#include <optional>

namespace cw {

template <typename Value>
struct OptionValue {
    ControlId option;
    Value value;
};

inline constexpr OptionValue<Series> kSeriesOptions[] = {{ControlId::Option10, Series::Veltra},
                                                         {ControlId::Option11, Series::KorinDalvo},
                                                         {ControlId::Option12, Series::Terrax}};
inline constexpr OptionValue<StaticSystem> kSystemOptions[] = {
    {ControlId::Option9, StaticSystem::OneSpan},
    {ControlId::Option13, StaticSystem::TwoSpans},
    {ControlId::Option14, StaticSystem::FixedEnds}};
inline constexpr OptionValue<HeightBand> kHeightBandOptions[] = {
    {ControlId::Option1, HeightBand::UpTo8m},
    {ControlId::Option2, HeightBand::UpTo20m},
    {ControlId::Option3, HeightBand::UpTo100m}};

namespace option_values {

template <typename Value, std::size_t N>
constexpr std::optional<Value> valueOf(const OptionValue<Value> (&options)[N], ControlId option) {
    for (const OptionValue<Value>& o : options)
        if (o.option == option)
            return o.value;
    return std::nullopt;
}

// Every value has its option (checked below), so the first entry is never the answer by default.
template <typename Value, std::size_t N>
constexpr ControlId optionOf(const OptionValue<Value> (&options)[N], Value value) {
    for (const OptionValue<Value>& o : options)
        if (o.value == value)
            return o.option;
    return options[0].option;
}

template <typename Value, std::size_t N>
std::optional<Value> selectedOf(const WindowState& w, const OptionValue<Value> (&options)[N]) {
    for (const OptionValue<Value>& o : options)
        if (w.selected(o.option))
            return o.value;
    return std::nullopt;
}

template <typename Value, std::size_t N>
constexpr bool eachValueOnce(const OptionValue<Value> (&options)[N], std::size_t count) {
    if (N != count)
        return false;
    for (std::size_t i = 0; i < N; ++i)
        for (std::size_t j = 0; j < N; ++j)
            if (i != j && (options[i].value == options[j].value ||
                           options[i].option == options[j].option))
                return false;
    return true;
}

static_assert(eachValueOnce(kSeriesOptions, 3));
static_assert(eachValueOnce(kSystemOptions, 3));
static_assert(eachValueOnce(kHeightBandOptions, 3));

}  // namespace option_values

constexpr ControlId optionOf(Series s) {
    return option_values::optionOf(kSeriesOptions, s);
}
constexpr ControlId optionOf(StaticSystem s) {
    return option_values::optionOf(kSystemOptions, s);
}
constexpr ControlId optionOf(HeightBand b) {
    return option_values::optionOf(kHeightBandOptions, b);
}

// The value an option button stands for, if it is one of its kind.
constexpr std::optional<Series> seriesOfOption(ControlId option) {
    return option_values::valueOf(kSeriesOptions, option);
}
constexpr std::optional<StaticSystem> systemOfOption(ControlId option) {
    return option_values::valueOf(kSystemOptions, option);
}
constexpr std::optional<HeightBand> bandOfOption(ControlId option) {
    return option_values::valueOf(kHeightBandOptions, option);
}

// The value of the option of its kind that is selected in the window, if any: the options
// themselves only, whatever a user catalogue stands in for.
inline std::optional<Series> selectedSeriesOption(const WindowState& w) {
    return option_values::selectedOf(w, kSeriesOptions);
}
inline std::optional<StaticSystem> selectedSystemOption(const WindowState& w) {
    return option_values::selectedOf(w, kSystemOptions);
}
inline std::optional<HeightBand> selectedBandOption(const WindowState& w) {
    return option_values::selectedOf(w, kHeightBandOptions);
}

}  // namespace cw
