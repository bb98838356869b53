#include "design/catalogue.h"

#include <array>

namespace cw {

namespace {

struct Profile {
    std::string_view code;
    std::int32_t ix_mm4;
    double fibre_mm;
};

// Each mullion's band runs from the Ix of the profile before it to its own Ix, so the bands
// cannot drift from the section values they stand for.
template <std::size_t N>
constexpr std::array<MullionRow, N> mullionRows(const std::array<Profile, N>& profiles) {
    std::array<MullionRow, N> rows{};
    double lower = 0.0;
    for (std::size_t i = 0; i < N; ++i) {
        const Profile& p = profiles[i];
        const double ix_cm4 = double(p.ix_mm4) / 10000.0;
        rows[i] = MullionRow{lower, ix_cm4, p.code, p.ix_mm4, p.fibre_mm};
        lower = ix_cm4;
    }
    return rows;
}

template <std::size_t N>
constexpr bool ascendingIx(const std::array<MullionRow, N>& rows) {
    for (std::size_t i = 1; i < N; ++i)
        if (!(rows[i - 1].ix_mm4 < rows[i].ix_mm4))
            return false;
    return true;
}

constexpr auto kVeltraMullions = mullionRows<9>({{
    {"KA-01", 538400, 57.15},
    {"KA-02", 1131300, 57.15},
    {"KA-03", 2010000, 69.36},
    {"KA-04", 5070000, 88.38},
    {"KA-05", 6610000, 110.96},
    {"KA-06", 8540000, 108.3},
    {"KA-07", 9150000, 108.3},
    {"KA-08", 14450000, 104},
    {"KA-09", 20820000, 125.5},
}});

constexpr std::array<TransomRow, 6> kVeltraTransoms{{
    {0, 1, "KA-10"},
    {1, 23, "KA-11 + KA-12"},
    {23, 29, "KA-13"},
    {29, 91, "KA-14 + KA-12"},
    {91, 137, "KA-15"},
    {137, 466, "KA-16"},
}};

constexpr auto kKorinDalvoMullions = mullionRows<4>({{
    {"TB-01", 668200, 46.13},
    {"TB-02", 2224100, 70.28},
    {"TB-03", 3839500, 78.57},
    {"TB-04", 4933700, 88.56},
}});

constexpr std::array<TransomRow, 3> kKorinDalvoTransoms{{
    {0, 9.5, "TB-05"},
    {9.5, 30, "TB-06"},
    {30, 68.5, "TB-06"},
}};

constexpr auto kTerraxMullions = mullionRows<6>({{
    {"TC-01", 510000, 43.15},
    {"TC-02", 1120000, 54.8},
    {"TC-03", 1900000, 67.8},
    {"TC-04", 4890000, 91.64},
    {"TC-05", 6230000, 109.5},
    {"TC-06", 8840000, 109.8},
}});

static_assert(ascendingIx(kVeltraMullions) && ascendingIx(kKorinDalvoMullions) &&
              ascendingIx(kTerraxMullions));

constexpr std::array<TransomRow, 3> kTerraxTransoms{{
    {0, 43, "TC-07"},
    {43, 116, "TC-08"},
    {116, 502, "TC-09"},
}};

}  // namespace

std::span<const MullionRow> mullionCatalogue(Series series) {
    switch (series) {
    case Series::Veltra: return kVeltraMullions;
    case Series::KorinDalvo: return kKorinDalvoMullions;
    case Series::Terrax: break;
    }
    return kTerraxMullions;
}

std::span<const TransomRow> transomCatalogue(Series series) {
    switch (series) {
    case Series::Veltra: return kVeltraTransoms;
    case Series::KorinDalvo: return kKorinDalvoTransoms;
    case Series::Terrax: break;
    }
    return kTerraxTransoms;
}

std::optional<MullionRow> chooseMullion(Series series, double requiredJx_cm4) {
    if (!(requiredJx_cm4 > 0.0))
        return std::nullopt;
    for (const MullionRow& row : mullionCatalogue(series))
        if (requiredJx_cm4 <= double(row.ix_mm4) / 10000.0)
            return row;
    return std::nullopt;
}

std::optional<std::string_view> chooseTransom(Series series, double requiredJx_cm4) {
    std::optional<std::string_view> chosen;
    for (const TransomRow& row : transomCatalogue(series))
        if (row.lower_cm4 < requiredJx_cm4 && requiredJx_cm4 <= row.upper_cm4)
            chosen = row.code;
    return chosen;
}

}  // namespace cw
