#include "export/xlsx_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <vector>

namespace cw::xlsx {

ExportOutcome fail(ExportFailure kind, Message message, std::initializer_list<Said> values) {
    ExportOutcome outcome;
    outcome.failure = kind;
    outcome.message = sayBoth(message, values);
    return outcome;
}

ExportOutcome succeeded() {
    ExportOutcome outcome;
    outcome.ok = true;
    return outcome;
}

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

namespace {

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

}  // namespace

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

}  // namespace cw::xlsx
