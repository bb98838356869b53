#pragma once

// The locale names the programs take on their command line (--locale NAME).

#include <string>
#include <string_view>
#include <vector>

namespace cw {

// Whether NAME (el_GR, en_US, el_GR.UTF-8, C, POSIX) is a locale this system has: one the C
// library has installed, or one whose number notation Qt's own locale data holds. A name
// neither knows would otherwise be taken silently as C.
bool localeInstalled(std::string_view name);

// The names accepted, sorted: C, POSIX and language_TERRITORY for every locale Qt knows.
std::vector<std::string> installedLocales();

// `unknown locale "NAME"; installed: C, POSIX, …` for standard error.
std::string unknownLocaleMessage(std::string_view name);

}  // namespace cw
