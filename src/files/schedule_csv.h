#pragma once

// Schedules of bays as spreadsheet programs write them: RFC 4180 CSV, comma or semicolon,
// UTF-8 with or without a byte-order mark. The reader streams: a row is handed over and
// forgotten, so a schedule of any length reads in constant memory.

#include <cstddef>
#include <functional>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace cw::files {

enum class ScheduleErrorKind {
    Unreadable,         // the file cannot be opened or read
    NoHeader,           // no line with a name on it
    DuplicateColumn,    // two header names that match each other
    TooManyFields,      // a row with more fields than the header has names
    InvalidUtf8,        // bytes that are not UTF-8
    UnterminatedQuote,  // a quoted field still open at the end of the file
    MisplacedQuote,     // a quote inside an unquoted field, or text after a closing quote
    TooLong,            // a single field longer than kMaxScheduleFieldBytes
};

// A field's text is held whole while it is read; no schedule has a cell anywhere near this.
inline constexpr std::size_t kMaxScheduleFieldBytes = 1 << 20;

struct ScheduleError {
    ScheduleErrorKind kind;
    std::size_t line = 0;  // 1-based line of the file; 0 when no line is concerned
    std::string column;    // DuplicateColumn: the second name as written
};

// The header's names, trimmed of blanks and byte-order marks, matched without regard to
// letter case.
class ScheduleHeader {
public:
    explicit ScheduleHeader(std::vector<std::string> names = {});
    const std::vector<std::string>& names() const { return m_names; }
    std::optional<std::size_t> indexOf(std::string_view name) const;

private:
    std::vector<std::string> m_names;
    std::vector<std::string> m_folded;
};

// One row, valid only during the call that hands it over.
class ScheduleRow {
public:
    ScheduleRow(std::size_t line, const ScheduleHeader& header,
                const std::vector<std::string>& fields, std::size_t fieldCount)
        : m_line(line), m_header(header), m_fields(fields), m_fieldCount(fieldCount) {}

    // The line of the file the row starts on.
    std::size_t line() const { return m_line; }
    const ScheduleHeader& header() const { return m_header; }
    // Nothing when the header has no such column; an empty text when the row ends before it.
    std::optional<std::string_view> value(std::string_view column) const;
    // The field under the header's name number `index`; empty past the row's end.
    std::string_view field(std::size_t index) const;
    std::size_t fieldCount() const { return m_fieldCount; }

private:
    std::size_t m_line;
    const ScheduleHeader& m_header;
    const std::vector<std::string>& m_fields;
    std::size_t m_fieldCount;
};

using ScheduleRowHandler = std::function<void(const ScheduleRow&)>;

struct ScheduleReadResult {
    std::optional<ScheduleError> error;  // nothing when the whole file was read
    char delimiter = ',';
    std::vector<std::string> columns;  // the header's names, once read
    std::size_t rows = 0;              // rows handed over
};

// Push parser: bytes go in as they arrive, rows come out through the handler. Rows whose
// fields are all empty (blank lines, a line of delimiters) are passed over. The first error
// stops it; rows handed over before it stay handed over.
class ScheduleParser {
public:
    explicit ScheduleParser(ScheduleRowHandler onRow);
    ~ScheduleParser();
    ScheduleParser(const ScheduleParser&) = delete;
    ScheduleParser& operator=(const ScheduleParser&) = delete;

    // False once an error has stopped the parser.
    bool feed(std::string_view bytes);
    ScheduleReadResult finish();

private:
    struct State;
    std::unique_ptr<State> m_state;
};

ScheduleReadResult readSchedule(std::istream& in, const ScheduleRowHandler& onRow);
ScheduleReadResult readScheduleFile(const std::string& path, const ScheduleRowHandler& onRow);

// RFC 4180 output: a field is quoted when it holds the delimiter, a quote, a line break or
// blanks at either end (which readers trim); rows end in CR LF.
class CsvWriter {
public:
    explicit CsvWriter(std::ostream& out, char delimiter = ',', bool byteOrderMark = false);
    void writeRow(const std::vector<std::string>& fields);
    bool ok() const { return static_cast<bool>(m_out); }

private:
    std::ostream& m_out;
    char m_delimiter;
    std::string m_line;  // the row being assembled, kept for its capacity
};

std::string csvField(std::string_view text, char delimiter);

}  // namespace cw::files
