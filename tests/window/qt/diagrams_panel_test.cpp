// View → Diagrams: after a run the panel's figure carries the extremes the checks show, to the
// figure's two decimals, in the locale's notation; it fades with a note when the inputs change
// and comes back with the next run; under limit states each combination of the run can be
// chosen; a language switch redraws it. The figure's data is read, not its pixels.

#include "window_fixture.h"

#include "bay/limit_state_texts.h"
#include "bay/number_text.h"
#include "text/messages.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <optional>
#include <string>

namespace cw::gui::test {
namespace {

using C = ControlId;

struct PanelCase {
    const char* name;
    const char* locale;
    bool english;
    ControlId system;
    const char* L1;
    const char* L2;  // two spans only
    bool limitStates;
    // The largest moment by hand, kNm, for A1 = A2 = 120 cm (b = 1,2 m) and p = 0,8 kN/m²:
    // q = b p = 0,96 kN/m (allowable), 1,5 q = 1,44 kN/m (EN 1990 6.10, wind leading; no dead
    // load across vertical glazing).
    double handMoment_kNm;
};

void PrintTo(const PanelCase& c, std::ostream* os) {
    *os << c.name;
}

// One span: M = q L² / 8. Two spans 4 m + 1,2 m, pinned ends: Clapeyron's three-moment
// equation gives the middle support's M = −q (L1³ + L2³) / (8 (L1 + L2)) = −1,58 q.
const PanelCase kCases[] = {
    {"greek_one_span_allowable", "el_GR", false, C::Option9, "300", "", false, 0.96 * 9.0 / 8.0},
    {"english_one_span_allowable", "en_US", true, C::Option9, "300", "", false, 0.96 * 9.0 / 8.0},
    {"greek_two_spans_400_120_allowable", "el_GR", false, C::Option13, "400", "120", false,
     -0.96 * (64.0 + 1.728) / (8.0 * 5.2)},
    {"english_one_span_limit_states", "en_US", true, C::Option9, "300", "", true,
     1.44 * 9.0 / 8.0},
    {"greek_two_spans_400_120_limit_states", "el_GR", false, C::Option13, "400", "120", true,
     -1.44 * (64.0 + 1.728) / (8.0 * 5.2)},
};

std::string say(Message m, bool english) {
    return cw::say(m, english ? Language::English : Language::Greek);
}

class DiagramsPanelTest : public ::testing::TestWithParam<PanelCase> {
protected:
    DiagramsPanelTest() : w(GetParam().locale) {
        clickOn(w.widget(GetParam().english ? C::Command10 : C::Command9));
        panel()->show();
    }

    DiagramsPanel* panel() const { return w.window.diagramsPanel(); }
    const NumberFormat& fmt() const { return w.form.numberFormat(); }

    void design(const char* L1) {
        const PanelCase& c = GetParam();
        if (c.limitStates)
            w.window.limitStateControls()->limitStates()->trigger();
        clickOn(w.widget(C::Option10));
        clickOn(w.widget(c.system));
        typeInto(w.widget(C::Text4), QStringLiteral("120"));
        typeInto(w.widget(C::Text7), QStringLiteral("120"));
        typeInto(w.widget(C::Text2), QString::fromLatin1(L1));
        if (c.system == C::Option13)
            typeInto(w.widget(C::Text13), QString::fromLatin1(c.L2));
        typeInto(w.widget(C::Text10), QStringLiteral("100"));
        typeInto(w.widget(C::Text12), QStringLiteral("200"));
        typeInto(w.widget(C::Text8), c.english ? QStringLiteral("0.8") : QStringLiteral("0,8"));
        clickOn(w.widget(C::Command2));
        clickOn(w.widget(C::Command15));
        clickOn(w.widget(C::Command1));
    }

    // The set drawn now and its moment curve's extreme of the larger magnitude.
    const report::LoadCaseDiagrams& drawn() const {
        const int at = panel()->combinations()->currentIndex();
        return panel()->diagrams().cases.at(at < 0 ? 0 : std::size_t(at));
    }
    double largestMoment() const {
        const report::DiagramCurve& m = drawn().diagrams.curves.at(0);
        EXPECT_EQ(m.kind, report::DiagramKind::Moment);
        const double big = m.largest ? m.largest->value : 0.0;
        const double small = m.smallest ? m.smallest->value : 0.0;
        return std::abs(small) > std::abs(big) ? small : big;
    }

