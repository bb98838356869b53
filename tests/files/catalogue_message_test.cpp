// The refusal of a catalogue file in the user's language, and the hash a loaded file is
// remembered by.

#include "files/catalogue_file.h"

#include "bay/catalogue_ref.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace cw::files {
namespace {

namespace fs = std::filesystem;

// The whole message, word for word: the first and the last kind of fault in the table catch a
// sentence taken from the wrong row, and the two languages each keep theirs.
TEST(CatalogueMessage, WordsEachFaultInTheLanguageShowing) {
    const struct {
        const char* text;
        Language language;
        const char* message;
    } cases[] = {
        {"", Language::English, "Catalogue bad.csv not read:\n  no header and profile rows"},
        {"", Language::Greek,
         "Ο κατάλογος bad.csv δεν διαβάστηκε:\n  δεν υπάρχουν επικεφαλίδα και γραμμές διατομών"},
        {"use,code,role,Ix_cm4,e_mm\nvertical,M1,mullion,20,50\nvertical,M2,mullion,10,50\n",
         Language::English,
         "Catalogue bad.csv not read:\n  line 3, Ix_cm4: mullions must be in ascending Ix_cm4 "
         "(\"10\")"},
        {"use,code,role,Ix_cm4,e_mm\nvertical,M1,mullion,20,50\nvertical,M2,mullion,10,50\n",
         Language::Greek,
         "Ο κατάλογος bad.csv δεν διαβάστηκε:\n  γραμμή 3, Ix_cm4: οι κολώνες πρέπει να είναι σε "
         "αύξουσα σειρά Ix_cm4 (\"10\")"},
        {"use,code,role,Ix_cm4,e_mm,from_cm4,to_cm4\nvertical,M1,mullion,20,50,,\n"
         "vertical,T1,transom,,,0,10\nvertical,T2,transom,5,,,\n",
         Language::English,
         "Catalogue bad.csv not read:\n  line 4, role: transoms must all have bands or all have "
         "properties (\"transom\")"},
        {"use,code,role,Ix_cm4,e_mm,steel_Ix_cm4,steel_Wx_cm3,steel_grade\n"
         "vertical,M1,mullion,20,50,1,1,S999\n",
         Language::Greek,
         "Ο κατάλογος bad.csv δεν διαβάστηκε:\n  γραμμή 2, steel_grade: το steel_grade δεν είναι "
         "κανένα από S235, S275, S355 (\"S999\")"},
    };
    for (const auto& c : cases) {
        const CatalogueLoad load = readCatalogueBytes(c.text, "bad.csv");
        ASSERT_FALSE(load.catalogue) << c.message;
        EXPECT_EQ(describeCatalogueFaults("bad.csv", load.faults, c.language), c.message);
        if (c.language == Language::English) {
            EXPECT_EQ(load.message, c.message);
        }
    }
}

// FIPS 180-2, Appendix B.1: SHA-256("abc"). A file that is refused still has its bytes hashed;
// one that cannot be read has none.
TEST(CatalogueMessage, LoadedBytesAreHashed) {
    const fs::path dir = fs::temp_directory_path() / "cw-catalogue-hash";
    fs::create_directories(dir);
    const struct {
        const char* name;
        const char* bytes;  // nullptr: no file
        const char* sha256;
    } cases[] = {
        {"abc.csv", "abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {"ok.csv", "use,code,role,Ix_cm4,e_mm\nvertical,M1,mullion,20,50\n", nullptr},
        {"absent.csv", nullptr, ""},
    };
    for (const auto& c : cases) {
        const fs::path path = dir / c.name;
        fs::remove(path);
        if (c.bytes) {
            std::ofstream(path, std::ios::binary) << c.bytes;
        }
        const CatalogueLoad load = loadCatalogueFile(path);
        EXPECT_EQ(load.sha256, c.sha256 ? std::string(c.sha256) : catalogueSha256(c.bytes))
            << c.name;
        EXPECT_EQ(load.catalogue.has_value(), std::string(c.name) == "ok.csv");
    }
}

}  // namespace
}  // namespace cw::files
