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
//       "version": 2,
//       "windPressure_kNm2": "1.50",
//       "windSource": "pressure",
//       "windSpeed_kmh": ""
//   }
//
// Version 2 adds what the window keeps of the wind load and the Site wind values (bay_key
// below); a version 1 file opens as before. Texts are stored as typed, except that a number uses a dot whatever the notation it was
// typed in (numberTextToFile). Keys are written in alphabetical order, indented.

#include "bay/bay_document.h"
#include "bay/number_text.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace cw::files {

inline constexpr std::string_view kBayFileFormat = "curtainwall-bay";
inline constexpr int kBayFileVersion = 2;
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
// The design basis and its choices, all optional: a file without them is designed by the
// allowable stress, 6060 T6, hung from the top. Written only where one differs from that.
inline constexpr std::string_view kDesignBasis = "designBasis";  // allowable|limit-states
inline constexpr std::string_view kAlloy = "alloy";              // as findAlloy reads it
inline constexpr std::string_view kHanging = "hanging";          // top|base
// Optional, written only when set: s_k as typed (a text as the fields are), and the partial
// factors, {gammaM1, gammaM2, gammaG_sup, gammaG_inf, gammaQ, psi0_wind, psi0_snow}, all
// seven numbers, written only when one differs from the recommended values.
inline constexpr std::string_view kGroundSnow = "groundSnow_kNm2";
inline constexpr std::string_view kPartialFactors = "partialFactors";
// Version 2: what the window keeps besides the inputs above (BayKeptState): all of these or,
// for a bay that was never in a window (a schedule's row), none.
inline constexpr std::string_view kHeightBand = "heightBand";  // none|0-8|8-20|20-100: the
                                                               // option selected
inline constexpr std::string_view kWindInputMode = "windInputMode";  // none|taken|typed|speed
inline constexpr std::string_view kWindPressureKept = "windPressureKept_kNm2";  // null|n|text
inline constexpr std::string_view kHeightBandLimit = "heightBandLimit_m";       // null|n
inline constexpr std::string_view kPressureInForce = "pressureInForce_kNm2";    // text
inline constexpr std::string_view kAllowableDeflectionCapped = "allowableDeflectionCapped_mm";
// The user catalogue designed with, {name, path, sha256}; absent for the series' own.
inline constexpr std::string_view kCatalogue = "catalogue";
// Who the bay is for, {name, site, client, engineer, checker, revisions: [{revision, date,
// description}]}, every member a text as typed; absent for a bay of no named project.
inline constexpr std::string_view kProject = "project";
inline constexpr std::string_view kSiteWind = "siteWind";  // null|{vb0_ms, cdir, cseason,
                                                           // category, z_m, cpe10, cpe1,
                                                           // area_m2, cpi}
}  // namespace bay_key

// The document lives in the model; the file only reads and writes it.
using cw::BayDocument;
using cw::Language;

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

// The message for a bay file that cannot be opened, naming the file, the field and what is
// wrong, in the language asked for.
std::string bayFileErrorMessage(const BayFileError& error, const std::string& path,
                                Language language);

}  // namespace cw::files
