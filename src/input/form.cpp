#include "input/form.h"

#include "model/window_run.h"
#include "input/deflection_criterion.h"
#include "input/enter_chain.h"
#include "model/choices.h"
#include "input/next_run.h"
#include "input/wind_load.h"
#include "bay/bay_input.h"
#include "model/inventory.h"
#include "model/utf8.h"

#include <algorithm>

namespace cw {

using C = ControlId;

namespace {

// The key code a typed character releases; only Enter matters to the handlers.
int keyCodeOf(unsigned char lead) {
    if (lead >= 'a' && lead <= 'z')
        return lead - 'a' + 'A';
    if ((lead >= 'A' && lead <= 'Z') || (lead >= '0' && lead <= '9') || lead == ' ')
        return lead;
    return 0;
}

}  // namespace

Form::Form(NumberFormat fmt) : m_state(std::move(fmt)) {}

void Form::click(ControlId id) {
    if (m_state.closed())
        return;
    const ControlKind kind = controlSpec(id).kind;
    if (kind == ControlKind::TextBox || kind == ControlKind::CommandButton ||
        kind == ControlKind::OptionButton)
        m_state.setFocus(id);
    if (kind == ControlKind::OptionButton)
        clickOption(id);
    else if (kind == ControlKind::CommandButton)
        clickButton(id);
}

void Form::clickOption(ControlId id) {
    if (m_state.selected(id))
        return;
    m_state.select(id);
    if (const std::optional<Series> series = seriesOfOption(id)) {
        // A series option takes the place of a user catalogue chosen before.
        m_state.userCatalogue.reset();
        chooseSeries(m_state, *series);
        return;
    }
    if (const std::optional<StaticSystem> system = systemOfOption(id))
        chooseStaticSystem(m_state, *system);
    else if (const std::optional<HeightBand> band = bandOfOption(id))
        chooseHeightBand(m_state, *band);
    // the atrium option has no behaviour
}

void Form::clickButton(ControlId id) {
    switch (id) {
    case C::Command1: runNext(m_state); break;
    case C::Command2:
    case C::Command11: takeTypedPressure(m_state); break;
    case C::Command4:
    case C::Command14: takeWindSpeed(m_state); break;
    case C::Command15:
    case C::Command17: setDeflectionFromDivisor(m_state); break;
    case C::Command16:
    case C::Command19: setDivisorFromDeflection(m_state); break;
    case C::Command9: showGreek(m_state); break;
    case C::Command10: showEnglish(m_state); break;
    case C::Command7:
        if (onExportClicked)
            onExportClicked(m_state);
        break;
    case C::Command8: m_state.close(); break;
    default: break;  // caption buttons do nothing
    }
}

void Form::focus(ControlId id) {
    if (!m_state.closed())
        m_state.setFocus(id);
}

void Form::key(int keyCode) {
    if (m_state.closed() || !m_state.focused())
        return;
    const ControlId id = *m_state.focused();
    if (controlSpec(id).kind == ControlKind::CommandButton) {
        if (keyCode == kEnterKey)
            click(id);
        if (m_state.focused() == id && id == C::Command1 && !m_state.closed())
            keyReleasedOnNext(m_state, keyCode);
        return;
    }
    keyReleasedIn(m_state, id, keyCode);
}

void Form::type(ControlId id, std::string_view typed) {
    if (m_state.closed())
        return;
    m_state.setFocus(id);
    if (typed.empty()) {
        m_state.write(id, {});
        keyReleasedIn(m_state, id, kDeleteKey);
        return;
    }
    std::size_t pos = 0;
    while (pos < typed.size() && !m_state.closed()) {
        const auto lead = static_cast<unsigned char>(typed[pos]);
        pos = std::min(typed.size(), pos + utf8SequenceLength(lead));
        m_state.write(id, std::string(typed.substr(0, pos)));
        keyReleasedIn(m_state, id, keyCodeOf(lead));
    }
}

void Form::setText(ControlId id, std::string text) {
    m_state.write(id, std::move(text));
}

}  // namespace cw
