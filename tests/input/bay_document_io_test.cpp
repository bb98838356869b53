// A bay's inputs taken from the window and given back: the window after opening is the
// window the inputs were taken from.

#include "input/bay_document_io.h"
#include "input/site_wind.h"
#include "model/choices.h"
#include "model/state_dump.h"
#include "model/used_inputs.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace cw::test {
namespace {

using C = ControlId;

// A dump without the focus and the messages: what the inputs decide.
std::string inputsAndResults(const Form& f) {
    const std::string dump = stateDump(f.state(), {});
    return dump.substr(dump.find(", \"controls\""));
}

struct EnteredBay {
    const char* name;
    const char* locale;
    std::vector<std::string> actions;  // "click C", "type C TEXT"
};

void perform(Form& f, const std::string& action) {
    std::istringstream in(action);
    std::string verb, name;
    in >> verb >> name;
    std::string text;
    std::getline(in, text);
    if (!text.empty() && text.front() == ' ')
        text.erase(0, 1);
    for (int i = 0; i < kControlCount; ++i) {
        if (controlName(ControlId(i)) != name)
            continue;
        if (verb == "click")
            f.click(ControlId(i));
        else
            f.type(ControlId(i), text);
        return;
    }
    FAIL() << "no control " << name;
}

class OpenedBay : public ::testing::TestWithParam<EnteredBay> {};

TEST_P(OpenedBay, GivesBackTheWindowItCameFrom) {
    const EnteredBay& s = GetParam();
    const NumberFormat fmt = NumberFormat::fromLocale(s.locale);
    Form original(fmt);
    for (const std::string& action : s.actions)
        perform(original, action);
    original.click(C::Command1);
    const BayDocument document = documentOf(original.state());

    Form opened(fmt);
    opened.click(C::Option11);  // whatever was there before goes
    opened.type(C::Text37, "7");
    openDocument(opened, document);
    EXPECT_EQ(inputsAndResults(opened), inputsAndResults(original));
    EXPECT_EQ(documentOf(opened.state()), document);
}

const EnteredBay kEnteredBays[] = {
    {"veltra_band_greek",
     "el_GR",
     {"click Option10", "click Option9", "type Text4 120", "type Text7 90", "type Text2 300",
      "type Text10 100", "type Text12 200", "click Option2", "click Command15"}},
    {"korin_two_spans_pressure_english",
     "en_US",
     {"click Command10", "click Option11", "click Option13", "type Text4 150", "type Text7 150",
      "type Text2 400", "type Text13 200", "type Text10 100", "type Text12 200", "type Text8 1.25",
      "click Command11", "click Command17"}},
    {"terrax_sloped_from_wind_speed",
     "el_GR",
     {"click Option12", "click Option9", "type Text4 100", "type Text7 100", "type Text2 300",
      "type Text10 150", "type Text12 150", "type Text42 25", "type Text11 110", "click Command4",
      "type Text38 12,5"}},
    {"no_mullion_fits",
     "el_GR",
     {"click Option11", "click Option9", "type Text4 300", "type Text7 300", "type Text2 900",
      "type Text10 100", "type Text12 150", "click Option1", "click Command15"}},
    {"refused_run_keeps_its_inputs",
     "el_GR",
     {"click Option10", "click Option14", "type Text4 120", "type Text7 abc", "click Option3"}},
    {"no_wind_load_yet", "el_GR", {"click Option10", "click Option9", "type Text4 1.5"}},
};

INSTANTIATE_TEST_SUITE_P(Bays, OpenedBay, ::testing::ValuesIn(kEnteredBays),
                         [](const ::testing::TestParamInfo<EnteredBay>& row) {
                             return std::string(row.param.name);
                         });

// A window that has been used (runs, refusals, another criterion, a site's wind, a workbook,
// a file, a close taken back) and then opens a bay is the window a new one would be.
TEST(OpenedBay, OpeningIntoAUsedWindowIsOpeningIntoANewOne) {
    for (const EnteredBay& used : kEnteredBays) {
        for (const EnteredBay& bay : kEnteredBays) {
            SCOPED_TRACE(std::string(used.name) + " then " + bay.name);
            const NumberFormat fmt = NumberFormat::fromLocale(used.locale);
            Form source(fmt);
            for (const std::string& action : bay.actions)
                perform(source, action);
            const BayDocument document = documentOf(source.state());

            Form window(fmt);
            for (const std::string& action : used.actions)
                perform(window, action);
            window.click(C::Command1);
            chooseCriterion(window.state(), DeflectionCriterion::En13830_2015);
            applySiteWind(window.state(), siteWindTexts(window.state()));
            window.state().reportWorkbook = "/tmp/report.xlsx";
            window.state().document.path = "/tmp/bay.cwbay";
            window.state().close();
            window.state().message("a message box not yet read");
            Form reopened = window;
            reopened.state().reopen();
            EXPECT_TRUE(reopened.pendingMessages().empty());
            EXPECT_EQ(stateDump(reopened.state(), {}), stateDump(WindowState(fmt), {}));
            EXPECT_EQ(reopened.reportWorkbook(), "");
            EXPECT_EQ(reopened.state().windSource, WindowState(fmt).windSource);
            EXPECT_FALSE(reopened.closed());
            window.takeMessages();
            openDocument(window, document);

            Form fresh(fmt);
            openDocument(fresh, document);
            EXPECT_EQ(stateDump(window.state(), window.pendingMessages()),
                      stateDump(fresh.state(), fresh.pendingMessages()));
            EXPECT_EQ(window.reportWorkbook(), "");
            EXPECT_FALSE(window.closed());
            EXPECT_EQ(window.state().shownRun.has_value(), fresh.state().shownRun.has_value());
        }
    }
}

TEST(OpenedBay, ARefusedRunShowsItsMessage) {
    Form f(NumberFormat::fromLocale("el_GR"));
    BayDocument d;
    d.series = Series::Veltra;
    d.staticSystem = StaticSystem::OneSpan;
    d.wind = HeightBand::UpTo8m;
    d.gridWidthA1_cm = "120";
    d.deflectionDivisor = "200";
    d.glassThickness_mm = "10";
    openDocument(f, d);
    ASSERT_EQ(f.pendingMessages().size(), 1U);
    EXPECT_NE(f.pendingMessages()[0].find("A2"), std::string::npos);
    EXPECT_EQ(f.focused(), C::Text7);
}

// What the window keeps beside its controls (the limit-state inputs, the criterion, the
// project) comes back from a document whatever its value: none of it may fall back to the
// start value unseen.
TEST(OpenedBay, GivesBackWhatTheWindowKeepsBesideItsControls) {
    Form entered(NumberFormat::fromLocale("el_GR"));
    for (const std::string& action : kEnteredBays[0].actions)
        perform(entered, action);
    const BayDocument start = documentOf(entered.state());
    const struct {
        const char* name;
        void (*edit)(BayDocument&);
    } kEdits[] = {
        {"criterion",
         [](BayDocument& d) { d.deflectionCriterion = DeflectionCriterion::En13830_2015; }},
        {"basis", [](BayDocument& d) { d.basis = DesignBasis::LimitStates; }},
        {"alloy", [](BayDocument& d) { d.alloy = "6063 T5"; }},
        {"hanging", [](BayDocument& d) { d.hanging = Hanging::StandingOnBase; }},
        {"ground snow", [](BayDocument& d) { d.groundSnow_kNm2 = "1,2"; }},
        {"partial factors",
         [](BayDocument& d) {
             d.factors.gammaM1 = 1.2;
             d.factors.gammaQ = 1.6;
             d.factors.psi0Snow = 0.7;
         }},
        {"project", [](BayDocument& d) { d.project.name = "Office block, east face"; }},
    };
    for (const auto& row : kEdits) {
        SCOPED_TRACE(row.name);
        BayDocument d = start;
        row.edit(d);
        ASSERT_NE(d, start);
        Form f(NumberFormat::fromLocale("el_GR"));
        openDocument(f, d);
        EXPECT_EQ(documentOf(f.state()), d);
    }
}

// A file may hold a bay NEXT could not run as it stands (edited by hand, or saved before the
// wind was taken): it opens with its inputs and no results, not the results of a run the
// window would refuse.
TEST(OpenedBay, ABayNextCannotRunOpensWithoutResults) {
    // The first entered bay, complete: it runs.
    Form entered(NumberFormat::fromLocale("el_GR"));
    for (const std::string& action : kEnteredBays[0].actions)
        perform(entered, action);
    const BayDocument complete = documentOf(entered.state());
    {
        Form f(NumberFormat::fromLocale("el_GR"));
        openDocument(f, complete);
        ASSERT_TRUE(resultsCurrent(f.state()));
        ASSERT_NE(f.state().text(C::Text1), "");
    }
    const struct {
        const char* name;
        void (*edit)(BayDocument&);
    } kNotRunnable[] = {
        {"Terrax with fixed ends",
         [](BayDocument& d) {
             d.series = Series::Terrax;
             d.staticSystem = StaticSystem::FixedEnds;
         }},
        {"no wind taken", [](BayDocument& d) { d.wind = BayDocument{}.wind; }},
        {"no static system", [](BayDocument& d) { d.staticSystem.reset(); }},
    };
    for (const auto& row : kNotRunnable) {
        SCOPED_TRACE(row.name);
        BayDocument d = complete;
        row.edit(d);
        Form f(NumberFormat::fromLocale("el_GR"));
        openDocument(f, d);
        EXPECT_FALSE(resultsCurrent(f.state()));
        EXPECT_EQ(f.state().text(C::Text1), "") << "no echoed grid width";
        EXPECT_TRUE(f.pendingMessages().empty());
    }
}

}  // namespace
}  // namespace cw::test

