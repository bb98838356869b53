#include "export/sheet_editor.h"

#include "export/package_xml.h"
#include "export/xlsx_text.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace cw::xlsx {

template <typename F>
void SheetEditor::forEachCellInRow(pugi::xml_node row, int r, F&& visit) {
    int previous = 0;
    for (auto c = row.first_child(); c;) {
        const auto next = c.next_sibling();
        if (isElement(c, "c")) {
            CellPos pos{r, previous + 1};
            if (auto attribute = c.attribute("r")) {
                const auto parsed = parseCellName(attribute.value());
                if (!parsed || parsed->row != r) {
                    m_damaged = true;
                    return;
                }
                pos = *parsed;
            }
            previous = pos.col;
            visit(c, pos);
        }
        c = next;
    }
}

template <typename F>
void SheetEditor::forEachCell(F&& visit) {
    for (auto row : m_sheetData.children())
        if (isElement(row, "row"))
            forEachCellInRow(row, rowNumber(row), visit);
}

SheetEditor::SheetEditor(pugi::xml_node worksheet, pugi::xml_node sheetData)
    : m_worksheet(worksheet), m_sheetData(sheetData) {
    const std::string_view prefix = prefixOf(sheetData.name());
    m_prefix = prefix.empty() ? std::string{} : std::string(prefix) + ":";
    numberRows();
}

std::optional<SheetEditor::Block> SheetEditor::blockCovering(CellPos at) {
    std::optional<Block> found;
    forEachCell([&](pugi::xml_node c, CellPos) {
        auto f = childByLocalName(c, "f");
        const std::string_view type = f.attribute("t").value();
        if (found || !f || (type != "array" && type != "dataTable"))
            return;
        const std::string_view ref = f.attribute("ref").value();
        const auto colon = ref.find(':');
        const auto low = parseCellName(ref.substr(0, colon));
        const auto high =
            colon == std::string_view::npos ? low : parseCellName(ref.substr(colon + 1));
        if (!low || !high)
            return;
        const bool inside =
            low->row <= at.row && at.row <= high->row && low->col <= at.col && at.col <= high->col;
        const bool single = low->row == high->row && low->col == high->col;
        if (inside && !single)
            found = Block{std::string(ref), type == "dataTable"};
    });
    return found;
}

void SheetEditor::write(int row, int col, std::string_view text, const NumberReader& readNumber) {
    if (text.empty()) {
        clear(row, col);
        return;
    }
    auto c = cell(row, col, true);
    if (!c)
        return;
    clearContent(c);
    std::optional<double> number;
    if (readNumber)
        number = readNumber(text);
    // NaN and infinities have no spelling in a sheet, so such a text stays a text.
    if (number && std::isfinite(*number)) {
        c.prepend_child(qualified("v").c_str())
            .append_child(pugi::node_pcdata)
            .set_value(formatDouble(*number).c_str());
    } else {
        c.append_attribute("t").set_value("inlineStr");
        auto t = c.prepend_child(qualified("is").c_str()).append_child(qualified("t").c_str());
        t.append_attribute("xml:space").set_value("preserve");
        t.append_child(pugi::node_pcdata).set_value(cellText(text).c_str());
    }
}

void SheetEditor::finish() {
    int minRow = 0;
    int maxRow = 0;
    int minCol = 0;
    int maxCol = 0;
    forEachCell([&](pugi::xml_node c, CellPos pos) {
        if (minRow == 0 || pos.row < minRow)
            minRow = pos.row;
        maxRow = std::max(maxRow, pos.row);
        if (minCol == 0 || pos.col < minCol)
            minCol = pos.col;
        maxCol = std::max(maxCol, pos.col);
        auto f = childByLocalName(c, "f");
        if (f && std::string_view(f.attribute("t").value()) != "dataTable") {
            while (auto v = childByLocalName(c, "v"))
                c.remove_child(v);
        }
    });
    std::string ref = "A1";
    if (maxRow > 0) {
        ref = cellName({minRow, minCol});
        if (minRow != maxRow || minCol != maxCol)
            ref += ":" + cellName({maxRow, maxCol});
    }
    auto dimension = childByLocalName(m_worksheet, "dimension");
    if (!dimension) {
        auto sheetPr = childByLocalName(m_worksheet, "sheetPr");
        dimension = sheetPr
                        ? m_worksheet.insert_child_after(qualified("dimension").c_str(), sheetPr)
                        : m_worksheet.prepend_child(qualified("dimension").c_str());
    }
    auto refAttribute = dimension.attribute("ref");
    if (!refAttribute)
        refAttribute = dimension.append_attribute("ref");
    refAttribute.set_value(ref.c_str());
}

