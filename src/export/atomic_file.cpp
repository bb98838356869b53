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
    return fail(ExportFailure::Unreadable, Message::ExportCouldNotRead, {path, reasonFor(err)});
}

}  // namespace

ExportOutcome notAFolder(const std::string& path) {
    return fail(ExportFailure::ReadOnly, Message::ExportPathThroughFile, {path});
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
            return fail(ExportFailure::ReadOnly, Message::ExportNoFolder, {path, folder});
        if (err == ENOTDIR)
            return notAFolder(path);
        return fail(ExportFailure::ReadOnly, Message::ExportNoTemporaryFile,
                    {path, folder, reasonFor(err)});
    }
    // A failed write leaves no file behind; what was there before stays as it was.
    const auto writeFailed = [&](int err, Message what) {
        const bool full = err == ENOSPC || err == EDQUOT;
        Phrase advice =
            phrase(full ? Message::ExportAdviceFreeSpace : Message::ExportAdviceCheckDisk);
        if (original) {
            const Phrase unchanged = phrase(Message::ExportOriginalUnchanged);
            advice.english += unchanged.english;
            advice.greek += unchanged.greek;
        }
        return fail(ExportFailure::WriteFailed, what, {path, reasonFor(err), advice});
    };
    // errno is read before anything can allocate and disturb it.
    const auto discard = [&](Message what) {
        const int err = errno;
        ::close(fd);
        ::unlink(temporary.c_str());
        return writeFailed(err, what);
    };
    if (!writeAll(fd, bytes))
        return discard(Message::ExportWritingFailed);
    if (original) {
        // Best effort: only root may hand the file back to its owner.
        [[maybe_unused]] const int ignored = ::fchown(fd, original->st_uid, original->st_gid);
        if (::fchmod(fd, original->st_mode & 07777) != 0)
            return discard(Message::ExportPermissionsFailed);
    }
    if (::fsync(fd) != 0)
        return discard(Message::ExportSyncFailed);
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(temporary.c_str());
        return writeFailed(err, Message::ExportWritingFailed);
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(temporary.c_str());
        return fail(ExportFailure::ReadOnly, Message::ExportCannotReplace, {path, reasonFor(err)});
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
        return fail(ExportFailure::Unreadable, Message::ExportCannotOpen, {path, reasonFor(err)});
    }
    if (::fstat(fd, &file.st) != 0) {
        const int err = errno;
        ::close(fd);
        return unreadable(path, err);
    }
    if (file.st.st_size > kMaxFileBytes) {
        ::close(fd);
        return fail(ExportFailure::TooLarge, Message::ExportFileTooLarge, {path});
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
