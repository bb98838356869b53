#include "design/catalogue_reader.h"

#include "design/alloys.h"
#include "design/steel_insert.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <unordered_set>
#include <utility>

namespace cw {

namespace {

using K = CatalogueFaultKind;
using Record = CatalogueRecord;

// A value quoted in a message is cut short: a 4 MB field is no help to the reader.
constexpr std::size_t kMostValueBytes = 60;

std::string shortened(std::string_view value) {
    if (value.size() <= kMostValueBytes)
        return std::string(value);
    std::size_t n = kMostValueBytes;
    while (n > 0 && (static_cast<unsigned char>(value[n]) & 0xC0U) == 0x80U)
        --n;  // not inside a UTF-8 sequence
    return std::string(value.substr(0, n)) + "...";
}

class Faults {
public:
    explicit Faults(std::vector<CatalogueFault>& out) : m_out(out) {}
    void add(std::size_t line, std::string_view column, K kind, std::string_view value = {}) {
        ++m_count;
        if (m_out.size() < kMostCatalogueFaults)
            m_out.push_back({line, std::string(column), kind, shortened(value)});
    }
    bool any() const { return m_count > 0; }

private:
    std::vector<CatalogueFault>& m_out;
    std::size_t m_count = 0;
};

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Semicolon when the header holds more of them than commas outside quotes.
char separatorOf(std::string_view text) {
    std::size_t commas = 0;
    std::size_t semicolons = 0;
    bool inQuotes = false;
    for (const char c : text) {
        if (c == '"')
            inQuotes = !inQuotes;
        else if (!inQuotes && (c == '\n' || c == '\r'))
            break;
        else if (!inQuotes && c == ',')
            ++commas;
        else if (!inQuotes && c == ';')
            ++semicolons;
    }
    return semicolons > commas ? ';' : ',';
}

// RFC 4180 records: fields separated by the separator, lines by LF or CRLF, a field in quotes
// may hold separators, line breaks and doubled quotes. The last line break is optional.
std::vector<Record> splitRecords(std::string_view text, char sep, Faults& faults) {
    std::vector<Record> records;
    std::size_t line = 1;
    std::size_t i = 0;
    const auto atLineEnd = [&](std::size_t at) {
        return at == text.size() || text[at] == '\n' ||
               (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n');
    };
    while (i < text.size()) {
        Record record;
        record.line = line;
        bool bad = false;
        for (;;) {
            std::string field;
            if (i < text.size() && text[i] == '"') {
                const std::size_t startLine = line;
                ++i;
                bool closed = false;
                while (i < text.size()) {
                    if (text[i] == '"') {
                        if (i + 1 < text.size() && text[i + 1] == '"') {
                            field += '"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        closed = true;
                        break;
                    }
                    if (text[i] == '\n')
                        ++line;
                    field += text[i++];
                }
                if (!closed) {
                    faults.add(startLine, {}, K::UnclosedQuote);
                    return records;
                }
                if (!atLineEnd(i) && text[i] != sep) {
                    faults.add(line, {}, K::StrayQuote);
                    bad = true;
                }
            }
            while (!atLineEnd(i) && text[i] != sep) {
                if (text[i] == '"' && !bad) {
                    faults.add(line, {}, K::StrayQuote);
                    bad = true;
                }
                field += text[i++];
            }
            record.fields.push_back(std::move(field));
            if (i < text.size() && text[i] == sep) {
                ++i;
                continue;
            }
            break;
        }
        if (i < text.size())
            i += text[i] == '\r' ? 2 : 1;
        ++line;
        if (record.fields.size() == 1 && record.fields[0].empty())
            faults.add(record.line, {}, K::EmptyLine);
        else if (!bad)
            records.push_back(std::move(record));
    }
    return records;
}

enum Column : std::size_t {
    System,
    Use,
    Code,
    Role,
    Ix,
    Fibre,
    Wx,
    Iy,
    Wy,
    Area,
    Mass,
    Alloy,
    Elements,
    SteelIx,
    SteelWx,
    SteelGradeColumn,
    From,
    To,
    SpanCase,
    ColumnCount
};

constexpr std::array<std::string_view, ColumnCount> kColumnNames = {
    "system",       "use",         "code",     "role",      "Ix_cm4",   "e_mm",     "Wx_cm3",
    "Iy_cm4",       "Wy_cm3",      "A_cm2",    "mass_kg_m", "alloy",    "elements", "steel_Ix_cm4",
    "steel_Wx_cm3", "steel_grade", "from_cm4", "to_cm4",    "span_case"};

// The columns of a row's section values, which a band row takes none of.
constexpr std::array<Column, 12> kSectionColumns = {
    Ix, Fibre, Wx, Iy, Wy, Area, Mass, Alloy, Elements, SteelIx, SteelWx, SteelGradeColumn};

constexpr std::size_t kAbsent = std::numeric_limits<std::size_t>::max();
constexpr double kLargestValue = 1e12;
constexpr double kSmallestValue = 1e-6;

bool plainNumber(std::string_view s) {
    const std::size_t dot = s.find('.');
    const std::string_view whole = s.substr(0, dot);
    const std::string_view fraction = dot == std::string_view::npos ? "" : s.substr(dot + 1);
    const auto digits = [](std::string_view d) {
        return !d.empty() && d.find_first_not_of("0123456789") == std::string_view::npos;
    };
    return digits(whole) && (dot == std::string_view::npos || digits(fraction));
}

// A plain number with a minus before it: a number, but not one a section value can be.
bool negativeNumber(std::string_view s) {
    return s.size() > 1 && s[0] == '-' && plainNumber(s.substr(1));
}

// A dimension of an element: a plain number above zero.
std::optional<double> positive(std::string_view s) {
    double v = 0.0;
    if (!plainNumber(s) || std::from_chars(s.data(), s.data() + s.size(), v).ec != std::errc() ||
        !(v > 0.0) || !std::isfinite(v))
        return std::nullopt;
    return v;
}

// name:i|o:b×t, separated by semicolons; "x" stands for "×".
std::optional<std::vector<PlateElement>> parseElements(std::string_view text) {
    std::vector<PlateElement> elements;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = std::min(text.find(';', start), text.size());
        const std::string_view part = text.substr(start, end - start);
        const std::size_t c1 = part.find(':');
        const std::size_t c2 = c1 == std::string_view::npos ? c1 : part.find(':', c1 + 1);
        if (c2 == std::string_view::npos || c1 == 0)
            return std::nullopt;
        const std::string_view kind = part.substr(c1 + 1, c2 - c1 - 1);
        const std::string_view size = part.substr(c2 + 1);
        std::size_t by = size.find("\xC3\x97");
        std::size_t byLength = 2;
        if (by == std::string_view::npos) {
            by = size.find('x');
            byLength = 1;
        }
        if ((kind != "i" && kind != "o") || by == std::string_view::npos)
            return std::nullopt;
        const std::optional<double> b = positive(size.substr(0, by));
        const std::optional<double> t = positive(size.substr(by + byLength));
        if (!b || !t)
            return std::nullopt;
        elements.push_back({std::string(part.substr(0, c1)), kind == "i", *b, *t});
        if (end == text.size())
            return elements;
        start = end + 1;
    }
}

std::optional<SteelGrade> steelGradeOf(std::string_view s) {
    if (s == "S235")
        return SteelGrade::S235;
    if (s == "S275")
        return SteelGrade::S275;
    if (s == "S355")
        return SteelGrade::S355;
    return std::nullopt;
}

// The section values of a row with properties, the Ix already read.
struct Section {
    std::optional<double> fibre_mm;
    std::optional<double> wx_cm3;
    SectionExtras extras;
};

class RowReader {
public:
    RowReader(const std::array<std::size_t, ColumnCount>& at, const Record& r, Faults& f)
        : m_at(at), m_record(r), m_faults(f) {}

    std::string_view text(Column c) const {
        return m_at[c] == kAbsent ? std::string_view() : std::string_view(m_record.fields[m_at[c]]);
    }
    void fault(Column c, K kind, std::string_view value = {}) {
        m_faults.add(m_record.line, kColumnNames[c], kind, value);
    }
    bool present(Column c) {
        if (!text(c).empty())
            return true;
        fault(c, K::MissingValue);
        return false;
    }
    void none(Column c) {
        if (!text(c).empty())
            fault(c, K::ValueNotTaken, text(c));
    }
    // A non-negative number with a dot for decimals; positive unless zero is allowed.
    std::optional<double> number(Column c, bool zeroAllowed) {
        if (!present(c))
            return std::nullopt;
        const std::string_view s = text(c);
        double v = 0.0;
        if (!plainNumber(s)) {
            fault(c, negativeNumber(s) ? K::NotPositive : K::NotANumber, s);
            return std::nullopt;
        }
        const std::errc ec = std::from_chars(s.data(), s.data() + s.size(), v).ec;
        if (ec != std::errc() || !std::isfinite(v)) {
            fault(c, ec == std::errc::result_out_of_range ? K::TooLarge : K::NotANumber, s);
            return std::nullopt;
        }
        if (!(v > 0.0) && !(zeroAllowed && v == 0.0)) {
            fault(c, K::NotPositive, s);
            return std::nullopt;
        }
        // Far outside any section's values, and where products and quotients of them (E I,
        // Ix / e) would leave the doubles.
        if (v > kLargestValue || (v > 0.0 && v < kSmallestValue)) {
            fault(c, v > kLargestValue ? K::TooLarge : K::TooSmall, s);
            return std::nullopt;
        }
        return v;
    }
    // An optional value: empty gives nothing and no fault; false on a fault.
    bool optionalNumber(Column c, std::optional<double>& out) {
        if (text(c).empty())
            return true;
        out = number(c, false);
        return out.has_value();
    }
    // Ix in mm4, a whole number: the cm4 text shifted by four places, never through a double.
    std::optional<std::int32_t> ixMm4() {
        if (!present(Ix))
            return std::nullopt;
        const std::string_view s = text(Ix);
        if (!plainNumber(s)) {
            fault(Ix, negativeNumber(s) ? K::NotPositive : K::NotANumber, s);
            return std::nullopt;
        }
        const std::size_t dot = s.find('.');
        std::string digits(s.substr(0, dot));
        std::string fraction(dot == std::string_view::npos ? "" : s.substr(dot + 1));
        while (!fraction.empty() && fraction.back() == '0')
            fraction.pop_back();
        if (fraction.size() > 4) {
            fault(Ix, K::TooPrecise, s);
            return std::nullopt;
        }
        digits += fraction + std::string(4 - fraction.size(), '0');
        std::int64_t mm4 = 0;
        const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), mm4);
        if (ec != std::errc() || end != digits.data() + digits.size() ||
            mm4 > std::numeric_limits<std::int32_t>::max()) {
            fault(Ix, K::TooLarge, s);
            return std::nullopt;
        }
        if (mm4 == 0) {
            fault(Ix, K::NotPositive, s);
            return std::nullopt;
        }
        return static_cast<std::int32_t>(mm4);
    }
    // Everything but Ix of a row with properties; the fibre (e_mm or Wx_cm3) where required.
    std::optional<Section> section(bool fibreRequired) {
        Section s;
        bool ok = true;
        const bool hasE = !text(Fibre).empty();
        const bool hasWx = !text(Wx).empty();
        if (hasE && hasWx) {
            fault(Wx, K::BothWxAndE, text(Wx));
            ok = false;
        } else if (hasWx) {
            ok = optionalNumber(Wx, s.wx_cm3) && ok;
        } else if (hasE || fibreRequired) {
            s.fibre_mm = number(Fibre, false);
            ok = s.fibre_mm.has_value() && ok;
        }
        ok = optionalNumber(Iy, s.extras.iy_cm4) && ok;
        ok = optionalNumber(Wy, s.extras.wy_cm3) && ok;
        ok = optionalNumber(Area, s.extras.area_cm2) && ok;
        ok = optionalNumber(Mass, s.extras.mass_kg_m) && ok;
        s.extras.alloy = std::string(text(Alloy));
        if (!s.extras.alloy.empty() && !knownAlloy(s.extras.alloy)) {
            fault(Alloy, K::UnknownAlloy, s.extras.alloy);
            ok = false;
        }
        if (!text(Elements).empty()) {
            std::optional<std::vector<PlateElement>> elements = parseElements(text(Elements));
            if (elements) {
                s.extras.elements = std::move(*elements);
            } else {
                fault(Elements, K::BadElements, text(Elements));
                ok = false;
            }
        }
        // An insert is checked as well as counted, so its modulus and grade come with it.
        if (!text(SteelIx).empty() || !text(SteelWx).empty() || !text(SteelGradeColumn).empty()) {
            const std::optional<double> ix = number(SteelIx, false);
            const std::optional<double> wx = number(SteelWx, false);
            std::optional<SteelGrade> grade;
            if (present(SteelGradeColumn)) {
                grade = steelGradeOf(text(SteelGradeColumn));
                if (!grade)
                    fault(SteelGradeColumn, K::UnknownSteelGrade, text(SteelGradeColumn));
            }
            if (ix && wx && grade)
                s.extras.steel = SteelInsert{*ix, *wx, *grade};
            else
                ok = false;
        }
        if (!ok)
            return std::nullopt;
        return s;
    }

private:
    static bool knownAlloy(std::string_view alloy);

