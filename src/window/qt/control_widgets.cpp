#include "window/qt/control_widgets.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextLayout>

namespace cw::gui {

bool isUserFocusReason(Qt::FocusReason reason) {
    return reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
           reason == Qt::BacktabFocusReason;
}

void KeyStrokes::pressed(const QKeyEvent& event) {
    if (!event.isAutoRepeat())
        m_down.insert(event.key());
}

bool KeyStrokes::released(const QKeyEvent& event) {
    // A held key repeats its press but is released once, as the handlers expect.
    if (event.isAutoRepeat())
        return false;
    return m_down.remove(event.key());
}

// --- ControlLineEdit ------------------------------------------------------------------------

ControlLineEdit::ControlLineEdit(ControlId id, ControlEvents& events, QWidget* parent)
    : QLineEdit(parent), m_id(id), m_events(events) {
    connect(this, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_events.userEditedText(m_id, text); });
}

void ControlLineEdit::showAsValue() {
    // QLineEdit keeps 2 pixels left and right and 1 above its text; a caption label keeps
    // none, and the value belongs on the caption's line.
    setTextMargins(-2, -1, -2, 0);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_baseFont = font();
    connect(this, &QLineEdit::textChanged, this, [this] { condenseToFit(); });
}

void ControlLineEdit::condenseToFit() {
    // The boxes were sized for MS Sans Serif, whose digits are a pixel narrower; "12,5" in
    // a 17-pixel box must still read 12,5 and not 12,.
    const int available = contentsRect().width() - textMargins().left() - textMargins().right() - 4;
    QFont fitted = m_baseFont;
    for (int stretch = m_baseFont.stretch(); stretch >= 70; stretch -= 5) {
        fitted.setStretch(stretch);
        if (QFontMetrics(fitted).horizontalAdvance(text()) <= available)
            break;
    }
    if (fitted != font())
        setFont(fitted);
}

bool ControlLineEdit::event(QEvent* event) {
    // Undo and Redo are the window's, over the whole bay: the field's own undo would change
    // its text behind the model's back.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
            (key->modifiers() == Qt::ControlModifier && key->key() == Qt::Key_Y)) {
            event->ignore();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void ControlLineEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // A field reached by Tab (Qt's own), Enter or a click holds its whole text selected, so
    // that typing replaces the value as the handlers expect; a click selects on release,
    // which leaves a drag free to select part of it.
    if (event->reason() == Qt::OtherFocusReason)
        selectAll();
    m_selectOnRelease = event->reason() == Qt::MouseFocusReason;
    if (isUserFocusReason(event->reason()))
        m_events.userFocused(m_id);
}

void ControlLineEdit::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (m_selectOnRelease && !hasSelectedText())
        selectAll();
    m_selectOnRelease = false;
}

void ControlLineEdit::focusOutEvent(QFocusEvent* event) {
    m_keys.clear();
    QLineEdit::focusOutEvent(event);
}

void ControlLineEdit::keyPressEvent(QKeyEvent* event) {
    m_keys.pressed(*event);
    QLineEdit::keyPressEvent(event);
}

void ControlLineEdit::keyReleaseEvent(QKeyEvent* event) {
    QLineEdit::keyReleaseEvent(event);
    // Accepted either way, so that the window does not take the same release a second time.
    event->accept();
    if (m_keys.released(*event))
        m_events.userReleasedKey(m_id, event->key());
}

// --- ControlButton --------------------------------------------------------------------------

ControlButton::ControlButton(ControlId id, ControlEvents& events, QWidget* parent)
    : QPushButton(parent), m_id(id), m_events(events) {
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this] { m_events.userClicked(m_id); });
}

void ControlButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    const QRect inner = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (!icon().isNull()) {
        const QPixmap pixmap = icon().pixmap(iconSize(), devicePixelRatioF());
        QRect target(QPoint(), iconSize());
        target.moveCenter(rect().center());
        painter.drawPixmap(target, pixmap);
        return;
    }
    // Captions longer than the button wrap onto a second line, centred.
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(inner, Qt::AlignCenter | Qt::TextWordWrap, text());
}

void ControlButton::focusInEvent(QFocusEvent* event) {
    QPushButton::focusInEvent(event);
    if (isUserFocusReason(event->reason()))
        m_events.userFocused(m_id);
}

