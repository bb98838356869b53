#pragma once

// Opening a bay file, below the window: the file read in the user's notation, the catalogue it
// names looked for, the document run once. The window then shows what was found.

#include "bay/bay_document.h"
#include "bay/bay_run.h"
#include "bay/catalogue_ref.h"
#include "bay/number_text.h"
#include "text/language.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace cw::files {

// Where opening a bay looks for the catalogue it names, and whom it asks: the catalogue in
// use, a list of catalogues (unset: none) and a question to the user (unset, as in the replay:
// nobody is asked).
struct CatalogueSources {
    const ChosenCatalogue* inUse = nullptr;
    std::function<std::optional<ChosenCatalogue>(const CatalogueRef&)> find;
    std::function<std::optional<std::string>(const std::string& question)> ask;
};

// The catalogue a bay file names, as opening the bay finds it: the one in use or listed with
// that content, else the file at its path. When that file is missing or has changed, the user
// is asked, in `language`, whether to choose the catalogue's file; a file chosen that loads
// and is for the bay's use is taken, with its own path and hash. Otherwise, or when the user
// cancels, the bay's catalogue is said to be missing or changed and the file at its path, if
// any, is used as it now is. `bayUse` is the series option the bay was saved with.
struct CatalogueOfBay {
    std::optional<ChosenCatalogue> found;
    bool chosenByUser = false;          // found in a file the user chose in place of the bay's
    std::vector<std::string> messages;  // what the window shows of the search, in order
};
CatalogueOfBay findCatalogueOfBay(const CatalogueRef& ref, std::optional<Series> bayUse,
                                  const CatalogueSources& sources, Language language);

// What opening a bay file found, before a window shows any of it.
struct BayOpening {
    std::optional<BayDocument> document;       // none: the file could not be read
    std::optional<ChosenCatalogue> catalogue;  // the user catalogue it names, found
    bool catalogueChosenAnew = false;          // in a file the user chose: a change to save
    std::vector<std::string> messages;  // why it could not be read, or what became of its catalogue
    BayOutcome outcome;                 // the document's run
};
BayOpening readBayOpening(const std::string& path, const NumberFormat& fmt, Language language,
                          const CatalogueSources& catalogues);

}  // namespace cw::files
