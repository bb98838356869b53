// The export's questions: which workbook, whether to write over an existing one, the status
// line after it, and choosing another workbook from the File menu. The dialogs are replaced
// by a double that answers as told and records what it was asked.

#include "window_fixture.h"

#include "input/report_export.h"
#include "text/messages.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStatusBar>
#include <QTemporaryDir>

#include <deque>

namespace cw::gui::test {
namespace {

using C = ControlId;

class FakeQuestions final : public FileQuestions {
public:
    std::optional<QString> chooseWorkbook(QWidget*, const QString& title,
                                          const QString& explanation,
                                          const QString& filter) override {
        ++chooseCount;
        lastTitle = title;
        lastExplanation = explanation;
        lastFilter = filter;
        if (answers.empty()) {
            ADD_FAILURE() << "asked for a workbook unexpectedly";
            return std::nullopt;
        }
        const QString answer = answers.front();
        answers.pop_front();
        if (answer.isEmpty())
            return std::nullopt;  // cancelled
        return answer;
    }
    bool confirmOverwrite(QWidget*, const QString&, const QString& text, const QString& overwrite,
                          const QString&) override {
        confirmTexts << text;
        lastOverwriteButton = overwrite;
        return agree;
    }
    bool confirmOutOfDateExport(QWidget*, const QString& title, const QString& text,
                                const QString& exportLastRun, const QString& cancel) override {
        outOfDateQuestions << QStringList{title, text, exportLastRun, cancel};
        return exportOutOfDate;
    }

    std::optional<QString> chooseBayFile(QWidget*, const QString&, const QString&, bool,
                                         const QString&) override {
        ADD_FAILURE() << "asked for a bay file unexpectedly";
        return std::nullopt;
    }
    UnsavedChanges askAboutUnsavedChanges(QWidget*, const QString&, const QString&, const QString&,
                                          const QString&, const QString&) override {
        ADD_FAILURE() << "asked about unsaved changes unexpectedly";
        return UnsavedChanges::Cancel;
    }

    std::deque<QString> answers;  // an empty answer cancels
    bool agree = true;
    bool exportOutOfDate = true;
    QList<QStringList> outOfDateQuestions;  // title, text, and the two buttons
    int chooseCount = 0;
    QString lastTitle, lastExplanation, lastFilter, lastOverwriteButton;
    QStringList confirmTexts;
};

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ExportDialog : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        existing = dir.filePath(QStringLiteral("report form.xlsx"));
        other = dir.filePath(QStringLiteral("other.xlsx"));
        // Two workbooks made by an export before any run: every value cell empty.
        for (const QString& path : {existing, other}) {
            Form maker;
            exportReport(maker.state(), QFile::encodeName(path).toStdString());
            ASSERT_TRUE(maker.pendingMessages().empty());
            ASSERT_TRUE(QFileInfo(path).isFile());
        }
        w = std::make_unique<Window>("el_GR", QString(), questions);
        clickOn(w->widget(C::Option10));
        clickOn(w->widget(C::Option9));
        for (auto [id, text] : {std::pair{C::Text4, "120"},
                                {C::Text7, "90"},
                                {C::Text2, "250"},
                                {C::Text10, "100"},
                                {C::Text12, "150"}})
            typeInto(w->widget(id), QString::fromLatin1(text));
        clickOn(w->widget(C::Option1));
        clickOn(w->widget(C::Command1));
        ASSERT_EQ(w->form.text(C::Text6), "KA-01");
    }

    QString status() const { return w->window.statusBar()->currentMessage(); }

    QTemporaryDir dir;
    QString existing;
    QString other;
    std::shared_ptr<FakeQuestions> questions = std::make_shared<FakeQuestions>();
    std::unique_ptr<Window> w;
};

TEST_F(ExportDialog, AsksWithATitleAndALineSayingWhatItDoes) {
    questions->answers.push_back(QString());
    clickOn(w->widget(C::Command10));
    clickOn(w->widget(C::Command7));
    EXPECT_EQ(questions->chooseCount, 1);
    EXPECT_EQ(questions->lastTitle, QStringLiteral("Export to spreadsheet"));
    EXPECT_EQ(questions->lastExplanation,
              QStringLiteral("Choose the report workbook (.xlsx) to fill, or type a new name to "
                             "create one"));
    EXPECT_EQ(questions->lastFilter, QStringLiteral("Excel workbook (*.xlsx)"));
    EXPECT_TRUE(status().isEmpty()) << "a cancelled export reports nothing";
    EXPECT_TRUE(w->form.reportWorkbook().empty());
}

