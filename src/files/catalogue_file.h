#pragma once

// Catalogue files as the user brings them: CSV or an .xlsx workbook, read whole into a
// catalogue or refused with one message.

#include "bay/catalogue_ref.h"
#include "design/catalogue_reader.h"
#include "text/language.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cw::files {

struct CatalogueLoad {
    std::optional<Catalogue> catalogue;
    std::vector<CatalogueFault> faults;
    std::string message;  // the file and its faults in English; empty when it was read
    std::string sha256;   // of the bytes read, when they were read
};

// The one message of a refused file in the language asked for: the file, then up to ten
// faults by line and column.
std::string describeCatalogueFaults(std::string_view fileName,
                                    const std::vector<CatalogueFault>& faults,
                                    Language language);

// The rows of the first sheet of an .xlsx workbook as fields of text, the first being the
// header; nothing when the bytes are not such a workbook. Rows without a value are passed over
// and each record carries its row number.
std::optional<std::vector<CatalogueRecord>> workbookCatalogueRecords(std::string_view bytes);

// A workbook (a zip archive, or a name ending in .xlsx) or CSV text; fileName names the
// catalogue where no system column does, and the message.
CatalogueLoad readCatalogueBytes(std::string_view bytes, std::string_view fileName);

// Reads the file at path, refusing it before reading when it is larger than 4 MB.
CatalogueLoad loadCatalogueFile(const std::filesystem::path& path);

// A catalogue file read for a bay or the window: the catalogue and its reference (name, path
// as given, hash of the bytes), or the one message of its refusal in `language`.
struct CatalogueOpening {
    std::optional<ChosenCatalogue> chosen;
    std::string message;
};
CatalogueOpening openCatalogueFile(const std::string& path, Language language);
// The same with nothing said of a file that cannot be read.
std::optional<ChosenCatalogue> catalogueAt(const std::string& path);

}  // namespace cw::files
