// What a choice leaves on show, whoever makes it.

#include "model/choices.h"

#include <gtest/gtest.h>

#include <string>

namespace cw {
namespace {

// The allowable deflection shown beside the criterion is the one typed, at most 15 mm; a
// text that is not a number leaves it as it was.
TEST(AllowableDeflection, IsTheTypedOneUpTo15mm) {
    const struct {
        const char* typed;
        const char* shown;
    } kRows[] = {
        {"10", "10"}, {"14,99", "14,99"}, {"15", "15"},    {"15,0", "15"}, {"15,01", "15"},
        {"40", "15"}, {"0,5", "0,5"},     {"abc", "kept"}, {"", "kept"},
    };
    for (const auto& row : kRows) {
        SCOPED_TRACE(row.typed);
        WindowState w(NumberFormat{",", "-", "+"});
        w.write(Field::AllowableDeflectionCapped, "kept");
        w.write(Field::AllowableDeflection, row.typed);
        followAllowableDeflection(w);
        EXPECT_EQ(w.text(Field::AllowableDeflectionCapped), row.shown);
    }
}

}  // namespace
}  // namespace cw
