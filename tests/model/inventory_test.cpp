#include "model/inventory.h"
#include "model/utf8.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace cw {
namespace {

const ControlSpec& byName(std::string_view name) {
    const int i = findControl(name);
    if (i < 0) {
        ADD_FAILURE() << "no control named " << name;
        return inventory()[0];
    }
    return inventory()[i];
}

std::set<std::string> namesWhere(bool (*pred)(const ControlSpec&)) {
    std::set<std::string> out;
    for (int i = 0; i < kControlCount; ++i) {
        if (pred(inventory()[i])) {
            out.emplace(inventory()[i].name);
        }
    }
    return out;
}

bool isGreek(char32_t c) {
    return c >= 0x0370 && c <= 0x03FF;
}

// ---------------------------------------------------------------------------------------------
// Shape of the table

TEST(InventoryShape, CountsPerKind) {
    struct Row {
        ControlKind kind;
        int count;
    };
    const Row rows[] = {
        {ControlKind::Label, 120},        {ControlKind::TextBox, 44},
        {ControlKind::CommandButton, 22}, {ControlKind::OptionButton, 10},
        {ControlKind::Picture, 8},        {ControlKind::Frame, 2},
        {ControlKind::Line, 1},
    };
    for (const Row& r : rows) {
        const auto n = std::count_if(inventory(), inventory() + kControlCount,
                                     [&](const ControlSpec& c) { return c.kind == r.kind; });
        EXPECT_EQ(n, r.count) << "kind " << static_cast<int>(r.kind);
    }
}

TEST(InventoryShape, RowsFollowStackingOrderAndNamesResolve) {
    for (int i = 0; i < kControlCount; ++i) {
        const ControlSpec& c = inventory()[i];
        EXPECT_EQ(c.id, static_cast<ControlId>(i)) << "row " << i << " " << c.name;
        EXPECT_EQ(findControl(c.name), i) << c.name;
        EXPECT_EQ(&controlSpec(static_cast<ControlId>(i)), &c) << c.name;
    }
}

TEST(InventoryShape, UnknownNamesAreNotFound) {
    for (std::string_view name : {"Nope", "", "Label0", "Label121", "Text45", "Text44 ", "text44",
                                  "Form1", "Option4", "Line1"}) {
        EXPECT_EQ(findControl(name), -1) << '"' << name << '"';
    }
}

TEST(InventoryShape, NamePrefixMatchesKind) {
    struct Row {
        std::string_view prefix;
        ControlKind kind;
    };
    const Row rows[] = {
        {"Label", ControlKind::Label},
        {"Text", ControlKind::TextBox},
        {"Command", ControlKind::CommandButton},
        {"Option", ControlKind::OptionButton},
        {"Image", ControlKind::Picture},
        {"Frame", ControlKind::Frame},
        {"Line", ControlKind::Line},
    };
    for (int i = 0; i < kControlCount; ++i) {
        const ControlSpec& c = inventory()[i];
        const auto it = std::find_if(std::begin(rows), std::end(rows), [&](const Row& r) {
            return c.name.substr(0, r.prefix.size()) == r.prefix;
        });
        ASSERT_NE(it, std::end(rows)) << c.name;
        EXPECT_EQ(c.kind, it->kind) << c.name;
    }
}

TEST(InventoryShape, EveryRectLiesInItsContainer) {
    for (int i = 0; i < kControlCount; ++i) {
        const ControlSpec& c = inventory()[i];
        int width = kClientWidthTwips;
        int height = kClientHeightTwips;
        if (!c.container.empty()) {
            const ControlSpec& f = byName(c.container);
            EXPECT_EQ(f.kind, ControlKind::Frame) << c.name;
            width = f.rect.width;
            height = f.rect.height;
        }
        EXPECT_GT(c.rect.width, 0) << c.name;
        EXPECT_GT(c.rect.height, 0) << c.name;
        EXPECT_GE(c.rect.left, 0) << c.name;
        EXPECT_LE(c.rect.left + c.rect.width, width) << c.name;
        EXPECT_LE(c.rect.top + c.rect.height, height) << c.name;
        if (c.name != "Label64") {  // the one box that reaches above the window
            EXPECT_GE(c.rect.top, 0) << c.name;
        }
    }
}

TEST(InventoryShape, ResultsPanelRowsAreOneLineHigh) {
    const std::set<std::string> headings = {"Label35", "Label85", "Label20",
                                            "Label86", "Label32", "Label87"};
    for (int i = 0; i < kControlCount; ++i) {
        const ControlSpec& c = inventory()[i];
        const bool row = c.kind == ControlKind::Label || c.kind == ControlKind::TextBox;
        if (!row || c.border || c.rect.left < 10200) {
            continue;  // border boxes span whole sections
        }
        EXPECT_EQ(c.rect.height, headings.count(std::string(c.name)) ? 255 : 285) << c.name;
    }
}

TEST(InventoryShape, AllTextIsValidUtf8) {
    for (int i = 0; i < kControlCount; ++i) {
        const ControlSpec& c = inventory()[i];
        EXPECT_TRUE(decodeUtf8(c.caption).has_value()) << c.name;
        EXPECT_TRUE(decodeUtf8(c.tooltip).has_value()) << c.name;
    }
}

// ---------------------------------------------------------------------------------------------
// Spot rows across every panel

TEST(InventoryRows, SpotRows) {
    struct Row {
        std::string_view name;
        std::string_view container;
        TwipRect rect;
        std::string_view caption;
        bool visible;
        int tabIndex;
    };
    const Row rows[] = {
        // selection panel
        {"Option11", "Frame2", {120, 840, 375, 375}, "", true, 40},
        {"Option12", "Frame2", {120, 1440, 495, 315}, "", true, 41},
        {"Option9", "Frame3", {120, 120, 255, 255}, "Option9", true, 44},
        {"Frame3", "", {240, 3360, 735, 1695}, "", true, -1},
        {"Label16", "", {1200, 3960, 1455, 615}, "Άρθρωση - κύλιση. - κύλιση", true, -1},
        {"Label24",
         "",
         {1080, 3840, 1455, 615},
         "Simple support - rolling support -  rolling support",
         false,
         -1},
        {"Label21", "", {1080, 4560, 1455, 615}, "πάκτωση - πάκτωση   (ΤΑΦ )", true, -1},
        {"Label77", "", {1080, 4560, 1455, 495}, "fixed at both ends (T-profiles)", false, -1},
        // geometry row
        {"Text4", "", {3360, 4680, 495, 375}, "", false, 0},
        {"Command18", "", {5160, 4680, 375, 375}, "L1=", false, -1},
        {"Command12", "", {5160, 4680, 375, 375}, "L =", false, -1},
        {"Text12", "", {9240, 4680, 495, 375}, "", false, 6},
        {"Text1", "", {3120, 4200, 495, 375}, "", false, 106},
        // wind panel
        {"Option8", "", {3720, 6480, 255, 195}, "Option1", false, 13},
        {"Label3", "", {360, 6720, 495, 255}, "  0-8 μ.", true, -1},
        {"Label2", "", {3480, 6720, 615, 255}, "  αίθριο", false, -1},
        {"Text3", "", {4920, 6480, 735, 375}, "", true, 14},
        {"Command14", "", {8520, 5880, 1335, 495}, "   Wind speed    (km / h)", false, -1},
        {"Command11",
         "",
         {6480, 5880, 1815, 495},
         "Wind pressure selection   (kN / m^2)",
         false,
         -1},
        {"Label29", "", {120, 6120, 6135, 735}, "", true, -1},
        // glazing, deflection and sloped glazing
        {"Text16", "", {3360, 8040, 495, 374}, "10", true, 9},
        {"Label83",
         "",
         {360, 8040, 2895, 375},
         "Total glazing thickness (inner and outer thickness)  ( mm).",
         false,
         -1},
        {"Command22", "", {8400, 7920, 1335, 495}, "Maximum allowable ", false, -1},
        {"Label112", "", {4920, 8640, 495, 255}, "L / d", true, -1},
        {"Text37", "", {5520, 8520, 495, 374}, "200", true, 173},
        {"Text44", "", {8760, 8520, 495, 374}, "0", true, 197},
        {"Text40", "", {3360, 8640, 495, 374}, "0,1", false, 185},
        {"Text42", "", {3360, 9720, 495, 374}, "30", false, 190},
        {"Label119", "", {360, 9240, 2535, 255}, "Height of compressed snow (cm)\r\n", false, -1},
        // command panel
        {"Command1", "", {3240, 10920, 2055, 612}, "NEXT", true, 10},
        {"Command10", "", {240, 11280, 495, 615}, "EN", true, -1},
        {"Text19", "", {9120, 10920, 615, 285}, "", false, -1},
        // results panel
        {"Label64", "", {10200, -720, 4695, 5295}, "", true, -1},
        {"Label90", "", {10440, 1200, 1935, 285}, "Grid width A1   :", false, -1},
        {"Label93",
         "",
         {10440, 2280, 3375, 285},
         "Glazing height below the transom H1  :",
         false,
         -1},
        {"Label96", "", {10440, 3600, 1815, 285}, "Height from ground level   :", false, -1},
        {"Label53", "", {12960, 3240, 735, 285}, "km / h", false, -1},
        {"Text32", "", {13680, 4200, 255, 285}, "", false, -1},
        {"Label86", "", {10440, 4800, 3975, 255}, "Assignment Output", false, -1},
        {"Label1", "", {10440, 7680, 3495, 285}, "Δεν υπάρχει τέτοια κολώνα ", false, -1},
        {"Label73",
         "",
         {10320, 10200, 3975, 285},
         "          σ (κολ)                     <                σ ( max)",
         false,
         -1},
        {"Label75", "", {12960, 10560, 1095, 285}, "9,5 kN/ cm^2", false, -1},
        {"Command7", "", {10560, 11040, 1455, 495}, "Print in  Excel", true, -1},
        // pictures
        {"Image5", "", {2760, 0, 7185, 5340}, "", true, -1},
        {"Image3", "", {3000, 240, 6735, 4335}, "", false, -1},
        {"Image6", "", {0, 0, 2775, 495}, "", true, -1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.name));
        const ControlSpec& c = byName(r.name);
        EXPECT_EQ(c.name, r.name);
        EXPECT_EQ(c.container, r.container);
        EXPECT_EQ(c.rect.left, r.rect.left);
        EXPECT_EQ(c.rect.top, r.rect.top);
        EXPECT_EQ(c.rect.width, r.rect.width);
        EXPECT_EQ(c.rect.height, r.rect.height);
        EXPECT_EQ(c.caption, r.caption);
        EXPECT_EQ(c.visibleAtStart, r.visible);
        EXPECT_EQ(c.tabIndex, r.tabIndex);
    }
}

