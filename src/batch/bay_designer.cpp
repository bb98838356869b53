#include "batch/bay_designer.h"

#include "bay/bay_run.h"
#include "bay/limit_state_texts.h"
#include "files/catalogue_file.h"
#include "text/messages.h"

namespace cw::batch {

namespace {

constexpr std::size_t kResultsAt = files::kEchoedColumnCount;
constexpr std::size_t kLimitStatesAt = kResultsAt + kResultColumnCount;

constexpr std::size_t at(ResultColumn c) {
    return kResultsAt + static_cast<std::size_t>(c);
}

constexpr std::size_t at(LimitStateColumn c) {
    return kLimitStatesAt + static_cast<std::size_t>(c);
}

// The schedule's columns repeated after the results.
constexpr struct {
    LimitStateColumn to;
    Column from;
} kEchoedLater[] = {
    {LimitStateColumn::Basis, Column::Basis},
    {LimitStateColumn::Alloy, Column::Alloy},
    {LimitStateColumn::Hanging, Column::Hanging},
    {LimitStateColumn::GroundSnow, Column::GroundSnow},
    {LimitStateColumn::Catalogue, Column::Catalogue},
};

// The verdict in the words of the other verdict columns; "passes unverified" where every
// check passes but something was assumed (the section class among them).
const char* limitStateVerdictKey(const LimitStateRun& run) {
    if (!run.result.valid || run.result.governing < 0)
        return "not checked";
    if (run.noRowPasses)
        return "fail";
    switch (run.result.verdict) {
    case LimitStateVerdict::Passes: return "pass";
    case LimitStateVerdict::PassesUnverified: return "passes unverified";
    case LimitStateVerdict::Fails: break;
    }
    return "fail";
}

void writeLimitStates(const LimitStateRun& run, const NumberFormat& fmt,
                      std::vector<std::string>& out) {
    const LimitStateResult& r = run.result;
    if (run.mullion)
        out[at(LimitStateColumn::Mullion)] = run.mullion->code;
    out[at(LimitStateColumn::Verdict)] = limitStateVerdictKey(run);
    if (!r.valid || r.governing < 0)
        return;
    // The dump's keys: the member, then the check.
    const LimitStateCheck& g = r.checks[std::size_t(r.governing)];
    std::string& check = out[at(LimitStateColumn::GoverningCheck)];
    check = memberKey(g.id);
    check += ' ';
    check += checkKey(g.id);
    // Already rounded up to three decimals, written as the dialog and the report write it.
    out[at(LimitStateColumn::Utilisation)] = plainText(g.utilisation, fmt);
    if (r.mullionClass > 0)
        out[at(LimitStateColumn::SectionClass)] = std::to_string(r.mullionClass);
}

struct ResultField {
    ResultColumn column;
    Field field;
};

// The panel's fields in the columns they go to.
constexpr ResultField kResultFields[] = {
    {ResultColumn::Pressure, Field::PressureInForce},
    {ResultColumn::WindSpeed, Field::EchoWindSpeed},
    {ResultColumn::RequiredJx, Field::RequiredMullionJx},
    {ResultColumn::RequiredWx, Field::RequiredWx},
    {ResultColumn::Moment, Field::RequiredMoment},
    {ResultColumn::TransomJx, Field::RequiredTransomJx},
    {ResultColumn::TransomJy, Field::RequiredTransomJy},
    {ResultColumn::Mullion, Field::SuggestedMullion},
    {ResultColumn::MullionIx, Field::SuggestedIx},
    {ResultColumn::MullionWx, Field::SuggestedWx},
    {ResultColumn::Transom, Field::SuggestedTransom},
    {ResultColumn::Deflection, Field::MullionDeflection},
    {ResultColumn::AllowableDeflection, Field::DesignedDeflectionLimit},
    {ResultColumn::Stress, Field::MullionStress},
};

const char* verdictText(std::optional<bool> passes) {
    return !passes ? "" : *passes ? "pass" : "fail";
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

}  // namespace

std::vector<std::string> resultHeader(bool limitStates) {
    std::vector<std::string> header(kInputColumnNames.begin(),
                                    kInputColumnNames.begin() + kResultsAt);
    header.insert(header.end(), kResultColumnNames.begin(), kResultColumnNames.end());
    if (limitStates)
        header.insert(header.end(), kLimitStateColumnNames.begin(), kLimitStateColumnNames.end());
    return header;
}

bool isNumberColumn(std::size_t column) {
    if (column >= kLimitStatesAt) {
        switch (static_cast<LimitStateColumn>(column - kLimitStatesAt)) {
        case LimitStateColumn::GroundSnow:
        case LimitStateColumn::Utilisation:
        case LimitStateColumn::SectionClass: return true;
        default: return false;
        }
    }
    if (column < kResultsAt) {
        const auto c = static_cast<Column>(column);
        return c != Column::Id && c != Column::Series && c != Column::System && c != Column::Band;
    }
    switch (static_cast<ResultColumn>(column - kResultsAt)) {
    case ResultColumn::Mullion:
    case ResultColumn::Transom:
    case ResultColumn::StressVerdict:
    case ResultColumn::DeflectionVerdict:
    case ResultColumn::Error: return false;
    default: return true;
    }
}

BayDesigner::BayDesigner(NumberFormat fmt, Language language, const Catalogue* catalogue,
                         std::filesystem::path scheduleFolder)
    : m_language(language),
      m_fmt(std::move(fmt)),
      m_catalogue(catalogue),
      m_scheduleFolder(std::move(scheduleFolder)) {}

const BayDesigner::LoadedCatalogue& BayDesigner::catalogueAt(std::string_view cell) {
    // By the cell as written: every row's relative path starts from the same folder.
    if (const auto found = m_catalogues.find(cell); found != m_catalogues.end())
        return found->second;
    const std::filesystem::path path = files::scheduleCataloguePath(cell, m_scheduleFolder);
    files::CatalogueLoad load = files::loadCatalogueFile(path);
    LoadedCatalogue loaded;
    if (load.catalogue)
        loaded.catalogue = std::make_unique<const Catalogue>(std::move(*load.catalogue));
    else
        loaded.refusal =
            files::describeCatalogueFaults(path.filename().string(), load.faults, m_language);
    return m_catalogues.emplace(std::string(cell), std::move(loaded)).first->second;
}

bool BayDesigner::design(const RowTexts& texts, std::vector<std::string>& out, bool limitStates) {
    out.resize(kResultsAt + kResultColumnCount + (limitStates ? kLimitStateColumnCount : 0));
    for (std::size_t c = 0; c < kResultsAt; ++c)
        out[c].assign(texts[c]);
    for (std::size_t c = kResultsAt; c < out.size(); ++c)
        out[c].clear();
    if (limitStates)
        for (const auto& echo : kEchoedLater)
            out[at(echo.to)].assign(texts[static_cast<std::size_t>(echo.from)]);

    const RowBay bay = bayOfRow(texts, m_fmt, m_language);
    if (bay.error) {
        out[at(ResultColumn::Error)] = *bay.error;
        return false;
    }
    const Catalogue* catalogue = m_catalogue;
    if (!bay.catalogue.empty()) {
        const LoadedCatalogue& loaded = catalogueAt(bay.catalogue);
        if (!loaded.catalogue) {
            std::string& error = out[at(ResultColumn::Error)];
            error = columnName(Column::Catalogue);
            error += ": ";
            error += loaded.refusal;
            return false;
        }
        catalogue = loaded.catalogue.get();
    }
    // A row without a wind load runs too: NEXT then says so, after the fields before it.
    const BayOutcome run = runBay(bay.document, m_fmt, catalogue);
    if (!run.completed) {
        std::optional<Column> column;
        const WindSource source = bay.document.wind.source;
        if (run.windRefusal()) {
            // The wind button refused the typed value before the run.
            column = source == WindSource::TypedPressure ? Column::Pressure : Column::Speed;
        } else if (run.refusal && run.refusal->field) {
            column = columnOfField(*run.refusal->field, source);
        }
        std::string& error = out[at(ResultColumn::Error)];
        if (column) {
            error = columnName(*column);
            error += ": ";
        }
        if (const std::string* message = run.firstMessage())
            error += files::inColumnWords(*message, m_language);
        return false;
    }

    for (const ResultField& r : kResultFields) {
        // What the panel shows; a field it hides holds nothing worth reporting.
        if (run.shows(r.field))
            out[at(r.column)] = run.texts[r.field];
    }
    // The panel says so in place of the mullion.
    if (!run.design.mullion)
        out[at(ResultColumn::Mullion)] = trimmed(say(Message::NoMullionFits, m_language));
    out[at(ResultColumn::StressVerdict)] = verdictText(run.verdicts.stressPasses);
    out[at(ResultColumn::DeflectionVerdict)] = verdictText(run.verdicts.deflectionPasses);
    if (limitStates && run.limitStates)
        writeLimitStates(*run.limitStates, m_fmt, out);
    return true;
}

}  // namespace cw::batch
