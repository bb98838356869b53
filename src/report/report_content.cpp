// The calculation of one bay as a checking engineer follows it: inputs, pictures, loads, the
// deflection limit, every required value as a formula with its numbers, the suggested
// profiles with their checks, and the support reactions. Every value the window shows is
// taken as the window shows it.

#include "report/report_content.h"

#include "report/limit_state_section.h"

#include "design/catalogue.h"
#include "design/support_reactions.h"
#include "bay/number_text.h"
#include "text/messages.h"

#include <algorithm>
#include <cmath>

namespace cw::report {

namespace {

// One minus sign throughout the report, the typographic one.
std::string minusSign(std::string s) {
    for (std::size_t at = s.find('-'); at != std::string::npos; at = s.find('-', at))
        s.replace(at, 1, "−");
    return s;
}

// The modulus of elasticity as each formula takes it, with its unit beside the symbols.
// Thousands are grouped with a no-break space so that a wrapped line keeps the number whole.
const std::string kE_kNcm2 = "7\u00a0000";
const std::string kE_Nmm2 = "70\u00a0000";
const std::string kE_kNcm2Symbol = ",  E = 7\u00a0000 kN/cm²";
const std::string kE_Nmm2Symbol = ",  E = 70\u00a0000 N/mm²";

class Writer {
public:
    explicit Writer(const ReportBay& bay) : m_bay(bay) {}

    std::string t(Message p) const { return say(p, m_bay.language); }
    // A number in the user's notation: whole numbers as they are, others in the general form
    // with at most six significant digits, enough for a later line that takes the value to
    // hold to the last digit of its result.
    std::string n(double v) const {
        const bool whole = std::abs(v) < 1e15 && std::floor(v) == v;
        return minusSign(plainText(v, m_bay.fmt(), whole ? 15 : 6));
    }
    // The same inside a formula, where a negative value after an operator is bracketed.
    std::string op(double v) const {
        const std::string s = n(v);
        return v < 0 ? "(" + s + ")" : s;
    }
    std::string fixed(double v) const { return minusSign(fixedText(v, m_bay.fmt())); }
    // Between the arguments of min and max: a comma where the point is the decimal sign.
    std::string sep() const { return m_bay.fmt().decimal == "," ? "; " : ", "; }
    // A text the user typed, without the blanks around it.
    std::string typed(Field f) const {
        const std::string& s = m_bay.typed(f);
        const auto first = s.find_first_not_of(" \t");
        return first == std::string::npos ? std::string()
                                          : s.substr(first, s.find_last_not_of(" \t") - first + 1);
    }
    const std::string& shown(Field f) const { return m_bay.shown(f); }

    void heading(Message p) { add(makeBlock(BlockKind::Heading, t(p))); }
    void row(std::string label, std::string value, std::string unit = {}) {
        add(makeBlock(BlockKind::Row, std::move(label), std::move(value), std::move(unit)));
    }
    void formula(std::string symbols, std::string numbers, std::string result) {
        add(makeBlock(BlockKind::Formula, std::move(symbols), std::move(numbers),
                      std::move(result)));
    }
    void text(std::string s) { add(makeBlock(BlockKind::Text, std::move(s))); }
    void verdict(std::string s, bool ok) {
        add(makeBlock(BlockKind::Verdict, std::move(s), {}, {}, ok));
    }
    void add(Block b) { m_blocks.push_back(std::move(b)); }
    std::vector<Block> take() { return std::move(m_blocks); }

private:
    const ReportBay& m_bay;
    std::vector<Block> m_blocks;
};

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
                  "Ix,st = " + w.n(s.ix_cm4) + " cm⁴, Wx,st = " + w.n(s.wx_cm3) + " cm³, " +
                      grade + "; Ix,eff = " + w.n(m.ix_cm4) + " cm⁴; σst = " +
                      w.n(m.insert->bending.steelStress_Nmm2) + " N/mm² (" +
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
    ElevationInput& e = picture.elevation;
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
    w.add(std::move(picture));

