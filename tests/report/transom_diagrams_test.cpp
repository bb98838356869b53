// The transom's diagrams. Against beam theory by hand on a simple span L:
//  - a symmetric trapezoid, peak q, ramps of length a (Kleinlogel; Schneider, Bautabellen):
//    M_max = q L² / 24 · (3 − 4 (a/L)²), V_max = q (L − a) / 2 (half the load),
//    δ_mid = q L⁴ (25 − 40 (a/L)² + 16 (a/L)⁴) / (1920 E I); a = L/2 the triangle, q L² / 12
//    and q L⁴ / (120 E I);
//  - two loads P at a from each end: M = P a, V = P, δ_mid = P a (3 L² − 4 a²) / (24 E I).
// The whole curves against a second method: statics from the left with the load integrated
// numerically (Simpson), the deflection by virtual work. And against the checks: the diagrams'
// extremes are the checks' deflections, and their moments give the bending check's
// interaction, as the figure labels them.

#include "bay/catalogue_ref.h"
#include "bay/number_text.h"
#include "design/catalogue_reader.h"
#include "design/limit_state_check.h"
#include "report/bay_diagrams.h"
#include "report/diagrams.h"
#include "report/report_bay.h"
#include "report/report_content.h"
#include "text/messages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace cw::report {
namespace {

const DiagramCurve* curveOf(const BeamDiagrams& d, DiagramKind k) {
    for (const DiagramCurve& c : d.curves)
        if (c.kind == k)
            return &c;
    return nullptr;
}

double simpson(double from, double to, int strips, const auto& f) {
    const double h = (to - from) / strips;
    double s = 0.0;
    for (int i = 0; i <= strips; ++i)
        s += f(from + i * h) * (i == 0 || i == strips ? 1.0 : (i % 2 ? 4.0 : 2.0));
    return s * h / 3.0;
}

// Statics and virtual work on the characteristic loads, nothing of the closed forms. The
// integrals are split where the load's shape changes, so Simpson's rule is exact for the
// statics (quadratic integrands) and within rounding for the work (quartic, 200 strips).
struct Reference {
    const TransomDiagramInput& in;

    double integrate(double from, double to, int strips, const auto& f) const {
        std::vector<double> cuts{from, to};
        for (const TransomTrapezoid& t : in.trapezoids)
            cuts.insert(cuts.end(), {t.c_m, in.span_m - t.c_m});
        for (double p : points())
            cuts.push_back(p);
        cuts.push_back(in.span_m / 2.0);  // the unit load's kink, at midspan
        std::sort(cuts.begin(), cuts.end());
        double s = 0.0;
        for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
            const double a = std::max(cuts[i], from), b = std::min(cuts[i + 1], to);
            if (b > a)
                s += simpson(a, b, strips, f);
        }
        return s;
    }

    double q(double x) const {
        double s = 0.0;
        for (const TransomTrapezoid& t : in.trapezoids)
            s += t.w_kNm * std::min({x, in.span_m - x, t.c_m}) / t.c_m;
        return s;
    }
    std::vector<double> points() const {
        if (in.blockLoad_kN == 0.0)
            return {};
        return {in.blockX_m, in.span_m - in.blockX_m};
    }
    double reaction() const {  // symmetric: half of everything
        return (integrate(0.0, in.span_m, 20, [&](double x) { return q(x); }) +
                2.0 * in.blockLoad_kN) /
               2.0;
    }
    double moment(double x) const {
        double m = reaction() * x - integrate(0.0, x, 20, [&](double t) { return q(t) * (x - t); });
        for (double p : points())
            if (p < x)
                m -= in.blockLoad_kN * (x - p);
        return m;
    }
    double shear(double x, bool rightOf) const {
        double v = reaction() - integrate(0.0, x, 20, [&](double t) { return q(t); });
        for (double p : points())
            if (p < x || (rightOf && p == x))
                v -= in.blockLoad_kN;
        return v;
    }
    // The unit load at x: m(s) = s (L − x) / L left of it, x (L − s) / L right of it.
    double deflection_mm(double x) const {
        const double L = in.span_m;
        const double left =
            integrate(0.0, x, 200, [&](double s) { return moment(s) * s * (L - x) / L; });
        const double right =
            integrate(x, L, 200, [&](double s) { return moment(s) * x * (L - s) / L; });
        return (left + right) / in.EI_kNm2 * 1000.0;
    }
};

