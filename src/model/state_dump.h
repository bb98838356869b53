#pragma once

#include "model/window_state.h"

#include <string>
#include <string_view>

namespace cw {

// The state dump: one JSON object on one line.
//   {"focus": NAME or null,
//    "controls": {NAME: {"visible": bool[, "text": string][, "selected": bool]}, ... all 207},
//    "form": {NAME: null | number | string, ...},
//    "verdicts": {"stress": V, "deflection": V},  V = "pass" | "fail" | null
//    "document": {"path": string or null, "modified": bool},  the bay file
//    "criterion": "2003" | "2015",
//    "siteWind": null | {"category": "II", "vb0": n, ..., "qp": n, "w": n},
//    "resultsCurrent": bool,  true while the results are those of the inputs (used_inputs.h)
//    "basis": "allowable" | "limit-states", "alloy": string,
//    "limitStates": null | {...},  the checks of a limit-state run shown (limit_state_dump.h)
//    "verdictLine": string or null,  the sentence under the results panel (verdict_line.h)
//    "messages": [string, ...]}
// Text boxes carry "text", option buttons "selected". A form value is null while empty, a
// number while it holds a number of any width, a string while it holds a text.
namespace dumpkey {
inline constexpr std::string_view Focus = "focus";
inline constexpr std::string_view Controls = "controls";
inline constexpr std::string_view Visible = "visible";
inline constexpr std::string_view Text = "text";
inline constexpr std::string_view Selected = "selected";
inline constexpr std::string_view Form = "form";
inline constexpr std::string_view Verdicts = "verdicts";
inline constexpr std::string_view Stress = "stress";
inline constexpr std::string_view Deflection = "deflection";
inline constexpr std::string_view Document = "document";
inline constexpr std::string_view Path = "path";
inline constexpr std::string_view Modified = "modified";
inline constexpr std::string_view Criterion = "criterion";
inline constexpr std::string_view SiteWind = "siteWind";
inline constexpr std::string_view ResultsCurrent = "resultsCurrent";
inline constexpr std::string_view Basis = "basis";
inline constexpr std::string_view Alloy = "alloy";
inline constexpr std::string_view LimitStates = "limitStates";
inline constexpr std::string_view Catalogue = "catalogue";
inline constexpr std::string_view VerdictLine = "verdictLine";
inline constexpr std::string_view Messages = "messages";
}  // namespace dumpkey

// The dump of the form, with `messages` as its message list.
std::string stateDump(const WindowState& form, const std::vector<std::string>& messages);

// A JSON string literal, quotes included.
std::string jsonString(std::string_view text);

}  // namespace cw
