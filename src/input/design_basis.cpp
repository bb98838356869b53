#include "input/design_basis.h"

#include "bay/limit_state_inputs.h"

namespace cw {

void chooseBasis(WindowState& w, DesignBasis basis) {
    w.basis = basis;
}

bool chooseAlloy(WindowState& w, std::string_view name) {
    const Alloy* alloy = findAlloy(name);
    if (!alloy)
        return false;
    w.alloy = std::string(alloy->name);
    return true;
}

void chooseHanging(WindowState& w, Hanging hanging) {
    w.hanging = hanging;
}

namespace {

LimitStateInputTexts textsOf(const std::string& sk, const PartialFactors& f,
                             const NumberFormat& fmt) {
    LimitStateInputTexts t;
    t[0] = sk;
    std::size_t i = 1;
    for (const FactorEntry& e : factorEntries())
        t[i++] = plainText(f.*e.member, fmt);
    return t;
}

}  // namespace

LimitStateInputTexts limitStateInputTexts(const WindowState& w) {
    return textsOf(w.groundSnow_kNm2, w.factors, w.numberFormat());
}

LimitStateInputTexts recommendedFactorTexts(const LimitStateInputTexts& shown,
                                            const NumberFormat& fmt) {
    return textsOf(shown[0], PartialFactors{}, fmt);
}

void applyLimitStateInputs(WindowState& w, const LimitStateInputTexts& texts) {
    PartialFactors f;
    std::size_t i = 1;
    for (const FactorEntry& e : factorEntries()) {
        const std::string& text = texts[i++];
        const std::optional<double> v = parseNumber(text, w.numberFormat());
        if (!v || !factorInRange(e, *v)) {
            w.message(say(e.bound == FactorBound::Positive ? Message::FactorNotPositive
                                                           : Message::FactorPsiOutOfRange,
                          w.languageShowing(), {e.symbol, text}));
            return;
        }
        f.*e.member = *v;
    }
    w.groundSnow_kNm2 = texts[0];
    w.factors = f;
}

bool limitStateOptionsOf(WindowState& w, const Catalogue& catalogue,
                         std::optional<LimitStateOptions>& options) {
    options.reset();
    if (w.basis != DesignBasis::LimitStates)
        return true;
    const Alloy* alloy = findAlloy(w.alloy);
    if (!alloy)
        return true;
    const LimitStateOptionsReading r =
        readLimitStateOptions(alloy, w.hanging, w.factors, w.groundSnow_kNm2,
                              catalogue.use == CatalogueUse::Sloped, w.numberFormat(),
                              w.languageShowing());
    if (r.refusal) {
        w.refuse(*r.refusal);
        return false;
    }
    options = r.options;
    return true;
}

void runLimitStatesOf(WindowState& w, const BayInput& bay, const BayDesign& design,
                      const Catalogue& catalogue, const std::optional<LimitStateOptions>& options) {
    w.limitStates.reset();
    if (options)
        w.limitStates = runLimitStates(bay, design, catalogue, *options);
}

}  // namespace cw
