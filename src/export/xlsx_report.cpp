#include "export/xlsx_report.h"

#include <zip.h>
#include <pugixml.hpp>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <random>
#include <sstream>
#include <utility>

namespace cw {
namespace {

// Zip bomb guard: a report form is a few hundred kilobytes; nothing legitimate comes near these.
constexpr zip_uint64_t kMaxEntryBytes = 64u << 20;
constexpr zip_uint64_t kMaxTotalBytes = 256u << 20;
constexpr off_t kMaxFileBytes = off_t{256} << 20;

constexpr int kMaxRow = 1048576;
constexpr int kMaxColumn = 16384;
constexpr int kColumnA = 1;
constexpr int kColumnB = 2;
constexpr int kColumnC = 3;

constexpr unsigned kXmlParse = pugi::parse_default | pugi::parse_declaration |
                               pugi::parse_ws_pcdata | pugi::parse_comments | pugi::parse_pi;
constexpr unsigned kXmlFormat = pugi::format_raw | pugi::format_no_declaration;

// Every refusal is worded twice, so the Greek text gives the same cause and advice.
ExportOutcome fail(ExportFailure kind, std::string english, std::string greek) {
    ExportOutcome outcome;
    outcome.failure = kind;
    outcome.message = std::move(english);
    outcome.greekMessage = std::move(greek);
    return outcome;
}

ExportOutcome succeeded() {
    ExportOutcome outcome;
    outcome.ok = true;
    return outcome;
}

std::string errnoText(int err) {
    return std::strerror(err);
}

// The system's reason in Greek for the errors a user can act on; the rest as the system says it.
std::string greekErrnoText(int err) {
    switch (err) {
    case EACCES:
    case EPERM: return "δεν επιτρέπεται η πρόσβαση";
    case ENOSPC: return "δεν υπάρχει χώρος στον δίσκο";
    case EDQUOT: return "εξαντλήθηκε το όριο χώρου του χρήστη";
    case EROFS: return "το σύστημα αρχείων είναι μόνο για ανάγνωση";
    case EIO: return "σφάλμα εισόδου/εξόδου";
    case EFBIG: return "το αρχείο ξεπερνά το επιτρεπτό μέγεθος";
    case ENOENT: return "δεν υπάρχει";
    case ELOOP: return "κυκλικοί συμβολικοί σύνδεσμοι";
    case ENAMETOOLONG: return "το όνομα είναι πολύ μεγάλο";
    default: return std::strerror(err);
    }
}

// A path as the Greek messages quote it.
std::string gq(const std::string& path) {
    return "«" + path + "»";
}

// ---------------------------------------------------------------------------------------------
// Small text helpers

bool equalsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

bool endsWith(std::string_view s, std::string_view tail) {
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

std::string_view localName(std::string_view qualified) {
    const auto colon = qualified.find(':');
    return colon == std::string_view::npos ? qualified : qualified.substr(colon + 1);
}

std::string_view prefixOf(std::string_view qualified) {
    const auto colon = qualified.find(':');
    return colon == std::string_view::npos ? std::string_view{} : qualified.substr(0, colon);
}

std::optional<int> parseInt(std::string_view s) {
    int value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc{} || end != s.data() + s.size())
        return std::nullopt;
    return value;
}

std::string formatDouble(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::size_t codePointCount(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char ch) {
        return (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
    }));
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

bool isHex(char ch) {
    return std::isxdigit(static_cast<unsigned char>(ch)) != 0;
}

// Cell text as XML 1.0 allows it. Characters XML cannot carry are written the way Excel does,
// as _xHHHH_, and a literal "_xHHHH_" is guarded as _x005F_xHHHH_ so readers do not decode it.
// Bytes that are not UTF-8 become U+FFFD rather than making the whole sheet unreadable.
std::string cellText(std::string_view in) {
    std::string out;
    out.reserve(in.size());
    std::size_t i = 0;
    while (i < in.size()) {
        const auto lead = static_cast<unsigned char>(in[i]);
        char32_t cp = 0;
        std::size_t length = 0;
        if (lead < 0x80) {
            cp = lead;
            length = 1;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            cp = lead & 0x1Fu;
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            cp = lead & 0x0Fu;
            length = 3;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            cp = lead & 0x07u;
            length = 4;
        }
        bool valid = length > 0 && i + length <= in.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(in[i + k]);
            valid = (next & 0xC0) == 0x80;
            cp = (cp << 6) | (next & 0x3Fu);
        }
        if (valid && length == 3 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF)))
            valid = false;
        if (valid && length == 4 && (cp < 0x10000 || cp > 0x10FFFF))
            valid = false;
        if (!valid) {
            appendUtf8(out, 0xFFFD);
            ++i;
            continue;
        }
        const bool xmlChar = cp == 0x9 || cp == 0xA || (cp >= 0x20 && cp != 0xFFFE && cp != 0xFFFF);
        if (!xmlChar || cp == 0xD) {
            char escaped[16];
            std::snprintf(escaped, sizeof escaped, "_x%04X_", static_cast<unsigned>(cp));
            out += escaped;
        } else if (cp == '_' && i + 6 < in.size() && in[i + 1] == 'x' && isHex(in[i + 2]) &&
                   isHex(in[i + 3]) && isHex(in[i + 4]) && isHex(in[i + 5]) && in[i + 6] == '_') {
            out += "_x005F_";
        } else {
            out.append(in.substr(i, length));
        }
        i += length;
    }
    return out;
}

// ---------------------------------------------------------------------------------------------
// Cell references and formulas

struct CellPos {
    int row = 0;
    int col = 0;
};

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

// A formula as it reads when copied dRow rows down and dCol columns right: what the cell of a
// shared formula means, so the formula can be written out when its first cell is overwritten.
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

// ---------------------------------------------------------------------------------------------
// XML

std::optional<pugi::xml_document> parseXml(const std::string& text) {
    std::optional<pugi::xml_document> doc;
    doc.emplace();
    if (!doc->load_buffer(text.data(), text.size(), kXmlParse, pugi::encoding_auto))
        return std::nullopt;
    if (!doc->document_element())
        return std::nullopt;
    return doc;
}

std::string serializeXml(pugi::xml_document& doc) {
    // The text is written as UTF-8 whatever the part was stored in, so the declaration must say so.
    for (auto node : doc.children()) {
        if (node.type() == pugi::node_declaration) {
            auto encoding = node.attribute("encoding");
            if (encoding && !equalsNoCase(encoding.value(), "UTF-8"))
                encoding.set_value("UTF-8");
        }
    }
    // A carriage return in text is kept only as a character reference; written raw, every
    // reader turns it into a line feed. pugixml writes it raw, so comments and processing
    // instructions, where a reference means nothing, get the line feed a reader would see
    // anyway, and every raw carriage return left in the output is then one in text.
    for (auto node : doc.select_nodes("//comment() | //processing-instruction()")) {
        std::string value = node.node().value();
        if (value.find('\r') == std::string::npos)
            continue;
        std::string normal;
        for (std::size_t i = 0; i < value.size(); ++i) {
            if (value[i] != '\r')
                normal.push_back(value[i]);
            else if (i + 1 == value.size() || value[i + 1] != '\n')
                normal.push_back('\n');
        }
        node.node().set_value(normal.c_str());
    }
    std::ostringstream out;
    doc.save(out, "", kXmlFormat, pugi::encoding_utf8);
    std::string text = out.str();
    if (text.find('\r') == std::string::npos)
        return text;
    std::string escaped;
    escaped.reserve(text.size() + 16);
    for (char ch : text) {
        if (ch == '\r')
            escaped += "&#13;";
        else
            escaped.push_back(ch);
    }
    return escaped;
}