TEST(InventoryRows, TabOrderIsExactlyThis) {
    const std::map<std::string, int> expected = {
        {"Text4", 0},     {"Text7", 1},     {"Text2", 2},     {"Text13", 3},   {"Text10", 4},
        {"Option1", 5},   {"Text12", 6},    {"Text8", 7},     {"Text11", 8},   {"Text16", 9},
        {"Command1", 10}, {"Option2", 11},  {"Option3", 12},  {"Option8", 13}, {"Text3", 14},
        {"Option10", 39}, {"Option11", 40}, {"Option12", 41}, {"Option9", 44}, {"Option13", 45},
        {"Option14", 46}, {"Text1", 106},   {"Text37", 173},  {"Text38", 174}, {"Text40", 185},
        {"Text41", 187},  {"Text42", 190},  {"Text44", 197},
    };
    std::map<std::string, int> actual;
    for (int i = 0; i < kControlCount; ++i) {
        const ControlSpec& c = inventory()[i];
        EXPECT_GE(c.tabIndex, -1) << c.name;
        if (c.tabIndex >= 0) {
            actual.emplace(std::string(c.name), c.tabIndex);
        }
    }
    EXPECT_EQ(actual, expected);
}

// ---------------------------------------------------------------------------------------------
// The two caption sets

