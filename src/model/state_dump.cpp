#include "model/state_dump.h"

#include "model/inventory.h"
#include "model/limit_state_dump.h"
#include "bay/limit_state_texts.h"
#include "model/verdict_line.h"
#include "model/verdicts.h"

#include <array>
#include <charconv>
#include <cmath>

namespace cw {

namespace {

void appendNumber(std::string& out, const TaggedValue& v) {
    std::array<char, 64> buf{};
    std::to_chars_result res{};
    switch (v.kind()) {
    case TaggedValue::Kind::Int16:
    case TaggedValue::Kind::Int32:
        res = std::to_chars(buf.data(), buf.data() + buf.size(),
                            static_cast<long long>(v.numberValue()));
        break;
    case TaggedValue::Kind::Single:
        // A single is written with the digits it carries, not as its double expansion.
        res =
            std::to_chars(buf.data(), buf.data() + buf.size(), static_cast<float>(v.numberValue()));
        break;
    default: res = std::to_chars(buf.data(), buf.data() + buf.size(), v.numberValue()); break;
    }
    if (!std::isfinite(v.numberValue())) {
        out += "null";  // never reached by a run, which refuses non-finite results
        return;
    }
    out.append(buf.data(), res.ptr);
}

void appendValue(std::string& out, const TaggedValue& v) {
    if (v.isEmpty())
        out += "null";
    else if (v.isText())
        out += jsonString(v.textValue());
    else
        appendNumber(out, v);
}

void appendSiteWind(std::string& out, const std::optional<SiteWindApplied>& site) {
    if (!site) {
        out += "null";
        return;
    }
    static constexpr std::string_view kCategories[] = {"0", "I", "II", "III", "IV"};
    const SiteWindInput& in = site->input;
    const std::pair<std::string_view, double> numbers[] = {
        {"vb0", in.vb0_ms},           {"cdir", in.cdir},
        {"cseason", in.cseason},      {"z", in.z_m},
        {"cpe10", in.cpe10},          {"cpe1", in.cpe1},
        {"area", in.area_m2},         {"cpi", in.cpi},
        {"qp", site->result.qp_kNm2}, {"w", site->result.w_kNm2}};
    out += "{\"category\": \"";
    out += kCategories[static_cast<int>(in.category)];
    out += '"';
    for (const auto& [key, value] : numbers) {
        out += ", \"";
        out += key;
        out += "\": ";
        appendNumber(out, TaggedValue::real(value));
    }
    out += '}';
}

}  // namespace

std::string jsonString(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20) {
                static constexpr char kHex[] = "0123456789abcdef";
                out += "\\u00";
                out += kHex[c >> 4];
                out += kHex[c & 0xF];
            } else {
                out += ch;
            }
        }
    }
    out += '"';
    return out;
}

