#include "window/qt/main_window.h"

#include "window/inventory.h"
#include "window/qt/key_codes.h"
#include "window/qt/widget_look.h"
#include "window/state_dump.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScopedValueRollback>
#include <QStyle>
#include <QSvgRenderer>
#include <QSvgWidget>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace cw::gui {

namespace {

bool takesFocus(ControlKind kind) {
    return kind == ControlKind::TextBox || kind == ControlKind::CommandButton ||
           kind == ControlKind::OptionButton;
}

void setColours(QWidget* w, QPalette::ColorRole back, QPalette::ColorRole fore,
                const ControlSpec& row) {
    QPalette palette = w->palette();
    const QPalette& system = QApplication::palette();
    palette.setColor(back, qtColour(row.backColour, system));
    palette.setColor(fore, qtColour(row.foreColour, system));
    w->setPalette(palette);
}

// A picture at the size its drawing was made for, scaled like the rest of the window.
QIcon flagIcon(std::string_view resource, qreal dpi, QSize* size) {
    QSvgRenderer renderer(pictureResource(resource));
    *size = renderer.defaultSize() * (dpi / 96.0);
    QPixmap pixmap(*size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return QIcon(pixmap);
}

}  // namespace

MainWindow::MainWindow(Form& form, WindowOptions options, QWidget* parent)
    : QWidget(parent), m_form(form), m_options(std::move(options)), m_dpi(screenDpi()) {
    setWindowTitle(fromUtf8(kWindowTitle));
    setFixedSize(toPixels(kClientWidthTwips, m_dpi), toPixels(kClientHeightTwips, m_dpi));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, qtColour(kWindowBackColour, palette));
    palette.setColor(QPalette::WindowText, qtColour(kWindowForeColour, palette));
    setPalette(palette);
    setAutoFillBackground(true);

    buildControls();
    stackControls();
    orderTabs();
    m_form.chooseWorkbook = [this] { return askForWorkbook(); };
    mirror();
}

MainWindow::~MainWindow() {
    m_form.chooseWorkbook = nullptr;
}

// --- Building ---------------------------------------------------------------------------

void MainWindow::buildControls() {
    // Window-level controls first, so that the frames exist before the options in them.
    for (const bool inFrame : {false, true}) {
        for (int i = 0; i < kControlCount; ++i) {
            const ControlSpec& s = inventory()[i];
            if (s.container.empty() == inFrame)
                continue;
            QWidget* parent = this;
            if (inFrame)
                parent = m_widgets[std::size_t(findControl(s.container))];
            m_widgets[std::size_t(i)] = buildControl(s, parent);
        }
    }
}

QWidget* MainWindow::buildControl(const ControlSpec& s, QWidget* parent) {
    QWidget* w = nullptr;
    QRect geometry = toPixels(s.rect, m_dpi);
    switch (s.kind) {
    case ControlKind::Label: {
        auto* label = new CaptionLabel(parent);
        label->setTextFormat(Qt::PlainText);  // captions such as "σ < σ max" are not markup
        label->setText(displayCaption(s.caption));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (s.border) {
            label->setFrameStyle(QFrame::Box | QFrame::Plain);
            label->setLineWidth(1);
        }
        label->setAutoFillBackground(!s.transparent);
        setColours(label, QPalette::Window, QPalette::WindowText, s);
        w = label;
        break;
    }
    case ControlKind::TextBox: {
        auto* edit = new ControlLineEdit(s.id, *this, parent);
        edit->setFrame(s.border);
        edit->setReadOnly(s.readOnly);
        setColours(edit, QPalette::Base, QPalette::Text, s);
        edit->setFont(controlFont(s.font));
        if (s.readOnly)
            edit->showAsValue();
        w = edit;
        break;
    }
    case ControlKind::CommandButton: {
        auto* button = new ControlButton(s.id, *this, parent);
        button->setText(fromUtf8(s.caption));
        if (!s.picture.empty()) {
            QSize size;
            button->setIcon(flagIcon(s.picture, m_dpi, &size));
            button->setIconSize(size);
        }
        setColours(button, QPalette::Button, QPalette::ButtonText, s);
        w = button;
        break;
    }
    case ControlKind::OptionButton: {
        auto* option = new ControlOption(s.id, *this, parent);
        // Only the round indicator: the text beside an option is a separate label.
        const int indicator =
            option->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, option);
        geometry.setWidth(std::min(geometry.width(), indicator));
        setColours(option, QPalette::Window, QPalette::WindowText, s);
        w = option;
        break;
    }
    case ControlKind::Frame: {
        auto* frame = new QFrame(parent);
        frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
        frame->setAutoFillBackground(true);
        setColours(frame, QPalette::Window, QPalette::WindowText, s);
        w = frame;
        break;
    }
    case ControlKind::Picture: {
        // QSvgWidget stretches its drawing to the whole box, as the pictures are meant to.
        w = new QSvgWidget(pictureResource(s.picture), parent);
        break;
    }
    case ControlKind::Line:
        w = new LineWidget(qtColour(s.foreColour, QApplication::palette()), parent);
        break;
    }
    w->setObjectName(fromUtf8(s.name));
    w->setGeometry(geometry);
    if (s.kind != ControlKind::TextBox)
        w->setFont(controlFont(s.font));
    if (!s.tooltip.empty())
        w->setToolTip(fromUtf8(s.tooltip));
    if (!takesFocus(s.kind))
        w->setFocusPolicy(Qt::NoFocus);
    return w;
}

