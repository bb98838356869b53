#include "report/diagrams.h"

#include "text/messages.h"

#include <algorithm>
#include <cmath>

namespace cw::report {

namespace {

// Below this share of the curve's largest magnitude a side is rounding, not a value.
constexpr double kNegligible = 1e-6;

void setExtremes(DiagramCurve& c) {
    double big = 0.0;
    for (double v : c.values)
        big = std::max(big, std::abs(v));
    const double floor = big * kNegligible;
    for (std::size_t i = 0; i < c.values.size(); ++i) {
        const double v = c.values[i];
        if (v > floor && (!c.largest || v > c.largest->value))
            c.largest = DiagramExtreme{v, c.x_m[i]};
        if (v < -floor && (!c.smallest || v < c.smallest->value))
            c.smallest = DiagramExtreme{v, c.x_m[i]};
    }
}

// Where the analysis found a sharper extreme than the stations (a maximum between two of
// them), that one is the curve's.
void refine(DiagramCurve& c, const BeamExtreme& e) {
    if (e.value > 0.0 && c.largest && e.value >= c.largest->value)
        c.largest = DiagramExtreme{e.value, e.x_m};
    if (e.value < 0.0 && c.smallest && e.value <= c.smallest->value)
        c.smallest = DiagramExtreme{e.value, e.x_m};
}

}  // namespace

BeamDiagrams computeDiagrams(const DiagramInput& input) {
    BeamDiagrams out;
    std::vector<BeamStation> stations(kMaxStations);
    const BeamResult r = analyseBeam(input.beam, {input.q_kNm, input.points}, stations);
    if (!r.valid || r.stationCount < 2)
        return out;
    out.valid = true;
    out.supportX_m.assign(r.supportX_m.begin(), r.supportX_m.begin() + r.supportCount);
    out.length_m = stations[std::size_t(r.stationCount - 1)].x_m;

    DiagramCurve moment{DiagramKind::Moment, {}, {}, {}, {}};
    DiagramCurve deflection{DiagramKind::Deflection, {}, {}, {}, {}};
    for (int i = 0; i < r.stationCount; ++i) {
        const BeamStation& s = stations[std::size_t(i)];
        moment.x_m.push_back(s.x_m);
        moment.values.push_back(s.moment_kNm);
        deflection.x_m.push_back(s.x_m);
        deflection.values.push_back(s.deflection_mm);
    }

    // The shear from equilibrium, V = ΣR − q x − ΣP left of the section, with both sides of
    // every support and point load, where it jumps.
    std::vector<double> xs(moment.x_m);
    for (double x : out.supportX_m)
        xs.push_back(x);
    for (const PointLoad& p : input.points)
        xs.push_back(p.x_m);
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end(),
                         [](double a, double b) { return std::abs(a - b) < 1e-9; }),
             xs.end());
    const auto shearAt = [&](double x, bool right) {
        double v = -input.q_kNm * x;
        for (int i = 0; i < r.supportCount; ++i) {
            const double xi = r.supportX_m[std::size_t(i)];
            if (xi < x - 1e-9 || (right && std::abs(xi - x) <= 1e-9))
                v += r.reactions_kN[std::size_t(i)];
        }
        for (const PointLoad& p : input.points)
            if (p.x_m < x - 1e-9 || (right && std::abs(p.x_m - x) <= 1e-9))
                v -= p.force_kN;
        return v;
    };
    DiagramCurve shear{DiagramKind::Shear, {}, {}, {}, {}};
    for (double x : xs) {
        const double left = shearAt(x, false);
        const double right = shearAt(x, true);
        if (x > 1e-9) {
            shear.x_m.push_back(x);
            shear.values.push_back(left);
        }
        if (x < out.length_m - 1e-9 && (x <= 1e-9 || right != left)) {
            shear.x_m.push_back(x);
            shear.values.push_back(right);
        }
    }

    setExtremes(moment);
    refine(moment, r.maxMoment);
    refine(moment, r.minMoment);
    setExtremes(shear);
    setExtremes(deflection);
    refine(deflection, r.maxDeflection);
    out.curves.push_back(std::move(moment));
    out.curves.push_back(std::move(shear));
    if (input.hasDeflection)
        out.curves.push_back(std::move(deflection));
    return out;
}

DiagramInput mullionDiagramInput(const BayInput& in, const BayDesign& d) {
    DiagramInput out;
    out.beam.system = in.system;
    out.beam.spanL1_m = in.spanL1_cm / 100.0;
    out.beam.spanL2_m = in.system == StaticSystem::TwoSpans ? in.spanL2_cm / 100.0 : 0.0;
    // E = 70 000 N/mm² = 7·10⁷ kN/m², I in mm⁴ = 10⁻¹² m⁴.
    out.hasDeflection = d.mullion.has_value() && d.mullion->ix_mm4 > 0;
    out.beam.EI_kNm2 = out.hasDeflection ? 7e-5 * double(d.mullion->ix_mm4) : 1.0;
    // The line load of the required values: b in cm, p in kN/m².
    out.q_kNm = d.loadWidth_cm * d.designPressure_kNm2 / 100.0;
    return out;
}

