#pragma once

// A picture as data: lines, filled areas and labels with the boxes they take, in hundredths
// of a millimetre. Built first and painted after, so that a test can check where every label
// sits against every line without painting anything.

#include <QColor>
#include <QLineF>
#include <QPolygonF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <optional>
#include <string>
#include <vector>

class QPainter;

namespace cw::report {

inline constexpr double kFigureUnitsPerMm = 100.0;

struct FigureLine {
    QLineF line;
    QColor colour = Qt::black;
    double width = 20.0;
};

// A polyline (open) or a filled area (closed), each edge a drawn segment.
struct FigurePath {
    QPolygonF points;
    bool closed = false;
    QColor stroke = Qt::black;
    QColor fill = Qt::transparent;
    double width = 20.0;
};

struct FigureLabel {
    QString text;
    QRectF box;  // where the text is written: its advance by the font's line height
    double em = 282.0;  // the font's pixel size in figure units
    bool bold = false;
    QColor colour = Qt::black;
};

struct Figure {
    QSizeF size;
    std::vector<FigureLine> lines;
    std::vector<FigurePath> paths;
    std::vector<FigureLabel> labels;

    // Every drawn segment: the lines and the edges of the paths.
    std::vector<QLineF> segments() const;
};

// A label's box for a text of that font size, its top left at `topLeft`.
QRectF labelBox(const QString& text, double em, bool bold, QPointF topLeft);
FigureLabel makeLabel(const QString& text, double em, QPointF topLeft, bool bold = false,
                      QColor colour = Qt::black);

// Whether the segment passes through the box (its inside or its edge).
bool segmentMeetsBox(const QLineF& segment, const QRectF& box);

// Writes labels where their box meets no drawn segment of the figure and no label written
// before, inside the figure: at the wish if it is clear, else the nearest clear place along
// one direction, else in rows added under the figure (by `spill`). The lines come first.
class LabelPlacer {
public:
    LabelPlacer(Figure& figure, double em, double clearance = 40.0, double step = 40.0);
    void place(const QString& text, QPointF wish, bool vertical, QColor colour = Qt::black);
    void spill(double margin);

private:
    bool clear(const QRectF& box) const;

    Figure& m_figure;
    double m_em;
    double m_clearance;
    double m_step;
    std::vector<QLineF> m_segments;
    std::vector<std::pair<QString, QColor>> m_spill;
};

// The figure scaled into `target` (the width fits, the aspect kept), top left at its corner.
void paintFigure(QPainter& p, const Figure& figure, const QRectF& target);

// The figure as an SVG file at its own size; nothing on success, otherwise the path.
std::optional<std::string> writeFigureSvg(const Figure& figure, const QString& path,
                                          const QString& title);

}  // namespace cw::report
