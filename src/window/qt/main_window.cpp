#include "window/qt/main_window.h"

#include "model/choices.h"
#include "model/inventory.h"
#include "model/language_captions.h"
#include "model/state_dump.h"
#include "model/used_inputs.h"
#include "model/verdict_line.h"
#include "window/qt/form_layout.h"
#include "window/qt/key_codes.h"
#include "window/qt/widget_look.h"

#include "input/report_export.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QSvgRenderer>
#include <QSvgWidget>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace cw::gui {

namespace {

constexpr const char* kLanguageKey = "window/language";

// A caption as a name to read out: one line, without the blanks and colon that align it.
QString spokenCaption(std::string_view caption) {
    QString text = fromUtf8(caption).simplified();
    while (text.endsWith(QLatin1Char(':')) || text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}

}  // namespace

MainWindow::MainWindow(Form& form, WindowOptions options, QWidget* parent)
    : QMainWindow(parent), m_form(form), m_options(std::move(options)), m_dpi(screenDpi()) {
    if (!m_options.questions)
        m_options.questions = std::make_shared<DialogQuestions>();
    setWindowTitle(fromUtf8(cw::windowTitle(Language::Greek)));

    // The form keeps its fixed layout; on a screen smaller than the form it scrolls.
    m_page = new QWidget;
    m_page->setObjectName(QStringLiteral("Form1"));
    m_page->setFixedSize(toPixels(kClientWidthTwips, m_dpi), toPixels(kClientHeightTwips, m_dpi));
    QPalette palette = m_page->palette();
    palette.setColor(QPalette::Window, qtColour(kWindowBackColour, palette));
    palette.setColor(QPalette::WindowText, qtColour(kWindowForeColour, palette));
    m_page->setPalette(palette);
    m_page->setAutoFillBackground(true);
    m_scroll = new QScrollArea;
    m_scroll->setObjectName(QStringLiteral("formScrollArea"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setFocusPolicy(Qt::NoFocus);
    m_scroll->setBackgroundRole(QPalette::Window);
    m_scroll->setPalette(palette);
    m_scroll->setWidget(m_page);
    setCentralWidget(m_scroll);
    statusBar()->setSizeGripEnabled(true);

    buildMenus();
    buildEditMenu();
    m_standards = new StandardsControls(*this, *m_page, m_dpi, m_form, [this] { afterEvent(); });
    m_limitStates =
        new LimitStateControls(*this, *m_standards->menu(), m_form, [this] { afterEvent(); });
    m_limitStates->mirror(m_form.state().languageShowing());
    // View between Standards and Help: the keyboard reaches the menus before it by the same
    // arrows as before it was there.
    m_diagrams = new DiagramsPanel(*this, m_form, m_reportMenu->helpMenu()->menuAction());
    m_reportMenu->setShownDiagrams([this] { return m_diagrams->chosenSet(); });
    buildControls();
    m_catalogues =
        new CatalogueControls(*this, *m_page, m_dpi, m_form, *m_fileMenu, [this] { afterEvent(); });
    stackControls();
    orderTabs();
    // Below the export button, right under the results panel; outside the inventory, which
    // has no such line.
    m_verdict = new QLabel(m_page);
    m_verdict->setObjectName(QStringLiteral("verdictLine"));
    m_verdict->setTextFormat(Qt::PlainText);
    m_verdict->setWordWrap(true);
    m_verdict->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Two lines inside the profile box, clear of its right and bottom edges.
    m_verdict->setGeometry(toPixels(TwipRect{10320, 11580, 4515, 540}, m_dpi));
    QFont verdictFont = controlFont(kBoldFont);
    m_verdict->setFont(verdictFont);
    m_verdict->hide();
    // F9 as in spreadsheets; the press never reaches the focused control, so its handler
    // sees no key stroke, only the click.
    m_nextAction = new QAction(this);
    m_nextAction->setObjectName(QStringLiteral("nextAction"));
    m_nextAction->setShortcuts({QKeySequence(Qt::Key_F9), QKeySequence(Qt::CTRL | Qt::Key_Return),
                                QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    m_nextAction->setShortcutContext(Qt::WindowShortcut);
    addAction(m_nextAction);
    connect(m_nextAction, &QAction::triggered, this, [this] {
        if (!m_form.closed() && m_form.visible(ControlId::Command1))
            userClicked(ControlId::Command1);
    });
    m_focusMark = new FocusMark(m_page);
    m_focusMark->setObjectName(QStringLiteral("focusMark"));
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { showFocused(now); });
    m_form.onExportClicked = exportToReportWorkbook;
    m_form.state().chooseWorkbook = [this] { return askForWorkbook(); };
    m_form.state().exported = [this](const std::string& path) { reportExported(path); };
    m_form.state().confirmOutOfDateExport = [this] { return confirmOutOfDateExport(); };
    m_form.state().askForCatalogueFile = [this](const std::string& question) {
        return askForCatalogueFile(question);
    };
    mirror();
    m_diagrams->mirror(languageShowing());
    fitToScreen();
    if (m_options.rememberLanguage)
        applyStartLanguage();
    // Undo goes back as far as the window as it opened.
    m_history.emplace(stepOf(m_form.state()));
    m_focusRecorded = m_form.focused();
    recordStep(false);
}

void MainWindow::applyStartLanguage() {
    const QString chosen = QSettings().value(QString::fromLatin1(kLanguageKey)).toString();
    const QString locale =
        m_options.localeName.isEmpty() ? QLocale::system().name() : m_options.localeName;
    const bool english = chosen == QLatin1String("en") ||
                         (chosen != QLatin1String("el") && !locale.startsWith(QLatin1String("el")));
    // The model opens in Greek; English is what its flag button's handler does, without the
    // click's focus move, so the keyboard starts where it would have.
    if (english != (languageShowing() == Language::English)) {
        showEnglish(m_form.state());
        // The user's language is no change to the bay: the start form has nothing unsaved.
        m_form.state().document.saved = documentOf(m_form.state());
        afterEvent();
    }
    m_languageSettled = true;
}

MainWindow::~MainWindow() {
    m_form.state().chooseWorkbook = nullptr;
    m_form.state().exported = nullptr;
    m_form.state().confirmOutOfDateExport = nullptr;
    m_form.onExportClicked = nullptr;
}

void MainWindow::fitToScreen() {
    const int chrome = menuBar()->sizeHint().height() + statusBar()->sizeHint().height();
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        resize(m_page->size() + QSize(0, chrome));
        return;
    }
    // Until the desktop has framed the window its frame is unknown: reserve a title bar's
    // height, so that the title and the status bar both stay on a 768-pixel screen.
    const QRect outer = frameGeometry();
    const QRect inner = geometry();
    QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                   outer.right() - inner.right(), outer.bottom() - inner.bottom());
    if (frame.isNull())
        frame = expectedFrame(style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this));
    const QRect room = screen->availableGeometry();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_scroll);
    QSize size = fittedWindowSize(m_page->size(), chrome, room.size(), frame, bar);
    // The diagrams beside the form where the screen has room for both; otherwise they wait
    // under View, and the form keeps the screen.
    // The splitter beside the panel and the panel's own frame take width of their own.
    const int extras = style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, this) +
                       2 * style()->pixelMetric(QStyle::PM_DockWidgetFrameWidth, nullptr, this);
    const int panel = diagramsPanelWidth(room.width() - frame.left() - frame.right() -
                                         size.width() - extras);
    m_diagrams->setVisible(panel > 0);
    if (panel > 0) {
        size.rwidth() += panel + extras;
        resizeDocks({m_diagrams}, {panel}, Qt::Horizontal);
    }
    resize(size);
    // Placed so that the frame starts at the free area's corner when the window would not
    // otherwise fit below a panel.
    if (height() + frame.top() + frame.bottom() >= room.height())
        move(room.topLeft());
}

