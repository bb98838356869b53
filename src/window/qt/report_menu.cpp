#include "window/qt/report_menu.h"

#include "window/qt/question_box.h"

#include "input/bay_document_io.h"
#include "report/report_run.h"
#include "text/messages.h"

#include <QAction>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace cw::gui {

std::optional<QString> DialogReportQuestions::choosePdf(QWidget* parent, const QString& title,
                                                        const QString& filter,
                                                        const QString& suggested) {
    const QString path = QFileDialog::getSaveFileName(parent, title, suggested, filter);
    if (path.isEmpty())
        return std::nullopt;
    return path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)
               ? path
               : path + QStringLiteral(".pdf");
}

bool DialogReportQuestions::offerToOpen(QWidget* parent, const QString& title, const QString& text,
                                        const QString& openText, const QString& closeText) {
    return askWithTwoButtons(parent, QMessageBox::Question, title, text, openText, closeText, true);
}

void DialogReportQuestions::open(const QUrl& url) {
    QDesktopServices::openUrl(url);
}

void DialogReportQuestions::showError(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::warning(parent, title, text);
}

void DialogReportQuestions::showMethod(QWidget* parent, const QString& title,
                                       const QString& markdown, const QString& closeText) {
    QDialog dialog(parent);
    dialog.setWindowTitle(title);
    auto* text = new QTextBrowser(&dialog);
    text->setObjectName(QStringLiteral("methodText"));
    text->setMarkdown(markdown);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    buttons->button(QDialogButtonBox::Close)->setText(closeText);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(text);
    layout->addWidget(buttons);
    dialog.resize(760, 640);
    dialog.exec();
}

ReportMenu::ReportMenu(QMainWindow* window, Form& form, QMenu* fileMenu, QAction* before,
                       std::shared_ptr<ReportQuestions> questions)
    : QObject(window), m_window(window), m_form(form), m_questions(std::move(questions)) {
    if (!m_questions)
        m_questions = std::make_shared<DialogReportQuestions>();
    m_report = new QAction(fileMenu);
    m_report->setObjectName(QStringLiteral("reportAction"));
    m_report->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    m_report->setEnabled(false);
    fileMenu->insertAction(before, m_report);
    connect(m_report, &QAction::triggered, this, &ReportMenu::writeReport);
    m_picture = new QAction(fileMenu);
    m_picture->setObjectName(QStringLiteral("pictureAction"));
    m_picture->setEnabled(false);
    fileMenu->insertAction(before, m_picture);
    connect(m_picture, &QAction::triggered, this, &ReportMenu::writePicture);

    m_help = window->menuBar()->addMenu(QString());
    m_help->setObjectName(QStringLiteral("helpMenu"));
    m_method = m_help->addAction(QString(), this, &ReportMenu::showMethod);
    m_method->setObjectName(QStringLiteral("methodAction"));
    mirror(Language::Greek);
}

void ReportMenu::mirror(Language language) {
    m_language = language;
    m_report->setEnabled(m_form.state().shownRun.has_value());
    m_report->setText(language == Language::English ? QStringLiteral("Calculation &report (PDF)…")
                                                    : QStringLiteral("&Τεύχος υπολογισμών (PDF)…"));
    m_picture->setEnabled(m_form.state().shownRun.has_value());
    m_picture->setText(QString::fromStdString(say(Message::MenuExportPicture, language)));
    m_help->setTitle(language == Language::English ? QStringLiteral("&Help")
                                                   : QStringLiteral("&Βοήθεια"));
    m_method->setText(language == Language::English ? QStringLiteral("&Method")
                                                    : QStringLiteral("&Μέθοδος"));
}

QString ReportMenu::suggestedPdf() const {
    // Beside the bay file and named after it; else named after the bay.
    if (const auto& bay = m_form.state().document.path) {
        const QFileInfo file(QString::fromStdString(*bay));
        return file.dir().filePath(file.completeBaseName() + QStringLiteral(".pdf"));
    }
    return QString::fromStdString(suggestedFileStem(documentOf(m_form.state()))) +
           QStringLiteral(".pdf");
}

void ReportMenu::writeReport() {
    if (!m_form.state().shownRun)
        return;
    const QString title = m_report->text().remove(QLatin1Char('&')).remove(QStringLiteral("…"));
    const std::optional<QString> path =
        m_questions->choosePdf(m_window, title, QStringLiteral("PDF (*.pdf)"), suggestedPdf());
    if (!path)
        return;
    const report::ReportOutcome outcome =
        report::writeBayReport(documentOf(m_form.state()), m_form.state().numberFormat(),
                               QFile::encodeName(*path).toStdString(),
                               m_form.state().userCatalogue
                                   ? m_form.state().userCatalogue->catalogue.get()
                                   : nullptr);
    if (outcome.error) {
        m_questions->showError(m_window, title, QString::fromStdString(*outcome.error));
        return;
    }
    const QString text = (m_language == Language::English
                              ? QStringLiteral("The report was written to \"%1\". Open it?")
                              : QStringLiteral("Ο υπολογισμός γράφτηκε στο «%1». Να ανοίξει;"))
                             .arg(*path);
    if (m_questions->offerToOpen(
            m_window, title, text,
            m_language == Language::English ? QStringLiteral("&Open") : QStringLiteral("Ά&νοιγμα"),
            m_language == Language::English ? QStringLiteral("&Close")
                                            : QStringLiteral("&Κλείσιμο")))
        m_questions->open(QUrl::fromLocalFile(*path));
}

// The diagrams of the bay shown, as an SVG picture beside the bay file.
void ReportMenu::writePicture() {
    if (!m_form.state().shownRun)
        return;
    const QString title = m_picture->text().remove(QLatin1Char('&')).remove(QStringLiteral("…"));
    QString suggested = suggestedPdf();
    suggested.chop(4);
    const std::optional<QString> path = m_questions->choosePdf(
        m_window, title, QStringLiteral("SVG (*.svg)"), suggested + QStringLiteral(".svg"));
    if (!path)
        return;
    if (const std::optional<std::string> error =
            report::writeBayDiagramsSvg(
                documentOf(m_form.state()), m_form.state().numberFormat(),
                QFile::encodeName(*path).toStdString(),
                m_form.state().userCatalogue ? m_form.state().userCatalogue->catalogue.get()
                                             : nullptr,
                m_shownDiagrams ? std::optional(m_shownDiagrams()) : std::nullopt))
        m_questions->showError(m_window, title, QString::fromStdString(*error));
}

void ReportMenu::showMethod() {
    QFile file(QStringLiteral(":/docs/method.md"));
    const QString markdown =
        file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    m_questions->showMethod(
        m_window, m_method->text().remove(QLatin1Char('&')), markdown,
        m_language == Language::English ? QStringLiteral("Close") : QStringLiteral("Κλείσιμο"));
}

}  // namespace cw::gui
