#include "report/figure.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace cw::report {

namespace {

const QString kFamily = QStringLiteral("DejaVu Sans");

// Pixel sizes are whole numbers; in hundredths of a millimetre that is fine enough.
QFont figureFont(double em, bool bold) {
    QFont f(kFamily);
    f.setStyleStrategy(QFont::PreferNoShaping);
    f.setPixelSize(std::max(1, int(std::lround(em))));
    f.setBold(bold);
    return f;
}

}  // namespace

std::vector<QLineF> Figure::segments() const {
    std::vector<QLineF> out;
    for (const FigureLine& l : lines)
        out.push_back(l.line);
    for (const FigurePath& path : paths) {
        const qsizetype n = path.points.size();
        for (qsizetype i = 0; i + 1 < n; ++i)
            out.emplace_back(path.points[i], path.points[i + 1]);
        if (path.closed && n > 2)
            out.emplace_back(path.points[n - 1], path.points[0]);
    }
    return out;
}

QRectF labelBox(const QString& text, double em, bool bold, QPointF topLeft) {
    const QFontMetricsF fm(figureFont(em, bold));
    return QRectF(topLeft, QSizeF(fm.horizontalAdvance(text), fm.height()));
}

FigureLabel makeLabel(const QString& text, double em, QPointF topLeft, bool bold, QColor colour) {
    FigureLabel l;
    l.text = text;
    l.em = em;
    l.bold = bold;
    l.colour = colour;
    l.box = labelBox(text, em, bold, topLeft);
    return l;
}

// Liang-Barsky: clip the segment's parameter range against the four sides.
bool segmentMeetsBox(const QLineF& s, const QRectF& box) {
    const double dx = s.dx();
    const double dy = s.dy();
    double t0 = 0.0;
    double t1 = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {s.x1() - box.left(), box.right() - s.x1(), s.y1() - box.top(),
                         box.bottom() - s.y1()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    return true;
}

LabelPlacer::LabelPlacer(Figure& figure, double em, double clearance, double step)
    : m_figure(figure), m_em(em), m_clearance(clearance), m_step(step) {}

void LabelPlacer::place(const QString& text, QPointF wish, bool vertical, QColor colour) {
    const QRectF box = labelBox(text, m_em, false, wish);
    if (m_segments.empty())
        m_segments = m_figure.segments();
    const double reach = vertical ? m_figure.size.height() : m_figure.size.width();
    for (int k = 0; k * m_step <= reach; ++k) {
        for (int sign : {1, -1}) {
            const double d = sign * k * m_step;
            const QRectF moved = box.translated(vertical ? QPointF(0.0, d) : QPointF(d, 0.0));
            if (clear(moved)) {
                m_figure.labels.push_back(makeLabel(text, m_em, moved.topLeft(), false, colour));
                return;
            }
            if (k == 0)
                break;
        }
    }
    m_spill.emplace_back(text, colour);
}

void LabelPlacer::spill(double margin) {
    const double h = labelBox(QStringLiteral("Mg"), m_em, false, {}).height();
    const double gap = m_clearance * 2.5;
    double x = margin;
    double y = m_figure.size.height();
    if (!m_spill.empty())
        m_figure.size.setHeight(y + h + gap);
    for (const auto& [text, colour] : m_spill) {
        QRectF box = labelBox(text, m_em, false, QPointF(x, y));
        if (box.right() > m_figure.size.width() - margin && x > margin) {
            x = margin;
            y = m_figure.size.height();
            m_figure.size.setHeight(y + h + gap);
            box.moveTopLeft(QPointF(x, y));
        }
        m_figure.labels.push_back(makeLabel(text, m_em, box.topLeft(), false, colour));
        x = box.right() + 3.0 * gap;
    }
    m_spill.clear();
}

bool LabelPlacer::clear(const QRectF& box) const {
    if (!QRectF(QPointF(0.0, 0.0), m_figure.size).contains(box))
        return false;
    const QRectF padded = box.adjusted(-m_clearance, -m_clearance, m_clearance, m_clearance);
    for (const QLineF& s : m_segments)
        if (segmentMeetsBox(s, padded))
            return false;
    for (const FigureLabel& l : m_figure.labels)
        if (l.box.intersects(padded))
            return false;
    return true;
}

void paintFigure(QPainter& p, const Figure& figure, const QRectF& target) {
    if (!(figure.size.width() > 0.0))
        return;
    const double s = std::min(target.width() / figure.size.width(),
                              target.height() / figure.size.height());
    p.save();
    p.translate(target.topLeft());
    p.scale(s, s);
    p.setRenderHint(QPainter::Antialiasing);
    for (const FigurePath& path : figure.paths) {
        p.setPen(path.width > 0.0 ? QPen(path.stroke, path.width) : QPen(Qt::NoPen));
        p.setBrush(path.fill == Qt::transparent ? QBrush(Qt::NoBrush) : QBrush(path.fill));
        if (path.closed)
            p.drawPolygon(path.points);
        else
            p.drawPolyline(path.points);
    }
    p.setBrush(Qt::NoBrush);
    for (const FigureLine& l : figure.lines) {
        p.setPen(QPen(l.colour, l.width, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(l.line);
    }
    for (const FigureLabel& l : figure.labels) {
        const QFont f = figureFont(l.em, l.bold);
        p.setFont(f);
        p.setPen(l.colour);
        p.drawText(QPointF(l.box.left(), l.box.top() + QFontMetricsF(f).ascent()), l.text);
    }
    p.restore();
}

std::optional<std::string> writeFigureSvg(const Figure& figure, const QString& path,
                                          const QString& title) {
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setTitle(title);
    // 1 unit = 0,01 mm: the size in millimetres at 2540 units to the inch.
    svg.setResolution(2540);
    svg.setSize(QSize(int(std::ceil(figure.size.width())), int(std::ceil(figure.size.height()))));
    svg.setViewBox(QRectF(QPointF(0, 0), figure.size));
    QPainter p;
    if (!p.begin(&svg))
        return path.toStdString();
    p.fillRect(QRectF(QPointF(0, 0), figure.size), Qt::white);
    paintFigure(p, figure, QRectF(QPointF(0, 0), figure.size));
    if (!p.end())
        return path.toStdString();
    return std::nullopt;
}

}  // namespace cw::report
