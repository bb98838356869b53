// The elevation as a checking engineer reads it: every label legible (its box crosses no drawn
// line, no other label, and stays inside the picture) and every dimension drawn to the one
// scale of the bay, for bays from the ordinary to the extreme (a 9,9 cm pane beside a 100 cm
// one, L2 = 120 over L1 = 400, slopes of 0° and 60°, spans of 20 cm and of 20 m).

#include "report/elevation.h"

#include <gtest/gtest.h>

#include <QString>

#include <algorithm>
#include <cmath>
#include <optional>
#include <ostream>
#include <string>

namespace cw::report {
namespace {

struct ElevationCase {
    std::string name;
    double a1, a2, l1, l2, h1, h2;
    std::optional<double> slope;
};

void PrintTo(const ElevationCase& c, std::ostream* os) {
    *os << c.name;
}

std::string number(double v) {
    QString s = QString::number(v, 'g', 6);
    s.replace(QLatin1Char('.'), QLatin1Char(','));
    return s.toStdString();
}

ElevationInput inputOf(const ElevationCase& c) {
    ElevationInput in;
    in.a1_cm = c.a1;
    in.a2_cm = c.a2;
    in.l1_cm = c.l1;
    in.l2_cm = c.l2;
    in.h1_cm = c.h1;
    in.h2_cm = c.h2;
    in.a1Text = "A1 = " + number(c.a1);
    in.a2Text = "A2 = " + number(c.a2);
    in.h1Text = "H1 = " + number(c.h1);
    in.h2Text = "H2 = " + number(c.h2);
    if (c.l2 > 0.0) {
        in.l1Text = "L1 = " + number(c.l1);
        in.l2Text = "L2 = " + number(c.l2);
        in.totalText = "L = " + number(c.l1 + c.l2);
    } else {
        in.l1Text = "L = " + number(c.l1);
    }
    if (c.slope) {
        in.slope_deg = c.slope;
        in.slopeText = "α = " + number(*c.slope) + "°";
    }
    return in;
}

class ElevationDrawing : public ::testing::TestWithParam<ElevationCase> {};

TEST_P(ElevationDrawing, LabelsClearOfLinesAndLengthsToScale) {
    const ElevationCase& c = GetParam();
    const ElevationInput in = inputOf(c);
    const Elevation e = elevationFigure(in);
    const Figure& f = e.figure;
    const std::vector<QLineF> segments = f.segments();
    const QRectF bounds(QPointF(0.0, 0.0), f.size);

    // Each text written exactly once.
    std::vector<std::string> expected{in.a1Text, in.a2Text, in.l1Text, in.h1Text, in.h2Text};
    if (c.l2 > 0.0) {
        expected.push_back(in.l2Text);
        expected.push_back(in.totalText);
    }
    if (c.slope)
        expected.push_back(in.slopeText);
    ASSERT_EQ(f.labels.size(), expected.size());
    for (const std::string& text : expected) {
        const auto n = std::count_if(f.labels.begin(), f.labels.end(), [&](const FigureLabel& l) {
            return l.text.toStdString() == text;
        });
        EXPECT_EQ(n, 1) << text;
    }

    for (std::size_t i = 0; i < f.labels.size(); ++i) {
        const FigureLabel& l = f.labels[i];
        EXPECT_TRUE(bounds.contains(l.box)) << l.text.toStdString() << " leaves the picture";
        for (const QLineF& s : segments)
            EXPECT_FALSE(segmentMeetsBox(s, l.box))
                << l.text.toStdString() << " is crossed by (" << s.x1() << "," << s.y1()
                << ")-(" << s.x2() << "," << s.y2() << ")";
        for (std::size_t j = i + 1; j < f.labels.size(); ++j)
            EXPECT_FALSE(l.box.intersects(f.labels[j].box))
                << l.text.toStdString() << " over " << f.labels[j].text.toStdString();
    }

    // One scale: every dimension line drawn, its length over the value it stands for the same.
    ASSERT_EQ(e.dimensions.size(), expected.size() - (c.slope ? 1 : 0));
    const double scale = e.dimensions.front().line.length() / e.dimensions.front().value_cm;
    EXPECT_GT(scale, 0.0);
    for (const DrawnDimension& d : e.dimensions) {
        EXPECT_NEAR(d.line.length(), d.value_cm * scale, 1e-6 * d.line.length() + 1e-9)
            << d.text.toStdString();
        const bool drawn = std::any_of(segments.begin(), segments.end(), [&](const QLineF& s) {
            return s == d.line;
        });
        EXPECT_TRUE(drawn) << d.text.toStdString();
    }
}

const ElevationCase kCases[] = {
    {"ordinary_one_span", 120, 90, 300, 0, 100, 200, std::nullopt},
    {"pane_9_9_beside_100", 9.9, 100, 350, 0, 9.9, 100, std::nullopt},
    {"pane_100_beside_9_9", 100, 9.9, 350, 0, 100, 9.9, std::nullopt},
    {"two_spans_400_and_120", 150, 150, 400, 120, 100, 250, std::nullopt},
    {"two_spans_400_and_10", 150, 150, 400, 10, 100, 250, std::nullopt},
    {"two_spans_equal", 120, 90, 300, 300, 100, 200, std::nullopt},
    {"sloped_0", 120, 90, 300, 0, 100, 200, 0.0},
    {"sloped_5", 120, 90, 300, 0, 100, 200, 5.0},
    {"sloped_60", 120, 90, 300, 0, 100, 200, 60.0},
    {"sloped_60_wide", 400, 400, 150, 0, 50, 100, 60.0},
    {"tiny", 10, 10, 20, 0, 10, 10, std::nullopt},
    {"huge", 1000, 1000, 2000, 1500, 1000, 1000, std::nullopt},
    {"wide_and_low", 900, 900, 50, 0, 20, 30, std::nullopt},
    {"tall_and_thin", 9.9, 9.9, 1200, 0, 600, 600, std::nullopt},
    {"heights_above_span", 120, 90, 300, 0, 250, 250, std::nullopt},
    {"long_numbers", 123.45, 9.99, 345.67, 12.5, 99.99, 245.68, std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(Bays, ElevationDrawing, ::testing::ValuesIn(kCases),
                         [](const auto& param) { return param.param.name; });

}  // namespace
}  // namespace cw::report
