#include "input/enter_chain.h"

#include "bay/field_rules.h"
#include "input/deflection_criterion.h"
#include "model/choices.h"
#include "model/option_values.h"

#include <cmath>

namespace cw {

using C = ControlId;

namespace {

// L2 may not exceed L1. Only two numbers can break the rule: an empty or unreadable span
// passes here and is refused by the run, which names the field.
bool spanCheckPasses(WindowState& w) {
    const std::optional<double> l2 = w.num(Field::SpanL2);
    const std::optional<double> l1 = w.num(Field::SpanL1);
    if (l1 && l2 && *l2 > *l1) {
        w.refuse(
            secondSpanTooLong(w.text(Field::SpanL2), w.text(Field::SpanL1), w.languageShowing()));
        return false;
    }
    return true;
}

// A hidden L2 (one span) is not checked: the user could neither see nor reach it.
bool spansPassIfShown(WindowState& w) {
    return !w.visible(controlOf(Field::SpanL2)) || spanCheckPasses(w);
}

// The allowable deflection follows L1 / d while L1 is typed; nothing changes while L1 or d
// cannot give it.
void deflectionFollowsSpan(WindowState& w) {
    const std::optional<double> l1 = w.num(Field::SpanL1);
    const std::optional<double> d = w.num(Field::Divisor);
    if (!l1 || !d || *d == 0)
        return;
    const double f = (*l1 / *d) * 10.0;
    if (!std::isfinite(f))
        return;
    w.write(Field::AllowableDeflection, plainText(f, w.numberFormat()));
    followAllowableDeflection(w);
}

}  // namespace

void keyReleasedIn(WindowState& w, ControlId field, int keyCode) {
    const bool enter = keyCode == kEnterKey;
    switch (field) {
    case C::Text4:
        if (enter)
            w.moveFocus(Field::GridWidthA2);
        break;
    case C::Text7:
        if (enter)
            w.moveFocus(Field::SpanL1);
        break;
    case C::Text2:
        if (enter) {
            const std::optional<StaticSystem> system = selectedSystemOption(w);
            if (system == StaticSystem::OneSpan || system == StaticSystem::FixedEnds)
                w.moveFocus(Field::GlazingHeightH1);
            else if (system == StaticSystem::TwoSpans)
                w.moveFocus(Field::SpanL2);
        }
        deflectionFollowsSpan(w);
        break;
    case C::Text13:
        if (enter && spanCheckPasses(w))
            w.moveFocus(Field::GlazingHeightH1);
        break;
    case C::Text10:
        if (enter && spansPassIfShown(w))
            w.moveFocus(Field::GlazingHeightH2);
        followAllowableDeflection(w);
        break;
    case C::Text12:
        if (enter && spansPassIfShown(w))
            w.moveFocus(Field::WindPressure);
        break;
    case C::Text8:
        if (enter)
            w.moveFocus(Field::GlassThickness);
        break;
    case C::Text16:
        if (enter)
            w.moveFocus(Field::Divisor);
        break;
    case C::Text37:
        if (enter)
            w.moveFocus(Field::AllowableDeflection);
        break;
    case C::Text38:
        if (enter)
            w.moveFocus(C::Command1);
        followAllowableDeflection(w);
        break;
    default: break;
    }
}

void keyReleasedOnNext(WindowState& w, int keyCode) {
    if (keyCode == kEnterKey)
        w.moveFocus(Field::GridWidthA1);
}

}  // namespace cw