pugi::xml_node childByLocalName(pugi::xml_node parent, std::string_view name) {
    for (auto child : parent.children())
        if (child.type() == pugi::node_element && localName(child.name()) == name)
            return child;
    return {};
}

// The namespace URI a prefix is bound to at `node`.
std::string_view namespaceOf(pugi::xml_node node, std::string_view prefix) {
    const std::string attribute = prefix.empty() ? "xmlns" : "xmlns:" + std::string(prefix);
    for (; node; node = node.parent())
        if (auto a = node.attribute(attribute.c_str()))
            return a.value();
    return {};
}

// The r:id of an element, whatever prefix the relationships namespace has in this part.
std::string_view relationshipIdOf(pugi::xml_node node) {
    for (auto a : node.attributes()) {
        const std::string_view name = a.name();
        if (localName(name) == "id" && !prefixOf(name).empty() &&
            endsWith(namespaceOf(node, prefixOf(name)), "relationships"))
            return a.value();
    }
    return {};
}

// ---------------------------------------------------------------------------------------------
// Package part names

std::string directoryOf(std::string_view part) {
    const auto slash = part.rfind('/');
    return slash == std::string_view::npos ? std::string{} : std::string(part.substr(0, slash + 1));
}

std::string relationshipsPartOf(std::string_view part) {
    const auto dir = directoryOf(part);
    return dir + "_rels/" + std::string(part.substr(dir.size())) + ".rels";
}

// The zip entry name a relationship target points to, or "" when it leaves the package.
std::string resolveTarget(std::string_view sourceDir, std::string_view target) {
    const std::string joined = !target.empty() && target.front() == '/'
                                   ? std::string(target.substr(1))
                                   : std::string(sourceDir) + std::string(target);
    std::vector<std::string> segments;
    std::size_t start = 0;
    while (start <= joined.size()) {
        auto end = joined.find('/', start);
        if (end == std::string::npos)
            end = joined.size();
        const std::string segment = joined.substr(start, end - start);
        if (segment == "..") {
            if (segments.empty())
                return {};
            segments.pop_back();
        } else if (!segment.empty() && segment != ".") {
            segments.push_back(segment);
        }
        start = end + 1;
    }
    std::string part;
    for (const auto& segment : segments)
        part += (part.empty() ? "" : "/") + segment;
    return part;
}

struct Relationship {
    pugi::xml_node node;
    std::string target;  // resolved zip entry name
};

// The first relationship whose Id or Type (by suffix) matches.
std::optional<Relationship> findRelationship(pugi::xml_document& rels, std::string_view sourceDir,
                                             std::string_view id, std::string_view typeSuffix) {
    for (auto rel : rels.document_element().children()) {
        if (rel.type() != pugi::node_element || localName(rel.name()) != "Relationship")
            continue;
        if (!id.empty() && rel.attribute("Id").value() != id)
            continue;
        if (!typeSuffix.empty() && !endsWith(rel.attribute("Type").value(), typeSuffix))
            continue;
        if (equalsNoCase(rel.attribute("TargetMode").value(), "External"))
            return std::nullopt;
        return Relationship{rel, resolveTarget(sourceDir, rel.attribute("Target").value())};
    }
    return std::nullopt;
}

// ---------------------------------------------------------------------------------------------
// The sheet: rows and cells of sheetData

class SheetEditor {
public:
    SheetEditor(pugi::xml_node worksheet, pugi::xml_node sheetData)
        : m_worksheet(worksheet), m_sheetData(sheetData) {
        const std::string_view prefix = prefixOf(sheetData.name());
        m_prefix = prefix.empty() ? std::string{} : std::string(prefix) + ":";
        numberRows();
    }

    bool damaged() const { return m_damaged; }
    bool removedFormula() const { return m_removedFormula; }

    // An array formula or a data table fills its whole range when the sheet is calculated, so a
    // value written into it would be overwritten. A one-cell array is replaced as a whole like
    // any formula, so it does not count.
    struct Block {
        std::string ref;
        bool dataTable = false;
    };
    std::optional<Block> blockCovering(CellPos at) {
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
            const bool inside = low->row <= at.row && at.row <= high->row && low->col <= at.col &&
                                at.col <= high->col;
            const bool single = low->row == high->row && low->col == high->col;
            if (inside && !single)
                found = Block{std::string(ref), type == "dataTable"};
        });
        return found;
    }

    void write(int row, int col, std::string_view text, const NumberReader& readNumber) {
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

    // Recalculating programs need no stale results and a used range that matches the cells.
    void finish() {
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
            dimension =
                sheetPr ? m_worksheet.insert_child_after(qualified("dimension").c_str(), sheetPr)
                        : m_worksheet.prepend_child(qualified("dimension").c_str());
        }
        auto refAttribute = dimension.attribute("ref");
        if (!refAttribute)
            refAttribute = dimension.append_attribute("ref");
        refAttribute.set_value(ref.c_str());
    }

