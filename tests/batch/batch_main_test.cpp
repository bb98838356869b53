// curtainwall-batch as a user runs it: exit statuses, what goes to standard error, the
// .xlsx results as an independent reader (openpyxl) sees them.

#include "../export/openpyxl_facts.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class BatchMain : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("cw_batch_main_" + std::to_string(::getpid()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    fs::path write(const std::string& name, const std::string& text) {
        const fs::path p = m_dir / name;
        std::ofstream(p, std::ios::binary) << text;
        return p;
    }

    // Standard error goes to a file, never a terminal.
    Outcome run(const std::string& args) { return shell(std::string(CW_BATCH_BIN) + " " + args); }

    Outcome shell(const std::string& line) {
        const fs::path out = m_dir / "stdout";
        const fs::path err = m_dir / "stderr";
        const std::string command = line + " >'" + out.string() + "' 2>'" + err.string() + "'";
        const int raw = std::system(command.c_str());
        Outcome o;
        o.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        o.out = slurp(out);
        o.err = slurp(err);
        return o;
    }

    fs::path m_dir;
};

constexpr const char* kHeader =
    "id,series,system,A1,A2,L1,L2,H1,H2,glass,band,pressure,speed,d,f\n";
constexpr const char* kGoodRow = "W,veltra,one-span,120,90,250,,100,150,10,0-8,,,200,15\n";
constexpr const char* kBadRow = "B,veltra,one-span,120,90,0,,100,150,10,0-8,,,200,15\n";