bool SheetEditor::isElement(pugi::xml_node node, std::string_view local) {
    return node.type() == pugi::node_element && localName(node.name()) == local;
}

void SheetEditor::numberRows() {
    int previous = 0;
    for (auto row : m_sheetData.children()) {
        if (!isElement(row, "row"))
            continue;
        int r = previous + 1;
        if (auto attribute = row.attribute("r")) {
            const auto parsed = parseRow(attribute.value());
            if (!parsed) {
                m_damaged = true;
                return;
            }
            r = *parsed;
        } else {
            row.prepend_attribute("r").set_value(std::to_string(r).c_str());
        }
        previous = r;
    }
}

int SheetEditor::rowNumber(pugi::xml_node row) {
    return parseRow(row.attribute("r").value()).value_or(0);
}

pugi::xml_node SheetEditor::findRow(int r, bool create) {
    for (auto row : m_sheetData.children()) {
        if (!isElement(row, "row"))
            continue;
        const int number = rowNumber(row);
        if (number == r)
            return row;
        if (number > r) {
            if (!create)
                return {};
            auto added = m_sheetData.insert_child_before(qualified("row").c_str(), row);
            added.append_attribute("r").set_value(std::to_string(r).c_str());
            return added;
        }
    }
    if (!create)
        return {};
    auto added = m_sheetData.append_child(qualified("row").c_str());
    added.append_attribute("r").set_value(std::to_string(r).c_str());
    return added;
}

std::string SheetEditor::inheritedStyle(pugi::xml_node row, int col) const {
    const std::string_view customFormat = row.attribute("customFormat").value();
    if ((customFormat == "1" || customFormat == "true") && row.attribute("s"))
        return row.attribute("s").value();
    for (auto cols : m_worksheet.children()) {
        if (!isElement(cols, "cols"))
            continue;
        for (auto column : cols.children()) {
            if (!isElement(column, "col"))
                continue;
            const auto min = parseInt(column.attribute("min").value());
            const auto max = parseInt(column.attribute("max").value());
            if (min && max && *min <= col && col <= *max && column.attribute("style"))
                return column.attribute("style").value();
        }
    }
    return {};
}

pugi::xml_node SheetEditor::cell(int r, int col, bool create) {
    auto row = findRow(r, create);
    if (!row)
        return {};
    row.remove_attribute("spans");
    // Give every cell of a touched row its r, so an inserted cell shifts no implied column.
    pugi::xml_node found;
    pugi::xml_node after;
    forEachCellInRow(row, r, [&](pugi::xml_node c, CellPos pos) {
        if (!c.attribute("r"))
            c.prepend_attribute("r").set_value(cellName(pos).c_str());
        if (pos.col == col && !found)
            found = c;
        if (pos.col > col && !after)
            after = c;
    });
    if (found || !create || m_damaged)
        return found;
    auto c = after ? row.insert_child_before(qualified("c").c_str(), after)
                   : row.append_child(qualified("c").c_str());
    c.append_attribute("r").set_value(cellName({r, col}).c_str());
    if (const auto style = inheritedStyle(row, col); !style.empty())
        c.append_attribute("s").set_value(style.c_str());
    return c;
}

