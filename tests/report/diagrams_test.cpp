// The diagrams against what the report prints beside them. For the one-span mullion the
// checks' own formulas are the beam's exact extremes (M = q L² / 8, δ = 5 q L⁴ / (384 E I)),
// so the diagrams' extremes must equal the required moment and the mullion deflection as the
// window shows them. For every system, the hogging and sagging moments must equal the support
// moment and the largest span moment the report prints from the three-moment equation
// (design/support_reactions, a second method beside the stiffness analysis), and the shear at
// the first support the printed R1. Tolerance: the half unit of the two printed decimals plus
// the difference between the pressure as shown and as typed (the check reads the shown one).

#include "report/diagrams.h"
#include "design/catalogue_reader.h"
#include "report/bay_diagrams.h"
#include "report/report_bay.h"
#include "report/report_content.h"
#include "report/report_run.h"
#include "text/messages.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace cw::report {
namespace {

struct DiagramCase {
    std::string name;
    std::optional<Series> series;
    std::optional<StaticSystem> system;
    std::string L1, L2, A1, A2, pressure, slope;
    const char* locale;
    Language language;
    bool checksAreExact;  // one span: the required moment and the deflection are the beam's
    bool hogging;         // a support moment to find
};

void PrintTo(const DiagramCase& c, std::ostream* os) {
    *os << c.name;
}

ReportBay bayOf(const DiagramCase& c, const NumberFormat& fmt) {
    BayDocument doc;
    doc.series = c.series;
    doc.staticSystem = c.system;
    doc.gridWidthA1_cm = c.A1;
    doc.gridWidthA2_cm = c.A2;
    doc.spanL1_cm = c.L1;
    doc.spanL2_cm = c.L2;
    doc.glazingHeightH1_cm = "100";
    doc.glazingHeightH2_cm = "200";
    doc.glassThickness_mm = "10";
    doc.deflectionDivisor = "200";
    doc.allowableDeflection_mm = "15";
    doc.wind = WindSource::TypedPressure;
    doc.windPressure_kNm2 = c.pressure;
    doc.structureWeight_kNm2 = fmt.decimal == "," ? "0,1" : "0.1";
    doc.snowHeight_cm = "20";
    doc.slope_deg = c.slope;
    doc.language = c.language;
    return collectBay(c.name, doc, fmt);
}

double number(std::string s, const NumberFormat& fmt) {
    for (std::size_t at = s.find("−"); at != std::string::npos; at = s.find("−"))
        s.replace(at, std::string("−").size(), "-");
    const std::optional<double> v = parseNumber(s, fmt);
    EXPECT_TRUE(v) << s;
    return v.value_or(NAN);
}

// The value of the report's row or formula result whose label starts with `label`.
std::optional<std::string> printed(const std::vector<Block>& blocks, const std::string& label) {
    for (const Block& b : blocks) {
        if (b.kind == BlockKind::Row && b.a == label)
            return b.b;
        if (b.kind == BlockKind::Formula && b.a.rfind(label, 0) == 0)
            return b.c.substr(0, b.c.find(' '));
    }
    return std::nullopt;
}

const DiagramCurve& curve(const BeamDiagrams& d, DiagramKind k) {
    for (const DiagramCurve& c : d.curves)
        if (c.kind == k)
            return c;
    ADD_FAILURE() << "no curve";
    return d.curves.front();
}

class DiagramsTest : public ::testing::TestWithParam<DiagramCase> {};

TEST_P(DiagramsTest, ExtremesAreTheNumbersTheReportPrints) {
    const DiagramCase& c = GetParam();
    const NumberFormat fmt = NumberFormat::fromLocale(c.locale);
    const ReportBay bay = bayOf(c, fmt);
    ASSERT_FALSE(bay.refusal) << *bay.refusal;
    ASSERT_TRUE(bay.design.mullion);
    const std::vector<Block> blocks = bayBlocks(bay);
    const auto diagramBlock = std::find_if(
        blocks.begin(), blocks.end(), [](const Block& b) { return b.kind == BlockKind::Diagrams; });
    ASSERT_NE(diagramBlock, blocks.end());
    // Under the allowable basis its own check decides: no word of comparison.
    const std::string comparison = say(Message::ReportAllowableForComparison, c.language);
    EXPECT_TRUE(std::none_of(blocks.begin(), blocks.end(),
                             [&](const Block& b) { return b.a == comparison; }));
    ASSERT_TRUE(diagramBlock->picture);
    const BeamDiagrams d = computeDiagrams(diagramBlock->picture->diagram);
    ASSERT_TRUE(d.valid);
    const DiagramCurve& M = curve(d, DiagramKind::Moment);
    const DiagramCurve& V = curve(d, DiagramKind::Shear);
    const DiagramCurve& w = curve(d, DiagramKind::Deflection);
    ASSERT_TRUE(M.largest && w.largest && V.largest);

    const double halfUnit = 0.005 + 1e-9;
    const auto row = [&](Message m) {
        const std::optional<std::string> s = printed(blocks, say(m, bay.language));
        EXPECT_TRUE(s) << say(m, bay.language);
        return number(s.value_or(""), fmt);
    };
    EXPECT_NEAR(M.largest->value, row(Message::ReportMaxSpanMoment), halfUnit);
    if (c.hogging) {
        ASSERT_TRUE(M.smallest);
        const std::optional<std::string> support =
            printed(blocks, c.system == StaticSystem::TwoSpans ? "M2 =" : "M1 = M2");
        ASSERT_TRUE(support);
        EXPECT_NEAR(M.smallest->value, number(*support, fmt), halfUnit);
    } else {
        EXPECT_FALSE(M.smallest);
    }
    const std::optional<std::string> r1 = printed(blocks, "R1");
    ASSERT_TRUE(r1);
    EXPECT_NEAR(V.values.front(), number(*r1, fmt), halfUnit);

    if (c.checksAreExact) {
        // kNcm as the window shows it, kNm in the diagram.
        EXPECT_NEAR(M.largest->value * 100.0, number(bay.shown(Field::RequiredMoment), fmt),
                    halfUnit);
        const double shownPressure =
            bay.input.windPressureShown_kNm2.value_or(bay.input.windPressure_kNm2);
        const double pressureShare =
            bay.design.slopedGlazing
                ? 0.0
                : std::abs(shownPressure / bay.design.designPressure_kNm2 - 1.0) * w.largest->value;
        EXPECT_NEAR(w.largest->value, number(bay.shown(Field::MullionDeflection), fmt),
                    halfUnit + pressureShare);
        EXPECT_NEAR(M.largest->x_m, number(c.L1, fmt) / 200.0, 1e-3);
        EXPECT_NEAR(w.largest->x_m, number(c.L1, fmt) / 200.0, 1e-3);
    }

    // Every extreme is written on its diagram with its value as printed to two decimals.
    const Figure f = diagramFigure(d, bay.language, fmt);
    for (const DiagramCurve& cv : d.curves)
        for (const auto& e : {cv.largest, cv.smallest}) {
            if (!e)
                continue;
            std::string v = fixedText(e->value, fmt);
            if (v[0] == '-')
                v = "−" + v.substr(1);
            const bool found =
                std::any_of(f.labels.begin(), f.labels.end(), [&](const FigureLabel& l) {
                    return l.text.toStdString().find("= " + v + " ") != std::string::npos;
                });
            EXPECT_TRUE(found) << v;
        }
    // And no label is struck through by a line of the drawing.
    const std::vector<QLineF> segments = f.segments();
    for (const FigureLabel& l : f.labels)
        for (const QLineF& s : segments)
            EXPECT_FALSE(segmentMeetsBox(s, l.box)) << l.text.toStdString();
}

using BS = Series;
using SS = StaticSystem;
INSTANTIATE_TEST_SUITE_P(
    Bays, DiagramsTest,
    ::testing::Values(DiagramCase{"veltra_one_span", BS::Veltra, SS::OneSpan, "300", "", "120",
                                  "90", "1.2", "30", "en_US", Language::English, true, false},
                      DiagramCase{"veltra_one_span_el", BS::Veltra, SS::OneSpan, "420", "", "150",
                                  "150", "0,85", "30", "el_GR", Language::Greek, true, false},
                      DiagramCase{"terrax_sloped", BS::Terrax, SS::OneSpan, "250", "", "100", "100",
                                  "1", "30", "en_US", Language::English, true, false},
                      DiagramCase{"veltra_fixed_ends", BS::Veltra, SS::FixedEnds, "350", "", "120",
                                  "120", "1.4", "30", "en_US", Language::English, false, true},
                      DiagramCase{"korin_two_spans_400_120", BS::KorinDalvo, SS::TwoSpans, "400",
                                  "120", "120", "120", "1", "30", "en_US", Language::English, false,
                                  true},
                      DiagramCase{"veltra_two_equal_spans", BS::Veltra, SS::TwoSpans, "300", "300",
                                  "100", "100", "0,9", "30", "el_GR", Language::Greek, false,
                                  true}),
    [](const ::testing::TestParamInfo<DiagramCase>& p) { return p.param.name; });

// File -> Export picture: the SVG holds the extremes as text; a bay that gives no run and a
// folder that does not exist write nothing and say why.
TEST(DiagramsSvg, WritesTheExtremesOrSaysWhyNot) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const NumberFormat fmt = NumberFormat::fromLocale("en_US");
    const DiagramCase one{"svg", BS::Veltra, SS::OneSpan,       "300", "",   "120", "90", "1.2",
                          "30",  "en_US",    Language::English, true,  false};
    const ReportBay bay = bayOf(one, fmt);
    ASSERT_FALSE(bay.refusal);
    BayDocument doc = bay.document;
    struct Row {
        std::string name;
        bool emptySpan;
        std::string file;
        bool written;
    };
    const std::vector<Row> rows = {
        {"a run", false, (dir.path() + "/d.svg").toStdString(), true},
        {"no span", true, (dir.path() + "/e.svg").toStdString(), false},
        {"no folder", false, (dir.path() + "/none/f.svg").toStdString(), false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        BayDocument d = doc;
        if (r.emptySpan)
            d.spanL1_cm.clear();
        const std::optional<std::string> error = writeBayDiagramsSvg(d, fmt, r.file);
        EXPECT_EQ(!error, r.written) << error.value_or("");
        QFile file(QString::fromStdString(r.file));
        EXPECT_EQ(file.exists(), r.written);
        if (!r.written || !file.open(QIODevice::ReadOnly))
            continue;
        const std::string svg = file.readAll().toStdString();
        // The required moment of this bay, q L² / 8, in kNm as the diagram writes it.
        const std::string M = fixedText(number(bay.shown(Field::RequiredMoment), fmt) / 100.0, fmt);
        EXPECT_NE(svg.find("M = " + M + " kNm"), std::string::npos) << M;
        EXPECT_NE(svg.find("<svg"), std::string::npos);
    }
}

// Under limit states the report also draws the mullion as the checks analysed it, once for
// each combination a mullion check came from: bending, shear and deflection E_d are that
// figure's largest |M|, |V| and δ. The bending E_d is also worked by hand from the same
// characteristic line load: two spans M2 = q (L1³ + L2³) / (8 (L1 + L2)) (three-moment
// equation), fixed ends q L² / 12, one span q L² / 8, times the combination's γQ 1,5 (the
// glass weight is axial on a vertical mullion, so it adds no moment).
TEST(LimitStateDiagrams, EachMullionChecksEdIsAnExtremeOfItsFigure) {
    struct Row {
        const char* name;
        std::optional<Series> series;
        std::optional<StaticSystem> system;
        const char* L1;
        const char* L2;
        const char* slope;
        const char* sk;
        double handMoment_per_q;  // the largest |M| under q = 1 kN/m, kNm; 0: not worked by hand
    };
    const double L1 = 4.0, L2 = 1.2, Lf = 3.0;
    const std::vector<Row> rows = {
        {"one span", Series::Veltra, StaticSystem::OneSpan, "300", "", "90", "", Lf * Lf / 8},
        {"two spans 400 + 120", Series::KorinDalvo, StaticSystem::TwoSpans, "400", "120", "90", "",
         (L1 * L1 * L1 + L2 * L2 * L2) / (8 * (L1 + L2))},
        {"fixed ends", Series::Veltra, StaticSystem::FixedEnds, "300", "", "90", "", Lf * Lf / 12},
        {"sloped with snow", Series::Terrax, StaticSystem::OneSpan, "250", "", "30", "0.8", 0.0},
    };
    const NumberFormat fmt = NumberFormat::fromLocale("en_US");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        // b = 1,5 m and p = 1,25 kN/m²: q_k = 1,875 kN/m.
        const DiagramCase bayCase{row.name, row.series, row.system, row.L1, row.L2, "150", "150",
                                  "1.25", row.slope, "en_US", Language::English, false, false};
        BayDocument doc = bayOf(bayCase, fmt).document;
        doc.groundSnow_kNm2 = row.sk;
        doc.basis = DesignBasis::LimitStates;
        doc.language = Language::English;
        const ReportBay bay = collectBay(row.name, doc, fmt);
        ASSERT_FALSE(bay.refusal);
        ASSERT_TRUE(bay.run.limitStates);
        const LimitStateResult& r = bay.run.limitStates->result;
        ASSERT_TRUE(r.valid);
        const BayDiagrams drawn = bayDiagrams(bay.run);
        const std::vector<SetOfChecks> sets = mullionSetsOfChecks(drawn, r);
        ASSERT_FALSE(sets.empty());

        // The figures the report draws under its heading, one a set, in the sets' order.
        const std::vector<Block> blocks = bayBlocks(bay);
        const std::string heading =
            say(Message::ReportHeadingLimitStateDiagrams, Language::English);
        auto at = std::find_if(blocks.begin(), blocks.end(), [&](const Block& b) {
            return b.kind == BlockKind::Heading && b.a == heading;
        });
        ASSERT_NE(at, blocks.end());
        // The allowable check above says it is there for comparison.
        const std::string comparison =
            say(Message::ReportAllowableForComparison, Language::English);
        EXPECT_TRUE(std::any_of(blocks.begin(), at, [&](const Block& b) {
            return b.kind == BlockKind::Text && b.a == comparison;
        }));
        std::vector<const Block*> figures;
        for (auto b = at + 1; b != blocks.end() && b->kind != BlockKind::Heading; ++b)
            if (b->kind == BlockKind::Diagrams)
                figures.push_back(&*b);
        ASSERT_EQ(figures.size(), sets.size());

        int mullionChecks = 0, matched = 0, seen = 0;
        for (int k = 0; k < r.checkCount; ++k)
            mullionChecks += r.checks[std::size_t(k)].id <= CheckId::MullionDeflection;
        for (std::size_t s = 0; s < sets.size(); ++s) {
            ASSERT_TRUE(figures[s]->picture && figures[s]->picture->drawn);
            const BeamDiagrams& d = *figures[s]->picture->drawn;
            const auto largestAbs = [&](DiagramKind k) {
                const DiagramCurve& c = curve(d, k);
                double v = 0.0;
                if (c.largest)
                    v = std::max(v, std::abs(c.largest->value));
                if (c.smallest)
                    v = std::max(v, std::abs(c.smallest->value));
                return v;
            };
            for (const int k : sets[s].checks) {
                const LimitStateCheck& c = r.checks[std::size_t(k)];
                ++matched;
                EXPECT_EQ(drawn.cases[sets[s].set].combination, c.combination);
                double extreme = NAN;
                if (c.id == CheckId::MullionBending) {
                    extreme = largestAbs(DiagramKind::Moment);
                    if (row.handMoment_per_q > 0.0) {
                        // q_k = b p = 1,5 m · 1,25 kN/m²; the bending combination takes 1,5 W.
                        EXPECT_NEAR(c.Ed, 1.5 * 1.875 * row.handMoment_per_q, 1e-9);
                    }
                } else if (c.id == CheckId::MullionShear) {
                    extreme = largestAbs(DiagramKind::Shear);
                } else if (c.id == CheckId::MullionDeflection) {
                    extreme = largestAbs(DiagramKind::Deflection);
                } else {
                    continue;  // an interaction's value, not a single extreme
                }
                ++seen;
                EXPECT_NEAR(extreme, c.Ed, 1e-9 * std::max(1.0, c.Ed)) << k;
            }
        }
        // Bending and deflection are always checked; every mullion check is in one set.
        EXPECT_GE(seen, 2);
        EXPECT_EQ(matched, mullionChecks);
    }
}

