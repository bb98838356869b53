// Undo and Redo over the bay: any run of edits undone to the end gives the window it started
// from, and redone to the end gives the inputs it ended with; typing on in one field is one
// step.

#include "input/undo_history.h"
#include "input/site_wind.h"
#include "model/choices.h"
#include "model/inventory.h"
#include "model/state_dump.h"
#include "model/used_inputs.h"

#include <gtest/gtest.h>

#include <random>
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

BayDocument greek(BayDocument d) {
    d.language = Language::Greek;
    return d;
}

// One edit a user can make, picked by the random engine; `typing` when it is a key typed.
bool randomEdit(Form& f, std::mt19937& random) {
    const auto pick = [&random](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    const bool english = f.numberFormat().decimal == ".";
    const char* const values[] = {"120", "90", "300", "", "abc", english ? "1.25" : "1,25", "7"};
    const ControlId fields[] = {C::Text4,  C::Text7, C::Text2,  C::Text13, C::Text10,
                                C::Text12, C::Text8, C::Text11, C::Text37, C::Text38};
    const ControlId clicks[] = {C::Option10,  C::Option11, C::Option12,  C::Option9,
                                C::Option13,  C::Option14, C::Option1,   C::Option2,
                                C::Option3,   C::Command2, C::Command4,  C::Command15,
                                C::Command16, C::Command1, C::Command10, C::Command9};
    switch (pick(5)) {
    case 4:
        // A whole bay, run: steps with results.
        for (const ControlId id : {C::Option10, C::Option9, C::Option2})
            f.click(id);
        for (const ControlId id : {C::Text4, C::Text7, C::Text2, C::Text10, C::Text12})
            f.type(id, "120");
        f.click(C::Command1);
        return false;
    case 0:
    case 1: {
        const ControlId field = fields[pick(std::size(fields))];
        if (!f.visible(field))
            return false;
        f.type(field, values[pick(std::size(values))]);
        return true;
    }
    case 2: {
        const ControlId id = clicks[pick(std::size(clicks))];
        if (f.visible(id))
            f.click(id);
        return false;
    }
    default:
        if (pick(2) == 0) {
            chooseCriterion(f.state(), pick(2) == 0 ? DeflectionCriterion::En13830_2015
                                                    : DeflectionCriterion::En13830_2003);
        } else {
            SiteWindTexts texts = siteWindTexts(f.state());
            texts[std::size_t(SiteWindEntry::Z)] = values[pick(3)];
            applySiteWind(f.state(), texts);
        }
        return false;
    }
}

struct RandomEdits {
    const char* name;
    const char* locale;
    unsigned seed;
    int edits;
};

class UndoAll : public ::testing::TestWithParam<RandomEdits> {};

TEST_P(UndoAll, GivesTheStartAndRedoAllGivesTheEnd) {
    const RandomEdits& row = GetParam();
    Form f(NumberFormat::fromLocale(row.locale));
    const BayDocument startDocument = documentOf(f.state());
    UndoHistory history(stepOf(f.state()), 1000);
    std::mt19937 random(row.seed);
    int steps = 0;
    int ranSteps = 0;
    for (int i = 0; i < row.edits; ++i) {
        const bool typing = randomEdit(f, random);
        f.takeMessages();
        steps += history.record(stepOf(f.state()), typing) ? 1 : 0;
        ranSteps += history.current().ran ? 1 : 0;
        if (!typing)
            history.seal();
    }
    ASSERT_GT(steps, 5) << "the edits should change the bay";
    ASSERT_GT(ranSteps, 0) << "some steps should have results";
    const BayDocument end = greek(documentOf(f.state()));

    int undone = 0;
    while (const std::optional<BayStep> step = history.undo()) {
        restoreStep(f, *step);
        f.takeMessages();
        // Each step comes back as it was recorded, whatever the language showing.
        ASSERT_EQ(greek(documentOf(f.state())), greek(step->document)) << "undo " << undone;
        // Results come back with the steps that had them, and only with those.
        ASSERT_EQ(resultsCurrent(f.state()), step->ran) << "undo " << undone;
        history.settle(stepOf(f.state()));
        ++undone;
    }
    EXPECT_EQ(greek(documentOf(f.state())), greek(startDocument));
    // The start window, in the language showing now.
    Form fresh(NumberFormat::fromLocale(row.locale));
    if (f.state().languageShowing() == Language::English)
        fresh.click(C::Command10);
    EXPECT_EQ(inputsAndResults(f), inputsAndResults(fresh));

    while (const std::optional<BayStep> step = history.redo()) {
        restoreStep(f, *step);
        f.takeMessages();
        history.settle(stepOf(f.state()));
    }
    EXPECT_EQ(greek(documentOf(f.state())), end);
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.undoDepth(), std::size_t(undone));
}

