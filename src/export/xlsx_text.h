#pragma once

// Small text helpers of the .xlsx writer, and its refusals.

#include "export/xlsx_report.h"

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace cw::xlsx {

// A refusal: the table's sentence in both languages, each with its own words for the values
// (a path is the same in both; the system's reason and a detail are worded in each).
ExportOutcome fail(ExportFailure kind, Message message, std::initializer_list<Said> values = {});
ExportOutcome succeeded();

bool equalsNoCase(std::string_view a, std::string_view b);
bool endsWith(std::string_view s, std::string_view tail);
std::string_view localName(std::string_view qualified);
std::string_view prefixOf(std::string_view qualified);
std::optional<int> parseInt(std::string_view s);
// The shortest text that reads back as the same double.
std::string formatDouble(double value);
std::size_t codePointCount(std::string_view utf8);

// Cell text as XML 1.0 allows it. Characters XML cannot carry are written the way Excel does,
// as _xHHHH_, and a literal "_xHHHH_" is guarded as _x005F_xHHHH_ so readers do not decode it.
// Bytes that are not UTF-8 become U+FFFD rather than making the whole sheet unreadable.
std::string cellText(std::string_view in);

}  // namespace cw::xlsx
