#include "input/wind_load.h"

#include "model/choices.h"

namespace cw {

namespace {

WindTaken takeOf(const WindowState& w, WindSource source, std::optional<HeightBand> band = {}) {
    return takeWind(source, band, w.text(Field::WindPressure), w.text(Field::WindSpeed),
                    w.numberFormat(), w.languageShowing());
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

}  // namespace cw
