// A schedule with the limit-state and catalogue columns: the results of each row are those of
// the one bay run for the same document, a row's catalogue file is read from the schedule's
// folder, and a catalogue that cannot be read refuses its own row only.

#include "batch/batch_run.h"
#include "batch/bay_designer.h"
#include "bay/bay_run.h"
#include "bay/limit_state_texts.h"
#include "files/catalogue_file.h"
#include "files/schedule_csv.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace cw::batch {
namespace {

namespace fs = std::filesystem;
using Row = std::map<std::string, std::string>;

constexpr const char* kHeader =
    "id,series,system,A1,A2,L1,L2,H1,H2,glass,band,pressure,speed,d,f,basis,alloy,hanging,sk,"
    "catalogue\n";

// Each test gets a folder of its own for the schedule's catalogues.
class BatchLimitStates : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("cw_batch_ls_" + std::to_string(::getpid()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir / "sub");
    }
    void TearDown() override { fs::remove_all(m_dir); }

    fs::path write(const std::string& name, const std::string& text) const {
        const fs::path p = m_dir / name;
        std::ofstream(p, std::ios::binary) << text;
        return p;
    }

    struct Run {
        BatchSummary summary;
        std::vector<std::string> header;
        std::vector<Row> rows;
    };

    Run run(const std::string& schedule,
            std::shared_ptr<const Catalogue> catalogue = nullptr) const {
        BatchOptions options;
        options.numberFormat = NumberFormat::fromLocale("C");
        options.language = Language::English;
        options.catalogue = std::move(catalogue);
        options.scheduleFolder = m_dir;
        std::istringstream in(schedule);
        std::ostringstream out;
        auto sink = csvSink(out, "out", ',', false);
        Run r;
        r.summary = runBatch(in, "schedule.csv", schedule.size(), *sink, options);
        std::istringstream back(out.str());
        files::readSchedule(back, [&](const files::ScheduleRow& row) {
            r.header = row.header().names();
            Row cells;
            for (std::size_t i = 0; i < r.header.size(); ++i)
                cells[r.header[i]] = std::string(row.field(i));
            r.rows.push_back(std::move(cells));
        });
        return r;
    }

    fs::path m_dir;
};

std::shared_ptr<const Catalogue> load(const fs::path& path) {
    files::CatalogueLoad read = files::loadCatalogueFile(path);
    EXPECT_TRUE(read.catalogue) << read.message;
    return read.catalogue ? std::make_shared<const Catalogue>(std::move(*read.catalogue)) : nullptr;
}

// A vertical catalogue with one mullion large enough for every bay here, named `code`.
std::string oneMullion(const std::string& code) {
    return "use,code,role,Ix_cm4,e_mm\nvertical," + code + ",mullion,9000,60\n";
}

