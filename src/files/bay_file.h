#pragma once

// The bay file (.cwbay): every input of one bay as a user set it, as versioned JSON that a
// person can read and edit. Results are never stored; they are recomputed on opening.
//
//   {
//       "allowableDeflection_mm": "0",
//       "deflectionCriterion": "2003",
//       "deflectionDivisor": "200",
//       "format": "curtainwall-bay",
//       "glassThickness_mm": "10",
//       ...
//       "version": 1,
//       "windPressure_kNm2": "1.50",
//       "windSource": "pressure",
//       "windSpeed_kmh": ""
//   }
//
// Texts are stored as typed, except that a number uses a dot whatever the notation it was
// typed in (numberTextToFile). Keys are written in alphabetical order, indented.

#include "design/deflection_criterion.h"
#include "model/number_text.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace cw::files {

inline constexpr std::string_view kBayFileFormat = "curtainwall-bay";
inline constexpr int kBayFileVersion = 1;
// No bay file comes near this; anything larger is refused before it is parsed.
inline constexpr qint64 kMaxBayFileBytes = 1 << 20;

// The keys of the file.
namespace bay_key {
inline constexpr std::string_view kFormat = "format";
inline constexpr std::string_view kVersion = "version";
inline constexpr std::string_view kSeries = "series";              // veltra|korin|terrax|none
inline constexpr std::string_view kStaticSystem = "staticSystem";  // one-span|fixed-ends|
                                                                   // two-spans|none
inline constexpr std::string_view kGridWidthA1 = "gridWidthA1_cm";
inline constexpr std::string_view kGridWidthA2 = "gridWidthA2_cm";
inline constexpr std::string_view kSpanL1 = "spanL1_cm";
inline constexpr std::string_view kSpanL2 = "spanL2_cm";
inline constexpr std::string_view kGlazingHeightH1 = "glazingHeightH1_cm";
inline constexpr std::string_view kGlazingHeightH2 = "glazingHeightH2_cm";
inline constexpr std::string_view kGlassThickness = "glassThickness_mm";
inline constexpr std::string_view kDeflectionDivisor = "deflectionDivisor";
inline constexpr std::string_view kAllowableDeflection = "allowableDeflection_mm";
inline constexpr std::string_view kWindSource = "windSource";  // none|0-8|8-20|20-100|
                                                               // pressure|speed
inline constexpr std::string_view kWindPressure = "windPressure_kNm2";
inline constexpr std::string_view kWindSpeed = "windSpeed_kmh";
inline constexpr std::string_view kStructureWeight = "structureWeight_kNm2";
inline constexpr std::string_view kSnowHeight = "snowHeight_cm";
inline constexpr std::string_view kSlope = "slope_deg";
inline constexpr std::string_view kLanguage = "language";                        // el|en
inline constexpr std::string_view kDeflectionCriterion = "deflectionCriterion";  // 2003|2015,
                                                                                 // optional
}  // namespace bay_key

enum class BaySeries { None, Veltra, Korin, Terrax };
enum class BayStaticSystem { None, OneSpan, FixedEnds, TwoSpans };
// Where the wind pressure in force comes from: a height band, the typed pressure, the
// typed wind speed, or nowhere yet.
enum class BayWindSource { None, Band0To8m, Band8To20m, Band20To100m, TypedPressure, WindSpeed };
enum class BayLanguage { Greek, English };

// Every input a user can set; the texts as typed, in the user's notation.
struct BayDocument {
    BaySeries series = BaySeries::None;
    BayStaticSystem staticSystem = BayStaticSystem::None;
    std::string gridWidthA1_cm;
    std::string gridWidthA2_cm;
    std::string spanL1_cm;
    std::string spanL2_cm;
    std::string glazingHeightH1_cm;
    std::string glazingHeightH2_cm;
    std::string glassThickness_mm;
    std::string deflectionDivisor;
    std::string allowableDeflection_mm;
    BayWindSource windSource = BayWindSource::None;
    std::string windPressure_kNm2;  // the typed pressure, kept whatever the source
    std::string windSpeed_kmh;      // the typed speed, kept whatever the source
    std::string structureWeight_kNm2;
    std::string snowHeight_cm;
    std::string slope_deg;
    BayLanguage language = BayLanguage::Greek;
    DeflectionCriterion deflectionCriterion = DeflectionCriterion::En13830_2003;

    bool operator==(const BayDocument&) const = default;
};

enum class BayFileErrorKind {
    Unreadable,    // cannot be opened or read
    TooLarge,      // more than kMaxBayFileBytes
    NotJson,       // jsonOffset says where the parser stopped
    OtherFormat,   // valid JSON, but not an object with "format": "curtainwall-bay"
    NewerVersion,  // written by a newer program; version says which
    MissingField,
    WrongType,     // e.g. a number where a text belongs
    UnknownValue,  // e.g. "series": "aluminium", or a version that is not 1, 2, ...
};

struct BayFileError {
    BayFileErrorKind kind;
    std::string field;    // the key concerned; empty for Unreadable, TooLarge, NotJson
    int jsonOffset = -1;  // NotJson: byte offset of the fault
    int version = 0;      // NewerVersion: the file's version
};

struct BayFileReadResult {
    std::optional<BayDocument> document;
    std::optional<BayFileError> error;
};

// A text typed in `fmt` as the file holds it: a number in that notation with its decimal
// separator replaced by a dot ("1,50" -> "1.50"), any other text as it is. A text that is
// not a number but would read back as one ("1.5" typed under a decimal comma), or that begins
// with an apostrophe, is stored behind an apostrophe so that it comes back unchanged.
std::string numberTextToFile(std::string_view typed, const NumberFormat& fmt);
// The inverse: "1.50" -> "1,50" under a decimal comma; "'1.5" -> "1.5".
std::string numberTextFromFile(std::string_view stored, const NumberFormat& fmt);

QByteArray bayDocumentToJson(const BayDocument& document, const NumberFormat& fmt);
BayFileReadResult bayDocumentFromJson(const QByteArray& json, const NumberFormat& fmt);

BayFileReadResult readBayFile(const QString& path, const NumberFormat& fmt);

// Atomic: the file is replaced whole or, on failure, left as it was. Nothing on success,
// otherwise the system's reason.
std::optional<QString> writeBayFile(const QString& path, const BayDocument& document,
                                    const NumberFormat& fmt);

}  // namespace cw::files
