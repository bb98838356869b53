#include "files/bay_file.h"

#include "bay/limit_state_inputs.h"
#include "text/messages.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QSaveFile>

#include <array>
#include <cmath>
#include <utility>

namespace cw::files {

namespace {

template <typename E, std::size_t N>
using NameTable = std::array<std::pair<E, std::string_view>, N>;

constexpr NameTable<std::optional<Series>, 4> kSeriesNames = {{{std::nullopt, "none"},
                                                               {Series::Veltra, "veltra"},
                                                               {Series::KorinDalvo, "korin"},
                                                               {Series::Terrax, "terrax"}}};
constexpr NameTable<std::optional<StaticSystem>, 4> kSystemNames = {
    {{std::nullopt, "none"},
     {StaticSystem::OneSpan, "one-span"},
     {StaticSystem::FixedEnds, "fixed-ends"},
     {StaticSystem::TwoSpans, "two-spans"}}};
constexpr NameTable<WindChoice, 6> kWindSourceNames = {{{WindSource::None, "none"},
                                                        {HeightBand::UpTo8m, "0-8"},
                                                        {HeightBand::UpTo20m, "8-20"},
                                                        {HeightBand::UpTo100m, "20-100"},
                                                        {WindSource::TypedPressure, "pressure"},
                                                        {WindSource::WindSpeed, "speed"}}};
constexpr NameTable<Language, 2> kLanguageNames = {
    {{Language::Greek, "el"}, {Language::English, "en"}}};
constexpr NameTable<DesignBasis, 2> kBasisNames = {
    {{DesignBasis::Allowable, "allowable"}, {DesignBasis::LimitStates, "limit-states"}}};
constexpr NameTable<Hanging, 2> kHangingNames = {
    {{Hanging::HungFromTop, "top"}, {Hanging::StandingOnBase, "base"}}};
constexpr NameTable<DeflectionCriterion, 2> kCriterionNames = {
    {{DeflectionCriterion::En13830_2003, "2003"}, {DeflectionCriterion::En13830_2015, "2015"}}};

constexpr NameTable<std::optional<HeightBand>, 4> kHeightBandNames = {
    {{std::nullopt, "none"},
     {HeightBand::UpTo8m, "0-8"},
     {HeightBand::UpTo20m, "8-20"},
     {HeightBand::UpTo100m, "20-100"}}};
// "none" stands for a mode not yet set.
constexpr NameTable<int, 4> kWindInputNames = {{{-1, "none"},
                                                {int(WindInput::Taken), "taken"},
                                                {int(WindInput::TypedPressure), "typed"},
                                                {int(WindInput::FromSpeed), "speed"}}};
constexpr NameTable<TerrainCategory, 5> kCategoryNames = {{{TerrainCategory::Zero, "0"},
                                                          {TerrainCategory::I, "I"},
                                                          {TerrainCategory::II, "II"},
                                                          {TerrainCategory::III, "III"},
                                                          {TerrainCategory::IV, "IV"}}};
constexpr std::array<std::pair<std::string_view, double SiteWindInput::*>, 8> kSiteNumbers = {{
    {"vb0_ms", &SiteWindInput::vb0_ms},
    {"cdir", &SiteWindInput::cdir},
    {"cseason", &SiteWindInput::cseason},
    {"z_m", &SiteWindInput::z_m},
    {"cpe10", &SiteWindInput::cpe10},
    {"cpe1", &SiteWindInput::cpe1},
    {"area_m2", &SiteWindInput::area_m2},
    {"cpi", &SiteWindInput::cpi},
}};

// The text fields in the order they are checked when reading.
constexpr std::array<std::pair<std::string_view, std::string BayDocument::*>, 14> kTextFields = {{
    {bay_key::kGridWidthA1, &BayDocument::gridWidthA1_cm},
    {bay_key::kGridWidthA2, &BayDocument::gridWidthA2_cm},
    {bay_key::kSpanL1, &BayDocument::spanL1_cm},
    {bay_key::kSpanL2, &BayDocument::spanL2_cm},
    {bay_key::kGlazingHeightH1, &BayDocument::glazingHeightH1_cm},
    {bay_key::kGlazingHeightH2, &BayDocument::glazingHeightH2_cm},
    {bay_key::kGlassThickness, &BayDocument::glassThickness_mm},
    {bay_key::kDeflectionDivisor, &BayDocument::deflectionDivisor},
    {bay_key::kAllowableDeflection, &BayDocument::allowableDeflection_mm},
    {bay_key::kWindPressure, &BayDocument::windPressure_kNm2},
    {bay_key::kWindSpeed, &BayDocument::windSpeed_kmh},
    {bay_key::kStructureWeight, &BayDocument::structureWeight_kNm2},
    {bay_key::kSnowHeight, &BayDocument::snowHeight_cm},
    {bay_key::kSlope, &BayDocument::slope_deg},
}};

// The project's texts; stored as typed, since none of them is a number to convert.
constexpr std::array<std::pair<std::string_view, std::string ProjectData::*>, 5> kProjectTexts = {{
    {"name", &ProjectData::name},
    {"site", &ProjectData::site},
    {"client", &ProjectData::client},
    {"engineer", &ProjectData::engineer},
    {"checker", &ProjectData::checker},
}};
constexpr std::string_view kRevisions = "revisions";
constexpr std::array<std::pair<std::string_view, std::string ProjectRevision::*>, 3>
    kRevisionTexts = {{
        {"revision", &ProjectRevision::revision},
        {"date", &ProjectRevision::date},
        {"description", &ProjectRevision::description},
    }};

constexpr std::string_view kLiteralMark = "'";

QString qstr(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

template <typename E, std::size_t N>
std::string_view nameOf(const NameTable<E, N>& table, E value) {
    for (const auto& [v, name] : table)
        if (v == value)
            return name;
    return table.front().second;
}

// The notation of the file: a dot, with the signs of the user's notation.
NumberFormat fileNotation(const NumberFormat& fmt) {
    return NumberFormat{".", fmt.minus, fmt.plus};
}

std::string replacedFirst(std::string_view text, std::string_view from, std::string_view to) {
    std::string out(text);
    if (from.empty() || from == to)
        return out;
    if (const std::size_t at = out.find(from); at != std::string::npos)
        out.replace(at, from.size(), to);
    return out;
}

BayFileReadResult failure(BayFileErrorKind kind, std::string_view field = {}) {
    return {std::nullopt, BayFileError{kind, std::string(field)}};
}

class Reader {
public:
    Reader(const QJsonObject& object, const NumberFormat& fmt) : m_object(object), m_fmt(fmt) {}

    std::optional<BayFileError> error;

    // An alloy of the table, kept by its canonical name.
    void alloy(std::string_view key, std::string& out) {
        if (error)
            return;
        const QJsonValue value = m_object.value(qstr(key));
        if (value.isUndefined())
            return;
        if (!value.isString()) {
            fail(BayFileErrorKind::WrongType, key);
            return;
        }
        const Alloy* found = findAlloy(value.toString().toStdString());
        if (!found) {
            fail(BayFileErrorKind::UnknownValue, key);
            return;
        }
        out = std::string(found->name);
    }

    // Optional: a bay of the series' own catalogues has none.
    void catalogue(std::optional<CatalogueRef>& out) {
        const QJsonValue value = m_object.value(qstr(bay_key::kCatalogue));
        if (value.isUndefined() || value.isNull())
            return;
        const QJsonObject o = value.toObject();
        const QJsonValue name = o.value(QStringLiteral("name"));
        const QJsonValue path = o.value(QStringLiteral("path"));
        const QJsonValue sha = o.value(QStringLiteral("sha256"));
        if (!value.isObject() || !name.isString() || !path.isString() || !sha.isString()) {
            fail(BayFileErrorKind::WrongType, bay_key::kCatalogue);
            return;
        }
        out = CatalogueRef{name.toString().toStdString(), path.toString().toStdString(),
                           sha.toString().toStdString()};
    }

    // Optional, and every member of it optional: a hand-written file may name only the
    // project. A member that is there must be a text; the error names where it is wrong.
    void project(ProjectData& out) {
        if (error)
            return;
        const QJsonValue value = m_object.value(qstr(bay_key::kProject));
        if (value.isUndefined() || value.isNull())
            return;
        const std::string at(bay_key::kProject);
        if (!value.isObject()) {
            fail(BayFileErrorKind::WrongType, at);
            return;
        }
        const QJsonObject o = value.toObject();
        ProjectData read;
        for (const auto& [key, member] : kProjectTexts)
            if (!optionalText(o, key, at, read.*member))
                return;
        const QJsonValue revisions = o.value(qstr(kRevisions));
        const std::string revisionsAt = at + "." + std::string(kRevisions);
        if (!revisions.isUndefined()) {
            if (!revisions.isArray()) {
                fail(BayFileErrorKind::WrongType, revisionsAt);
                return;
            }
            const QJsonArray list = revisions.toArray();
            for (qsizetype i = 0; i < list.size(); ++i) {
                const std::string rowAt = revisionsAt + "[" + std::to_string(i) + "]";
                if (!list[i].isObject()) {
                    fail(BayFileErrorKind::WrongType, rowAt);
                    return;
                }
                const QJsonObject row = list[i].toObject();
                ProjectRevision revision;
                for (const auto& [key, member] : kRevisionTexts)
                    if (!optionalText(row, key, rowAt, revision.*member))
                        return;
                read.revisions.push_back(std::move(revision));
            }
        }
        out = std::move(read);
    }

    void optionalText(std::string_view key, std::string& out) {
        if (!error && m_object.contains(qstr(key)))
            text(key, out);
    }

    // Optional: every factor a number in its range, or the file is refused.
    void factors(PartialFactors& out) {
        if (error)
            return;
        const QJsonValue value = m_object.value(qstr(bay_key::kPartialFactors));
        if (value.isUndefined())
            return;
        if (!value.isObject()) {
            fail(BayFileErrorKind::WrongType, bay_key::kPartialFactors);
            return;
        }
        const QJsonObject o = value.toObject();
        PartialFactors f;
        for (const FactorEntry& e : factorEntries()) {
            const QJsonValue v = o.value(qstr(e.key));
            if (!v.isDouble()) {
                fail(v.isUndefined() ? BayFileErrorKind::MissingField : BayFileErrorKind::WrongType,
                     bay_key::kPartialFactors);
                return;
            }
            if (!factorInRange(e, v.toDouble())) {
                fail(BayFileErrorKind::UnknownValue, bay_key::kPartialFactors);
                return;
            }
            f.*e.member = v.toDouble();
        }
        out = f;
    }

    void text(std::string_view key, std::string& out) {
        const QJsonValue value = required(key);
        if (error)
            return;
        if (!value.isString()) {
            fail(BayFileErrorKind::WrongType, key);
            return;
        }
        out = numberTextFromFile(value.toString().toStdString(), m_fmt);
    }

    template <typename E, std::size_t N>
    void choice(std::string_view key, const NameTable<E, N>& table, E& out, bool optional) {
        if (error)
            return;
        const QJsonValue value = m_object.value(qstr(key));
        if (value.isUndefined() && optional)
            return;
        if (value.isUndefined()) {
            fail(BayFileErrorKind::MissingField, key);
            return;
        }
        if (!value.isString()) {
            fail(BayFileErrorKind::WrongType, key);
            return;
        }
        const std::string name = value.toString().toStdString();
        for (const auto& [v, n] : table) {
            if (n == name) {
                out = v;
                return;
            }
        }
        fail(BayFileErrorKind::UnknownValue, key);
    }

    // A form value: null, a number, or a text stored as texts are.
    void keptValue(std::string_view key, TaggedValue& out, bool textAllowed) {
        const QJsonValue value = required(key);
        if (error)
            return;
        if (value.isNull())
            out = TaggedValue();
        else if (value.isDouble() && !textAllowed)
            out = wholeLimit(value.toDouble(), key);
        else if (value.isDouble())
            out = TaggedValue::real(value.toDouble());
        else if (value.isString() && textAllowed)
            out = TaggedValue::text(numberTextFromFile(value.toString().toStdString(), m_fmt));
        else
            fail(BayFileErrorKind::WrongType, key);
    }

    // A height band's limit is a whole number of metres, as the window keeps it.
    TaggedValue wholeLimit(double limit, std::string_view key) {
        if (limit != std::floor(limit) || limit < 1 || limit > 32767) {
            fail(BayFileErrorKind::UnknownValue, key);
            return {};
        }
        return TaggedValue::int16(static_cast<std::int16_t>(limit));
    }

    // The Site wind values: null, or every one of them, which must give a pressure.
    void siteWind(std::optional<SiteWindInput>& out) {
        const QJsonValue value = required(bay_key::kSiteWind);
        if (error || value.isNull())
            return;
        if (!value.isObject()) {
            fail(BayFileErrorKind::WrongType, bay_key::kSiteWind);
            return;
        }
        const QJsonObject site = value.toObject();
        SiteWindInput in;
        for (const auto& [key, member] : kSiteNumbers) {
            const QJsonValue v = site.value(qstr(key));
            if (!v.isDouble()) {
                fail(v.isUndefined() ? BayFileErrorKind::MissingField : BayFileErrorKind::WrongType,
                     bay_key::kSiteWind);
                return;
            }
            in.*member = v.toDouble();
        }
        Reader inner(site, m_fmt);
        inner.choice("category", kCategoryNames, in.category, false);
        if (inner.error) {
            fail(inner.error->kind, bay_key::kSiteWind);
            return;
        }
        if (!siteWindPressure(in).pressure) {
            fail(BayFileErrorKind::UnknownValue, bay_key::kSiteWind);
            return;
        }
        out = in;
    }

private:
    // A member of `o` (at `at` in the file) that, when there, is a text.
    bool optionalText(const QJsonObject& o, std::string_view key, const std::string& at,
                      std::string& out) {
        const QJsonValue value = o.value(qstr(key));
        if (value.isUndefined())
            return true;
        if (!value.isString()) {
            fail(BayFileErrorKind::WrongType, at + "." + std::string(key));
            return false;
        }
        out = value.toString().toStdString();
        return true;
    }

    QJsonValue required(std::string_view key) {
        if (error)
            return {};
        const QJsonValue value = m_object.value(qstr(key));
        if (value.isUndefined())
            fail(BayFileErrorKind::MissingField, key);
        return value;
    }

    void fail(BayFileErrorKind kind, std::string_view key) {
        error = BayFileError{kind, std::string(key)};
    }

    const QJsonObject& m_object;
    const NumberFormat& m_fmt;
};

// Only a named project is written, so that every other bay's file stays as it was.
void insertProject(QJsonObject& object, const ProjectData& project) {
    if (project.empty())
        return;
    QJsonObject o;
    for (const auto& [key, member] : kProjectTexts)
        o.insert(qstr(key), qstr(project.*member));
    QJsonArray revisions;
    for (const ProjectRevision& revision : project.revisions) {
        QJsonObject row;
        for (const auto& [key, member] : kRevisionTexts)
            row.insert(qstr(key), qstr(revision.*member));
        revisions.append(row);
    }
    o.insert(qstr(kRevisions), revisions);
    object.insert(qstr(bay_key::kProject), o);
}

}  // namespace

std::string numberTextToFile(std::string_view typed, const NumberFormat& fmt) {
    if (parseNumber(typed, fmt))
        return replacedFirst(typed, fmt.decimal, ".");
    if (typed.substr(0, kLiteralMark.size()) == kLiteralMark ||
        parseNumber(typed, fileNotation(fmt)))
        return std::string(kLiteralMark) + std::string(typed);
    return std::string(typed);
}

std::string numberTextFromFile(std::string_view stored, const NumberFormat& fmt) {
    if (stored.substr(0, kLiteralMark.size()) == kLiteralMark)
        return std::string(stored.substr(kLiteralMark.size()));
    if (parseNumber(stored, fileNotation(fmt)))
        return replacedFirst(stored, ".", fmt.decimal);
    return std::string(stored);
}

QByteArray bayDocumentToJson(const BayDocument& doc, const NumberFormat& fmt) {
    QJsonObject object;
    object.insert(qstr(bay_key::kFormat), qstr(kBayFileFormat));
    object.insert(qstr(bay_key::kVersion), kBayFileVersion);
    object.insert(qstr(bay_key::kSeries), qstr(nameOf(kSeriesNames, doc.series)));
    object.insert(qstr(bay_key::kStaticSystem), qstr(nameOf(kSystemNames, doc.staticSystem)));
    object.insert(qstr(bay_key::kWindSource), qstr(nameOf(kWindSourceNames, doc.wind)));
    object.insert(qstr(bay_key::kLanguage), qstr(nameOf(kLanguageNames, doc.language)));
    object.insert(qstr(bay_key::kDeflectionCriterion),
                  qstr(nameOf(kCriterionNames, doc.deflectionCriterion)));
    // Files of the allowable basis stay as they were.
    const BayDocument defaults;
    if (doc.basis != defaults.basis || doc.alloy != defaults.alloy ||
        doc.hanging != defaults.hanging) {
        object.insert(qstr(bay_key::kDesignBasis), qstr(nameOf(kBasisNames, doc.basis)));
        object.insert(qstr(bay_key::kAlloy), qstr(doc.alloy));
        object.insert(qstr(bay_key::kHanging), qstr(nameOf(kHangingNames, doc.hanging)));
    }
    if (!doc.groundSnow_kNm2.empty())
        object.insert(qstr(bay_key::kGroundSnow), qstr(numberTextToFile(doc.groundSnow_kNm2, fmt)));
    if (doc.factors != defaults.factors) {
        QJsonObject factors;
        for (const FactorEntry& e : factorEntries())
            factors.insert(qstr(e.key), doc.factors.*e.member);
        object.insert(qstr(bay_key::kPartialFactors), factors);
    }
    for (const auto& [key, member] : kTextFields)
        object.insert(qstr(key), qstr(numberTextToFile(doc.*member, fmt)));
    // A document from a schedule keeps nothing more: it opens as its bands and buttons take it.
    if (!doc.kept) {
        insertProject(object, doc.project);
        return QJsonDocument(object).toJson(QJsonDocument::Indented);
    }
    const BayKeptState& kept = *doc.kept;
    const auto keptValue = [&](const TaggedValue& v) {
        if (v.isEmpty())
            return QJsonValue(QJsonValue::Null);
        if (v.isText())
            return QJsonValue(qstr(numberTextToFile(v.textValue(), fmt)));
        return QJsonValue(v.numberValue());
    };
    object.insert(qstr(bay_key::kHeightBand), qstr(nameOf(kHeightBandNames, kept.bandSelected)));
    object.insert(qstr(bay_key::kWindInputMode),
                  qstr(nameOf(kWindInputNames, kept.windInput ? int(*kept.windInput) : -1)));
    object.insert(qstr(bay_key::kWindPressureKept), keptValue(kept.pressure));
    object.insert(qstr(bay_key::kHeightBandLimit), keptValue(kept.heightBandLimit));
    object.insert(qstr(bay_key::kPressureInForce),
                  qstr(numberTextToFile(kept.pressureInForce, fmt)));
    object.insert(qstr(bay_key::kAllowableDeflectionCapped),
                  qstr(numberTextToFile(kept.allowableDeflectionCapped_mm, fmt)));
    if (kept.siteWind) {
        QJsonObject site;
        for (const auto& [key, member] : kSiteNumbers)
            site.insert(qstr(key), (*kept.siteWind).*member);
        site.insert(QStringLiteral("category"), qstr(nameOf(kCategoryNames, kept.siteWind->category)));
        object.insert(qstr(bay_key::kSiteWind), site);
    } else {
        object.insert(qstr(bay_key::kSiteWind), QJsonValue(QJsonValue::Null));
    }
    if (doc.catalogue) {
        QJsonObject catalogue;
        catalogue.insert(QStringLiteral("name"), qstr(doc.catalogue->name));
        catalogue.insert(QStringLiteral("path"), qstr(doc.catalogue->path));
        catalogue.insert(QStringLiteral("sha256"), qstr(doc.catalogue->sha256));
        object.insert(qstr(bay_key::kCatalogue), catalogue);
    }
    insertProject(object, doc.project);
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

BayFileReadResult bayDocumentFromJson(const QByteArray& json, const NumberFormat& fmt) {
    if (json.size() > kMaxBayFileBytes)
        return failure(BayFileErrorKind::TooLarge);
    QJsonParseError parseError{};
    const QJsonDocument parsed = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        BayFileReadResult result = failure(BayFileErrorKind::NotJson);
        result.error->jsonOffset = parseError.offset;
        return result;
    }
    if (!parsed.isObject())
        return failure(BayFileErrorKind::OtherFormat, bay_key::kFormat);
    const QJsonObject object = parsed.object();

    const QJsonValue format = object.value(qstr(bay_key::kFormat));
    if (!format.isString() || format.toString() != qstr(kBayFileFormat))
        return failure(BayFileErrorKind::OtherFormat, bay_key::kFormat);

    const QJsonValue version = object.value(qstr(bay_key::kVersion));
    if (version.isUndefined())
        return failure(BayFileErrorKind::MissingField, bay_key::kVersion);
    if (!version.isDouble())
        return failure(BayFileErrorKind::WrongType, bay_key::kVersion);
    const double number = version.toDouble();
    if (number > kBayFileVersion) {
        BayFileReadResult result = failure(BayFileErrorKind::NewerVersion, bay_key::kVersion);
        result.error->version = number < 1e9 ? static_cast<int>(std::floor(number)) : 0;
        return result;
    }
    if (number != 1 && number != 2)
        return failure(BayFileErrorKind::UnknownValue, bay_key::kVersion);

    BayDocument doc;
    Reader reader(object, fmt);
    reader.choice(bay_key::kSeries, kSeriesNames, doc.series, false);
    reader.choice(bay_key::kStaticSystem, kSystemNames, doc.staticSystem, false);
    for (const auto& [key, member] : kTextFields)
        reader.text(key, doc.*member);
    reader.choice(bay_key::kWindSource, kWindSourceNames, doc.wind, false);
    reader.choice(bay_key::kLanguage, kLanguageNames, doc.language, false);
    reader.choice(bay_key::kDeflectionCriterion, kCriterionNames, doc.deflectionCriterion, true);
    reader.choice(bay_key::kDesignBasis, kBasisNames, doc.basis, true);
    reader.alloy(bay_key::kAlloy, doc.alloy);
    reader.choice(bay_key::kHanging, kHangingNames, doc.hanging, true);
    reader.optionalText(bay_key::kGroundSnow, doc.groundSnow_kNm2);
    reader.factors(doc.factors);
    // The kept state comes whole or not at all.
    if (number == 2 && object.contains(qstr(bay_key::kHeightBand))) {
        BayKeptState kept;
        int mode = -1;
        reader.choice(bay_key::kHeightBand, kHeightBandNames, kept.bandSelected, false);
        reader.choice(bay_key::kWindInputMode, kWindInputNames, mode, false);
        if (mode >= 0)
            kept.windInput = WindInput(mode);
        reader.keptValue(bay_key::kWindPressureKept, kept.pressure, true);
        reader.keptValue(bay_key::kHeightBandLimit, kept.heightBandLimit, false);
        reader.text(bay_key::kPressureInForce, kept.pressureInForce);
        reader.text(bay_key::kAllowableDeflectionCapped, kept.allowableDeflectionCapped_mm);
        reader.siteWind(kept.siteWind);
        doc.kept = std::move(kept);
    }
    if (!reader.error)
        reader.catalogue(doc.catalogue);
    reader.project(doc.project);
    if (reader.error)
        return {std::nullopt, reader.error};
    return {doc, std::nullopt};
}

BayFileReadResult readBayFile(const QString& path, const NumberFormat& fmt) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(BayFileErrorKind::Unreadable);
    // One byte more than allowed tells a file at the limit from one beyond it, without
    // reading a huge file whole.
    const QByteArray bytes = file.read(kMaxBayFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return failure(BayFileErrorKind::Unreadable);
    return bayDocumentFromJson(bytes, fmt);
}

std::optional<QString> writeBayFile(const QString& path, const BayDocument& document,
                                    const NumberFormat& fmt) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const QByteArray bytes = bayDocumentToJson(document, fmt);
    // The flush is checked on its own: Qt 6.4's commit() renames the file into place even
    // when its own flush failed (a full disk, a file-size limit), leaving a cut-off file.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

std::string bayFileErrorMessage(const BayFileError& error, const std::string& path,
                                Language language) {
    using Kind = BayFileErrorKind;
    const std::string& field = error.field;
    switch (error.kind) {
    case Kind::Unreadable: return say(Message::BayFileUnreadable, language, {path});
    case Kind::TooLarge: return say(Message::BayFileTooLarge, language, {path});
    case Kind::NotJson:
        return say(Message::BayFileNotJson, language, {path, std::to_string(error.jsonOffset)});
    case Kind::OtherFormat: return say(Message::BayFileOtherFormat, language, {path, field});
    case Kind::NewerVersion:
        return say(Message::BayFileNewerVersion, language,
                   {path, field, std::to_string(error.version), std::to_string(kBayFileVersion)});
    case Kind::MissingField: return say(Message::BayFileMissingField, language, {path, field});
    case Kind::WrongType:
        // The project is a nest of its own: its message says what shape it takes.
        if (field == bay_key::kProject ||
            field.starts_with(std::string(bay_key::kProject) + "."))
            return say(Message::BayFileProjectShape, language, {path, field});
        // The version is the file's one number; every other field holds a text.
        return say(field == bay_key::kVersion ? Message::BayFileNotNumber : Message::BayFileNotText,
                   language, {path, field});
    case Kind::UnknownValue: return say(Message::BayFileUnknownValue, language, {path, field});
    }
    return say(Message::BayFileUnreadable, language, {path});
}

}  // namespace cw::files
