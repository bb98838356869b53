// The calculation of one bay as a checking engineer follows it: inputs, pictures, loads, the
// deflection limit, every required value as a formula with its numbers, the suggested
// profiles with their checks, and the support reactions. Every value the window shows is
// taken as the window shows it.

#include "report/report_content.h"

#include "report/limit_state_section.h"
#include "report/report_writer.h"

#include "bay/number_text.h"
#include "design/catalogue.h"
#include "design/support_reactions.h"
#include "text/messages.h"

#include <algorithm>
#include <cmath>

namespace cw::report {

namespace {

using namespace detail;
bool twoSpans(const BayInput& in) {
    return in.system == StaticSystem::TwoSpans;
}

Message seriesPhrase(Series s) {
    switch (s) {
    case Series::Veltra: return Message::ReportSeriesVeltra;
    case Series::KorinDalvo: return Message::ReportSeriesKorin;
    case Series::Terrax: return Message::ReportSeriesTerrax;
    }
    return Message::ReportSeriesVeltra;
}

Message spanCasePhrase(SpanCase c) {
    switch (c) {
    case SpanCase::OneSpan: return Message::ReportCaseOneSpan;
    case SpanCase::FixedEnds: return Message::ReportCaseFixedEnds;
    case SpanCase::EqualSpans: return Message::ReportCaseEqualSpans;
    case SpanCase::UnequalSpans: return Message::ReportCaseUnequalSpans;
    case SpanCase::ShortUpperSpan: return Message::ReportCaseShortUpperSpan;
    }
    return Message::ReportCaseOneSpan;
}

Message rulePhrase(DeflectionRule r) {
    switch (r) {
    case DeflectionRule::SpanOverDivisor: return Message::ReportRuleSpanOverDivisor;
    case DeflectionRule::AllowableDeflection: return Message::ReportRuleAllowable;
    case DeflectionRule::Cap15mm: return Message::ReportRuleCap15;
    case DeflectionRule::SpanOver200: return Message::ReportRuleSpanOver200;
    case DeflectionRule::FiveMmPlusSpanOver300: return Message::ReportRuleFivePlusSpanOver300;
    case DeflectionRule::SpanOver250: return Message::ReportRuleSpanOver250;
    }
    return Message::ReportRuleCap15;
}

bool isRuleOf2015(DeflectionRule r) {
    return r == DeflectionRule::SpanOver200 || r == DeflectionRule::FiveMmPlusSpanOver300 ||
           r == DeflectionRule::SpanOver250;
}

bool ratioGoverns(const BayDesign& d) {
    return d.rule == DeflectionRule::SpanOverDivisor;
}

// The user catalogue's row the mullion was chosen from, with the properties it gives.
void catalogueRow(Writer& w, const ReportBay& bay, const MullionCheck& m) {
    if (!bay.catalogue)
        return;
    for (const MullionRow& row : bay.catalogue->mullions) {
        if (row.code != m.code)
            continue;
        std::string text = row.code + ": Ix = " + w.n(double(row.ix_mm4) / 10000.0) +
                           " cm⁴, Wx = " + w.n(row.wx_cm3) + " cm³";
        const SectionExtras& x = row.extras;
        if (x.iy_cm4)
            text += ", Iy = " + w.n(*x.iy_cm4) + " cm⁴";
        if (x.area_cm2)
            text += ", A = " + w.n(*x.area_cm2) + " cm²";
        if (x.mass_kg_m)
            text += ", " + w.n(*x.mass_kg_m) + " kg/m";
        if (!x.alloy.empty())
            text += ", " + x.alloy;
        w.row(w.t(Message::ReportCatalogueRow), text);
        if (m.insert) {
            const SteelInsert& s = m.insert->steel;
            const char* grade = s.grade == SteelGrade::S235   ? "S235"
                                : s.grade == SteelGrade::S275 ? "S275"
                                                              : "S355";
            w.row(w.t(Message::ReportSteelInsert),
                  "Ix,st = " + w.n(s.ix_cm4) + " cm⁴, Wx,st = " + w.n(s.wx_cm3) + " cm³, " + grade +
                      "; Ix,eff = " + w.n(m.ix_cm4) +
                      " cm⁴; σst = " + w.n(m.insert->bending.steelStress_Nmm2) + " N/mm² (" +
                      w.n(m.insert->bending.steelUtilisation * 100.0) + " % fy)");
        }
        return;
    }
}

void inputs(Writer& w, const ReportBay& bay) {
    const BayInput& in = bay.input;
    w.heading(Message::ReportHeadingInputs);
    w.row(w.t(Message::ReportSeries), w.t(seriesPhrase(in.series)));
    if (const auto& ref = bay.document.catalogue) {
        w.row(w.t(Message::ReportCatalogue), ref->name);
        w.row(w.t(Message::CatalogueColumnFile), ref->path);
        w.row("SHA-256", ref->sha256);
    }
    w.row(w.t(Message::ReportStaticSystem), w.t(spanCasePhrase(bay.design.spanCase)));
    w.row(w.t(Message::ReportGridWidthA1), w.n(in.gridWidthA1_cm), "cm");
    w.row(w.t(Message::ReportGridWidthA2), w.n(in.gridWidthA2_cm), "cm");
    w.row(w.t(Message::ReportSpanL1), w.n(in.spanL1_cm), "cm");
    if (twoSpans(in))
        w.row(w.t(Message::ReportSpanL2), w.n(in.spanL2_cm), "cm");
    w.row(w.t(Message::ReportGlazingH1), w.n(in.glazingHeightH1_cm), "cm");
    w.row(w.t(Message::ReportGlazingH2), w.n(in.glazingHeightH2_cm), "cm");
    w.row(w.t(Message::ReportGlassThickness), w.n(in.glassThickness_mm), "mm");
    w.row(w.t(Message::ReportDivisor), w.n(double(in.divisor)));
    w.row(w.t(Message::ReportAllowableDeflection), w.n(in.allowableDeflection_mm), "mm");
    // The edition whose rule the run applied, which is what the window's figures follow.
    w.row(w.t(Message::ReportCriterion),
          isRuleOf2015(bay.design.rule) ? "EN 13830:2015+A1" : "EN 13830:2003");
    if (in.series == Series::Terrax && bay.design.slopedGlazing) {
        w.row(w.t(Message::ReportStructureWeight), w.n(in.structureWeight_kNm2), "kN/m²");
        w.row(w.t(Message::ReportSnowHeight), w.n(in.snowHeight_cm), "cm");
        w.row(w.t(Message::ReportSlope), w.n(in.slope_deg), "°");
    }
}

void pictures(Writer& w, const ReportBay& bay, const SupportReactions& reactions, double q_kNm) {
    const BayInput& in = bay.input;
    w.heading(Message::ReportHeadingSystem);
    Block picture = makeBlock(BlockKind::Elevation);
    auto drawn = std::make_shared<BlockPicture>();
    ElevationInput& e = drawn->elevation;
    // Lengths in cm, as the caption under the picture says: the grid widths of a narrow
    // elevation leave no room for units.
    const auto cm = [&](const char* symbol, double v) {
        return std::string(symbol) + " = " + w.n(v);
    };
    e.a1_cm = in.gridWidthA1_cm;
    e.a2_cm = in.gridWidthA2_cm;
    e.l1_cm = in.spanL1_cm;
    e.l2_cm = twoSpans(in) ? in.spanL2_cm : 0.0;
    e.h1_cm = in.glazingHeightH1_cm;
    e.h2_cm = in.glazingHeightH2_cm;
    e.a1Text = cm("A1", in.gridWidthA1_cm);
    e.a2Text = cm("A2", in.gridWidthA2_cm);
    e.h1Text = cm("H1", in.glazingHeightH1_cm);
    e.h2Text = cm("H2", in.glazingHeightH2_cm);
    if (twoSpans(in)) {
        e.l1Text = cm("L1", in.spanL1_cm);
        e.l2Text = cm("L2", in.spanL2_cm);
        e.totalText = cm("L", in.spanL1_cm + in.spanL2_cm);
    } else {
        e.l1Text = cm("L", in.spanL1_cm);
    }
    if (bay.design.slopedGlazing) {
        e.slope_deg = in.slope_deg;
        e.slopeText = "α = " + w.n(in.slope_deg) + "°";
    }
    picture.picture = std::move(drawn);
    w.add(std::move(picture));

    Block drawing = makeBlock(BlockKind::Drawing);
    auto system = std::make_shared<BlockPicture>();
    SystemDrawing& s = system->drawing;
    s.system = in.system;
    s.spanL1_m = in.spanL1_cm / 100.0;
    s.spanL2_m = twoSpans(in) ? in.spanL2_cm / 100.0 : 0.0;
    s.lineLoad = "q = " + w.fixed(q_kNm) + " kN/m";
    s.spanTexts.push_back((twoSpans(in) ? "L1 = " : "L = ") + w.fixed(s.spanL1_m) + " m");
    if (twoSpans(in))
        s.spanTexts.push_back("L2 = " + w.fixed(s.spanL2_m) + " m");
    for (std::size_t i = 0; i < reactions.reactions_kN.size(); ++i)
        s.reactionTexts.push_back("R" + std::to_string(i + 1) + " = " +
                                  w.fixed(reactions.reactions_kN[i]) + " kN");
    s.uplift = reactions.uplift;
    drawing.picture = std::move(system);
    w.add(std::move(drawing));
    w.text(w.t(Message::ReportPictureCaption));
}

void deflectionLimit(Writer& w, const ReportBay& bay) {
    const BayInput& in = bay.input;
    const BayDesign& d = bay.design;
    w.heading(Message::ReportHeadingDeflection);
    // The limit and the rule that gave it read as one.
    w.beginGroup();
    if (isRuleOf2015(d.rule)) {
        const std::string L1 = w.n(in.spanL1_cm * 10.0);
        const std::string limit = w.shown(Field::DesignedDeflectionLimit) + " mm";
        if (d.rule == DeflectionRule::SpanOver200)
            w.formula("δ_lim = L1 / 200", "= " + L1 + " / 200", limit);
        else if (d.rule == DeflectionRule::FiveMmPlusSpanOver300)
            w.formula("δ_lim = 5 mm + L1 / 300", "= 5 + " + L1 + " / 300", limit);
        else
            w.formula("δ_lim = L1 / 250", "= " + L1 + " / 250", limit);
        w.row(w.t(Message::ReportRuleGoverned), w.t(rulePhrase(d.rule)));
        w.endGroup();
        return;
    }
    w.formula("L1 / d", "= " + w.n(in.spanL1_cm) + " / " + w.n(double(in.divisor)),
              w.fixed(in.spanL1_cm / double(in.divisor)) + " cm");
    w.formula("f_max = min(f" + w.sep() + "15 mm)",
              "= min(" + w.n(in.allowableDeflection_mm) + w.sep() + "15)",
              w.fixed(d.allowableLimit_cm * 10.0) + " mm");
    w.row(w.t(Message::ReportRuleGoverned), w.t(rulePhrase(d.rule)));
    w.row(w.t(Message::ReportDesignedLimit), w.shown(Field::DesignedDeflectionLimit), "mm");
    w.endGroup();
}

void required(Writer& w, const ReportBay& bay, double q_kNcm) {
    const BayInput& in = bay.input;
    const BayDesign& d = bay.design;
    w.heading(Message::ReportHeadingRequired);
    const bool ratio = ratioGoverns(d);
    const std::string lim = isRuleOf2015(d.rule) ? "δ_lim" : ratio ? "(L1 / d)" : "f_max";
    // L1 / d as the quotient it is, so that the line holds whatever its digits.
    const std::string limValue =
        ratio ? "(" + w.n(in.spanL1_cm) + " / " + w.n(double(in.divisor)) + ")"
              : w.n(d.allowableLimit_cm);
    const std::string L1 = w.n(in.spanL1_cm);
    const std::string b = w.shown(Field::LoadWidth);
    const std::string p = w.n(d.designPressure_kNm2);
    const std::string jx = w.shown(Field::RequiredMullionJx) + " cm⁴";
    const std::string E = kE_kNcm2;
    switch (d.spanCase) {
    case SpanCase::OneSpan:
    case SpanCase::FixedEnds:
    case SpanCase::EqualSpans: {
        const bool terrax = in.series == Series::Terrax;
        const bool fixedEnds = d.spanCase == SpanCase::FixedEnds && !terrax;
        // Terrax forms two equal spans with the one-span constant.
        const bool equal = d.spanCase == SpanCase::EqualSpans && !terrax;
        const std::string c = fixedEnds ? "" : "5 · ";
        const std::string k = equal ? "922" : "384";
        w.formula(
            "Jx = " + c + "q · L1⁴ / (" + k + " · E · " + lim + ")" + kE_kNcm2Symbol,
            "= " + c + w.n(q_kNcm) + " · " + L1 + "⁴ / (" + k + " · " + E + " · " + limValue + ")",
            jx);
        break;
    }
    case SpanCase::UnequalSpans: {
        const std::string L = w.n(d.totalLength_cm);
        w.formula("Jx = p · b · L1² · (9 · L · L1 − 3 · L² − 4 · L1²) / (384 · E · " + lim +
                      " · 10⁴)" + kE_kNcm2Symbol,
                  "= " + p + " · " + b + " · " + L1 + "² · (9 · " + L + " · " + L1 + " − 3 · " + L +
                      "² − 4 · " + L1 + "²) / (384 · " + E + " · " + limValue + " · 10⁴)",
                  jx);
        break;
    }
    case SpanCase::ShortUpperSpan: {
        const std::string L = w.n(d.totalLength_cm);
        w.formula(
            "Jx = p · b · L⁴ / (185 · E · " + lim + " · 10⁴)" + kE_kNcm2Symbol,
            "= " + p + " · " + b + " · " + L + "⁴ / (185 · " + E + " · " + limValue + " · 10⁴)",
            jx);
        break;
    }
    }
    w.formula("M = p · b · L1² / 80\u00a0000  (= q · L1² / 8)",
              "= " + p + " · " + b + " · " + L1 + "² / 80\u00a0000",
              w.shown(Field::RequiredMoment) + " kNcm");
    w.formula("Wx = M / σ_allow",
              "= " + w.shown(Field::RequiredMoment) + " / " + w.n(kAllowableStress_kNcm2),
              w.shown(Field::RequiredWx) + " cm³");

    // The transom spans the wider grid width B and carries half of each glazing height.
    const double B = d.transomSpan_cm / 100.0;
    const std::string Bm = w.n(B);
    const auto term = [&](double H) {
        return "100 · " + p + " · (" + w.n(H) + " / 200) · " + Bm + "⁴ / (8400 · " + Bm + " / 300)";
    };
    w.formula(
        "Jx,t = Σ 100 · p · (H / 200) · B⁴ / (8400 · B / 300),  B = max(A1" + w.sep() + "A2) / 100",
        "= " + term(in.glazingHeightH1_cm) + " + " + term(in.glazingHeightH2_cm),
        w.shown(Field::RequiredTransomJx) + " cm⁴");
    const double P_N = 10.0 * (d.glassWeight_kgm2 * (in.glazingHeightH2_cm * B / 100.0) / 2.0);
    w.formula("P = 10 · " + w.n(2.5) + " · t · (H2 · B / 100) / 2",
              "= 10 · " + w.n(2.5) + " · " + w.n(in.glassThickness_mm) + " · (" +
                  w.n(in.glazingHeightH2_cm) + " · " + Bm + " / 100) / 2",
              w.n(P_N) + " N");
    // Two setting blocks a from the ends of the span Ls, never past its middle.
    const double Ls_mm = d.transomSpan_cm * 10.0;
    const std::string Ls = w.n(Ls_mm);
    const std::string a = w.n(std::min(150.0, Ls_mm / 2.0));
    w.formula("Jy,t = P · a · Ls² · (3 − 4 · (a / Ls)²) / (24 · E · 3 mm · 10⁴),  a = min(150 mm" +
                  w.sep() + "Ls / 2)" + kE_Nmm2Symbol,
              "= " + w.n(P_N) + " · " + a + " · " + Ls + "² · (3 − 4 · (" + a + " / " + Ls +
                  ")²) / (24 · " + kE_Nmm2 + " · 3 · 10⁴)",
              w.shown(Field::RequiredTransomJy) + " cm⁴");
}

void suggested(Writer& w, const ReportBay& bay) {
    const BayInput& in = bay.input;
    const BayDesign& d = bay.design;
    w.heading(Message::ReportHeadingProfiles);
    w.row(w.t(Message::ReportSuggestedTransom), w.shown(Field::SuggestedTransom));
    if (const std::optional<TransomBand> band = d.transomBand)
        w.row(w.t(Message::ReportCatalogueRange),
              w.n(band->lower_cm4) + " < Jx,t ≤ " + w.n(band->upper_cm4), "cm⁴");
    if (!d.mullion) {
        w.verdict(w.t(Message::ReportNoMullionFits), false);
        return;
    }
    const MullionCheck& m = *d.mullion;
    w.row(w.t(Message::ReportSuggestedMullion), w.shown(Field::SuggestedMullion));
    w.row(w.t(Message::ReportMullionChoice),
          "Ix = " + w.shown(Field::SuggestedIx) +
              (m.ix_cm4 >= d.requiredMullionJx_cm4 ? " ≥ " : " < ") +
              "Jx,req = " + w.shown(Field::RequiredMullionJx),
          "cm⁴");
    w.row("e", w.n(m.fibre_mm), "mm");
    catalogueRow(w, bay, m);
    w.formula("Wx = Ix / e", "= " + w.shown(Field::SuggestedIx) + " / " + w.n(m.fibre_mm / 10.0),
              w.shown(Field::SuggestedWx) + " cm³");

    w.heading(Message::ReportHeadingCheck);
    // Both checks with their substituted formulas and verdicts on one page.
    w.beginGroup();
    // Its verdict may differ from the limit states' (the one-span formula here, the beam
    // there): say which one decides.
    if (bay.document.basis == DesignBasis::LimitStates)
        w.text(w.t(Message::ReportAllowableForComparison));
    const bool terrax = in.series == Series::Terrax;
    const bool fixedEnds = d.spanCase == SpanCase::FixedEnds && !terrax;
    const std::string c = fixedEnds ? "" : "5 · ";
    const std::string k = d.spanCase == SpanCase::EqualSpans ? "922" : "384";
    // Sloped glazing is checked under the load it was designed for; the other cases under
    // the wind pressure as its field shows it.
    const bool sloped = d.slopedGlazing.has_value();
    const double pCheck =
        sloped ? d.designPressure_kNm2 : in.windPressureShown_kNm2.value_or(in.windPressure_kNm2);
    const std::string p = sloped ? "p_d" : "p";
    w.formula("δ = " + c + "q · L1⁴ / (" + k + " · E · Ix),  q = b · " + p + " / 100 N/mm" +
                  kE_Nmm2Symbol,
              "= " + c + "(" + w.shown(Field::LoadWidth) + " · " + w.n(pCheck) + " / 100) · " +
                  w.n(in.spanL1_cm * 10.0) + "⁴ / (" + k + " · " + kE_Nmm2 + " · " +
                  w.n(double(m.ix_mm4)) + ")",
              w.shown(Field::MullionDeflection) + " mm");
    w.formula("σ = M / Wx",
              "= " + w.shown(Field::RequiredMoment) + " / " + w.shown(Field::SuggestedWx),
              w.shown(Field::MullionStress) + " kN/cm²");

    const bool deflectionOk = bay.run.verdicts.deflectionPasses.value_or(m.deflectionPasses);
    const bool stressOk = bay.run.verdicts.stressPasses.value_or(m.stressPasses);
    w.verdict(w.t(Message::ReportDeflectionCheck) + ": δ = " + w.shown(Field::MullionDeflection) +
                  " mm " + (deflectionOk ? "≤ " : "> ") + w.shown(Field::DesignedDeflectionLimit) +
                  " mm, " + w.t(Message::ReportUtilisation) + " " +
                  w.fixed(m.deflectionUtilisation) + " — " +
                  w.t(deflectionOk ? Message::ReportPasses : Message::ReportFails),
              deflectionOk);
    w.verdict(w.t(Message::ReportStressCheck) + ": σ = " + w.shown(Field::MullionStress) +
                  " kN/cm² " + (stressOk ? "≤ " : "> ") + w.n(kAllowableStress_kNcm2) +
                  " kN/cm², " + w.t(Message::ReportUtilisation) + " " +
                  w.fixed(m.stressUtilisation) + " — " +
                  w.t(stressOk ? Message::ReportPasses : Message::ReportFails),
              stressOk);
    w.endGroup();
    const bool ok = deflectionOk && stressOk;
    w.verdict(w.t(ok ? Message::ReportMullionPasses : Message::ReportMullionFails) + " " +
                  w.shown(Field::SuggestedMullion),
              ok);
}

// The mullion's moment, shear and deflection as the beam of its static system.
void diagrams(Writer& w, const ReportBay& bay) {
    const DiagramInput input = mullionDiagramInput(bay.input, bay.design);
    w.heading(Message::ReportHeadingDiagrams);
    w.text(say(Message::DiagramBasis, bay.language,
               {w.fixed(input.q_kNm), input.hasDeflection ? w.n(input.beam.EI_kNm2) : "—"}));
    Block b = makeBlock(BlockKind::Diagrams);
    b.picture = std::make_shared<const BlockPicture>(BlockPicture{{}, {}, input, std::nullopt});
    b.language = bay.language;
    b.format = bay.fmt();
    w.add(std::move(b));
    if (!input.hasDeflection)
        w.text(w.t(Message::DiagramNoDeflection));
    if (bay.input.system != StaticSystem::OneSpan)
        w.text(w.t(Message::DiagramChecksNote));
}

void supportValues(Writer& w, const ReportBay& bay, const SupportReactions& r, double q_kNm) {
    const BayInput& in = bay.input;
    w.heading(Message::ReportHeadingReactions);
    // The moment and the reactions that read it.
    w.beginGroup();
    const std::string q = w.n(q_kNm);
    const double L1m = in.spanL1_cm / 100.0;
    const std::string L1 = w.n(L1m);
    const auto kN = [&](double v) { return w.fixed(v) + " kN"; };
    switch (in.system) {
    case StaticSystem::OneSpan:
        w.formula("R1 = R2 = q · L / 2", "= " + q + " · " + L1 + " / 2", kN(r.reactions_kN[0]));
        break;
    case StaticSystem::FixedEnds:
        w.formula("R1 = R2 = q · L / 2", "= " + q + " · " + L1 + " / 2", kN(r.reactions_kN[0]));
        w.formula("M1 = M2 = −q · L² / 12", "= −" + q + " · " + L1 + "² / 12",
                  w.fixed(r.supportMoments_kNm[0]) + " kNm");
        break;
    case StaticSystem::TwoSpans: {
        const double L2m = in.spanL2_cm / 100.0;
        const std::string L2 = w.n(L2m);
        const double M2 = r.supportMoments_kNm[1];
        w.formula("M2 = −q · (L1³ + L2³) / (8 · (L1 + L2))",
                  "= −" + q + " · (" + L1 + "³ + " + L2 + "³) / (8 · (" + L1 + " + " + L2 + "))",
                  w.fixed(M2) + " kNm");
        // The next lines take M2, R1 and R3 with six digits, so each holds as printed.
        w.formula("R1 = q · L1 / 2 + M2 / L1",
                  "= " + q + " · " + L1 + " / 2 + " + w.op(M2) + " / " + L1, kN(r.reactions_kN[0]));
        if (L2m > 0.0)
            w.formula("R3 = q · L2 / 2 + M2 / L2",
                      "= " + q + " · " + L2 + " / 2 + " + w.op(M2) + " / " + L2,
                      kN(r.reactions_kN[2]));
        else
            w.row("R3", w.fixed(r.reactions_kN[2]), "kN");
        w.formula("R2 = q · (L1 + L2) − R1 − R3",
                  "= " + q + " · (" + L1 + " + " + L2 + ") − " + w.op(r.reactions_kN[0]) + " − " +
                      w.op(r.reactions_kN[2]),
                  kN(r.reactions_kN[1]));
        break;
    }
    }
    w.endGroup();
    w.row(w.t(Message::ReportMaxSpanMoment), w.fixed(r.maxSpanMoment_kNm), "kNm");
    w.row(w.t(Message::ReportDesignMoment),
          w.fixed(q_kNm * (in.spanL1_cm / 100.0) * (in.spanL1_cm / 100.0) / 8.0), "kNm");
    for (std::size_t i = 0; i < r.uplift.size(); ++i)
        if (r.uplift[i])
            w.verdict(w.t(Message::ReportUplift) + " R" + std::to_string(i + 1) + " = " +
                          w.fixed(r.reactions_kN[i]) + " kN",
                      false);
}

}  // namespace

Block makeBlock(BlockKind kind, std::string a, std::string b, std::string c, bool ok) {
    Block block;
    block.kind = kind;
    block.a = std::move(a);
    block.b = std::move(b);
    block.c = std::move(c);
    block.ok = ok;
    return block;
}

std::vector<Block> bayBlocks(const ReportBay& bay) {
    Writer w(bay);
    w.add(makeBlock(BlockKind::Title, w.t(Message::ReportTitle) + " — " + bay.name));
    if (bay.refusal) {
        w.verdict(w.t(Message::ReportNotRun) + " " + *bay.refusal, false);
        return w.take();
    }
    const BayDesign& d = bay.design;
    const double q_kNcm = d.loadWidth_cm * d.designPressure_kNm2 / 10000.0;
    const double q_kNm = q_kNcm * 100.0;
    const SupportReactions reactions =
        supportReactions(bay.input.system, q_kNm, bay.input.spanL1_cm / 100.0,
                         twoSpans(bay.input) ? bay.input.spanL2_cm / 100.0 : 0.0);
    inputs(w, bay);
    pictures(w, bay, reactions, q_kNm);
    loads(w, bay, q_kNcm);
    deflectionLimit(w, bay);
    required(w, bay, q_kNcm);
    suggested(w, bay);
    diagrams(w, bay);
    supportValues(w, bay, reactions, q_kNm);
    std::vector<Block> blocks = w.take();
    appendLimitStateBlocks(blocks, bay);
    return blocks;
}

}  // namespace cw::report
