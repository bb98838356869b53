// File → Project… in the window: OK stores what the dialog holds (the bay is then unsaved,
// the title names the project and Undo takes it back in one step), Cancel keeps the project;
// a saved bay opens with its project and New bay clears it. Also the question on opening a
// bay whose catalogue file is gone.

#include "window_fixture.h"

#include "document/bay_file_commands.h"
#include "document/catalogue_commands.h"
#include "model/language_captions.h"
#include "model/window_document.h"
#include "window/qt/project_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <functional>

namespace cw::gui::test {
namespace {

using C = ControlId;

const ProjectData kTower{"Tower B", "Pier 4", "Harbour Ltd", "J. Smith", "K. Jones",
                         {{"A", "2024-03-01", "First issue"}, {"B", "2024-04-15", "Wind, again"}}};

// Runs `fill` on the project dialog once it shows, then presses OK or Cancel.
void answerProjectDialog(std::function<void(ProjectDialog&)> fill, bool ok, QString* title) {
    QTimer::singleShot(50, [fill = std::move(fill), ok, title] {
        auto* dialog = dynamic_cast<ProjectDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            ADD_FAILURE() << "no project dialog";
            return;
        }
        *title = dialog->windowTitle();
        fill(*dialog);
        auto* buttons = dialog->findChild<QDialogButtonBox*>();
        clickOn(buttons->button(ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel));
    });
}

void typeLine(ProjectDialog& d, const char* name, const QString& text) {
    auto* edit = d.findChild<QLineEdit*>(QString::fromLatin1(name));
    ASSERT_NE(edit, nullptr) << name;
    edit->setFocus();
    edit->selectAll();
    // As typed over the selection; QTest types only ASCII keys, and these texts are Greek.
    edit->insert(text);
}

void setCell(ProjectDialog& d, int row, int column, const QString& text) {
    QTableWidgetItem* item = d.revisionTable()->item(row, column);
    ASSERT_NE(item, nullptr);
    item->setText(text);
}

// Every line and revision of `p` typed into an empty dialog.
void fillWith(ProjectDialog& d, const ProjectData& p) {
    for (const auto& [name, text] :
         {std::pair{"projectName", p.name}, {"projectSite", p.site}, {"projectClient", p.client},
          {"projectEngineer", p.engineer}, {"projectChecker", p.checker}})
        if (!text.empty())
            typeLine(d, name, QString::fromStdString(text));
    for (const ProjectRevision& r : p.revisions) {
        clickOn(d.addRevisionButton());
        const int row = d.revisionTable()->rowCount() - 1;
        setCell(d, row, 0, QString::fromStdString(r.revision));
        setCell(d, row, 1, QString::fromStdString(r.date));
        setCell(d, row, 2, QString::fromStdString(r.description));
    }
}

struct Edit {
    const char* name;
    bool english;
    ProjectData before;
    std::function<void(ProjectDialog&)> fill;
    bool ok;
    ProjectData after;
    const char* dialogTitle;
};

const Edit kEdits[] = {
    {"ok_stores_typed_lines_and_an_added_revision", false, {},
     [](ProjectDialog& d) {
         typeLine(d, "projectName", QStringLiteral("Κτίριο «Αθηνά»"));
         typeLine(d, "projectChecker", QStringLiteral("Ε. Ζαχαρίου"));
         clickOn(d.addRevisionButton());
         setCell(d, 0, 0, QStringLiteral("Α"));
         setCell(d, 0, 2, QStringLiteral("Πρώτη έκδοση, \"για έγκριση\""));
     },
     true,
     {"Κτίριο «Αθηνά»", "", "", "", "Ε. Ζαχαρίου", {{"Α", "", "Πρώτη έκδοση, \"για έγκριση\""}}},
     "Στοιχεία έργου"},
    {"cancel_keeps_the_project", false, kTower,
     [](ProjectDialog& d) {
         typeLine(d, "projectName", QStringLiteral("Other"));
         clickOn(d.addRevisionButton());
     },
     false, kTower, "Στοιχεία έργου"},
    {"ok_after_removing_a_revision_and_adding_a_blank_one", true, kTower,
     [](ProjectDialog& d) {
         d.revisionTable()->setCurrentCell(0, 1);
         clickOn(d.removeRevisionButton());
         clickOn(d.addRevisionButton());  // left blank: not a revision
     },
     true,
     {"Tower B", "Pier 4", "Harbour Ltd", "J. Smith", "K. Jones", {{"B", "2024-04-15", "Wind, again"}}},
     "Project details"},
    {"ok_while_a_revision_is_still_being_typed", false, {},
     [](ProjectDialog& d) {
         clickOn(d.addRevisionButton());
         QWidget* editor = QApplication::focusWidget();
         ASSERT_NE(editor, nullptr);
         ASSERT_TRUE(d.revisionTable()->isAncestorOf(editor)) << "Add opens the new row's cell";
         QTest::keyClicks(editor, QStringLiteral("C2"));
     },
     true, {"", "", "", "", "", {{"C2", "", ""}}}, "Στοιχεία έργου"},
    {"ok_emptying_every_line", true, {"Only a name", "", "", "", "", {}},
     [](ProjectDialog& d) { typeLine(d, "projectName", QString()); }, true, {}, "Project details"},
};

class ProjectEdit : public ::testing::TestWithParam<Edit> {};

TEST_P(ProjectEdit, OkStoresCancelKeeps) {
    const Edit& e = GetParam();
    Window w;
    if (e.english)
        clickOn(w.widget(C::Command10));
    // A project given through the dialog and saved: nothing unsaved yet.
    QString dialogTitle;
    answerProjectDialog([&](ProjectDialog& d) { fillWith(d, e.before); }, true, &dialogTitle);
    w.window.editProject();
    ASSERT_EQ(w.form.state().project, e.before);
    w.form.state().document.saved = documentOf(w.form.state());
    const QString titleBefore = w.window.windowTitle();
    answerProjectDialog(e.fill, e.ok, &dialogTitle);
    w.window.editProject();
    EXPECT_EQ(dialogTitle, QString::fromUtf8(e.dialogTitle));
    EXPECT_EQ(w.form.state().project, e.after);
    const bool changed = !(e.after == e.before);
    EXPECT_EQ(documentModified(w.form.state()), changed);
    EXPECT_EQ(w.window.isWindowModified(), changed);
    EXPECT_EQ(documentOf(w.form.state()).project, e.after) << "what a save writes";
    if (!e.after.name.empty()) {
        EXPECT_TRUE(w.window.windowTitle().startsWith(QString::fromStdString(e.after.name) +
                                                      QStringLiteral(" – ")))
            << w.window.windowTitle().toStdString();
    } else if (e.before.name.empty()) {
        EXPECT_EQ(w.window.windowTitle(), titleBefore);
    }
    // One undo step takes the change back, and redo gives it again.
    if (changed) {
        w.window.undoStep();
        EXPECT_EQ(w.form.state().project, e.before);
        w.window.redoStep();
        EXPECT_EQ(w.form.state().project, e.after);
    }
}

INSTANTIATE_TEST_SUITE_P(Dialog, ProjectEdit, ::testing::ValuesIn(kEdits),
                         [](const auto& row) { return std::string(row.param.name); });

// Saved with the bay, opened with it, cleared by New bay; the title names it only meanwhile.
TEST(ProjectOfBay, SavedOpenedAndClearedByNewBay) {
    QTemporaryDir dir;
    auto questions = std::make_shared<ScriptedQuestions>();
    Window w("el_GR", QString(), questions);
    const QString path = dir.filePath(QStringLiteral("tower.cwbay"));
    QString ignored;
    answerProjectDialog(
        [](ProjectDialog& d) { typeLine(d, "projectName", QString::fromStdString(kTower.name)); },
        true, &ignored);
    w.window.editProject();
    questions->files = {path};
    ASSERT_TRUE(w.window.saveBayFileAs());
    EXPECT_FALSE(w.window.isWindowModified());
    EXPECT_EQ(w.window.windowTitle(), QStringLiteral("tower.cwbay[*] – Tower B – ") +
                                          fromUtf8(cw::windowTitle(Language::Greek)));

    w.window.newBayFile();
    EXPECT_TRUE(w.form.state().project.empty());
    EXPECT_FALSE(w.window.windowTitle().contains(QStringLiteral("Tower B")));

    questions->files = {path};
    w.window.openBayFile();
    EXPECT_EQ(w.form.state().project.name, "Tower B");
    EXPECT_FALSE(w.window.isWindowModified());
}

// Opening a bay whose catalogue is gone asks, in the language showing, whether to choose its
// file; the file chosen is designed with.
TEST(CatalogueOfBayInTheWindow, AskedAndTheChosenFileDesignsTheBay) {
    namespace fs = std::filesystem;
    QTemporaryDir dir;
    const std::string house = dir.filePath(QStringLiteral("house.csv")).toStdString();
    const std::string moved = dir.filePath(QStringLiteral("moved.csv")).toStdString();
    const std::string rows =
        "use,code,role,Ix_cm4,e_mm\nvertical,H-1,mullion,0.5,50\nvertical,H-2,mullion,5000,60\n";
    std::ofstream(house, std::ios::binary) << rows;
    std::ofstream(moved, std::ios::binary) << rows + "vertical,H-3,mullion,9000,70\n";
    const std::string bay = dir.filePath(QStringLiteral("bay.cwbay")).toStdString();
    {
        Form saving(NumberFormat::fromLocale("el_GR"));
        ASSERT_TRUE(chooseCatalogueFile(saving.state(), house));
        ASSERT_TRUE(saveBay(saving.state(), bay));
    }
    fs::remove(house);

    auto questions = std::make_shared<ScriptedQuestions>();
    Window w("el_GR", QString(), questions);
    questions->files = {QString::fromStdString(bay)};
    questions->catalogueFiles = {QString::fromStdString(moved)};
    w.window.openBayFile();
    ASSERT_EQ(questions->catalogueQuestions.size(), 1);
    EXPECT_TRUE(questions->catalogueQuestions[0].startsWith(
        QStringLiteral("Ο κατάλογος «house» του φατνώματος λείπει: ")))
        << questions->catalogueQuestions[0].toStdString();
    EXPECT_EQ(questions->buttons.value(1), QStringLiteral("&Επιλογή αρχείου…"));
    ASSERT_TRUE(w.form.state().userCatalogue);
    EXPECT_EQ(w.form.state().userCatalogue->ref.path, moved);
    EXPECT_TRUE(w.window.isWindowModified()) << "the bay now names another file";
    // The choice beside the series shows the catalogue that designs, now in the list.
    EXPECT_EQ(w.window.catalogues()->combo()->currentText().toStdString(), "Κατάλογος: moved");
}

}  // namespace
}  // namespace cw::gui::test
