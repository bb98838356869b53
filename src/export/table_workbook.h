#pragma once

// A new workbook holding one table: a header row, then one row a record.

#include "export/xlsx_report.h"

#include <string>
#include <string_view>
#include <vector>

namespace cw::xlsx {

// Rows of texts; `numeric[c]` says whether the texts of column c that read as numbers
// become number cells (an identifier such as "007" must stay a text).
struct Table {
    std::vector<std::string> header;
    std::vector<bool> numeric;
    std::vector<std::vector<std::string>> rows;
};

// Writes the table as the only sheet, named `sheetName`, of a new workbook at `path`
// (replaced atomically if it exists). The header row stays in view while scrolling.
ExportOutcome makeTableWorkbook(const std::string& path, std::string_view sheetName,
                                const Table& table, const NumberReader& readNumber);

}  // namespace cw::xlsx
