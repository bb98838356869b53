#include "files/schedule_csv.h"

#include <QString>

#include <csv.h>

#include <algorithm>
#include <array>
#include <fstream>

namespace cw::files {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kReadBlockBytes = 64 * 1024;

// libcsv's state before the first byte of a row: the parser keeps it in its public struct.
constexpr int kRowNotBegun = 0;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// A header name without blanks or byte-order marks around it: a mark that is not at the very
// start of the file (after blank lines, or from files joined together) is still no part of a name.
std::string_view trimmedName(std::string_view s) {
    for (;;) {
        const std::string_view before = trimmed(s);
        s = before;
        if (s.substr(0, kByteOrderMark.size()) == kByteOrderMark)
            s.remove_prefix(kByteOrderMark.size());
        if (s.size() >= kByteOrderMark.size() &&
            s.substr(s.size() - kByteOrderMark.size()) == kByteOrderMark)
            s.remove_suffix(kByteOrderMark.size());
        if (s.size() == before.size())
            return s;
    }
}

std::string folded(std::string_view name) {
    const bool ascii = std::all_of(name.begin(), name.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii) {
        std::string out(name);
        for (char& c : out)
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        return out;
    }
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()))
        .toCaseFolded()
        .toStdString();
}

// Well-formed UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isUtf8(std::string_view s) {
    std::size_t i = 0;
    const std::size_t n = s.size();
    while (i < n) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        std::size_t length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            if (c == 0xE0)
                low = 0xA0;
            else if (c == 0xED)
                high = 0x9F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            if (c == 0xF0)
                low = 0x90;
            else if (c == 0xF4)
                high = 0x8F;
        } else {
            return false;
        }
        if (n - i < length)
            return false;
        const auto second = static_cast<unsigned char>(s[i + 1]);
        if (second < low || second > high)
            return false;
        for (std::size_t k = 2; k < length; ++k) {
            const auto next = static_cast<unsigned char>(s[i + k]);
            if (next < 0x80 || next > 0xBF)
                return false;
        }
        i += length;
    }
    return true;
}

}  // namespace

ScheduleHeader::ScheduleHeader(std::vector<std::string> names) : m_names(std::move(names)) {
    m_folded.reserve(m_names.size());
    for (const std::string& name : m_names)
        m_folded.push_back(folded(name));
}

std::optional<std::size_t> ScheduleHeader::indexOf(std::string_view name) const {
    const std::string key = folded(trimmedName(name));
    if (key.empty())
        return std::nullopt;
    for (std::size_t i = 0; i < m_folded.size(); ++i)
        if (m_folded[i] == key)
            return i;
    return std::nullopt;
}

std::optional<std::string_view> ScheduleRow::value(std::string_view column) const {
    const auto index = m_header.indexOf(column);
    if (!index)
        return std::nullopt;
    return field(*index);
}

std::string_view ScheduleRow::field(std::size_t index) const {
    if (index >= m_fieldCount)
        return {};
    return m_fields[index];
}

struct ScheduleParser::State {
    ScheduleRowHandler onRow;
    csv_parser parser{};
    bool parserReady = false;

    // Until the header record is complete the bytes wait here: its delimiter decides how
    // everything is parsed.
    bool headerPending = true;
    std::string headerBytes;
    std::size_t headerScanned = 0;
    bool headerInQuotes = false;
    bool headerQuoteClosed = false;  // the byte before closed a quoted field
    bool headerHasContent = false;
    std::size_t headerRecordStart = 0;
    std::size_t bomBytesSeen = 0;

    std::size_t line = 1;  // line of the next byte fed
    bool afterCarriageReturn = false;
    std::size_t rowStartLine = 1;

    std::vector<std::string> fields;  // reused from row to row
    std::size_t fieldCount = 0;
    bool rowHasContent = false;

    std::optional<ScheduleHeader> header;
    ScheduleReadResult result;

    ~State() {
        if (parserReady)
            csv_free(&parser);
    }

    bool failed() const { return result.error.has_value(); }

    void fail(ScheduleErrorKind kind, std::size_t atLine, std::string column = {}) {
        if (!failed())
            result.error = ScheduleError{kind, atLine, std::move(column)};
    }

    static void onField(void* data, std::size_t length, void* self) {
        static_cast<State*>(self)->field(static_cast<const char*>(data), length);
    }
    static void onRowEnd(int, void* self) { static_cast<State*>(self)->rowEnd(); }

