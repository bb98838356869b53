#include "design/catalogue_reader.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace cw {
namespace {

using K = CatalogueFaultKind;

constexpr std::string_view kHeader = "system,use,code,role,Ix_cm4,e_mm,from_cm4,to_cm4\n";

struct BadCase {
    const char* name;
    std::string text;
    K kind;
    std::size_t line;
    std::string_view column;
};

void PrintTo(const BadCase& c, std::ostream* os) {
    *os << c.name;
}

std::string rows(std::string_view body) {
    return std::string(kHeader) + std::string(body);
}

class RefusedCatalogue : public ::testing::TestWithParam<BadCase> {};

// A file with a fault gives no catalogue, and the message names the file, the line and the
// column of the first fault.
TEST_P(RefusedCatalogue, NamesTheFault) {
    const BadCase& c = GetParam();
    const CatalogueRead r = readCatalogue(c.text, "bad.csv");
    EXPECT_FALSE(r.catalogue.has_value());
    ASSERT_FALSE(r.faults.empty());
    const CatalogueFault& f = r.faults.front();
    EXPECT_EQ(f.kind, c.kind);
    EXPECT_EQ(f.line, c.line);
    EXPECT_EQ(f.column, c.column);
    const std::string message = describeCatalogueFaults("bad.csv", r.faults);
    EXPECT_NE(message.find("bad.csv"), std::string::npos) << message;
    if (c.line > 0) {
        EXPECT_NE(message.find("line " + std::to_string(c.line)), std::string::npos) << message;
    }
}

const std::string kMullion = "S,vertical,M1,mullion,10,50,,\n";

INSTANTIATE_TEST_SUITE_P(
    Faults, RefusedCatalogue,
    ::testing::Values(
        BadCase{"empty", "", K::NoRows, 0, ""},
        BadCase{"header_only", std::string(kHeader), K::NoRows, 0, ""},
        BadCase{"no_mullion", rows("S,vertical,T1,transom,,,0,10\n"), K::NoMullion, 0, ""},
        BadCase{"blank_line", rows("\n" + kMullion), K::EmptyLine, 2, ""},
        BadCase{"unclosed_quote", rows("\"S,vertical,M1,mullion,10,50,,\n"), K::UnclosedQuote, 2,
                ""},
        BadCase{"quote_inside", rows("S,vertical,M\"1,mullion,10,50,,\n"), K::StrayQuote, 2, ""},
        BadCase{"text_after_quote", rows("\"S\"x,vertical,M1,mullion,10,50,,\n"), K::StrayQuote, 2,
                ""},
        BadCase{"short_row", rows("S,vertical,M1,mullion,10,50,\n"), K::FieldCount, 2, ""},
        BadCase{"unknown_column", "use,code,role,Ix_cm4,e_mm,colour\nvertical,M1,mullion,1,1,red\n",
                K::UnknownColumn, 1, "colour"},
        BadCase{"column_twice", "use,code,code,role\nvertical,M1,M1,mullion\n", K::RepeatedColumn,
                1, "code"},
        BadCase{"no_role_column", "use,code,Ix_cm4,e_mm\nvertical,M1,1,1\n", K::MissingColumn, 1,
                "role"},
        BadCase{"unknown_use", rows("S,upright,M1,mullion,10,50,,\n"), K::UnknownUse, 2, "use"},
        BadCase{"use_differs", rows(kMullion + "S,sloped,M2,mullion,20,50,,\n"), K::UseDiffers, 3,
                "use"},
        BadCase{"system_differs", rows(kMullion + "R,vertical,M2,mullion,20,50,,\n"),
                K::SystemDiffers, 3, "system"},
        BadCase{"unknown_role", rows("S,vertical,M1,post,10,50,,\n"), K::UnknownRole, 2, "role"},
        BadCase{"no_code", rows("S,vertical,,mullion,10,50,,\n"), K::MissingValue, 2, "code"},
        BadCase{"mullion_without_e", rows("S,vertical,M1,mullion,10,,,\n"), K::MissingValue, 2,
                "e_mm"},
        BadCase{"mullion_with_band", rows("S,vertical,M1,mullion,10,50,0,10\n"), K::ValueNotTaken,
                2, "from_cm4"},
        BadCase{"transom_with_ix", rows(kMullion + "S,vertical,T1,transom,5,,0,10\n"),
                K::ValueNotTaken, 3, "Ix_cm4"},
        BadCase{"decimal_comma", rows("S,vertical,M1,mullion,\"10,5\",50,,\n"), K::NotANumber, 2,
                "Ix_cm4"},
        BadCase{"exponent", rows("S,vertical,M1,mullion,10,5e1,,\n"), K::NotANumber, 2, "e_mm"},
        BadCase{"negative", rows("S,vertical,M1,mullion,-10,50,,\n"), K::NotANumber, 2, "Ix_cm4"},
        BadCase{"spaces", rows("S,vertical,M1,mullion, 10,50,,\n"), K::NotANumber, 2, "Ix_cm4"},
        BadCase{"nan", rows("S,vertical,M1,mullion,10,nan,,\n"), K::NotANumber, 2, "e_mm"},
        BadCase{"zero_ix", rows("S,vertical,M1,mullion,0.0000,50,,\n"), K::NotPositive, 2,
                "Ix_cm4"},
        BadCase{"zero_e", rows("S,vertical,M1,mullion,10,0,,\n"), K::NotPositive, 2, "e_mm"},
        BadCase{"ix_below_1_mm4", rows("S,vertical,M1,mullion,10.00001,50,,\n"), K::TooPrecise, 2,
                "Ix_cm4"},
        BadCase{"ix_above_int32_mm4", rows("S,vertical,M1,mullion,214748.3648,50,,\n"), K::TooLarge,
                2, "Ix_cm4"},
        BadCase{"mullions_not_ascending", rows(kMullion + "S,vertical,M2,mullion,10,50,,\n"),
                K::MullionOrder, 3, "Ix_cm4"},
        BadCase{"mullion_code_twice", rows(kMullion + "S,vertical,M1,mullion,20,50,,\n"),
                K::RepeatedCode, 3, "code"},
        BadCase{"empty_band", rows(kMullion + "S,vertical,T1,transom,,,10,10\n"), K::EmptyBand, 3,
                "to_cm4"},
        BadCase{"overlapping_bands",
                rows(kMullion + "S,vertical,T1,transom,,,0,10\nS,vertical,T2,transom,,,9,20\n"),
                K::OverlappingBand, 4, "from_cm4"},
        BadCase{"unknown_span_case",
                "use,code,role,Ix_cm4,e_mm,from_cm4,to_cm4,span_case\nvertical,M1,mullion,1,1,,,\n"
                "vertical,T1,transom,,,0,1,short\n",
                K::UnknownSpanCase, 3, "span_case"}),
    [](const auto& row) { return std::string(row.param.name); });

// The quoting and line ends of RFC 4180, and the name taken from the file without a system
// column.
TEST(CatalogueReader, ReadsQuotedFieldsAndEitherLineEnd) {
    const std::string text =
        "use,code,role,Ix_cm4,e_mm,from_cm4,to_cm4\r\n"
        "sloped,\"A, \"\"wide\"\"\",mullion,12.5,40.25,,\r\n"
        "sloped,B,mullion,100,60,,\n"
        "sloped,\"T\nX\",transom,,,0,7.5";
    const CatalogueRead r = readCatalogue(text, "house.csv");
    ASSERT_TRUE(r.catalogue) << describeCatalogueFaults("house.csv", r.faults);
    const Catalogue& c = *r.catalogue;
    EXPECT_EQ(c.name, "house");
    EXPECT_EQ(c.use, CatalogueUse::Sloped);
    ASSERT_EQ(c.mullions.size(), 2U);
    EXPECT_EQ(c.mullions[0].code, "A, \"wide\"");
    EXPECT_EQ(c.mullions[0].ix_mm4, 125000);
    EXPECT_EQ(c.mullions[0].fibre_mm, 40.25);
    // Each mullion's band runs from the Ix of the one before to its own.
    EXPECT_EQ(c.mullions[1].lower_cm4, 12.5);
    EXPECT_EQ(c.mullions[1].upper_cm4, 100.0);
    ASSERT_EQ(c.transoms.size(), 1U);
    EXPECT_EQ(c.transoms[0].code, "T\nX");
    EXPECT_EQ(c.transoms[0].upper_cm4, 7.5);
}

// Every fault is gathered, up to ten, so a file is mended in one pass.
TEST(CatalogueReader, GathersUpToTenFaults) {
    std::string body;
    for (int i = 0; i < 12; ++i)
        body += "S,vertical,M,mullion,x,50,,\n";
    const CatalogueRead r = readCatalogue(rows(body), "bad.csv");
    EXPECT_FALSE(r.catalogue);
    ASSERT_EQ(r.faults.size(), kMostCatalogueFaults);
    EXPECT_EQ(r.faults.back().line, 11U);
}

}  // namespace
}  // namespace cw
