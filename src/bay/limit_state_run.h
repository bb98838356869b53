#pragma once

// The limit-state basis on top of a bay's run: the run designs the bay as always for the
// required values; the catalogue's mullions are then checked from the one the run chose
// upward, and the smallest passing every check is suggested.

#include "design/bay.h"
#include "design/catalogue.h"
#include "design/limit_state_check.h"

#include <optional>
#include <string>
#include <vector>

namespace cw {

// The choices of the limit-state basis a bay document keeps.
struct LimitStateOptions {
    const Alloy* alloy = nullptr;  // nullptr: the default alloy
    Hanging hanging = Hanging::HungFromTop;
    PartialFactors factors;
    // EN 1991-1-3 ground snow load, kN/m2; read on sloped glazing only.
    double sk_kNm2 = 0.0;
};

struct LimitStateRun {
    // The row checked last: the suggestion when it passes, else the largest, which fails.
    const MullionRow* mullion = nullptr;
    const TransomRow* transom = nullptr;  // checked with it where the catalogue gives its values
    LimitStateResult result;
    // No row from the run's choice upward passes every check.
    bool noRowPasses = false;
    // What the checks read: the factors, and s_k (0 but on sloped glazing) at the slope.
    LimitStateOptions options;
    bool sloped = false;
    double slope_deg = 0.0;
};

// The section a catalogue row gives to the checks; `parts` views `storage`.
LimitStateSection limitStateSectionOf(const MullionRow& row, std::vector<SectionPart>& storage);
// Nothing where the row gives no strong-axis and weak-axis values (the built-in bands).
std::optional<LimitStateSection> limitStateSectionOf(const TransomRow& row,
                                                     std::vector<SectionPart>& storage);

// Checks the catalogue's mullions from `firstRow` (the row the run chose) upward. Nothing
// where the run chose no row.
std::optional<LimitStateRun> runLimitStates(const BayInput& bay, const BayDesign& design,
                                            const Catalogue& catalogue,
                                            const LimitStateOptions& options);

}  // namespace cw
