#pragma once

// The diagrams of one bay's run, for every place that draws them (the window's Diagrams
// panel, the exported picture): the mullion under the run's line load (allowable basis), or
// under each combination the limit-state checks went through, and then the transom about
// each axis where those checks took it.

#include "bay/bay_document.h"
#include "bay/bay_run.h"
#include "bay/number_text.h"
#include "design/actions.h"
#include "report/diagrams.h"
#include "report/figure.h"
#include "text/language.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace cw::report {

// One set of the mullion's diagrams: under a combination, or (allowable basis) under the
// line load of the required values.
struct LoadCaseDiagrams {
    std::optional<CombinationId> combination;
    DiagramInput input;
    BeamDiagrams diagrams;
    // The transom's instead (limit states, after the mullion's): one axis under its checks' loads.
    std::optional<TransomAxis> transom;
    TransomDiagramInput transomInput;
};

struct BayDiagrams {
    // One set under the allowable basis; one a combination, in the order checked, under
    // limit states, then the transom's two axes where it was checked. Empty when the run
    // gives none (refused, or no mullion to draw).
    std::vector<LoadCaseDiagrams> cases;
    // The set drawn first: under limit states, the combination of the mullion's governing check.
    std::size_t governing = 0;
};

// From a completed run: its checks' own loads under limit states, else the beam of the bay's
// static system under q = b p with the suggested mullion's Ix.
BayDiagrams bayDiagrams(const BayOutcome& run);

// The bay's inputs run afresh, as opening them would, then the same.
BayDiagrams bayDiagrams(const BayDocument& bay, const NumberFormat& fmt,
                        const Catalogue* catalogue = nullptr);

// The mullion's sets that limit-state checks came from, each with those checks (indices into
// the result's checks), in the order of the checks: every such check's E_d is an extreme of
// its set's figure.
struct SetOfChecks {
    std::size_t set = 0;
    std::vector<int> checks;
};
std::vector<SetOfChecks> mullionSetsOfChecks(const BayDiagrams& diagrams,
                                             const LimitStateResult& r);

// The transom's sets of a limit-state result: strong axis, weak axis; none without a transom.
std::vector<LoadCaseDiagrams> transomCases(const LimitStateResult& r);

// How a set is offered for choosing: the combination, or the transom's axis.
std::string loadCaseName(const LoadCaseDiagrams& set, const PartialFactors& f, Language language,
                         const NumberFormat& fmt);

// What a transom set is drawn under, a sentence; empty for the mullion's.
std::string transomBasisText(const LoadCaseDiagrams& set, Language language,
                             const NumberFormat& fmt);

// The set's figure, `width_mm` wide; an empty figure for a set that is not there.
Figure bayDiagramFigure(const BayDiagrams& diagrams, std::size_t set, Language language,
                        const NumberFormat& fmt, double width_mm = 174.0);

}  // namespace cw::report
