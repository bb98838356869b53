#include "report/elevation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace cw::report {

namespace {

constexpr double kEm = 265.0;        // 7,5 pt
constexpr double kMargin = 150.0;    // the picture's edge to anything drawn
constexpr double kGap = 100.0;       // a dimension line to its label
constexpr double kClear = 40.0;      // a label's least distance to a line or another label
constexpr double kExtension = 400.0; // the drawing to its first dimension line
constexpr double kChain = 500.0;     // between two dimension lines side by side
constexpr double kTick = 90.0;       // half the slash that ends a dimension
constexpr double kSideGap = 700.0;   // the elevation's labels to the side view
constexpr double kStep = 40.0;       // how far a label moves per try

const QColor kGlass(0xe3, 0xee, 0xf8);
const QColor kFrame(0x22, 0x2b, 0x35);
const QColor kDesigned(0x1d, 0x5f, 0xa8);
const QColor kDimension(0x44, 0x44, 0x44);

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

double width(const std::string& text) {
    return labelBox(qs(text), kEm, false, {}).width();
}

// Lines first, labels after: a label goes to the first place near its wish that is clear.
class Builder {
public:
    explicit Builder(Elevation& out) : m_out(out) {}

    void line(QPointF a, QPointF b, double w, QColor c) {
        m_out.figure.lines.push_back({QLineF(a, b), c, w});
    }

    // A dimension from a to b with its extension lines from the drawn points `fromA`/`fromB`.
    void dimension(const std::string& text, double value_cm, QPointF a, QPointF b,
                   std::optional<QPointF> fromA, std::optional<QPointF> fromB) {
        line(a, b, 12.0, kDimension);
        for (QPointF p : {a, b})
            line(p + QPointF(-kTick, kTick), p + QPointF(kTick, -kTick), 16.0, kDimension);
        for (auto [from, to] : {std::pair{fromA, a}, std::pair{fromB, b}}) {
            if (!from)
                continue;
            // On past the dimension line by a tick, as drafting does.
            QLineF ext(*from, to);
            if (ext.length() > 0.0)
                ext.setLength(ext.length() + kTick);
            line(ext.p1(), ext.p2(), 8.0, kDimension);
        }
        m_out.dimensions.push_back({qs(text), QLineF(a, b), value_cm});
    }

    void label(const std::string& text, QPointF wish, bool vertical) {
        m_placer.place(qs(text), wish, vertical, kFrame);
    }
    void spill() { m_placer.spill(kMargin); }

private:
    Elevation& m_out;
    LabelPlacer m_placer{m_out.figure, kEm, kClear, kStep};
};

// The whole drawing moved across to the middle of the picture; moving everything alike keeps
// every label as clear as it was placed.
void centre(Elevation& e) {
    Figure& f = e.figure;
    double right = 0.0;
    for (const QLineF& s : f.segments())
        right = std::max({right, s.x1(), s.x2()});
    for (const FigureLabel& l : f.labels)
        right = std::max(right, l.box.right());
    const double dx = std::max(0.0, (f.size.width() - kMargin - right) / 2.0);
    for (FigureLine& l : f.lines)
        l.line.translate(dx, 0.0);
    for (FigurePath& p : f.paths)
        p.points.translate(dx, 0.0);
    for (FigureLabel& l : f.labels)
        l.box.translate(dx, 0.0);
    for (DrawnDimension& d : e.dimensions)
        d.line.translate(dx, 0.0);
}

}  // namespace

