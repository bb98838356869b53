// Which --locale names the programs take: those the C library or Qt's locale data has.

#include "bay/locale_names.h"

#include <gtest/gtest.h>

#include <string>

namespace cw {
namespace {

TEST(LocaleNames, NamesTheSystemHasAreTakenOthersRefused) {
    const struct {
        const char* name;
        bool installed;
    } cases[] = {
        {"el_GR", true},        {"en_US", true},       {"el_GR.UTF-8", true},
        {"de_DE@euro", true},   {"C", true},           {"POSIX", true},
        {"C.UTF-8", true},      {"el", true},          {"en-GB", true},
        {"gr_GR", false},       {"xx_YY", false},      {"", false},
        {"el_YY", false},  // Qt would quietly give el_GR
        {"el_", false},         {"_GR", false},        {"../el_GR", false},
        {"english", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(localeInstalled(c.name), c.installed) << '"' << c.name << '"';
}

// The list the refusal shows holds only names that are taken, C and POSIX first.
TEST(LocaleNames, EveryListedNameIsTaken) {
    const auto names = installedLocales();
    ASSERT_GT(names.size(), 100U);
    EXPECT_EQ(names[0], "C");
    EXPECT_EQ(names[1], "POSIX");
    for (const std::string& name : names)
        EXPECT_TRUE(localeInstalled(name)) << name;
    const std::string message = unknownLocaleMessage("gr_GR");
    EXPECT_EQ(message.rfind("unknown locale \"gr_GR\"; installed: C, POSIX, ", 0), 0U);
    EXPECT_NE(message.find(", el_GR, "), std::string::npos);
    EXPECT_NE(message.find(", en_US, "), std::string::npos);
}

}  // namespace
}  // namespace cw
