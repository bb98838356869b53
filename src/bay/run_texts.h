#pragma once

#include "bay/bay_input.h"
#include "design/bay.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace cw {

// Where a design becomes the texts the results panel, the export and the report show.

// The texts a run writes into the panel's fields, by Field; the fields a run does not
// write hold nothing.
struct RunTexts {
    std::array<std::string, kFieldCount> texts;

    const std::string& operator[](Field f) const { return texts[static_cast<std::size_t>(f)]; }
    std::string& operator[](Field f) { return texts[static_cast<std::size_t>(f)]; }
};

// The echoes of the inputs a run used, also a run without a static system.
void echoTexts(const RunInputs& in, const RunRequest& run, RunTexts& out);
// The texts of a completed run with a static system: its echoes, then its results.
void designTexts(const RunInputs& in, const RunRequest& run, const BayDesign& d, RunTexts& out);

// The wind speed of a pressure as its field shows it, or nothing when that is not a number.
std::string windSpeedText(std::string_view pressure, const NumberFormat& fmt);

// The allowable deflection shown beside the criterion: the one typed, at most 15 mm; none
// while the typed text is not a number.
std::optional<std::string_view> cappedDeflectionText(std::string_view typed,
                                                     const NumberFormat& fmt);

}  // namespace cw
