// The bilingual table: every sentence is in both languages, each in its own, naming the same
// values; the values go in once, as they are.

#include "text/messages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iterator>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace cw {
namespace {

constexpr int kLastMessage = static_cast<int>(Message::Count) - 1;
constexpr int kLastExportMessage = static_cast<int>(Message::ExportDetailNoContentTypes);

std::set<char> placeholders(std::string_view sentence) {
    std::set<char> found;
    for (std::size_t i = 0; i + 2 < sentence.size(); ++i)
        if (sentence[i] == '{' && sentence[i + 2] == '}' && sentence[i + 1] >= '1' &&
            sentence[i + 1] <= '9')
            found.insert(sentence[i + 1]);
    return found;
}

// A sentence that drops a value in one language, or a table out of step with the enum,
// shows up as a mismatch here.
TEST(Messages, BothLanguagesNameTheSameValues) {
    for (int n = 0; n <= kLastMessage; ++n) {
        const Bilingual& w = wording(static_cast<Message>(n));
        SCOPED_TRACE(std::string(w.english));
        EXPECT_FALSE(w.greek.empty());
        EXPECT_FALSE(w.english.empty());
        EXPECT_EQ(placeholders(w.greek), placeholders(w.english));
    }
}

// Greek letters the English sentences use as symbols of quantities: σ the stress, α the slope,
// δ the deflection, γ and ψ the partial and combination factors, μ the snow load shape
// coefficient, π.
constexpr std::u32string_view kSymbolLetters = U"σαδμγψπ";

std::u32string decode(std::string_view utf8) {
    std::u32string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t cp = length == 1 ? lead : lead & (0x7Fu >> length);
        for (std::size_t k = 1; k < length && i + k < utf8.size(); ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3Fu);
        out.push_back(cp);
        i += length;
    }
    return out;
}

// Greek and Coptic from Ά to ώ (less the ano teleia), and the Greek Extended block.
bool isGreekLetter(char32_t cp) {
    return (cp >= 0x386 && cp <= 0x3CE && cp != 0x387) || (cp >= 0x1F00 && cp <= 0x1FFF);
}

// Sentences that read the same in both languages: names of series and rules of the standard,
// the panel's label that has no English twin, and the stress comparison in symbols.
constexpr Message kSameInBoth[] = {
    Message::NoMullionFits,
    Message::VerdictStress,
    Message::SiteWindPreview,
    Message::ReportSeriesVeltra,
    Message::ReportSeriesKorin,
    Message::ReportSeriesTerrax,
    Message::ReportRuleSpanOverDivisor,
    Message::ReportRuleCap15,
    Message::ReportRuleSpanOver200,
    Message::ReportRuleFivePlusSpanOver300,
    Message::ReportRuleSpanOver250,
    Message::PackageColPressure,
};

// A table out of step with the enum, or a sentence left in the wrong language, puts Greek
// where English belongs or the reverse.
TEST(Messages, EachLanguageInItsOwnLetters) {
    for (int n = 0; n <= kLastMessage; ++n) {
        const auto message = static_cast<Message>(n);
        const Bilingual& w = wording(message);
        SCOPED_TRACE(std::to_string(n) + ": " + std::string(w.english));
        const std::u32string greek = decode(w.greek);
        const std::u32string english = decode(w.english);
        if (std::find(std::begin(kSameInBoth), std::end(kSameInBoth), message) !=
            std::end(kSameInBoth)) {
            EXPECT_EQ(w.greek, w.english);
            continue;
        }
        EXPECT_NE(w.greek, w.english);
        EXPECT_TRUE(std::any_of(greek.begin(), greek.end(), isGreekLetter));
        EXPECT_TRUE(std::none_of(english.begin(), english.end(), [](char32_t cp) {
            return isGreekLetter(cp) && kSymbolLetters.find(cp) == std::u32string_view::npos;
        }));
    }
}

