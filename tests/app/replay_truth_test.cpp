// What the window tells an engineer must be true: verdicts that follow the numbers, results
// captioned in the language showing, echoes of what the run used, and the allowable deflection
// the run designed for. Each row drives the replay tool and reads its last dump.

#include "app/replay_script.h"
#include "input/form.h"
#include "model/inventory.h"
#include "model/result_captions.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace cw {
namespace {

// A bay typed into the form: series, system, A1, A2, L, H1, H2.
std::string bay(const char* series, const char* system, const char* a1, const char* a2,
                const char* l, const char* h1, const char* h2) {
    return std::string("click ") + series + "\nclick " + system + "\ntype Text4 " + a1 +
           "\ntype Text7 " + a2 + "\ntype Text2 " + l + "\ntype Text10 " + h1 + "\ntype Text12 " +
           h2 + "\n";
}

// The Veltra bay worked by hand: A1 120, A2 90, L 300, H1 100, H2 200, 8-20 m, EN 13830.
const std::string kVeltra = bay("Option10", "Option9", "120", "90", "300", "100", "200") +
                            "click Option2\nclick Command15\n";
// The same with the English captions showing, where the EN 13830 button takes f from L / d.
const std::string kVeltraEnglish = "click Command10\n" +
                                   bay("Option10", "Option9", "120", "90", "300", "100", "200") +
                                   "click Option2\nclick Command17\n";
// Korin, Dalvo, A1 = A2 = 400: TB-04 is the smallest fit, and overstressed.
const std::string kKorinWide = bay("Option11", "Option9", "400", "400", "300", "100", "200") +
                               "click Option3\nclick Command15\n";
// A1 = A2 = 150, L 400, 1 kN/m2 through the pressure button.
const std::string kPressureBay = bay("Option10", "Option9", "150", "150", "400", "100", "200") +
                                 "type Text8 1\nclick Command2\n";

QJsonObject lastDump(const std::string& script, const char* locale) {
    std::istringstream in(script + "dump\n");
    std::ostringstream out, err;
    const int status = runReplay(in, out, err, NumberFormat::fromLocale(locale));
    EXPECT_EQ(status, 0) << err.str();
    std::string line, last;
    std::istringstream lines(out.str());
    while (std::getline(lines, line))
        last = line;
    return QJsonDocument::fromJson(QByteArray::fromStdString(last)).object();
}

// "controls.Text5.text", "verdicts.stress", "messages.0": a value of the dump as text; JSON
// null reads "null", booleans "true"/"false".
std::string valueAt(const QJsonObject& dump, const std::string& path) {
    QJsonValue v = dump;
    std::istringstream parts(path);
    std::string part;
    while (std::getline(parts, part, '.')) {
        if (v.isArray())
            v = v.toArray().at(std::stoi(part));
        else
            v = v.toObject().value(QString::fromStdString(part));
    }
    if (v.isNull())
        return "null";
    if (v.isBool())
        return v.toBool() ? "true" : "false";
    if (v.isDouble())
        return QString::number(v.toDouble(), 'g', 15).toStdString();
    if (v.isUndefined())
        return "<missing>";
    return v.toString().toStdString();
}

struct TruthRow {
    const char* name;
    const char* locale;
    std::string script;
    std::vector<std::pair<std::string, std::string>> expected;
};

class Truth : public ::testing::TestWithParam<TruthRow> {};

std::string rowName(const ::testing::TestParamInfo<TruthRow>& row) {
    return row.param.name;
}

TEST_P(Truth, TheDumpSaysWhatTheRunDid) {
    const TruthRow& row = GetParam();
    const QJsonObject dump = lastDump(row.script, row.locale);
    for (const auto& [path, value] : row.expected)
        EXPECT_EQ(valueAt(dump, path), value) << path;
}

const TruthRow kVerdicts[] = {
    {"overstressed_mullion_fails",
     "el_GR",
     kKorinWide + "click Command1\n",
     {{"controls.Text6.text", "TB-04"},
      {"controls.Text36.text", "9,69"},
      {"verdicts.stress", "fail"},
      {"verdicts.deflection", "pass"}}},
    // Jx = 84,38 -> KA-02; transom over A1 = 1,2 m: 7,41 and, with the setting blocks 150 mm
    // from the ends of 1200 mm, 300 * 150 * 1200^2 * (3 - 4 * 0,125^2) / 5040000 / 10^4 = 3,78;
    // L/d = 1,5 cm = f.
    {"veltra_bay_passes_both",
     "el_GR",
     kVeltra + "click Command1\n",
     {{"controls.Text5.text", "84,38"},
      {"controls.Text6.text", "KA-02"},
      {"controls.Text15.text", "7,41"},
      {"controls.Text14.text", "KA-11 + KA-12"},
      {"controls.Text17.text", "3,78"},
      {"controls.Text18.text", "11,19"},
      {"controls.Text23.text", "15,00"},
      {"controls.Text25.text", "94,50"},
      {"verdicts.stress", "pass"},
      {"verdicts.deflection", "pass"}}},
    {"no_suggestion_no_verdict",
     "el_GR",
     bay("Option11", "Option9", "300", "300", "900", "100", "150") +
         "click Option1\nclick Command15\nclick Command1\n",
     {{"controls.Label1.visible", "true"},
      {"verdicts.stress", "null"},
      {"verdicts.deflection", "null"}}},
    {"before_any_run", "en_US", "", {{"verdicts.stress", "null"}}},
};
INSTANTIATE_TEST_SUITE_P(Verdicts, Truth, ::testing::ValuesIn(kVerdicts), rowName);

const TruthRow kDeflection[] = {
    // 5 q L^4 / (384 E * 1,0 cm) = 0,015 * 400^4 * 5 / 2688000
    {"typed_f_below_15_is_the_limit",
     "el_GR",
     kPressureBay + "type Text38 10\nclick Command1\n",
     {{"controls.Text5.text", "714,29"},
      {"controls.Text23.text", "10,00"},
      {"controls.Text19.text", "10"},
      {"controls.Text32.text", "10"}}},
    {"f_above_15_is_capped",
     "el_GR",
     kPressureBay + "type Text38 20\nclick Command1\n",
     {{"controls.Text5.text", "476,19"}, {"controls.Text23.text", "15,00"}}},
    // L/d = 1,25 cm governs below f = 15 mm; the EN 13830 button wrote f = 10 * 250 / 200.
    {"ratio_limit_shown_where_it_governs",
     "en_US",
     bay("Option10", "Option9", "150", "150", "250", "100", "200") +
         "type Text8 1\nclick Command2\nclick Command15\nclick Command1\n",
     {{"controls.Text23.text", "12.50"}, {"controls.Text32.text", "12.5"}}},
    // Fixed ends, f 20: L/d = 1,75 cm is above min(2,0; 1,5) cm, so 1,5 cm governs:
    // 0,015 * 350^4 / (2688000 * 1,5) = 55,83 -> KA-02 (Ix 113,13), whose deflection is
    // 1,5 * 3500^4 / (26880000 * 1131300) = 7,40 mm.
    {"fixed_ends_f_above_15_is_capped",
     "el_GR",
     bay("Option10", "Option14", "150", "150", "350", "100", "200") +
         "type Text8 1\nclick Command2\ntype Text38 20\nclick Command1\n",
     {{"controls.Text5.text", "55,83"},
      {"controls.Text6.text", "KA-02"},
      {"controls.Text18.text", "7,40"},
      {"controls.Text23.text", "15,00"},
      {"form.AbsoluteLimit", "2,00"},
      {"verdicts.deflection", "pass"}}},
    // Terrax sloped glazing, 30 degrees, 8-20 m: the mullion TC-04 is checked under
    // p_d = 1,540962 kN/m2: 5 * 2,311443 * 3000^4 / (26880000 * 4890000) = 7,12 mm.
    {"sloped_glazing_checked_under_its_design_load",
     "el_GR",
     bay("Option12", "Option9", "150", "150", "300", "100", "200") + "click Option2\n" +
         "click Command1\n",
     {{"controls.Text6.text", "TC-04"}, {"controls.Text18.text", "7,12"}}},
    {"fixed_ends_echo_f_as_typed",
     "el_GR",
     bay("Option10", "Option14", "150", "150", "400", "100", "200") +
         "type Text8 1\nclick Command2\ntype Text38 10\nclick Command1\n",
     {{"controls.Text5.text", "142,86"},
      {"controls.Text23.text", "10,00"},
      {"controls.Text32.text", "10"}}},
    {"zero_f_refused",
     "en_US",
     kPressureBay + "click Command10\ntype Text38 0\nclick Command1\n",
     {{"messages.0", "The field \"Deflection (mm)\" must be greater than 0."},
      {"focus", "Text38"},
      {"controls.Text5.visible", "false"}}},
    // A stricter divisor doubles the mullion's requirement and leaves the transom's.
    {"divisor_leaves_the_transom",
     "el_GR",
     kVeltra + "type Text37 400\nclick Command1\n",
     {{"controls.Text15.text", "7,41"}, {"controls.Text5.text", "168,75"}}},
};
INSTANTIATE_TEST_SUITE_P(Deflection, Truth, ::testing::ValuesIn(kDeflection), rowName);

const TruthRow kEchoes[] = {
    {"one_span_echoes_no_second_span",
     "el_GR",
     bay("Option10", "Option13", "150", "150", "400", "100", "200") +
         "type Text13 200\nclick Option9\n" + "type Text4 150\ntype Text7 150\ntype Text2 400\n" +
         "type Text10 100\ntype Text12 200\nclick Option1\nclick Command15\nclick Command1\n",
     {{"controls.Text26.text", ""}, {"controls.Text31.text", "8"}}},
    {"two_spans_echo_the_second_span",
     "el_GR",
     bay("Option10", "Option13", "150", "150", "400", "100", "200") +
         "type Text13 200\nclick Option1\nclick Command15\nclick Command1\n",
     {{"controls.Text26.text", "200"}}},
    // sqrt(1 * 10^7 / 483) = 143,89; the band of an earlier click is not what the run used.
    {"typed_pressure_clears_the_band",
     "el_GR",
     kVeltra + "type Text8 1\nclick Command2\nclick Command1\n",
     {{"controls.Text30.text", "143,89"},
      {"controls.Text29.text", "1,00"},
      {"controls.Text31.text", ""}}},
    {"speed_echo_is_the_speed_of_the_pressure_used",
     "el_GR",
     kVeltra + "type Text11 100\nclick Command4\ntype Text11 55\nclick Command1\n",
     {{"controls.Text30.text", "100,00"}, {"controls.Text31.text", ""}}},
    {"band_click_brings_the_band_back",
     "en_US",
     kVeltra + "type Text8 1\nclick Command2\nclick Option3\nclick Command1\n",
     {{"controls.Text31.text", "100"}, {"controls.Text30.text", "157.62"}}},
    // A run with a series and no system keeps the limits of its inputs.
    {"no_system_keeps_the_limits",
     "el_GR",
     kVeltra + "click Option11\ntype Text38 12\nclick Command1\n",
     {{"form.MullionLengthSingle", "300"},
      {"form.RatioLimit", "1,50"},
      {"form.AbsoluteLimit", "1,20"},
      {"controls.Text30.text", "128,70"}}},
    {"no_transom_fits_in_greek_and_english",
     "el_GR",
     kKorinWide + "click Command1\nclick Command10\n",
     {{"controls.Text14.text", "None fits"}}},
    {"structure_weight_in_kN_per_m2",
     "el_GR",
     bay("Option12", "Option9", "150", "150", "300", "100", "200") +
         "type Text16 0\ntype Text41 0\ntype Text42 0\nset Text40 1\nclick Option2\n"
         "click Command15\nclick Command1\n",
     // p = 1 kN/m2 structure only: M = 1 * 150 * 300^2 / 80000
     {{"controls.Text25.text", "168,75"}}},
};
INSTANTIATE_TEST_SUITE_P(Echoes, Truth, ::testing::ValuesIn(kEchoes), rowName);

const TruthRow kRanges[] = {
    {"grid_width",
     "el_GR",
     kVeltra + "type Text4 10001\nclick Command1\n",
     {{"messages.0", "Το πεδίο «A1» δεν μπορεί να υπερβαίνει τα 10000 cm."}, {"focus", "Text4"}}},
    {"glass",
     "en_US",
     kVeltra + "click Command10\ntype Text16 1000.5\nclick Command1\n",
     {{"messages.0", "The field \"Total glazing thickness (mm)\" must not be more than 1000 mm."}}},
    {"pressure_button",
     "el_GR",
     kVeltra + "type Text8 100,5\nclick Command2\n",
     {{"messages.0", "Το πεδίο «Ανεμοπίεση (kN / m^2)» δεν μπορεί να υπερβαίνει τα 100 kN/m^2."},
      {"form.WindInputMode", "0"}}},
    {"pressure_typed_after_the_button",
     "el_GR",
     kVeltra + "type Text8 1\nclick Command2\ntype Text8 150\nclick Command1\n",
     {{"focus", "Text8"}, {"controls.Text5.visible", "false"}}},
    {"speed_button",
     "en_US",
     kVeltra + "click Command10\ntype Text11 1001\nclick Command14\n",
     {{"messages.0", "The field \"Wind speed (km / h)\" must not be more than 1000 km/h."}}},
    {"slope",
     "el_GR",
     bay("Option12", "Option9", "150", "150", "300", "100", "200") +
         "click Option2\nclick Command15\ntype Text42 91\nclick Command1\n",
     {{"messages.0", "Το πεδίο «Κλίση κατασκευής α (μοίρες)» πρέπει να είναι από 0 έως 90 μοίρες."},
      {"focus", "Text42"}}},
    {"snow",
     "el_GR",
     bay("Option12", "Option9", "150", "150", "300", "100", "200") +
         "click Option2\nclick Command15\ntype Text41 10001\nclick Command1\n",
     {{"focus", "Text41"}}},
};
INSTANTIATE_TEST_SUITE_P(Ranges, Truth, ::testing::ValuesIn(kRanges), rowName);

std::string repeated(std::string_view text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i)
        out += text;
    return out;
}