namespace {

constexpr double kEm = 265.0;         // 7,5 pt
constexpr double kTitleEm = 282.0;    // 8 pt
constexpr double kPanelHeight = 3600.0;
constexpr double kGap = 120.0;        // between a curve's extreme and its label
constexpr double kMargin = 900.0;     // left and right of the beam

const QColor kCurve(0x1d, 0x5f, 0xa8);
const QColor kArea(0xd6, 0xe4, 0xf4);
const QColor kAxis(0x33, 0x33, 0x33);

struct KindText {
    Message title;
    const char* symbol;
    const char* unit;
    double down;  // +1: positive values drawn below the axis (sagging, deflection)
};

KindText kindText(DiagramKind k) {
    switch (k) {
    case DiagramKind::Moment: return {Message::DiagramMoment, "M", "kNm", 1.0};
    case DiagramKind::Shear: return {Message::DiagramShear, "V", "kN", -1.0};
    case DiagramKind::Deflection: return {Message::DiagramDeflection, "δ", "mm", 1.0};
    }
    return {Message::DiagramMoment, "M", "kNm", 1.0};
}

std::string minusSign(std::string s) {
    for (std::size_t at = s.find('-'); at != std::string::npos; at = s.find('-', at))
        s.replace(at, 1, "−");
    return s;
}

}  // namespace

Figure diagramFigure(const BeamDiagrams& diagrams, Language language, const NumberFormat& fmt,
                     double width_mm) {
    Figure f;
    const double W = width_mm * kFigureUnitsPerMm;
    const double label = labelBox(QStringLiteral("Mg"), kEm, false, {}).height();
    const double title = labelBox(QStringLiteral("Mg"), kTitleEm, true, {}).height();
    f.size = QSizeF(W, kPanelHeight * double(diagrams.curves.size()));
    if (!diagrams.valid || !(diagrams.length_m > 0.0))
        return f;
    const double xL = kMargin;
    const double xR = W - kMargin;
    const double sx = (xR - xL) / diagrams.length_m;
    const auto fixed = [&](double v) { return minusSign(fixedText(v, fmt)); };

    double top = 0.0;
    for (const DiagramCurve& c : diagrams.curves) {
        const KindText k = kindText(c.kind);
        f.labels.push_back(makeLabel(QString::fromStdString(say(k.title, language)), kTitleEm,
                                     QPointF(0.0, top), true, kAxis));
        // Room for a label beyond each extreme.
        const double yTop = top + title + kGap + label + kGap;
        const double yBot = top + kPanelHeight - label - 2.0 * kGap;
        double lo = 0.0;
        double hi = 0.0;
        for (double v : c.values) {
            lo = std::min(lo, v * k.down);
            hi = std::max(hi, v * k.down);
        }
        for (const auto& e : {c.largest, c.smallest})
            if (e) {
                lo = std::min(lo, e->value * k.down);
                hi = std::max(hi, e->value * k.down);
            }
        const double sy = hi > lo ? (yBot - yTop) / (hi - lo) : 0.0;
        const double axis = yTop - lo * sy;
        const auto at = [&](double x, double v) { return QPointF(xL + x * sx, axis + v * k.down * sy); };

        FigurePath area;
        area.closed = true;
        area.fill = kArea;
        area.width = 0.0;
        FigurePath curve;
        curve.stroke = kCurve;
        curve.width = 25.0;
        area.points << QPointF(xL + c.x_m.front() * sx, axis);
        for (std::size_t i = 0; i < c.values.size(); ++i) {
            curve.points << at(c.x_m[i], c.values[i]);
            area.points << at(c.x_m[i], c.values[i]);
        }
        area.points << QPointF(xL + c.x_m.back() * sx, axis);
        f.paths.push_back(area);
        f.paths.push_back(curve);
        f.lines.push_back({QLineF(xL, axis, xR, axis), kAxis, 20.0});
        for (double x : diagrams.supportX_m) {
            const double px = xL + x * sx;
            f.lines.push_back({QLineF(px - 80.0, axis + 140.0, px, axis), kAxis, 15.0});
            f.lines.push_back({QLineF(px, axis, px + 80.0, axis + 140.0), kAxis, 15.0});
        }

        // Each extreme: its ordinate, and its value beyond it, away from the axis.
        for (const auto& e : {c.largest, c.smallest}) {
            if (!e)
                continue;
            const QPointF pt = at(e->x_m, e->value);
            f.lines.push_back({QLineF(pt.x(), axis, pt.x(), pt.y()), kCurve, 12.0});
            const QString text = QString::fromStdString(
                say(Message::DiagramExtreme, language,
                    {k.symbol, fixed(e->value) + " " + k.unit, fixed(e->x_m)}));
            FigureLabel l = makeLabel(text, kEm, {});
            const bool below = e->value * k.down > 0.0;
            const double left = std::clamp(pt.x() - l.box.width() / 2.0, 0.0, W - l.box.width());
            const double y = below ? std::max(pt.y(), axis) + kGap
                                   : std::min(pt.y(), axis) - kGap - l.box.height();
            l.box.moveTopLeft(QPointF(left, y));
            f.labels.push_back(l);
        }
        top += kPanelHeight;
    }
    return f;
}

}  // namespace cw::report
