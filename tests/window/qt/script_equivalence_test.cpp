// The same user actions, once through the real widgets and once through the replay tool,
// must leave the same model state: the window may not decide anything the replay does not.

#include "window_fixture.h"

#include "app/replay_script.h"
#include "model/state_dump.h"

#include <QAbstractButton>
#include <QLineEdit>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace cw::gui::test {
namespace {

struct Script {
    const char* name;
    const char* locale;
    std::vector<std::string> lines;
};

const std::vector<Script>& scripts() {
    static const std::vector<Script> all = {
        {"veltra_one_span_by_the_enter_chain",
         "el_GR",
         {"click Option10", "click Option9", "click Option1", "type Text4 120", "key 13",
          "type Text7 90", "key 13", "type Text2 250", "key 13", "type Text10 100", "key 13",
          "type Text12 150", "key 13", "key 13", "key 13", "key 13", "key 13", "key 13"}},
        {"korin_two_spans_english_typed_pressure",
         "el_GR",
         {"click Option11", "click Command10", "click Option13", "type Text4 150", "type Text7 130",
          "type Text2 320", "type Text13 280", "type Text10 120", "type Text12 160",
          "type Text8 0,9", "click Command11", "click Command1"}},
        {"terrax_one_span_from_wind_speed",
         "el_GR",
         {"click Option12", "click Option9", "type Text4 100", "type Text7 100", "type Text2 300",
          "type Text10 150", "type Text12 150", "type Text42 25", "type Text11 110",
          "click Command4", "click Command1"}},
        {"terrax_two_spans_english_us_locale",
         "en_US",
         {"click Option12", "click Command10", "click Option13", "type Text4 90", "type Text7 90",
          "type Text2 250", "type Text13 200", "type Text10 120", "type Text12 130",
          "type Text16 8.5", "click Option2", "click Command1", "click Command9"}},
        {"fixed_ends_with_the_deflection_buttons",
         "el_GR",
         {"click Option10", "click Option14", "type Text4 110", "type Text7 110", "type Text2 280",
          "type Text10 130", "type Text12 150", "click Option3", "type Text37 250",
          "click Command15", "type Text38 10", "click Command16", "click Command1"}},
        {"span_check_refuses_then_passes",
         "el_GR",
         {"click Option10", "click Option13", "type Text4 120", "type Text7 120", "type Text2 200",
          "key 13", "type Text13 300", "key 13", "type Text13 150", "key 13", "type Text10 100",
          "key 13", "type Text12", "key 13"}},
        {"refused_run_without_wind_load",
         "el_GR",
         {"click Option10", "click Option9", "type Text4 120", "type Text7 90", "type Text2 250",
          "type Text10 100", "type Text12 150", "focus Command1", "key 13"}},
        {"no_mullion_fits",
         "el_GR",
         {"click Option10", "click Option14", "type Text4 500", "type Text7 500", "type Text2 800",
          "type Text10 400", "type Text12 400", "click Option3", "click Command1"}},
        {"languages_switched_around_a_run",
         "el_GR",
         {"click Command10", "click Option12", "click Command10", "click Command9",
          "click Option10", "click Option9", "click Command10", "type Text4 120", "type Text7 90",
          "type Text2 250", "type Text10 100", "type Text12 150", "click Option2", "click Command1",
          "click Command9", "click Command5"}},
    };
    return all;
}

std::string replayDump(const Script& script) {
    std::string text;
    for (const std::string& line : script.lines)
        text += line + '\n';
    text += "dump\n";
    std::istringstream in(text);
    std::ostringstream out;
    std::ostringstream err;
    const int status = runReplay(in, out, err, NumberFormat::fromLocale(script.locale));
    EXPECT_EQ(status, 0) << err.str();
    std::string dump = out.str();
    if (!dump.empty() && dump.back() == '\n')
        dump.pop_back();
    return dump;
}

Qt::Key qtKey(int code) {
    switch (code) {
    case 13: return Qt::Key_Return;
    case 46: return Qt::Key_Delete;
    default: return Qt::Key(code);  // digits and capitals share their codes with Qt
    }
}

// Runs one line through the widgets, as a user would do it.
void perform(Window& w, const std::string& line) {
    const std::size_t verbEnd = line.find(' ');
    const std::string verb = line.substr(0, verbEnd);
    if (verb == "key") {
        pressKey(&w.window, qtKey(std::stoi(line.substr(verbEnd + 1))));
        return;
    }
    const std::size_t nameEnd = line.find(' ', verbEnd + 1);
    const std::string name = line.substr(verbEnd + 1, nameEnd - verbEnd - 1);
    const std::string rest = nameEnd == std::string::npos ? "" : line.substr(nameEnd + 1);
    QWidget* target = w.named(name);
    ASSERT_NE(target, nullptr) << name;
    ASSERT_TRUE(target->isVisible()) << line << ": a user cannot reach a hidden control";
    if (verb == "click")
        clickOn(target);
    else if (verb == "type")
        typeInto(target, fromUtf8(rest));
    else if (verb == "focus")
        target->setFocus(Qt::TabFocusReason);
    else
        FAIL() << "no widget action for " << line;
}

// The first place where two dumps part, with some context.
std::string firstDifference(const std::string& a, const std::string& b) {
    std::size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i])
        ++i;
    const std::size_t from = i > 120 ? i - 120 : 0;
    return "window: ..." + a.substr(from, 200) + "\nreplay: ..." + b.substr(from, 200);
}

