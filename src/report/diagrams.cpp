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

// M(x) = sum of k <x - s>^n (Macaulay's brackets, zero left of s), so that the shear and the
// deflection follow term by term: V = dM/dx, EI w'' = -M with w(0) = w(L) = 0.
struct MacaulayTerm {
    double k = 0.0;
    double s = 0.0;
    int n = 1;
};

double bracket(double x, double s, int n, bool rightOfJump) {
    if (x < s || (x == s && (n > 0 || !rightOfJump)))
        return 0.0;
    return std::pow(x - s, n);
}

struct SimpleSpan {
    double L = 0.0;
    std::vector<MacaulayTerm> terms;

    double moment(double x) const {
        double m = 0.0;
        for (const MacaulayTerm& t : terms)
            m += t.k * bracket(x, t.s, t.n, false);
        return m;
    }
    double shear(double x, bool right) const {
        double v = 0.0;
        for (const MacaulayTerm& t : terms)
            v += t.k * t.n * bracket(x, t.s, t.n - 1, right);
        return v;
    }
    // EI w without its C x, the term of the two supports.
    double curvatureIntegral(double x) const {
        double i = 0.0;
        for (const MacaulayTerm& t : terms)
            i += t.k * bracket(x, t.s, t.n + 2, false) / double((t.n + 1) * (t.n + 2));
        return i;
    }
    double deflection_m(double x, double EI) const {
        return (x * curvatureIntegral(L) / L - curvatureIntegral(x)) / EI;
    }
};

}  // namespace

TransomDiagramInput transomDiagramInput(const TransomLoads& loads, TransomAxis axis) {
    TransomDiagramInput in;
    in.span_m = loads.span_m;
    if (axis == TransomAxis::Strong) {
        in.EI_kNm2 = loads.EIx_kNm2;
        in.factor = loads.gammaWind;
        for (const TransomTrapezoid& t : loads.wind)
            if (t.c_m > 0.0 && t.w_kNm != 0.0)
                in.trapezoids.push_back(t);
    } else {
        in.EI_kNm2 = loads.EIy_kNm2;
        in.factor = loads.gammaDead;
        in.blockLoad_kN = loads.blockLoad_kN;
        in.blockX_m = loads.blockX_m;
    }
    return in;
}

BeamDiagrams computeTransomDiagrams(const TransomDiagramInput& input) {
    BeamDiagrams out;
    const double L = input.span_m;
    if (!(L > 0.0) || !std::isfinite(L) || !(input.factor > 0.0))
        return out;
    SimpleSpan beam{L, {}};
    std::vector<double> marks{0.0, L / 2.0, L};
    // The line load (w / c) (x - <x - c> - <x - (L - c)>): up the ramp, flat, down the ramp.
    for (const TransomTrapezoid& t : input.trapezoids) {
        const double c = std::min(t.c_m, L / 2.0);
        if (!(c > 0.0))
            continue;
        const double k = t.w_kNm / (6.0 * c);
        beam.terms.push_back({t.w_kNm * (L - c) / 2.0, 0.0, 1});
        beam.terms.push_back({-k, 0.0, 3});
        beam.terms.push_back({k, c, 3});
        beam.terms.push_back({k, L - c, 3});
        marks.insert(marks.end(), {c, L - c});
    }
    const double a = std::clamp(input.blockX_m, 0.0, L / 2.0);
    if (input.blockLoad_kN != 0.0) {
        const double P = input.blockLoad_kN;
        beam.terms.push_back({P, 0.0, 1});
        beam.terms.push_back({-P, a, 1});
        beam.terms.push_back({-P, L - a, 1});
        marks.insert(marks.end(), {a, L - a});
    }
    // Evenly spaced stations besides, but none a rounding error off a load's own point,
    // where the shear jumps.
    const std::size_t loadMarks = marks.size();
    for (int i = 0; i <= 2 * kStationsPerSpan; ++i) {
        const double x = L * i / (2.0 * kStationsPerSpan);
        if (std::none_of(marks.begin(), marks.begin() + std::ptrdiff_t(loadMarks),
                         [&](double m) { return std::abs(m - x) < 1e-9 * L; }))
            marks.push_back(x);
    }
    std::sort(marks.begin(), marks.end());
    marks.erase(std::unique(marks.begin(), marks.end()), marks.end());

    out.valid = true;
    out.supportX_m = {0.0, L};
    out.length_m = L;
    const bool deflection = input.EI_kNm2 > 0.0 && std::isfinite(input.EI_kNm2);
    DiagramCurve moment{DiagramKind::Moment, {}, {}, {}, {}};
    DiagramCurve shear{DiagramKind::Shear, {}, {}, {}, {}};
    DiagramCurve sag{DiagramKind::Deflection, {}, {}, {}, {}};
    for (double x : marks) {
        moment.x_m.push_back(x);
        moment.values.push_back(input.factor * beam.moment(x));
        if (deflection) {
            sag.x_m.push_back(x);
            sag.values.push_back(beam.deflection_m(x, input.EI_kNm2) * 1000.0);
        }
        // Both sides of a jump (a support, a setting block).
        const double left = input.factor * beam.shear(x, false);
        const double right = input.factor * beam.shear(x, true);
        if (x > 0.0) {
            shear.x_m.push_back(x);
            shear.values.push_back(left);
        }
        if (x < L && (x == 0.0 || right != left)) {
            shear.x_m.push_back(x);
            shear.values.push_back(right);
        }
    }
    setExtremes(moment);
    setExtremes(shear);
    setExtremes(sag);
    // Symmetric loads all one way: moment and deflection are largest at midspan, where the
    // checks take them (the setting blocks' moment is flat between them: midspan is labelled).
    const auto atMidspan = [&](DiagramCurve& c, double v) {
        if (c.largest && v > 0.0)
            c.largest = DiagramExtreme{v, L / 2.0};
        if (c.smallest && v < 0.0)
            c.smallest = DiagramExtreme{v, L / 2.0};
    };
    atMidspan(moment, input.factor * beam.moment(L / 2.0));
    // The shear is largest at the supports (flat to the blocks under them: the support is
    // labelled).
    if (shear.largest && shear.values.front() > 0.0)
        shear.largest = DiagramExtreme{shear.values.front(), 0.0};
    if (shear.smallest && shear.values.back() < 0.0)
        shear.smallest = DiagramExtreme{shear.values.back(), L};
    out.curves.push_back(std::move(moment));
    out.curves.push_back(std::move(shear));
    if (deflection) {
        atMidspan(sag, beam.deflection_m(L / 2.0, input.EI_kNm2) * 1000.0);
        out.curves.push_back(std::move(sag));
    }
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
