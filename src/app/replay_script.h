#pragma once

#include "bay/number_text.h"

#include <iosfwd>

namespace cw {

// Runs a script of user actions, one a line, against a fresh window model and prints a
// dump for every `dump` line. Lines are read and run one at a time, so a script of any
// length runs in bounded memory. Returns the exit status: 0 when every line ran (or the
// window was closed), 2 after the first line that could not be run, with
// "line N: <reason>" written to `err`.
int runReplay(std::istream& script, std::ostream& out, std::ostream& err, const NumberFormat& fmt);

}  // namespace cw
