#pragma once

#include "input/form.h"

#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QMainWindow;
class QMenu;

namespace cw::gui {

// What the report asks the user and the desktop: the window's own dialogs, unless a test
// puts a double in.
class ReportQuestions {
public:
    virtual ~ReportQuestions() = default;
    // The PDF to write (offered under the name `suggested`), or nothing when the user cancels.
    virtual std::optional<QString> choosePdf(QWidget* parent, const QString& title,
                                             const QString& filter, const QString& suggested) = 0;
    // Whether to open the PDF just written; the buttons' texts in the language showing.
    virtual bool offerToOpen(QWidget* parent, const QString& title, const QString& text,
                             const QString& openText, const QString& closeText) = 0;
    virtual void open(const QUrl& url) = 0;
    virtual void showError(QWidget* parent, const QString& title, const QString& text) = 0;
    // Shows the method statement (Markdown).
    virtual void showMethod(QWidget* parent, const QString& title, const QString& markdown,
                            const QString& closeText) = 0;
};

class DialogReportQuestions final : public ReportQuestions {
public:
    std::optional<QString> choosePdf(QWidget* parent, const QString& title, const QString& filter,
                                     const QString& suggested) override;
    bool offerToOpen(QWidget* parent, const QString& title, const QString& text,
                     const QString& openText, const QString& closeText) override;
    void open(const QUrl& url) override;
    void showError(QWidget* parent, const QString& title, const QString& text) override;
    void showMethod(QWidget* parent, const QString& title, const QString& markdown,
                    const QString& closeText) override;
};

// File -> Calculation report (PDF)… (Ctrl+P), enabled once a run has completed, and
// Help -> Method.
class ReportMenu final : public QObject {
public:
    ReportMenu(QMainWindow* window, Form& form, QMenu* fileMenu, QAction* before,
               std::shared_ptr<ReportQuestions> questions);

    QAction* reportAction() const { return m_report; }
    QAction* methodAction() const { return m_method; }
    QAction* pictureAction() const { return m_picture; }
    QMenu* helpMenu() const { return m_help; }

    // After every event: the texts in the language showing, the item enabled by the run.
    void mirror(Language language);
    void writeReport();
    void writePicture();
    // Which of the bay's diagram sets the picture draws: the one the Diagrams panel shows.
    void setShownDiagrams(std::function<std::size_t()> shown) { m_shownDiagrams = std::move(shown); }
    void showMethod();
    // The name the PDF dialog offers: the bay file's with .pdf, else one from the bay.
    QString suggestedPdf() const;

private:
    QMainWindow* m_window;
    Form& m_form;
    std::shared_ptr<ReportQuestions> m_questions;
    QAction* m_report = nullptr;
    QAction* m_picture = nullptr;
    QMenu* m_help = nullptr;
    QAction* m_method = nullptr;
    Language m_language = Language::Greek;
    std::function<std::size_t()> m_shownDiagrams;
};

}  // namespace cw::gui