private:
    std::string qualified(std::string_view local) const { return m_prefix + std::string(local); }

    static bool isElement(pugi::xml_node node, std::string_view local) {
        return node.type() == pugi::node_element && localName(node.name()) == local;
    }

    // Rows may leave out r (it is then one past the previous row); new rows need them explicit.
    void numberRows() {
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

    // Cells may leave out r as rows do; the column is then one past the previous cell's.
    template <typename F>
    void forEachCellInRow(pugi::xml_node row, int r, F&& visit) {
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
    void forEachCell(F&& visit) {
        for (auto row : m_sheetData.children())
            if (isElement(row, "row"))
                forEachCellInRow(row, rowNumber(row), visit);
    }

    static int rowNumber(pugi::xml_node row) {
        return parseRow(row.attribute("r").value()).value_or(0);
    }

    pugi::xml_node findRow(int r, bool create) {
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

    // The style a new cell gets: the row's when the row is formatted, else its column's.
    std::string inheritedStyle(pugi::xml_node row, int col) const {
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

    pugi::xml_node cell(int r, int col, bool create) {
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

    void clear(int r, int col) {
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

    void clearContent(pugi::xml_node c) {
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

    // The first cell of a shared formula carries its text for all others; when it is overwritten
    // the next cell of the group takes the text over, moved to its own position.
    void handOverSharedFormula(pugi::xml_node f, CellPos at) {
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

// ---------------------------------------------------------------------------------------------
// The archive, edited in memory so the file on disk is only ever replaced whole

struct ZipDiscard {
    void operator()(zip_t* zip) const { zip_discard(zip); }
};
struct SourceFree {
    void operator()(zip_source_t* source) const { zip_source_free(source); }
};

// The DOS timestamps of written entries; a fixed one keeps two exports byte-identical.
time_t fixedEntryTime() {
    std::tm tm{};
    tm.tm_year = 2000 - 1900;
    tm.tm_mon = 0;
    tm.tm_mday = 1;
    tm.tm_isdst = -1;
    return std::mktime(&tm);
}

// A malloc'd copy for libzip to own: its buffer source may free even data it was told not to
// (seen with libzip 1.7.3 when an archive is discarded after cloning), so it gets only its own.
void* ownedCopy(std::string_view data) {
    void* copy = std::malloc(std::max<std::size_t>(data.size(), 1));
    if (copy && !data.empty())
        std::memcpy(copy, data.data(), data.size());
    return copy;
}

class MemoryArchive {
public:
    // Opens a copy of `bytes`; an empty string starts a new archive.
    bool open(std::string_view bytes, int& zipError) {
        zip_error_t error;
        zip_error_init(&error);
        void* copy = bytes.empty() ? nullptr : ownedCopy(bytes);
        if (!bytes.empty() && !copy) {
            zipError = ZIP_ER_MEMORY;
            return false;
        }
        // On failure libzip may or may not have freed the copy; leaking it beats a double free.
        std::unique_ptr<zip_source_t, SourceFree> source(
            zip_source_buffer_create(copy, bytes.size(), 1, &error));
        if (!source) {
            zipError = zip_error_code_zip(&error);
            zip_error_fini(&error);
            return false;
        }
        const int flags = bytes.empty() ? ZIP_CREATE | ZIP_TRUNCATE : ZIP_CHECKCONS;
        zip_t* zip = zip_open_from_source(source.get(), flags, &error);
        if (!zip) {
            zipError = zip_error_code_zip(&error);
            zip_error_fini(&error);
            return false;
        }
        zip_error_fini(&error);
        zip_source_keep(source.get());  // the archive holds one reference, we keep the other
        m_source = std::move(source);
        m_zip.reset(zip);
        return true;
    }

    zip_t* get() const { return m_zip.get(); }

    zip_int64_t locate(const std::string& name) const {
        return zip_name_locate(m_zip.get(), name.c_str(), ZIP_FL_NOCASE);
    }

    // Sets an entry to `data`, keeping a replaced entry's time so a re-export is identical.
    bool put(const std::string& name, std::string_view data) {
        void* copy = ownedCopy(data);
        zip_source_t* source =
            copy ? zip_source_buffer(m_zip.get(), copy, data.size(), 1) : nullptr;
        if (!source)
            return false;
        const zip_int64_t existing = locate(name);
        time_t mtime = fixedEntryTime();
        zip_int64_t index = existing;
        if (existing >= 0) {
            zip_stat_t st;
            zip_stat_init(&st);
            if (zip_stat_index(m_zip.get(), static_cast<zip_uint64_t>(existing), 0, &st) == 0 &&
                (st.valid & ZIP_STAT_MTIME))
                mtime = st.mtime;
            if (zip_file_replace(m_zip.get(), static_cast<zip_uint64_t>(existing), source, 0) !=
                0) {
                zip_source_free(source);
                return false;
            }
        } else {
            index = zip_file_add(m_zip.get(), name.c_str(), source, 0);
            if (index < 0) {
                zip_source_free(source);
                return false;
            }
        }
        const auto i = static_cast<zip_uint64_t>(index);
        return zip_set_file_compression(m_zip.get(), i, ZIP_CM_DEFLATE, 0) == 0 &&
               zip_file_set_mtime(m_zip.get(), i, mtime, 0) == 0;
    }

    bool remove(zip_int64_t index) {
        return zip_delete(m_zip.get(), static_cast<zip_uint64_t>(index)) == 0;
    }

    // Writes the archive and returns its bytes.
    std::optional<std::string> close() {
        if (zip_close(m_zip.get()) != 0)
            return std::nullopt;
        m_zip.release();
        zip_source_t* source = m_source.get();
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_source_stat(source, &st) != 0 || !(st.valid & ZIP_STAT_SIZE) ||
            zip_source_open(source) != 0)
            return std::nullopt;
        std::string out(static_cast<std::size_t>(st.size), '\0');
        std::size_t done = 0;
        while (done < out.size()) {
            const zip_int64_t n = zip_source_read(source, out.data() + done, out.size() - done);
            if (n <= 0)
                break;
            done += static_cast<std::size_t>(n);
        }
        zip_source_close(source);
        if (done != out.size())
            return std::nullopt;
        return out;
    }

private:
    std::unique_ptr<zip_source_t, SourceFree> m_source;
    std::unique_ptr<zip_t, ZipDiscard> m_zip;  // declared last: discarded before the source
};

enum class ReadStatus { Ok, Missing, Damaged, Encrypted, TooLarge };

struct EntryText {
    ReadStatus status = ReadStatus::Ok;
    std::string text;
};

EntryText readEntry(const MemoryArchive& archive, const std::string& name) {
    const zip_int64_t index = archive.locate(name);
    if (index < 0)
        return {ReadStatus::Missing, {}};
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat_index(archive.get(), static_cast<zip_uint64_t>(index), 0, &st) != 0 ||
        !(st.valid & ZIP_STAT_SIZE))
        return {ReadStatus::Damaged, {}};
    if (st.size > kMaxEntryBytes)
        return {ReadStatus::TooLarge, {}};
    zip_file_t* file = zip_fopen_index(archive.get(), static_cast<zip_uint64_t>(index), 0);
    if (!file) {
        const int code = zip_error_code_zip(zip_get_error(archive.get()));
        const bool locked =
            code == ZIP_ER_ENCRNOTSUPP || code == ZIP_ER_NOPASSWD || code == ZIP_ER_WRONGPASSWD;
        return {locked ? ReadStatus::Encrypted : ReadStatus::Damaged, {}};
    }
    // Read one byte past the declared size: an entry that inflates beyond it is lying.
    std::string text(static_cast<std::size_t>(st.size) + 1, '\0');
    std::size_t done = 0;
    bool failed = false;
    while (done < text.size()) {
        const zip_int64_t n = zip_fread(file, text.data() + done, text.size() - done);
        if (n < 0)
            failed = true;
        if (n <= 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    if (zip_fclose(file) != 0)
        failed = true;
    if (failed || done != st.size)
        return {ReadStatus::Damaged, {}};
    text.resize(done);
    return {ReadStatus::Ok, std::move(text)};
}

// ---------------------------------------------------------------------------------------------
// Files

struct FileBytes {
    std::string bytes;
    struct stat st {};
};

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string fileNameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

ExportOutcome notAFolder(const std::string& path) {
    return fail(ExportFailure::ReadOnly,
                "The report " + path +
                    " cannot be saved: part of its path is a file, not a folder. Choose another "
                    "location.",
                "Η αναφορά " + gq(path) +
                    " δεν μπορεί να αποθηκευτεί: μέρος της διαδρομής της είναι αρχείο, όχι "
                    "φάκελος. Επιλέξτε άλλη θέση.");
}

// Writes a sibling temporary file and renames it over `path`, so readers see either the old
// or the new workbook and a failure leaves the old one as it was.
ExportOutcome replaceFile(const std::string& path, const std::string& bytes,
                          const struct stat* original) {
    const std::string folder = folderOf(path);
    thread_local std::mt19937 generator{std::random_device{}()};
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = folder + "/." + fileNameOf(path) + "." +
                    std::to_string(generator() % 1000000000u) + ".tmp";
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        const int err = errno;
        if (err == ENOENT)
            return fail(ExportFailure::ReadOnly,
                        "The folder " + folder + " does not exist, so the report " + path +
                            " cannot be saved there. Choose an existing folder.",
                        "Ο φάκελος " + gq(folder) + " δεν υπάρχει, οπότε η αναφορά " + gq(path) +
                            " δεν μπορεί να αποθηκευτεί εκεί. Επιλέξτε άλλη θέση, σε φάκελο "
                            "που υπάρχει.");
        if (err == ENOTDIR)
            return notAFolder(path);
        return fail(ExportFailure::ReadOnly,
                    "Could not create a temporary file in the folder " + folder + " (" +
                        errnoText(err) + "), so the report " + path +
                        " was not saved. Choose a folder you are allowed to write to.",
                    "Δεν ήταν δυνατό να δημιουργηθεί προσωρινό αρχείο στον φάκελο " + gq(folder) +
                        " (" + greekErrnoText(err) + "), οπότε η αναφορά " + gq(path) +
                        " δεν αποθηκεύτηκε. Επιλέξτε φάκελο στον οποίο επιτρέπεται η εγγραφή.");
    }
    // A failed write leaves no file behind; what was there before stays as it was.
    const auto writeFailed = [&](int err, std::string_view what, std::string_view greekWhat) {
        const bool full = err == ENOSPC || err == EDQUOT;
        return fail(ExportFailure::WriteFailed,
                    std::string(what) + " (" + errnoText(err) + "). " +
                        (full ? "Free some disk space and export again."
                              : "Check the disk and export again.") +
                        (original ? " The original file is unchanged." : ""),
                    std::string(greekWhat) + " (" + greekErrnoText(err) + "). " +
                        (full ? "Ελευθερώστε χώρο στον δίσκο και εξαγάγετε ξανά."
                              : "Ελέγξτε τον δίσκο και εξαγάγετε ξανά.") +
                        (original ? " Το αρχικό αρχείο παραμένει αμετάβλητο." : ""));
    };
    // The texts are made beforehand: errno must be read before anything can allocate and
    // disturb it.
    const std::string writing = "Writing the report " + path + " failed";
    const std::string greekWriting = "Η εγγραφή της αναφοράς " + gq(path) + " απέτυχε";
    const std::string permissions = "Could not set the permissions of the report " + path;
    const std::string greekPermissions =
        "Δεν ήταν δυνατό να οριστούν τα δικαιώματα της αναφοράς " + gq(path);
    const std::string syncing = "Writing the report " + path + " to disk failed";
    const std::string greekSyncing = "Η εγγραφή της αναφοράς " + gq(path) + " στον δίσκο απέτυχε";
    const auto discard = [&](const std::string& what, const std::string& greekWhat) {
        const int err = errno;
        ::close(fd);
        ::unlink(temporary.c_str());
        return writeFailed(err, what, greekWhat);
    };
    if (!writeAll(fd, bytes))
        return discard(writing, greekWriting);
    if (original) {
        // Best effort: only root may hand the file back to its owner.
        [[maybe_unused]] const int ignored = ::fchown(fd, original->st_uid, original->st_gid);
        if (::fchmod(fd, original->st_mode & 07777) != 0)
            return discard(permissions, greekPermissions);
    }
    if (::fsync(fd) != 0)
        return discard(syncing, greekSyncing);
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(temporary.c_str());
        return writeFailed(err, writing, greekWriting);
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(temporary.c_str());
        return fail(ExportFailure::ReadOnly,
                    "Could not replace the report " + path + " (" + errnoText(err) +
                        "). Check that the file and its folder may be written, "
                        "or choose another file name.",
                    "Δεν ήταν δυνατό να αντικατασταθεί η αναφορά " + gq(path) + " (" +
                        greekErrnoText(err) +
                        "). Ελέγξτε ότι επιτρέπεται η εγγραφή στο αρχείο και στον φάκελό του "
                        "ή επιλέξτε άλλο όνομα αρχείου.");
    }
    // The rename itself must reach the disk too.
    if (const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return succeeded();
}

std::optional<std::string> lockFileBeside(const std::string& path) {
    const std::string folder = folderOf(path);
    const std::string name = fileNameOf(path);
    for (const std::string& lock : {folder + "/.~lock." + name + "#", folder + "/~$" + name}) {
        struct stat st;
        if (::lstat(lock.c_str(), &st) == 0)
            return lock;
    }
    return std::nullopt;
}

// ---------------------------------------------------------------------------------------------
// New workbook

constexpr const char* kContentTypes =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
    R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
    R"(<Default Extension="xml" ContentType="application/xml"/>)"
    R"(<Override PartName="/xl/workbook.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/>)"
    R"(<Override PartName="/xl/worksheets/sheet1.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/>)"
    R"(<Override PartName="/xl/styles.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml"/>)"
    R"(</Types>)";

constexpr const char* kPackageRels =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/>)"
    R"(</Relationships>)";

constexpr const char* kWorkbook =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">)"
    R"(<bookViews><workbookView/></bookViews>)"
    R"(<sheets><sheet name="Report" sheetId="1" r:id="rId1"/></sheets>)"
    R"(</workbook>)";

constexpr const char* kWorkbookRels =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet1.xml"/>)"
    R"(<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" Target="styles.xml"/>)"
    R"(</Relationships>)";

constexpr const char* kStyles =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<styleSheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)"
    R"(<fonts count="1"><font><sz val="11"/><name val="Calibri"/><family val="2"/></font></fonts>)"
    R"(<fills count="2"><fill><patternFill patternType="none"/></fill><fill><patternFill patternType="gray125"/></fill></fills>)"
    R"(<borders count="1"><border><left/><right/><top/><bottom/><diagonal/></border></borders>)"
    R"(<cellStyleXfs count="1"><xf numFmtId="0" fontId="0" fillId="0" borderId="0"/></cellStyleXfs>)"
    R"(<cellXfs count="1"><xf numFmtId="0" fontId="0" fillId="0" borderId="0" xfId="0"/></cellXfs>)"
    R"(<cellStyles count="1"><cellStyle name="Normal" xfId="0" builtinId="0"/></cellStyles>)"
    R"(</styleSheet>)";

std::string newSheet(const std::vector<ReportCell>& cells, const NumberReader& readNumber) {
    // Widths in characters, from the longest caption and unit so they show without clipping.
    std::size_t captionChars = 0;
    std::size_t unitChars = 0;
    for (const auto& cell : cells) {
        captionChars = std::max(captionChars, codePointCount(cell.caption));
        unitChars = std::max(unitChars, codePointCount(cell.unit));
    }
    const auto width = [](std::size_t chars, std::size_t low, std::size_t high) {
        return std::to_string(std::clamp<std::size_t>(chars + 2, low, high));
    };
    std::string xml =
        R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
        R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">)"
        R"(<dimension ref="A1"/><sheetViews><sheetView workbookViewId="0"/></sheetViews>)"
        R"(<sheetFormatPr defaultRowHeight="15"/><cols>)"
        R"(<col min="1" max="1" width=")" +
        width(captionChars, 12, 80) +
        R"(" customWidth="1"/>)"
        R"(<col min="2" max="2" width="16" customWidth="1"/>)"
        R"(<col min="3" max="3" width=")" +
        width(unitChars, 8, 30) +
        R"(" customWidth="1"/>)"
        R"(</cols><sheetData/>)"
        R"(<pageMargins left="0.7" right="0.7" top="0.75" bottom="0.75" header="0.3" footer="0.3"/>)"
        R"(</worksheet>)";
    auto doc = parseXml(xml);
    auto worksheet = doc->document_element();
    SheetEditor editor(worksheet, childByLocalName(worksheet, "sheetData"));
    const NumberReader textOnly = [](std::string_view) { return std::optional<double>{}; };
    for (const auto& cell : cells) {
        if (cell.row < 1 || cell.row > kMaxRow)
            continue;
        if (!cell.caption.empty())
            editor.write(cell.row, kColumnA, cell.caption, textOnly);
        editor.write(cell.row, kColumnB, cell.text, readNumber);
        if (!cell.unit.empty())
            editor.write(cell.row, kColumnC, cell.unit, textOnly);
    }
    editor.finish();
    return serializeXml(*doc);
}

