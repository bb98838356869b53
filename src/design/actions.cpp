#include "design/actions.h"

#include <algorithm>

namespace cw {

std::span<const Combination> combinations(const PartialFactors& f, bool withSnow,
                                          Combination (&storage)[6]) {
    int n = 0;
    storage[n++] = {CombinationId::WindPressure, f.gammaGUnfav, f.gammaQ, 0.0, true};
    // Suction lifts against the dead load: the dead load is favourable there (6.4.3.2 (3)).
    storage[n++] = {CombinationId::WindSuction, f.gammaGFav, -f.gammaQ, 0.0, true};
    if (withSnow) {
        storage[n++] = {CombinationId::SnowLeading, f.gammaGUnfav, f.gammaQ * f.psi0Wind, f.gammaQ,
                        true};
        storage[n++] = {CombinationId::WindLeadingSnow, f.gammaGUnfav, f.gammaQ,
                        f.gammaQ * f.psi0Snow, true};
    }
    // Characteristic (6.14b) for deflection: each variable action at its full value, since
    // the glazing must not see the deflection whichever leads.
    storage[n++] = {CombinationId::CharPressure, 1.0, 1.0, withSnow ? 1.0 : 0.0, false};
    storage[n++] = {CombinationId::CharSuction, 1.0, -1.0, 0.0, false};
    return {storage, static_cast<std::size_t>(n)};
}

double snowShapeMu1(double slope_deg) {
    // 0,8 up to 30 degrees, falling linearly to 0 at 60 degrees; snow is assumed not to be
    // prevented from sliding off (no snow guards), as the table's note allows.
    if (slope_deg <= 30.0)
        return 0.8;
    if (slope_deg < 60.0)
        return 0.8 * (60.0 - slope_deg) / 30.0;
    return 0.0;
}

double snowLoad_kNm2(double sk_kNm2, double slope_deg, double Ce, double Ct) {
    return snowShapeMu1(std::max(slope_deg, 0.0)) * Ce * Ct * sk_kNm2;
}

double glassDeadLoad_kNm2(double thickness_mm) {
    return thickness_mm / 1000.0 * kGlassUnitWeight_kNm3;
}

}  // namespace cw
