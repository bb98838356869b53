#include "input/wind_load.h"

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
    showWindTaken(w, WindSource::HeightBand, takeOf(w, WindSource::HeightBand, band));
}

void takeTypedPressure(WindowState& w) {
    showWindTaken(w, WindSource::TypedPressure, takeOf(w, WindSource::TypedPressure));
}

void takeWindSpeed(WindowState& w) {
    showWindTaken(w, WindSource::WindSpeed, takeOf(w, WindSource::WindSpeed));
}

void showWindTaken(WindowState& w, WindSource asked, const WindTaken& wind) {
    switch (asked) {
    case WindSource::HeightBand:
        w.values().heightBandLimit = wind.heightBandLimit;
        w.write(Field::WindPressure, {});
        w.write(Field::WindSpeed, wind.speedText);
        w.write(Field::PressureInForce, wind.pressureInForceText);
        // The band's pressure is now the one in force: a pressure mode left from the pressure
        // button would make the next run read the pressure field just emptied.
        putInForce(w, wind);
        return;
    case WindSource::TypedPressure:
    case WindSource::WindSpeed: {
        if (wind.refusal) {
            w.refuse(*wind.refusal);
            return;
        }
        const bool typed = asked == WindSource::TypedPressure;
        w.show(controlOf(typed ? Field::WindPressure : Field::WindSpeed));
        putInForce(w, wind);
        w.write(Field::PressureInForce, wind.pressureInForceText);
        // The speed of a typed pressure; after the speed button the pressure field reads 0.
        if (typed)
            w.write(Field::WindSpeed, wind.speedText);
        else
            w.write(Field::WindPressure, "0");
        return;
    }
    case WindSource::None: return;
    }
}

}  // namespace cw