// --- Events ---------------------------------------------------------------------------------

void MainWindow::userClicked(ControlId id) {
    if (m_mirroring)
        return;
    m_form.click(id);
    afterEvent();
}

void MainWindow::userFocused(ControlId id) {
    if (m_mirroring)
        return;
    m_form.focus(id);
    afterEvent();
}

void MainWindow::userReleasedKey(ControlId id, int qtKey) {
    if (m_mirroring)
        return;
    // A key can only come from the focused widget, which the model already knows about;
    // tell it again rather than let a key land on another control.
    if (m_form.focused() != id)
        m_form.focus(id);
    const ControlSpec& s = controlSpec(id);
    const bool typing = s.kind == ControlKind::TextBox && !s.readOnly;
    if (typing)
        m_form.setText(id, static_cast<QLineEdit*>(control(id))->text().toStdString());
    m_form.key(modelKeyCode(qtKey));
    afterEvent(typing);
}

void MainWindow::userSteppedOption(ControlId id, int step) {
    if (m_mirroring)
        return;
    // The options of the group that a user can see, in their tab order.
    const ControlSpec& own = controlSpec(id);
    std::vector<const ControlSpec*> group;
    for (int i = 0; i < kControlCount; ++i) {
        const ControlSpec& s = inventory()[i];
        if (s.kind == ControlKind::OptionButton && s.optionGroup == own.optionGroup &&
            (s.id == id || m_form.visible(s.id)))
            group.push_back(&s);
    }
    std::sort(group.begin(), group.end(),
              [](const ControlSpec* a, const ControlSpec* b) { return a->tabIndex < b->tabIndex; });
    const auto at = std::find(group.begin(), group.end(), &own);
    const auto n = std::ptrdiff_t(group.size());
    const std::ptrdiff_t next = ((at - group.begin()) + step % n + n) % n;
    // The same event as a mouse click on that option.
    userClicked(group[std::size_t(next)]->id);
}

