#pragma once

// The report file on disk: read once, replaced whole through a temporary file.

#include "export/xlsx_report.h"

#include <sys/stat.h>

#include <optional>
#include <string>

namespace cw::xlsx {

struct FileBytes {
    std::string bytes;
    struct stat st {};
};

// The raw file, read once, so every check and the edit see the same bytes.
ExportOutcome readFile(const std::string& path, FileBytes& file);

// Writes a sibling temporary file and renames it over `path`, so readers see either the old
// or the new workbook and a failure leaves the old one as it was. `original` is the replaced
// file's status (its owner and permissions are kept), or null for a new file.
ExportOutcome replaceFile(const std::string& path, const std::string& bytes,
                          const struct stat* original);

// The lock file another spreadsheet program keeps beside `path` while it has it open.
std::optional<std::string> lockFileBeside(const std::string& path);

// The refusal for a path with a file where a folder should be.
ExportOutcome notAFolder(const std::string& path);

}  // namespace cw::xlsx