namespace cw::test {
namespace {

// The name Save as offers: series, system and span, in letters any file system takes.
TEST(SuggestedFileStem, NamesTheSeriesSystemAndSpan) {
    struct Row {
        const char* name;
        std::optional<Series> series;
        std::optional<StaticSystem> system;
        const char* span;
        const char* stem;
    };
    const Row rows[] = {
        {"nothing chosen", std::nullopt, StaticSystem::OneSpan, "300", "bay"},
        {"a series only", Series::KorinDalvo, std::nullopt, "300", "Korin"},
        {"one span", Series::Veltra, StaticSystem::OneSpan, "250", "Veltra-one-span-L250"},
        {"fixed ends, decimal comma", Series::KorinDalvo, StaticSystem::FixedEnds, "312,5",
         "Korin-fixed-ends-L312,5"},
        {"two spans, no span yet", Series::Terrax, StaticSystem::TwoSpans, "", "Terrax-two-spans"},
        {"a path in the span field", Series::Veltra, StaticSystem::OneSpan, "../x/3 0",
         "Veltra-one-span-L..30"},
        {"a span too long for a name", Series::Veltra, StaticSystem::OneSpan, "1234567890123",
         "Veltra-one-span"},
    };
    for (const Row& row : rows) {
        BayDocument d;
        d.series = row.series;
        d.staticSystem = row.system;
        d.spanL1_cm = row.span;
        EXPECT_EQ(suggestedFileStem(d), row.stem) << row.name;
    }
}

// New bay: the start form in the language showing, nothing to save, messages kept.
TEST(NewBay, GivesTheStartFormInTheLanguageShowing) {
    for (const bool english : {false, true}) {
        Form f(NumberFormat::fromLocale("el_GR"));
        Form fresh(NumberFormat::fromLocale("el_GR"));
        if (english) {
            f.click(C::Command10);
            fresh.click(C::Command10);
            // A window opened in English has nothing to save either.
            fresh.state().document.saved = documentOf(fresh.state());
        }
        for (const char* action :
             {"click Option11", "click Option13", "type Text4 150", "type Text37 7"})
            perform(f, action);
        f.state().document.path = "/tmp/a.cwbay";
        newBay(f);
        EXPECT_EQ(inputsAndResults(f), inputsAndResults(fresh)) << english;
        EXPECT_FALSE(documentModified(f.state()));
        EXPECT_FALSE(f.state().document.path);
        EXPECT_EQ(f.state().languageShowing(), english ? Language::English : Language::Greek);
    }
}

}  // namespace
}  // namespace cw::test