    Block drawing = makeBlock(BlockKind::Drawing);
    SystemDrawing& s = drawing.drawing;
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
    w.add(std::move(drawing));
    w.text(w.t(Message::ReportPictureCaption));
}

// The peak velocity pressure of the site and the wall's pressure, step by step. Each line
// takes the values of the lines before as they print them.
void siteChain(Writer& w, const SiteWindApplied& site) {
    static constexpr const char* kCategories[] = {"0", "I", "II", "III", "IV"};
    const SiteWindInput& in = site.input;
    const SiteWindPressure& r = site.result;
    const std::string sep = w.sep();
    w.row(w.t(Message::ReportWindFromSite),
          std::string("vb,0 = ") + w.n(in.vb0_ms) + " m/s, " + kCategories[int(in.category)] +
              ", z = " + w.n(in.z_m) + " m",
          "");
    w.formula("vb = cdir · cseason · vb,0",
              "= " + w.op(in.cdir) + " · " + w.op(in.cseason) + " · " + w.op(in.vb0_ms),
              w.n(r.vb_ms) + " m/s");
    w.formula("kr = " + w.n(0.19) + " · (z0 / " + w.n(0.05) + ")^" + w.n(0.07),
              "= " + w.n(0.19) + " · (" + w.n(r.z0_m) + " / " + w.n(0.05) + ")^" + w.n(0.07),
              w.n(r.kr));
    const std::string logHeight =
        "ln(max(" + w.n(in.z_m) + sep + w.n(r.zmin_m) + ") / " + w.n(r.z0_m) + ")";
    w.formula("cr = kr · ln(max(z" + sep + "zmin) / z0)", "= " + w.n(r.kr) + " · " + logHeight,
              w.n(r.cr));
    w.formula("vm = cr · vb", "= " + w.n(r.cr) + " · " + w.n(r.vb_ms), w.n(r.vm_ms) + " m/s");
    w.formula("Iv = 1 / ln(max(z" + sep + "zmin) / z0)", "= 1 / " + logHeight, w.n(r.Iv));
    w.formula("qp = (1 + 7 · Iv) · ½ · ρ · vm² / 1000,  ρ = " + w.n(1.25) + " kg/m³",
              "= (1 + 7 · " + w.n(r.Iv) + ") · " + w.n(0.625) + " · " + w.n(r.vm_ms) + "² / 1000",
              w.n(r.qp_kNm2) + " kN/m²");
    // cpe,1 up to 1 m², cpe,10 from 10 m², logarithmic between.
    const std::string area = "A = " + w.n(in.area_m2) + " m²";
    if (in.area_m2 <= 1.0)
        w.formula("cpe = cpe,1  (" + area + " ≤ 1 m²)", "= " + w.n(in.cpe1), w.n(r.cpe));
    else if (in.area_m2 >= 10.0)
        w.formula("cpe = cpe,10  (" + area + " ≥ 10 m²)", "= " + w.n(in.cpe10), w.n(r.cpe));
    else
        w.formula("cpe = cpe,1 − (cpe,1 − cpe,10) · log10(A),  " + area,
                  "= " + w.n(in.cpe1) + " − (" + w.n(in.cpe1) + " − " + w.op(in.cpe10) +
                      ") · log10(" + w.n(in.area_m2) + ")",
                  w.n(r.cpe));
    // The pressure goes to the run as this line prints it.
    w.formula("p = qp · |cpe − cpi|",
              "= " + w.n(r.qp_kNm2) + " · |" + w.n(r.cpe) + " − " + w.op(in.cpi) + "|",
              w.n(r.w_kNm2) + " kN/m²");
}

void loads(Writer& w, const ReportBay& bay, double q_kNcm) {
    const BayInput& in = bay.input;
    const BayDesign& d = bay.design;
    w.heading(Message::ReportHeadingLoads);
    // The pressure the run took, which the wind term of sloped glazing reads.
    const double pressure = in.windPressureShown_kNm2.value_or(in.windPressure_kNm2);
    switch (in.windSource) {
    case WindSource::HeightBand:
        w.row(w.t(Message::ReportWindFromBand),
              w.t(Message::ReportHeightBandUpTo) + " " + bay.run.heightBandLimit.toText(bay.fmt()) +
                  " m: p = " + w.shown(Field::EchoPressure),
              "kN/m²");
        break;
    case WindSource::TypedPressure:
        if (const auto& site = bay.siteWind) {
            siteChain(w, *site);
            break;
        }
        w.row(w.t(Message::ReportWindTyped), "p = " + w.typed(Field::WindPressure), "kN/m²");
        break;
    case WindSource::WindSpeed: {
        const std::optional<double> v = parseNumber(w.typed(Field::WindSpeed), bay.fmt());
        w.row(w.t(Message::ReportWindFromSpeed), "v = " + w.typed(Field::WindSpeed) + " km/h", "");
        if (v)
            w.formula("p = v² · 483 / 10⁷", "= " + w.op(*v) + "² · 483 / 10⁷",
                      w.n(in.windPressure_kNm2) + " kN/m²");
        break;
    }
    case WindSource::None: break;
    }
    w.formula("b = A1 / 2 + A2 / 2",
              "= " + w.n(in.gridWidthA1_cm) + " / 2 + " + w.n(in.gridWidthA2_cm) + " / 2",
              w.shown(Field::LoadWidth) + " cm");
    if (const auto& s = d.slopedGlazing) {
        w.text(w.t(Message::ReportSlopedIntro));
        // The slope goes to radians with π taken as 3,14, as the run converts it.
        const std::string rad = "(α · " + w.n(3.14) + " / 180)";
        const std::string a = "(" + w.n(in.slope_deg) + " · " + w.n(3.14) + " / 180)";
        w.formula("g = t · " + w.n(2.5) + " · " + w.n(9.81) + " / 1000 · cos" + rad,
                  "= " + w.n(in.glassThickness_mm) + " · " + w.n(2.5) + " · " + w.n(9.81) +
                      " / 1000 · cos" + a,
                  w.n(s->glass_kNm2) + " kN/m²");
        w.formula(
            "s = (h_s / 10) · " + w.n(9.81) + " · 10 / 1000 · cos" + rad,
            "= (" + w.n(in.snowHeight_cm) + " / 10) · " + w.n(9.81) + " · 10 / 1000 · cos" + a,
            w.n(s->snow_kNm2) + " kN/m²");
        w.formula("g_s = G · cos" + rad, "= " + w.n(in.structureWeight_kNm2) + " · cos" + a,
                  w.n(s->structure_kNm2) + " kN/m²");
        w.formula("w = p · " + w.n(9.81) + " / 10 · sin" + rad,
                  "= " + w.n(pressure) + " · " + w.n(9.81) + " / 10 · sin" + a,
                  w.n(s->wind_kNm2) + " kN/m²");
        w.formula("p_d = g + s + g_s + w",
                  "= " + w.n(s->glass_kNm2) + " + " + w.n(s->snow_kNm2) + " + " +
                      w.n(s->structure_kNm2) + " + " + w.op(s->wind_kNm2),
                  w.n(s->total_kNm2) + " kN/m²");
    }
    const std::string p = d.slopedGlazing ? "p_d" : "p";
    w.formula(
        "q = b · " + p + " / 10\u00a0000",
        "= " + w.shown(Field::LoadWidth) + " · " + w.n(d.designPressure_kNm2) + " / 10\u00a0000",
        w.n(q_kNcm) + " kN/cm");
    w.row("q", w.fixed(q_kNcm * 100.0), "kN/m");
}

void deflectionLimit(Writer& w, const ReportBay& bay) {
    const BayInput& in = bay.input;
    const BayDesign& d = bay.design;
    w.heading(Message::ReportHeadingDeflection);
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
        return;
    }
    w.formula("L1 / d", "= " + w.n(in.spanL1_cm) + " / " + w.n(double(in.divisor)),
              w.fixed(in.spanL1_cm / double(in.divisor)) + " cm");
    w.formula("f_max = min(f" + w.sep() + "15 mm)",
              "= min(" + w.n(in.allowableDeflection_mm) + w.sep() + "15)",
              w.fixed(d.allowableLimit_cm * 10.0) + " mm");
    w.row(w.t(Message::ReportRuleGoverned), w.t(rulePhrase(d.rule)));
    w.row(w.t(Message::ReportDesignedLimit), w.shown(Field::DesignedDeflectionLimit), "mm");
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
    w.formula("Wx = M / σ_allow", "= " + w.shown(Field::RequiredMoment) + " / " + w.n(9.5),
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
                  " kN/cm² " + (stressOk ? "≤ " : "> ") + w.n(9.5) + " kN/cm², " +
                  w.t(Message::ReportUtilisation) + " " + w.fixed(m.stressUtilisation) + " — " +
                  w.t(stressOk ? Message::ReportPasses : Message::ReportFails),
              stressOk);
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
    b.diagram = input;
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
