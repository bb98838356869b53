#pragma once

#include "model/window_state.h"

#include <string>

namespace cw {

// "Print in  Excel": the results panel into column B of the report workbook at `path`. A
// failure shows its message in the language showing and leaves the workbook as it was.
void exportReport(WindowState& w, const std::string& path);

// The export button: the workbook of the last export, or the one the user chooses; results
// that are out of date only once the user agrees (WindowState::confirmOutOfDateExport).
void exportToReportWorkbook(WindowState& w);

}  // namespace cw
