// The verdict line says in one sentence what the panel's numbers say, with those numbers.

#include "model/verdict_line.h"

#include "input/form.h"

#include <gtest/gtest.h>

#include <cctype>

#include <string>
#include <utility>
#include <vector>

namespace cw {
namespace {

using C = ControlId;
using Kind = VerdictLine::Kind;

struct Bay {
    ControlId series;
    ControlId system;
    const char* a;
    const char* l1;
    const char* l2;  // two spans only
    const char* pressure;
};

// Through the pressure button, H1 = 100, H2 = 200, f = 15 mm.
void design(Form& f, const Bay& bay) {
    f.click(bay.series);
    f.click(bay.system);
    std::vector<std::pair<ControlId, const char*>> typed = {
        {C::Text4, bay.a},  {C::Text7, bay.a},  {C::Text2, bay.l1},
        {C::Text10, "100"}, {C::Text12, "200"}, {C::Text8, bay.pressure}};
    if (bay.system == C::Option13)
        typed.emplace_back(C::Text13, bay.l2);
    for (const auto& [id, text] : typed)
        f.type(id, text);
    f.click(C::Command2);
    f.click(C::Command15);
    f.click(C::Command1);
}

struct Row {
    const char* name;
    const char* locale;
    bool english;
    Bay bay;
    Kind kind;
    // The failing checks a failing line names; a passing line names both.
    bool namesDeflection;
    bool namesStress;
};

const Row kRows[] = {
    {"veltra passes, greek",
     "el_GR",
     false,
     {C::Option10, C::Option9, "120", "300", "", "0,8"},
     Kind::Passes,
     true,
     true},
    {"veltra passes, english with a point",
     "en_US",
     true,
     {C::Option10, C::Option9, "120", "300", "", "0.8"},
     Kind::Passes,
     true,
     true},
    {"korin overstressed, english",
     "el_GR",
     true,
     {C::Option11, C::Option9, "400", "300", "", "1,2"},
     Kind::Fails,
     false,
     true},
    {"two spans, deflection fails only",
     "el_GR",
     false,
     {C::Option11, C::Option13, "150", "400", "200", "1"},
     Kind::Fails,
     true,
     false},
    {"two spans, both fail",
     "el_GR",
     true,
     {C::Option11, C::Option13, "150", "400", "200", "1,8"},
     Kind::Fails,
     true,
     true},
    {"nothing fits",
     "el_GR",
     false,
     {C::Option11, C::Option9, "300", "900", "", "1,5"},
     Kind::NoneFits,
     false,
     false},
};

class VerdictLineRow : public ::testing::TestWithParam<Row> {};

TEST_P(VerdictLineRow, StatesThePanelsNumbers) {
    const Row& row = GetParam();
    const NumberFormat fmt = NumberFormat::fromLocale(row.locale);
    Form f(fmt);
    if (row.english)
        f.click(C::Command10);
    design(f, row.bay);
    ASSERT_TRUE(f.pendingMessages().empty()) << f.pendingMessages().front();
    const std::optional<VerdictLine> line = verdictLine(f.state());
    ASSERT_TRUE(line);
    EXPECT_EQ(line->kind, row.kind) << line->text;
    const std::string& text = line->text;
    if (row.kind == Kind::NoneFits) {
        EXPECT_EQ(text, "Καμία κολώνα του καταλόγου δεν επαρκεί");
        return;
    }

    // The test's own comparison of the shown numbers, to two decimals as shown.
    const auto shown = [&](ControlId id) { return *parseNumber(f.text(id), fmt); };
    const bool deflectionOk = shown(C::Text18) <= shown(C::Text23) + 0.004;
    const bool stressOk = shown(C::Text36) <= 9.504;
    EXPECT_EQ(row.kind == Kind::Passes, deflectionOk && stressOk);

    const std::string limit = "9" + fmt.decimal + "50";
    const std::string mullion = f.text(C::Text6);
    const std::string deflection = std::string(row.english ? "deflection " : "βέλος ") +
                                   f.text(C::Text18) + (deflectionOk ? " ≤ " : " > ") +
                                   f.text(C::Text23) + " mm";
    const std::string stress =
        "σ " + f.text(C::Text36) + (stressOk ? " ≤ " : " > ") + limit + " kN/cm²";
    std::string checks;
    if (row.namesDeflection)
        checks = deflection;
    if (row.namesStress)
        checks += (checks.empty() ? "" : ", ") + stress;
    const std::string head =
        row.english
            ? "Mullion " + mullion + (deflectionOk && stressOk ? " passes: " : " fails: ")
            : "Η κολώνα " + mullion + (deflectionOk && stressOk ? " επαρκεί: " : " δεν επαρκεί: ");
    EXPECT_EQ(text, head + checks);
}

INSTANTIATE_TEST_SUITE_P(Rows, VerdictLineRow, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<Row>& param) {
                             std::string name;
                             for (const char c : std::string(param.param.name))
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

// A change after the run turns the line into the notice; putting it back or a new run ends it.
TEST(VerdictLine, SaysWhenTheResultsAreOld) {
    Form f(NumberFormat::fromLocale("el_GR"));
    EXPECT_FALSE(verdictLine(f.state()));
    design(f, {C::Option10, C::Option9, "120", "300", "", "0,8"});
    ASSERT_EQ(verdictLine(f.state())->kind, Kind::Passes);

    f.type(C::Text2, "310");
    ASSERT_EQ(verdictLine(f.state())->kind, Kind::OutOfDate);
    EXPECT_EQ(verdictLine(f.state())->text,
              "Αποτελέσματα του τελευταίου υπολογισμού — τα δεδομένα άλλαξαν: πατήστε NEXT");
    f.click(C::Command10);
    EXPECT_EQ(verdictLine(f.state())->text,
              "Results of the last run — the inputs have changed: press NEXT");
    f.type(C::Text2, "300");
    EXPECT_EQ(verdictLine(f.state())->kind, Kind::Passes);
    f.type(C::Text2, "310");
    f.click(C::Command1);
    EXPECT_EQ(verdictLine(f.state())->kind, Kind::Passes);
    EXPECT_EQ(verdictLine(f.state())->text.rfind("Mullion ", 0), 0u);
}

}  // namespace
}  // namespace cw
