// The bay run against the window it stands in for: a bay document opened in the window's
// model (its choices taken as a user would, then NEXT, which runs the document the window
// holds; and opened with its run) and the same document run without a window must show the
// same texts, refusals and verdicts, whatever the document holds.

#include "bay/bay_run.h"
#include "input/bay_document_io.h"
#include "input/form.h"
#include "input/site_wind.h"
#include "model/used_inputs.h"
#include "model/verdicts.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

namespace cw {
namespace {

class DocumentMaker {
public:
    DocumentMaker(std::uint32_t seed, bool comma) : m_rnd(seed), m_comma(comma) {}

    BayDocument next() {
        BayDocument d;
        d.series = pick<std::optional<Series>>({std::nullopt, Series::Veltra, Series::KorinDalvo,
                                                Series::Terrax, Series::Veltra, Series::KorinDalvo,
                                                Series::Terrax});
        d.staticSystem = pick<std::optional<StaticSystem>>(
            {std::nullopt, StaticSystem::OneSpan, StaticSystem::TwoSpans, StaticSystem::FixedEnds,
             StaticSystem::OneSpan, StaticSystem::TwoSpans});
        d.wind = pick<WindChoice>({WindSource::None, HeightBand::UpTo8m, HeightBand::UpTo20m,
                                   HeightBand::UpTo100m, WindSource::TypedPressure,
                                   WindSource::TypedPressure, WindSource::WindSpeed,
                                   WindSource::WindSpeed});
        d.language = pick<Language>({Language::Greek, Language::English});
        d.deflectionCriterion = pick<DeflectionCriterion>(
            {DeflectionCriterion::En13830_2003, DeflectionCriterion::En13830_2015});
        const double L1 = uniform(50, 900);
        d.gridWidthA1_cm = number(10, 500);
        d.gridWidthA2_cm = number(0, 500);
        d.spanL1_cm = number(L1, L1);
        d.spanL2_cm =
            pick<std::string>({"", number(0, L1 * 1.1), number(0, L1 * 0.3), d.spanL1_cm});
        d.glazingHeightH1_cm = number(0, 400);
        d.glazingHeightH2_cm = number(1, 400);
        d.glassThickness_mm = number(0, 40);
        d.deflectionDivisor = pick<std::string>({"200", number(50, 400), number(0, 40000)});
        d.allowableDeflection_mm = pick<std::string>({"15", "10", "20", number(1, 30)});
        d.windPressure_kNm2 = number(0, 4);
        d.windSpeed_kmh = number(0, 250);
        d.structureWeight_kNm2 = number(0, 2);
        d.snowHeight_cm = number(0, 200);
        d.slope_deg = number(-10, 100);
        if (uniform(0, 1) < 0.3) {
            m_typedSite.clear();
            d.kept = kept(d);
            if (!m_typedSite.empty()) {
                d.wind = WindSource::TypedPressure;
                d.windPressure_kNm2 = m_typedSite;
            }
        }
        return d;
    }

private:
    // What a saved window keeps of its wind load, as any sequence of buttons may leave it.
    BayKeptState kept(const BayDocument& d) {
        BayKeptState k;
        k.bandSelected = pick<std::optional<HeightBand>>(
            {std::nullopt, HeightBand::UpTo8m, HeightBand::UpTo20m, HeightBand::UpTo100m});
        k.windInput = pick<std::optional<WindInput>>(
            {std::nullopt, WindInput::Taken, WindInput::TypedPressure, WindInput::FromSpeed});
        k.pressure = pick<TaggedValue>(
            {TaggedValue(), TaggedValue::real(uniform(0, 3)), TaggedValue::text(number(0, 3))});
        k.heightBandLimit = pick<TaggedValue>({TaggedValue(), TaggedValue::int16(8),
                                               TaggedValue::int16(20), TaggedValue::int16(100)});
        k.pressureInForce = number(0, 3);
        k.allowableDeflectionCapped_mm =
            pick<std::string>({d.allowableDeflection_mm, "15", number(1, 15)});
        if (uniform(0, 1) < 0.5) {
            SiteWindInput site;
            site.vb0_ms = 27;
            site.z_m = uniform(1, 60);
            site.cpe10 = -1.2;
            site.cpe1 = -1.4;
            site.area_m2 = uniform(0.5, 12);
            site.cpi = 0.2;
            k.siteWind = site;
            // Now and then the typed pressure is the one the site values gave.
            if (const auto p = siteWindPressure(site).pressure; p && uniform(0, 1) < 0.7) {
                const NumberFormat fmt = NumberFormat::fromLocale(m_comma ? "el_GR" : "en_US");
                k.windInput = WindInput::TypedPressure;
                m_typedSite = siteWindPressureText(p->w_kNm2, fmt);
            }
        }
        return k;
    }

