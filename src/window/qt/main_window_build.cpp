// Building the window: one widget a control of the inventory, stacked and chained as the
// inventory says.

#include "window/qt/main_window.h"

#include "model/inventory.h"
#include "window/qt/form_layout.h"
#include "window/qt/widget_look.h"

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

// A picture at the size its drawing was made for, scaled like the rest of the window, and
// drawn for the screen's device pixels so that it stays sharp on a high-density screen.
QIcon flagIcon(std::string_view resource, qreal dpi, qreal deviceRatio, QSize* size) {
    QSvgRenderer renderer(pictureResource(resource));
    *size = renderer.defaultSize() * (dpi / 96.0);
    QPixmap pixmap(*size * deviceRatio);
    pixmap.setDevicePixelRatio(deviceRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(*size)));
    return QIcon(pixmap);
}

}  // namespace

// --- Building ---------------------------------------------------------------------------

void MainWindow::buildControls() {
    // Window-level controls first, so that the frames exist before the options in them.
    for (const bool inFrame : {false, true}) {
        for (int i = 0; i < kControlCount; ++i) {
            const ControlSpec& s = inventory()[i];
            if (s.container.empty() == inFrame)
                continue;
            QWidget* parent = m_page;
            if (inFrame)
                parent = m_widgets[std::size_t(findControl(s.container))];
            m_widgets[std::size_t(i)] = buildControl(s, parent);
        }
    }
}

QWidget* MainWindow::buildControl(const ControlSpec& s, QWidget* parent) {
    QWidget* w = nullptr;
    QRect geometry = placedRect(s, m_dpi);
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
            button->setIcon(flagIcon(s.picture, m_dpi, devicePixelRatioF(), &size));
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
    if (!takesFocus(s.kind))
        w->setFocusPolicy(Qt::NoFocus);
    else if (s.readOnly || s.captionOnly)
        w->setFocusPolicy(Qt::ClickFocus);  // a click still focuses; Tab passes them by
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
    // The Site wind button, outside the inventory, between the wind buttons it stands beside.
    QWidget::setTabOrder(control(ControlId::Command4), m_standards->siteWindButton());
    QWidget::setTabOrder(m_standards->siteWindButton(), control(ControlId::Command2));
}

}  // namespace cw::gui
