// The calculation report read back as a checking engineer's tools read it: the text of the
// PDF (pdftotext -layout) holds every figure as the window shows it for the same bay, the
// fonts are embedded, a schedule gives one section a bay and lists its refused rows.

#include "report/report_bay.h"
#include "report/report_content.h"
#include "report/report_run.h"

#include "files/bay_file.h"

#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace cw::report {
namespace {

const std::string kBays = CW_REPORT_TEST_BAYS;

std::string run(const char* program, const QStringList& args) {
    QProcess p;
    p.start(QString::fromUtf8(program), args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return "<" + std::string(program) + " failed: " + p.readAllStandardError().toStdString() +
               ">";
    return p.readAllStandardOutput().toStdString();
}

std::string pdfText(const std::string& pdf) {
    return run(CW_PDFTOTEXT,
               {QStringLiteral("-layout"), QString::fromStdString(pdf), QStringLiteral("-")});
}

class ReportTest : public ::testing::Test {
protected:
    std::string out(const std::string& name) const {
        return QDir(m_dir.path()).filePath(QString::fromStdString(name)).toStdString();
    }
    std::string report(const std::string& input, std::optional<Language> language = {},
                       const std::string& locale = "el_GR") {
        ReportRequest r;
        r.input = input;
        r.output = out("report.pdf");
        r.language = language;
        r.locale = locale;
        m_outcome = writeReport(r);
        EXPECT_FALSE(m_outcome.error) << m_outcome.error.value_or("");
        return r.output;
    }
    QTemporaryDir m_dir;
    ReportOutcome m_outcome;
};

TEST_F(ReportTest, VeltraBayShowsTheWindowsFiguresVerdictsAndGreekHeadings) {
    const std::string text = pdfText(report(kBays + "/veltra_one_span.cwbay"));
    for (const char* expected : {"84,38",
                                 "KA-02",
                                 "7,41",
                                 "KA-11 + KA-12",
                                 "3,78",  // transom Jy with a / Ls = 150 / 1200
                                 "11,19",
                                 "94,50",
                                 "105",
                                 "1. Δεδομένα",
                                 "3. Φορτία",
                                 "5. Απαιτούμενα μεγέθη",
                                 "7. Έλεγχος ορθοστάτη",
                                 "8. Αντιδράσεις στηρίξεων",
                                 "Βέλος κάμψης",
                                 "ΕΠΑΡΚΕΙ",
                                 "Ο ορθοστάτης επαρκεί: KA-02",
                                 "σελίδα 1 από",
                                 "veltra_one_span",
                                 "curtainwall 5.2",
                                 "L = 300",
                                 "A1 = 120",
                                 "A2 = 90",
                                 "q = 0,84 kN/m"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    EXPECT_EQ(text.find("ΔΕΝ ΕΠΑΡΚΕΙ"), std::string::npos);
    // The package's front (title, basis, contents, summary, anchors), then the bay's own pages.
    EXPECT_GE(m_outcome.frontPages, 4);
    EXPECT_GE(m_outcome.pages - m_outcome.frontPages, 1);
    EXPECT_LE(m_outcome.pages - m_outcome.frontPages, 3);
}

TEST_F(ReportTest, EveryFontIsEmbedded) {
    const std::string fonts =
        run(CW_PDFFONTS, {QString::fromStdString(report(kBays + "/terrax_sloped.cwbay"))});
    std::istringstream lines(fonts);
    std::string line;
    int listed = 0;
    std::getline(lines, line);  // the column names
    std::getline(lines, line);  // the rule under them
    while (std::getline(lines, line)) {
        if (line.empty())
            continue;
        ++listed;
        // name, type, encoding, then emb sub uni object ID: "yes" in the emb column.
        EXPECT_NE(line.find(" yes "), std::string::npos) << line;
    }
    EXPECT_GT(listed, 0) << fonts;
    EXPECT_NE(fonts.find("DejaVuSans"), std::string::npos) << fonts;
}

struct ShownCase {
    const char* name;
    const char* bay;
    std::optional<Language> language;
    const char* locale;
};

void PrintTo(const ShownCase& c, std::ostream* os) {
    *os << c.name;
}

class ReportShowsWindowText : public ReportTest, public ::testing::WithParamInterface<ShownCase> {};

// Each figure the window shows after a run, in its own text, is in the report.
TEST_P(ReportShowsWindowText, ForEveryResultField) {
    const ShownCase& c = GetParam();
    const std::string path = kBays + "/" + c.bay;
    const NumberFormat fmt = NumberFormat::fromLocale(c.locale);
    const files::BayFileReadResult read = files::readBayFile(QString::fromStdString(path), fmt);
    ASSERT_TRUE(read.document);
    const ReportBay bay = collectBay("bay", *read.document, fmt, c.language);
    ASSERT_FALSE(bay.refusal) << *bay.refusal;
    const std::string text = pdfText(report(path, c.language, c.locale));
    for (Field f : {Field::LoadWidth, Field::EchoPressure, Field::RequiredMullionJx,
                    Field::SuggestedMullion, Field::RequiredWx, Field::SuggestedTransom,
                    Field::RequiredTransomJx, Field::RequiredTransomJy, Field::MullionDeflection,
                    Field::SuggestedIx, Field::DesignedDeflectionLimit, Field::RequiredMoment,
                    Field::SuggestedWx, Field::MullionStress}) {
        // A typed pressure is printed as it was typed, not as the echo rounds it.
        const bool typed =
            f == Field::EchoPressure && bay.input.windSource == WindSource::TypedPressure;
        const std::string& shown = bay.shown(typed ? Field::WindPressure : f);
        ASSERT_FALSE(shown.empty()) << int(f);
        EXPECT_NE(text.find(shown), std::string::npos) << int(f) << " " << shown;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Bays, ReportShowsWindowText,
    ::testing::Values(ShownCase{"veltra_greek", "veltra_one_span.cwbay", {}, "el_GR"},
                      ShownCase{"veltra_english_point", "veltra_one_span.cwbay", Language::English,
                                "en_US"},
                      ShownCase{"korin_two_spans", "korin_two_spans.cwbay", {}, "el_GR"},
                      ShownCase{"terrax_sloped", "terrax_sloped.cwbay", {}, "el_GR"},
                      ShownCase{"fixed_ends_english", "veltra_fixed_ends.cwbay", {}, "en_US"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(ReportTest, TwoUnequalSpansFlagTheUpliftInEnglish) {
    const std::string text = pdfText(report(kBays + "/korin_two_spans.cwbay"));
    for (const char* expected : {"1. Inputs", "6. Suggested profiles", "8. Support reactions",
                                 "Uplift", "R3 = −", "M2 = −q · (L1³ + L2³) / (8 · (L1 + L2))"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
}

TEST_F(ReportTest, ScheduleGivesOneSectionABayAndListsRefusedRows) {
    const std::string csv = out("schedule.csv");
    std::ofstream(csv)
        << "id,series,system,A1,A2,L1,L2,H1,H2,glass,band,pressure,d,f,structure_weight,"
           "snow_height,slope\n"
           "W-01,veltra,one-span,120,90,300,,100,200,10,8-20,,200,15,,,\n"
           "W-02,korin,two-spans,150,150,400,100,100,200,10,,1.25,200,15,,,\n"
           "W-03,aluminium,one-span,120,90,300,,100,200,10,8-20,,200,15,,,\n"
           "W-04,terrax,one-span,120,100,250,,100,150,10,,0.8,200,15,0.1,100,30\n"
           "W-05,veltra,one-span,120,90,abc,,100,200,10,8-20,,200,15,,,\n";
    // The batch's schedule: numbers in the notation of --locale, a point here.
    const std::string text = pdfText(report(csv, Language::English, "en_US"));
    EXPECT_EQ(m_outcome.bays, 3U);
    EXPECT_EQ(m_outcome.refused, 2U);
    std::size_t sections = 0;
    for (std::size_t at = text.find("Calculation of the bay — "); at != std::string::npos;
         at = text.find("Calculation of the bay — ", at + 1))
        ++sections;
    EXPECT_EQ(sections, 3U) << text;
    for (const char* expected :
         {"— W-01", "— W-02", "— W-04", "Rows not calculated",
          "line 4, bay W-03: series: The column \"series\" holds \"aluminium\"",
          "line 6, bay W-05"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    EXPECT_EQ(text.find("— W-03"), std::string::npos);
}

// A limit by span (EN 13830:2015+A1) is told as such, and the required Jx is formed on it.
TEST(ReportContent, ALimitBySpanNamesItsEditionAndItsRule) {
    const NumberFormat fmt = NumberFormat::fromLocale("el_GR");
    const files::BayFileReadResult read =
        files::readBayFile(QString::fromStdString(kBays + "/veltra_one_span.cwbay"), fmt);
    ASSERT_TRUE(read.document);
    ReportBay bay = collectBay("bay", *read.document, fmt, Language::English);
    ASSERT_FALSE(bay.refusal);
    bay.design.rule = DeflectionRule::FiveMmPlusSpanOver300;
    bay.design.designedLimit_mm = 15.0;
    bool edition = false, rule = false, jx = false;
    for (const Block& b : bayBlocks(bay)) {
        edition |= b.kind == BlockKind::Row && b.b == "EN 13830:2015+A1";
        rule |= b.kind == BlockKind::Formula && b.a == "δ_lim = 5 mm + L1 / 300" &&
                b.b == "= 5 + 3000 / 300";
        jx |= b.kind == BlockKind::Formula &&
              b.b.find("(384 · 7\u00a0000 · 1,5)") != std::string::npos &&
              b.a.find("δ_lim") != std::string::npos;
    }
    EXPECT_TRUE(edition);
    EXPECT_TRUE(rule);
    EXPECT_TRUE(jx);
}

TEST_F(ReportTest, UnreadableInputsAreNamed) {
    ReportRequest r;
    r.output = out("x.pdf");
    r.input = out("missing.cwbay");
    EXPECT_TRUE(writeReport(r).error);
    r.input = kBays + "/../../files/corpus/bay_file/broken";
    const ReportOutcome broken = writeReport(r);
    ASSERT_TRUE(broken.error);
    EXPECT_NE(broken.error->find("JSON"), std::string::npos) << *broken.error;
    r.input = kBays + "/veltra_one_span.cwbay";
    r.output = out("no/such/folder/x.pdf");
    EXPECT_TRUE(writeReport(r).error);
}

}  // namespace
}  // namespace cw::report

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (QFontDatabase::families(QFontDatabase::Greek).isEmpty()) {
        std::fprintf(stderr, "no font with Greek is installed\n");
        return 1;
    }
    return RUN_ALL_TESTS();
}

namespace cw::report {
namespace {

// The formula lines ("text | numbers | result") of the sample bay's pages in Greek, with a
// pressure the Site wind dialog gave: 27 m/s, category II, z = 20 m, cpe,10 = −1,2, cpe,1 =
// −1,4 over `area_m2`.
std::vector<std::string> siteWindFormulas(double area_m2) {
    const NumberFormat fmt = NumberFormat::fromLocale("el_GR");
    const files::BayFileReadResult read =
        files::readBayFile(QString::fromStdString(kBays + "/veltra_one_span.cwbay"), fmt);
    SiteWindInput in;
    in.vb0_ms = 27.0;
    in.category = TerrainCategory::II;
    in.z_m = 20.0;
    in.cpe10 = -1.2;
    in.cpe1 = -1.4;
    in.area_m2 = area_m2;
    const SiteWindOutcome site = siteWindPressure(in);
    if (!read.document || !site.pressure) {
        ADD_FAILURE() << "no sample bay or no site pressure";
        return {};
    }
    ReportBay bay = collectBay("bay", *read.document, fmt, Language::Greek);
    bay.input.windSource = WindSource::TypedPressure;
    bay.siteWind = SiteWindApplied{in, *site.pressure};
    std::vector<std::string> lines;
    for (const Block& b : bayBlocks(bay))
        if (b.kind == BlockKind::Formula)
            lines.push_back(b.a + " | " + b.b + " | " + b.c);
    return lines;
}

// A pressure applied from the Site wind dialog is reported with the EN 1991-1-4 chain that
// gave it, each step with its numbers.
TEST(ReportContent, ASitePressureIsToldStepByStep) {
    const std::vector<std::string> results = siteWindFormulas(5.25);
    const auto has = [&](const std::string& text) {
        return std::any_of(results.begin(), results.end(),
                           [&](const std::string& r) { return r.find(text) != std::string::npos; });
    };
    // By hand: cr = 0,19 · ln(20 / 0,05) = 1,13838, vm = 27 · cr = 30,736 m/s, Iv = 1 / 5,99146
    // = 0,166904, cpe = −1,4 + 0,2 · log10 5,25 = −1,25597.
    EXPECT_TRUE(has("vm = cr · vb | = 1,13838 · 27 | 30,73"));
    EXPECT_TRUE(has("Iv = 1 / ln(max(z; zmin) / z0) | = 1 / ln(max(20; 2) / 0,05) | 0,166904"));
    EXPECT_TRUE(
        has("cpe = cpe,1 − (cpe,1 − cpe,10) · log10(A),  A = 5,25 m² | = −1,4 − (−1,4 − "
            "(−1,2)) · log10(5,25) | −1,25597"));
}

// The cpe line is the case of EN 1991-1-4 7.2.1 the pressure took: cpe,1 up to 1 m², cpe,10
// from 10 m², log-linear between. By hand: −1,4 + 0,2 · log10 1,05 = −1,39576 and
// −1,4 + 0,2 · log10 9,9 = −1,20087.
TEST(ReportContent, TheCpeLineIsTheCaseTheAreaFallsIn) {
    const struct {
        double area_m2;
        const char* line;
    } rows[] = {
        {0.5, "cpe = cpe,1  (A = 0,5 m² ≤ 1 m²) | = −1,4 | −1,4"},
        {1.0, "cpe = cpe,1  (A = 1 m² ≤ 1 m²) | = −1,4 | −1,4"},
        {1.05, "cpe = cpe,1 − (cpe,1 − cpe,10) · log10(A),  A = 1,05 m² | = −1,4 − (−1,4 − "
               "(−1,2)) · log10(1,05) | −1,39576"},
        {9.9, "cpe = cpe,1 − (cpe,1 − cpe,10) · log10(A),  A = 9,9 m² | = −1,4 − (−1,4 − "
              "(−1,2)) · log10(9,9) | −1,20087"},
        {10.0, "cpe = cpe,10  (A = 10 m² ≥ 10 m²) | = −1,2 | −1,2"},
        {12.0, "cpe = cpe,10  (A = 12 m² ≥ 10 m²) | = −1,2 | −1,2"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.area_m2);
        std::vector<std::string> cpeLines;
        for (const std::string& line : siteWindFormulas(r.area_m2))
            if (line.rfind("cpe =", 0) == 0)
                cpeLines.push_back(line);
        EXPECT_EQ(cpeLines, std::vector<std::string>{r.line});
    }
}

}  // namespace
}  // namespace cw::report