    void field(const char* data, std::size_t length) {
        if (failed())
            return;
        const std::string_view text(data ? data : "", data ? length : 0);
        if (!isUtf8(text)) {
            fail(ScheduleErrorKind::InvalidUtf8, rowStartLine);
            return;
        }
        if (fieldCount == fields.size())
            fields.emplace_back();
        fields[fieldCount].assign(text);
        ++fieldCount;
        if (!text.empty())
            rowHasContent = true;
    }

    void rowEnd() {
        if (failed())
            return;
        const std::size_t count = fieldCount;
        const bool hasContent = rowHasContent;
        fieldCount = 0;
        rowHasContent = false;
        if (!hasContent)
            return;
        if (!header) {
            takeHeader(count);
            return;
        }
        if (count > header->names().size()) {
            fail(ScheduleErrorKind::TooManyFields, rowStartLine);
            return;
        }
        ++result.rows;
        onRow(ScheduleRow(rowStartLine, *header, fields, count));
    }

    void takeHeader(std::size_t count) {
        std::vector<std::string> names;
        names.reserve(count);
        for (std::size_t i = 0; i < count; ++i)
            names.emplace_back(trimmedName(fields[i]));
        // A record of blank names (quoted blanks) is passed over like a blank line.
        if (std::all_of(names.begin(), names.end(), [](const std::string& n) { return n.empty(); }))
            return;
        ScheduleHeader candidate(std::move(names));
        for (std::size_t i = 0; i < count; ++i) {
            const std::string& name = candidate.names()[i];
            if (name.empty())
                continue;
            if (candidate.indexOf(name) != i) {
                fail(ScheduleErrorKind::DuplicateColumn, rowStartLine, name);
                return;
            }
        }
        result.columns = candidate.names();
        header = std::move(candidate);
    }

    // Bytes go to libcsv one line at a time, so the line a row starts on is known.
    void parse(std::string_view bytes) {
        while (!bytes.empty() && !failed()) {
            const std::size_t end = bytes.find_first_of("\r\n");
            const std::size_t length = end == std::string_view::npos ? bytes.size() : end + 1;
            const std::string_view segment = bytes.substr(0, length);
            bytes.remove_prefix(length);

            if (parser.pstate == kRowNotBegun)
                rowStartLine = line;
            const std::size_t done =
                csv_parse(&parser, segment.data(), segment.size(), onField, onRowEnd, this);
            if (failed())
                return;
            if (done != segment.size()) {
                fail(csv_error(&parser) == CSV_EPARSE ? ScheduleErrorKind::MisplacedQuote
                                                      : ScheduleErrorKind::TooLong,
                     line);
                return;
            }
            if (csv_get_buffer_size(&parser) > kMaxScheduleFieldBytes) {
                fail(ScheduleErrorKind::TooLong, rowStartLine);
                return;
            }

            const char last = segment.back();
            if (last == '\r') {
                ++line;
                afterCarriageReturn = true;
            } else if (last == '\n') {
                if (!(afterCarriageReturn && segment.size() == 1))
                    ++line;
                afterCarriageReturn = false;
            } else {
                afterCarriageReturn = false;
            }
        }
    }

    // Scans the waiting bytes for the end of the header record (the first line with a name
    // on it); true once it is complete.
    bool headerComplete() {
        for (; headerScanned < headerBytes.size(); ++headerScanned) {
            const char c = headerBytes[headerScanned];
            if (c != '"')
                headerQuoteClosed = false;
            if (headerScanned == bomBytesSeen && bomBytesSeen < kByteOrderMark.size() &&
                c == kByteOrderMark[bomBytesSeen]) {
                ++bomBytesSeen;
                headerRecordStart = headerScanned + 1;
            } else if (c == '"') {
                // A doubled quote inside a quoted name is a quote character: a name.
                if (!headerInQuotes && headerQuoteClosed) {
                    headerHasContent = true;
                    headerInQuotes = true;
                } else {
                    headerInQuotes = !headerInQuotes;
                }
                headerQuoteClosed = !headerInQuotes;
                continue;
            } else if (!headerInQuotes && (c == '\r' || c == '\n')) {
                if (headerHasContent)
                    return true;
                headerRecordStart = headerScanned + 1;
            } else if (!isBlank(c) && (headerInQuotes || (c != ',' && c != ';'))) {
                headerHasContent = true;
            }
        }
        return false;
    }

    // Semicolon when the header holds more of them than commas outside quotes.
    char detectDelimiter() const {
        std::size_t commas = 0;
        std::size_t semicolons = 0;
        bool inQuotes = false;
        const std::size_t end = std::min(headerScanned, headerBytes.size());
        for (std::size_t i = headerRecordStart; i < end; ++i) {
            const char c = headerBytes[i];
            if (c == '"')
                inQuotes = !inQuotes;
            else if (!inQuotes && c == ',')
                ++commas;
            else if (!inQuotes && c == ';')
                ++semicolons;
        }
        return semicolons > commas ? ';' : ',';
    }

