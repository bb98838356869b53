// The table workbook of the batch: plain decimals written straight into the sheet must be
// exactly what the slow path (the reader, then the shortest double) writes, and a path that
// cannot hold the file is refused with the reason that fits it.

#include "bay/number_text.h"
#include "export/table_workbook.h"
#include "export/zip_archive.h"
#include "openpyxl_facts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace cw::xlsx {
namespace {

namespace fs = std::filesystem;

class TableWorkbook : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("cw_table_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                 "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    // One row of number columns holding `texts`, written with or without the straight path,
    // as an independent reader sees its cells and their styles.
    test::Facts written(const std::vector<std::string>& texts, char decimal) {
        const fs::path path = m_dir / (decimal ? "straight.xlsx" : "read.xlsx");
        const NumberFormat fmt = NumberFormat::fromLocale("el_GR");
        std::vector<std::string> header;
        for (std::size_t c = 0; c < texts.size(); ++c)
            header.push_back("c" + std::to_string(c));
        TableWriter w(path.string(), "Bays", header, std::vector<bool>(texts.size(), true),
                      [&fmt](std::string_view t) { return parseNumber(t, fmt); }, decimal);
        EXPECT_TRUE(w.row(texts));
        EXPECT_TRUE(w.finish().ok);
        test::Facts cells;
        for (const auto& [key, value] : test::readFacts(path.string()))
            if (key.rfind("cell\t", 0) == 0 || key.rfind("style\t", 0) == 0)
                cells[key] = value;
        return cells;
    }

    fs::path m_dir;
};

TEST_F(TableWorkbook, PlainDecimalsAreWhatTheReaderMakesOfThem) {
    // Leading separators and zeros, a trailing separator, 15 and 16 digits, a sign alone.
    const std::vector<std::string> texts = {
        "5",     "-5",     "0",     "0,5",    "-0,5",   ",5", "-,5", "5,", "00,5", "05",
        "12,50", "-12,50", "123456789012,345", "1234567890123,456", "-", "1,2,3", "1.5", "abc"};
    const test::Facts straight = written(texts, ',');
    EXPECT_EQ(straight, written(texts, '\0'));
    // The table reached the reader: the first cell is the number 5.
    EXPECT_EQ(straight.count("cell\tBays!A2"), 1u);
}

// A table of several deflate chunks (256 KiB of sheet each) goes through the writer's
// deflating thread chunk by chunk: libzip, which checks the sizes and the CRC, reads every
// row back.
TEST_F(TableWorkbook, ATableOfManyChunksReadsBackWhole) {
    const fs::path path = m_dir / "large.xlsx";
    constexpr int kRows = 30000;  // about 4 MB of sheet
    {
        TableWriter w(path.string(), "Bays", {"id", "note"}, {false, false},
                      [](std::string_view) { return std::nullopt; });
        for (int i = 0; i < kRows; ++i)
            ASSERT_TRUE(w.row({"row" + std::to_string(i), std::string(100, char('a' + i % 26))}));
        ASSERT_TRUE(w.finish().ok);
    }
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    MemoryArchive archive;
    int zipError = 0;
    ASSERT_TRUE(archive.open(bytes, zipError)) << zipError;
    const EntryText sheet = readEntry(archive, "xl/worksheets/sheet1.xml");
    ASSERT_EQ(sheet.status, ReadStatus::Ok);
    EXPECT_GT(sheet.text.size(), std::size_t(4) << 20);
    std::size_t rows = 0;
    for (std::size_t at = sheet.text.find("<row"); at != std::string::npos;
         at = sheet.text.find("<row", at + 1))
        ++rows;
    EXPECT_EQ(rows, std::size_t(kRows) + 1);
    EXPECT_NE(sheet.text.find("row" + std::to_string(kRows - 1)), std::string::npos);
}

TEST_F(TableWorkbook, APathThatCannotHoldTheFileSaysWhy) {
    std::ofstream(m_dir / "plain").put('x');
    const struct {
        fs::path path;
        const char* english;
    } rows[] = {
        {m_dir / "missing" / "out.xlsx", "does not exist"},
        {m_dir / "plain" / "out.xlsx", "part of its path is a file, not a folder"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.path.string());
        TableWriter w(r.path.string(), "Bays", {"value"}, {true},
                      [](std::string_view) { return std::nullopt; });
        ASSERT_TRUE(w.failure());
        EXPECT_NE(w.failure()->message.english.find(r.english), std::string::npos)
            << w.failure()->message.english;
        EXPECT_FALSE(fs::exists(r.path));
    }
}

}  // namespace
}  // namespace cw::xlsx
