// Every line of the report that substitutes numbers into a formula is read back and worked
// out as a checking engineer would with a calculator: the line must give the result printed
// beside it. The bays cover every series, static system and span case, each wind source, both
// languages and both decimal notations.
//
// Tolerance: |value of the line − printed result| ≤ ½ unit of the result's last printed digit
// + 2·10⁻⁵ · |value|. The half unit is the result's own rounding. The relative part is there
// for operands the report carries over from an earlier step's unrounded value (q, p_d, P, M2,
// R1, R3, the site chain), which it prints with six significant digits: at most 5·10⁻⁶ each,
// and no line takes more than four of them. Values the run itself takes as shown (b, M, Ix,
// Wx, the typed inputs) are printed as taken and need nothing. A factor printed with only four
// digits (1,138 · 27 for 30,74) is off by up to 4·10⁻⁴ and fails.

#include "report/report_content.h"
#include "report/report_bay.h"
#include "text/messages.h"

#include "bay/number_text.h"
#include "design/site_wind.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace cw::report {
namespace {

// A calculator for the report's notation: numbers in the locale's notation (thousands
// grouped by a blank), + − · × / ^, superscript powers, brackets, |x|, √, ln, log10, sin and
// cos of radians, min and max. Nothing when the text is not a formula of that form.
class LineCalculator {
public:
    LineCalculator(std::string_view text, const NumberFormat& fmt) : m_s(text), m_fmt(fmt) {}

    std::optional<double> value() {
        const std::optional<double> v = sum();
        skipBlanks();
        if (!v || m_at != m_s.size())
            return std::nullopt;
        return v;
    }

    // A number at the start of the text, and the size of a unit in its last digit.
    struct Leading {
        double value;
        double unit;
    };
    std::optional<Leading> leadingNumber() {
        skipBlanks();
        const bool negative = take("−") || take("-");
        double unit = 1.0;
        const std::optional<double> v = number(&unit);
        if (!v)
            return std::nullopt;
        return Leading{negative ? -*v : *v, unit};
    }

private:
    bool at(std::string_view s) const { return m_s.substr(m_at).starts_with(s); }
    bool take(std::string_view s) {
        if (!at(s))
            return false;
        m_at += s.size();
        return true;
    }
    bool blankAt(std::size_t i) const {
        return m_s.substr(i).starts_with(" ") || m_s.substr(i).starts_with("\u00a0");
    }
    std::size_t blankSize(std::size_t i) const { return m_s[i] == ' ' ? 1 : 2; }
    bool digitAt(std::size_t i) const { return i < m_s.size() && m_s[i] >= '0' && m_s[i] <= '9'; }
    void skipBlanks() {
        while (m_at < m_s.size() && blankAt(m_at))
            m_at += blankSize(m_at);
    }

    std::optional<double> sum() {
        std::optional<double> v = product();
        while (v) {
            skipBlanks();
            if (take("+")) {
                const auto r = product();
                v = r ? std::optional(*v + *r) : std::nullopt;
            } else if (take("−") || take("-")) {
                const auto r = product();
                v = r ? std::optional(*v - *r) : std::nullopt;
            } else {
                break;
            }
        }
        return v;
    }

    std::optional<double> product() {
        std::optional<double> v = unary();
        while (v) {
            skipBlanks();
            if (take("·") || take("×")) {
                const auto r = unary();
                v = r ? std::optional(*v * *r) : std::nullopt;
            } else if (take("/")) {
                const auto r = unary();
                v = r ? std::optional(*v / *r) : std::nullopt;
            } else {
                break;
            }
        }
        return v;
    }

    std::optional<double> unary() {
        skipBlanks();
        if (take("−") || take("-")) {
            const auto v = unary();
            return v ? std::optional(-*v) : std::nullopt;
        }
        return power();
    }

    std::optional<double> power() {
        std::optional<double> v = primary();
        if (!v)
            return v;
        if (const std::optional<int> e = superscript())
            v = std::pow(*v, *e);
        if (take("^")) {
            const auto e = unary();
            v = e ? std::optional(std::pow(*v, *e)) : std::nullopt;
        }
        return v;
    }

