#pragma once

#include "model/control_id.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QWidget>

class QFocusEvent;
class QKeyEvent;

namespace cw::gui {

// Where the widgets send what the user did. The widgets decide nothing themselves: the
// receiver hands each event to the model and then makes every widget mirror it.
class ControlEvents {
public:
    virtual void userClicked(ControlId id) = 0;
    virtual void userFocused(ControlId id) = 0;
    virtual void userReleasedKey(ControlId id, int qtKey) = 0;
    // The user changed a text box's text: typing, but also pasting with the mouse, which
    // raises no key event at all.
    virtual void userEditedText(ControlId id, const QString& text) = 0;
    // An arrow key on an option button: the next (+1) or previous (-1) option of its group
    // is chosen, as if it were clicked.
    virtual void userSteppedOption(ControlId id, int step) = 0;

protected:
    ~ControlEvents() = default;
};

// Tab, Backtab and a mouse click move the focus on the user's behalf; every other reason
// (window activation, a hidden widget passing it on, the mirror itself) does not.
bool isUserFocusReason(Qt::FocusReason reason);

// Remembers which keys went down on one widget. A release whose press went elsewhere, such
// as the Enter that closed a message box, is not a key stroke in this control.
class KeyStrokes {
public:
    void pressed(const QKeyEvent& event);
    bool released(const QKeyEvent& event);
    void clear() { m_down.clear(); }

private:
    QSet<int> m_down;
};

class ControlLineEdit final : public QLineEdit {
public:
    ControlLineEdit(ControlId id, ControlEvents& events, QWidget* parent);

    // A result field: aligned with the caption beside it, its text condensed (never made
    // smaller) when the substitute font is too wide for the box.
    void showAsValue();

protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void condenseToFit();

    ControlId m_id;
    ControlEvents& m_events;
    KeyStrokes m_keys;
    QFont m_baseFont;
    bool m_selectOnRelease = false;
};

// A command button: word-wrapped caption or a picture. Qt's own Space and Enter activation
// is switched off: Enter goes to the model as a key (which presses the button and may run a
// key handler), Space presses it as a click does.
class ControlButton final : public QPushButton {
public:
    ControlButton(ControlId id, ControlEvents& events, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    ControlId m_id;
    ControlEvents& m_events;
    KeyStrokes m_keys;
};

// An option button that never changes its own state: the model owns the selection. Space
// chooses it and the arrow keys choose its neighbours, each as a click.
class ControlOption final : public QRadioButton {
public:
    ControlOption(ControlId id, ControlEvents& events, QWidget* parent);

protected:
    void nextCheckState() override {}
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    ControlId m_id;
    ControlEvents& m_events;
    KeyStrokes m_keys;
};

// A caption: word-wrapped from the top left like the toolkit's labels, but a wrapped line
// that only partly fits the box is left out rather than shown as a row of stray pixels.
class CaptionLabel final : public QLabel {
public:
    explicit CaptionLabel(QWidget* parent) : QLabel(parent) {}

    // A Greek caption whose English twin shows is covered by it; where the twin's box is
    // smaller, nothing of the Greek text may peek out around it.
    void setCovered(bool covered);
    bool covered() const { return m_covered; }
    // Runs of blanks that aligned the caption for another font are drawn as one, so that the
    // caption is no wider than its words and the value beside it can follow closely.
    void setCompact(bool compact);
    // The text as drawn.
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_covered = false;
    bool m_compact = false;
};

// A ring drawn around the widget that has the keyboard focus, above every control, so that
// a keyboard user always sees where the focus is (the style's own focus marks are faint or,
// on the grey caption-like fields, missing).
class FocusMark final : public QWidget {
public:
    explicit FocusMark(QWidget* page);
    // Follows `target` (a widget on the page), or hides with none.
    void follow(QWidget* target);
    QWidget* target() const { return m_target; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* m_target = nullptr;
};

// The decorative line: one pixel of its colour along the middle of its box.
class LineWidget final : public QWidget {
public:
    LineWidget(const QColor& colour, QWidget* parent);
    QColor colour() const { return m_colour; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_colour;
};

}  // namespace cw::gui
