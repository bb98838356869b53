#pragma once

#include "input/form.h"

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class QAction;
class QComboBox;
class QMainWindow;
class QMenu;
class QWidget;

namespace cw::gui {

// User catalogue files in the window: File → Catalogues… (the list of the catalogues opened,
// remembered from one run of the program to the next and checked again at start) and, in the series
// group, a combo box whose choice acts as the series option of the catalogue's use would. Outside
// the inventory: the model knows only the catalogue chosen.
class CatalogueControls final : public QObject {
public:
    CatalogueControls(QMainWindow& window, QWidget& page, qreal dpi, Form& form, QMenu& fileMenu,
                      std::function<void()> afterEvent);

    // Texts in the language showing, and the choice the model holds.
    void mirror(Language language);
    // The list dialog of File → Catalogues….
    void openDialog();
    // The remembered catalogues read again; a file changed or missing is said in a message.
    void checkRemembered();
    // Reads a catalogue file into the list; a refused file shows its one message. The index
    // in the list, or -1.
    int addFile(const QString& path);
    // Chooses the list's entry (-1: back to the series options), as the combo box does.
    void choose(int index);

    QAction* action() const { return m_action; }
    QComboBox* combo() const { return m_combo; }
    std::size_t count() const { return m_entries.size(); }

private:
    struct Entry {
        ChosenCatalogue chosen;
        int mullions = 0;
        int transoms = 0;
    };
    void remember() const;
    void fillCombo(Language language);

    QMainWindow& m_window;
    Form& m_form;
    std::function<void()> m_afterEvent;
    QAction* m_action = nullptr;
    QComboBox* m_combo = nullptr;
    std::vector<Entry> m_entries;
    bool m_filling = false;
};

}  // namespace cw::gui
