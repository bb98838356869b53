#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace cw {

enum class Series { Veltra, KorinDalvo, Terrax };

// A row is chosen for a required value J when lower_cm4 < J <= upper_cm4.
struct MullionRow {
    double lower_cm4;
    double upper_cm4;
    std::string_view code;
    std::int32_t ix_mm4;
    double fibre_mm;  // neutral axis to the extreme fibre
};

struct TransomRow {
    double lower_cm4;
    double upper_cm4;
    std::string_view code;
};

std::span<const MullionRow> mullionCatalogue(Series series);
std::span<const TransomRow> transomCatalogue(Series series);

// Every row is tested in table order and the last match wins; the ranges are disjoint, so
// that is the only match. Nothing when no row holds the value.
std::optional<MullionRow> chooseMullion(Series series, double requiredJx_cm4);
std::optional<std::string_view> chooseTransom(Series series, double requiredJx_cm4);

}  // namespace cw
