#include "window/state_dump.h"

#include "window/inventory.h"

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

std::string stateDump(const Form& form, const std::vector<std::string>& messages) {
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
    const std::pair<std::string_view, const TaggedValue*> values[] = {
        {"SeriesChosen", &st.SeriesChosen},
        {"LanguageMode", &st.LanguageMode},
        {"WindInputMode", &st.WindInputMode},
        {"WindPressure", &st.WindPressure},
        {"HeightBandLimit", &st.HeightBandLimit},
        {"DeflectionDivisor", &st.DeflectionDivisor},
        {"GlassWeight", &st.GlassWeight},
        {"GridWidthA1", &st.GridWidthA1},
        {"GridWidthA2", &st.GridWidthA2},
        {"MullionLengthSingle", &st.MullionLengthSingle},
        {"RatioLimit", &st.RatioLimit},
        {"AbsoluteLimit", &st.AbsoluteLimit},
        {"LineLoad", &st.LineLoad},
        {"RequiredMullionJx", &st.RequiredMullionJx},
        {"RequiredTransomJx", &st.RequiredTransomJx},
        {"RequiredTransomJy", &st.RequiredTransomJy},
        {"SuggestedIx", &st.SuggestedIx},
        {"SuggestedFibre", &st.SuggestedFibre},
        {"MullionLengthL2", &st.MullionLengthL2},
        {"TotalLength", &st.TotalLength},
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
    const Verdicts verdicts = form.verdicts();
    const auto appendVerdict = [&out](const std::optional<bool>& passes) {
        out += !passes ? "null" : *passes ? "\"pass\"" : "\"fail\"";
    };
    out += dumpkey::Stress;
    out += "\": ";
    appendVerdict(verdicts.stressPasses);
    out += ", \"";
    out += dumpkey::Deflection;
    out += "\": ";
    appendVerdict(verdicts.deflectionPasses);
    out += "}, \"";
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
