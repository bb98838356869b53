#pragma once

// Small text helpers of the .xlsx writer, and the two-language wording of its refusals.

#include "export/xlsx_report.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace cw::xlsx {

// A refusal, worded in English and in Greek with the same cause and advice.
ExportOutcome fail(ExportFailure kind, std::string english, std::string greek);
ExportOutcome succeeded();

std::string errnoText(int err);
// The system's reason in Greek for the errors a user can act on; the rest as the system says it.
std::string greekErrnoText(int err);
// A path as the Greek messages quote it.
std::string gq(const std::string& path);

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
