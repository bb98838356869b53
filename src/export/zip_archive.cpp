#include "export/zip_archive.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace cw::xlsx {

namespace {

// The DOS timestamps of written entries; a fixed one keeps two exports byte-identical.
time_t fixedEntryTime() {
    std::tm tm{};
    tm.tm_year = 2000 - 1900;
    tm.tm_mon = 0;
    tm.tm_mday = 1;
    tm.tm_isdst = -1;
    return std::mktime(&tm);
}

// A malloc'd copy for libzip to own: its buffer source may free even data it was told not to
// (seen with libzip 1.7.3 when an archive is discarded after cloning), so it gets only its own.
void* ownedCopy(std::string_view data) {
    void* copy = std::malloc(std::max<std::size_t>(data.size(), 1));
    if (copy && !data.empty())
        std::memcpy(copy, data.data(), data.size());
    return copy;
}

}  // namespace

bool MemoryArchive::open(std::string_view bytes, int& zipError) {
    zip_error_t error;
    zip_error_init(&error);
    void* copy = bytes.empty() ? nullptr : ownedCopy(bytes);
    if (!bytes.empty() && !copy) {
        zipError = ZIP_ER_MEMORY;
        return false;
    }
    // On failure libzip may or may not have freed the copy; leaking it beats a double free.
    std::unique_ptr<zip_source_t, SourceFree> source(
        zip_source_buffer_create(copy, bytes.size(), 1, &error));
    if (!source) {
        zipError = zip_error_code_zip(&error);
        zip_error_fini(&error);
        return false;
    }
    const int flags = bytes.empty() ? ZIP_CREATE | ZIP_TRUNCATE : ZIP_CHECKCONS;
    zip_t* zip = zip_open_from_source(source.get(), flags, &error);
    if (!zip) {
        zipError = zip_error_code_zip(&error);
        zip_error_fini(&error);
        return false;
    }
    zip_error_fini(&error);
    zip_source_keep(source.get());  // the archive holds one reference, we keep the other
    m_source = std::move(source);
    m_zip.reset(zip);
    return true;
}

zip_int64_t MemoryArchive::locate(const std::string& name) const {
    return zip_name_locate(m_zip.get(), name.c_str(), ZIP_FL_NOCASE);
}

bool MemoryArchive::put(const std::string& name, std::string_view data) {
    void* copy = ownedCopy(data);
    zip_source_t* source = copy ? zip_source_buffer(m_zip.get(), copy, data.size(), 1) : nullptr;
    if (!source)
        return false;
    const zip_int64_t existing = locate(name);
    time_t mtime = fixedEntryTime();
    zip_int64_t index = existing;
    if (existing >= 0) {
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_stat_index(m_zip.get(), static_cast<zip_uint64_t>(existing), 0, &st) == 0 &&
            (st.valid & ZIP_STAT_MTIME))
            mtime = st.mtime;
        if (zip_file_replace(m_zip.get(), static_cast<zip_uint64_t>(existing), source, 0) != 0) {
            zip_source_free(source);
            return false;
        }
    } else {
        index = zip_file_add(m_zip.get(), name.c_str(), source, 0);
        if (index < 0) {
            zip_source_free(source);
            return false;
        }
    }
    const auto i = static_cast<zip_uint64_t>(index);
    return zip_set_file_compression(m_zip.get(), i, ZIP_CM_DEFLATE, 0) == 0 &&
           zip_file_set_mtime(m_zip.get(), i, mtime, 0) == 0;
}

bool MemoryArchive::remove(zip_int64_t index) {
    return zip_delete(m_zip.get(), static_cast<zip_uint64_t>(index)) == 0;
}

std::optional<std::string> MemoryArchive::close() {
    if (zip_close(m_zip.get()) != 0)
        return std::nullopt;
    m_zip.release();
    zip_source_t* source = m_source.get();
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_source_stat(source, &st) != 0 || !(st.valid & ZIP_STAT_SIZE) ||
        zip_source_open(source) != 0)
        return std::nullopt;
    std::string out(static_cast<std::size_t>(st.size), '\0');
    std::size_t done = 0;
    while (done < out.size()) {
        const zip_int64_t n = zip_source_read(source, out.data() + done, out.size() - done);
        if (n <= 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    zip_source_close(source);
    if (done != out.size())
        return std::nullopt;
    return out;
}

EntryText readEntry(const MemoryArchive& archive, const std::string& name) {
    const zip_int64_t index = archive.locate(name);
    if (index < 0)
        return {ReadStatus::Missing, {}};
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat_index(archive.get(), static_cast<zip_uint64_t>(index), 0, &st) != 0 ||
        !(st.valid & ZIP_STAT_SIZE))
        return {ReadStatus::Damaged, {}};
    if (st.size > kMaxEntryBytes)
        return {ReadStatus::TooLarge, {}};
    zip_file_t* file = zip_fopen_index(archive.get(), static_cast<zip_uint64_t>(index), 0);
    if (!file) {
        const int code = zip_error_code_zip(zip_get_error(archive.get()));
        const bool locked =
            code == ZIP_ER_ENCRNOTSUPP || code == ZIP_ER_NOPASSWD || code == ZIP_ER_WRONGPASSWD;
        return {locked ? ReadStatus::Encrypted : ReadStatus::Damaged, {}};
    }
    // Read one byte past the declared size: an entry that inflates beyond it is lying.
    std::string text(static_cast<std::size_t>(st.size) + 1, '\0');
    std::size_t done = 0;
    bool failed = false;
    while (done < text.size()) {
        const zip_int64_t n = zip_fread(file, text.data() + done, text.size() - done);
        if (n < 0)
            failed = true;
        if (n <= 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    if (zip_fclose(file) != 0)
        failed = true;
    if (failed || done != st.size)
        return {ReadStatus::Damaged, {}};
    text.resize(done);
    return {ReadStatus::Ok, std::move(text)};
}

}  // namespace cw::xlsx
