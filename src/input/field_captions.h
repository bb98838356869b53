#pragma once

#include "design/number_text.h"
#include "window/control_id.h"
#include "window/window_model.h"

#include <optional>
#include <string>
#include <string_view>

namespace cw {

// What a field must hold for a run or a button to use it.
enum class Bound { Any, NonNegative, Positive, NonZero, Angle };

struct FieldRule {
    ControlId id;
    Bound bound;
    // Values beyond what any real bay has are refused where the rule says so.
    bool withinRealBay = false;
};

// The largest value of a field that a real bay can have, with its unit; nothing for the
// fields without one.
struct RealBayLimit {
    double atMost;
    std::string_view unit;
};
std::optional<RealBayLimit> realBayLimit(ControlId id);

// Slopes are refused outside 0 to 90 degrees.
inline constexpr double kMaxSlope_deg = 90.0;
// The largest wind pressure of a run, kN/m2, whichever way it was given.
inline constexpr double kMaxWindPressure_kNm2 = 100.0;

// The caption a message names a field by, in the language showing.
std::string fieldCaption(ControlId id, bool english);

// Nothing when the text is a number within the rule; otherwise the refusal that names the
// field and what is wrong with it, with the focus on the field.
std::optional<Refusal> checkField(const FieldRule& rule, std::string_view text,
                                  const NumberFormat& fmt, bool english);

// The divisor d must convert to a whole number from 1 to 32767.
std::optional<Refusal> checkDivisor(std::string_view text, const NumberFormat& fmt, bool english);

// A value that makes a result overflow.
Refusal tooLarge(ControlId id, bool english);

// The wind pressure of a run exceeds what any real site has.
Refusal windPressureTooHigh(bool english);

Refusal noLoadWidth(bool english);
Refusal noWindLoad(bool english);
Refusal resultOutOfRange(bool english);

// Shown when L2 exceeds L1, in both languages.
inline constexpr std::string_view kSpanMessage = " L2 πρέπει να είναι πάντα < ή = από L1";

}  // namespace cw
