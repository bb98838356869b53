#include "bay/tagged_value.h"

namespace cw {

std::optional<double> TaggedValue::toNumber(const NumberFormat& fmt) const {
    switch (m_kind) {
    case Kind::Empty: return std::nullopt;
    case Kind::Text: return parseNumber(m_text, fmt);
    default: return m_number;
    }
}

std::string TaggedValue::toText(const NumberFormat& fmt) const {
    switch (m_kind) {
    case Kind::Empty: return {};
    case Kind::Text: return m_text;
    case Kind::Single: return plainText(m_number, fmt, 7);
    default: return plainText(m_number, fmt);
    }
}

}  // namespace cw
