// The refusals of the run and the buttons. A structural tool must not compute with an
// empty field, a zero divisor or an overflowing value: it says which field is wrong instead.

#include "bay/field_rules.h"

#include "text/messages.h"

namespace cw {

namespace {

struct Caption {
    Field field;
    std::string_view greek;
    std::string_view english;
};

constexpr Caption kCaptions[] = {
    {Field::GridWidthA1, "A1", "A1"},
    {Field::GridWidthA2, "A2", "A2"},
    {Field::SpanL1, "L", "L"},
    {Field::SpanL2, "L2", "L2"},
    {Field::GlazingHeightH1, "H1", "H1"},
    {Field::GlazingHeightH2, "H2", "H2"},
    {Field::WindPressure, "Ανεμοπίεση (kN / m^2)", "Wind pressure (kN / m^2)"},
    {Field::WindSpeed, "Ταχ. Ανέμου (km / h)", "Wind speed (km / h)"},
    {Field::GlassThickness, "Συνολικό πάχος υάλωσης (mm)", "Total glazing thickness (mm)"},
    {Field::Divisor, "L / d (διαιρέτης d)", "L / d (divisor d)"},
    {Field::AllowableDeflection, "Βέλος κάμψης (mm)", "Deflection (mm)"},
    {Field::StructureWeight, "Βάρος προφίλ (kN / m^2)", "Aluminium structure weight (kN/m^2)"},
    {Field::SnowHeight, "Ύψος χιονιού (cm)", "Height of compressed snow (cm)"},
    {Field::Slope, "Κλίση κατασκευής α (μοίρες)", "Slope of structure α (deg)"},
};

struct FieldLimit {
    Field field;
    RealBayLimit limit;
};

constexpr FieldLimit kRealBayLimits[] = {
    {Field::GridWidthA1, {10000, "cm"}},
    {Field::GridWidthA2, {10000, "cm"}},
    {Field::SpanL1, {10000, "cm"}},
    {Field::SpanL2, {10000, "cm"}},
    {Field::GlazingHeightH1, {10000, "cm"}},
    {Field::GlazingHeightH2, {10000, "cm"}},
    {Field::GlassThickness, {1000, "mm"}},
    {Field::AllowableDeflection, {10000, "mm"}},
    {Field::WindPressure, {kMaxWindPressure_kNm2, "kN/m^2"}},
    {Field::WindSpeed, {1000, "km/h"}},
    {Field::StructureWeight, {100, "kN/m^2"}},
    {Field::SnowHeight, {10000, "cm"}},
};

std::string atMost(Field field, const RealBayLimit& limit, Language language) {
    return say(
        Message::FieldAtMost, language,
        {fieldCaption(field, language), plainText(limit.atMost, NumberFormat{}), limit.unit});
}

// "1.200" under Greek settings (or "1,200" under English ones) is 1200 written with a
// thousands separator, which is refused rather than guessed: the text without them, with
// any decimal part kept ("1.200,5" gives 1200,5), or nothing when the text is not grouped so.
std::optional<std::string> withoutGroupSeparators(std::string_view text, const NumberFormat& fmt) {
    const char group = fmt.decimal == "," ? '.' : ',';
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    std::string out;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        out += text[i++];
    const auto digit = [&](std::size_t k) {
        return k < text.size() && text[k] >= '0' && text[k] <= '9';
    };
    std::size_t lead = 0;
    while (digit(i + lead))
        ++lead;
    if (lead < 1 || lead > 3)
        return std::nullopt;
    out += text.substr(i, lead);
    i += lead;
    int groups = 0;
    while (i < text.size() && text[i] == group && digit(i + 1) && digit(i + 2) && digit(i + 3) &&
           !digit(i + 4)) {
        out += text.substr(i + 1, 3);
        i += 4;
        ++groups;
    }
    if (groups == 0)
        return std::nullopt;
    if (i < text.size() && text[i] == fmt.decimal[0] && digit(i + 1)) {
        out += text.substr(i);
        i = text.size();
    }
    if (i != text.size() || !parseNumber(out, fmt))
        return std::nullopt;
    return out;
}

// "1.5" under Greek settings (or "1,5" under English ones) is a number with the other
// decimal separator: say which one the settings use, with the text as they would read it.
std::string separatorHint(std::string_view text, const NumberFormat& fmt, Language language) {
    if (fmt.decimal != "," && fmt.decimal != ".")
        return {};
    if (auto ungrouped = withoutGroupSeparators(text, fmt))
        return say(Message::GroupSeparator, language, {*ungrouped});
    NumberFormat other = fmt;
    other.decimal.assign(1, fmt.decimal == "," ? '.' : ',');  // a literal trips a false -Wrestrict
    if (!parseNumber(text, other))
        return {};
    std::string rewritten;
    for (char c : text)
        if (c != ' ' && c != '\t')
            rewritten += c == other.decimal[0] ? fmt.decimal[0] : c;
    // Short enough that the whole message stays within a message box's few lines.
    constexpr std::size_t kShown = 20;
    if (rewritten.size() > kShown)
        rewritten = rewritten.substr(0, kShown) + "…";
    return say(fmt.decimal == "," ? Message::SeparatorIsComma : Message::SeparatorIsPoint, language,
               {rewritten});
}

}  // namespace

// A hostile 300-character text is not repeated whole in a message box.
std::string shortened(std::string_view text) {
    constexpr std::size_t kMax = 40;
    if (text.size() <= kMax)
        return std::string(text);
    std::size_t cut = kMax;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return std::string(text.substr(0, cut)) + "…";
}

std::optional<RealBayLimit> realBayLimit(Field field) {
    for (const FieldLimit& f : kRealBayLimits)
        if (f.field == field)
            return f.limit;
    return std::nullopt;
}

std::string fieldCaption(Field field, Language language) {
    for (const Caption& c : kCaptions)
        if (c.field == field)
            return std::string(language == Language::English ? c.english : c.greek);
    return std::string();
}

std::optional<Refusal> checkField(const FieldRule& rule, std::string_view text,
                                  const NumberFormat& fmt, Language language) {
    return checkValue(rule, text, parseNumber(text, fmt), fmt, language);
}

std::optional<Refusal> checkValue(const FieldRule& rule, std::string_view text,
                                  std::optional<double> value, const NumberFormat& fmt,
                                  Language language) {
    const auto refused = [&](Message m) {
        return Refusal{say(m, language, {fieldCaption(rule.field, language)}), rule.field};
    };
    if (text.find_first_not_of(" \t") == std::string_view::npos)
        return refused(Message::FieldEmpty);
    if (!value)
        return Refusal{say(Message::FieldNotANumber, language,
                           {fieldCaption(rule.field, language), shortened(text)}) +
                           separatorHint(text, fmt, language),
                       rule.field};
    if (rule.bound == Bound::NonNegative && *value < 0)
        return refused(Message::FieldNegative);
    if (rule.bound == Bound::Positive && !(*value > 0))
        return refused(Message::FieldNotPositive);
    if (rule.bound == Bound::NonZero && *value == 0)
        return refused(Message::FieldZero);
    if (rule.bound == Bound::Angle && !(*value >= 0 && *value <= kMaxSlope_deg))
        return refused(Message::SlopeOutOfRange);
    if (const auto limit = realBayLimit(rule.field);
        rule.withinRealBay && limit && *value > limit->atMost)
        return Refusal{atMost(rule.field, *limit, language), rule.field};
    return std::nullopt;
}

std::optional<Refusal> checkDivisor(std::string_view text, const NumberFormat& fmt,
                                    Language language) {
    if (auto refusal = checkField({Field::Divisor, Bound::Any}, text, fmt, language))
        return refusal;
    const auto d = toInt16(*parseNumber(text, fmt));
    if (d && *d >= 1)
        return std::nullopt;
    return Refusal{
        say(Message::DivisorOutOfRange, language, {fieldCaption(Field::Divisor, language)}),
        Field::Divisor};
}

Refusal tooLarge(Field field, Language language) {
    return Refusal{say(Message::ValueTooLarge, language, {fieldCaption(field, language)}), field};
}

Refusal windPressureTooHigh(Language language) {
    return Refusal{atMost(Field::WindPressure, *realBayLimit(Field::WindPressure), language),
                   Field::WindPressure};
}

Refusal noLoadWidth(Language language) {
    return Refusal{say(Message::NoLoadWidth, language), Field::GridWidthA1};
}

Refusal noWindLoad(Language language) {
    return Refusal{say(Message::NoWindLoad, language), Field::WindPressure};
}

Refusal resultOutOfRange(Language language) {
    return Refusal{say(Message::ResultOutOfRange, language), std::nullopt};
}

Refusal secondSpanTooLong(std::string_view spanL2, std::string_view spanL1, Language language) {
    // Both spans as typed, so that the user sees which of the two to correct.
    const auto typed = [](std::string_view text) {
        while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
            text.remove_prefix(1);
        while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
            text.remove_suffix(1);
        return shortened(text);
    };
    const std::string l2 = typed(spanL2);
    const std::string l1 = typed(spanL1);
    return Refusal{say(Message::SpanL2AboveL1, language, {l2, l1}), Field::SpanL2};
}

}  // namespace cw