void MainWindow::userEditedText(ControlId id, const QString& text) {
    // Only the text changes: the handlers run on key releases, and a paste has none.
    if (m_mirroring)
        return;
    m_form.setText(id, text.toStdString());
    recordStep(true);
    mirrorTitle();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // Keys reach the window itself only while the model's focus is on no visible control.
    if (hasFocus())
        m_keys.pressed(*event);
    QMainWindow::keyPressEvent(event);
}

void MainWindow::keyReleaseEvent(QKeyEvent* event) {
    if (!hasFocus() || !m_keys.released(*event) || m_mirroring) {
        QMainWindow::keyReleaseEvent(event);
        return;
    }
    m_form.key(modelKeyCode(event->key()));
    afterEvent();
}

void MainWindow::afterEvent(bool typing) {
    recordStep(typing);
    mirror();
    m_reportMenu->mirror(languageShowing());
    m_limitStates->mirror(languageShowing());
    m_catalogues->mirror(languageShowing());
    m_diagrams->mirror(languageShowing());
    showNewMessages();
    if (m_form.closed())
        close();
}

void MainWindow::mirror() {
    const QScopedValueRollback<bool> guard(m_mirroring, true);
    for (int i = 0; i < kControlCount; ++i) {
        const ControlSpec& s = inventory()[i];
        const ControlState& state = m_form.control(s.id);
        QWidget* w = m_widgets[std::size_t(i)];
        if (w->isHidden() == state.visible)
            w->setVisible(state.visible);
        if (s.kind == ControlKind::TextBox) {
            auto* edit = static_cast<QLineEdit*>(w);
            const QString text = fromUtf8(state.text);
            if (edit->text() != text) {
                edit->setText(text);
                // A field the program fills shows its beginning, not where a cursor would be.
                if (!edit->hasFocus())
                    edit->setCursorPosition(0);
            }
        } else if (s.kind == ControlKind::OptionButton) {
            auto* option = static_cast<QAbstractButton*>(w);
            if (option->isChecked() != state.selected)
                option->setChecked(state.selected);
        } else if (s.kind == ControlKind::Label) {
            auto* label = static_cast<CaptionLabel*>(w);
            mirrorCaption(s, label);
            if (s.captionSet == CaptionSet::Greek && !s.twin.empty())
                label->setCovered(m_form.visible(ControlId(findControl(s.twin))));
        }
    }
    mirrorLanguage();
    layOutResults(m_widgets);
    mirrorVerdict();
    mirrorValueColours();
    mirrorTabStops();
    mirrorFocus();
    mirrorTitle();
}

void MainWindow::mirrorVerdict() {
    const std::optional<VerdictLine> line = verdictLine(m_form.state());
    m_verdict->setVisible(line.has_value());
    if (!line) {
        m_verdict->clear();
        m_verdict->setAccessibleName(QString());
        m_verdict->setToolTip(QString());
        return;
    }
    const QString text = fromUtf8(line->text);
    if (m_verdict->text() != text) {
        m_verdict->setText(text);
        m_verdict->setAccessibleName(text);
        // Two lines may cut a long sentence (what a limit-state pass assumed): all of it here.
        m_verdict->setToolTip(text);
        // On a screen shorter than the form the line lies below the fold: bring it into view
        // when it says something new.
        m_scroll->ensureWidgetVisible(m_verdict, 0, 8);
    }
    // The sentence itself says pass or fail; the colour only repeats it.
    QColor colour(0x60, 0x60, 0x60);
    switch (line->kind) {
    case VerdictLine::Kind::Passes: colour = QColor(0x00, 0x70, 0x00); break;
    case VerdictLine::Kind::Fails:
    case VerdictLine::Kind::NoneFits: colour = QColor(0xC0, 0x00, 0x00); break;
    case VerdictLine::Kind::OutOfDate: break;
    }
    QPalette palette = m_verdict->palette();
    palette.setColor(QPalette::WindowText, colour);
    m_verdict->setPalette(palette);
}

