#pragma once

#include "bay/bay_document.h"
#include "bay/bay_run.h"
#include "input/form.h"

#include <string>

namespace cw {

// The window given back a document's inputs: a fresh form (its hooks kept), the language,
// series and system chosen, the wind load taken as its button or band would take it, and
// every text as typed. A bay complete enough to run then runs as NEXT would, with the
// message of a refused run; unless `run` is false, when the bay is left without results.
void openDocument(Form& f, const BayDocument& document, bool run = true);
// The same with the catalogue the document names found already (nothing: not found).
void openDocument(Form& f, const BayDocument& document, std::optional<ChosenCatalogue> catalogue);

// File → New bay: the start form, in the language showing, with no file and nothing unsaved.
void newBay(Form& f);

// A file name for the bay, without its extension, from its series, static system and span
// ("Veltra-one-span-L300"); "bay" while no series is chosen. Only letters of the Latin
// alphabet, digits, '-', '_', ',' and '.', so that any file system takes it.
std::string suggestedFileStem(const BayDocument& document);

}  // namespace cw
