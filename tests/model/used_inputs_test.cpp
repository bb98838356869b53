// Whether the results on show are still those of the inputs: one table of what a user does
// after a completed run, and what the dump then says.

#include "app/replay_script.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace cw {
namespace {

// A Veltra single span with the 8 m band, under Greek settings.
constexpr const char* kRun =
    "click Option10\nclick Option9\ntype Text4 120\ntype Text7 90\ntype Text2 250\n"
    "type Text10 100\ntype Text12 150\nclick Option1\nclick Command1\n";

struct Case {
    const char* name;
    bool runFirst;
    const char* actions;
    bool current;
};

class ResultsCurrent : public ::testing::TestWithParam<Case> {};

TEST_P(ResultsCurrent, FollowsWhatTheRunUsed) {
    const Case& c = GetParam();
    std::istringstream script(std::string(c.runFirst ? kRun : "") + c.actions + "\ndump\n");
    std::ostringstream out, err;
    ASSERT_EQ(runReplay(script, out, err, NumberFormat::fromLocale("el_GR")), 0) << err.str();
    const std::string dump = out.str();
    const std::string expected = c.current ? "\"resultsCurrent\": true" : "\"resultsCurrent\": false";
    EXPECT_NE(dump.find(expected), std::string::npos) << dump.substr(dump.rfind("siteWind"));
}

INSTANTIATE_TEST_SUITE_P(
    Actions, ResultsCurrent,
    ::testing::Values(
        Case{"before_any_run", false, "click Option10\nclick Option9", false},
        Case{"right_after_the_run", true, "", true},
        Case{"L1_typed_anew", true, "type Text2 300", false},
        Case{"L1_typed_back", true, "type Text2 300\ntype Text2 250", true},
        Case{"A1_typed_anew", true, "type Text4 130", false},
        Case{"H2_typed_anew", true, "type Text12 160", false},
        Case{"glass_thickness", true, "type Text16 12", false},
        Case{"divisor", true, "type Text37 300", false},
        Case{"allowable_deflection", true, "type Text38 12", false},
        Case{"another_height_band", true, "click Option2", false},
        Case{"pressure_typed_but_not_taken", true, "type Text8 1,2", true},
        Case{"pressure_button", true, "type Text8 1,2\nclick Command2", false},
        Case{"speed_typed_but_not_taken", true, "type Text11 100", true},
        Case{"speed_button", true, "type Text11 100\nclick Command4", false},
        Case{"another_series", true, "click Option11", false},
        Case{"another_static_system", true, "click Option13", false},
        Case{"criterion_2015", true, "criterion 2015", false},
        Case{"criterion_back", true, "criterion 2015\ncriterion 2003", true},
        Case{"site_wind_applied", true, "site-wind vb0=30", false},
        Case{"language_switch", true, "click Command10", true},
        Case{"hidden_L2_set_by_a_program", true, "set Text13 500", true},
        Case{"refused_run_leaves_them_out_of_date", true, "type Text2 abc\nclick Command1", false},
        Case{"a_new_run_brings_them_up_to_date", true, "type Text2 300\nclick Command1", true},
        Case{"pressure_taken_by_a_run_then_its_button_again", true,
             "type Text8 1,2\nclick Command2\nclick Command1\nclick Command2", true}),
    [](const ::testing::TestParamInfo<Case>& row) { return row.param.name; });

}  // namespace
}  // namespace cw
