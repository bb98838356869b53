// Opening a bay whose catalogue file is missing or changed: what the user is asked and what
// is done with the answer, without a display (the window's question box is a function here).

#include "document/bay_file_commands.h"
#include "document/catalogue_commands.h"
#include "files/catalogue_file.h"
#include "bay/catalogue_ref.h"
#include "input/form.h"
#include "input/undo_history.h"
#include "model/window_document.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace cw {
namespace {

namespace fs = std::filesystem;
using C = ControlId;

const NumberFormat kGreek{",", "-", "+"};

const std::string kHouse =
    "use,code,role,Ix_cm4,e_mm\nvertical,H-1,mullion,0.5,50\nvertical,H-2,mullion,5000,60\n";
const std::string kEdited = kHouse + "vertical,H-3,mullion,9000,70\n";
const std::string kMoved =
    "use,code,role,Ix_cm4,e_mm\nvertical,M-1,mullion,0.5,50\nvertical,M-2,mullion,6000,60\n";
const std::string kSloped =
    "use,code,role,Ix_cm4,e_mm\nsloped,S-1,mullion,0.5,50\nsloped,S-2,mullion,4000,60\n";
const std::string kBad = "use,code,role,Ix_cm4,e_mm\nvertical,B-1,mullion,abc,50\n";

enum class OnDisk { Kept, Edited, Removed };

struct Case {
    const char* name;
    OnDisk onDisk;
    // What the user answers: nothing (Cancel), or the name of a file in the folder.
    const char* answer;
    bool asked;
    // The question's start, or "" when none is asked.
    const char* question;
    // The catalogue the bay then designs with: its content, or "" for the series options.
    const std::string* designsWith;
    const char* pathEnds;  // the file name the window's document names
    bool modified;         // the bay differs from its file once open
    std::vector<const char*> messagesStart;
    const char* inUse = nullptr;  // the catalogue the window designs with before opening
    bool listed = false;          // the window lists house's content as copy.csv
    const char* messageHas = "";  // a part of the messages that their start does not show
};

const Case kCases[] = {
    {"file as saved: no question", OnDisk::Kept, nullptr, false, "", &kHouse, "house.csv", false,
     {}},
    {"missing, cancel: series options as today", OnDisk::Removed, nullptr, true,
     "Ο κατάλογος «house» του φατνώματος λείπει: ", nullptr, "", false,
     {"Ο κατάλογος «house» του φατνώματος λείπει: "}},
    {"missing, a file chosen: designs with it", OnDisk::Removed, "moved.csv", true,
     "Ο κατάλογος «house» του φατνώματος λείπει: ", &kMoved, "moved.csv", true, {}},
    {"changed, cancel: the file as it is now", OnDisk::Edited, nullptr, true,
     "Ο κατάλογος «house» του φατνώματος άλλαξε", &kEdited, "house.csv", false,
     {"Ο κατάλογος «house» του φατνώματος άλλαξε"}},
    {"changed, a file chosen: designs with it", OnDisk::Edited, "moved.csv", true,
     "Ο κατάλογος «house» του φατνώματος άλλαξε", &kMoved, "moved.csv", true, {}},
    {"missing, a refused file chosen: as cancel, with its refusal", OnDisk::Removed, "bad.csv",
     true, "Ο κατάλογος «house» του φατνώματος λείπει: ", nullptr, "", false,
     {"Ο κατάλογος bad.csv δεν διαβάστηκε", "Ο κατάλογος «house» του φατνώματος λείπει: "}},
    {"missing, a sloped catalogue chosen for a vertical bay: not used", OnDisk::Removed,
     "slope.csv", true, "Ο κατάλογος «house» του φατνώματος λείπει: ", nullptr, "", false,
     {"Ο κατάλογος «slope» του αρχείου", "Ο κατάλογος «house» του φατνώματος λείπει: "},
     nullptr,
     false,
     "είναι κεκλιμένος, ενώ"},
    {"missing, a file that is not there chosen", OnDisk::Removed, "none.csv", true,
     "Ο κατάλογος «house» του φατνώματος λείπει: ", nullptr, "", false,
     {"Ο κατάλογος none.csv δεν διαβάστηκε", "Ο κατάλογος «house» του φατνώματος λείπει: "}},
    {"another catalogue in use: the bay's own", OnDisk::Kept, nullptr, false, "", &kHouse,
     "house.csv", false, {}, "moved.csv"},
    {"the bay's catalogue in use, its file removed: no question", OnDisk::Removed, nullptr,
     false, "", &kHouse, "house.csv", false, {}, "house.csv"},
    {"missing, its content listed: taken from the list", OnDisk::Removed, nullptr, false, "",
     &kHouse, "copy.csv", false, {}, nullptr, true},
};

// The smallest mullion that carries the test's bay in the catalogue it designs with (H-1 and
// M-1 are too weak), or in the series options.
std::string mullionOf(const std::string* designsWith) {
    if (!designsWith)
        return "KA-01";
    return designsWith == &kMoved ? "M-2" : "H-2";
}

class CatalogueOfBayOpened : public ::testing::TestWithParam<Case> {};

// A Veltra-type bay designed with house.csv and saved; the file then as the case says.
TEST_P(CatalogueOfBayOpened, AsksAndTakesTheAnswer) {
    const Case& c = GetParam();
    // A folder of its own: ctest runs the cases side by side.
    const fs::path dir = fs::temp_directory_path() /
                         ("cw-catalogue-of-bay-" + std::string(c.name) + "-" +
                          std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const std::string house = (dir / "house.csv").string();
    std::ofstream(house, std::ios::binary) << kHouse;
    std::ofstream(dir / "moved.csv", std::ios::binary) << kMoved;
    std::ofstream(dir / "slope.csv", std::ios::binary) << kSloped;
    std::ofstream(dir / "bad.csv", std::ios::binary) << kBad;
    std::ofstream(dir / "copy.csv", std::ios::binary) << kHouse;
    const std::string bay = (dir / "bay.cwbay").string();
    {
        Form saving(kGreek);
        ASSERT_TRUE(chooseCatalogueFile(saving.state(), house));
        saving.click(C::Option9);
        for (const auto& [id, text] : {std::pair{C::Text4, "120"}, {C::Text7, "90"},
                                       {C::Text2, "250"}, {C::Text10, "100"}, {C::Text12, "150"}})
            saving.type(id, text);
        saving.click(C::Option1);
        ASSERT_TRUE(saveBay(saving.state(), bay));
    }
    // The window as the user left it before opening the bay: `f` opens it, `g` is read from
    // for the same opening with no window.
    Form f(kGreek);
    Form g(kGreek);
    for (Form* window : {&f, &g}) {
        if (c.inUse) {
            ASSERT_TRUE(chooseCatalogueFile(window->state(), (dir / c.inUse).string()));
        }
        if (c.listed) {
            const files::CatalogueOpening copy =
                files::openCatalogueFile((dir / "copy.csv").string(), Language::Greek);
            ASSERT_TRUE(copy.chosen);
            window->state().findCatalogue =
                [chosen = *copy.chosen](const CatalogueRef& ref) -> std::optional<ChosenCatalogue> {
                if (ref.sha256 == chosen.ref.sha256)
                    return chosen;
                return std::nullopt;
            };
        }
    }
    if (c.onDisk == OnDisk::Edited)
        std::ofstream(house, std::ios::binary) << kEdited;
    if (c.onDisk == OnDisk::Removed)
        fs::remove(house);

    std::vector<std::string> questions;
    f.state().askForCatalogueFile =
        [&](const std::string& question) -> std::optional<std::string> {
        questions.push_back(question);
        if (!c.answer)
            return std::nullopt;
        return (dir / c.answer).string();
    };
    ASSERT_TRUE(openBay(f, bay));

    ASSERT_EQ(questions.size(), c.asked ? 1u : 0u);
    if (c.asked) {
        EXPECT_EQ(questions[0].rfind(c.question, 0), 0u) << questions[0];
        EXPECT_NE(questions[0].find(house), std::string::npos) << "names the file";
    }
    const WindowState& w = f.state();
    if (c.designsWith) {
        ASSERT_TRUE(w.userCatalogue);
        EXPECT_EQ(w.userCatalogue->ref.sha256, catalogueSha256(*c.designsWith));
        const BayDocument now = documentOf(w);
        ASSERT_TRUE(now.catalogue);
        EXPECT_EQ(fs::path(now.catalogue->path).filename().string(), c.pathEnds);
        EXPECT_EQ(now.catalogue->sha256, catalogueSha256(*c.designsWith));
    } else {
        EXPECT_FALSE(w.userCatalogue);
        EXPECT_TRUE(w.selected(C::Option10)) << "the series option of the catalogue's use";
    }
    EXPECT_EQ(w.text(Field::SuggestedMullion), mullionOf(c.designsWith));
    EXPECT_EQ(documentModified(w), c.modified);
    std::vector<std::string> messages = f.takeMessages();
    ASSERT_EQ(messages.size(), c.messagesStart.size());
    for (std::size_t i = 0; i < messages.size(); ++i)
        EXPECT_EQ(messages[i].rfind(c.messagesStart[i], 0), 0u) << messages[i];
    std::string allMessages;
    for (const std::string& m : messages)
        allMessages += m;
    EXPECT_NE(allMessages.find(c.messageHas), std::string::npos) << allMessages;

    // The same opening with no window: what it finds is what the window showed.
    std::vector<std::string> asked;
    files::CatalogueSources sources = catalogueSourcesOf(g.state());
    sources.ask = [&](const std::string& question) -> std::optional<std::string> {
        asked.push_back(question);
        if (!c.answer)
            return std::nullopt;
        return (dir / c.answer).string();
    };
    const files::BayOpening opening = files::readBayOpening(bay, kGreek, Language::Greek, sources);
    ASSERT_TRUE(opening.document);
    EXPECT_EQ(asked, questions);
    EXPECT_EQ(opening.messages, messages);
    EXPECT_EQ(opening.catalogueChosenAnew, c.modified);
    ASSERT_EQ(opening.catalogue.has_value(), c.designsWith != nullptr);
    if (c.designsWith) {
        EXPECT_EQ(opening.catalogue->ref.sha256, catalogueSha256(*c.designsWith));
    }
    EXPECT_TRUE(opening.outcome.completed);
    EXPECT_EQ(opening.outcome.texts[Field::SuggestedMullion], w.text(Field::SuggestedMullion));
}

INSTANTIATE_TEST_SUITE_P(Answers, CatalogueOfBayOpened, ::testing::ValuesIn(kCases),
                         [](const auto& row) {
                             std::string name = row.param.name;
                             for (char& ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return name;
                         });

// An undo step of a bay designed with a user catalogue designs with it again, from the
// catalogue in use, with no file read and no question: H-1 (0,5 cm4) is too weak for the bay,
// H-2 fits.
TEST(CatalogueUndo, AStepTakesTheCatalogueInUse) {
    const fs::path dir =
        fs::temp_directory_path() / ("cw-catalogue-undo-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const std::string house = (dir / "house.csv").string();
    std::ofstream(house, std::ios::binary) << kHouse;
    Form f(kGreek);
    ASSERT_TRUE(chooseCatalogueFile(f.state(), house));
    fs::remove_all(dir);
    f.click(C::Option9);
    for (const auto& [id, text] : {std::pair{C::Text4, "120"},
                                   {C::Text7, "90"},
                                   {C::Text2, "250"},
                                   {C::Text10, "100"},
                                   {C::Text12, "150"}})
        f.type(id, text);
    f.click(C::Option1);
    f.click(C::Command1);
    const BayStep step = stepOf(f.state());
    ASSERT_TRUE(step.ran);
    f.type(C::Text2, "300");
    bool asked = false;
    f.state().askForCatalogueFile = [&](const std::string&) -> std::optional<std::string> {
        asked = true;
        return std::nullopt;
    };
    restoreStep(f, step);
    const WindowState& w = f.state();
    ASSERT_TRUE(w.userCatalogue);
    EXPECT_EQ(w.userCatalogue->ref.sha256, catalogueSha256(kHouse));
    EXPECT_EQ(w.text(Field::SuggestedMullion), "H-2");
    EXPECT_EQ(w.text(Field::SpanL1), "250");
    EXPECT_FALSE(asked);
    EXPECT_TRUE(f.takeMessages().empty());
}

// The question comes in the language showing.
TEST(CatalogueOfBayQuestion, InTheLanguageShowing) {
    const CatalogueRef ref{"house", "/nowhere/house.csv", catalogueSha256(kHouse)};
    Form f(kGreek);
    f.click(C::Command10);  // English
    std::string asked;
    f.state().askForCatalogueFile = [&](const std::string& q) -> std::optional<std::string> {
        asked = q;
        return std::nullopt;
    };
    const WindowState& w = f.state();
    const files::CatalogueOfBay found = files::findCatalogueOfBay(
        ref, Series::Veltra, catalogueSourcesOf(w), w.languageShowing());
    EXPECT_FALSE(found.found);
    EXPECT_EQ(asked.rfind("The bay's catalogue \"house\" is missing: /nowhere/house.csv.", 0), 0u)
        << asked;
    // Cancelled: the search says so in English too, as without the question.
    ASSERT_EQ(found.messages.size(), 1u);
    EXPECT_EQ(found.messages[0].rfind("The bay's catalogue \"house\" is missing", 0), 0u)
        << found.messages[0];
}

}  // namespace
}  // namespace cw
