#include "export/xlsx_report.h"

#include "bay/number_text.h"
#include "openpyxl_facts.h"

#include <gtest/gtest.h>

#include <grp.h>
#include <pwd.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using cw::ExportFailure;
using cw::ExportOutcome;
using cw::ReportCell;

const std::string kScriptDir = CW_EXPORT_TEST_DIR;
const std::string kPython = CW_OPENPYXL_PYTHON;

// make_form.py puts this tab first in workbook order while its part is sheet2.xml.
const std::string kFormSheet = "Έκθεση";
const std::string kFormSheetPart = "xl/worksheets/sheet2.xml";

// Numbers as the window reads them under a Greek locale: a decimal comma, and a point refused
// because it groups thousands there.
std::optional<double> readGreekNumber(std::string_view text) {
    static const cw::NumberFormat greek{",", "-", "+"};
    return cw::parseNumber(text, greek);
}

// The 24 writes of a report, in the order the window makes them. Against the form they hit:
// a bold number (8), a missing cell between A and C (9), a shared string (11), a filled cell
// (13), a missing row (15), a number format (18, 26), a row with only E (20), a formatted empty
// row (22), a formula (30), the first cell of a shared formula (38), an unstyled number to clear
// (35) and a styled text to clear (3).
const std::vector<ReportCell> kReport = {
    {8, "2,5", "Ύψος ορόφου", "m"},
    {9, "1,20", "Απόσταση ορθοστατών", "m"},
    {10, "KA-03", "Ορθοστάτης", ""},
    {11, "0,65", "Ανεμοπίεση", "kN/m²"},
    {13, "Επαρκής", "Έλεγχος τάσεων", ""},
    {15, "-3", "Θερμοκρασία", "°C"},
    {18, "0,65", "Συντελεστής", ""},
    {19, "1e3", "Φορτίο", "N"},
    {20, "12", "Βέλος", "mm"},
    {22, "KA-11 + KA-12", "Τραβέρσα", ""},
    {26, "3,14159", "Ροπή", "kNm"},
    {27, "", "Κενό", ""},
    {28, "0,1", "Τάση", "kN/cm²"},
    {30, "42", "Αντίσταση", "cm³"},
    {31, "7,5", "Ροπή αδράνειας", "cm⁴"},
    {34, "Ορθοστάτης / τραβέρσα", "Σύστημα", ""},
    {35, "", "Σημείωση", ""},
    {37, "1,5", "Συντελεστής ασφαλείας", ""},
    {38, "8", "Πλήθος", "τεμ."},
    {3, "", "", ""},
    {41, "200", "Ύψος διατομής", "mm"},
    {42, "Επάρκεια", "Αποτέλεσμα", ""},
    {43, "0,333", "Λόγος", ""},
    {44, "9,5 kN/ cm^2", "Επιτρεπόμενη τάση", ""},
};

std::string quoted(const std::string& s) {
    return "'" + s + "'";
}

int runScript(const std::string& script, const std::vector<std::string>& args) {
    std::string command = kPython + " " + quoted(kScriptDir + "/" + script);
    for (const auto& arg : args)
        command += " " + quoted(arg);
    return std::system(command.c_str());
}

void makeForm(const std::string& variant, const std::string& out) {
    ASSERT_EQ(runScript("make_form.py", {variant, out}), 0)
        << "make_form.py " << variant << " failed";
}

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

