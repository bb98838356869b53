#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace cw {

// Every sentence the window says to its user, in Greek and English. {1}, {2}, {3} stand for
// the values the sentence names (a field's caption, the text typed, a bound).
enum class Message {
    FieldEmpty,
    FieldNotANumber,
    SeparatorIsComma,
    SeparatorIsPoint,
    FieldNegative,
    FieldNotPositive,
    FieldZero,
    FieldAtMost,
    SlopeOutOfRange,
    DivisorOutOfRange,
    ValueTooLarge,
    NoLoadWidth,
    NoWindLoad,
    ResultOutOfRange,
    SpanL2AboveL1,
    NoTransomFits,
    MullionOverstressed,
    DeflectionExceeded,
    LimitSpanOver200,
    LimitFivePlusSpanOver300,
    LimitSpanOver250,
    CategoryUnknown,
    // Bay files: {1} is the file; {2} the field of the file concerned.
    BayFileUnreadable,
    BayFileTooLarge,
    BayFileNotJson,  // {2}: the byte where the JSON breaks off
    BayFileOtherFormat,
    BayFileNewerVersion,  // {3}: the file's version, {4}: the one this program writes
    BayFileMissingField,
    BayFileNotText,
    BayFileNotNumber,
    BayFileUnknownValue,
    BayFileNotSaved,  // {2}: the system's reason
    // The batch: a schedule's column, and the schedule as a whole.
    ColumnChoiceUnknown,
    ColumnChoiceEmpty,
    ColumnWindTwice,
    ScheduleUnreadable,
    ScheduleNoHeader,
    ScheduleDuplicateColumn,
    ScheduleTooManyFields,
    ScheduleInvalidUtf8,
    ScheduleUnterminatedQuote,
    ScheduleMisplacedQuote,
    ScheduleFieldTooLong,
    ScheduleMissingColumn,
    ResultsUnwritable,
    RowsRefused,
};

struct Bilingual {
    std::string_view greek;
    std::string_view english;
};

const Bilingual& wording(Message message);

// The sentence in the language asked for, with {n} replaced by the n-th value (once, so a
// value that itself holds "{2}" stays as it is).
std::string say(Message message, bool english, std::initializer_list<std::string_view> values = {});

// The same for any bilingual sentence outside the table's own.
std::string fill(std::string_view sentence, std::initializer_list<std::string_view> values);

}  // namespace cw