INSTANTIATE_TEST_SUITE_P(Seeds, UndoAll,
                         ::testing::Values(RandomEdits{"greek_seed_1", "el_GR", 1, 80},
                                           RandomEdits{"greek_seed_2", "el_GR", 2, 120},
                                           RandomEdits{"english_seed_3", "en_US", 3, 80},
                                           RandomEdits{"english_seed_4", "en_US", 4, 150},
                                           RandomEdits{"greek_seed_5", "el_GR", 5, 200}),
                         [](const ::testing::TestParamInfo<RandomEdits>& p) {
                             return std::string(p.param.name);
                         });

// Which events make a step of their own: "type CONTROL TEXT" (a key typed), "click CONTROL",
// "seal" (the focus moved on).
struct StepCase {
    const char* name;
    std::vector<std::string> events;
    std::size_t steps;
};

class Steps : public ::testing::TestWithParam<StepCase> {};

TEST_P(Steps, AreCountedAsAnEditorCountsThem) {
    Form f(NumberFormat::fromLocale("el_GR"));
    UndoHistory history(stepOf(f.state()));
    for (const std::string& event : GetParam().events) {
        std::istringstream in(event);
        std::string verb, name, text;
        in >> verb >> name >> text;
        if (verb == "seal") {
            history.seal();
            continue;
        }
        const auto id = ControlId(findControl(name));
        if (verb == "type")
            f.type(id, text);
        else
            f.click(id);
        history.record(stepOf(f.state()), verb == "type");
    }
    EXPECT_EQ(history.undoDepth(), GetParam().steps);
}

const StepCase kStepCases[] = {
    {"typing on in one field is one step",
     {"type Text37 1", "type Text37 12", "type Text37 120"},
     1},
    {"typing in two fields is two steps", {"type Text37 1", "type Text38 3"}, 2},
    {"back in the first field is a third step",
     {"type Text37 1", "type Text38 3", "type Text37 12"},
     3},
    {"typing after the focus moved on is a new step",
     {"type Text37 1", "seal", "type Text37 12"},
     2},
    {"a language switch is no step", {"click Command10", "click Command9"}, 0},
    {"a series and a system are two steps", {"click Option10", "click Option9"}, 2},
    {"a click between typings splits them",
     {"click Option10", "type Text4 1", "click Option9", "type Text4 12"},
     4},
    {"typing a text back as it was is still a step", {"type Text37 5", "type Text37 "}, 1},
};

INSTANTIATE_TEST_SUITE_P(Events, Steps, ::testing::ValuesIn(kStepCases),
                         [](const ::testing::TestParamInfo<StepCase>& p) {
                             std::string name = p.param.name;
                             for (char& c : name)
                                 if (c == ' ')
                                     c = '_';
                             return name;
                         });

TEST(UndoHistory, KeepsNoMoreStepsThanItsLimit) {
    Form f(NumberFormat::fromLocale("el_GR"));
    UndoHistory history(stepOf(f.state()), 3);
    for (const char* text : {"1", "2", "3", "4", "5"}) {
        f.type(C::Text37, text);
        history.record(stepOf(f.state()), false);
    }
    EXPECT_EQ(history.undoDepth(), 3u);
    std::optional<BayStep> oldest;
    while (const std::optional<BayStep> step = history.undo())
        oldest = step;
    ASSERT_TRUE(oldest);
    EXPECT_EQ(oldest->document.deflectionDivisor, "2") << "the oldest steps go first";
}

// A new static system empties the geometry typed for the old one, and says so.
TEST(UndoHistory, SeesTheGeometryASystemChangeEmptied) {
    struct Row {
        const char* name;
        std::vector<const char*> clicks;  // after the series and one span
        bool typed;
        bool cleared;
    };
    const Row rows[] = {
        {"two spans after typed geometry", {"Option13"}, true, true},
        {"fixed ends after typed geometry", {"Option14"}, true, true},
        {"the same system again", {"Option9"}, true, false},
        {"a new system with nothing typed", {"Option13"}, false, false},
        {"a height band after typed geometry", {"Option2"}, true, false},
    };
    for (const Row& row : rows) {
        Form f(NumberFormat::fromLocale("el_GR"));
        f.click(C::Option10);
        f.click(C::Option9);
        if (row.typed)
            f.type(C::Text2, "300");
        const BayDocument before = documentOf(f.state());
        for (const char* name : row.clicks)
            f.click(ControlId(findControl(name)));
        EXPECT_EQ(geometryCleared(before, documentOf(f.state())), row.cleared) << row.name;
    }
}

}  // namespace
}  // namespace cw::test
