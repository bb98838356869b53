// Saving and opening the window's bay: what is saved opens to the same window, a bad file is
// refused with one message and the window left alone, and a failed save loses nothing.

#include "document/bay_file_commands.h"
#include "app/replay_script.h"
#include "model/state_dump.h"
#include "text/messages.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <csignal>
#include <sstream>
#include <string>
#include <vector>

namespace cw::test {
namespace {

using C = ControlId;

std::string pathOf(const QTemporaryDir& dir, const char* name) {
    return dir.filePath(QString::fromUtf8(name)).toStdString();
}

QByteArray contents(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const std::string& path, const QByteArray& bytes) {
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

struct Replayed {
    int status;
    std::vector<std::string> dumps;
    std::string err;
};

Replayed replay(const std::string& script, const char* locale) {
    std::istringstream in(script);
    std::ostringstream out, err;
    Replayed r{runReplay(in, out, err, NumberFormat::fromLocale(locale)), {}, err.str()};
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);)
        r.dumps.push_back(line);
    return r;
}

// A dump without the focus and the messages: what the inputs decide, and the document.
std::string inputsAndResults(const std::string& dump) {
    const std::size_t from = dump.find(", \"controls\"");
    return dump.substr(from, dump.find(", \"messages\"") - from);
}

// --- Save, then open: the same window -----------------------------------------------------

struct Bay {
    const char* name;
    const char* locale;
    const char* actions;
};

class SavedBay : public ::testing::TestWithParam<Bay> {};

TEST_P(SavedBay, OpensToTheSameDump) {
    const Bay& bay = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = pathOf(dir, "bay one.cwbay");

    const Replayed saved =
        replay(std::string(bay.actions) + "save " + path + "\ndump\n", bay.locale);
    ASSERT_EQ(saved.status, 0) << saved.err;
    ASSERT_EQ(saved.dumps.size(), 1U);
    const std::string document = "\"document\": {\"path\": \"" + path + "\", \"modified\": false}";
    EXPECT_NE(saved.dumps[0].find(document), std::string::npos) << saved.dumps[0];

    // Opened over a window with other inputs, which go.
    const Replayed opened = replay(
        "click Option11\nclick Option13\ntype Text4 999\nopen " + path + "\ndump\n", bay.locale);
    ASSERT_EQ(opened.status, 0) << opened.err;
    ASSERT_EQ(opened.dumps.size(), 1U);
    EXPECT_EQ(inputsAndResults(opened.dumps[0]), inputsAndResults(saved.dumps[0]));

    // Saving what was opened writes the same file again.
    const std::string again = pathOf(dir, "again.cwbay");
    ASSERT_EQ(replay("open " + path + "\nsave " + again + "\n", bay.locale).status, 0);
    EXPECT_EQ(contents(again), contents(path));
}

const Bay kBays[] = {
    {"veltra_band_greek", "el_GR",
     "click Option10\nclick Option9\ntype Text4 120\ntype Text7 90\ntype Text2 300\n"
     "type Text10 100\ntype Text12 200\nclick Option2\nclick Command1\n"},
    {"veltra_band_english_notation", "en_US",
     "click Option10\nclick Option9\ntype Text4 120.5\ntype Text7 90\ntype Text2 300\n"
     "type Text10 100\ntype Text12 200\nclick Option2\nclick Command1\n"},
    {"korin_two_spans_pressure_english", "en_US",
     "click Command10\nclick Option11\nclick Option13\ntype Text4 150\ntype Text7 150\n"
     "type Text2 400\ntype Text13 200\ntype Text10 100\ntype Text12 200\ntype Text8 1.25\n"
     "click Command11\nclick Command1\n"},
    {"korin_two_spans_pressure_greek", "el_GR",
     "click Option11\nclick Option13\ntype Text4 150\ntype Text7 150\n"
     "type Text2 400\ntype Text13 200\ntype Text10 100\ntype Text12 200\ntype Text8 1,25\n"
     "click Command2\nclick Command15\nclick Command1\n"},
    {"terrax_sloped_wind_speed", "el_GR",
     "click Option12\nclick Option9\ntype Text4 100\ntype Text7 100\ntype Text2 300\n"
     "type Text10 150\ntype Text12 150\ntype Text42 25\ntype Text11 110\nclick Command4\n"
     "type Text38 12,5\nclick Command1\n"},
    {"refused_run_english", "en_US",
     "click Command10\nclick Option10\nclick Option14\ntype Text4 120\ntype Text7 abc\n"
     "click Option3\nclick Command1\n"},
    {"nothing_typed", "el_GR", ""},
};

INSTANTIATE_TEST_SUITE_P(Bays, SavedBay, ::testing::ValuesIn(kBays),
                         [](const ::testing::TestParamInfo<Bay>& row) {
                             return std::string(row.param.name);
                         });

TEST(SavedBay, NumbersInTheFileUseADotAndOpenInTheReadersNotation) {
    QTemporaryDir dir;
    const std::string path = pathOf(dir, "bay.cwbay");
    ASSERT_EQ(
        replay("click Option10\nclick Option9\ntype Text4 120,5\nsave " + path + "\n", "el_GR")
            .status,
        0);
    EXPECT_TRUE(contents(path).contains("\"gridWidthA1_cm\": \"120.5\""));
    const Replayed opened = replay("open " + path + "\ndump\n", "en_US");
    ASSERT_EQ(opened.dumps.size(), 1U);
    EXPECT_NE(opened.dumps[0].find("\"Text4\": {\"visible\": true, \"text\": \"120.5\"}"),
              std::string::npos);
}

// --- What counts as modified ----------------------------------------------------------------

TEST(DocumentState, ModifiedFollowsTheInputsNotTheEvents) {
    QTemporaryDir dir;
    const std::string path = pathOf(dir, "bay.cwbay");
    Form f(NumberFormat::fromLocale("el_GR"));
    EXPECT_FALSE(f.state().document.path);
    EXPECT_FALSE(documentModified(f.state()));
    f.type(C::Text4, "120");
    EXPECT_TRUE(documentModified(f.state()));
    f.type(C::Text4, "");
    EXPECT_FALSE(documentModified(f.state())) << "typed back to the start";
    f.click(C::Option10);
    EXPECT_TRUE(documentModified(f.state()));
    ASSERT_TRUE(saveBay(f.state(), path));
    EXPECT_EQ(f.state().document.path, path);
    EXPECT_FALSE(documentModified(f.state()));
    f.click(C::Command10);  // the language showing is saved too
    EXPECT_TRUE(documentModified(f.state()));
    ASSERT_TRUE(openBay(f, path));
    EXPECT_FALSE(documentModified(f.state()));
    EXPECT_EQ(f.state().languageShowing(), Language::Greek);
}

TEST(DocumentState, OpeningKeepsTheMessagesNotYetTakenAheadOfItsOwn) {
    QTemporaryDir dir;
    const std::string path = pathOf(dir, "refused.cwbay");
    Form maker(NumberFormat::fromLocale("el_GR"));
    for (C id : {C::Option10, C::Option9, C::Option1})
        maker.click(id);
    ASSERT_TRUE(saveBay(maker.state(), path));

    Form f(NumberFormat::fromLocale("el_GR"));
    f.state().message("earlier");
    ASSERT_TRUE(openBay(f, path));
    ASSERT_EQ(f.pendingMessages().size(), 2U) << "the refused run's message follows";
    EXPECT_EQ(f.pendingMessages()[0], "earlier");
}

// --- A file that cannot be opened -----------------------------------------------------------

struct BadFile {
    const char* name;
    QByteArray bytes;     // empty: no file at all
    const char* english;  // {1} is the file
    std::vector<const char*> greekWords;
};

class BadBayFile : public ::testing::TestWithParam<BadFile> {};

QByteArray withFields(const char* extra) {
    return QByteArray(R"({"format": "curtainwall-bay", "version": 1, "series": "veltra",
        "staticSystem": "one-span", "gridWidthA1_cm": "120", "gridWidthA2_cm": "90",
        "spanL1_cm": "300", "spanL2_cm": "", "glazingHeightH1_cm": "100",
        "glazingHeightH2_cm": "200", "glassThickness_mm": "10", "deflectionDivisor": "200",
        "allowableDeflection_mm": "0", "windPressure_kNm2": "", "windSpeed_kmh": "",
        "structureWeight_kNm2": "0.1", "snowHeight_cm": "", "slope_deg": "",
        "windSource": "0-8", "language": "el")") +
           extra + "}";
}

TEST_P(BadBayFile, GivesOneMessageAndLeavesTheWindowAlone) {
    const BadFile& bad = GetParam();
    QTemporaryDir dir;
    const std::string path = pathOf(dir, "bad.cwbay");
    if (!bad.bytes.isEmpty())
        write(path, bad.bytes);
    for (const bool english : {false, true}) {
        Form f(NumberFormat::fromLocale("el_GR"));
        if (english)
            f.click(C::Command10);
        f.click(C::Option11);
        f.type(C::Text4, "150");
        f.takeMessages();
        const std::string before = stateDump(f.state(), {});
        EXPECT_FALSE(openBay(f, path));
        EXPECT_EQ(stateDump(f.state(), {}), before);
        const std::vector<std::string> shown = f.takeMessages();
        ASSERT_EQ(shown.size(), 1U);
        // Read with no window, the file gives the same one message and nothing to show.
        const files::BayOpening opening =
            files::readBayOpening(path, f.numberFormat(), f.state().languageShowing(), {});
        EXPECT_FALSE(opening.document);
        EXPECT_EQ(opening.messages, shown);
        if (english) {
            EXPECT_EQ(shown[0], fill(bad.english, {path}));
        } else {
            EXPECT_NE(shown[0].find("«" + path + "»"), std::string::npos) << shown[0];
            for (const char* word : bad.greekWords)
                EXPECT_NE(shown[0].find(word), std::string::npos) << word << " in " << shown[0];
        }
    }
}

const BadFile kBadFiles[] = {
    {"missing",
     {},
     "The file \"{1}\" cannot be read: it does not exist or may not be opened.",
     {"δεν μπορεί να διαβαστεί"}},
    {"too_large",
     QByteArray(2 << 20, ' '),
     "The file \"{1}\" is not a bay file: it is larger than 1 MB.",
     {"1 MB"}},
    {"not_json",
     "{\"format\": \"curtainwall-bay\",\n \"version\" 1}",
     // The 42nd byte is the 1 where a colon belongs.
     "The file \"{1}\" is not a bay file: it is not valid JSON (fault at byte 42).",
     {"JSON", "42"}},
    {"other_format",
     R"({"format": "spreadsheet", "version": 1})",
     "The file \"{1}\" is not a bay file: its field \"format\" is not \"curtainwall-bay\".",
     {"«format»", "curtainwall-bay"}},
    {"a_json_list",
     "[1, 2]",
     "The file \"{1}\" is not a bay file: its field \"format\" is not \"curtainwall-bay\".",
     {"«format»"}},
    {"newer_version",
     R"({"format": "curtainwall-bay", "version": 3})",
     "The bay file \"{1}\" was written by a newer version of the program: its field "
     "\"version\" is 3, and this version reads up to 2.",
     {"νεότερη", "«version»", "3"}},
    {"missing_version",
     R"({"format": "curtainwall-bay"})",
     "The bay file \"{1}\" lacks the field \"version\".",
     {"λείπει", "«version»"}},
    {"version_as_text",
     R"({"format": "curtainwall-bay", "version": "1"})",
     "In the bay file \"{1}\" the field \"version\" is not a number.",
     {"«version»", "αριθμός"}},
    {"missing_field",
     withFields("").replace("\"spanL1_cm\": \"300\",", ""),
     "The bay file \"{1}\" lacks the field \"spanL1_cm\".",
     {"λείπει", "«spanL1_cm»"}},
    {"number_for_a_text",
     withFields("").replace("\"spanL1_cm\": \"300\"", "\"spanL1_cm\": 300"),
     "In the bay file \"{1}\" the field \"spanL1_cm\" is not a text in quotes.",
     {"«spanL1_cm»", "κείμενο"}},
    {"unknown_series",
     withFields("").replace("\"veltra\"", "\"aluminium\""),
     "In the bay file \"{1}\" the field \"series\" holds a value this version of the program "
     "does not know.",
     {"«series»", "δεν γνωρίζει"}},
    {"unknown_criterion",
     withFields(", \"deflectionCriterion\": \"1999\""),
     "In the bay file \"{1}\" the field \"deflectionCriterion\" holds a value this version of "
     "the program does not know.",
     {"«deflectionCriterion»"}},
};

INSTANTIATE_TEST_SUITE_P(Kinds, BadBayFile, ::testing::ValuesIn(kBadFiles),
                         [](const ::testing::TestParamInfo<BadFile>& row) {
                             return std::string(row.param.name);
                         });

TEST(BadBayFile, TheGoodFileOfTheTableOpens) {
    // The table's files break one field of this one; it must open, or they test nothing.
    QTemporaryDir dir;
    const std::string path = pathOf(dir, "good.cwbay");
    write(path, withFields(""));
    Form f(NumberFormat::fromLocale("el_GR"));
    EXPECT_TRUE(openBay(f, path));
    EXPECT_EQ(f.text(C::Text2), "300");
}

// --- A save that fails ------------------------------------------------------------------------

// Files may grow to `bytes` at most while it lives; root is held to it too.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        m_signal = std::signal(SIGXFSZ, SIG_IGN);  // a write beyond fails instead of killing
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        m_set = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_signal);
    }
    bool set() const { return m_set; }

