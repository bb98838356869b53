#include "design/catalogue_reader.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

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

// The most rows a catalogue may have is taken; one more is refused (the table below).
TEST(CatalogueLimits, TakesTheMostRows) {
    std::string most = "use,code,role,Ix_cm4,e_mm\n";
    for (std::size_t i = 0; i < kMostCatalogueRows; ++i)
        most += "vertical,M" + std::to_string(i) + ",mullion," + std::to_string(i + 1) + ",50\n";
    const CatalogueRead r = readCatalogue(most, "most.csv");
    ASSERT_TRUE(r.catalogue.has_value());
    EXPECT_EQ(r.catalogue->mullions.size(), kMostCatalogueRows);
}

// A value quoted in a fault is cut to 60 bytes, never inside a character: "a" and 40 Greek
// letters of two bytes each would be cut in the middle of the 30th letter, so 29 are kept.
TEST(CatalogueLimits, AQuotedValueIsCutAtAWholeCharacter) {
    std::string greek;
    for (int i = 0; i < 40; ++i)
        greek += "Δ";
    const struct {
        std::string value;
        std::string quoted;
    } cases[] = {
        {"a" + greek, "a" + greek.substr(0, 58) + "..."},
        {greek, greek.substr(0, 60) + "..."},
        {greek.substr(0, 60), greek.substr(0, 60)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        const CatalogueRead r = readCatalogue(rows("S,vertical,M1,mullion," + c.value + ",50,,\n"),
                                              "bad.csv");
        ASSERT_FALSE(r.faults.empty());
        EXPECT_EQ(r.faults.front().kind, K::NotANumber);
        EXPECT_EQ(r.faults.front().value, c.quoted);
    }
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
        // A number, but below zero: said so, not "not a number".
        BadCase{"negative", rows("S,vertical,M1,mullion,-10,50,,\n"), K::NotPositive, 2, "Ix_cm4"},
        BadCase{"negative_e", rows("S,vertical,M1,mullion,10,-0.5,,\n"), K::NotPositive, 2, "e_mm"},
        BadCase{"minus_alone", rows("S,vertical,M1,mullion,-,50,,\n"), K::NotANumber, 2, "Ix_cm4"},
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

// The columns of a user catalogue: every row below is one fault in an otherwise good file.
constexpr std::string_view kFullHeader =
    "use,code,role,Ix_cm4,e_mm,Wx_cm3,Iy_cm4,Wy_cm3,A_cm2,mass_kg_m,alloy,elements,"
    "steel_Ix_cm4,steel_Wx_cm3,steel_grade,from_cm4,to_cm4\n";

std::string full(std::string_view body) {
    return std::string(kFullHeader) + std::string(body);
}

const std::string kGoodMullion =
    "vertical,M0,mullion,100,50,,40,10,5,1.5,6060 T6,web:i:100x2,,,,,\n";

INSTANTIATE_TEST_SUITE_P(
    UserColumns, RefusedCatalogue,
    ::testing::Values(
        BadCase{"wx_and_e", full("vertical,M1,mullion,100,50,20,,,,,,,,,,,\n"), K::BothWxAndE, 2,
                "Wx_cm3"},
        BadCase{"neither_wx_nor_e", full("vertical,M1,mullion,100,,,,,,,,,,,,,\n"), K::MissingValue,
                2, "e_mm"},
        BadCase{"wx_zero", full("vertical,M1,mullion,100,,0,,,,,,,,,,,\n"), K::NotPositive, 2,
                "Wx_cm3"},
        BadCase{"mass_negative", full("vertical,M1,mullion,100,50,,,,,-1,,,,,,,\n"), K::NotPositive,
                2, "mass_kg_m"},
        BadCase{"area_infinite", full("vertical,M1,mullion,100,50,,,,inf,,,,,,,,\n"), K::NotANumber,
                2, "A_cm2"},
        BadCase{"iy_out_of_range",
                full("vertical,M1,mullion,100,50,," + std::string(400, '9') + ",,,,,,,,,,\n"),
                K::TooLarge, 2, "Iy_cm4"},
        // Ix / e would overflow: 1e-301 mm.
        BadCase{"e_below_a_millionth",
                full("vertical,M1,mullion,100,0." + std::string(300, '0') + "1,,,,,,,,,,,,\n"),
                K::TooSmall, 2, "e_mm"},
        // 3 x 1e308 is not a double.
        BadCase{"steel_ix_huge",
                full("vertical,M1,mullion,100,50,,,,,,,,1" + std::string(308, '0') + ",4,S235,,\n"),
                K::TooLarge, 2, "steel_Ix_cm4"},
        BadCase{"unknown_alloy", full("vertical,M1,mullion,100,50,,,,,,6060 T99,,,,,,\n"),
                K::UnknownAlloy, 2, "alloy"},
        BadCase{"elements_no_kind", full("vertical,M1,mullion,100,50,,,,,,,web:120x2,,,,,\n"),
                K::BadElements, 2, "elements"},
        BadCase{"elements_kind_x", full("vertical,M1,mullion,100,50,,,,,,,web:x:120x2,,,,,\n"),
                K::BadElements, 2, "elements"},
        BadCase{"elements_no_times", full("vertical,M1,mullion,100,50,,,,,,,web:i:120*2,,,,,\n"),
                K::BadElements, 2, "elements"},
        BadCase{"elements_zero_t", full("vertical,M1,mullion,100,50,,,,,,,web:i:120x0,,,,,\n"),
                K::BadElements, 2, "elements"},
        BadCase{"elements_trailing_semicolon",
                full("vertical,M1,mullion,100,50,,,,,,,web:i:120x2;,,,,,\n"), K::BadElements, 2,
                "elements"},
        BadCase{"elements_no_name", full("vertical,M1,mullion,100,50,,,,,,,:i:120x2,,,,,\n"),
                K::BadElements, 2, "elements"},
        BadCase{"steel_without_grade", full("vertical,M1,mullion,100,50,,,,,,,,20,4,,,\n"),
                K::MissingValue, 2, "steel_grade"},
        BadCase{"steel_grade_alone", full("vertical,M1,mullion,100,50,,,,,,,,,,S235,,\n"),
                K::MissingValue, 2, "steel_Ix_cm4"},
        BadCase{"steel_grade_unknown", full("vertical,M1,mullion,100,50,,,,,,,,20,4,S460,,\n"),
                K::UnknownSteelGrade, 2, "steel_grade"},
        BadCase{"band_transom_with_mass",
                full(kGoodMullion + "vertical,T1,transom,,,,,,,2,,,,,,0,10\n"), K::ValueNotTaken, 3,
                "mass_kg_m"},
        BadCase{"transoms_mixed",
                full(kGoodMullion + "vertical,T1,transom,,,,,,,,,,,,,0,10\n"
                                    "vertical,T2,transom,30,,,,,,,,,,,,,\n"),
                K::TransomKindsMixed, 4, "role"},
        BadCase{"transom_code_twice",
                full(kGoodMullion + "vertical,T1,transom,30,,,,,,,,,,,,,\n"
                                    "vertical,T1,transom,40,,,,,,,,,,,,,\n"),
                K::RepeatedCode, 4, "code"},
        BadCase{"semicolon_file_with_bad_number",
                "\xEF\xBB\xBFuse;code;role;Ix_cm4;e_mm\nvertical;M1;mullion;10,5;50\n",
                K::NotANumber, 2, "Ix_cm4"},
        BadCase{"too_large", std::string(kMostCatalogueBytes + 1, 'a'), K::FileTooLarge, 0, ""},
        BadCase{"too_many_rows",
                [] {
                    std::string many = "use,code,role,Ix_cm4,e_mm\n";
                    for (std::size_t i = 0; i <= kMostCatalogueRows; ++i)
                        many += "vertical,M" + std::to_string(i) + ",mullion," +
                                std::to_string(i + 1) + ",50\n";
                    return many;
                }(),
                K::TooManyRows, 0, ""}),
    [](const auto& row) { return std::string(row.param.name); });

// Every fault of a file, not only the first: a fault must not bring others that are not
// there.
struct AllFaultsCase {
    const char* name;
    std::string text;
    std::vector<std::pair<K, std::size_t>> faults;  // kind, line
};

void PrintTo(const AllFaultsCase& c, std::ostream* os) {
    *os << c.name;
}

class AllFaults : public ::testing::TestWithParam<AllFaultsCase> {};

TEST_P(AllFaults, AreTheFileFaults) {
    const AllFaultsCase& c = GetParam();
    const CatalogueRead r = readCatalogue(c.text, "bad.csv");
    EXPECT_FALSE(r.catalogue);
    std::vector<std::pair<K, std::size_t>> got;
    for (const CatalogueFault& f : r.faults)
        got.emplace_back(f.kind, f.line);
    EXPECT_EQ(got, c.faults) << describeCatalogueFaults("bad.csv", r.faults);
}

INSTANTIATE_TEST_SUITE_P(
    Files, AllFaults,
    ::testing::Values(
        // The row of the other kind is left out, so the bands around it are checked alone.
        AllFaultsCase{"transom_of_the_other_kind",
                      full(kGoodMullion + "vertical,T1,transom,,,,,,,,,,,,,0,10\n"
                                          "vertical,T2,transom,30,,,,,,,,,,,,,\n"
                                          "vertical,T3,transom,,,,,,,,,,,,,10,20\n"),
                      {{K::TransomKindsMixed, 4}}},
        AllFaultsCase{"bands_around_a_row_of_the_other_kind_overlap",
                      full(kGoodMullion + "vertical,T1,transom,,,,,,,,,,,,,0,10\n"
                                          "vertical,T2,transom,30,,,,,,,,,,,,,\n"
                                          "vertical,T3,transom,,,,,,,,,,,,,5,20\n"),
                      {{K::TransomKindsMixed, 4}, {K::OverlappingBand, 5}}},
        // The first row with the header's fields sets the use and system the others follow.
        AllFaultsCase{
            "short_first_row",
            rows("S,vertical,M1,mullion,10,50\n" + kMullion + "S,vertical,M2,mullion,20,50,,\n"),
            {{K::FieldCount, 2}}}),
    [](const auto& row) { return std::string(row.param.name); });

// A user catalogue: semicolons, a byte-order mark, rows in any order, Wx in place of e,
// elements, an insert, transoms with properties. Sorted by (Ix, mass, code) once read.
TEST(CatalogueReader, ReadsAUserCatalogue) {
    const std::string text =
        "\xEF\xBB\xBFsystem;use;code;role;Ix_cm4;e_mm;Wx_cm3;mass_kg_m;alloy;elements;"
        "steel_Ix_cm4;steel_Wx_cm3;steel_grade\r\n"
        "\"House; 50\";vertical;B;mullion;200;;40;2.5;EN AW-6063 T6;"
        "\"web:i:120\xC3\x97"
        "2.5;flange:o:15x2\";;;\r\n"
        "\"House; 50\";vertical;A;mullion;200;;40;2.1;6060 T6;;;;\r\n"
        "\"House; 50\";vertical;C;mullion;100;50;;3;;;40;8;S355\r\n"
        "\"House; 50\";vertical;D;mullion;150;60;;;;;;;\r\n"
        "\"House; 50\";vertical;T2;transom;80;;;1.9;;;;;\r\n"
        "\"House; 50\";vertical;T1;transom;30;;;1.2;;;;;\r\n";
    const CatalogueRead r = readCatalogue(text, "house.csv");
    ASSERT_TRUE(r.catalogue) << describeCatalogueFaults("house.csv", r.faults);
    const Catalogue& c = *r.catalogue;
    EXPECT_EQ(c.name, "House; 50");
    // D 150; A and B share Ix 200, A lighter; C's own 100 becomes 100 + 40 x 3 = 220 with steel.
    const std::vector<std::string> order{"D", "A", "B", "C"};
    ASSERT_EQ(c.mullions.size(), order.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        EXPECT_EQ(c.mullions[i].code, order[i]) << i;
    EXPECT_EQ(c.mullions[1].lower_cm4, 150.0);
    EXPECT_EQ(c.mullions[3].upper_cm4, 220.0);
    EXPECT_EQ(c.mullions[3].ix_mm4, 1000000);
    EXPECT_DOUBLE_EQ(c.mullions[3].wx_cm3, 20.0);  // 100 cm4 / 5 cm
    ASSERT_TRUE(c.mullions[3].extras.steel);
    EXPECT_EQ(c.mullions[3].extras.steel->grade, SteelGrade::S355);
    // e = Ix / Wx = 200 / 40 = 5 cm.
    EXPECT_DOUBLE_EQ(c.mullions[2].fibre_mm, 50.0);
    const std::vector<PlateElement>& e = c.mullions[2].extras.elements;
    ASSERT_EQ(e.size(), 2U);
    EXPECT_EQ(e[0].name, "web");
    EXPECT_TRUE(e[0].internal);
    EXPECT_EQ(e[0].width_mm, 120.0);
    EXPECT_EQ(e[0].thickness_mm, 2.5);
    EXPECT_FALSE(e[1].internal);
    EXPECT_EQ(e[1].width_mm, 15.0);
    EXPECT_EQ(c.mullions[2].extras.alloy, "EN AW-6063 T6");
    ASSERT_EQ(c.transoms.size(), 2U);
    EXPECT_EQ(c.transoms[0].code, "T1");
    EXPECT_FALSE(c.transoms[0].byBand);
    EXPECT_EQ(c.transoms[1].lower_cm4, 30.0);
    EXPECT_EQ(c.transoms[1].ix_mm4, 800000);
}

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
