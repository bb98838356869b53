#include "report/system_figure.h"

#include <algorithm>

namespace cw::report {

namespace {

constexpr double kEm = 282.0;  // 8 pt
constexpr double kMargin = 150.0;
constexpr double kEnds = 2200.0;  // the picture's edge to the beam's ends, room for R1
constexpr double kHeight = 4000.0;

const QColor kLoad(0x1d, 0x5f, 0xa8);
const QColor kFail(0xb0, 0x20, 0x20);

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

void line(Figure& f, QPointF a, QPointF b, double width, QColor colour = Qt::black) {
    f.lines.push_back({QLineF(a, b), colour, width});
}

void pinned(Figure& f, QPointF at, bool rolling) {
    const double s = 260.0;
    FigurePath tri;
    tri.points = QPolygonF({at, at + QPointF(-s, 1.6 * s), at + QPointF(s, 1.6 * s)});
    tri.closed = true;
    tri.width = 25.0;
    f.paths.push_back(tri);
    const double base = at.y() + 1.6 * s + (rolling ? 100.0 : 0.0);
    line(f, QPointF(at.x() - 1.4 * s, base), QPointF(at.x() + 1.4 * s, base), 25.0);
}

void fixed(Figure& f, QPointF at, bool leftEnd) {
    const double h = 600.0;
    line(f, QPointF(at.x(), at.y() - h), QPointF(at.x(), at.y() + h), 25.0);
    const double dx = leftEnd ? -200.0 : 200.0;
    for (double y = at.y() - h; y < at.y() + h; y += 200.0)
        line(f, QPointF(at.x(), y + 200.0), QPointF(at.x() + dx, y), 25.0);
}

}  // namespace

Figure systemFigure(const SystemDrawing& d, double width_mm) {
    Figure f;
    f.size = QSizeF(width_mm * kFigureUnitsPerMm, kHeight);
    const double total = d.spanL1_m + d.spanL2_m;
    if (!(total > 0.0))
        return f;
    const double x0 = kEnds;
    const double x1 = f.size.width() - kEnds;
    const double scale = (x1 - x0) / total;
    const double yb = 1700.0;
    std::vector<double> xs{x0, x0 + d.spanL1_m * scale};
    if (d.spanL2_m > 0.0)
        xs.push_back(x1);
    const double lineHeight = labelBox(QStringLiteral("Mg"), kEm, false, {}).height();

    // The load: a line with arrows down onto the beam.
    const double top = yb - 900.0;
    line(f, QPointF(x0, top), QPointF(x1, top), 25.0, kLoad);
    const int arrows = std::max(2, int((x1 - x0) / 700.0));
    for (int i = 0; i <= arrows; ++i) {
        const double x = x0 + (x1 - x0) * i / arrows;
        line(f, QPointF(x, top), QPointF(x, yb - 80.0), 25.0, kLoad);
        line(f, QPointF(x, yb - 80.0), QPointF(x - 70.0, yb - 200.0), 25.0, kLoad);
        line(f, QPointF(x, yb - 80.0), QPointF(x + 70.0, yb - 200.0), 25.0, kLoad);
    }

    // The beam and its supports.
    line(f, QPointF(x0, yb), QPointF(x1, yb), 70.0);
    if (d.system == StaticSystem::FixedEnds) {
        fixed(f, QPointF(x0, yb), true);
        fixed(f, QPointF(x1, yb), false);
    } else {
        for (std::size_t i = 0; i < xs.size(); ++i)
            pinned(f, QPointF(xs[i], yb), i > 0);
    }

    // The spans on a dimension line.
    const double yd = yb + 1700.0;
    line(f, QPointF(x0, yd), QPointF(x1, yd), 20.0);
    for (double x : xs)
        line(f, QPointF(x, yd - 150.0), QPointF(x, yd + 150.0), 20.0);

    LabelPlacer placer(f, kEm);
    const auto width = [&](const std::string& s) {
        return labelBox(qs(s), kEm, false, {}).width();
    };
    placer.place(qs(d.lineLoad),
                 QPointF((x0 + x1 - width(d.lineLoad)) / 2.0, top - 120.0 - lineHeight), false,
                 kLoad);
    // Reactions under the supports, the first and last outside the beam's ends.
    const std::vector<double> ends{x0, x1};
    const std::vector<double>& at = d.system == StaticSystem::FixedEnds ? ends : xs;
    const double yr = yb + 650.0;
    for (std::size_t i = 0; i < d.reactionTexts.size() && i < at.size(); ++i) {
        const bool lift = i < d.uplift.size() && d.uplift[i];
        const double w = width(d.reactionTexts[i]);
        double x = at[i] - w / 2.0;
        if (i == 0)
            x = std::min(x, at[i] - w + 300.0);
        else if (i + 1 == at.size())
            x = std::max(x, at[i] - 300.0);
        placer.place(qs(d.reactionTexts[i]), QPointF(x, yr), false, lift ? kFail : Qt::black);
    }
    for (std::size_t i = 0; i < d.spanTexts.size() && i + 1 < xs.size(); ++i)
        placer.place(qs(d.spanTexts[i]),
                     QPointF((xs[i] + xs[i + 1] - width(d.spanTexts[i])) / 2.0, yd + 200.0),
                     false);
    placer.spill(kMargin);
    return f;
}

}  // namespace cw::report
