// The report of a bay that names a user catalogue designs with that catalogue, never with the
// built-in series its use stands for; a catalogue file that cannot be read refuses the bay.

#include "bay/catalogue_ref.h"
#include "design/catalogue_reader.h"
#include "report/report_bay.h"
#include "report/report_content.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

namespace cw::report {
namespace {

namespace fs = std::filesystem;

BayDocument bayWithCatalogue(std::string path) {
    BayDocument d;
    d.series = Series::Veltra;
    d.staticSystem = StaticSystem::OneSpan;
    d.gridWidthA1_cm = "120";
    d.gridWidthA2_cm = "90";
    d.spanL1_cm = "250";
    d.glazingHeightH1_cm = "100";
    d.glazingHeightH2_cm = "150";
    d.glassThickness_mm = "10";
    d.deflectionDivisor = "200";
    d.allowableDeflection_mm = "15";
    d.wind = HeightBand::UpTo8m;
    d.language = Language::English;
    d.catalogue = CatalogueRef{"house", std::move(path), "0"};
    return d;
}

TEST(ReportCatalogue, DesignsWithTheBaysCatalogue) {
    const fs::path dir = fs::temp_directory_path() / "cw-report-catalogue";
    fs::create_directories(dir);
    const std::string onDisk = "use,code,role,Ix_cm4,e_mm\nvertical,D-1,mullion,9000,60\n";
    std::ofstream(dir / "house.csv", std::ios::binary) << onDisk;
    const CatalogueRead given =
        readCatalogue("use,code,role,Ix_cm4,e_mm\nvertical,G-1,mullion,9000,60\n", "given.csv");
    ASSERT_TRUE(given.catalogue);
    const struct {
        const char* name;
        std::string path;
        const Catalogue* catalogue;
        const char* mullion;  // nullptr: refused
    } cases[] = {
        {"read from its file", (dir / "house.csv").string(), nullptr, "D-1"},
        {"the window's own", (dir / "house.csv").string(), &*given.catalogue, "G-1"},
        {"file gone", (dir / "gone.csv").string(), nullptr, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ReportBay bay = collectBay("bay", bayWithCatalogue(c.path),
                                         NumberFormat::fromLocale("C"), std::nullopt, c.catalogue);
        if (!c.mullion) {
            ASSERT_TRUE(bay.refusal);
            EXPECT_EQ(*bay.refusal, "Catalogue gone.csv not read:\n  the file cannot be read");
            continue;
        }
        ASSERT_FALSE(bay.refusal) << *bay.refusal;
        ASSERT_TRUE(bay.design.mullion);
        EXPECT_EQ(bay.design.mullion->code, c.mullion);
    }
}

// The report names the catalogue, its file and hash, and prints the row the mullion was taken
// from with the properties the file gives, the steel insert's check included.
TEST(ReportCatalogue, PrintsTheCatalogueAndTheMatchedRow) {
    const fs::path dir = fs::temp_directory_path() / "cw-report-catalogue";
    fs::create_directories(dir);
    const std::string path = (dir / "insert.csv").string();
    std::ofstream(path, std::ios::binary)
        << "use,code,role,Ix_cm4,e_mm,A_cm2,mass_kg_m,alloy,steel_Ix_cm4,steel_Wx_cm3,"
           "steel_grade\nvertical,S-1,mullion,8000,60,12.5,3.4,6060 T6,100,10,S355\n";
    const ReportBay bay = collectBay("bay", bayWithCatalogue(path), NumberFormat::fromLocale("C"));
    ASSERT_FALSE(bay.refusal) << *bay.refusal;
    std::map<std::string, std::string> rows;
    for (const Block& b : bayBlocks(bay))
        if (b.kind == BlockKind::Row)
            rows[b.a] = b.b;
    // Wx = Ix / e = 8000 / 6 = 1333.33 cm3; Ix,eff = 8000 + 3 * 100 = 8300 cm4 (E_st / E_al = 3).
    const std::map<std::string, std::string> expected = {
        {"Profile catalogue", "house"},
        {"File", path},
        {"SHA-256", "0"},
        {"Catalogue row", "S-1: Ix = 8000 cm⁴, Wx = 1333.33 cm³, A = 12.5 cm², 3.4 kg/m, 6060 T6"},
    };
    for (const auto& [label, value] : expected)
        EXPECT_EQ(rows[label], value) << label;
    ASSERT_TRUE(rows.count("Steel insert"));
    EXPECT_EQ(
        rows["Steel insert"].rfind("Ix,st = 100 cm⁴, Wx,st = 10 cm³, S355; Ix,eff = 8300 cm⁴", 0),
        0U)
        << rows["Steel insert"];
}

}  // namespace
}  // namespace cw::report
