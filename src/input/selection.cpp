// Choosing the series and the static system, the wind load and the deflection criterion.

#include "input/field_captions.h"
#include "window/window_model.h"

#include <cmath>

namespace cw {

using C = ControlId;

void Form::chooseSeries(ControlId option) {
    const bool terrax = option == C::Option12;
    unselect(C::Option1);
    show(C::Image5);
    if (!terrax)
        hide({C::Image7, C::Image8});
    m_form.SeriesChosen = TaggedValue::int16(1);
    // The next run labels its results in the language showing, not always in Greek.
    m_form.LanguageMode = TaggedValue::int16(englishShowing() ? 2 : 1);
    if (terrax)
        hide({C::Option14, C::Label21});
    else
        show({C::Option14, C::Label21});
    hide(C::Label77);
    if (terrax)
        show({C::Label115, C::Label116, C::Label117, C::Text40, C::Text41, C::Text42});
    else
        hide({C::Label115, C::Label116, C::Label117, C::Text40, C::Text41, C::Text42});
    unselect(C::Option9);
    unselect(C::Option13);
    unselect(C::Option14);
    hide({C::Command5, C::Command6, C::Command18, C::Command20, C::Command13, C::Command3,
          C::Command12, C::Text4, C::Text7, C::Text2, C::Text13, C::Text10, C::Text12});
}

void Form::Option10_Click() {
    chooseSeries(C::Option10);
}
void Form::Option11_Click() {
    chooseSeries(C::Option11);
}
void Form::Option12_Click() {
    chooseSeries(C::Option12);
}

void Form::chooseSystem(ControlId option) {
    const bool terrax = selected(C::Option12);
    if (!selected(C::Option10) && !selected(C::Option11) && !terrax)
        return;
    const bool twoSpans = option == C::Option13;
    if (terrax && option == C::Option9) {
        show(C::Image7);
        hide({C::Image2, C::Image3, C::Image4, C::Image5, C::Image8});
    } else if (terrax && twoSpans) {
        show(C::Image8);
        hide({C::Image2, C::Image3, C::Image4, C::Image5, C::Image7});
    } else if (option == C::Option9) {
        show(C::Image2);
        hide({C::Image3, C::Image4, C::Image5, C::Image7, C::Image8});
    } else if (twoSpans) {
        show(C::Image3);
        hide({C::Image2, C::Image4, C::Image5, C::Image7, C::Image8});
    } else {
        show(C::Image4);
        hide({C::Image2, C::Image3, C::Image5});
    }

    show({C::Text4, C::Text7, C::Text2, C::Text10, C::Text12, C::Command5, C::Command6,
          C::Command12, C::Command13, C::Command3});
    if (twoSpans) {
        show({C::Text13, C::Command18, C::Command20});
        write(C::Text13, {});
    } else {
        hide({C::Text13, C::Command18, C::Command20});
    }
    for (ControlId id : {C::Text1, C::Text2, C::Text10, C::Text12, C::Text4, C::Text7})
        write(id, {});
    moveFocus(C::Text4);
}

void Form::Option9_Click() {
    chooseSystem(C::Option9);
}
void Form::Option13_Click() {
    chooseSystem(C::Option13);
}
void Form::Option14_Click() {
    chooseSystem(C::Option14);
}

void Form::chooseHeightBand(double pressure, std::int16_t limit) {
    m_form.WindPressure = TaggedValue::real(pressure);
    m_form.HeightBandLimit = TaggedValue::int16(limit);
    write(C::Text8, {});
    write(C::Text11, fixedText(windSpeedOfPressure(pressure), m_fmt));
    write(C::Text3, plainText(pressure, m_fmt));
    m_windSource = WindSource::HeightBand;
    // The band's pressure is now the one in force: a pressure mode left from the pressure
    // button would make the next run read the Text8 just emptied.
    m_form.WindInputMode = TaggedValue::int16(0);
}

void Form::Option1_Click() {
    chooseHeightBand(0.5, 8);
}
void Form::Option2_Click() {
    chooseHeightBand(0.8, 20);
}
void Form::Option3_Click() {
    chooseHeightBand(1.2, 100);
}

void Form::takeTypedPressure() {
    const std::optional<double> p = num(C::Text8);
    const FieldRule rule{C::Text8, Bound::NonNegative, true};
    if (auto refusal = checkField(rule, text(C::Text8), m_fmt, englishShowing())) {
        refuse(*refusal);
        return;
    }
    const double speed = windSpeedOfPressure(*p);
    if (!std::isfinite(speed)) {
        refuse(tooLarge(C::Text8, englishShowing()));
        return;
    }
    show(C::Text8);
    m_windSource = WindSource::TypedPressure;
    m_form.WindInputMode = TaggedValue::int16(1);
    m_form.WindPressure = TaggedValue::text(text(C::Text8));
    write(C::Text3, text(C::Text8));
    write(C::Text11, fixedText(speed, m_fmt));
}

void Form::Command2_Click() {
    takeTypedPressure();
}
void Form::Command11_Click() {
    takeTypedPressure();
}

void Form::takeWindSpeed() {
    const FieldRule rule{C::Text11, Bound::NonNegative, true};
    if (auto refusal = checkField(rule, text(C::Text11), m_fmt, englishShowing())) {
        refuse(*refusal);
        return;
    }
    const double v = *num(C::Text11);
    const double pressure = pressureOfWindSpeed(v);
    if (!std::isfinite(pressure)) {
        refuse(tooLarge(C::Text11, englishShowing()));
        return;
    }
    show(C::Text11);
    m_windSource = WindSource::WindSpeed;
    m_form.WindInputMode = TaggedValue::int16(2);
    m_form.WindPressure = TaggedValue::real(pressure);
    write(C::Text3, plainText(pressure, m_fmt));
    write(C::Text8, "0");
}

void Form::Command4_Click() {
    takeWindSpeed();
}
void Form::Command14_Click() {
    takeWindSpeed();
}

void Form::followAllowedDeflection() {
    // The maximum allowable deflection is the allowable one capped at 15 mm.
    const std::optional<double> f = num(C::Text38);
    if (!f)
        return;
    write(C::Text44, *f < 15.0 ? text(C::Text38) : std::string("15"));
}

void Form::Command15_Click() {
    write(C::Text38, "15");
    followAllowedDeflection();
}

void Form::setDeflectionFromDivisor() {
    const bool english = englishShowing();
    if (auto refusal = checkField({C::Text2, Bound::Any}, text(C::Text2), m_fmt, english)) {
        refuse(*refusal);
        return;
    }
    if (auto refusal = checkField({C::Text37, Bound::NonZero}, text(C::Text37), m_fmt, english)) {
        refuse(*refusal);
        return;
    }
    const double f = (*num(C::Text2) / *num(C::Text37)) * 10.0;
    if (!std::isfinite(f)) {
        refuse(tooLarge(C::Text2, english));
        return;
    }
    write(C::Text38, plainText(f, m_fmt));
    followAllowedDeflection();
}

void Form::Command17_Click() {
    setDeflectionFromDivisor();
}

void Form::setDivisorFromDeflection() {
    const bool english = englishShowing();
    if (auto refusal = checkField({C::Text2, Bound::Any}, text(C::Text2), m_fmt, english)) {
        refuse(*refusal);
        return;
    }
    if (auto refusal = checkField({C::Text38, Bound::NonZero}, text(C::Text38), m_fmt, english)) {
        refuse(*refusal);
        return;
    }
    const double d = (*num(C::Text2) / *num(C::Text38)) * 10.0;
    if (!std::isfinite(d)) {
        refuse(tooLarge(C::Text2, english));
        return;
    }
    write(C::Text37, plainText(d, m_fmt));
}

void Form::Command16_Click() {
    setDivisorFromDeflection();
}
void Form::Command19_Click() {
    setDivisorFromDeflection();
}

}  // namespace cw