struct Pair {
    std::string_view greek;
    std::string_view english;
    bool samePlace;  // a few English twins sit slightly left of (or above) their Greek control
};

const Pair kPairs[] = {
    {"Label10", "Label78", true},     {"Label15", "Label19", false},
    {"Label16", "Label24", false},    {"Label21", "Label77", true},
    {"Label11", "Label79", true},     {"Label30", "Label80", true},
    {"Label31", "Label81", false},    {"Command2", "Command11", false},
    {"Command4", "Command14", true},  {"Label13", "Label82", true},
    {"Label8", "Label83", true},      {"Command15", "Command17", true},
    {"Command16", "Command19", true}, {"Command21", "Command22", true},
    {"Label115", "Label118", true},   {"Label116", "Label119", true},
    {"Label117", "Label120", true},   {"Label35", "Label85", true},
    {"Label20", "Label86", true},     {"Label32", "Label87", true},
    {"Label36", "Label88", true},     {"Label37", "Label89", true},
    {"Label38", "Label90", true},     {"Label39", "Label91", true},
    {"Label49", "Label92", true},     {"Label50", "Label93", true},
    {"Label40", "Label94", true},     {"Label42", "Label95", true},
    {"Label41", "Label96", true},     {"Label43", "Label97", true},
    {"Label17", "Label98", true},     {"Label67", "Label99", true},
    {"Label69", "Label100", true},    {"Label23", "Label101", true},
    {"Label28", "Label102", true},    {"Label18", "Label103", true},
    {"Label27", "Label104", true},    {"Label57", "Label105", true},
    {"Label71", "Label106", true},    {"Label6", "Label107", true},
    {"Label7", "Label108", true},     {"Label73", "Label109", true},
    {"Label84", "Label113", true},    {"Label51", "Label110", true},
};

