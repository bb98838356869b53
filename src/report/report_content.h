#pragma once

#include "design/bay.h"
#include "report/diagrams.h"
#include "report/elevation.h"
#include "report/report_bay.h"

#include <string>
#include <utility>
#include <vector>

namespace cw::report {

// The static system to scale, with its loads and reactions written on it.
struct SystemDrawing {
    StaticSystem system = StaticSystem::OneSpan;
    double spanL1_m = 0.0;
    double spanL2_m = 0.0;
    std::string lineLoad;                // "q = 0,84 kN/m"
    std::vector<std::string> spanTexts;  // "L1 = 3,00 m", ...
    std::vector<std::string> reactionTexts;
    std::vector<bool> uplift;
};

enum class BlockKind {
    Title,      // a, the bay's title
    Heading,    // a
    Row,        // a label, b value, c unit
    Formula,    // a symbols, b numbers substituted, c result with its unit
    Text,       // a
    Verdict,    // a, ok says pass or fail
    Elevation,  // elevation
    Drawing,    // drawing
    Diagrams,   // diagram, in language and format
};

struct Block {
    BlockKind kind = BlockKind::Text;
    std::string a, b, c;
    bool ok = true;
    ElevationInput elevation;
    SystemDrawing drawing;
    DiagramInput diagram;
    Language language = Language::Greek;
    NumberFormat format;
};

Block makeBlock(BlockKind kind, std::string a = {}, std::string b = {}, std::string c = {},
                bool ok = true);

// The blocks of one bay, in the order the report gives them.
std::vector<Block> bayBlocks(const ReportBay& bay);

}  // namespace cw::report
