#pragma once

#include <string_view>

namespace cw {

// The text of a built-in catalogue file (data/catalogues), compiled into the program at build
// time; empty for a name that is not one of them.
std::string_view builtInCatalogueFile(std::string_view fileName);

}  // namespace cw
