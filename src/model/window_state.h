#pragma once

#include "bay/bay_run.h"
#include "bay/limit_state_run.h"
#include "bay/catalogue_ref.h"
#include "bay/project.h"
#include "bay/number_text.h"
#include "bay/refusal.h"
#include "design/bay.h"
#include "design/design_basis.h"
#include "design/site_wind.h"
#include "model/control_id.h"
#include "model/field_controls.h"
#include "model/form_state.h"
#include "model/used_inputs.h"
#include "model/window_document.h"

#include <array>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cw {

inline constexpr int kEnterKey = 13;
inline constexpr int kDeleteKey = 46;

// WindowState::reopen() sets each member from the start state: a new one goes there too.
struct ControlState {
    bool visible = false;
    bool selected = false;  // option buttons
    std::string text;       // text boxes
};

// The display of the completed run whose results show, kept until the next reset of the
// panel, so that a language switch can label them again.
struct ShownRun {
    SpanCase spanCase;
    bool terrax;
    bool mullionFits;
    bool transomFits;
    DeflectionCriterion criterion;
    DeflectionRule rule;  // the rule that gave the mullion's deflection limit
    // A steel insert is checked against its own strength (N/mm²): beyond it the stress check
    // fails whatever the aluminium's σ.
    struct Insert {
        double stress_Nmm2;
        double strength_Nmm2;
        bool overstressed;
    };
    std::optional<Insert> insert;
    // The run's verdicts on its numbers as the panel shows them.
    RunVerdicts verdicts;
};

// The main window as plain data: every control's text, visible flag and selection, the
// focus, the form-level values and the message boxes shown. The handlers change it through
// the operations below; the replay tool and the Qt window only read it, so they cannot
// disagree.
class WindowState {
public:
    explicit WindowState(NumberFormat fmt = {});

    // The window as it opens, in place: what a new one would hold, keeping the number format
    // and the callbacks. Cheaper than a new window, which matters to a batch of bays.
    void reopen();

    // --- Reading -----------------------------------------------------------------------
    const ControlState& control(ControlId id) const { return m_controls[index(id)]; }
    const std::string& text(ControlId id) const { return control(id).text; }
    const std::string& text(Field f) const { return text(controlOf(f)); }
    bool visible(ControlId id) const { return control(id).visible; }
    bool selected(ControlId id) const { return control(id).selected; }
    std::optional<ControlId> focused() const { return m_focus; }
    const FormState& form() const { return m_form; }
    const NumberFormat& numberFormat() const { return m_fmt; }
    bool closed() const { return m_closed; }
    // A field's text as a number in the user's notation.
    std::optional<double> num(ControlId id) const { return parseNumber(text(id), m_fmt); }
    std::optional<double> num(Field f) const { return num(controlOf(f)); }
    // The language of the captions showing (the messages follow them).
    Language languageShowing() const;
    // Texts of the message boxes shown since the last call.
    std::vector<std::string> takeMessages();
    const std::vector<std::string>& pendingMessages() const { return m_messages; }

    // --- Changing ----------------------------------------------------------------------
    FormState& values() { return m_form; }
    void show(ControlId id) { mut(id).visible = true; }
    void hide(ControlId id) { mut(id).visible = false; }
    void show(std::initializer_list<ControlId> ids);
    void hide(std::initializer_list<ControlId> ids);
    void write(ControlId id, std::string text) { mut(id).text = std::move(text); }
    void write(Field f, std::string text) { write(controlOf(f), std::move(text)); }
    // Selects an option button and unselects the others of its group.
    void select(ControlId id);
    void unselect(ControlId id) { mut(id).selected = false; }
    // The focus as the user moves it: any control.
    void setFocus(ControlId id) { m_focus = id; }
    // A focus move the program makes; a hidden control cannot take it, so it stays put.
    void moveFocus(ControlId id);
    void moveFocus(Field f) { moveFocus(controlOf(f)); }
    void message(std::string text) { m_messages.push_back(std::move(text)); }
    // Shows the refusal's message and puts the focus on its field.
    void refuse(const Refusal& refusal);
    void close() { m_closed = true; }
    // The user took back the close (asked about unsaved changes, chose Cancel).
    void keepOpen() { m_closed = false; }

    // Where the wind pressure in force came from.
    WindSource windSource = WindSource::None;
    // The deflection criterion the next run designs by.
    DeflectionCriterion criterion = DeflectionCriterion::En13830_2003;
    std::optional<SiteWindApplied> siteWind;
    // The design basis of the next run and, under limit states, its alloy and how the mullion
    // hangs; the limit-state checks of the run shown.
    DesignBasis basis = DesignBasis::Allowable;
    std::string alloy = "6060 T6";
    Hanging hanging = Hanging::HungFromTop;
    // s_k as typed in the limit-state inputs (sloped glazing), and the factors in force.
    std::string groundSnow_kNm2;
    PartialFactors factors;
    std::optional<LimitStateRun> limitStates;
    std::optional<ShownRun> shownRun;
    // What the last run that was not refused used; its results stay on show after a change
    // (resultsCurrent tells whether they are still those of the inputs).
    std::optional<UsedInputs> lastRun;
    // Where "Print in  Excel" writes; empty until the first export chose a workbook.
    std::string reportWorkbook;
    // Asks the user for a workbook (a file dialog in the window); nothing when cancelled.
    std::function<std::optional<std::string>()> chooseWorkbook;
    // Asked before the export button writes results that are not those of the inputs (a
    // question in the window); false cancels. Unset, the export goes ahead, as the replay's.
    std::function<bool()> confirmOutOfDateExport;
    // Told the workbook after each export that wrote it (the window's status line).
    std::function<void(const std::string& path)> exported;
    // The bay file shown and the inputs last saved or opened.
    DocumentFile document;
    // Who the bay is designed for (File → Project…); saved and opened with the bay.
    ProjectData project;
    // The user catalogue chosen in place of the series options (their options then all
    // unselected); none while a series option or nothing is chosen.
    std::optional<ChosenCatalogue> userCatalogue;
    // Finds the catalogue a bay names (the window's list of catalogues, or the file it names);
    // unset or nothing found, a bay opens with the series option of its use.
    std::function<std::optional<ChosenCatalogue>(const CatalogueRef&)> findCatalogue;
    // Opening a bay whose catalogue file is missing or changed: asked `question` (in the
    // language showing), the file the user chose instead, or nothing (a question and a file
    // dialog in the window). Unset, as in the replay, the bay opens as it would without asking.
    std::function<std::optional<std::string>(const std::string& question)> askForCatalogueFile;

private:
    static std::size_t index(ControlId id) { return static_cast<std::size_t>(id); }
    // What the constructor and reopen() do after the members hold their start values.
    void openWithStartTexts();
    ControlState& mut(ControlId id) { return m_controls[index(id)]; }

    NumberFormat m_fmt;
    std::array<ControlState, kControlCount> m_controls{};
    std::optional<ControlId> m_focus;
    FormState m_form;
    std::vector<std::string> m_messages;
    bool m_closed = false;
};

// The name of a control, as the inventory and the dump spell it.
std::string_view controlName(ControlId id);

}  // namespace cw
