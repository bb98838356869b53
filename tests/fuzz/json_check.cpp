#include "json_check.h"

namespace cw::fuzz {

namespace {

class Parser {
public:
    explicit Parser(std::string_view text) : m_s(text) {}

    std::size_t run() {
        skipBlanks();
        if (!value(0))
            return m_pos;
        skipBlanks();
        return m_pos == m_s.size() ? std::string::npos : m_pos;
    }

private:
    // Deep enough for any dump; a bound keeps hostile input from exhausting the stack.
    static constexpr int kMaxDepth = 64;

    bool atEnd() const { return m_pos >= m_s.size(); }
    unsigned char peek() const { return static_cast<unsigned char>(m_s[m_pos]); }

    void skipBlanks() {
        while (!atEnd() && (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r'))
            ++m_pos;
    }

    bool literal(std::string_view word) {
        if (m_s.substr(m_pos, word.size()) != word)
            return false;
        m_pos += word.size();
        return true;
    }

    bool value(int depth) {
        if (atEnd() || depth > kMaxDepth)
            return false;
        switch (peek()) {
        case '{': return object(depth);
        case '[': return array(depth);
        case '"': return string();
        case 't': return literal("true");
        case 'f': return literal("false");
        case 'n': return literal("null");
        default: return number();
        }
    }

    bool object(int depth) {
        ++m_pos;
        skipBlanks();
        if (!atEnd() && peek() == '}') {
            ++m_pos;
            return true;
        }
        for (;;) {
            skipBlanks();
            if (atEnd() || peek() != '"' || !string())
                return false;
            skipBlanks();
            if (atEnd() || peek() != ':')
                return false;
            ++m_pos;
            skipBlanks();
            if (!value(depth + 1))
                return false;
            skipBlanks();
            if (atEnd())
                return false;
            if (peek() == '}') {
                ++m_pos;
                return true;
            }
            if (peek() != ',')
                return false;
            ++m_pos;
        }
    }

    bool array(int depth) {
        ++m_pos;
        skipBlanks();
        if (!atEnd() && peek() == ']') {
            ++m_pos;
            return true;
        }
        for (;;) {
            skipBlanks();
            if (!value(depth + 1))
                return false;
            skipBlanks();
            if (atEnd())
                return false;
            if (peek() == ']') {
                ++m_pos;
                return true;
            }
            if (peek() != ',')
                return false;
            ++m_pos;
        }
    }

    bool digits() {
        const std::size_t start = m_pos;
        while (!atEnd() && peek() >= '0' && peek() <= '9')
            ++m_pos;
        return m_pos > start;
    }

    bool number() {
        if (!atEnd() && peek() == '-')
            ++m_pos;
        if (atEnd())
            return false;
        if (peek() == '0') {
            ++m_pos;
        } else if (!digits()) {
            return false;
        }
        if (!atEnd() && peek() == '.') {
            ++m_pos;
            if (!digits())
                return false;
        }
        if (!atEnd() && (peek() == 'e' || peek() == 'E')) {
            ++m_pos;
            if (!atEnd() && (peek() == '+' || peek() == '-'))
                ++m_pos;
            if (!digits())
                return false;
        }
        return true;
    }

    bool hex4() {
        for (int i = 0; i < 4; ++i, ++m_pos) {
            if (atEnd())
                return false;
            const unsigned char c = peek();
            const bool hex =
                (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
            if (!hex)
                return false;
        }
        return true;
    }

    // One UTF-8 sequence: no overlong forms, no surrogates, nothing above U+10FFFF.
    bool utf8() {
        const unsigned char lead = peek();
        std::size_t length = 0;
        unsigned char low = 0x80, high = 0xBF;  // bounds of the second byte
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0)
                low = 0xA0;
            if (lead == 0xED)
                high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0)
                low = 0x90;
            if (lead == 0xF4)
                high = 0x8F;
        } else {
            return false;
        }
        if (m_pos + length > m_s.size())
            return false;
        for (std::size_t i = 1; i < length; ++i) {
            const auto c = static_cast<unsigned char>(m_s[m_pos + i]);
            const unsigned char lo = i == 1 ? low : 0x80;
            const unsigned char hi = i == 1 ? high : 0xBF;
            if (c < lo || c > hi)
                return false;
        }
        m_pos += length;
        return true;
    }

    bool string() {
        ++m_pos;
        while (!atEnd()) {
            const unsigned char c = peek();
            if (c == '"') {
                ++m_pos;
                return true;
            }
            if (c < 0x20)
                return false;
            if (c == '\\') {
                ++m_pos;
                if (atEnd())
                    return false;
                const unsigned char e = peek();
                ++m_pos;
                if (e == 'u') {
                    if (!hex4())
                        return false;
                } else if (e != '"' && e != '\\' && e != '/' && e != 'b' && e != 'f' && e != 'n' &&
                           e != 'r' && e != 't') {
                    return false;
                }
            } else if (c < 0x80) {
                ++m_pos;
            } else if (!utf8()) {
                return false;
            }
        }
        return false;
    }

    std::string_view m_s;
    std::size_t m_pos = 0;
};

}  // namespace

std::size_t jsonErrorOffset(std::string_view text) {
    return Parser(text).run();
}

}  // namespace cw::fuzz
