#include "window/qt/question_box.h"

#include <QPushButton>

namespace cw::gui {

bool askWithTwoButtons(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                       const QString& text, const QString& accept, const QString& reject,
                       bool acceptIsDefault) {
    QMessageBox box(icon, title, text, QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(accept, QMessageBox::AcceptRole);
    QPushButton* no = box.addButton(reject, QMessageBox::RejectRole);
    box.setDefaultButton(acceptIsDefault ? yes : no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

}  // namespace cw::gui
