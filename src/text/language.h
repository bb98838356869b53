#pragma once

namespace cw {

// The language the program speaks to its user in: the captions shown, every sentence it writes.
enum class Language { Greek, English };

}  // namespace cw
