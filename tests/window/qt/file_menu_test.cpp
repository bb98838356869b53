// The File menu's bay files in the window: the items and their shortcuts, the title that
// names the file and marks unsaved changes, and the question before changes would be lost.
// The dialogs are replaced by a double that answers as told.

#include "window_fixture.h"

#include "document/bay_file_commands.h"
#include "model/state_dump.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QWindow>

namespace cw::gui::test {
namespace {

using C = ControlId;

struct Fixture {
    explicit Fixture(std::string_view locale = "el_GR")
        : questions(std::make_shared<ScriptedQuestions>()),
          w(std::make_unique<Window>(locale, QString(), questions)) {
        EXPECT_TRUE(dir.isValid());
    }
    QString file(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    void type(C id, const char* text) {
        auto* edit = w->as<QLineEdit>(id);
        clickOn(edit);
        edit->selectAll();
        QTest::keyClicks(edit, QString::fromUtf8(text));
    }

    QTemporaryDir dir;
    std::shared_ptr<ScriptedQuestions> questions;
    std::unique_ptr<Window> w;
};

TEST(FileMenu, HoldsTheBayItemsAboveTheExportAndQuitWithTheirShortcuts) {
    Fixture f;
    MainWindow& mw = f.w->window;
    QList<QAction*> items = mw.fileMenu()->actions();
    items.removeIf([](QAction* a) { return a->isSeparator(); });
    ASSERT_EQ(items.size(), 11);
    EXPECT_EQ(items[0], mw.newAction());
    EXPECT_EQ(items[1], mw.openAction());
    EXPECT_EQ(items[2], mw.recentMenu()->menuAction());
    EXPECT_EQ(items[3], mw.saveAction());
    EXPECT_EQ(items[4], mw.saveAsAction());
    EXPECT_EQ(items[5], mw.projectAction());
    EXPECT_EQ(items[6], mw.catalogues()->action());
    EXPECT_EQ(items[7], mw.exportAction());
    EXPECT_EQ(items[8], mw.reportMenu()->reportAction());
    EXPECT_EQ(items[9], mw.reportMenu()->pictureAction());
    EXPECT_EQ(items[10], mw.quitAction());
    EXPECT_EQ(mw.newAction()->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    EXPECT_EQ(mw.openAction()->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    EXPECT_EQ(mw.saveAction()->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    EXPECT_EQ(mw.saveAsAction()->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    EXPECT_EQ(mw.openAction()->text(), QStringLiteral("Άν&οιγμα φατνώματος…"));
    clickOn(f.w->widget(C::Command10));
    EXPECT_EQ(mw.openAction()->text(), QStringLiteral("&Open bay…"));
    EXPECT_EQ(mw.saveAction()->text(), QStringLiteral("&Save bay"));
    EXPECT_EQ(mw.saveAsAction()->text(), QStringLiteral("Save bay &as…"));
}

struct Shortcut {
    const char* name;
    Qt::KeyboardModifiers modifiers;
    Qt::Key key;
    bool saving;
};

class ShortcutKey : public ::testing::TestWithParam<Shortcut> {};

TEST_P(ShortcutKey, FromATextBoxAsksForTheBayFile) {
    const Shortcut& s = GetParam();
    Fixture f;
    clickOn(f.w->widget(C::Text4));
    f.questions->files = {QString()};  // cancelled
    QTest::keyClick(QApplication::focusWidget(), s.key, s.modifiers);
    ASSERT_EQ(f.questions->savingAsked.size(), 1U);
    EXPECT_EQ(f.questions->savingAsked[0], s.saving);
    EXPECT_EQ(f.questions->filters.value(0), QStringLiteral("Αρχείο φατνώματος (*.cwbay)"));
    EXPECT_TRUE(f.w->window.isVisible());
    EXPECT_FALSE(f.w->form.state().document.path) << "a cancelled dialog names no file";
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ShortcutKey,
    ::testing::Values(Shortcut{"CtrlO", Qt::ControlModifier, Qt::Key_O, false},
                      Shortcut{"CtrlS", Qt::ControlModifier, Qt::Key_S, true},
                      Shortcut{"CtrlShiftS", Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_S,
                               true}),
    [](const ::testing::TestParamInfo<Shortcut>& row) { return std::string(row.param.name); });

TEST(Title, NamesTheFileAndMarksUnsavedChanges) {
    Fixture f("en_US");
    MainWindow& mw = f.w->window;
    ASSERT_TRUE(mw.windowHandle());
    const QString program = fromUtf8(kWindowTitle);
    EXPECT_FALSE(mw.isWindowModified());
    EXPECT_EQ(mw.windowHandle()->title(), program);
    f.type(C::Text4, "120");
    EXPECT_TRUE(mw.isWindowModified()) << "typing alone is a change";
    EXPECT_EQ(mw.windowHandle()->title(), program + QStringLiteral("*"));
    f.questions->files = {f.file("façade 3.cwbay")};
    mw.saveAction()->trigger();  // no file yet: Save asks as Save as does
    EXPECT_FALSE(mw.isWindowModified());
    EXPECT_EQ(mw.windowHandle()->title(), QStringLiteral("façade 3.cwbay – ") + program);
    EXPECT_TRUE(QFile::exists(f.file("façade 3.cwbay")));
    clickOn(f.w->widget(C::Option11));
    EXPECT_TRUE(mw.isWindowModified());
    EXPECT_EQ(mw.windowHandle()->title(), QStringLiteral("façade 3.cwbay* – ") + program);
    mw.saveAction()->trigger();  // to the same file, no question
    EXPECT_FALSE(mw.isWindowModified());
    EXPECT_EQ(f.questions->savingAsked.size(), 1U);
}

TEST(Title, ShowsANameHoldingTheMarkPlaceholderAsItIs) {
    Fixture f;
    f.questions->files = {f.file("v[*]2.cwbay")};
    ASSERT_TRUE(f.w->window.saveBayFileAs());
    clickOn(f.w->widget(C::Option10));
    ASSERT_TRUE(f.w->window.windowHandle());
    EXPECT_TRUE(f.w->window.windowHandle()->title().startsWith(QStringLiteral("v[*]2.cwbay* – ")))
        << f.w->window.windowHandle()->title().toStdString();
}

// --- The question before changes are lost -----------------------------------------------

enum class Closing { CloseBox, Exit, CtrlQ };

struct CloseCase {
    const char* name;
    Closing how;
    UnsavedChanges answer;
    bool hasFile;
};

class UnsavedOnClose : public ::testing::TestWithParam<CloseCase> {};

TEST_P(UnsavedOnClose, AsksSaveDiscardOrCancel) {
    const CloseCase& c = GetParam();
    Fixture f;
    MainWindow& mw = f.w->window;
    const QString path = f.file("bay.cwbay");
    clickOn(f.w->widget(C::Option10));
    if (c.hasFile) {
        f.questions->files = {path};
        ASSERT_TRUE(mw.saveBayFileAs());
    }
    f.type(C::Text4, "120");
    const QByteArray before = [&] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();

    f.questions->unsaved = {c.answer};
    if (c.answer == UnsavedChanges::Save && !c.hasFile)
        f.questions->files.push_back(path);
    switch (c.how) {
    case Closing::CloseBox: mw.close(); break;
    case Closing::Exit: clickOn(f.w->widget(C::Command8)); break;
    case Closing::CtrlQ:
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Q, Qt::ControlModifier);
        break;
    }
    ASSERT_EQ(f.questions->questions.size(), 1);
    EXPECT_EQ(f.questions->buttons,
              (QStringList{QStringLiteral("&Αποθήκευση"), QStringLiteral("&Χωρίς αποθήκευση"),
                           QStringLiteral("Άκυρο")}));
    if (c.hasFile) {
        EXPECT_TRUE(f.questions->questions[0].contains(QStringLiteral("«bay.cwbay»")));
    }

    QFile file(path);
    const QByteArray after = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (c.answer == UnsavedChanges::Cancel) {
        EXPECT_TRUE(mw.isVisible());
        EXPECT_FALSE(f.w->form.closed()) << "the window still takes events";
        EXPECT_TRUE(mw.isWindowModified());
        EXPECT_EQ(after, before);
        clickOn(f.w->widget(C::Option11));
        EXPECT_TRUE(f.w->form.selected(C::Option11));
        f.questions->unsaved = {UnsavedChanges::Discard};  // let the fixture go
        return;
    }
    EXPECT_FALSE(mw.isVisible());
    if (c.answer == UnsavedChanges::Discard) {
        EXPECT_EQ(after, before);
    } else {
        EXPECT_TRUE(after.contains("\"gridWidthA1_cm\": \"120\"")) << after.toStdString();
        EXPECT_FALSE(documentModified(f.w->form.state()));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ways, UnsavedOnClose,
    ::testing::Values(
        CloseCase{"close_box_save_new", Closing::CloseBox, UnsavedChanges::Save, false},
        CloseCase{"close_box_save_to_its_file", Closing::CloseBox, UnsavedChanges::Save, true},
        CloseCase{"close_box_discard", Closing::CloseBox, UnsavedChanges::Discard, true},
        CloseCase{"close_box_cancel", Closing::CloseBox, UnsavedChanges::Cancel, true},
        CloseCase{"exit_save", Closing::Exit, UnsavedChanges::Save, true},
        CloseCase{"exit_discard", Closing::Exit, UnsavedChanges::Discard, false},
        CloseCase{"exit_cancel", Closing::Exit, UnsavedChanges::Cancel, false},
        CloseCase{"quit_save", Closing::CtrlQ, UnsavedChanges::Save, false},
        CloseCase{"quit_discard", Closing::CtrlQ, UnsavedChanges::Discard, true},
        CloseCase{"quit_cancel", Closing::CtrlQ, UnsavedChanges::Cancel, true}),
    [](const ::testing::TestParamInfo<CloseCase>& row) { return std::string(row.param.name); });

TEST(UnsavedOnClose, NothingUnsavedClosesWithoutAQuestion) {
    Fixture f;
    f.questions->files = {f.file("bay.cwbay")};
    clickOn(f.w->widget(C::Option12));
    ASSERT_TRUE(f.w->window.saveBayFileAs());
    clickOn(f.w->widget(C::Command8));
    EXPECT_FALSE(f.w->window.isVisible());
    EXPECT_TRUE(f.questions->questions.isEmpty());
}

TEST(UnsavedOnClose, ASaveThatFailsKeepsTheWindowOpen) {
    Fixture f;
    QFile plain(f.file("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    clickOn(f.w->widget(C::Option10));
    f.questions->unsaved = {UnsavedChanges::Save};
    f.questions->files = {f.file("plain") + QStringLiteral("/bay.cwbay")};
    f.w->window.close();
    EXPECT_TRUE(f.w->window.isVisible());
    ASSERT_FALSE(f.w->window.shownMessages().empty());
    EXPECT_TRUE(f.w->window.shownMessages().back().text.startsWith(
        QStringLiteral("Το φάτνωμα δεν αποθηκεύτηκε")));
    f.questions->unsaved = {UnsavedChanges::Discard};
}

// --- Opening --------------------------------------------------------------------------------

TEST(OpenBay, ABadFileShowsItsMessageAndChangesNothing) {
    Fixture f("en_US");
    const QString bad = f.file("notes.cwbay");
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\"format\": \"curtainwall-bay\", \"version\": 7}");
    file.close();
    clickOn(f.w->widget(C::Command10));
    clickOn(f.w->widget(C::Option11));
    f.questions->unsaved = {UnsavedChanges::Discard};
    f.questions->files = {bad};
    const std::string before = stateDump(f.w->form.state(), {});
    const QString titleBefore = f.w->window.windowTitle();
    f.w->window.openAction()->trigger();
    EXPECT_EQ(stateDump(f.w->form.state(), {}), before);
    EXPECT_EQ(f.w->window.windowTitle(), titleBefore);
    ASSERT_FALSE(f.w->window.shownMessages().empty());
    EXPECT_EQ(f.w->window.shownMessages().back().text,
              QStringLiteral("The bay file \"%1\" was written by a newer version of the program: "
                             "its field \"version\" is 7, and this version reads up to 2.")
                  .arg(bad));
    f.questions->unsaved = {UnsavedChanges::Discard};
}

TEST(OpenBay, CancellingTheQuestionAsksForNoFile) {
    Fixture f;
    clickOn(f.w->widget(C::Option10));
    f.questions->unsaved = {UnsavedChanges::Cancel};
    f.w->window.openAction()->trigger();
    EXPECT_TRUE(f.questions->savingAsked.empty());
    EXPECT_TRUE(f.w->form.selected(C::Option10));
    f.questions->unsaved = {UnsavedChanges::Discard};
}

TEST(OpenBay, ShowsTheSavedBayAndItsName) {
    Fixture f;
    const QString path = f.file("tower B.cwbay");
    {
        Form maker(NumberFormat::fromLocale("el_GR"));
        maker.click(C::Option11);
        maker.click(C::Option13);
        maker.type(C::Text4, "150");
        ASSERT_TRUE(saveBay(maker.state(), path.toStdString()));
    }
    f.questions->files = {path};
    f.w->window.openAction()->trigger();
    EXPECT_TRUE(f.questions->questions.isEmpty()) << "nothing was unsaved";
    EXPECT_TRUE(f.w->as<QAbstractButton>(C::Option13)->isChecked());
    EXPECT_EQ(f.w->as<QLineEdit>(C::Text4)->text(), QStringLiteral("150"));
    EXPECT_TRUE(f.w->window.windowTitle().startsWith(QStringLiteral("tower B.cwbay[*]")));
    EXPECT_FALSE(f.w->window.isWindowModified());
}

}  // namespace
}  // namespace cw::gui::test