TEST(CaptionSets, TwinsAreSymmetricAndShareTheirPlace) {
    for (const Pair& p : kPairs) {
        SCOPED_TRACE(std::string(p.greek) + " / " + std::string(p.english));
        const ControlSpec& g = byName(p.greek);
        const ControlSpec& e = byName(p.english);
        EXPECT_EQ(g.captionSet, CaptionSet::Greek);
        EXPECT_EQ(e.captionSet, CaptionSet::English);
        EXPECT_EQ(g.twin, p.english);
        EXPECT_EQ(e.twin, p.greek);
        EXPECT_EQ(g.kind, e.kind);
        EXPECT_EQ(g.container, e.container);
        EXPECT_EQ(g.font.pointSize, e.font.pointSize);
        EXPECT_EQ(g.font.bold, e.font.bold);
        EXPECT_EQ(g.foreColour, e.foreColour);
        // Switching to English relies on the twin being in front.
        EXPECT_LT(findControl(p.english), findControl(p.greek));
        if (p.samePlace) {
            EXPECT_EQ(g.rect.left, e.rect.left);
            EXPECT_EQ(g.rect.top, e.rect.top);
        } else {
            const bool overlap = g.rect.left < e.rect.left + e.rect.width &&
                                 e.rect.left < g.rect.left + g.rect.width &&
                                 g.rect.top < e.rect.top + e.rect.height &&
                                 e.rect.top < g.rect.top + g.rect.height;
            EXPECT_TRUE(overlap);
        }
    }
}

TEST(CaptionSets, OnlyPairMembersBelongToASet) {
    std::set<std::string> members;
    for (const Pair& p : kPairs) {
        members.emplace(p.greek);
        members.emplace(p.english);
    }
    ASSERT_EQ(members.size(), 2 * std::size(kPairs));
    for (int i = 0; i < kControlCount; ++i) {
        const ControlSpec& c = inventory()[i];
        const bool member = members.count(std::string(c.name)) != 0;
        EXPECT_EQ(c.captionSet != CaptionSet::Neutral, member) << c.name;
        EXPECT_EQ(!c.twin.empty(), member) << c.name;
    }
}

TEST(CaptionSets, EveryEnglishTwinIsHiddenAtStart) {
    for (int i = 0; i < kControlCount; ++i) {
        const ControlSpec& c = inventory()[i];
        if (c.captionSet == CaptionSet::English) {
            EXPECT_FALSE(c.visibleAtStart) << c.name;
        }
    }
}

