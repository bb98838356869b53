#include "files/schedule_columns.h"

#include "bay/field_rules.h"
#include "bay/fields.h"
#include "design/alloys.h"
#include "text/messages.h"

#include <cctype>
#include <cmath>

namespace cw::files {

namespace {

bool sameNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

template <typename Value>
struct Choice {
    std::string_view name;
    Value value;
};

constexpr Choice<Series> kSeries[] = {
    {"veltra", Series::Veltra}, {"korin", Series::KorinDalvo}, {"terrax", Series::Terrax}};
constexpr Choice<StaticSystem> kSystems[] = {{"one-span", StaticSystem::OneSpan},
                                             {"fixed-ends", StaticSystem::FixedEnds},
                                             {"two-spans", StaticSystem::TwoSpans}};
constexpr Choice<HeightBand> kBands[] = {
    {"0-8", HeightBand::UpTo8m}, {"8-20", HeightBand::UpTo20m}, {"20-100", HeightBand::UpTo100m}};
// Spelled as bay files spell them.
constexpr Choice<DesignBasis> kBases[] = {{"allowable", DesignBasis::Allowable},
                                          {"limit-states", DesignBasis::LimitStates}};
constexpr Choice<Hanging> kHangings[] = {{"top", Hanging::HungFromTop},
                                         {"base", Hanging::StandingOnBase}};

template <typename Value, std::size_t N>
std::optional<Value> chosen(const Choice<Value> (&choices)[N], std::string_view text) {
    for (const auto& choice : choices)
        if (sameNoCase(choice.name, text))
            return choice.value;
    return std::nullopt;
}

// "veltra, korin or terrax", in the language of the messages.
template <typename Value, std::size_t N>
std::string expected(const Choice<Value> (&choices)[N], Language language) {
    std::string out;
    for (std::size_t i = 0; i < N; ++i) {
        if (i > 0)
            out += i + 1 == N ? say(Message::ListOr, language) : ", ";
        out += choices[i].name;
    }
    return out;
}

// "6060 T5, 6060 T6, ... or 6082 T6": the alloys' canonical names.
std::string expectedAlloys(Language language) {
    const auto all = alloys();
    std::string out;
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (i > 0)
            out += i + 1 == all.size() ? say(Message::ListOr, language) : ", ";
        out += all[i].name;
    }
    return out;
}

std::string columnError(Column c, std::string_view message) {
    std::string out(columnName(c));
    out += ": ";
    out += message;
    return out;
}

template <typename Value, std::size_t N>
std::optional<std::string> refuseChoice(Column c, std::string_view text,
                                        const Choice<Value> (&choices)[N], Language language) {
    const std::string list = expected(choices, language);
    if (text.empty())
        return columnError(c, say(Message::ColumnChoiceEmpty, language, {columnName(c), list}));
    return columnError(c, say(Message::ColumnChoiceUnknown, language, {columnName(c), text, list}));
}

}  // namespace

ColumnMap::ColumnMap(const files::ScheduleHeader& header) {
    for (std::size_t c = 0; c < kInputColumnCount; ++c)
        m_index[c] = header.indexOf(kInputColumnNames[c]);
}

RowTexts rowTexts(const files::ScheduleRow& row, const ColumnMap& columns) {
    RowTexts texts{};
    for (std::size_t c = 0; c < kInputColumnCount; ++c)
        if (const auto index = columns.indexOf(static_cast<Column>(c)))
            texts[c] = row.field(*index);
    return texts;
}