TEST_F(BatchMain, ExitStatusSaysWhetherEveryRowRan) {
    const struct {
        const char* name;
        std::string schedule;
        const char* extra;
        int status;
        const char* err;  // a part of standard error; "" when it must be empty
    } cases[] = {
        {"all_ran", std::string(kHeader) + kGoodRow + kGoodRow, "", 0, ""},
        {"two_refused", std::string(kHeader) + kGoodRow + kBadRow + kBadRow, "", 1,
         "2 of 3 rows of the schedule refused."},
        {"greek_count", std::string(kHeader) + kBadRow, "--locale el_GR", 1,
         "Απορρίφθηκαν 1 από 1 γραμμές"},
        {"unreadable_quote", std::string(kHeader) + "W,\"veltra\"x,one-span\n", "", 2,
         "has a quote inside an unquoted field"},
        {"no_system_column", "id,series\nW,veltra\n", "", 2, "has no column \"system\""},
        {"not_utf8", std::string(kHeader) + "W\xFF,veltra\n", "", 2, "not UTF-8"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path schedule = write(std::string(c.name) + ".csv", c.schedule);
        const Outcome o = run("'" + schedule.string() + "' " + c.extra);
        EXPECT_EQ(o.status, c.status);
        if (std::string(c.err).empty())
            EXPECT_EQ(o.err, "");
        else
            EXPECT_NE(o.err.find(c.err), std::string::npos) << o.err;
    }
}

TEST_F(BatchMain, MissingScheduleAndBadArgumentsGiveStatusTwo) {
    EXPECT_EQ(run("'" + (m_dir / "none.csv").string() + "'").status, 2);
    EXPECT_EQ(run("").status, 2);
    EXPECT_EQ(run("--frobnicate x.csv").status, 2);
    const Outcome folder = run("'" + m_dir.string() + "'");
    EXPECT_EQ(folder.status, 2);
    EXPECT_NE(folder.err.find("cannot be opened or read"), std::string::npos) << folder.err;
    const fs::path schedule = write("s.csv", std::string(kHeader) + kGoodRow);
    const Outcome unwritable =
        run("'" + schedule.string() + "' -o '" + (m_dir / "no" / "r.csv").string() + "'");
    EXPECT_EQ(unwritable.status, 2);
}

TEST_F(BatchMain, HelpAndVersionGoToStandardOutput) {
    const Outcome help = run("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("usage: curtainwall-batch SCHEDULE.csv", 0), 0U) << help.out;
    const Outcome version = run("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "curtainwall-batch 5.2\n");
    EXPECT_EQ(version.err, "");
}

// The long schedule's progress goes to a terminal only; the rows go to the output whole.
TEST_F(BatchMain, LongScheduleToAFileSaysNothingOnStandardError) {
    std::string schedule = kHeader;
    for (int i = 0; i < 40000; ++i)
        schedule += kGoodRow;
    const fs::path in = write("long.csv", schedule);
    const fs::path out = m_dir / "long_results.csv";
    const Outcome o = run("'" + in.string() + "' -o '" + out.string() + "'");
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.err, "");
    EXPECT_EQ(o.out, "");
    const std::string results = slurp(out);
    EXPECT_EQ(results.rfind("\xEF\xBB\xBFid,series,", 0), 0U);
    std::size_t lines = 0;
    for (char ch : results)
        lines += ch == '\n';
    EXPECT_EQ(lines, 40001U);
}

// On a terminal (here the pseudo-terminal util-linux's script gives it) the rows done and the
// share of the file read go to standard error, each over the last.
TEST_F(BatchMain, LongScheduleOnATerminalShowsProgress) {
    if (!fs::exists("/usr/bin/script"))
        GTEST_SKIP() << "util-linux script is not installed";
    std::string schedule = kHeader;
    for (int i = 0; i < 40000; ++i)
        schedule += kGoodRow;
    const fs::path in = write("long.csv", schedule);
    const fs::path out = m_dir / "long_results.csv";
    const std::string inner = std::string(CW_BATCH_BIN) + " " + in.string() + " -o " + out.string();
    const Outcome o = shell("/usr/bin/script -qec '" + inner + "' /dev/null");
    EXPECT_EQ(o.status, 0);
    EXPECT_NE(o.out.find("\r16384 rows,"), std::string::npos) << o.out;
    EXPECT_NE(o.out.find("\r32768 rows,"), std::string::npos) << o.out;
    EXPECT_NE(o.out.find("%\r\n"), std::string::npos) << o.out;
    EXPECT_TRUE(fs::exists(out));
}

TEST_F(BatchMain, TheSampleScheduleRunsWithItsRefusedRowsCounted) {
    const Outcome o = run(std::string("'") + CW_EXAMPLES_DIR + "/schedule.csv'");
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "curtainwall-batch: 5 of 11 rows of the schedule refused.\n");
    EXPECT_NE(o.out.find("W-01,veltra,one-span,120,90,250,,100,150,10,0-8,,,200,15,,,,"),
              std::string::npos);
    EXPECT_NE(o.out.find("\"W-10, corner\""), std::string::npos);
}

TEST_F(BatchMain, XlsxResultsHoldNumbersAsNumbersAndTextsAsTexts) {
    const fs::path schedule =
        write("s.csv", std::string(kHeader) +
                           "007,veltra,one-span,120,90,250,,100,150,10,0-8,,,"
                           "200,15\n" +
                           kBadRow +
                           "\"<&>\",veltra,one-span,120,90,250,,100,150,10,0-8,,,"
                           "200,15\n");
    const fs::path out = m_dir / "results.xlsx";
    for (const char* locale : {"C", "el_GR"}) {
        SCOPED_TRACE(locale);
        const Outcome o =
            run("'" + schedule.string() + "' -o '" + out.string() + "' --locale " + locale);
        EXPECT_EQ(o.status, 1);
        const auto cells = cw::test::sheetCells(out.string(), "Bays");
        const struct {
            const char* cell;
            const char* value;
        } expected[] = {
            {"A1", "s \"id\""},     {"S1", "s \"pressure_in_force_kNm2\""},
            {"AI1", "s \"error\""}, {"A2", "s \"007\""},  // an identifier stays a text
            {"B2", "s \"veltra\""}, {"D2", "n 120"},
            {"U2", "n 30.52"},  // required Jx
            {"Z2", "s \"KA-01\""},  {"AG2", "s \"pass\""},
            {"A4", "s \"<&>\""},
        };
        for (const auto& e : expected) {
            const auto it = cells.find(e.cell);
            ASSERT_NE(it, cells.end()) << e.cell;
            EXPECT_EQ(it->second, e.value) << e.cell;
        }
        ASSERT_TRUE(cells.count("AI3"));
        EXPECT_EQ(cells.at("AI3").rfind("s \"L1: ", 0), 0U) << cells.at("AI3");
        EXPECT_FALSE(cells.count("U3"));  // a refused row has no results
        EXPECT_FALSE(cells.count("A5"));
    }
}

}  // namespace
