#pragma once

// A whole schedule designed row by row: read as a stream, each row designed and handed to a
// sink as it comes, so a schedule of any length runs in constant memory (CSV out).

#include "bay/number_text.h"
#include "design/catalogue.h"
#include "text/language.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace cw::batch {

// Where result rows go. `header` comes once, before any row.
class ResultSink {
public:
    virtual ~ResultSink() = default;
    virtual void header(const std::vector<std::string>& names) = 0;
    virtual void row(const std::vector<std::string>& fields) = 0;
    // Completes the output; the reason when it could not be written.
    virtual std::optional<std::string> finish(Language language) = 0;
    // How messages call the output.
    virtual std::string name() const = 0;
    // Why the output cannot be written at all, known before any row is designed.
    virtual std::optional<std::string> openError(Language /*language*/) const {
        return std::nullopt;
    }
};

// RFC 4180 rows into a stream; `delimiter` ';' where the decimal separator is a comma.
std::unique_ptr<ResultSink> csvSink(std::ostream& out, std::string name, char delimiter,
                                    bool byteOrderMark);
// A CSV file at `path`, written beside it under a temporary name and put in its place by
// finish(): a run that fails leaves the file there before as it was.
std::unique_ptr<ResultSink> csvFileSink(std::string path, char delimiter, bool byteOrderMark);
// A new .xlsx workbook at `path`, streamed row by row the same way.
std::unique_ptr<ResultSink> xlsxSink(std::string path, NumberFormat fmt);

struct BatchOptions {
    NumberFormat numberFormat;
    Language language = Language::English;
    // A user catalogue every row designs with (--catalogue), as the series option of its use.
    std::shared_ptr<const Catalogue> catalogue;
    // Where a row's relative catalogue path starts: the schedule's folder (empty: the
    // current one).
    std::filesystem::path scheduleFolder;
    // Called now and then with the rows done and the share of the input read (0..1, or
    // nothing when the input's size is unknown).
    std::function<void(std::size_t rows, std::optional<double> share)> progress;
};

struct BatchSummary {
    std::size_t rows = 0;
    std::size_t refused = 0;
    // Why the schedule could not be read or the results not written.
    std::optional<std::string> failure;
};

// `name` is how messages call the schedule (its path); `size` its length when known.
BatchSummary runBatch(std::istream& schedule, const std::string& name,
                      std::optional<std::size_t> size, ResultSink& sink,
                      const BatchOptions& options);

// 0 every row ran, 1 some refused, 2 the schedule unreadable or the results unwritten.
int exitStatus(const BatchSummary& summary);
// The line for standard error that tells how many rows were refused.
std::string refusedLine(const BatchSummary& summary, Language language);

}  // namespace cw::batch