ExportOutcome makeNewWorkbook(const std::string& path, const std::vector<ReportCell>& cells,
                              const NumberReader& readNumber) {
    MemoryArchive archive;
    int zipError = 0;
    const std::string empty;
    bool ok = archive.open(empty, zipError);
    const std::pair<const char*, std::string> parts[] = {
        {"[Content_Types].xml", kContentTypes},
        {"_rels/.rels", kPackageRels},
        {"xl/workbook.xml", kWorkbook},
        {"xl/_rels/workbook.xml.rels", kWorkbookRels},
        {"xl/styles.xml", kStyles},
        {"xl/worksheets/sheet1.xml", newSheet(cells, readNumber)},
    };
    for (const auto& [name, text] : parts)
        ok = ok && archive.put(name, text);
    const auto bytes = ok ? archive.close() : std::nullopt;
    if (!bytes)
        return fail(
            ExportFailure::WriteFailed,
            "The new report " + path + " could not be assembled (out of memory?). Export again.",
            "Η νέα αναφορά " + gq(path) +
                " δεν ήταν δυνατό να συντεθεί (έλλειψη μνήμης;). Εξαγάγετε ξανά.");
    return replaceFile(path, *bytes, nullptr);
}

// ---------------------------------------------------------------------------------------------
// Existing workbook

