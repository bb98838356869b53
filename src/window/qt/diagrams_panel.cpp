#include "window/qt/diagrams_panel.h"

#include "bay/limit_state_texts.h"
#include "model/window_document.h"
#include "text/messages.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScopedValueRollback>
#include <QVBoxLayout>

#include <cmath>

namespace cw::gui {

namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

constexpr int kMarginPx = 6;

}  // namespace

// --- The canvas ---------------------------------------------------------------------------

FigureCanvas::FigureCanvas(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("diagramsCanvas"));
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void FigureCanvas::setFigure(report::Figure figure, bool faded) {
    m_figure = std::move(figure);
    m_faded = faded;
    updateGeometry();
    update();
}

int FigureCanvas::heightForWidth(int width) const {
    if (!(m_figure.size.width() > 0.0))
        return 0;
    const double inner = width - 2 * kMarginPx;
    return int(std::ceil(inner * m_figure.size.height() / m_figure.size.width())) + 2 * kMarginPx;
}

QSize FigureCanvas::sizeHint() const {
    return {300, heightForWidth(300)};
}

void FigureCanvas::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (!(m_figure.size.width() > 0.0))
        return;
    // Out of date: still there to compare with, but plainly not the inputs' any more.
    if (m_faded)
        p.setOpacity(0.3);
    const QRectF target(kMarginPx, kMarginPx, width() - 2 * kMarginPx,
                        height() - 2 * kMarginPx);
    report::paintFigure(p, m_figure, target);
}

void FigureCanvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (event->oldSize().width() != width() && widthChanged)
        widthChanged();
}

// --- The panel ----------------------------------------------------------------------------

DiagramsPanel::DiagramsPanel(QMainWindow& window, Form& form, QAction* beforeMenu)
    : QDockWidget(&window), m_form(form) {
    setObjectName(QStringLiteral("diagramsPanel"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);

    auto* body = new QWidget;
    auto* column = new QVBoxLayout(body);
    column->setContentsMargins(4, 4, 4, 4);
    m_note = new QLabel;
    m_note->setObjectName(QStringLiteral("diagramsNote"));
    m_note->setWordWrap(true);
    m_note->setTextFormat(Qt::PlainText);
    column->addWidget(m_note);

    auto* row = new QHBoxLayout;
    m_combinationLabel = new QLabel;
    m_combinationLabel->setObjectName(QStringLiteral("diagramsCombinationLabel"));
    m_combinations = new QComboBox;
    m_combinations->setObjectName(QStringLiteral("diagramsCombination"));
    m_combinations->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_combinationLabel->setBuddy(m_combinations);
    row->addWidget(m_combinationLabel);
    row->addWidget(m_combinations, 1);
    column->addLayout(row);

    m_canvas = new FigureCanvas(body);
    // The labels keep their size: the figure is laid out again for the new width.
    m_canvas->widthChanged = [this] {
        if (!m_diagrams.cases.empty())
            redraw();
    };
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("diagramsScrollArea"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    // Not a stop of the form's Tab chain: it holds nothing to type into.
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(m_canvas);
    column->addWidget(scroll, 1);
    setWidget(body);

    connect(m_combinations, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_filling)
            redraw();
    });

    m_toggle = toggleViewAction();
    m_toggle->setObjectName(QStringLiteral("diagramsAction"));
    m_toggle->setShortcut(QKeySequence(Qt::Key_F8));
    m_viewMenu = new QMenu(&window);
    m_viewMenu->setObjectName(QStringLiteral("viewMenu"));
    m_viewMenu->addAction(m_toggle);
    window.menuBar()->insertMenu(beforeMenu, m_viewMenu);
    window.addDockWidget(Qt::RightDockWidgetArea, this);
}

double DiagramsPanel::figureWidth_mm() const {
    const double px = std::max(m_canvas->width() - 2 * kMarginPx, 200);
    return px * 25.4 / m_canvas->logicalDpiX();
}

std::size_t DiagramsPanel::chosenSet() const {
    const int at = m_combinations->currentIndex();
    return at < 0 ? m_diagrams.governing : std::size_t(at);
}