TEST_F(BatchLimitStates, ResultColumnsAreThoseOfTheBayRun) {
    fs::copy_file(fs::path(CW_EXAMPLES_DIR) / "catalogue-example50.csv",
                  m_dir / "sub" / "example50.csv");
    // Thick walls named as webs and a transom with every value: nothing left to assume.
    write(
        "stout.csv",
        "system,use,code,role,Ix_cm4,e_mm,Wx_cm3,Iy_cm4,Wy_cm3,A_cm2,mass_kg_m,alloy,elements\n"
        "Stout,vertical,S-M100,mullion,200,50,,60,24,12,3.3,6060 T6,\"web:i:92×4;face:i:42×4\"\n"
        "Stout,vertical,S-M150,mullion,600,75,,80,32,16,4.4,6060 T6,\"web:i:142×4;face:i:42×4\"\n"
        "Stout,vertical,S-T100,transom,200,,40,60,24,12,3.3,6060 T6,\"web:i:92×4;face:i:42×4\"\n");
    const struct {
        const char* name;
        const char* row;  // after the id
        std::optional<Series> series;
        std::optional<StaticSystem> system;
        const char* band;
        const char* l1;
        const char* l2;
        DesignBasis basis;
        const char* alloy;
        Hanging hanging;
        int catalogue;  // 0 the series' own, 1 example 50, 2 stout
    } cases[] = {
        {"built-in veltra, defaults",
         "veltra,one-span,120,90,250,,100,150,10,0-8,,,200,15,"
         "limit-states,,,,",
         Series::Veltra, StaticSystem::OneSpan, "0-8", "250", "", DesignBasis::LimitStates,
         "6060 T6", Hanging::HungFromTop, 0},
        {"built-in korin, 6063 T6 standing",
         "korin,two-spans,150,150,400,200,100,200,10,8-20,,,"
         "200,15,limit-states,6063 T6,base,,",
         Series::KorinDalvo, StaticSystem::TwoSpans, "8-20", "400", "200", DesignBasis::LimitStates,
         "6063 T6", Hanging::StandingOnBase, 0},
        {"example 50, short span",
         "veltra,one-span,120,90,250,,100,150,10,0-8,,,200,15,"
         "limit-states,,,,sub/example50.csv",
         Series::Veltra, StaticSystem::OneSpan, "0-8", "250", "", DesignBasis::LimitStates,
         "6060 T6", Hanging::HungFromTop, 1},
        {"example 50, long span",
         "veltra,one-span,150,150,450,,100,200,10,20-100,,,200,15,"
         "limit-states,6082 T6,,,sub/example50.csv",
         Series::Veltra, StaticSystem::OneSpan, "20-100", "450", "", DesignBasis::LimitStates,
         "6082 T6", Hanging::HungFromTop, 1},
        {"stout, 6082 T6",
         "veltra,one-span,150,150,400,,100,200,10,20-100,,,200,15,"
         "limit-states,EN AW-6082 T6,top,,stout.csv",
         Series::Veltra, StaticSystem::OneSpan, "20-100", "400", "", DesignBasis::LimitStates,
         "6082 T6", Hanging::HungFromTop, 2},
        // Standing on its base the mullion is in compression: member buckling is assumed.
        {"stout, standing",
         "veltra,one-span,150,150,400,,100,200,10,20-100,,,200,15,"
         "limit-states,,base,,stout.csv",
         Series::Veltra, StaticSystem::OneSpan, "20-100", "400", "", DesignBasis::LimitStates,
         "6060 T6", Hanging::StandingOnBase, 2},
        // A short span under a strong wind: bending governs, the first check of all.
        {"built-in veltra, short span",
         "veltra,one-span,150,150,100,,50,50,10,20-100,,,200,15,limit-states,,,,",
         Series::Veltra, StaticSystem::OneSpan, "20-100", "100", "", DesignBasis::LimitStates,
         "6060 T6", Hanging::HungFromTop, 0},
        {"allowable basis", "veltra,one-span,120,90,250,,100,150,10,0-8,,,200,15,allowable,,,,",
         Series::Veltra, StaticSystem::OneSpan, "0-8", "250", "", DesignBasis::Allowable, "6060 T6",
         Hanging::HungFromTop, 0},
    };
    std::string schedule = kHeader;
    for (const auto& c : cases)
        schedule += std::string("\"") + c.name + "\"," + c.row + "\n";
    const Run result = run(schedule);
    ASSERT_FALSE(result.summary.failure);
    ASSERT_EQ(result.rows.size(), std::size(cases));
    const std::shared_ptr<const Catalogue> catalogues[] = {
        nullptr, load(m_dir / "sub" / "example50.csv"), load(m_dir / "stout.csv")};
    const NumberFormat fmt = NumberFormat::fromLocale("C");

    std::set<std::string> verdictsSeen;
    std::set<CheckId> governingSeen;
    for (std::size_t k = 0; k < std::size(cases); ++k) {
        const auto& c = cases[k];
        SCOPED_TRACE(c.name);
        Row got = result.rows[k];
        EXPECT_EQ(got["error"], "");

        BayDocument d;
        d.series = c.series;
        d.staticSystem = c.system;
        d.wind = std::string(c.band) == "0-8"    ? HeightBand::UpTo8m
                 : std::string(c.band) == "8-20" ? HeightBand::UpTo20m
                                                 : HeightBand::UpTo100m;
        const std::string a1 = got["A1"], a2 = got["A2"], h1 = got["H1"], h2 = got["H2"];
        d.gridWidthA1_cm = a1;
        d.gridWidthA2_cm = a2;
        d.spanL1_cm = c.l1;
        d.spanL2_cm = c.l2;
        d.glazingHeightH1_cm = h1;
        d.glazingHeightH2_cm = h2;
        d.glassThickness_mm = "10";
        d.deflectionDivisor = "200";
        d.allowableDeflection_mm = "15";
        d.basis = c.basis;
        d.alloy = c.alloy;
        d.hanging = c.hanging;
        d.language = Language::English;
        const BayOutcome expected = runBay(d, fmt, catalogues[c.catalogue].get());
        ASSERT_TRUE(expected.completed);
        EXPECT_EQ(got["mullion"], expected.texts[Field::SuggestedMullion]);

        if (c.basis == DesignBasis::Allowable) {
            for (const char* column : {"limit_state_mullion", "governing_check", "utilisation",
                                       "limit_state_verdict", "section_class"})
                EXPECT_EQ(got[column], "") << column;
            continue;
        }
        ASSERT_TRUE(expected.limitStates);
        const LimitStateRun& ls = *expected.limitStates;
        const LimitStateResult& r = ls.result;
        ASSERT_TRUE(r.valid);
        const LimitStateCheck& g = r.checks[std::size_t(r.governing)];
        // The dialog's and the report's own texts of the run.
        const LimitStateTexts texts =
            limitStateTexts(ls, *findAlloy(c.alloy), PartialFactors{}, Language::English, fmt);
        EXPECT_EQ(got["limit_state_mullion"], ls.mullion->code);
        EXPECT_EQ(got["governing_check"],
                  std::string(memberKey(g.id)) + " " + std::string(checkKey(g.id)));
        EXPECT_EQ(got["utilisation"], texts.checks[std::size_t(r.governing)].utilisation);
        // Independently: E_d / R_d rounded up to three decimals, so the value shown is never
        // below the true one and less than 0.001 above it.
        const double shown = std::stod(got["utilisation"]);
        const double exact = std::abs(g.Ed) / g.Rd;
        EXPECT_GE(shown, exact - 1e-9);
        EXPECT_LT(shown - exact, 0.001);
        EXPECT_NEAR(shown * 1000.0, std::round(shown * 1000.0), 1e-6);
        const char* verdict = ls.noRowPasses                           ? "fail"
                              : r.verdict == LimitStateVerdict::Passes ? "pass"
                              : r.verdict == LimitStateVerdict::PassesUnverified
                                  ? "passes unverified"
                                  : "fail";
        EXPECT_EQ(got["limit_state_verdict"], verdict);
        verdictsSeen.insert(got["limit_state_verdict"]);
        governingSeen.insert(g.id);
        EXPECT_EQ(got["section_class"], r.mullionClass > 0 ? std::to_string(r.mullionClass) : "");
        // A class that is not verified is never a plain pass.
        if (r.mullionClass == 0) {
            EXPECT_NE(got["limit_state_verdict"], "pass");
        }
    }
    // The table covers each verdict a checked row can have.
    EXPECT_EQ(verdictsSeen, (std::set<std::string>{"pass", "fail", "passes unverified"}));
    EXPECT_TRUE(governingSeen.count(CheckId::MullionBending));
    EXPECT_TRUE(governingSeen.count(CheckId::MullionDeflection));
}

