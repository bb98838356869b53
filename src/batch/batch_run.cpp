#include "batch/batch_run.h"

#include "batch/bay_designer.h"
#include "export/table_workbook.h"
#include "files/schedule_csv.h"
#include "model/messages.h"

#include <array>

namespace cw::batch {

namespace {

using files::ScheduleErrorKind;

class CsvSink : public ResultSink {
public:
    CsvSink(std::ostream& out, std::string name, char delimiter, bool byteOrderMark)
        : m_out(out), m_name(std::move(name)), m_writer(out, delimiter, byteOrderMark) {}
    std::string name() const override { return m_name; }
    void header(const std::vector<std::string>& names) override { m_writer.writeRow(names); }
    void row(const std::vector<std::string>& fields) override { m_writer.writeRow(fields); }
    std::optional<std::string> finish(bool english) override {
        m_out.flush();
        if (!m_out)
            return std::string(english ? "write error" : "σφάλμα εγγραφής");
        return std::nullopt;
    }

private:
    std::ostream& m_out;
    std::string m_name;
    files::CsvWriter m_writer;
};

class XlsxSink : public ResultSink {
public:
    XlsxSink(std::string path, NumberFormat fmt) : m_path(std::move(path)), m_fmt(std::move(fmt)) {}
    std::string name() const override { return m_path; }
    void header(const std::vector<std::string>& names) override {
        m_table.header = names;
        m_table.numeric.resize(names.size());
        for (std::size_t c = 0; c < names.size(); ++c)
            m_table.numeric[c] = isNumberColumn(c);
    }
    void row(const std::vector<std::string>& fields) override { m_table.rows.push_back(fields); }
    std::optional<std::string> finish(bool english) override {
        const NumberFormat& fmt = m_fmt;
        const auto outcome = xlsx::makeTableWorkbook(
            m_path, "Bays", m_table,
            [&fmt](std::string_view text) { return parseNumber(text, fmt); });
        if (outcome.ok)
            return std::nullopt;
        return english ? outcome.message : outcome.greekMessage;
    }

private:
    std::string m_path;
    NumberFormat m_fmt;
    xlsx::Table m_table;
};

// A schedule without these names no bay on any row: it is not a schedule of bays.
constexpr std::array<Column, 2> kRequiredColumns = {Column::Series, Column::System};

}  // namespace

std::unique_ptr<ResultSink> csvSink(std::ostream& out, std::string name, char delimiter,
                                    bool byteOrderMark) {
    return std::make_unique<CsvSink>(out, std::move(name), delimiter, byteOrderMark);
}

std::unique_ptr<ResultSink> xlsxSink(std::string path, NumberFormat fmt) {
    return std::make_unique<XlsxSink>(std::move(path), std::move(fmt));
}

BatchSummary runBatch(std::istream& schedule, const std::string& name,
                      std::optional<std::size_t> size, ResultSink& sink,
                      const BatchOptions& options) {
    BatchSummary summary;
    BayDesigner designer(options.numberFormat, options.english);
    std::optional<ColumnMap> columns;
    std::vector<std::string> out;
    bool headerWritten = false;
    std::size_t bytesRead = 0;

    const auto checkHeader = [&](const std::vector<std::string>& names) {
        files::ScheduleHeader header(names);
        for (const Column c : kRequiredColumns)
            if (!header.indexOf(columnName(c))) {
                summary.failure =
                    say(Message::ScheduleMissingColumn, options.english, {name, columnName(c)});
                return false;
            }
        return true;
    };
    const auto writeHeader = [&] {
        if (!headerWritten)
            sink.header(resultHeader());
        headerWritten = true;
    };

    files::ScheduleParser parser([&](const files::ScheduleRow& row) {
        if (summary.failure)
            return;
        if (!columns) {
            if (!checkHeader(row.header().names()))
                return;
            columns.emplace(row.header());
            writeHeader();
        }
        if (!designer.design(rowTexts(row, *columns), out))
            ++summary.refused;
        ++summary.rows;
        sink.row(out);
        if (options.progress && summary.rows % 16384 == 0)
            options.progress(summary.rows,
                             size && *size > 0
                                 ? std::optional<double>(double(bytesRead) / double(*size))
                                 : std::nullopt);
    });

    std::array<char, 1 << 16> buffer;
    while (!summary.failure && schedule) {
        schedule.read(buffer.data(), std::streamsize(buffer.size()));
        const auto got = std::size_t(schedule.gcount());
        if (got == 0)
            break;
        bytesRead += got;
        if (!parser.feed(std::string_view(buffer.data(), got)))
            break;
    }
    if (summary.failure)
        return summary;
    if (schedule.bad()) {
        summary.failure = say(Message::ScheduleUnreadable, options.english, {name});
        return summary;
    }
    const files::ScheduleReadResult result = parser.finish();
    if (summary.failure)
        return summary;
    if (result.error) {
        summary.failure = files::scheduleErrorMessage(*result.error, name, options.english);
        return summary;
    }
    if (!columns && !checkHeader(result.columns))
        return summary;
    writeHeader();
    if (auto why = sink.finish(options.english))
        summary.failure = say(Message::ResultsUnwritable, options.english, {sink.name(), *why});
    return summary;
}

int exitStatus(const BatchSummary& summary) {
    if (summary.failure)
        return 2;
    return summary.refused > 0 ? 1 : 0;
}

std::string refusedLine(const BatchSummary& summary, bool english) {
    return say(Message::RowsRefused, english,
               {std::to_string(summary.refused), std::to_string(summary.rows)});
}

}  // namespace cw::batch
