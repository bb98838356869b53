#include "export/atomic_file.h"

#include "export/xlsx_text.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
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

bool writeAll(int fd, std::string_view bytes) {
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
    return fail(ExportFailure::Unreadable, Message::ExportCouldNotRead,
                {path, systemReasonBoth(err)});
}

}  // namespace

ExportOutcome notAFolder(const std::string& path) {
    return fail(ExportFailure::ReadOnly, Message::ExportPathThroughFile, {path});
}

bool AtomicFile::failed(Stage stage, int err) {
    m_stage = stage;
    m_error = err == 0 ? EIO : err;
    discard();
    return false;
}

bool AtomicFile::open(const std::string& target) {
    discard();
    m_target = target;
    m_folder = folderOf(target);
    m_written = 0;
    thread_local std::mt19937 generator{std::random_device{}()};
    for (int attempt = 0; attempt < 100 && m_fd < 0; ++attempt) {
        m_temporary = m_folder + "/." + fileNameOf(target) + "." +
                      std::to_string(generator() % 1000000000u) + ".tmp";
        m_fd = ::open(m_temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (m_fd < 0 && errno != EEXIST)
            break;
    }
    if (m_fd < 0) {
        m_stage = Stage::Create;
        m_error = errno;
        m_temporary.clear();
        return false;
    }
    return true;
}

bool AtomicFile::write(std::string_view bytes) {
    if (m_fd < 0)
        return false;
    if (!writeAll(m_fd, bytes))
        return failed(Stage::Write, errno);
    m_written += bytes.size();
    return true;
}

bool AtomicFile::writeAt(std::uint64_t offset, std::string_view bytes) {
    if (m_fd < 0)
        return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(m_fd, bytes.data() + done, bytes.size() - done,
                                   off_t(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return failed(Stage::Write, n == 0 ? EIO : errno);
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool AtomicFile::commit(const struct stat* original) {
    if (m_fd < 0)
        return false;
    if (original) {
        // Best effort: only root may hand the file back to its owner.
        [[maybe_unused]] const int ignored = ::fchown(m_fd, original->st_uid, original->st_gid);
        if (::fchmod(m_fd, original->st_mode & 07777) != 0)
            return failed(Stage::Permissions, errno);
    }
    if (::fsync(m_fd) != 0)
        return failed(Stage::Sync, errno);
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(m_temporary.c_str());
        m_temporary.clear();
        return failed(Stage::Close, err);
    }
    if (::rename(m_temporary.c_str(), m_target.c_str()) != 0) {
        const int err = errno;
        ::unlink(m_temporary.c_str());
        m_temporary.clear();
        return failed(Stage::Rename, err);
    }
    m_temporary.clear();
    // The rename itself must reach the disk too.
    if (const int dirFd = ::open(m_folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return true;
}

void AtomicFile::discard() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_temporary.empty()) {
        ::unlink(m_temporary.c_str());
        m_temporary.clear();
    }
}

std::string writeTarget(const std::string& path) {
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
        return path;
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved)
        return path;
    std::string target(resolved);
    std::free(resolved);
    return target;
}

bool sameFile(const struct stat& a, const std::string& b) {
    struct stat st;
    return ::stat(b.c_str(), &st) == 0 && st.st_dev == a.st_dev && st.st_ino == a.st_ino;
}

ExportOutcome replaceFile(const std::string& path, const std::string& bytes,
                          const struct stat* original) {
    AtomicFile file;
    // A failed write leaves no file behind; what was there before stays as it was.
    const auto writeFailed = [&](int err, Message what) {
        const bool full = err == ENOSPC || err == EDQUOT;
        Said advice =
            sayBoth(full ? Message::ExportAdviceFreeSpace : Message::ExportAdviceCheckDisk);
        if (original) {
            const Said unchanged = sayBoth(Message::ExportOriginalUnchanged);
            advice.english += unchanged.english;
            advice.greek += unchanged.greek;
        }
        return fail(ExportFailure::WriteFailed, what, {path, systemReasonBoth(err), advice});
    };
    if (!file.open(path)) {
        const int err = file.error();
        if (err == ENOENT)
            return fail(ExportFailure::ReadOnly, Message::ExportNoFolder, {path, file.folder()});
        if (err == ENOTDIR)
            return notAFolder(path);
        return fail(ExportFailure::ReadOnly, Message::ExportNoTemporaryFile,
                    {path, file.folder(), systemReasonBoth(err)});
    }
    if (file.write(bytes) && file.commit(original))
        return succeeded();
    switch (file.stage()) {
    case AtomicFile::Stage::Permissions:
        return writeFailed(file.error(), Message::ExportPermissionsFailed);
    case AtomicFile::Stage::Sync: return writeFailed(file.error(), Message::ExportSyncFailed);
    case AtomicFile::Stage::Rename:
        return fail(ExportFailure::ReadOnly, Message::ExportCannotReplace,
                    {path, systemReasonBoth(file.error())});
    default: return writeFailed(file.error(), Message::ExportWritingFailed);
    }
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
        return fail(ExportFailure::Unreadable, Message::ExportCannotOpen,
                    {path, systemReasonBoth(err)});
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
