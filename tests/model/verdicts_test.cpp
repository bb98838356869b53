// The rows of the results panel that state a verdict or a rule say what the numbers say.

#include "input/form.h"
#include "model/choices.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace cw {
namespace {

using C = ControlId;

// A one-span Veltra or Korin bay, A1 = A2 = a, through the pressure button.
Form designed(ControlId series, const char* a, const char* l, const char* pressure,
              DeflectionCriterion criterion) {
    Form f(NumberFormat::fromLocale("el_GR"));
    f.click(series);
    f.click(C::Option9);
    for (const auto& [id, text] : {std::pair{C::Text4, a},
                                   {C::Text7, a},
                                   {C::Text2, l},
                                   {C::Text10, "100"},
                                   {C::Text12, "200"},
                                   {C::Text8, pressure}})
        f.type(id, text);
    f.click(C::Command2);
    f.click(C::Command15);
    chooseCriterion(f.state(), criterion);
    f.click(C::Command1);
    EXPECT_TRUE(f.pendingMessages().empty());
    return f;
}

struct CaptionRow {
    const char* name;
    ControlId series;
    const char* a;
    const char* l;
    const char* pressure;
    DeflectionCriterion criterion;
    ControlId caption;
    const char* contains;
    bool warns;
};

constexpr auto k2003 = DeflectionCriterion::En13830_2003;
constexpr auto k2015 = DeflectionCriterion::En13830_2015;

const CaptionRow kRows[] = {
    {"stress_below", C::Option10, "120", "300", "0,8", k2003, C::Label73, "<", false},
    {"stress_above_greek", C::Option11, "400", "300", "1,2", k2003, C::Label73,
     "σ (κολ) > σ (max): η κολώνα υπερκαταπονείται", true},
    {"stress_above_english", C::Option11, "400", "300", "1,2", k2003, C::Label109,
     "mullion overstressed", true},
    {"rule_2015_five_plus", C::Option10, "150", "350", "1", k2015, C::Label7, "5 + L/300 =", false},
    {"rule_2015_over_200_english", C::Option10, "150", "250", "1", k2015, C::Label108,
     "Allowable 2015: L/200 =", false},
    {"rule_2003_original", C::Option10, "150", "350", "1", k2003, C::Label7,
     "Μέγιστο επιτρεπτό Βέλος κάμψης", false},
};

class StatedRow : public ::testing::TestWithParam<CaptionRow> {};

TEST_P(StatedRow, SaysWhatTheNumbersSay) {
    const CaptionRow& row = GetParam();
    const Form f = designed(row.series, row.a, row.l, row.pressure, row.criterion);
    EXPECT_NE(f.caption(row.caption).find(row.contains), std::string::npos)
        << f.caption(row.caption);
    EXPECT_EQ(f.warns(row.caption), row.warns);
}

INSTANTIATE_TEST_SUITE_P(Rows, StatedRow, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<CaptionRow>& row) {
                             return std::string(row.param.name);
                         });

// Two unequal spans are sized for the continuous beam while the suggestion's deflection is
// that of a simple span, so its check can fail: the row says so.
TEST(StatedRow, DeflectionAboveTheLimitIsSaid) {
    Form f(NumberFormat::fromLocale("el_GR"));
    f.click(C::Option11);
    f.click(C::Option13);
    for (const auto& [id, text] : {std::pair{C::Text4, "150"},
                                   {C::Text7, "150"},
                                   {C::Text2, "400"},
                                   {C::Text13, "200"},
                                   {C::Text10, "100"},
                                   {C::Text12, "200"},
                                   {C::Text8, "1"}})
        f.type(id, text);
    f.click(C::Command2);
    f.click(C::Command15);
    f.click(C::Command1);
    ASSERT_EQ(f.text(C::Text18), "18,60");
    EXPECT_NE(f.caption(C::Label6).find("> επιτρεπτό"), std::string::npos);
    EXPECT_TRUE(f.warns(C::Label6));
    EXPECT_FALSE(f.warns(C::Label73));
}

}  // namespace
}  // namespace cw
