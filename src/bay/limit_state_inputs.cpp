#include "bay/limit_state_inputs.h"

#include <cmath>

namespace cw {

namespace {

constexpr FactorEntry kFactors[] = {
    {"gammaM1", &PartialFactors::gammaM1, Message::FactorGammaM1, "γM1", FactorBound::Positive},
    {"gammaM2", &PartialFactors::gammaM2, Message::FactorGammaM2, "γM2", FactorBound::Positive},
    {"gammaG_sup", &PartialFactors::gammaGUnfav, Message::FactorGammaGSup, "γG,sup",
     FactorBound::Positive},
    {"gammaG_inf", &PartialFactors::gammaGFav, Message::FactorGammaGInf, "γG,inf",
     FactorBound::Positive},
    {"gammaQ", &PartialFactors::gammaQ, Message::FactorGammaQ, "γQ", FactorBound::Positive},
    {"psi0_wind", &PartialFactors::psi0Wind, Message::FactorPsi0Wind, "ψ0 (W)",
     FactorBound::ZeroToOne},
    {"psi0_snow", &PartialFactors::psi0Snow, Message::FactorPsi0Snow, "ψ0 (S)",
     FactorBound::ZeroToOne},
};

}  // namespace

std::span<const FactorEntry> factorEntries() {
    return kFactors;
}

const FactorEntry* factorEntryOfKey(std::string_view key) {
    for (const FactorEntry& e : kFactors)
        if (e.key == key)
            return &e;
    return nullptr;
}

bool factorInRange(const FactorEntry& entry, double value) {
    if (!std::isfinite(value))
        return false;
    return entry.bound == FactorBound::Positive ? value > 0.0 : value >= 0.0 && value <= 1.0;
}

std::optional<Refusal> checkFactors(const PartialFactors& f, const NumberFormat& fmt,
                                    Language language) {
    for (const FactorEntry& e : kFactors) {
        const double v = f.*e.member;
        if (factorInRange(e, v))
            continue;
        const std::string value = std::isfinite(v) ? plainText(v, fmt) : std::string("?");
        return Refusal{say(e.bound == FactorBound::Positive ? Message::FactorNotPositive
                                                            : Message::FactorPsiOutOfRange,
                           language, {e.symbol, value}),
                       std::nullopt};
    }
    return std::nullopt;
}

GroundSnowReading readGroundSnow(std::string_view text, const NumberFormat& fmt,
                                 Language language) {
    GroundSnowReading r;
    if (text.find_first_not_of(' ') == std::string_view::npos)
        return r;
    const std::optional<double> sk = parseNumber(text, fmt);
    if (!sk || !std::isfinite(*sk)) {
        r.refusal = Refusal{say(Message::GroundSnowNotANumber, language, {text}), std::nullopt};
        return r;
    }
    if (*sk < 0.0) {
        r.refusal = Refusal{say(Message::GroundSnowNegative, language, {text}), std::nullopt};
        return r;
    }
    r.sk_kNm2 = *sk;
    return r;
}

LimitStateOptionsReading readLimitStateOptions(const Alloy* alloy, Hanging hanging,
                                               const PartialFactors& factors,
                                               std::string_view groundSnow, bool sloped,
                                               const NumberFormat& fmt, Language language) {
    LimitStateOptionsReading r;
    r.options = {alloy, hanging, factors, 0.0};
    if ((r.refusal = checkFactors(factors, fmt, language)))
        return r;
    if (!sloped)
        return r;
    const GroundSnowReading sk = readGroundSnow(groundSnow, fmt, language);
    r.refusal = sk.refusal;
    r.options.sk_kNm2 = sk.sk_kNm2;
    return r;
}

}  // namespace cw
