// The loads of a bay: the wind pressure from its source (the site's chain step by step where
// the Site wind dialog gave it), the sloped glazing's load terms, the load width and the line
// load.

#include "report/report_writer.h"

#include "bay/number_text.h"
#include "design/site_wind.h"

namespace cw::report::detail {

namespace {

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
    const std::string area = "A = " + w.n(in.area_m2) + " m²";
    switch (cpeCaseOf(in.area_m2)) {
    case CpeCase::UpTo1m2:
        w.formula("cpe = cpe,1  (" + area + " ≤ 1 m²)", "= " + w.n(in.cpe1), w.n(r.cpe));
        break;
    case CpeCase::From10m2:
        w.formula("cpe = cpe,10  (" + area + " ≥ 10 m²)", "= " + w.n(in.cpe10), w.n(r.cpe));
        break;
    case CpeCase::Between:
        w.formula("cpe = cpe,1 − (cpe,1 − cpe,10) · log10(A),  " + area,
                  "= " + w.n(in.cpe1) + " − (" + w.n(in.cpe1) + " − " + w.op(in.cpe10) +
                      ") · log10(" + w.n(in.area_m2) + ")",
                  w.n(r.cpe));
        break;
    }
    // The pressure goes to the run as this line prints it.
    w.formula("p = qp · |cpe − cpi|",
              "= " + w.n(r.qp_kNm2) + " · |" + w.n(r.cpe) + " − " + w.op(in.cpi) + "|",
              w.n(r.w_kNm2) + " kN/m²");
}

}  // namespace

void loads(Writer& w, const ReportBay& bay, double q_kNcm) {
    const BayInput& in = bay.input;
    const BayDesign& d = bay.design;
    w.heading(Message::ReportHeadingLoads);
    // The pressure the run took, which the wind term of sloped glazing reads.
    const double pressure = in.windPressureShown_kNm2.value_or(in.windPressure_kNm2);
    // The pressure's derivation, the sloped glazing's terms, and the line load: each one chain
    // that a page break never cuts.
    w.beginGroup();
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
    w.endGroup();
    w.formula("b = A1 / 2 + A2 / 2",
              "= " + w.n(in.gridWidthA1_cm) + " / 2 + " + w.n(in.gridWidthA2_cm) + " / 2",
              w.shown(Field::LoadWidth) + " cm");
    if (const auto& s = d.slopedGlazing) {
        w.beginGroup();
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
        w.endGroup();
    }
    w.beginGroup();
    const std::string p = d.slopedGlazing ? "p_d" : "p";
    w.formula(
        "q = b · " + p + " / 10\u00a0000",
        "= " + w.shown(Field::LoadWidth) + " · " + w.n(d.designPressure_kNm2) + " / 10\u00a0000",
        w.n(q_kNcm) + " kN/cm");
    w.row("q", w.fixed(q_kNcm * 100.0), "kN/m");
    w.endGroup();
}

}  // namespace cw::report::detail
