#pragma once

// A new report workbook: one sheet with captions, values and units.

#include "export/xlsx_report.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace cw::xlsx {

// Makes a new workbook at `path`, which must not exist yet: captions in column A, values in
// column B, units in column C.
ExportOutcome makeNewWorkbook(const std::string& path, const std::vector<ReportCell>& cells,
                              const NumberReader& readNumber);

// The parts of a one-sheet workbook other than the sheet (xl/worksheets/sheet1.xml), in the
// order they are stored; `styles` replaces the plain style sheet when given.
std::vector<std::pair<std::string, std::string>> packageParts(std::string_view sheetName,
                                                              std::string_view styles = {});

// The bytes of a workbook of one sheet named `sheetName` (XML-safe) whose part is
// `sheetXml`; nothing when the archive cannot be assembled (out of memory).
std::optional<std::string> oneSheetPackage(std::string_view sheetName, const std::string& sheetXml);

}  // namespace cw::xlsx
