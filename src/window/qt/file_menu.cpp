#include "window/qt/file_menu.h"

#include "window/qt/question_box.h"

#include "document/bay_file_commands.h"
#include "export/report_cells.h"
#include "input/project_details.h"
#include "input/report_export.h"
#include "bay/bay_document.h"
#include "model/inventory.h"
#include "model/language_captions.h"
#include "text/messages.h"
#include "window/qt/main_window.h"
#include "window/qt/project_dialog.h"
#include "window/qt/widget_look.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>

#include <algorithm>
#include <vector>

namespace cw::gui {

namespace {

// "B3, B8–B11, B30, B31": the rows of column B that an export writes; three or more in a row
// make a range.
QString cellList(std::vector<int> rows) {
    std::sort(rows.begin(), rows.end());
    QStringList parts;
    for (std::size_t i = 0; i < rows.size();) {
        std::size_t j = i;
        while (j + 1 < rows.size() && rows[j + 1] == rows[j] + 1)
            ++j;
        if (j >= i + 2) {
            parts << QStringLiteral("B%1–B%2").arg(rows[i]).arg(rows[j]);
            i = j + 1;
        } else {
            parts << QStringLiteral("B%1").arg(rows[i]);
            ++i;
        }
    }
    return parts.join(QStringLiteral(", "));
}

QString bayFilter(Language language) {
    return language == Language::English ? QStringLiteral("Bay file (*.cwbay)")
                                         : QStringLiteral("Αρχείο φατνώματος (*.cwbay)");
}

}  // namespace

// --- The menu ---------------------------------------------------------------------------------

void MainWindow::buildMenus() {
    m_fileMenu = menuBar()->addMenu(QString());
    m_fileMenu->setObjectName(QStringLiteral("fileMenu"));
    m_openAction = m_fileMenu->addAction(QString(), this, &MainWindow::openBayFile);
    m_openAction->setObjectName(QStringLiteral("openAction"));
    m_openAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    m_saveAction = m_fileMenu->addAction(QString(), this, [this] { saveBayFile(); });
    m_saveAction->setObjectName(QStringLiteral("saveAction"));
    m_saveAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_saveAsAction = m_fileMenu->addAction(QString(), this, [this] { saveBayFileAs(); });
    m_saveAsAction->setObjectName(QStringLiteral("saveAsAction"));
    m_saveAsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    m_projectAction = m_fileMenu->addAction(QString(), this, &MainWindow::editProject);
    m_projectAction->setObjectName(QStringLiteral("projectAction"));
    m_fileMenu->addSeparator();
    m_exportAction = m_fileMenu->addAction(QString(), this, &MainWindow::exportToChosenWorkbook);
    m_exportAction->setObjectName(QStringLiteral("exportAction"));
    m_reportMenu = new ReportMenu(this, m_form, m_fileMenu, nullptr, m_options.reportQuestions);
    m_helpMenu = new HelpMenu(this, m_reportMenu->helpMenu());
    m_fileMenu->addSeparator();
    // Quit stays last.
    m_quitAction = m_fileMenu->addAction(QString(), this, &QWidget::close);
    m_quitAction->setObjectName(QStringLiteral("quitAction"));
    m_quitAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
}

void MainWindow::mirrorMenus(Language language) {
    m_fileMenu->setTitle(language == Language::English ? tr("&File") : QStringLiteral("&Αρχείο"));
    m_openAction->setText(language == Language::English ? QStringLiteral("&Open bay…")
                                                        : QStringLiteral("Άν&οιγμα φατνώματος…"));
    m_saveAction->setText(language == Language::English ? QStringLiteral("&Save bay")
                                                        : QStringLiteral("Αποθή&κευση φατνώματος"));
    m_saveAsAction->setText(language == Language::English
                                ? QStringLiteral("Save bay &as…")
                                : QStringLiteral("Αποθήκευση φατνώματος &ως…"));
    m_exportAction->setText(language == Language::English
                                ? QStringLiteral("&Export to spreadsheet…")
                                : QStringLiteral("&Εξαγωγή σε υπολογιστικό φύλλο…"));
    m_quitAction->setText(language == Language::English ? QStringLiteral("&Quit")
                                                        : QStringLiteral("Έ&ξοδος"));
    m_projectAction->setText(QString::fromStdString(say(Message::MenuProject, language)));
}

void MainWindow::mirrorTitle() {
    // "bay.cwbay* – program": Qt puts the mark in place of [*] while the window is modified.
    QString title = fromUtf8(cw::windowTitle(languageShowing()));
    // The project a bay is for, when it has one, between the file and the program.
    if (const std::string& project = m_form.state().project.name; !project.empty()) {
        QString name = QString::fromStdString(project).simplified();
        name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
        title = name + QStringLiteral(" – ") + title;
    }
    if (const auto& path = m_form.state().document.path) {
        // A "[*]" in the name itself is doubled, which Qt shows as it is.
        QString name = QFileInfo(QString::fromStdString(*path)).fileName();
        name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
        title = name + QStringLiteral("[*] – ") + title;
    } else {
        title += QStringLiteral("[*]");
    }
    if (windowTitle() != title)
        setWindowTitle(title);
    setWindowModified(documentModified(m_form.state()));
}

// --- Bay files --------------------------------------------------------------------------------

bool MainWindow::settleUnsavedChanges() {
    if (!documentModified(m_form.state()))
        return true;
    const Language language = languageShowing();
    const auto& path = m_form.state().document.path;
    const QString name = path ? QFileInfo(QString::fromStdString(*path)).fileName() : QString();
    const QString text =
        language == Language::English
            ? (path ? QStringLiteral("The bay \"%1\" has changes that are not saved. Save "
                                     "them before they are lost?")
                          .arg(name)
                    : QStringLiteral("This bay has not been saved. Save it before it is lost?"))
            : (path ? QStringLiteral("Το φάτνωμα «%1» έχει αλλαγές που δεν έχουν αποθηκευτεί. "
                                     "Να αποθηκευτούν πριν χαθούν;")
                          .arg(name)
                    : QStringLiteral("Αυτό το φάτνωμα δεν έχει αποθηκευτεί. Να αποθηκευτεί "
                                     "πριν χαθεί;"));
    const UnsavedChanges answer = m_options.questions->askAboutUnsavedChanges(
        this,
        language == Language::English ? QStringLiteral("Unsaved changes")
                                      : QStringLiteral("Μη αποθηκευμένες αλλαγές"),
        text,
        language == Language::English ? QStringLiteral("&Save") : QStringLiteral("&Αποθήκευση"),
        language == Language::English ? QStringLiteral("&Discard")
                                      : QStringLiteral("&Χωρίς αποθήκευση"),
        language == Language::English ? QStringLiteral("Cancel") : QStringLiteral("Άκυρο"));
    switch (answer) {
    case UnsavedChanges::Save: return saveBayFile();
    case UnsavedChanges::Discard: return true;
    case UnsavedChanges::Cancel: return false;
    }
    return false;
}

void MainWindow::openBayFile() {
    if (m_form.closed() || !settleUnsavedChanges())
        return;
    const Language language = languageShowing();
    const std::optional<QString> chosen = m_options.questions->chooseBayFile(
        this,
        language == Language::English ? QStringLiteral("Open bay")
                                      : QStringLiteral("Άνοιγμα φατνώματος"),
        bayFilter(language), false, QString());
    activateWindow();
    if (chosen && !chosen->isEmpty() &&
        openBay(m_form, QFileInfo(*chosen).absoluteFilePath().toStdString()))
        rememberRecent(*chosen);
    afterEvent();
}

void MainWindow::editProject() {
    if (m_form.closed())
        return;
    ProjectDialog dialog(m_form.state().project, languageShowing(), this);
    if (dialog.exec() == QDialog::Accepted)
        setProject(m_form.state(), dialog.project());
    activateWindow();
    afterEvent();
}

std::optional<std::string> MainWindow::askForCatalogueFile(const std::string& question) {
    const Language language = languageShowing();
    const auto text = [language](Message m) { return QString::fromStdString(say(m, language)); };
    const std::optional<QString> chosen = m_options.questions->chooseCatalogueFile(
        this, text(Message::CataloguesTitle), QString::fromStdString(question),
        text(Message::CatalogueChooseFileButton), text(Message::Cancel),
        text(Message::CataloguesFileFilter));
    activateWindow();
    if (!chosen || chosen->isEmpty())
        return std::nullopt;
    return QFileInfo(*chosen).absoluteFilePath().toStdString();
}

bool MainWindow::saveBayFile() {
    if (!m_form.state().document.path)
        return saveBayFileAs();
    // A copy: the save replaces the document the path lives in.
    const std::string path = *m_form.state().document.path;
    const bool saved = saveBay(m_form.state(), path);
    if (saved)
        rememberRecent(QString::fromStdString(path));
    showNewMessages();
    mirrorTitle();
    return saved;
}

bool MainWindow::saveBayFileAs() {
    const Language language = languageShowing();
    const std::optional<QString> chosen = m_options.questions->chooseBayFile(
        this,
        language == Language::English ? QStringLiteral("Save bay as")
                                      : QStringLiteral("Αποθήκευση φατνώματος ως"),
        bayFilter(language), true, suggestedFileName(QStringLiteral(".cwbay")));
    activateWindow();  // without a window manager nothing hands the keyboard back
    if (!chosen || chosen->isEmpty())
        return false;
    const bool saved = saveBay(m_form.state(), QFileInfo(*chosen).absoluteFilePath().toStdString());
    if (saved)
        rememberRecent(*chosen);
    showNewMessages();
    mirrorTitle();
    return saved;
}

// --- The spreadsheet export -------------------------------------------------------------------

std::optional<std::string> MainWindow::askForWorkbook() {
    const Language language = languageShowing();
    const QString title = language == Language::English
                              ? QStringLiteral("Export to spreadsheet")
                              : QStringLiteral("Εξαγωγή σε υπολογιστικό φύλλο");
    const QString explanation =
        language == Language::English
            ? QStringLiteral(
                  "Choose the report workbook (.xlsx) to fill, or type a new name "
                  "to create one")
            : QStringLiteral(
                  "Επιλέξτε το βιβλίο εργασίας της αναφοράς (.xlsx) που θα "
                  "συμπληρωθεί, ή γράψτε ένα νέο όνομα για να δημιουργηθεί");
    const QString filter = language == Language::English
                               ? QStringLiteral("Excel workbook (*.xlsx)")
                               : QStringLiteral("Βιβλίο εργασίας Excel (*.xlsx)");
    const std::optional<QString> chosen =
        m_options.questions->chooseWorkbook(this, title, explanation, filter);
    if (!chosen || chosen->isEmpty())
        return std::nullopt;
    const QString path = QFileInfo(*chosen).absoluteFilePath();

    // Filling an existing workbook writes over part of it: say which cells, once.
    if (QFileInfo(path).isFile() && path != m_confirmedWorkbook) {
        const QString name = QDir::toNativeSeparators(path);
        const QString cells = cellList(reportRows());
        const QString text = language == Language::English
                                 ? QStringLiteral(
                                       "The workbook \"%1\" exists. The export writes over these "
                                       "cells of column B of its first sheet:\n\n%2\n\nEvery "
                                       "other cell stays as it is.")
                                       .arg(name, cells)
                                 : QStringLiteral(
                                       "Το βιβλίο εργασίας «%1» υπάρχει. Η εξαγωγή γράφει πάνω "
                                       "σε αυτά τα κελιά της στήλης B του πρώτου φύλλου του:\n\n"
                                       "%2\n\nΌλα τα άλλα κελιά μένουν όπως είναι.")
                                       .arg(name, cells);
        if (!m_options.questions->confirmOverwrite(
                this, title, text,
                language == Language::English ? QStringLiteral("Overwrite")
                                              : QStringLiteral("Αντικατάσταση"),
                language == Language::English ? QStringLiteral("Cancel") : QStringLiteral("Άκυρο")))
            return std::nullopt;
        m_confirmedWorkbook = path;
    }
    return QFile::encodeName(path).toStdString();
}

bool MainWindow::confirmOutOfDateExport() {
    if (resultsCurrent(m_form.state()))
        return true;
    const Language language = languageShowing();
    const auto text = [language](Message m) { return QString::fromStdString(say(m, language)); };
    return m_options.questions->confirmOutOfDateExport(
        this,
        language == Language::English ? QStringLiteral("Export to spreadsheet")
                                      : QStringLiteral("Εξαγωγή σε υπολογιστικό φύλλο"),
        text(Message::ResultsOutOfDate), text(Message::ExportLastRunResults),
        text(Message::Cancel));
}

void MainWindow::exportToChosenWorkbook() {
    if (m_form.closed())
        return;
    // Asked before the workbook, so that a cancel asks nothing more.
    if (!confirmOutOfDateExport()) {
        afterEvent();
        return;
    }
    if (const std::optional<std::string> path = askForWorkbook())
        exportReport(m_form.state(), *path);
    afterEvent();
}

void MainWindow::reportExported(const std::string& path) {
    const QString file =
        QDir::toNativeSeparators(QFile::decodeName(QByteArray::fromStdString(path)));
    // The program made this file or the user agreed to write over it: no more questions.
    m_confirmedWorkbook = QFileInfo(file).absoluteFilePath();
    showStatus(QStringLiteral("Η αναφορά γράφτηκε στη στήλη B του «%1»").arg(file),
               QStringLiteral("Report written to column B of \"%1\"").arg(file));
}

void MainWindow::showStatus(const QString& greek, const QString& english) {
    m_status = {greek, english};
    statusBar()->showMessage(languageShowing() == Language::English ? english : greek);
}

// --- Dialogs ----------------------------------------------------------------------------------

std::optional<QString> DialogQuestions::chooseWorkbook(QWidget* parent, const QString& title,
                                                       const QString& explanation,
                                                       const QString& filter) {
    QFileDialog dialog(parent, title);
    // Qt's own dialog, so that the line saying what happens can be added to it.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // An existing workbook is filled in, not replaced; the window asks about that itself.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(QStringLiteral("xlsx"));
    auto* line = new QLabel(explanation, &dialog);
    line->setObjectName(QStringLiteral("explanation"));
    line->setWordWrap(true);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
        grid->addWidget(line, grid->rowCount(), 0, 1, grid->columnCount());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

bool DialogQuestions::confirmOverwrite(QWidget* parent, const QString& title, const QString& text,
                                       const QString& overwrite, const QString& cancel) {
    return askWithTwoButtons(parent, QMessageBox::Question, title, text, overwrite, cancel, false);
}

bool DialogQuestions::confirmOutOfDateExport(QWidget* parent, const QString& title,
                                             const QString& text, const QString& exportLastRun,
                                             const QString& cancel) {
    return askWithTwoButtons(parent, QMessageBox::Warning, title, text, exportLastRun, cancel,
                             false);
}

std::optional<QString> DialogQuestions::chooseBayFile(QWidget* parent, const QString& title,
                                                      const QString& filter, bool saving,
                                                      const QString& suggested) {
    QFileDialog dialog(parent, title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);  // as the export's dialog
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(QStringLiteral("cwbay"));
    if (!suggested.isEmpty())
        dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> DialogQuestions::chooseCatalogueFile(QWidget* parent, const QString& title,
                                                            const QString& text,
                                                            const QString& choose,
                                                            const QString& cancel,
                                                            const QString& filter) {
    if (!askWithTwoButtons(parent, QMessageBox::Question, title, text, choose, cancel, true))
        return std::nullopt;
    QFileDialog dialog(parent, title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);  // as the bay file's dialog
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(filter);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

UnsavedChanges DialogQuestions::askAboutUnsavedChanges(QWidget* parent, const QString& title,
                                                       const QString& text, const QString& save,
                                                       const QString& discard,
                                                       const QString& cancel) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    QPushButton* saveButton = box.addButton(save, QMessageBox::AcceptRole);
    QPushButton* discardButton = box.addButton(discard, QMessageBox::DestructiveRole);
    QPushButton* cancelButton = box.addButton(cancel, QMessageBox::RejectRole);
    box.setDefaultButton(saveButton);
    box.setEscapeButton(cancelButton);
    box.exec();
    if (box.clickedButton() == saveButton)
        return UnsavedChanges::Save;
    if (box.clickedButton() == discardButton)
        return UnsavedChanges::Discard;
    return UnsavedChanges::Cancel;
}

}  // namespace cw::gui