TEST(CaptionSets, GreekCaptionsAreGreekAndEnglishOnesAreNot) {
    // English captions that nevertheless carry Greek letters, and exactly which: symbols
    // only. The names A1, A2, H1, H2 are Latin, so that a search for them finds them.
    const std::map<std::string_view, std::u32string> greekInEnglish = {
        {"Label109", U"σσ"},
        {"Label120", U"α"},
    };
    for (int i = 0; i < kControlCount; ++i) {
        const ControlSpec& c = inventory()[i];
        const auto text = decodeUtf8(c.caption);
        ASSERT_TRUE(text.has_value()) << c.name;
        std::u32string greek;
        std::copy_if(text->begin(), text->end(), std::back_inserter(greek), isGreek);
        if (c.captionSet == CaptionSet::Greek) {
            EXPECT_FALSE(greek.empty()) << c.name;
        } else if (c.captionSet == CaptionSet::English) {
            const auto it = greekInEnglish.find(c.name);
            EXPECT_EQ(greek, it == greekInEnglish.end() ? U"" : it->second) << c.name;
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Start-up state

TEST(StartUp, VisibleControlsAreExactlyThese) {
    const std::set<std::string> expected = {
        // logo, diagram area and decoration
        "Image1",
        "Image6",
        "Image5",
        "Line14",
        // selection panel
        "Label63",
        "Label10",
        "Frame2",
        "Option10",
        "Option11",
        "Option12",
        "Label9",
        "Label12",
        "Label14",
        "Frame3",
        "Option9",
        "Option13",
        "Option14",
        "Label15",
        "Label16",
        "Label21",
        "Label60",
        // wind panel
        "Label62",
        "Label11",
        "Label30",
        "Option1",
        "Option2",
        "Option3",
        "Label3",
        "Label4",
        "Label5",
        "Label31",
        "Text3",
        "Command2",
        "Text8",
        "Command4",
        "Text11",
        "Label29",
        // glazing and deflection
        "Label61",
        "Label13",
        "Label8",
        "Text16",
        "Command15",
        "Command16",
        "Command21",
        "Label112",
        "Text37",
        "Text38",
        "Label114",
        "Text44",
        // command panel
        "Label59",
        "Command1",
        "Command8",
        "Command9",
        "Command10",
        // results panel
        "Label64",
        "Label65",
        "Label66",
        "Label35",
        "Label20",
        "Label32",
        "Command7",
    };
    EXPECT_EQ(namesWhere([](const ControlSpec& c) { return c.visibleAtStart; }), expected);
}

TEST(StartUp, ResultsPanelShowsOnlyHeadingsBoxesAndExport) {
    const std::set<std::string> expected = {"Label35", "Label20", "Label32", "Label64",
                                            "Label65", "Label66", "Command7"};
    EXPECT_EQ(namesWhere([](const ControlSpec& c) {
                  return c.container.empty() && c.rect.left >= 10200 && c.visibleAtStart;
              }),
              expected);
}

TEST(StartUp, ControlsThatAreNeverShownStartHidden) {
    for (std::string_view name :
         {"Text1",     "Text19",    "Text21",    "Text22",    "Text39",   "Label74",  "Label110",
          "Label84",   "Label113",  "Label111",  "Option8",   "Label2",   "Label1",   "Label51",
          "Image2",    "Image3",    "Image4",    "Image7",    "Image8",   "Label115", "Label116",
          "Label117",  "Text40",    "Text41",    "Text42",    "Command3", "Command5", "Command6",
          "Command12", "Command13", "Command18", "Command20", "Text2",    "Text4",    "Text7",
          "Text10",    "Text12",    "Text13"}) {
        EXPECT_FALSE(byName(name).visibleAtStart) << name;
    }
}

// ---------------------------------------------------------------------------------------------
// Look

TEST(Look, SharedTooltipsAreOnExactlyTheseControls) {
    struct Row {
        std::string_view greek;
        std::string_view english;
        std::set<std::string> controls;
    };
    const Row rows[] = {
        {"επιλογή ανεμοπίεσης", "Wind pressure selection", {"Command2", "Command11"}},
        {"επιλογή βέλους κάμψης",
         "Deflection criterion selection",
         {"Command15", "Command16", "Command17", "Command19", "Command21", "Command22"}},
        {"επιλογή της ταχύτητας ανέμου", "Wind speed selection", {"Command4", "Command14"}},
        {"προσοχή εισαγωγή τιμής μόνο σε εκατοστά",
         "Note: values in centimetres only",
         {"Text1", "Text24", "Text26", "Text27", "Text28", "Text33", "Text34"}},
        {"Εδώ θα σου υπολογίσω εγώ την απαραίτητη ροπή αδρανείας",
         "Here I compute the required moment of inertia for you",
         {"Text5", "Text9", "Text15", "Text17", "Text20", "Text25", "Text35", "Text36", "Text43"}},
        {"Εδώ θα σου προτείνω την κατάλληλη κολώνα για το Veltra",
         "Here I suggest the suitable mullion for Veltra",
         {"Text6"}},
        {"Εδώ θα σου προτείνω την κατάλληλη κολώνα για το Korin-Dalvo",
         "Here I suggest the suitable mullion for Korin-Dalvo",
         {"Text14"}},
    };
    for (const Row& r : rows) {
        std::set<std::string> actual;
        for (int i = 0; i < kControlCount; ++i) {
            if (inventory()[i].tooltip == r.greek) {
                actual.emplace(inventory()[i].name);
                EXPECT_EQ(inventory()[i].tooltipEnglish, r.english) << inventory()[i].name;
            }
        }
        EXPECT_EQ(actual, r.controls) << r.greek;
    }
}

// Every field a user types into says in its tooltip, in both languages, what unit it takes.
TEST(Look, EveryEntryFieldTooltipGivesItsUnit) {
    int entries = 0;
    for (int i = 0; i < kControlCount; ++i) {
        const ControlSpec& c = inventory()[i];
        if (c.kind != ControlKind::TextBox || c.readOnly || c.tabIndex < 0 || c.name == "Text1")
            continue;
        ++entries;
        SCOPED_TRACE(std::string(c.name));
        ASSERT_FALSE(c.tooltip.empty());
        ASSERT_FALSE(c.tooltipEnglish.empty());
        if (c.name == "Text37") {  // the divisor d has no unit, and says so
            EXPECT_TRUE(c.unit.empty());
            EXPECT_NE(c.tooltipEnglish.find("pure number"), std::string_view::npos);
            continue;
        }
        ASSERT_FALSE(c.unit.empty());
        const std::string inParentheses = "(" + std::string(c.unit) + ")";
        for (std::string_view tip : {c.tooltip, c.tooltipEnglish}) {
            EXPECT_TRUE(tip.find(inParentheses) != std::string_view::npos ||
                        tip.ends_with(", σε " + std::string(c.unit)) ||
                        tip.ends_with(", in " + std::string(c.unit)))
                << tip;
        }
    }
    EXPECT_EQ(entries, 16);
}

TEST(Look, EveryTooltipHasAnEnglishOneWithoutGreekWords) {
    for (int i = 0; i < kControlCount; ++i) {
        const ControlSpec& c = inventory()[i];
        EXPECT_EQ(c.tooltip.empty(), c.tooltipEnglish.empty()) << c.name;
        const auto greek = decodeUtf8(c.tooltip);
        const auto english = decodeUtf8(c.tooltipEnglish);
        ASSERT_TRUE(greek && english) << c.name;
        if (!c.tooltip.empty()) {
            EXPECT_TRUE(std::any_of(greek->begin(), greek->end(), isGreek)) << c.name;
        }
        // α is the slope's symbol in both languages.
        EXPECT_EQ(std::count_if(english->begin(), english->end(),
                                [](char32_t ch) { return isGreek(ch) && ch != U'α'; }),
                  0)
            << c.name;
    }
}

// Misspellings and a wrong unit that once stood in the captions and tooltips.
TEST(Look, NoKnownMisspellingIsBack) {
    const std::string_view wrong[] = {"Assignement", "fron ",  "outher",    "km / m^2",
                                      "glas ",       "υπάχει", "απαρέτητη", "ανεμοποίεσης",
                                      "Δέν ",        "θα σε ", "?"};
    for (int i = 0; i < kControlCount; ++i) {
        const ControlSpec& c = inventory()[i];
        for (std::string_view text : {c.caption, c.tooltip, c.tooltipEnglish})
            for (std::string_view w : wrong)
                EXPECT_EQ(text.find(w), std::string_view::npos) << c.name << ": " << text;
    }
}

// Accessible names come from the caption beside a field or an option; the names must resolve
// to a label or a caption button, and the twin pairs must name in both languages.
TEST(Look, FieldsAndOptionsNameTheirCaptions) {
    for (int i = 0; i < kControlCount; ++i) {
        const ControlSpec& c = inventory()[i];
        const bool needsName =
            c.kind == ControlKind::OptionButton ||
            (c.kind == ControlKind::TextBox && c.tabIndex >= 0 && c.name != "Text1") ||
            (c.kind == ControlKind::TextBox && c.readOnly);
        EXPECT_EQ(!c.labelledBy.empty(), needsName) << c.name;
        std::string_view names = c.labelledBy;
        while (!names.empty()) {
            const auto blank = names.find(' ');
            const std::string_view one = names.substr(0, blank);
            names = blank == std::string_view::npos ? std::string_view{} : names.substr(blank + 1);
            const ControlSpec& by = byName(one);
            EXPECT_TRUE(by.kind == ControlKind::Label ||
                        (by.kind == ControlKind::CommandButton && by.captionOnly) ||
                        by.kind == ControlKind::CommandButton)
                << c.name << " named by " << one;
            EXPECT_FALSE(by.caption.empty()) << one;
            EXPECT_NE(by.captionSet, CaptionSet::English) << "name the Greek control: " << one;
        }
    }
    EXPECT_EQ(byName("Text2").labelledBy, "Command18 Command12");
    EXPECT_EQ(byName("Text4").unit, "cm");
    EXPECT_EQ(byName("Text30").unit, "km/h");
}

TEST(Look, CaptionOnlyButtonsAreExactlyThese) {
    EXPECT_EQ(namesWhere([](const ControlSpec& c) { return c.captionOnly; }),
              (std::set<std::string>{"Command3", "Command5", "Command6", "Command12", "Command13",
                                     "Command18", "Command20", "Command21", "Command22"}));
}

TEST(Look, BorderBoxesAndSilentLabel) {
    const std::set<std::string> boxes = {"Label59", "Label60", "Label61", "Label62",
                                         "Label63", "Label64", "Label65", "Label66"};
    for (const std::string& name : boxes) {
        const ControlSpec& c = byName(name);
        EXPECT_EQ(c.kind, ControlKind::Label) << name;
        EXPECT_TRUE(c.caption.empty()) << name;
        EXPECT_TRUE(c.border) << name;
        EXPECT_TRUE(c.visibleAtStart) << name;
    }
    std::set<std::string> transparent = boxes;
    transparent.emplace("Label29");
    EXPECT_EQ(namesWhere([](const ControlSpec& c) { return c.transparent; }), transparent);
    EXPECT_FALSE(byName("Label29").border);
    EXPECT_EQ(
        namesWhere([](const ControlSpec& c) { return c.kind == ControlKind::Label && c.border; }),
        boxes);
}

TEST(Look, TextBoxesSplitIntoEntryAndValueFields) {
    const std::set<std::string> computedFore = {"Text5",  "Text9",  "Text25", "Text15",
                                                "Text17", "Text6",  "Text14", "Text20",
                                                "Text35", "Text36", "Text43"};
    const std::set<std::string> darkBlue = {"Text3",  "Text16", "Text37", "Text38",
                                            "Text40", "Text41", "Text42", "Text44"};
    int valueFields = 0;
    for (int i = 0; i < kControlCount; ++i) {
        const ControlSpec& c = inventory()[i];
        if (c.kind != ControlKind::TextBox) {
            EXPECT_FALSE(c.readOnly) << c.name;
            continue;
        }
        const std::string name(c.name);
        const bool inResults = c.rect.left >= 10200;
        EXPECT_EQ(c.readOnly, inResults) << name;
        if (inResults) {
            ++valueFields;
            EXPECT_TRUE(c.caption.empty()) << name;
            EXPECT_FALSE(c.border) << name;
            EXPECT_EQ(c.backColour, colour::LightGrey) << name;
            EXPECT_EQ(c.foreColour,
                      computedFore.count(name) ? colour::ButtonText : colour::DarkGrey)
                << name;
        } else {
            EXPECT_TRUE(c.border) << name;
            EXPECT_EQ(c.backColour, colour::White) << name;
            EXPECT_EQ(c.foreColour, darkBlue.count(name) ? colour::DarkBlue : colour::Black)
                << name;
        }
    }
    EXPECT_EQ(valueFields, 24);
}

TEST(Look, ForeColoursOfLabelsAndOptions) {
    const std::map<std::string, std::uint32_t> exceptions = {
        {"Label1", colour::DarkGreen},  {"Label10", colour::DarkGreen},
        {"Label78", colour::DarkGreen}, {"Label11", colour::DarkGreen},
        {"Label79", colour::DarkGreen}, {"Label13", colour::DarkGreen},
        {"Label82", colour::DarkGreen}, {"Label35", colour::DarkGreen},
        {"Label85", colour::DarkGreen}, {"Label20", colour::DarkGreen},
        {"Label86", colour::DarkGreen}, {"Label32", colour::DarkGreen},
        {"Label87", colour::DarkGreen}, {"Label2", colour::Red},
        {"Label3", colour::Blue},       {"Label4", colour::Black},
        {"Label5", colour::Red},        {"Option3", colour::Red},
        {"Option8", colour::Red},
    };
    for (int i = 0; i < kControlCount; ++i) {
        const ControlSpec& c = inventory()[i];
        if (c.kind != ControlKind::Label && c.kind != ControlKind::OptionButton &&
            c.kind != ControlKind::Frame) {
            continue;
        }
        const auto it = exceptions.find(std::string(c.name));
        EXPECT_EQ(c.foreColour, it == exceptions.end() ? colour::DarkGrey : it->second) << c.name;
        EXPECT_EQ(c.backColour, colour::LightGrey) << c.name;
    }
    EXPECT_EQ(byName("Line14").foreColour, colour::OliveYellow);
}

TEST(Look, CommandButtonFaces) {
    const std::set<std::string> grey = {"Command3",  "Command5",  "Command6", "Command12",
                                        "Command13", "Command18", "Command20"};
    for (int i = 0; i < kControlCount; ++i) {
        const ControlSpec& c = inventory()[i];
        if (c.kind != ControlKind::CommandButton) {
            continue;
        }
        const std::string name(c.name);
        const std::uint32_t face = name == "Command7" ? colour::ButtonFace
                                   : grey.count(name) ? colour::LightGrey
                                                      : colour::White;
        EXPECT_EQ(c.backColour, face) << name;
        EXPECT_EQ(c.foreColour, colour::ButtonText) << name;
        if (grey.count(name)) {
            EXPECT_EQ(c.rect.top, 4680) << name;
            EXPECT_FALSE(c.visibleAtStart) << name;
        }
    }
}

TEST(Look, Fonts) {
    struct Row {
        std::string_view name;
        FontSpec font;
    };
    const Row rows[] = {
        {"Label10", kLeftHeadingFont},
        {"Label78", kLeftHeadingFont},
        {"Label11", kLeftHeadingFont},
        {"Label79", kLeftHeadingFont},
        {"Label13", kLeftHeadingFont},
        {"Label82", kLeftHeadingFont},
        {"Label35", kResultsHeadingFont},
        {"Label85", kResultsHeadingFont},
        {"Label20", kResultsHeadingFont},
        {"Label86", kResultsHeadingFont},
        {"Label32", kResultsHeadingFont},
        {"Label87", kResultsHeadingFont},
        {"Label1", kBoldFont},
        {"Text6", kBoldFont},
        {"Text14", kBoldFont},
    };
    for (int i = 0; i < kControlCount; ++i) {
        const ControlSpec& c = inventory()[i];
        const auto it = std::find_if(std::begin(rows), std::end(rows),
                                     [&](const Row& r) { return r.name == c.name; });
        const FontSpec want = it == std::end(rows) ? kDefaultFont : it->font;
        EXPECT_EQ(c.font.pointSize, want.pointSize) << c.name;
        EXPECT_EQ(c.font.bold, want.bold) << c.name;
        EXPECT_EQ(c.font.underline, want.underline) << c.name;
    }
}

TEST(Look, OptionGroupsAndContainers) {
    struct Row {
        std::string_view group;
        std::string_view container;
        std::set<std::string> members;
    };
    const Row rows[] = {
        {"series", "Frame2", {"Option10", "Option11", "Option12"}},
        {"system", "Frame3", {"Option9", "Option13", "Option14"}},
        {"height", "", {"Option1", "Option2", "Option3", "Option8"}},
    };
    for (const Row& r : rows) {
        std::set<std::string> actual;
        for (int i = 0; i < kControlCount; ++i) {
            if (inventory()[i].optionGroup == r.group) {
                actual.emplace(inventory()[i].name);
            }
        }
        EXPECT_EQ(actual, r.members) << r.group;
        for (const std::string& m : r.members) {
            EXPECT_EQ(byName(m).container, r.container) << m;
        }
    }
    for (int i = 0; i < kControlCount; ++i) {
        const ControlSpec& c = inventory()[i];
        if (c.kind != ControlKind::OptionButton) {
            EXPECT_TRUE(c.optionGroup.empty()) << c.name;
            EXPECT_TRUE(c.container.empty()) << c.name;
        }
    }
}

TEST(Look, PictureResources) {
    const std::map<std::string, std::string> expected = {
        {"Image1", "logo_banner"},
        {"Image6", "logo_small"},
        {"Image5", "startup"},
        {"Image2", "system_veltra_one_span"},
        {"Image3", "system_veltra_two_spans"},
        {"Image4", "system_fixed_ends"},
        {"Image7", "system_terrax_one_span"},
        {"Image8", "system_terrax_two_spans"},
        {"Command9", "flag_gr"},
        {"Command10", "flag_uk"},
    };
    std::map<std::string, std::string> actual;
    for (int i = 0; i < kControlCount; ++i) {
        const ControlSpec& c = inventory()[i];
        if (!c.picture.empty()) {
            actual.emplace(std::string(c.name), std::string(c.picture));
        }
    }
    EXPECT_EQ(actual, expected);
}

TEST(Look, DiagramsShareTheDiagramAreaInFrontOfTheStartupPicture) {
    // Where several pictures are visible the front-most one is seen.
    const std::string_view frontToBack[] = {"Image8", "Image7", "Image5",
                                            "Image4", "Image3", "Image2"};
    for (std::size_t i = 1; i < std::size(frontToBack); ++i) {
        EXPECT_LT(findControl(frontToBack[i - 1]), findControl(frontToBack[i]))
            << frontToBack[i - 1] << " before " << frontToBack[i];
    }
    const ControlSpec& area = byName("Label60");
    for (std::string_view name : {"Image2", "Image3", "Image4", "Image7", "Image8"}) {
        const ControlSpec& c = byName(name);
        EXPECT_GE(c.rect.left, area.rect.left) << name;
        EXPECT_LE(c.rect.left + c.rect.width, area.rect.left + area.rect.width) << name;
        EXPECT_LE(c.rect.top + c.rect.height, area.rect.top + area.rect.height) << name;
    }
}

}  // namespace
}  // namespace cw
