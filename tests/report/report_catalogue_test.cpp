// The report of a bay that names a user catalogue designs with that catalogue, never with the
// built-in series its use stands for; a catalogue file that cannot be read refuses the bay.

#include "bay/catalogue_ref.h"
#include "design/catalogue_reader.h"
#include "report/report_bay.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace cw::report {
namespace {

namespace fs = std::filesystem;

BayDocument bayWithCatalogue(std::string path) {
    BayDocument d;
    d.series = BaySeries::Veltra;
    d.staticSystem = BayStaticSystem::OneSpan;
    d.gridWidthA1_cm = "120";
    d.gridWidthA2_cm = "90";
    d.spanL1_cm = "250";
    d.glazingHeightH1_cm = "100";
    d.glazingHeightH2_cm = "150";
    d.glassThickness_mm = "10";
    d.deflectionDivisor = "200";
    d.allowableDeflection_mm = "15";
    d.windSource = BayWindSource::Band0To8m;
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
        const ReportBay bay = collectBay("bay", bayWithCatalogue(c.path), NumberFormat::fromLocale("C"),
                                         std::nullopt, c.catalogue);
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

}  // namespace
}  // namespace cw::report
