#include "report/page_flow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace cw::report {
namespace {

// Pages 100 high from 0; heights and groups made up so that each row tests one rule.
struct FlowCase {
    const char* name;
    std::vector<FlowItem> items;
    std::vector<int> pages;  // expected page of each item
};

class PageFlowTest : public ::testing::TestWithParam<FlowCase> {};

TEST_P(PageFlowTest, PlacesEachBlock) {
    const FlowCase& c = GetParam();
    EXPECT_EQ(flowPages(c.items, 0.0, 100.0), c.pages);
}

// A group that fits on a page never starts on one page and ends on the next, whatever
// heights come before it.
TEST(PageFlow, AGroupThatFitsIsNeverSplit) {
    for (double before = 0.0; before <= 100.0; before += 2.5) {
        const std::vector<FlowItem> items = {
            {before, 0}, {20.0, 1}, {25.0, 1}, {15.0, 1}, {10.0, 0}};
        const std::vector<int> pages = flowPages(items, 0.0, 100.0);
        EXPECT_EQ(pages[1], pages[3]) << "after " << before;
        EXPECT_EQ(pages[1], pages[2]) << "after " << before;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PageFlowTest,
    ::testing::Values(
        FlowCase{"loose_blocks_fill_the_page", {{40, 0}, {40, 0}, {30, 0}}, {0, 0, 1}},
        FlowCase{"a_block_that_just_fits_stays", {{60, 0}, {40, 0}}, {0, 0}},
        FlowCase{"a_group_moves_whole", {{50, 0}, {30, 1}, {30, 1}}, {0, 1, 1}},
        FlowCase{"without_the_group_the_same_blocks_split", {{50, 0}, {30, 0}, {30, 0}}, {0, 0, 1}},
        FlowCase{
            "adjacent_groups_are_separate", {{40, 1}, {40, 1}, {15, 2}, {15, 2}}, {0, 0, 1, 1}},
        FlowCase{"a_group_taller_than_a_page_starts_on_a_fresh_one_and_runs_on",
                 {{10, 0}, {60, 3}, {60, 3}},
                 {0, 1, 2}},
        FlowCase{"a_group_at_the_top_of_a_page_is_not_moved_past_an_empty_page",
                 {{70, 4}, {70, 4}},
                 {0, 1}},
        FlowCase{"a_block_taller_than_a_page_leaves_no_empty_page", {{150, 0}, {10, 0}}, {0, 1}}),
    [](const ::testing::TestParamInfo<FlowCase>& row) { return std::string(row.param.name); });

TEST(PageFlow, GroupEndFindsTheLastBlockOfTheGroupItOpens) {
    const std::vector<int> keeps = {0, 5, 5, 5, 0, 6, 7, 7};
    EXPECT_EQ(groupEnd(keeps, 0), 0U);
    EXPECT_EQ(groupEnd(keeps, 1), 3U);
    EXPECT_EQ(groupEnd(keeps, 2), 2U);  // inside the group: it opens none
    EXPECT_EQ(groupEnd(keeps, 5), 5U);
    EXPECT_EQ(groupEnd(keeps, 6), 7U);
}

}  // namespace
}  // namespace cw::report