Elevation elevationFigure(const ElevationInput& in, double width_mm, double drawingHeight_mm) {
    Elevation out;
    Builder b(out);
    const bool twoSpans = in.l2_cm > 0.0;
    const double total_cm = in.l1_cm + (twoSpans ? in.l2_cm : 0.0);
    const double tall_cm = std::max(total_cm, in.h1_cm + in.h2_cm);
    const double wide_cm = in.a1_cm + in.a2_cm;
    const double lineHeight = labelBox(QStringLiteral("Mg"), kEm, false, {}).height();
    const double slope = in.slope_deg ? *in.slope_deg * std::numbers::pi / 180.0 : 0.0;

    // Columns left of the drawing: the span labels, then their dimension lines.
    const double spanLabels = twoSpans ? std::max(width(in.l1Text), width(in.l2Text))
                                       : width(in.l1Text);
    double left = kMargin;
    if (twoSpans)
        left += width(in.totalText) + kGap + kChain;
    left += spanLabels + kGap;
    const double spanDimX = left;
    const double totalDimX = spanDimX - spanLabels - kGap - kChain;
    left += kExtension;
    const double right =
        kExtension + kGap + std::max(width(in.h1Text), width(in.h2Text)) + kMargin;
    // The side view's base is drawn at least 6 mm long.
    const double side = in.slope_deg ? kSideGap + 600.0 + kMargin : 0.0;
    const double slopeLabel = in.slope_deg ? width(in.slopeText) : 0.0;

    const double figureWidth = width_mm * kFigureUnitsPerMm;
    const double top = kMargin + lineHeight + kGap;
    const double bottomBand = kExtension + kTick + kGap + 2.0 * (lineHeight + kGap) + kMargin;
    const double roomW = figureWidth - left - right - side;
    const double runW = wide_cm + (in.slope_deg ? total_cm * std::cos(slope) : 0.0);
    double scale = drawingHeight_mm * kFigureUnitsPerMm / std::max(tall_cm, 1e-9);
    if (runW > 0.0)
        scale = std::min(scale, roomW / runW);
    scale = std::max(scale, 0.0);
    out.figure.size = QSizeF(figureWidth, top + tall_cm * scale + bottomBand);

    const double x0 = left;
    const double xm = x0 + in.a1_cm * scale;
    const double x1 = xm + in.a2_cm * scale;
    const double yb = top + tall_cm * scale;
    const double yMid = yb - in.l1_cm * scale;
    const double yTop = yb - total_cm * scale;
    const double yTransom = yb - in.h1_cm * scale;

    // Glass, slabs, mullions (the designed one in the middle), the transom.
    for (double xa : {x0, xm}) {
        const double xb = xa == x0 ? xm : x1;
        FigurePath pane;
        pane.points = QPolygonF({QPointF(xa, yb), QPointF(xb, yb), QPointF(xb, yTop),
                                 QPointF(xa, yTop)});
        pane.closed = true;
        pane.fill = kGlass;
        pane.width = 0.0;
        out.figure.paths.push_back(pane);
    }
    const double slabOver = std::min(200.0, kExtension / 2.0);
    std::vector<double> slabs{yb, yTop};
    if (twoSpans)
        slabs.insert(slabs.begin() + 1, yMid);
    for (double y : slabs)
        b.line(QPointF(x0 - slabOver, y), QPointF(x1 + slabOver, y), 60.0, kFrame);
    b.line(QPointF(x0, yb), QPointF(x0, yTop), 35.0, kFrame);
    b.line(QPointF(x1, yb), QPointF(x1, yTop), 35.0, kFrame);
    b.line(QPointF(xm, yb), QPointF(xm, yTop), 60.0, kDesigned);
    b.line(QPointF(x0, yTransom), QPointF(x1, yTransom), 35.0, kFrame);

    // Grid widths under the drawing.
    const double yA = yb + kExtension;
    b.dimension(in.a1Text, in.a1_cm, QPointF(x0, yA), QPointF(xm, yA), QPointF(x0, yb + kGap),
                QPointF(xm, yb + kGap));
    b.dimension(in.a2Text, in.a2_cm, QPointF(xm, yA), QPointF(x1, yA), std::nullopt,
                QPointF(x1, yb + kGap));

    // Spans on the left, the total outside them over two spans.
    const double from = x0 - slabOver - kGap;
    if (twoSpans) {
        b.dimension(in.l1Text, in.l1_cm, QPointF(spanDimX, yb), QPointF(spanDimX, yMid),
                    QPointF(from, yb), QPointF(from, yMid));
        b.dimension(in.l2Text, in.l2_cm, QPointF(spanDimX, yMid), QPointF(spanDimX, yTop),
                    std::nullopt, QPointF(from, yTop));
        b.dimension(in.totalText, total_cm, QPointF(totalDimX, yb), QPointF(totalDimX, yTop),
                    QPointF(spanDimX - kTick, yb), QPointF(spanDimX - kTick, yTop));
    } else {
        b.dimension(in.l1Text, in.l1_cm, QPointF(spanDimX, yb), QPointF(spanDimX, yTop),
                    QPointF(from, yb), QPointF(from, yTop));
    }

    // Glazing heights on the right: H1 up to the transom, H2 above it.
    const double hDimX = x1 + kExtension;
    const double yH2 = yTransom - in.h2_cm * scale;
    const double hFrom = x1 + slabOver + kGap;
    b.dimension(in.h1Text, in.h1_cm, QPointF(hDimX, yb), QPointF(hDimX, yTransom),
                QPointF(hFrom, yb), QPointF(x1 + kGap, yTransom));
    b.dimension(in.h2Text, in.h2_cm, QPointF(hDimX, yTransom), QPointF(hDimX, yH2), std::nullopt,
                QPointF(x1 + kGap, yH2));

    // The side view of sloped glazing: the span at its angle over the horizontal.
    QPointF slopeWish;
    if (in.slope_deg) {
        const double sx = hDimX + kGap + std::max(width(in.h1Text), width(in.h2Text)) + kSideGap;
        const double run = total_cm * scale * std::cos(slope);
        const double rise = total_cm * scale * std::sin(slope);
        const double base = std::max(run, 600.0);
        b.line(QPointF(sx, yb), QPointF(sx + base, yb), 16.0, kDimension);
        b.line(QPointF(sx, yb), QPointF(sx + run, yb - rise), 60.0, kDesigned);
        const double r = std::min(500.0, std::max(base * 0.5, 200.0));
        FigurePath arc;
        for (int i = 0; i <= 12; ++i) {
            const double t = slope * i / 12.0;
            arc.points << QPointF(sx + r * std::cos(t), yb - r * std::sin(t));
        }
        arc.stroke = kDimension;
        arc.width = 12.0;
        out.figure.paths.push_back(arc);
        slopeWish = QPointF(std::min(sx + r + kGap, figureWidth - kMargin - slopeLabel),
                            yb + kGap);
    }

    // Labels: under the grid widths, left of the spans, right of the heights.
    const auto mid = [](double a, double c) { return (a + c) / 2.0; };
    const double yRow = yA + kTick + kGap;
    b.label(in.a1Text, QPointF(mid(x0, xm) - width(in.a1Text) / 2.0, yRow), false);
    b.label(in.a2Text, QPointF(mid(xm, x1) - width(in.a2Text) / 2.0, yRow), false);
    const double half = lineHeight / 2.0;
    if (twoSpans) {
        b.label(in.l1Text, QPointF(spanDimX - kGap - width(in.l1Text), mid(yb, yMid) - half), true);
        b.label(in.l2Text, QPointF(spanDimX - kGap - width(in.l2Text), mid(yMid, yTop) - half),
                true);
        b.label(in.totalText,
                QPointF(totalDimX - kGap - width(in.totalText), mid(yb, yTop) - half), true);
    } else {
        b.label(in.l1Text, QPointF(spanDimX - kGap - width(in.l1Text), mid(yb, yTop) - half),
                true);
    }
    b.label(in.h1Text, QPointF(hDimX + kGap, mid(yb, yTransom) - half), true);
    b.label(in.h2Text, QPointF(hDimX + kGap, mid(yTransom, yH2) - half), true);
    if (in.slope_deg)
        b.label(in.slopeText, slopeWish, false);
    b.spill();
    centre(out);
    return out;
}

}  // namespace cw::report
