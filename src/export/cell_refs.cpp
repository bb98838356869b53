#include "export/cell_refs.h"

#include "export/xlsx_text.h"

#include <algorithm>
#include <cctype>

namespace cw::xlsx {

std::string columnName(int col) {
    std::string name;
    for (; col > 0; col = (col - 1) / 26)
        name.insert(name.begin(), static_cast<char>('A' + (col - 1) % 26));
    return name;
}

std::string cellName(CellPos pos) {
    return columnName(pos.col) + std::to_string(pos.row);
}

std::optional<int> parseColumn(std::string_view letters) {
    if (letters.empty() || letters.size() > 3)
        return std::nullopt;
    int col = 0;
    for (char ch : letters) {
        if (!std::isalpha(static_cast<unsigned char>(ch)))
            return std::nullopt;
        col = col * 26 + (std::toupper(static_cast<unsigned char>(ch)) - 'A' + 1);
    }
    if (col > kMaxColumn)
        return std::nullopt;
    return col;
}

std::optional<int> parseRow(std::string_view digits) {
    if (digits.empty() ||
        !std::all_of(digits.begin(), digits.end(), [](char ch) { return ch >= '0' && ch <= '9'; }))
        return std::nullopt;
    const auto row = parseInt(digits);
    if (!row || *row < 1 || *row > kMaxRow)
        return std::nullopt;
    return row;
}

std::optional<CellPos> parseCellName(std::string_view name) {
    std::size_t split = 0;
    while (split < name.size() && std::isalpha(static_cast<unsigned char>(name[split])))
        ++split;
    const auto col = parseColumn(name.substr(0, split));
    const auto row = parseRow(name.substr(split));
    if (!col || !row)
        return std::nullopt;
    return CellPos{*row, *col};
}

namespace {

// One part of an A1 reference: "$B", "12", "$C$7" split into absolute flags and numbers.
struct RefPart {
    bool colAbsolute = false;
    std::optional<int> col;
    bool rowAbsolute = false;
    std::optional<int> row;
};

std::optional<RefPart> parseRefPart(std::string_view token) {
    RefPart part;
    std::size_t i = 0;
    if (i < token.size() && token[i] == '$') {
        part.colAbsolute = true;
        ++i;
    }
    const std::size_t lettersBegin = i;
    while (i < token.size() && std::isalpha(static_cast<unsigned char>(token[i])))
        ++i;
    if (i > lettersBegin) {
        part.col = parseColumn(token.substr(lettersBegin, i - lettersBegin));
        if (!part.col)
            return std::nullopt;
    } else if (part.colAbsolute) {
        part.rowAbsolute = true;  // "$12" is an absolute row
        part.colAbsolute = false;
    }
    if (i < token.size() && token[i] == '$') {
        if (!part.col || part.rowAbsolute)
            return std::nullopt;
        part.rowAbsolute = true;
        ++i;
    }
    if (i < token.size()) {
        part.row = parseRow(token.substr(i));
        if (!part.row)
            return std::nullopt;
    } else if (part.rowAbsolute) {
        return std::nullopt;
    }
    if (!part.col && !part.row)
        return std::nullopt;
    return part;
}

// The reference text after moving its relative parts, or nothing when it falls off the sheet.
std::optional<std::string> shiftRefPart(const RefPart& part, int dRow, int dCol) {
    std::string out;
    if (part.col) {
        const int col = part.colAbsolute ? *part.col : *part.col + dCol;
        if (col < 1 || col > kMaxColumn)
            return std::nullopt;
        out += (part.colAbsolute ? "$" : "") + columnName(col);
    }
    if (part.row) {
        const int row = part.rowAbsolute ? *part.row : *part.row + dRow;
        if (row < 1 || row > kMaxRow)
            return std::nullopt;
        out += (part.rowAbsolute ? "$" : "") + std::to_string(row);
    }
    return out;
}

bool isNameChar(char ch) {
    const auto u = static_cast<unsigned char>(ch);
    return std::isalnum(u) || ch == '_' || ch == '.' || ch == '$' || ch == '\\' || ch == '?' ||
           u >= 0x80;
}

}  // namespace

std::string shiftFormula(std::string_view f, int dRow, int dCol) {
    std::string out;
    std::size_t i = 0;
    const auto nameEnd = [&](std::size_t from) {
        while (from < f.size() && isNameChar(f[from]))
            ++from;
        return from;
    };
    while (i < f.size()) {
        const char ch = f[i];
        if (ch == '"' || ch == '\'') {
            std::size_t j = i + 1;
            while (j < f.size()) {
                if (f[j] == ch) {
                    if (j + 1 < f.size() && f[j + 1] == ch) {
                        j += 2;
                        continue;
                    }
                    ++j;
                    break;
                }
                ++j;
            }
            out.append(f.substr(i, j - i));
            i = j;
            continue;
        }
        if (ch == '[') {  // structured references and external book indices are not cells
            std::size_t j = i;
            int depth = 0;
            do {
                if (f[j] == '[')
                    ++depth;
                else if (f[j] == ']')
                    --depth;
                ++j;
            } while (j < f.size() && depth > 0);
            out.append(f.substr(i, j - i));
            i = j;
            continue;
        }
        if (!isNameChar(ch)) {
            out.push_back(ch);
            ++i;
            continue;
        }
        const std::size_t end = nameEnd(i);
        const std::string_view token = f.substr(i, end - i);
        const char next = end < f.size() ? f[end] : '\0';
        const bool partOfName = next == '(' || next == '!' || next == '[';
        const auto first = partOfName ? std::nullopt : parseRefPart(token);
        if (first && first->col && first->row) {
            out += shiftRefPart(*first, dRow, dCol).value_or("#REF!");
            i = end;
            continue;
        }
        // Whole columns (A:C) and whole rows (3:5) only count as references in pairs.
        if (first && next == ':') {
            const std::size_t secondEnd = nameEnd(end + 1);
            const auto second = parseRefPart(f.substr(end + 1, secondEnd - end - 1));
            const bool columns = first->col && second && second->col && !second->row;
            const bool rows = first->row && second && second->row && !second->col;
            if (columns || rows) {
                const auto a = shiftRefPart(*first, dRow, dCol);
                const auto b = shiftRefPart(*second, dRow, dCol);
                out += (a && b) ? *a + ":" + *b : std::string("#REF!");
                i = secondEnd;
                continue;
            }
        }
        out.append(token);
        i = end;
    }
    return out;
}

}  // namespace cw::xlsx
