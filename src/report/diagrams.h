#pragma once

// Moment, shear and deflection along a beam, to scale, with their extremes written where they
// occur. The input is a plain beam, its load and nothing of how the load was formed, so any
// basis (the allowable line load, a governing combination) can give it.

#include "bay/number_text.h"
#include "design/bay.h"
#include "design/beam_analysis.h"
#include "design/limit_state_check.h"
#include "report/figure.h"
#include "text/language.h"

#include <string>
#include <vector>

namespace cw::report {

struct DiagramInput {
    BeamLayout beam;
    double q_kNm = 0.0;
    std::vector<PointLoad> points;
    bool hasDeflection = true;  // false: EI is a stand-in, draw no deflection
};

enum class DiagramKind { Moment, Shear, Deflection };

// One curve's extreme as it is labelled: the value and where.
struct DiagramExtreme {
    double value = 0.0;
    double x_m = 0.0;
};

struct DiagramCurve {
    DiagramKind kind = DiagramKind::Moment;
    std::vector<double> x_m;
    std::vector<double> values;
    // The largest value each way; nothing labelled for a side the curve does not reach.
    std::optional<DiagramExtreme> largest;
    std::optional<DiagramExtreme> smallest;
};

struct BeamDiagrams {
    bool valid = false;
    std::vector<double> supportX_m;
    double length_m = 0.0;
    std::vector<DiagramCurve> curves;  // moment, shear, then deflection where there is one
};

BeamDiagrams computeDiagrams(const DiagramInput& input);

// The allowable basis: the mullion as the beam of the bay's static system under the run's
// line load q = b p, with the suggested mullion's Ix (E = 70 000 N/mm²).
DiagramInput mullionDiagramInput(const BayInput& in, const BayDesign& d);

// The transom on its simple span about one axis, from its checks' loads: symmetric
// trapezoids (the wind, strong axis) or the two setting blocks (the glass, weak axis).
// Moment and shear are drawn at the design values the bending check takes, `factor` times
// the characteristic loads; the deflection at the characteristic ones, as its check takes it.
enum class TransomAxis { Strong, Weak };

struct TransomDiagramInput {
    double span_m = 0.0;
    double EI_kNm2 = 0.0;
    double factor = 1.0;
    std::vector<TransomTrapezoid> trapezoids;
    double blockLoad_kN = 0.0;  // at blockX_m from each end
    double blockX_m = 0.0;
};

TransomDiagramInput transomDiagramInput(const TransomLoads& loads, TransomAxis axis);

// Exact along the span (closed form, not the stiffness method: it takes no trapezoid).
BeamDiagrams computeTransomDiagrams(const TransomDiagramInput& input);

// The three diagrams one above the other, `width_mm` wide.
Figure diagramFigure(const BeamDiagrams& diagrams, Language language, const NumberFormat& fmt,
                     double width_mm = 174.0);

}  // namespace cw::report
