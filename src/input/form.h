#pragma once

#include "model/verdicts.h"
#include "model/window_state.h"

#include <functional>
#include <string>
#include <string_view>

namespace cw {

// The window as a user drives it: each action reaches the handler of the control it falls
// on. The replay tool and the Qt window both drive this class and only mirror its state.
class Form {
public:
    explicit Form(NumberFormat fmt = {});

    // --- What a user does ---------------------------------------------------------------
    // A mouse click: text boxes, command buttons and option buttons take the focus first.
    void click(ControlId id);
    // The focus moves to a control without any event (Tab, or a click in a field).
    void focus(ControlId id);
    // A key released on the focused control; Enter on a focused command button presses it.
    void key(int keyCode);
    // A user typing `typed` over the whole text of a text box, one key release a character.
    void type(ControlId id, std::string_view typed);
    // The text of a text box replaced with no event, as a program would set it.
    void setText(ControlId id, std::string text);

    // The export button ("Print in  Excel"); installed by whoever links the export.
    std::function<void(WindowState&)> onExportClicked;

    // --- State --------------------------------------------------------------------------
    WindowState& state() { return m_state; }
    const WindowState& state() const { return m_state; }
    const ControlState& control(ControlId id) const { return m_state.control(id); }
    const std::string& text(ControlId id) const { return m_state.text(id); }
    bool visible(ControlId id) const { return m_state.visible(id); }
    bool selected(ControlId id) const { return m_state.selected(id); }
    std::optional<ControlId> focused() const { return m_state.focused(); }
    const FormState& form() const { return m_state.form(); }
    const NumberFormat& numberFormat() const { return m_state.numberFormat(); }
    bool closed() const { return m_state.closed(); }
    std::vector<std::string> takeMessages() { return m_state.takeMessages(); }
    const std::vector<std::string>& pendingMessages() const { return m_state.pendingMessages(); }
    const std::string& reportWorkbook() const { return m_state.reportWorkbook; }
    Verdicts verdicts() const { return cw::verdicts(m_state); }
    std::string caption(ControlId id) const { return cw::caption(m_state, id); }
    bool warns(ControlId id) const { return cw::warns(m_state, id); }

private:
    void clickOption(ControlId id);
    void clickButton(ControlId id);
    void keyReleased(ControlId id, int keyCode);

    WindowState m_state;
};

}  // namespace cw
