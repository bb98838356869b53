#include "app/replay_script.h"

#include "document/bay_file_commands.h"
#include "document/catalogue_commands.h"
#include "input/bay_document_io.h"
#include "model/choices.h"
#include "app/report_hook.h"
#include "input/report_export.h"
#include "input/design_basis.h"
#include "bay/limit_state_inputs.h"
#include "bay/limit_state_texts.h"
#include "input/form.h"
#include "input/site_wind.h"
#include "model/inventory.h"
#include "model/state_dump.h"
#include "model/utf8.h"

#include <charconv>
#include <istream>
#include <ostream>
#include <string>
#include <vector>
#include <unordered_map>

namespace cw {

namespace {

// The blank-separated words of a verb's arguments (runs of blanks are one separator).
std::vector<std::string_view> wordsOf(std::string_view text) {
    std::vector<std::string_view> words;
    while (!text.empty()) {
        const std::size_t blank = text.find(' ');
        if (blank != 0)
            words.push_back(text.substr(0, blank));
        text = blank == std::string_view::npos ? std::string_view() : text.substr(blank + 1);
    }
    return words;
}


const std::unordered_map<std::string_view, ControlId>& controlsByName() {
    static const auto* map = [] {
        auto* m = new std::unordered_map<std::string_view, ControlId>();
        for (int i = 0; i < kControlCount; ++i)
            m->emplace(inventory()[i].name, inventory()[i].id);
        return m;
    }();
    return *map;
}

bool takesFocus(ControlKind kind) {
    return kind == ControlKind::TextBox || kind == ControlKind::CommandButton ||
           kind == ControlKind::OptionButton;
}

struct Line {
    std::string_view verb;
    std::string_view name;
    std::string_view rest;
    bool hasRest = false;
};

Line split(std::string_view line) {
    Line l;
    const std::size_t first = line.find(' ');
    l.verb = line.substr(0, first);
    if (first == std::string_view::npos)
        return l;
    const std::string_view afterVerb = line.substr(first + 1);
    const std::size_t second = afterVerb.find(' ');
    l.name = afterVerb.substr(0, second);
    if (second != std::string_view::npos) {
        l.rest = afterVerb.substr(second + 1);
        l.hasRest = true;
    }
    return l;
}

class Runner {
public:
    Runner(std::ostream& out, const NumberFormat& fmt) : m_out(out), m_form(fmt) {
        m_form.onExportClicked = exportToReportWorkbook;
    }

    // An empty string when the line ran, otherwise why it could not.
    std::string run(std::string_view line) {
        // A user types characters, never broken byte sequences; such a line cannot be run,
        // and it would make the dump something other than JSON.
        if (!isUtf8(line))
            return "not UTF-8 text";
        const Line l = split(line);
        if (l.verb == "dump") {
            if (!l.name.empty() || l.hasRest || line.size() != 4)
                return "dump takes nothing after it";
            m_out << stateDump(m_form.state(), m_form.takeMessages()) << '\n';
            return {};
        }
        if (l.verb == "key") {
            if (l.hasRest || l.name.empty())
                return "key takes one key code";
            int code = -1;
            const auto [ptr, ec] =
                std::from_chars(l.name.data(), l.name.data() + l.name.size(), code);
            if (ec != std::errc() || ptr != l.name.data() + l.name.size() || code < 0 ||
                code > 65535)
                return "not a key code: " + std::string(l.name);
            m_form.key(code);
            return {};
        }
        if (l.verb == "export") {
            const std::string_view path = line.size() > 7 ? line.substr(7) : std::string_view();
            if (path.empty())
                return "export needs a workbook path";
            exportReport(m_form.state(), std::string(path));
            return {};
        }
        if (l.verb == "criterion") {
            if (l.hasRest || (l.name != "2003" && l.name != "2015"))
                return "criterion takes 2003 or 2015";
            chooseCriterion(m_form.state(), l.name == "2015" ? DeflectionCriterion::En13830_2015
                                                             : DeflectionCriterion::En13830_2003);
            return {};
        }
        if (l.verb == "basis") {
            const std::optional<DesignBasis> basis = basisOfKey(l.name);
            if (l.hasRest || !basis)
                return "basis takes allowable or limit-states";
            chooseBasis(m_form.state(), *basis);
            return {};
        }
        if (l.verb == "alloy") {
            const std::string_view name = line.size() > 6 ? line.substr(6) : std::string_view();
            if (!chooseAlloy(m_form.state(), name))
                return "not an alloy of the table: " + std::string(name);
            return {};
        }
        if (l.verb == "snow-load") {
            // As typed into the limit-state inputs, the factors as they are.
            LimitStateInputTexts texts = limitStateInputTexts(m_form.state());
            texts[0] = line.size() > 10 ? std::string(line.substr(10)) : std::string();
            applyLimitStateInputs(m_form.state(), texts);
            return {};
        }
        if (l.verb == "factors")
            return factors(line.substr(l.verb.size()));
        if (l.verb == "site-wind")
            return siteWind(line.substr(l.verb.size()));
        if (l.verb == "save" || l.verb == "open") {
            const std::string_view path = line.size() > 5 ? line.substr(5) : std::string_view();
            if (path.empty())
                return std::string(l.verb) + " needs a bay file path";
            if (l.verb == "save")
                saveBay(m_form.state(), std::string(path));
            else
                openBay(m_form, std::string(path));
            return {};
        }
        if (l.verb == "catalogue") {
            // Without a path: back to the series options.
            if (line.size() <= 10) {
                if (line.size() != 9)
                    return "catalogue takes a path or nothing";
                chooseSeriesOptions(m_form.state());
            } else {
                chooseCatalogueFile(m_form.state(), std::string(line.substr(10)));
            }
            return {};
        }
        if (l.verb == "new") {
            if (line.size() != 3)
                return "new takes nothing after it";
            newBay(m_form);
            return {};
        }
        if (l.verb == "report") {
            const std::string_view path = line.size() > 7 ? line.substr(7) : std::string_view();
            if (path.empty())
                return "report needs a PDF path";
            return writeCalculationReport(m_form.state(), std::string(path));
        }
        if (l.verb != "click" && l.verb != "type" && l.verb != "set" && l.verb != "focus")
            return "unknown action: " + std::string(l.verb);
        if (l.name.empty())
            return std::string(l.verb) + " needs a control name";
        const auto& map = controlsByName();
        const auto it = map.find(l.name);
        if (it == map.end())
            return "no control named " + std::string(l.name);
        const ControlId id = it->second;
        const ControlSpec& s = controlSpec(id);

        if (l.verb == "set") {
            if (s.kind != ControlKind::TextBox)
                return std::string(l.name) + " is not a text box";
            m_form.setText(id, std::string(l.rest));
            return {};
        }
        if (l.verb != "type" && l.hasRest)
            return std::string(l.verb) + " takes only a control name";
        if (!m_form.visible(id))
            return std::string(l.name) + " is hidden";
        if (l.verb == "click") {
            m_form.click(id);
            return {};
        }
        if (l.verb == "focus") {
            if (!takesFocus(s.kind))
                return std::string(l.name) + " cannot take the focus";
            m_form.focus(id);
            return {};
        }
        if (s.kind != ControlKind::TextBox)
            return std::string(l.name) + " is not a text box";
        if (s.readOnly)
            return std::string(l.name) + " is read-only";
        m_form.type(id, l.rest);
        return {};
    }