void MainWindow::mirrorValueColours() {
    const bool grey = m_form.state().lastRun.has_value() && !resultsCurrent(m_form.state());
    if (m_valuesGreyed == grey)
        return;
    m_valuesGreyed = grey;
    for (int i = 0; i < kControlCount; ++i) {
        const ControlSpec& s = inventory()[i];
        if (s.kind != ControlKind::TextBox || !s.readOnly)
            continue;
        QWidget* w = m_widgets[std::size_t(i)];
        QPalette palette = w->palette();
        palette.setColor(QPalette::Text, grey ? QColor(0x80, 0x80, 0x80)
                                              : qtColour(s.foreColour, QApplication::palette()));
        w->setPalette(palette);
    }
}

// The stress and deflection rows state their verdict; a failed check shows in red.
void MainWindow::mirrorCaption(const ControlSpec& s, CaptionLabel* label) {
    const QString caption = displayCaption(shownCaption(m_form.state(), s.id));
    if (label->text() != caption)
        label->setText(caption);
    const bool warns = m_form.warns(s.id);
    if (label->property("warns").toBool() == warns)
        return;
    label->setProperty("warns", warns);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, warns ? QColor(0xC0, 0x00, 0x00)
                                                 : qtColour(s.foreColour, QApplication::palette()));
    label->setPalette(palette);
}

Language MainWindow::languageShowing() const {
    // The English set is showing while its heading of the selection panel does.
    return m_form.visible(ControlId::Label78) ? Language::English : Language::Greek;
}

void MainWindow::mirrorLanguage() {
    // Names depend on which caption shows ("L1=" or "L ="), so they are set every time; the
    // rest only when the language changes.
    const Language language = languageShowing();
    for (int i = 0; i < kControlCount; ++i) {
        const ControlSpec& s = inventory()[i];
        QWidget* w = m_widgets[std::size_t(i)];
        if (s.kind == ControlKind::CommandButton) {
            const std::string shown = shownCaption(m_form.state(), s.id);
            auto* button = static_cast<QAbstractButton*>(w);
            if (button->text() != fromUtf8(shown))
                button->setText(fromUtf8(shown));
            w->setAccessibleName(spokenCaption(shown));
        } else if (!s.labelledBy.empty()) {
            // The first caption that shows, else the first one named.
            std::string_view chosen;
            for (std::string_view names = s.labelledBy; !names.empty();) {
                const auto blank = names.find(' ');
                const std::string_view one = names.substr(0, blank);
                names =
                    blank == std::string_view::npos ? std::string_view{} : names.substr(blank + 1);
                if (chosen.empty())
                    chosen = one;
                if (m_form.visible(ControlId(findControl(one)))) {
                    chosen = one;
                    break;
                }
            }
            const ControlSpec& caption = controlSpec(ControlId(findControl(chosen)));
            const bool useTwin = language == Language::English && !caption.twin.empty();
            const ControlId named = useTwin ? ControlId(findControl(caption.twin)) : caption.id;
            w->setAccessibleName(spokenCaption(shownCaption(m_form.state(), named)));
        }
    }
    if (m_languageMirrored == language)
        return;
    m_languageMirrored = language;
    if (m_languageSettled)
        QSettings().setValue(QString::fromLatin1(kLanguageKey), language == Language::English
                                                                    ? QStringLiteral("en")
                                                                    : QStringLiteral("el"));
    for (int i = 0; i < kControlCount; ++i) {
        const ControlSpec& s = inventory()[i];
        QWidget* w = m_widgets[std::size_t(i)];
        w->setToolTip(fromUtf8(language == Language::English ? s.tooltipEnglish : s.tooltip));
        w->setAccessibleDescription(fromUtf8(s.unit));
    }
    mirrorMenus(language);
    mirrorEditMenus(language);
    m_standards->mirror(language);
    m_helpMenu->mirror(language);
    // A message left in the status bar is said again in the language now showing.
    const bool english = language == Language::English;
    if (!statusBar()->currentMessage().isEmpty() &&
        statusBar()->currentMessage() == m_status[english ? 0 : 1])
        statusBar()->showMessage(m_status[english ? 1 : 0]);
}