// Veltra, one span, L 350, A1 = A2 = 150, H1 100, H2 250, 1,0 kN/m2 by the pressure button,
// f 15, d 200.
const std::string kCriterionBay = bay("Option10", "Option9", "150", "150", "350", "100", "250") +
                                  "type Text8 1\nclick Command2\nclick Command15\n";

const TruthRow kStandards[] = {
    {"criterion_2003_by_default",
     "el_GR",
     kCriterionBay + "click Command1\n",
     {{"controls.Text5.text", "279,13"}, {"controls.Text23.text", "15,00"}, {"criterion", "2003"}}},
    // 5 + 3500 / 300 = 16,67 mm takes the place of L/d and the cap.
    {"criterion_2015",
     "el_GR",
     kCriterionBay + "criterion 2015\nclick Command1\n",
     {{"controls.Text5.text", "251,22"},
      {"controls.Text23.text", "16,67"},
      {"criterion", "2015"},
      {"verdicts.deflection", "pass"}}},
    {"criterion_back_to_2003",
     "en_US",
     kCriterionBay + "criterion 2015\nclick Command1\ncriterion 2003\nclick Command1\n",
     {{"controls.Text5.text", "279.13"}, {"criterion", "2003"}}},
    {"no_site_wind_before_apply", "el_GR", kCriterionBay, {{"siteWind", "null"}}},
    // vb,0 27, II, z 20: qp = 1,2803; A = 5,25 m2: cpe = -1,256; w = 1,2803 * 1,256 = 1,6080
    {"site_wind_applied_as_the_pressure_button",
     "el_GR",
     kCriterionBay +
         "site-wind vb0=27 category=II z=20 cpe10=-1,2 cpe1=-1,4 area=5,25 cpi=0\nclick Command1\n",
     {{"siteWind.category", "II"},
      {"siteWind.area", "5.25"},
      {"controls.Text8.text", "1,60799"},
      {"controls.Text29.text", "1,61"},
      {"form.WindInputMode", "0"},
      {"messages.0", "<missing>"}}},
    {"site_wind_height_above_200_m",
     "en_US",
     kCriterionBay + "click Command10\nsite-wind z=200.5\n",
     {{"messages.0", "The field \"Height z (m)\" must not be more than 200 m."},
      {"siteWind", "null"},
      {"controls.Text8.text", "1"}}},
    {"site_wind_unknown_category",
     "el_GR",
     kCriterionBay + "site-wind category=V\n",
     {{"messages.0", "Το πεδίο «Κατηγορία εδάφους» δέχεται μόνο 0, I, II, III ή IV."},
      {"siteWind", "null"}}},
    {"site_wind_negative_speed",
     "el_GR",
     kCriterionBay + "site-wind vb0=-1\n",
     {{"messages.0",
       "Το πεδίο «Βασική ταχύτητα ανέμου vb,0 (m/s)» δεν μπορεί να είναι αρνητικό."}}},
    // A long text is quoted cut between characters, so the message stays UTF-8.
    {"site_wind_long_text_quoted_whole_characters",
     "el_GR",
     kCriterionBay + "site-wind vb0=x" + repeated("α", 25) + "\n",
     {{"messages.0", "Το πεδίο «Βασική ταχύτητα ανέμου vb,0 (m/s)» δεν περιέχει αριθμό: \"x" +
                         repeated("α", 19) + "…\"."}}},
    {"site_wind_empty_entry",
     "en_US",
     kCriterionBay + "click Command10\nsite-wind cpi=\n",
     {{"messages.0", "The field \"cpi\" is empty: enter a number."}}},
};
INSTANTIATE_TEST_SUITE_P(Standards, Truth, ::testing::ValuesIn(kStandards), rowName);

