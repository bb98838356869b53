#include "export/xlsx_report.h"

#include "export/atomic_file.h"
#include "export/new_workbook.h"
#include "export/workbook_update.h"
#include "export/xlsx_text.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace cw {

using namespace xlsx;

ExportOutcome writeReportColumnB(const std::string& path, const std::vector<ReportCell>& cells,
                                 const NumberReader& readNumber) {
    if (path.empty())
        return fail(ExportFailure::NotAFile, Message::ExportNoFileName);

    // Replace what a symbolic link points to, not the link.
    std::string target = path;
    struct stat st;
    const bool link = ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
    if (link) {
        if (char* resolved = ::realpath(path.c_str(), nullptr)) {
            target = resolved;
            std::free(resolved);
        }
    }
    if (::stat(target.c_str(), &st) != 0) {
        const int err = errno;
        // A new report in place of the link would cut the link off from the file it names.
        if (err == ENOENT && link)
            return fail(ExportFailure::NotAFile, Message::ExportLinkToNothing, {path});
        if (err == ENOENT)
            return makeNewWorkbook(target, cells, readNumber);
        if (err == ENOTDIR)
            return notAFolder(path);
        return fail(ExportFailure::Unreadable, Message::ExportCannotReach,
                    {path, systemReasonBoth(err)});
    }
    if (S_ISDIR(st.st_mode))
        return fail(ExportFailure::NotAFile, Message::ExportPathIsFolder, {path});
    if (!S_ISREG(st.st_mode))
        return fail(ExportFailure::NotAFile, Message::ExportNotRegularFile, {path});

    for (const auto& candidate : {path, target}) {
        if (const auto lock = lockFileBeside(candidate))
            return fail(ExportFailure::OpenElsewhere, Message::ExportOpenElsewhere, {path, *lock});
    }

    FileBytes file;
    if (auto read = readFile(target, file); !read.ok)
        return read;
    // Nobody may write it, or this user may not: either way it was not meant to change.
    if ((file.st.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0)
        return fail(ExportFailure::ReadOnly, Message::ExportReadOnly, {path});
    if (auto refused = refuseByContent(path, file.bytes); !refused.ok)
        return refused;

    std::string updated;
    if (auto edited = updateWorkbook(path, file.bytes, cells, readNumber, updated); !edited.ok)
        return edited;
    return replaceFile(target, updated, &file.st);
}

}  // namespace cw