ExportOutcome passwordProtected(const std::string& path) {
    return fail(ExportFailure::Encrypted,
                "The workbook " + path +
                    " is protected with a password, so it cannot be written. Save a copy without "
                    "a password and export to that.",
                "Το βιβλίο εργασίας " + gq(path) +
                    " προστατεύεται με κωδικό πρόσβασης, οπότε δεν μπορεί να γραφτεί. "
                    "Αποθηκεύστε ένα αντίγραφο χωρίς κωδικό και εξαγάγετε σε αυτό.");
}

class WorkbookUpdate {
public:
    WorkbookUpdate(const std::string& path, const std::string& bytes)
        : m_path(path), m_bytes(bytes) {}

    ExportOutcome run(const std::vector<ReportCell>& cells, const NumberReader& readNumber) {
        int zipError = 0;
        if (!m_archive.open(m_bytes, zipError)) {
            if (zipError == ZIP_ER_MEMORY)
                return fail(
                    ExportFailure::TooLarge, "The workbook " + m_path + " is too large to open.",
                    "Το βιβλίο εργασίας " + gq(m_path) + " είναι πολύ μεγάλο για να ανοιχτεί.");
            return damaged("its zip directory is broken or incomplete",
                           "ο κατάλογος του αρχείου zip είναι χαλασμένος ή ελλιπής");
        }
        if (auto refused = checkEntries())
            return *refused;

        // The workbook part, as the package names it.
        std::string workbookPart = "xl/workbook.xml";
        auto packageRels = readXml("_rels/.rels");
        if (!packageRels.outcome.ok && packageRels.outcome.failure != ExportFailure::None)
            return packageRels.outcome;
        if (packageRels.doc)
            if (auto rel = findRelationship(*packageRels.doc, "", "", "/officeDocument"))
                workbookPart = rel->target;
        auto workbook = readXml(workbookPart);
        if (!workbook.doc)
            return workbook.outcome.failure != ExportFailure::None
                       ? workbook.outcome
                       : notAWorkbook("it has no workbook part", "δεν έχει τμήμα βιβλίου εργασίας");
        const std::string workbookRelsPart = relationshipsPartOf(workbookPart);
        auto workbookRels = readXml(workbookRelsPart);
        if (!workbookRels.doc)
            return workbookRels.outcome.failure != ExportFailure::None
                       ? workbookRels.outcome
                       : notAWorkbook("the list of its sheets' parts is missing",
                                      "λείπει ο κατάλογος των τμημάτων των φύλλων του");

        auto sheets = childByLocalName(workbook.doc->document_element(), "sheets");
        auto firstSheet = sheets ? childByLocalName(sheets, "sheet") : pugi::xml_node{};
        if (!firstSheet)
            return notAWorkbook("it has no sheet", "δεν έχει κανένα φύλλο");
        const std::string workbookDir = directoryOf(workbookPart);
        const auto sheetRel = sheetRelationship(*workbookRels.doc, workbookDir, firstSheet);
        if (!sheetRel || sheetRel->target.empty())
            return notAWorkbook("the first sheet points to no part",
                                "το πρώτο φύλλο δεν παραπέμπει σε κανένα τμήμα");
        if (!endsWith(sheetRel->node.attribute("Type").value(), "/worksheet"))
            return fail(ExportFailure::NotAWorkbook,
                        "The first sheet of the workbook " + m_path +
                            " is a chart or macro sheet, not a worksheet. Move the report sheet "
                            "to the first tab in a spreadsheet program and export again.",
                        "Το πρώτο φύλλο του βιβλίου εργασίας " + gq(m_path) +
                            " είναι φύλλο γραφήματος ή μακροεντολών, όχι φύλλο εργασίας. "
                            "Μετακινήστε το φύλλο της αναφοράς στην πρώτη καρτέλα σε πρόγραμμα "
                            "υπολογιστικών φύλλων και εξαγάγετε ξανά.");

        auto sheet = readXml(sheetRel->target);
        if (!sheet.doc)
            return sheet.outcome.failure != ExportFailure::None
                       ? sheet.outcome
                       : notAWorkbook("the part of its first sheet is missing",
                                      "λείπει το τμήμα του πρώτου φύλλου του");
        auto worksheet = sheet.doc->document_element();
        auto sheetData = childByLocalName(worksheet, "sheetData");
        if (localName(worksheet.name()) != "worksheet" || !sheetData)
            return damaged("its first sheet has no cell table",
                           "το πρώτο φύλλο του δεν έχει πίνακα κελιών");

        SheetEditor editor(worksheet, sheetData);
        if (editor.damaged())
            return invalidPosition();
        for (const auto& cell : cells) {
            if (cell.row < 1 || cell.row > kMaxRow)
                continue;
            if (const auto block = editor.blockCovering({cell.row, kColumnB}))
                return inBlock(cellName({cell.row, kColumnB}), *block);
        }
        for (const auto& cell : cells) {
            if (cell.row < 1 || cell.row > kMaxRow)
                continue;
            editor.write(cell.row, kColumnB, cell.text, readNumber);
        }
        editor.finish();
        if (editor.damaged())
            return invalidPosition();
        if (!m_archive.put(sheetRel->target, serializeXml(*sheet.doc)))
            return assemblyFailed();
        if (auto refused =
                dropOtherCachedResults(*workbookRels.doc, workbookDir, sheets, sheetRel->target))
            return *refused;

        if (editor.removedFormula())
            if (auto refused = dropCalcChain(*workbookRels.doc, workbookDir, workbookRelsPart))
                return *refused;
        if (requestRecalculation(workbook.doc->document_element()) &&
            !m_archive.put(workbookPart, serializeXml(*workbook.doc)))
            return assemblyFailed();

        auto bytes = m_archive.close();
        if (!bytes)
            return assemblyFailed();
        m_result = std::move(*bytes);
        return succeeded();
    }

