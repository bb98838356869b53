#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace cw {

enum class Series { Veltra, KorinDalvo, Terrax };

// A mullion is suggested only where its own Ix covers the requirement, so its band is
// derived from the profiles: lower_cm4 is the Ix of the row before (0 for the first row),
// upper_cm4 its own Ix / 10000. Rows are in ascending Ix.
struct MullionRow {
    double lower_cm4;
    double upper_cm4;
    std::string_view code;
    std::int32_t ix_mm4;
    double fibre_mm;  // neutral axis to the extreme fibre
};

// A transom row carries no section values: it is chosen for a required value J when
// lower_cm4 < J <= upper_cm4.
struct TransomRow {
    double lower_cm4;
    double upper_cm4;
    std::string_view code;
};

std::span<const MullionRow> mullionCatalogue(Series series);
std::span<const TransomRow> transomCatalogue(Series series);

// The first row whose own Ix (cm4) is at least the required Jx > 0; nothing for a
// requirement of 0 or less or above the largest Ix.
std::optional<MullionRow> chooseMullion(Series series, double requiredJx_cm4);
// Every row is tested in table order and the last match wins; the ranges are disjoint, so
// that is the only match. Nothing when no row holds the value.
std::optional<std::string_view> chooseTransom(Series series, double requiredJx_cm4);

}  // namespace cw