void ControlButton::focusOutEvent(QFocusEvent* event) {
    m_keys.clear();
    QPushButton::focusOutEvent(event);
}

void ControlButton::keyPressEvent(QKeyEvent* event) {
    m_keys.pressed(*event);
    event->accept();
}

void ControlButton::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
    if (!m_keys.released(*event))
        return;
    if (event->key() == Qt::Key_Space)
        m_events.userClicked(m_id);
    else
        m_events.userReleasedKey(m_id, event->key());
}

// --- ControlOption --------------------------------------------------------------------------

ControlOption::ControlOption(ControlId id, ControlEvents& events, QWidget* parent)
    : QRadioButton(parent), m_id(id), m_events(events) {
    setAutoExclusive(false);
    connect(this, &QRadioButton::clicked, this, [this] { m_events.userClicked(m_id); });
}

void ControlOption::focusInEvent(QFocusEvent* event) {
    QRadioButton::focusInEvent(event);
    if (isUserFocusReason(event->reason()))
        m_events.userFocused(m_id);
}

void ControlOption::focusOutEvent(QFocusEvent* event) {
    m_keys.clear();
    QRadioButton::focusOutEvent(event);
}

void ControlOption::keyPressEvent(QKeyEvent* event) {
    event->accept();
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left: m_events.userSteppedOption(m_id, -1); return;
    case Qt::Key_Down:
    case Qt::Key_Right: m_events.userSteppedOption(m_id, +1); return;
    default: m_keys.pressed(*event); return;
    }
}

void ControlOption::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
    if (!m_keys.released(*event))
        return;
    if (event->key() == Qt::Key_Space)
        m_events.userClicked(m_id);
    else
        m_events.userReleasedKey(m_id, event->key());
}

// --- CaptionLabel ---------------------------------------------------------------------------

void CaptionLabel::setCovered(bool covered) {
    if (covered == m_covered)
        return;
    m_covered = covered;
    update();
}

void CaptionLabel::setCompact(bool compact) {
    if (compact == m_compact)
        return;
    m_compact = compact;
    update();
}

QString CaptionLabel::shownText() const {
    if (!m_compact)
        return text();
    static const QRegularExpression blanks(QStringLiteral(" {2,}"));
    QString shown = text();
    shown.replace(blanks, QStringLiteral(" "));
    return shown;
}

void CaptionLabel::paintEvent(QPaintEvent* event) {
    if (m_covered)
        return;
    if (text().isEmpty()) {
        QLabel::paintEvent(event);  // a border box: only its frame
        return;
    }
    QString shown = shownText();
    shown.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(shown, font());
    QTextOption option(alignment());
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    const QRect box = contentsRect();
    layout.beginLayout();
    qreal y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(box.width());
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();

    QPainter painter(this);
    painter.setClipRect(box);
    painter.setPen(palette().color(QPalette::WindowText));
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        // A line counts when its letters fit; a cut descender is fine, as in the original.
        if (i > 0 && line.y() + line.ascent() > box.height())
            break;
        line.draw(&painter, box.topLeft());
    }
}

// --- FocusMark ------------------------------------------------------------------------------

namespace {
constexpr int kMarkWidth = 2;
constexpr int kMarkGap = 1;
}  // namespace

FocusMark::FocusMark(QWidget* page) : QWidget(page) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void FocusMark::follow(QWidget* target) {
    m_target = target;
    if (!target || !target->isVisibleTo(parentWidget())) {
        hide();
        return;
    }
    const int margin = kMarkWidth + kMarkGap;
    const QRect box(target->mapTo(parentWidget(), QPoint(0, 0)), target->size());
    setGeometry(box.adjusted(-margin, -margin, margin, margin));
    raise();
    show();
    update();
}

void FocusMark::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QPen pen(palette().color(QPalette::Highlight), kMarkWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    const qreal half = kMarkWidth / 2.0;
    painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
}

// --- LineWidget -----------------------------------------------------------------------------

LineWidget::LineWidget(const QColor& colour, QWidget* parent) : QWidget(parent), m_colour(colour) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(m_colour, 1));
    const int y = height() / 2;
    painter.drawLine(0, y, width() - 1, y);
}

}  // namespace cw::gui
