#pragma once

#include "report/report_bay.h"
#include "report/report_content.h"

#include <vector>

namespace cw::report {

// The limit-state checks of a bay run under that basis: each check with its clause, the
// combination, the resistance formula with the numbers put in, and the anchor forces.
// Nothing under the allowable basis.
void appendLimitStateBlocks(std::vector<Block>& blocks, const ReportBay& bay);

}  // namespace cw::report
