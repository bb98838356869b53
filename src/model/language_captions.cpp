#include "model/language_captions.h"

#include "design/bay.h"
#include "model/inventory.h"
#include "model/verdicts.h"

#include <string_view>

namespace cw {

using C = ControlId;

namespace {

struct TwoCaptions {
    ControlId id;
    std::string_view greek;
    std::string_view english;
};

// Controls the inventory captions once for both languages.
constexpr TwoCaptions kOwnCaptions[] = {
    {C::Label3, "  0-8 μ.", "  0-8 m"},
    {C::Label4, "  8-20 μ.", "  8-20 m"},
    {C::Label5, "  20-100 μ.", "  20-100 m"},
    {C::Label52, "μ.", "m"},
    {C::Label2, "  αίθριο", "  atrium"},
    {C::Label1, "Δεν υπάρχει τέτοια κολώνα ", "No such mullion "},
    {C::Command7, "Εκτύπωση σε  Excel", "Print in  Excel"},
};

}  // namespace

std::string shownCaption(const WindowState& w, ControlId id) {
    const bool english = w.languageShowing() == Language::English;
    if (id == C::Label75)  // the allowable stress, in the notation the other numbers use
        return plainText(kAllowableStress_kNcm2, w.numberFormat()) + " kN/ cm^2";
    for (const TwoCaptions& own : kOwnCaptions)
        if (own.id == id)
            return std::string(english ? own.english : own.greek);
    const ControlSpec& s = controlSpec(id);
    // A label whose twin of the language showing is hidden reads as that twin.
    const CaptionSet other = english ? CaptionSet::Greek : CaptionSet::English;
    if (s.captionSet == other && !s.twin.empty() && w.visible(id)) {
        const auto twin = ControlId(findControl(s.twin));
        if (!w.visible(twin))
            return caption(w, twin);
    }
    return caption(w, id);
}

std::string windowTitle(Language language) {
    return std::string(language == Language::English ? kWindowTitleEnglish : kWindowTitle);
}

}  // namespace cw
