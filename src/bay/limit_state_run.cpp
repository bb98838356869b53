#include "bay/limit_state_run.h"

#include <string_view>

namespace cw {

namespace {

// A catalogue names its parts but not their stresses: a part named as a web is taken in
// bending (psi = -1) and carries the shear; every other part in uniform compression, the
// least favourable stress for its class.
void partsOf(const SectionExtras& extras, std::vector<SectionPart>& storage) {
    storage.clear();
    for (const PlateElement& e : extras.elements) {
        const bool web = std::string_view(e.name).starts_with("web");
        SectionPart p;
        p.name = e.name;
        p.kind = e.internal ? PartKind::Internal : PartKind::Outstand;
        p.b_mm = e.width_mm;
        p.t_mm = e.thickness_mm;
        p.psi = web && e.internal ? -1.0 : 1.0;
        p.web = web && e.internal;
        storage.push_back(p);
    }
}

const TransomRow* transomOf(const Catalogue& catalogue, const BayDesign& design) {
    if (!design.transom)
        return nullptr;
    for (const TransomRow& t : catalogue.transoms)
        if (!t.byBand && t.code == *design.transom)
            return &t;
    return nullptr;
}

}  // namespace

LimitStateSection limitStateSectionOf(const MullionRow& row, std::vector<SectionPart>& storage) {
    partsOf(row.extras, storage);
    LimitStateSection s;
    // The aluminium profile alone: a steel insert only relieves it.
    s.ix_cm4 = row.ix_mm4 / 10000.0;
    s.wx_cm3 = row.wx_cm3;
    s.iy_cm4 = row.extras.iy_cm4.value_or(0.0);
    s.wy_cm3 = row.extras.wy_cm3.value_or(0.0);
    s.area_cm2 = row.extras.area_cm2.value_or(0.0);
    s.mass_kgm = row.extras.mass_kg_m;
    s.parts = storage;
    return s;
}

std::optional<LimitStateSection> limitStateSectionOf(const TransomRow& row,
                                                     std::vector<SectionPart>& storage) {
    if (row.byBand || !row.wx_cm3 || !row.extras.iy_cm4 || !row.extras.wy_cm3)
        return std::nullopt;
    partsOf(row.extras, storage);
    LimitStateSection s;
    s.ix_cm4 = row.ix_mm4 / 10000.0;
    s.wx_cm3 = *row.wx_cm3;
    s.iy_cm4 = *row.extras.iy_cm4;
    s.wy_cm3 = *row.extras.wy_cm3;
    s.area_cm2 = row.extras.area_cm2.value_or(0.0);
    s.mass_kgm = row.extras.mass_kg_m;
    s.parts = storage;
    return s;
}

std::optional<LimitStateRun> runLimitStates(const BayInput& bay, const BayDesign& design,
                                            const Catalogue& catalogue,
                                            const LimitStateOptions& options) {
    if (!design.mullion)
        return std::nullopt;
    std::size_t first = catalogue.mullions.size();
    for (std::size_t k = 0; k < catalogue.mullions.size(); ++k)
        if (catalogue.mullions[k].code == design.mullion->code) {
            first = k;
            break;
        }
    if (first == catalogue.mullions.size())
        return std::nullopt;

    LimitStateInput in;
    in.alloy = options.alloy;
    in.factors = options.factors;
    in.hanging = options.hanging;
    in.sloped = catalogue.use == CatalogueUse::Sloped;
    in.sk_kNm2 = in.sloped ? options.sk_kNm2 : 0.0;
    std::vector<SectionPart> transomParts;
    LimitStateRun run;
    run.options = options;
    run.options.sk_kNm2 = in.sk_kNm2;
    run.sloped = in.sloped;
    run.slope_deg = bay.slope_deg;
    run.transom = transomOf(catalogue, design);
    if (run.transom)
        in.transom = limitStateSectionOf(*run.transom, transomParts);

    std::vector<SectionPart> parts;
    for (std::size_t k = first; k < catalogue.mullions.size(); ++k) {
        const MullionRow& row = catalogue.mullions[k];
        in.mullion = limitStateSectionOf(row, parts);
        LimitStateResult r = checkLimitStates(bay, in);
        if (k == first) {
            run.mullion = &row;
            run.result = r;
        }
        if (r.valid && r.verdict != LimitStateVerdict::Fails) {
            run.mullion = &row;
            run.result = r;
            return run;
        }
    }
    // None passes: the run's own choice and why it fails.
    run.noRowPasses = true;
    return run;
}

}  // namespace cw