class ScratchDir {
public:
    ScratchDir() {
        char name[] = "/tmp/cw_xlsx_XXXXXX";
        m_path = ::mkdtemp(name);
    }
    ~ScratchDir() {
        std::error_code ec;
        for (const auto& entry : fs::recursive_directory_iterator(m_path, ec))
            if (entry.is_directory(ec))
                fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(m_path, ec);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& path() const { return m_path; }
    std::string file(const std::string& name) const { return m_path + "/" + name; }

    // Every file and folder below, with the files' bytes: the state a failed export must keep.
    std::map<std::string, std::string> snapshot() const {
        std::map<std::string, std::string> state;
        for (const auto& entry : fs::recursive_directory_iterator(m_path))
            state[entry.path().string()] =
                entry.is_directory() ? "<folder>" : readBytes(entry.path().string());
        return state;
    }

private:
    std::string m_path;
};

using cw::test::Facts;
using cw::test::factsOfKind;
using cw::test::readFacts;

std::string cellKey(const std::string& sheet, const std::string& column, int row) {
    return "cell\t" + sheet + "!" + column + std::to_string(row);
}

// A cell as the export must leave it: a number when the locale reads the text as one, else
// the text; the empty text leaves no value.
void expectWritten(const Facts& facts, const std::string& key, const std::string& text) {
    SCOPED_TRACE(key + " <- \"" + text + "\"");
    const auto found = facts.find(key);
    if (text.empty()) {
        EXPECT_EQ(found, facts.end()) << found->second;
        return;
    }
    ASSERT_NE(found, facts.end());
    const auto number = readGreekNumber(text);
    if (number && std::isfinite(*number)) {
        ASSERT_EQ(found->second.substr(0, 2), "n ") << found->second;
        double stored = 0;
        const auto& value = found->second;
        const auto [end, ec] =
            std::from_chars(value.data() + 2, value.data() + value.size(), stored);
        ASSERT_TRUE(ec == std::errc{} && end == value.data() + value.size()) << value;
        EXPECT_EQ(stored, *number);
    } else {
        EXPECT_EQ(found->second, "s \"" + text + "\"");
    }
}

ExportOutcome exportReport(const std::string& path,
                           const std::vector<ReportCell>& cells = kReport) {
    return cw::writeReportColumnB(path, cells, readGreekNumber);
}

// ---------------------------------------------------------------------------------------------
// An existing report form, exported once for the whole group.

// Made on first use rather than in SetUpTestSuite, whose failures GoogleTest reports as skips.
struct ExportedFormState {
    ScratchDir dir;
    ExportOutcome outcome;
    Facts before;
    Facts after;
};

const ExportedFormState& exportedForm() {
    static ExportedFormState state;
    [[maybe_unused]] static const bool made = [] {
        const std::string form = state.dir.file("form.xlsx");
        const std::string report = state.dir.file("report.xlsx");
        makeForm("form", form);
        fs::copy_file(form, report);
        state.outcome = exportReport(report);
        state.before = readFacts(form);
        state.after = readFacts(report);
        return true;
    }();
    return state;
}

class ExportedForm : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_outcome.ok) << m_outcome.message.english;
        ASSERT_FALSE(m_before.empty());
        ASSERT_FALSE(m_after.empty());
    }

    static bool isWritten(const std::string& key) {
        return std::any_of(kReport.begin(), kReport.end(), [&](const ReportCell& cell) {
            return key == cellKey(kFormSheet, "B", cell.row);
        });
    }

    const ExportOutcome& m_outcome = exportedForm().outcome;
    const Facts& m_before = exportedForm().before;
    const Facts& m_after = exportedForm().after;
};

TEST_F(ExportedForm, WritesEachCellOfColumnBOnTheFirstTab) {
    for (const auto& cell : kReport)
        expectWritten(m_after, cellKey(kFormSheet, "B", cell.row), cell.text);
}

TEST_F(ExportedForm, LeavesEveryOtherCellStyleAndSettingAsItWas) {
    std::set<std::string> keys;
    for (const auto* facts : {&m_before, &m_after})
        for (const auto& [key, value] : *facts)
            keys.insert(key);
    for (const auto& key : keys) {
        const std::string kind = key.substr(0, key.find('\t'));
        static const std::vector<std::string> kOwnTests = {
            "entry", "rel", "override", "wbchild", "cached", "dimension", "spans", "layout",
            "sharedref"};
        if (std::find(kOwnTests.begin(), kOwnTests.end(), kind) != kOwnTests.end() ||
            isWritten(key))
            continue;
        // A cell the export created has no style to compare with.
        if (kind == "style" && !m_before.count(key) && isWritten("cell" + key.substr(kind.size())))
            continue;
        const auto before = m_before.find(key);
        const auto after = m_after.find(key);
        EXPECT_EQ(before == m_before.end() ? "<none>" : before->second,
                  after == m_after.end() ? "<none>" : after->second)
            << key;
    }
}

TEST_F(ExportedForm, NewCellInAFormattedRowTakesTheRowStyle) {
    const auto rowFill = m_before.at("rowstyle\t" + kFormSheet + "!22");
    const auto style = m_after.find("style\t" + kFormSheet + "!B22");
    ASSERT_NE(style, m_after.end());
    EXPECT_NE(style->second.find("fill=" + rowFill), std::string::npos) << style->second;
}

TEST_F(ExportedForm, KeepsRowsAndCellsInOrderWithATrueUsedRange) {
    EXPECT_EQ(m_after.at("layout\t" + kFormSheet), "sorted");
    const std::string dimension = m_after.at("dimension\t" + kFormSheet);
    const auto space = dimension.find(' ');
    EXPECT_EQ(dimension.substr(0, space).substr(std::string("stored=").size()),
              dimension.substr(space + 1 + std::string("cells=").size()))
        << dimension;
    // A spans hint describes the cells a row had; rows the export touched must not keep one.
    EXPECT_FALSE(m_after.count("spans\t" + kFormSheet + "!8"));
    EXPECT_FALSE(m_after.count("spans\t" + kFormSheet + "!20"));
    EXPECT_EQ(m_after.at("spans\t" + kFormSheet + "!1"),
              m_before.at("spans\t" + kFormSheet + "!1"));
}