    template <class T>
    T pick(std::initializer_list<T> choices) {
        std::uniform_int_distribution<std::size_t> at(0, choices.size() - 1);
        return *(choices.begin() + at(m_rnd));
    }
    double uniform(double lo, double hi) { return std::uniform_real_distribution<>(lo, hi)(m_rnd); }
    // A number in the notation, now and then a text a user gets wrong.
    std::string number(double lo, double hi) {
        if (uniform(0, 1) < 0.05)
            return pick<std::string>({"", " ", "abc", "-5", "0", "1e400", "12..3", "1,200", "1.200",
                                      "99999999", " 7 ", "nan"});
        char text[32];
        std::snprintf(text, sizeof text, "%.*f", int(uniform(0, 4)), uniform(lo, hi));
        std::string s = text;
        if (m_comma)
            for (char& c : s)
                if (c == '.')
                    c = ',';
        return s;
    }

    std::mt19937 m_rnd;
    bool m_comma;
    std::string m_typedSite;
};

// The results a run shows or hides with the mullion.
constexpr Field kPanelFields[] = {Field::PressureInForce,
                                  Field::EchoWindSpeed,
                                  Field::RequiredMullionJx,
                                  Field::RequiredWx,
                                  Field::RequiredMoment,
                                  Field::RequiredTransomJx,
                                  Field::RequiredTransomJy,
                                  Field::SuggestedMullion,
                                  Field::SuggestedIx,
                                  Field::SuggestedWx,
                                  Field::SuggestedTransom,
                                  Field::MullionDeflection,
                                  Field::DesignedDeflectionLimit,
                                  Field::MullionStress};

struct Notation {
    const char* locale;
    bool comma;
};

class BayRunAgainstWindow : public ::testing::TestWithParam<Notation> {};

TEST_P(BayRunAgainstWindow, ShowsWhatTheWindowShows) {
    const NumberFormat fmt = NumberFormat::fromLocale(GetParam().locale);
    DocumentMaker maker(20261207, GetParam().comma);
    int completed = 0;
    int refused = 0;
    int sitesInForce = 0;
    for (int i = 0; i < 20000; ++i) {
        const BayDocument d = maker.next();
        // The window's own NEXT on the document's inputs, as a user would press it.
        Form form(fmt);
        openDocument(form, d, false);
        form.click(ControlId::Command1);
        const WindowState& w = form.state();
        const BayOutcome run = runBay(d, fmt);

        // Opening runs the bay itself when it is complete enough, and must paint what NEXT
        // paints.
        if (readyToRun(d)) {
            Form opened(fmt);
            openDocument(opened, d);
            const WindowState& o = opened.state();
            ASSERT_EQ(o.pendingMessages(), w.pendingMessages());
            for (int id = 0; id < kControlCount; ++id) {
                const ControlId c = static_cast<ControlId>(id);
                ASSERT_EQ(o.text(c), w.text(c)) << controlName(c);
                ASSERT_EQ(o.visible(c), w.visible(c)) << controlName(c);
            }
            ASSERT_EQ(verdicts(o), verdicts(w));
            ASSERT_EQ(resultsCurrent(o), resultsCurrent(w));
        }

        SCOPED_TRACE("document " + std::to_string(i));
        std::vector<std::string> messages;
        if (const Refusal* wind = run.windRefusal())
            messages.push_back(wind->message);
        if (run.refusal)
            messages.push_back(run.refusal->message);
        ASSERT_EQ(w.pendingMessages(), messages);
        ASSERT_EQ(siteWindInForce(w), run.siteWind.has_value());
        if (run.siteWind)
            sitesInForce++;
        ASSERT_EQ(w.shownRun.has_value(), run.completed);
        // The refusal names the field the window puts the focus on, where it can take it.
        if (run.refusal && run.refusal->field && w.visible(controlOf(*run.refusal->field))) {
            ASSERT_EQ(w.focused(), controlOf(*run.refusal->field));
        }
        if (!run.completed) {
            refused += run.refusal ? 1 : 0;
            continue;
        }
        ++completed;
        // Every text a run writes, whether the panel shows it or not.
        for (std::size_t f = kInputFieldCount; f < kFieldCount; ++f) {
            const Field field = static_cast<Field>(f);
            ASSERT_EQ(w.text(field), run.texts[field]) << controlName(controlOf(field));
        }
        for (Field field : kPanelFields)
            ASSERT_EQ(w.visible(controlOf(field)), run.shows(field))
                << controlName(controlOf(field));
        const Verdicts v = verdicts(w);
        ASSERT_EQ(v.stressPasses, run.verdicts.stressPasses);
        ASSERT_EQ(v.deflectionPasses, run.verdicts.deflectionPasses);
        ASSERT_EQ(v.aluminiumStress, run.verdicts.aluminiumStress);
        ASSERT_EQ(w.form().heightBandLimit, run.heightBandLimit);
    }
    // The documents reach both ends, or the comparison proves little.
    EXPECT_GT(completed, 3000);
    EXPECT_GT(refused, 3000);
    EXPECT_GT(sitesInForce, 300);
}

// The verdicts of a run's texts, worked by hand: σ against 9,50 kN/cm², the deflection against
// the designed limit, each as shown in hundredths (9,504 shows as 9,50; 9,505 as 9,51, halves
// away from zero); an insert beyond its strength (utilisation above 1) fails the stress check
// whatever the aluminium's relation; without a mullion the deflection is not shown.
struct VerdictRow {
    const char* name;
    bool mullion;
    std::optional<double> steelUtilisation;
    const char* stress;
    const char* deflection;
    const char* limit;
    RunVerdicts expected;
};

const VerdictRow kVerdictRows[] = {
    {"equal_passes", true, {}, "9,50", "10,00", "10,00", {true, true, 0}},
    {"below", true, {}, "9,49", "9,99", "10,00", {true, true, -1}},
    {"above", true, {}, "9,51", "10,01", "10,00", {false, false, 1}},
    {"hundredths_as_shown", true, {}, "9,504", "10,004", "10,00", {true, true, 0}},
    {"half_rounds_up", true, {}, "9,505", "10,005", "10,00", {false, false, 1}},
    {"insert_overstressed", true, 1.01, "9,00", "5,00", "10,00", {false, true, -1}},
    {"insert_at_strength", true, 1.0, "9,00", "5,00", "10,00", {true, true, -1}},
    {"no_mullion_no_deflection", false, {}, "12,00", "5,00", "10,00", {false, {}, 1}},
    {"stress_not_a_number", true, {}, "", "5,00", "10,00", {{}, true, {}}},
    {"limit_not_a_number", true, {}, "9,00", "5,00", "x", {true, {}, -1}},
};

class RunVerdictsTable : public ::testing::TestWithParam<VerdictRow> {};

TEST_P(RunVerdictsTable, DecidesOnTheNumbersAsShown) {
    const VerdictRow& row = GetParam();
    BayDesign design;
    if (row.mullion) {
        design.mullion = MullionCheck{};
        if (row.steelUtilisation) {
            design.mullion->insert = MullionCheck::Insert{};
            design.mullion->insert->bending.steelUtilisation = *row.steelUtilisation;
        }
    }
    RunTexts texts;
    texts[Field::MullionStress] = row.stress;
    texts[Field::MullionDeflection] = row.deflection;
    texts[Field::DesignedDeflectionLimit] = row.limit;
    const RunVerdicts v = verdictsOf(design, texts, NumberFormat::fromLocale("el_GR"));
    EXPECT_EQ(v.stressPasses, row.expected.stressPasses);
    EXPECT_EQ(v.deflectionPasses, row.expected.deflectionPasses);
    EXPECT_EQ(v.aluminiumStress, row.expected.aluminiumStress);
}

// NEXT without a static system the series offers reads the fields before the span and echoes
// them, designing nothing: b = 100 / 2 + 150 / 2 = 125 cm; L2 only in a two-span run. It also
// echoes the pressure in force with its wind speed, v = sqrt(q * 10^7 / 483) km/h (q in kN/m2:
// 0,483 gives 100 and 1,932 gives 200), and keeps the limits for the spreadsheet as a run with
// a system would: L1 / d = 300 / 200 = 1,5 cm and f / 10 = 15 / 10 = 1,5 cm; Terrax keeps none.
TEST(RunBay, WithoutASystemEchoesTheFirstInputs) {
    struct Row {
        const char* name;
        std::optional<Series> series;
        std::optional<StaticSystem> system;
        bool kept;  // the pressure in force as the window kept it, not taken from the typed one
        bool echoed;
        bool completed;
        const char* echoedPressure;
        const char* echoedSpeed;
        bool limitsKept;
    };
    const Row rows[] = {
        {"no_system", Series::Veltra, std::nullopt, false, true, false, "0,48", "100,00", true},
        {"no_system_kept", Series::KorinDalvo, std::nullopt, true, true, false, "1,93", "200,00",
         true},
        {"terrax_fixed_ends_not_offered", Series::Terrax, StaticSystem::FixedEnds, false, true,
         false, "0,48", "100,00", false},
        {"one_span_designs", Series::Veltra, StaticSystem::OneSpan, false, false, true, "0,48",
         "100,00", true},
        {"no_series_runs_nothing", std::nullopt, std::nullopt, false, false, false, "", "", false},
    };
    const NumberFormat fmt = NumberFormat::fromLocale("el_GR");
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        BayDocument d;
        d.series = r.series;
        d.staticSystem = r.system;
        d.wind = WindSource::TypedPressure;
        d.windPressure_kNm2 = "0,483";
        d.gridWidthA1_cm = "100";
        d.gridWidthA2_cm = "150";
        d.spanL1_cm = "300";
        d.spanL2_cm = "50";
        d.glazingHeightH1_cm = "100";
        d.glazingHeightH2_cm = "100";
        d.glassThickness_mm = "10";
        d.deflectionDivisor = "200";
        d.allowableDeflection_mm = "15";
        if (r.kept) {
            BayKeptState kept;
            kept.windInput = WindInput::FromSpeed;
            kept.pressure = TaggedValue::real(1.932);
            kept.pressureInForce = "1,932";
            kept.allowableDeflectionCapped_mm = "15";
            d.kept = kept;
        }
        const BayOutcome o = runBay(d, fmt);
        EXPECT_FALSE(o.refusal);
        EXPECT_EQ(o.echoedWithoutSystem, r.echoed);
        EXPECT_EQ(o.completed, r.completed);
        if (!r.echoed && !r.completed)
            continue;
        EXPECT_EQ(o.texts[Field::LoadWidth], "125");
        EXPECT_EQ(o.texts[Field::EchoA1], "100");
        EXPECT_EQ(o.texts[Field::EchoA2], "150");
        EXPECT_EQ(o.texts[Field::EchoL1], "300");
        EXPECT_EQ(o.texts[Field::EchoL2], "");
        EXPECT_EQ(o.texts[Field::EchoPressure], r.echoedPressure);
        EXPECT_EQ(o.texts[Field::EchoWindSpeed], r.echoedSpeed);
        const KeptLimits expected =
            r.limitsKept ? KeptLimits{TaggedValue::single(300.0f), TaggedValue::text("1,50"),
                                      TaggedValue::text("1,50")}
                         : KeptLimits{};
        EXPECT_EQ(o.keptLimits, expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, RunVerdictsTable, ::testing::ValuesIn(kVerdictRows),
                         [](const auto& row) { return std::string(row.param.name); });

INSTANTIATE_TEST_SUITE_P(Notations, BayRunAgainstWindow,
                         ::testing::Values(Notation{"el_GR", true}, Notation{"en_US", false}),
                         [](const auto& param) { return std::string(param.param.locale); });

// The copy of f beside the criterion, as the run reads it and an opened window shows it: f
// below 15 mm as typed, 15 from 15 mm up, the start "0" for a text that is no number, and
// the kept copy where the window kept one, whatever f says.
TEST(RunBay, ReadsTheCappedDeflectionAndTheOpenedWindowShowsIt) {
    struct Row {
        const char* typed;
        const char* kept;  // nullptr: the document kept no window state
        const char* capped;
    };
    const Row rows[] = {
        {"12", nullptr, "12"},  {"14,9", nullptr, "14,9"}, {"15,1", nullptr, "15"},
        {"abc", nullptr, "0"},  {"", nullptr, "0"},          {"150", "7", "7"},
        {"12", "15", "15"},
    };
    const NumberFormat fmt = NumberFormat::fromLocale("el_GR");
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.typed) + " kept " + (r.kept ? r.kept : "none"));
        BayDocument d;
        d.series = Series::Veltra;
        d.staticSystem = StaticSystem::OneSpan;
        d.allowableDeflection_mm = r.typed;
        if (r.kept) {
            BayKeptState kept;
            kept.allowableDeflectionCapped_mm = r.kept;
            d.kept = kept;
        }
        EXPECT_EQ(runBay(d, fmt).allowableDeflectionCapped, r.capped);
        Form form(fmt);
        openDocument(form, d);
        EXPECT_EQ(form.state().text(Field::AllowableDeflectionCapped), r.capped);
    }
}

}  // namespace
}  // namespace cw
