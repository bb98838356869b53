#pragma once

// The peak velocity pressure of a site and the wind pressure on a wall from it, after
// EN 1991-1-4 (terrain categories 0 to IV, flat terrain, co = 1). Numbers only: wording the
// inputs and their refusals is the caller's job.

#include <optional>
#include <string_view>

namespace cw {

enum class TerrainCategory : int { Zero = 0, I = 1, II = 2, III = 3, IV = 4 };

// Roughness length z0 and minimum height zmin of a terrain category.
struct TerrainRoughness {
    double z0_m;
    double zmin_m;
};
// Nothing for a value outside the five categories (a category read from a number).
std::optional<TerrainRoughness> terrainRoughness(TerrainCategory category);

// "0", "I", "II", "III" or "IV" (any letter case, blanks around allowed).
std::optional<TerrainCategory> terrainCategoryFromText(std::string_view text);

// The values a national annex may set; the defaults are the recommended ones.
struct WindAnnexParameters {
    double krFactor = 0.19;  // kr = krFactor * (z0 / z0II)^krExponent
    double z0II_m = 0.05;    // roughness length of category II
    double krExponent = 0.07;
    double airDensity_kgm3 = 1.25;  // rho
    double orography = 1.0;         // c0(z), flat terrain
    double turbulenceFactor = 1.0;  // kI
    double peakFactor = 7.0;        // qp = (1 + peakFactor * Iv) * rho/2 * vm^2
    double maxHeight_m = 200.0;     // the method holds up to this height
};

struct SiteWindInput {
    double vb0_ms = 0.0;  // fundamental value of the basic wind velocity
    double cdir = 1.0;
    double cseason = 1.0;
    TerrainCategory category = TerrainCategory::II;
    double z_m = 0.0;      // reference height
    double cpe10 = 0.0;    // external pressure coefficient for 10 m2 and more
    double cpe1 = 0.0;     // external pressure coefficient for 1 m2 and less
    double area_m2 = 1.0;  // loaded area
    double cpi = 0.0;      // internal pressure coefficient
};

// Every step, so a report can print the chain.
struct SiteWindPressure {
    double vb_ms;  // basic wind velocity
    double z0_m;
    double zmin_m;
    double kr;       // terrain factor
    double cr;       // roughness factor at max(z, zmin)
    double vm_ms;    // mean wind velocity
    double Iv;       // turbulence intensity
    double qp_kNm2;  // peak velocity pressure
    double cpe;      // external coefficient for the loaded area
    double w_kNm2;   // qp * |cpe - cpi|
};

// The wind pressure of a site as last applied from the Site wind dialog.
struct SiteWindApplied {
    SiteWindInput input;
    SiteWindPressure result;
};

enum class SiteWindField { Vb0, Cdir, Cseason, Category, Height, Cpe10, Cpe1, Area, Cpi };

enum class SiteWindFault {
    NotFinite,        // infinity or NaN
    Negative,         // a velocity below zero
    NotPositive,      // zero or below where only a positive value has a meaning
    AboveMaximum,     // z above the method's maximum height
    UnknownCategory,  // not one of 0, I, II, III, IV
};

struct SiteWindInputError {
    SiteWindField field;
    SiteWindFault fault;
    bool operator==(const SiteWindInputError&) const = default;
};

// Either the pressure or the first input that is wrong, in the order of SiteWindField.
struct SiteWindOutcome {
    std::optional<SiteWindPressure> pressure;
    std::optional<SiteWindInputError> error;
};

// Which cpe a loaded area takes (EN 1991-1-4 7.2.1): cpe,1 up to 1 m2, cpe,10 from 10 m2,
// log-linear between. The report prints the case the pressure took.
enum class CpeCase { UpTo1m2, Between, From10m2 };
CpeCase cpeCaseOf(double area_m2);

// cpe of a loaded area between cpe,1 (1 m2 and less) and cpe,10 (10 m2 and more),
// logarithmic in between.
double externalPressureCoefficient(double cpe10, double cpe1, double area_m2);

SiteWindOutcome siteWindPressure(const SiteWindInput& input, const WindAnnexParameters& annex = {});

}  // namespace cw
