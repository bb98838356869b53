#include "form_fixture.h"

#include "text/messages.h"

#include "bay/field_rules.h"
#include "model/inventory.h"

namespace cw::test {
namespace {

class Run : public FormTest {
protected:
    // Everything but the focus and the messages is as it was.
    void expectUnchangedSince(const Form& before) {
        for (int i = 0; i < kControlCount; ++i) {
            const auto id = ControlId(i);
            EXPECT_EQ(f.text(id), before.text(id)) << controlName(id);
            EXPECT_EQ(f.visible(id), before.visible(id)) << controlName(id);
            EXPECT_EQ(f.selected(id), before.selected(id)) << controlName(id);
        }
        const FormState& a = f.form();
        const FormState& b = before.form();
        EXPECT_EQ(a.windInput, b.windInput);
        EXPECT_EQ(a.windPressure, b.windPressure);
        EXPECT_EQ(a.deflectionDivisor, b.deflectionDivisor);
        EXPECT_EQ(a.gridWidthA1, b.gridWidthA1);
        EXPECT_EQ(a.requiredMullionJx, b.requiredMullionJx);
        EXPECT_EQ(a.suggestedIx, b.suggestedIx);
    }
};

TEST_F(Run, WithoutASeriesNothingHappens) {
    const Form before = f;
    f.click(C::Command1);
    expectUnchangedSince(before);
    EXPECT_TRUE(f.pendingMessages().empty());
}

TEST_F(Run, VeltraOneSpanInGreek) {
    veltraOneSpanBay();
    f.click(C::Command1);
    ASSERT_TRUE(f.pendingMessages().empty()) << f.pendingMessages()[0];
    // Echo of the inputs.
    EXPECT_EQ(text(C::Text1), "105");
    EXPECT_EQ(text(C::Text24), "250");
    EXPECT_EQ(text(C::Text27), "120");
    EXPECT_EQ(text(C::Text28), "90");
    EXPECT_EQ(text(C::Text29), "0,50");
    EXPECT_EQ(text(C::Text30), "101,74");
    EXPECT_EQ(text(C::Text31), "8");
    EXPECT_EQ(text(C::Text43), "200");
    // The EN 13830 button wrote f = 10 * 250 / 200 = 12,5 mm (under 15).
    EXPECT_EQ(text(C::Text32), "12,5");
    // Results, worked by hand in the formula tests.
    EXPECT_EQ(text(C::Text5), "30,52");
    EXPECT_EQ(text(C::Text9), "4,32");
    EXPECT_EQ(text(C::Text25), "41,02");
    // The transom spans the wider grid width A1 = 120 (formula tests).
    EXPECT_EQ(text(C::Text15), "3,86");
    // 225 N a block, a = 150 of Ls = 1200 mm: 225 * 150 * 1200^2 * 2,9375 / 5040000 / 10000
    // = 2,833 (a / H2 gave 2,85)
    EXPECT_EQ(text(C::Text17), "2,83");
    EXPECT_EQ(text(C::Text6), "KA-01");
    EXPECT_EQ(text(C::Text14), "KA-11 + KA-12");
    EXPECT_EQ(text(C::Text20), "53,84");
    EXPECT_EQ(text(C::Text35), "9,42");
    EXPECT_EQ(text(C::Text18), "7,09");
    // The limit designed for: L/d = 250 / 200 cm, below f = 15 mm.
    EXPECT_EQ(text(C::Text23), "12,50");
    EXPECT_EQ(text(C::Text36), "4,35");
    EXPECT_EQ(f.form().windInput, WindInput::Taken);
    EXPECT_EQ(f.form().suggestedIx, TaggedValue::int32(538400));
    EXPECT_EQ(f.form().gridWidthA1, TaggedValue::text("120"));
    EXPECT_EQ(f.form().deflectionDivisor, TaggedValue::int16(200));
    EXPECT_EQ(f.form().mullionLengthSingle, TaggedValue::single(250.0F));
    // The Greek captions with their units; the working fields stay hidden.
    for (ControlId id : {C::Label17, C::Label18, C::Label35, C::Label20, C::Label32, C::Label58,
                         C::Label75, C::Label76, C::Label51, C::Text5, C::Text18, C::Text36})
        EXPECT_TRUE(visible(id)) << controlName(id);
    for (ControlId id : {C::Text19, C::Text21, C::Text22, C::Label1, C::Label98, C::Label85})
        EXPECT_FALSE(visible(id)) << controlName(id);
}

TEST_F(Run, OneSpanInEnglishLabelsTheResultsInEnglish) {
    f.click(C::Command10);
    veltraOneSpanBay();
    f.click(C::Command10);
    f.click(C::Command1);
    for (ControlId id : {C::Label98, C::Label109, C::Label85, C::Label22, C::Label33})
        EXPECT_TRUE(visible(id)) << controlName(id);
    for (ControlId id : {C::Label17, C::Label35, C::Label51, C::Label58, C::Label75, C::Label76})
        EXPECT_FALSE(visible(id)) << controlName(id);
}

TEST_F(Run, SeriesClickWhileEnglishShowsKeepsTheResultsInEnglish) {
    f.click(C::Command10);
    veltraOneSpanBay();
    f.click(C::Command1);
    EXPECT_EQ(f.form().language, Language::English);
    EXPECT_FALSE(visible(C::Label17));
    EXPECT_TRUE(visible(C::Label98));
}

TEST_F(Run, OtherSystemsShowGreekCaptionsAndLeaveTheEnglishOnes) {
    twoSpanBay(C::Option10, "400", "200");
    f.click(C::Option1);
    f.click(C::Command10);
    f.click(C::Command1);
    EXPECT_TRUE(visible(C::Label17));
    EXPECT_TRUE(visible(C::Label98));  // still in front
    EXPECT_TRUE(visible(C::Label85));
}

TEST_F(Run, FixedEndsLeavesTheHeightUnitsAndShowsTheLimitItDesignedFor) {
    oneSpanGeometry(C::Option10, C::Option14, "120", "90", "250", "100", "150");
    f.type(C::Text38, "10");
    f.click(C::Option1);
    f.click(C::Command1);
    ASSERT_TRUE(f.pendingMessages().empty()) << f.pendingMessages()[0];
    // f echoes as typed; the limit is f = 10 mm, below L/d = 12,5 mm.
    EXPECT_EQ(text(C::Text19), "10");
    EXPECT_EQ(text(C::Text32), "10");
    EXPECT_EQ(text(C::Text23), "10,00");
    EXPECT_FALSE(visible(C::Label54));
    EXPECT_FALSE(visible(C::Label55));
    // 0.00525 * 250^4 * 1 / (2688000 * 1.0 cm) = 7.6294
    EXPECT_EQ(text(C::Text5), "7,63");
}

struct TwoSpanCase {
    const char* name;
    ControlId series;
    const char* l1;
    const char* l2;
    const char* text5;
    const char* mullion;
};

class TwoSpans : public Run, public ::testing::WithParamInterface<TwoSpanCase> {};

TEST_P(TwoSpans, PickTheirCaseFromTheSpans) {
    const TwoSpanCase& c = GetParam();
    twoSpanBay(c.series, c.l1, c.l2);
    typedPressure("1");
    f.click(C::Command15);
    f.click(C::Command1);
    ASSERT_TRUE(f.pendingMessages().empty()) << f.pendingMessages()[0];
    EXPECT_EQ(text(C::Text5), c.text5);
    EXPECT_EQ(text(C::Text6), c.mullion);
    EXPECT_EQ(text(C::Text26), c.l2);  // the second span is echoed in a two-span run
    EXPECT_TRUE(visible(C::Text43));
    EXPECT_DOUBLE_EQ(formNumber(f.form().mullionLengthL2), *parseNumber(c.l2, kGreek));
}

INSTANTIATE_TEST_SUITE_P(
    All, TwoSpans,
    // b = 150, p = 1, d = 200, f = 15 mm.
    ::testing::Values(
        // Equal spans, L/d = 1.5 <= 1.50: 0.015 * 300^3 * 5 * 200 / 6454000 = 62.75
        TwoSpanCase{"veltra_equal", C::Option10, "300", "300", "62,75", "KA-02"},
        // "300,0" is the same span as "300": still the equal-span formula
        TwoSpanCase{"veltra_equal_as_numbers", C::Option10, "300", "300,0", "62,75", "KA-02"},
        // L2/L1 = 0.5, L/d = 2 > 1.5: 150 * 400^2 / 4032000 * 0.01 * 440000 / 100 = 261.90
        TwoSpanCase{"korin_unequal", C::Option11, "400", "200", "261,90", "TB-03"},
        // L2/L1 = 0.2 belongs to the unequal case: factor 9*480*400 - 3*480^2 - 4*400^2 = 396800
        // J0 = 150 * 400^2 / 4032000 * 0.01 = 0.0595238; Jx = 236.19
        TwoSpanCase{"veltra_ratio_exactly_0_2", C::Option10, "400", "80", "236,19", "KA-04"},
        // L2/L1 = 0.15: 150 * 460^4 / 1942500 * 0.0001 = 345.75
        TwoSpanCase{"veltra_short_upper", C::Option10, "400", "60", "345,75", "KA-04"},
        // Terrax, the worked examples
        TwoSpanCase{"terrax_equal", C::Option12, "300", "300", "150,67", "TC-03"},
        TwoSpanCase{"terrax_unequal", C::Option12, "400", "200", "261,90", "TC-04"},
        TwoSpanCase{"terrax_short_upper", C::Option12, "400", "60", "345,75", "TC-04"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(Run, TerraxEqualSpanWorkedExampleInTheWindow) {
    twoSpanBay(C::Option12, "300", "300");
    typedPressure("1");
    f.click(C::Command15);
    f.click(C::Command1);
    EXPECT_EQ(text(C::Text15), "18,08");
    EXPECT_EQ(text(C::Text14), "TC-07");
    // a = 150 of Ls = 1500 mm: 375 * 150 * 1500^2 * (3 - 4 * 0,1^2) / 5040000 / 10000
    EXPECT_EQ(text(C::Text17), "7,43");
    EXPECT_EQ(text(C::Text18), "4,95");
    EXPECT_EQ(text(C::Text20), "190");
    EXPECT_EQ(text(C::Text25), "168,75");
    EXPECT_EQ(text(C::Text9), "17,76");
    EXPECT_EQ(text(C::Text35), "28,02");
    EXPECT_EQ(text(C::Text36), "6,02");
    EXPECT_EQ(text(C::Text29), "1,00");
}

TEST_F(Run, NoFittingMullionShowsTheMessageAndHidesTheSuggestion) {
    veltraOneSpanBay();
    f.click(C::Command1);  // KA-01 first, so the later run must clear it
    oneSpanGeometry(C::Option11, C::Option9, "300", "300", "900", "100", "150");
    f.click(C::Command1);
    EXPECT_TRUE(visible(C::Label1));
    for (ControlId id : {C::Text6, C::Text14, C::Text15, C::Text17, C::Text18, C::Text20,
                         C::Label18, C::Label57, C::Label58, C::Label75, C::Label76})
        EXPECT_FALSE(visible(id)) << controlName(id);
    for (ControlId id : {C::Text5, C::Text9, C::Text25})
        EXPECT_TRUE(visible(id)) << controlName(id);
    EXPECT_EQ(text(C::Text6), "");
    EXPECT_EQ(text(C::Text35), "");
    EXPECT_EQ(text(C::Text36), "");
    EXPECT_EQ(f.form().suggestedIx, TaggedValue::text(""));
    EXPECT_EQ(f.form().suggestedFibre, TaggedValue::text(""));
}

TEST_F(Run, NoMatchingTransomSaysSo) {
    veltraOneSpanBay();
    f.click(C::Command1);
    ASSERT_EQ(text(C::Text14), "KA-11 + KA-12");
    f.type(C::Text10, "0");
    f.type(C::Text12, "1");  // a tiny transom requirement, still a KA-10
    f.type(C::Text8, "0");
    f.click(C::Command2);  // no wind: no transom row and no mullion row match
    f.click(C::Command1);
    EXPECT_EQ(text(C::Text14), "Καμία δεν επαρκεί");
    EXPECT_EQ(text(C::Text6), "");
    f.click(C::Command10);  // the message follows the language
    EXPECT_EQ(text(C::Text14), "None fits");
}

TEST_F(Run, PressureModeRereadsText8OnceAndTheEchoShowsIt) {
    veltraOneSpanBay();
    typedPressure("0,65");
    f.type(C::Text8, "0,8");  // edited after the button: this is the pressure of the run
    f.click(C::Command1);
    EXPECT_EQ(text(C::Text3), "0,8");
    EXPECT_EQ(text(C::Text29), "0,80");
    EXPECT_EQ(f.form().windPressure, TaggedValue::text("0,8"));
    EXPECT_EQ(f.form().windInput, WindInput::Taken);
    f.type(C::Text8, "2");
    f.click(C::Command1);  // not re-read without the button
    EXPECT_EQ(text(C::Text3), "0,8");
}

TEST_F(Run, NoStaticSystemRunsOnlyThePreamble) {
    veltraOneSpanBay();
    f.click(C::Command1);
    f.click(C::Option11);  // unselects the system, keeps the texts
    f.click(C::Command1);
    EXPECT_EQ(text(C::Text1), "105");
    EXPECT_EQ(text(C::Text29), "0,50");
    EXPECT_TRUE(visible(C::Label51));
    EXPECT_FALSE(visible(C::Text5));  // hidden by the reset, not shown again
    EXPECT_EQ(text(C::Text5), "30,52");
    EXPECT_TRUE(f.pendingMessages().empty());
}

TEST_F(Run, TerraxSlopedRunKeepsTheWindPressureAndRepeatsExactly) {
    terraxSlopedBay();
    f.click(C::Command1);
    const std::string first = text(C::Text5);
    EXPECT_EQ(f.form().windPressure, TaggedValue::real(0.8));
    EXPECT_EQ(text(C::Text3), "0,8");
    f.click(C::Command1);
    EXPECT_EQ(text(C::Text5), first);
    // alpha = 30 * 3.14 / 180 = 0.523333: cos = 0.866158, sin = 0.499770;
    // p = (0.24525 + 0.981 + 0.1) * 0.866158 + 0.8 * 9.81 / 10 * 0.499770 = 1.540966
    // L/d = 1.5 cm against f = 15 mm (Text38 follows L as it is typed): the ratio branch,
    // 5 * 200 * 300^3 * (150 * 1.540966 / 10000) / 2688000 = 232.176
    EXPECT_EQ(first, "232,18");
}

struct RefusalCase {
    const char* name;
    ControlId field;
    const char* typed;
    ControlId focus;
};

class Refusals : public Run, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(Refusals, NameTheFieldAndChangeNothing) {
    const RefusalCase& c = GetParam();
    veltraOneSpanBay();
    f.click(C::Command1);
    f.setText(c.field, c.typed);
    f.click(C::Command1);
    (void)f.takeMessages();
    const Form before = f;
    f.click(C::Command1);
    ASSERT_EQ(f.pendingMessages().size(), 1U);
    EXPECT_EQ(f.focused(), c.focus);
    expectUnchangedSince(before);
}

INSTANTIATE_TEST_SUITE_P(
    All, Refusals,
    ::testing::Values(RefusalCase{"divisor_zero", C::Text37, "0", C::Text37},
                      RefusalCase{"divisor_rounds_to_zero", C::Text37, "0,4", C::Text37},
                      RefusalCase{"divisor_too_large", C::Text37, "40000", C::Text37},
                      RefusalCase{"divisor_text", C::Text37, "L/200", C::Text37},
                      RefusalCase{"glass_negative", C::Text16, "-1", C::Text16},
                      RefusalCase{"a1_empty", C::Text4, "", C::Text4},
                      RefusalCase{"a2_dot_under_comma", C::Text7, "1.5", C::Text7},
                      RefusalCase{"length_zero", C::Text2, "0", C::Text2},
                      RefusalCase{"h1_negative", C::Text10, "-5", C::Text10},
                      RefusalCase{"h2_zero", C::Text12, "0", C::Text12},
                      RefusalCase{"deflection_text", C::Text38, "abc", C::Text38},
                      RefusalCase{"deflection_zero", C::Text38, "0", C::Text38},
                      RefusalCase{"deflection_beyond_a_real_bay", C::Text38, "10000,5", C::Text38},
                      RefusalCase{"a1_beyond_a_real_bay", C::Text4, "10001", C::Text4},
                      RefusalCase{"h2_beyond_a_real_bay", C::Text12, "1e300", C::Text12},
                      RefusalCase{"glass_beyond_a_real_bay", C::Text16, "1001", C::Text16},
                      RefusalCase{"length_beyond_a_real_bay", C::Text2, "1e300", C::Text2}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(Run, ZeroLoadWidthIsRefused) {
    veltraOneSpanBay();
    f.setText(C::Text4, "0");
    f.setText(C::Text7, "0");
    const Form before = f;
    f.click(C::Command1);
    ASSERT_EQ(f.pendingMessages().size(), 1U);
    EXPECT_EQ(f.focused(), C::Text4);
    expectUnchangedSince(before);
}

TEST_F(Run, NoWindLoadIsRefused) {
    oneSpanGeometry(C::Option10, C::Option9, "120", "90", "250", "100", "150");
    const Form before = f;
    f.click(C::Command1);
    ASSERT_EQ(f.pendingMessages().size(), 1U);
    EXPECT_EQ(f.focused(), C::Text8);
    expectUnchangedSince(before);
}

TEST_F(Run, SecondSpanLongerThanTheFirstIsRefusedWithTheSpanMessage) {
    twoSpanBay(C::Option10, "200", "300");
    f.click(C::Option1);
    const Form before = f;
    f.click(C::Command1);
    ASSERT_EQ(f.pendingMessages().size(), 1U);
    EXPECT_EQ(f.pendingMessages()[0], "L2 πρέπει να είναι πάντα < ή = από L1 (L2 = 300, L1 = 200)");
    EXPECT_EQ(f.focused(), C::Text13);
    expectUnchangedSince(before);
}

// The span message is said in the language showing and names both spans as they were typed,
// without the blanks around them.
struct SpanMessageCase {
    const char* name;
    bool english;
    const char* l1;
    const char* l2;
    const char* message;
};

class SpanMessage : public Run, public ::testing::WithParamInterface<SpanMessageCase> {};

TEST_P(SpanMessage, NamesBothSpansInTheLanguageShowing) {
    const SpanMessageCase& c = GetParam();
    twoSpanBay(C::Option10, c.l1, c.l2);
    f.click(C::Option1);
    if (c.english)
        f.click(C::Command10);
    f.click(C::Command1);
    ASSERT_EQ(f.pendingMessages().size(), 1U);
    EXPECT_EQ(f.pendingMessages()[0], c.message);
    EXPECT_EQ(f.focused(), C::Text13);
}

INSTANTIATE_TEST_SUITE_P(
    All, SpanMessage,
    ::testing::Values(
        SpanMessageCase{"greek", false, "100", "120",
                        "L2 πρέπει να είναι πάντα < ή = από L1 (L2 = 120, L1 = 100)"},
        SpanMessageCase{"english", true, "100", "120",
                        "L2 must be less than or equal to L1 (L2 = 120, L1 = 100)"},
        SpanMessageCase{"greek_trimmed_as_typed", false, " 100,0 ", "  1,2e2",
                        "L2 πρέπει να είναι πάντα < ή = από L1 (L2 = 1,2e2, L1 = 100,0)"},
        SpanMessageCase{"english_trimmed_as_typed", true, "100\t", " 120,50 ",
                        "L2 must be less than or equal to L1 (L2 = 120,50, L1 = 100)"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(Run, RefusalMessagesFollowTheLanguageShowing) {
    f.click(C::Option10);
    f.click(C::Command1);
    f.click(C::Command10);
    f.click(C::Command1);
    const auto messages = f.takeMessages();
    ASSERT_EQ(messages.size(), 2U);
    EXPECT_NE(messages[0].find("A1"), std::string::npos);
    EXPECT_NE(messages[0].find("κενό"), std::string::npos);
    EXPECT_NE(messages[1].find("empty"), std::string::npos);
}

TEST_F(Run, TerraxSlopedInputsAreChecked) {
    terraxSlopedBay();
    f.setText(C::Text41, "-3");
    f.click(C::Command1);
    ASSERT_EQ(f.pendingMessages().size(), 1U);
    EXPECT_EQ(f.focused(), C::Text41);
    EXPECT_EQ(text(C::Text5), "");
}

}  // namespace
}  // namespace cw::test