class SameAsReplay : public ::testing::TestWithParam<Script> {};

TEST_P(SameAsReplay, WidgetsLeaveTheModelWhereTheReplayDoes) {
    const Script& script = GetParam();
    const std::string expected = replayDump(script);
    Window w(script.locale);
    const std::string atStart = stateDump(w.form.state(), {});
    for (const std::string& line : script.lines) {
        SCOPED_TRACE(line);
        perform(w, line);
        if (::testing::Test::HasFatalFailure())
            return;
    }
    const std::string actual = stateDump(w.form.state(), w.form.pendingMessages());
    EXPECT_NE(actual, atStart) << "the script changed nothing";
    EXPECT_EQ(actual, expected) << firstDifference(actual, expected);

    // Every message the model raised was shown once, as a plain OK box.
    const auto& shown = w.window.shownMessages();
    ASSERT_EQ(shown.size(), w.form.pendingMessages().size());
    for (std::size_t i = 0; i < shown.size(); ++i) {
        EXPECT_EQ(shown[i].text, fromUtf8(w.form.pendingMessages()[i]));
        EXPECT_EQ(shown[i].icon, QMessageBox::NoIcon);
        EXPECT_EQ(shown[i].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        EXPECT_EQ(shown[i].title, QApplication::applicationName());
    }
}

// A unit the window keeps beside a value the model shows: a caption that names no language
// (the units), on the same line as a shown, filled result field.
bool unitBesideShownValue(const Window& w, const ControlSpec& s) {
    if (s.kind != ControlKind::Label || s.captionSet != CaptionSet::Neutral || s.caption.empty())
        return false;
    for (int i = 0; i < kControlCount; ++i) {
        const ControlSpec& field = inventory()[i];
        if (field.kind == ControlKind::TextBox && field.readOnly && field.rect.top == s.rect.top &&
            w.form.visible(field.id) && !w.form.text(field.id).empty())
            return true;
    }
    return false;
}

TEST_P(SameAsReplay, WidgetsMirrorTheModelAfterwards) {
    const Script& script = GetParam();
    Window w(script.locale);
    for (const std::string& line : script.lines) {
        perform(w, line);
        if (::testing::Test::HasFatalFailure())
            return;
    }
    for (int i = 0; i < kControlCount; ++i) {
        const ControlSpec& s = inventory()[i];
        const QWidget* widget = w.widget(s.id);
        if (w.form.visible(s.id) || !unitBesideShownValue(w, s)) {
            EXPECT_EQ(!widget->isHidden(), w.form.visible(s.id)) << s.name;
        }
        if (s.kind == ControlKind::TextBox) {
            EXPECT_EQ(w.as<QLineEdit>(s.id)->text(), fromUtf8(w.form.text(s.id))) << s.name;
        }
        if (s.kind == ControlKind::OptionButton) {
            EXPECT_EQ(w.as<QAbstractButton>(s.id)->isChecked(), w.form.selected(s.id)) << s.name;
        }
    }
    const std::optional<ControlId> focus = w.form.focused();
    ASSERT_TRUE(focus.has_value());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window));
    EXPECT_EQ(QApplication::focusWidget(), w.widget(*focus))
        << "model focus " << controlName(*focus);
}

INSTANTIATE_TEST_SUITE_P(Scripts, SameAsReplay, ::testing::ValuesIn(scripts()),
                         [](const auto& row) { return std::string(row.param.name); });

// What each script is there to reach, so that a script that silently stopped exercising
// its case (a refused run where a result was meant) is noticed.
struct Intent {
    const char* script;
    const char* control;
    const char* text;  // nullptr: only visibility is checked
    bool visible;
};

class ScriptIntent : public ::testing::TestWithParam<Intent> {};

TEST_P(ScriptIntent, ScriptReachesItsCase) {
    const Intent& intent = GetParam();
    const auto& all = scripts();
    const auto it = std::find_if(all.begin(), all.end(), [&](const Script& s) {
        return std::string_view(s.name) == intent.script;
    });
    ASSERT_NE(it, all.end());
    Window w(it->locale);
    for (const std::string& line : it->lines)
        perform(w, line);
    const ControlId id = ControlId(findControl(intent.control));
    EXPECT_EQ(w.form.visible(id), intent.visible);
    if (intent.text) {
        EXPECT_EQ(w.form.text(id), intent.text);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, ScriptIntent,
    ::testing::Values(Intent{"veltra_one_span_by_the_enter_chain", "Text6", "KA-01", true},
                      Intent{"veltra_one_span_by_the_enter_chain", "Text5", "30,52", true},
                      Intent{"korin_two_spans_english_typed_pressure", "Text29", "0,90", true},
                      Intent{"terrax_one_span_from_wind_speed", "Text30", "110,00", true},
                      Intent{"terrax_two_spans_english_us_locale", "Label87", nullptr, false},
                      Intent{"fixed_ends_with_the_deflection_buttons", "Text43", nullptr, true},
                      Intent{"span_check_refuses_then_passes", "Text13", "150", true},
                      Intent{"refused_run_without_wind_load", "Text5", "", false},
                      Intent{"no_mullion_fits", "Label1", nullptr, true},
                      Intent{"languages_switched_around_a_run", "Label78", nullptr, false}),
    [](const auto& row) { return std::string(row.param.script) + "_" + row.param.control; });

}  // namespace
}  // namespace cw::gui::test
