#pragma once

// Rows and cells of a worksheet's sheetData, edited in place.

#include "export/cell_refs.h"
#include "export/xlsx_report.h"

#include <pugixml.hpp>

#include <optional>
#include <string>
#include <string_view>

namespace cw::xlsx {

class SheetEditor {
public:
    SheetEditor(pugi::xml_node worksheet, pugi::xml_node sheetData);

    bool damaged() const { return m_damaged; }
    bool removedFormula() const { return m_removedFormula; }

    // An array formula or a data table fills its whole range when the sheet is calculated, so a
    // value written into it would be overwritten. A one-cell array is replaced as a whole like
    // any formula, so it does not count.
    struct Block {
        std::string ref;
        bool dataTable = false;
    };
    std::optional<Block> blockCovering(CellPos at);

    void write(int row, int col, std::string_view text, const NumberReader& readNumber);

    // Recalculating programs need no stale results and a used range that matches the cells.
    void finish();

private:
    std::string qualified(std::string_view local) const { return m_prefix + std::string(local); }

    static bool isElement(pugi::xml_node node, std::string_view local);

    // Rows may leave out r (it is then one past the previous row); new rows need them explicit.
    void numberRows();

    // Cells may leave out r as rows do; the column is then one past the previous cell's.
    template <typename F>
    void forEachCellInRow(pugi::xml_node row, int r, F&& visit);

    template <typename F>
    void forEachCell(F&& visit);

    static int rowNumber(pugi::xml_node row);

    pugi::xml_node findRow(int r, bool create);

    // The style a new cell gets: the row's when the row is formatted, else its column's.
    std::string inheritedStyle(pugi::xml_node row, int col) const;

    pugi::xml_node cell(int r, int col, bool create);

    void clear(int r, int col);

    void clearContent(pugi::xml_node c);

    // The first cell of a shared formula carries its text for all others; when it is overwritten
    // the next cell of the group takes the text over, moved to its own position.
    void handOverSharedFormula(pugi::xml_node f, CellPos at);

    pugi::xml_node m_worksheet;
    pugi::xml_node m_sheetData;
    std::string m_prefix;
    bool m_damaged = false;
    bool m_removedFormula = false;
};

// Formulas on any sheet may read the written cells, directly or through other cells. Their
// stored results go, so that every spreadsheet program computes them afresh: LibreOffice keeps
// the stored results of a file that Excel or LibreOffice saved, whatever fullCalcOnLoad says.
// An empty stored value of a number formula is no result and stays. Returns whether the sheet
// changed.
bool dropCachedResults(pugi::xml_node sheetData);

}  // namespace cw::xlsx
