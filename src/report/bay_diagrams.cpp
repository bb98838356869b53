#include "report/bay_diagrams.h"

#include "bay/limit_state_texts.h"
#include "report/report_bay.h"
#include "text/messages.h"

#include <algorithm>
#include <cmath>

namespace cw::report {

namespace {

bool isMullionCheck(CheckId id) {
    switch (id) {
    case CheckId::MullionBending:
    case CheckId::MullionShear:
    case CheckId::MullionBendingShear:
    case CheckId::MullionAxialBending:
    case CheckId::MullionDeflection: return true;
    case CheckId::TransomBending:
    case CheckId::TransomDeflection:
    case CheckId::TransomBlockDeflection: return false;
    }
    return false;
}

// The combination the mullion's most utilised check came from: the diagrams are the
// mullion's, so a transom check governing the bay does not choose them.
std::optional<CombinationId> governingCombination(const LimitStateResult& r) {
    const LimitStateCheck* worst = nullptr;
    for (int k = 0; k < r.checkCount; ++k) {
        const LimitStateCheck& c = r.checks[std::size_t(k)];
        if (isMullionCheck(c.id) && (!worst || c.utilisation > worst->utilisation))
            worst = &c;
    }
    return worst ? std::optional(worst->combination) : std::nullopt;
}

void limitStateCases(const BayInput& in, const LimitStateResult& r, BayDiagrams& out) {
    if (!r.valid || !(r.mullionEI_kNm2 > 0.0))
        return;
    const std::optional<CombinationId> governing = governingCombination(r);
    for (int k = 0; k < r.mullionLoadCount; ++k) {
        const CombinationLoad& load = r.mullionLoads[std::size_t(k)];
        LoadCaseDiagrams set;
        set.combination = load.combination;
        set.input.beam.system = in.system;
        set.input.beam.spanL1_m = in.spanL1_cm / 100.0;
        set.input.beam.spanL2_m = in.system == StaticSystem::TwoSpans ? in.spanL2_cm / 100.0 : 0.0;
        set.input.beam.EI_kNm2 = r.mullionEI_kNm2;
        set.input.q_kNm = load.q_kNm;
        // The deflection is checked under the characteristic combinations only.
        set.input.hasDeflection = !load.ultimate;
        set.diagrams = computeDiagrams(set.input);
        if (!set.diagrams.valid)
            continue;
        if (governing && load.combination == *governing)
            out.governing = out.cases.size();
        out.cases.push_back(std::move(set));
    }
    for (LoadCaseDiagrams& set : transomCases(r))
        out.cases.push_back(std::move(set));
}

}  // namespace

BayDiagrams bayDiagrams(const BayOutcome& run) {
    BayDiagrams out;
    if (!run.completed || run.refusal)
        return out;
    if (run.limitStates) {
        limitStateCases(run.input, run.limitStates->result, out);
        return out;
    }
    LoadCaseDiagrams set;
    set.input = mullionDiagramInput(run.input, run.design);
    set.diagrams = computeDiagrams(set.input);
    if (set.diagrams.valid)
        out.cases.push_back(std::move(set));
    return out;
}

BayDiagrams bayDiagrams(const BayDocument& bay, const NumberFormat& fmt,
                        const Catalogue* catalogue) {
    const ReportBay r = collectBay(std::string(), bay, fmt, std::nullopt, catalogue);
    if (r.refusal)
        return {};
    return bayDiagrams(r.run);
}

std::vector<SetOfChecks> mullionSetsOfChecks(const BayDiagrams& diagrams,
                                             const LimitStateResult& r) {
    std::vector<SetOfChecks> out;
    for (int k = 0; r.valid && k < r.checkCount; ++k) {
        const LimitStateCheck& c = r.checks[std::size_t(k)];
        if (!isMullionCheck(c.id))
            continue;
        const auto set = std::find_if(diagrams.cases.begin(), diagrams.cases.end(),
                                      [&](const LoadCaseDiagrams& s) {
                                          return !s.transom && s.combination == c.combination;
                                      });
        if (set == diagrams.cases.end())
            continue;
        const auto index = std::size_t(set - diagrams.cases.begin());
        const auto seen = std::find_if(out.begin(), out.end(),
                                       [&](const SetOfChecks& s) { return s.set == index; });
        if (seen != out.end())
            seen->checks.push_back(k);
        else
            out.push_back({index, {k}});
    }
    return out;
}

std::vector<LoadCaseDiagrams> transomCases(const LimitStateResult& r) {
    std::vector<LoadCaseDiagrams> out;
    if (!r.valid || !r.transomLoads)
        return out;
    for (TransomAxis axis : {TransomAxis::Strong, TransomAxis::Weak}) {
        LoadCaseDiagrams set;
        set.transom = axis;
        set.transomInput = transomDiagramInput(*r.transomLoads, axis);
        set.diagrams = computeTransomDiagrams(set.transomInput);
        if (set.diagrams.valid)
            out.push_back(std::move(set));
    }
    return out;
}

std::string loadCaseName(const LoadCaseDiagrams& set, const PartialFactors& f, Language language,
                         const NumberFormat& fmt) {
    if (set.transom)
        return say(*set.transom == TransomAxis::Strong ? Message::DiagramTransomStrong
                                                       : Message::DiagramTransomWeak,
                   language);
    return set.combination ? combinationText(*set.combination, f, fmt) : std::string();
}

std::string transomBasisText(const LoadCaseDiagrams& set, Language language,
                             const NumberFormat& fmt) {
    if (!set.transom)
        return {};
    const TransomDiagramInput& in = set.transomInput;
    const auto n = [&](double v) { return checkNumberText(v, fmt); };
    if (*set.transom == TransomAxis::Strong)
        return say(Message::DiagramTransomStrongBasis, language, {n(in.factor), n(in.EI_kNm2)});
    return say(Message::DiagramTransomWeakBasis, language,
               {n(in.factor), n(in.blockLoad_kN), n(in.blockX_m), n(in.EI_kNm2)});
}

Figure bayDiagramFigure(const BayDiagrams& diagrams, std::size_t set, Language language,
                        const NumberFormat& fmt, double width_mm) {
    if (set >= diagrams.cases.size())
        return {};
    return diagramFigure(diagrams.cases[set].diagrams, language, fmt, width_mm);
}

}  // namespace cw::report
