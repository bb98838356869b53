#pragma once

// A new workbook holding one table: a header row, then one row a record.

#include "export/xlsx_report.h"

#include <memory>
#include <optional>
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

// The table written row by row as the rows come, each row deflated into the file and
// forgotten, so a sheet of a million rows takes no more memory than one of ten. The file
// appears at `path` (replacing one there) only when finish() succeeds; until then, or
// when the writer is dropped unfinished, whatever was at `path` stays as it was. Numbers
// written with two decimals keep them on screen (number format 0.00). The header row stays
// in view while scrolling.
class TableWriter {
public:
    // `decimal`, when given, is the separator of plain decimals ("-12,5" for ','): those
    // are written as they are, without a round trip through the reader.
    TableWriter(std::string path, std::string sheetName, std::vector<std::string> header,
                std::vector<bool> numeric, NumberReader readNumber, char decimal = '\0');
    ~TableWriter();
    TableWriter(const TableWriter&) = delete;
    TableWriter& operator=(const TableWriter&) = delete;

    // False once the table cannot be written (finish() then says why).
    bool row(const std::vector<std::string>& texts);
    ExportOutcome finish();
    // Why the table cannot be written, once that is known (from the start: no folder).
    std::optional<ExportOutcome> failure() const;

private:
    struct State;
    std::unique_ptr<State> m_state;
};

// The whole table at once through a TableWriter.
ExportOutcome makeTableWorkbook(const std::string& path, std::string_view sheetName,
                                const Table& table, const NumberReader& readNumber);

}  // namespace cw::xlsx
