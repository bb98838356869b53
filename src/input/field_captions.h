#pragma once

#include "design/number_text.h"
#include "window/control_id.h"
#include "window/window_model.h"

#include <optional>
#include <string>
#include <string_view>

namespace cw {

// What a field must hold for a run or a button to use it.
enum class Bound { Any, NonNegative, Positive, NonZero };

struct FieldRule {
    ControlId id;
    Bound bound;
};

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

Refusal noLoadWidth(bool english);
Refusal noWindLoad(bool english);
Refusal resultOutOfRange(bool english);

// Shown when L2 exceeds L1, in both languages.
inline constexpr std::string_view kSpanMessage = " L2 πρέπει να είναι πάντα < ή = από L1";

}  // namespace cw
