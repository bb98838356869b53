#pragma once

#include "text/messages.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cw {

// One write of the report: the value goes to column B of `row`. Caption and unit are used
// only when a new workbook is made, in columns A and C beside the value.
struct ReportCell {
    int row;
    std::string text;
    std::string caption;
    std::string unit;
};

// Why an export failed, for callers and tests that must tell the cases apart without
// reading the message.
enum class ExportFailure {
    None,
    NotAFile,       // the path is a folder or a device
    Unreadable,     // the file exists but cannot be opened for reading
    NotAWorkbook,   // not a zip archive, an old .xls, or a zip without a usable first sheet
    Damaged,        // a broken archive or a part that is not well-formed XML
    Encrypted,      // password protected
    TooLarge,       // a part would unpack beyond a sane size (zip bomb guard)
    OpenElsewhere,  // another program's lock file lies beside it
    ReadOnly,       // the file or its folder cannot be written, or the folder is missing
    WriteFailed,    // writing the new file failed, e.g. the disk is full
    InArray,        // a cell to write lies inside an array formula or a data table
};

struct ExportOutcome {
    bool ok = false;
    // Why it failed and what to do, for a message box, in both languages (the writer does not
    // know which one shows); empty on success.
    Said message;
    ExportFailure failure = ExportFailure::None;
};

// Reads a text as a number in the window's locale, or nothing when it is not one.
using NumberReader = std::function<std::optional<double>(std::string_view)>;

// Writes the cells, in order, into column B of the first sheet (in workbook order) of the
// .xlsx workbook at `path`, or makes a new workbook there when no file exists. A text that
// is a number is stored as a number cell, any other non-empty text as a string, and the
// empty text clears the cell. The file is replaced atomically; on any failure it is left
// byte-identical and the outcome says why.
ExportOutcome writeReportColumnB(const std::string& path, const std::vector<ReportCell>& cells,
                                 const NumberReader& readNumber);

}  // namespace cw
