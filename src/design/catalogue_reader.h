#pragma once

#include "design/catalogue.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cw {

// The reader of catalogue files (docs/catalogue-format.md): comma-separated, a header naming
// the columns, one profile or band a row. Strict: a file with any fault gives no catalogue.
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

// The catalogue's name is its system column, else the file name without ".csv".
CatalogueRead readCatalogue(std::string_view text, std::string_view fileName);

// One message: the file, then each fault by line and column.
std::string describeCatalogueFaults(std::string_view fileName,
                                    const std::vector<CatalogueFault>& faults);

}  // namespace cw