void MainWindow::stackControls() {
    // raise() puts a widget on top of its siblings, so raising back to front leaves the
    // inventory order; the upper layer is raised last and so lies above the lower one.
    for (const bool upper : {false, true}) {
        for (int i = kControlCount - 1; i >= 0; --i)
            if (isUpperLayer(inventory()[i].kind) == upper)
                m_widgets[std::size_t(i)]->raise();
    }
}

void MainWindow::orderTabs() {
    std::vector<const ControlSpec*> chain;
    for (int i = 0; i < kControlCount; ++i)
        if (takesFocus(inventory()[i].kind))
            chain.push_back(&inventory()[i]);
    // Controls without a tab index follow the numbered ones, in inventory order.
    std::stable_sort(chain.begin(), chain.end(), [](const ControlSpec* a, const ControlSpec* b) {
        const bool aNumbered = a->tabIndex >= 0;
        const bool bNumbered = b->tabIndex >= 0;
        if (aNumbered != bNumbered)
            return aNumbered;
        return aNumbered && a->tabIndex < b->tabIndex;
    });
    for (std::size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(control(chain[i - 1]->id), control(chain[i]->id));
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
    if (s.kind == ControlKind::TextBox && !s.readOnly)
        m_form.setText(id, static_cast<QLineEdit*>(control(id))->text().toStdString());
    m_form.key(modelKeyCode(qtKey));
    afterEvent();
}

void MainWindow::userEditedText(ControlId id, const QString& text) {
    // Only the text changes: the handlers run on key releases, and a paste has none.
    if (!m_mirroring)
        m_form.setText(id, text.toStdString());
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // Keys reach the window itself only while the model's focus is on no visible control.
    if (hasFocus())
        m_keys.pressed(*event);
    QWidget::keyPressEvent(event);
}

void MainWindow::keyReleaseEvent(QKeyEvent* event) {
    if (!hasFocus() || !m_keys.released(*event) || m_mirroring) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    m_form.key(modelKeyCode(event->key()));
    afterEvent();
}

void MainWindow::afterEvent() {
    mirror();
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
    mirrorFocus();
}

// The stress and deflection rows state their verdict; a failed check shows in red.
void MainWindow::mirrorCaption(const ControlSpec& s, CaptionLabel* label) {
    const QString caption = displayCaption(m_form.caption(s.id));
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

std::optional<std::string> MainWindow::askForWorkbook() {
    QFileDialog dialog(this, QStringLiteral("Print in Excel"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The report form is usually an existing workbook that is filled in, not replaced.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilter(QStringLiteral("Excel workbook (*.xlsx)"));
    dialog.setDefaultSuffix(QStringLiteral("xlsx"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
}

// --- Closing --------------------------------------------------------------------------------

void MainWindow::closeEvent(QCloseEvent* event) {
    writeDump();
    event->accept();
}

void MainWindow::writeDump() {
    if (m_dumpWritten || m_options.dumpPath.isEmpty())
        return;
    m_dumpWritten = true;
    QFile file(m_options.dumpPath);
    const std::string dump = stateDump(m_form, m_form.pendingMessages()) + '\n';
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(dump.data(), qint64(dump.size())) != qint64(dump.size())) {
        std::fprintf(stderr, "curtainwall: cannot write %s\n",
                     QFile::encodeName(m_options.dumpPath).constData());
    }
}

}  // namespace cw::gui
