#pragma once

#include "bay/bay_run.h"
#include "input/form.h"
#include "model/bay_document.h"

namespace cw {

// The window given back a document's inputs: a fresh form (its hooks kept), the language,
// series and system chosen, the wind load taken as its button or band would take it, and
// every text as typed. A bay complete enough to run then runs as NEXT would, with the
// message of a refused run; unless `run` is false, when the bay is left without results.
void openDocument(Form& f, const BayDocument& document, bool run = true);

}  // namespace cw
