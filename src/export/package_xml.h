#pragma once

// The XML parts of the package and the relationships between them.

#include <pugixml.hpp>

#include <optional>
#include <string>
#include <string_view>

namespace cw::xlsx {

std::optional<pugi::xml_document> parseXml(const std::string& text);
// The part as UTF-8 text, carriage returns in text kept as references.
std::string serializeXml(pugi::xml_document& doc);

pugi::xml_node childByLocalName(pugi::xml_node parent, std::string_view name);
std::string_view namespaceOf(pugi::xml_node node, std::string_view prefix);
std::string_view relationshipIdOf(pugi::xml_node node);

std::string directoryOf(std::string_view part);
std::string relationshipsPartOf(std::string_view part);
std::string resolveTarget(std::string_view sourceDir, std::string_view target);

struct Relationship {
    pugi::xml_node node;
    std::string target;  // resolved zip entry name
};

// The first relationship whose Id or Type (by suffix) matches.
std::optional<Relationship> findRelationship(pugi::xml_document& rels, std::string_view sourceDir,
                                             std::string_view id, std::string_view typeSuffix);

}  // namespace cw::xlsx
