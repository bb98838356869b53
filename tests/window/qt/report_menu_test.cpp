// File -> Calculation report (PDF)… and Help -> Method in the window. The dialogs and the
// desktop are replaced by a double that answers as told and records what it was asked.

#include "window_fixture.h"

#include "model/window_document.h"
#include "report/bay_diagrams.h"
#include "window/qt/diagrams_panel.h"
#include "window/qt/limit_state_dialog.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QTemporaryDir>

#include <deque>

namespace cw::gui::test {
namespace {

using C = ControlId;

class FakeReportQuestions final : public ReportQuestions {
public:
    std::optional<QString> choosePdf(QWidget*, const QString& title, const QString& filter,
                                     const QString& suggested) override {
        titles << title;
        suggestions << suggested;
        lastFilter = filter;
        if (answers.empty()) {
            ADD_FAILURE() << "asked for a PDF unexpectedly";
            return std::nullopt;
        }
        const QString answer = answers.front();
        answers.pop_front();
        if (answer.isEmpty())
            return std::nullopt;
        return answer;
    }
    bool offerToOpen(QWidget*, const QString&, const QString& text, const QString& openText,
                     const QString& closeText) override {
        offers << text;
        offerButtons << openText << closeText;
        return agreeToOpen;
    }
    void open(const QUrl& url) override { opened << url; }
    void showError(QWidget*, const QString&, const QString& text) override { errors << text; }
    void showMethod(QWidget*, const QString& title, const QString& markdown,
                    const QString& closeText) override {
        methodClose = closeText;
        methodTitle = title;
        methodMarkdown = markdown;
    }

    std::deque<QString> answers;  // an empty answer cancels
    bool agreeToOpen = true;
    QStringList titles, offers, errors, offerButtons, suggestions;
    QString lastFilter, methodTitle, methodMarkdown, methodClose;
    QList<QUrl> opened;
};

bool isPdf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-";
}

class ReportMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        menu = window.reportMenu();
        ASSERT_NE(menu, nullptr);
    }
    void runVeltraBay() {
        clickOn(window.control(C::Option10));
        clickOn(window.control(C::Option9));
        for (auto [id, text] : {std::pair{C::Text4, "120"},
                                {C::Text7, "90"},
                                {C::Text2, "300"},
                                {C::Text10, "100"},
                                {C::Text12, "200"}})
            typeInto(window.control(id), QString::fromLatin1(text));
        clickOn(window.control(C::Option2));
        clickOn(window.control(C::Command15));
        clickOn(window.control(C::Command1));
        ASSERT_EQ(form.text(C::Text6), "KA-02");
    }
    QString pdf(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
    std::shared_ptr<FakeReportQuestions> questions = std::make_shared<FakeReportQuestions>();
    Form form{NumberFormat::fromLocale("el_GR")};
    MainWindow window{form, WindowOptions{QString(), true, nullptr, questions}};
    ModalWatchdog watchdog;
    ReportMenu* menu = nullptr;
};

TEST_F(ReportMenuTest, TheItemSitsInTheFileMenuWithCtrlPAndWaitsForACompletedRun) {
    QAction* action = menu->reportAction();
    EXPECT_TRUE(window.fileMenu()->actions().contains(action));
    EXPECT_EQ(action->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    EXPECT_FALSE(action->isEnabled());
    EXPECT_EQ(action->text(), QStringLiteral("&Τεύχος υπολογισμών (PDF)…"));
    runVeltraBay();
    EXPECT_TRUE(action->isEnabled());
    clickOn(window.control(C::Command10));  // English
    EXPECT_EQ(action->text(), QStringLiteral("Calculation &report (PDF)…"));
    EXPECT_EQ(menu->methodAction()->text(), QStringLiteral("&Method"));
}

TEST_F(ReportMenuTest, WritesThePdfAndOpensItWhenTheUserAgrees) {
    runVeltraBay();
    const QString path = pdf("bay A.pdf");
    questions->answers.push_back(path);
    QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
    ASSERT_EQ(questions->titles.size(), 1) << "Ctrl+P did not reach the report";
    EXPECT_EQ(questions->lastFilter, QStringLiteral("PDF (*.pdf)"));
    EXPECT_TRUE(isPdf(path));
    ASSERT_EQ(questions->offers.size(), 1);
    EXPECT_TRUE(questions->offers.first().contains(path));
    ASSERT_EQ(questions->opened.size(), 1);
    EXPECT_EQ(questions->opened.first(), QUrl::fromLocalFile(path));
    EXPECT_TRUE(questions->errors.isEmpty());
}

TEST_F(ReportMenuTest, CancellingWritesNothingAndDecliningOpensNothing) {
    runVeltraBay();
    questions->answers.push_back(QString());
    menu->reportAction()->trigger();
    EXPECT_TRUE(questions->offers.isEmpty());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());

    questions->answers.push_back(pdf("kept.pdf"));
    questions->agreeToOpen = false;
    menu->reportAction()->trigger();
    EXPECT_TRUE(isPdf(pdf("kept.pdf")));
    EXPECT_EQ(questions->offers.size(), 1);
    EXPECT_TRUE(questions->opened.isEmpty());
}

TEST_F(ReportMenuTest, AFolderThatCannotBeWrittenIsSaidAndNothingIsOffered) {
    runVeltraBay();
    questions->answers.push_back(pdf("missing/folder/x.pdf"));
    menu->reportAction()->trigger();
    ASSERT_EQ(questions->errors.size(), 1);
    EXPECT_TRUE(questions->errors.first().contains(QStringLiteral("missing/folder/x.pdf")));
    EXPECT_TRUE(questions->offers.isEmpty());
}

TEST_F(ReportMenuTest, HelpMethodShowsTheMethodStatement) {
    menu->methodAction()->trigger();
    EXPECT_EQ(questions->methodTitle, QStringLiteral("Μέθοδος"));
    for (const char* part : {"# Method statement", "7 000 kN/cm²", "9,5 kN/cm²", "150 mm",
                             "three-moment equation", "EN 13830", "EN 1991-1-4"})
        EXPECT_TRUE(questions->methodMarkdown.contains(QString::fromUtf8(part))) << part;
}

// File -> Export picture draws the combination the Diagrams panel shows, not the governing one.
TEST_F(ReportMenuTest, ThePictureIsTheCombinationThePanelShows) {
    window.limitStateControls()->limitStates()->trigger();
    runVeltraBay();
    DiagramsPanel* panel = window.diagramsPanel();
    panel->show();
    QComboBox* list = panel->combinations();
    ASSERT_GE(list->count(), 2);
    const report::BayDiagrams d =
        report::bayDiagrams(documentOf(form.state()), form.numberFormat());
    ASSERT_EQ(std::size_t(list->count()), d.cases.size());
    const int other = d.governing == 0 ? 1 : 0;
    list->setCurrentIndex(other);
    const QString path = dir.filePath(QStringLiteral("shown.svg"));
    questions->answers.push_back(path);
    menu->writePicture();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::string svg = file.readAll().toStdString();
    const auto moment = [&](std::size_t set) {
        const report::DiagramCurve& m = d.cases[set].diagrams.curves.front();
        const double v = std::abs(m.largest->value) >= std::abs(m.smallest->value)
                             ? m.largest->value
                             : m.smallest->value;
        return "M = " + fixedText(v, form.numberFormat());
    };
    ASSERT_NE(moment(std::size_t(other)), moment(d.governing));
    EXPECT_NE(svg.find(moment(std::size_t(other))), std::string::npos);
    EXPECT_EQ(svg.find(moment(d.governing)), std::string::npos);
}

}  // namespace
}  // namespace cw::gui::test