struct HandCase {
    const char* name;
    TransomDiagramInput input;
    double M, V, deflection;  // by the hand formulas above: M and V design, δ characteristic
};

void PrintTo(const HandCase& c, std::ostream* os) {
    *os << c.name;
}

double trapezoidM(double q, double L, double a) {
    return q * L * L / 24.0 * (3.0 - 4.0 * (a / L) * (a / L));
}
double trapezoidD(double q, double L, double a, double EI) {
    const double r = a / L;
    return q * std::pow(L, 4) * (25.0 - 40.0 * r * r + 16.0 * std::pow(r, 4)) / (1920.0 * EI) *
           1000.0;
}

const HandCase kHandCases[] = {
    // One pane 0,8 m high: q = 1 kN/m² · 0,4 m, ramps a = 0,4 m.
    {"trapezoid",
     {1.5, 35.0, 1.5, {{0.4, 0.4}}, 0.0, 0.0},
     1.5 * trapezoidM(0.4, 1.5, 0.4),
     1.5 * 0.4 * (1.5 - 0.4) / 2.0,
     trapezoidD(0.4, 1.5, 0.4, 35.0)},
    // Tall pane: the ramps meet at midspan; the triangle q L² / 12 and q L⁴ / (120 E I).
    {"triangle",
     {1.5, 35.0, 1.5, {{0.75, 0.75}}, 0.0, 0.0},
     1.5 * 0.75 * 1.5 * 1.5 / 12.0,
     1.5 * 0.75 * 1.5 / 4.0,
     0.75 * std::pow(1.5, 4) / (120.0 * 35.0) * 1000.0},
    // Panes above and below: the two superposed.
    {"two_panes",
     {1.2, 20.0, 1.5, {{0.5, 0.5}, {0.6, 0.6}}, 0.0, 0.0},
     1.5 * (trapezoidM(0.5, 1.2, 0.5) + trapezoidM(0.6, 1.2, 0.6)),
     1.5 * (0.5 * 0.7 + 0.6 * 0.6) / 2.0,
     trapezoidD(0.5, 1.2, 0.5, 20.0) + trapezoidD(0.6, 1.2, 0.6, 20.0)},
    {"blocks_at_quarter",
     {1.5, 10.0, 1.35, {}, 0.3, 0.375},
     1.35 * 0.3 * 0.375,
     1.35 * 0.3,
     0.3 * 0.375 * (3.0 * 1.5 * 1.5 - 4.0 * 0.375 * 0.375) / (24.0 * 10.0) * 1000.0},
    // Both blocks at midspan: one load 2P, 2P L / 4 and 2P L³ / (48 E I).
    {"blocks_at_midspan",
     {1.5, 10.0, 1.35, {}, 0.3, 0.75},
     1.35 * 0.6 * 1.5 / 4.0,
     1.35 * 0.3,
     0.6 * std::pow(1.5, 3) / (48.0 * 10.0) * 1000.0},
};

class TransomHand : public ::testing::TestWithParam<HandCase> {};

