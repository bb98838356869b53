#pragma once

#include "design/formulas.h"
#include "design/number_text.h"
#include "input/form_state.h"
#include "window/control_id.h"

#include <array>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cw {

inline constexpr int kEnterKey = 13;
inline constexpr int kDeleteKey = 46;

struct ControlState {
    bool visible = false;
    bool selected = false;  // option buttons
    std::string text;       // text boxes
};

// Why a run or a button was refused: the message, and the field to put the focus on.
struct Refusal {
    std::string message;
    std::optional<ControlId> focus;
};

// Where the wind pressure in force came from.
enum class WindSource { None, HeightBand, TypedPressure, WindSpeed };

// Whether the suggested mullion passes its checks, as the results panel shows them; nothing
// while the numbers compared are not shown.
struct Verdicts {
    std::optional<bool> stressPasses;
    std::optional<bool> deflectionPasses;
};

// The relation a shown value bears to its limit: -1 below, 0 equal, 1 above (two decimals).
int compareAsShown(double value, double limit);

// The main window as plain data: every control's text, visible flag and selection, the
// focus, the form-level values, and every event handler. The replay tool and the Qt window
// both drive this class and only mirror it, so they cannot disagree.
class Form {
public:
    explicit Form(NumberFormat fmt = {});

    // --- What a user does (the front ends call these) ---------------------------------
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
    // The spreadsheet export into the workbook at `path`, without asking for it.
    void exportTo(const std::string& path);

    // --- State --------------------------------------------------------------------------
    const ControlState& control(ControlId id) const { return m_controls[index(id)]; }
    const std::string& text(ControlId id) const { return control(id).text; }
    bool visible(ControlId id) const { return control(id).visible; }
    bool selected(ControlId id) const { return control(id).selected; }
    std::optional<ControlId> focused() const { return m_focus; }
    const FormState& form() const { return m_form; }
    const NumberFormat& numberFormat() const { return m_fmt; }
    bool closed() const { return m_closed; }
    // The checks of the suggested mullion as the panel shows them.
    Verdicts verdicts() const;
    // A caption as it shows now: the stress and deflection rows state their verdict.
    std::string caption(ControlId id) const;
    // True where a caption warns that the suggested mullion fails a check.
    bool warns(ControlId id) const;
    // Texts of the message boxes shown since the last call.
    std::vector<std::string> takeMessages();
    const std::vector<std::string>& pendingMessages() const { return m_messages; }
    // Where "Print in  Excel" writes; empty until the first export chose a workbook.
    const std::string& reportWorkbook() const { return m_reportWorkbook; }
    // Asks the user for a workbook (a file dialog in the window); nothing when cancelled.
    std::function<std::optional<std::string>()> chooseWorkbook;
    // Told the workbook after each export that wrote it (the window's status line).
    std::function<void(const std::string& path)> exported;

    // --- Event handlers ---------------------------------------------------------------
    void Command1_Click();
    void Command1_KeyUp(int keyCode);
    void Option10_Click();
    void Option11_Click();
    void Option12_Click();
    void Option9_Click();
    void Option13_Click();
    void Option14_Click();
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Command2_Click();
    void Command11_Click();
    void Command4_Click();
    void Command14_Click();
    void Command15_Click();
    void Command17_Click();
    void Command16_Click();
    void Command19_Click();
    void Command9_Click();
    void Command10_Click();
    void Command7_Click();
    void Command8_Click();
    void Text4_KeyUp(int keyCode);
    void Text7_KeyUp(int keyCode);
    void Text2_KeyUp(int keyCode);
    void Text13_KeyUp(int keyCode);
    void Text10_KeyUp(int keyCode);
    void Text12_KeyUp(int keyCode);
    void Text8_KeyUp(int keyCode);
    void Text16_KeyUp(int keyCode);
    void Text37_KeyUp(int keyCode);
    void Text38_KeyUp(int keyCode);

private:
    static std::size_t index(ControlId id) { return static_cast<std::size_t>(id); }
    ControlState& mut(ControlId id) { return m_controls[index(id)]; }
    void show(std::initializer_list<ControlId> ids);
    void hide(std::initializer_list<ControlId> ids);
    void show(ControlId id) { mut(id).visible = true; }
    void hide(ControlId id) { mut(id).visible = false; }
    void write(ControlId id, std::string text) { mut(id).text = std::move(text); }
    void select(ControlId id);
    void unselect(ControlId id) { mut(id).selected = false; }
    // A focus move the program makes; a hidden control cannot take it, so it stays put.
    void moveFocus(ControlId id);
    void message(std::string text) { m_messages.push_back(std::move(text)); }
    void refuse(const Refusal& refusal);
    std::optional<double> num(ControlId id) const { return parseNumber(text(id), m_fmt); }
    bool englishShowing() const;

    // The NEXT run.
    void HideResults();
    void DesignMullionTransom(const DesignInputs& in, const DesignResult& r);
    void DesignTProfileSeries(const DesignInputs& in, const DesignResult& r);
    void preamble(const DesignInputs& in);
    void applyDesign(const DesignInputs& in, const DesignResult& r, bool terrax);
    std::optional<Refusal> gatherRunInputs(DesignInputs& in, bool& systemChosen) const;
    void echoWindSpeedOfRun();
    void takeLimitsWithoutSystem();
    void showResultsPanel(DesignCase designCase, bool terrax);
    void showNoFit();
    // After a language switch, the results of the run that shows are labelled again.
    void relabelShownRun();
    std::string noTransomFits() const;
    void hideSuggestedMullionLabels();

    // Shared parts of the handlers.
    void chooseSeries(ControlId option);
    void chooseSystem(ControlId option);
    void chooseHeightBand(double pressure, std::int16_t limit);
    void takeTypedPressure();
    void takeWindSpeed();
    void setDeflectionFromDivisor();
    void setDivisorFromDeflection();
    void followAllowedDeflection();
    bool spanCheckPasses();
    void textKeyUp(ControlId id, int keyCode);

    NumberFormat m_fmt;
    std::array<ControlState, kControlCount> m_controls{};
    std::optional<ControlId> m_focus;
    FormState m_form;
    std::vector<std::string> m_messages;
    std::string m_reportWorkbook;
    bool m_closed = false;
    WindSource m_windSource = WindSource::None;
    // The display of the completed run whose results show, until the next HideResults.
    struct ShownRun {
        DesignCase designCase;
        bool terrax;
        bool mullionFits;
        bool transomFits;
    };
    std::optional<ShownRun> m_shownRun;
};

// The name of a control, as the inventory and the dump spell it.
std::string_view controlName(ControlId id);

}  // namespace cw
