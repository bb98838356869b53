#pragma once

// Which catalogue a bay is designed with: none (the series options' built-in catalogues) or a
// user's catalogue file, named by what it calls itself, where it was and what it held.

#include "design/catalogue.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace cw {

struct CatalogueRef {
    std::string name;
    std::string path;
    std::string sha256;  // of the file's bytes, lower-case hex

    bool operator==(const CatalogueRef&) const = default;
};

// A user catalogue a bay designs with, and how it is remembered.
struct ChosenCatalogue {
    std::shared_ptr<const Catalogue> catalogue;
    CatalogueRef ref;
};

// The SHA-256 of a file's bytes as lower-case hex: a bay remembers its catalogue by content,
// so that an edited file is noticed even under the same name.
std::string catalogueSha256(std::string_view bytes);

// The series option a catalogue's use stands in for: its fields and static systems.
Series seriesOfUse(CatalogueUse use);

// A reference to a catalogue read from path with these bytes.
CatalogueRef catalogueRefOf(const Catalogue& catalogue, std::string path, std::string_view bytes);

}  // namespace cw
