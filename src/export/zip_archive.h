#pragma once

// The archive, edited in memory so the file on disk is only ever replaced whole.

#include <zip.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace cw::xlsx {

// Zip bomb guard: a report form is a few hundred kilobytes; nothing legitimate comes near these.
constexpr zip_uint64_t kMaxEntryBytes = 64u << 20;
constexpr zip_uint64_t kMaxTotalBytes = 256u << 20;

struct ZipDiscard {
    void operator()(zip_t* zip) const { zip_discard(zip); }
};
struct SourceFree {
    void operator()(zip_source_t* source) const { zip_source_free(source); }
};

class MemoryArchive {
public:
    // Opens a copy of `bytes`; an empty string starts a new archive.
    bool open(std::string_view bytes, int& zipError);

    zip_t* get() const { return m_zip.get(); }

    zip_int64_t locate(const std::string& name) const;

    // Sets an entry to `data`, keeping a replaced entry's time so a re-export is identical.
    bool put(const std::string& name, std::string_view data);

    bool remove(zip_int64_t index);

    // Writes the archive and returns its bytes.
    std::optional<std::string> close();

private:
    std::unique_ptr<zip_source_t, SourceFree> m_source;
    std::unique_ptr<zip_t, ZipDiscard> m_zip;  // declared last: discarded before the source
};

enum class ReadStatus { Ok, Missing, Damaged, Encrypted, TooLarge };

struct EntryText {
    ReadStatus status = ReadStatus::Ok;
    std::string text;
};

// The unpacked text of an entry, refused when it would pass kMaxEntryBytes.
EntryText readEntry(const MemoryArchive& archive, const std::string& name);

}  // namespace cw::xlsx
