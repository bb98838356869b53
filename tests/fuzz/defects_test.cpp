// Faults the fuzzers found, each reduced to a few lines. A test stays disabled until its fault
// is fixed (run it anyway with --gtest_also_run_disabled_tests).

#include "json_check.h"

#include "app/replay_script.h"
#include "model/number_text.h"
#include "input/form.h"

#include <gtest/gtest.h>

#include <clocale>
#include <optional>
#include <sstream>
#include <string>

namespace cw::fuzz {
namespace {

using C = ControlId;

// The replay reads bytes; a script line that is not UTF-8 must be refused (status 2) or
// reach the dump repaired, because a dump that is not UTF-8 is not JSON and readers of it
// (Python's json, QJsonDocument) fail or silently alter it.
TEST(Defects, ReplayOfBrokenUtf8StillPrintsJson) {
    std::istringstream script("type Text8 9\xC5\ndump\n");
    std::ostringstream out, err;
    const int status = runReplay(script, out, err, NumberFormat::fromLocale("el_GR"));
    if (status == 2) {
        EXPECT_EQ(err.str().rfind("line 1: ", 0), 0U) << err.str();
        return;
    }
    ASSERT_EQ(status, 0);
    EXPECT_TRUE(isJson(out.str().substr(0, out.str().find('\n')))) << out.str();
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
