// File -> Calculation report of the bay the window shows: inputs that give no run write no
// PDF and say why; the replay's `report` line shows the same words as its message.

#include "app/report_hook.h"
#include "input/form.h"
#include "report/report_run.h"
#include "text/messages.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace cw::report {
namespace {

using C = ControlId;

struct Case {
    const char* name;
    std::vector<std::pair<ControlId, const char*>> typedAfterTheRun;
    bool refused;
};

class WindowReport : public ::testing::TestWithParam<Case> {};

TEST_P(WindowReport, InputsThatGiveNoRunWriteNoPdf) {
    const Case& c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string pdf = dir.filePath(QStringLiteral("bay.pdf")).toStdString();
    Form f(NumberFormat::fromLocale("en_US"));
    f.click(C::Command10);
    f.click(C::Option10);
    f.click(C::Option13);
    for (const auto& [id, text] : {std::pair{C::Text4, "150"},
                                   {C::Text7, "150"},
                                   {C::Text2, "400"},
                                   {C::Text13, "200"},
                                   {C::Text10, "100"},
                                   {C::Text12, "200"}})
        f.type(id, text);
    f.click(C::Option2);
    f.click(C::Command1);
    ASSERT_TRUE(f.takeMessages().empty());
    for (const auto& [id, text] : c.typedAfterTheRun)
        f.type(id, text);

    // Why: what NEXT itself says on these inputs.
    Form next = f;
    next.click(C::Command1);
    const std::vector<std::string> said = next.takeMessages();
    ASSERT_EQ(said.size(), c.refused ? 1U : 0U);

    const ReportOutcome outcome =
        writeBayReport(documentOf(f.state()), f.state().numberFormat(), pdf);
    const bool refused = c.refused;
    EXPECT_EQ(QFileInfo::exists(QString::fromStdString(pdf)), !refused);
    if (refused) {
        ASSERT_TRUE(outcome.error);
        EXPECT_EQ(*outcome.error,
                  say(Message::ReportOfRefusedRun, Language::English, {said.front()}));
        EXPECT_NE(outcome.error->find("No report was written"), std::string::npos);
    } else {
        EXPECT_FALSE(outcome.error) << *outcome.error;
    }

    // The replay's line: the same words as a message box, and still no file.
    installCalculationReport([](const WindowState& w, const std::string& path) {
        return writeBayReport(documentOf(w), w.numberFormat(), path).error;
    });
    const std::string again = dir.filePath(QStringLiteral("again.pdf")).toStdString();
    EXPECT_EQ(writeCalculationReport(f.state(), again), "");
    EXPECT_EQ(QFileInfo::exists(QString::fromStdString(again)), !refused);
    EXPECT_EQ(f.takeMessages().size(), refused ? 1U : 0U);
    installCalculationReport(nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    AfterACompletedRun, WindowReport,
    ::testing::Values(Case{"unchanged_inputs_are_reported", {}, false},
                      Case{"L2_above_L1", {{C::Text13, "500"}}, true},
                      Case{"H2_emptied", {{C::Text12, ""}}, true},
                      Case{"glass_thickness_not_a_number", {{C::Text16, "ten"}}, true}),
    [](const ::testing::TestParamInfo<Case>& row) { return row.param.name; });

}  // namespace
}  // namespace cw::report

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
