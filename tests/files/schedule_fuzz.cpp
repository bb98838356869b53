// libFuzzer target for the schedule reader. The input is a schedule file. Besides the
// sanitizers it checks what the batch relies on:
// - the same bytes give the same rows and the same refusal whether read whole or in pieces
//   (the first byte picks the piece size), so a read block boundary changes nothing;
// - rows come with increasing lines, never more fields than the header has names, only UTF-8;
// - a schedule that reads, written back by the CSV writer, reads back to the same rows.

#include "files/schedule_csv.h"

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using cw::files::ScheduleParser;
using cw::files::ScheduleReadResult;
using cw::files::ScheduleRow;

struct Outcome {
    ScheduleReadResult result;
    std::vector<std::size_t> lines;
    std::vector<std::vector<std::string>> rows;
};

void fail(const char* what) {
    std::fprintf(stderr, "schedule_fuzz: %s\n", what);
    std::abort();
}

// Qt's decoder as the independent judge; a byte-order mark inside a field is a character.
bool isUtf8(const std::string& text) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                     QStringDecoder::Flag::ConvertInitialBom);
    const QString decoded =
        decoder(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    return !decoder.hasError() && decoded.toUtf8().size() == static_cast<qsizetype>(text.size());
}

Outcome read(std::string_view data, std::size_t pieceSize) {
    Outcome out;
    ScheduleParser parser([&](const ScheduleRow& row) {
        if (!out.lines.empty() && row.line() <= out.lines.back())
            fail("row lines do not increase");
        if (row.line() == 0 || row.fieldCount() > row.header().names().size())
            fail("row line zero or more fields than names");
        std::vector<std::string> fields;
        for (std::size_t i = 0; i < row.fieldCount(); ++i) {
            fields.emplace_back(row.field(i));
            if (!isUtf8(fields.back()))
                fail("a field that is not UTF-8");
        }
        out.lines.push_back(row.line());
        out.rows.push_back(std::move(fields));
    });
    while (!data.empty()) {
        const std::size_t n = std::min(pieceSize, data.size());
        if (!parser.feed(data.substr(0, n)))
            break;
        data.remove_prefix(n);
    }
    out.result = parser.finish();
    if (out.result.rows != out.rows.size())
        fail("row count differs from the rows handed over");
    return out;
}

bool sameError(const ScheduleReadResult& a, const ScheduleReadResult& b) {
    if (a.error.has_value() != b.error.has_value())
        return false;
    if (!a.error)
        return true;
    return a.error->kind == b.error->kind && a.error->line == b.error->line &&
           a.error->column == b.error->column;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    if (size == 0)
        return 0;
    const std::size_t pieceSize = 1 + bytes[0] % 16;
    const std::string_view data(reinterpret_cast<const char*>(bytes) + 1, size - 1);

    const Outcome whole = read(data, data.size() + 1);
    const Outcome pieces = read(data, pieceSize);
    if (!sameError(whole.result, pieces.result) || whole.rows != pieces.rows ||
        whole.lines != pieces.lines || whole.result.delimiter != pieces.result.delimiter ||
        whole.result.columns != pieces.result.columns)
        fail("reading in pieces differs from reading whole");

    // The delimiter is guessed from the header, so names holding either candidate would let
    // the guess differ on the rewritten file; results never have such names.
    if (whole.result.error)
        return 0;
    for (const std::string& name : whole.result.columns)
        if (name.find_first_of(",;") != std::string::npos)
            return 0;
    std::ostringstream written;
    cw::files::CsvWriter writer(written, whole.result.delimiter, bytes[0] & 0x80);
    writer.writeRow(whole.result.columns);
    for (const auto& row : whole.rows)
        writer.writeRow(row);
    const Outcome again = read(written.str(), written.str().size() + 1);
    if (again.result.error)
        fail("the written schedule does not read");
    if (again.result.columns != whole.result.columns || again.rows != whole.rows)
        fail("the written schedule reads back differently");
    return 0;
}
