#include "export/table_workbook.h"

#include "export/atomic_file.h"
#include "export/cell_refs.h"
#include "export/new_workbook.h"
#include "export/xlsx_text.h"

#include <algorithm>

namespace cw::xlsx {

namespace {

void appendEscaped(std::string& out, std::string_view text) {
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        default: out += c;
        }
    }
}

void appendCell(std::string& xml, const std::string& ref, std::string_view text, bool numeric,
                const NumberReader& readNumber) {
    if (text.empty())
        return;
    if (numeric) {
        if (const auto number = readNumber(text)) {
            xml += "<c r=\"" + ref + "\"><v>" + formatDouble(*number) + "</v></c>";
            return;
        }
    }
    xml += "<c r=\"" + ref + "\" t=\"inlineStr\"><is><t xml:space=\"preserve\">";
    appendEscaped(xml, cellText(text));
    xml += "</t></is></c>";
}

std::string tableSheet(const Table& table, const std::vector<std::string>& columns,
                       const NumberReader& readNumber) {
    const int lastRow = int(table.rows.size()) + 1;
    std::string xml =
        R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
        R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">)"
        R"(<dimension ref="A1:)" +
        columns.back() + std::to_string(lastRow) +
        R"("/><sheetViews><sheetView workbookViewId="0">)"
        R"(<pane ySplit="1" topLeftCell="A2" activePane="bottomLeft" state="frozen"/>)"
        R"(</sheetView></sheetViews><sheetFormatPr defaultRowHeight="15"/><cols>)";
    for (std::size_t c = 0; c < columns.size(); ++c) {
        // Wide enough for the header name, as a spreadsheet program would size it by hand.
        const std::size_t chars =
            std::clamp<std::size_t>(codePointCount(table.header[c]) + 2, 8, 60);
        xml += "<col min=\"" + std::to_string(c + 1) + "\" max=\"" + std::to_string(c + 1) +
               "\" width=\"" + std::to_string(chars) + "\" customWidth=\"1\"/>";
    }
    xml += "</cols><sheetData>";
    const auto appendRow = [&](int r, const std::vector<std::string>& texts, bool header) {
        const std::string row = std::to_string(r);
        xml += "<row r=\"" + row + "\">";
        for (std::size_t c = 0; c < columns.size() && c < texts.size(); ++c)
            appendCell(xml, columns[c] + row, texts[c], !header && table.numeric[c], readNumber);
        xml += "</row>";
    };
    appendRow(1, table.header, true);
    for (std::size_t i = 0; i < table.rows.size(); ++i)
        appendRow(int(i) + 2, table.rows[i], false);
    xml +=
        R"(</sheetData>)"
        R"(<pageMargins left="0.7" right="0.7" top="0.75" bottom="0.75" header="0.3" footer="0.3"/>)"
        R"(</worksheet>)";
    return xml;
}

}  // namespace

ExportOutcome makeTableWorkbook(const std::string& path, std::string_view sheetName,
                                const Table& table, const NumberReader& readNumber) {
    if (table.header.empty() || table.header.size() > std::size_t(kMaxColumn) ||
        table.numeric.size() != table.header.size())
        return fail(ExportFailure::WriteFailed, Message::ExportTableNoColumns, {path});
    if (table.rows.size() + 1 > std::size_t(kMaxRow))
        return fail(ExportFailure::WriteFailed, Message::ExportTableTooManyRows,
                    {path, std::to_string(kMaxRow)});
    std::vector<std::string> columns;
    columns.reserve(table.header.size());
    for (std::size_t c = 0; c < table.header.size(); ++c)
        columns.push_back(columnName(int(c) + 1));
    const auto bytes = oneSheetPackage(sheetName, tableSheet(table, columns, readNumber));
    if (!bytes)
        return fail(ExportFailure::WriteFailed, Message::ExportTableNotAssembled, {path});
    return replaceFile(path, *bytes, nullptr);
}

}  // namespace cw::xlsx