    // Whether the figure showing writes this value, as its labels write one ("= 1,23 kNm").
    bool figureWrites(double value, const char* unit) const {
        std::string v = fixedText(value, fmt());
        if (v[0] == '-')
            v = "−" + v.substr(1);
        const std::string wanted = "= " + v + " " + unit;
        const auto& labels = panel()->canvas()->figure().labels;
        return std::any_of(labels.begin(), labels.end(), [&](const report::FigureLabel& l) {
            return l.text.toStdString().find(wanted) != std::string::npos;
        });
    }
    bool figureTitled(Message title, bool english) const {
        const auto& labels = panel()->canvas()->figure().labels;
        return std::any_of(labels.begin(), labels.end(), [&](const report::FigureLabel& l) {
            return l.text.toStdString() == say(title, english);
        });
    }

    Window w;
};

TEST_P(DiagramsPanelTest, TheFigureCarriesTheExtremesTheChecksShow) {
    const PanelCase& c = GetParam();
    EXPECT_EQ(panel()->note()->text().toStdString(), say(Message::DiagramsNothingYet, c.english));
    EXPECT_TRUE(panel()->canvas()->figure().labels.empty());

    design(c.L1);
    ASSERT_TRUE(w.form.state().shownRun);
    ASSERT_FALSE(panel()->diagrams().cases.empty());
    EXPECT_EQ(std::size_t(std::max(panel()->combinations()->currentIndex(), 0)),
              panel()->diagrams().governing);
    EXPECT_FALSE(panel()->canvas()->faded());
    EXPECT_TRUE(figureTitled(Message::DiagramMoment, c.english));
    // Under limit states the hand value is that of the wind-leading combination, listed first.
    if (c.limitStates)
        panel()->combinations()->setCurrentIndex(0);
    const double M = largestMoment();
    EXPECT_NEAR(M, c.handMoment_kNm, 1e-9);
    EXPECT_TRUE(figureWrites(M, "kNm")) << M;

    if (!c.limitStates) {
        EXPECT_FALSE(panel()->combinations()->isVisibleTo(panel()));
        if (c.system == C::Option9) {
            // One span: the required moment the panel shows (kNcm) is the beam's largest.
            const auto shown = parseNumber(w.form.state().text(Field::RequiredMoment), fmt());
            ASSERT_TRUE(shown);
            EXPECT_NEAR(M * 100.0, *shown, 0.005 + 1e-9);
        }
        return;
    }

    // Limit states: every combination of the run is offered, the governing one first drawn,
    // and each check of the mullion is the extreme of its combination's diagrams.
    ASSERT_TRUE(w.form.state().limitStates);
    const LimitStateResult& r = w.form.state().limitStates->result;
    QComboBox* list = panel()->combinations();
    EXPECT_TRUE(list->isVisibleTo(panel()));
    ASSERT_EQ(list->count(), r.mullionLoadCount);
    for (int k = 0; k < list->count(); ++k)
        EXPECT_EQ(list->itemText(k).toStdString(),
                  combinationText(r.mullionLoads[std::size_t(k)].combination, {}, fmt()));
    const LimitStateCheck* governing = nullptr;
    for (int k = 0; k < r.checkCount; ++k) {
        const LimitStateCheck& check = r.checks[std::size_t(k)];
        if (check.id <= CheckId::MullionDeflection &&
            (!governing || check.utilisation > governing->utilisation))
            governing = &check;
    }
    ASSERT_TRUE(governing);
    EXPECT_EQ(list->itemText(int(panel()->diagrams().governing)).toStdString(),
              combinationText(governing->combination, {}, fmt()));

    const LimitStateTexts texts =
        limitStateTexts(*w.form.state().limitStates, defaultAlloy(), {}, Language::Greek, fmt());
    int compared = 0;
    for (int k = 0; k < r.checkCount; ++k) {
        const LimitStateCheck& check = r.checks[std::size_t(k)];
        if (check.id != CheckId::MullionBending && check.id != CheckId::MullionDeflection)
            continue;
        const auto at = std::find_if(
            r.mullionLoads.begin(), r.mullionLoads.begin() + r.mullionLoadCount,
            [&](const CombinationLoad& l) { return l.combination == check.combination; });
        ASSERT_NE(at, r.mullionLoads.begin() + r.mullionLoadCount);
        list->setCurrentIndex(int(at - r.mullionLoads.begin()));
        ASSERT_EQ(drawn().combination, check.combination);
        const std::size_t curve = check.id == CheckId::MullionBending ? 0 : 2;
        ASSERT_GT(drawn().diagrams.curves.size(), curve);
        const report::DiagramCurve& cv = drawn().diagrams.curves[curve];
        double extreme = 0.0;
        for (const auto& e : {cv.largest, cv.smallest})
            if (e && std::abs(e->value) > std::abs(extreme))
                extreme = e->value;
        // E_d as the checks' dialog shows it, three decimals.
        const auto shown = parseNumber(texts.checks[std::size_t(k)].design, fmt());
        ASSERT_TRUE(shown);
        EXPECT_NEAR(std::abs(extreme), *shown, 0.0005 + 1e-9) << texts.checks[std::size_t(k)].check;
        EXPECT_TRUE(figureWrites(extreme, check.id == CheckId::MullionBending ? "kNm" : "mm"))
            << extreme;
        ++compared;
    }
    EXPECT_EQ(compared, 2);
}

TEST_P(DiagramsPanelTest, AChangedInputFadesItUntilTheNextRun) {
    const PanelCase& c = GetParam();
    design(c.L1);
    const double before = largestMoment();
    EXPECT_FALSE(panel()->canvas()->faded());
    EXPECT_NE(panel()->note()->text().toStdString(), say(Message::DiagramsOutOfDate, c.english));

    typeInto(w.widget(C::Text2), QStringLiteral("350"));
    EXPECT_TRUE(panel()->canvas()->faded());
    EXPECT_TRUE(panel()->note()->isVisibleTo(panel()));
    EXPECT_EQ(panel()->note()->text().toStdString(), say(Message::DiagramsOutOfDate, c.english));
    // Still the last run's diagrams, to compare with.
    EXPECT_DOUBLE_EQ(largestMoment(), before);

    clickOn(w.widget(C::Command1));
    EXPECT_FALSE(panel()->canvas()->faded());
    EXPECT_NE(panel()->note()->text().toStdString(), say(Message::DiagramsOutOfDate, c.english));
    EXPECT_TRUE(figureWrites(largestMoment(), "kNm"));
    if (c.system == C::Option9) {  // M grows with L²
        EXPECT_NEAR(largestMoment(), before * 3.5 * 3.5 / 9.0, 1e-9);
    }
}

TEST_P(DiagramsPanelTest, ALanguageSwitchRedrawsItInTheOtherLanguage) {
    const PanelCase& c = GetParam();
    design(c.L1);
    const int chosen = panel()->combinations()->count() > 1 ? 1 : -1;
    if (chosen > 0)
        panel()->combinations()->setCurrentIndex(chosen);
    const std::string menu = w.window.diagramsPanel()->viewMenu()->title().toStdString();
    EXPECT_TRUE(figureTitled(Message::DiagramMoment, c.english));

    clickOn(w.widget(c.english ? C::Command9 : C::Command10));
    EXPECT_TRUE(figureTitled(Message::DiagramMoment, !c.english));
    EXPECT_TRUE(figureTitled(Message::DiagramShear, !c.english));
    EXPECT_FALSE(figureTitled(Message::DiagramMoment, c.english));
    EXPECT_EQ(panel()->windowTitle().toStdString(), say(Message::DiagramsTab, !c.english));
    EXPECT_EQ(w.window.diagramsPanel()->viewMenu()->title().toStdString(),
              say(Message::MenuView, !c.english));
    EXPECT_NE(w.window.diagramsPanel()->viewMenu()->title().toStdString(), menu);
    // The numbers keep the locale's notation and the combination chosen stays.
    EXPECT_TRUE(figureWrites(largestMoment(), "kNm"));
    if (chosen > 0) {
        EXPECT_EQ(panel()->combinations()->currentIndex(), chosen);
    }
}

// A transom checked under limit states (its catalogue gives Iy and Wy): its two axes follow
// the mullion's combinations in the list, each drawn with the note of what it is under, its
// deflection the check's; a language switch renames them.
TEST(DiagramsPanelTransom, ItsAxesAreOfferedAfterTheCombinations) {
    QTemporaryDir dir;
    const QString house = dir.filePath(QStringLiteral("house.csv"));
    std::ofstream(house.toStdString(), std::ios::binary)
        << "use,code,role,Ix_cm4,e_mm,Wx_cm3,Iy_cm4,Wy_cm3\n"
           "vertical,D-1,mullion,9000,60,,,\n"
           "vertical,T-1,transom,50,,5,10,2\n";
    Window w("el_GR");
    ASSERT_EQ(w.window.catalogues()->addFile(house), 0);
    DiagramsPanel* panel = w.window.diagramsPanel();
    panel->show();
    w.window.limitStateControls()->limitStates()->trigger();
    // The catalogue in place of a series option.
    w.window.catalogues()->choose(0);
    ASSERT_TRUE(w.form.state().userCatalogue);
    clickOn(w.widget(C::Option9));
    typeInto(w.widget(C::Text4), QStringLiteral("120"));
    typeInto(w.widget(C::Text7), QStringLiteral("120"));
    typeInto(w.widget(C::Text2), QStringLiteral("300"));
    typeInto(w.widget(C::Text10), QStringLiteral("100"));
    typeInto(w.widget(C::Text12), QStringLiteral("200"));
    typeInto(w.widget(C::Text8), QStringLiteral("0,8"));
    clickOn(w.widget(C::Command2));
    clickOn(w.widget(C::Command15));
    clickOn(w.widget(C::Command1));
    ASSERT_TRUE(w.form.state().limitStates);
    const LimitStateResult& r = w.form.state().limitStates->result;
    ASSERT_TRUE(r.transomLoads);
    QComboBox* list = panel->combinations();
    ASSERT_EQ(list->count(), r.mullionLoadCount + 2);
    EXPECT_LT(list->currentIndex(), r.mullionLoadCount);
    const int strong = r.mullionLoadCount, weak = strong + 1;
    EXPECT_EQ(list->itemText(strong).toStdString(), say(Message::DiagramTransomStrong, false));
    EXPECT_EQ(list->itemText(weak).toStdString(), say(Message::DiagramTransomWeak, false));

    const NumberFormat& fmt = w.form.numberFormat();
    for (const auto& [at, id] : {std::pair{strong, CheckId::TransomDeflection},
                                 std::pair{weak, CheckId::TransomBlockDeflection}}) {
        list->setCurrentIndex(at);
        const report::LoadCaseDiagrams& set = panel->diagrams().cases.at(std::size_t(at));
        ASSERT_TRUE(set.transom);
        EXPECT_EQ(panel->note()->text().toStdString(),
                  report::transomBasisText(set, Language::Greek, fmt));
        EXPECT_TRUE(panel->note()->isVisibleTo(panel));
        const auto check = std::find_if(r.checks.begin(), r.checks.begin() + r.checkCount,
                                        [&](const LimitStateCheck& c) { return c.id == id; });
        ASSERT_NE(check, r.checks.begin() + r.checkCount);
        const std::string wanted = "δ = " + fixedText(check->Ed, fmt) + " mm";
        const auto& labels = panel->canvas()->figure().labels;
        EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [&](const report::FigureLabel& l) {
            return l.text.toStdString().rfind(wanted, 0) == 0;
        })) << wanted;
    }

    clickOn(w.widget(C::Command10));
    EXPECT_EQ(list->currentIndex(), weak);
    EXPECT_EQ(list->itemText(strong).toStdString(), say(Message::DiagramTransomStrong, true));
    EXPECT_EQ(list->itemText(weak).toStdString(), say(Message::DiagramTransomWeak, true));
    EXPECT_EQ(panel->note()->text().toStdString(),
              report::transomBasisText(panel->diagrams().cases.at(std::size_t(weak)),
                                       Language::English, fmt));
}

INSTANTIATE_TEST_SUITE_P(Bays, DiagramsPanelTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<PanelCase>& p) {
                             return std::string(p.param.name);
                         });

}  // namespace
}  // namespace cw::gui::test
