#pragma once

#include "window/inventory.h"
#include "window/qt/control_widgets.h"
#include "window/window_model.h"

#include <QMessageBox>
#include <QString>
#include <QWidget>

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace cw::gui {

struct WindowOptions {
    // Where the state dump goes when the window closes; empty for none.
    QString dumpPath;
    // Every message box is closed with OK as soon as it is shown (tests run unattended).
    bool autoAcceptMessages = false;
};

// What a message box looked like, for the record.
struct ShownMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// The program's one window. Every widget is built from the inventory; every user event goes
// to the Form, after which all widgets are brought in line with it. The window holds no
// state of its own that the model does not hold.
class MainWindow final : public QWidget, private ControlEvents {
public:
    explicit MainWindow(Form& form, WindowOptions options = {}, QWidget* parent = nullptr);
    ~MainWindow() override;

    QWidget* control(ControlId id) const { return m_widgets[std::size_t(id)]; }
    Form& form() const { return m_form; }
    qreal dpi() const { return m_dpi; }
    const std::vector<ShownMessage>& shownMessages() const { return m_shown; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void userClicked(ControlId id) override;
    void userFocused(ControlId id) override;
    void userReleasedKey(ControlId id, int qtKey) override;
    void userEditedText(ControlId id, const QString& text) override;

    void buildControls();
    QWidget* buildControl(const ControlSpec& row, QWidget* parent);
    void stackControls();
    void orderTabs();

    void afterEvent();
    void mirror();
    void mirrorFocus();
    void mirrorCaption(const ControlSpec& s, CaptionLabel* label);
    void showNewMessages();
    std::optional<std::string> askForWorkbook();
    void writeDump();

    Form& m_form;
    WindowOptions m_options;
    qreal m_dpi;
    std::array<QWidget*, kControlCount> m_widgets{};
    KeyStrokes m_keys;
    std::vector<ShownMessage> m_shown;
    std::size_t m_messagesShown = 0;
    // Set while widgets are being changed to match the model, so that Qt's reactions to
    // those changes (focus passed on from a hidden widget) are not taken for the user's.
    bool m_mirroring = false;
    bool m_dumpWritten = false;
};

}  // namespace cw::gui
