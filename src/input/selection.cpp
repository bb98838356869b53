#include "input/selection.h"

#include "bay/bay_input.h"
#include "model/option_values.h"
#include "model/window_run.h"

namespace cw {

using C = ControlId;

void chooseSeries(WindowState& w, Series series) {
    const bool terrax = series == Series::Terrax;
    w.unselect(optionOf(HeightBand::UpTo8m));
    w.show(C::Image5);
    if (!terrax)
        w.hide({C::Image7, C::Image8});
    FormState& values = w.values();
    values.seriesChosen = true;
    // The next run labels its results in the language showing, not always in Greek.
    values.language = w.languageShowing();
    const ControlId fixedEnds = optionOf(StaticSystem::FixedEnds);
    if (terrax)
        w.hide({fixedEnds, C::Label21});
    else
        w.show({fixedEnds, C::Label21});
    w.hide(C::Label77);
    if (terrax)
        w.show({C::Label115, C::Label116, C::Label117, C::Text40, C::Text41, C::Text42});
    else
        w.hide({C::Label115, C::Label116, C::Label117, C::Text40, C::Text41, C::Text42});
    for (const OptionValue<StaticSystem>& option : kSystemOptions)
        w.unselect(option.option);
    w.hide({C::Command5, C::Command6, C::Command18, C::Command20, C::Command13, C::Command3,
            C::Command12, C::Text4, C::Text7, C::Text2, C::Text13, C::Text10, C::Text12});
}

void chooseStaticSystem(WindowState& w, StaticSystem system) {
    const std::optional<Series> series = chosenSeries(w);
    if (!series)
        return;
    const bool terrax = series == Series::Terrax;
    const bool twoSpans = system == StaticSystem::TwoSpans;
    if (terrax && system == StaticSystem::OneSpan) {
        w.show(C::Image7);
        w.hide({C::Image2, C::Image3, C::Image4, C::Image5, C::Image8});
    } else if (terrax && twoSpans) {
        w.show(C::Image8);
        w.hide({C::Image2, C::Image3, C::Image4, C::Image5, C::Image7});
    } else if (system == StaticSystem::OneSpan) {
        w.show(C::Image2);
        w.hide({C::Image3, C::Image4, C::Image5, C::Image7, C::Image8});
    } else if (twoSpans) {
        w.show(C::Image3);
        w.hide({C::Image2, C::Image4, C::Image5, C::Image7, C::Image8});
    } else {
        w.show(C::Image4);
        w.hide({C::Image2, C::Image3, C::Image5});
    }

    w.show({C::Text4, C::Text7, C::Text2, C::Text10, C::Text12, C::Command5, C::Command6,
            C::Command12, C::Command13, C::Command3});
    if (twoSpans) {
        w.show({C::Text13, C::Command18, C::Command20});
        w.write(Field::SpanL2, {});
    } else {
        w.hide({C::Text13, C::Command18, C::Command20});
    }
    for (Field f : {Field::LoadWidth, Field::SpanL1, Field::GlazingHeightH1, Field::GlazingHeightH2,
                    Field::GridWidthA1, Field::GridWidthA2})
        w.write(f, {});
    w.moveFocus(Field::GridWidthA1);
}

}  // namespace cw
