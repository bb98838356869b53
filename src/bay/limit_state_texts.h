#pragma once

// The words and numbers of a limit-state run as the window's dialog, the report and the batch
// show them, and the language-free keys the state dump and the schedule use.

#include "bay/limit_state_run.h"
#include "bay/number_text.h"
#include "design/design_basis.h"
#include "text/language.h"
#include "text/messages.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cw {

// Keys of the dump and the schedule: "mullion" | "transom"; "bending", "shear", ...; the unit
// of E_d and R_d ("" for an interaction against 1).
std::string_view memberKey(CheckId id);
std::string_view checkKey(CheckId id);
std::string_view unitOf(CheckId id);
std::string_view basisKey(DesignBasis basis);  // "allowable" | "limit-states"
std::optional<DesignBasis> basisOfKey(std::string_view key);
Message checkName(CheckId id);

// "1,35 G + 1,5 W", with the factors in force, in the notation given.
std::string combinationText(CombinationId id, const PartialFactors& f, const NumberFormat& fmt);

// A number of the checks as shown: three decimals, trailing zeros dropped.
std::string checkNumberText(double value, const NumberFormat& fmt);

struct LimitStateCheckText {
    std::string check, clause, combination, design, resistance, unit, utilisation, verdict;
    bool passes = false;
};

struct LimitStateTexts {
    std::string heading;  // the mullion, the alloy and f_o
    std::string sectionClass;
    std::vector<LimitStateCheckText> checks;
    int governing = -1;
    std::vector<std::string> anchorHeader;  // support, pressure, suction, dead load along, across
    std::vector<std::vector<std::string>> anchorRows;  // numbered from the bottom
    std::vector<std::string> notes;                    // what was assumed, not verified
};

LimitStateTexts limitStateTexts(const LimitStateRun& run, const Alloy& alloy,
                                const PartialFactors& f, Language language,
                                const NumberFormat& fmt);

// "Factors: γM1 = 1,1, ...": the factors a run used.
std::string factorsUsedText(const PartialFactors& f, Language language, const NumberFormat& fmt);
// s = mu1 Ce Ct s_k of a run on sloped glazing with snow; empty without.
std::string snowUsedText(const LimitStateRun& run, Language language, const NumberFormat& fmt);

// What was assumed, joined for a verdict line; empty where nothing was.
std::string assumptionsText(const LimitStateResult& r, Language language);

// The verdict line of a limit-state run: the mullion, the governing check and its utilisation.
std::string limitStateVerdictText(const LimitStateRun& run, Language language,
                                  const NumberFormat& fmt);

}  // namespace cw
