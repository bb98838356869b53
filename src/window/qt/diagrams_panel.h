#pragma once

#include "input/form.h"
#include "model/used_inputs.h"
#include "report/bay_diagrams.h"
#include "report/figure.h"

#include <QDockWidget>
#include <QWidget>

#include <functional>
#include <optional>

class QAction;
class QComboBox;
class QLabel;
class QMainWindow;
class QMenu;

namespace cw::gui {

// The figure of the panel, scaled to its width; faded while it is out of date.
class FigureCanvas final : public QWidget {
public:
    explicit FigureCanvas(QWidget* parent);
    void setFigure(report::Figure figure, bool faded);
    const report::Figure& figure() const { return m_figure; }
    bool faded() const { return m_faded; }
    int heightForWidth(int width) const override;
    bool hasHeightForWidth() const override { return true; }
    QSize sizeHint() const override;
    // Told when the width changes, so that the figure is laid out again for it.
    std::function<void()> widthChanged;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    report::Figure m_figure;
    bool m_faded = false;
};

// View → Diagrams: moment, shear and deflection of the mullion of the run shown, beside the
// form. Drawn afresh after each run, from the bay's inputs run as the export's picture runs
// them; under limit states a combination of the run, or an axis of the checked transom, is
// chosen from a list, the governing combination first. Faded, with a note, while the inputs
// differ from the run's.
class DiagramsPanel final : public QDockWidget {
public:
    // Its menu View goes into the window's menu bar before `beforeMenu`.
    DiagramsPanel(QMainWindow& window, Form& form, QAction* beforeMenu);

    // After every event: new diagrams after a new run, the fading, the texts in `language`.
    void mirror(Language language);

    QMenu* viewMenu() const { return m_viewMenu; }
    QAction* toggleAction() const { return m_toggle; }
    QComboBox* combinations() const { return m_combinations; }
    QLabel* note() const { return m_note; }
    FigureCanvas* canvas() const { return m_canvas; }
    const report::BayDiagrams& diagrams() const { return m_diagrams; }
    // The figure's width in millimetres for the canvas's width in pixels: a millimetre of
    // the figure is a millimetre of the screen, so its labels are the size of the form's.
    double figureWidth_mm() const;
    // The set of `diagrams()` drawn: the combination chosen, else the first drawn.
    std::size_t chosenSet() const;

private:
    void redraw();

    Form& m_form;
    QMenu* m_viewMenu = nullptr;
    QAction* m_toggle = nullptr;
    QLabel* m_note = nullptr;
    QLabel* m_combinationLabel = nullptr;
    QComboBox* m_combinations = nullptr;
    FigureCanvas* m_canvas = nullptr;
    report::BayDiagrams m_diagrams;
    // The inputs of the run drawn; none before a run or after the panel was reset.
    std::optional<UsedInputs> m_drawnFor;
    Language m_language = Language::Greek;
    bool m_outOfDate = false;
    bool m_filling = false;
};

}  // namespace cw::gui
