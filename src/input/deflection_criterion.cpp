#include "input/deflection_criterion.h"

#include "model/choices.h"
#include "model/window_run.h"
#include "bay/field_rules.h"
#include "design/deflection_criterion.h"

#include <algorithm>
#include <cmath>

namespace cw {

void setDeflectionFromDivisor(WindowState& w) {
    for (const FieldRule& rule :
         {FieldRule{Field::SpanL1, Bound::Any}, FieldRule{Field::Divisor, Bound::NonZero}}) {
        if (auto refusal = checkField(w, rule)) {
            w.refuse(*refusal);
            return;
        }
    }
    const double f = (*w.num(Field::SpanL1) / *w.num(Field::Divisor)) * 10.0;
    if (!std::isfinite(f)) {
        w.refuse(tooLarge(Field::SpanL1, w.languageShowing()));
        return;
    }
    // EN 13830 bounds a mullion's deflection by L / d and by 15 mm.
    w.write(Field::AllowableDeflection,
            plainText(std::min(f, kDeflectionCap2003_mm), w.numberFormat()));
    followAllowableDeflection(w);
}

void setDivisorFromDeflection(WindowState& w) {
    for (const FieldRule& rule : {FieldRule{Field::SpanL1, Bound::Any},
                                  FieldRule{Field::AllowableDeflection, Bound::NonZero}}) {
        if (auto refusal = checkField(w, rule)) {
            w.refuse(*refusal);
            return;
        }
    }
    const double d = (*w.num(Field::SpanL1) / *w.num(Field::AllowableDeflection)) * 10.0;
    if (!std::isfinite(d)) {
        w.refuse(tooLarge(Field::SpanL1, w.languageShowing()));
        return;
    }
    w.write(Field::Divisor, plainText(d, w.numberFormat()));
}

}  // namespace cw
