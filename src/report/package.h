#pragma once

// The front of a calculation package: the title page, the design basis, the summary of every
// bay and the anchor forces of every bay. A bay is summarised as it comes and forgotten, so a
// schedule of a thousand bays keeps a line of text each, not its run.

#include "bay/project.h"
#include "design/actions.h"
#include "report/report_bay.h"
#include "report/report_content.h"
#include "report/report_input.h"

#include <set>
#include <string>
#include <vector>

namespace cw::report {

// One support's forces, kN, as printed: pressure, suction, dead load along and across the
// mullion, each characteristic then design; "—" where the basis gives none.
struct AnchorLine {
    std::string support;
    std::vector<std::string> values;
};

struct BaySummary {
    std::string name;
    int bay = -1;          // the bay's index in input order; -1: a row that gave no bay
    std::size_t line = 0;  // the schedule's line
    bool calculated = false;
    bool fails = false;
    // Series or catalogue, system, spans, pressure, mullion, transom, utilisation, verdict.
    std::vector<std::string> cells;
    // What the design-basis page gathers.
    bool limitState = false;
    WindSource wind = WindSource::None;
    bool siteWind = false;
    bool sloped = false;
    std::string edition;  // of EN 13830, as the run applied it
    std::string alloy;    // limit-state basis only
    PartialFactors factors;  // limit-state basis only: the factors the run applied
    std::vector<AnchorLine> anchors;
};

BaySummary summarizeBay(const ReportBay& bay, int index);
BaySummary summarizeRefused(const RefusedRow& row, Language language);

// Failures and bays that were not calculated first, then the rest; each part in input order.
std::vector<std::size_t> summaryOrder(const std::vector<BaySummary>& bays);

struct PackageFront {
    std::vector<Block> title, basis, summary, anchors;
};

PackageFront packageFront(const ProjectData& project, const std::string& date,
                          const std::string& program, Language language, const NumberFormat& fmt,
                          const std::vector<BaySummary>& bays);

}  // namespace cw::report
