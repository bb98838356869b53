#pragma once

// A1 cell references, and formulas moved to another cell.

#include <optional>
#include <string>
#include <string_view>

namespace cw::xlsx {

constexpr int kMaxRow = 1048576;
constexpr int kMaxColumn = 16384;
constexpr int kColumnA = 1;
constexpr int kColumnB = 2;
constexpr int kColumnC = 3;

struct CellPos {
    int row = 0;
    int col = 0;
};

std::string columnName(int col);
std::string cellName(CellPos pos);
std::optional<int> parseColumn(std::string_view letters);
std::optional<int> parseRow(std::string_view digits);
std::optional<CellPos> parseCellName(std::string_view name);

// A formula as it reads when copied dRow rows down and dCol columns right: what the cell of a
// shared formula means, so the formula can be written out when its first cell is overwritten.
std::string shiftFormula(std::string_view f, int dRow, int dCol);

}  // namespace cw::xlsx