TEST_P(TransomHand, ExtremesAndCurvesAreBeamTheory) {
    const HandCase& c = GetParam();
    const BeamDiagrams d = computeTransomDiagrams(c.input);
    ASSERT_TRUE(d.valid);
    const double L = c.input.span_m;
    EXPECT_DOUBLE_EQ(d.length_m, L);
    const DiagramCurve* M = curveOf(d, DiagramKind::Moment);
    const DiagramCurve* V = curveOf(d, DiagramKind::Shear);
    const DiagramCurve* w = curveOf(d, DiagramKind::Deflection);
    ASSERT_TRUE(M && V && w);
    ASSERT_TRUE(M->largest && V->largest && V->smallest && w->largest);
    EXPECT_FALSE(M->smallest);
    EXPECT_NEAR(M->largest->value, c.M, 1e-12);
    EXPECT_DOUBLE_EQ(M->largest->x_m, L / 2.0);
    EXPECT_NEAR(V->largest->value, c.V, 1e-12);
    EXPECT_DOUBLE_EQ(V->largest->x_m, 0.0);
    EXPECT_NEAR(V->smallest->value, -c.V, 1e-12);
    EXPECT_DOUBLE_EQ(V->smallest->x_m, L);
    EXPECT_NEAR(w->largest->value, c.deflection, 1e-9);
    EXPECT_DOUBLE_EQ(w->largest->x_m, L / 2.0);

    // Every station against statics; the shear on both sides of a block.
    const Reference ref{c.input};
    const double f = c.input.factor;
    for (std::size_t i = 0; i < M->values.size(); ++i)
        EXPECT_NEAR(M->values[i], f * ref.moment(M->x_m[i]), 1e-9) << M->x_m[i];
    for (std::size_t i = 0; i < V->values.size(); ++i) {
        const double x = V->x_m[i];
        // Listed twice where it jumps, the left side first; the first support's right side.
        const bool left = i + 1 < V->values.size() && V->x_m[i + 1] == x;
        const bool right = x == 0.0 || (i > 0 && V->x_m[i - 1] == x);
        EXPECT_NEAR(V->values[i], f * ref.shear(x, right && !left), 1e-9) << x;
    }
    for (double p : ref.points())
        EXPECT_EQ(std::count(V->x_m.begin(), V->x_m.end(), p), 2) << p;
    for (std::size_t i = 0; i < w->values.size(); i += 10)
        EXPECT_NEAR(w->values[i], ref.deflection_mm(w->x_m[i]), 1e-9 * c.deflection) << w->x_m[i];
}

INSTANTIATE_TEST_SUITE_P(Transom, TransomHand, ::testing::ValuesIn(kHandCases),
                         [](const ::testing::TestParamInfo<HandCase>& p) {
                             return std::string(p.param.name);
                         });

// The transom of a one-span bay through its checks, 1 150 mm between mullions, p = 1 kN/m²;
// sections without parts, so both resistances are elastic: M_Rd = W f_o / γM1 / 1000.
struct CheckCase {
    const char* name;
    double H1_cm, H2_cm, blockFraction;
};

void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << c.name;
}

const CheckCase kCheckCases[] = {
    {"trapezoids_blocks_at_quarter", 100, 100, 0.25},
    {"triangle_and_trapezoid", 300, 80, 0.2},
    {"blocks_at_midspan", 100, 150, 0.5},
};

// "M = 0,42 kNm at x = 0,58 m" → 0.42, of the first label with that symbol.
std::optional<double> labelled(const Figure& f, const std::string& symbol,
                               const NumberFormat& fmt) {
    for (const FigureLabel& l : f.labels) {
        std::string t = l.text.toStdString();
        if (t.rfind(symbol + " = ", 0) != 0)
            continue;
        t = t.substr(symbol.size() + 3);
        t = t.substr(0, t.find(' '));
        for (std::size_t at = t.find("−"); at != std::string::npos; at = t.find("−"))
            t.replace(at, std::string("−").size(), "-");
        return parseNumber(t, fmt);
    }
    return std::nullopt;
}

class TransomChecks : public ::testing::TestWithParam<CheckCase> {};

