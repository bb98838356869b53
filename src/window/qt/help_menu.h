#pragma once

#include "text/language.h"

#include <QObject>
#include <QString>

#include <utility>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;

namespace cw::gui {

// Help → User guide (F1), Keyboard shortcuts, About: each opens a window of its own, in the
// language showing.
class HelpMenu final : public QObject {
public:
    HelpMenu(QMainWindow* window, QMenu* help);

    QAction* guideAction() const { return m_guide; }
    QAction* shortcutsAction() const { return m_shortcuts; }
    QAction* aboutAction() const { return m_about; }

    void mirror(Language language);
    void showGuide();
    void showShortcuts();
    void showAbout();

    // Every key the window answers to, with what it does: the menus' shortcuts, read from
    // the window's actions so that none is left out, then the keys of the form itself.
    std::vector<std::pair<QString, QString>> shortcuts() const;

private:
    QMainWindow* m_window;
    QAction* m_guide = nullptr;
    QAction* m_shortcuts = nullptr;
    QAction* m_about = nullptr;
    Language m_language = Language::Greek;
};

// The user guide as shipped: Markdown whose pictures lie under images/ beside it.
QString userGuideMarkdown();
// The heading of the guide's Greek part, where F1 opens with the Greek captions showing.
inline constexpr const char* kGuideGreekHeading = "Οδηγός χρήσης στα ελληνικά";

}  // namespace cw::gui
