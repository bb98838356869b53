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
        return fail(ExportFailure::NotAFile,
                    "No file name was given for the report. Choose an .xlsx file.",
                    "Δεν δόθηκε όνομα αρχείου για την αναφορά. Επιλέξτε ένα αρχείο .xlsx.");

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
            return fail(ExportFailure::NotAFile,
                        "The report path " + path +
                            " is a link to a file that does not exist. Choose the file itself, "
                            "or another file name.",
                        "Η διαδρομή της αναφοράς " + gq(path) +
                            " είναι σύνδεσμος προς αρχείο που δεν υπάρχει. Επιλέξτε το ίδιο το "
                            "αρχείο ή άλλο όνομα αρχείου.");
        if (err == ENOENT)
            return makeNewWorkbook(target, cells, readNumber);
        if (err == ENOTDIR)
            return notAFolder(path);
        return fail(ExportFailure::Unreadable,
                    "The report " + path + " cannot be reached (" + errnoText(err) +
                        "). Choose another location.",
                    "Η αναφορά " + gq(path) + " δεν είναι προσβάσιμη (" + greekErrnoText(err) +
                        "). Επιλέξτε άλλη θέση.");
    }
    if (S_ISDIR(st.st_mode))
        return fail(
            ExportFailure::NotAFile,
            "The report path " + path + " is a folder, not a file. Choose an .xlsx file name.",
            "Η διαδρομή της αναφοράς " + gq(path) +
                " είναι φάκελος, όχι αρχείο. Επιλέξτε όνομα αρχείου .xlsx.");
    if (!S_ISREG(st.st_mode))
        return fail(ExportFailure::NotAFile,
                    "The report path " + path + " is not a regular file. Choose an .xlsx file.",
                    "Η διαδρομή της αναφοράς " + gq(path) +
                        " δεν είναι κανονικό αρχείο. Επιλέξτε ένα αρχείο .xlsx.");

    for (const auto& candidate : {path, target}) {
        if (const auto lock = lockFileBeside(candidate))
            return fail(ExportFailure::OpenElsewhere,
                        "The workbook " + path + " is open in another program (its lock file " +
                            *lock +
                            " exists). Close it there and export again; if no program has it "
                            "open, delete the lock file.",
                        "Το βιβλίο εργασίας " + gq(path) +
                            " είναι ανοιχτό σε άλλο πρόγραμμα (υπάρχει το αρχείο κλειδώματός του " +
                            gq(*lock) +
                            "). Κλείστε το εκεί και εξαγάγετε ξανά· αν δεν το έχει ανοιχτό κανένα "
                            "πρόγραμμα, διαγράψτε το αρχείο κλειδώματος.");
    }

    FileBytes file;
    if (auto read = readFile(target, file); !read.ok)
        return read;
    // Nobody may write it, or this user may not: either way it was not meant to change.
    if ((file.st.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0)
        return fail(ExportFailure::ReadOnly,
                    "The workbook " + path +
                        " is read-only. Make it writable, or choose another file name.",
                    "Το βιβλίο εργασίας " + gq(path) +
                        " είναι μόνο για ανάγνωση. Επιτρέψτε την εγγραφή του ή επιλέξτε άλλο "
                        "όνομα αρχείου.");
    if (auto refused = refuseByContent(path, file.bytes); !refused.ok)
        return refused;

    std::string updated;
    if (auto edited = updateWorkbook(path, file.bytes, cells, readNumber, updated); !edited.ok)
        return edited;
    return replaceFile(target, updated, &file.st);
}

}  // namespace cw