// The first cell of a shared formula written over hands the group to the next cell, with the
// range of the cells left: a range that no longer covers them loses their formulas.
TEST_F(ExportedForm, HandsASharedFormulaToTheNextCellOfItsGroup) {
    ASSERT_EQ(m_before.at("sharedref\t" + kFormSheet + "!B38"), "B38:B40 si=0");
    EXPECT_EQ(m_after.count("sharedref\t" + kFormSheet + "!B38"), 0u);
    EXPECT_EQ(m_after.at("sharedref\t" + kFormSheet + "!B39"), "B39:B40 si=0");
}

// LibreOffice trusts stored results unless told otherwise, so a stale one must not stay.
TEST_F(ExportedForm, FormulasOfTheReportTabKeepNoStaleResult) {
    const std::string key = "cached\t" + kFormSheet + "!D5";
    ASSERT_EQ(m_before.at(key), "999");
    EXPECT_EQ(m_after.at(key), "null");
}

TEST_F(ExportedForm, DropsTheCalculationChainAndAsksForRecalculation) {
    for (const auto& [key, value] : m_after)
        EXPECT_EQ((key + value).find("calcChain"), std::string::npos) << key << " " << value;

    auto rels = factsOfKind(m_before, "rel");
    rels.erase("rIdCalc");
    EXPECT_EQ(factsOfKind(m_after, "rel"), rels);
    auto overrides = factsOfKind(m_before, "override");
    overrides.erase("/xl/calcChain.xml");
    EXPECT_EQ(factsOfKind(m_after, "override"), overrides);

    // calcPr has a fixed place in the workbook part: right after definedNames here.
    std::map<int, std::string> byIndex;
    for (const auto& [index, child] : factsOfKind(m_after, "wbchild"))
        byIndex[std::stoi(index)] = child;
    std::vector<std::string> children;
    for (const auto& [index, child] : byIndex)
        children.push_back(child);
    const auto names = std::find(children.begin(), children.end(), "definedNames");
    ASSERT_NE(names, children.end());
    ASSERT_NE(names + 1, children.end());
    EXPECT_EQ(*(names + 1), "calcPr fullCalcOnLoad=1");
}

TEST_F(ExportedForm, CopiesEveryOtherPartUnchanged) {
    const auto before = factsOfKind(m_before, "entry");
    const auto after = factsOfKind(m_after, "entry");
    const std::vector<std::string> rewritten = {kFormSheetPart, "xl/workbook.xml",
                                                "xl/_rels/workbook.xml.rels", "[Content_Types].xml",
                                                "xl/calcChain.xml"};
    for (const auto& [name, crc] : before) {
        if (std::find(rewritten.begin(), rewritten.end(), name) != rewritten.end())
            continue;
        ASSERT_TRUE(after.count(name)) << name;
        EXPECT_EQ(after.at(name), crc) << name;
    }
    EXPECT_NE(after.at(kFormSheetPart), before.at(kFormSheetPart));
    EXPECT_EQ(after.size() + 1, before.size());  // calcChain.xml went, nothing came
}

// ---------------------------------------------------------------------------------------------

TEST(XlsxReportRepeat, SameCellsGiveIdenticalBytes) {
    ScratchDir dir;
    makeForm("form", dir.file("form.xlsx"));
    fs::copy_file(dir.file("form.xlsx"), dir.file("a.xlsx"));
    fs::copy_file(dir.file("form.xlsx"), dir.file("b.xlsx"));
    ASSERT_TRUE(exportReport(dir.file("a.xlsx")).ok);
    ASSERT_TRUE(exportReport(dir.file("new1.xlsx")).ok);
    ::sleep(2);  // zip times have two-second steps: a clock leaking into the file would show
    ASSERT_TRUE(exportReport(dir.file("b.xlsx")).ok);
    ASSERT_TRUE(exportReport(dir.file("new2.xlsx")).ok);
    const std::string first = readBytes(dir.file("a.xlsx"));
    EXPECT_EQ(first, readBytes(dir.file("b.xlsx")));
    EXPECT_EQ(readBytes(dir.file("new1.xlsx")), readBytes(dir.file("new2.xlsx")));

    ASSERT_TRUE(exportReport(dir.file("a.xlsx")).ok);
    EXPECT_EQ(readBytes(dir.file("a.xlsx")), first)
        << "exporting onto an exported report changed it";
}