    std::optional<int> superscript() {
        static constexpr std::string_view kDigits[] = {"⁰", "¹", "²", "³", "⁴",
                                                       "⁵", "⁶", "⁷", "⁸", "⁹"};
        std::optional<int> e;
        for (bool more = true; more;) {
            more = false;
            for (int d = 0; d < 10; ++d)
                if (take(kDigits[d])) {
                    e = e.value_or(0) * 10 + d;
                    more = true;
                }
        }
        return e;
    }

    std::optional<double> primary() {
        skipBlanks();
        if (take("(")) {
            const auto v = sum();
            skipBlanks();
            return v && take(")") ? v : std::nullopt;
        }
        if (take("|")) {
            const auto v = sum();
            skipBlanks();
            return v && take("|") ? std::optional(std::abs(*v)) : std::nullopt;
        }
        if (take("√")) {
            const auto v = power();
            return v ? std::optional(std::sqrt(*v)) : std::nullopt;
        }
        for (const auto& [name, f] : kFunctions)
            if (take(name)) {
                const std::optional<std::vector<double>> args = arguments();
                if (!args || args->empty() || (f != nullptr && args->size() != 1))
                    return std::nullopt;
                if (f != nullptr)
                    return f(args->front());
                double m = args->front();
                for (double a : *args)
                    m = name == "max" ? std::max(m, a) : std::min(m, a);
                return m;
            }
        double unit = 1.0;
        return number(&unit);
    }

    // "(a)" or "(a; b)" ("(a, b)" where the point is the decimal sign).
    std::optional<std::vector<double>> arguments() {
        if (!take("("))
            return std::nullopt;
        std::vector<double> args;
        do {
            const auto v = sum();
            if (!v)
                return std::nullopt;
            args.push_back(*v);
            skipBlanks();
        } while (take(";") || take(","));
        return take(")") ? std::optional(args) : std::nullopt;
    }

    // Digits, blank-grouped thousands, the locale's decimal sign, an exponent.
    std::optional<double> number(double* unit) {
        skipBlanks();
        if (!digitAt(m_at))
            return std::nullopt;
        std::string ascii;
        int decimals = 0;
        for (;;) {
            while (digitAt(m_at))
                ascii += m_s[m_at++];
            // A blank then exactly three digits continues the number: "70 000".
            if (m_at < m_s.size() && blankAt(m_at)) {
                const std::size_t g = m_at + blankSize(m_at);
                if (digitAt(g) && digitAt(g + 1) && digitAt(g + 2) && !digitAt(g + 3)) {
                    m_at = g;
                    continue;
                }
            }
            break;
        }
        if (at(m_fmt.decimal) && digitAt(m_at + m_fmt.decimal.size())) {
            m_at += m_fmt.decimal.size();
            ascii += '.';
            while (digitAt(m_at)) {
                ascii += m_s[m_at++];
                ++decimals;
            }
        }
        int exponent = 0;
        if (at("e") || at("E")) {
            const std::size_t start = m_at;
            ++m_at;
            const bool negative = take("−") || take("-");
            if (!negative)
                take("+");
            if (!digitAt(m_at)) {
                m_at = start;
            } else {
                while (digitAt(m_at))
                    exponent = exponent * 10 + (m_s[m_at++] - '0');
                exponent = negative ? -exponent : exponent;
            }
        }
        *unit = std::pow(10.0, exponent - decimals);
        return std::stod(ascii) * std::pow(10.0, exponent);
    }

    using Function = double (*)(double);
    static constexpr std::pair<std::string_view, Function> kFunctions[] = {
        {"log10", [](double x) { return std::log10(x); }},
        {"ln", [](double x) { return std::log(x); }},
        {"sin", [](double x) { return std::sin(x); }},
        {"cos", [](double x) { return std::cos(x); }},
        {"max", nullptr},
        {"min", nullptr},
    };

