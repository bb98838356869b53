#pragma once

#include "design/catalogue.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cw {

// The reader of catalogue files (docs/catalogue-format.md): comma- or semicolon-separated, a
// header naming the columns, one profile or band a row. Strict: a file with any fault gives no
// catalogue.
enum class CatalogueFaultKind {
    NoRows,  // no header, or a header and nothing else
    EmptyLine,
    UnclosedQuote,
    StrayQuote,  // a quote inside a field that does not start with one
    FieldCount,  // a row with more or fewer fields than the header
    UnknownColumn,
    RepeatedColumn,
    MissingColumn,  // code, role or use is not in the header
    MissingValue,   // a value the row's role needs is empty
    ValueNotTaken,  // a value the row's role takes none of
    NotANumber,     // digits with at most one decimal point
    NotPositive,
    TooPrecise,  // Ix_cm4 with more than four decimals (finer than 1 mm4)
    TooLarge,
    TooSmall,  // above zero but below 1e-6: no section value is that small
    UnknownRole,
    UnknownUse,
    UnknownSpanCase,
    UseDiffers,       // not the use of the first row
    SystemDiffers,    // not the system of the first row
    EmptyBand,        // to_cm4 not above from_cm4
    OverlappingBand,  // a band starting below the end of the one before
    MullionOrder,     // Ix_cm4 not above that of the mullion before
    RepeatedCode,     // a mullion code already given
    NoMullion,
    FileTooLarge,   // more than kMostCatalogueBytes
    TooManyRows,    // more than kMostCatalogueRows below the header
    Unreadable,     // the file could not be opened or read
    NotAWorkbook,   // an .xlsx whose first sheet cannot be found or read
    BothWxAndE,     // Wx_cm3 and e_mm on one row: one of them says where the fibre is
    BadElements,    // not name:i|o:b×t;...
    UnknownSteelGrade,
    UnknownAlloy,
    TransomKindsMixed,  // band rows and rows with properties in one catalogue
};

struct CatalogueFault {
    std::size_t line = 0;  // 1-based, in the text; 0 for the file as a whole
    std::string column;    // the header's name, or empty
    CatalogueFaultKind kind = CatalogueFaultKind::NoRows;
    std::string value;  // the offending text, where there is one
};

struct CatalogueRead {
    std::optional<Catalogue> catalogue;
    std::vector<CatalogueFault> faults;  // the first ten, in the order of the text
};

inline constexpr std::size_t kMostCatalogueFaults = 10;
inline constexpr std::size_t kMostCatalogueBytes = 4U << 20;
inline constexpr std::size_t kMostCatalogueRows = 10000;

// One row of a catalogue as fields of text, with its line (CSV) or row (a sheet) number.
struct CatalogueRecord {
    std::size_t line = 0;
    std::vector<std::string> fields;
};

// The catalogue's name is its system column, else the file name without ".csv" or ".xlsx".
// UTF-8 with or without a byte-order mark; the separator is the semicolon when the header has
// more of them than commas outside quotes, else the comma.
CatalogueRead readCatalogue(std::string_view text, std::string_view fileName);

// The same checks over rows already split into fields (the first is the header), as a sheet
// gives them.
CatalogueRead readCatalogueRecords(const std::vector<CatalogueRecord>& records,
                                   std::string_view fileName);

// The file, then each fault by line, column and the name of its kind: the build's own check
// of the built-in files words them so. A user reads files::describeCatalogueFaults, worded in
// the language showing.
std::string describeCatalogueFaults(std::string_view fileName,
                                    const std::vector<CatalogueFault>& faults);

}  // namespace cw
