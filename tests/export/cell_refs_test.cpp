// A shared formula's master cell overwritten by an export hands its formula to the next cell
// of the group, moved by the distance between them as the spreadsheet would move it: relative
// parts shift, "$" parts stay, text in quotes and structured references are not cells, and a
// reference pushed off the sheet becomes #REF!.

#include "export/cell_refs.h"

#include <gtest/gtest.h>

namespace cw::xlsx {
namespace {

TEST(ShiftFormula, MovesWhatASpreadsheetMoves) {
    const struct {
        const char* formula;
        int dRow, dCol;
        const char* moved;
    } rows[] = {
        {"A1+B2", 1, 0, "A2+B3"},
        {"A1:B2", 1, 1, "B2:C3"},
        {"$A$1+A$1+$A1+A1", 2, 1, "$A$1+B$1+$A3+B3"},
        {"SUM(A:A)", 1, 1, "SUM(B:B)"},
        {"SUM($A:B)", 0, 1, "SUM($A:C)"},
        {"SUM(1:1)", 1, 1, "SUM(2:2)"},
        {"SUM($1:2)", 1, 0, "SUM($1:3)"},
        {"LOG10(A1)", 1, 0, "LOG10(A2)"},
        {"Sheet1!A1", 1, 0, "Sheet1!A2"},
        {"'My Sheet'!A1*2", 1, 1, "'My Sheet'!B2*2"},
        {"'it''s A1'!A1", 1, 0, "'it''s A1'!A2"},
        {"\"A1\"&A1", 0, 1, "\"A1\"&B1"},
        {"\"say \"\"A1\"\"\"&A1", 1, 0, "\"say \"\"A1\"\"\"&A2"},
        {"Table1[Col1]+A1", 1, 0, "Table1[Col1]+A2"},
        {"Table1[[#This Row],[B2]]*C3", 1, 0, "Table1[[#This Row],[B2]]*C4"},
        {"TRUE+A1", 1, 0, "TRUE+A2"},
        {"A2", -1, 0, "A1"},
        {"A1", -1, 0, "#REF!"},
        {"B:B", 0, -2, "#REF!"},
        {"XFD1", 0, 1, "#REF!"},
        {"$XFD1", 0, 1, "$XFD1"},
        {"A1048576", 1, 0, "#REF!"},
        {"A$1048576", 1, 0, "A$1048576"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.formula);
        EXPECT_EQ(shiftFormula(r.formula, r.dRow, r.dCol), r.moved);
    }
}

}  // namespace
}  // namespace cw::xlsx
