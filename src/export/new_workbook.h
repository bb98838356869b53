#pragma once

// A new report workbook: one sheet with captions, values and units.

#include "export/xlsx_report.h"

#include <string>
#include <vector>

namespace cw::xlsx {

// Makes a new workbook at `path`, which must not exist yet: captions in column A, values in
// column B, units in column C.
ExportOutcome makeNewWorkbook(const std::string& path, const std::vector<ReportCell>& cells,
                              const NumberReader& readNumber);

}  // namespace cw::xlsx