namespace {

// The limit-state columns; an empty cell keeps the document's default.
std::optional<std::string> readLimitStateColumns(const RowTexts& texts, const NumberFormat& fmt,
                                                 Language language, BayDocument& d) {
    const auto text = [&](Column c) { return texts[static_cast<std::size_t>(c)]; };
    if (const std::string_view basis = text(Column::Basis); !basis.empty()) {
        const auto chosenBasis = chosen(kBases, basis);
        if (!chosenBasis)
            return refuseChoice(Column::Basis, basis, kBases, language);
        d.basis = *chosenBasis;
    }
    if (const std::string_view alloy = text(Column::Alloy); !alloy.empty()) {
        const Alloy* found = findAlloy(alloy);
        if (!found)
            return columnError(Column::Alloy,
                               say(Message::ColumnChoiceUnknown, language,
                                   {columnName(Column::Alloy), alloy, expectedAlloys(language)}));
        d.alloy = found->name;
    }
    if (const std::string_view hanging = text(Column::Hanging); !hanging.empty()) {
        const auto chosenHanging = chosen(kHangings, hanging);
        if (!chosenHanging)
            return refuseChoice(Column::Hanging, hanging, kHangings, language);
        d.hanging = *chosenHanging;
    }
    // s_k has no field of the window that would check it.
    if (const std::string_view sk = text(Column::GroundSnow); !sk.empty()) {
        const std::string name(columnName(Column::GroundSnow));
        const std::optional<double> value = parseNumber(sk, fmt);
        if (!value || !std::isfinite(*value))
            return columnError(Column::GroundSnow,
                               say(Message::FieldNotANumber, language, {name, shortened(sk)}));
        if (*value < 0.0)
            return columnError(Column::GroundSnow, say(Message::FieldNegative, language, {name}));
        d.groundSnow_kNm2 = sk;
    }
    return std::nullopt;
}

}  // namespace

RowBay bayOfRow(const RowTexts& texts, const NumberFormat& fmt, Language language) {
    RowBay out;
    BayDocument& d = out.document;
    const auto text = [&](Column c) { return texts[static_cast<std::size_t>(c)]; };

    const auto series = chosen(kSeries, text(Column::Series));
    if (!series) {
        out.error = refuseChoice(Column::Series, text(Column::Series), kSeries, language);
        return out;
    }
    d.series = *series;
    const auto system = chosen(kSystems, text(Column::System));
    if (!system) {
        out.error = refuseChoice(Column::System, text(Column::System), kSystems, language);
        return out;
    }
    if (d.series == Series::Terrax && *system == StaticSystem::FixedEnds) {
        // The window offers Terrax no fixed ends: the option is not there to choose.
        constexpr Choice<StaticSystem> kTerraxSystems[] = {{"one-span", StaticSystem::OneSpan},
                                                           {"two-spans", StaticSystem::TwoSpans}};
        out.error = refuseChoice(Column::System, text(Column::System), kTerraxSystems, language);
        return out;
    }
    d.staticSystem = *system;

    const bool band = !text(Column::Band).empty();
    const bool pressure = !text(Column::Pressure).empty();
    const bool speed = !text(Column::Speed).empty();
    if (int(band) + int(pressure) + int(speed) > 1) {
        out.error = columnError(Column::Band, say(Message::ColumnWindTwice, language));
        return out;
    }
    if (band) {
        const auto chosenBand = chosen(kBands, text(Column::Band));
        if (!chosenBand) {
            out.error = refuseChoice(Column::Band, text(Column::Band), kBands, language);
            return out;
        }
        d.wind = *chosenBand;
    } else if (pressure) {
        d.wind = WindSource::TypedPressure;
    } else if (speed) {
        d.wind = WindSource::WindSpeed;
    }
    // With no wind load at all, NEXT says so in the window's words.

    d.gridWidthA1_cm = text(Column::A1);
    d.gridWidthA2_cm = text(Column::A2);
    d.spanL1_cm = text(Column::L1);
    d.spanL2_cm = text(Column::L2);
    d.glazingHeightH1_cm = text(Column::H1);
    d.glazingHeightH2_cm = text(Column::H2);
    d.glassThickness_mm = text(Column::Glass);
    d.deflectionDivisor = text(Column::Divisor);
    d.allowableDeflection_mm = text(Column::Deflection);
    d.windPressure_kNm2 = text(Column::Pressure);
    d.windSpeed_kmh = text(Column::Speed);
    d.structureWeight_kNm2 = text(Column::StructureWeight);
    d.snowHeight_cm = text(Column::SnowHeight);
    d.slope_deg = text(Column::Slope);
    d.language = language;
    out.error = readLimitStateColumns(texts, fmt, language, d);
    out.catalogue = text(Column::Catalogue);
    return out;
}

