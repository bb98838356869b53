#include "export/package_xml.h"

#include "export/xlsx_text.h"

#include <sstream>
#include <vector>

namespace cw::xlsx {

namespace {

constexpr unsigned kXmlParse = pugi::parse_default | pugi::parse_declaration |
                               pugi::parse_ws_pcdata | pugi::parse_comments | pugi::parse_pi;
constexpr unsigned kXmlFormat = pugi::format_raw | pugi::format_no_declaration;

}  // namespace

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

}  // namespace cw::xlsx
