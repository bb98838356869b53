// The window from the keyboard alone: option groups, Space on buttons, the Tab chain, the
// focus mark, accessible names, and a whole design compared with the mouse-driven replay.

#include "window_fixture.h"

#include "app/replay_script.h"
#include "model/state_dump.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextStream>

#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace cw::gui::test {
namespace {

using C = ControlId;

std::string replayDump(const std::vector<std::string>& lines, std::string_view locale) {
    std::string text;
    for (const std::string& line : lines)
        text += line + '\n';
    text += "dump\n";
    std::istringstream in(text);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runReplay(in, out, err, NumberFormat::fromLocale(locale)), 0) << err.str();
    std::string dump = out.str();
    if (!dump.empty() && dump.back() == '\n')
        dump.pop_back();
    return dump;
}

QWidget* keyTarget(Window& w) {
    return QApplication::focusWidget() ? QApplication::focusWidget() : &w.window;
}

// xdotool's key names, as the end-to-end test sends them.
std::pair<Qt::Key, Qt::KeyboardModifiers> qtKey(const std::string& name) {
    if (name == "Tab")
        return {Qt::Key_Tab, Qt::NoModifier};
    if (name == "shift+Tab")
        return {Qt::Key_Backtab, Qt::ShiftModifier};
    if (name == "space")
        return {Qt::Key_Space, Qt::NoModifier};
    if (name == "Return")
        return {Qt::Key_Return, Qt::NoModifier};
    if (name == "Left")
        return {Qt::Key_Left, Qt::NoModifier};
    if (name == "Right")
        return {Qt::Key_Right, Qt::NoModifier};
    if (name == "Up")
        return {Qt::Key_Up, Qt::NoModifier};
    if (name == "Down")
        return {Qt::Key_Down, Qt::NoModifier};
    ADD_FAILURE() << "no key named " << name;
    return {Qt::Key_unknown, Qt::NoModifier};
}

std::string focusName() {
    QWidget* f = QApplication::focusWidget();
    return f ? f->objectName().toStdString() : "(nothing)";
}

TEST(Keyboard, AWholeDesignFromTheKeyboardEndsWhereTheMouseDoes) {
    QFile file(QStringLiteral(CW_KEYS_FILE));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    std::vector<std::string> mouse;
    Window w;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const std::string line = in.readLine().toStdString();
        if (line.empty() || line[0] == '#')
            continue;
        SCOPED_TRACE(line);
        std::istringstream words(line);
        std::string verb;
        words >> verb;
        if (verb == "mouse") {
            mouse.push_back(line.substr(6));
        } else if (verb == "type") {
            QTest::keyClicks(keyTarget(w), QString::fromStdString(line.substr(5)));
        } else if (verb == "key") {
            std::string name;
            std::string word;
            int count = 1;
            std::string expected;
            words >> name;
            while (words >> word) {
                if (word == "=>")
                    words >> expected;
                else
                    count = std::stoi(word);
            }
            const auto [key, modifiers] = qtKey(name);
            for (int i = 0; i < count; ++i) {
                ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window));
                QTest::keyClick(keyTarget(w), key, modifiers);
            }
            if (!expected.empty()) {
                ASSERT_EQ(focusName(), expected);
                ASSERT_EQ(w.form.focused(), ControlId(findControl(expected)));
            }
        } else {
            FAIL() << "unknown line";
        }
    }
    ASSERT_GE(mouse.size(), 5u);
    const std::string keyboard = stateDump(w.form.state(), w.form.pendingMessages());
    EXPECT_EQ(keyboard, replayDump(mouse, "el_GR"));
    EXPECT_EQ(w.form.text(C::Text6), "KA-01") << "the design did not run";
    EXPECT_TRUE(w.form.pendingMessages().empty());
}

// Arrow keys choose the neighbours in a group, skipping options that do not show, and wrap;
// each choice is the click a mouse would make.
struct Step {
    const char* name;
    std::vector<std::string> setUp;  // replay lines before the option takes the focus
    const char* start;
    Qt::Key key;
    const char* chosen;
};

class OptionArrows : public ::testing::TestWithParam<Step> {};

