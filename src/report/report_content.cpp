// The calculation of one bay as a checking engineer follows it: inputs, pictures, loads, the
// deflection limit, every required value as a formula with its numbers, the suggested
// profiles with their checks, and the support reactions. Every value the window shows is
// taken as the window shows it.

#include "report/report_content.h"

#include "design/catalogue.h"
#include "design/support_reactions.h"
#include "model/number_text.h"
#include "report/report_text.h"

#include <algorithm>
#include <cmath>

namespace cw::report {

namespace {

class Writer {
public:
    explicit Writer(const ReportBay& bay) : m_bay(bay) {}

    std::string t(Phrase p) const { return phrase(p, m_bay.english); }
    // A number in the user's notation: whole numbers as they are, others in the general form
    // with at most six significant digits.
    std::string n(double v) const {
        const bool whole = std::abs(v) < 1e15 && std::floor(v) == v;
        return plainText(v, m_bay.fmt(), whole ? 15 : 6);
    }
    std::string fixed(double v) const { return fixedText(v, m_bay.fmt()); }
    std::string significant(double v, int digits) const {
        return plainText(v, m_bay.fmt(), digits);
    }
    const std::string& shown(Field f) const { return m_bay.shown(f); }

    void heading(Phrase p) { add(makeBlock(BlockKind::Heading, t(p))); }
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

Phrase seriesPhrase(Series s) {
    switch (s) {
    case Series::Veltra: return Phrase::SeriesVeltra;
    case Series::KorinDalvo: return Phrase::SeriesKorin;
    case Series::Terrax: return Phrase::SeriesTerrax;
    }
    return Phrase::SeriesVeltra;
}

Phrase spanCasePhrase(SpanCase c) {
    switch (c) {
    case SpanCase::OneSpan: return Phrase::CaseOneSpan;
    case SpanCase::FixedEnds: return Phrase::CaseFixedEnds;
    case SpanCase::EqualSpans: return Phrase::CaseEqualSpans;
    case SpanCase::UnequalSpans: return Phrase::CaseUnequalSpans;
    case SpanCase::ShortUpperSpan: return Phrase::CaseShortUpperSpan;
    }
    return Phrase::CaseOneSpan;
}

Phrase rulePhrase(DeflectionRule r) {
    switch (r) {
    case DeflectionRule::SpanOverDivisor: return Phrase::RuleSpanOverDivisor;
    case DeflectionRule::AllowableDeflection: return Phrase::RuleAllowable;
    case DeflectionRule::Cap15mm: return Phrase::RuleCap15;
    case DeflectionRule::SpanOver200: return Phrase::RuleSpanOver200;
    case DeflectionRule::FiveMmPlusSpanOver300: return Phrase::RuleFivePlusSpanOver300;
    case DeflectionRule::SpanOver250: return Phrase::RuleSpanOver250;
    }
    return Phrase::RuleCap15;
}

std::string pictureOf(const BayInput& in) {
    const bool terrax = in.series == Series::Terrax;
    switch (in.system) {
    case StaticSystem::OneSpan: return terrax ? "system_terrax_one_span" : "system_veltra_one_span";
    case StaticSystem::FixedEnds: return "system_fixed_ends";
    case StaticSystem::TwoSpans:
        return terrax ? "system_terrax_two_spans" : "system_veltra_two_spans";
    }
    return "system_veltra_one_span";
}

bool isRuleOf2015(DeflectionRule r) {
    return r == DeflectionRule::SpanOver200 || r == DeflectionRule::FiveMmPlusSpanOver300 ||
           r == DeflectionRule::SpanOver250;
}

bool ratioGoverns(const BayDesign& d) {
    return d.rule == DeflectionRule::SpanOverDivisor;
}

// The deflection the required Jx is formed for, cm: L1 / d or the allowable f (at most 1,5).
double limitOfDesign(const BayInput& in, const BayDesign& d) {
    if (isRuleOf2015(d.rule))
        return d.designedLimit_mm / 10.0;
    return ratioGoverns(d) ? in.spanL1_cm / double(in.divisor) : d.allowableLimit_cm;
}

void inputs(Writer& w, const ReportBay& bay) {
    const BayInput& in = bay.input;
    w.heading(Phrase::HeadingInputs);
    w.row(w.t(Phrase::Series), w.t(seriesPhrase(in.series)));
    w.row(w.t(Phrase::StaticSystem), w.t(spanCasePhrase(bay.design.spanCase)));
    w.row(w.t(Phrase::GridWidthA1), w.n(in.gridWidthA1_cm), "cm");
    w.row(w.t(Phrase::GridWidthA2), w.n(in.gridWidthA2_cm), "cm");
    w.row(w.t(Phrase::SpanL1), w.n(in.spanL1_cm), "cm");
    if (twoSpans(in))
        w.row(w.t(Phrase::SpanL2), w.n(in.spanL2_cm), "cm");
    w.row(w.t(Phrase::GlazingH1), w.n(in.glazingHeightH1_cm), "cm");
    w.row(w.t(Phrase::GlazingH2), w.n(in.glazingHeightH2_cm), "cm");
    w.row(w.t(Phrase::GlassThickness), w.n(in.glassThickness_mm), "mm");
    w.row(w.t(Phrase::Divisor), w.n(double(in.divisor)));
    w.row(w.t(Phrase::AllowableDeflection), w.n(in.allowableDeflection_mm), "mm");
    // The edition whose rule the run applied, which is what the window's figures follow.
    w.row(w.t(Phrase::Criterion),
          isRuleOf2015(bay.design.rule) ? "EN 13830:2015+A1" : "EN 13830:2003");
    if (in.series == Series::Terrax && bay.design.slopedGlazing) {
        w.row(w.t(Phrase::StructureWeight), w.n(in.structureWeight_kNm2), "kN/m²");
        w.row(w.t(Phrase::SnowHeight), w.n(in.snowHeight_cm), "cm");
        w.row(w.t(Phrase::Slope), w.n(in.slope_deg), "°");
    }
}

void pictures(Writer& w, const ReportBay& bay, const SupportReactions& reactions, double q_kNm) {
    const BayInput& in = bay.input;
    w.heading(Phrase::HeadingSystem);
    Block picture = makeBlock(BlockKind::Elevation);
    picture.picture = pictureOf(in);
    // Lengths in cm, as the caption under the picture says: the grid widths of a narrow
    // elevation leave no room for units.
    const auto cm = [&](const char* symbol, double v) {
        return std::string(symbol) + " = " + w.n(v);
    };
    picture.labels = {{"A1", cm("A1", in.gridWidthA1_cm)},
                      {"A2", cm("A2", in.gridWidthA2_cm)},
                      {"H1", cm("H1", in.glazingHeightH1_cm)},
                      {"H2", cm("H2", in.glazingHeightH2_cm)},
                      {"q", "q = " + w.fixed(q_kNm) + " kN/m"}};
    if (twoSpans(in)) {
        picture.labels.emplace_back("L1", cm("L1", in.spanL1_cm));
        picture.labels.emplace_back("L2", cm("L2", in.spanL2_cm));
        picture.labels.emplace_back("L", cm("L", in.spanL1_cm + in.spanL2_cm));
    } else {
        picture.labels.emplace_back("L", cm("L", in.spanL1_cm));
    }
    if (bay.design.slopedGlazing)
        picture.labels.emplace_back("α", "α = " + w.n(in.slope_deg) + "°");
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
    w.text(w.t(Phrase::PictureCaption));
}

// The peak velocity pressure of the site and the wall's pressure, step by step.
void siteChain(Writer& w, const SiteWindApplied& site, const std::string& pressure) {
    static constexpr const char* kCategories[] = {"0", "I", "II", "III", "IV"};
    const SiteWindInput& in = site.input;
    const SiteWindPressure& r = site.result;
    const auto n3 = [&](double v) { return w.significant(v, 4); };
    w.row(w.t(Phrase::WindFromSite),
          std::string("vb,0 = ") + n3(in.vb0_ms) + " m/s, " + kCategories[int(in.category)] +
              ", z = " + n3(in.z_m) + " m",
          "");
    w.formula("vb = cdir · cseason · vb,0",
              "= " + n3(in.cdir) + " · " + n3(in.cseason) + " · " + n3(in.vb0_ms),
              n3(r.vb_ms) + " m/s");
    const std::string kr = w.n(0.19) + " · (z0 / " + w.n(0.05) + ")^" + w.n(0.07);
    w.formula("kr = " + kr,
              "= " + w.n(0.19) + " · (" + n3(r.z0_m) + " / " + w.n(0.05) + ")^" + w.n(0.07),
              n3(r.kr));
    w.formula("cr = kr · ln(max(z, zmin) / z0)",
              "= " + n3(r.kr) + " · ln(max(" + n3(in.z_m) + ", " + n3(r.zmin_m) + ") / " +
                  n3(r.z0_m) + ")",
              n3(r.cr));
    w.formula("vm = cr · vb", "= " + n3(r.cr) + " · " + n3(r.vb_ms), n3(r.vm_ms) + " m/s");
    w.formula("Iv = 1 / ln(max(z, zmin) / z0)", "", n3(r.Iv));
    w.formula("qp = (1 + 7 · Iv) · ½ · ρ · vm² / 1000, ρ = " + w.n(1.25) + " kg/m³",
              "= (1 + 7 · " + n3(r.Iv) + ") · " + w.n(0.625) + " · " + n3(r.vm_ms) + "² / 1000",
              n3(r.qp_kNm2) + " kN/m²");
    w.formula(
        "cpe = cpe,1 − (cpe,1 − cpe,10) · log10 A",
        "A = " + n3(in.area_m2) + " m², cpe,10 = " + n3(in.cpe10) + ", cpe,1 = " + n3(in.cpe1),
        n3(r.cpe));
    w.formula("p = qp · |cpe − cpi|",
              "= " + n3(r.qp_kNm2) + " · |" + n3(r.cpe) + " − " + n3(in.cpi) + "|",
              pressure + " kN/m²");
}

void loads(Writer& w, const ReportBay& bay, double q_kNcm) {
    const BayInput& in = bay.input;
    const BayDesign& d = bay.design;
    w.heading(Phrase::HeadingLoads);
    const std::string pressure = w.shown(Field::EchoPressure);
    switch (in.windSource) {
    case WindSource::HeightBand:
        w.row(w.t(Phrase::WindFromBand),
              w.t(Phrase::HeightBandUpTo) + " " +
                  bay.run.heightBandLimit.toText(bay.fmt()) + " m: p = " + pressure,
              "kN/m²");
        break;
    case WindSource::TypedPressure:
        if (const auto& site = bay.siteWind) {
            siteChain(w, *site, pressure);
            break;
        }
        w.row(w.t(Phrase::WindTyped), "p = " + pressure, "kN/m²");
        break;
    case WindSource::WindSpeed:
        w.row(w.t(Phrase::WindFromSpeed), "v = " + bay.shown(Field::EchoWindSpeed) + " km/h", "");
        w.formula("p = v² · 483 / 10⁷", "= " + bay.shown(Field::EchoWindSpeed) + "² · 483 / 10⁷",
                  pressure + " kN/m²");
        break;
    case WindSource::None: break;
    }
    w.formula("b = A1 / 2 + A2 / 2",
              "= " + w.n(in.gridWidthA1_cm) + " / 2 + " + w.n(in.gridWidthA2_cm) + " / 2",
              w.shown(Field::LoadWidth) + " cm");
    if (const auto& s = d.slopedGlazing) {
        w.text(w.t(Phrase::SlopedIntro));
        const std::string a = w.n(in.slope_deg);
        w.formula("g = t · " + w.n(2.5) + " · " + w.n(9.81) + " / 1000 · cos α",
                  "= " + w.n(in.glassThickness_mm) + " · " + w.n(2.5) + " · " + w.n(9.81) +
                      " / 1000 · cos " + a + "°",
                  w.fixed(s->glass_kNm2) + " kN/m²");
        w.formula("s = (h_s / 10) · " + w.n(9.81) + " · 10 / 1000 · cos α",
                  "= (" + w.n(in.snowHeight_cm) + " / 10) · " + w.n(9.81) + " · 10 / 1000 · cos " +
                      a + "°",
                  w.fixed(s->snow_kNm2) + " kN/m²");
        w.formula("g_s = G · cos α", "= " + w.n(in.structureWeight_kNm2) + " · cos " + a + "°",
                  w.fixed(s->structure_kNm2) + " kN/m²");
        w.formula("w = p · " + w.n(9.81) + " / 10 · sin α",
                  "= " + pressure + " · " + w.n(9.81) + " / 10 · sin " + a + "°",
                  w.fixed(s->wind_kNm2) + " kN/m²");
        w.formula("p_d = g + s + g_s + w",
                  "= " + w.fixed(s->glass_kNm2) + " + " + w.fixed(s->snow_kNm2) + " + " +
                      w.fixed(s->structure_kNm2) + " + " + w.fixed(s->wind_kNm2),
                  w.fixed(s->total_kNm2) + " kN/m²");
    }
    const std::string p = d.slopedGlazing ? "p_d" : "p";
    w.formula("q = b · " + p + " / 10 000",
              "= " + w.shown(Field::LoadWidth) + " · " + w.n(d.designPressure_kNm2) + " / 10 000",
              w.n(q_kNcm) + " kN/cm");
    w.row("q", w.fixed(q_kNcm * 100.0), "kN/m");
}

void deflectionLimit(Writer& w, const ReportBay& bay) {
    const BayInput& in = bay.input;
    const BayDesign& d = bay.design;
    w.heading(Phrase::HeadingDeflection);
    if (isRuleOf2015(d.rule)) {
        const std::string L1 = w.n(in.spanL1_cm * 10.0);
        const std::string limit = w.shown(Field::DesignedDeflectionLimit) + " mm";
        if (d.rule == DeflectionRule::SpanOver200)
            w.formula("δ_lim = L1 / 200", "= " + L1 + " / 200", limit);
        else if (d.rule == DeflectionRule::FiveMmPlusSpanOver300)
            w.formula("δ_lim = 5 mm + L1 / 300", "= 5 + " + L1 + " / 300", limit);
        else
            w.formula("δ_lim = L1 / 250", "= " + L1 + " / 250", limit);
        w.row(w.t(Phrase::RuleGoverned), w.t(rulePhrase(d.rule)));
        return;
    }
    w.formula("L1 / d", "= " + w.n(in.spanL1_cm) + " / " + w.n(double(in.divisor)),
              w.fixed(in.spanL1_cm / double(in.divisor)) + " cm");
    w.formula("f_max = min(f, 15 mm)", "= min(" + w.n(in.allowableDeflection_mm) + ", 15)",
              w.fixed(d.allowableLimit_cm * 10.0) + " mm");
    w.row(w.t(Phrase::RuleGoverned), w.t(rulePhrase(d.rule)));
    w.row(w.t(Phrase::DesignedLimit), w.shown(Field::DesignedDeflectionLimit), "mm");
}

void required(Writer& w, const ReportBay& bay, double q_kNcm) {
    const BayInput& in = bay.input;
    const BayDesign& d = bay.design;
    w.heading(Phrase::HeadingRequired);
    const std::string lim = isRuleOf2015(d.rule) ? "δ_lim" : ratioGoverns(d) ? "(L1 / d)" : "f_max";
    const std::string limValue = w.n(limitOfDesign(in, d));
    const std::string L1 = w.n(in.spanL1_cm);
    const std::string b = w.shown(Field::LoadWidth);
    const std::string p = w.n(d.designPressure_kNm2);
    const std::string jx = w.shown(Field::RequiredMullionJx) + " cm⁴";
    switch (d.spanCase) {
    case SpanCase::OneSpan:
    case SpanCase::FixedEnds:
    case SpanCase::EqualSpans: {
        const bool fixedEnds = d.spanCase == SpanCase::FixedEnds && in.series != Series::Terrax;
        const bool equal = d.spanCase == SpanCase::EqualSpans;
        const std::string c = fixedEnds ? "" : "5 · ";
        const std::string k = equal ? "922" : "384";
        w.formula("Jx = " + c + "q · L1⁴ / (" + k + " · E · " + lim + ")",
                  "= " + c + w.n(q_kNcm) + " · " + L1 + "⁴ / (" + k + " · 7000 · " + limValue + ")",
                  jx);
        break;
    }
    case SpanCase::UnequalSpans: {
        const std::string L = w.n(d.totalLength_cm);
        w.formula(
            "Jx = p · b · L1² · (9 · L · L1 − 3 · L² − 4 · L1²) / (384 · E · " + lim + " · 10⁴)",
            "= " + p + " · " + b + " · " + L1 + "² · (9 · " + L + " · " + L1 + " − 3 · " + L +
                "² − 4 · " + L1 + "²) / (384 · 7000 · " + limValue + " · 10⁴)",
            jx);
        break;
    }
    case SpanCase::ShortUpperSpan: {
        const std::string L = w.n(d.totalLength_cm);
        w.formula("Jx = p · b · L⁴ / (185 · E · " + lim + " · 10⁴)",
                  "= " + p + " · " + b + " · " + L + "⁴ / (185 · 7000 · " + limValue + " · 10⁴)",
                  jx);
        break;
    }
    }
    w.formula("M = p · b · L1² / 80 000  (= q · L1² / 8)",
              "= " + p + " · " + b + " · " + L1 + "² / 80 000",
              w.shown(Field::RequiredMoment) + " kNcm");
    w.formula("Wx = M / σ_allow", "= " + w.shown(Field::RequiredMoment) + " / " + w.n(9.5),
              w.shown(Field::RequiredWx) + " cm³");

    // The transom spans the wider grid width B and carries half of each glazing height.
    const double B = d.transomSpan_cm / 100.0;
    const std::string Bm = w.n(B);
    const std::string pw = w.n(d.designPressure_kNm2);
    const auto term = [&](double H) {
        return "100 · " + pw + " · (" + w.n(H) + " / 200) · " + Bm + "⁴ / (8400 · " + Bm +
               " / 300)";
    };
    w.formula("Jx,t = Σ 100 · p · (H / 200) · B⁴ / (8400 · B / 300),  B = max(A1, A2) / 100",
              "= " + term(in.glazingHeightH1_cm) + " + " + term(in.glazingHeightH2_cm),
              w.shown(Field::RequiredTransomJx) + " cm⁴");
    const double P_N = 10.0 * (d.glassWeight_kgm2 * (in.glazingHeightH2_cm * B / 100.0) / 2.0);
    w.formula("P = 10 · " + w.n(2.5) + " · t · (H2 · B / 100) / 2",
              "= 10 · " + w.n(2.5) + " · " + w.n(in.glassThickness_mm) + " · (" +
                  w.n(in.glazingHeightH2_cm) + " · " + Bm + " / 100) / 2",
              w.n(P_N) + " N");
    const std::string Ls = w.n(d.transomSpan_cm * 10.0);
    w.formula(
        "Jy,t = P · a · Ls² · (3 − 4 · (a / (10 · H2))²) / (24 · E · 3 mm · 10⁴),  a = "
        "150 mm",
        "= " + w.n(P_N) + " · 150 · " + Ls + "² · (3 − 4 · (150 / (10 · " +
            w.n(in.glazingHeightH2_cm) + "))²) / (24 · 70 000 · 3 · 10⁴)",
        w.shown(Field::RequiredTransomJy) + " cm⁴");
}

// The catalogue row of a transom code; the short-upper-span Terrax case may take its transom
// from the Veltra rows.
std::optional<TransomRow> transomRow(Series series, std::string_view code) {
    for (Series s : {series, Series::Veltra})
        for (const TransomRow& row : transomCatalogue(s))
            if (row.code == code)
                return row;
    return std::nullopt;
}

void suggested(Writer& w, const ReportBay& bay) {
    const BayInput& in = bay.input;
    const BayDesign& d = bay.design;
    w.heading(Phrase::HeadingProfiles);
    w.row(w.t(Phrase::SuggestedTransom), w.shown(Field::SuggestedTransom));
    if (d.transom)
        if (const std::optional<TransomRow> row = transomRow(in.series, *d.transom))
            w.row(w.t(Phrase::CatalogueRange),
                  w.n(row->lower_cm4) + " < Jx,t ≤ " + w.n(row->upper_cm4), "cm⁴");
    if (!d.mullion) {
        w.verdict(w.t(Phrase::NoMullionFits), false);
        return;
    }
    const MullionCheck& m = *d.mullion;
    w.row(w.t(Phrase::SuggestedMullion), w.shown(Field::SuggestedMullion));
    if (const std::optional<MullionRow> row = chooseMullion(in.series, d.requiredMullionJx_cm4))
        w.row(w.t(Phrase::CatalogueRange), w.n(row->lower_cm4) + " < Jx ≤ " + w.n(row->upper_cm4),
              "cm⁴");
    w.row("Ix", w.shown(Field::SuggestedIx), "cm⁴");
    w.row("e", w.n(m.fibre_mm), "mm");
    w.formula("Wx = Ix / e", "= " + w.shown(Field::SuggestedIx) + " / " + w.n(m.fibre_mm / 10.0),
              w.shown(Field::SuggestedWx) + " cm³");

    w.heading(Phrase::HeadingCheck);
    const bool fixedEnds = d.spanCase == SpanCase::FixedEnds && in.series != Series::Terrax;
    const std::string c = fixedEnds ? "" : "5 · ";
    const std::string k = d.spanCase == SpanCase::EqualSpans ? "922" : "384";
    const double qN =
        d.loadWidth_cm * in.windPressureShown_kNm2.value_or(in.windPressure_kNm2) / 100.0;
    w.formula("δ = " + c + "q · L1⁴ / (" + k + " · E · Ix)",
              "= " + c + w.n(qN) + " · " + w.n(in.spanL1_cm * 10.0) + "⁴ / (" + k + " · 70 000 · " +
                  w.n(double(m.ix_mm4)) + ")",
              w.shown(Field::MullionDeflection) + " mm");
    w.formula("σ = M / Wx",
              "= " + w.shown(Field::RequiredMoment) + " / " + w.shown(Field::SuggestedWx),
              w.shown(Field::MullionStress) + " kN/cm²");

    const bool deflectionOk = bay.run.deflectionPasses.value_or(m.deflectionPasses);
    const bool stressOk = bay.run.stressPasses.value_or(m.stressPasses);
    w.verdict(w.t(Phrase::DeflectionCheck) + ": δ = " + w.shown(Field::MullionDeflection) + " mm " +
                  (deflectionOk ? "≤ " : "> ") + w.shown(Field::DesignedDeflectionLimit) + " mm, " +
                  w.t(Phrase::Utilisation) + " " + w.fixed(m.deflectionUtilisation) + " — " +
                  w.t(deflectionOk ? Phrase::Passes : Phrase::Fails),
              deflectionOk);
    w.verdict(w.t(Phrase::StressCheck) + ": σ = " + w.shown(Field::MullionStress) + " kN/cm² " +
                  (stressOk ? "≤ " : "> ") + w.n(9.5) + " kN/cm², " + w.t(Phrase::Utilisation) +
                  " " + w.fixed(m.stressUtilisation) + " — " +
                  w.t(stressOk ? Phrase::Passes : Phrase::Fails),
              stressOk);
    const bool ok = deflectionOk && stressOk;
    w.verdict(w.t(ok ? Phrase::MullionPasses : Phrase::MullionFails) + " " +
                  w.shown(Field::SuggestedMullion),
              ok);
}

void supportValues(Writer& w, const ReportBay& bay, const SupportReactions& r, double q_kNm) {
    const BayInput& in = bay.input;
    w.heading(Phrase::HeadingReactions);
    const std::string q = w.n(q_kNm);
    const std::string L1 = w.n(in.spanL1_cm / 100.0);
    switch (in.system) {
    case StaticSystem::OneSpan:
        w.formula("R1 = R2 = q · L / 2", "= " + q + " · " + L1 + " / 2",
                  w.fixed(r.reactions_kN[0]) + " kN");
        break;
    case StaticSystem::FixedEnds:
        w.formula("R1 = R2 = q · L / 2", "= " + q + " · " + L1 + " / 2",
                  w.fixed(r.reactions_kN[0]) + " kN");
        w.formula("M1 = M2 = −q · L² / 12", "= −" + q + " · " + L1 + "² / 12",
                  w.fixed(r.supportMoments_kNm[0]) + " kNm");
        break;
    case StaticSystem::TwoSpans: {
        const std::string L2 = w.n(in.spanL2_cm / 100.0);
        w.formula("M2 = −q · (L1³ + L2³) / (8 · (L1 + L2))",
                  "= −" + q + " · (" + L1 + "³ + " + L2 + "³) / (8 · (" + L1 + " + " + L2 + "))",
                  w.fixed(r.supportMoments_kNm[1]) + " kNm");
        w.formula("R1 = q · L1 / 2 + M2 / L1", "", w.fixed(r.reactions_kN[0]) + " kN");
        w.formula("R3 = q · L2 / 2 + M2 / L2", "", w.fixed(r.reactions_kN[2]) + " kN");
        w.formula("R2 = q · (L1 + L2) − R1 − R3", "", w.fixed(r.reactions_kN[1]) + " kN");
        break;
    }
    }
    w.row(w.t(Phrase::MaxSpanMoment), w.fixed(r.maxSpanMoment_kNm), "kNm");
    w.row(w.t(Phrase::DesignMoment),
          w.fixed(q_kNm * (in.spanL1_cm / 100.0) * (in.spanL1_cm / 100.0) / 8.0), "kNm");
    for (std::size_t i = 0; i < r.uplift.size(); ++i)
        if (r.uplift[i])
            w.verdict(w.t(Phrase::Uplift) + " R" + std::to_string(i + 1) + " = " +
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
    w.add(makeBlock(BlockKind::Title, w.t(Phrase::Title) + " — " + bay.name));
    if (bay.refusal) {
        w.verdict(w.t(Phrase::NotRun) + " " + *bay.refusal, false);
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
    supportValues(w, bay, reactions, q_kNm);
    return w.take();
}

}  // namespace cw::report