// The Greek export refusals quote the path in «»; the English ones leave it bare.
TEST(Messages, ExportRefusalsQuoteThePathInGreekOnly) {
    for (int n = static_cast<int>(Message::ExportNoFileName); n <= kLastExportMessage; ++n) {
        const Bilingual& w = wording(static_cast<Message>(n));
        if (n >= static_cast<int>(Message::ExportDetailZipDirectory) ||
            !placeholders(w.english).contains('1'))
            continue;
        SCOPED_TRACE(std::string(w.english));
        EXPECT_NE(w.greek.find("«{1}»"), std::string_view::npos);
        EXPECT_EQ(w.english.find("«"), std::string_view::npos);
    }
}

struct FillRow {
    const char* name;
    std::string_view sentence;
    std::string_view first;
    std::string_view second;
    std::string expected;
};

TEST(Messages, FillPutsEachValueInOnce) {
    const FillRow rows[] = {
        {"in order", "a {1} b {2}", "x", "y", "a x b y"},
        {"out of order and repeated", "{2}-{1}-{2}", "x", "y", "y-x-y"},
        {"a value holding a placeholder stays as it is", "{1} and {2}", "{2}", "z", "{2} and z"},
        {"a missing value leaves nothing", "[{3}]", "x", "y", "[]"},
        {"braces that are not a placeholder stay", "{x} {10} {0} {", "v", "w", "{x} {10} {0} {"},
        {"a stray brace after text, then a placeholder", "a {x} {1}", "v", "w", "a {x} v"},
    };
    for (const FillRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(fill(row.sentence, {row.first, row.second}), row.expected);
    }
    // The ninth value is the last a placeholder can name.
    EXPECT_EQ(fill("{9}{1}", {"1", "2", "3", "4", "5", "6", "7", "8", "9"}), "91");
}

TEST(Messages, SayFillsTheLanguageAsked) {
    const std::vector<std::string_view> values = {"/tmp/a.xlsx", "/tmp/.~lock.a.xlsx#"};
    EXPECT_EQ(say(Message::ExportOpenElsewhere, Language::English, values),
              "The workbook /tmp/a.xlsx is open in another program (its lock file "
              "/tmp/.~lock.a.xlsx# exists). Close it there and export again; if no program has "
              "it open, delete the lock file.");
    EXPECT_EQ(say(Message::ExportOpenElsewhere, Language::Greek, values),
              "Το βιβλίο εργασίας «/tmp/a.xlsx» είναι ανοιχτό σε άλλο πρόγραμμα (υπάρχει το "
              "αρχείο κλειδώματός του «/tmp/.~lock.a.xlsx#»). Κλείστε το εκεί και εξαγάγετε "
              "ξανά· αν δεν το έχει ανοιχτό κανένα πρόγραμμα, διαγράψτε το αρχείο κλειδώματος.");
    EXPECT_EQ(say(Message::FieldAtMost, Language::English, {"L1", "12", "m"}),
              "The field \"L1\" must not be more than 12 m.");
}

struct ReasonRow {
    int err;
    const char* greek;  // nullptr: as the system says it
};

TEST(Messages, SystemReasonInOurGreekWhereTheUserCanAct) {
    const ReasonRow rows[] = {
        {EACCES, "δεν επιτρέπεται η πρόσβαση"},
        {EPERM, "δεν επιτρέπεται η πρόσβαση"},
        {ENOSPC, "δεν υπάρχει χώρος στον δίσκο"},
        {EDQUOT, "εξαντλήθηκε το όριο χώρου του χρήστη"},
        {EROFS, "το σύστημα αρχείων είναι μόνο για ανάγνωση"},
        {EIO, "σφάλμα εισόδου/εξόδου"},
        {EFBIG, "το αρχείο ξεπερνά το επιτρεπτό μέγεθος"},
        {ENOENT, "δεν υπάρχει"},
        {ELOOP, "κυκλικοί συμβολικοί σύνδεσμοι"},
        {ENAMETOOLONG, "το όνομα είναι πολύ μεγάλο"},
        {EBUSY, nullptr},
        {EINVAL, nullptr},
    };
    for (const ReasonRow& row : rows) {
        SCOPED_TRACE(row.err);
        const std::string system = std::strerror(row.err);
        EXPECT_EQ(systemReason(row.err, Language::English), system);
        EXPECT_EQ(systemReason(row.err, Language::Greek),
                  row.greek ? std::string(row.greek) : system);
    }
}

}  // namespace
}  // namespace cw
