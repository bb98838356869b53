#pragma once

#include "design/tagged_value.h"

namespace cw {

// The form-level values the window keeps between runs; each is empty until first assigned.
struct FormState {
    // Input side.
    TaggedValue SeriesChosen;
    TaggedValue LanguageMode;   // 1 Greek, 2 English result captions
    TaggedValue WindInputMode;  // 1 pressure typed, 2 from wind speed, 0 after a run
    TaggedValue WindPressure;   // kN/m2: a number, or the text of Text8
    TaggedValue HeightBandLimit;
    // Design state.
    TaggedValue DeflectionDivisor;
    TaggedValue GlassWeight;
    TaggedValue GridWidthA1;
    TaggedValue GridWidthA2;
    TaggedValue MullionLengthSingle;
    TaggedValue RatioLimit;
    TaggedValue AbsoluteLimit;
    TaggedValue LineLoad;
    TaggedValue RequiredMullionJx;
    TaggedValue RequiredTransomJx;
    TaggedValue RequiredTransomJy;
    TaggedValue SuggestedIx;
    TaggedValue SuggestedFibre;
    TaggedValue MullionLengthL2;
    TaggedValue TotalLength;
};

}  // namespace cw
