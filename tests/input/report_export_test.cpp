#include "../input/form_fixture.h"

#include "input/report_export.h"
#include "openpyxl_facts.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

namespace cw {
namespace {

using test::C;
namespace fs = std::filesystem;

class ReportExport : public test::FormTest {
protected:
    void SetUp() override {
        f.onExportClicked = exportToReportWorkbook;
        dir = fs::temp_directory_path() /
              ("cw_report_export_" +
               std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    void veltraRun() {
        veltraOneSpanBay();
        f.click(C::Command1);
    }

    fs::path dir;
};

TEST_F(ReportExport, WritesTheResultsPanelIntoColumnB) {
    veltraRun();
    const fs::path book = dir / "report.xlsx";
    exportReport(f.state(), book.string());
    ASSERT_TRUE(f.pendingMessages().empty()) << f.pendingMessages()[0];
    const auto cells = test::sheetCells(book.string(), "Report");
    const std::map<std::string, std::string> expected{
        {"B8", "n 250"},        {"B10", "n 120"},
        {"B11", "n 90"},        {"B13", "n 150"},
        {"B15", "n 100"},       {"B18", "n 0.5"},
        {"B19", "n 101.74"},    {"B20", "n 8"},
        {"B22", "n 12.5"},      {"B26", "n 30.52"},
        {"B27", "n 4.32"},      {"B28", "n 41.02"},
        {"B30", "n 3.86"},      {"B31", "n 2.83"},
        {"B34", "s \"KA-01\""}, {"B35", "s \"KA-11 + KA-12\""},
        {"B37", "n 53.84"},     {"B38", "n 9.42"},
        {"B41", "n 7.09"},      {"B42", "n 12.5"},
        {"B43", "n 4.35"},      {"B44", "s \"9,5 kN/ cm^2\""}};
    for (const auto& [cell, value] : expected) {
        ASSERT_TRUE(cells.count(cell)) << cell;
        EXPECT_EQ(cells.at(cell), value) << cell;
    }
    EXPECT_FALSE(cells.count("B9"));  // L2 is empty in a one-span bay
    EXPECT_FALSE(cells.count("B3"));
    EXPECT_EQ(cells.at("A26"), "s \"απαιτ. Jx (κολ)\"");
    EXPECT_EQ(f.reportWorkbook(), book.string());
}

// Names are searched for as typed: A1, H1 and H2 in Latin letters, and σ max in the
// notation of the regional settings, in both languages.
TEST_F(ReportExport, NamesInLatinLettersAndTheLimitInTheLocalesNotation) {
    struct Case {
        const NumberFormat* fmt;
        bool english;
        std::map<std::string, std::string> cells;
    };
    const Case cases[] = {
        {&test::kUs,
         true,
         {{"A10", "s \"Grid width A1\""},
          {"A11", "s \"Grid width A2\""},
          {"A13", "s \"Glazing height above the transom H2\""},
          {"A15", "s \"Glazing height below the transom H1\""},
          {"B44", "s \"9.5 kN/ cm^2\""}}},
        {&test::kGreek,
         false,
         {{"A10", "s \"Πλάτος κάναβου A1\""},
          {"A13", "s \"Μήκος τζαμιού πάνω από την Τραβέρσα H2\""},
          {"A15", "s \"Μήκος τζαμιού κάτω από την Τραβέρσα H1\""},
          {"B44", "s \"9,5 kN/ cm^2\""}}},
    };
    for (const Case& c : cases) {
        f = Form(*c.fmt);
        f.onExportClicked = exportToReportWorkbook;
        if (c.english)
            f.click(C::Command10);
        veltraRun();
        const fs::path book = dir / (c.english ? "en.xlsx" : "el.xlsx");
        exportReport(f.state(), book.string());
        ASSERT_TRUE(f.pendingMessages().empty()) << f.pendingMessages()[0];
        const auto cells = test::sheetCells(book.string(), "Report");
        for (const auto& [cell, value] : c.cells) {
            ASSERT_TRUE(cells.count(cell)) << cell;
            EXPECT_EQ(cells.at(cell), value) << cell;
        }
    }
}

TEST_F(ReportExport, BeforeAnyRunOnlyTheStressLimitIsWritten) {
    const fs::path book = dir / "empty.xlsx";
    exportReport(f.state(), book.string());
    const auto cells = test::sheetCells(book.string(), "Report");
    EXPECT_EQ(cells.at("B44"), "s \"9,5 kN/ cm^2\"");
    for (const char* cell : {"B8", "B18", "B26", "B34", "B43"})
        EXPECT_FALSE(cells.count(cell)) << cell;
}

TEST_F(ReportExport, AsksForTheWorkbookOnceAndThenReusesIt) {
    veltraRun();
    int asked = 0;
    const fs::path book = dir / "asked.xlsx";
    f.state().chooseWorkbook = [&]() -> std::optional<std::string> {
        ++asked;
        return book.string();
    };
    f.click(C::Command7);
    f.click(C::Command7);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(fs::exists(book));
}

TEST_F(ReportExport, CancellingTheDialogDoesNothing) {
    veltraRun();
    f.state().chooseWorkbook = []() -> std::optional<std::string> { return std::nullopt; };
    f.click(C::Command7);
    EXPECT_TRUE(f.pendingMessages().empty());
    EXPECT_TRUE(f.reportWorkbook().empty());
}

TEST_F(ReportExport, AFailedExportSaysWhyAndIsNotRemembered) {
    veltraRun();
    const fs::path notABook = dir / "notes.xlsx";
    std::ofstream(notABook) << "not a workbook";
    const std::string before = "not a workbook";
    exportReport(f.state(), notABook.string());
    ASSERT_EQ(f.pendingMessages().size(), 1U);
    EXPECT_NE(f.pendingMessages()[0].find("δεν είναι βιβλίο εργασίας"), std::string::npos)
        << f.pendingMessages()[0];
    EXPECT_TRUE(f.reportWorkbook().empty());
    std::ifstream in(notABook);
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(content, before);
    EXPECT_EQ(f.text(C::Text6), "KA-01");
}

TEST_F(ReportExport, FailuresAreExplainedInTheLanguageShowing) {
    const std::string missingFolder = (dir / "no such folder" / "report.xlsx").string();
    exportReport(f.state(), missingFolder);
    f.click(C::Command10);
    exportReport(f.state(), missingFolder);
    const auto messages = f.takeMessages();
    ASSERT_EQ(messages.size(), 2U);
    EXPECT_NE(messages[0].find("Επιλέξτε άλλη θέση"), std::string::npos) << messages[0];
    EXPECT_EQ(messages[1].find("Επιλέξτε"), std::string::npos) << messages[1];
    EXPECT_NE(messages[1].find(missingFolder), std::string::npos) << messages[1];
}

// The Greek message is the writer's own Greek twin, not a summary by kind: an old .xls keeps
// its advice to save it as .xlsx.
TEST_F(ReportExport, GreekFailuresKeepTheCauseAndTheAdvice) {
    const fs::path xls = dir / "old.xlsx";
    std::string ole("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    ole.resize(4096, '\0');
    std::ofstream(xls, std::ios::binary) << ole;
    exportReport(f.state(), xls.string());
    f.click(C::Command10);
    exportReport(f.state(), xls.string());
    const auto messages = f.takeMessages();
    ASSERT_EQ(messages.size(), 2U);
    EXPECT_NE(messages[0].find("(.xls)"), std::string::npos) << messages[0];
    EXPECT_NE(messages[0].find("Αποθηκεύστε το ως βιβλίο εργασίας .xlsx"), std::string::npos)
        << messages[0];
    EXPECT_NE(messages[1].find("Save it as an .xlsx workbook"), std::string::npos) << messages[1];
}

}  // namespace
}  // namespace cw
