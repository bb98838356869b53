#include "window/window_model.h"

#include "window/inventory.h"

#include <cmath>

namespace cw {

using C = ControlId;

std::string_view controlName(ControlId id) {
    return controlSpec(id).name;
}

Form::Form(NumberFormat fmt) : m_fmt(std::move(fmt)) {
    for (int i = 0; i < kControlCount; ++i) {
        const ControlSpec& s = inventory()[i];
        m_controls[std::size_t(i)].visible = s.visibleAtStart;
        if (s.kind == ControlKind::TextBox)
            m_controls[std::size_t(i)].text = std::string(s.caption);
    }
    // The start texts are stored with a comma; they are written in the user's notation.
    write(C::Text40, plainText(0.1, m_fmt));
}

std::vector<std::string> Form::takeMessages() {
    std::vector<std::string> out;
    out.swap(m_messages);
    return out;
}

void Form::show(std::initializer_list<ControlId> ids) {
    for (ControlId id : ids)
        show(id);
}

void Form::hide(std::initializer_list<ControlId> ids) {
    for (ControlId id : ids)
        hide(id);
}

void Form::select(ControlId id) {
    const std::string_view group = controlSpec(id).optionGroup;
    for (int i = 0; i < kControlCount; ++i)
        if (inventory()[i].kind == ControlKind::OptionButton && inventory()[i].optionGroup == group)
            m_controls[std::size_t(i)].selected = false;
    mut(id).selected = true;
}

void Form::moveFocus(ControlId id) {
    if (visible(id))
        m_focus = id;
}

void Form::refuse(const Refusal& refusal) {
    message(refusal.message);
    if (refusal.focus)
        moveFocus(*refusal.focus);
}

bool Form::englishShowing() const {
    return visible(C::Label78);
}

// --- Verdicts -------------------------------------------------------------------------------

namespace {

// The allowable bending stress of the profiles' aluminium, kN/cm2.
constexpr double kAllowableStress_kNcm2 = 9.5;

// Both as the panel shows them, in hundredths.
long long hundredths(double value) {
    return std::llround(value * 100.0);
}

std::string_view relationSign(int relation) {
    return relation < 0 ? "<" : relation == 0 ? "=" : ">";
}

}  // namespace

int compareAsShown(double value, double limit) {
    const long long v = hundredths(value);
    const long long l = hundredths(limit);
    return v < l ? -1 : v == l ? 0 : 1;
}

Verdicts Form::verdicts() const {
    Verdicts v;
    const auto shownNumber = [&](ControlId id) -> std::optional<double> {
        if (!visible(id))
            return std::nullopt;
        const std::optional<double> x = num(id);
        if (!x || !std::isfinite(*x))
            return std::nullopt;
        return x;
    };
    if (const auto sigma = shownNumber(C::Text36))
        v.stressPasses = compareAsShown(*sigma, kAllowableStress_kNcm2) <= 0;
    const auto deflection = shownNumber(C::Text18);
    const auto allowable = shownNumber(C::Text23);
    if (deflection && allowable)
        v.deflectionPasses = compareAsShown(*deflection, *allowable) <= 0;
    return v;
}

std::string Form::caption(ControlId id) const {
    const std::string_view original = controlSpec(id).caption;
    if (id == C::Label73 || id == C::Label109) {
        const std::optional<double> sigma = visible(C::Text36) ? num(C::Text36) : std::nullopt;
        if (!sigma || !std::isfinite(*sigma))
            return std::string(original);
        const int relation = compareAsShown(*sigma, kAllowableStress_kNcm2);
        const std::string sign(relationSign(relation));
        if (id == C::Label73)
            return relation > 0 ? "σ (κολ) > σ (max): η κολώνα υπερκαταπονείται"
                                : "          σ (κολ)                     " + sign +
                                      "                σ ( max)";
        return relation > 0 ? "σ (mullion) > σ (max): mullion overstressed"
                            : "          σ (mullion)                     " + sign +
                                  "                σ ( max)";
    }
    if ((id == C::Label6 || id == C::Label107) && verdicts().deflectionPasses == false)
        return id == C::Label6 ? "Βέλος προτ.(κολ) > επιτρεπτό :"
                               : "Deflection of mullion > allowable :";
    return std::string(original);
}

bool Form::warns(ControlId id) const {
    const Verdicts v = verdicts();
    if (id == C::Label73 || id == C::Label109)
        return v.stressPasses == false;
    if (id == C::Label6 || id == C::Label107)
        return v.deflectionPasses == false;
    return false;
}

// --- What a user does ---------------------------------------------------------------------

void Form::click(ControlId id) {
    if (m_closed)
        return;
    const ControlKind kind = controlSpec(id).kind;
    if (kind == ControlKind::TextBox || kind == ControlKind::CommandButton ||
        kind == ControlKind::OptionButton)
        m_focus = id;

    if (kind == ControlKind::OptionButton) {
        if (selected(id))
            return;
        select(id);
        switch (id) {
        case C::Option10: Option10_Click(); break;
        case C::Option11: Option11_Click(); break;
        case C::Option12: Option12_Click(); break;
        case C::Option9: Option9_Click(); break;
        case C::Option13: Option13_Click(); break;
        case C::Option14: Option14_Click(); break;
        case C::Option1: Option1_Click(); break;
        case C::Option2: Option2_Click(); break;
        case C::Option3: Option3_Click(); break;
        default: break;  // the atrium option has no behaviour
        }
        return;
    }
    if (kind != ControlKind::CommandButton)
        return;
    switch (id) {
    case C::Command1: Command1_Click(); break;
    case C::Command2: Command2_Click(); break;
    case C::Command11: Command11_Click(); break;
    case C::Command4: Command4_Click(); break;
    case C::Command14: Command14_Click(); break;
    case C::Command15: Command15_Click(); break;
    case C::Command17: Command17_Click(); break;
    case C::Command16: Command16_Click(); break;
    case C::Command19: Command19_Click(); break;
    case C::Command9: Command9_Click(); break;
    case C::Command10: Command10_Click(); break;
    case C::Command7: Command7_Click(); break;
    case C::Command8: Command8_Click(); break;
    default: break;  // caption buttons do nothing
    }
}

void Form::focus(ControlId id) {
    if (!m_closed)
        m_focus = id;
}

void Form::key(int keyCode) {
    if (m_closed || !m_focus)
        return;
    const ControlId id = *m_focus;
    if (controlSpec(id).kind == ControlKind::CommandButton) {
        if (keyCode == kEnterKey)
            click(id);
        if (m_focus == id && id == C::Command1 && !m_closed)
            Command1_KeyUp(keyCode);
        return;
    }
    textKeyUp(id, keyCode);
}

namespace {

// The key code a typed character releases; only Enter matters to the handlers.
int keyCodeOf(unsigned char lead) {
    if (lead >= 'a' && lead <= 'z')
        return lead - 'a' + 'A';
    if ((lead >= 'A' && lead <= 'Z') || (lead >= '0' && lead <= '9') || lead == ' ')
        return lead;
    return 0;
}

std::size_t utf8Length(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if ((lead >> 5) == 0x6)
        return 2;
    if ((lead >> 4) == 0xE)
        return 3;
    if ((lead >> 3) == 0x1E)
        return 4;
    return 1;
}

}  // namespace

void Form::type(ControlId id, std::string_view typed) {
    if (m_closed)
        return;
    m_focus = id;
    if (typed.empty()) {
        write(id, {});
        textKeyUp(id, kDeleteKey);
        return;
    }
    std::size_t pos = 0;
    while (pos < typed.size() && !m_closed) {
        const auto lead = static_cast<unsigned char>(typed[pos]);
        pos = std::min(typed.size(), pos + utf8Length(lead));
        write(id, std::string(typed.substr(0, pos)));
        textKeyUp(id, keyCodeOf(lead));
    }
}

void Form::setText(ControlId id, std::string text) {
    write(id, std::move(text));
}

void Form::Command8_Click() {
    m_closed = true;
}

}  // namespace cw
