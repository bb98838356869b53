// Edit → Undo / Redo, File → New bay and Open recent, and F10 to the menu bar: the window's
// editing, beside the File menu it extends.

#include "window/qt/main_window.h"

#include "document/bay_file_commands.h"
#include "input/bay_document_io.h"
#include "text/messages.h"
#include "window/qt/widget_look.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>

namespace cw::gui {

namespace {

constexpr const char* kRecentKey = "window/recentFiles";
constexpr int kRecentFiles = 8;

QString text(Message m, Language language, std::initializer_list<std::string_view> values = {}) {
    return QString::fromStdString(say(m, language, values));
}

QStringList recentFiles() {
    return QSettings().value(QString::fromLatin1(kRecentKey)).toStringList();
}

void keepRecentFiles(const QStringList& files) {
    QSettings().setValue(QString::fromLatin1(kRecentKey), files);
}

}  // namespace

void MainWindow::buildEditMenu() {
    // File → New bay first, Open recent under Open.
    m_newAction = new QAction(this);
    m_newAction->setObjectName(QStringLiteral("newAction"));
    m_newAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(m_newAction, &QAction::triggered, this, &MainWindow::newBayFile);
    m_fileMenu->insertAction(m_openAction, m_newAction);
    m_recentMenu = new QMenu(this);
    m_recentMenu->setObjectName(QStringLiteral("recentMenu"));
    m_fileMenu->insertMenu(m_saveAction, m_recentMenu);
    connect(m_recentMenu, &QMenu::aboutToShow, this, &MainWindow::rebuildRecentMenu);

    // Edit right after File.
    m_editMenu = new QMenu(this);
    m_editMenu->setObjectName(QStringLiteral("editMenu"));
    const QList<QAction*> menus = menuBar()->actions();
    const qsizetype file = menus.indexOf(m_fileMenu->menuAction());
    menuBar()->insertMenu(file + 1 < menus.size() ? menus[file + 1] : nullptr, m_editMenu);
    m_undoAction = m_editMenu->addAction(QString(), this, &MainWindow::undoStep);
    m_undoAction->setObjectName(QStringLiteral("undoAction"));
    m_undoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_redoAction = m_editMenu->addAction(QString(), this, &MainWindow::redoStep);
    m_redoAction->setObjectName(QStringLiteral("redoAction"));
    m_redoAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});

    // F10 opens the first menu, as KDE and GNOME do: Greek mnemonics cannot be typed on a
    // Latin keyboard.
    m_menuBarAction = new QAction(this);
    m_menuBarAction->setObjectName(QStringLiteral("menuBarAction"));
    m_menuBarAction->setShortcut(QKeySequence(Qt::Key_F10));
    m_menuBarAction->setShortcutContext(Qt::WindowShortcut);
    addAction(m_menuBarAction);
    connect(m_menuBarAction, &QAction::triggered, this, [this] {
        menuBar()->setFocus(Qt::ShortcutFocusReason);
        menuBar()->setActiveAction(m_fileMenu->menuAction());
    });
}

void MainWindow::mirrorEditMenus(Language language) {
    m_editMenu->setTitle(text(Message::MenuEdit, language));
    m_undoAction->setText(text(Message::MenuUndo, language));
    m_redoAction->setText(text(Message::MenuRedo, language));
    m_newAction->setText(text(Message::MenuNewBay, language));
    m_recentMenu->setTitle(text(Message::MenuOpenRecent, language));
    m_menuBarAction->setText(text(Message::MenuBarOpen, language));
    rebuildRecentMenu();
}

void MainWindow::recordStep(bool typing) {
    if (!m_history)
        return;
    // Typing in a field the focus has left and come back to is a step of its own.
    if (m_form.focused() != m_focusRecorded)
        m_history->seal();
    m_focusRecorded = m_form.focused();
    const BayDocument before = m_history->current().document;
    const BayStep now = stepOf(m_form.state());
    if (m_history->record(now, typing) && geometryCleared(before, now.document))
        showStatus(text(Message::GeometryCleared, Language::Greek),
                   text(Message::GeometryCleared, Language::English));
    if (!typing)
        m_history->seal();
    m_undoAction->setEnabled(m_history->canUndo());
    m_redoAction->setEnabled(m_history->canRedo());
}

void MainWindow::undoStep() {
    if (m_form.closed() || !m_history)
        return;
    if (const std::optional<BayStep> step = m_history->undo()) {
        restoreStep(m_form, *step);
        m_history->settle(stepOf(m_form.state()));
        // The geometry is back: the line saying how to get it back has done its work.
        if (statusBar()->currentMessage() == m_status[0] ||
            statusBar()->currentMessage() == m_status[1])
            if (m_status[1] == text(Message::GeometryCleared, Language::English))
                statusBar()->clearMessage();
    }
    afterEvent();
}

void MainWindow::redoStep() {
    if (m_form.closed() || !m_history)
        return;
    if (const std::optional<BayStep> step = m_history->redo()) {
        restoreStep(m_form, *step);
        m_history->settle(stepOf(m_form.state()));
    }
    afterEvent();
}

void MainWindow::newBayFile() {
    if (m_form.closed() || !settleUnsavedChanges())
        return;
    newBay(m_form);
    afterEvent();
}

void MainWindow::openRecentFile(const QString& path) {
    if (m_form.closed())
        return;
    if (!QFileInfo(path).isFile()) {
        QStringList files = recentFiles();
        files.removeAll(path);
        keepRecentFiles(files);
        rebuildRecentMenu();
        const std::string name = QDir::toNativeSeparators(path).toStdString();
        showStatus(text(Message::RecentMissing, Language::Greek, {name}),
                   text(Message::RecentMissing, Language::English, {name}));
        return;
    }
    if (!settleUnsavedChanges())
        return;
    if (openBay(m_form, path.toStdString()))
        rememberRecent(path);
    afterEvent();
}

void MainWindow::rememberRecent(const QString& path) {
    const QString full = QFileInfo(path).absoluteFilePath();
    QStringList files = recentFiles();
    files.removeAll(full);
    files.prepend(full);
    while (files.size() > kRecentFiles)
        files.removeLast();
    keepRecentFiles(files);
    rebuildRecentMenu();
}

void MainWindow::rebuildRecentMenu() {
    m_recentMenu->clear();
    const QStringList files = recentFiles();
    if (files.isEmpty()) {
        m_recentMenu->addAction(text(Message::RecentNone, languageShowing()))->setEnabled(false);
        return;
    }
    for (int i = 0; i < files.size(); ++i) {
        const QString& path = files[i];
        // "&1 bay.cwbay": the digit chooses it from the keyboard; the full path is the tip.
        QString name = QFileInfo(path).fileName();
        name.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* a = m_recentMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
        a->setToolTip(QDir::toNativeSeparators(path));
        a->setData(path);
        connect(a, &QAction::triggered, this, [this, path] { openRecentFile(path); });
    }
    m_recentMenu->setToolTipsVisible(true);
}

QString MainWindow::suggestedFileName(const QString& extension) const {
    if (const auto& path = m_form.state().document.path) {
        const QFileInfo file(QString::fromStdString(*path));
        return file.dir().filePath(file.completeBaseName() + extension);
    }
    return QString::fromStdString(suggestedFileStem(documentOf(m_form.state()))) + extension;
}

}  // namespace cw::gui