// File -> Export picture under limit states: the set the Diagrams panel shows, of the bay as
// designed with its catalogue.
TEST(DiagramsSvg, WritesTheSetShownOfTheBayWithItsCatalogue) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const NumberFormat fmt = NumberFormat::fromLocale("en_US");
    const CatalogueRead house =
        readCatalogue("use,code,role,Ix_cm4,e_mm\nvertical,H-1,mullion,900,60\n", "house.csv");
    ASSERT_TRUE(house.catalogue);
    const DiagramCase one{"svg", BS::Veltra, SS::OneSpan,       "300", "",   "120", "90", "1.2",
                          "30",  "en_US",    Language::English, true,  false};
    BayDocument doc = bayOf(one, fmt).document;
    doc.basis = DesignBasis::LimitStates;
    doc.catalogue = CatalogueRef{"house", "house.csv", "0"};
    const BayDiagrams mine = bayDiagrams(doc, fmt, &*house.catalogue);
    ASSERT_GE(mine.cases.size(), 2u);
    // Without its catalogue the bay gives no run to draw (the window passes the one it holds).
    EXPECT_TRUE(writeBayDiagramsSvg(doc, fmt, (dir.path() + "/none.svg").toStdString()));
    const auto label = [&](const BayDiagrams& d, std::size_t set, DiagramKind k, const char* what) {
        const DiagramCurve& c = curve(d.cases[set].diagrams, k);
        return c.largest ? std::string(what) + " = " + fixedText(c.largest->value, fmt) : "";
    };
    int deflections = 0;
    for (std::size_t set = 0; set < mine.cases.size(); ++set) {
        SCOPED_TRACE(set);
        const std::string path = (dir.path() + "/set.svg").toStdString();
        ASSERT_FALSE(writeBayDiagramsSvg(doc, fmt, path, &*house.catalogue, set));
        QFile file(QString::fromStdString(path));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const std::string svg = file.readAll().toStdString();
        EXPECT_NE(svg.find(label(mine, set, DiagramKind::Moment, "M") + " kNm"), std::string::npos);
        if (mine.cases[set].diagrams.curves.size() < 3)
            continue;  // an ultimate combination: no deflection drawn
        // The unit is a text of its own in the SVG.
        const std::string delta = label(mine, set, DiagramKind::Deflection, "δ") + " ";
        EXPECT_NE(svg.find(delta), std::string::npos) << delta;
        ++deflections;
    }
    EXPECT_GE(deflections, 1);
}

// The segment test the label checks rest on, against boxes worked by hand.
TEST(SegmentMeetsBox, HandCases) {
    const QRectF box(10, 10, 20, 10);  // x 10..30, y 10..20
    struct Row {
        QLineF s;
        bool meets;
    };
    const std::vector<Row> rows = {
        {QLineF(0, 0, 40, 40), true},     // diagonal through
        {QLineF(0, 15, 9, 15), false},    // stops short on the left
        {QLineF(0, 15, 40, 15), true},    // horizontal through
        {QLineF(20, 0, 20, 9.9), false},  // stops above
        {QLineF(15, 12, 16, 13), true},   // wholly inside
        {QLineF(0, 25, 40, 25), false},   // passes below
        {QLineF(0, 19, 19, 0), false},    // x + y = 19 passes the corner (10,10) outside
        {QLineF(0, 21, 21, 0), true},     // x + y = 21 cuts that corner
    };
    for (const Row& r : rows)
        EXPECT_EQ(segmentMeetsBox(r.s, box), r.meets)
            << r.s.x1() << "," << r.s.y1() << " " << r.s.x2() << "," << r.s.y2();
}

}  // namespace
}  // namespace cw::report
