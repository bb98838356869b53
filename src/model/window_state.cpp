#include "model/window_state.h"

#include "model/inventory.h"

#include <array>
#include <vector>

namespace cw {

namespace {

using Controls = std::array<ControlState, kControlCount>;

// Every control as the window opens, built once: a batch opens a fresh window for each bay.
const Controls& startControls() {
    static const Controls controls = [] {
        Controls c{};
        for (int i = 0; i < kControlCount; ++i) {
            const ControlSpec& s = inventory()[i];
            c[std::size_t(i)].visible = s.visibleAtStart;
            if (s.kind == ControlKind::TextBox)
                c[std::size_t(i)].text = std::string(s.caption);
        }
        return c;
    }();
    return controls;
}

// The option buttons in the group of each control, found once.
const std::vector<std::size_t>& optionGroupOf(ControlId id) {
    static const std::array<std::vector<std::size_t>, kControlCount> groups = [] {
        std::array<std::vector<std::size_t>, kControlCount> g;
        for (int i = 0; i < kControlCount; ++i)
            for (int j = 0; j < kControlCount; ++j)
                if (inventory()[j].kind == ControlKind::OptionButton &&
                    inventory()[j].optionGroup == inventory()[i].optionGroup)
                    g[std::size_t(i)].push_back(std::size_t(j));
        return g;
    }();
    return groups[static_cast<std::size_t>(id)];
}

}  // namespace

std::string_view controlName(ControlId id) {
    return controlSpec(id).name;
}

WindowState::WindowState(NumberFormat fmt) : m_fmt(std::move(fmt)), m_controls(startControls()) {
    openWithStartTexts();
}

void WindowState::reopen() {
    // Every member a new window starts with, but the number format and the callbacks; a
    // test holds a reopened window against a new one.
    // Most controls hold no text: clearing one costs less than assigning an empty one.
    const Controls& start = startControls();
    for (std::size_t i = 0; i < start.size(); ++i) {
        ControlState& c = m_controls[i];
        c.visible = start[i].visible;
        c.selected = start[i].selected;
        if (start[i].text.empty())
            c.text.clear();
        else
            c.text = start[i].text;
    }
    m_focus.reset();
    m_form = FormState{};
    m_messages.clear();
    m_closed = false;
    windSource = WindSource::None;
    criterion = DeflectionCriterion::En13830_2003;
    siteWind.reset();
    basis = DesignBasis::Allowable;
    alloy = "6060 T6";
    hanging = Hanging::HungFromTop;
    groundSnow_kNm2.clear();
    factors = PartialFactors{};
    limitStates.reset();
    shownRun.reset();
    lastRun.reset();
    reportWorkbook.clear();
    document = DocumentFile{};
    project = ProjectData{};
    userCatalogue.reset();
    openWithStartTexts();
}

void WindowState::openWithStartTexts() {
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
    for (const std::size_t member : optionGroupOf(id))
        m_controls[member].selected = false;
    mut(id).selected = true;
}

void WindowState::moveFocus(ControlId id) {
    if (visible(id))
        m_focus = id;
}

void WindowState::refuse(const Refusal& refusal) {
    message(refusal.message);
    if (refusal.field)
        moveFocus(*refusal.field);
}

Language WindowState::languageShowing() const {
    // The English set shows while its heading of the selection panel does.
    return visible(ControlId::Label78) ? Language::English : Language::Greek;
}

}  // namespace cw
