#include "batch/bay_designer.h"

#include "bay/bay_run.h"
#include "text/messages.h"

namespace cw::batch {

namespace {

constexpr std::size_t kResultsAt = kInputColumnCount;

constexpr std::size_t at(ResultColumn c) {
    return kResultsAt + static_cast<std::size_t>(c);
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

std::vector<std::string> resultHeader() {
    std::vector<std::string> header(kInputColumnNames.begin(), kInputColumnNames.end());
    header.insert(header.end(), kResultColumnNames.begin(), kResultColumnNames.end());
    return header;
}

bool isNumberColumn(std::size_t column) {
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

BayDesigner::BayDesigner(NumberFormat fmt, Language language, const Catalogue* catalogue)
    : m_language(language), m_fmt(std::move(fmt)), m_catalogue(catalogue) {}

bool BayDesigner::design(const RowTexts& texts, std::vector<std::string>& out) {
    out.resize(kResultsAt + kResultColumnCount);
    for (std::size_t c = 0; c < kInputColumnCount; ++c)
        out[c].assign(texts[c]);
    for (std::size_t c = kResultsAt; c < out.size(); ++c)
        out[c].clear();

    const RowBay bay = bayOfRow(texts, m_language);
    if (bay.error) {
        out[at(ResultColumn::Error)] = *bay.error;
        return false;
    }
    // A row without a wind load runs too: NEXT then says so, after the fields before it.
    const BayOutcome run = runBay(bay.document, m_fmt, m_catalogue);
    if (!run.completed) {
        std::optional<Column> column;
        const BayWindSource source = bay.document.windSource;
        if (run.windRefusal) {
            // The wind button refused the typed value before the run.
            column = source == BayWindSource::TypedPressure ? Column::Pressure : Column::Speed;
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
    return true;
}

}  // namespace cw::batch
