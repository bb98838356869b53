#pragma once

#include "bay/bay_document.h"
#include "bay/bay_run.h"
#include "files/bay_opening.h"
#include "input/form.h"

#include <optional>
#include <string>

namespace cw {

// The window given back a document's inputs: a fresh form (its hooks kept), the language,
// series and system chosen, the wind load taken as its button or band would take it, and
// every text as typed. A bay complete enough to run then runs as NEXT would, with the
// message of a refused run; unless `run` is false, when the bay is left without results.
void openDocument(Form& f, const BayDocument& document, bool run = true);

// An opening shown: its messages and, when the file was read, the window given back the
// document and its run as openDocument gives them, with `path` as the window's file and
// nothing unsaved. True when the file was read.
bool showOpenedBay(Form& f, const std::string& path, files::BayOpening opening);

// File → New bay: the start form, in the language showing, with no file and nothing unsaved.
void newBay(Form& f);

// A file name for the bay, without its extension, from its series, static system and span
// ("Veltra-one-span-L300"); "bay" while no series is chosen. Only letters of the Latin
// alphabet, digits, '-', '_', ',' and '.', so that any file system takes it.
std::string suggestedFileStem(const BayDocument& document);

}  // namespace cw
