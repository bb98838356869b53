#pragma once

#include "input/design_basis.h"
#include "input/form.h"

#include <QObject>

#include <functional>
#include <optional>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;
class QWidget;

namespace cw::gui {

// Standards → Design basis (allowable stress or limit states), the alloy and the mullion's
// hanging of the limit-state basis, and the "Limit-state checks" dialog of the run shown.
// All act on the Form; the window mirrors it afterwards through `afterEvent`.
class LimitStateControls final : public QObject {
public:
    LimitStateControls(QMainWindow& window, QMenu& standards, Form& form,
                       std::function<void()> afterEvent);

    // Texts in the language showing, and the choices the model holds.
    void mirror(Language language);
    // The checks of the run shown, in the language showing.
    void showChecks();
    // The limit-state inputs (s_k, the factors) until OK takes them or Cancel.
    void askInputs();
    // The dialog: the texts shown in, the texts on OK out; nothing on Cancel. Replaceable, so
    // that a test answers for the user.
    std::function<std::optional<LimitStateInputTexts>(QWidget*, const LimitStateInputTexts&,
                                                      bool sloped, Language)>
        ask;

    QAction* allowable() const { return m_allowable; }
    QAction* limitStates() const { return m_limitStates; }
    QAction* checksAction() const { return m_checks; }
    QAction* inputsAction() const { return m_inputs; }
    const std::vector<QAction*>& alloyActions() const { return m_alloys; }

private:
    QMainWindow& m_window;
    Form& m_form;
    std::function<void()> m_afterEvent;
    QMenu* m_basisMenu = nullptr;
    QMenu* m_alloyMenu = nullptr;
    QAction* m_allowable = nullptr;
    QAction* m_limitStates = nullptr;
    QAction* m_hungFromTop = nullptr;
    QAction* m_standingOnBase = nullptr;
    QAction* m_checks = nullptr;
    QAction* m_inputs = nullptr;
    std::vector<QAction*> m_alloys;
};

}  // namespace cw::gui
