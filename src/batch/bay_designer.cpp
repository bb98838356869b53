#include "batch/bay_designer.h"

#include "input/bay_document_io.h"
#include "model/bay_input.h"
#include "model/inventory.h"

namespace cw::batch {

using C = ControlId;

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

BayDesigner::BayDesigner(NumberFormat fmt, bool english)
    : m_english(english), m_form(std::move(fmt)) {}

bool BayDesigner::design(const RowTexts& texts, std::vector<std::string>& out) {
    out.resize(kResultsAt + kResultColumnCount);
    for (std::size_t c = 0; c < kInputColumnCount; ++c)
        out[c].assign(texts[c]);
    for (std::size_t c = kResultsAt; c < out.size(); ++c)
        out[c].clear();

    const RowBay bay = bayOfRow(texts, m_english);
    if (bay.error) {
        out[at(ResultColumn::Error)] = *bay.error;
        return false;
    }
    // Each row is a bay of its own: no message of an earlier one is carried into it.
    m_form.takeMessages();
    openDocument(m_form, bay.document);
    if (!readyToRun(bay.document))
        m_form.click(C::Command1);  // no wind load: NEXT says so, after the fields before it

    const WindowState& w = m_form.state();
    const std::vector<std::string>& messages = w.pendingMessages();
    if (!messages.empty() || !w.shownRun) {
        std::optional<Column> column;
        const BayWindSource source = bay.document.windSource;
        if ((source == BayWindSource::TypedPressure || source == BayWindSource::WindSpeed) &&
            w.windSource == WindSource::None) {
            // The wind button refused the typed value before the run.
            column = source == BayWindSource::TypedPressure ? Column::Pressure : Column::Speed;
        } else if (const RunRequest run = readRun(w); run.refusal && run.refusal->focus) {
            column = columnOfField(*run.refusal->focus, source);
        }
        std::string& error = out[at(ResultColumn::Error)];
        if (column) {
            error = columnName(*column);
            error += ": ";
        }
        error += messages.empty() ? std::string() : files::inColumnWords(messages.front(), m_english);
        return false;
    }

    for (const ResultField& r : kResultFields) {
        const ControlId id = controlOf(r.field);
        // What the panel shows; a field it hides holds nothing worth reporting.
        if (w.visible(id))
            out[at(r.column)] = w.text(id);
    }
    // The panel says so in place of the mullion.
    if (!w.shownRun->mullionFits)
        out[at(ResultColumn::Mullion)] = trimmed(controlSpec(C::Label1).caption);
    const Verdicts v = verdicts(w);
    out[at(ResultColumn::StressVerdict)] = verdictText(v.stressPasses);
    out[at(ResultColumn::DeflectionVerdict)] = verdictText(v.deflectionPasses);
    return true;
}

}  // namespace cw::batch
