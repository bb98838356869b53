#include "form_fixture.h"

namespace cw::test {
namespace {

class Selection : public FormTest {};

TEST_F(Selection, SystemBeforeAnySeriesOnlyMarksTheOption) {
    f.click(C::Option9);
    EXPECT_TRUE(f.selected(C::Option9));
    EXPECT_FALSE(visible(C::Text4));
    EXPECT_TRUE(visible(C::Image5));
    EXPECT_FALSE(visible(C::Image2));
}

struct DiagramCase {
    const char* name;
    ControlId series;
    ControlId system;
    ControlId diagram;
};

class Diagrams : public FormTest, public ::testing::WithParamInterface<DiagramCase> {};

TEST_P(Diagrams, SeriesAndSystemShowOneDiagramAndTheGeometry) {
    const DiagramCase& c = GetParam();
    f.click(c.series);
    f.click(c.system);
    for (ControlId image : {C::Image2, C::Image3, C::Image4, C::Image7, C::Image8})
        EXPECT_EQ(visible(image), image == c.diagram) << controlName(image);
    EXPECT_FALSE(visible(C::Image5));
    const bool twoSpans = c.system == C::Option13;
    for (ControlId id : {C::Text4, C::Text7, C::Text2, C::Text10, C::Text12, C::Command5,
                         C::Command6, C::Command12, C::Command13, C::Command3})
        EXPECT_TRUE(visible(id)) << controlName(id);
    for (ControlId id : {C::Text13, C::Command18, C::Command20})
        EXPECT_EQ(visible(id), twoSpans) << controlName(id);
    EXPECT_EQ(f.focused(), C::Text4);
}

INSTANTIATE_TEST_SUITE_P(
    All, Diagrams,
    ::testing::Values(DiagramCase{"veltra_one_span", C::Option10, C::Option9, C::Image2},
                      DiagramCase{"korin_two_spans", C::Option11, C::Option13, C::Image3},
                      DiagramCase{"veltra_fixed_ends", C::Option10, C::Option14, C::Image4},
                      DiagramCase{"terrax_one_span", C::Option12, C::Option9, C::Image7},
                      DiagramCase{"terrax_two_spans", C::Option12, C::Option13, C::Image8}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(Selection, SystemClickEmptiesTheGeometryButOneSpanKeepsL2) {
    twoSpanBay(C::Option10, "400", "200");
    f.click(C::Option9);
    for (ControlId id : {C::Text4, C::Text7, C::Text2, C::Text10, C::Text12, C::Text1})
        EXPECT_EQ(text(id), "") << controlName(id);
    EXPECT_EQ(text(C::Text13), "200");
    EXPECT_FALSE(visible(C::Text13));
    f.click(C::Option13);
    EXPECT_EQ(text(C::Text13), "");
}

TEST_F(Selection, SeriesClickHidesTheGeometryKeepsTextsAndResetsTheSystem) {
    veltraOneSpanBay();
    f.click(C::Option11);
    EXPECT_FALSE(f.selected(C::Option9));
    EXPECT_FALSE(visible(C::Text4));
    EXPECT_FALSE(visible(C::Command12));
    EXPECT_EQ(text(C::Text4), "120");
    EXPECT_TRUE(visible(C::Image5));
    EXPECT_FALSE(f.selected(C::Option1));  // the 0-8 m band is unselected, its pressure kept
    EXPECT_DOUBLE_EQ(formNumber(f.form().windPressure), 0.5);
    EXPECT_EQ(f.form().language, Language::Greek);
    EXPECT_EQ(f.form().seriesChosen, true);
}

TEST_F(Selection, TerraxShowsSlopedGlazingAndHidesFixedEnds) {
    f.click(C::Option11);
    f.click(C::Option12);
    for (ControlId id : {C::Label115, C::Label116, C::Label117, C::Text40, C::Text41, C::Text42})
        EXPECT_TRUE(visible(id)) << controlName(id);
    EXPECT_FALSE(visible(C::Option14));
    EXPECT_FALSE(visible(C::Label21));
    EXPECT_EQ(text(C::Text41), "100");
    f.click(C::Option10);
    EXPECT_FALSE(visible(C::Text40));
    EXPECT_TRUE(visible(C::Option14));
    EXPECT_TRUE(visible(C::Label21));
}

struct BandCase {
    const char* name;
    ControlId option;
    double pressure;
    int limit;
    const char* speed;
    const char* text3;
};

class HeightBands : public FormTest, public ::testing::WithParamInterface<BandCase> {};

TEST_P(HeightBands, SetThePresetPressureAndItsWindSpeed) {
    const BandCase& c = GetParam();
    typedPressure("0,65");  // the pressure mode is left by the band click
    f.click(c.option);
    EXPECT_EQ(f.form().windPressure, TaggedValue::real(c.pressure));
    EXPECT_EQ(f.form().heightBandLimit, TaggedValue::int16(std::int16_t(c.limit)));
    EXPECT_EQ(f.form().windInput, WindInput::Taken);
    EXPECT_EQ(text(C::Text8), "");
    EXPECT_EQ(text(C::Text11), c.speed);
    EXPECT_EQ(text(C::Text3), c.text3);
}

INSTANTIATE_TEST_SUITE_P(
    All, HeightBands,
    // v = sqrt(p * 10^7 / 483)
    ::testing::Values(BandCase{"up_to_8m", C::Option1, 0.5, 8, "101,74", "0,5"},
                      BandCase{"up_to_20m", C::Option2, 0.8, 20, "128,70", "0,8"},
                      BandCase{"up_to_100m", C::Option3, 1.2, 100, "157,62", "1,2"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(Selection, PressureButtonTakesTheTypedText) {
    typedPressure("0,65");
    EXPECT_EQ(f.form().windInput, WindInput::TypedPressure);
    EXPECT_EQ(f.form().windPressure, TaggedValue::text("0,65"));
    EXPECT_EQ(text(C::Text3), "0,65");
    EXPECT_EQ(text(C::Text11), "116,01");  // sqrt(0.65e7 / 483) = 116.007
    f.type(C::Text8, "0,7");
    f.click(C::Command11);  // the English twin does the same
    EXPECT_EQ(f.form().windPressure, TaggedValue::text("0,7"));
}

TEST_F(Selection, SpeedButtonComputesThePressure) {
    f.type(C::Text11, "100");
    f.click(C::Command4);
    EXPECT_EQ(f.form().windInput, WindInput::FromSpeed);
    EXPECT_EQ(text(C::Text3), "0,483");  // 100^2 * 483 / 10^7
    EXPECT_EQ(text(C::Text8), "0");
    f.type(C::Text11, "120");
    f.click(C::Command14);
    EXPECT_EQ(text(C::Text3), "0,69552");
}

struct RefusedButton {
    const char* name;
    ControlId field;
    const char* typed;
    ControlId button;
};

class WindAndDeflectionRefusals : public FormTest,
                                  public ::testing::WithParamInterface<RefusedButton> {};

TEST_P(WindAndDeflectionRefusals, ChangeNothingAndSayWhy) {
    const RefusedButton& c = GetParam();
    f.type(C::Text2, "300");
    f.setText(c.field, c.typed);
    const Form before = f;
    f.click(c.button);
    ASSERT_EQ(f.pendingMessages().size(), 1U);
    EXPECT_FALSE(f.pendingMessages()[0].empty());
    for (int i = 0; i < kControlCount; ++i) {
        const auto id = ControlId(i);
        EXPECT_EQ(f.text(id), before.text(id)) << controlName(id);
        EXPECT_EQ(f.visible(id), before.visible(id)) << controlName(id);
    }
    EXPECT_EQ(f.form().windInput, before.form().windInput);
    EXPECT_EQ(f.form().windPressure, before.form().windPressure);
}

INSTANTIATE_TEST_SUITE_P(
    All, WindAndDeflectionRefusals,
    ::testing::Values(RefusedButton{"pressure_empty", C::Text8, "", C::Command2},
                      RefusedButton{"pressure_letters", C::Text8, "abc", C::Command2},
                      RefusedButton{"pressure_dot_under_comma", C::Text8, "1.5", C::Command11},
                      RefusedButton{"pressure_negative", C::Text8, "-1", C::Command2},
                      RefusedButton{"pressure_overflows_speed", C::Text8, "1e305", C::Command2},
                      RefusedButton{"speed_empty", C::Text11, "", C::Command4},
                      RefusedButton{"speed_negative", C::Text11, "-5", C::Command14},
                      RefusedButton{"speed_overflows", C::Text11, "1e200", C::Command4},
                      RefusedButton{"divisor_zero", C::Text37, "0", C::Command17},
                      RefusedButton{"divisor_letters", C::Text37, "x", C::Command17},
                      // The Greek EN 13830 button refuses what its English twin refuses.
                      RefusedButton{"greek_divisor_zero", C::Text37, "0", C::Command15},
                      RefusedButton{"greek_divisor_empty", C::Text37, "", C::Command15},
                      RefusedButton{"greek_length_empty", C::Text2, "", C::Command15},
                      RefusedButton{"greek_length_letters", C::Text2, "x", C::Command15},
                      RefusedButton{"greek_tiny_divisor_overflows", C::Text37, "1e-307",
                                    C::Command15},
                      RefusedButton{"length_empty", C::Text2, "", C::Command16},
                      RefusedButton{"deflection_zero", C::Text38, "0", C::Command19},
                      RefusedButton{"deflection_empty", C::Text38, "", C::Command16}),
    [](const auto& row) { return std::string(row.param.name); });

// Both EN 13830 buttons, the Greek and its English twin, write f = min(10 L / d, 15) mm.
struct En13830Case {
    const char* name;
    const char* L;
    const char* d;
    const char* f;  // 10 L / d, at most 15, as plain text
};

class En13830Button : public FormTest, public ::testing::WithParamInterface<En13830Case> {};

TEST_P(En13830Button, WritesLOverDAtMost15InEitherLanguage) {
    const En13830Case& c = GetParam();
    for (const bool english : {false, true}) {
        f = Form{kGreek};
        f.type(C::Text2, c.L);
        f.setText(C::Text37, c.d);
        f.setText(C::Text38, "7");
        if (english)
            f.click(C::Command10);
        f.click(english ? C::Command17 : C::Command15);
        EXPECT_TRUE(f.pendingMessages().empty()) << (english ? "English" : "Greek");
        EXPECT_EQ(text(C::Text38), c.f) << (english ? "English" : "Greek");
        EXPECT_EQ(text(C::Text44), c.f) << (english ? "English" : "Greek");
    }
}

INSTANTIATE_TEST_SUITE_P(
    All, En13830Button,
    ::testing::Values(En13830Case{"l350_d300", "350", "300", "11,6666666666667"},  // 11,67 mm
                      En13830Case{"l250_d200", "250", "200", "12,5"},
                      En13830Case{"l300_d200_exactly_15", "300", "200", "15"},
                      En13830Case{"l400_d200_capped", "400", "200", "15"},   // 20 mm
                      En13830Case{"l350_d200_capped", "350", "200", "15"}),  // 17,5 mm
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(Selection, DeflectionButtons) {
    f.type(C::Text2, "300");
    f.setText(C::Text38, "10");
    f.click(C::Command19);
    EXPECT_EQ(text(C::Text37), "300");  // 300 / 10 * 10
    f.type(C::Text2, "350");
    f.setText(C::Text38, "15");
    f.click(C::Command16);
    EXPECT_EQ(text(C::Text37), "233,333333333333");
}

TEST_F(Selection, AllowableDeflectionBelowFifteenIsCopied) {
    f.type(C::Text2, "250");
    f.type(C::Text37, "200");
    f.click(C::Command10);
    f.click(C::Command17);
    EXPECT_EQ(text(C::Text38), "12,5");
    EXPECT_EQ(text(C::Text44), "12,5");
}

}  // namespace
}  // namespace cw::test
