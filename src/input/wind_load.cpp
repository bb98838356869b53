#include "input/wind_load.h"

#include "bay/bay_input.h"
#include "model/field_controls.h"

namespace cw {

namespace {

WindTaken takeOf(const WindowState& w, WindSource source, std::optional<HeightBand> band = {}) {
    return takeWind(source, band, w.text(Field::WindPressure), w.text(Field::WindSpeed),
                    w.numberFormat(), w.languageShowing());
}

void putInForce(WindowState& w, const WindTaken& wind) {
    w.windSource = wind.source;
    FormState& values = w.values();
    values.windInput = wind.input;
    values.windPressure = wind.pressure;
}

}  // namespace

void chooseHeightBand(WindowState& w, HeightBand band) {
    const WindTaken wind = takeOf(w, WindSource::HeightBand, band);
    w.values().heightBandLimit = wind.heightBandLimit;
    w.write(Field::WindPressure, {});
    w.write(Field::WindSpeed, fixedText(wind.speed_kmh, w.numberFormat()));
    w.write(Field::PressureInForce, plainText(wind.pressure_kNm2, w.numberFormat()));
    // The band's pressure is now the one in force: a pressure mode left from the pressure
    // button would make the next run read the pressure field just emptied.
    putInForce(w, wind);
}

void takeTypedPressure(WindowState& w) {
    const WindTaken wind = takeOf(w, WindSource::TypedPressure);
    if (wind.refusal) {
        w.refuse(*wind.refusal);
        return;
    }
    w.show(controlOf(Field::WindPressure));
    putInForce(w, wind);
    w.write(Field::PressureInForce, w.text(Field::WindPressure));
    w.write(Field::WindSpeed, fixedText(wind.speed_kmh, w.numberFormat()));
}

void takeWindSpeed(WindowState& w) {
    const WindTaken wind = takeOf(w, WindSource::WindSpeed);
    if (wind.refusal) {
        w.refuse(*wind.refusal);
        return;
    }
    w.show(controlOf(Field::WindSpeed));
    putInForce(w, wind);
    w.write(Field::PressureInForce, plainText(wind.pressure_kNm2, w.numberFormat()));
    w.write(Field::WindPressure, "0");
}

}  // namespace cw
