// The language the window opens in, remembered between runs, and fields that select their
// whole text when reached, so that typing replaces the value.

#include "window_fixture.h"

#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>

namespace cw::gui::test {
namespace {

using C = ControlId;

struct StartRow {
    const char* name;
    const char* remembered;  // "" for no choice made before
    const char* locale;
    bool english;
};

const StartRow kStartRows[] = {
    {"greek_locale", "", "el_GR", false},
    {"english_locale", "", "en_US", true},
    {"other_locale", "", "de_DE", true},
    {"chosen_english_under_greek", "en", "el_GR", true},
    {"chosen_greek_under_english", "el", "en_US", false},
};

class StartLanguage : public ::testing::TestWithParam<StartRow> {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
        QSettings settings;
        settings.clear();
        if (*GetParam().remembered)
            settings.setValue(QStringLiteral("window/language"),
                              QString::fromUtf8(GetParam().remembered));
        settings.sync();
    }
    QTemporaryDir dir;
};

TEST_P(StartLanguage, OpensInTheLanguageChosenOrTheLocales) {
    const StartRow& row = GetParam();
    Form greekStart(NumberFormat::fromLocale(row.locale));
    Form form(NumberFormat::fromLocale(row.locale));
    WindowOptions options;
    options.autoAcceptMessages = true;
    options.rememberLanguage = true;
    options.localeName = QString::fromUtf8(row.locale);
    MainWindow window(form, options);
    EXPECT_EQ(form.state().languageShowing() == Language::English, row.english);
    // The language it opens in is the user's, not a change to the bay: nothing to save.
    EXPECT_FALSE(documentModified(form.state()));
    // A press of the flag: the model's own switch, the focus left where the window opened.
    EXPECT_EQ(form.focused(), greekStart.focused());
    if (row.english)
        greekStart.click(C::Command10);
    for (int i = 0; i < kControlCount; ++i)
        EXPECT_EQ(form.visible(ControlId(i)), greekStart.visible(ControlId(i)))
            << controlName(ControlId(i));

    // The user's choice is remembered; the start itself chose nothing.
    EXPECT_EQ(QSettings().value(QStringLiteral("window/language")).toString(),
              QString::fromUtf8(row.remembered));
    window.show();
    clickOn(window.control(row.english ? C::Command9 : C::Command10));
    EXPECT_EQ(QSettings().value(QStringLiteral("window/language")).toString(),
              row.english ? QStringLiteral("el") : QStringLiteral("en"));
}

INSTANTIATE_TEST_SUITE_P(Rows, StartLanguage, ::testing::ValuesIn(kStartRows),
                         [](const ::testing::TestParamInfo<StartRow>& param) {
                             return std::string(param.param.name);
                         });

// Without the option (tests, the replay's twin) the window opens in Greek, as the model.
TEST(StartLanguageOff, OpensGreekWhateverTheLocale) {
    Form form(NumberFormat::fromLocale("en_US"));
    MainWindow window(form, WindowOptions{{}, true, nullptr});
    EXPECT_EQ(form.state().languageShowing(), Language::Greek);
}

// How a field is reached before "9" is typed into it: it must then hold "9" alone.
enum class Reach { Tab, Enter, Click };

class SelectOnReach : public ::testing::TestWithParam<Reach> {};

TEST_P(SelectOnReach, TypingReplacesTheWholeValue) {
    Window w("el_GR");
    clickOn(w.widget(C::Option10));
    clickOn(w.widget(C::Option9));
    typeInto(w.widget(C::Text10), QStringLiteral("100"));
    typeInto(w.widget(C::Text2), QStringLiteral("250"));
    auto* h1 = w.as<QLineEdit>(C::Text10);
    switch (GetParam()) {
    case Reach::Enter:  // the Enter chain goes from L to H1
        pressKey(&w.window, Qt::Key_Return);
        break;
    case Reach::Tab:
        while (QApplication::focusWidget() != h1)
            pressKey(&w.window, Qt::Key_Tab);
        break;
    case Reach::Click: clickOn(h1); break;
    }
    ASSERT_EQ(QApplication::focusWidget(), h1);
    QTest::keyClicks(h1, QStringLiteral("9"));
    EXPECT_EQ(h1->text(), QStringLiteral("9"));
    EXPECT_EQ(w.form.text(C::Text10), "9");
}

INSTANTIATE_TEST_SUITE_P(Ways, SelectOnReach,
                         ::testing::Values(Reach::Tab, Reach::Enter, Reach::Click),
                         [](const ::testing::TestParamInfo<Reach>& param) {
                             return std::string(param.param == Reach::Tab     ? "tab"
                                                : param.param == Reach::Enter ? "enter"
                                                                              : "click");
                         });

}  // namespace
}  // namespace cw::gui::test
