#pragma once

#include "bay/tagged_value.h"
#include "bay/wind_input.h"
#include "text/language.h"

#include <cstdint>
#include <optional>

namespace cw {

// The form-level values the window keeps between runs; each is empty until first assigned.
// The state dump writes them under the names in `formValueNames`.
struct FormState {
    // Input side.
    bool seriesChosen = false;
    std::optional<Language> language;  // the caption set the results panel is labelled in
    std::optional<WindInput> windInput;
    TaggedValue windPressure;  // kN/m2: a number, or the text of the pressure field
    TaggedValue heightBandLimit;
    // Design state.
    TaggedValue deflectionDivisor;
    TaggedValue glassWeight;
    TaggedValue gridWidthA1;
    TaggedValue gridWidthA2;
    TaggedValue mullionLengthSingle;
    TaggedValue ratioLimit;
    TaggedValue absoluteLimit;
    TaggedValue lineLoad;
    TaggedValue requiredMullionJx;
    TaggedValue requiredTransomJx;
    TaggedValue requiredTransomJy;
    TaggedValue suggestedIx;
    TaggedValue suggestedFibre;
    TaggedValue mullionLengthL2;
    TaggedValue totalLength;
};

}  // namespace cw
