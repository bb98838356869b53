#pragma once

// The report file on disk: read once, replaced whole through a temporary file.

#include "export/xlsx_report.h"

#include <sys/stat.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

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

// A file written in steps under a temporary name beside its target and renamed over the
// target only when complete: readers see the old file or the new one, never a part, and a
// failed or abandoned write leaves the old one as it was.
class AtomicFile {
public:
    enum class Stage { Create, Write, Permissions, Sync, Close, Rename };

    AtomicFile() = default;
    ~AtomicFile() { discard(); }
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Creates the temporary file; false with error() and stage() set.
    bool open(const std::string& target);
    bool write(std::string_view bytes);
    // Overwrites bytes already written (a header whose sizes are known only at the end).
    bool writeAt(std::uint64_t offset, std::string_view bytes);
    std::uint64_t written() const { return m_written; }
    // Syncs, takes `original`'s owner and permissions (null for a new file) and renames.
    bool commit(const struct stat* original);
    // Removes the temporary file; the target is untouched.
    void discard();

    int error() const { return m_error; }
    Stage stage() const { return m_stage; }
    const std::string& folder() const { return m_folder; }
    // For a writer that opens the file by name (the PDF writer); empty once committed.
    const std::string& temporaryPath() const { return m_temporary; }

private:
    bool failed(Stage stage, int err);

    std::string m_target;
    std::string m_folder;
    std::string m_temporary;
    int m_fd = -1;
    std::uint64_t m_written = 0;
    int m_error = 0;
    Stage m_stage = Stage::Create;
};

// Where writing `path` should go: the file a symbolic link names, so the link stays a link;
// `path` itself otherwise.
std::string writeTarget(const std::string& path);

// Whether `a` and `b` are the same file (device and inode); false when either is missing.
bool sameFile(const struct stat& a, const std::string& b);

// The lock file another spreadsheet program keeps beside `path` while it has it open.
std::optional<std::string> lockFileBeside(const std::string& path);

// The refusal for a path with a file where a folder should be.
ExportOutcome notAFolder(const std::string& path);

}  // namespace cw::xlsx
