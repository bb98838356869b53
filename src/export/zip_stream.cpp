#include "export/zip_stream.h"

#include <zlib.h>

#include <cerrno>
#include <condition_variable>
#include <ctime>
#include <deque>
#include <mutex>
#include <thread>

namespace cw::xlsx {

namespace {

constexpr std::uint32_t kMax32 = 0xFFFFFFFFu;
// The streamed entry's local header reserves room for the zip64 sizes under an extra field
// readers skip (the id zipalign pads with); it becomes the zip64 field when the sizes need it.
constexpr std::uint16_t kPaddingId = 0xD935;
constexpr std::uint16_t kZip64Id = 0x0001;
constexpr std::size_t kInputChunk = 1 << 18;

void put16(std::string& out, std::uint32_t v) {
    out += char(v & 0xFF);
    out += char((v >> 8) & 0xFF);
}
void put32(std::string& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}
void put64(std::string& out, std::uint64_t v) {
    put32(out, std::uint32_t(v & kMax32));
    put32(out, std::uint32_t(v >> 32));
}

}  // namespace

struct ZipStream::Deflater {
    z_stream z{};
    bool ready = false;
    std::uint32_t crc = 0;
    ~Deflater() {
        if (ready)
            deflateEnd(&z);
    }
};

struct ZipStream::Pipe {
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<std::string> chunks;
    bool closed = false;   // no more chunks will come
    bool failed = false;   // the deflating thread could not write
    std::thread worker;
};

// Chunks waiting for the deflating thread: enough to keep it busy, little enough to stay small.
constexpr std::size_t kQueuedChunks = 4;

ZipStream::ZipStream(AtomicFile& file) : m_file(file) {
    const std::time_t now = std::time(nullptr);
    std::tm t{};
    localtime_r(&now, &t);
    if (t.tm_year < 80)
        t = std::tm{0, 0, 0, 1, 0, 80, 0, 0, 0, 0, nullptr};
    m_time = std::uint16_t((t.tm_hour << 11) | (t.tm_min << 5) | (t.tm_sec / 2));
    m_date = std::uint16_t(((t.tm_year - 80) << 9) | ((t.tm_mon + 1) << 5) | t.tm_mday);
}

ZipStream::~ZipStream() {
    if (m_pipe) {
        {
            std::lock_guard lock(m_pipe->mutex);
            m_pipe->closed = true;
            m_pipe->failed = true;  // abandoned: the rest is not deflated
        }
        m_pipe->changed.notify_all();
        m_pipe->worker.join();
    }
}

bool ZipStream::writeLocalHeader(const Entry& e, bool sizesKnown) {
    std::string h;
    put32(h, 0x04034b50);
    put16(h, sizesKnown ? 20 : 45);
    put16(h, 0);  // flags
    put16(h, 8);  // deflated
    put16(h, m_time);
    put16(h, m_date);
    put32(h, e.crc);
    put32(h, std::uint32_t(e.packed));
    put32(h, std::uint32_t(e.size));
    put16(h, std::uint16_t(e.name.size()));
    put16(h, sizesKnown ? 0 : 20);
    h += e.name;
    if (!sizesKnown) {
        put16(h, kPaddingId);
        put16(h, 16);
        put64(h, 0);
        put64(h, 0);
    }
    return m_ok = m_ok && m_file.write(h);
}

bool ZipStream::add(const std::string& name, std::string_view data) {
    if (!m_ok)
        return false;
    Entry e;
    e.name = name;
    e.offset = m_file.written();
    e.size = data.size();
    e.crc = std::uint32_t(crc32(0, reinterpret_cast<const Bytef*>(data.data()), uInt(data.size())));
    z_stream z{};
    if (deflateInit2(&z, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
        errno = ENOMEM;
        return m_ok = false;
    }
    std::string packed(deflateBound(&z, uLong(data.size())), '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    z.avail_in = uInt(data.size());
    z.next_out = reinterpret_cast<Bytef*>(packed.data());
    z.avail_out = uInt(packed.size());
    const int status = deflate(&z, Z_FINISH);
    packed.resize(z.total_out);
    deflateEnd(&z);
    if (status != Z_STREAM_END)
        return m_ok = false;
    e.packed = packed.size();
    if (!writeLocalHeader(e, true) || !m_file.write(packed))
        return m_ok = false;
    m_entries.push_back(std::move(e));
    return true;
}

bool ZipStream::begin(const std::string& name) {
    if (!m_ok)
        return false;
    Entry e;
    e.name = name;
    e.offset = m_file.written();
    if (!writeLocalHeader(e, false))
        return false;
    m_entries.push_back(std::move(e));
    m_deflater = std::make_unique<Deflater>();
    // The fastest level: the sheet is repetitive XML, and the time goes to designing bays.
    if (deflateInit2(&m_deflater->z, 1, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return m_ok = false;
    m_deflater->ready = true;
    m_input.reserve(kInputChunk + 4096);
    m_output.resize(kInputChunk);
    m_pipe = std::make_unique<Pipe>();
    m_pipe->worker = std::thread([this] { deflateLoop(); });
    return true;
}

bool ZipStream::deflateChunk(const std::string& chunk, bool last) {
    Deflater& d = *m_deflater;
    d.crc = std::uint32_t(
        crc32(d.crc, reinterpret_cast<const Bytef*>(chunk.data()), uInt(chunk.size())));
    d.z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(chunk.data()));
    d.z.avail_in = uInt(chunk.size());
    int status = Z_OK;
    do {
        d.z.next_out = reinterpret_cast<Bytef*>(m_output.data());
        d.z.avail_out = uInt(m_output.size());
        status = deflate(&d.z, last ? Z_FINISH : Z_NO_FLUSH);
        if (status == Z_STREAM_ERROR)
            return false;
        const std::size_t produced = m_output.size() - d.z.avail_out;
        if (produced > 0 && !m_file.write(std::string_view(m_output.data(), produced)))
            return false;
    } while (d.z.avail_out == 0 || (last && status != Z_STREAM_END));
    return true;
}

void ZipStream::deflateLoop() {
    Pipe& p = *m_pipe;
    for (;;) {
        std::string chunk;
        bool last = false;
        {
            std::unique_lock lock(p.mutex);
            p.changed.wait(lock, [&] { return !p.chunks.empty() || p.closed; });
            if (p.failed)
                return;
            if (p.chunks.empty())
                return;
            chunk = std::move(p.chunks.front());
            p.chunks.pop_front();
            last = p.closed && p.chunks.empty();
        }
        p.changed.notify_all();
        if (!deflateChunk(chunk, last)) {
            std::lock_guard lock(p.mutex);
            p.failed = true;
            p.changed.notify_all();
            return;
        }
        if (last)
            return;
    }
}

bool ZipStream::flushInput(bool last) {
    Pipe& p = *m_pipe;
    {
        std::unique_lock lock(p.mutex);
        p.changed.wait(lock, [&] { return p.chunks.size() < kQueuedChunks || p.failed; });
        if (p.failed)
            return m_ok = false;
        m_entries.back().size += m_input.size();
        // The last chunk may be empty: it still finishes the deflate stream.
        p.chunks.push_back(std::move(m_input));
        p.closed = last;
    }
    p.changed.notify_all();
    m_input = std::string();
    m_input.reserve(kInputChunk + 4096);
    return true;
}

bool ZipStream::append(std::string_view data) {
    if (!m_ok || !m_deflater)
        return false;
    m_input += data;
    return m_input.size() < kInputChunk || flushInput(false);
}

bool ZipStream::end() {
    if (!m_ok || !m_deflater || !flushInput(true))
        return false;
    m_pipe->worker.join();
    const bool failed = m_pipe->failed;
    m_pipe.reset();
    if (failed)
        return m_ok = false;
    Entry& e = m_entries.back();
    e.crc = m_deflater->crc;
    e.packed = m_deflater->z.total_out;
    m_deflater.reset();
    std::string fix;
    const bool zip64 = e.size >= kMax32 || e.packed >= kMax32;
    put32(fix, e.crc);
    put32(fix, zip64 ? kMax32 : std::uint32_t(e.packed));
    put32(fix, zip64 ? kMax32 : std::uint32_t(e.size));
    std::string extra;
    put16(extra, zip64 ? kZip64Id : kPaddingId);
    put16(extra, 16);
    put64(extra, zip64 ? e.size : 0);
    put64(extra, zip64 ? e.packed : 0);
    std::string version;
    put16(version, zip64 ? 45 : 20);
    return m_ok = m_file.writeAt(e.offset + 4, version) && m_file.writeAt(e.offset + 14, fix) &&
                  m_file.writeAt(e.offset + 30 + e.name.size(), extra);
}

bool ZipStream::finish() {
    if (!m_ok)
        return false;
    const std::uint64_t directoryAt = m_file.written();
    std::string cd;
    for (const Entry& e : m_entries) {
        std::string extra;
        if (e.size >= kMax32)
            put64(extra, e.size);
        if (e.packed >= kMax32 || e.size >= kMax32)
            put64(extra, e.packed);
        if (e.offset >= kMax32)
            put64(extra, e.offset);
        const bool zip64 = !extra.empty();
        put32(cd, 0x02014b50);
        put16(cd, 0x0300 | 45);  // made by: Unix
        put16(cd, zip64 ? 45 : 20);
        put16(cd, 0);
        put16(cd, 8);
        put16(cd, m_time);
        put16(cd, m_date);
        put32(cd, e.crc);
        put32(cd, zip64 && (e.packed >= kMax32 || e.size >= kMax32) ? kMax32
                                                                     : std::uint32_t(e.packed));
        put32(cd, e.size >= kMax32 ? kMax32 : std::uint32_t(e.size));
        put16(cd, std::uint16_t(e.name.size()));
        put16(cd, zip64 ? std::uint16_t(extra.size() + 4) : 0);
        put16(cd, 0);
        put16(cd, 0);
        put16(cd, 0);
        put32(cd, 0100644u << 16);
        put32(cd, e.offset >= kMax32 ? kMax32 : std::uint32_t(e.offset));
        cd += e.name;
        if (zip64) {
            put16(cd, kZip64Id);
            put16(cd, std::uint16_t(extra.size()));
            cd += extra;
        }
    }
    const std::uint64_t directorySize = cd.size();
    const std::uint64_t count = m_entries.size();
    if (directoryAt >= kMax32 || directorySize >= kMax32) {
        const std::uint64_t zip64At = directoryAt + directorySize;
        put32(cd, 0x06064b50);
        put64(cd, 44);
        put16(cd, 45);
        put16(cd, 45);
        put32(cd, 0);
        put32(cd, 0);
        put64(cd, count);
        put64(cd, count);
        put64(cd, directorySize);
        put64(cd, directoryAt);
        put32(cd, 0x07064b50);
        put32(cd, 0);
        put64(cd, zip64At);
        put32(cd, 1);
    }
    put32(cd, 0x06054b50);
    put16(cd, 0);
    put16(cd, 0);
    put16(cd, std::uint16_t(count));
    put16(cd, std::uint16_t(count));
    put32(cd, directorySize >= kMax32 ? kMax32 : std::uint32_t(directorySize));
    put32(cd, directoryAt >= kMax32 ? kMax32 : std::uint32_t(directoryAt));
    put16(cd, 0);
    return m_ok = m_file.write(cd);
}

}  // namespace cw::xlsx
