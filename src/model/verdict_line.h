#pragma once

#include "model/window_state.h"

#include <optional>
#include <string>

namespace cw {

// The one sentence under the results panel that says whether the design shown holds.
struct VerdictLine {
    enum class Kind { Passes, Fails, NoneFits, OutOfDate };
    Kind kind;
    std::string text;
};

// What the verdict line says for the window as it is, in the language showing, with the
// numbers as the panel shows them; nothing while no result shows.
std::optional<VerdictLine> verdictLine(const WindowState& w);

}  // namespace cw