private:
    rlimit m_old{};
    void (*m_signal)(int) = nullptr;
    bool m_set = false;
};

TEST(FailedSave, LeavesTheEarlierFileByteIdenticalAndSaysWhy) {
    QTemporaryDir dir;
    const std::string path = pathOf(dir, "bay.cwbay");
    Form f(NumberFormat::fromLocale("en_US"));
    f.click(C::Command10);
    f.click(C::Option10);
    ASSERT_TRUE(saveBay(f.state(), path));
    const QByteArray earlier = contents(path);
    f.type(C::Text4, "120");
    bool saved = true;
    {
        const FileSizeLimit limit(64);  // far less than a bay file
        ASSERT_TRUE(limit.set());
        saved = saveBay(f.state(), path);
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(contents(path), earlier);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"bay.cwbay"})
        << "no temporary file left behind";
    EXPECT_TRUE(documentModified(f.state())) << "the change is still unsaved";
    const std::vector<std::string> shown = f.takeMessages();
    ASSERT_EQ(shown.size(), 1U);
    EXPECT_EQ(shown[0].rfind("The bay was not saved to \"" + path + "\": ", 0), 0U) << shown[0];
}

TEST(FailedSave, ToAFolderThatCannotBeKeepsTheWindowsFile) {
    QTemporaryDir dir;
    const std::string first = pathOf(dir, "first.cwbay");
    const std::string notAFolder = pathOf(dir, "plain");
    write(notAFolder, "a file, not a folder");
    Form f(NumberFormat::fromLocale("el_GR"));
    f.click(C::Option12);
    ASSERT_TRUE(saveBay(f.state(), first));
    f.type(C::Text4, "100");
    EXPECT_FALSE(saveBay(f.state(), notAFolder + "/bay.cwbay"));
    EXPECT_EQ(contents(notAFolder), QByteArray("a file, not a folder"));
    EXPECT_EQ(f.state().document.path, first);
    EXPECT_TRUE(documentModified(f.state()));
    const std::vector<std::string> shown = f.takeMessages();
    ASSERT_EQ(shown.size(), 1U);
    EXPECT_NE(shown[0].find("Το φάτνωμα δεν αποθηκεύτηκε στο «" + notAFolder + "/bay.cwbay»"),
              std::string::npos)
        << shown[0];
}

