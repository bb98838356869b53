// The replay's `report PATH` line: refused before a run has completed and in a build without
// the report; a failure to write shows its message box and the script goes on.

#include "app/report_hook.h"
#include "app/replay_script.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace cw {
namespace {

constexpr const char* kVeltraRun =
    "click Option10\nclick Option9\ntype Text4 120\ntype Text7 90\ntype Text2 300\n"
    "type Text10 100\ntype Text12 200\nclick Option2\nclick Command15\nclick Command1\n";

struct Replayed {
    int status;
    std::string out;
    std::string err;
};

Replayed replay(const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out, err;
    const int status = runReplay(in, out, err, NumberFormat::fromLocale("el_GR"));
    return {status, out.str(), err.str()};
}

class ReportLine : public ::testing::Test {
protected:
    void TearDown() override { installCalculationReport(nullptr); }
};

TEST_F(ReportLine, WithoutTheReportInTheBuildTheLineIsRefused) {
    const Replayed r = replay(std::string(kVeltraRun) + "report /tmp/x.pdf\n");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "line 11: this build has no calculation report\n");
}

TEST_F(ReportLine, BeforeACompletedRunTheMenuItemIsNotThere) {
    int calls = 0;
    installCalculationReport([&](const WindowState&, const std::string&) {
        ++calls;
        return std::optional<std::string>();
    });
    const Replayed r = replay("click Option10\nreport /tmp/x.pdf\n");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "line 2: the calculation report needs a completed run\n");
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(replay("report\n").err, "line 1: report needs a PDF path\n");
}

TEST_F(ReportLine, WritesTheWindowShownAndRecordsAFailureAsAMessage) {
    std::string path;
    std::string mullion;
    installCalculationReport([&](const WindowState& w, const std::string& p) {
        path = p;
        mullion = w.text(Field::SuggestedMullion);
        return p == "/no/such/x.pdf" ? std::optional<std::string>("cannot write")
                                     : std::optional<std::string>();
    });
    const Replayed r =
        replay(std::string(kVeltraRun) + "report /tmp/a b.pdf\nreport /no/such/x.pdf\ndump\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(path, "/no/such/x.pdf");
    EXPECT_EQ(mullion, "KA-02");
    EXPECT_NE(r.out.find("\"messages\": [\"cannot write\"]"), std::string::npos) << r.out;
}

}  // namespace
}  // namespace cw