    const std::string& result() const { return m_result; }

private:
    struct XmlPart {
        std::optional<pugi::xml_document> doc;
        ExportOutcome outcome;  // failure None with no doc: the part is missing
    };

    static std::optional<Relationship> sheetRelationship(pugi::xml_document& workbookRels,
                                                         const std::string& workbookDir,
                                                         pugi::xml_node sheet) {
        const std::string_view id = relationshipIdOf(sheet);
        if (id.empty())
            return std::nullopt;
        return findRelationship(workbookRels, workbookDir, id, "");
    }

    // The other worksheets lose the stored results of their formulas too; chart and macro
    // sheets, and sheets whose part is missing, have none to lose.
    std::optional<ExportOutcome> dropOtherCachedResults(pugi::xml_document& workbookRels,
                                                        const std::string& workbookDir,
                                                        pugi::xml_node sheets,
                                                        const std::string& edited) {
        for (auto sheet : sheets.children()) {
            if (sheet.type() != pugi::node_element || localName(sheet.name()) != "sheet")
                continue;
            const auto rel = sheetRelationship(workbookRels, workbookDir, sheet);
            if (!rel || rel->target.empty() || equalsNoCase(rel->target, edited) ||
                !endsWith(rel->node.attribute("Type").value(), "/worksheet"))
                continue;
            auto part = readXml(rel->target);
            if (!part.doc) {
                if (part.outcome.failure != ExportFailure::None)
                    return part.outcome;
                continue;
            }
            auto sheetData = childByLocalName(part.doc->document_element(), "sheetData");
            if (sheetData && dropCachedResults(sheetData) &&
                !m_archive.put(rel->target, serializeXml(*part.doc)))
                return assemblyFailed();
        }
        return std::nullopt;
    }

    ExportOutcome damaged(const std::string& detail, const std::string& greekDetail) const {
        return fail(ExportFailure::Damaged,
                    "The workbook " + m_path + " is damaged (" + detail +
                        "). Open it in a spreadsheet program and save it again, or choose "
                        "another report form.",
                    "Το βιβλίο εργασίας " + gq(m_path) + " είναι κατεστραμμένο (" + greekDetail +
                        "). Ανοίξτε το σε πρόγραμμα υπολογιστικών φύλλων και αποθηκεύστε το "
                        "ξανά ή επιλέξτε άλλη φόρμα αναφοράς.");
    }

    ExportOutcome invalidPosition() const {
        return damaged("a row or cell of its first sheet has an invalid position",
                       "μια γραμμή ή ένα κελί του πρώτου φύλλου του έχει άκυρη θέση");
    }

    ExportOutcome notAWorkbook(const std::string& detail, const std::string& greekDetail) const {
        return fail(ExportFailure::NotAWorkbook,
                    "The file " + m_path + " is not an .xlsx workbook (" + detail +
                        "). Choose an .xlsx report form saved by a spreadsheet program.",
                    "Το αρχείο " + gq(m_path) + " δεν είναι βιβλίο εργασίας .xlsx (" + greekDetail +
                        "). Επιλέξτε μια φόρμα αναφοράς .xlsx αποθηκευμένη από πρόγραμμα "
                        "υπολογιστικών φύλλων.");
    }

    ExportOutcome inBlock(const std::string& cell, const SheetEditor::Block& block) const {
        const std::string what = block.dataTable ? "the data table " : "the array formula ";
        const std::string greekWhat =
            block.dataTable ? "του πίνακα δεδομένων " : "του τύπου πίνακα ";
        return fail(
            ExportFailure::InArray,
            "The cell " + cell + " of the first sheet of the workbook " + m_path + " lies inside " +
                what + block.ref + ", which would overwrite the value written there. Move " +
                (block.dataTable ? "the data table" : "the array formula") +
                " out of the report cells of column B in a spreadsheet program, or "
                "choose another report form.",
            "Το κελί " + cell + " του πρώτου φύλλου του βιβλίου εργασίας " + gq(m_path) +
                " βρίσκεται μέσα στην περιοχή " + block.ref + " " + greekWhat +
                ", που θα έσβηνε την τιμή που γράφεται εκεί. Μετακινήστε " +
                (block.dataTable ? "τον πίνακα δεδομένων" : "την περιοχή του τύπου πίνακα") +
                " έξω από τα κελιά της αναφοράς στη στήλη B σε πρόγραμμα υπολογιστικών "
                "φύλλων ή επιλέξτε άλλη φόρμα αναφοράς.");
    }

    ExportOutcome assemblyFailed() const {
        return fail(ExportFailure::WriteFailed,
                    "The updated workbook " + m_path +
                        " could not be assembled (out of memory?). The original "
                        "file is unchanged; export again.",
                    "Το ενημερωμένο βιβλίο εργασίας " + gq(m_path) +
                        " δεν ήταν δυνατό να συντεθεί (έλλειψη μνήμης;). Το αρχικό αρχείο "
                        "παραμένει αμετάβλητο· εξαγάγετε ξανά.");
    }

