// Faults the fuzzers found, each reduced to a few lines, kept so that none comes back.

#include "json_check.h"

#include "app/replay_script.h"
#include "input/form.h"
#include "bay/number_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <optional>
#include <sstream>
#include <string>

namespace cw::fuzz {
namespace {

using C = ControlId;

// The replay reads bytes; a script line that is not UTF-8 is refused with status 2, because
// a dump that is not UTF-8 is not JSON and readers of it (Python's json, QJsonDocument) fail
// or silently alter it.
TEST(Defects, ReplayRefusesBrokenUtf8) {
    std::istringstream script("dump\ntype Text8 9\xC5\ndump\n");
    std::ostringstream out, err;
    const int status = runReplay(script, out, err, NumberFormat::fromLocale("el_GR"));
    EXPECT_EQ(status, 2);
    EXPECT_EQ(err.str().rfind("line 2: ", 0), 0U) << err.str();
    // What ran before the broken line was printed, and is JSON.
    const std::string printed = out.str();
    ASSERT_EQ(std::count(printed.begin(), printed.end(), '\n'), 1);
    EXPECT_TRUE(isJson(printed.substr(0, printed.size() - 1))) << printed;
}

// The window's QApplication sets the C library's locale from the environment; the replay
// does not. parseNumber falls back on strtod for a value below the smallest double, and
// strtod then stops at the comma of a Greek number: the window refuses "1,5e-400" as not a
// number while the replay reads it as 0.
TEST(Defects, UnderflowReadsAlikeWhateverTheCLocale) {
    const NumberFormat greek = NumberFormat::fromLocale("el_GR");
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    const char* comma = nullptr;
    for (const char* name : {"el_GR.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8", "it_IT.UTF-8"}) {
        if (std::setlocale(LC_NUMERIC, name) != nullptr) {
            comma = name;
            break;
        }
    }
    if (comma == nullptr)
        GTEST_SKIP() << "no C library locale with a decimal comma is installed";
    const std::optional<double> value = parseNumber("1,5e-400", greek);
    std::setlocale(LC_NUMERIC, saved.c_str());
    ASSERT_TRUE(value.has_value()) << "under " << comma;
    EXPECT_EQ(*value, 0.0);
}

}  // namespace
}  // namespace cw::fuzz