void MainWindow::mirrorTabStops() {
    // A control under its twin of the language showing takes no focus: Tab would stop on it
    // unseen.
    for (int i = 0; i < kControlCount; ++i) {
        const ControlSpec& s = inventory()[i];
        if (s.kind != ControlKind::CommandButton && s.kind != ControlKind::TextBox)
            continue;
        const bool covered = s.captionSet == CaptionSet::Greek && !s.twin.empty() &&
                             m_form.visible(ControlId(findControl(s.twin)));
        const Qt::FocusPolicy policy = covered                       ? Qt::NoFocus
                                       : s.readOnly || s.captionOnly ? Qt::ClickFocus
                                                                     : Qt::StrongFocus;
        if (m_widgets[std::size_t(i)]->focusPolicy() != policy)
            m_widgets[std::size_t(i)]->setFocusPolicy(policy);
    }
    // Each option group is one stop of the Tab chain, as a radio group is: the chosen option,
    // or the first one that shows while none is chosen. The arrows move within the group.
    for (int i = 0; i < kControlCount; ++i) {
        const ControlSpec& s = inventory()[i];
        if (s.kind != ControlKind::OptionButton)
            continue;
        const ControlSpec* entry = nullptr;
        for (int j = 0; j < kControlCount; ++j) {
            const ControlSpec& o = inventory()[j];
            if (o.kind != ControlKind::OptionButton || o.optionGroup != s.optionGroup ||
                !m_form.visible(o.id))
                continue;
            if (m_form.selected(o.id)) {
                entry = &o;
                break;
            }
            if (!entry || o.tabIndex < entry->tabIndex)
                entry = &o;
        }
        m_widgets[std::size_t(i)]->setFocusPolicy(entry == &s ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

void MainWindow::mirrorFocus() {
    // With the model's focus on nothing visible, the window itself holds the keyboard.
    QWidget* target = this;
    if (const std::optional<ControlId> focused = m_form.focused()) {
        QWidget* w = control(*focused);
        if (w->isVisibleTo(this) && w->focusPolicy() != Qt::NoFocus)
            target = w;
    }
    if (focusWidget() != target)
        target->setFocus(Qt::OtherFocusReason);
    showFocused(QApplication::focusWidget());
}

void MainWindow::showFocused(QWidget* now) {
    if (!m_focusMark)
        return;
    if (now && now != m_page && m_page->isAncestorOf(now)) {
        m_focusMark->follow(now);
        m_scroll->ensureWidgetVisible(now, 16, 16);
    } else if (!now || isAncestorOf(now) || now == this) {
        m_focusMark->follow(nullptr);
    }
}

void MainWindow::showNewMessages() {
    if (m_messagesShown == m_form.pendingMessages().size())
        return;
    while (m_messagesShown < m_form.pendingMessages().size()) {
        const QString text = fromUtf8(m_form.pendingMessages()[m_messagesShown++]);
        QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), text, QMessageBox::Ok,
                        this);
        box.button(QMessageBox::Ok)->setIcon(QIcon());  // a plain OK, as in every other box
        m_shown.push_back({box.windowTitle(), box.text(), box.icon(), box.standardButtons()});
        if (m_options.autoAcceptMessages)
            QTimer::singleShot(0, &box, [&box] { box.done(QMessageBox::Ok); });
        box.exec();
    }
    // Without a window manager nothing gives the keyboard back to the window once the box
    // is gone; and the model may have put the focus elsewhere meanwhile.
    activateWindow();
    const QScopedValueRollback<bool> guard(m_mirroring, true);
    mirrorFocus();
}

// --- Closing --------------------------------------------------------------------------------

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closing, Quit and EXIT all come here; the window stays when the user cancels, and so
    // does the model, which EXIT has already marked closed.
    if (!settleUnsavedChanges()) {
        m_form.state().keepOpen();
        event->ignore();
        return;
    }
    writeDump();
    event->accept();
}

void MainWindow::writeDump() {
    if (m_dumpWritten || m_options.dumpPath.isEmpty())
        return;
    m_dumpWritten = true;
    QFile file(m_options.dumpPath);
    const std::string dump = stateDump(m_form.state(), m_form.pendingMessages()) + '\n';
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(dump.data(), qint64(dump.size())) != qint64(dump.size())) {
        std::fprintf(stderr, "curtainwall: cannot write %s\n",
                     QFile::encodeName(m_options.dumpPath).constData());
    }
}

}  // namespace cw::gui
