#pragma once

// One schedule row designed as the window designs a bay: the row as a bay document, run
// through the one bay run, the results as the panel shows them.

#include "files/schedule_columns.h"
#include "bay/number_text.h"
#include "design/catalogue.h"

#include <array>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace cw::batch {

using files::bayOfRow;
using files::Column;
using files::ColumnMap;
using files::columnName;
using files::columnOfField;
using files::kInputColumnCount;
using files::kInputColumnNames;
using files::RowBay;
using files::RowTexts;
using files::rowTexts;

// What a result row holds after the inputs: the results panel's texts, the verdicts and the
// reason a row was refused.
enum class ResultColumn {
    Pressure,
    WindSpeed,
    RequiredJx,
    RequiredWx,
    Moment,
    TransomJx,
    TransomJy,
    Mullion,
    MullionIx,
    MullionWx,
    Transom,
    Deflection,
    AllowableDeflection,
    Stress,
    StressVerdict,
    DeflectionVerdict,
    Error,
};
inline constexpr std::size_t kResultColumnCount = 17;
inline constexpr std::array<std::string_view, kResultColumnCount> kResultColumnNames = {
    "pressure_in_force_kNm2",
    "wind_speed_of_run_kmh",
    "required_Jx_cm4",
    "required_Wx_cm3",
    "moment_kNcm",
    "transom_required_Jx_cm4",
    "transom_required_Jy_cm4",
    "mullion",
    "mullion_Ix_cm4",
    "mullion_Wx_cm3",
    "transom",
    "deflection_mm",
    "allowable_deflection_mm",
    "stress_kNcm2",
    "stress_verdict",
    "deflection_verdict",
    "error",
};

// After the error column, for a schedule with a basis column only: its limit-state and
// catalogue columns as given, then the limit-state run's results (empty for a row on the
// allowable basis). The mullion they are for is named, since the limit states may take a
// larger one than the mullion column's.
enum class LimitStateColumn {
    Basis,
    Alloy,
    Hanging,
    GroundSnow,
    Catalogue,
    Mullion,
    GoverningCheck,
    Utilisation,
    Verdict,
    SectionClass,
};
inline constexpr std::size_t kLimitStateColumnCount = 10;
inline constexpr std::array<std::string_view, kLimitStateColumnCount> kLimitStateColumnNames = {
    "basis",
    "alloy",
    "hanging",
    "sk",
    "catalogue",
    "limit_state_mullion",
    "governing_check",
    "utilisation",
    "limit_state_verdict",
    "section_class",
};

// The header of the results: the input columns, then the result columns, then with
// `limitStates` the columns above.
std::vector<std::string> resultHeader(bool limitStates = false);
// Whether a result column holds numbers (in the notation of the batch's locale).
bool isNumberColumn(std::size_t column);

class BayDesigner {
public:
    // Messages in English or in Greek, numbers read and written in `fmt`.
    // With a user catalogue, every row designs with its rows as the series option of its use.
    // A row's catalogue cell names a file from `scheduleFolder` unless absolute; it stands in
    // for `catalogue` on that row.
    BayDesigner(NumberFormat fmt, Language language, const Catalogue* catalogue = nullptr,
                std::filesystem::path scheduleFolder = {});

    // Fills `out` (resized to the header's length) with the row's inputs and results; false
    // when the row was refused, its reason then in the error column. With `limitStates` the
    // header is resultHeader(true).
    bool design(const RowTexts& texts, std::vector<std::string>& out, bool limitStates = false);

private:
    struct LoadedCatalogue {
        std::unique_ptr<const Catalogue> catalogue;
        std::string refusal;  // the reader's message, when it could not be read
    };
    // Each file is read once, by the first row that names it.
    const LoadedCatalogue& catalogueAt(std::string_view cell);

    Language m_language;
    NumberFormat m_fmt;
    const Catalogue* m_catalogue = nullptr;
    std::filesystem::path m_scheduleFolder;
    std::map<std::string, LoadedCatalogue, std::less<>> m_catalogues;
};

}  // namespace cw::batch