TEST(Standards, SiteWindPressureWithinHalfAPascalInTheDump) {
    const QJsonObject dump = lastDump(
        kCriterionBay + "site-wind vb0=27 category=II z=20 cpe10=-1,2 cpe1=-1,4 area=5,25 cpi=0\n",
        "el_GR");
    const QJsonObject site = dump["siteWind"].toObject();
    EXPECT_NEAR(site["qp"].toDouble(), 1.2803, 0.0005);
    EXPECT_NEAR(site["w"].toDouble(), 1.2803 * 1.256, 0.0005);
}

// After any of these, every result on show carries its caption in the language showing.
struct CaptionRow {
    const char* name;
    std::string script;
    int resultsShown;  // at least this many captioned results are on show
};

class Captions : public ::testing::TestWithParam<CaptionRow> {};

TEST_P(Captions, EveryResultOnShowIsCaptioned) {
    const QJsonObject dump = lastDump(GetParam().script, "el_GR");
    const QJsonObject controls = dump["controls"].toObject();
    const auto visible = [&](ControlId id) {
        return controls[QString::fromUtf8(controlName(id).data())].toObject()["visible"].toBool();
    };
    const auto text = [&](ControlId id) {
        return controls[QString::fromUtf8(controlName(id).data())].toObject()["text"].toString();
    };
    const bool english = visible(ControlId::Label78);
    int shown = 0;
    for (const ResultCaption& c : kResultCaptions) {
        if (!visible(c.field) || text(c.field).isEmpty())
            continue;
        ++shown;
        if (english)
            EXPECT_TRUE(visible(c.english)) << controlName(c.field);
        else
            EXPECT_TRUE(visible(c.greek) && !visible(c.english)) << controlName(c.field);
    }
    EXPECT_GE(shown, GetParam().resultsShown);
    if (visible(ControlId::Label1)) {
        EXPECT_FALSE(visible(ControlId::Label103));
        EXPECT_FALSE(visible(ControlId::Label104));
    }
}

