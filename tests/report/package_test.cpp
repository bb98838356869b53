#include "files/bay_file.h"
#include "report/package.h"
#include "report/pdf_navigation.h"
#include "report/report_run.h"
#include "text/messages.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

namespace cw::report {
namespace {

struct OrderCase {
    const char* name;
    std::vector<bool> fails;
    std::vector<std::size_t> order;
};

class SummaryOrder : public ::testing::TestWithParam<OrderCase> {};

TEST_P(SummaryOrder, PutsFailuresFirstAndKeepsTheInputOrderWithinEach) {
    std::vector<BaySummary> bays;
    for (bool f : GetParam().fails) {
        bays.emplace_back();
        bays.back().fails = f;
    }
    EXPECT_EQ(summaryOrder(bays), GetParam().order);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SummaryOrder,
    ::testing::Values(OrderCase{"all_pass", {false, false, false}, {0, 1, 2}},
                      OrderCase{"last_fails", {false, false, true}, {2, 0, 1}},
                      OrderCase{"two_fail_in_order", {false, true, false, true}, {1, 3, 0, 2}},
                      OrderCase{"all_fail", {true, true}, {0, 1}}, OrderCase{"none", {}, {}}),
    [](const ::testing::TestParamInfo<OrderCase>& row) { return std::string(row.param.name); });

// A bay's summary row says the verdict its own pages say, on either basis. The verdicts are
// those the batch gives for the same bays (its stress, deflection and limit-state columns):
// Veltra L = 300 cm, 8–20 m passes both ways (δ 11,19 of 15 mm governs, 0,75); with
// A = 300 + 300 cm, L = 150 cm and 3 kN/m² its allowable mullion is overstressed; with A =
// 500 + 500 cm, L = 200 cm and 6 kN/m² no row passes the limit states (2,09 in bending);
// Korin on two spans of 400 + 200 cm at 1 kN/m² fails its deflection.
TEST(PackageSummary, SaysTheVerdictOfEachBasisAndBothSpans) {
    const NumberFormat fmt = NumberFormat::fromLocale("el_GR");
    const files::BayFileReadResult read = files::readBayFile(
        QString::fromStdString(std::string(CW_REPORT_TEST_BAYS) + "/veltra_one_span.cwbay"), fmt);
    ASSERT_TRUE(read.document);
    const struct {
        const char* name;
        DesignBasis basis;
        const char* a;  // both grid widths
        const char* l1;
        const char* pressure;  // typed; empty: the document's band
        bool korinTwoSpans;
        bool fails;
        const char* spans;
        const char* utilisation;  // its start
    } rows[] = {
        {"allowable passes", DesignBasis::Allowable, "", "300", "", false, false, "300", "0,75 δ"},
        {"limit states pass", DesignBasis::LimitStates, "", "300", "", false, false, "300", "0,75"},
        {"overstressed", DesignBasis::Allowable, "300", "150", "3", false, true, "150", ""},
        {"no row passes", DesignBasis::LimitStates, "500", "200", "6", false, true, "200", "2,09"},
        {"two spans fail", DesignBasis::Allowable, "150", "400", "1", true, true, "400 + 200",
         ""},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        BayDocument d = *read.document;
        d.basis = r.basis;
        d.spanL1_cm = r.l1;
        if (*r.a) {
            d.gridWidthA1_cm = r.a;
            d.gridWidthA2_cm = r.a;
        }
        if (*r.pressure) {
            d.wind = WindSource::TypedPressure;
            d.windPressure_kNm2 = r.pressure;
        }
        if (r.korinTwoSpans) {
            d.series = Series::KorinDalvo;
            d.staticSystem = StaticSystem::TwoSpans;
            d.spanL2_cm = "200";
        }
        const BaySummary s = summarizeBay(collectBay("bay", d, fmt, Language::English), 0);
        ASSERT_TRUE(s.calculated);
        ASSERT_EQ(s.cells.size(), 8u);
        EXPECT_EQ(s.fails, r.fails);
        EXPECT_EQ(s.cells[7], r.fails ? "FAILS" : "PASSES");
        EXPECT_EQ(s.cells[2], r.spans);
        EXPECT_EQ(s.cells[6].rfind(r.utilisation, 0), 0u) << s.cells[6];
        EXPECT_EQ(s.limitState, r.basis == DesignBasis::LimitStates);
    }
}

// The design-basis page gathers what the bays applied: the allowable stress where a bay used
// it, each set of factors once, an alloy the program knows with its strengths, snow where a
// glazing is sloped; and each calculated bay's summary row shows its page.
TEST(PackageFront, GathersWhatTheBaysApplied) {
    const NumberFormat fmt = NumberFormat::fromLocale("el_GR");
    const auto bay = [](int index, bool limitState) {
        BaySummary s;
        s.name = "B" + std::to_string(index);
        s.bay = index;
        s.calculated = true;
        s.cells = std::vector<std::string>(8, "x");
        s.limitState = limitState;
        s.alloy = "6063 T5";
        s.edition = "13830:2003";
        return s;
    };
    PartialFactors annex;
    annex.gammaM1 = 1.25;
    const struct {
        const char* name;
        std::vector<BaySummary> bays;
        bool allowableStress;
        int factorSets;
        bool alloyLine;
        bool snow;
    } cases[] = {
        {"allowable", {bay(0, false)}, true, 0, false, false},
        {"limit states, one set", {bay(0, true), bay(1, true)}, false, 1, true, false},
        {"limit states, two sets",
         {bay(0, true), [&] {
              BaySummary s = bay(1, true);
              s.factors = annex;
              return s;
          }()},
         false, 2, true, false},
        {"an alloy not known",
         {[&] {
             BaySummary s = bay(0, true);
             s.alloy = "unknown";
             return s;
         }()},
         false, 1, false, false},
        {"sloped after one that is not",
         {bay(0, false), [&] {
              BaySummary s = bay(1, false);
              s.sloped = true;
              return s;
          }()},
         true, 0, false, true},
    };
    const auto count = [](const std::vector<Block>& blocks, const std::string& text) {
        return std::count_if(blocks.begin(), blocks.end(), [&](const Block& b) {
            return b.a.find(text) != std::string::npos;
        });
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const PackageFront front =
            packageFront(ProjectData{}, "2026-12-08", "curtainwall", Language::English, fmt, c.bays);
        EXPECT_EQ(count(front.basis, "σ_allow = 9,5 kN/cm²"), c.allowableStress ? 1 : 0);
        EXPECT_EQ(count(front.basis, "γM1 = "), c.factorSets);
        // 6063 T5: fo = 110 N/mm² up to 12,5 mm (EN 1999-1-1 Table 3.2b).
        EXPECT_EQ(count(front.basis, "6063 T5"), c.alloyLine ? 1 : 0);
        EXPECT_EQ(count(front.basis, say(Message::PackageSnow, Language::English)), c.snow ? 1 : 0);
        std::size_t rows = 0;
        for (const Block& b : front.summary)
            if (b.kind == BlockKind::TableRow && !b.header) {
                EXPECT_TRUE(b.pageCell) << b.cells.front();
                ++rows;
            }
        EXPECT_EQ(rows, c.bays.size());
    }
    // A schedule row that gave no bay has no page to show.
    const PackageFront refused = packageFront(ProjectData{}, "", "", Language::English, fmt,
                                              {summarizeRefused(RefusedRow{}, Language::English)});
    for (const Block& b : refused.summary) {
        if (b.kind == BlockKind::TableRow && !b.header) {
            EXPECT_FALSE(b.pageCell);
        }
    }
}

std::string pdfText(const std::string& pdf, int first = 1, int last = 0) {
    QStringList args{QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(first)};
    if (last > 0)
        args << QStringLiteral("-l") << QString::number(last);
    args << QString::fromStdString(pdf) << QStringLiteral("-");
    QProcess p;
    p.start(QStringLiteral(CW_PDFTOTEXT), args);
    p.waitForFinished(60000);
    return p.readAllStandardOutput().toStdString();
}

class PackageTest : public ::testing::Test {
protected:
    std::string path(const char* name) const {
        return QDir(m_dir.path()).filePath(QString::fromUtf8(name)).toStdString();
    }
    // Three bays: the second's mullion is too weak (1,24 of its deflection), the other two
    // pass; and one row that gives no bay.
    std::string schedule() const {
        const std::string csv = path("three.csv");
        std::ofstream(csv)
            << "id,series,system,A1,A2,L1,L2,H1,H2,glass,band,pressure,d,f,structure_weight,"
               "snow_height,slope\n"
               "P-01,veltra,one-span,120,90,300,,100,200,10,8-20,,200,15,,,\n"
               "F-02,korin,two-spans,150,150,400,200,100,200,10,,1,200,15,,,\n"
               "X-03,aluminium,one-span,120,90,300,,100,200,10,8-20,,200,15,,,\n"
               "P-04,veltra,fixed-ends,120,120,300,,100,200,10,0-8,,200,15,,,\n";
        return csv;
    }
    ReportOutcome write(const std::string& input, std::optional<ProjectData> project = {}) {
        ReportRequest r;
        r.input = input;
        r.output = path("package.pdf");
        r.language = Language::English;
        r.locale = "en_US";
        r.project = std::move(project);
        ReportOutcome o = writeReport(r);
        EXPECT_FALSE(o.error) << o.error.value_or("");
        return o;
    }
    QTemporaryDir m_dir;
};

TEST_F(PackageTest, TheSummaryListsFailuresFirstThenTheRestInInputOrder) {
    const ReportOutcome o = write(schedule());
    ASSERT_EQ(o.bays, 3U);
    const std::string summary = pdfText(path("package.pdf"), 4, 4);
    ASSERT_NE(summary.find("Summary of the bays"), std::string::npos) << summary;
    std::vector<std::size_t> at;
    for (const char* id : {"F-02", "X-03", "P-01", "P-04"}) {
        at.push_back(summary.find(std::string(id) + " "));
        EXPECT_NE(at.back(), std::string::npos) << id << "\n" << summary;
    }
    for (std::size_t i = 1; i < at.size(); ++i)
        EXPECT_LT(at[i - 1], at[i]) << summary;
    // Each row says its verdict.
    const auto line = [&](const char* id) {
        const std::size_t from = summary.find(std::string(id) + " ");
        return summary.substr(from, summary.find('\n', from) - from);
    };
    EXPECT_NE(line("F-02").find("FAILS"), std::string::npos) << line("F-02");
    EXPECT_NE(line("X-03").find("not calculated"), std::string::npos) << line("X-03");
    EXPECT_NE(line("P-01").find("PASSES"), std::string::npos) << line("P-01");
}

TEST_F(PackageTest, BookmarksNameEveryBayAndTheSummaryRowsOpenTheirPages) {
    const ReportOutcome o = write(schedule());
    const std::string pdf = path("package.pdf");
    const std::vector<std::string> marks = readBookmarks(pdf);
    const std::vector<std::string> expected = {"Curtain wall calculation package",
                                               "Design basis",
                                               "Contents",
                                               "Summary of the bays",
                                               "Anchor forces of every bay (kN)",
                                               "Calculations of the bays",
                                               "  P-01",
                                               "  F-02",
                                               "  P-04",
                                               "Rows not calculated"};
    EXPECT_EQ(marks, expected);

    // The summary's rows (page 4, from 0: 3) link to the bays' first pages, which carry the
    // bays' titles.
    std::vector<int> targets;
    for (const auto& [page, target] : readLinks(pdf))
        if (page == 3)
            targets.push_back(target);
    ASSERT_EQ(targets.size(), 3U);  // the row that gave no bay opens nothing
    const char* order[] = {"F-02", "P-01", "P-04"};
    for (std::size_t i = 0; i < targets.size(); ++i) {
        EXPECT_GE(targets[i], o.frontPages);
        const std::string page = pdfText(pdf, targets[i] + 1, targets[i] + 1);
        EXPECT_NE(page.find(std::string("Calculation of the bay — ") + order[i]), std::string::npos)
            << order[i] << "\n"
            << page;
    }
}

TEST_F(PackageTest, HeadersNameTheProjectOnlyWhenThereIsOne) {
    write(schedule());
    std::string text = pdfText(path("package.pdf"));
    EXPECT_EQ(text.find("Project:"), std::string::npos) << text.substr(0, 400);
    EXPECT_EQ(text.find("three.csv"), std::string::npos);

    ProjectData project;
    project.name = "Harbour Offices";
    project.engineer = "E. Papadaki";
    project.revisions = {{"A", "2026-03-02", "First issue"}};
    const ReportOutcome o = write(schedule(), project);
    text = pdfText(path("package.pdf"));
    std::size_t headers = 0;
    for (std::size_t at = text.find("Project: Harbour Offices"); at != std::string::npos;
         at = text.find("Project: Harbour Offices", at + 1))
        ++headers;
    EXPECT_EQ(int(headers), o.pages);
    const std::string title = pdfText(path("package.pdf"), 1, 1);
    for (const char* expected : {"E. Papadaki", "First issue", "2026-03-02", "curtainwall 5.2"})
        EXPECT_NE(title.find(expected), std::string::npos) << expected << "\n" << title;
}

TEST_F(PackageTest, AnchorForcesOfEveryBayAreInOneTable) {
    write(schedule());
    const std::string anchors = pdfText(path("package.pdf"), 5, 5);
    ASSERT_NE(anchors.find("Anchor forces of every bay"), std::string::npos) << anchors;
    // P-01: q = b · p = 1,05 m · 0,80 kN/m² = 0,84 kN/m on 3,00 m: R = q L / 2 = 1,26 kN.
    // P-04 fixed ends, p = 0,50: q = 1,20 · 0,50 = 0,60 kN/m, R = 0,60 · 3,00 / 2 = 0,90 kN.
    // F-02 two spans 4,0 + 2,0 m, q = 1,50 kN/m: M2 = −1,5 · (64 + 8) / 48 = −2,25 kNm,
    // R1 = 3,0 − 0,5625 = 2,44, R3 = 1,5 − 1,125 = 0,38, R2 = 9,0 − 2,4375 − 0,375 = 6,19 kN.
    for (const char* row : {"P-01 1 1.26", "P-01 2 1.26", "F-02 1 2.44", "F-02 2 6.19",
                            "F-02 3 0.38", "P-04 1 0.90", "P-04 2 0.90"}) {
        std::string squeezed;
        for (char c : anchors)
            if (!(c == ' ' && !squeezed.empty() && squeezed.back() == ' '))
                squeezed += c;
        EXPECT_NE(squeezed.find(row), std::string::npos) << row << "\n" << anchors;
    }
}

// The window's report of one bay names the bay's own project, or none; never its folder.
TEST_F(PackageTest, TheWindowsReportNamesTheBaysProject) {
    const NumberFormat fmt = NumberFormat::fromLocale("el_GR");
    files::BayFileReadResult read = files::readBayFile(
        QString::fromStdString(std::string(CW_REPORT_TEST_BAYS) + "/veltra_one_span.cwbay"), fmt);
    ASSERT_TRUE(read.document);
    ASSERT_FALSE(writeBayReport(*read.document, fmt, path("bay.pdf")).error);
    std::string text = pdfText(path("bay.pdf"));
    EXPECT_EQ(text.find("Έργο:"), std::string::npos) << text.substr(0, 300);

    read.document->project.name = "Πύργος Β";
    const ReportOutcome o = writeBayReport(*read.document, fmt, path("bay.pdf"));
    text = pdfText(path("bay.pdf"));
    std::size_t headers = 0;
    for (std::size_t at = text.find("Έργο: Πύργος Β"); at != std::string::npos;
         at = text.find("Έργο: Πύργος Β", at + 1))
        ++headers;
    EXPECT_EQ(int(headers), o.pages);
}

// A bay that sets its own factors, as a national annex would, has its design-basis page print
// those factors, not the recommended ones.
TEST_F(PackageTest, TheDesignBasisPagePrintsTheFactorsTheRunApplied) {
    const NumberFormat fmt = NumberFormat::fromLocale("el_GR");
    files::BayFileReadResult read = files::readBayFile(
        QString::fromStdString(std::string(CW_REPORT_TEST_BAYS) + "/veltra_one_span.cwbay"), fmt);
    ASSERT_TRUE(read.document);
    read.document->basis = DesignBasis::LimitStates;
    read.document->factors.gammaM1 = 1.25;
    read.document->factors.gammaQ = 1.6;
    ASSERT_FALSE(writeBayReport(*read.document, fmt, path("annex.pdf")).error);
    const std::string text = pdfText(path("annex.pdf"));
    EXPECT_NE(text.find("γM1 = 1,25"), std::string::npos) << text.substr(0, 2000);
    EXPECT_NE(text.find("γQ = 1,6"), std::string::npos);
    EXPECT_EQ(text.find("γM1 = 1,1,"), std::string::npos) << "the recommended set printed too";
}

// The sloped glazing's load chain of this bay falls across a page break when laid out line by
// line; kept together it moves whole to the next page.
TEST_F(PackageTest, TheSlopedGlazingsLoadChainIsNotSplitAcrossPages) {
    for (const Language language : {Language::Greek, Language::English}) {
        ReportRequest r;
        r.input = std::string(CW_REPORT_TEST_BAYS) + "/terrax_sloped.cwbay";
        r.output = path("sloped.pdf");
        r.language = language;
        r.locale = "el_GR";
        ASSERT_FALSE(writeReport(r).error);
        const std::string text = pdfText(r.output);
        const auto pageOf = [&](const std::string& needle) {
            const std::size_t at = text.find(needle);
            EXPECT_NE(at, std::string::npos) << needle;
            return std::count(text.begin(),
                              text.begin() + std::ptrdiff_t(std::min(at, text.size())), '\f');
        };
        EXPECT_EQ(pageOf("g = t · 2,5"), pageOf("p_d = g + s + g_s + w"));
        EXPECT_EQ(pageOf("q = b · p_d"), pageOf("= 110 · 0,861201"));
    }
}

}  // namespace
}  // namespace cw::report
