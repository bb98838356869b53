// What every program says about its command line: an unknown --locale, and for the report an
// output that is its input or a run that fails.

#include "program_fixture.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using cw::testing::Outcome;
using cw::testing::slurp;

class Programs : public cw::testing::ProgramTest {
protected:
    Programs() : ProgramTest("cw_cli_") {}

    Outcome shell(const std::string& line) {
        // A window that opens (a locale wrongly taken) is ended, not waited for.
        return shellIn(line,
                       "cd '" + m_dir.string() + "' && QT_QPA_PLATFORM=offscreen timeout 30 ");
    }
};

constexpr const char* kSchedule =
    "id,series,system,A1,A2,L1,L2,H1,H2,glass,band,pressure,speed,d,f\n"
    "W,veltra,one-span,120,90,250,,100,150,10,0-8,,,200,15\n";

struct Program {
    const char* name;
    std::string path;
    std::string arguments;  // what it needs besides --locale
};

std::vector<Program> programs() {
    std::vector<Program> list = {
        {"curtainwall-batch", CW_BATCH_BIN, "s.csv"},
        {"curtainwall-replay", CW_REPLAY_BIN, "/dev/null"},
    };
#ifdef CW_REPORT_BIN
    list.push_back({"curtainwall-report", CW_REPORT_BIN, "s.csv -o s.pdf"});
#endif
#ifdef CW_WINDOW_BIN
    list.push_back({"curtainwall", CW_WINDOW_BIN, ""});
#endif
    return list;
}

// A locale the system does not have was taken as C, so "1.200" under gr_GR read as 1,2.
TEST_F(Programs, EveryProgramRefusesALocaleTheSystemDoesNotHave) {
    write("s.csv", kSchedule);
    for (const Program& p : programs()) {
        for (const char* locale : {"gr_GR", "xx_YY", "", "el_YY"}) {
            SCOPED_TRACE(std::string(p.name) + " --locale '" + locale + "'");
            const Outcome o = shell(p.path + " " + p.arguments + " --locale '" + locale + "'");
            EXPECT_EQ(o.status, 2);
            EXPECT_EQ(o.err.rfind(std::string(p.name) + ": unknown locale \"" + locale +
                                      "\"; installed: C, POSIX, ",
                                  0),
                      0U)
                << o.err;
            EXPECT_EQ(o.out, "");
            EXPECT_FALSE(fs::exists(m_dir / "s.pdf"));
        }
    }
}

// The same programs take the locales the system has (the window needs a display: left out).
TEST_F(Programs, InstalledLocalesAreTaken) {
    write("s.csv", kSchedule);
    for (const Program& p : programs()) {
        if (std::string(p.name) == "curtainwall")
            continue;
        for (const char* locale : {"el_GR", "en_US", "C", "POSIX"}) {
            SCOPED_TRACE(std::string(p.name) + " --locale " + locale);
            const Outcome o = shell(p.path + " " + p.arguments + " --locale " + locale);
            EXPECT_EQ(o.status, 0) << o.err;
        }
    }
}

#ifdef CW_REPORT_BIN
TEST_F(Programs, TheReportRefusesAnOutputThatIsItsInputAndKeepsAnEarlierPdf) {
    const fs::path schedule = write("s.csv", kSchedule);
    fs::create_symlink(schedule, m_dir / "link.pdf");
    const std::string report = CW_REPORT_BIN;
    for (const char* output : {"s.csv", "link.pdf", "./s.csv"}) {
        SCOPED_TRACE(output);
        const Outcome o = shell(report + " s.csv -o " + output + " --language en");
        EXPECT_EQ(o.status, 2);
        EXPECT_NE(o.err.find("is the input s.csv itself"), std::string::npos) << o.err;
        EXPECT_EQ(slurp(schedule), kSchedule);
        EXPECT_TRUE(fs::is_symlink(m_dir / "link.pdf"));
    }
    // A run that fails (an input that cannot be read) leaves an earlier PDF as it was and no
    // temporary file beside it; one that completes replaces it.
    write("r.pdf", "earlier report");
    write("broken.csv", "id,series\nW,\"v\"x\n");
    const Outcome failed = shell(report + " broken.csv -o r.pdf");
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(slurp(m_dir / "r.pdf"), "earlier report");
    for (const auto& entry : fs::directory_iterator(m_dir))
        EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
    const Outcome done = shell(report + " s.csv -o r.pdf");
    EXPECT_EQ(done.status, 0) << done.err;
    EXPECT_EQ(slurp(m_dir / "r.pdf").rfind("%PDF", 0), 0U);
}

TEST_F(Programs, TheReportsHelpListsEveryExitStatus) {
    const Outcome help = shell(std::string(CW_REPORT_BIN) + " --help");
    EXPECT_EQ(help.status, 0);
    for (const char* status : {"\n  0  ", "\n  1  ", "\n  2  "})
        EXPECT_NE(help.out.find(status), std::string::npos) << status;
    for (const char* reason : {"could not be read", "could not be written",
                               "locale is not installed", "output is the input"})
        EXPECT_NE(help.out.find(reason), std::string::npos) << reason;
}

// A schedule whose header sits under a title line: the report says which column is missing,
// as the batch does.
TEST_F(Programs, TheReportNamesTheMissingColumnUnderATitleLine) {
    write("t.csv", std::string("Schedule of bays,,\n") + kSchedule);
    const Outcome o = shell(std::string(CW_REPORT_BIN) + " t.csv -o t.pdf --language en");
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find("has no column \"series\""), std::string::npos) << o.err;
    EXPECT_FALSE(fs::exists(m_dir / "t.pdf"));
}

// A row's catalogue is read from the schedule's folder, as the batch reads it, and a file that
// cannot be read refuses that row rather than design it with other profiles.
TEST_F(Programs, TheReportReadsARowsCatalogueBesideTheSchedule) {
    fs::create_directories(m_dir / "job");
    write("job/cat.csv", "use,code,role,Ix_cm4,e_mm\nvertical,J-1,mullion,9000,60\n");
    write("job/s.csv",
          "id,series,system,A1,A2,L1,L2,H1,H2,glass,band,pressure,speed,d,f,"
          "catalogue\n"
          "A,veltra,one-span,120,90,250,,100,150,10,0-8,,,200,15,cat.csv\n"
          "B,veltra,one-span,120,90,250,,100,150,10,0-8,,,200,15,missing.csv\n");
    const Outcome o = shell(std::string(CW_REPORT_BIN) + " job/s.csv -o s.pdf --language en");
    EXPECT_EQ(o.out.rfind("1 bay(s), 1 row(s) refused,", 0), 0u) << o.out << o.err;
}
#endif

}  // namespace