    const std::array<std::size_t, ColumnCount>& m_at;
    const Record& m_record;
    Faults& m_faults;
};

bool RowReader::knownAlloy(std::string_view alloy) {
    return findAlloy(alloy) != nullptr;
}

// Each band starts at or above the end of the one before, so at most one holds a value.
void checkBands(const std::vector<TransomRow>& rows, const std::vector<std::size_t>& lines,
                Faults& faults) {
    for (std::size_t i = 1; i < rows.size(); ++i)
        if (rows[i].lower_cm4 < rows[i - 1].upper_cm4)
            faults.add(lines[i], kColumnNames[From], K::OverlappingBand);
}

double selectionIx_cm4(std::int32_t ix_mm4, const SectionExtras& extras) {
    const double own = double(ix_mm4) / 10000.0;
    return extras.steel ? effectiveIx_cm4(own, extras.steel->ix_cm4) : own;
}

// Ascending by (Ix, mass, code), a row without a mass after those with one; each row's band
// then starts at the Ix of the row before.
template <typename Row>
void sortBySelection(std::vector<Row>& rows) {
    const auto mass = [](const Row& r) {
        return r.extras.mass_kg_m.value_or(std::numeric_limits<double>::infinity());
    };
    std::stable_sort(rows.begin(), rows.end(), [&](const Row& a, const Row& b) {
        if (a.upper_cm4 != b.upper_cm4)
            return a.upper_cm4 < b.upper_cm4;
        if (mass(a) != mass(b))
            return mass(a) < mass(b);
        return a.code < b.code;
    });
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i].lower_cm4 = i == 0 ? 0.0 : rows[i - 1].upper_cm4;
}

