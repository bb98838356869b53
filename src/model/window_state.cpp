#include "model/window_state.h"

#include "model/inventory.h"

namespace cw {

std::string_view controlName(ControlId id) {
    return controlSpec(id).name;
}

WindowState::WindowState(NumberFormat fmt) : m_fmt(std::move(fmt)) {
    for (int i = 0; i < kControlCount; ++i) {
        const ControlSpec& s = inventory()[i];
        m_controls[std::size_t(i)].visible = s.visibleAtStart;
        if (s.kind == ControlKind::TextBox)
            m_controls[std::size_t(i)].text = std::string(s.caption);
    }
    // The start texts are stored with a comma; they are written in the user's notation.
    write(Field::StructureWeight, plainText(0.1, m_fmt));
    document.saved = documentOf(*this);
}

std::vector<std::string> WindowState::takeMessages() {
    std::vector<std::string> out;
    out.swap(m_messages);
    return out;
}

void WindowState::show(std::initializer_list<ControlId> ids) {
    for (ControlId id : ids)
        show(id);
}

void WindowState::hide(std::initializer_list<ControlId> ids) {
    for (ControlId id : ids)
        hide(id);
}

void WindowState::select(ControlId id) {
    const std::string_view group = controlSpec(id).optionGroup;
    for (int i = 0; i < kControlCount; ++i)
        if (inventory()[i].kind == ControlKind::OptionButton && inventory()[i].optionGroup == group)
            m_controls[std::size_t(i)].selected = false;
    mut(id).selected = true;
}

void WindowState::moveFocus(ControlId id) {
    if (visible(id))
        m_focus = id;
}

void WindowState::refuse(const Refusal& refusal) {
    message(refusal.message);
    if (refusal.focus)
        moveFocus(*refusal.focus);
}

bool WindowState::englishShowing() const {
    return visible(ControlId::Label78);
}

}  // namespace cw
