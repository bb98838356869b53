#pragma once

#include "design/site_wind.h"
#include "model/window_state.h"

#include <array>
#include <string>
#include <string_view>

namespace cw {

// The entries of the Site wind dialog, in its order.
enum class SiteWindEntry { Vb0, Cdir, Cseason, Category, Z, Cpe10, Cpe1, Area, Cpi };
inline constexpr std::size_t kSiteWindEntries = 9;

// The dialog's texts as typed, in the user's notation.
using SiteWindTexts = std::array<std::string, kSiteWindEntries>;

// The key of an entry on a replay line ("vb0", "category", ...), and the entry of a key.
std::string_view siteWindKey(SiteWindEntry entry);
std::optional<SiteWindEntry> siteWindEntryOfKey(std::string_view key);
// The entry's caption, in the language showing.
std::string siteWindCaption(SiteWindEntry entry, Language language);

// What the dialog shows when it opens: the values last applied, else the defaults.
SiteWindTexts siteWindTexts(const WindowState& w);

// The dialog's texts read: the values and the pressure they give, or why they are refused.
struct SiteWindReading {
    std::optional<SiteWindInput> input;
    std::optional<SiteWindPressure> pressure;
    std::string refusal;
};
SiteWindReading readSiteWind(const SiteWindTexts& texts, const NumberFormat& fmt,
                             Language language);

// The line under the dialog's entries as they are typed: qp(z) and w, or why there are none.
std::string siteWindPreview(const SiteWindTexts& texts, const NumberFormat& fmt, Language language);

// Apply: w = qp(z) * |cpe - cpi| goes into the pressure field, which is then taken as the
// pressure button takes it. A wrong entry is refused with one message naming it, and nothing
// changes.
void applySiteWind(WindowState& w, const SiteWindTexts& texts);

// Whether the pressure the next run takes is the one the Site wind dialog last gave: the
// dialog's values stay after another pressure is typed or a band chosen, and then say nothing
// of the pressure in force.
bool siteWindInForce(const WindowState& w);

}  // namespace cw
