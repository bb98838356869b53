// The verdict line under the results panel, the greyed results of an earlier run, and NEXT
// from the keyboard anywhere in the form.

#include "window_fixture.h"

#include "model/state_dump.h"

#include <QAccessible>
#include <QAction>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>

#include <string>

namespace cw::gui::test {
namespace {

using C = ControlId;

QJsonObject dumpOf(const Window& w) {
    const std::string dump = stateDump(w.form.state(), {});
    return QJsonDocument::fromJson(QByteArray::fromStdString(dump)).object();
}

QColor textColour(QWidget* field) {
    return field->palette().color(QPalette::Text);
}

// How NEXT is asked for: with the focus in a field the user just typed in.
enum class Next { F9, CtrlReturn, Click };

void pressNext(Window& w, Next how) {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &w.window;
    switch (how) {
    case Next::F9: QTest::keyClick(target, Qt::Key_F9); break;
    case Next::CtrlReturn: QTest::keyClick(target, Qt::Key_Return, Qt::ControlModifier); break;
    case Next::Click: clickOn(w.widget(C::Command1)); break;
    }
}

struct Row {
    const char* name;
    const char* locale;
    bool english;
    Next next;
    const char* passWord;  // the word that says the verdict
    const char* outOfDate;
};

const Row kRows[] = {
    {"greek_f9", "el_GR", false, Next::F9, "επαρκεί",
     "Αποτελέσματα του τελευταίου υπολογισμού — τα δεδομένα άλλαξαν: πατήστε NEXT"},
    {"english_ctrl_return", "en_US", true, Next::CtrlReturn, "passes",
     "Results of the last run — the inputs have changed: press NEXT"},
    {"english_click", "el_GR", true, Next::Click, "passes",
     "Results of the last run — the inputs have changed: press NEXT"},
};

class VerdictLineWindow : public ::testing::TestWithParam<Row> {};

TEST_P(VerdictLineWindow, SaysTheVerdictAndWhenItIsOld) {
    const Row& row = GetParam();
    Window w(row.locale);
    QLabel* line = w.window.verdictLabel();
    ASSERT_TRUE(line);
    if (row.english)
        clickOn(w.widget(C::Command10));
    EXPECT_FALSE(line->isVisible()) << "a verdict before any run";

    // A Veltra bay, one span, the 0-8 m band; NEXT asked for from the last field typed.
    clickOn(w.widget(C::Option10));
    clickOn(w.widget(C::Option9));
    for (const auto& [id, text] : {std::pair{C::Text4, "120"},
                                   {C::Text7, "90"},
                                   {C::Text2, "250"},
                                   {C::Text10, "100"},
                                   {C::Text12, "150"}})
        typeInto(w.widget(id), QString::fromUtf8(text));
    clickOn(w.widget(C::Option1));
    clickOn(w.widget(C::Command15));
    typeInto(w.widget(C::Text12), QStringLiteral("150"));
    pressNext(w, row.next);
    ASSERT_TRUE(w.form.pendingMessages().empty()) << w.form.pendingMessages().front();
    ASSERT_TRUE(w.form.visible(C::Text36)) << "NEXT did not run";

    QJsonObject dump = dumpOf(w);
    ASSERT_TRUE(dump.value(QStringLiteral("verdictLine")).isString());
    EXPECT_TRUE(line->isVisible());
    EXPECT_EQ(line->text(), dump.value(QStringLiteral("verdictLine")).toString());
    EXPECT_TRUE(line->text().contains(QString::fromUtf8(row.passWord)))
        << line->text().toStdString();
    EXPECT_TRUE(line->text().contains(w.as<QLineEdit>(C::Text36)->text()));
    EXPECT_EQ(line->accessibleName(), line->text());
    EXPECT_EQ(line->toolTip(), line->text());
    EXPECT_EQ(line->palette().color(QPalette::WindowText), QColor(0x00, 0x70, 0x00));
    const QColor valueColour = textColour(w.widget(C::Text36));

    // A changed input: the values stay, greyed, and the line says why.
    typeInto(w.widget(C::Text2), QStringLiteral("260"));
    dump = dumpOf(w);
    EXPECT_FALSE(dump.value(QStringLiteral("resultsCurrent")).toBool());
    EXPECT_EQ(line->text(), QString::fromUtf8(row.outOfDate));
    EXPECT_EQ(dump.value(QStringLiteral("verdictLine")).toString(), line->text());
    EXPECT_NE(textColour(w.widget(C::Text36)), valueColour);
    EXPECT_NE(textColour(w.widget(C::Text18)), valueColour);

    pressNext(w, row.next);
    EXPECT_TRUE(dumpOf(w).value(QStringLiteral("resultsCurrent")).toBool());
    EXPECT_TRUE(line->text().contains(QString::fromUtf8(row.passWord)));
    EXPECT_EQ(textColour(w.widget(C::Text36)), valueColour);
}

INSTANTIATE_TEST_SUITE_P(Rows, VerdictLineWindow, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<Row>& param) {
                             return std::string(param.param.name);
                         });

// A failing design reads in red and names the check that fails.
TEST(VerdictLineWindow, AFailureIsRedAndSaysWhy) {
    Window w("el_GR");
    clickOn(w.widget(C::Option11));
    clickOn(w.widget(C::Option9));
    for (const auto& [id, text] : {std::pair{C::Text4, "400"},
                                   {C::Text7, "400"},
                                   {C::Text2, "300"},
                                   {C::Text10, "100"},
                                   {C::Text12, "200"},
                                   {C::Text8, "1,2"}})
        typeInto(w.widget(id), QString::fromUtf8(text));
    clickOn(w.widget(C::Command2));
    clickOn(w.widget(C::Command15));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F9);
    QLabel* line = w.window.verdictLabel();
    EXPECT_TRUE(line->text().startsWith(QStringLiteral("Η κολώνα ")));
    EXPECT_TRUE(line->text().contains(QStringLiteral("δεν επαρκεί: σ ")))
        << line->text().toStdString();
    EXPECT_EQ(line->palette().color(QPalette::WindowText), QColor(0xC0, 0x00, 0x00));
}

}  // namespace
}  // namespace cw::gui::test
