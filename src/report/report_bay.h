#pragma once

#include "design/bay.h"
#include "model/bay_document.h"
#include "model/window_state.h"

#include <optional>
#include <string>

namespace cw::report {

// One bay as the report tells it: the window after the bay's inputs were entered and run
// (so that every figure is the text the window shows), and the design in numbers for the
// steps the window does not show.
struct ReportBay {
    std::string name;
    BayDocument document;
    WindowState window;
    BayInput input;
    BayDesign design;
    bool english = false;
    // Why the bay did not run to a result; nothing when it did.
    std::optional<std::string> refusal;

    const NumberFormat& fmt() const { return window.numberFormat(); }
    const std::string& shown(Field f) const { return window.text(f); }
};

// The bay entered into a fresh window and run, in `language` when given, otherwise in the
// document's own.
ReportBay collectBay(std::string name, BayDocument document, const NumberFormat& fmt,
                     std::optional<BayLanguage> language = std::nullopt);

}  // namespace cw::report
