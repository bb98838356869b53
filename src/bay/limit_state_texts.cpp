#include "bay/limit_state_texts.h"

#include "bay/limit_state_inputs.h"

#include <cmath>

namespace cw {

namespace {

std::string factor(double x, const NumberFormat& fmt) {
    return plainText(x, fmt);
}

Message noteOf(Assumption a) {
    switch (a) {
    case Assumption::SectionClass: return Message::LimitStateNoteClassNotVerified;
    case Assumption::TransomClass: return Message::LimitStateNoteTransomClassNotVerified;
    case Assumption::Axial: return Message::LimitStateNoteAxialNotVerified;
    case Assumption::Shear: return Message::LimitStateNoteShearNotVerified;
    case Assumption::ShearBuckling: return Message::LimitStateNoteShearBuckling;
    case Assumption::MemberBuckling: return Message::LimitStateNoteMemberBuckling;
    case Assumption::EffectiveModulus: return Message::LimitStateNoteEffectiveModulus;
    }
    return Message::LimitStateNoteClassNotVerified;
}

std::vector<Message> assumptionsOf(const LimitStateResult& r) {
    std::vector<Message> m;
    for (const AssumptionFlag& a : kAssumptionFlags)
        if (r.*a.flag)
            m.push_back(noteOf(a.assumption));
    return m;
}

}  // namespace

std::string_view memberKey(CheckId id) {
    switch (id) {
    case CheckId::TransomBending:
    case CheckId::TransomDeflection:
    case CheckId::TransomBlockDeflection: return "transom";
    default: return "mullion";
    }
}

std::string_view checkKey(CheckId id) {
    switch (id) {
    case CheckId::MullionBending: return "bending";
    case CheckId::MullionShear: return "shear";
    case CheckId::MullionBendingShear: return "bending+shear";
    case CheckId::MullionAxialBending: return "bending+axial";
    case CheckId::MullionDeflection: return "deflection";
    case CheckId::TransomBending: return "biaxial bending";
    case CheckId::TransomDeflection: return "deflection";
    case CheckId::TransomBlockDeflection: return "dead-load deflection";
    }
    return "";
}

std::string_view unitOf(CheckId id) {
    switch (id) {
    case CheckId::MullionBending:
    case CheckId::MullionBendingShear: return "kNm";
    case CheckId::MullionShear: return "kN";
    case CheckId::MullionDeflection:
    case CheckId::TransomDeflection:
    case CheckId::TransomBlockDeflection: return "mm";
    case CheckId::MullionAxialBending:
    case CheckId::TransomBending: return "";
    }
    return "";
}

std::string_view basisKey(DesignBasis basis) {
    return basis == DesignBasis::LimitStates ? "limit-states" : "allowable";
}

std::optional<DesignBasis> basisOfKey(std::string_view key) {
    if (key == "allowable")
        return DesignBasis::Allowable;
    if (key == "limit-states")
        return DesignBasis::LimitStates;
    return std::nullopt;
}

Message checkName(CheckId id) {
    switch (id) {
    case CheckId::MullionBending: return Message::CheckMullionBending;
    case CheckId::MullionShear: return Message::CheckMullionShear;
    case CheckId::MullionBendingShear: return Message::CheckMullionBendingShear;
    case CheckId::MullionAxialBending: return Message::CheckMullionAxialBending;
    case CheckId::MullionDeflection: return Message::CheckMullionDeflection;
    case CheckId::TransomBending: return Message::CheckTransomBending;
    case CheckId::TransomDeflection: return Message::CheckTransomDeflection;
    case CheckId::TransomBlockDeflection: return Message::CheckTransomBlockDeflection;
    }
    return Message::CheckMullionBending;
}

std::string combinationText(CombinationId id, const PartialFactors& f, const NumberFormat& fmt) {
    const std::string gSup = factor(f.gammaGUnfav, fmt) + " G";
    const std::string q = factor(f.gammaQ, fmt);
    switch (id) {
    case CombinationId::WindPressure: return gSup + " + " + q + " W";
    case CombinationId::WindSuction: return factor(f.gammaGFav, fmt) + " G − " + q + " W";
    case CombinationId::SnowLeading:
        return gSup + " + " + q + " S + " + q + " · " + factor(f.psi0Wind, fmt) + " W";
    case CombinationId::WindLeadingSnow:
        return gSup + " + " + q + " W + " + q + " · " + factor(f.psi0Snow, fmt) + " S";
    case CombinationId::CharPressure: return "G + W (+ S)";
    case CombinationId::CharSuction: return "G − W";
    case CombinationId::CharDead: return "G";
    }
    return "";
}

std::string checkNumberText(double value, const NumberFormat& fmt) {
    const double r = std::round(value * 1000.0) / 1000.0;
    return plainText(r == 0.0 ? 0.0 : r, fmt);
}

std::string factorsUsedText(const PartialFactors& f, Language language, const NumberFormat& fmt) {
    std::string list;
    for (const FactorEntry& e : factorEntries())
        list += (list.empty() ? "" : ", ") + std::string(e.symbol) + " = " + factor(f.*e.member, fmt);
    return say(Message::LimitStateFactorsUsed, language, {list});
}

std::string snowUsedText(const LimitStateRun& run, Language language, const NumberFormat& fmt) {
    const double sk = run.options.sk_kNm2;
    if (!run.sloped || !(sk > 0.0))
        return {};
    return say(Message::LimitStateSnowUsed, language,
               {checkNumberText(sk, fmt), checkNumberText(run.slope_deg, fmt),
                checkNumberText(snowShapeMu1(run.slope_deg), fmt),
                checkNumberText(snowLoad_kNm2(sk, run.slope_deg), fmt)});
}

std::string assumptionsText(const LimitStateResult& r, Language language) {
    std::string out;
    for (Message m : assumptionsOf(r))
        out += (out.empty() ? "" : "; ") + say(m, language);
    return out;
}

LimitStateTexts limitStateTexts(const LimitStateRun& run, const Alloy& alloy,
                                const PartialFactors& f, Language language,
                                const NumberFormat& fmt) {
    LimitStateTexts t;
    const LimitStateResult& r = run.result;
    t.heading = say(Message::LimitStateMullion, language,
                    {run.mullion ? std::string_view(run.mullion->code) : std::string_view(),
                     alloy.name, plainText(r.fo_MPa, fmt)});
    if (!r.valid) {
        t.notes.push_back(say(Message::LimitStateNotChecked, language));
        return t;
    }
    if (r.mullionClass > 0)
        t.sectionClass =
            say(Message::LimitStateSectionClass, language, {std::to_string(r.mullionClass)});
    for (int k = 0; k < r.checkCount; ++k) {
        const LimitStateCheck& c = r.checks[std::size_t(k)];
        LimitStateCheckText row;
        row.check = say(checkName(c.id), language);
        row.clause = std::string(c.clause);
        row.combination = combinationText(c.combination, f, fmt);
        row.design = checkNumberText(c.Ed, fmt);
        row.resistance = checkNumberText(c.Rd, fmt);
        row.unit = std::string(unitOf(c.id));
        row.utilisation = plainText(c.utilisation, fmt);
        row.verdict = say(c.passes ? Message::ReportPasses : Message::ReportFails, language);
        row.passes = c.passes;
        t.checks.push_back(std::move(row));
    }
    t.governing = r.governing;
    t.anchorHeader = {say(Message::LimitStateAnchorSupport, language),
                      say(Message::LimitStateAnchorPressure, language),
                      say(Message::LimitStateAnchorSuction, language),
                      say(Message::LimitStateAnchorDead, language),
                      say(Message::LimitStateAnchorDeadAcross, language)};
    for (int k = 0; k < r.anchorCount; ++k) {
        const AnchorForce& a = r.anchors[std::size_t(k)];
        t.anchorRows.push_back({std::to_string(k + 1), checkNumberText(a.pressureChar_kN, fmt),
                                checkNumberText(a.suctionChar_kN, fmt),
                                checkNumberText(a.deadAlongChar_kN, fmt),
                                checkNumberText(a.deadAcrossChar_kN, fmt)});
    }
    if (run.noRowPasses)
        t.notes.push_back(say(Message::LimitStateNoRowPasses, language));
    for (Message m : assumptionsOf(r))
        t.notes.push_back(say(m, language));
    if (r.profileMassUnknown)
        t.notes.push_back(say(Message::LimitStateNoteMassUnknown, language));
    return t;
}

std::string limitStateVerdictText(const LimitStateRun& run, Language language,
                                  const NumberFormat& fmt) {
    const LimitStateResult& r = run.result;
    const std::string_view code =
        run.mullion ? std::string_view(run.mullion->code) : std::string_view();
    if (!r.valid || r.governing < 0)
        return say(Message::LimitStateNotChecked, language);
    const LimitStateCheck& g = r.checks[std::size_t(r.governing)];
    const std::string check = say(checkName(g.id), language);
    const std::string u = plainText(g.utilisation, fmt);
    if (run.noRowPasses)
        return say(Message::VerdictLimitStatesNoRow, language, {code, check, u});
    switch (r.verdict) {
    case LimitStateVerdict::Passes:
        return say(Message::VerdictLimitStatesPass, language, {code, check, u});
    case LimitStateVerdict::PassesUnverified:
        return say(Message::VerdictLimitStatesPassAssumed, language,
                   {code, check, u, assumptionsText(r, language)});
    case LimitStateVerdict::Fails: break;
    }
    return say(Message::VerdictLimitStatesFail, language, {code, check, u});
}

}  // namespace cw
