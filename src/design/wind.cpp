#include "design/wind.h"

#include <cmath>

namespace cw {

namespace {

constexpr double kSpeedFactor = 483.0;
constexpr double kTenToSeven = 1e7;

}  // namespace

double windSpeedOfPressure(double pressure_kNm2) {
    return std::sqrt((pressure_kNm2 * kTenToSeven) / kSpeedFactor);
}

double pressureOfWindSpeed(double speed_kmh) {
    return ((speed_kmh * speed_kmh) * kSpeedFactor) / kTenToSeven;
}

HeightBandLoad heightBandLoad(HeightBand band) {
    switch (band) {
    case HeightBand::UpTo8m: return {0.5, 8};
    case HeightBand::UpTo20m: return {0.8, 20};
    case HeightBand::UpTo100m: return {1.2, 100};
    }
    return {0.0, 0};
}

}  // namespace cw
