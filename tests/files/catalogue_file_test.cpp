#include "files/catalogue_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>

namespace cw::files {
namespace {

namespace fs = std::filesystem;

std::string readText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

fs::path scratch(const std::string& name) {
    const fs::path dir = fs::temp_directory_path() / "cw_catalogue_file_test";
    fs::create_directories(dir);
    return dir / name;
}

// openpyxl writes the workbook from the CSV: a second, independent route to the same rows.
fs::path workbookFrom(const fs::path& csv, const std::string& name, bool excelStyle) {
    const fs::path out = scratch(name);
    const std::string command = std::string(CW_OPENPYXL_PYTHON) + " '" + CW_MAKE_CATALOGUE_XLSX +
                                "' '" + out.string() + "'" + (excelStyle ? " --excel" : "") +
                                " < '" + csv.string() + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return out;
}

void expectSame(const Catalogue& a, const Catalogue& b) {
    EXPECT_EQ(a.name, b.name);
    EXPECT_EQ(a.use, b.use);
    ASSERT_EQ(a.mullions.size(), b.mullions.size());
    for (std::size_t i = 0; i < a.mullions.size(); ++i) {
        const MullionRow& x = a.mullions[i];
        const MullionRow& y = b.mullions[i];
        EXPECT_EQ(x.code, y.code);
        EXPECT_EQ(x.ix_mm4, y.ix_mm4) << x.code;
        EXPECT_EQ(x.fibre_mm, y.fibre_mm) << x.code;
        EXPECT_EQ(x.wx_cm3, y.wx_cm3) << x.code;
        EXPECT_EQ(x.lower_cm4, y.lower_cm4) << x.code;
        EXPECT_EQ(x.upper_cm4, y.upper_cm4) << x.code;
        EXPECT_EQ(x.extras.mass_kg_m, y.extras.mass_kg_m) << x.code;
        EXPECT_EQ(x.extras.elements.size(), y.extras.elements.size()) << x.code;
        EXPECT_EQ(x.extras.steel.has_value(), y.extras.steel.has_value()) << x.code;
    }
    for (const auto& [p, q] : {std::pair(&a.transoms, &b.transoms),
                               std::pair(&a.shortUpperSpanTransoms, &b.shortUpperSpanTransoms)}) {
        ASSERT_EQ(p->size(), q->size());
        for (std::size_t i = 0; i < p->size(); ++i) {
            EXPECT_EQ((*p)[i].code, (*q)[i].code);
            EXPECT_EQ((*p)[i].lower_cm4, (*q)[i].lower_cm4);
            EXPECT_EQ((*p)[i].upper_cm4, (*q)[i].upper_cm4);
            EXPECT_EQ((*p)[i].ix_mm4, (*q)[i].ix_mm4);
        }
    }
}

struct SourceCase {
    const char* name;
    const char* csv;  // under the source tree
};

void PrintTo(const SourceCase& c, std::ostream* os) {
    *os << c.name;
}

class CatalogueSources : public ::testing::TestWithParam<SourceCase> {};

// The CSV file, and the workbooks made from it as openpyxl and as Excel store them, load to
// the catalogue the text reader gives.
TEST_P(CatalogueSources, LoadTheSameCatalogue) {
    const fs::path csv = fs::path(CW_SOURCE_DIR) / GetParam().csv;
    const std::string stem = csv.stem().string();
    const CatalogueRead expected = readCatalogue(readText(csv), csv.filename().string());
    ASSERT_TRUE(expected.catalogue);
    for (const fs::path& file : {csv, workbookFrom(csv, stem + ".xlsx", false),
                                 workbookFrom(csv, stem + "-excel.xlsx", true)}) {
        const CatalogueLoad load = loadCatalogueFile(file);
        ASSERT_TRUE(load.catalogue) << file << "\n" << load.message;
        EXPECT_TRUE(load.message.empty());
        expectSame(*load.catalogue, *expected.catalogue);
    }
}

INSTANTIATE_TEST_SUITE_P(Files, CatalogueSources,
                         ::testing::Values(SourceCase{"veltra", "data/catalogues/veltra.csv"},
                                           SourceCase{"terrax", "data/catalogues/terrax.csv"},
                                           SourceCase{"korin_dalvo",
                                                      "data/catalogues/korin-dalvo.csv"}),
                         [](const auto& row) { return std::string(row.param.name); });

struct RefusalCase {
    const char* name;
    const char* file;
    std::string content;  // written as text; for .xlsx of a CSV, converted by openpyxl
    bool workbook;
    CatalogueFaultKind kind;
    std::size_t line;
    std::string column;
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << c.name;
}

class RefusedFile : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(RefusedFile, SaysWhyInOneMessage) {
    const RefusalCase& c = GetParam();
    fs::path path = scratch(c.file);
    {
        std::ofstream out(c.workbook ? scratch(std::string(c.file) + ".csv") : path,
                          std::ios::binary);
        out << c.content;
    }
    if (c.workbook)
        path = workbookFrom(scratch(std::string(c.file) + ".csv"), c.file, false);
    const CatalogueLoad load = loadCatalogueFile(path);
    EXPECT_FALSE(load.catalogue);
    ASSERT_FALSE(load.faults.empty());
    EXPECT_EQ(load.faults.front().kind, c.kind);
    EXPECT_EQ(load.faults.front().line, c.line);
    EXPECT_EQ(load.faults.front().column, c.column);
    EXPECT_NE(load.message.find(c.file), std::string::npos) << load.message;
}

INSTANTIATE_TEST_SUITE_P(
    Files, RefusedFile,
    ::testing::Values(
        // A sheet's row number stands for the line.
        RefusalCase{"bad_number_in_workbook", "bad.xlsx",
                    "use,code,role,Ix_cm4,e_mm\nvertical,M1,mullion,10,50\n"
                    "vertical,M2,mullion,abc,50\n",
                    true, CatalogueFaultKind::NotANumber, 3, "Ix_cm4"},
        RefusalCase{"text_named_xlsx", "text.xlsx", "use,code,role\n", false,
                    CatalogueFaultKind::NotAWorkbook, 0, ""},
        RefusalCase{"over_4_mb", "big.csv", std::string(kMostCatalogueBytes + 1, 'x'), false,
                    CatalogueFaultKind::FileTooLarge, 0, ""},
        RefusalCase{"empty_csv", "empty.csv", "", false, CatalogueFaultKind::NoRows, 0, ""}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(CatalogueFile, MissingFileIsUnreadable) {
    const CatalogueLoad load = loadCatalogueFile(scratch("no-such-catalogue.csv"));
    EXPECT_FALSE(load.catalogue);
    ASSERT_EQ(load.faults.size(), 1U);
    EXPECT_EQ(load.faults.front().kind, CatalogueFaultKind::Unreadable);
    EXPECT_NE(load.message.find("no-such-catalogue.csv"), std::string::npos);
}

}  // namespace
}  // namespace cw::files
