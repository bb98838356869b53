// The Enter path through the input fields, the span check and the two live updates.

#include "input/field_captions.h"
#include "window/window_model.h"

#include <cmath>

namespace cw {

using C = ControlId;

void Form::textKeyUp(ControlId id, int keyCode) {
    switch (id) {
    case C::Text4: Text4_KeyUp(keyCode); break;
    case C::Text7: Text7_KeyUp(keyCode); break;
    case C::Text2: Text2_KeyUp(keyCode); break;
    case C::Text13: Text13_KeyUp(keyCode); break;
    case C::Text10: Text10_KeyUp(keyCode); break;
    case C::Text12: Text12_KeyUp(keyCode); break;
    case C::Text8: Text8_KeyUp(keyCode); break;
    case C::Text16: Text16_KeyUp(keyCode); break;
    case C::Text37: Text37_KeyUp(keyCode); break;
    case C::Text38: Text38_KeyUp(keyCode); break;
    default: break;
    }
}

// L2 may not exceed L1. Only two numbers can break the rule: an empty or unreadable span
// passes here and is refused by the run, which names the field.
bool Form::spanCheckPasses() {
    const std::optional<double> l2 = num(C::Text13);
    const std::optional<double> l1 = num(C::Text2);
    if (l1 && l2 && *l2 > *l1) {
        message(std::string(kSpanMessage));
        moveFocus(C::Text13);
        return false;
    }
    return true;
}

void Form::Text4_KeyUp(int keyCode) {
    if (keyCode == kEnterKey)
        moveFocus(C::Text7);
}

void Form::Text7_KeyUp(int keyCode) {
    if (keyCode == kEnterKey)
        moveFocus(C::Text2);
}

void Form::Text2_KeyUp(int keyCode) {
    if (keyCode == kEnterKey) {
        if (selected(C::Option9) || selected(C::Option14))
            moveFocus(C::Text10);
        else if (selected(C::Option13))
            moveFocus(C::Text13);
    }
    // The allowable deflection follows L1 / d while L1 is typed; nothing changes while L1
    // or d cannot give it.
    const std::optional<double> l1 = num(C::Text2);
    const std::optional<double> d = num(C::Text37);
    if (!l1 || !d || *d == 0)
        return;
    const double f = (*l1 / *d) * 10.0;
    if (!std::isfinite(f))
        return;
    write(C::Text38, plainText(f, m_fmt));
    followAllowedDeflection();
}

void Form::Text13_KeyUp(int keyCode) {
    if (keyCode == kEnterKey && spanCheckPasses())
        moveFocus(C::Text10);
}

void Form::Text10_KeyUp(int keyCode) {
    // A hidden L2 (one span) is not checked: the user could neither see nor reach it.
    if (keyCode == kEnterKey && (!visible(C::Text13) || spanCheckPasses()))
        moveFocus(C::Text12);
    followAllowedDeflection();
}

void Form::Text12_KeyUp(int keyCode) {
    if (keyCode == kEnterKey && (!visible(C::Text13) || spanCheckPasses()))
        moveFocus(C::Text8);
}

void Form::Text8_KeyUp(int keyCode) {
    if (keyCode == kEnterKey)
        moveFocus(C::Text16);
}

void Form::Text16_KeyUp(int keyCode) {
    if (keyCode == kEnterKey)
        moveFocus(C::Text37);
}

void Form::Text37_KeyUp(int keyCode) {
    if (keyCode == kEnterKey)
        moveFocus(C::Text38);
}

void Form::Text38_KeyUp(int keyCode) {
    if (keyCode == kEnterKey)
        moveFocus(C::Command1);
    followAllowedDeflection();
}

void Form::Command1_KeyUp(int keyCode) {
    if (keyCode == kEnterKey)
        moveFocus(C::Text4);
}

}  // namespace cw
