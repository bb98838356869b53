#pragma once

#include <cstdint>

namespace cw {

// The wind speed (km/h) of a dynamic pressure (kN/m2), and the pressure of a speed:
// w = v^2 * 483 / 10^7.
double windSpeedOfPressure(double pressure_kNm2);
double pressureOfWindSpeed(double speed_kmh);

// The three height bands of the building with the wind pressure each gives.
enum class HeightBand { UpTo8m, UpTo20m, UpTo100m };

struct HeightBandLoad {
    double pressure_kNm2;
    std::int16_t upperLimit_m;
};

HeightBandLoad heightBandLoad(HeightBand band);

}  // namespace cw