TEST(XlsxReportNew, MakesAReportWithCaptionsValuesAndUnits) {
    ScratchDir dir;
    const std::string path = dir.file("Έκθεση νέα.xlsx");
    const auto outcome = exportReport(path);
    ASSERT_TRUE(outcome.ok) << outcome.message.english;
    const auto facts = readFacts(path);
    EXPECT_EQ(facts.at("sheet\t0"), "Report");
    EXPECT_FALSE(facts.count("sheet\t1"));
    std::size_t longestCaption = 0;
    for (const auto& cell : kReport) {
        expectWritten(facts, cellKey("Report", "A", cell.row), cell.caption);
        expectWritten(facts, cellKey("Report", "B", cell.row), cell.text);
        expectWritten(facts, cellKey("Report", "C", cell.row), cell.unit);
        const auto chars = static_cast<std::size_t>(std::count_if(
            cell.caption.begin(), cell.caption.end(), [](char ch) { return (ch & 0xC0) != 0x80; }));
        longestCaption = std::max(longestCaption, chars);
    }
    const double widthA = std::stod(facts.at("width\tReport!A"));
    EXPECT_GE(widthA, static_cast<double>(longestCaption)) << "captions would be cut off";
}

TEST(XlsxReportNew, TextsAXmlPartCannotHoldStillGiveAReadableSheet) {
    ScratchDir dir;
    const std::string path = dir.file("odd.xlsx");
    const std::vector<ReportCell> cells = {
        {8, std::string("bell\x07 and \x01"), "", ""},
        {9, "broken \xC3 UTF-8 \xFF", "", ""},
        {10, "inf", "", ""},  // the reader takes it for a number, but a sheet cannot store it
        {11, "nan", "", ""},
        {12, "carriage\rreturn", "", ""},
    };
    const auto outcome = cw::writeReportColumnB(path, cells, readGreekNumber);
    ASSERT_TRUE(outcome.ok) << outcome.message.english;
    const auto facts = readFacts(path);
    for (const auto& cell : cells) {
        const auto found = facts.find(cellKey("Report", "B", cell.row));
        ASSERT_NE(found, facts.end()) << cell.row;
        EXPECT_EQ(found->second.substr(0, 2), "s ") << found->second;
    }
    EXPECT_EQ(facts.at(cellKey("Report", "B", 10)), "s \"inf\"");
}

