#include "model/verdicts.h"

#include "design/bay.h"
#include "model/field_controls.h"
#include "model/inventory.h"
#include "text/messages.h"

namespace cw {

using C = ControlId;

Verdicts verdicts(const WindowState& w) {
    Verdicts v;
    if (!w.shownRun)
        return v;
    // The window decides what shows; the run decided what passes.
    const RunVerdicts& run = w.shownRun->verdicts;
    if (w.visible(controlOf(Field::MullionStress))) {
        v.stressPasses = run.stressPasses;
        v.aluminiumStress = run.aluminiumStress;
    }
    if (w.visible(controlOf(Field::MullionDeflection)) &&
        w.visible(controlOf(Field::DesignedDeflectionLimit)))
        v.deflectionPasses = run.deflectionPasses;
    return v;
}

std::string caption(const WindowState& w, ControlId id) {
    const std::string_view original = controlSpec(id).caption;
    if (id == C::Label73 || id == C::Label109) {
        const Language language = id == C::Label109 ? Language::English : Language::Greek;
        const std::optional<int> relation = verdicts(w).aluminiumStress;
        if (!relation)
            return std::string(original);
        if (*relation > 0)
            return say(Message::MullionOverstressed, language);
        // The row keeps its layout, with the relation the numbers bear.
        std::string shown(original);
        if (const auto at = shown.find('<'); at != std::string::npos && *relation == 0)
            shown[at] = '=';
        return shown;
    }
    if ((id == C::Label7 || id == C::Label108) && w.shownRun &&
        w.shownRun->criterion == DeflectionCriterion::En13830_2015) {
        const Language language = id == C::Label108 ? Language::English : Language::Greek;
        switch (w.shownRun->rule) {
        case DeflectionRule::SpanOver200: return say(Message::LimitSpanOver200, language);
        case DeflectionRule::FiveMmPlusSpanOver300:
            return say(Message::LimitFivePlusSpanOver300, language);
        case DeflectionRule::SpanOver250: return say(Message::LimitSpanOver250, language);
        default: break;
        }
    }
    if ((id == C::Label6 || id == C::Label107) && verdicts(w).deflectionPasses == false)
        return say(Message::DeflectionExceeded,
                   id == C::Label107 ? Language::English : Language::Greek);
    return std::string(original);
}

bool warns(const WindowState& w, ControlId id) {
    const Verdicts v = verdicts(w);
    if (id == C::Label73 || id == C::Label109)
        return v.stressPasses == false;
    if (id == C::Label6 || id == C::Label107)
        return v.deflectionPasses == false;
    return false;
}

}  // namespace cw