const CaptionRow kCaptionRows[] = {
    {"greek_run_english_then_greek", kVeltra + "click Command1\nclick Command10\nclick Command9\n",
     20},
    {"english_run_then_greek", kVeltraEnglish + "click Command1\nclick Command9\n", 20},
    {"greek_run_english_run_greek",
     kVeltra + "click Command1\nclick Command10\nclick Command1\nclick Command9\n", 20},
    {"two_spans_english",
     bay("Option10", "Option13", "150", "150", "400", "100", "200") +
         "type Text13 200\nclick Option1\nclick Command15\nclick Command1\nclick Command10\n",
     20},
    {"no_fit_then_english",
     bay("Option11", "Option9", "300", "300", "900", "100", "150") +
         "click Option1\nclick Command15\nclick Command1\nclick Command10\n",
     10},
    {"no_fit_then_a_fit_in_english",
     "click Command10\n" + bay("Option11", "Option13", "300", "300", "900", "100", "150") +
         "type Text13 300,0\nclick Option1\nclick Command17\nclick Command1\ntype Text2 400\n"
         "type Text13 200\nclick Command1\n",
     20},
    {"series_click_while_english_shows",
     kVeltraEnglish + "click Command1\nclick Option11\nclick Option9\n" +
         "type Text4 120\ntype Text7 90\ntype Text2 300\ntype Text10 100\ntype Text12 200\n"
         "click Command1\n",
     20},
    // The run stops after its preamble: nothing of the earlier run stays on show.
    {"run_without_a_system_after_a_run",
     kVeltra + "click Command1\nclick Option12\nclick Command1\n", 0},
};
INSTANTIATE_TEST_SUITE_P(Switches, Captions, ::testing::ValuesIn(kCaptionRows),
                         [](const ::testing::TestParamInfo<CaptionRow>& row) {
                             return std::string(row.param.name);
                         });

}  // namespace
}  // namespace cw
