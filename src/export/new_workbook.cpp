#include "export/new_workbook.h"

#include "export/atomic_file.h"
#include "export/package_xml.h"
#include "export/sheet_editor.h"
#include "export/xlsx_text.h"
#include "export/zip_archive.h"

#include <algorithm>
#include <utility>

namespace cw::xlsx {

namespace {

constexpr const char* kContentTypes =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
    R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
    R"(<Default Extension="xml" ContentType="application/xml"/>)"
    R"(<Override PartName="/xl/workbook.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/>)"
    R"(<Override PartName="/xl/worksheets/sheet1.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/>)"
    R"(<Override PartName="/xl/styles.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml"/>)"
    R"(</Types>)";

constexpr const char* kPackageRels =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/>)"
    R"(</Relationships>)";

// The sheet's name goes between the two halves.
constexpr const char* kWorkbookHead =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">)"
    R"(<bookViews><workbookView/></bookViews>)"
    R"(<sheets><sheet name=")";
constexpr const char* kWorkbookTail = R"(" sheetId="1" r:id="rId1"/></sheets>)"
                                      R"(</workbook>)";

constexpr const char* kWorkbookRels =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet1.xml"/>)"
    R"(<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" Target="styles.xml"/>)"
    R"(</Relationships>)";

constexpr const char* kStyles =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<styleSheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)"
    R"(<fonts count="1"><font><sz val="11"/><name val="Calibri"/><family val="2"/></font></fonts>)"
    R"(<fills count="2"><fill><patternFill patternType="none"/></fill><fill><patternFill patternType="gray125"/></fill></fills>)"
    R"(<borders count="1"><border><left/><right/><top/><bottom/><diagonal/></border></borders>)"
    R"(<cellStyleXfs count="1"><xf numFmtId="0" fontId="0" fillId="0" borderId="0"/></cellStyleXfs>)"
    R"(<cellXfs count="1"><xf numFmtId="0" fontId="0" fillId="0" borderId="0" xfId="0"/></cellXfs>)"
    R"(<cellStyles count="1"><cellStyle name="Normal" xfId="0" builtinId="0"/></cellStyles>)"
    R"(</styleSheet>)";

std::string newSheet(const std::vector<ReportCell>& cells, const NumberReader& readNumber) {
    // Widths in characters, from the longest caption and unit so they show without clipping.
    std::size_t captionChars = 0;
    std::size_t unitChars = 0;
    for (const auto& cell : cells) {
        captionChars = std::max(captionChars, codePointCount(cell.caption));
        unitChars = std::max(unitChars, codePointCount(cell.unit));
    }
    const auto width = [](std::size_t chars, std::size_t low, std::size_t high) {
        return std::to_string(std::clamp<std::size_t>(chars + 2, low, high));
    };
    std::string xml =
        R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
        R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">)"
        R"(<dimension ref="A1"/><sheetViews><sheetView workbookViewId="0"/></sheetViews>)"
        R"(<sheetFormatPr defaultRowHeight="15"/><cols>)"
        R"(<col min="1" max="1" width=")" +
        width(captionChars, 12, 80) +
        R"(" customWidth="1"/>)"
        R"(<col min="2" max="2" width="16" customWidth="1"/>)"
        R"(<col min="3" max="3" width=")" +
        width(unitChars, 8, 30) +
        R"(" customWidth="1"/>)"
        R"(</cols><sheetData/>)"
        R"(<pageMargins left="0.7" right="0.7" top="0.75" bottom="0.75" header="0.3" footer="0.3"/>)"
        R"(</worksheet>)";
    auto doc = parseXml(xml);
    auto worksheet = doc->document_element();
    SheetEditor editor(worksheet, childByLocalName(worksheet, "sheetData"));
    const NumberReader textOnly = [](std::string_view) { return std::optional<double>{}; };
    for (const auto& cell : cells) {
        if (cell.row < 1 || cell.row > kMaxRow)
            continue;
        if (!cell.caption.empty())
            editor.write(cell.row, kColumnA, cell.caption, textOnly);
        editor.write(cell.row, kColumnB, cell.text, readNumber);
        if (!cell.unit.empty())
            editor.write(cell.row, kColumnC, cell.unit, textOnly);
    }
    editor.finish();
    return serializeXml(*doc);
}

}  // namespace

std::vector<std::pair<std::string, std::string>> packageParts(std::string_view sheetName,
                                                              std::string_view styles) {
    return {
        {"[Content_Types].xml", kContentTypes},
        {"_rels/.rels", kPackageRels},
        {"xl/workbook.xml", kWorkbookHead + std::string(sheetName) + kWorkbookTail},
        {"xl/_rels/workbook.xml.rels", kWorkbookRels},
        {"xl/styles.xml", styles.empty() ? std::string(kStyles) : std::string(styles)},
    };
}

std::optional<std::string> oneSheetPackage(std::string_view sheetName,
                                           const std::string& sheetXml) {
    MemoryArchive archive;
    int zipError = 0;
    const std::string empty;
    bool ok = archive.open(empty, zipError);
    for (const auto& [name, text] : packageParts(sheetName))
        ok = ok && archive.put(name, text);
    ok = ok && archive.put("xl/worksheets/sheet1.xml", sheetXml);
    return ok ? archive.close() : std::nullopt;
}

ExportOutcome makeNewWorkbook(const std::string& path, const std::vector<ReportCell>& cells,
                              const NumberReader& readNumber) {
    const auto bytes = oneSheetPackage("Report", newSheet(cells, readNumber));
    if (!bytes)
        return fail(ExportFailure::WriteFailed, Message::ExportNewNotAssembled, {path});
    return replaceFile(path, *bytes, nullptr);
}

}  // namespace cw::xlsx
