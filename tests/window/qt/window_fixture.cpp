#include "window_fixture.h"

#include <QLineEdit>

namespace cw::gui::test {

void clickOn(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

void typeInto(QWidget* w, const QString& text) {
    clickOn(w);
    // The typed text replaces the whole field, as a user typing over a selection.
    static_cast<QLineEdit*>(w)->selectAll();
    if (text.isEmpty())
        QTest::keyClick(w, Qt::Key_Delete);
    else
        QTest::keyClicks(w, text);
}

void pressKey(QWidget* window, Qt::Key key) {
    // After a message box the window takes the keyboard back asynchronously.
    if (!QTest::qWaitForWindowActive(window))
        ADD_FAILURE() << "the window did not get the keyboard back";
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window, key);
}

}  // namespace cw::gui::test
