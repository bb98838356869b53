#pragma once

// The columns of a schedule of bays: their names, and a row's texts read into the inputs of
// one bay as a user would give them in the window.

#include "files/schedule_csv.h"
#include "bay/bay_document.h"
#include "bay/number_text.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace cw::files {

enum class Column {
    Id,
    Series,
    System,
    A1,
    A2,
    L1,
    L2,
    H1,
    H2,
    Glass,
    Band,
    Pressure,
    Speed,
    Divisor,
    Deflection,
    StructureWeight,
    SnowHeight,
    Slope,
    // The limit-state basis and the catalogue of a row; a schedule without them designs
    // every row on the allowable basis with the series' own profiles (or --catalogue).
    Basis,
    Alloy,
    Hanging,
    GroundSnow,
    Catalogue,
};
inline constexpr std::size_t kInputColumnCount = 23;
// The columns every result row repeats: those up to slope. The others are repeated after the
// results, by a schedule with a basis column only, so older schedules give the same results.
inline constexpr std::size_t kEchoedColumnCount = 18;

// As a header names them (matched without regard to letter case) and as results repeat them.
inline constexpr std::array<std::string_view, kInputColumnCount> kInputColumnNames = {
    "id",          "series", "system", "A1",       "A2",      "L1", "L2",        "H1",
    "H2",          "glass",  "band",   "pressure", "speed",   "d",  "f",         "structure_weight",
    "snow_height", "slope",  "basis",  "alloy",    "hanging", "sk", "catalogue",
};

constexpr std::string_view columnName(Column c) {
    return kInputColumnNames[static_cast<std::size_t>(c)];
}

// Where each column sits in a schedule's header; nothing for a column the header leaves out
// (its cells are empty).
class ColumnMap {
public:
    explicit ColumnMap(const files::ScheduleHeader& header);
    std::optional<std::size_t> indexOf(Column c) const {
        return m_index[static_cast<std::size_t>(c)];
    }

private:
    std::array<std::optional<std::size_t>, kInputColumnCount> m_index{};
};

// Why a schedule cannot be read, naming the schedule `name`, in the language asked for.
std::string scheduleErrorMessage(const ScheduleError& error, const std::string& name,
                                 Language language);

// The column every schedule of bays has and `header` lacks (series, then system), if any.
std::optional<Column> missingColumn(const std::vector<std::string>& header);

// Why a schedule that stopped with `result.error` cannot be read. A title line above the
// header is taken for the header, and the true header then has "more fields": the missing
// column is the better reason, so it comes first.
std::string scheduleFailure(const ScheduleReadResult& result, const std::string& name,
                            Language language);

// A refusal of the window in the words of a schedule: its wind load comes from columns,
// not from buttons.
std::string inColumnWords(std::string message, Language language);

// One row's cells by column.
using RowTexts = std::array<std::string_view, kInputColumnCount>;
RowTexts rowTexts(const files::ScheduleRow& row, const ColumnMap& columns);

// The bay a row describes, or why the row names no bay: an unknown or empty series, static
// system or height band, a static system the series does not offer, more than one wind load.
// The texts are left for the window's own checks, except the limit-state columns, which have
// no field of the window to check them: a basis, alloy or hanging not known, and an s_k that
// is not a number (in `fmt`) of at least 0, are refused here. `error` names the column first.
struct RowBay {
    BayDocument document;
    std::optional<std::string> error;
    // The catalogue cell as given: a file path for the caller to resolve and read; empty for
    // the default catalogue.
    std::string_view catalogue;
};
RowBay bayOfRow(const RowTexts& texts, const NumberFormat& fmt, Language language);

// Where a row's catalogue cell points: a relative path is taken from the schedule's folder.
std::filesystem::path scheduleCataloguePath(std::string_view cell,
                                            const std::filesystem::path& scheduleFolder);

// The column a refusal of the window is about, from the field it puts the focus on.
std::optional<Column> columnOfField(Field field, WindSource windSource);

}  // namespace cw::files
