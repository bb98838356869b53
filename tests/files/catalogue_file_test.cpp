#include "files/catalogue_file.h"

#include <gtest/gtest.h>

#include <cstdint>
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
// `options`: the generator's, as other writers store a workbook ("--excel --prefixed").
fs::path workbookFrom(const fs::path& csv, const std::string& name, const std::string& options) {
    const fs::path out = scratch(name);
    const std::string command = std::string(CW_OPENPYXL_PYTHON) + " '" + CW_MAKE_CATALOGUE_XLSX +
                                "' '" + out.string() + "' " + options + " < '" + csv.string() + "'";
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
    // Element names with a prefix, and cells without the reference a reader can infer, are
    // what some writers other than Excel and openpyxl store.
    for (const fs::path& file :
         {csv, workbookFrom(csv, stem + ".xlsx", ""),
          workbookFrom(csv, stem + "-excel.xlsx", "--excel"),
          workbookFrom(csv, stem + "-other.xlsx", "--excel --prefixed --no-refs")}) {
        const CatalogueLoad load = loadCatalogueFile(file);
        ASSERT_TRUE(load.catalogue) << file << "\n" << load.message;
        EXPECT_TRUE(load.message.empty());
        expectSame(*load.catalogue, *expected.catalogue);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, CatalogueSources,
    ::testing::Values(SourceCase{"veltra", "data/catalogues/veltra.csv"},
                      SourceCase{"terrax", "data/catalogues/terrax.csv"},
                      SourceCase{"korin_dalvo", "data/catalogues/korin-dalvo.csv"},
                      SourceCase{"example50", "examples/catalogue-example50.csv"}),
    [](const auto& row) { return std::string(row.param.name); });

struct RefusalCase {
    const char* name;
    const char* file;
    std::string content;   // written as text; for .xlsx of a CSV, converted by openpyxl
    const char* workbook;  // the generator's options for .xlsx of a CSV; nullptr: as text
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
        path = workbookFrom(scratch(std::string(c.file) + ".csv"), c.file, c.workbook);
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
                    "", CatalogueFaultKind::NotANumber, 3, "Ix_cm4"},
        // Damaged: the workbook part without the relationships that name its sheets.
        RefusalCase{"workbook_without_relationships", "norels.xlsx",
                    "use,code,role,Ix_cm4,e_mm\nvertical,M1,mullion,10,50\n", "--no-rels",
                    CatalogueFaultKind::NotAWorkbook, 0, ""},
        RefusalCase{"text_named_xlsx", "text.xlsx", "use,code,role\n", nullptr,
                    CatalogueFaultKind::NotAWorkbook, 0, ""},
        RefusalCase{"over_4_mb", "big.csv", std::string(kMostCatalogueBytes + 1, 'x'), nullptr,
                    CatalogueFaultKind::FileTooLarge, 0, ""},
        RefusalCase{"empty_csv", "empty.csv", "", nullptr, CatalogueFaultKind::NoRows, 0, ""}),
    [](const auto& row) { return std::string(row.param.name); });

// The example system's rows against the shapes they were computed from, by hand:
// Ix = b h^3 / 12 - (b' - tw) h'^3 / 12, b' = b - 2 ts, h' = h - 2 tf, b = 50 mm.
// E50-M085 (h 85, t 2.2): 50 x 614125 / 12 - 45.6 x 80.6^3 / 12
//   = 2558854.17 - 1989705.14 = 569149.0 mm4.
// E50-M150W (h 150, t 2.5, web 2): 50 x 3375000 / 12 - 43 x 145^3 / 12
//   = 14062500 - 43 x 3048625 / 12 = 14062500 - 10924239.6 = 3138260.4 mm4.
// E50-T090 (h 90, tf 2.2, ts 2): 50 x 729000 / 12 - 46 x 85.6^3 / 12
//   = 3037500 - 46 x 627222.0 / 12 = 3037500 - 2404351.0 = 633149.0 mm4; Wx = Ix / 45.
// E50-M200S: the E50-M200 (631.8213 cm4) with a flat bar 8 x 120, I = 8 x 120^3 / 12
//   = 115.2 cm4, counting 3 x 115.2 = 345.6: 977.4213 cm4.
struct ExampleRow {
    const char* code;
    bool mullion;
    std::int32_t ix_mm4;
    double selection_cm4;
};

TEST(ExampleCatalogue, RowsAreTheirShapes) {
    const CatalogueLoad load =
        loadCatalogueFile(fs::path(CW_SOURCE_DIR) / "examples/catalogue-example50.csv");
    ASSERT_TRUE(load.catalogue) << load.message;
    const Catalogue& c = *load.catalogue;
    EXPECT_NE(c.name.find("made up"), std::string::npos);
    EXPECT_GE(c.mullions.size(), 12U);
    EXPECT_GE(c.transoms.size(), 8U);
    const ExampleRow kRows[] = {{"E50-M085", true, 569149, 56.9149},
                                {"E50-M150W", true, 3138260, 313.826},
                                {"E50-T090", false, 633149, 63.3149},
                                {"E50-M200S", true, 6318213, 977.4213}};
    for (const ExampleRow& want : kRows) {
        bool found = false;
        if (want.mullion) {
            for (const MullionRow& m : c.mullions)
                if (m.code == want.code) {
                    found = true;
                    EXPECT_EQ(m.ix_mm4, want.ix_mm4) << want.code;
                    EXPECT_NEAR(m.upper_cm4, want.selection_cm4, 1e-9) << want.code;
                    EXPECT_FALSE(m.extras.elements.empty()) << want.code;
                }
        } else {
            for (const TransomRow& t : c.transoms)
                if (t.code == want.code) {
                    found = true;
                    EXPECT_EQ(t.ix_mm4, want.ix_mm4);
                    ASSERT_TRUE(t.wx_cm3);
                    EXPECT_NEAR(*t.wx_cm3, 633.149 / 45.0, 1e-4);
                    ASSERT_TRUE(t.fibre_mm);
                    EXPECT_NEAR(*t.fibre_mm, 45.0, 1e-3);
                }
        }
        EXPECT_TRUE(found) << want.code;
    }
    std::size_t inserts = 0;
    for (const MullionRow& m : c.mullions)
        inserts += m.extras.steel ? 1U : 0U;
    EXPECT_EQ(inserts, 1U);
    // Above the E50-M200W's 783.93 the reinforced E50-M200S (977.42) comes before the
    // E50-M225W (1133.52).
    const MullionRow* chosen = chooseMullion(c, 800.0);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->code, "E50-M200S");
}

TEST(CatalogueFile, MissingFileIsUnreadable) {
    const CatalogueLoad load = loadCatalogueFile(scratch("no-such-catalogue.csv"));
    EXPECT_FALSE(load.catalogue);
    ASSERT_EQ(load.faults.size(), 1U);
    EXPECT_EQ(load.faults.front().kind, CatalogueFaultKind::Unreadable);
    EXPECT_NE(load.message.find("no-such-catalogue.csv"), std::string::npos);
}

}  // namespace
}  // namespace cw::files