TEST_F(ExportDialog, AnExistingWorkbookIsOverwrittenOnlyAfterOneConfirmationNamingTheCells) {
    questions->answers.push_back(existing);
    const QByteArray before = contents(existing);
    clickOn(w->widget(C::Command7));
    ASSERT_EQ(questions->confirmTexts.size(), 1);
    const QString& text = questions->confirmTexts.first();
    EXPECT_TRUE(text.contains(QStringLiteral(
        "B3, B8–B11, B13, B15, B18–B20, B22, B26–B28, B30, B31, B34, B35, B37, B38, B41–B44")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("report form.xlsx"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("στήλης B"))) << "Greek captions, Greek question";
    EXPECT_EQ(questions->lastOverwriteButton, QStringLiteral("Αντικατάσταση"));
    EXPECT_NE(contents(existing), before) << "the export did not write";
    EXPECT_TRUE(status().contains(QStringLiteral("report form.xlsx"))) << status().toStdString();

    // The button keeps the workbook: no dialog, no second question, a fresh status line.
    w->window.statusBar()->clearMessage();
    clickOn(w->widget(C::Command7));
    EXPECT_EQ(questions->chooseCount, 1);
    EXPECT_EQ(questions->confirmTexts.size(), 1);
    EXPECT_TRUE(status().contains(QStringLiteral("report form.xlsx")));
}

TEST_F(ExportDialog, DecliningLeavesTheWorkbookUntouched) {
    questions->answers.push_back(existing);
    questions->agree = false;
    const QByteArray before = contents(existing);
    clickOn(w->widget(C::Command7));
    EXPECT_EQ(questions->confirmTexts.size(), 1);
    EXPECT_EQ(contents(existing), before);
    EXPECT_TRUE(status().isEmpty());
    EXPECT_TRUE(w->form.reportWorkbook().empty());
    EXPECT_TRUE(w->form.pendingMessages().empty());
}

TEST_F(ExportDialog, ANewWorkbookIsMadeWithoutAQuestion) {
    const QString fresh = dir.filePath(QStringLiteral("new.xlsx"));
    questions->answers.push_back(fresh);
    clickOn(w->widget(C::Command10));
    clickOn(w->widget(C::Command7));
    EXPECT_TRUE(questions->confirmTexts.isEmpty());
    EXPECT_TRUE(QFileInfo(fresh).isFile());
    EXPECT_EQ(status(), QStringLiteral("Report written to column B of \"%1\"")
                            .arg(QDir::toNativeSeparators(QFileInfo(fresh).absoluteFilePath())));
}

TEST_F(ExportDialog, TheFileMenuAlwaysAsksAndTheButtonThenKeepsTheNewChoice) {
    questions->answers.push_back(existing);
    w->window.exportAction()->trigger();
    EXPECT_EQ(questions->chooseCount, 1);
    EXPECT_TRUE(status().contains(QStringLiteral("report form.xlsx")));

    // Another workbook from the menu, though one is already chosen.
    questions->answers.push_back(other);
    const QByteArray firstAfter = contents(existing);
    const QByteArray otherBefore = contents(other);
    w->window.exportAction()->trigger();
    EXPECT_EQ(questions->chooseCount, 2);
    EXPECT_EQ(questions->confirmTexts.size(), 2) << "a second existing workbook, a second question";
    EXPECT_NE(contents(other), otherBefore);
    EXPECT_TRUE(status().contains(QStringLiteral("other.xlsx"))) << status().toStdString();

    // The button now writes the workbook chosen last, without asking.
    clickOn(w->widget(C::Command7));
    EXPECT_EQ(questions->chooseCount, 2);
    EXPECT_EQ(contents(existing), firstAfter) << "the first workbook was written again";
    EXPECT_EQ(w->form.reportWorkbook(), QFile::encodeName(other).toStdString());

    // The same workbook again from the menu: asked which, but not asked again to overwrite.
    questions->answers.push_back(other);
    w->window.exportAction()->trigger();
    EXPECT_EQ(questions->chooseCount, 3);
    EXPECT_EQ(questions->confirmTexts.size(), 2);
}

TEST_F(ExportDialog, ACancelledMenuExportKeepsTheWorkbookChosenBefore) {
    questions->answers.push_back(existing);
    clickOn(w->widget(C::Command7));
    questions->answers.push_back(QString());
    w->window.statusBar()->clearMessage();
    w->window.exportAction()->trigger();
    EXPECT_TRUE(status().isEmpty());
    EXPECT_EQ(w->form.reportWorkbook(), QFile::encodeName(existing).toStdString());
}

TEST_F(ExportDialog, AFailedExportShowsItsMessageAndNoStatusLine) {
    const QString folder = dir.filePath(QStringLiteral("a folder.xlsx"));
    ASSERT_TRUE(QDir().mkpath(folder));
    questions->answers.push_back(folder);
    clickOn(w->widget(C::Command7));
    EXPECT_EQ(w->window.shownMessages().size(), 1u);
    EXPECT_TRUE(status().isEmpty());
}

// Results that are no longer those of the inputs are exported only once the user agrees; the
// question comes before the workbook's dialog, so that Cancel asks nothing more.
struct OutOfDateCase {
    const char* name;
    bool changeAnInput;  // L1 typed anew after the run
    bool english;
    bool fromMenu;  // File -> Export rather than the button
    bool agree;     // the answer to the question, if asked
    bool asked;
    bool written;
};

class OutOfDateExport : public ExportDialog, public ::testing::WithParamInterface<OutOfDateCase> {};

TEST_P(OutOfDateExport, AsksOnlyWhenTheResultsAreOutOfDate) {
    const OutOfDateCase& c = GetParam();
    const QString fresh = dir.filePath(QStringLiteral("new.xlsx"));
    if (c.english)
        clickOn(w->widget(C::Command10));
    if (c.changeAnInput)
        typeInto(w->widget(C::Text2), QStringLiteral("300"));
    ASSERT_EQ(resultsCurrent(w->form.state()), !c.changeAnInput);
    questions->exportOutOfDate = c.agree;
    if (!c.asked || c.agree)
        questions->answers.push_back(fresh);
    if (c.fromMenu)
        w->window.exportAction()->trigger();
    else
        clickOn(w->widget(C::Command7));

    ASSERT_EQ(questions->outOfDateQuestions.size(), c.asked ? 1 : 0);
    if (c.asked) {
        const QStringList& q = questions->outOfDateQuestions.first();
        const auto words = [&](Message m) {
            return QString::fromStdString(say(m, c.english ? Language::English : Language::Greek));
        };
        EXPECT_EQ(q[1], words(Message::ResultsOutOfDate));
        EXPECT_EQ(q[2], words(Message::ExportLastRunResults));
        EXPECT_EQ(q[3], words(Message::Cancel));
        EXPECT_EQ(q[2], c.english ? QStringLiteral("Export the last run's results")
                                  : QStringLiteral("Εξαγωγή των αποτελεσμάτων του τελευταίου "
                                                   "υπολογισμού"));
    }
    EXPECT_EQ(questions->chooseCount, c.written ? 1 : 0) << "the workbook's dialog";
    EXPECT_EQ(QFileInfo(fresh).isFile(), c.written);
    // The question changes nothing in the window: the old results stay on show.
    EXPECT_EQ(w->form.text(C::Text6), "KA-01");
    EXPECT_EQ(resultsCurrent(w->form.state()), !c.changeAnInput);
}

INSTANTIATE_TEST_SUITE_P(
    Export, OutOfDateExport,
    ::testing::Values(
        OutOfDateCase{"current_button_not_asked", false, false, false, false, false, true},
        OutOfDateCase{"current_menu_not_asked", false, false, true, false, false, true},
        OutOfDateCase{"language_switch_keeps_them_current", false, true, false, false, false, true},
        OutOfDateCase{"changed_button_export", true, false, false, true, true, true},
        OutOfDateCase{"changed_button_cancel", true, false, false, false, true, false},
        OutOfDateCase{"changed_menu_export_english", true, true, true, true, true, true},
        OutOfDateCase{"changed_menu_cancel", true, false, true, false, true, false}),
    [](const ::testing::TestParamInfo<OutOfDateCase>& row) { return row.param.name; });

}  // namespace
}  // namespace cw::gui::test
