#include "batch/batch_run.h"

#include "batch/bay_designer.h"
#include "export/atomic_file.h"
#include "export/table_workbook.h"
#include "files/schedule_csv.h"
#include "text/messages.h"

#include <sys/stat.h>

#include <array>
#include <streambuf>

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
    std::optional<std::string> finish(Language language) override {
        m_out.flush();
        if (!m_out)
            return say(Message::WriteError, language);
        return std::nullopt;
    }

private:
    std::ostream& m_out;
    std::string m_name;
    files::CsvWriter m_writer;
};

// The rows of a CSV file go through this buffer into the temporary file.
class AtomicFileBuffer : public std::streambuf {
public:
    explicit AtomicFileBuffer(xlsx::AtomicFile& file) : m_file(file) {
        setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
    }

protected:
    int_type overflow(int_type c) override {
        if (sync() != 0)
            return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    int sync() override {
        const std::string_view pending(pbase(), std::size_t(pptr() - pbase()));
        setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
        return pending.empty() || m_file.write(pending) ? 0 : -1;
    }

private:
    xlsx::AtomicFile& m_file;
    std::array<char, 1 << 16> m_buffer;
};

class CsvFileSink : public ResultSink {
public:
    CsvFileSink(std::string path, char delimiter, bool byteOrderMark)
        : m_path(std::move(path)), m_buffer(m_file), m_out(&m_buffer),
          m_writer(m_out, delimiter, byteOrderMark) {
        m_opened = m_file.open(m_path);
    }
    std::string name() const override { return m_path; }
    std::optional<std::string> openError(Language language) const override {
        if (m_opened)
            return std::nullopt;
        return systemReason(m_file.error(), language);
    }
    void header(const std::vector<std::string>& names) override { m_writer.writeRow(names); }
    void row(const std::vector<std::string>& fields) override { m_writer.writeRow(fields); }
    std::optional<std::string> finish(Language language) override {
        m_out.flush();
        if (!m_opened || !m_out)
            return systemReason(m_file.error(), language);
        struct stat before {};
        const bool replacing = ::stat(m_path.c_str(), &before) == 0 && S_ISREG(before.st_mode);
        if (!m_file.commit(replacing ? &before : nullptr))
            return systemReason(m_file.error(), language);
        return std::nullopt;
    }

private:
    std::string m_path;
    xlsx::AtomicFile m_file;  // before the buffer that writes into it
    AtomicFileBuffer m_buffer;
    std::ostream m_out;
    files::CsvWriter m_writer;
    bool m_opened = false;
};

class XlsxSink : public ResultSink {
public:
    XlsxSink(std::string path, NumberFormat fmt) : m_path(std::move(path)), m_fmt(std::move(fmt)) {
        header(resultHeader());
    }
    std::string name() const override { return m_path; }
    std::optional<std::string> openError(Language language) const override {
        const auto failure = m_writer->failure();
        if (!failure)
            return std::nullopt;
        return failure->message.in(language);
    }
    void header(const std::vector<std::string>& names) override {
        if (m_writer && names == m_header)
            return;  // made with these names already
        m_header = names;
        std::vector<bool> numeric(names.size());
        for (std::size_t c = 0; c < names.size(); ++c)
            numeric[c] = isNumberColumn(c);
        const NumberFormat* fmt = &m_fmt;
        m_writer = std::make_unique<xlsx::TableWriter>(
            m_path, "Bays", names, std::move(numeric),
            [fmt](std::string_view text) { return parseNumber(text, *fmt); },
            m_fmt.decimal.size() == 1 && m_fmt.minus == "-" ? m_fmt.decimal[0] : '\0');
    }
    void row(const std::vector<std::string>& fields) override { m_writer->row(fields); }
    std::optional<std::string> finish(Language language) override {
        if (!m_writer)
            header(resultHeader());
        const auto outcome = m_writer->finish();
        if (outcome.ok)
            return std::nullopt;
        return outcome.message.in(language);
    }

private:
    std::string m_path;
    NumberFormat m_fmt;
    std::unique_ptr<xlsx::TableWriter> m_writer;
    std::vector<std::string> m_header;
};

}  // namespace

std::unique_ptr<ResultSink> csvSink(std::ostream& out, std::string name, char delimiter,
                                    bool byteOrderMark) {
    return std::make_unique<CsvSink>(out, std::move(name), delimiter, byteOrderMark);
}

std::unique_ptr<ResultSink> csvFileSink(std::string path, char delimiter, bool byteOrderMark) {
    return std::make_unique<CsvFileSink>(std::move(path), delimiter, byteOrderMark);
}

std::unique_ptr<ResultSink> xlsxSink(std::string path, NumberFormat fmt) {
    return std::make_unique<XlsxSink>(std::move(path), std::move(fmt));
}

BatchSummary runBatch(std::istream& schedule, const std::string& name,
                      std::optional<std::size_t> size, ResultSink& sink,
                      const BatchOptions& options) {
    BatchSummary summary;
    if (auto why = sink.openError(options.language)) {
        summary.failure = say(Message::ResultsUnwritable, options.language, {sink.name(), *why});
        return summary;
    }
    BayDesigner designer(options.numberFormat, options.language, options.catalogue.get(),
                         options.scheduleFolder);
    std::optional<ColumnMap> columns;
    // Only a schedule that asks for a basis gets the limit-state columns: the results of
    // every other schedule stay as they were.
    bool limitStates = false;
    std::vector<std::string> out;
    bool headerWritten = false;
    std::size_t bytesRead = 0;

    const auto checkHeader = [&](const std::vector<std::string>& names) {
        if (const auto c = files::missingColumn(names)) {
            summary.failure =
                say(Message::ScheduleMissingColumn, options.language, {name, columnName(*c)});
            return false;
        }
        return true;
    };
    const auto writeHeader = [&] {
        if (!headerWritten)
            sink.header(resultHeader(limitStates));
        headerWritten = true;
    };

    files::ScheduleParser parser([&](const files::ScheduleRow& row) {
        if (summary.failure)
            return;
        if (!columns) {
            if (!checkHeader(row.header().names()))
                return;
            columns.emplace(row.header());
            limitStates = columns->indexOf(Column::Basis).has_value();
            writeHeader();
        }
        if (!designer.design(rowTexts(row, *columns), out, limitStates))
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
        summary.failure = say(Message::ScheduleUnreadable, options.language, {name});
        return summary;
    }
    const files::ScheduleReadResult result = parser.finish();
    if (summary.failure)
        return summary;
    if (result.error) {
        summary.failure = files::scheduleFailure(result, name, options.language);
        return summary;
    }
    if (!columns && !checkHeader(result.columns))
        return summary;
    if (!columns)
        limitStates =
            ColumnMap(files::ScheduleHeader(result.columns)).indexOf(Column::Basis).has_value();
    writeHeader();
    if (auto why = sink.finish(options.language))
        summary.failure = say(Message::ResultsUnwritable, options.language, {sink.name(), *why});
    return summary;
}

int exitStatus(const BatchSummary& summary) {
    if (summary.failure)
        return 2;
    return summary.refused > 0 ? 1 : 0;
}

std::string refusedLine(const BatchSummary& summary, Language language) {
    return say(Message::RowsRefused, language,
               {std::to_string(summary.refused), std::to_string(summary.rows)});
}

}  // namespace cw::batch