TEST_P(TransomChecks, TheDiagramsExtremesAreTheChecksNumbers) {
    const CheckCase& c = GetParam();
    BayInput b;
    b.system = StaticSystem::OneSpan;
    b.gridWidthA1_cm = 115.0;
    b.gridWidthA2_cm = 100.0;
    b.spanL1_cm = 300.0;
    b.glazingHeightH1_cm = c.H1_cm;
    b.glazingHeightH2_cm = c.H2_cm;
    b.glassThickness_mm = 10.0;
    b.windPressure_kNm2 = 1.0;
    b.divisor = 200;
    b.allowableDeflection_mm = 15.0;
    LimitStateInput in;
    in.mullion.ix_cm4 = 5000.0;
    in.mullion.wx_cm3 = 500.0;
    LimitStateSection t;
    t.ix_cm4 = 50.0;
    t.wx_cm3 = 5.0;
    t.iy_cm4 = 10.0;
    t.wy_cm3 = 2.0;
    in.transom = t;
    in.settingBlockFraction = c.blockFraction;
    const LimitStateResult r = checkLimitStates(b, in);
    ASSERT_TRUE(r.valid);
    const std::vector<LoadCaseDiagrams> sets = transomCases(r);
    ASSERT_EQ(sets.size(), 2u);
    ASSERT_EQ(sets[0].transom, TransomAxis::Strong);
    ASSERT_EQ(sets[1].transom, TransomAxis::Weak);

    const auto largest = [](const LoadCaseDiagrams& set, DiagramKind k) {
        const DiagramCurve* curve = curveOf(set.diagrams, k);
        return curve && curve->largest ? curve->largest->value : NAN;
    };
    const double fo = r.fo_MPa, gM1 = in.factors.gammaM1;
    const double MRdx = t.wx_cm3 * fo / gM1 / 1000.0, MRdy = t.wy_cm3 * fo / gM1 / 1000.0;
    const NumberFormat fmt = NumberFormat::fromLocale("el_GR");
    int seen = 0;
    for (int k = 0; k < r.checkCount; ++k) {
        const LimitStateCheck& check = r.checks[std::size_t(k)];
        if (check.id == CheckId::TransomBending) {
            // The interaction from the two design moments drawn.
            const double Mx = largest(sets[0], DiagramKind::Moment);
            const double My = largest(sets[1], DiagramKind::Moment);
            EXPECT_NEAR(Mx / MRdx + My / MRdy, check.Ed, 1e-12);
            // The design weight on each block, γG P, is the weak axis's shear at the supports.
            const double P = r.transomLoads->blockLoad_kN;
            EXPECT_NEAR(largest(sets[1], DiagramKind::Shear), in.factors.gammaGUnfav * P, 1e-12);
            ++seen;
        } else if (check.id == CheckId::TransomDeflection ||
                   check.id == CheckId::TransomBlockDeflection) {
            const LoadCaseDiagrams& set = sets[check.id == CheckId::TransomDeflection ? 0 : 1];
            EXPECT_NEAR(largest(set, DiagramKind::Deflection), check.Ed, 1e-12 * check.Ed);
            // As the figure writes it, two decimals.
            const Figure f = diagramFigure(set.diagrams, Language::Greek, fmt);
            const std::optional<double> shown = labelled(f, "δ", fmt);
            ASSERT_TRUE(shown);
            EXPECT_NEAR(*shown, check.Ed, 0.005 + 1e-12);
            ++seen;
        }
    }
    EXPECT_EQ(seen, 3);
    // The moment labels are the design moments, to two decimals.
    for (const LoadCaseDiagrams& set : sets) {
        const std::optional<double> shown =
            labelled(diagramFigure(set.diagrams, Language::Greek, fmt), "M", fmt);
        ASSERT_TRUE(shown);
        EXPECT_NEAR(*shown, largest(set, DiagramKind::Moment), 0.005 + 1e-12);
    }
}

INSTANTIATE_TEST_SUITE_P(Transom, TransomChecks, ::testing::ValuesIn(kCheckCases),
                         [](const ::testing::TestParamInfo<CheckCase>& p) {
                             return std::string(p.param.name);
                         });

