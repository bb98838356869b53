#include "design/catalogue.h"

#include <array>

namespace cw {

namespace {

// Row 8's upper bound is 1435 although its Ix is 1445 cm4: a requirement between the two
// is sent on to KA-09.
constexpr std::array<MullionRow, 9> kVeltraMullions{{
    {0, 54, "KA-01", 538400, 57.15},
    {54, 114, "KA-02", 1131300, 57.15},
    {114, 201, "KA-03", 2010000, 69.36},
    {201, 507, "KA-04", 5070000, 88.38},
    {507, 661, "KA-05", 6610000, 110.96},
    {661, 854, "KA-06", 8540000, 108.3},
    {854, 915, "KA-07", 9150000, 108.3},
    {915, 1435, "KA-08", 14450000, 104},
    {1435, 2082, "KA-09", 20820000, 125.5},
}};

constexpr std::array<TransomRow, 6> kVeltraTransoms{{
    {0, 1, "KA-10"},
    {1, 23, "KA-11 + KA-12"},
    {23, 29, "KA-13"},
    {29, 91, "KA-14 + KA-12"},
    {91, 137, "KA-15"},
    {137, 466, "KA-16"},
}};

constexpr std::array<MullionRow, 4> kKorinDalvoMullions{{
    {0, 67, "TB-01", 668200, 46.13},
    {67, 223, "TB-02", 2224100, 70.28},
    {223, 384, "TB-03", 3839500, 78.57},
    {384, 494, "TB-04", 4933700, 88.56},
}};

constexpr std::array<TransomRow, 3> kKorinDalvoTransoms{{
    {0, 9.5, "TB-05"},
    {9.5, 30, "TB-06"},
    {30, 68.5, "TB-06"},
}};

// No row covers 112 < J <= 115: such a requirement gets no mullion.
constexpr std::array<MullionRow, 6> kTerraxMullions{{
    {0, 51, "TC-01", 510000, 43.15},
    {51, 112, "TC-02", 1120000, 54.8},
    {115, 190, "TC-03", 1900000, 67.8},
    {190, 489, "TC-04", 4890000, 91.64},
    {489, 623, "TC-05", 6230000, 109.5},
    {623, 884, "TC-06", 8840000, 109.8},
}};

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
    std::optional<MullionRow> chosen;
    for (const MullionRow& row : mullionCatalogue(series))
        if (row.lower_cm4 < requiredJx_cm4 && requiredJx_cm4 <= row.upper_cm4)
            chosen = row;
    return chosen;
}

std::optional<std::string_view> chooseTransom(Series series, double requiredJx_cm4) {
    std::optional<std::string_view> chosen;
    for (const TransomRow& row : transomCatalogue(series))
        if (row.lower_cm4 < requiredJx_cm4 && requiredJx_cm4 <= row.upper_cm4)
            chosen = row.code;
    return chosen;
}

}  // namespace cw
