#pragma once

// An existing workbook with the report written into column B of its first sheet.

#include "export/xlsx_report.h"

#include <string>
#include <vector>

namespace cw::xlsx {

// Refuses, by their first bytes, files that are no .xlsx package: old .xls workbooks,
// password-protected ones and anything that is not a zip archive.
ExportOutcome refuseByContent(const std::string& path, const std::string& bytes);

// Writes the cells into column B of the first sheet of the workbook `bytes`, read from `path`,
// and puts the new workbook into `result`. Nothing is written to disk.
ExportOutcome updateWorkbook(const std::string& path, const std::string& bytes,
                             const std::vector<ReportCell>& cells, const NumberReader& readNumber,
                             std::string& result);

}  // namespace cw::xlsx
