#include "files/schedule_csv.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace cw::files {
namespace {

// A row as "LINE:field|field|..." over every column of the header.
std::string rendered(const ScheduleRow& row) {
    std::string out = std::to_string(row.line()) + ":";
    for (std::size_t i = 0; i < row.header().names().size(); ++i) {
        if (i > 0)
            out += '|';
        out += row.field(i);
    }
    return out;
}

struct Parsed {
    ScheduleReadResult result;
    std::vector<std::string> rows;
};

Parsed parseWhole(const std::string& text) {
    Parsed parsed;
    std::istringstream in(text);
    parsed.result =
        readSchedule(in, [&](const ScheduleRow& row) { parsed.rows.push_back(rendered(row)); });
    return parsed;
}

// The same bytes one at a time: every boundary falls somewhere.
Parsed parseByteByByte(const std::string& text) {
    Parsed parsed;
    ScheduleParser parser([&](const ScheduleRow& row) { parsed.rows.push_back(rendered(row)); });
    for (const char c : text)
        if (!parser.feed(std::string_view(&c, 1)))
            break;
    parsed.result = parser.finish();
    return parsed;
}

struct ReadCase {
    const char* name;
    std::string text;
    char delimiter;
    std::vector<std::string> columns;
    std::vector<std::string> rows;
};

class ScheduleRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ScheduleRead, RowsWithTheLineTheyStartOn) {
    const ReadCase& c = GetParam();
    for (const Parsed& parsed : {parseWhole(c.text), parseByteByByte(c.text)}) {
        ASSERT_FALSE(parsed.result.error)
            << static_cast<int>(parsed.result.error->kind) << " at " << parsed.result.error->line;
        EXPECT_EQ(parsed.result.delimiter, c.delimiter);
        EXPECT_EQ(parsed.result.columns, c.columns);
        EXPECT_EQ(parsed.rows, c.rows);
        EXPECT_EQ(parsed.result.rows, c.rows.size());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Schedules, ScheduleRead,
    ::testing::Values(
        ReadCase{"comma",
                 "id,series,A1\n1,veltra,150\n2,korin,120\n",
                 ',',
                 {"id", "series", "A1"},
                 {"2:1|veltra|150", "3:2|korin|120"}},
        ReadCase{"semicolon_decimal_comma",
                 "id;series;A1\n1;veltra;1,50\n",
                 ';',
                 {"id", "series", "A1"},
                 {"2:1|veltra|1,50"}},
        ReadCase{"byte_order_mark", "\xEF\xBB\xBFid;A1\n7;2,5\n", ';', {"id", "A1"}, {"2:7|2,5"}},
        ReadCase{"byte_order_mark_then_blank_line",
                 "\xEF\xBB\xBF\nid;A1\n7;2,5\n",
                 ';',
                 {"id", "A1"},
                 {"3:7|2,5"}},
        ReadCase{"byte_order_mark_after_blank_lines_not_in_the_name",
                 "\r\n\xEF\xBB\xBFid;A1\xEF\xBB\xBF\n7;\xEF\xBB\xBF\n",
                 ';',
                 {"id", "A1"},
                 {"3:7|\xEF\xBB\xBF"}},
        ReadCase{"line_of_quoted_blanks_before_the_header",
                 "\"  \" \n\nid;a\n1;\"  \"\n",
                 ';',
                 {"id", "a"},
                 {"4:1|  "}},
        ReadCase{"quoted_header_names", "\"id\";\";\"\n1;x\n", ';', {"id", ";"}, {"2:1|x"}},
        // A name that is only a quote character is a name: the header is this line, and its
        // delimiter is not guessed from the next.
        ReadCase{
            "header_name_of_a_doubled_quote", ",\"\"\"\"\nx;y,z\n", ',', {"", "\""}, {"2:x;y|z"}},
        ReadCase{"quoted_delimiter", "id,note\n1,\"a,b\"\n", ',', {"id", "note"}, {"2:1|a,b"}},
        ReadCase{"quoted_newline_spans_lines",
                 "id,note,x\n1,\"one\ntwo\",9\n2,y,8\n",
                 ',',
                 {"id", "note", "x"},
                 {"2:1|one\ntwo|9", "4:2|y|8"}},
        ReadCase{"doubled_quotes",
                 "id,note\n1,\"say \"\"hi\"\"\"\n",
                 ',',
                 {"id", "note"},
                 {"2:1|say \"hi\""}},
        ReadCase{"crlf_with_quoted_crlf",
                 "id;note\r\n1;\"a\r\nb\"\r\n2;c\r\n",
                 ';',
                 {"id", "note"},
                 {"2:1|a\r\nb", "4:2|c"}},
        ReadCase{"carriage_returns_only", "id,a\r1,x\r2,y\r", ',', {"id", "a"}, {"2:1|x", "3:2|y"}},
        ReadCase{"empty_lines_everywhere",
                 "\n\r\nid,a\n\n1,x\n \n\n2,y\n\n",
                 ',',
                 {"id", "a"},
                 {"5:1|x", "8:2|y"}},
        ReadCase{"line_of_delimiters_passed_over", "id;a\n;\n1;x\n", ';', {"id", "a"}, {"3:1|x"}},
        ReadCase{"short_row_reads_empty",
                 "id,a,b\n1\n2,x\n",
                 ',',
                 {"id", "a", "b"},
                 {"2:1||", "3:2|x|"}},
        ReadCase{"no_final_line_break", "id,a\n1,x", ',', {"id", "a"}, {"2:1|x"}},
        ReadCase{"header_only", "id;a\n", ';', {"id", "a"}, {}},
        ReadCase{"quoted_header_with_commas_is_semicolon",
                 "\"a,b\";c;d\n1;2;3\n",
                 ';',
                 {"a,b", "c", "d"},
                 {"2:1|2|3"}},
        // Commas inside quotes do not count, however many there are.
        ReadCase{"quoted_commas_outnumber_the_semicolons",
                 "\"a,b,c\";d\n1;2\n",
                 ';',
                 {"a,b,c", "d"},
                 {"2:1|2"}},
        ReadCase{"more_commas_than_semicolons",
                 "id,note;x,y\n1,a;b,c\n",
                 ',',
                 {"id", "note;x", "y"},
                 {"2:1|a;b|c"}},
        ReadCase{"unquoted_blanks_trimmed_quoted_kept",
                 "id , a \n 1 , x \n2,\" y \"\n",
                 ',',
                 {"id", "a"},
                 {"2:1|x", "3:2| y "}},
        ReadCase{
            "greek_names_and_values", "id;σειρά\n1;Βέλτρα\n", ';', {"id", "σειρά"}, {"2:1|Βέλτρα"}},
        ReadCase{"empty_quoted_field_counts_as_empty",
                 "id,a\n\"\",\"\"\n1,\"\"\n",
                 ',',
                 {"id", "a"},
                 {"3:1|"}}),
    [](const auto& row) { return std::string(row.param.name); });

struct BadCase {
    const char* name;
    std::string text;
    ScheduleErrorKind kind;
    std::size_t line;
    std::vector<std::string> rowsBefore;
};

class ScheduleRefused : public ::testing::TestWithParam<BadCase> {};

TEST_P(ScheduleRefused, NamesTheLine) {
    const BadCase& c = GetParam();
    for (const Parsed& parsed : {parseWhole(c.text), parseByteByByte(c.text)}) {
        ASSERT_TRUE(parsed.result.error);
        EXPECT_EQ(parsed.result.error->kind, c.kind);
        EXPECT_EQ(parsed.result.error->line, c.line);
        EXPECT_EQ(parsed.rows, c.rowsBefore);
    }
}

using K = ScheduleErrorKind;

INSTANTIATE_TEST_SUITE_P(
    Schedules, ScheduleRefused,
    ::testing::Values(
        BadCase{"empty_file", "", K::NoHeader, 0, {}},
        BadCase{"blank_lines_only", "\n\r\n  \n", K::NoHeader, 0, {}},
        BadCase{"quoted_blank_names_only", "\" \";\"\"\n", K::NoHeader, 0, {}},
        BadCase{"byte_order_mark_only", "\xEF\xBB\xBF", K::NoHeader, 0, {}},
        BadCase{"too_many_fields", "id,a\n1,x\n2,y,z\n3,w\n", K::TooManyFields, 3, {"2:1|x"}},
        BadCase{"trailing_delimiter_is_a_field", "id;a\n1;x;\n", K::TooManyFields, 2, {}},
        BadCase{"latin1_byte", "id,a\n1,x\n2,caf\xE9\n", K::InvalidUtf8, 3, {"2:1|x"}},
        BadCase{"overlong_slash", "id,a\n1,\xC0\xAF\n", K::InvalidUtf8, 2, {}},
        BadCase{"surrogate", "id,a\n1,\xED\xA0\x80\n", K::InvalidUtf8, 2, {}},
        BadCase{"truncated_sequence_at_end", "id,a\n1,\xCE", K::InvalidUtf8, 2, {}},
        BadCase{"invalid_header", "i\xFF\n1\n", K::InvalidUtf8, 1, {}},
        BadCase{"half_a_byte_order_mark", "\xEF\xBBid\n1\n", K::InvalidUtf8, 1, {}},
        BadCase{
            "unterminated_quote", "id,a\n1,x\n2,\"open\n3,y\n", K::UnterminatedQuote, 3, {"2:1|x"}},
        BadCase{"unterminated_quote_in_header", "id,\"a\n", K::UnterminatedQuote, 1, {}},
        BadCase{"quote_inside_unquoted_field", "id,a\n1,ab\"c\n", K::MisplacedQuote, 2, {}},
        BadCase{"text_after_closing_quote",
                "id,a\n1,x\n\n2,\"ab\"c\n",
                K::MisplacedQuote,
                4,
                {"2:1|x"}},
        BadCase{"duplicate_column_any_case", "id,A1,a1\n1,2,3\n", K::DuplicateColumn, 1, {}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ScheduleHeaderLookup, TrimmedAndWithoutLetterCase) {
    std::vector<std::string> seen;
    std::istringstream in(" ID ;Series;σειρά\n1;Veltra;α\n");
    const ScheduleReadResult result = readSchedule(in, [&](const ScheduleRow& row) {
        seen.emplace_back(row.value("id").value_or("<none>"));
        seen.emplace_back(row.value(" SERIES ").value_or("<none>"));
        seen.emplace_back(row.value("ΣΕΙΡΆ").value_or("<none>"));
        seen.emplace_back(row.value("glass").value_or("<none>"));
        seen.emplace_back(row.value("").value_or("<none>"));
    });
    ASSERT_FALSE(result.error);
    EXPECT_EQ(seen, (std::vector<std::string>{"1", "Veltra", "α", "<none>", "<none>"}));
}

TEST(ScheduleRefusedColumn, DuplicateNamesTheSecond) {
    std::istringstream in("id;Glass;GLASS\n");
    const ScheduleReadResult result = readSchedule(in, [](const ScheduleRow&) {});
    ASSERT_TRUE(result.error);
    EXPECT_EQ(result.error->column, "GLASS");
}

TEST(ScheduleStreaming, EachRowIsHandedOverBeforeTheFileEnds) {
    std::vector<std::string> rows;
    ScheduleParser parser([&](const ScheduleRow& row) { rows.push_back(rendered(row)); });
    ASSERT_TRUE(parser.feed("id,a\n1,x\n"));
    EXPECT_EQ(rows, std::vector<std::string>{"2:1|x"});
    ASSERT_TRUE(parser.feed("2,y\n3,"));
    EXPECT_EQ(rows, (std::vector<std::string>{"2:1|x", "3:2|y"}));
    const ScheduleReadResult result = parser.finish();
    EXPECT_FALSE(result.error);
    EXPECT_EQ(rows, (std::vector<std::string>{"2:1|x", "3:2|y", "4:3|"}));
}

TEST(ScheduleLimits, AFieldOfMoreThanAMegabyteIsRefused) {
    const std::string text = "id,a\n1,\"" + std::string(kMaxScheduleFieldBytes + 10, 'x') + "\"\n";
    const Parsed parsed = parseWhole(text);
    ASSERT_TRUE(parsed.result.error);
    EXPECT_EQ(parsed.result.error->kind, K::TooLong);
    EXPECT_EQ(parsed.result.error->line, 2U);
}

TEST(ScheduleLimits, AHeaderWithoutEndIsRefusedOnceTooLong) {
    const Parsed parsed = parseWhole(std::string(kMaxScheduleFieldBytes + 10, 'x'));
    ASSERT_TRUE(parsed.result.error);
    EXPECT_EQ(parsed.result.error->kind, K::TooLong);
}

TEST(ScheduleFile, MissingFileAndFolderAreUnreadable) {
    const auto folder = std::filesystem::temp_directory_path();
    for (const std::string& path :
         {(folder / "cw-no-such-schedule.csv").string(), folder.string()}) {
        const ScheduleReadResult result = readScheduleFile(path, [](const ScheduleRow&) {});
        ASSERT_TRUE(result.error) << path;
        EXPECT_EQ(result.error->kind, K::Unreadable) << path;
    }
}

TEST(ScheduleFile, ReadsLongFilesAcrossReadBlocks) {
    const auto path = std::filesystem::temp_directory_path() / "cw-schedule-test-long.csv";
    {
        std::ofstream out(path, std::ios::binary);
        out << "\xEF\xBB\xBFid;note\r\n";
        for (int i = 0; i < 20000; ++i)
            out << i << ";\"α;\r\n\"\"β\"\"\"\r\n";
    }
    std::size_t count = 0;
    bool allRight = true;
    const ScheduleReadResult result = readScheduleFile(path.string(), [&](const ScheduleRow& row) {
        const std::size_t expectedLine = 2 + 2 * count;
        allRight = allRight && row.line() == expectedLine &&
                   row.value("id") == std::to_string(count) && row.value("note") == "α;\r\n\"β\"";
        ++count;
    });
    std::filesystem::remove(path);
    ASSERT_FALSE(result.error);
    EXPECT_EQ(count, 20000U);
    EXPECT_TRUE(allRight);
}

struct FieldCase {
    const char* name;
    const char* text;
    char delimiter;
    const char* expected;
};

class CsvFieldQuoting : public ::testing::TestWithParam<FieldCase> {};

TEST_P(CsvFieldQuoting, QuotesOnlyWhenNeeded) {
    EXPECT_EQ(csvField(GetParam().text, GetParam().delimiter), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, CsvFieldQuoting,
    ::testing::Values(FieldCase{"plain", "KA-03", ',', "KA-03"}, FieldCase{"empty", "", ',', ""},
                      FieldCase{"decimal_comma_under_comma", "1,50", ',', "\"1,50\""},
                      FieldCase{"decimal_comma_under_semicolon", "1,50", ';', "1,50"},
                      FieldCase{"semicolon_under_semicolon", "a;b", ';', "\"a;b\""},
                      FieldCase{"quote_doubled", "say \"hi\"", ',', "\"say \"\"hi\"\"\""},
                      FieldCase{"line_feed", "a\nb", ',', "\"a\nb\""},
                      FieldCase{"carriage_return", "a\rb", ';', "\"a\rb\""},
                      FieldCase{"leading_blank", " a", ',', "\" a\""},
                      FieldCase{"trailing_tab", "a\t", ',', "\"a\t\""},
                      FieldCase{"greek", "Επαρκής", ';', "Επαρκής"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(CsvWriterRoundTrip, WhatIsWrittenReadsBackTheSame) {
    const std::vector<std::vector<std::string>> table = {
        {"id", "note", "A1"},
        {"1", "a,b;c", "1,50"},
        {"2", "line\r\nbreak \"quoted\"", " 2 "},
        {"3", "", "Επαρκής"},
    };
    for (const char delimiter : {',', ';'}) {
        for (const bool bom : {false, true}) {
            std::ostringstream out;
            CsvWriter writer(out, delimiter, bom);
            for (const auto& row : table)
                writer.writeRow(row);
            ASSERT_TRUE(writer.ok());
            EXPECT_EQ(out.str().substr(0, 3) == "\xEF\xBB\xBF", bom);

            std::vector<std::vector<std::string>> back;
            std::istringstream in(out.str());
            const ScheduleReadResult result = readSchedule(in, [&](const ScheduleRow& row) {
                std::vector<std::string> fields;
                for (std::size_t i = 0; i < row.fieldCount(); ++i)
                    fields.emplace_back(row.field(i));
                back.push_back(fields);
            });
            ASSERT_FALSE(result.error) << delimiter;
            EXPECT_EQ(result.delimiter, delimiter);
            EXPECT_EQ(result.columns, table[0]);
            EXPECT_EQ(back, std::vector<std::vector<std::string>>(table.begin() + 1, table.end()))
                << delimiter << bom;
        }
    }
}

}  // namespace
}  // namespace cw::files
