#pragma once

#include "input/form.h"
#include "input/site_wind.h"

#include <QObject>

#include <functional>
#include <optional>

class QAction;
class QMainWindow;
class QMenu;
class QPushButton;
class QWidget;

namespace cw::gui {

// The entries of the Site wind dialog as the user leaves them, or nothing when cancelled.
using AskSiteWind = std::function<std::optional<SiteWindTexts>(
    QWidget* parent, const SiteWindTexts& shown, Language language)>;

// The deflection criterion (a Standards menu) and the wind pressure of a site (a button beside
// the wind buttons and a menu item opening the Site wind dialog). Both act on the Form; the
// window mirrors it afterwards through `afterEvent`.
class StandardsControls final : public QObject {
public:
    StandardsControls(QMainWindow& window, QWidget& page, qreal dpi, Form& form,
                      std::function<void()> afterEvent);

    // Texts in the language showing, and the criterion the model holds.
    void mirror(Language language);
    // Opens the Site wind dialog and applies it; a refused entry opens it again as it was.
    void askSiteWind();

    QMenu* menu() const { return m_menu; }
    QAction* criterion2003() const { return m_2003; }
    QAction* criterion2015() const { return m_2015; }
    QAction* siteWindAction() const { return m_siteWindAction; }
    QPushButton* siteWindButton() const { return m_button; }
    // The dialog; tests put a double in.
    AskSiteWind ask;

private:
    QMainWindow& m_window;
    Form& m_form;
    std::function<void()> m_afterEvent;
    QMenu* m_menu = nullptr;
    QAction* m_2003 = nullptr;
    QAction* m_2015 = nullptr;
    QAction* m_siteWindAction = nullptr;
    QPushButton* m_button = nullptr;
};

// The real dialog.
std::optional<SiteWindTexts> siteWindDialog(QWidget* parent, const SiteWindTexts& shown,
                                            Language language, const NumberFormat& fmt);

}  // namespace cw::gui
