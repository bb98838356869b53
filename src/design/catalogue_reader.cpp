#include "design/catalogue_reader.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <limits>

namespace cw {

namespace {

using K = CatalogueFaultKind;

struct Record {
    std::size_t line = 0;
    std::vector<std::string> fields;
};

class Faults {
public:
    explicit Faults(std::vector<CatalogueFault>& out) : m_out(out) {}
    void add(std::size_t line, std::string_view column, K kind, std::string_view value = {}) {
        ++m_count;
        if (m_out.size() < kMostCatalogueFaults)
            m_out.push_back({line, std::string(column), kind, std::string(value)});
    }
    bool any() const { return m_count > 0; }

private:
    std::vector<CatalogueFault>& m_out;
    std::size_t m_count = 0;
};

// RFC 4180 records: fields separated by commas, lines by LF or CRLF, a field in quotes may
// hold commas, line breaks and doubled quotes. The last line break is optional.
std::vector<Record> splitRecords(std::string_view text, Faults& faults) {
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
                if (!atLineEnd(i) && text[i] != ',') {
                    faults.add(line, {}, K::StrayQuote);
                    bad = true;
                }
            }
            while (!atLineEnd(i) && text[i] != ',') {
                if (text[i] == '"' && !bad) {
                    faults.add(line, {}, K::StrayQuote);
                    bad = true;
                }
                field += text[i++];
            }
            record.fields.push_back(std::move(field));
            if (i < text.size() && text[i] == ',') {
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

enum Column : std::size_t { System, Use, Code, Role, Ix, Fibre, From, To, SpanCase, ColumnCount };

constexpr std::array<std::string_view, ColumnCount> kColumnNames = {
    "system", "use", "code", "role", "Ix_cm4", "e_mm", "from_cm4", "to_cm4", "span_case"};

constexpr std::size_t kAbsent = std::numeric_limits<std::size_t>::max();

bool plainNumber(std::string_view s) {
    const std::size_t dot = s.find('.');
    const std::string_view whole = s.substr(0, dot);
    const std::string_view fraction = dot == std::string_view::npos ? "" : s.substr(dot + 1);
    const auto digits = [](std::string_view d) {
        return !d.empty() && d.find_first_not_of("0123456789") == std::string_view::npos;
    };
    return digits(whole) && (dot == std::string_view::npos || digits(fraction));
}

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
        if (!plainNumber(s) ||
            std::from_chars(s.data(), s.data() + s.size(), v).ec != std::errc()) {
            fault(c, K::NotANumber, s);
            return std::nullopt;
        }
        if (!(v > 0.0) && !(zeroAllowed && v == 0.0)) {
            fault(c, K::NotPositive, s);
            return std::nullopt;
        }
        return v;
    }
    // Ix in mm4, a whole number: the cm4 text shifted by four places, never through a double.
    std::optional<std::int32_t> ixMm4() {
        if (!present(Ix))
            return std::nullopt;
        const std::string_view s = text(Ix);
        if (!plainNumber(s)) {
            fault(Ix, K::NotANumber, s);
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

private:
    const std::array<std::size_t, ColumnCount>& m_at;
    const Record& m_record;
    Faults& m_faults;
};

// Each band starts at or above the end of the one before, so at most one holds a value.
void checkBands(const std::vector<TransomRow>& rows, const std::vector<std::size_t>& lines,
                Faults& faults) {
    for (std::size_t i = 1; i < rows.size(); ++i)
        if (rows[i].lower_cm4 < rows[i - 1].upper_cm4)
            faults.add(lines[i], kColumnNames[From], K::OverlappingBand);
}

}  // namespace

CatalogueRead readCatalogue(std::string_view text, std::string_view fileName) {
    CatalogueRead out;
    Faults faults(out.faults);
    const std::vector<Record> records = splitRecords(text, faults);
    if (records.size() < 2) {
        if (!faults.any())
            faults.add(0, {}, K::NoRows);
        return out;
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
        return out;

    Catalogue catalogue;
    std::vector<std::size_t> transomLines;
    std::vector<std::size_t> shortLines;
    std::string_view firstUse;
    std::string_view firstSystem;
    for (std::size_t n = 1; n < records.size(); ++n) {
        const Record& record = records[n];
        if (record.fields.size() != header.fields.size()) {
            faults.add(record.line, {}, K::FieldCount, std::to_string(record.fields.size()));
            continue;
        }
        RowReader row(at, record, faults);

        const std::string_view use = row.text(Use);
        if (n == 1) {
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

        const std::string code(row.text(Code));
        if (code.empty())
            row.fault(Code, K::MissingValue);
        const std::string_view role = row.text(Role);
        if (role == "mullion") {
            row.none(From);
            row.none(To);
            row.none(SpanCase);
            const std::optional<std::int32_t> ix = row.ixMm4();
            const std::optional<double> fibre = row.number(Fibre, false);
            for (const MullionRow& m : catalogue.mullions)
                if (m.code == code)
                    row.fault(Code, K::RepeatedCode, code);
            if (!ix || !fibre)
                continue;
            const double ix_cm4 = double(*ix) / 10000.0;
            const double lower =
                catalogue.mullions.empty() ? 0.0 : catalogue.mullions.back().upper_cm4;
            if (!catalogue.mullions.empty() && !(catalogue.mullions.back().ix_mm4 < *ix))
                row.fault(Ix, K::MullionOrder, row.text(Ix));
            catalogue.mullions.push_back({lower, ix_cm4, code, *ix, *fibre});
        } else if (role == "transom") {
            row.none(Ix);
            row.none(Fibre);
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
            (shortUpper ? catalogue.shortUpperSpanTransoms : catalogue.transoms)
                .push_back({*from, *to, code});
            (shortUpper ? shortLines : transomLines).push_back(record.line);
        } else {
            row.fault(Role, K::UnknownRole, role);
        }
    }
    checkBands(catalogue.transoms, transomLines, faults);
    checkBands(catalogue.shortUpperSpanTransoms, shortLines, faults);
    if (catalogue.mullions.empty() && !faults.any())
        faults.add(0, {}, K::NoMullion);
    if (faults.any())
        return out;

    if (!firstSystem.empty()) {
        catalogue.name = std::string(firstSystem);
    } else {
        catalogue.name = std::string(fileName);
        if (catalogue.name.ends_with(".csv"))
            catalogue.name.resize(catalogue.name.size() - 4);
    }
    out.catalogue = std::move(catalogue);
    return out;
}

namespace {

std::string_view faultText(K kind) {
    switch (kind) {
    case K::NoRows: return "no header and profile rows";
    case K::EmptyLine: return "empty line";
    case K::UnclosedQuote: return "a quoted field is not closed";
    case K::StrayQuote: return "a quote inside a field that is not quoted as a whole";
    case K::FieldCount: return "the number of fields differs from the header's";
    case K::UnknownColumn: return "unknown column";
    case K::RepeatedColumn: return "the column is named twice";
    case K::MissingColumn: return "the header lacks this column";
    case K::MissingValue: return "a value is needed";
    case K::ValueNotTaken: return "this role takes no value here";
    case K::NotANumber: return "not a number (digits, a dot for decimals)";
    case K::NotPositive: return "must be above zero";
    case K::TooPrecise: return "more than four decimals (finer than 1 mm4)";
    case K::TooLarge: return "too large";
    case K::UnknownRole: return "role is neither mullion nor transom";
    case K::UnknownUse: return "use is neither vertical nor sloped";
    case K::UnknownSpanCase: return "span_case is neither empty nor short-upper";
    case K::UseDiffers: return "not the use of the first row";
    case K::SystemDiffers: return "not the system of the first row";
    case K::EmptyBand: return "to_cm4 must be above from_cm4";
    case K::OverlappingBand: return "the band starts below the end of the band before";
    case K::MullionOrder: return "mullions must be in ascending Ix_cm4";
    case K::RepeatedCode: return "the mullion code is given twice";
    case K::NoMullion: return "no mullion row";
    }
    return "fault";
}

}  // namespace

std::string describeCatalogueFaults(std::string_view fileName,
                                    const std::vector<CatalogueFault>& faults) {
    std::string out = "Catalogue " + std::string(fileName) + " not read:";
    for (const CatalogueFault& f : faults) {
        out += "\n  ";
        if (f.line > 0)
            out += "line " + std::to_string(f.line) + ", ";
        if (!f.column.empty())
            out += f.column + ": ";
        out += faultText(f.kind);
        if (!f.value.empty())
            out += " (\"" + f.value + "\")";
    }
    return out;
}

}  // namespace cw