std::string stateDump(const WindowState& form, const std::vector<std::string>& messages) {
    std::string out;
    out.reserve(16384);
    out += "{\"";
    out += dumpkey::Focus;
    out += "\": ";
    if (const auto f = form.focused())
        out += jsonString(controlName(*f));
    else
        out += "null";

    out += ", \"";
    out += dumpkey::Controls;
    out += "\": {";
    for (int i = 0; i < kControlCount; ++i) {
        const ControlSpec& s = inventory()[i];
        const ControlState& c = form.control(s.id);
        if (i > 0)
            out += ", ";
        out += jsonString(s.name);
        out += ": {\"";
        out += dumpkey::Visible;
        out += c.visible ? "\": true" : "\": false";
        if (s.kind == ControlKind::TextBox) {
            out += ", \"";
            out += dumpkey::Text;
            out += "\": ";
            out += jsonString(c.text);
        } else if (s.kind == ControlKind::OptionButton) {
            out += ", \"";
            out += dumpkey::Selected;
            out += c.selected ? "\": true" : "\": false";
        }
        out += '}';
    }
    out += "}, \"";
    out += dumpkey::Form;
    out += "\": {";
    const FormState& st = form.form();
    const auto modeValue = [](auto mode) {
        return mode ? TaggedValue::int16(static_cast<std::int16_t>(*mode)) : TaggedValue();
    };
    const TaggedValue seriesChosen = st.seriesChosen ? TaggedValue::int16(1) : TaggedValue();
    // The dump numbers the languages 1 (Greek) and 2 (English), as the window always has.
    const TaggedValue language = st.language ? TaggedValue::int16(static_cast<std::int16_t>(
                                                   *st.language == Language::English ? 2 : 1))
                                             : TaggedValue();
    const TaggedValue windInput = modeValue(st.windInput);
    const std::pair<std::string_view, const TaggedValue*> values[] = {
        {"SeriesChosen", &seriesChosen},
        {"LanguageMode", &language},
        {"WindInputMode", &windInput},
        {"WindPressure", &st.windPressure},
        {"HeightBandLimit", &st.heightBandLimit},
        {"DeflectionDivisor", &st.deflectionDivisor},
        {"GlassWeight", &st.glassWeight},
        {"GridWidthA1", &st.gridWidthA1},
        {"GridWidthA2", &st.gridWidthA2},
        {"MullionLengthSingle", &st.mullionLengthSingle},
        {"RatioLimit", &st.ratioLimit},
        {"AbsoluteLimit", &st.absoluteLimit},
        {"LineLoad", &st.lineLoad},
        {"RequiredMullionJx", &st.requiredMullionJx},
        {"RequiredTransomJx", &st.requiredTransomJx},
        {"RequiredTransomJy", &st.requiredTransomJy},
        {"SuggestedIx", &st.suggestedIx},
        {"SuggestedFibre", &st.suggestedFibre},
        {"MullionLengthL2", &st.mullionLengthL2},
        {"TotalLength", &st.totalLength},
    };
    bool first = true;
    for (const auto& [name, value] : values) {
        if (!first)
            out += ", ";
        first = false;
        out += jsonString(name);
        out += ": ";
        appendValue(out, *value);
    }
    out += "}, \"";
    out += dumpkey::Verdicts;
    out += "\": {\"";
    const Verdicts shownVerdicts = verdicts(form);
    const auto appendVerdict = [&out](const std::optional<bool>& passes) {
        out += !passes ? "null" : *passes ? "\"pass\"" : "\"fail\"";
    };
    out += dumpkey::Stress;
    out += "\": ";
    appendVerdict(shownVerdicts.stressPasses);
    out += ", \"";
    out += dumpkey::Deflection;
    out += "\": ";
    appendVerdict(shownVerdicts.deflectionPasses);
    out += "}, \"";
    out += dumpkey::Document;
    out += "\": {\"";
    out += dumpkey::Path;
    out += "\": ";
    out += form.document.path ? jsonString(*form.document.path) : std::string("null");
    out += ", \"";
    out += dumpkey::Modified;
    out += documentModified(form) ? "\": true" : "\": false";
    out += "}, \"";
    out += dumpkey::Criterion;
    out += form.criterion == DeflectionCriterion::En13830_2015 ? "\": \"2015\", \""
                                                               : "\": \"2003\", \"";
    out += dumpkey::SiteWind;
    out += "\": ";
    appendSiteWind(out, form.siteWind);
    out += ", \"";
    out += dumpkey::ResultsCurrent;
    out += resultsCurrent(form) ? "\": true" : "\": false";
    out += ", \"";
    out += dumpkey::Basis;
    out += "\": \"";
    out += basisKey(form.basis);
    out += "\", \"";
    out += dumpkey::Alloy;
    out += "\": ";
    out += jsonString(form.alloy);
    out += ", \"";
    out += dumpkey::LimitStates;
    out += "\": ";
    appendLimitStates(out, form);
    out += ", \"";
    out += dumpkey::Catalogue;
    out += "\": ";
    if (const auto& chosen = form.userCatalogue)
        out += "{\"name\": " + jsonString(chosen->ref.name) +
               ", \"path\": " + jsonString(chosen->ref.path) +
               ", \"sha256\": " + jsonString(chosen->ref.sha256) + "}";
    else
        out += "null";
    out += ", \"";
    out += dumpkey::VerdictLine;
    out += "\": ";
    const std::optional<VerdictLine> line = verdictLine(form);
    out += line ? jsonString(line->text) : std::string("null");
    out += ", \"";
    out += dumpkey::Messages;
    out += "\": [";
    for (std::size_t i = 0; i < messages.size(); ++i) {
        if (i > 0)
            out += ", ";
        out += jsonString(messages[i]);
    }
    out += "]}";
    return out;
}

}  // namespace cw
