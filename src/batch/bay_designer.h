#pragma once

// One schedule row designed as the window designs a bay: the row as a bay document, run
// through the one bay run, the results as the panel shows them.

#include "files/schedule_columns.h"
#include "bay/number_text.h"
#include "design/catalogue.h"

#include <array>
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

// The header of the results: the input columns, then the result columns.
std::vector<std::string> resultHeader();
// Whether a result column holds numbers (in the notation of the batch's locale).
bool isNumberColumn(std::size_t column);

class BayDesigner {
public:
    // Messages in English or in Greek, numbers read and written in `fmt`.
    // With a user catalogue, every row designs with its rows as the series option of its use.
    BayDesigner(NumberFormat fmt, Language language, const Catalogue* catalogue = nullptr);

    // Fills `out` (resized to the header's length) with the row's inputs and results; false
    // when the row was refused, its reason then in the error column.
    bool design(const RowTexts& texts, std::vector<std::string>& out);

private:
    Language m_language;
    NumberFormat m_fmt;
    const Catalogue* m_catalogue = nullptr;
};

}  // namespace cw::batch
