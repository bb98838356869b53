#include "report/limit_state_section.h"

#include "bay/limit_state_texts.h"
#include "report/bay_diagrams.h"

#include <cmath>

namespace cw::report {

namespace {

// Apart from the groups of the sections before, which count up from 1.
constexpr int kFirstCheckGroup = 1000;
constexpr int kFirstTransomFigureGroup = 2000;
constexpr int kFirstMullionFigureGroup = 3000;
constexpr int kFirstAnchorGroup = 4000;

// A minus sign, not a hyphen, before a negative number, as the rest of the report prints.
std::string minus(std::string s) {
    if (!s.empty() && s[0] == '-')
        s.replace(0, 1, "−");
    return s;
}

// The resistance formula of a check with the numbers put in, where the run kept them.
std::pair<std::string, std::string> resistanceFormula(const LimitStateCheck& c,
                                                      const LimitStateRun& run,
                                                      const PartialFactors& f,
                                                      const NumberFormat& fmt) {
    const auto n = [&](double v) { return checkNumberText(v, fmt); };
    const double fo = run.result.fo_MPa;
    switch (c.id) {
    case CheckId::MullionBending:
        if (run.mullion && run.mullion->wx_cm3 > 0.0 && fo > 0.0) {
            // alpha back from the resistance: 1 where the class is not known.
            const double W = run.mullion->wx_cm3;
            const double alpha = c.Rd * f.gammaM1 * 1000.0 / (W * fo);
            return {
                "M_Rd = α · W_el · f_o / γM1 / 1000,  W_el cm³, f_o N/mm²",
                "= " + n(alpha) + " · " + n(W) + " · " + n(fo) + " / " + n(f.gammaM1) + " / 1000"};
        }
        break;
    case CheckId::MullionShear: return {"V_Rd = A_v · f_o / (√3 · γM1)", ""};
    case CheckId::MullionBendingShear:
        return {"M_V,Rd = M_Rd · (1 − ρ), ρ = (2 V_Ed / V_Rd − 1)²", ""};
    case CheckId::MullionAxialBending:
    case CheckId::TransomBending: return {"N_Ed / N_Rd + M_Ed / M_Rd ≤ 1", ""};
    case CheckId::MullionDeflection:
    case CheckId::TransomDeflection:
    case CheckId::TransomBlockDeflection: return {"δ ≤ δ_lim", ""};
    }
    return {"", ""};
}

// A figure with the lines that say what it is under, kept on one page.
void appendFigure(std::vector<Block>& blocks, const std::vector<std::string>& captions,
                  const BeamDiagrams& diagrams, Language lang, const NumberFormat& fmt,
                  int group) {
    const std::size_t first = blocks.size();
    for (const std::string& caption : captions)
        blocks.push_back(makeBlock(BlockKind::Text, caption));
    Block b = makeBlock(BlockKind::Diagrams);
    b.picture = std::make_shared<const BlockPicture>(BlockPicture{{}, {}, {}, diagrams});
    b.language = lang;
    b.format = fmt;
    blocks.push_back(std::move(b));
    for (std::size_t i = first; i < blocks.size(); ++i)
        blocks[i].keep = group;
}

}  // namespace

void appendLimitStateBlocks(std::vector<Block>& blocks, const ReportBay& bay) {
    if (!bay.run.limitStates)
        return;
    const LimitStateRun& run = *bay.run.limitStates;
    const Language lang = bay.language;
    const NumberFormat& fmt = bay.fmt();
    const PartialFactors& factors = run.options.factors;
    const Alloy* alloy = findAlloy(bay.document.alloy);
    const LimitStateTexts t =
        limitStateTexts(run, alloy ? *alloy : defaultAlloy(), factors, lang, fmt);
    blocks.push_back(makeBlock(BlockKind::Heading, say(Message::LimitStateChecksTitle, lang)));
    blocks.push_back(makeBlock(BlockKind::Text, t.heading));
    blocks.push_back(makeBlock(BlockKind::Text, factorsUsedText(factors, lang, fmt)));
    if (const std::string snow = snowUsedText(run, lang, fmt); !snow.empty())
        blocks.push_back(makeBlock(BlockKind::Text, snow));
    if (!t.sectionClass.empty())
        blocks.push_back(makeBlock(BlockKind::Text, t.sectionClass));
    const LimitStateResult& r = run.result;
    for (int k = 0; r.valid && k < r.checkCount; ++k) {
        const LimitStateCheck& c = r.checks[std::size_t(k)];
        const LimitStateCheckText& ct = t.checks[std::size_t(k)];
        // A check, its formula and its verdict stay on one page.
        const std::size_t first = blocks.size();
        blocks.push_back(makeBlock(BlockKind::Row, ct.check, ct.clause, ct.combination));
        const auto [symbols, numbers] = resistanceFormula(c, run, factors, fmt);
        const std::string rd = ct.resistance + (ct.unit.empty() ? "" : " " + ct.unit);
        if (!numbers.empty())
            blocks.push_back(makeBlock(BlockKind::Formula, symbols, numbers, rd));
        else if (!symbols.empty())
            blocks.push_back(makeBlock(BlockKind::Row, symbols, rd));
        // Rounded up to three decimals, so not the quotient's nearest: a row, not a formula.
        blocks.push_back(makeBlock(BlockKind::Row, "u = E_d / R_d",
                                   "= " + minus(ct.design) + " / " + minus(ct.resistance),
                                   ct.utilisation));
        blocks.push_back(makeBlock(BlockKind::Verdict,
                                   ct.check + ": " + say(Message::ReportUtilisation, lang) + " " +
                                       ct.utilisation + " — " + ct.verdict,
                                   {}, {}, c.passes));
        for (std::size_t i = first; i < blocks.size(); ++i)
            blocks[i].keep = kFirstCheckGroup + k;
    }
    // The mullion as the checks analysed it, under each combination a check came from: the
    // allowable basis' figure above is the closed-form beam under the run's own load.
    const BayDiagrams drawn = bayDiagrams(bay.run);
    if (const std::vector<SetOfChecks> sets = mullionSetsOfChecks(drawn, r); !sets.empty()) {
        blocks.push_back(
            makeBlock(BlockKind::Heading, say(Message::ReportHeadingLimitStateDiagrams, lang)));
        for (const SetOfChecks& s : sets) {
            const LoadCaseDiagrams& set = drawn.cases[s.set];
            std::string checks;
            for (const int k : s.checks)
                checks += (checks.empty() ? "" : ", ") + t.checks[std::size_t(k)].check;
            appendFigure(blocks,
                         {say(Message::DiagramCombinationBasis, lang,
                              {loadCaseName(set, factors, lang, fmt),
                               checkNumberText(set.input.q_kNm, fmt),
                               checkNumberText(set.input.beam.EI_kNm2, fmt), checks})},
                         set.diagrams, lang, fmt, kFirstMullionFigureGroup + int(s.set));
        }
    }
    // The transom's diagrams after its checks, from the loads they took.
    if (const std::vector<LoadCaseDiagrams> transom = transomCases(r); !transom.empty()) {
        blocks.push_back(
            makeBlock(BlockKind::Heading, say(Message::ReportHeadingTransomDiagrams, lang)));
        for (const LoadCaseDiagrams& set : transom) {
            appendFigure(blocks,
                         {loadCaseName(set, factors, lang, fmt), transomBasisText(set, lang, fmt)},
                         set.diagrams, lang, fmt, kFirstTransomFigureGroup + int(*set.transom));
        }
    }
    if (!t.anchorRows.empty()) {
        blocks.push_back(makeBlock(BlockKind::Heading, say(Message::LimitStateAnchors, lang)));
        // The dead loads on a line of their own under the wind's: the unit column is too
        // narrow for them.
        for (std::size_t i = 0; i < t.anchorRows.size(); ++i) {
            const std::vector<std::string>& row = t.anchorRows[i];
            blocks.push_back(makeBlock(BlockKind::Row, t.anchorHeader[0] + " " + row[0],
                                       t.anchorHeader[1] + " " + minus(row[1]) + ", " +
                                           t.anchorHeader[2] + " " + minus(row[2])));
            blocks.push_back(makeBlock(BlockKind::Row, "",
                                       t.anchorHeader[3] + " " + minus(row[3]) + ", " +
                                           t.anchorHeader[4] + " " + minus(row[4])));
            blocks[blocks.size() - 2].keep = blocks.back().keep = kFirstAnchorGroup + int(i);
        }
    }
    for (const std::string& note : t.notes)
        blocks.push_back(makeBlock(BlockKind::Text, note));
    const bool ok = r.valid && !run.noRowPasses && r.verdict != LimitStateVerdict::Fails;
    blocks.push_back(
        makeBlock(BlockKind::Verdict, limitStateVerdictText(run, lang, fmt), {}, {}, ok));
}

}  // namespace cw::report
