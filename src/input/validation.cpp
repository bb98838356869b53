// The refusals of the run and the buttons. A structural tool must not compute with an
// empty field, a zero divisor or an overflowing value: it says which field is wrong instead.

#include "input/field_captions.h"
#include "window/inventory.h"
#include "window/window_model.h"

#include <algorithm>
#include <cmath>

namespace cw {

using C = ControlId;

namespace {

struct Caption {
    ControlId id;
    std::string_view greek;
    std::string_view english;
};

constexpr Caption kCaptions[] = {
    {C::Text4, "A1", "A1"},
    {C::Text7, "A2", "A2"},
    {C::Text2, "L", "L"},
    {C::Text13, "L2", "L2"},
    {C::Text10, "H1", "H1"},
    {C::Text12, "H2", "H2"},
    {C::Text8, "Ανεμοπίεση (kN / m^2)", "Wind pressure (kN / m^2)"},
    {C::Text11, "Ταχ. Ανέμου (km / h)", "Wind speed (km / h)"},
    {C::Text16, "Συνολικό πάχος υάλωσης (mm)", "Total glazing thickness (mm)"},
    {C::Text37, "L / d (διαιρέτης d)", "L / d (divisor d)"},
    {C::Text38, "Βέλος κάμψης (mm)", "Deflection (mm)"},
    {C::Text40, "Βάρος προφίλ (kN / m^2)", "Aluminium structure weight (kN/m^2)"},
    {C::Text41, "Ύψος χιονιού (cm)", "Height of compressed snow (cm)"},
    {C::Text42, "Κλίση κατασκευής α (μοίρες)", "Slope of structure α (deg)"},
};

struct FieldLimit {
    ControlId id;
    RealBayLimit limit;
};

constexpr FieldLimit kRealBayLimits[] = {
    {C::Text4, {10000, "cm"}},
    {C::Text7, {10000, "cm"}},
    {C::Text2, {10000, "cm"}},
    {C::Text13, {10000, "cm"}},
    {C::Text10, {10000, "cm"}},
    {C::Text12, {10000, "cm"}},
    {C::Text16, {1000, "mm"}},
    {C::Text38, {10000, "mm"}},
    {C::Text8, {kMaxWindPressure_kNm2, "kN/m^2"}},
    {C::Text11, {1000, "km/h"}},
    {C::Text40, {100, "kN/m^2"}},
    {C::Text41, {10000, "cm"}},
};

std::string quoted(std::string_view caption, bool english) {
    return english ? "\"" + std::string(caption) + "\"" : "«" + std::string(caption) + "»";
}

std::string field(ControlId id, bool english) {
    return (english ? "The field " : "Το πεδίο ") + quoted(fieldCaption(id, english), english);
}

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

std::string atMostText(const RealBayLimit& limit, bool english) {
    const std::string bound =
        plainText(limit.atMost, NumberFormat{}) + " " + std::string(limit.unit) + ".";
    return english ? " must not be more than " + bound : " δεν μπορεί να υπερβαίνει τα " + bound;
}

// "1.5" under Greek settings (or "1,5" under English ones) is a number with the other
// decimal separator: say which one the settings use, with the text as they would read it.
std::string separatorHint(std::string_view text, const NumberFormat& fmt, bool english) {
    if (fmt.decimal != "," && fmt.decimal != ".")
        return {};
    NumberFormat other = fmt;
    other.decimal = fmt.decimal == "," ? "." : ",";
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
    const bool comma = fmt.decimal == ",";
    if (english)
        return std::string(" Under these regional settings the decimal separator is the ") +
               (comma ? "comma: " : "point: ") + rewritten;
    return std::string(" Στις τοπικές ρυθμίσεις το δεκαδικό διαχωριστικό είναι ") +
           (comma ? "το κόμμα: " : "η τελεία: ") + rewritten;
}

}  // namespace

std::optional<RealBayLimit> realBayLimit(ControlId id) {
    for (const FieldLimit& f : kRealBayLimits)
        if (f.id == id)
            return f.limit;
    return std::nullopt;
}

std::string fieldCaption(ControlId id, bool english) {
    for (const Caption& c : kCaptions)
        if (c.id == id)
            return std::string(english ? c.english : c.greek);
    return std::string(controlSpec(id).name);
}

std::optional<Refusal> checkField(const FieldRule& rule, std::string_view text,
                                  const NumberFormat& fmt, bool english) {
    const std::optional<double> value = parseNumber(text, fmt);
    std::string problem;
    if (text.find_first_not_of(" \t") == std::string_view::npos)
        problem = english ? " is empty: enter a number." : " είναι κενό: δώστε έναν αριθμό.";
    else if (!value)
        problem = (english ? " does not hold a number: \"" + shortened(text) + "\"."
                           : " δεν περιέχει αριθμό: \"" + shortened(text) + "\".") +
                  separatorHint(text, fmt, english);
    else if (rule.bound == Bound::NonNegative && *value < 0)
        problem = english ? " must not be negative." : " δεν μπορεί να είναι αρνητικό.";
    else if (rule.bound == Bound::Positive && !(*value > 0))
        problem = english ? " must be greater than 0." : " πρέπει να είναι μεγαλύτερο από 0.";
    else if (rule.bound == Bound::NonZero && *value == 0)
        problem = english ? " must not be 0." : " δεν μπορεί να είναι 0.";
    else if (rule.bound == Bound::Angle && !(*value >= 0 && *value <= kMaxSlope_deg))
        problem =
            english ? " must be from 0 to 90 degrees." : " πρέπει να είναι από 0 έως 90 μοίρες.";
    else if (const auto limit = realBayLimit(rule.id);
             rule.withinRealBay && limit && *value > limit->atMost)
        problem = atMostText(*limit, english);
    else
        return std::nullopt;
    return Refusal{field(rule.id, english) + problem, rule.id};
}

std::optional<Refusal> checkDivisor(std::string_view text, const NumberFormat& fmt, bool english) {
    if (auto refusal = checkField({C::Text37, Bound::Any}, text, fmt, english))
        return refusal;
    const auto d = toInt16(*parseNumber(text, fmt));
    if (d && *d >= 1)
        return std::nullopt;
    return Refusal{
        field(C::Text37, english) + (english ? " must be a whole number from 1 to 32767."
                                             : " πρέπει να είναι ακέραιος από 1 έως 32767."),
        C::Text37};
}

Refusal tooLarge(ControlId id, bool english) {
    return Refusal{english ? "The value of " + quoted(fieldCaption(id, true), true) +
                                 " gives a result too large to compute; check the inputs."
                           : "Η τιμή του πεδίου " + quoted(fieldCaption(id, false), false) +
                                 " δίνει αποτέλεσμα εκτός ορίων υπολογισμού· ελέγξτε τα δεδομένα.",
                   id};
}

Refusal windPressureTooHigh(bool english) {
    return Refusal{field(C::Text8, english) + atMostText(*realBayLimit(C::Text8), english),
                   C::Text8};
}

Refusal noLoadWidth(bool english) {
    return Refusal{english ? "The grid widths give no load width: A1/2 + A2/2 must be greater "
                             "than 0."
                           : "Τα πλάτη κανάβου δεν δίνουν πλάτος φόρτισης: το A1/2 + A2/2 πρέπει "
                             "να είναι μεγαλύτερο από 0.",
                   C::Text4};
}

Refusal noWindLoad(bool english) {
    return Refusal{english ? "No wind load is set: choose a height band, or use the wind pressure "
                             "or the wind speed button."
                           : "Δεν έχει οριστεί ανεμοπίεση: επιλέξτε ύψος κατασκευής ή "
                             "χρησιμοποιήστε το κουμπί ανεμοπίεσης ή ταχύτητας ανέμου.",
                   C::Text8};
}

Refusal resultOutOfRange(bool english) {
    return Refusal{english ? "These inputs give a result too large to compute; check the values."
                           : "Τα δεδομένα δίνουν αποτέλεσμα εκτός ορίων υπολογισμού· ελέγξτε τις "
                             "τιμές.",
                   std::nullopt};
}

std::optional<Refusal> Form::gatherRunInputs(DesignInputs& in, bool& systemChosen) const {
    const bool english = englishShowing();
    const auto need = [&](ControlId id, Bound bound) -> std::optional<Refusal> {
        return checkField({id, bound, true}, text(id), m_fmt, english);
    };

    if (auto r = checkDivisor(text(C::Text37), m_fmt, english))
        return r;
    if (auto r = need(C::Text16, Bound::NonNegative))
        return r;
    if (auto r = need(C::Text4, Bound::NonNegative))
        return r;
    if (auto r = need(C::Text7, Bound::NonNegative))
        return r;
    in.d = *toInt16(*num(C::Text37));
    in.glassThickness_mm = *num(C::Text16);
    in.glassWeight = in.glassThickness_mm * 2.5;
    if (!std::isfinite(in.glassWeight))
        return tooLarge(C::Text16, english);
    in.b = loadWidthThroughText(*num(C::Text4), *num(C::Text7), m_fmt);
    in.transomSpan = std::max(*num(C::Text4), *num(C::Text7));
    if (!std::isfinite(in.b))
        return tooLarge(C::Text4, english);
    if (!(in.b > 0))
        return noLoadWidth(english);

    const bool terrax = selected(C::Option12);
    in.series = selected(C::Option10)   ? Series::Veltra
                : selected(C::Option11) ? Series::KorinDalvo
                                        : Series::Terrax;
    // The fixed-ends system is not offered for Terrax; its run then stops after the preamble.
    systemChosen =
        selected(C::Option9) || selected(C::Option13) || (selected(C::Option14) && !terrax);
    if (!systemChosen)
        return std::nullopt;

    if (auto r = need(C::Text2, Bound::Positive))
        return r;
    if (auto r = need(C::Text10, Bound::NonNegative))
        return r;
    if (auto r = need(C::Text12, Bound::Positive))
        return r;
    // No section has a zero deflection.
    if (auto r = need(C::Text38, Bound::Positive))
        return r;
    in.L1 = *num(C::Text2);
    in.H1 = *num(C::Text10);
    in.H2 = *num(C::Text12);
    in.allowedDeflection_mm = *num(C::Text38);

    // The pressure the run will take: Text8 again after the pressure button.
    std::string pressureText;
    if (m_form.WindInputMode == TaggedValue::int16(1)) {
        if (auto r = need(C::Text8, Bound::NonNegative))
            return r;
        pressureText = text(C::Text8);
        in.p = *num(C::Text8);
    } else {
        if (m_form.WindPressure.isEmpty())
            return noWindLoad(english);
        const std::optional<double> p = m_form.WindPressure.toNumber(m_fmt);
        if (!p || *p < 0)
            return noWindLoad(english);
        pressureText = m_form.WindPressure.toText(m_fmt);
        in.p = *p;
    }
    in.w = parseNumber(pressureText, m_fmt).value_or(in.p);
    if (in.p > kMaxWindPressure_kNm2)
        return windPressureTooHigh(english);

    if (selected(C::Option13)) {
        if (auto r = need(C::Text13, Bound::NonNegative))
            return r;
        in.L2 = *num(C::Text13);
        if (in.L2 > in.L1)
            return Refusal{std::string(kSpanMessage), C::Text13};
        // Spans are compared as numbers: "350" and "350,0" are one span.
        if (text(C::Text2) == text(C::Text13) || in.L2 == in.L1)
            in.designCase = DesignCase::E;
        else
            in.designCase = in.L2 / in.L1 >= 0.2 ? DesignCase::U : DesignCase::R;
    } else {
        in.designCase = selected(C::Option14) ? DesignCase::F : DesignCase::S;
    }

    if (terrax && in.designCase == DesignCase::S) {
        if (auto r = need(C::Text40, Bound::NonNegative))
            return r;
        if (auto r = need(C::Text41, Bound::NonNegative))
            return r;
        if (auto r = need(C::Text42, Bound::Angle))
            return r;
        in.structureWeight_kNm2 = *num(C::Text40);
        in.snowHeight_cm = *num(C::Text41);
        in.slope_deg = *num(C::Text42);
    }
    return std::nullopt;
}

}  // namespace cw