void SheetEditor::clear(int r, int col) {
    auto c = cell(r, col, false);
    if (!c)
        return;
    clearContent(c);
    auto row = c.parent();
    // A styled cell stays so its formatting does, as when a user clears the contents.
    if (!c.attribute("s") && !childByLocalName(c, "extLst"))
        row.remove_child(c);
    const bool rowEmpty =
        std::none_of(row.children().begin(), row.children().end(),
                     [](pugi::xml_node n) { return n.type() == pugi::node_element; });
    const bool rowPlain =
        std::all_of(row.attributes().begin(), row.attributes().end(),
                    [](pugi::xml_attribute a) { return std::string_view(a.name()) == "r"; });
    if (rowEmpty && rowPlain)
        m_sheetData.remove_child(row);
}

void SheetEditor::clearContent(pugi::xml_node c) {
    while (auto f = childByLocalName(c, "f")) {
        m_removedFormula = true;
        if (const auto pos = parseCellName(c.attribute("r").value()))
            handOverSharedFormula(f, *pos);
        c.remove_child(f);
    }
    while (auto v = childByLocalName(c, "v"))
        c.remove_child(v);
    while (auto is = childByLocalName(c, "is"))
        c.remove_child(is);
    // The type and the cell/value metadata describe the old value only.
    c.remove_attribute("t");
    c.remove_attribute("cm");
    c.remove_attribute("vm");
}

void SheetEditor::handOverSharedFormula(pugi::xml_node f, CellPos at) {
    if (std::string_view(f.attribute("t").value()) != "shared" || !f.attribute("ref"))
        return;
    const std::string_view si = f.attribute("si").value();
    std::vector<std::pair<pugi::xml_node, CellPos>> members;
    forEachCell([&](pugi::xml_node c, CellPos pos) {
        auto g = childByLocalName(c, "f");
        if (g && c != f.parent() && std::string_view(g.attribute("t").value()) == "shared" &&
            std::string_view(g.attribute("si").value()) == si)
            members.emplace_back(g, pos);
    });
    if (members.empty())
        return;
    CellPos low = members.front().second;
    CellPos high = low;
    for (const auto& [node, pos] : members) {
        low = {std::min(low.row, pos.row), std::min(low.col, pos.col)};
        high = {std::max(high.row, pos.row), std::max(high.col, pos.col)};
    }
    auto [heir, heirPos] = members.front();
    const std::string text =
        shiftFormula(f.text().get(), heirPos.row - at.row, heirPos.col - at.col);
    while (heir.first_child())
        heir.remove_child(heir.first_child());
    heir.append_child(pugi::node_pcdata).set_value(text.c_str());
    std::string ref = cellName(low);
    if (low.row != high.row || low.col != high.col)
        ref += ":" + cellName(high);
    auto refAttribute = heir.attribute("ref");
    if (!refAttribute)
        refAttribute = heir.insert_attribute_after("ref", heir.attribute("t"));
    refAttribute.set_value(ref.c_str());
}

bool dropCachedResults(pugi::xml_node sheetData) {
    const auto isElement = [](pugi::xml_node node, std::string_view local) {
        return node.type() == pugi::node_element && localName(node.name()) == local;
    };
    bool changed = false;
    for (auto row : sheetData.children()) {
        if (!isElement(row, "row"))
            continue;
        for (auto c : row.children()) {
            auto f = childByLocalName(c, "f");
            if (!isElement(c, "c") || !f ||
                std::string_view(f.attribute("t").value()) == "dataTable")
                continue;
            const std::string_view type = c.attribute("t").value();
            const bool textResult = type == "str" || type == "s" || type == "inlineStr";
            for (auto v = c.first_child(); v;) {
                const auto next = v.next_sibling();
                if (isElement(v, "v") && (textResult || !v.text().empty())) {
                    c.remove_child(v);
                    changed = true;
                }
                v = next;
            }
        }
    }
    return changed;
}

}  // namespace cw::xlsx
