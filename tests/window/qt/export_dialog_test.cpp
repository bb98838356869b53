// The export's questions: which workbook, whether to write over an existing one, the status
// line after it, and choosing another workbook from the File menu. The dialogs are replaced
// by a double that answers as told and records what it was asked.

#include "window_fixture.h"

#include "export/report_export.h"

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

    std::optional<QString> chooseBayFile(QWidget*, const QString&, const QString&, bool) override {
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

}  // namespace
}  // namespace cw::gui::test
