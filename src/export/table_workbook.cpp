#include "export/table_workbook.h"

#include "export/atomic_file.h"
#include "export/cell_refs.h"
#include "export/new_workbook.h"
#include "export/xlsx_text.h"
#include "export/zip_stream.h"

#include <algorithm>
#include <cerrno>
#include <optional>

namespace cw::xlsx {

namespace {

// Style 1 is the number format 0.00 (a custom format, so every reader shows it the same).
constexpr const char* kStyles =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<styleSheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)"
    R"(<numFmts count="1"><numFmt numFmtId="164" formatCode="0.00"/></numFmts>)"
    R"(<fonts count="1"><font><sz val="11"/><name val="Calibri"/><family val="2"/></font></fonts>)"
    R"(<fills count="2"><fill><patternFill patternType="none"/></fill><fill><patternFill patternType="gray125"/></fill></fills>)"
    R"(<borders count="1"><border><left/><right/><top/><bottom/><diagonal/></border></borders>)"
    R"(<cellStyleXfs count="1"><xf numFmtId="0" fontId="0" fillId="0" borderId="0"/></cellStyleXfs>)"
    R"(<cellXfs count="2"><xf numFmtId="0" fontId="0" fillId="0" borderId="0" xfId="0"/>)"
    R"(<xf numFmtId="164" fontId="0" fillId="0" borderId="0" xfId="0" applyNumberFormat="1"/></cellXfs>)"
    R"(<cellStyles count="1"><cellStyle name="Normal" xfId="0" builtinId="0"/></cellStyles>)"
    R"(</styleSheet>)";

constexpr const char* kSheetName = "xl/worksheets/sheet1.xml";

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

// "1,20", "-3.05": the "fixed" form, two digits after the separator and no exponent.
bool twoDecimals(std::string_view text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    if (text.size() < 4)
        return false;
    const std::size_t n = text.size();
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    return (text[n - 3] == '.' || text[n - 3] == ',') && digit(text[n - 2]) &&
           digit(text[n - 1]) && digit(text[n - 4]) &&
           text.find_first_of("eE") == std::string_view::npos;
}

}  // namespace

struct TableWriter::State {
    std::string path;
    std::vector<std::string> header;
    std::vector<bool> numeric;
    NumberReader readNumber;
    std::vector<std::string> columns;
    AtomicFile file;
    std::optional<ZipStream> zip;
    std::optional<ExportOutcome> failure;
    int rows = 0;
    std::string xml;  // the row being assembled, kept for its capacity
    std::string rowNumber;
    std::size_t nextColumn = 0;
    char decimal = '\0';

    bool writeFailed() {
        const int err = file.error() != 0 ? file.error() : errno;
        failure = fail(ExportFailure::WriteFailed, Message::ExportWritingFailed,
                       {path, systemReasonBoth(err),
                        sayBoth(err == ENOSPC || err == EDQUOT ? Message::ExportAdviceFreeSpace
                                                               : Message::ExportAdviceCheckDisk)});
        zip.reset();
        file.discard();
        return false;
    }

    // A cell right after the one before it goes without its reference: a reader places it in
    // the next column, and the sheet is a third smaller (less to deflate, faster to write).
    void cell(std::size_t column, std::string_view text, bool number) {
        if (text.empty())
            return;
        xml += "<c";
        if (column != nextColumn) {
            xml += " r=\"";
            xml += columns[column];
            xml += rowNumber;
            xml += '"';
        }
        nextColumn = column + 1;
        if (number && decimal != '\0' && appendPlainDecimal(text)) {
            xml += "</v></c>";
            return;
        }
        if (number) {
            if (const auto value = readNumber(text)) {
                xml += twoDecimals(text) ? " s=\"1\"><v>" : "><v>";
                xml += formatDouble(*value);
                xml += "</v></c>";
                return;
            }
        }
        const std::string clean = cellText(text);
        // Readers trim blanks at either end unless told to keep them.
        const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
        xml += !clean.empty() && (blank(clean.front()) || blank(clean.back()))
                   ? " t=\"inlineStr\"><is><t xml:space=\"preserve\">"
                   : " t=\"inlineStr\"><is><t>";
        appendEscaped(xml, clean);
        xml += "</t></is></c>";
    }

    // "-12,50" under a comma: the value as it is, with a point; false (nothing appended) for
    // any other text, which the reader then decides on. Short enough to be read exactly.
    bool appendPlainDecimal(std::string_view text) {
        std::size_t i = text.size() > 0 && text[0] == '-' ? 1 : 0;
        const std::size_t first = i;
        std::size_t digits = 0;
        std::size_t separator = std::string_view::npos;
        for (; i < text.size(); ++i) {
            const char c = text[i];
            if (c >= '0' && c <= '9')
                ++digits;
            else if (c == decimal && separator == std::string_view::npos && i > first)
                separator = i;
            else
                return false;
        }
        if (digits == 0 || digits > 15 || separator == text.size() - 1 ||
            (text[first] == '0' && text.size() > first + 1 && first + 1 != separator))
            return false;
        xml += twoDecimals(text) ? " s=\"1\"><v>" : "><v>";
        const std::size_t at = xml.size();
        xml += text;
        if (separator != std::string_view::npos)
            xml[at + separator] = '.';
        return true;
    }

