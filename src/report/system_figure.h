#pragma once

// The static system to scale as a picture: the load, the beam on its supports, the reactions
// under them and the spans on a dimension line, every text clear of every line.

#include "report/figure.h"
#include "report/report_content.h"

namespace cw::report {

Figure systemFigure(const SystemDrawing& drawing, double width_mm = 174.0);

}  // namespace cw::report
