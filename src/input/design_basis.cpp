#include "input/design_basis.h"

namespace cw {

void chooseBasis(WindowState& w, DesignBasis basis) {
    w.basis = basis;
}

bool chooseAlloy(WindowState& w, std::string_view name) {
    const Alloy* alloy = findAlloy(name);
    if (!alloy)
        return false;
    w.alloy = std::string(alloy->name);
    return true;
}

void chooseHanging(WindowState& w, Hanging hanging) {
    w.hanging = hanging;
}

void runLimitStatesOf(WindowState& w, const BayInput& bay, const BayDesign& design) {
    w.limitStates.reset();
    if (w.basis != DesignBasis::LimitStates)
        return;
    if (const Alloy* alloy = findAlloy(w.alloy))
        w.limitStates = runLimitStates(bay, design, builtInCatalogues().of(bay.series),
                                       {alloy, w.hanging, PartialFactors{}});
}

}  // namespace cw
