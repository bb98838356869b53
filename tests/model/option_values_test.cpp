// The option buttons and the values they stand for, both ways.

#include "model/option_values.h"

#include <gtest/gtest.h>

namespace cw {
namespace {

using C = ControlId;

TEST(OptionValues, EachOptionStandsForItsValueAndBack) {
    const struct {
        ControlId option;
        std::optional<Series> series;
        std::optional<StaticSystem> system;
        std::optional<HeightBand> band;
    } rows[] = {
        {C::Option10, Series::Veltra, {}, {}},
        {C::Option11, Series::KorinDalvo, {}, {}},
        {C::Option12, Series::Terrax, {}, {}},
        {C::Option9, {}, StaticSystem::OneSpan, {}},
        {C::Option13, {}, StaticSystem::TwoSpans, {}},
        {C::Option14, {}, StaticSystem::FixedEnds, {}},
        {C::Option1, {}, {}, HeightBand::UpTo8m},
        {C::Option2, {}, {}, HeightBand::UpTo20m},
        {C::Option3, {}, {}, HeightBand::UpTo100m},
        {C::Option8, {}, {}, {}},  // the atrium option stands for nothing
        {C::Command1, {}, {}, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(static_cast<int>(row.option));
        EXPECT_EQ(seriesOfOption(row.option), row.series);
        EXPECT_EQ(systemOfOption(row.option), row.system);
        EXPECT_EQ(bandOfOption(row.option), row.band);
        if (row.series) {
            EXPECT_EQ(optionOf(*row.series), row.option);
        }
        if (row.system) {
            EXPECT_EQ(optionOf(*row.system), row.option);
        }
        if (row.band) {
            EXPECT_EQ(optionOf(*row.band), row.option);
        }
    }
}

}  // namespace
}  // namespace cw
