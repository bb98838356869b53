#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace cw::gui {

// A question with two buttons of our own texts (Qt's standard ones would speak English under
// a Greek sentence); true when the first was pressed. Escape always means the second.
bool askWithTwoButtons(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                       const QString& text, const QString& accept, const QString& reject,
                       bool acceptIsDefault);

}  // namespace cw::gui
