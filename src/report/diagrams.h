#pragma once

// Moment, shear and deflection along a beam, to scale, with their extremes written where they
// occur. The input is a plain beam, its load and nothing of how the load was formed, so any
// basis (the allowable line load, a governing combination) can give it.

#include "bay/number_text.h"
#include "design/bay.h"
#include "design/beam_analysis.h"
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

// The three diagrams one above the other, `width_mm` wide.
Figure diagramFigure(const BeamDiagrams& diagrams, Language language, const NumberFormat& fmt,
                     double width_mm = 174.0);

}  // namespace cw::report