std::string nameFrom(std::string_view fileName) {
    std::string name(fileName);
    for (const std::string_view ending : {".csv", ".xlsx"})
        if (name.ends_with(ending)) {
            name.resize(name.size() - ending.size());
            break;
        }
    return name;
}

void readRows(const std::vector<Record>& records, std::string_view fileName, Faults& faults,
              CatalogueRead& out) {
    if (records.size() < 2) {
        if (!faults.any())
            faults.add(0, {}, K::NoRows);
        return;
    }
    if (records.size() - 1 > kMostCatalogueRows) {
        faults.add(0, {}, K::TooManyRows, std::to_string(records.size() - 1));
        return;
    }

    std::array<std::size_t, ColumnCount> at;
    at.fill(kAbsent);
    const Record& header = records.front();
    for (std::size_t i = 0; i < header.fields.size(); ++i) {
        const std::string& name = header.fields[i];
        std::size_t c = 0;
        while (c < ColumnCount && kColumnNames[c] != name)
            ++c;
        if (c == ColumnCount)
            faults.add(header.line, name, K::UnknownColumn, name);
        else if (at[c] != kAbsent)
            faults.add(header.line, name, K::RepeatedColumn, name);
        else
            at[c] = i;
    }
    for (const Column c : {Code, Role, Use})
        if (at[c] == kAbsent)
            faults.add(header.line, kColumnNames[c], K::MissingColumn);
    if (faults.any())
        return;
    // Without masses the order of the rows is the only tie-break a reader can see, so such a
    // file lists its mullions in strictly ascending Ix, as the built-in ones do.
    const bool ordered = at[Mass] == kAbsent;

    Catalogue catalogue;
    std::vector<std::size_t> transomLines;
    std::vector<std::size_t> shortLines;
    std::unordered_set<std::string_view> mullionCodes;
    std::unordered_set<std::string_view> transomCodes;
    std::optional<bool> transomsByBand;
    std::int32_t lastIx = 0;
    std::string_view firstUse;
    std::string_view firstSystem;
    bool firstRow = true;  // the first with the header's number of fields
    for (std::size_t n = 1; n < records.size(); ++n) {
        const Record& record = records[n];
        if (record.fields.size() != header.fields.size()) {
            faults.add(record.line, {}, K::FieldCount, std::to_string(record.fields.size()));
            continue;
        }
        RowReader row(at, record, faults);

        const std::string_view use = row.text(Use);
        if (std::exchange(firstRow, false)) {
            firstUse = use;
            firstSystem = row.text(System);
            if (use == "vertical")
                catalogue.use = CatalogueUse::Vertical;
            else if (use == "sloped")
                catalogue.use = CatalogueUse::Sloped;
            else
                row.fault(Use, K::UnknownUse, use);
        } else {
            if (use != firstUse)
                row.fault(Use, K::UseDiffers, use);
            if (row.text(System) != firstSystem)
                row.fault(System, K::SystemDiffers, row.text(System));
        }

        const std::string_view code = row.text(Code);
        if (code.empty())
            row.fault(Code, K::MissingValue);
        const std::string_view role = row.text(Role);
        if (role == "mullion") {
            row.none(From);
            row.none(To);
            row.none(SpanCase);
            const std::optional<std::int32_t> ix = row.ixMm4();
            std::optional<Section> section = row.section(true);
            if (!ix || !section)
                continue;
            if (!code.empty() && !mullionCodes.insert(code).second)
                row.fault(Code, K::RepeatedCode, code);
            if (ordered && !catalogue.mullions.empty() && !(lastIx < *ix))
                row.fault(Ix, K::MullionOrder, row.text(Ix));
            lastIx = *ix;
            MullionRow m;
            m.code = std::string(code);
            m.ix_mm4 = *ix;
            const double ix_cm4 = double(*ix) / 10000.0;
            // Wx = Ix / e: cm4 / cm = cm3, and e = Ix / Wx in mm.
            m.fibre_mm = section->fibre_mm ? *section->fibre_mm : 10.0 * ix_cm4 / *section->wx_cm3;
            m.wx_cm3 = section->wx_cm3 ? *section->wx_cm3 : ix_cm4 / (*section->fibre_mm / 10.0);
            m.extras = std::move(section->extras);
            m.upper_cm4 = selectionIx_cm4(m.ix_mm4, m.extras);
            catalogue.mullions.push_back(std::move(m));
        } else if (role == "transom") {
            const bool byBand =
                !row.text(From).empty() || !row.text(To).empty() || row.text(Ix).empty();
            if (!transomsByBand) {
                transomsByBand = byBand;
            } else if (*transomsByBand != byBand) {
                // Kept out of the rows: the bands' checks and the sorting take one kind.
                row.fault(Role, K::TransomKindsMixed, role);
                continue;
            }
            if (byBand) {
                for (const Column c : kSectionColumns)
                    row.none(c);
                const std::optional<double> from = row.number(From, true);
                const std::optional<double> to = row.number(To, false);
                const std::string_view spanCase = row.text(SpanCase);
                const bool shortUpper = spanCase == "short-upper";
                if (!shortUpper && !spanCase.empty())
                    row.fault(SpanCase, K::UnknownSpanCase, spanCase);
                if (!from || !to)
                    continue;
                if (!(*from < *to)) {
                    row.fault(To, K::EmptyBand, row.text(To));
                    continue;
                }
                TransomRow t;
                t.lower_cm4 = *from;
                t.upper_cm4 = *to;
                t.code = std::string(code);
                (shortUpper ? catalogue.shortUpperSpanTransoms : catalogue.transoms)
                    .push_back(std::move(t));
                (shortUpper ? shortLines : transomLines).push_back(record.line);
            } else {
                // The short-upper-span case chooses among bands only.
                row.none(SpanCase);
                const std::optional<std::int32_t> ix = row.ixMm4();
                std::optional<Section> section = row.section(false);
                if (!ix || !section)
                    continue;
                if (!code.empty() && !transomCodes.insert(code).second)
                    row.fault(Code, K::RepeatedCode, code);
                TransomRow t;
                t.code = std::string(code);
                t.byBand = false;
                t.ix_mm4 = *ix;
                const double ix_cm4 = double(*ix) / 10000.0;
                if (section->fibre_mm) {
                    t.fibre_mm = section->fibre_mm;
                    t.wx_cm3 = ix_cm4 / (*section->fibre_mm / 10.0);
                } else if (section->wx_cm3) {
                    t.wx_cm3 = section->wx_cm3;
                    t.fibre_mm = 10.0 * ix_cm4 / *section->wx_cm3;
                }
                t.extras = std::move(section->extras);
                t.upper_cm4 = selectionIx_cm4(t.ix_mm4, t.extras);
                catalogue.transoms.push_back(std::move(t));
            }
        } else {
            row.fault(Role, K::UnknownRole, role);
        }
    }
    if (transomsByBand.value_or(true)) {
        checkBands(catalogue.transoms, transomLines, faults);
    } else {
        sortBySelection(catalogue.transoms);
    }
    checkBands(catalogue.shortUpperSpanTransoms, shortLines, faults);
    if (catalogue.mullions.empty() && !faults.any())
        faults.add(0, {}, K::NoMullion);
    if (faults.any())
        return;

    sortBySelection(catalogue.mullions);
    catalogue.name = firstSystem.empty() ? nameFrom(fileName) : std::string(firstSystem);
    out.catalogue = std::move(catalogue);
}

}  // namespace

