#include "input/wind_load.h"

#include "model/window_run.h"
#include "bay/field_rules.h"

#include <cmath>

namespace cw {

void chooseHeightBand(WindowState& w, HeightBand band) {
    const HeightBandLoad load = heightBandLoad(band);
    FormState& values = w.values();
    values.windPressure = TaggedValue::real(load.pressure_kNm2);
    values.heightBandLimit = TaggedValue::int16(load.upperLimit_m);
    w.write(Field::WindPressure, {});
    w.write(Field::WindSpeed, fixedText(windSpeedOfPressure(load.pressure_kNm2), w.numberFormat()));
    w.write(Field::PressureInForce, plainText(load.pressure_kNm2, w.numberFormat()));
    w.windSource = WindSource::HeightBand;
    // The band's pressure is now the one in force: a pressure mode left from the pressure
    // button would make the next run read the pressure field just emptied.
    values.windInput = WindInput::Taken;
}

void takeTypedPressure(WindowState& w) {
    if (auto refusal = checkField(w, {Field::WindPressure, Bound::NonNegative, true})) {
        w.refuse(*refusal);
        return;
    }
    const double speed = windSpeedOfPressure(*w.num(Field::WindPressure));
    if (!std::isfinite(speed)) {
        w.refuse(tooLarge(Field::WindPressure, w.languageShowing()));
        return;
    }
    w.show(controlOf(Field::WindPressure));
    w.windSource = WindSource::TypedPressure;
    FormState& values = w.values();
    values.windInput = WindInput::TypedPressure;
    values.windPressure = TaggedValue::text(w.text(Field::WindPressure));
    w.write(Field::PressureInForce, w.text(Field::WindPressure));
    w.write(Field::WindSpeed, fixedText(speed, w.numberFormat()));
}

void takeWindSpeed(WindowState& w) {
    if (auto refusal = checkField(w, {Field::WindSpeed, Bound::NonNegative, true})) {
        w.refuse(*refusal);
        return;
    }
    const double pressure = pressureOfWindSpeed(*w.num(Field::WindSpeed));
    if (!std::isfinite(pressure)) {
        w.refuse(tooLarge(Field::WindSpeed, w.languageShowing()));
        return;
    }
    w.show(controlOf(Field::WindSpeed));
    w.windSource = WindSource::WindSpeed;
    FormState& values = w.values();
    values.windInput = WindInput::FromSpeed;
    values.windPressure = TaggedValue::real(pressure);
    w.write(Field::PressureInForce, plainText(pressure, w.numberFormat()));
    w.write(Field::WindPressure, "0");
}

}  // namespace cw
