#include "form_fixture.h"

#include "text/messages.h"

#include "bay/field_rules.h"

#include <vector>

namespace cw::test {
namespace {

class Keys : public FormTest {
protected:
    // Presses Enter in each field in turn and records where the focus went.
    std::vector<ControlId> enterThrough(int presses) {
        std::vector<ControlId> path;
        for (int i = 0; i < presses; ++i) {
            f.key(kEnterKey);
            path.push_back(*f.focused());
        }
        return path;
    }
};

TEST_F(Keys, OneSpanEnterChain) {
    f.click(C::Option10);
    f.click(C::Option9);
    EXPECT_EQ(f.focused(), C::Text4);
    const std::vector<ControlId> expected{C::Text7,  C::Text2,  C::Text10, C::Text12,   C::Text8,
                                          C::Text16, C::Text37, C::Text38, C::Command1, C::Text4};
    EXPECT_EQ(enterThrough(10), expected);
}

TEST_F(Keys, TwoSpanEnterChainPassesThroughL2) {
    twoSpanBay(C::Option11, "400", "200");
    f.focus(C::Text4);
    const std::vector<ControlId> expected{C::Text7,  C::Text2,  C::Text13,
                                          C::Text10, C::Text12, C::Text8};
    EXPECT_EQ(enterThrough(6), expected);
    EXPECT_TRUE(f.pendingMessages().empty());
}

struct SpanCase {
    const char* name;
    ControlId field;
    const char* l1;
    const char* l2;
    bool passes;
    ControlId next;
};

class SpanCheck : public Keys, public ::testing::WithParamInterface<SpanCase> {};

TEST_P(SpanCheck, RefusesL2AboveL1WithItsMessage) {
    const SpanCase& c = GetParam();
    twoSpanBay(C::Option10, c.l1, c.l2);
    f.focus(c.field);
    f.key(kEnterKey);
    if (c.passes) {
        EXPECT_TRUE(f.pendingMessages().empty());
    } else {
        ASSERT_EQ(f.pendingMessages().size(), 1U);
        // Greek captions showing: the Greek sentence, naming both spans as typed.
        EXPECT_EQ(f.pendingMessages()[0],
                  std::string("L2 πρέπει να είναι πάντα < ή = από L1 (L2 = ") + c.l2 +
                      ", L1 = " + c.l1 + ")");
    }
    EXPECT_EQ(f.focused(), c.next);
}

INSTANTIATE_TEST_SUITE_P(
    All, SpanCheck,
    ::testing::Values(SpanCase{"l2_shorter_passes", C::Text13, "1000", "200", true, C::Text10},
                      SpanCase{"l2_longer_at_l2", C::Text13, "200", "1000", false, C::Text13},
                      SpanCase{"l2_longer_at_h1", C::Text10, "90", "120", false, C::Text13},
                      SpanCase{"l2_longer_at_h2", C::Text12, "90", "120", false, C::Text13},
                      SpanCase{"equal_passes", C::Text13, "300", "300", true, C::Text10},
                      SpanCase{"equal_as_numbers_passes", C::Text13, "300", "300,0", true,
                               C::Text10},
                      SpanCase{"empty_l2_passes", C::Text10, "300", "", true, C::Text12},
                      SpanCase{"unreadable_l2_passes", C::Text13, "300", "abc", true, C::Text10},
                      SpanCase{"unreadable_l1_passes", C::Text12, "x", "500", true, C::Text8}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(Keys, HiddenStaleL2IsNotCheckedOnOneSpan) {
    twoSpanBay(C::Option10, "200", "150");
    f.click(C::Option9);  // L2 = 150 stays, hidden
    f.type(C::Text2, "100");
    f.focus(C::Text10);
    f.key(kEnterKey);
    EXPECT_TRUE(f.pendingMessages().empty());
    EXPECT_EQ(f.focused(), C::Text12);
    f.key(kEnterKey);
    EXPECT_EQ(f.focused(), C::Text8);
}

TEST_F(Keys, EnterOnNextRunsTheDesignAndReturnsToA1) {
    veltraOneSpanBay();
    f.focus(C::Command1);
    f.key(kEnterKey);
    EXPECT_EQ(text(C::Text6), "KA-01");
    EXPECT_EQ(f.focused(), C::Text4);
}

TEST_F(Keys, EnterOnNextBeforeASystemLeavesTheFocusOnNext) {
    f.click(C::Option10);
    f.focus(C::Command1);
    f.key(kEnterKey);
    EXPECT_EQ(f.focused(), C::Command1);  // A1 is hidden
}

TEST_F(Keys, OtherKeysOnNextDoNothing) {
    veltraOneSpanBay();
    f.focus(C::Command1);
    f.key(65);
    EXPECT_EQ(text(C::Text6), "");
    EXPECT_EQ(f.focused(), C::Command1);
}

struct LiveCase {
    const char* name;
    const char* length;
    const char* divisor;
    const char* text38;  // expected, from "0" at start
};

class LiveDeflection : public Keys, public ::testing::WithParamInterface<LiveCase> {};

TEST_P(LiveDeflection, FollowsLOverDWhileL1IsTyped) {
    const LiveCase& c = GetParam();
    f.setText(C::Text37, c.divisor);
    f.type(C::Text2, c.length);
    EXPECT_EQ(text(C::Text38), c.text38);
    EXPECT_TRUE(f.pendingMessages().empty());
}

INSTANTIATE_TEST_SUITE_P(All, LiveDeflection,
                         ::testing::Values(LiveCase{"l300_d200", "300", "200",
                                                    "15"},  // 300 / 200 * 10
                                           LiveCase{"l300_d250", "300", "250", "12"},
                                           LiveCase{"divisor_zero_leaves_it", "300", "0", "0"},
                                           LiveCase{"divisor_text_leaves_it", "300", "abc", "0"},
                                           LiveCase{"length_text_leaves_it", "3x", "200", "0,15"}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(Keys, MaximumDeflectionFollowsH1AndFCappedAtFifteen) {
    f.setText(C::Text38, "12");
    f.type(C::Text10, "1");
    EXPECT_EQ(text(C::Text44), "12");
    f.setText(C::Text38, "18,5");
    f.type(C::Text10, "1");
    EXPECT_EQ(text(C::Text44), "15");
    f.setText(C::Text38, "15");
    f.type(C::Text10, "1");
    EXPECT_EQ(text(C::Text44), "15");
    f.type(C::Text38, "9");  // typing f itself keeps the maximum in step
    EXPECT_EQ(text(C::Text44), "9");
    f.type(C::Text38, "abc");
    EXPECT_EQ(text(C::Text44), "9");
}

TEST_F(Keys, TypingL1UpdatesBothDeflectionFields) {
    f.type(C::Text2, "250");
    EXPECT_EQ(text(C::Text38), "12,5");
    EXPECT_EQ(text(C::Text44), "12,5");
    f.type(C::Text2, "400");
    EXPECT_EQ(text(C::Text44), "15");
}

TEST_F(Keys, PressureTypedWithEnterCountsOnlyAfterThePressureButton) {
    veltraOneSpanBay();
    f.type(C::Text8, "2");
    f.key(kEnterKey);
    EXPECT_EQ(f.focused(), C::Text16);
    f.click(C::Command1);
    EXPECT_EQ(text(C::Text3), "0,5");  // still the band's pressure
}

TEST_F(Keys, LanguageButtons) {
    f.click(C::Command10);
    EXPECT_EQ(f.form().language, Language::English);
    for (ControlId id : {C::Label78, C::Label79, C::Label85, C::Label98, C::Label109, C::Command11,
                         C::Command14, C::Command17, C::Command19, C::Command22})
        EXPECT_TRUE(visible(id)) << controlName(id);
    EXPECT_FALSE(visible(C::Command15));
    EXPECT_FALSE(visible(C::Command16));
    EXPECT_TRUE(visible(C::Command2));  // covered, not hidden
    EXPECT_TRUE(visible(C::Label35));   // covered by Label85
    f.click(C::Command9);
    EXPECT_EQ(f.form().language, Language::Greek);
    for (ControlId id : {C::Label78, C::Label85, C::Label98, C::Command11, C::Command17})
        EXPECT_FALSE(visible(id)) << controlName(id);
    EXPECT_TRUE(visible(C::Command15));
}

TEST_F(Keys, TerraxSlopedCaptionsSwapWithTheLanguage) {
    f.click(C::Command10);
    f.click(C::Option12);  // Greek sloped captions come with the series
    EXPECT_TRUE(visible(C::Label115));
    EXPECT_EQ(f.form().language, Language::English);  // the language showing
    f.click(C::Command10);
    EXPECT_FALSE(visible(C::Label115));
    EXPECT_TRUE(visible(C::Label118));
    EXPECT_FALSE(visible(C::Label77));
    f.click(C::Command9);
    EXPECT_TRUE(visible(C::Label115));
    EXPECT_FALSE(visible(C::Label118));
    f.click(C::Command10);
    f.click(C::Option10);  // English sloped captions stay once their fields are hidden
    EXPECT_FALSE(visible(C::Text40));
    EXPECT_TRUE(visible(C::Label118));
    EXPECT_TRUE(visible(C::Label21));
    EXPECT_FALSE(visible(C::Label77));
}

}  // namespace
}  // namespace cw::test
