#pragma once

#include "input/form.h"
#include "input/undo_history.h"
#include "model/inventory.h"
#include "window/qt/control_widgets.h"
#include "window/qt/catalogue_controls.h"
#include "window/qt/diagrams_panel.h"
#include "window/qt/file_menu.h"
#include "window/qt/help_menu.h"
#include "window/qt/limit_state_dialog.h"
#include "window/qt/report_menu.h"
#include "window/qt/standards.h"

#include <QMainWindow>
#include <QMessageBox>
#include <QString>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QScrollArea;

namespace cw::gui {

struct WindowOptions {
    // Where the state dump goes when the window closes; empty for none.
    QString dumpPath;
    // Every message box is closed with OK as soon as it is shown (tests run unattended).
    bool autoAcceptMessages = false;
    // Asks for the report workbook, the bay file and about unsaved changes; the real
    // dialogs when null.
    std::shared_ptr<FileQuestions> questions{};
    // Asks where the calculation report goes and opens it; the real dialogs when null.
    std::shared_ptr<ReportQuestions> reportQuestions{};
    // Starts in the language chosen before (QSettings), else in that of the locale (Greek for
    // el_*, English otherwise), and remembers each choice. Off, the window starts Greek as
    // the model and the replay do.
    bool rememberLanguage = false;
    // The locale the numbers follow (--locale); empty for the system's.
    QString localeName{};
};

// What a message box looked like, for the record.
struct ShownMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// The program's one window: a menu bar, the form (every widget built from the inventory, at
// its fixed place) in a scroll area for screens smaller than the form, and a status bar.
// Every user event on the form goes to the Form, after which all widgets are brought in line
// with it. The window holds no state of its own that the model does not hold.
class MainWindow final : public QMainWindow, private ControlEvents {
public:
    explicit MainWindow(Form& form, WindowOptions options = {}, QWidget* parent = nullptr);
    ~MainWindow() override;

    QWidget* control(ControlId id) const { return m_widgets[std::size_t(id)]; }
    // The form itself: the parent of every window-level control, at the inventory's size.
    QWidget* formPage() const { return m_page; }
    QScrollArea* scrollArea() const { return m_scroll; }
    FocusMark* focusMark() const { return m_focusMark; }
    // The sentence under the results panel that says whether the design holds.
    QLabel* verdictLabel() const { return m_verdict; }
    QMenu* fileMenu() const { return m_fileMenu; }
    QAction* openAction() const { return m_openAction; }
    QAction* saveAction() const { return m_saveAction; }
    QAction* saveAsAction() const { return m_saveAsAction; }
    QAction* exportAction() const { return m_exportAction; }
    QAction* quitAction() const { return m_quitAction; }
    QAction* projectAction() const { return m_projectAction; }
    // NEXT from anywhere in the form: F9, Ctrl+Return.
    QAction* nextAction() const { return m_nextAction; }
    // Edit → Undo / Redo, File → New bay and Open recent, F10 to the menu bar.
    QMenu* editMenu() const { return m_editMenu; }
    QAction* undoAction() const { return m_undoAction; }
    QAction* redoAction() const { return m_redoAction; }
    QAction* newAction() const { return m_newAction; }
    QMenu* recentMenu() const { return m_recentMenu; }
    QAction* menuBarAction() const { return m_menuBarAction; }
    StandardsControls* standards() const { return m_standards; }
    LimitStateControls* limitStateControls() const { return m_limitStates; }
    CatalogueControls* catalogues() const { return m_catalogues; }
    DiagramsPanel* diagramsPanel() const { return m_diagrams; }
    ReportMenu* reportMenu() const { return m_reportMenu; }
    HelpMenu* helpMenu() const { return m_helpMenu; }
    Form& form() const { return m_form; }
    qreal dpi() const { return m_dpi; }
    const std::vector<ShownMessage>& shownMessages() const { return m_shown; }

    // File → Export to spreadsheet…: always asks for the workbook.
    void exportToChosenWorkbook();
    // File → Open bay…: asks about unsaved changes, then for the file.
    void openBayFile();
    // File → Save bay: to the window's file, asking for one when it has none. True when saved.
    bool saveBayFile();
    // File → Save bay as…: always asks for the file. True when saved.
    bool saveBayFileAs();
    // File → New bay: asks about unsaved changes, then gives the start form.
    void newBayFile();
    // File → Open recent: the file, unless it is gone, when it leaves the list.
    void openRecentFile(const QString& path);
    // File → Project…: the project dialog; OK stores what it holds.
    void editProject();
    // Edit → Undo / Redo.
    void undoStep();
    void redoStep();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void userClicked(ControlId id) override;
    void userFocused(ControlId id) override;
    void userReleasedKey(ControlId id, int qtKey) override;
    void userEditedText(ControlId id, const QString& text) override;
    void userSteppedOption(ControlId id, int step) override;

