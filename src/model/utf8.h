#pragma once

#include <cstddef>
#include <string_view>

namespace cw {

// The length in bytes of the UTF-8 sequence that starts with `lead` (1 for a byte that
// cannot start one, so that a broken text is still walked to its end).
std::size_t utf8SequenceLength(unsigned char lead);

// True when the text is well-formed UTF-8 (no overlong forms, surrogates or values above
// U+10FFFF).
bool isUtf8(std::string_view text);

}  // namespace cw
