#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace cw::fuzz {

// Where a text stops being one JSON value (RFC 8259, strings in valid UTF-8), or npos when
// it is one. Kept free of Qt so that the libFuzzer targets can check their output cheaply.
std::size_t jsonErrorOffset(std::string_view text);

inline bool isJson(std::string_view text) {
    return jsonErrorOffset(text) == std::string::npos;
}

}  // namespace cw::fuzz
