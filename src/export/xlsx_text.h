#pragma once

// Small text helpers of the .xlsx writer, and its refusals in both languages.

#include "export/xlsx_report.h"
#include "model/messages.h"

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace cw::xlsx {

// A value a refusal names: the same in both languages (a path, a cell), or worded in each
// (the system's reason, a detail).
struct Phrase {
    Phrase(std::string same) : english(same), greek(std::move(same)) {}
    Phrase(const char* same) : Phrase(std::string(same)) {}
    Phrase(std::string inEnglish, std::string inGreek)
        : english(std::move(inEnglish)), greek(std::move(inGreek)) {}
    std::string english;
    std::string greek;
};

// A sentence of the messages table in both languages.
Phrase phrase(Message message, std::initializer_list<std::string_view> values = {});
// Why the system refused, in both languages.
Phrase reasonFor(int err);

// A refusal: the table's sentence in English and in Greek, each with its own words for the values.
ExportOutcome fail(ExportFailure kind, Message message, std::initializer_list<Phrase> values = {});
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