// A bay of the catalogue: under limit states its transom's two sets follow the mullion's
// combinations (which still choose what is drawn first), and the report draws them after the
// transom's checks, before the anchors; under the allowable basis neither.
TEST(TransomDiagrams, FollowTheMullionsInThePanelAndTheChecksInTheReport) {
    const NumberFormat fmt = NumberFormat::fromLocale("el_GR");
    const CatalogueRead house = readCatalogue(
        "use,code,role,Ix_cm4,e_mm,Wx_cm3,Iy_cm4,Wy_cm3\n"
        "vertical,D-1,mullion,900,60,,,\n"
        "vertical,T-1,transom,50,,5,10,2\n",
        "house.csv");
    ASSERT_TRUE(house.catalogue);
    for (const DesignBasis basis : {DesignBasis::LimitStates, DesignBasis::Allowable}) {
        SCOPED_TRACE(basis == DesignBasis::LimitStates ? "limit states" : "allowable");
        BayDocument doc;
        doc.series = Series::Veltra;
        doc.staticSystem = StaticSystem::OneSpan;
        doc.gridWidthA1_cm = "120";
        doc.gridWidthA2_cm = "90";
        doc.spanL1_cm = "300";
        doc.glazingHeightH1_cm = "100";
        doc.glazingHeightH2_cm = "120";
        doc.glassThickness_mm = "10";
        doc.deflectionDivisor = "200";
        doc.allowableDeflection_mm = "15";
        doc.wind = HeightBand::UpTo20m;
        doc.structureWeight_kNm2 = "0,1";
        doc.snowHeight_cm = "20";
        doc.slope_deg = "90";
        doc.basis = basis;
        // A transom is checked where its catalogue gives Iy and Wy.
        doc.catalogue = CatalogueRef{"house", "house.csv", "0"};
        const ReportBay bay = collectBay("transom", doc, fmt, std::nullopt, &*house.catalogue);
        ASSERT_FALSE(bay.refusal);
        const BayDiagrams d = bayDiagrams(bay.run);
        ASSERT_FALSE(d.cases.empty());
        const auto transoms = std::count_if(d.cases.begin(), d.cases.end(),
                                            [](const LoadCaseDiagrams& s) { return s.transom; });
        const std::vector<Block> blocks = bayBlocks(bay);
        const std::string heading = say(Message::ReportHeadingTransomDiagrams, Language::Greek);
        const auto at = std::find_if(blocks.begin(), blocks.end(), [&](const Block& b) {
            return b.kind == BlockKind::Heading && b.a == heading;
        });
        if (basis == DesignBasis::Allowable) {
            EXPECT_EQ(transoms, 0);
            EXPECT_EQ(at, blocks.end());
            continue;
        }
        ASSERT_TRUE(bay.run.limitStates && bay.run.limitStates->result.transomLoads);
        const int mullions = bay.run.limitStates->result.mullionLoadCount;
        ASSERT_EQ(d.cases.size(), std::size_t(mullions) + 2u);
        EXPECT_EQ(d.cases[std::size_t(mullions)].transom, TransomAxis::Strong);
        EXPECT_EQ(d.cases[std::size_t(mullions) + 1].transom, TransomAxis::Weak);
        EXPECT_LT(d.governing, std::size_t(mullions));
        EXPECT_EQ(loadCaseName(d.cases.back(), {}, Language::English, fmt),
                  "Transom — weak axis (glass weight)");

        ASSERT_NE(at, blocks.end());
        // After the last check's verdict, two figures of the sets drawn.
        const std::string blockCheck = say(Message::CheckTransomBlockDeflection, Language::Greek);
        const auto lastCheck = std::find_if(blocks.begin(), blocks.end(), [&](const Block& b) {
            return b.kind == BlockKind::Verdict && b.a.rfind(blockCheck, 0) == 0;
        });
        ASSERT_NE(lastCheck, blocks.end());
        EXPECT_LT(lastCheck, at);
        std::vector<const Block*> figures;
        for (auto b = at; b != blocks.end() && (b == at || b->kind != BlockKind::Heading); ++b)
            if (b->kind == BlockKind::Diagrams)
                figures.push_back(&*b);
        ASSERT_EQ(figures.size(), 2u);
        for (std::size_t k = 0; k < 2; ++k) {
            ASSERT_TRUE(figures[k]->picture && figures[k]->picture->drawn);
            const DiagramCurve* w = curveOf(*figures[k]->picture->drawn, DiagramKind::Deflection);
            const DiagramCurve* mine =
                curveOf(d.cases[std::size_t(mullions) + k].diagrams, DiagramKind::Deflection);
            ASSERT_TRUE(w && mine && w->largest && mine->largest);
            EXPECT_DOUBLE_EQ(w->largest->value, mine->largest->value);
        }
    }
}

}  // namespace
}  // namespace cw::report
