#pragma once

// The bay's elevation drawn from its own dimensions, one scale for widths and heights: the
// three mullions at the grid widths, the slabs at the spans, the transom at H1, and for sloped
// glazing a side view at the slope. Dimension lines carry the texts given; a label is placed
// where its box meets no drawn line and stays inside the picture.

#include "report/figure.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace cw::report {

struct ElevationInput {
    double a1_cm = 0.0;
    double a2_cm = 0.0;
    double l1_cm = 0.0;
    double l2_cm = 0.0;  // 0: one span
    double h1_cm = 0.0;
    double h2_cm = 0.0;
    std::optional<double> slope_deg;  // sloped glazing only
    // The labels as written ("A1 = 120"); the total is drawn only over two spans.
    std::string a1Text, a2Text, l1Text, l2Text, totalText, h1Text, h2Text, slopeText;
};

// A dimension as drawn: its label, its dimension line and the length it stands for.
struct DrawnDimension {
    QString text;
    QLineF line;
    double value_cm = 0.0;
};

struct Elevation {
    Figure figure;
    std::vector<DrawnDimension> dimensions;
};

// At most `width_mm` wide; the drawing itself at most `drawingHeight_mm` tall.
Elevation elevationFigure(const ElevationInput& input, double width_mm = 174.0,
                          double drawingHeight_mm = 56.0);

}  // namespace cw::report
