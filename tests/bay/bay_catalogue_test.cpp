// A bay run with a user catalogue: the catalogue's use stands in for a series option, its rows
// give the suggestions, and a mullion with a steel insert is checked as it was selected.

#include "bay/bay_run.h"
#include "bay/catalogue_ref.h"
#include "design/catalogue_reader.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace cw {
namespace {

// SHA-256 test vectors of FIPS 180-2 (Appendix B.1, B.2) and of the empty message.
TEST(CatalogueSha256, GivesTheStandardDigests) {
    const struct {
        const char* bytes;
        const char* digest;
    } cases[] = {
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(catalogueSha256(c.bytes), c.digest) << '"' << c.bytes << '"';
}

// One span, A1 = A2 = 100 cm (b = 100 cm), L1 = 300 cm, p = 1 kN/m2, L / 200 and f = 15 mm, so
// L1 / d = 1,5 cm governs (not above f / 10 = 1,5 cm). By hand (simple beam, q = b p / 10^4 =
// 0,01 kN/cm, E = 7000 kN/cm2):
//   required Jx = 5 q L^3 d / (384 E) = 5 * 0.01 * 300^3 * 200 / 2 688 000 = 100.4464 cm4;
//   M = q L^2 / 8 = p b L^2 / 80 000 = 112.5 kNcm.
// The rows: A 90 cm4 alone (too small), B 60 cm4 with a steel insert of 15 cm4 (effective
// 60 + 3 * 15 = 105 cm4, the smallest that suffices), C 120 cm4 alone. With B, by hand:
//   deflection = 5 q L^4 / (384 E I_eff) = 5 * 1 N/mm * 3000^4 / (384 * 70 000 * 1 050 000)
//              = 14.3495 mm (against 15 mm; with the aluminium's 60 cm4 alone it would be 25.1);
//   the aluminium carries 60 / 105 of M = 64.2857 kNcm on Wx = 60 / 8 = 7.5 cm3: 8.5714 kN/cm2
//   (against 9.5; all of M would give 15.0); the steel 45 / 105 of M = 48.2143 kNcm on its Wx.
std::string insertCatalogue(const std::string& steelWx, const std::string& grade) {
    return "use,code,role,Ix_cm4,e_mm,mass_kg_m,steel_Ix_cm4,steel_Wx_cm3,steel_grade\n"
           "vertical,A,mullion,90,80,2,,,\n"
           "vertical,B,mullion,60,80,2.5,15," +
           steelWx + "," + grade +
           "\n"
           "vertical,C,mullion,120,80,3,,,\n"
           "vertical,T,transom,10,40,1,,,\n";
}

BayDocument handBay(Series series, StaticSystem system) {
    BayDocument d;
    d.series = series;
    d.staticSystem = system;
    d.gridWidthA1_cm = "100";
    d.gridWidthA2_cm = "100";
    d.spanL1_cm = "300";
    d.spanL2_cm = "300";
    d.glazingHeightH1_cm = "100";
    d.glazingHeightH2_cm = "100";
    d.glassThickness_mm = "8";
    d.deflectionDivisor = "200";
    d.allowableDeflection_mm = "15";
    d.wind = WindSource::TypedPressure;
    d.windPressure_kNm2 = "1";
    d.windSpeed_kmh = "0";
    d.structureWeight_kNm2 = "0";
    d.snowHeight_cm = "0";
    d.slope_deg = "0";
    d.language = Language::English;
    return d;
}

struct InsertCase {
    const char* name;
    const char* steelWx;
    const char* grade;
    double steelStress_Nmm2;  // 10 * 48.2143 kNcm / Wx
    bool stressPasses;
};

void PrintTo(const InsertCase& c, std::ostream* os) {
    *os << c.name;
}

class InsertedMullion : public ::testing::TestWithParam<InsertCase> {};

TEST_P(InsertedMullion, IsCheckedAsItWasSelected) {
    const InsertCase& c = GetParam();
    const CatalogueRead read = readCatalogue(insertCatalogue(c.steelWx, c.grade), "insert.csv");
    ASSERT_TRUE(read.catalogue) << describeCatalogueFaults("insert.csv", read.faults);
    const NumberFormat fmt = NumberFormat::fromLocale("en_US");
    // The document's own series is overridden by the catalogue's use.
    const BayOutcome run =
        runBay(handBay(Series::KorinDalvo, StaticSystem::OneSpan), fmt, &*read.catalogue);
    ASSERT_TRUE(run.completed);
    EXPECT_NEAR(run.design.requiredMullionJx_cm4, 100.4464, 1e-4);
    EXPECT_NEAR(run.design.requiredMoment_kNcm, 112.5, 1e-9);
    ASSERT_TRUE(run.design.mullion);
    const MullionCheck& m = *run.design.mullion;
    EXPECT_EQ(m.code, "B");
    EXPECT_NEAR(m.ix_cm4, 105.0, 1e-9);
    EXPECT_NEAR(m.deflection_mm, 14.3495, 1e-4);
    EXPECT_TRUE(m.deflectionPasses);
    EXPECT_NEAR(m.stress_kNcm2, 8.5714, 1e-4);
    ASSERT_TRUE(m.insert);
    EXPECT_NEAR(m.insert->bending.steelMoment_kNcm, 48.2143, 1e-4);
    EXPECT_NEAR(m.insert->bending.steelStress_Nmm2, c.steelStress_Nmm2, 1e-3);
    EXPECT_EQ(m.stressPasses, c.stressPasses);
    EXPECT_EQ(run.verdicts.stressPasses, std::optional<bool>(c.stressPasses));
    EXPECT_EQ(run.verdicts.deflectionPasses, std::optional<bool>(true));
    ASSERT_TRUE(run.design.transom);
    EXPECT_EQ(*run.design.transom, "T");
}

INSTANTIATE_TEST_SUITE_P(Hand, InsertedMullion,
                         ::testing::Values(
                             // 482.143 / 3 = 160.714 N/mm2 against S235's 235.
                             InsertCase{"steel_within_s235", "3", "S235", 160.7143, true},
                             // 482.143 / 2 = 241.071: above S235's 235, within S275's 275.
                             InsertCase{"steel_beyond_s235", "2", "S235", 241.0714, false},
                             InsertCase{"steel_within_s275", "2", "S275", 241.0714, true},
                             // Either side of S235's 235, within half a percent of it:
                             // 482.143 / 2.04 = 236.345 fails, 482.143 / 2.06 = 234.050 passes.
                             InsertCase{"steel_a_hair_beyond_s235", "2.04", "S235", 236.3445,
                                        false},
                             InsertCase{"steel_a_hair_within_s235", "2.06", "S235", 234.0499,
                                        true}),
                         [](const auto& row) { return std::string(row.param.name); });

// A catalogue's use acts as the series option of that use would: a sloped one offers no fixed
// ends (as Terrax) and takes the sloped-glazing load over one span, a vertical one designs as
// Veltra whatever series the document names. Required Jx by hand (q = b p / 10^4, L = 300,
// d = 200, 384 E = 2 688 000): one span or two equal spans 5 q L^3 d / 384 E = 100.45 cm4 (M2);
// fixed ends q L^3 d / 384 E = 20.09 (M1); sloped at 0 degrees the load is the glass alone,
// 8 * 2.5 * 9.81 / 1000 = 0.1962 kN/m2, so 19.71 cm4 (M1).
TEST(UserCatalogueUse, ActsAsTheSeriesOfItsUse) {
    const NumberFormat fmt = NumberFormat::fromLocale("en_US");
    const struct {
        const char* use;
        Series documentSeries;
        StaticSystem system;
        const char* mullion;  // empty: not designed
        bool sloped;
        double requiredJx;
    } cases[] = {
        {"vertical", Series::Terrax, StaticSystem::FixedEnds, "M1", false, 20.0893},
        {"vertical", Series::KorinDalvo, StaticSystem::OneSpan, "M2", false, 100.4464},
        {"sloped", Series::Veltra, StaticSystem::FixedEnds, "", false, 0.0},
        {"sloped", Series::Veltra, StaticSystem::OneSpan, "M1", true, 19.7076},
        {"sloped", Series::Terrax, StaticSystem::TwoSpans, "M2", false, 100.4464},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.use) + " system " + std::to_string(int(c.system)));
        const std::string csv = std::string("use,code,role,Ix_cm4,e_mm\n") + c.use +
                                ",M1,mullion,50,50\n" + c.use + ",M2,mullion,5000,80\n";
        const CatalogueRead read = readCatalogue(csv, "use.csv");
        ASSERT_TRUE(read.catalogue);
        const BayOutcome run = runBay(handBay(c.documentSeries, c.system), fmt, &*read.catalogue);
        const bool designed = *c.mullion != '\0';
        ASSERT_EQ(run.completed, designed);
        if (!designed)
            continue;
        EXPECT_EQ(run.design.slopedGlazing.has_value(), c.sloped);
        EXPECT_NEAR(run.design.requiredMullionJx_cm4, c.requiredJx, 1e-4);
        ASSERT_TRUE(run.design.mullion);
        EXPECT_EQ(run.design.mullion->code, c.mullion);
    }
}

}  // namespace
}  // namespace cw
