#pragma once

#include "bay/fields.h"
#include "bay/number_text.h"
#include "bay/refusal.h"
#include "text/language.h"

#include <optional>
#include <string>
#include <string_view>

namespace cw {

// What a field must hold for a run or a button to use it.
enum class Bound { Any, NonNegative, Positive, NonZero, Angle };

struct FieldRule {
    Field field;
    Bound bound;
    // Values beyond what any real bay has are refused where the rule says so.
    bool withinRealBay = false;
};

// The largest value of a field that a real bay can have, with its unit.
struct RealBayLimit {
    double atMost;
    std::string_view unit;
};
std::optional<RealBayLimit> realBayLimit(Field field);

// Slopes are refused outside 0 to 90 degrees.
inline constexpr double kMaxSlope_deg = 90.0;
// The largest wind pressure of a run, kN/m2, whichever way it was given.
inline constexpr double kMaxWindPressure_kNm2 = 100.0;

// A typed text as a message quotes it: its first 40 bytes, cut between characters, and "…"
// after a longer one, so that a hostile text is not repeated whole in a message box.
std::string shortened(std::string_view text);

// The caption a message names a field by, in the language showing.
std::string fieldCaption(Field field, Language language);

// Nothing when the text is a number within the rule; otherwise the refusal that names the
// field and what is wrong with it, with the focus on the field.
std::optional<Refusal> checkField(const FieldRule& rule, std::string_view text,
                                  const NumberFormat& fmt, Language language);
// The same for a text already read as `value` (parseNumber of the text).
std::optional<Refusal> checkValue(const FieldRule& rule, std::string_view text,
                                  std::optional<double> value, const NumberFormat& fmt,
                                  Language language);

// The divisor d must convert to a whole number from 1 to 32767.
std::optional<Refusal> checkDivisor(std::string_view text, const NumberFormat& fmt,
                                    Language language);

// A value that makes a result overflow.
Refusal tooLarge(Field field, Language language);
// The wind pressure of a run exceeds what any real site has.
Refusal windPressureTooHigh(Language language);
Refusal noLoadWidth(Language language);
Refusal noWindLoad(Language language);
Refusal resultOutOfRange(Language language);
// L2 may not exceed L1: the message names both spans as typed, in the language showing; the
// focus goes back to L2.
Refusal secondSpanTooLong(std::string_view spanL2, std::string_view spanL1, Language language);

}  // namespace cw