    std::optional<ExportOutcome> checkEntries() {
        const zip_int64_t count = zip_get_num_entries(m_archive.get(), 0);
        zip_uint64_t total = 0;
        for (zip_int64_t i = 0; i < count; ++i) {
            zip_stat_t st;
            zip_stat_init(&st);
            if (zip_stat_index(m_archive.get(), static_cast<zip_uint64_t>(i), 0, &st) != 0)
                return damaged("an entry of the archive cannot be read",
                               "μια εγγραφή του αρχείου zip δεν διαβάζεται");
            if ((st.valid & ZIP_STAT_ENCRYPTION_METHOD) && st.encryption_method != ZIP_EM_NONE)
                return encrypted();
            const zip_uint64_t size = (st.valid & ZIP_STAT_SIZE) ? st.size : 0;
            total += size;
            if (size > kMaxEntryBytes || total > kMaxTotalBytes) {
                const std::string megabytes =
                    std::to_string((size > kMaxEntryBytes ? kMaxEntryBytes : kMaxTotalBytes) >> 20);
                return fail(ExportFailure::TooLarge,
                            "The workbook " + m_path + " would unpack to more than " + megabytes +
                                " MB, far more than a report form needs; it may be damaged or "
                                "built to exhaust memory. Choose another report form.",
                            "Το βιβλίο εργασίας " + gq(m_path) + " θα αποσυμπιεζόταν σε πάνω από " +
                                megabytes +
                                " MB, πολύ περισσότερα από όσα χρειάζεται μια φόρμα αναφοράς· "
                                "μπορεί να είναι κατεστραμμένο ή φτιαγμένο για να εξαντλήσει τη "
                                "μνήμη. Επιλέξτε άλλη φόρμα αναφοράς.");
            }
        }
        return std::nullopt;
    }

    ExportOutcome encrypted() const { return passwordProtected(m_path); }

    XmlPart readXml(const std::string& name) {
        auto entry = readEntry(m_archive, name);
        switch (entry.status) {
        case ReadStatus::Missing: return {};
        case ReadStatus::Encrypted: return {std::nullopt, encrypted()};
        case ReadStatus::TooLarge:
            return {std::nullopt,
                    fail(ExportFailure::TooLarge,
                         "The part " + name + " of the workbook " + m_path +
                             " is too large for a report form. Choose another report form.",
                         "Το τμήμα " + name + " του βιβλίου εργασίας " + gq(m_path) +
                             " είναι πολύ μεγάλο για φόρμα αναφοράς. Επιλέξτε άλλη φόρμα "
                             "αναφοράς.")};
        case ReadStatus::Damaged:
            return {std::nullopt, damaged("the part " + name + " cannot be unpacked",
                                          "το τμήμα " + name + " δεν αποσυμπιέζεται")};
        case ReadStatus::Ok: break;
        }
        auto doc = parseXml(entry.text);
        if (!doc)
            return {std::nullopt, damaged("the part " + name + " is not well-formed XML",
                                          "το τμήμα " + name + " δεν είναι έγκυρο XML")};
        return {std::move(doc), {}};
    }

    // The calculation chain lists formula cells; one that lists a cell now holding a value
    // makes Excel repair the file, so it goes and is rebuilt on load.
    std::optional<ExportOutcome> dropCalcChain(pugi::xml_document& workbookRels,
                                               const std::string& workbookDir,
                                               const std::string& workbookRelsPart) {
        const auto rel = findRelationship(workbookRels, workbookDir, "", "/calcChain");
        if (!rel)
            return std::nullopt;
        if (const auto index = m_archive.locate(rel->target);
            index >= 0 && !m_archive.remove(index))
            return assemblyFailed();
        rel->node.parent().remove_child(rel->node);
        if (!m_archive.put(workbookRelsPart, serializeXml(workbookRels)))
            return assemblyFailed();

        auto types = readXml("[Content_Types].xml");
        if (!types.doc)
            return types.outcome.failure != ExportFailure::None
                       ? types.outcome
                       : notAWorkbook("it lists no content types",
                                      "δεν απαριθμεί τύπους περιεχομένου");
        const std::string partName = "/" + rel->target;
        bool changed = false;
        for (auto node = types.doc->document_element().first_child(); node;) {
            const auto next = node.next_sibling();
            if (localName(node.name()) == "Override" &&
                equalsNoCase(node.attribute("PartName").value(), partName)) {
                node.parent().remove_child(node);
                changed = true;
            }
            node = next;
        }
        if (changed && !m_archive.put("[Content_Types].xml", serializeXml(*types.doc)))
            return assemblyFailed();
        return std::nullopt;
    }

    // Cached results of formulas that read column B are stale now; asks for a full recalculation.
    // Returns whether the workbook part changed.
    static bool requestRecalculation(pugi::xml_node workbook) {
        auto calcPr = childByLocalName(workbook, "calcPr");
        if (!calcPr) {
            // calcPr has a fixed place among the workbook's children.
            static constexpr std::string_view kAfterCalcPr[] = {
                "oleSize",        "customWorkbookViews", "pivotCaches",
                "smartTagPr",     "smartTagTypes",       "webPublishing",
                "fileRecoveryPr", "webPublishObjects",   "extLst"};
            pugi::xml_node before;
            for (auto child : workbook.children()) {
                if (child.type() == pugi::node_element &&
                    std::find(std::begin(kAfterCalcPr), std::end(kAfterCalcPr),
                              localName(child.name())) != std::end(kAfterCalcPr)) {
                    before = child;
                    break;
                }
            }
            const std::string_view prefix = prefixOf(workbook.name());
            const std::string name = prefix.empty() ? "calcPr" : std::string(prefix) + ":calcPr";
            calcPr = before ? workbook.insert_child_before(name.c_str(), before)
                            : workbook.append_child(name.c_str());
        }
        auto full = calcPr.attribute("fullCalcOnLoad");
        const std::string_view value = full.value();
        if (value == "1" || value == "true")
            return false;
        if (!full)
            full = calcPr.append_attribute("fullCalcOnLoad");
        full.set_value("1");
        return true;
    }

    std::string m_path;
    const std::string& m_bytes;
    MemoryArchive m_archive;
    std::string m_result;
};

ExportOutcome unreadable(const std::string& path, int err) {
    return fail(ExportFailure::Unreadable,
                "The workbook " + path + " could not be read (" + errnoText(err) +
                    "). Choose another file.",
                "Το βιβλίο εργασίας " + gq(path) + " δεν ήταν δυνατό να διαβαστεί (" +
                    greekErrnoText(err) + "). Επιλέξτε άλλο αρχείο.");
}

