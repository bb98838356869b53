// The static system's picture: its load, reactions and spans all legible (no line through a
// text, no text over another, all inside the picture), from two equal spans to a last span a
// fortieth of the first, fixed ends, and reaction texts long enough to crowd a short span.

#include "report/system_figure.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>

namespace cw::report {
namespace {

struct SystemCase {
    std::string name;
    StaticSystem system;
    double l1_m, l2_m;
    std::vector<std::string> reactions;
};

void PrintTo(const SystemCase& c, std::ostream* os) {
    *os << c.name;
}

class SystemPicture : public ::testing::TestWithParam<SystemCase> {};

TEST_P(SystemPicture, EveryLabelClearOfLines) {
    const SystemCase& c = GetParam();
    SystemDrawing d;
    d.system = c.system;
    d.spanL1_m = c.l1_m;
    d.spanL2_m = c.l2_m;
    d.lineLoad = "q = 2,17 kN/m";
    d.spanTexts.push_back((c.l2_m > 0.0 ? "L1 = " : "L = ") + std::to_string(c.l1_m) + " m");
    if (c.l2_m > 0.0)
        d.spanTexts.push_back("L2 = " + std::to_string(c.l2_m) + " m");
    d.reactionTexts = c.reactions;
    d.uplift.assign(c.reactions.size(), false);
    const Figure f = systemFigure(d);

    std::vector<std::string> expected = d.spanTexts;
    expected.push_back(d.lineLoad);
    expected.insert(expected.end(), c.reactions.begin(), c.reactions.end());
    ASSERT_EQ(f.labels.size(), expected.size());
    for (const std::string& text : expected)
        EXPECT_TRUE(std::any_of(f.labels.begin(), f.labels.end(), [&](const FigureLabel& l) {
            return l.text.toStdString() == text;
        })) << text;

    const QRectF bounds(QPointF(0.0, 0.0), f.size);
    const std::vector<QLineF> segments = f.segments();
    ASSERT_FALSE(segments.empty());
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
}

const SystemCase kCases[] = {
    {"one_span", StaticSystem::OneSpan, 3.5, 0.0, {"R1 = 1,23 kN", "R2 = 1,23 kN"}},
    {"fixed_ends", StaticSystem::FixedEnds, 3.0, 0.0, {"R1 = 1,23 kN", "R2 = 1,23 kN"}},
    {"two_equal_spans", StaticSystem::TwoSpans, 3.0, 3.0,
     {"R1 = 1,23 kN", "R2 = 4,10 kN", "R3 = 1,23 kN"}},
    {"two_spans_400_120", StaticSystem::TwoSpans, 4.0, 1.2,
     {"R1 = 2,99 kN", "R2 = 8,50 kN", "R3 = −2,11 kN"}},
    {"two_spans_400_10", StaticSystem::TwoSpans, 4.0, 0.1,
     {"R1 = 2,99 kN", "R2 = 12 345,67 kN", "R3 = −12 000,11 kN"}},
    {"tiny_span", StaticSystem::OneSpan, 0.2, 0.0, {"R1 = 0,01 kN", "R2 = 0,01 kN"}},
};

INSTANTIATE_TEST_SUITE_P(Systems, SystemPicture, ::testing::ValuesIn(kCases),
                         [](const auto& param) { return param.param.name; });

}  // namespace
}  // namespace cw::report