CatalogueRead readCatalogue(std::string_view text, std::string_view fileName) {
    CatalogueRead out;
    Faults faults(out.faults);
    if (text.size() > kMostCatalogueBytes) {
        faults.add(0, {}, K::FileTooLarge, std::to_string(text.size()));
        return out;
    }
    if (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    const std::vector<Record> records = splitRecords(text, separatorOf(text), faults);
    readRows(records, fileName, faults, out);
    return out;
}

CatalogueRead readCatalogueRecords(const std::vector<CatalogueRecord>& records,
                                   std::string_view fileName) {
    CatalogueRead out;
    Faults faults(out.faults);
    readRows(records, fileName, faults, out);
    return out;
}

namespace {

// The kind as its name: the sentences a user reads are worded by the files layer in the
// language showing; this is for the build's own check of the built-in files and for tests.
std::string_view faultName(K kind) {
    switch (kind) {
    case K::NoRows: return "NoRows";
    case K::EmptyLine: return "EmptyLine";
    case K::UnclosedQuote: return "UnclosedQuote";
    case K::StrayQuote: return "StrayQuote";
    case K::FieldCount: return "FieldCount";
    case K::UnknownColumn: return "UnknownColumn";
    case K::RepeatedColumn: return "RepeatedColumn";
    case K::MissingColumn: return "MissingColumn";
    case K::MissingValue: return "MissingValue";
    case K::ValueNotTaken: return "ValueNotTaken";
    case K::NotANumber: return "NotANumber";
    case K::NotPositive: return "NotPositive";
    case K::TooPrecise: return "TooPrecise";
    case K::TooLarge: return "TooLarge";
    case K::TooSmall: return "TooSmall";
    case K::UnknownRole: return "UnknownRole";
    case K::UnknownUse: return "UnknownUse";
    case K::UnknownSpanCase: return "UnknownSpanCase";
    case K::UseDiffers: return "UseDiffers";
    case K::SystemDiffers: return "SystemDiffers";
    case K::EmptyBand: return "EmptyBand";
    case K::OverlappingBand: return "OverlappingBand";
    case K::MullionOrder: return "MullionOrder";
    case K::RepeatedCode: return "RepeatedCode";
    case K::NoMullion: return "NoMullion";
    case K::FileTooLarge: return "FileTooLarge";
    case K::TooManyRows: return "TooManyRows";
    case K::Unreadable: return "Unreadable";
    case K::NotAWorkbook: return "NotAWorkbook";
    case K::BothWxAndE: return "BothWxAndE";
    case K::BadElements: return "BadElements";
    case K::UnknownSteelGrade: return "UnknownSteelGrade";
    case K::UnknownAlloy: return "UnknownAlloy";
    case K::TransomKindsMixed: return "TransomKindsMixed";
    }
    return "fault";
}

}  // namespace

std::string describeCatalogueFaults(std::string_view fileName,
                                    const std::vector<CatalogueFault>& faults) {
    std::string out(fileName);
    out += ':';
    for (const CatalogueFault& f : faults) {
        out += "\n  ";
        if (f.line > 0)
            out += "line " + std::to_string(f.line) + ", ";
        if (!f.column.empty())
            out += f.column + ": ";
        out += faultName(f.kind);
        if (!f.value.empty())
            out += " (\"" + f.value + "\")";
    }
    return out;
}

}  // namespace cw
