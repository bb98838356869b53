#include "export/atomic_file.h"

#include "export/xlsx_text.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <string_view>

namespace cw::xlsx {

namespace {

constexpr off_t kMaxFileBytes = off_t{256} << 20;

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string fileNameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

ExportOutcome unreadable(const std::string& path, int err) {
    return fail(ExportFailure::Unreadable,
                "The workbook " + path + " could not be read (" + errnoText(err) +
                    "). Choose another file.",
                "Το βιβλίο εργασίας " + gq(path) + " δεν ήταν δυνατό να διαβαστεί (" +
                    greekErrnoText(err) + "). Επιλέξτε άλλο αρχείο.");
}

}  // namespace

ExportOutcome notAFolder(const std::string& path) {
    return fail(ExportFailure::ReadOnly,
                "The report " + path +
                    " cannot be saved: part of its path is a file, not a folder. Choose another "
                    "location.",
                "Η αναφορά " + gq(path) +
                    " δεν μπορεί να αποθηκευτεί: μέρος της διαδρομής της είναι αρχείο, όχι "
                    "φάκελος. Επιλέξτε άλλη θέση.");
}

ExportOutcome replaceFile(const std::string& path, const std::string& bytes,
                          const struct stat* original) {
    const std::string folder = folderOf(path);
    thread_local std::mt19937 generator{std::random_device{}()};
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = folder + "/." + fileNameOf(path) + "." +
                    std::to_string(generator() % 1000000000u) + ".tmp";
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        const int err = errno;
        if (err == ENOENT)
            return fail(ExportFailure::ReadOnly,
                        "The folder " + folder + " does not exist, so the report " + path +
                            " cannot be saved there. Choose an existing folder.",
                        "Ο φάκελος " + gq(folder) + " δεν υπάρχει, οπότε η αναφορά " + gq(path) +
                            " δεν μπορεί να αποθηκευτεί εκεί. Επιλέξτε άλλη θέση, σε φάκελο "
                            "που υπάρχει.");
        if (err == ENOTDIR)
            return notAFolder(path);
        return fail(ExportFailure::ReadOnly,
                    "Could not create a temporary file in the folder " + folder + " (" +
                        errnoText(err) + "), so the report " + path +
                        " was not saved. Choose a folder you are allowed to write to.",
                    "Δεν ήταν δυνατό να δημιουργηθεί προσωρινό αρχείο στον φάκελο " + gq(folder) +
                        " (" + greekErrnoText(err) + "), οπότε η αναφορά " + gq(path) +
                        " δεν αποθηκεύτηκε. Επιλέξτε φάκελο στον οποίο επιτρέπεται η εγγραφή.");
    }
    // A failed write leaves no file behind; what was there before stays as it was.
    const auto writeFailed = [&](int err, std::string_view what, std::string_view greekWhat) {
        const bool full = err == ENOSPC || err == EDQUOT;
        return fail(ExportFailure::WriteFailed,
                    std::string(what) + " (" + errnoText(err) + "). " +
                        (full ? "Free some disk space and export again."
                              : "Check the disk and export again.") +
                        (original ? " The original file is unchanged." : ""),
                    std::string(greekWhat) + " (" + greekErrnoText(err) + "). " +
                        (full ? "Ελευθερώστε χώρο στον δίσκο και εξαγάγετε ξανά."
                              : "Ελέγξτε τον δίσκο και εξαγάγετε ξανά.") +
                        (original ? " Το αρχικό αρχείο παραμένει αμετάβλητο." : ""));
    };
    // The texts are made beforehand: errno must be read before anything can allocate and
    // disturb it.
    const std::string writing = "Writing the report " + path + " failed";
    const std::string greekWriting = "Η εγγραφή της αναφοράς " + gq(path) + " απέτυχε";
    const std::string permissions = "Could not set the permissions of the report " + path;
    const std::string greekPermissions =
        "Δεν ήταν δυνατό να οριστούν τα δικαιώματα της αναφοράς " + gq(path);
    const std::string syncing = "Writing the report " + path + " to disk failed";
    const std::string greekSyncing = "Η εγγραφή της αναφοράς " + gq(path) + " στον δίσκο απέτυχε";
    const auto discard = [&](const std::string& what, const std::string& greekWhat) {
        const int err = errno;
        ::close(fd);
        ::unlink(temporary.c_str());
        return writeFailed(err, what, greekWhat);
    };
    if (!writeAll(fd, bytes))
        return discard(writing, greekWriting);
    if (original) {
        // Best effort: only root may hand the file back to its owner.
        [[maybe_unused]] const int ignored = ::fchown(fd, original->st_uid, original->st_gid);
        if (::fchmod(fd, original->st_mode & 07777) != 0)
            return discard(permissions, greekPermissions);
    }
    if (::fsync(fd) != 0)
        return discard(syncing, greekSyncing);
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(temporary.c_str());
        return writeFailed(err, writing, greekWriting);
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(temporary.c_str());
        return fail(ExportFailure::ReadOnly,
                    "Could not replace the report " + path + " (" + errnoText(err) +
                        "). Check that the file and its folder may be written, "
                        "or choose another file name.",
                    "Δεν ήταν δυνατό να αντικατασταθεί η αναφορά " + gq(path) + " (" +
                        greekErrnoText(err) +
                        "). Ελέγξτε ότι επιτρέπεται η εγγραφή στο αρχείο και στον φάκελό του "
                        "ή επιλέξτε άλλο όνομα αρχείου.");
    }
    // The rename itself must reach the disk too.
    if (const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return succeeded();
}

std::optional<std::string> lockFileBeside(const std::string& path) {
    const std::string folder = folderOf(path);
    const std::string name = fileNameOf(path);
    for (const std::string& lock : {folder + "/.~lock." + name + "#", folder + "/~$" + name}) {
        struct stat st;
        if (::lstat(lock.c_str(), &st) == 0)
            return lock;
    }
    return std::nullopt;
}

ExportOutcome readFile(const std::string& path, FileBytes& file) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        const int err = errno;
        return fail(ExportFailure::Unreadable,
                    "The workbook " + path + " could not be opened (" + errnoText(err) +
                        "). Check that you are allowed to read it, or choose another file.",
                    "Το βιβλίο εργασίας " + gq(path) + " δεν ήταν δυνατό να ανοιχτεί (" +
                        greekErrnoText(err) +
                        "). Ελέγξτε ότι επιτρέπεται να το διαβάσετε ή επιλέξτε άλλο αρχείο.");
    }
    if (::fstat(fd, &file.st) != 0) {
        const int err = errno;
        ::close(fd);
        return unreadable(path, err);
    }
    if (file.st.st_size > kMaxFileBytes) {
        ::close(fd);
        return fail(ExportFailure::TooLarge,
                    "The workbook " + path +
                        " is far larger than a report form. Choose another "
                        "file.",
                    "Το βιβλίο εργασίας " + gq(path) +
                        " είναι πολύ μεγαλύτερο από μια φόρμα αναφοράς. Επιλέξτε άλλο αρχείο.");
    }
    file.bytes.resize(static_cast<std::size_t>(file.st.st_size));
    std::size_t done = 0;
    while (done < file.bytes.size()) {
        const ssize_t n = ::read(fd, file.bytes.data() + done, file.bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int err = errno;
            ::close(fd);
            return unreadable(path, err);
        }
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    file.bytes.resize(done);
    return succeeded();
}

}  // namespace cw::xlsx