TEST(XlsxReportFile, KeepsPermissionBitsAndReplacesTheTargetOfALink) {
    ScratchDir dir;
    const std::string form = dir.file("form.xlsx");
    makeForm("form", form);
    fs::permissions(form, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(form, dir.file("link.xlsx"));

    const auto outcome = exportReport(dir.file("link.xlsx"));
    ASSERT_TRUE(outcome.ok) << outcome.message.english;
    EXPECT_TRUE(fs::is_symlink(dir.file("link.xlsx")));
    EXPECT_EQ(fs::status(form).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    expectWritten(readFacts(form), cellKey(kFormSheet, "B", 8), "2,5");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2)
        << "a temporary file was left behind";
}

// ---------------------------------------------------------------------------------------------
// Refusals: each leaves every file as it was and says why.

struct FailureCase {
    const char* name;
    std::function<std::string(const ScratchDir&)> setUp;  // makes the files, returns the path
    ExportFailure expected;
};

void PrintTo(const FailureCase& failureCase, std::ostream* out) {
    *out << failureCase.name;
}

std::string formWith(const ScratchDir& dir, const std::string& variant) {
    const std::string path = dir.file("form.xlsx");
    makeForm(variant, path);
    return path;
}

std::string oleFile(const ScratchDir& dir, bool encrypted) {
    std::string bytes("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    bytes.resize(1024, '\0');
    if (encrypted)
        for (char ch : std::string("EncryptionInfo"))
            bytes += std::string{ch, '\0'};
    bytes.resize(4096, '\0');
    writeBytes(dir.file("form.xlsx"), bytes);
    return dir.file("form.xlsx");
}

const FailureCase kFailures[] = {
    {"TextFileNamedXlsx",
     [](const ScratchDir& dir) {
         writeBytes(dir.file("form.xlsx"), "Ύψος;2,5\nΠλάτος;1,2\n");
         return dir.file("form.xlsx");
     },
     ExportFailure::NotAWorkbook},
    {"EmptyFile",
     [](const ScratchDir& dir) {
         writeBytes(dir.file("form.xlsx"), "");
         return dir.file("form.xlsx");
     },
     ExportFailure::NotAWorkbook},
    {"TruncatedZip",
     [](const ScratchDir& dir) {
         const auto path = formWith(dir, "form");
         const auto bytes = readBytes(path);
         writeBytes(path, bytes.substr(0, bytes.size() / 2));
         return path;
     },
     ExportFailure::Damaged},
    {"EncryptedWorkbookInOleFile", [](const ScratchDir& dir) { return oleFile(dir, true); },
     ExportFailure::Encrypted},
    {"OldXlsWorkbook", [](const ScratchDir& dir) { return oleFile(dir, false); },
     ExportFailure::NotAWorkbook},
    {"ZipWithoutWorkbook", [](const ScratchDir& dir) { return formWith(dir, "no-workbook"); },
     ExportFailure::NotAWorkbook},
    {"FirstSheetRelationshipMissing",
     [](const ScratchDir& dir) { return formWith(dir, "broken-rels"); },
     ExportFailure::NotAWorkbook},
    {"SheetNotWellFormed", [](const ScratchDir& dir) { return formWith(dir, "bad-sheet-xml"); },
     ExportFailure::Damaged},
    {"SheetDataCorrupted",
     [](const ScratchDir& dir) { return formWith(dir, "corrupt-sheet-data"); },
     ExportFailure::Damaged},
    {"EncryptedZipEntry", [](const ScratchDir& dir) { return formWith(dir, "encrypted-entry"); },
     ExportFailure::Encrypted},
    {"EntryDeclared100MiB", [](const ScratchDir& dir) { return formWith(dir, "huge-entry"); },
     ExportFailure::TooLarge},
    {"EntriesDeclared300MiBInAll",
     [](const ScratchDir& dir) { return formWith(dir, "huge-total"); }, ExportFailure::TooLarge},
    {"Real300MiBEntryOfZeros", [](const ScratchDir& dir) { return formWith(dir, "real-bomb"); },
     ExportFailure::TooLarge},
    {"LibreOfficeLockFile",
     [](const ScratchDir& dir) {
         const auto path = formWith(dir, "form");
         writeBytes(dir.file(".~lock.form.xlsx#"), ",user,host,07.12.2025 10:00,user;");
         return path;
     },
     ExportFailure::OpenElsewhere},
    {"ExcelOwnerFile",
     [](const ScratchDir& dir) {
         const auto path = formWith(dir, "form");
         writeBytes(dir.file("~$form.xlsx"), "user");
         return path;
     },
     ExportFailure::OpenElsewhere},
    {"ReadOnlyFile",
     [](const ScratchDir& dir) {
         const auto path = formWith(dir, "form");
         fs::permissions(path,
                         fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
         return path;
     },
     ExportFailure::ReadOnly},
    {"PathIsAFolder",
     [](const ScratchDir& dir) {
         fs::create_directory(dir.file("form.xlsx"));
         return dir.file("form.xlsx");
     },
     ExportFailure::NotAFile},
    {"FolderIsAFile", [](const ScratchDir& dir) { return formWith(dir, "form") + "/report.xlsx"; },
     ExportFailure::ReadOnly},
    {"FolderMissing", [](const ScratchDir& dir) { return dir.file("missing/report.xlsx"); },
     ExportFailure::ReadOnly},
};

class XlsxReportRefuses : public ::testing::TestWithParam<FailureCase> {};

TEST_P(XlsxReportRefuses, LeavesTheFilesAsTheyWereAndSaysWhy) {
    ScratchDir dir;
    const std::string path = GetParam().setUp(dir);
    ASSERT_FALSE(HasFatalFailure());
    const auto before = dir.snapshot();

    const auto outcome = exportReport(path);

    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.failure, GetParam().expected) << outcome.message.english;
    EXPECT_NE(outcome.message.english.find(path), std::string::npos) << outcome.message.english;
    EXPECT_TRUE(dir.snapshot() == before) << "a file changed or a temporary file was left";
}

INSTANTIATE_TEST_SUITE_P(Cases, XlsxReportRefuses, ::testing::ValuesIn(kFailures),
                         [](const auto& param) { return std::string(param.param.name); });

// Root may read and write anything, so a permission case runs in a child as "nobody".
// Returns 0 on success, 10 + the failure kind on a refusal with a message, other codes on trouble.
int exportAsNobody(const std::string& path) {
    const auto codeOf = [](const ExportOutcome& outcome) {
        if (outcome.ok)
            return 0;
        return outcome.message.english.empty() ? 3 : 10 + static_cast<int>(outcome.failure);
    };
    if (::geteuid() != 0)
        return codeOf(exportReport(path));
    const pid_t child = ::fork();
    if (child == 0) {
        const passwd* nobody = ::getpwnam("nobody");
        const uid_t uid = nobody ? nobody->pw_uid : 65534;
        const gid_t gid = nobody ? nobody->pw_gid : 65534;
        if (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0)
            ::_exit(2);
        ::_exit(codeOf(exportReport(path)));
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}

TEST(XlsxReportPermissions, UnreadableFileIsRefused) {
    ScratchDir dir;
    const std::string path = formWith(dir, "form");
    fs::permissions(dir.path(),
                    fs::perms::all & ~fs::perms::group_write & ~fs::perms::others_write);
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    const auto before = dir.snapshot();
    EXPECT_EQ(exportAsNobody(path), 10 + static_cast<int>(ExportFailure::Unreadable));
    EXPECT_TRUE(dir.snapshot() == before);
}

TEST(XlsxReportPermissions, ReadOnlyFolderIsRefused) {
    ScratchDir dir;
    const std::string path = formWith(dir, "form");
    fs::permissions(dir.path(),
                    fs::perms::all & ~fs::perms::group_write & ~fs::perms::others_write);
    fs::permissions(path, fs::perms::all & ~fs::perms::owner_exec & ~fs::perms::group_exec &
                              ~fs::perms::others_exec);
    const auto before = dir.snapshot();
    EXPECT_EQ(exportAsNobody(path), 10 + static_cast<int>(ExportFailure::ReadOnly));
    EXPECT_TRUE(dir.snapshot() == before);
}

// A file size limit makes the write fail the way a full disk does, and works for root too.
TEST(XlsxReportPermissions, WriteFailureLeavesTheOriginal) {
    ScratchDir dir;
    const std::string path = formWith(dir, "form");
    const auto before = dir.snapshot();
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 1024;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto outcome = exportReport(path);
    ::setrlimit(RLIMIT_FSIZE, &old);
    ::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.failure, ExportFailure::WriteFailed) << outcome.message.english;
    EXPECT_NE(outcome.message.english.find(path), std::string::npos) << outcome.message.english;
    EXPECT_TRUE(dir.snapshot() == before);
}

// ---------------------------------------------------------------------------------------------
// Array formulas and data tables fill their range themselves: a value written inside one would
// be overwritten when the file opens, so the export refuses and names the cell.

struct BlockCase {
    const char* variant;      // of make_form.py
    const char* refusedCell;  // nullptr: the export goes ahead
};

const BlockCase kBlocks[] = {
    {"array-over-written", "B26"},  // B25:B27: B25 is not written, B26 is
    {"array-across-b", "B26"},      // A26:C26 crosses column B
    {"array-over-cleared", "B3"},   // B2:B4: B3 is only cleared, which the array undoes too
    {"data-table", "B41"},
    {"one-cell-array", nullptr},  // the whole array is the written cell: replaced like a formula
    {"array-beside-b", nullptr},  // C26:D27 is next to column B, not in it
};

TEST(XlsxReportBlocks, AWrittenCellInsideAnArrayOrDataTableIsRefused) {
    for (const auto& block : kBlocks) {
        SCOPED_TRACE(block.variant);
        ScratchDir dir;
        const std::string path = formWith(dir, block.variant);
        ASSERT_FALSE(HasFatalFailure());
        const auto before = dir.snapshot();
        const auto outcome = exportReport(path);
        if (block.refusedCell) {
            EXPECT_FALSE(outcome.ok);
            EXPECT_EQ(outcome.failure, ExportFailure::InArray) << outcome.message.english;
            for (const auto* message : {&outcome.message.english, &outcome.message.greek}) {
                EXPECT_NE(message->find(std::string(" ") + block.refusedCell + " "),
                          std::string::npos)
                    << *message;
                EXPECT_NE(message->find(path), std::string::npos) << *message;
            }
            EXPECT_TRUE(dir.snapshot() == before) << "the form changed";
        } else {
            ASSERT_TRUE(outcome.ok) << outcome.message.english;
            const auto facts = readFacts(path);
            for (const auto& cell : kReport)
                expectWritten(facts, cellKey(kFormSheet, "B", cell.row), cell.text);
        }
    }
}

// A carriage return read from a form as a character reference is a character of the text; a
// raw one in the written XML would reach every reader as a line feed.
TEST(XlsxReportText, CarriageReturnsInTextsTheExportDoesNotWriteAreKept) {
    ScratchDir dir;
    const std::string path = formWith(dir, "line-breaks");
    const auto before = readFacts(path);
    ASSERT_EQ(before.at(cellKey(kFormSheet, "A", 9)), "s \"Μέγεθος\\r9\\r\\nτέλος\"");
    ASSERT_EQ(before.at(cellKey("Δεδομένα", "A", 2)), "s \"KA\\r03\"");
    const auto outcome = exportReport(path);
    ASSERT_TRUE(outcome.ok) << outcome.message.english;
    const auto after = readFacts(path);
    // The report tab is rewritten, and the other tab too, for its stored formula result.
    EXPECT_EQ(after.at(cellKey(kFormSheet, "A", 9)), before.at(cellKey(kFormSheet, "A", 9)));
    EXPECT_EQ(after.at(cellKey("Δεδομένα", "A", 2)), before.at(cellKey("Δεδομένα", "A", 2)));
    EXPECT_EQ(after.at("cached\tΔεδομένα!C2"), "null");
}

// LibreOffice does not recalculate a file saved by LibreOffice or Excel on load, whatever
// fullCalcOnLoad says, so a formula on any tab that reads the report would show its old result.
TEST(XlsxReportText, StoredResultsOfFormulasOnEveryTabAreDropped) {
    ScratchDir dir;
    const std::string path = formWith(dir, "cached-elsewhere");
    const auto before = readFacts(path);
    ASSERT_EQ(before.at("cached\tΔεδομένα!C2"), "246.8");
    ASSERT_EQ(before.at("cached\tΔεδομένα!C3"), "0");
    ASSERT_EQ(before.at("cached\tΔεδομένα!D3"), "\"zero\"");
    ASSERT_EQ(before.at("cached\tΔεδομένα!E3"), "\"#DIV/0!\"");
    const auto outcome = exportReport(path);
    ASSERT_TRUE(outcome.ok) << outcome.message.english;
    const auto after = readFacts(path);
    for (const char* cell : {"C2", "C3", "D3", "E3"})
        EXPECT_EQ(after.at(std::string("cached\tΔεδομένα!") + cell), "null") << cell;
    // The formulas and the values around them stay.
    for (const char* cell : {"A2", "B2", "C2", "C3", "D3", "E3"})
        EXPECT_EQ(after.at(std::string("cell\tΔεδομένα!") + cell),
                  before.at(std::string("cell\tΔεδομένα!") + cell))
            << cell;
}

// ---------------------------------------------------------------------------------------------
// More refusals, with the same promise: nothing changes and the message says why.

const FailureCase kMoreFailures[] = {
    {"ChartSheetFirst", [](const ScratchDir& dir) { return formWith(dir, "chart-first"); },
     ExportFailure::NotAWorkbook},
    {"LinkToAMissingFile",
     [](const ScratchDir& dir) {
         fs::create_symlink(dir.file("gone.xlsx"), dir.file("link.xlsx"));
         return dir.file("link.xlsx");
     },
     ExportFailure::NotAFile},
    {"LinkToALinkToAMissingFile",
     [](const ScratchDir& dir) {
         fs::create_symlink(dir.file("gone.xlsx"), dir.file("inner.xlsx"));
         fs::create_symlink(dir.file("inner.xlsx"), dir.file("link.xlsx"));
         return dir.file("link.xlsx");
     },
     ExportFailure::NotAFile},
    {"ArrayFormulaOverColumnB",
     [](const ScratchDir& dir) { return formWith(dir, "array-over-written"); },
     ExportFailure::InArray},
};

INSTANTIATE_TEST_SUITE_P(MoreCases, XlsxReportRefuses, ::testing::ValuesIn(kMoreFailures),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(XlsxReportFile, ALinkToAMissingFileStaysALink) {
    ScratchDir dir;
    fs::create_symlink(dir.file("gone.xlsx"), dir.file("link.xlsx"));
    const auto outcome = exportReport(dir.file("link.xlsx"));
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(fs::is_symlink(dir.file("link.xlsx")));
    EXPECT_FALSE(fs::exists(dir.file("gone.xlsx")));
}

// Exports under a file size limit, which fails the write as a full disk does.
ExportOutcome exportWithSmallDisk(const std::string& path) {
    rlimit old{};
    if (::getrlimit(RLIMIT_FSIZE, &old) != 0)
        return {};
    const auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 1024;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const auto outcome = exportReport(path);
    ::setrlimit(RLIMIT_FSIZE, &old);
    ::signal(SIGXFSZ, oldHandler);
    return outcome;
}

TEST(XlsxReportFile, AFailedWriteClaimsAnUnchangedOriginalOnlyWhenThereWasOne) {
    ScratchDir dir;
    const auto fresh = exportWithSmallDisk(dir.file("new.xlsx"));
    ASSERT_EQ(fresh.failure, ExportFailure::WriteFailed) << fresh.message.english;
    EXPECT_EQ(fresh.message.english.find("unchanged"), std::string::npos) << fresh.message.english;
    EXPECT_EQ(fresh.message.greek.find("αμετάβλητο"), std::string::npos) << fresh.message.greek;
    EXPECT_FALSE(fs::exists(dir.file("new.xlsx")));

    const auto existing = exportWithSmallDisk(formWith(dir, "form"));
    ASSERT_EQ(existing.failure, ExportFailure::WriteFailed) << existing.message.english;
    EXPECT_NE(existing.message.english.find("unchanged"), std::string::npos)
        << existing.message.english;
    EXPECT_NE(existing.message.greek.find("αμετάβλητο"), std::string::npos)
        << existing.message.greek;
}

// Each refusal is worded in Greek too, with the same cause and advice: each phrase on the left
// is in the English text exactly when its twin is in the Greek one, and so is every number.
TEST(XlsxReportGreek, EveryRefusalSaysTheSameInGreek) {
    static const std::pair<const char*, const char*> kTwins[] = {
        {"unchanged", "αμετάβλητο"},
        {"Save it as an .xlsx", "Αποθηκεύστε το ως"},
        {"chart or macro sheet", "γραφήματος ή μακροεντολών"},
        {"password", "κωδικ"},
        {"lock file", "κλειδώματ"},
        {"read-only", "μόνο για ανάγνωση"},
        {"is a folder", "είναι φάκελος"},
        {"Choose an existing folder", "σε φάκελο που υπάρχει"},
        {"link to a file that does not exist", "σύνδεσμος προς αρχείο που δεν υπάρχει"},
        {"array formula", "τύπου πίνακα"},
        {"data table", "πίνακα δεδομένων"},
        {"damaged", "κατεστραμμένο"},
        {"not a zip archive", "δεν είναι αρχείο zip"},
        {"Free some disk space", "Ελευθερώστε χώρο"},
        {"Check the disk", "Ελέγξτε τον δίσκο"},
        {"report form", "φόρμα αναφοράς"},
        {"spreadsheet program", "υπολογιστικών φύλλων"},
        {"xport again", "ξαγάγετε ξανά"},
        {"not a regular file", "κανονικό αρχείο"},
        {"part of its path is a file", "μέρος της διαδρομής"},
    };
    struct Refusal {
        std::string name;
        std::string path;
        ExportOutcome outcome;
    };
    std::vector<Refusal> refusals;
    std::vector<std::unique_ptr<ScratchDir>> dirs;
    std::vector<FailureCase> cases(std::begin(kFailures), std::end(kFailures));
    cases.insert(cases.end(), std::begin(kMoreFailures), std::end(kMoreFailures));
    {
        for (const auto& failureCase : cases) {
            dirs.push_back(std::make_unique<ScratchDir>());
            const std::string path = failureCase.setUp(*dirs.back());
            ASSERT_FALSE(HasFatalFailure()) << failureCase.name;
            refusals.push_back(Refusal{failureCase.name, path, exportReport(path)});
        }
    }
    dirs.push_back(std::make_unique<ScratchDir>());
    const std::string fresh = dirs.back()->file("new.xlsx");
    refusals.push_back(Refusal{"FullDiskNewFile", fresh, exportWithSmallDisk(fresh)});
    const std::string existing = formWith(*dirs.back(), "form");
    refusals.push_back(Refusal{"FullDiskExistingFile", existing, exportWithSmallDisk(existing)});
    refusals.push_back(Refusal{"NoFileName", "", exportReport("")});

    for (const auto& [name, path, outcome] : refusals) {
        SCOPED_TRACE(name + "\n" + outcome.message.english + "\n" + outcome.message.greek);
        ASSERT_FALSE(outcome.ok);
        ASSERT_FALSE(outcome.message.greek.empty());
        EXPECT_NE(outcome.message.greek.find(path), std::string::npos);
        for (const char* english : {"Choose", "Check", " the ", " file "})
            EXPECT_EQ(outcome.message.greek.find(english), std::string::npos) << english;
        for (const auto& [english, greek] : kTwins)
            EXPECT_EQ(outcome.message.english.find(english) != std::string::npos,
                      outcome.message.greek.find(greek) != std::string::npos)
                << english << " / " << greek;
        // Numbers (sizes, cells, versions) outside the file name.
        std::string words = outcome.message.english;
        std::string greekWords = outcome.message.greek;
        for (auto* text : {&words, &greekWords})
            for (auto at = text->find(path); !path.empty() && at != std::string::npos;
                 at = text->find(path))
                text->erase(at, path.size());
        for (std::size_t i = 0; i < words.size();) {
            if (!std::isdigit(static_cast<unsigned char>(words[i]))) {
                ++i;
                continue;
            }
            std::size_t end = i;
            while (end < words.size() && std::isdigit(static_cast<unsigned char>(words[end])))
                ++end;
            EXPECT_NE(greekWords.find(words.substr(i, end - i)), std::string::npos)
                << words.substr(i, end - i);
            i = end;
        }
    }
}

}  // namespace