    void startParsing() {
        headerPending = false;
        std::string_view bytes = headerBytes;
        if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark)
            bytes.remove_prefix(kByteOrderMark.size());
        // With no name anywhere, every line has its say.
        if (!headerHasContent)
            headerRecordStart = 0;
        result.delimiter = detectDelimiter();
        if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI) != 0) {
            fail(ScheduleErrorKind::Unreadable, 0);
            return;
        }
        parserReady = true;
        csv_set_delim(&parser, static_cast<unsigned char>(result.delimiter));
        parse(bytes);
        headerBytes.clear();
        headerBytes.shrink_to_fit();
    }

    void feed(std::string_view bytes) {
        if (failed())
            return;
        if (!headerPending) {
            parse(bytes);
            return;
        }
        headerBytes.append(bytes);
        if (headerComplete()) {
            startParsing();
        } else if (headerBytes.size() > kMaxScheduleFieldBytes) {
            fail(ScheduleErrorKind::TooLong, 1);
        }
    }

    ScheduleReadResult finish() {
        if (!failed() && headerPending)
            startParsing();
        if (!failed() && parserReady) {
            if (csv_fini(&parser, onField, onRowEnd, this) != 0)
                fail(ScheduleErrorKind::UnterminatedQuote, rowStartLine);
        }
        if (!failed() && !header)
            fail(ScheduleErrorKind::NoHeader, 0);
        return result;
    }
};

ScheduleParser::ScheduleParser(ScheduleRowHandler onRow) : m_state(std::make_unique<State>()) {
    m_state->onRow = std::move(onRow);
}

ScheduleParser::~ScheduleParser() = default;

bool ScheduleParser::feed(std::string_view bytes) {
    m_state->feed(bytes);
    return !m_state->failed();
}

ScheduleReadResult ScheduleParser::finish() {
    return m_state->finish();
}

ScheduleReadResult readSchedule(std::istream& in, const ScheduleRowHandler& onRow) {
    ScheduleParser parser(onRow);
    std::array<char, kReadBlockBytes> block{};
    while (in) {
        in.read(block.data(), static_cast<std::streamsize>(block.size()));
        const auto got = static_cast<std::size_t>(in.gcount());
        if (got > 0 && !parser.feed(std::string_view(block.data(), got)))
            break;
    }
    if (in.bad()) {
        ScheduleReadResult result;
        result.error = ScheduleError{ScheduleErrorKind::Unreadable, 0, {}};
        return result;
    }
    return parser.finish();
}

ScheduleReadResult readScheduleFile(const std::string& path, const ScheduleRowHandler& onRow) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        ScheduleReadResult result;
        result.error = ScheduleError{ScheduleErrorKind::Unreadable, 0, {}};
        return result;
    }
    return readSchedule(in, onRow);
}

namespace {

// csvField's text appended to `out`, so that a row is assembled in one buffer.
void appendCsvField(std::string& out, std::string_view text, char delimiter) {
    // Most fields are numbers and codes: one pass finds no character at or below '"' (blanks,
    // quotes, line breaks) and no delimiter, and the field goes out as it is.
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p != end && static_cast<unsigned char>(*p) > '"' && *p != delimiter)
        ++p;
    bool needsQuotes = false;
    if (p != end) {
        needsQuotes = isBlank(text.front()) || isBlank(text.back());
        for (; p != end && !needsQuotes; ++p)
            needsQuotes = *p == delimiter || *p == '"' || *p == '\r' || *p == '\n';
    }
    if (!needsQuotes) {
        out.append(text.data(), text.size());
        return;
    }
    out += '"';
    for (const char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

}  // namespace

std::string csvField(std::string_view text, char delimiter) {
    std::string out;
    appendCsvField(out, text, delimiter);
    return out;
}

CsvWriter::CsvWriter(std::ostream& out, char delimiter, bool byteOrderMark)
    : m_out(out), m_delimiter(delimiter) {
    if (byteOrderMark)
        m_out << kByteOrderMark;
}

void CsvWriter::writeRow(const std::vector<std::string>& fields) {
    m_line.clear();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            m_line += m_delimiter;
        appendCsvField(m_line, fields[i], m_delimiter);
    }
    m_line += "\r\n";
    m_out.write(m_line.data(), std::streamsize(m_line.size()));
}

}  // namespace cw::files
