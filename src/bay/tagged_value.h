#pragma once

#include "bay/number_text.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace cw {

// A form-level value: empty until first assigned, then a number of one of four widths or
// a text. Arithmetic on a text converts it with the locale, as the window's fields do.
class TaggedValue {
public:
    enum class Kind { Empty, Int16, Int32, Single, Double, Text };

    TaggedValue() = default;
    static TaggedValue int16(std::int16_t v) { return TaggedValue(Kind::Int16, double(v), {}); }
    static TaggedValue int32(std::int32_t v) { return TaggedValue(Kind::Int32, double(v), {}); }
    static TaggedValue single(float v) { return TaggedValue(Kind::Single, double(v), {}); }
    static TaggedValue real(double v) { return TaggedValue(Kind::Double, v, {}); }
    static TaggedValue text(std::string s) { return TaggedValue(Kind::Text, 0.0, std::move(s)); }

    Kind kind() const { return m_kind; }
    bool isEmpty() const { return m_kind == Kind::Empty; }
    bool isText() const { return m_kind == Kind::Text; }
    bool isNumber() const { return m_kind != Kind::Empty && m_kind != Kind::Text; }
    // The empty text, which the design runs use to mark "no catalogue row this run".
    bool isEmptyText() const { return m_kind == Kind::Text && m_text.empty(); }

    const std::string& textValue() const { return m_text; }
    double numberValue() const { return m_number; }

    // The value as a number: a number as it is, a text converted by the locale; nothing for
    // the empty value or a text that is not a number.
    std::optional<double> toNumber(const NumberFormat& fmt) const;

    // The value as a text, as assigning it to a text box writes it: a text as it is, a
    // number in the plain form, the empty value as the empty text.
    std::string toText(const NumberFormat& fmt) const;

    bool operator==(const TaggedValue& other) const = default;

private:
    TaggedValue(Kind kind, double number, std::string text)
        : m_kind(kind), m_number(number), m_text(std::move(text)) {}

    Kind m_kind = Kind::Empty;
    double m_number = 0.0;
    std::string m_text;
};

}  // namespace cw