    bool closed() const { return m_form.closed(); }

private:
    // The Site wind dialog filled with KEY=VALUE pairs and applied; a key left out keeps
    // what the dialog shows.
    std::string siteWind(std::string_view pairs) {
        SiteWindTexts texts = siteWindTexts(m_form.state());
        for (const std::string_view pair : wordsOf(pairs)) {
            const std::size_t equals = pair.find('=');
            if (equals == std::string_view::npos)
                return "site-wind takes KEY=VALUE pairs, not " + std::string(pair);
            const auto entry = siteWindEntryOfKey(pair.substr(0, equals));
            if (!entry)
                return "no site-wind key " + std::string(pair.substr(0, equals));
            texts[static_cast<std::size_t>(*entry)] = std::string(pair.substr(equals + 1));
        }
        applySiteWind(m_form.state(), texts);
        return {};
    }

    // The limit-state inputs with NAME=VALUE factors (the others as they are) and OK;
    // "recommended" first resets them all, as the dialog's button does.
    std::string factors(std::string_view pairs) {
        const NumberFormat& fmt = m_form.state().numberFormat();
        LimitStateInputTexts texts = limitStateInputTexts(m_form.state());
        for (const std::string_view pair : wordsOf(pairs)) {
            if (pair == "recommended") {
                texts = recommendedFactorTexts(texts, fmt);
                continue;
            }
            const std::size_t equals = pair.find('=');
            if (equals == std::string_view::npos)
                return "factors takes NAME=VALUE pairs, not " + std::string(pair);
            const std::string_view key = pair.substr(0, equals);
            std::size_t i = 1;
            bool found = false;
            for (const FactorEntry& e : factorEntries()) {
                if (e.key == key) {
                    texts[i] = std::string(pair.substr(equals + 1));
                    found = true;
                }
                ++i;
            }
            if (!found)
                return "no factor " + std::string(key);
        }
        applyLimitStateInputs(m_form.state(), texts);
        return {};
    }

    std::ostream& m_out;
    Form m_form;
};

}  // namespace

int runReplay(std::istream& script, std::ostream& out, std::ostream& err, const NumberFormat& fmt) {
    Runner runner(out, fmt);
    std::string line;
    long long number = 0;
    while (std::getline(script, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos || line.front() == '#')
            continue;
        const std::string reason = runner.run(line);
        if (!reason.empty()) {
            out.flush();
            err << "line " << number << ": " << reason << '\n';
            return 2;
        }
        if (runner.closed())
            break;
    }
    out.flush();
    return 0;
}

}  // namespace cw
