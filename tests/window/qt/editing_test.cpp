// The window's editing from the keyboard: Undo and Redo over the bay, New bay and Open
// recent, the names the file dialogs offer, the Site wind dialog, F10, and a Tab cycle that
// stops on each control a user can see once and on nothing hidden.

#include "window_fixture.h"

#include "input/bay_document_io.h"
#include "model/state_dump.h"
#include "text/messages.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>

#include <set>

namespace cw::gui::test {
namespace {

using C = ControlId;

// A dump without the focus and the messages: what the inputs decide.
std::string inputsAndResults(const Form& f) {
    const std::string dump = stateDump(f.state(), {});
    return dump.substr(dump.find(", \"controls\""),
                       dump.find(", \"document\"") - dump.find(", \"controls\""));
}

void keyChord(Window& w, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &w.window, key,
                    modifiers);
}

QString said(Message m, Language language, std::initializer_list<std::string_view> values = {}) {
    return QString::fromStdString(say(m, language, values));
}

// A Veltra bay on one span with the 8-20 m band, run.
void designBay(Window& w, bool english) {
    clickOn(w.widget(C::Option10));
    clickOn(w.widget(C::Option9));
    for (auto [id, text] : {std::pair{C::Text4, "120"},
                            {C::Text7, "90"},
                            {C::Text2, "250"},
                            {C::Text10, "100"},
                            {C::Text12, "150"}})
        typeInto(w.widget(id), QString::fromLatin1(text));
    clickOn(w.widget(C::Option2));
    (void)english;
    keyChord(w, Qt::Key_F9, Qt::NoModifier);
}

struct UndoRow {
    const char* name;
    bool english;
    Qt::KeyboardModifiers redoModifiers;
    Qt::Key redoKey;
};

class UndoInWindow : public ::testing::TestWithParam<UndoRow> {};

// A new static system empties the geometry and says how to get it back; Ctrl+Z brings back
// the bay and its results, and Redo the system change.
TEST_P(UndoInWindow, BringsBackTheGeometryASystemChangeCleared) {
    const UndoRow& row = GetParam();
    Window w(row.english ? "en_US" : "el_GR");
    const Language language = row.english ? Language::English : Language::Greek;
    if (row.english)
        clickOn(w.widget(C::Command10));
    designBay(w, row.english);
    ASSERT_TRUE(resultsCurrent(w.form.state()));
    const std::string designed = inputsAndResults(w.form);

    clickOn(w.widget(C::Option13));
    ASSERT_TRUE(w.form.text(C::Text4).empty()) << "a new system empties the geometry";
    EXPECT_EQ(w.window.statusBar()->currentMessage(), said(Message::GeometryCleared, language));

    keyChord(w, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w.form.text(C::Text4), "120");
    EXPECT_EQ(w.form.text(C::Text2), "250");
    EXPECT_TRUE(w.form.selected(C::Option9));
    EXPECT_EQ(inputsAndResults(w.form), designed) << "the bay and its results come back";
    EXPECT_TRUE(w.window.redoAction()->isEnabled());

    keyChord(w, row.redoKey, row.redoModifiers);
    EXPECT_TRUE(w.form.selected(C::Option13));
    EXPECT_TRUE(w.form.text(C::Text4).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Languages, UndoInWindow,
    ::testing::Values(UndoRow{"greek_ctrl_shift_z", false, Qt::ControlModifier | Qt::ShiftModifier,
                              Qt::Key_Z},
                      UndoRow{"english_ctrl_y", true, Qt::ControlModifier, Qt::Key_Y}),
    [](const ::testing::TestParamInfo<UndoRow>& p) { return std::string(p.param.name); });

// Ctrl+Z in a field is the window's Undo, and undoes the whole value typed there at once.
TEST(UndoInWindow, CtrlZInAFieldUndoesTheWholeValueTyped) {
    Window w;
    clickOn(w.widget(C::Option10));
    clickOn(w.widget(C::Option9));
    typeInto(w.widget(C::Text4), QStringLiteral("120"));
    typeInto(w.widget(C::Text7), QStringLiteral("95"));
    ASSERT_EQ(QApplication::focusWidget(), w.widget(C::Text7));
    keyChord(w, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w.form.text(C::Text7), "");
    EXPECT_EQ(w.as<QLineEdit>(C::Text7)->text(), QString());
    EXPECT_EQ(w.form.text(C::Text4), "120");
    keyChord(w, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w.form.text(C::Text4), "");
    keyChord(w, Qt::Key_Z, Qt::ControlModifier);
    keyChord(w, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(w.form.selected(C::Option10)) << "back to the start";
    EXPECT_FALSE(w.window.undoAction()->isEnabled());
}

// The file and recent list tests share one settings store: each starts with an empty list.
class Files : public ::testing::Test {
protected:
    void SetUp() override {
        QSettings().remove(QStringLiteral("window/recentFiles"));
        ASSERT_TRUE(dir.isValid());
        questions = std::make_shared<ScriptedQuestions>();
        w = std::make_unique<Window>("el_GR", QString(), questions);
    }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QStringList recent() const {
        QStringList paths;
        w->window.recentMenu()->aboutToShow();
        for (QAction* a : w->window.recentMenu()->actions())
            if (a->data().isValid())
                paths << a->data().toString();
        return paths;
    }

    QTemporaryDir dir;
    std::shared_ptr<ScriptedQuestions> questions;
    std::unique_ptr<Window> w;
};

TEST_F(Files, SaveAsOffersANameFromTheBayAndTheReportOneFromTheFile) {
    EXPECT_EQ(w->window.reportMenu()->suggestedPdf(), QStringLiteral("bay.pdf"));
    designBay(*w, false);
    EXPECT_EQ(w->window.reportMenu()->suggestedPdf(), QStringLiteral("Veltra-one-span-L250.pdf"));
    questions->files = {path("mine.cwbay")};
    ASSERT_TRUE(w->window.saveBayFileAs());
    ASSERT_EQ(questions->suggestions.size(), 1);
    EXPECT_EQ(questions->suggestions[0], QStringLiteral("Veltra-one-span-L250.cwbay"));
    EXPECT_EQ(w->window.reportMenu()->suggestedPdf(), path("mine.pdf"));
    questions->files = {path("other.cwbay")};
    ASSERT_TRUE(w->window.saveBayFileAs());
    EXPECT_EQ(questions->suggestions[1], path("mine.cwbay")) << "the open file's own name";
}

TEST_F(Files, NewBayAsksAboutUnsavedChangesAndUndoBringsTheBayBack) {
    designBay(*w, false);
    questions->unsaved = {UnsavedChanges::Cancel, UnsavedChanges::Discard};
    keyChord(*w, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(questions->questions.size(), 1);
    EXPECT_EQ(w->form.text(C::Text2), "250") << "cancelled";
    keyChord(*w, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(questions->questions.size(), 2);
    Form fresh(NumberFormat::fromLocale("el_GR"));
    EXPECT_EQ(inputsAndResults(w->form), inputsAndResults(fresh));
    EXPECT_FALSE(documentModified(w->form.state()));
    keyChord(*w, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w->form.text(C::Text2), "250");
}

TEST_F(Files, OpenRecentReopensAndForgetsAFileThatIsGone) {
    designBay(*w, false);
    questions->files = {path("a.cwbay")};
    ASSERT_TRUE(w->window.saveBayFileAs());
    clickOn(w->widget(C::Command10));
    questions->files = {path("b.cwbay")};
    ASSERT_TRUE(w->window.saveBayFileAs());
    EXPECT_EQ(recent(), (QStringList{path("b.cwbay"), path("a.cwbay")}));

    keyChord(*w, Qt::Key_N, Qt::ControlModifier);
    ASSERT_TRUE(w->form.text(C::Text2).empty());
    w->window.openRecentFile(path("a.cwbay"));
    EXPECT_EQ(w->form.text(C::Text2), "250");
    EXPECT_EQ(w->form.state().document.path, path("a.cwbay").toStdString());
    EXPECT_EQ(recent().first(), path("a.cwbay")) << "the file opened heads the list";

    ASSERT_TRUE(QFile::remove(path("b.cwbay")));
    const std::string before = inputsAndResults(w->form);
    w->window.openRecentFile(path("b.cwbay"));
    EXPECT_EQ(inputsAndResults(w->form), before);
    EXPECT_EQ(w->window.statusBar()->currentMessage(),
              said(Message::RecentMissing, Language::Greek, {path("b.cwbay").toStdString()}));
    EXPECT_EQ(recent(), QStringList{path("a.cwbay")});
}

TEST_F(Files, TheRecentListKeepsTheLastEight) {
    QStringList old;
    for (int i = 0; i < 8; ++i)
        old << path(QString::number(i).toLatin1().constData());
    QSettings().setValue(QStringLiteral("window/recentFiles"), old);
    questions->files = {path("new.cwbay")};
    ASSERT_TRUE(w->window.saveBayFileAs());
    const QStringList list = recent();
    ASSERT_EQ(list.size(), 8);
    EXPECT_EQ(list.first(), path("new.cwbay"));
    EXPECT_EQ(list.last(), path("6")) << "the oldest goes";
}

// The dialog as a user meets it: the live line follows the entries, Enter applies.
TEST(SiteWindDialog, ShowsQpAndWAsTypedAndEnterApplies) {
    Window w;
    SiteWindTexts shown = siteWindTexts(w.form.state());
    QString before, after, title;
    int width = 0;
    QTimer::singleShot(50, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* preview = dialog->findChild<QLabel*>(QStringLiteral("siteWindPreview"));
        auto* z = dialog->findChild<QLineEdit*>(QStringLiteral("z"));
        ASSERT_NE(preview, nullptr);
        ASSERT_NE(z, nullptr);
        before = preview->text();
        z->setFocus();
        z->selectAll();
        QTest::keyClicks(z, QStringLiteral("40"));
        after = preview->text();
        title = dialog->windowTitle();
        width = dialog->width();
        QTest::keyClick(z, Qt::Key_Return);
    });
    const std::optional<SiteWindTexts> chosen =
        siteWindDialog(&w.window, shown, Language::Greek, w.form.numberFormat());
    ASSERT_TRUE(chosen) << "Enter should apply, not cancel";
    EXPECT_EQ((*chosen)[std::size_t(SiteWindEntry::Z)], "40");
    // The line says what Apply will write: the same as the model's reading of the entries.
    EXPECT_EQ(after.toStdString(),
              siteWindPreview(*chosen, w.form.numberFormat(), Language::Greek));
    EXPECT_NE(before, after);
    EXPECT_TRUE(after.startsWith(QStringLiteral("qp(z) = "))) << after.toStdString();
    EXPECT_GT(width, QFontMetrics(QApplication::font()).horizontalAdvance(title));
}

TEST(SiteWindDialog, TheLiveLineSaysWhyAnEntryIsRefused) {
    Window w;
    SiteWindTexts texts = siteWindTexts(w.form.state());
    texts[std::size_t(SiteWindEntry::Z)] = "abc";
    const std::string line = siteWindPreview(texts, w.form.numberFormat(), Language::English);
    EXPECT_NE(line.find("abc"), std::string::npos) << line;
    EXPECT_EQ(line.find("qp(z) ="), std::string::npos) << line;
}

TEST(MenuBar, F10OpensTheFirstMenu) {
    for (const ControlId flag : {C::Command9, C::Command10}) {
        Window w;
        clickOn(w.widget(flag));
        typeInto(w.widget(C::Text37), QStringLiteral("2"));
        keyChord(w, Qt::Key_F10, Qt::NoModifier);
        EXPECT_EQ(w.window.menuBar()->activeAction(), w.window.fileMenu()->menuAction());
        w.window.fileMenu()->close();
        w.window.menuBar()->setActiveAction(nullptr);
    }
}

// --- The Tab cycle ---------------------------------------------------------------------------

bool coveredByTwin(const Window& w, QWidget* widget) {
    const int i = findControl(widget->objectName().toStdString());
    if (i < 0)
        return false;
    const ControlSpec& s = inventory()[i];
    return s.captionSet == CaptionSet::Greek && !s.twin.empty() && w.named(s.twin) &&
           w.named(s.twin)->isVisible();
}

struct TabState {
    const char* name;
    bool english;
    bool designed;
    ControlId system;
};

class TabCycle : public ::testing::TestWithParam<TabState> {};

TEST_P(TabCycle, StopsOnEachVisibleControlOnceAndOnNothingHidden) {
    const TabState& row = GetParam();
    Window w(row.english ? "en_US" : "el_GR");
    if (row.english)
        clickOn(w.widget(C::Command10));
    if (row.designed)
        designBay(w, row.english);
    if (row.system != C::Command1)
        clickOn(w.widget(row.system));

    // What Tab should reach: every shown, uncovered widget that takes the focus by Tab.
    std::set<QWidget*> expected;
    for (QWidget* widget : w.window.formPage()->findChildren<QWidget*>())
        if (widget->isVisible() && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus) &&
            !coveredByTwin(w, widget))
            expected.insert(widget);
    ASSERT_TRUE(expected.count(w.window.standards()->siteWindButton()));

    QWidget* start = w.window.standards()->siteWindButton();
    start->setFocus(Qt::TabFocusReason);
    std::vector<QWidget*> visited;
    QStringList faults;
    for (int i = 0; i < 200; ++i) {
        QWidget* now = QApplication::focusWidget();
        if (!visited.empty() && now == start)
            break;
        visited.push_back(now);
        if (!now->isVisible() || coveredByTwin(w, now))
            faults << QStringLiteral("hidden %1").arg(now->objectName());
        QTest::keyClick(now, Qt::Key_Tab);
    }
    EXPECT_EQ(QApplication::focusWidget(), start) << "the cycle should close";
    const std::set<QWidget*> once(visited.begin(), visited.end());
    EXPECT_EQ(once.size(), visited.size()) << "a control was reached twice";
    for (QWidget* widget : expected)
        if (!once.count(widget))
            faults << QStringLiteral("never reached %1").arg(widget->objectName());
    EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(States, TabCycle,
                         ::testing::Values(TabState{"greek_start", false, false, C::Command1},
                                           TabState{"english_start", true, false, C::Command1},
                                           TabState{"greek_designed", false, true, C::Command1},
                                           TabState{"english_designed", true, true, C::Command1},
                                           TabState{"english_two_spans", true, true, C::Option13},
                                           TabState{"greek_fixed_ends", false, true, C::Option14}),
                         [](const ::testing::TestParamInfo<TabState>& p) {
                             return std::string(p.param.name);
                         });

}  // namespace
}  // namespace cw::gui::test
