#pragma once

#include "design/bay.h"
#include "report/diagrams.h"
#include "report/elevation.h"
#include "report/report_bay.h"

#include <memory>
#include <optional>
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
    TableRow,   // cells across widths_mm; header: bold over a rule; ok false: in red
    TocEntry,   // a, with the page of section `link`
};

struct BlockPicture {
    ElevationInput elevation;
    SystemDrawing drawing;
    DiagramInput diagram;
    std::optional<BeamDiagrams>
        drawn;  // diagrams found otherwise (the transom's): drawn as they are
};

struct Block {
    BlockKind kind = BlockKind::Text;
    std::string a, b, c;
    bool ok = true;
    // What a picture block draws, apart: a long schedule holds every bay's blocks until its
    // pages are laid out, and most blocks are lines of text.
    std::shared_ptr<const BlockPicture> picture;
    Language language = Language::Greek;
    NumberFormat format;
    std::vector<std::string> cells;
    std::vector<double> widths_mm;
    bool header = false;
    // The bay (TableRow: its index in input order) or the section (TocEntry) the block opens
    // when clicked. -1: none.
    int link = -1;
    bool pageCell = false;  // the last cell shows the page of `link`
    // Blocks of one nonzero group are kept on one page (a derivation never split).
    int keep = 0;
};

Block makeBlock(BlockKind kind, std::string a = {}, std::string b = {}, std::string c = {},
                bool ok = true);

// The blocks of one bay, in the order the report gives them.
std::vector<Block> bayBlocks(const ReportBay& bay);

}  // namespace cw::report
