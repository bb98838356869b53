#include "window/qt/help_menu.h"

#include "text/messages.h"
#include "window/qt/widget_look.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>

namespace cw::gui {

namespace {

QString said(Message message, Language language,
             std::initializer_list<std::string_view> values = {}) {
    return fromUtf8(say(message, language, values));
}

// A window of the Help menu: `body` above a Close button.
void showHelpWindow(QWidget* parent, const QString& name, const QString& title, QWidget* body,
                    const QString& closeText, QSize size) {
    QDialog dialog(parent);
    dialog.setObjectName(name);
    dialog.setWindowTitle(title);
    body->setParent(&dialog);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    buttons->button(QDialogButtonBox::Close)->setText(closeText);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(body);
    layout->addWidget(buttons);
    dialog.resize(size);
    dialog.exec();
}

// The guide's screenshots are of the whole window: shown narrower than the guide's page,
// their height following.
constexpr int kGuidePictureWidth = 720;

void fitPictures(QTextDocument& document, int width) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isImageFormat())
                continue;
            QTextImageFormat image = fragment.charFormat().toImageFormat();
            image.setWidth(width);
            QTextCursor cursor(&document);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(image);
        }
    }
}

QString menuText(const QAction* action) {
    QString text = action->text();
    text.remove(QLatin1Char('&'));
    text.remove(QStringLiteral("…"));
    return text.trimmed();
}

}  // namespace

QString userGuideMarkdown() {
    QFile file(QStringLiteral(":/docs/user-guide.md"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

HelpMenu::HelpMenu(QMainWindow* window, QMenu* help) : QObject(window), m_window(window) {
    QAction* first = help->actions().isEmpty() ? nullptr : help->actions().first();
    m_guide = new QAction(help);
    m_guide->setObjectName(QStringLiteral("userGuideAction"));
    m_guide->setShortcut(QKeySequence(Qt::Key_F1));
    m_guide->setShortcutContext(Qt::WindowShortcut);
    help->insertAction(first, m_guide);
    connect(m_guide, &QAction::triggered, this, &HelpMenu::showGuide);
    help->addSeparator();
    m_shortcuts = help->addAction(QString(), this, &HelpMenu::showShortcuts);
    m_shortcuts->setObjectName(QStringLiteral("shortcutsAction"));
    m_about = help->addAction(QString(), this, &HelpMenu::showAbout);
    m_about->setObjectName(QStringLiteral("aboutAction"));
    m_about->setMenuRole(QAction::AboutRole);
    mirror(Language::Greek);
}

void HelpMenu::mirror(Language language) {
    m_language = language;
    m_guide->setText(said(Message::HelpUserGuide, language));
    m_shortcuts->setText(said(Message::HelpShortcuts, language));
    m_about->setText(said(Message::HelpAbout, language));
}

void HelpMenu::showGuide() {
    auto* text = new QTextBrowser;
    text->setObjectName(QStringLiteral("userGuideText"));
    text->setOpenExternalLinks(true);
    // The pictures: images/… beside the guide, compiled in with it.
    text->setSearchPaths({QStringLiteral(":/docs")});
    const QString markdown = userGuideMarkdown();
    if (markdown.isEmpty())
        text->setPlainText(said(Message::HelpGuideMissing, m_language));
    else
        text->setMarkdown(markdown);
    fitPictures(*text->document(), kGuidePictureWidth);
    // The guide is written in English with a Greek part: Greek readers start there.
    if (m_language == Language::Greek) {
        text->find(QString::fromUtf8(kGuideGreekHeading));
        // Once the window is laid out: the heading at the top of the page.
        QTimer::singleShot(0, text, [text] {
            QScrollBar* bar = text->verticalScrollBar();
            bar->setValue(bar->value() + text->cursorRect().top());
        });
    }
    showHelpWindow(m_window, QStringLiteral("userGuideDialog"), menuText(m_guide), text,
                   said(Message::HelpClose, m_language), QSize(820, 680));
}

std::vector<std::pair<QString, QString>> HelpMenu::shortcuts() const {
    std::vector<std::pair<QString, QString>> rows;
    for (const QAction* action : m_window->findChildren<QAction*>()) {
        if (action->shortcuts().isEmpty())
            continue;
        QStringList keys;
        for (const QKeySequence& key : action->shortcuts())
            keys << key.toString(QKeySequence::NativeText);
        const QString what = action->objectName() == QLatin1String("nextAction")
                                 ? said(Message::HelpShortcutNext, m_language)
                                 : menuText(action);
        rows.emplace_back(keys.join(QStringLiteral(", ")), what);
    }
    const auto key = [](QKeyCombination k) {
        return QKeySequence(k).toString(QKeySequence::NativeText);
    };
    rows.emplace_back(key(Qt::Key_Tab) + QStringLiteral(" / ") + key(Qt::SHIFT | Qt::Key_Tab),
                      said(Message::HelpShortcutTab, m_language));
    rows.emplace_back(key(Qt::Key_Return), said(Message::HelpShortcutEnter, m_language));
    rows.emplace_back(QStringLiteral("↑ ↓ ← →"), said(Message::HelpShortcutArrows, m_language));
    rows.emplace_back(key(Qt::Key_Space), said(Message::HelpShortcutSpace, m_language));
    return rows;
}

void HelpMenu::showShortcuts() {
    const auto rows = shortcuts();
    auto* table = new QTableWidget(int(rows.size()), 2);
    table->setObjectName(QStringLiteral("shortcutsTable"));
    table->setHorizontalHeaderLabels({said(Message::HelpShortcutsKey, m_language),
                                      said(Message::HelpShortcutsAction, m_language)});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int r = 0; r < int(rows.size()); ++r) {
        table->setItem(r, 0, new QTableWidgetItem(rows[std::size_t(r)].first));
        table->setItem(r, 1, new QTableWidgetItem(rows[std::size_t(r)].second));
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    showHelpWindow(m_window, QStringLiteral("shortcutsDialog"), menuText(m_shortcuts), table,
                   said(Message::HelpClose, m_language), QSize(560, 420));
}

void HelpMenu::showAbout() {
    auto* text = new QLabel;
    text->setObjectName(QStringLiteral("aboutText"));
    text->setTextFormat(Qt::PlainText);
    text->setWordWrap(true);
    text->setText(said(Message::HelpAboutText, m_language,
                       {QApplication::applicationName().toStdString(),
                        QApplication::applicationVersion().toStdString()}));
    showHelpWindow(m_window, QStringLiteral("aboutDialog"), menuText(m_about), text,
                   said(Message::HelpClose, m_language), QSize(480, 260));
}

}  // namespace cw::gui
