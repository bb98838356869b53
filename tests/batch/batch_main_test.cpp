// curtainwall-batch as a user runs it: exit statuses, what goes to standard error, the
// .xlsx results as an independent reader (openpyxl) sees them.

#include "../export/openpyxl_facts.h"

#include "program_fixture.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using cw::testing::Outcome;
using cw::testing::slurp;

class BatchMain : public cw::testing::ProgramTest {
protected:
    BatchMain() : ProgramTest("cw_batch_main_") {}

    // Standard error goes to a file, never a terminal.
    Outcome run(const std::string& args) { return shell(std::string(CW_BATCH_BIN) + " " + args); }

    Outcome shell(const std::string& line) { return shellIn(line); }
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

// The sample schedule's results, byte for byte as they were before the limit-state columns:
// a schedule without a basis column keeps its exact output.
TEST_F(BatchMain, TheSampleScheduleGivesTheSameBytes) {
    const std::string examples = CW_EXAMPLES_DIR;
    const struct {
        const char* args;
        const char* expected;
    } cases[] = {
        {"", "schedule.expected.csv"},
        {" --catalogue '" CW_EXAMPLES_DIR "/catalogue-example50.csv'",
         "schedule-catalogue.expected.csv"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        const Outcome o = run("'" + examples + "/schedule.csv'" + c.args);
        EXPECT_EQ(o.status, 1);
        EXPECT_EQ(o.out, slurp(fs::path(CW_BATCH_TEST_DIR) / c.expected));
    }
}

// A row's catalogue path starts from the schedule's folder, not from where the program runs.
TEST_F(BatchMain, ARowsCatalogueIsFoundBesideTheSchedule) {
    fs::create_directories(m_dir / "job");
    write("job/cat.csv", "use,code,role,Ix_cm4,e_mm\nvertical,J-1,mullion,9000,60\n");
    write("job/bays.csv", std::string("id,series,system,A1,A2,L1,L2,H1,H2,glass,band,pressure,"
                                      "speed,d,f,catalogue,basis\n") +
                              "W,veltra,one-span,120,90,250,,100,150,10,0-8,,,200,15,cat.csv,\n");
    const Outcome o = shell("cd / && " + std::string(CW_BATCH_BIN) + " '" +
                            (m_dir / "job" / "bays.csv").string() + "'");
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_NE(o.out.find(",J-1,"), std::string::npos) << o.out;
    EXPECT_NE(o.out.find(",cat.csv,"), std::string::npos) << o.out;
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

// The results named as the schedule itself (by its path, through a link, or as the output of
// a schedule read from standard input) are refused before anything is written.
TEST_F(BatchMain, AnOutputThatIsTheScheduleIsRefusedAndTheScheduleKept) {
    const std::string text = std::string(kHeader) + kGoodRow + kBadRow;
    const fs::path schedule = write("s.csv", text);
    fs::create_symlink(schedule, m_dir / "link.csv");
    const std::string s = "'" + schedule.string() + "'";
    const struct {
        const char* name;
        std::string command;
    } cases[] = {
        {"same_path", std::string(CW_BATCH_BIN) + " " + s + " -o " + s},
        {"through_a_link",
         std::string(CW_BATCH_BIN) + " " + s + " -o '" + (m_dir / "link.csv").string() + "'"},
        {"standard_input", std::string(CW_BATCH_BIN) + " - -o " + s + " < " + s},
        {"greek", std::string(CW_BATCH_BIN) + " " + s + " -o " + s + " --locale el_GR"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome o = shell(c.command);
        EXPECT_EQ(o.status, 2);
        EXPECT_TRUE(o.err.find("is the input") != std::string::npos ||
                    o.err.find("είναι το ίδιο το αρχείο εισόδου") != std::string::npos)
            << o.err;
        EXPECT_EQ(slurp(schedule), text);
        EXPECT_TRUE(fs::is_symlink(m_dir / "link.csv"));
    }
}

// A run that stops (a schedule that cannot be read) leaves the earlier results as they were,
// and no temporary file beside them; a run that completes replaces them.
TEST_F(BatchMain, AFailedRunLeavesTheEarlierResultsAsTheyWere) {
    const fs::path good = write("good.csv", std::string(kHeader) + kGoodRow);
    const fs::path broken = write("broken.csv", std::string(kHeader) + kGoodRow + "W,\"v\"x\n");
    for (const char* name : {"results.csv", "results.xlsx"}) {
        SCOPED_TRACE(name);
        const fs::path out = write(name, "earlier results");
        const Outcome failed = run("'" + broken.string() + "' -o '" + out.string() + "'");
        EXPECT_EQ(failed.status, 2);
        EXPECT_EQ(slurp(out), "earlier results");
        std::size_t files = 0;
        for (const auto& entry : fs::directory_iterator(m_dir))
            files += entry.path().filename().string().find(".tmp") != std::string::npos;
        EXPECT_EQ(files, 0U);
        const Outcome done = run("'" + good.string() + "' -o '" + out.string() + "'");
        EXPECT_EQ(done.status, 0);
        EXPECT_NE(slurp(out), "earlier results");
    }
    // A folder that is not there: nothing written, the reason said.
    for (const char* name : {"missing/r.csv", "missing/r.xlsx"}) {
        SCOPED_TRACE(name);
        const Outcome o = run("'" + good.string() + "' -o '" + (m_dir / name).string() + "'");
        EXPECT_EQ(o.status, 2);
        EXPECT_NE(o.err.find("could not be written"), std::string::npos) << o.err;
    }
    // Results written through a link replace the file it names and keep the link.
    const fs::path target = write("target.csv", "earlier");
    fs::create_symlink(target, m_dir / "to_target.csv");
    EXPECT_EQ(run("'" + good.string() + "' -o '" + (m_dir / "to_target.csv").string() + "'").status,
              0);
    EXPECT_TRUE(fs::is_symlink(m_dir / "to_target.csv"));
    EXPECT_EQ(slurp(target).rfind("\xEF\xBB\xBFid,series,", 0), 0U);
}

// Messages a new user meets with a schedule from a spreadsheet program.
TEST_F(BatchMain, MessagesNameTheScheduleAndItsColumns) {
    const struct {
        const char* name;
        std::string schedule;
        const char* locale;
        int status;
        const char* stream;  // "err" or "out"
        const char* expected;
        const char* absent;
    } cases[] = {
        {"title_row", std::string("Schedule of bays,,\n") + kHeader + kGoodRow, "C", 2, "err",
         "has no column \"series\"", "more fields"},
        {"no_wind", std::string(kHeader) + "N,veltra,one-span,120,90,250,,100,150,10,,,,200,15\n",
         "C", 1, "out",
         "fill in one of the columns \"\"band\"\" (height band), \"\"pressure\"\" (wind "
         "pressure) or \"\"speed\"\" (wind speed)",
         "button"},
        {"greek_thousands",
         std::string(kHeader) + "T;veltra;one-span;120;90;1.200;;100;150;10;0-8;;;200;15\n",
         "el_GR", 1, "out", "Διαχωριστικά χιλιάδων δεν γίνονται δεκτά: γράψτε 1200", "1,200"},
        {"english_thousands",
         std::string(kHeader) + "T,veltra,one-span,120,90,\"1,200\",,100,150,10,0-8,,,200,15\n",
         "en_US", 1, "out", "Thousands separators are not accepted: write 1200", "point: 1.200"},
        {"grouped_with_decimals",
         std::string(kHeader) + "T,veltra,one-span,120,90,\"1,200.5\",,100,150,10,0-8,,,200,15\n",
         "C", 1, "out", "Thousands separators are not accepted: write 1200.5", "point:"},
        // A decimal with the other separator keeps the separator's hint.
        {"greek_decimal_point",
         std::string(kHeader) + "T;veltra;one-span;120;90;250.5;;100;150;10;0-8;;;200;15\n",
         "el_GR", 1, "out", "το δεκαδικό διαχωριστικό είναι το κόμμα: 250,5", "χιλιάδων"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string text = c.schedule;
        // The header of the Greek cases in the notation of their settings.
        if (std::string(c.locale) == "el_GR")
            for (std::size_t i = 0; i < text.find('\n'); ++i)
                text[i] = text[i] == ',' ? ';' : text[i];
        const fs::path schedule = write(std::string(c.name) + ".csv", text);
        const Outcome o = run("'" + schedule.string() + "' --locale " + c.locale);
        EXPECT_EQ(o.status, c.status) << o.err;
        const std::string& said = std::string(c.stream) == "err" ? o.err : o.out;
        EXPECT_NE(said.find(c.expected), std::string::npos) << said;
        EXPECT_EQ(said.find(c.absent), std::string::npos) << said;
    }
}

TEST_F(BatchMain, HelpListsEveryExitStatus) {
    const Outcome help = run("--help");
    for (const char* status : {"\n  0  ", "\n  1  ", "\n  2  "})
        EXPECT_NE(help.out.find(status), std::string::npos) << status;
    // Each refusal that gives 2 is named.
    for (const char* reason : {"could not be read", "could not be\n     written", "is the schedule",
                               "locale is not installed", "command line"})
        EXPECT_NE(help.out.find(reason), std::string::npos) << reason;
}

// A mixed schedule (three series, bands, pressures, speeds, refused rows) as .xlsx holds what
// the same run writes as CSV: every text as a text, every number as the number, and the
// numbers shown with two decimals formatted 0.00.
TEST_F(BatchMain, StreamedXlsxHoldsWhatTheCsvHolds) {
    std::string text =
        "id,series,system,A1,A2,L1,L2,H1,H2,glass,band,pressure,speed,d,f,structure_weight,"
        "snow_height,slope\n";
    const char* series[] = {"veltra", "korin", "terrax"};
    const char* systems[] = {"one-span", "two-spans", "fixed-ends"};
    for (int i = 0; i < 60; ++i) {
        const int k = i % 3;
        const char* system = k == 2 ? systems[(i / 3) % 2] : systems[(i / 3) % 3];
        const int l1 = 200 + (i * 37) % 300;
        text += "B-" + std::to_string(i) + "," + series[k] + "," + system + "," +
                std::to_string(100 + i % 50) + ",90," + std::to_string(i % 9 == 8 ? -l1 : l1) +
                "," + (std::string(system) == "two-spans" ? std::to_string(l1 / 2) : "") +
                ",100,150,10," +
                (i % 4 == 1   ? ",1.125,"
                 : i % 4 == 2 ? ",,130"
                 : i % 4 == 3 ? ",,"
                              : "8-20,,") +
                ",200,15,0.1,100,30\n";
    }
    const fs::path schedule = write("mixed.csv", text);
    const fs::path csv = m_dir / "mixed_results.csv";
    const fs::path xlsx = m_dir / "mixed_results.xlsx";
    EXPECT_EQ(run("'" + schedule.string() + "' -o '" + csv.string() + "'").status, 1);
    EXPECT_EQ(run("'" + schedule.string() + "' -o '" + xlsx.string() + "'").status, 1);

    // The CSV's cells (no field of these results holds a quote, comma or line break but the
    // error column's, which is last).
    std::istringstream lines(slurp(csv).substr(3));
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::vector<std::string> fields;
        std::size_t start = 0;
        for (int f = 0; f < 34; ++f) {
            const std::size_t comma = line.find(',', start);
            fields.push_back(line.substr(start, comma - start));
            start = comma + 1;
        }
        std::string last = line.substr(start);
        if (last.size() >= 2 && last.front() == '"') {
            last = last.substr(1, last.size() - 2);
            for (std::size_t q = last.find("\"\""); q != std::string::npos;
                 q = last.find("\"\"", q + 1))
                last.erase(q, 1);
        }
        fields.push_back(last);
        rows.push_back(fields);
    }
    ASSERT_EQ(rows.size(), 61U);

    const cw::test::Facts facts = cw::test::readFacts(xlsx.string());
    const cw::test::Facts cells = cw::test::factsOfKind(facts, "cell");
    const cw::test::Facts styles = cw::test::factsOfKind(facts, "style");
    EXPECT_EQ(facts.at("layout\tBays"), "sorted");
    std::size_t refused = 0;
    std::size_t twoDecimalCells = 0;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        refused += r > 0 && !rows[r][34].empty();
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            std::string column;
            for (std::size_t n = c + 1; n > 0; n = (n - 1) / 26)
                column.insert(column.begin(), char('A' + (n - 1) % 26));
            const std::string key = "Bays!" + column + std::to_string(r + 1);
            const std::string& want = rows[r][c];
            SCOPED_TRACE(key + " = " + want);
            const auto it = cells.find(key);
            if (want.empty()) {
                EXPECT_EQ(it, cells.end());
                continue;
            }
            ASSERT_NE(it, cells.end());
            if (it->second.rfind("n ", 0) == 0) {
                EXPECT_DOUBLE_EQ(std::stod(it->second.substr(2)), std::stod(want));
                const bool twoDecimals = want.size() > 3 && want[want.size() - 3] == '.';
                const auto style = styles.find(key);
                EXPECT_EQ(
                    style != styles.end() && style->second.find("format=0.00") != std::string::npos,
                    twoDecimals);
                twoDecimalCells += twoDecimals;
            } else {
                std::string quoted;  // as JSON writes it
                for (const char ch : want)
                    quoted += ch == '"' || ch == '\\' ? std::string("\\") + ch : std::string(1, ch);
                EXPECT_EQ(it->second, "s \"" + quoted + "\"");
            }
        }
    }
    EXPECT_GT(refused, 10U);  // the negative spans and the rows without wind
    EXPECT_GT(twoDecimalCells, 100U);
}

}  // namespace
