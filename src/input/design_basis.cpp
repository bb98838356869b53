#include "input/design_basis.h"

#include "bay/limit_state_inputs.h"

namespace cw {

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

}  // namespace cw
