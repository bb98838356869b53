#include "design/site_wind.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <string>

namespace cw {

namespace {

constexpr std::array<TerrainRoughness, 5> kRoughness = {{
    {0.003, 1.0},  // 0: sea, coastal area exposed to the open sea
    {0.01, 1.0},   // I: lakes, flat land without obstacles
    {0.05, 2.0},   // II: low vegetation, isolated obstacles
    {0.3, 5.0},    // III: regular cover of vegetation or buildings, suburbs
    {1.0, 10.0},   // IV: at least 15 % of the area covered with buildings over 15 m
}};

std::optional<SiteWindInputError> checkInput(const SiteWindInput& in,
                                             const WindAnnexParameters& annex) {
    using F = SiteWindField;
    auto fault = [](F field, SiteWindFault why) {
        return std::optional<SiteWindInputError>(SiteWindInputError{field, why});
    };
    if (!std::isfinite(in.vb0_ms))
        return fault(F::Vb0, SiteWindFault::NotFinite);
    if (in.vb0_ms < 0.0)
        return fault(F::Vb0, SiteWindFault::Negative);
    if (!std::isfinite(in.cdir))
        return fault(F::Cdir, SiteWindFault::NotFinite);
    if (in.cdir <= 0.0)
        return fault(F::Cdir, SiteWindFault::NotPositive);
    if (!std::isfinite(in.cseason))
        return fault(F::Cseason, SiteWindFault::NotFinite);
    if (in.cseason <= 0.0)
        return fault(F::Cseason, SiteWindFault::NotPositive);
    if (!terrainRoughness(in.category))
        return fault(F::Category, SiteWindFault::UnknownCategory);
    if (!std::isfinite(in.z_m))
        return fault(F::Height, SiteWindFault::NotFinite);
    if (in.z_m <= 0.0)
        return fault(F::Height, SiteWindFault::NotPositive);
    if (in.z_m > annex.maxHeight_m)
        return fault(F::Height, SiteWindFault::AboveMaximum);
    if (!std::isfinite(in.cpe10))
        return fault(F::Cpe10, SiteWindFault::NotFinite);
    if (!std::isfinite(in.cpe1))
        return fault(F::Cpe1, SiteWindFault::NotFinite);
    if (!std::isfinite(in.area_m2))
        return fault(F::Area, SiteWindFault::NotFinite);
    if (in.area_m2 <= 0.0)
        return fault(F::Area, SiteWindFault::NotPositive);
    if (!std::isfinite(in.cpi))
        return fault(F::Cpi, SiteWindFault::NotFinite);
    return std::nullopt;
}

}  // namespace

std::optional<TerrainRoughness> terrainRoughness(TerrainCategory category) {
    const int index = static_cast<int>(category);
    if (index < 0 || index >= static_cast<int>(kRoughness.size()))
        return std::nullopt;
    return kRoughness[static_cast<std::size_t>(index)];
}

std::optional<TerrainCategory> terrainCategoryFromText(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    std::string upper(text);
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (upper == "0")
        return TerrainCategory::Zero;
    if (upper == "I")
        return TerrainCategory::I;
    if (upper == "II")
        return TerrainCategory::II;
    if (upper == "III")
        return TerrainCategory::III;
    if (upper == "IV")
        return TerrainCategory::IV;
    return std::nullopt;
}

CpeCase cpeCaseOf(double area_m2) {
    if (area_m2 <= 1.0)
        return CpeCase::UpTo1m2;
    if (area_m2 >= 10.0)
        return CpeCase::From10m2;
    return CpeCase::Between;
}

double externalPressureCoefficient(double cpe10, double cpe1, double area_m2) {
    switch (cpeCaseOf(area_m2)) {
    case CpeCase::UpTo1m2: return cpe1;
    case CpeCase::From10m2: return cpe10;
    case CpeCase::Between: break;
    }
    return cpe1 - (cpe1 - cpe10) * std::log10(area_m2);
}

SiteWindOutcome siteWindPressure(const SiteWindInput& in, const WindAnnexParameters& annex) {
    if (const auto error = checkInput(in, annex))
        return {std::nullopt, error};

    const TerrainRoughness terrain = *terrainRoughness(in.category);
    SiteWindPressure p{};
    p.vb_ms = in.cdir * in.cseason * in.vb0_ms;
    p.z0_m = terrain.z0_m;
    p.zmin_m = terrain.zmin_m;
    p.kr = annex.krFactor * std::pow(terrain.z0_m / annex.z0II_m, annex.krExponent);
    // Below zmin the profile is held at its value there.
    const double logHeight = std::log(std::max(in.z_m, terrain.zmin_m) / terrain.z0_m);
    p.cr = p.kr * logHeight;
    p.vm_ms = p.cr * annex.orography * p.vb_ms;
    p.Iv = annex.turbulenceFactor / (annex.orography * logHeight);
    const double qp_Nm2 =
        (1.0 + annex.peakFactor * p.Iv) * 0.5 * annex.airDensity_kgm3 * p.vm_ms * p.vm_ms;
    p.qp_kNm2 = qp_Nm2 / 1000.0;
    p.cpe = externalPressureCoefficient(in.cpe10, in.cpe1, in.area_m2);
    p.w_kNm2 = p.qp_kNm2 * std::abs(p.cpe - in.cpi);
    return {p, std::nullopt};
}

}  // namespace cw