TEST_P(OptionArrows, ChooseTheNeighbourAsAClick) {
    const Step& step = GetParam();
    Window w;
    std::vector<std::string> lines = step.setUp;
    for (const std::string& line : step.setUp)
        clickOn(w.named(line.substr(6)));  // only "click X" lines
    w.named(step.start)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), step.key);
    // Where the click leaves the focus (a system choice sends it on to A1).
    ASSERT_TRUE(w.form.focused().has_value());
    EXPECT_EQ(focusName(), controlName(*w.form.focused()));
    EXPECT_TRUE(w.form.selected(ControlId(findControl(step.chosen))));
    EXPECT_TRUE(w.as<QAbstractButton>(ControlId(findControl(step.chosen)))->isChecked());
    lines.push_back("focus " + std::string(step.start));
    lines.push_back("click " + std::string(step.chosen));
    EXPECT_EQ(stateDump(w.form.state(), w.form.pendingMessages()), replayDump(lines, "el_GR"));
}

INSTANTIATE_TEST_SUITE_P(
    Groups, OptionArrows,
    ::testing::Values(Step{"down_to_korin", {}, "Option10", Qt::Key_Down, "Option11"},
                      Step{"right_to_korin", {}, "Option10", Qt::Key_Right, "Option11"},
                      Step{"up_wraps_to_terrax", {}, "Option10", Qt::Key_Up, "Option12"},
                      Step{"left_back_to_veltra", {}, "Option11", Qt::Key_Left, "Option10"},
                      Step{"terrax_skips_fixed_ends",
                           {"click Option12", "click Option13"},
                           "Option13",
                           Qt::Key_Down,
                           "Option9"},
                      Step{"veltra_offers_fixed_ends",
                           {"click Option10", "click Option13"},
                           "Option13",
                           Qt::Key_Down,
                           "Option14"},
                      Step{"height_skips_atrium", {}, "Option3", Qt::Key_Right, "Option1"},
                      Step{"height_up_a_band", {}, "Option1", Qt::Key_Right, "Option2"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(Keyboard, SpaceChoosesAFocusedOption) {
    Window w;
    w.widget(C::Option11)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(w.widget(C::Option11), Qt::Key_Space);
    EXPECT_TRUE(w.form.selected(C::Option11));
    EXPECT_EQ(stateDump(w.form.state(), {}),
              replayDump({"focus Option11", "click Option11"}, "el_GR"));
}

// Tab visits what a user types into or presses, never a result field or a caption button,
// and each option group once.
TEST(Keyboard, TabChainHoldsOnlyWhatAUserChanges) {
    Window w;
    for (const char* line : {"Option10", "Option9", "Option1"})
        clickOn(w.named(line));
    for (auto [id, text] : {std::pair{C::Text4, "120"},
                            {C::Text7, "90"},
                            {C::Text2, "250"},
                            {C::Text10, "100"},
                            {C::Text12, "150"}})
        typeInto(w.widget(id), QString::fromLatin1(text));
    clickOn(w.widget(C::Command1));
    ASSERT_TRUE(w.widget(C::Text5)->isVisible()) << "the run should show its results";
    w.widget(C::Text4)->setFocus(Qt::TabFocusReason);

    std::vector<std::string> visited;
    std::set<std::string> seen;
    for (int i = 0; i < 60 && seen.insert(focusName()).second; ++i) {
        visited.push_back(focusName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    const std::vector<std::string> expected = {
        "Text4",    "Text7",    "Text2",          "Text10",    "Option1",   "Text12",   "Text8",
        "Text11",   "Text16",   "Command1",       "Text3",     "Option10",  "Option9",  "Text37",
        "Text38",   "Text44",   "Command16",      "Command15", "Command10", "Command9", "Command8",
        "Command7", "Command4", "siteWindButton", "Command2", "catalogueChoice"};
    EXPECT_EQ(visited, expected);
    EXPECT_EQ(focusName(), "Text4") << "the chain should close";
}

TEST(Keyboard, TheFocusedControlIsMarked) {
    Window w;
    FocusMark* mark = w.window.focusMark();
    ASSERT_NE(mark, nullptr);
    for (ControlId id : {C::Text8, C::Command1, C::Option10, C::Text16}) {
        QWidget* widget = w.widget(id);
        widget->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(mark->isVisible()) << controlName(id);
        EXPECT_EQ(mark->target(), widget);
        const QRect box(widget->mapTo(w.window.formPage(), QPoint()), widget->size());
        EXPECT_TRUE(mark->geometry().contains(box)) << controlName(id);
        EXPECT_GT(mark->geometry().width(), box.width()) << "the ring lies outside the control";
        // The ring is drawn in the highlight colour on its edge, and leaves the inside alone.
        const QImage ring = mark->grab().toImage();
        EXPECT_EQ(ring.pixelColor(0, ring.height() / 2).rgb(),
                  mark->palette().color(QPalette::Highlight).rgb());
    }
    // A click moves the model's focus, and the mark with it.
    clickOn(w.widget(C::Command10));
    EXPECT_EQ(mark->target(), w.widget(C::Command10));
}

// --- Accessibility and language --------------------------------------------------------------

struct Spoken {
    const char* name;
    std::vector<std::string> before;  // "click X" lines
    const char* control;
    const char* accessibleName;
    const char* description;
    const char* tooltip;
};

class Accessible : public ::testing::TestWithParam<Spoken> {};

TEST_P(Accessible, NamesAndUnitsFollowTheCaptionsShowing) {
    const Spoken& row = GetParam();
    Window w;
    for (const std::string& line : row.before)
        clickOn(w.named(line.substr(6)));
    QWidget* widget = w.named(row.control);
    EXPECT_EQ(widget->accessibleName(), QString::fromUtf8(row.accessibleName));
    EXPECT_EQ(widget->accessibleDescription(), QString::fromUtf8(row.description));
    EXPECT_EQ(widget->toolTip(), QString::fromUtf8(row.tooltip));
    // What a screen reader is handed.
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(widget);
    ASSERT_NE(spoken, nullptr);
    EXPECT_EQ(spoken->text(QAccessible::Name), QString::fromUtf8(row.accessibleName));
    // Without a unit, Qt reads the tooltip as the description.
    EXPECT_EQ(spoken->text(QAccessible::Description),
              QString::fromUtf8(*row.description ? row.description : row.tooltip));
}

TEST(Keyboard, CaptionsAreReadInTheLanguageShowing) {
    Window w;
    QAccessibleInterface* heading = QAccessible::queryAccessibleInterface(w.widget(C::Label10));
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->text(QAccessible::Name), QStringLiteral("Επιλογή Συστήματος"));
    clickOn(w.widget(C::Command10));
    QAccessibleInterface* english = QAccessible::queryAccessibleInterface(w.widget(C::Label78));
    EXPECT_EQ(english->text(QAccessible::Name), QStringLiteral("System selection"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(w.widget(C::Text16))->text(QAccessible::Name),
              QStringLiteral("Total glazing thickness (inner and outer thickness) ( mm)."));
}

INSTANTIATE_TEST_SUITE_P(
    Controls, Accessible,
    ::testing::Values(Spoken{"grid_width_greek",
                             {"click Option10", "click Option9"},
                             "Text4",
                             "A1",
                             "cm",
                             "Πλάτος κανάβου A1, σε εκατοστά (cm)"},
                      Spoken{"grid_width_english",
                             {"click Option10", "click Option9", "click Command10"},
                             "Text4",
                             "A1",
                             "cm",
                             "Grid width A1, in centimetres (cm)"},
                      Spoken{"span_one",
                             {"click Option10", "click Option9"},
                             "Text2",
                             "L =",
                             "cm",
                             "Μήκος κολώνας L (ή L1), σε εκατοστά (cm)"},
                      Spoken{"span_two",
                             {"click Option10", "click Option13"},
                             "Text2",
                             "L1=",
                             "cm",
                             "Μήκος κολώνας L (ή L1), σε εκατοστά (cm)"},
                      Spoken{"glass_greek",
                             {},
                             "Text16",
                             "Συνολικό πάχος υάλωσης (mm).",
                             "mm",
                             "Συνολικό πάχος υάλωσης, σε χιλιοστά (mm)"},
                      Spoken{"glass_english",
                             {"click Command10"},
                             "Text16",
                             "Total glazing thickness (inner and outer thickness) ( mm).",
                             "mm",
                             "Total glazing thickness, in millimetres (mm)"},
                      Spoken{"wind_speed_english",
                             {"click Command10"},
                             "Text11",
                             "Wind speed (km / h)",
                             "km/h",
                             "Wind speed, in km/h"},
                      Spoken{"divisor",
                             {},
                             "Text37",
                             "L / d",
                             "",
                             "Διαιρέτης d του ορίου βέλους L / d (καθαρός αριθμός)"},
                      Spoken{"series_option", {}, "Option10", "Veltra", "", ""},
                      Spoken{"system_option_english",
                             {"click Command10"},
                             "Option9",
                             "Simple support - rolling support",
                             "",
                             ""},
                      Spoken{"height_option", {}, "Option2", "8-20 μ.", "", ""},
                      Spoken{"run_button", {}, "Command1", "NEXT", "", ""},
                      Spoken{"wind_button_english",
                             {"click Command10"},
                             "Command11",
                             "Wind pressure selection (kN / m^2)",
                             "",
                             "Wind pressure selection"},
                      Spoken{"result_field_english",
                             {"click Command10"},
                             "Text30",
                             "Wind speed",
                             "km/h",
                             "Note: value in km/h only"}),
    [](const auto& row) { return std::string(row.param.name); });

// --- Screens ---------------------------------------------------------------------------------

bool inView(Window& w, ControlId id) {
    QScrollArea* scroll = w.window.scrollArea();
    QWidget* widget = w.widget(id);
    const QRect box(widget->mapTo(scroll->viewport(), QPoint()), widget->size());
    return scroll->viewport()->rect().contains(box);
}

// On a 1366 x 768 laptop the form is taller than the window: NEXT and the export are reached
// by scrolling, by Tab as well as by the scroll bar.
TEST(Screens, ASmallWindowReachesNextAndTheExportByScrolling) {
    Window w;
    w.window.resize(1366, 768 - 30);  // the title bar takes the rest
    QApplication::processEvents();
    QScrollArea* scroll = w.window.scrollArea();
    ASSERT_TRUE(scroll->verticalScrollBar()->isVisible()) << "the form should scroll";
    EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible()) << "1366 is wide enough";
    EXPECT_FALSE(inView(w, C::Command1));
    EXPECT_FALSE(inView(w, C::Command7));

    w.widget(C::Text16)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(focusName(), "Command1");
    EXPECT_TRUE(inView(w, C::Command1)) << "Tab did not scroll NEXT into view";

    scroll->verticalScrollBar()->setValue(0);
    w.widget(C::Command7)->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(inView(w, C::Command7));

    scroll->verticalScrollBar()->setValue(0);
    scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum());
    EXPECT_TRUE(inView(w, C::Command1));
    EXPECT_TRUE(inView(w, C::Command7));
    EXPECT_TRUE(inView(w, C::Command8));
    // The bottom of the form is the bottom of the view: nothing is cut off below EXIT.
    const QPoint bottom =
        w.window.formPage()->mapTo(scroll->viewport(), w.window.formPage()->rect().bottomLeft());
    EXPECT_EQ(bottom.y(), scroll->viewport()->height() - 1);
}

TEST(Screens, MenuBarLiesAboveTheUnchangedForm) {
    Window w;
    QScrollArea* scroll = w.window.scrollArea();
    EXPECT_GE(scroll->geometry().top(), w.window.menuBar()->geometry().bottom());
    EXPECT_EQ(w.window.formPage()->pos(), QPoint(0, 0));
    EXPECT_EQ(w.window.fileMenu()->title(), QStringLiteral("&Αρχείο"));
    const QList<QAction*> items = w.window.fileMenu()->actions();
    ASSERT_GE(items.size(), 2);
    EXPECT_EQ(items.first(), w.window.newAction());
    EXPECT_EQ(items.last(), w.window.quitAction());
    EXPECT_EQ(w.window.quitAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    clickOn(w.widget(C::Command10));
    EXPECT_EQ(w.window.fileMenu()->title(), QStringLiteral("&File"));
    EXPECT_EQ(w.window.exportAction()->text(), QStringLiteral("&Export to spreadsheet…"));
}

TEST(Screens, CtrlQQuitsAndWritesTheDump) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("state.json"));
    auto questions = std::make_shared<ScriptedQuestions>();
    questions->unsaved = {UnsavedChanges::Discard};
    Window w("el_GR", path, questions);
    clickOn(w.widget(C::Option10));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(questions->questions.size(), 1);
    EXPECT_FALSE(w.window.isVisible());
    EXPECT_TRUE(QFile::exists(path));
}

}  // namespace
}  // namespace cw::gui::test
