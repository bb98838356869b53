#pragma once

// A zip archive written front to back into a file: small entries whole, one large entry as
// a stream of pieces deflated as they come, so an archive of any size is written in a few
// hundred kilobytes of memory (a few chunks queued for the deflating thread). Zip64 records are added only when sizes or offsets need them.

#include "export/atomic_file.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace cw::xlsx {

class ZipStream {
public:
    explicit ZipStream(AtomicFile& file);
    ~ZipStream();
    ZipStream(const ZipStream&) = delete;
    ZipStream& operator=(const ZipStream&) = delete;

    // Every call is false once writing failed (the file's error() says why).
    bool add(const std::string& name, std::string_view data);
    bool begin(const std::string& name);
    bool append(std::string_view data);
    bool end();
    // The central directory; the archive is complete after it.
    bool finish();

private:
    struct Entry {
        std::string name;
        std::uint32_t crc = 0;
        std::uint64_t packed = 0;
        std::uint64_t size = 0;
        std::uint64_t offset = 0;
    };
    struct Deflater;

    bool flushInput(bool last);
    void deflateLoop();
    bool deflateChunk(const std::string& chunk, bool last);
    bool writeLocalHeader(const Entry& e, bool sizesKnown);

    AtomicFile& m_file;
    std::vector<Entry> m_entries;
    std::unique_ptr<Deflater> m_deflater;
    struct Pipe;
    // The streamed entry is deflated on a second thread while the rows are made.
    std::unique_ptr<Pipe> m_pipe;
    std::string m_input;
    std::string m_output;
    std::uint16_t m_time = 0;
    std::uint16_t m_date = 0;
    bool m_ok = true;
};

}  // namespace cw::xlsx