TEST_F(BatchLimitStates, EachRowDesignsWithItsOwnCatalogue) {
    write("a.csv", oneMullion("A-1"));
    write("sub/b.csv", oneMullion("B-1"));
    write("bad.csv", "use,code,role,Ix_cm4,e_mm\nvertical,X-1,mullion,lots,60\n");
    write("default.csv", oneMullion("D-1"));
    const std::string bay = "veltra,one-span,120,90,250,,100,150,10,0-8,,,200,15,,,,,";
    const struct {
        const char* id;
        std::string catalogue;
        const char* mullion;  // nullptr: refused
        const char* refusal;
    } cases[] = {
        {"relative", "a.csv", "A-1", nullptr},
        {"in a subfolder", "sub/b.csv", "B-1", nullptr},
        {"absolute", (m_dir / "sub" / "b.csv").string(), "B-1", nullptr},
        {"again the first", "./a.csv", "A-1", nullptr},
        {"empty: --catalogue", "", "D-1", nullptr},
        {"missing", "missing.csv", nullptr,
         "catalogue: Catalogue missing.csv not read:\n  the file cannot be read"},
        {"not a catalogue", "bad.csv", nullptr, "catalogue: Catalogue bad.csv not read:"},
        {"after the refusals", "a.csv", "A-1", nullptr},
    };
    std::string schedule = kHeader;
    for (const auto& c : cases)
        schedule += std::string(c.id) + "," + bay + files::csvField(c.catalogue, ',') + "\n";
    const Run result = run(schedule, load(m_dir / "default.csv"));
    ASSERT_FALSE(result.summary.failure);
    ASSERT_EQ(result.rows.size(), std::size(cases));
    EXPECT_EQ(result.summary.refused, 2u);
    for (std::size_t k = 0; k < std::size(cases); ++k) {
        const auto& c = cases[k];
        SCOPED_TRACE(c.id);
        Row got = result.rows[k];
        EXPECT_EQ(got["catalogue"], c.catalogue);
        if (c.mullion) {
            EXPECT_EQ(got["error"], "");
            EXPECT_EQ(got["mullion"], c.mullion);
        } else {
            EXPECT_EQ(got["error"].rfind(c.refusal, 0), 0u) << got["error"];
            EXPECT_EQ(got["mullion"], "");
        }
    }
}

