#pragma once

#include "document/catalogue_commands.h"
#include "files/bay_file.h"
#include "input/bay_document_io.h"
#include "input/form.h"

#include <string>

namespace cw {

// File → Save bay / Save bay as…: the window's inputs written to `path` (UTF-8), replacing
// the file whole. Afterwards the window's file is `path`, with nothing unsaved. A failed
// save shows a message saying why, and leaves any earlier file and the window's file as
// they were. True when the bay was saved.
bool saveBay(WindowState& w, const std::string& path);

// File → Open bay…: the bay of `path` given to the window as a user would enter it (unsaved
// changes are lost; asking about them is the front end's business). A file that cannot be
// opened shows one message naming the file, the field and what is wrong, and the window
// stays as it was. True when the bay was opened.
bool openBay(Form& f, const std::string& path);

}  // namespace cw
