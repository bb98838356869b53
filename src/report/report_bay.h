#pragma once

#include "bay/bay_run.h"
#include "design/bay.h"
#include "bay/bay_document.h"

#include <memory>
#include <optional>
#include <string>

namespace cw::report {

// One bay as the report tells it: the bay's run (so that every figure is the text the
// window shows), and the design in numbers for the steps the window does not show.
struct ReportBay {
    std::string name;
    BayDocument document;
    NumberFormat format;
    BayOutcome run;
    BayInput input;
    BayDesign design;
    Language language = Language::Greek;
    // Why the bay did not run to a result; nothing when it did.
    std::optional<std::string> refusal;
    // The site values that gave a typed pressure, when the Site wind dialog typed it.
    std::optional<SiteWindApplied> siteWind;
    // The user catalogue read for the run, which the design's codes refer to.
    std::shared_ptr<const Catalogue> catalogue;
    // The schedule's line the bay came from; 0 for a bay file.
    std::size_t line = 0;

    const NumberFormat& fmt() const { return format; }
    // A field's text as the window shows it after the run: an input as typed, a result as
    // the run wrote it.
    const std::string& shown(Field f) const {
        return static_cast<std::size_t>(f) < kInputFieldCount ? typed(f) : run.texts[f];
    }
    // A text as the user typed it into an input field.
    const std::string& typed(Field f) const;
};

// The bay run, in `language` when given, otherwise in the
// document's own. A document that names a user catalogue designs with `catalogue` when given,
// else with the catalogue file it names read again; a file that cannot be read refuses the
// bay rather than design it with other profiles.
ReportBay collectBay(std::string name, BayDocument document, const NumberFormat& fmt,
                     std::optional<Language> language = std::nullopt,
                     const Catalogue* catalogue = nullptr);

}  // namespace cw::report
