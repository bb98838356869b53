#include "model/verdict_line.h"

#include "bay/limit_state_texts.h"
#include "design/bay.h"
#include "model/limit_state_dump.h"
#include "model/verdicts.h"
#include "text/messages.h"

#include <string_view>
#include <vector>

namespace cw {

namespace {

std::string_view relation(bool passes) {
    return passes ? "≤" : ">";
}

}  // namespace

std::optional<VerdictLine> verdictLine(const WindowState& w) {
    const Language language = w.languageShowing();
    // Old results stay on show after a change; they must not read as the inputs' verdict.
    if (w.lastRun && !resultsCurrent(w))
        return VerdictLine{VerdictLine::Kind::OutOfDate, say(Message::VerdictOutOfDate, language)};
    if (!w.shownRun)
        return std::nullopt;
    if (!w.shownRun->mullionFits)
        return VerdictLine{VerdictLine::Kind::NoneFits, say(Message::VerdictNoMullion, language)};
    // Under limit states the line states the governing check of the mullion they suggest.
    if (const LimitStateRun* ls = shownLimitStates(w)) {
        const bool passes =
            ls->result.valid && !ls->noRowPasses && ls->result.verdict != LimitStateVerdict::Fails;
        return VerdictLine{passes ? VerdictLine::Kind::Passes : VerdictLine::Kind::Fails,
                           limitStateVerdictText(*ls, language, w.numberFormat())};
    }

    const Verdicts v = verdicts(w);
    if (!v.stressPasses && !v.deflectionPasses)
        return std::nullopt;
    // A failing mullion is described by what fails; a passing one by both checks.
    const bool passes = v.stressPasses != false && v.deflectionPasses != false;
    std::vector<std::string> checks;
    if (v.deflectionPasses && (passes || !*v.deflectionPasses))
        checks.push_back(say(Message::VerdictDeflection, language,
                             {w.text(Field::MullionDeflection), relation(*v.deflectionPasses),
                              w.text(Field::DesignedDeflectionLimit)}));
    const std::optional<ShownRun::Insert>& insert = w.shownRun->insert;
    // The aluminium's own comparison, which an overstressed insert does not change.
    const bool aluminiumPasses = v.stressPasses && v.aluminiumStress && *v.aluminiumStress <= 0;
    if (v.stressPasses && (passes || !aluminiumPasses)) {
        // The panel's limit reads "9,5"; the comparison shows both numbers to two decimals.
        const std::string limit = fixedText(kAllowableStress_kNcm2, w.numberFormat());
        checks.push_back(say(Message::VerdictStress, language,
                             {w.text(Field::MullionStress), relation(aluminiumPasses), limit}));
    }
    if (v.stressPasses && insert && (passes || insert->overstressed))
        checks.push_back(
            say(Message::VerdictInsertStress, language,
                {fixedText(insert->stress_Nmm2, w.numberFormat()), relation(!insert->overstressed),
                 fixedText(insert->strength_Nmm2, w.numberFormat())}));
    std::string list;
    for (const std::string& check : checks)
        list += (list.empty() ? "" : ", ") + check;
    return VerdictLine{passes ? VerdictLine::Kind::Passes : VerdictLine::Kind::Fails,
                       say(passes ? Message::VerdictPasses : Message::VerdictFails, language,
                           {w.text(Field::SuggestedMullion), list})};
}

}  // namespace cw