// The raw file, read once, so every check and the edit see the same bytes.
ExportOutcome readFile(const std::string& path, FileBytes& file) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        const int err = errno;
        return fail(ExportFailure::Unreadable,
                    "The workbook " + path + " could not be opened (" + errnoText(err) +
                        "). Check that you are allowed to read it, or choose another file.",
                    "Το βιβλίο εργασίας " + gq(path) + " δεν ήταν δυνατό να ανοιχτεί (" +
                        greekErrnoText(err) +
                        "). Ελέγξτε ότι επιτρέπεται να το διαβάσετε ή επιλέξτε άλλο αρχείο.");
    }
    if (::fstat(fd, &file.st) != 0) {
        const int err = errno;
        ::close(fd);
        return unreadable(path, err);
    }
    if (file.st.st_size > kMaxFileBytes) {
        ::close(fd);
        return fail(ExportFailure::TooLarge,
                    "The workbook " + path +
                        " is far larger than a report form. Choose another "
                        "file.",
                    "Το βιβλίο εργασίας " + gq(path) +
                        " είναι πολύ μεγαλύτερο από μια φόρμα αναφοράς. Επιλέξτε άλλο αρχείο.");
    }
    file.bytes.resize(static_cast<std::size_t>(file.st.st_size));
    std::size_t done = 0;
    while (done < file.bytes.size()) {
        const ssize_t n = ::read(fd, file.bytes.data() + done, file.bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int err = errno;
            ::close(fd);
            return unreadable(path, err);
        }
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    file.bytes.resize(done);
    return succeeded();
}

// Encrypted .xlsx files are OLE compound files holding an "EncryptionInfo" stream; an OLE file
// without one is an old binary .xls.
ExportOutcome refuseByContent(const std::string& path, const std::string& bytes) {
    static constexpr char kOle[] = {'\xD0', '\xCF', '\x11', '\xE0', '\xA1', '\xB1', '\x1A', '\xE1'};
    if (bytes.size() >= sizeof kOle &&
        std::equal(std::begin(kOle), std::end(kOle), bytes.begin())) {
        std::string marker;
        for (char ch : std::string_view("EncryptionInfo")) {
            marker.push_back(ch);
            marker.push_back('\0');
        }
        if (bytes.find(marker) != std::string::npos)
            return passwordProtected(path);
        return fail(ExportFailure::NotAWorkbook,
                    "The file " + path +
                        " is an old Excel 97-2003 (.xls) workbook. Save it as an .xlsx workbook "
                        "in a spreadsheet program and export to that.",
                    "Το αρχείο " + gq(path) +
                        " είναι παλιό βιβλίο εργασίας Excel 97-2003 (.xls). Αποθηκεύστε το ως "
                        "βιβλίο εργασίας .xlsx σε πρόγραμμα υπολογιστικών φύλλων και εξαγάγετε "
                        "σε αυτό.");
    }
    if (bytes.size() < 4 || bytes.compare(0, 2, "PK") != 0)
        return fail(ExportFailure::NotAWorkbook,
                    "The workbook " + path +
                        " could not be read as an .xlsx file (not a zip archive). Choose an .xlsx "
                        "report form saved by a spreadsheet program.",
                    "Το αρχείο " + gq(path) +
                        " δεν είναι βιβλίο εργασίας .xlsx (δεν είναι αρχείο zip). Επιλέξτε μια "
                        "φόρμα αναφοράς .xlsx αποθηκευμένη από πρόγραμμα υπολογιστικών φύλλων.");
    return succeeded();
}

}  // namespace

ExportOutcome writeReportColumnB(const std::string& path, const std::vector<ReportCell>& cells,
                                 const NumberReader& readNumber) {
    if (path.empty())
        return fail(ExportFailure::NotAFile,
                    "No file name was given for the report. Choose an .xlsx file.",
                    "Δεν δόθηκε όνομα αρχείου για την αναφορά. Επιλέξτε ένα αρχείο .xlsx.");

    // Replace what a symbolic link points to, not the link.
    std::string target = path;
    struct stat st;
    const bool link = ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
    if (link) {
        if (char* resolved = ::realpath(path.c_str(), nullptr)) {
            target = resolved;
            std::free(resolved);
        }
    }
    if (::stat(target.c_str(), &st) != 0) {
        const int err = errno;
        // A new report in place of the link would cut the link off from the file it names.
        if (err == ENOENT && link)
            return fail(ExportFailure::NotAFile,
                        "The report path " + path +
                            " is a link to a file that does not exist. Choose the file itself, "
                            "or another file name.",
                        "Η διαδρομή της αναφοράς " + gq(path) +
                            " είναι σύνδεσμος προς αρχείο που δεν υπάρχει. Επιλέξτε το ίδιο το "
                            "αρχείο ή άλλο όνομα αρχείου.");
        if (err == ENOENT)
            return makeNewWorkbook(target, cells, readNumber);
        if (err == ENOTDIR)
            return notAFolder(path);
        return fail(ExportFailure::Unreadable,
                    "The report " + path + " cannot be reached (" + errnoText(err) +
                        "). Choose another location.",
                    "Η αναφορά " + gq(path) + " δεν είναι προσβάσιμη (" + greekErrnoText(err) +
                        "). Επιλέξτε άλλη θέση.");
    }
    if (S_ISDIR(st.st_mode))
        return fail(
            ExportFailure::NotAFile,
            "The report path " + path + " is a folder, not a file. Choose an .xlsx file name.",
            "Η διαδρομή της αναφοράς " + gq(path) +
                " είναι φάκελος, όχι αρχείο. Επιλέξτε όνομα αρχείου .xlsx.");
    if (!S_ISREG(st.st_mode))
        return fail(ExportFailure::NotAFile,
                    "The report path " + path + " is not a regular file. Choose an .xlsx file.",
                    "Η διαδρομή της αναφοράς " + gq(path) +
                        " δεν είναι κανονικό αρχείο. Επιλέξτε ένα αρχείο .xlsx.");

    for (const auto& candidate : {path, target}) {
        if (const auto lock = lockFileBeside(candidate))
            return fail(ExportFailure::OpenElsewhere,
                        "The workbook " + path + " is open in another program (its lock file " +
                            *lock +
                            " exists). Close it there and export again; if no program has it "
                            "open, delete the lock file.",
                        "Το βιβλίο εργασίας " + gq(path) +
                            " είναι ανοιχτό σε άλλο πρόγραμμα (υπάρχει το αρχείο κλειδώματός του " +
                            gq(*lock) +
                            "). Κλείστε το εκεί και εξαγάγετε ξανά· αν δεν το έχει ανοιχτό κανένα "
                            "πρόγραμμα, διαγράψτε το αρχείο κλειδώματος.");
    }

    FileBytes file;
    if (auto read = readFile(target, file); !read.ok)
        return read;
    // Nobody may write it, or this user may not: either way it was not meant to change.
    if ((file.st.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0)
        return fail(ExportFailure::ReadOnly,
                    "The workbook " + path +
                        " is read-only. Make it writable, or choose another file name.",
                    "Το βιβλίο εργασίας " + gq(path) +
                        " είναι μόνο για ανάγνωση. Επιτρέψτε την εγγραφή του ή επιλέξτε άλλο "
                        "όνομα αρχείου.");
    if (auto refused = refuseByContent(path, file.bytes); !refused.ok)
        return refused;

    WorkbookUpdate update(path, file.bytes);
    if (auto edited = update.run(cells, readNumber); !edited.ok)
        return edited;
    return replaceFile(target, update.result(), &file.st);
}

}  // namespace cw