    void applyStartLanguage();
    void buildMenus();
    void buildEditMenu();
    void mirrorEditMenus(Language language);
    // A step of the undo history when the inputs changed; `typing` for a key typed in a field.
    void recordStep(bool typing);
    // The bay file just opened or saved heads the recent list.
    void rememberRecent(const QString& path);
    void rebuildRecentMenu();
    // The name the file dialogs suggest: the file's own, else one from the bay.
    QString suggestedFileName(const QString& extension) const;
    void mirrorMenus(Language language);
    void mirrorTitle();
    // Unsaved changes are saved or given up as the user says; false when the user cancels.
    bool settleUnsavedChanges();
    void buildControls();
    QWidget* buildControl(const ControlSpec& row, QWidget* parent);
    void stackControls();
    void orderTabs();
    void fitToScreen();

    // After every user event; `typing` for a key typed in a field.
    void afterEvent(bool typing = false);
    void mirror();
    void mirrorLanguage();
    void mirrorTabStops();
    void mirrorFocus();
    void mirrorCaption(const ControlSpec& s, CaptionLabel* label);
    void mirrorVerdict();
    // Results kept on show after their inputs changed are greyed, as they no longer hold.
    void mirrorValueColours();
    void showNewMessages();
    void showFocused(QWidget* now);
    std::optional<std::string> askForWorkbook();
    // Opening a bay whose catalogue is missing or changed: whether to choose its file, and which.
    std::optional<std::string> askForCatalogueFile(const std::string& question);
    // Whether to export results that are not those of the inputs; true when they are.
    bool confirmOutOfDateExport();
    void reportExported(const std::string& path);
    Language languageShowing() const;
    // A message in the status bar, in the language showing, kept in both.
    void showStatus(const QString& greek, const QString& english);
    void writeDump();

    Form& m_form;
    WindowOptions m_options;
    qreal m_dpi;
    StandardsControls* m_standards = nullptr;
    LimitStateControls* m_limitStates = nullptr;
    CatalogueControls* m_catalogues = nullptr;
    DiagramsPanel* m_diagrams = nullptr;
    QWidget* m_page = nullptr;
    QScrollArea* m_scroll = nullptr;
    FocusMark* m_focusMark = nullptr;
    QLabel* m_verdict = nullptr;
    std::optional<bool> m_valuesGreyed;
    // The status bar's last message, in Greek and in English.
    std::array<QString, 2> m_status;
    QMenu* m_fileMenu = nullptr;
    QAction* m_openAction = nullptr;
    QAction* m_saveAction = nullptr;
    QAction* m_saveAsAction = nullptr;
    QAction* m_exportAction = nullptr;
    QAction* m_quitAction = nullptr;
    QAction* m_projectAction = nullptr;
    QAction* m_nextAction = nullptr;
    ReportMenu* m_reportMenu = nullptr;
    HelpMenu* m_helpMenu = nullptr;
    QMenu* m_editMenu = nullptr;
    QAction* m_undoAction = nullptr;
    QAction* m_redoAction = nullptr;
    QAction* m_newAction = nullptr;
    QMenu* m_recentMenu = nullptr;
    QAction* m_menuBarAction = nullptr;
    // Made once the window shows its start state; the window's own, not the model's.
    std::optional<UndoHistory> m_history;
    std::optional<ControlId> m_focusRecorded;
    std::array<QWidget*, kControlCount> m_widgets{};
    KeyStrokes m_keys;
    std::vector<ShownMessage> m_shown;
    std::size_t m_messagesShown = 0;
    // The language the captions, tooltips and accessible names were last set for.
    std::optional<Language> m_languageMirrored;
    // The workbook whose overwrite the user already agreed to (or that the export created).
    QString m_confirmedWorkbook;
    // Set while widgets are being changed to match the model, so that Qt's reactions to
    // those changes (focus passed on from a hidden widget) are not taken for the user's.
    bool m_mirroring = false;
    bool m_dumpWritten = false;
    // Set once the start language is applied: later language changes are the user's choice.
    bool m_languageSettled = false;
};

}  // namespace cw::gui
