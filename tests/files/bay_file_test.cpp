#include "files/bay_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <csignal>
#include <string>

#include <sys/resource.h>

namespace cw::files {
namespace {

const NumberFormat kGreek{",", "-", "+"};
const NumberFormat kUs{".", "-", "+"};

BayDocument greekTerraxBay() {
    BayDocument doc;
    doc.series = Series::Terrax;
    doc.staticSystem = StaticSystem::TwoSpans;
    doc.gridWidthA1_cm = "150";
    doc.gridWidthA2_cm = "1,50";
    doc.spanL1_cm = "350,0";
    doc.spanL2_cm = "-2,5e3";
    doc.glazingHeightH1_cm = " 100 ";
    doc.glazingHeightH2_cm = "";
    doc.glassThickness_mm = "10";
    doc.deflectionDivisor = "200";
    doc.allowableDeflection_mm = "1.5";  // not a number under a decimal comma
    doc.wind = WindSource::TypedPressure;
    doc.windPressure_kNm2 = "0,85";
    doc.windSpeed_kmh = "'120";
    doc.structureWeight_kNm2 = "0,1";
    doc.snowHeight_cm = "εκατό";
    doc.slope_deg = "30";
    doc.language = Language::English;
    doc.deflectionCriterion = DeflectionCriterion::En13830_2015;
    return doc;
}

BayDocument usVeltraBay() {
    BayDocument doc;
    doc.series = Series::Veltra;
    doc.staticSystem = StaticSystem::FixedEnds;
    doc.gridWidthA1_cm = "150.25";
    doc.gridWidthA2_cm = "1,50";  // not a number in this notation
    doc.spanL1_cm = "350";
    doc.wind = HeightBand::UpTo20m;
    doc.windSpeed_kmh = "+90.";
    doc.language = Language::Greek;
    return doc;
}

QJsonObject objectOf(const QByteArray& json) {
    return QJsonDocument::fromJson(json).object();
}

TEST(BayFileRoundTrip, GreekNotationComesBackExactly) {
    const BayDocument doc = greekTerraxBay();
    const BayFileReadResult back = bayDocumentFromJson(bayDocumentToJson(doc, kGreek), kGreek);
    ASSERT_FALSE(back.error);
    ASSERT_TRUE(back.document);
    EXPECT_EQ(*back.document, doc);
}

// A file written by hand, as a user editing one would: the format is what the header says.
TEST(BayFileRoundTrip, AHandWrittenFileOpens) {
    QFile file(QStringLiteral(CW_FILES_TEST_DIR "/corpus/bay_file/terrax_two_spans"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const BayFileReadResult read = bayDocumentFromJson(file.readAll(), kGreek);
    ASSERT_TRUE(read.document);
    EXPECT_EQ(*read.document, greekTerraxBay());
}

// Version 2: what the window keeps of the wind load and the Site wind values, exactly.
BayDocument greekSiteWindBay() {
    BayDocument doc = greekTerraxBay();
    BayKeptState kept;
    kept.bandSelected = HeightBand::UpTo20m;  // chosen before the pressure button
    kept.windInput = WindInput::Taken;
    kept.pressure = TaggedValue::text("0,891");
    kept.heightBandLimit = TaggedValue::int16(20);
    kept.pressureInForce = "0,891";
    kept.allowableDeflectionCapped_mm = "12,5";
    kept.siteWind = SiteWindInput{27.5, 1.0, 0.9, TerrainCategory::III, 12.0, -1.2, -1.4, 2.5, 0.2};
    doc.kept = kept;
    return doc;
}

TEST(BayFileRoundTrip, WhatTheWindowKeepsComesBackInVersionTwo) {
    const BayDocument doc = greekSiteWindBay();
    const QByteArray json = bayDocumentToJson(doc, kGreek);
    const QJsonObject object = objectOf(json);
    EXPECT_EQ(object.value("version"), QJsonValue(2));
    EXPECT_EQ(object.value("heightBand"), QJsonValue("8-20"));
    EXPECT_EQ(object.value("windPressureKept_kNm2"), QJsonValue("0.891"));
    EXPECT_EQ(object.value("siteWind").toObject().value("category"), QJsonValue("III"));
    EXPECT_EQ(object.value("siteWind").toObject().value("vb0_ms"), QJsonValue(27.5));
    const BayFileReadResult back = bayDocumentFromJson(json, kGreek);
    ASSERT_TRUE(back.document);
    ASSERT_TRUE(back.document->kept);
    const BayKeptState& k = *back.document->kept;
    EXPECT_EQ(k.bandSelected, HeightBand::UpTo20m);
    EXPECT_EQ(k.windInput, WindInput::Taken);
    EXPECT_EQ(k.pressure, TaggedValue::text("0,891"));
    EXPECT_EQ(k.heightBandLimit, TaggedValue::int16(20));
    EXPECT_EQ(k.allowableDeflectionCapped_mm, "12,5");
    ASSERT_TRUE(k.siteWind);
    EXPECT_EQ(k.siteWind->category, TerrainCategory::III);
    EXPECT_EQ(k.siteWind->area_m2, 2.5);
    EXPECT_EQ(*back.document, doc);
    // Another Site wind value is another document.
    BayDocument other = doc;
    other.kept->siteWind->cpi = -0.3;
    EXPECT_FALSE(other == doc);
}

TEST(BayFileRoundTrip, UsNotationComesBackExactly) {
    const BayDocument doc = usVeltraBay();
    const BayFileReadResult back = bayDocumentFromJson(bayDocumentToJson(doc, kUs), kUs);
    ASSERT_TRUE(back.document);
    EXPECT_EQ(*back.document, doc);
}

TEST(BayFileRoundTrip, EveryChoiceOfEveryListComesBack) {
    for (const std::optional<Series> series : std::initializer_list<std::optional<Series>>{
             std::nullopt, Series::Veltra, Series::KorinDalvo, Series::Terrax}) {
        for (const std::optional<StaticSystem> system :
             std::initializer_list<std::optional<StaticSystem>>{
                 std::nullopt, StaticSystem::OneSpan, StaticSystem::FixedEnds,
                 StaticSystem::TwoSpans}) {
            for (const WindChoice wind : std::initializer_list<WindChoice>{
                     WindSource::None, HeightBand::UpTo8m, HeightBand::UpTo20m,
                     HeightBand::UpTo100m, WindSource::TypedPressure, WindSource::WindSpeed}) {
                BayDocument doc;
                doc.series = series;
                doc.staticSystem = system;
                doc.wind = wind;
                const BayFileReadResult back =
                    bayDocumentFromJson(bayDocumentToJson(doc, kGreek), kGreek);
                ASSERT_TRUE(back.document);
                EXPECT_EQ(*back.document, doc);
            }
        }
    }
}

TEST(BayFileNumbers, StoredWithADotWhateverTheNotation) {
    const QJsonObject greek = objectOf(bayDocumentToJson(greekTerraxBay(), kGreek));
    EXPECT_EQ(greek.value("gridWidthA2_cm").toString(), "1.50");
    EXPECT_EQ(greek.value("spanL1_cm").toString(), "350.0");
    EXPECT_EQ(greek.value("spanL2_cm").toString(), "-2.5e3");
    EXPECT_EQ(greek.value("glazingHeightH1_cm").toString(), " 100 ");
    EXPECT_EQ(greek.value("snowHeight_cm").toString(), "εκατό");
    // Texts that would otherwise come back as numbers, or lose their apostrophe.
    EXPECT_EQ(greek.value("allowableDeflection_mm").toString(), "'1.5");
    EXPECT_EQ(greek.value("windSpeed_kmh").toString(), "''120");

    const QJsonObject us = objectOf(bayDocumentToJson(usVeltraBay(), kUs));
    EXPECT_EQ(us.value("gridWidthA1_cm").toString(), "150.25");
    EXPECT_EQ(us.value("gridWidthA2_cm").toString(), "1,50");
}

TEST(BayFileNumbers, AFileFromOneNotationOpensInTheOther) {
    const BayFileReadResult inUs =
        bayDocumentFromJson(bayDocumentToJson(greekTerraxBay(), kGreek), kUs);
    ASSERT_TRUE(inUs.document);
    EXPECT_EQ(inUs.document->gridWidthA2_cm, "1.50");
    EXPECT_EQ(inUs.document->windPressure_kNm2, "0.85");
    EXPECT_EQ(inUs.document->allowableDeflection_mm, "1.5");

    const BayFileReadResult inGreek =
        bayDocumentFromJson(bayDocumentToJson(usVeltraBay(), kUs), kGreek);
    ASSERT_TRUE(inGreek.document);
    EXPECT_EQ(inGreek.document->gridWidthA1_cm, "150,25");
    EXPECT_EQ(inGreek.document->windSpeed_kmh, "+90,");
}

struct ConversionCase {
    const char* name;
    const NumberFormat* fmt;
    const char* typed;
    const char* stored;
};

class NumberTextConversion : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(NumberTextConversion, ToTheFileAndBack) {
    const ConversionCase& c = GetParam();
    EXPECT_EQ(numberTextToFile(c.typed, *c.fmt), c.stored);
    EXPECT_EQ(numberTextFromFile(c.stored, *c.fmt), c.typed);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumberTextConversion,
    ::testing::Values(ConversionCase{"greek_trailing_zero_kept", &kGreek, "1,50", "1.50"},
                      ConversionCase{"greek_whole", &kGreek, "200", "200"},
                      ConversionCase{"greek_leading_separator", &kGreek, ",5", ".5"},
                      ConversionCase{"greek_exponent", &kGreek, "1,5E-2", "1.5E-2"},
                      ConversionCase{"greek_blanks_kept", &kGreek, " 2,5 ", " 2.5 "},
                      ConversionCase{"greek_dot_text_marked", &kGreek, "1.5", "'1.5"},
                      ConversionCase{"greek_grouped_text_verbatim", &kGreek, "1.234,5", "1.234,5"},
                      ConversionCase{"greek_word", &kGreek, "abc", "abc"},
                      ConversionCase{"greek_empty", &kGreek, "", ""},
                      ConversionCase{"apostrophe_text_marked", &kGreek, "'x", "''x"},
                      ConversionCase{"us_decimal", &kUs, "1.50", "1.50"},
                      ConversionCase{"us_comma_text_verbatim", &kUs, "1,5", "1,5"},
                      ConversionCase{"us_apostrophe_number_marked", &kUs, "'2", "''2"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(BayFileText, IndentedAndKeyOrdered) {
    const QByteArray json = bayDocumentToJson(greekTerraxBay(), kGreek);
    EXPECT_TRUE(json.startsWith("{\n    \"allowableDeflection_mm\": \"'1.5\",\n"));
    const QList<QByteArray> lines = json.split('\n');
    QByteArray previous;
    int keys = 0;
    for (const QByteArray& line : lines) {
        if (!line.startsWith("    \""))
            continue;
        const QByteArray key = line.mid(5, line.indexOf('"', 5) - 5);
        EXPECT_LT(previous, key);
        previous = key;
        ++keys;
    }
    EXPECT_EQ(keys, 21);
    EXPECT_TRUE(json.contains("\"format\": \"curtainwall-bay\""));
    EXPECT_TRUE(json.contains("\"version\": 2"));
}

// A valid file with one key changed (or removed when the value is undefined).
QByteArray withKey(const char* key, const QJsonValue& value) {
    QJsonObject object = objectOf(bayDocumentToJson(greekTerraxBay(), kGreek));
    if (value.isUndefined())
        object.remove(key);
    else
        object.insert(key, value);
    return QJsonDocument(object).toJson();
}

// The same for a file of version 2 that keeps the window's wind state.
QByteArray withKeptKey(const char* key, const QJsonValue& value) {
    QJsonObject object = objectOf(bayDocumentToJson(greekSiteWindBay(), kGreek));
    if (value.isUndefined())
        object.remove(QString::fromLatin1(key));
    else
        object.insert(QString::fromLatin1(key), value);
    return QJsonDocument(object).toJson();
}

QByteArray withSiteKey(const char* key, const QJsonValue& value) {
    QJsonObject object = objectOf(bayDocumentToJson(greekSiteWindBay(), kGreek));
    QJsonObject site = object.value("siteWind").toObject();
    if (value.isUndefined())
        site.remove(QString::fromLatin1(key));
    else
        site.insert(QString::fromLatin1(key), value);
    object.insert("siteWind", site);
    return QJsonDocument(object).toJson();
}

// A valid file with every partial factor written, one of them changed (or removed).
QByteArray withFactor(const char* key, const QJsonValue& value) {
    BayDocument doc = greekTerraxBay();
    doc.factors.gammaM1 = 1.2;
    QJsonObject object = objectOf(bayDocumentToJson(doc, kGreek));
    QJsonObject factors = object.value("partialFactors").toObject();
    if (value.isUndefined())
        factors.remove(QString::fromLatin1(key));
    else
        factors.insert(QString::fromLatin1(key), value);
    object.insert("partialFactors", factors);
    return QJsonDocument(object).toJson();
}

struct BadFileCase {
    const char* name;
    QByteArray json;
    BayFileErrorKind kind;
    std::string field;
};

class BayFileRefused : public ::testing::TestWithParam<BadFileCase> {};

TEST_P(BayFileRefused, NamesTheFieldAndWhatIsWrong) {
    const BayFileReadResult result = bayDocumentFromJson(GetParam().json, kGreek);
    EXPECT_FALSE(result.document);
    ASSERT_TRUE(result.error);
    EXPECT_EQ(result.error->kind, GetParam().kind);
    EXPECT_EQ(result.error->field, GetParam().field);
}

using K = BayFileErrorKind;
const QJsonValue kAbsent(QJsonValue::Undefined);

INSTANTIATE_TEST_SUITE_P(
    Files, BayFileRefused,
    ::testing::Values(
        BadFileCase{"empty", "", K::NotJson, ""},
        BadFileCase{"truncated", "{\"format\": \"curtainwall-bay\", ", K::NotJson, ""},
        BadFileCase{"spreadsheet_bytes", "PK\x03\x04", K::NotJson, ""},
        BadFileCase{"array", "[1, 2]", K::OtherFormat, "format"},
        BadFileCase{"other_format", withKey("format", "curtainwall-report"), K::OtherFormat,
                    "format"},
        BadFileCase{"format_missing", withKey("format", kAbsent), K::OtherFormat, "format"},
        BadFileCase{"format_a_number", withKey("format", 1), K::OtherFormat, "format"},
        BadFileCase{"newer_version", withKey("version", 3), K::NewerVersion, "version"},
        BadFileCase{"version_missing", withKey("version", kAbsent), K::MissingField, "version"},
        BadFileCase{"version_a_text", withKey("version", "1"), K::WrongType, "version"},
        BadFileCase{"version_zero", withKey("version", 0), K::UnknownValue, "version"},
        BadFileCase{"version_fraction", withKey("version", 0.5), K::UnknownValue, "version"},
        BadFileCase{"site_wind_a_text", withKeptKey("siteWind", "II"), K::WrongType, "siteWind"},
        BadFileCase{"site_wind_without_its_height", withSiteKey("z_m", kAbsent), K::MissingField,
                    "siteWind"},
        BadFileCase{"site_wind_height_too_great", withSiteKey("z_m", 250), K::UnknownValue,
                    "siteWind"},
        BadFileCase{"site_wind_category_unknown", withSiteKey("category", "V"), K::UnknownValue,
                    "siteWind"},
        BadFileCase{"band_limit_a_fraction", withKeptKey("heightBandLimit_m", 8.5), K::UnknownValue,
                    "heightBandLimit_m"},
        BadFileCase{"band_limit_a_text", withKeptKey("heightBandLimit_m", "8"), K::WrongType,
                    "heightBandLimit_m"},
        BadFileCase{"input_mode_unknown", withKeptKey("windInputMode", "guessed"), K::UnknownValue,
                    "windInputMode"},
        BadFileCase{"kept_state_half_there", withKeptKey("pressureInForce_kNm2", kAbsent),
                    K::MissingField, "pressureInForce_kNm2"},
        BadFileCase{"series_missing", withKey("series", kAbsent), K::MissingField, "series"},
        BadFileCase{"series_unknown", withKey("series", "aluminium"), K::UnknownValue, "series"},
        BadFileCase{"series_case_matters", withKey("series", "Veltra"), K::UnknownValue, "series"},
        BadFileCase{"system_a_number", withKey("staticSystem", 1), K::WrongType, "staticSystem"},
        BadFileCase{"system_unknown", withKey("staticSystem", "three-spans"), K::UnknownValue,
                    "staticSystem"},
        BadFileCase{"width_a_number", withKey("gridWidthA1_cm", 150), K::WrongType,
                    "gridWidthA1_cm"},
        BadFileCase{"span_missing", withKey("spanL1_cm", kAbsent), K::MissingField, "spanL1_cm"},
        BadFileCase{"slope_null", withKey("slope_deg", QJsonValue::Null), K::WrongType,
                    "slope_deg"},
        BadFileCase{"divisor_an_object", withKey("deflectionDivisor", QJsonObject()), K::WrongType,
                    "deflectionDivisor"},
        BadFileCase{"wind_source_unknown", withKey("windSource", "20-200"), K::UnknownValue,
                    "windSource"},
        BadFileCase{"wind_speed_missing", withKey("windSpeed_kmh", kAbsent), K::MissingField,
                    "windSpeed_kmh"},
        BadFileCase{"language_unknown", withKey("language", "de"), K::UnknownValue, "language"},
        BadFileCase{"criterion_unknown", withKey("deflectionCriterion", "2020"), K::UnknownValue,
                    "deflectionCriterion"},
        BadFileCase{"criterion_a_number", withKey("deflectionCriterion", 2015), K::WrongType,
                    "deflectionCriterion"},
        BadFileCase{"basis_unknown", withKey("designBasis", "ultimate"), K::UnknownValue,
                    "designBasis"},
        BadFileCase{"alloy_not_in_the_table", withKey("alloy", "7075 T6"), K::UnknownValue,
                    "alloy"},
        BadFileCase{"alloy_a_number", withKey("alloy", 6060), K::WrongType, "alloy"},
        BadFileCase{"hanging_unknown", withKey("hanging", "side"), K::UnknownValue, "hanging"},
        BadFileCase{"ground_snow_a_number", withKey("groundSnow_kNm2", 1.5), K::WrongType,
                    "groundSnow_kNm2"},
        BadFileCase{"factors_a_list", withKey("partialFactors", QJsonArray{1.1}), K::WrongType,
                    "partialFactors"},
        BadFileCase{"factors_without_gammaQ", withFactor("gammaQ", kAbsent), K::MissingField,
                    "partialFactors"},
        BadFileCase{"factor_a_text", withFactor("gammaM1", "1,1"), K::WrongType,
                    "partialFactors"},
        BadFileCase{"gammaM1_zero", withFactor("gammaM1", 0), K::UnknownValue, "partialFactors"},
        BadFileCase{"gammaG_inf_negative", withFactor("gammaG_inf", -1), K::UnknownValue,
                    "partialFactors"},
        BadFileCase{"psi0_snow_above_1", withFactor("psi0_snow", 1.01), K::UnknownValue,
                    "partialFactors"},
        BadFileCase{"project_a_text", withKey("project", "Tower"), K::WrongType, "project"},
        BadFileCase{"project_a_list", withKey("project", QJsonArray{"Tower"}), K::WrongType,
                    "project"},
        BadFileCase{"project_name_a_number", withKey("project", QJsonObject{{"name", 12}}),
                    K::WrongType, "project.name"},
        BadFileCase{"project_checker_null",
                    withKey("project", QJsonObject{{"name", "A"}, {"checker", QJsonValue::Null}}),
                    K::WrongType, "project.checker"},
        BadFileCase{"revisions_an_object",
                    withKey("project", QJsonObject{{"revisions", QJsonObject{}}}), K::WrongType,
                    "project.revisions"},
        BadFileCase{"revision_a_text",
                    withKey("project", QJsonObject{{"revisions", QJsonArray{"A"}}}), K::WrongType,
                    "project.revisions[0]"},
        BadFileCase{"second_revision_date_a_number",
                    withKey("project",
                            QJsonObject{{"revisions",
                                         QJsonArray{QJsonObject{{"revision", "A"}},
                                                    QJsonObject{{"revision", "B"}, {"date", 2024}}}}}),
                    K::WrongType, "project.revisions[1].date"},
        BadFileCase{"too_large", QByteArray(kMaxBayFileBytes + 1, ' '), K::TooLarge, ""}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(BayFileRefusedDetails, OffsetOfBrokenJsonAndVersionOfNewerFile) {
    const BayFileReadResult broken = bayDocumentFromJson("{\"format\": x}", kGreek);
    ASSERT_TRUE(broken.error);
    EXPECT_EQ(broken.error->kind, K::NotJson);
    EXPECT_GE(broken.error->jsonOffset, 10);
    EXPECT_LE(broken.error->jsonOffset, 12);

    const BayFileReadResult newer = bayDocumentFromJson(withKey("version", 3), kGreek);
    ASSERT_TRUE(newer.error);
    EXPECT_EQ(newer.error->version, 3);
}

TEST(BayFileCriterion, AbsentMeansTheOriginalCriterion) {
    const BayFileReadResult result =
        bayDocumentFromJson(withKey("deflectionCriterion", kAbsent), kGreek);
    ASSERT_TRUE(result.document);
    EXPECT_EQ(result.document->deflectionCriterion, DeflectionCriterion::En13830_2003);
}

// The design basis: a file without its keys (every file before it) opens as allowable; one
// with them gives them back, the alloy by its name in the table; only a file that leaves
// the defaults writes them, so the allowable basis' files stay byte for byte as they were.
TEST(BayFileBasis, KeysReadWrittenAndLeftOutAtTheDefaults) {
    struct Row {
        std::string name;
        QJsonValue basis, alloy, hanging;
        DesignBasis wantBasis;
        std::string wantAlloy;
        Hanging wantHanging;
        bool written;
    };
    const Row rows[] = {
        {"absent_is_allowable", kAbsent, kAbsent, kAbsent, DesignBasis::Allowable, "6060 T6",
         Hanging::HungFromTop, false},
        {"limit_states", "limit-states", "6063 T5", "base", DesignBasis::LimitStates, "6063 T5",
         Hanging::StandingOnBase, true},
        {"alloy_spelt_as_en_aw", "limit-states", "EN AW-6082 T6", "top", DesignBasis::LimitStates,
         "6082 T6", Hanging::HungFromTop, true},
        {"allowable_with_another_alloy", "allowable", "6005A T6", kAbsent, DesignBasis::Allowable,
         "6005A T6 EP/H", Hanging::HungFromTop, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QJsonObject object = objectOf(bayDocumentToJson(greekTerraxBay(), kGreek));
        for (const auto& [key, value] :
             {std::pair{"designBasis", row.basis}, std::pair{"alloy", row.alloy},
              std::pair{"hanging", row.hanging}})
            if (!value.isUndefined())
                object.insert(QString::fromLatin1(key), value);
        const BayFileReadResult read = bayDocumentFromJson(QJsonDocument(object).toJson(), kGreek);
        ASSERT_TRUE(read.document);
        EXPECT_EQ(read.document->basis, row.wantBasis);
        EXPECT_EQ(read.document->alloy, row.wantAlloy);
        EXPECT_EQ(read.document->hanging, row.wantHanging);
        const QByteArray written = bayDocumentToJson(*read.document, kGreek);
        EXPECT_EQ(objectOf(written).contains("designBasis"), row.written);
        const BayFileReadResult back = bayDocumentFromJson(written, kGreek);
        ASSERT_TRUE(back.document);
        EXPECT_EQ(*back.document, *read.document);
    }
}

// s_k and the factors come back as they were; left at their defaults they are not written,
// so every file that never set them stays byte for byte as it was.
TEST(BayFileBasis, GroundSnowAndFactorsWrittenOnlyWhenSet) {
    struct Row {
        std::string name;
        std::string sk;
        PartialFactors factors;
        bool skWritten;
        bool factorsWritten;
    };
    PartialFactors annex;
    annex.gammaM1 = 1.2;
    annex.psi0Snow = 0.0;
    PartialFactors psi1;
    psi1.psi0Wind = 1.0;
    const Row rows[] = {
        {"defaults", "", {}, false, false},
        {"sk_typed_with_a_comma", "1,25", {}, true, false},
        {"sk_a_text_kept_as_typed", "πολύ", {}, true, false},
        {"an_annex", "0,8", annex, true, true},
        {"psi0_wind_1", "", psi1, false, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        BayDocument doc = greekTerraxBay();
        doc.groundSnow_kNm2 = row.sk;
        doc.factors = row.factors;
        const QByteArray written = bayDocumentToJson(doc, kGreek);
        const QJsonObject object = objectOf(written);
        EXPECT_EQ(object.contains("groundSnow_kNm2"), row.skWritten);
        EXPECT_EQ(object.contains("partialFactors"), row.factorsWritten);
        const BayFileReadResult back = bayDocumentFromJson(written, kGreek);
        ASSERT_TRUE(back.document);
        EXPECT_EQ(back.document->groundSnow_kNm2, row.sk);
        EXPECT_EQ(back.document->factors, row.factors);
    }
}

// The project a bay is for comes back exactly, texts that look like numbers, quotes, commas
// and line breaks included; a bay of no named project writes no key, so its file is as before.
TEST(BayFileProject, ComesBackExactlyAndIsWrittenOnlyWhenNamed) {
    struct Row {
        std::string name;
        ProjectData project;
    };
    const Row rows[] = {
        {"empty", {}},
        {"full",
         {"Office tower B",
          "12 Harbour Road",
          "Northgate Ltd",
          "J. Smith",
          "K. Jones",
          {{"A", "2024-03-01", "First issue"}, {"B", "2024-04-15", "Wind zone revised"}}}},
        {"greek",
         {"Κτίριο γραφείων «Αθηνά»", "Λεωφ. Συγγρού 120, Αθήνα", "Όμιλος Δ. Παπαδόπουλου Α.Ε.",
          "Γ. Οικονόμου", "Ε. Ζαχαρίου", {{"Α", "1/3/2024", "Πρώτη έκδοση — για έγκριση"}}}},
        {"revisions_with_commas_quotes_newlines",
         {"Tower, phase 2",
          "",
          "",
          "",
          "",
          {{"1,5", "1.5", "says \"final\", then 'not'"},
           {"'2", " 2024 ", "line one\nline two\r\n\ttabbed \\ back\n"}}}},
        {"only_a_revision", {"", "", "", "", "", {{"", "", ""}}}},
        {"only_the_checker", {"", "", "", "", "M. Brown", {}}},
    };
    for (const BayDocument& base : {greekTerraxBay(), greekSiteWindBay(), usVeltraBay()}) {
        for (const Row& row : rows) {
            SCOPED_TRACE(row.name);
            BayDocument doc = base;
            doc.project = row.project;
            const NumberFormat& fmt = base.series == Series::Veltra ? kUs : kGreek;
            const QByteArray json = bayDocumentToJson(doc, fmt);
            EXPECT_EQ(objectOf(json).contains("project"), !row.project.empty());
            if (row.project.empty()) {
                EXPECT_EQ(json, bayDocumentToJson(base, fmt));
            }
            const BayFileReadResult back = bayDocumentFromJson(json, fmt);
            ASSERT_TRUE(back.document);
            EXPECT_EQ(back.document->project, row.project);
            EXPECT_EQ(*back.document, doc);
        }
    }
}

// A file written by hand may name only some of the project; the rest is empty.
TEST(BayFileProject, MembersLeftOutAreEmpty) {
    const BayFileReadResult read = bayDocumentFromJson(
        withKey("project", QJsonObject{{"name", "Depot"},
                                       {"revisions", QJsonArray{QJsonObject{{"date", "May"}}}},
                                       {"colour", 3}}),
        kGreek);
    ASSERT_TRUE(read.document);
    ProjectData want;
    want.name = "Depot";
    want.revisions = {{"", "May", ""}};
    EXPECT_EQ(read.document->project, want);
    const BayFileReadResult none = bayDocumentFromJson(withKey("project", QJsonValue::Null), kGreek);
    ASSERT_TRUE(none.document);
    EXPECT_TRUE(none.document->project.empty());
}

// A project of the wrong shape is refused with the one sentence that says what shape it takes,
// naming where in the file it goes wrong, in either language.
TEST(BayFileProject, ABadShapeHasItsOwnMessage) {
    const BayFileError error{BayFileErrorKind::WrongType, "project.revisions[1].date"};
    const std::string english = bayFileErrorMessage(error, "a.cwbay", Language::English);
    const std::string greek = bayFileErrorMessage(error, "a.cwbay", Language::Greek);
    EXPECT_NE(english.find("\"project.revisions[1].date\" is not shaped as a project"),
              std::string::npos)
        << english;
    EXPECT_NE(greek.find("«project.revisions[1].date» δεν έχει τη μορφή του έργου"),
              std::string::npos)
        << greek;
    // Any other field keeps its own sentence.
    const std::string other = bayFileErrorMessage({BayFileErrorKind::WrongType, "projection"},
                                                  "a.cwbay", Language::English);
    EXPECT_EQ(other.find("shaped as a project"), std::string::npos) << other;
}

TEST(BayFileCriterion, UnknownKeysAreLeftAside) {
    const BayFileReadResult result = bayDocumentFromJson(withKey("comment", "east façade"), kGreek);
    ASSERT_TRUE(result.document);
    EXPECT_EQ(*result.document, greekTerraxBay());
}

// A file's bytes; a file that cannot be read fails the test.
QByteArray bytesOf(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

TEST(BayFileOnDisk, SavedAndOpenedAgain) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("east bay.cwbay");
    ASSERT_FALSE(writeBayFile(path, greekTerraxBay(), kGreek));
    const BayFileReadResult back = readBayFile(path, kGreek);
    ASSERT_TRUE(back.document);
    EXPECT_EQ(*back.document, greekTerraxBay());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"east bay.cwbay"});
}

TEST(BayFileOnDisk, AFailedSaveLeavesTheEarlierFileAsItWas) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("bay.cwbay");
    ASSERT_FALSE(writeBayFile(path, greekTerraxBay(), kGreek));
    const QByteArray earlier = bytesOf(path);

    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    const bool folderIsReadOnly = !QFile(dir.filePath("probe")).open(QIODevice::WriteOnly);
    const std::optional<QString> failed = writeBayFile(path, usVeltraBay(), kUs);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (!folderIsReadOnly)
        GTEST_SKIP() << "running as a user that writes into read-only folders";
    ASSERT_TRUE(failed);
    EXPECT_FALSE(failed->isEmpty());
    EXPECT_EQ(bytesOf(path), earlier);
}

// A write cut short (a full disk, a quota, here a file-size limit that holds root too) must
// not be committed: Qt renames the cut-off file into place unless the flush is checked.
TEST(BayFileOnDisk, AWriteCutShortLeavesTheEarlierFileAsItWas) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("bay.cwbay");
    ASSERT_FALSE(writeBayFile(path, greekTerraxBay(), kGreek));
    const QByteArray earlier = bytesOf(path);

    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);  // EFBIG instead of the signal
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit limit = old;
    limit.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    const std::optional<QString> failed = writeBayFile(path, usVeltraBay(), kUs);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldSignal);

    ASSERT_TRUE(failed);
    EXPECT_FALSE(failed->isEmpty());
    EXPECT_EQ(bytesOf(path), earlier);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"bay.cwbay"});
}

// The temporary file beside a name of the longest length the system allows cannot be made,
// which fails a save whoever runs the test.
TEST(BayFileOnDisk, ASaveThatCannotMakeItsTemporaryFileChangesNothing) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QString(249, QChar('b')) + ".cwbay");
    QFile earlierFile(path);
    ASSERT_TRUE(earlierFile.open(QIODevice::WriteOnly));
    const QByteArray earlier = "earlier contents";
    earlierFile.write(earlier);
    earlierFile.close();

    const std::optional<QString> failed = writeBayFile(path, usVeltraBay(), kUs);
    ASSERT_TRUE(failed);
    EXPECT_FALSE(failed->isEmpty());
    EXPECT_EQ(bytesOf(path), earlier);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

TEST(BayFileOnDisk, MissingFileOrFolderIsUnreadable) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const QString& path : {dir.filePath("none.cwbay"), dir.path()}) {
        const BayFileReadResult result = readBayFile(path, kGreek);
        ASSERT_TRUE(result.error) << path.toStdString();
        EXPECT_EQ(result.error->kind, K::Unreadable) << path.toStdString();
    }
}

}  // namespace
}  // namespace cw::files