// --- The replay lines -------------------------------------------------------------------------

TEST(ReplayLines, SaveAndOpenNeedAPath) {
    for (const char* line : {"save", "open", "save ", "open "}) {
        const Replayed r = replay(std::string(line) + "\ndump\n", "el_GR");
        EXPECT_EQ(r.status, 2) << line;
        EXPECT_EQ(r.err, "line 1: " + std::string(line, 4) + " needs a bay file path\n");
        EXPECT_TRUE(r.dumps.empty());
    }
}

TEST(ReplayLines, TheDumpStartsWithNoFileAndNothingModified) {
    const Replayed r = replay("dump\nclick Option10\ndump\n", "el_GR");
    ASSERT_EQ(r.dumps.size(), 2U);
    EXPECT_NE(r.dumps[0].find("\"document\": {\"path\": null, \"modified\": false}"),
              std::string::npos);
    EXPECT_NE(r.dumps[1].find("\"document\": {\"path\": null, \"modified\": true}"),
              std::string::npos);
}

TEST(ReplayLines, ABadFileIsAMessageNotAnError) {
    QTemporaryDir dir;
    const std::string path = pathOf(dir, "none.cwbay");
    const Replayed r = replay("open " + path + "\ndump\n", "el_GR");
    EXPECT_EQ(r.status, 0);
    ASSERT_EQ(r.dumps.size(), 1U);
    EXPECT_NE(r.dumps[0].find("\"messages\": [\"Το αρχείο «" + path), std::string::npos)
        << r.dumps[0];
}

}  // namespace
}  // namespace cw::test
