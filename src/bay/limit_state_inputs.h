#pragma once

// What the limit-state basis reads besides the bay: the ground snow load as typed and the
// partial factors a national annex may set, each refused with a message naming it.

#include "bay/limit_state_run.h"
#include "bay/number_text.h"
#include "bay/refusal.h"
#include "text/language.h"
#include "text/messages.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace cw {

enum class FactorBound {
    Positive,   // a partial factor: greater than 0
    ZeroToOne,  // a combination factor psi0
};

// One factor of PartialFactors: its key in files and replay lines, its caption, its bound.
struct FactorEntry {
    std::string_view key;  // "gammaM1", "psi0_wind", ...
    double PartialFactors::*member;
    Message caption;
    std::string_view symbol;  // "γM1", as messages name it
    FactorBound bound;
};
std::span<const FactorEntry> factorEntries();
const FactorEntry* factorEntryOfKey(std::string_view key);

// Whether a value is one a factor can take.
bool factorInRange(const FactorEntry& entry, double value);

// The first factor out of its range, refused with its name and value written in `fmt`.
std::optional<Refusal> checkFactors(const PartialFactors& f, const NumberFormat& fmt,
                                    Language language);

// s_k as typed: empty is none (0); otherwise a finite number at least 0.
struct GroundSnowReading {
    double sk_kNm2 = 0.0;
    std::optional<Refusal> refusal;
};
GroundSnowReading readGroundSnow(std::string_view text, const NumberFormat& fmt,
                                 Language language);

// The options of a limit-state run of a bay: the factors checked, and s_k read where the
// catalogue is one of sloped glazing (a vertical mullion takes no snow, whatever was typed).
struct LimitStateOptionsReading {
    LimitStateOptions options;
    std::optional<Refusal> refusal;
};
LimitStateOptionsReading readLimitStateOptions(const Alloy* alloy, Hanging hanging,
                                               const PartialFactors& factors,
                                               std::string_view groundSnow, bool sloped,
                                               const NumberFormat& fmt, Language language);

}  // namespace cw