TEST_F(BatchLimitStates, OnlyABasisColumnAddsColumns) {
    write("a.csv", oneMullion("A-1"));
    const std::vector<std::string> before = resultHeader();
    std::vector<std::string> after = before;
    after.insert(after.end(),
                 {"basis", "alloy", "hanging", "sk", "catalogue", "limit_state_mullion",
                  "governing_check", "utilisation", "limit_state_verdict", "section_class"});
    const std::string bay = "B,veltra,one-span,120,90,250,,100,150,10,0-8,,,200,15";
    const struct {
        const char* name;
        std::string schedule;
        const std::vector<std::string>& header;
        const char* mullion;
    } cases[] = {
        {"no new column",
         "id,series,system,A1,A2,L1,L2,H1,H2,glass,band,pressure,speed,d,f\n" + bay + "\n", before,
         "KA-01"},
        // The catalogue is used, but the results keep the layout of older schedules.
        {"catalogue only",
         "id,series,system,A1,A2,L1,L2,H1,H2,glass,band,pressure,speed,d,f,"
         "catalogue\n" +
             bay + ",a.csv\n",
         before, "A-1"},
        {"basis",
         "id,series,system,A1,A2,L1,L2,H1,H2,glass,band,pressure,speed,d,f,Basis\n" + bay + ",\n",
         after, "KA-01"},
        {"basis, no rows", "id,series,system,basis\n", after, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Run result = run(c.schedule);
        ASSERT_FALSE(result.summary.failure);
        if (!c.mullion) {
            EXPECT_TRUE(result.rows.empty());
            // With no row the reader hands over nothing: read the header line itself.
            std::istringstream in(c.schedule);
            BatchOptions options;
            std::ostringstream out;
            auto sink = csvSink(out, "out", ',', false);
            runBatch(in, "schedule.csv", std::nullopt, *sink, options);
            std::string joined;
            for (const std::string& name : c.header)
                joined += (joined.empty() ? "" : ",") + name;
            EXPECT_EQ(out.str(), joined + "\r\n");
            continue;
        }
        EXPECT_EQ(result.header, c.header);
        ASSERT_EQ(result.rows.size(), 1u);
        EXPECT_EQ(result.rows[0].at("mullion"), c.mullion);
    }
}

// What a workbook holds as a number: the numbers of the limit-state columns, not their words.
TEST(BatchLimitStateColumns, WorkbookNumbersAreTheNumberColumns) {
    const struct {
        const char* column;
        bool number;
    } cases[] = {
        {"basis", false},
        {"alloy", false},
        {"hanging", false},
        {"sk", true},
        {"catalogue", false},
        {"limit_state_mullion", false},
        {"governing_check", false},
        {"utilisation", true},
        {"limit_state_verdict", false},
        {"section_class", true},
        {"error", false},
        {"stress_kNcm2", true},
    };
    const std::vector<std::string> header = resultHeader(true);
    for (const auto& c : cases) {
        const auto at = std::find(header.begin(), header.end(), c.column);
        ASSERT_NE(at, header.end()) << c.column;
        EXPECT_EQ(isNumberColumn(std::size_t(at - header.begin())), c.number) << c.column;
    }
}

// Each catalogue file is read by the first row that names it, not once a row.
TEST_F(BatchLimitStates, ACatalogueIsReadOnce) {
    const fs::path a = write("a.csv", oneMullion("A-1"));
    BayDesigner designer(NumberFormat::fromLocale("C"), Language::English, nullptr, m_dir);
    RowTexts texts{};
    const std::pair<Column, std::string_view> cells[] = {
        {Column::Series, "veltra"}, {Column::System, "one-span"}, {Column::A1, "120"},
        {Column::A2, "90"},         {Column::L1, "250"},          {Column::H1, "100"},
        {Column::H2, "150"},        {Column::Glass, "10"},        {Column::Band, "0-8"},
        {Column::Divisor, "200"},   {Column::Deflection, "15"},   {Column::Catalogue, "a.csv"}};
    for (const auto& [column, text] : cells)
        texts[std::size_t(column)] = text;
    const std::vector<std::string> header = resultHeader(true);
    const auto mullion =
        std::size_t(std::find(header.begin(), header.end(), "mullion") - header.begin());
    std::vector<std::string> out;
    ASSERT_TRUE(designer.design(texts, out, true)) << out.back();
    EXPECT_EQ(out[mullion], "A-1");
    fs::remove(a);
    // The file is gone: the rows after still design with what was read.
    ASSERT_TRUE(designer.design(texts, out, true));
    EXPECT_EQ(out[mullion], "A-1");
    std::vector<std::string> fresh;
    BayDesigner another(NumberFormat::fromLocale("C"), Language::English, nullptr, m_dir);
    EXPECT_FALSE(another.design(texts, fresh, true));
}

}  // namespace
}  // namespace cw::batch