std::filesystem::path scheduleCataloguePath(std::string_view cell,
                                            const std::filesystem::path& scheduleFolder) {
    const std::filesystem::path given(cell);
    const std::filesystem::path full = given.is_absolute() ? given : scheduleFolder / given;
    return full.lexically_normal();
}

std::optional<Column> columnOfField(Field field, WindSource windSource) {
    switch (field) {
    case Field::GridWidthA1: return Column::A1;
    case Field::GridWidthA2: return Column::A2;
    case Field::SpanL1: return Column::L1;
    case Field::SpanL2: return Column::L2;
    case Field::GlazingHeightH1: return Column::H1;
    case Field::GlazingHeightH2: return Column::H2;
    case Field::GlassThickness: return Column::Glass;
    case Field::Divisor: return Column::Divisor;
    case Field::AllowableDeflection: return Column::Deflection;
    case Field::StructureWeight: return Column::StructureWeight;
    case Field::SnowHeight: return Column::SnowHeight;
    case Field::Slope: return Column::Slope;
    case Field::WindSpeed: return Column::Speed;
    case Field::WindPressure:
        // The window names the pressure of the run however it was given.
        switch (windSource) {
        case WindSource::WindSpeed: return Column::Speed;
        case WindSource::TypedPressure: return Column::Pressure;
        default: return Column::Band;
        }
    default: return std::nullopt;
    }
}

std::string scheduleErrorMessage(const ScheduleError& e, const std::string& name,
                                 Language language) {
    const std::string line = std::to_string(e.line);
    switch (e.kind) {
    case ScheduleErrorKind::Unreadable: return say(Message::ScheduleUnreadable, language, {name});
    case ScheduleErrorKind::NoHeader: return say(Message::ScheduleNoHeader, language, {name});
    case ScheduleErrorKind::DuplicateColumn:
        return say(Message::ScheduleDuplicateColumn, language, {name, e.column, line});
    case ScheduleErrorKind::TooManyFields:
        return say(Message::ScheduleTooManyFields, language, {name, line});
    case ScheduleErrorKind::InvalidUtf8:
        return say(Message::ScheduleInvalidUtf8, language, {name, line});
    case ScheduleErrorKind::UnterminatedQuote:
        return say(Message::ScheduleUnterminatedQuote, language, {name, line});
    case ScheduleErrorKind::MisplacedQuote:
        return say(Message::ScheduleMisplacedQuote, language, {name, line});
    case ScheduleErrorKind::TooLong:
        return say(Message::ScheduleFieldTooLong, language, {name, line});
    }
    return say(Message::ScheduleUnreadable, language, {name});
}

std::optional<Column> missingColumn(const std::vector<std::string>& names) {
    const ScheduleHeader header(names);
    for (const Column c : {Column::Series, Column::System})
        if (!header.indexOf(columnName(c)))
            return c;
    return std::nullopt;
}

std::string scheduleFailure(const ScheduleReadResult& result, const std::string& name,
                            Language language) {
    if (result.error && result.error->kind == ScheduleErrorKind::TooManyFields &&
        !result.columns.empty())
        if (const auto column = missingColumn(result.columns))
            return say(Message::ScheduleMissingColumn, language, {name, columnName(*column)});
    return result.error ? scheduleErrorMessage(*result.error, name, language)
                        : say(Message::ScheduleUnreadable, language, {name});
}

std::string inColumnWords(std::string message, Language language) {
    const std::string buttons = say(Message::NoWindLoad, language);
    if (const auto at = message.find(buttons); at != std::string::npos)
        message.replace(at, buttons.size(), say(Message::ColumnNoWindLoad, language));
    return message;
}

}  // namespace cw::files
