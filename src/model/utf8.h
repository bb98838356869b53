#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace cw {

// The length in bytes of the UTF-8 sequence that starts with `lead` (1 for a byte that
// cannot start one, so that a broken text is still walked to its end).
std::size_t utf8SequenceLength(unsigned char lead);

// The code points of well-formed UTF-8 (no overlong forms, surrogates or values above
// U+10FFFF); nothing for any other text.
std::optional<std::u32string> decodeUtf8(std::string_view text);

inline bool isUtf8(std::string_view text) {
    return decodeUtf8(text).has_value();
}

}  // namespace cw