void DiagramsPanel::mirror(Language language) {
    const WindowState& w = m_form.state();
    bool changed = language != m_language || m_viewMenu->title().isEmpty();
    m_language = language;
    if (changed) {
        m_viewMenu->setTitle(qs(say(Message::MenuView, language)));
        m_toggle->setText(qs(say(Message::DiagramsTab, language)));
        // The transom's entries are words, in the language shown.
        for (std::size_t k = 0; k < m_diagrams.cases.size(); ++k)
            if (m_diagrams.cases[k].transom && int(k) < m_combinations->count())
                m_combinations->setItemText(
                    int(k), qs(report::loadCaseName(m_diagrams.cases[k], w.factors,
                                                    language, w.numberFormat())));
    }

    // A new run: its diagrams replace the last ones; a run that showed nothing clears them.
    if (!w.shownRun) {
        if (m_drawnFor || !m_diagrams.cases.empty()) {
            m_drawnFor.reset();
            m_diagrams = {};
            changed = true;
        }
    } else if (resultsCurrent(w) && (!m_drawnFor || !(*m_drawnFor == *w.lastRun))) {
        m_drawnFor = w.lastRun;
        m_diagrams = report::bayDiagrams(documentOf(w), w.numberFormat(),
                                         w.userCatalogue ? w.userCatalogue->catalogue.get()
                                                         : nullptr);
        changed = true;
        const QScopedValueRollback<bool> guard(m_filling, true);
        m_combinations->clear();
        for (const report::LoadCaseDiagrams& set : m_diagrams.cases)
            if (set.combination || set.transom)
                m_combinations->addItem(
                    qs(report::loadCaseName(set, w.factors, language, w.numberFormat())));
        m_combinations->setCurrentIndex(m_combinations->count() > 0 ? int(m_diagrams.governing)
                                                                    : -1);
    }
    const bool outOfDate = m_drawnFor && !resultsCurrent(w);
    if (outOfDate != m_outOfDate) {
        m_outOfDate = outOfDate;
        changed = true;
    }
    if (changed)
        redraw();
}

void DiagramsPanel::redraw() {
    setWindowTitle(qs(say(Message::DiagramsTab, m_language)));
    m_combinationLabel->setText(qs(say(Message::DiagramsCombination, m_language)));
    const bool combinations = m_combinations->count() > 0;
    m_combinationLabel->setVisible(combinations);
    m_combinations->setVisible(combinations);

    QString note;
    if (m_diagrams.cases.empty())
        note = qs(say(Message::DiagramsNothingYet, m_language));
    else if (m_outOfDate)
        note = qs(say(Message::DiagramsOutOfDate, m_language));
    else if (const std::size_t set = chosenSet();
             set < m_diagrams.cases.size() && m_diagrams.cases[set].transom)
        note = qs(report::transomBasisText(m_diagrams.cases[set], m_language,
                                           m_form.state().numberFormat()));
    else if (!combinations) {
        const report::DiagramInput& input = m_diagrams.cases.front().input;
        note = qs(say(Message::DiagramsAllowableBasis, m_language,
                      {fixedText(input.q_kNm, m_form.state().numberFormat())}));
        // The checks' formulas are the beam's exact extremes for one span only: say so where
        // the two differ, as the report does.
        if (input.beam.system != StaticSystem::OneSpan)
            note += QLatin1Char('\n') + qs(say(Message::DiagramChecksNote, m_language));
        if (!input.hasDeflection)
            note += QLatin1Char('\n') + qs(say(Message::DiagramNoDeflection, m_language));
    }
    m_note->setText(note);
    m_note->setVisible(!note.isEmpty());
    // The out-of-date note in the grey of the results it goes with.
    QPalette palette = m_note->palette();
    palette.setColor(QPalette::WindowText, m_outOfDate ? QColor(0x60, 0x60, 0x60)
                                                       : palette.color(QPalette::Text));
    m_note->setPalette(palette);

    m_canvas->setFigure(report::bayDiagramFigure(m_diagrams, chosenSet(), m_language,
                                                 m_form.state().numberFormat(), figureWidth_mm()),
                        m_outOfDate);
}


}  // namespace cw::gui