    std::string_view m_s;
    const NumberFormat& m_fmt;
    std::size_t m_at = 0;
};

// One bay as typed, numbers with a point (turned into the locale's notation).
struct EvalCase {
    const char* name;
    std::optional<Series> series;
    std::optional<StaticSystem> system;
    const char* A1;
    const char* A2;
    const char* L1;
    const char* L2;
    const char* H1;
    const char* H2;
    WindChoice wind;
    const char* pressure = "";
    const char* speed = "";
    Language language = Language::Greek;
    const char* locale = "el_GR";
    const char* divisor = "200";
    const char* allowable = "15";
    DeflectionCriterion criterion = DeflectionCriterion::En13830_2003;
    const char* structureWeight = "";
    const char* snowHeight = "";
    const char* slope = "";
    std::optional<SiteWindInput> site = std::nullopt;
    DesignBasis basis = DesignBasis::Allowable;
};

void PrintTo(const EvalCase& c, std::ostream* os) {
    *os << c.name;
}

std::string inNotation(std::string s, const NumberFormat& fmt) {
    for (std::size_t at = s.find('.'); at != std::string::npos; at = s.find('.', at + 1)) {
        s.replace(at, 1, fmt.decimal);
        at += fmt.decimal.size() - 1;
    }
    return s;
}

SiteWindInput siteInput(double vb0, TerrainCategory category, double z, double cpe10, double cpe1,
                        double area, double cpi, double cdir = 1.0) {
    SiteWindInput in;
    in.vb0_ms = vb0;
    in.category = category;
    in.z_m = z;
    in.cpe10 = cpe10;
    in.cpe1 = cpe1;
    in.area_m2 = area;
    in.cpi = cpi;
    in.cdir = cdir;
    return in;
}

ReportBay bayOf(const EvalCase& c, const NumberFormat& fmt) {
    BayDocument doc;
    doc.series = c.series;
    doc.staticSystem = c.system;
    doc.gridWidthA1_cm = inNotation(c.A1, fmt);
    doc.gridWidthA2_cm = inNotation(c.A2, fmt);
    doc.spanL1_cm = inNotation(c.L1, fmt);
    doc.spanL2_cm = inNotation(c.L2, fmt);
    doc.glazingHeightH1_cm = inNotation(c.H1, fmt);
    doc.glazingHeightH2_cm = inNotation(c.H2, fmt);
    doc.glassThickness_mm = "10";
    doc.deflectionDivisor = c.divisor;
    doc.allowableDeflection_mm = c.allowable;
    doc.wind = c.wind;
    doc.windPressure_kNm2 = inNotation(c.pressure, fmt);
    doc.windSpeed_kmh = inNotation(c.speed, fmt);
    doc.structureWeight_kNm2 = inNotation(c.structureWeight, fmt);
    doc.snowHeight_cm = inNotation(c.snowHeight, fmt);
    doc.slope_deg = inNotation(c.slope, fmt);
    doc.language = c.language;
    doc.deflectionCriterion = c.criterion;
    doc.basis = c.basis;
    std::optional<SiteWindApplied> site;
    if (c.site) {
        // The Site wind dialog types its pressure into the pressure field with six digits.
        const SiteWindOutcome outcome = siteWindPressure(*c.site);
        if (outcome.pressure) {
            site = SiteWindApplied{*c.site, *outcome.pressure};
            doc.wind = WindSource::TypedPressure;
            doc.windPressure_kNm2 = plainText(outcome.pressure->w_kNm2, fmt, 6);
        }
    }
    ReportBay bay = collectBay(c.name, doc, fmt);
    bay.siteWind = site;
    return bay;
}

std::string said(const Block& b) {
    return "[" + b.a + "] [" + b.b + "] [" + b.c + "]";
}

// An ASCII hyphen used as a minus: before a digit, after a blank, a bracket, a bar or "=".
bool hyphenAsMinus(std::string_view s) {
    for (std::size_t i = 0; i + 1 < s.size(); ++i)
        if (s[i] == '-' && s[i + 1] >= '0' && s[i + 1] <= '9' &&
            (i == 0 || std::string_view(" (|=").find(s[i - 1]) != std::string_view::npos))
            return true;
    return false;
}

std::optional<double> numberOf(std::string_view text, const NumberFormat& fmt) {
    return LineCalculator(text, fmt).value();
}

// The rows that state a comparison or an input: the catalogue row that holds the required
// Jx,t, the mullion whose Ix covers the required Jx, the pressure as it was typed.
void checkRow(const Block& b, const ReportBay& bay, const NumberFormat& fmt) {
    const auto parts = [&](std::string_view s, std::string_view a, std::string_view c) {
        const std::size_t i = s.find(a);
        const std::size_t j = s.find(c, i == std::string_view::npos ? 0 : i + a.size());
        if (i == std::string_view::npos || j == std::string_view::npos)
            return std::pair<std::optional<double>, std::optional<double>>{};
        return std::pair{numberOf(s.substr(0, i), fmt), numberOf(s.substr(j + c.size()), fmt)};
    };
    if (b.a == say(Message::ReportCatalogueRange, bay.language)) {
        const auto [lower, upper] = parts(b.b, " < Jx,t ≤ ", "");
        const std::optional<double> J = numberOf(bay.shown(Field::RequiredTransomJx), fmt);
        ASSERT_TRUE(lower && upper && J) << said(b);
        EXPECT_LT(*lower, *J) << said(b);
        EXPECT_LE(*J, *upper) << said(b);
    } else if (b.a == say(Message::ReportMullionChoice, bay.language)) {
        ASSERT_TRUE(b.b.starts_with("Ix = ")) << said(b);
        const auto [ix, jx] = parts(b.b.substr(5), " ≥ ", "Jx,req = ");
        ASSERT_TRUE(ix && jx) << said(b);
        EXPECT_EQ(*ix, numberOf(bay.shown(Field::SuggestedIx), fmt)) << said(b);
        EXPECT_EQ(*jx, numberOf(bay.shown(Field::RequiredMullionJx), fmt)) << said(b);
        EXPECT_GE(*ix, *jx) << said(b);
    } else if (b.a == say(Message::ReportWindTyped, bay.language)) {
        std::string typed = bay.document.windPressure_kNm2;
        typed.erase(0, typed.find_first_not_of(' '));
        typed.erase(typed.find_last_not_of(' ') + 1);
        EXPECT_EQ(b.b, "p = " + typed);
    }
}

class SubstitutedLines : public ::testing::TestWithParam<EvalCase> {};

TEST_P(SubstitutedLines, GiveTheirPrintedResults) {
    const EvalCase& c = GetParam();
    const NumberFormat fmt = NumberFormat::fromLocale(c.locale);
    const ReportBay bay = bayOf(c, fmt);
    ASSERT_FALSE(bay.refusal) << *bay.refusal;
    ASSERT_TRUE(!c.site || bay.siteWind);

    int evaluated = 0;
    for (const Block& b : bayBlocks(bay)) {
        std::vector<std::string> texts = {b.a, b.b, b.c};
        if (b.picture) {
            const ElevationInput& e = b.picture->elevation;
            for (const std::string* t : {&e.a1Text, &e.a2Text, &e.l1Text, &e.l2Text, &e.totalText,
                                         &e.h1Text, &e.h2Text, &e.slopeText})
                texts.push_back(*t);
            const SystemDrawing& s = b.picture->drawing;
            for (const auto& list : {s.spanTexts, s.reactionTexts})
                texts.insert(texts.end(), list.begin(), list.end());
            texts.push_back(s.lineLoad);
        }
        for (const std::string& t : texts)
            EXPECT_FALSE(hyphenAsMinus(t)) << "a hyphen as minus: " << t;
        // E is printed with its unit beside the formula, in the unit the line takes.
        for (const auto& [number, symbol] : {std::pair{"7\u00a0000", "E = 7\u00a0000 kN/cm²"},
                                             {"70\u00a0000", "E = 70\u00a0000 N/mm²"}})
            if (b.b.find(std::string(" ") + number + " ") != std::string::npos) {
                EXPECT_NE(b.a.find(symbol), std::string::npos) << said(b);
            }
        for (std::string_view bare : {" 7000 ", " 70000 ", "(7000 ", "(70000 "})
            EXPECT_EQ(b.b.find(bare), std::string::npos) << "E without its unit: " << said(b);

        if (b.kind == BlockKind::Row)
            checkRow(b, bay, fmt);
        if (b.kind != BlockKind::Formula)
            continue;
        ASSERT_TRUE(b.b.starts_with("= ")) << "numbers not substituted: " << said(b);
        const std::optional<double> value = LineCalculator(b.b.substr(2), fmt).value();
        ASSERT_TRUE(value) << "not a formula: " << said(b);
        const auto result = LineCalculator(b.c, fmt).leadingNumber();
        ASSERT_TRUE(result) << "no result: " << said(b);
        const double tolerance = 0.5 * result->unit * (1.0 + 1e-9) + 2e-5 * std::abs(*value);
        EXPECT_NEAR(*value, result->value, tolerance) << said(b);
        ++evaluated;
    }
    // Loads, the limit, Jx, M, Wx, Jx,t, P, Jy,t, Wx, δ, σ and a reaction at least.
    EXPECT_GE(evaluated, 13);
}

// The bays. Most have H2 equal to the transom's span, where the setting blocks' ratio a / H2
// the run once took equals a / Ls; "veltra_hand_checked" does not.
const EvalCase kCases[] = {
    // Under limit states the section's resistance formula is evaluated too.
    {.name = "veltra_one_span_limit_states",
     .series = Series::Veltra,
     .system = StaticSystem::OneSpan,
     .A1 = "120",
     .A2 = "90",
     .L1 = "300",
     .L2 = "",
     .H1 = "100",
     .H2 = "120",
     .wind = HeightBand::UpTo20m,
     .basis = DesignBasis::LimitStates},
    {"veltra_one_span_band_greek", Series::Veltra, StaticSystem::OneSpan, "120", "90", "300", "",
     "100", "120", HeightBand::UpTo20m},
    {"veltra_hand_checked_H2_200", Series::Veltra, StaticSystem::OneSpan, "120", "90", "300", "",
     "100", "200", HeightBand::UpTo20m},
    {.name = "veltra_fixed_ends_typed_english_point",
     .series = Series::Veltra,
     .system = StaticSystem::FixedEnds,
     .A1 = "150",
     .A2 = "150",
     .L1 = "350",
     .L2 = "",
     .H1 = "100",
     .H2 = "150",
     .wind = WindSource::TypedPressure,
     .pressure = " 1.125 ",
     .language = Language::English,
     .locale = "en_US",
     .allowable = "20"},
    {.name = "veltra_equal_spans_speed_greek_point",
     .series = Series::Veltra,
     .system = StaticSystem::TwoSpans,
     .A1 = "130",
     .A2 = "110",
     .L1 = "300",
     .L2 = "300",
     .H1 = "100",
     .H2 = "130",
     .wind = WindSource::WindSpeed,
     .speed = "120",
     .locale = "en_US"},
    {.name = "veltra_2015_english_comma",
     .series = Series::Veltra,
     .system = StaticSystem::OneSpan,
     .A1 = "100",
     .A2 = "100",
     .L1 = "450",
     .L2 = "",
     .H1 = "120",
     .H2 = "100",
     .wind = HeightBand::UpTo100m,
     .language = Language::English,
     .criterion = DeflectionCriterion::En13830_2015},
    {.name = "veltra_site_wind_english_point",
     .series = Series::Veltra,
     .system = StaticSystem::OneSpan,
     .A1 = "120",
     .A2 = "90",
     .L1 = "300",
     .L2 = "",
     .H1 = "100",
     .H2 = "120",
     .wind = WindSource::TypedPressure,
     .language = Language::English,
     .locale = "en_US",
     .site = siteInput(27, TerrainCategory::II, 20, -1.2, -1.4, 5.25, 0)},
    {.name = "korin_unequal_spans_uplift_english_comma",
     .series = Series::KorinDalvo,
     .system = StaticSystem::TwoSpans,
     .A1 = "180",
     .A2 = "150",
     .L1 = "400",
     .L2 = "100",
     .H1 = "100",
     .H2 = "180",
     .wind = WindSource::TypedPressure,
     .pressure = "1.25",
     .language = Language::English},
    {.name = "korin_short_upper_span_greek",
     .series = Series::KorinDalvo,
     .system = StaticSystem::TwoSpans,
     .A1 = "120",
     .A2 = "120",
     .L1 = "400",
     .L2 = "50",
     .H1 = "100",
     .H2 = "120",
     .wind = HeightBand::UpTo8m},
    {.name = "korin_fixed_ends_f_governs_greek_point",
     .series = Series::KorinDalvo,
     .system = StaticSystem::FixedEnds,
     .A1 = "100",
     .A2 = "100",
     .L1 = "300",
     .L2 = "",
     .H1 = "100",
     .H2 = "100",
     .wind = WindSource::TypedPressure,
     .pressure = "0.6",
     .locale = "en_US",
     .allowable = "8"},
    {.name = "korin_equal_spans_site_wind_greek",
     .series = Series::KorinDalvo,
     .system = StaticSystem::TwoSpans,
     .A1 = "110",
     .A2 = "110",
     .L1 = "350",
     .L2 = "350",
     .H1 = "100",
     .H2 = "110",
     .wind = WindSource::TypedPressure,
     .site = siteInput(33, TerrainCategory::IV, 5, -0.8, -1.1, 12, -0.3, 0.9)},
    {.name = "terrax_sloped_greek",
     .series = Series::Terrax,
     .system = StaticSystem::OneSpan,
     .A1 = "120",
     .A2 = "100",
     .L1 = "250",
     .L2 = "",
     .H1 = "100",
     .H2 = "120",
     .wind = WindSource::TypedPressure,
     .pressure = "0.8",
     .structureWeight = "0.1",
     .snowHeight = "20",
     .slope = "30"},
    {.name = "terrax_equal_spans_english_point",
     .series = Series::Terrax,
     .system = StaticSystem::TwoSpans,
     .A1 = "112",
     .A2 = "112",
     .L1 = "300",
     .L2 = "300",
     .H1 = "100",
     .H2 = "112",
     .wind = WindSource::TypedPressure,
     .pressure = "1",
     .language = Language::English,
     .locale = "en_US"},
    {.name = "terrax_unequal_spans_speed_greek",
     .series = Series::Terrax,
     .system = StaticSystem::TwoSpans,
     .A1 = "110",
     .A2 = "110",
     .L1 = "400",
     .L2 = "200",
     .H1 = "100",
     .H2 = "110",
     .wind = WindSource::WindSpeed,
     .speed = "100"},
    {.name = "terrax_short_upper_span_english_comma",
     .series = Series::Terrax,
     .system = StaticSystem::TwoSpans,
     .A1 = "100",
     .A2 = "120",
     .L1 = "350",
     .L2 = "30",
     .H1 = "100",
     .H2 = "120",
     .wind = HeightBand::UpTo20m,
     .language = Language::English},
};

INSTANTIATE_TEST_SUITE_P(Bays, SubstitutedLines, ::testing::ValuesIn(kCases),
                         [](const auto& row) { return std::string(row.param.name); });

// The calculator itself, on lines worked out by hand.
TEST(LineCalculator, ReadsTheReportsNotation) {
    const NumberFormat comma = NumberFormat::fromLocale("el_GR");
    const NumberFormat point = NumberFormat::fromLocale("en_US");
    struct Row {
        const char* text;
        const NumberFormat& fmt;
        double expected;
    };
    const Row rows[] = {
        // 0,056 · 8,1·10⁹ / (4,032·10⁶) = 4,536·10⁸ / 4,032·10⁶
        {"5 · 0,0112 · 300⁴ / (384 · 7\u00a0000 · 1,5)", comma, 112.5},
        {"1,138 · 27", comma, 30.726},
        {"−1,875 · (4³ + 1³) / (8 · (4 + 1))", comma, -3.046875},
        {"1.875 · 1 / 2 + (−3.046875) / 1", point, -2.109375},
        {"min(12,5; 15)", comma, 12.5},
        {"max(20, 10)", point, 20.0},
        {"|0.5 − (−0.3)|", point, 0.8},
        {"120² · 483 / 10⁷", point, 0.69552},
        {"√(9) + 2^3 − 70 000 / 1000", point, -59.0},
        {"ln(1) + log10(100)", point, 2.0},
    };
    for (const Row& r : rows) {
        const std::optional<double> v = LineCalculator(r.text, r.fmt).value();
        ASSERT_TRUE(v) << r.text;
        EXPECT_NEAR(*v, r.expected, 1e-3) << r.text;
    }
    // A line that is not a formula is refused, not read in part.
    for (const char* bad : {"1 · ", "(2 + 3", "2 3", "cos 30°", "12,5"})
        EXPECT_FALSE(LineCalculator(bad, point).value()) << bad;
}

}  // namespace
}  // namespace cw::report
