#include "report/report_input.h"

#include "files/bay_file.h"
#include "files/schedule_csv.h"
#include "input/bay_document_io.h"
#include "input/form.h"

#include <QFile>
#include <QFileInfo>

#include <fstream>

namespace cw::report {

namespace {

std::string bayFileErrorText(const files::BayFileError& e) {
    using K = files::BayFileErrorKind;
    switch (e.kind) {
    case K::Unreadable: return "cannot be read";
    case K::TooLarge: return "too large for a bay file";
    case K::NotJson: return "not JSON (at byte " + std::to_string(e.jsonOffset) + ")";
    case K::OtherFormat: return "not a curtainwall bay file";
    case K::NewerVersion:
        return "written by a newer program (version " + std::to_string(e.version) + ")";
    case K::MissingField: return "the field " + e.field + " is missing";
    case K::WrongType: return "the field " + e.field + " has the wrong type";
    case K::UnknownValue: return "the field " + e.field + " has an unknown value";
    }
    return "cannot be read";
}

std::string scheduleErrorText(const files::ScheduleError& e) {
    using K = files::ScheduleErrorKind;
    const std::string at = e.line ? " (line " + std::to_string(e.line) + ")" : std::string();
    switch (e.kind) {
    case K::Unreadable: return "cannot be read";
    case K::NoHeader: return "no header line";
    case K::DuplicateColumn: return "the column " + e.column + " appears twice" + at;
    case K::TooManyFields: return "a row with more fields than the header" + at;
    case K::InvalidUtf8: return "not UTF-8" + at;
    case K::UnterminatedQuote: return "a quoted field is never closed" + at;
    case K::MisplacedQuote: return "a misplaced quote" + at;
    case K::TooLong: return "a field is too long" + at;
    }
    return "cannot be read";
}

// The first non-blank byte of a bay file opens its JSON object.
bool looksLikeBayFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    char c = 0;
    while (in.get(c))
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
            return c == '{';
    return false;
}

std::string stem(const std::string& path) {
    return QFileInfo(QString::fromStdString(path)).completeBaseName().toStdString();
}

}  // namespace

RowDocument documentOfRow(const std::function<std::optional<std::string>(const char*)>& column,
                          const NumberFormat& fmt) {
    RowDocument out;
    BayDocument d = documentOf(Form(fmt).state());
    const auto given = [&](const char* name) -> std::optional<std::string> {
        std::optional<std::string> v = column(name);
        if (v && v->empty())
            return std::nullopt;
        return v;
    };
    const auto refuse = [&](const char* name, const std::string& value) {
        out.reason = std::string(name) + ": \"" + value + "\"";
        return out;
    };

    const std::optional<std::string> series = given("series");
    if (!series)
        return refuse("series", "");
    if (*series == "veltra")
        d.series = BaySeries::Veltra;
    else if (*series == "korin")
        d.series = BaySeries::Korin;
    else if (*series == "terrax")
        d.series = BaySeries::Terrax;
    else
        return refuse("series", *series);

    const std::optional<std::string> system = given("system");
    if (!system)
        return refuse("system", "");
    if (*system == "one-span")
        d.staticSystem = BayStaticSystem::OneSpan;
    else if (*system == "fixed-ends" && d.series != BaySeries::Terrax)
        d.staticSystem = BayStaticSystem::FixedEnds;
    else if (*system == "two-spans")
        d.staticSystem = BayStaticSystem::TwoSpans;
    else
        return refuse("system", *system);

    const auto text = [&](const char* name, std::string& slot) {
        if (const auto v = given(name))
            slot = files::numberTextFromFile(*v, fmt);
    };
    text("A1", d.gridWidthA1_cm);
    text("A2", d.gridWidthA2_cm);
    text("L1", d.spanL1_cm);
    text("L2", d.spanL2_cm);
    text("H1", d.glazingHeightH1_cm);
    text("H2", d.glazingHeightH2_cm);
    text("glass", d.glassThickness_mm);
    text("d", d.deflectionDivisor);
    text("f", d.allowableDeflection_mm);
    text("structureWeight", d.structureWeight_kNm2);
    text("snowHeight", d.snowHeight_cm);
    text("slope", d.slope_deg);

    if (const auto band = given("band")) {
        if (*band == "0-8")
            d.windSource = BayWindSource::Band0To8m;
        else if (*band == "8-20")
            d.windSource = BayWindSource::Band8To20m;
        else if (*band == "20-100")
            d.windSource = BayWindSource::Band20To100m;
        else
            return refuse("band", *band);
    } else if (given("pressure")) {
        d.windSource = BayWindSource::TypedPressure;
        text("pressure", d.windPressure_kNm2);
    } else if (given("speed")) {
        d.windSource = BayWindSource::WindSpeed;
        text("speed", d.windSpeed_kmh);
    } else {
        return refuse("band/pressure/speed", "");
    }
    out.document = d;
    return out;
}

ReportInputResult readReportInput(const std::string& path, const NumberFormat& fmt,
                                  std::optional<BayLanguage> language,
                                  const std::function<void(ReportBay&&)>& onBay) {
    ReportInputResult result;
    if (!QFileInfo(QString::fromStdString(path)).isFile()) {
        result.error = path + ": no such file";
        return result;
    }
    if (looksLikeBayFile(path)) {
        const files::BayFileReadResult read = files::readBayFile(QString::fromStdString(path), fmt);
        if (!read.document) {
            result.error = path + ": " + bayFileErrorText(*read.error);
            return result;
        }
        onBay(collectBay(stem(path), *read.document, fmt, language));
        result.bays = 1;
        return result;
    }

    const files::ScheduleReadResult read =
        files::readScheduleFile(path, [&](const files::ScheduleRow& row) {
            const auto column = [&](const char* name) -> std::optional<std::string> {
                if (const auto v = row.value(name))
                    return std::string(*v);
                return std::nullopt;
            };
            std::string id = column("id").value_or(std::string());
            if (id.empty())
                id = "#" + std::to_string(row.line());
            const RowDocument doc = documentOfRow(column, fmt);
            if (!doc.document) {
                result.refused.push_back({row.line(), id, doc.reason});
                return;
            }
            ReportBay bay = collectBay(id, *doc.document, fmt, language);
            if (bay.refusal) {
                result.refused.push_back({row.line(), id, *bay.refusal});
                return;
            }
            ++result.bays;
            onBay(std::move(bay));
        });
    if (read.error)
        result.error = path + ": " + scheduleErrorText(*read.error);
    return result;
}

}  // namespace cw::report