    bool writeRow(const std::vector<std::string>& texts, bool isHeader) {
        if (failure)
            return false;
        if (rows + 1 > kMaxRow) {
            failure = fail(ExportFailure::WriteFailed, Message::ExportTableTooManyRows,
                           {path, std::to_string(kMaxRow)});
            zip.reset();
            file.discard();
            return false;
        }
        ++rows;
        rowNumber = std::to_string(rows);
        nextColumn = 0;
        xml.clear();
        xml += "<row r=\"";
        xml += rowNumber;
        xml += "\">";
        for (std::size_t c = 0; c < columns.size() && c < texts.size(); ++c)
            cell(c, texts[c], !isHeader && numeric[c]);
        xml += "</row>";
        return zip->append(xml) || writeFailed();
    }
};

TableWriter::TableWriter(std::string path, std::string sheetName, std::vector<std::string> header,
                         std::vector<bool> numeric, NumberReader readNumber, char decimal)
    : m_state(std::make_unique<State>()) {
    State& s = *m_state;
    s.decimal = decimal;
    s.path = std::move(path);
    s.header = std::move(header);
    s.numeric = std::move(numeric);
    s.readNumber = std::move(readNumber);
    if (s.header.empty() || s.header.size() > std::size_t(kMaxColumn) ||
        s.numeric.size() != s.header.size()) {
        s.failure = fail(ExportFailure::WriteFailed, Message::ExportTableNoColumns, {s.path});
        return;
    }
    for (std::size_t c = 0; c < s.header.size(); ++c)
        s.columns.push_back(columnName(int(c) + 1));
    if (!s.file.open(s.path)) {
        const int err = s.file.error();
        if (err == ENOENT)
            s.failure = fail(ExportFailure::ReadOnly, Message::ExportNoFolder, {s.path, s.file.folder()});
        else if (err == ENOTDIR)
            s.failure = notAFolder(s.path);
        else
            s.failure = fail(ExportFailure::ReadOnly, Message::ExportNoTemporaryFile,
                             {s.path, s.file.folder(), systemReasonBoth(err)});
        return;
    }
    s.zip.emplace(s.file);
    for (const auto& [name, text] : packageParts(sheetName, kStyles))
        if (!s.zip->add(name, text)) {
            s.writeFailed();
            return;
        }
    std::string head =
        R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
        R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">)"
        R"(<sheetViews><sheetView workbookViewId="0">)"
        R"(<pane ySplit="1" topLeftCell="A2" activePane="bottomLeft" state="frozen"/>)"
        R"(</sheetView></sheetViews><sheetFormatPr defaultRowHeight="15"/><cols>)";
    for (std::size_t c = 0; c < s.columns.size(); ++c) {
        // Wide enough for the header name, as a spreadsheet program would size it by hand.
        const std::size_t chars = std::clamp<std::size_t>(codePointCount(s.header[c]) + 2, 8, 60);
        head += "<col min=\"" + std::to_string(c + 1) + "\" max=\"" + std::to_string(c + 1) +
                "\" width=\"" + std::to_string(chars) + "\" customWidth=\"1\"/>";
    }
    head += "</cols><sheetData>";
    if (!s.zip->begin(kSheetName) || !s.zip->append(head)) {
        s.writeFailed();
        return;
    }
    s.writeRow(s.header, true);
}

TableWriter::~TableWriter() = default;

std::optional<ExportOutcome> TableWriter::failure() const {
    return m_state->failure;
}

bool TableWriter::row(const std::vector<std::string>& texts) {
    return m_state->writeRow(texts, false);
}

ExportOutcome TableWriter::finish() {
    State& s = *m_state;
    if (s.failure)
        return *s.failure;
    const std::string_view tail =
        R"(</sheetData>)"
        R"(<pageMargins left="0.7" right="0.7" top="0.75" bottom="0.75" header="0.3" footer="0.3"/>)"
        R"(</worksheet>)";
    if (!s.zip->append(tail) || !s.zip->end() || !s.zip->finish()) {
        s.writeFailed();
        return *s.failure;
    }
    s.zip.reset();
    // A replaced file keeps its owner and permissions.
    struct stat before {};
    const bool replacing = ::stat(s.path.c_str(), &before) == 0 && S_ISREG(before.st_mode);
    if (!s.file.commit(replacing ? &before : nullptr)) {
        const int err = s.file.error();
        if (s.file.stage() == AtomicFile::Stage::Rename)
            s.failure = fail(ExportFailure::ReadOnly, Message::ExportCannotReplace,
                             {s.path, systemReasonBoth(err)});
        else
            s.writeFailed();
        return *s.failure;
    }
    return succeeded();
}

ExportOutcome makeTableWorkbook(const std::string& path, std::string_view sheetName,
                                const Table& table, const NumberReader& readNumber) {
    TableWriter writer(path, std::string(sheetName), table.header, table.numeric, readNumber);
    for (const auto& row : table.rows)
        if (!writer.row(row))
            break;
    return writer.finish();
}

}  // namespace cw::xlsx
