// A refusal of the .xlsx writer in both languages: the table's sentence, with each language's
// own words for the system's reason and the detail, and the path as given.

#include "export/xlsx_text.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

namespace cw::xlsx {
namespace {

struct RefusalRow {
    const char* name;
    ExportOutcome outcome;
    ExportFailure kind;
    std::string english;
    std::string greek;
};

TEST(XlsxRefusal, FillsBothLanguagesFromTheTable) {
    const std::string path = "/tmp/r {2}/form.xlsx";
    const RefusalRow rows[] = {
        {"the system's reason in each language",
         fail(ExportFailure::Unreadable, Message::ExportCannotReach,
              {path, systemReasonBoth(EACCES)}),
         ExportFailure::Unreadable,
         "The report /tmp/r {2}/form.xlsx cannot be reached (Permission denied). Choose another "
         "location.",
         "Η αναφορά «/tmp/r {2}/form.xlsx» δεν είναι προσβάσιμη (δεν επιτρέπεται η πρόσβαση). "
         "Επιλέξτε άλλη θέση."},
        {"the folder before the path",
         fail(ExportFailure::ReadOnly, Message::ExportNoFolder, {path, "/tmp/r {2}"}),
         ExportFailure::ReadOnly,
         "The folder /tmp/r {2} does not exist, so the report /tmp/r {2}/form.xlsx cannot be "
         "saved there. Choose an existing folder.",
         "Ο φάκελος «/tmp/r {2}» δεν υπάρχει, οπότε η αναφορά «/tmp/r {2}/form.xlsx» δεν μπορεί "
         "να αποθηκευτεί εκεί. Επιλέξτε άλλη θέση, σε φάκελο που υπάρχει."},
        {"a detail naming a part",
         fail(ExportFailure::Damaged, Message::ExportDamaged,
              {path, sayBoth(Message::ExportDetailPartNotXml, {"xl/{1}.xml"})}),
         ExportFailure::Damaged,
         "The workbook /tmp/r {2}/form.xlsx is damaged (the part xl/{1}.xml is not well-formed "
         "XML). Open it in a spreadsheet program and save it again, or choose another report "
         "form.",
         "Το βιβλίο εργασίας «/tmp/r {2}/form.xlsx» είναι κατεστραμμένο (το τμήμα xl/{1}.xml δεν "
         "είναι έγκυρο XML). Ανοίξτε το σε πρόγραμμα υπολογιστικών φύλλων και αποθηκεύστε το "
         "ξανά ή επιλέξτε άλλη φόρμα αναφοράς."},
        {"a cell in a data table",
         fail(ExportFailure::InArray, Message::ExportCellInDataTable, {path, "B41", "B41:C44"}),
         ExportFailure::InArray,
         "The cell B41 of the first sheet of the workbook /tmp/r {2}/form.xlsx lies inside the "
         "data table B41:C44, which would overwrite the value written there. Move the data table "
         "out of the report cells of column B in a spreadsheet program, or choose another report "
         "form.",
         "Το κελί B41 του πρώτου φύλλου του βιβλίου εργασίας «/tmp/r {2}/form.xlsx» βρίσκεται "
         "μέσα στην περιοχή B41:C44 του πίνακα δεδομένων , που θα έσβηνε την τιμή που γράφεται "
         "εκεί. Μετακινήστε τον πίνακα δεδομένων έξω από τα κελιά της αναφοράς στη στήλη B σε "
         "πρόγραμμα υπολογιστικών φύλλων ή επιλέξτε άλλη φόρμα αναφοράς."},
        {"no values", fail(ExportFailure::NotAFile, Message::ExportNoFileName),
         ExportFailure::NotAFile, "No file name was given for the report. Choose an .xlsx file.",
         "Δεν δόθηκε όνομα αρχείου για την αναφορά. Επιλέξτε ένα αρχείο .xlsx."},
    };
    for (const RefusalRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_FALSE(row.outcome.ok);
        EXPECT_EQ(row.outcome.failure, row.kind);
        EXPECT_EQ(row.outcome.message.english, row.english);
        EXPECT_EQ(row.outcome.message.greek, row.greek);
    }
}

// Cell text by XML 1.0's characters and the spreadsheet's _xHHHH_ escape: every code point
// of UTF-8 up to U+10FFFF passes, characters XML cannot hold are escaped, a literal _xHHHH_
// is guarded, and each byte of an overlong, surrogate, out-of-range or cut sequence becomes
// U+FFFD.
TEST(CellText, KeepsWhatXmlHoldsAndEscapesOrReplacesTheRest) {
    const std::string bad = "\xEF\xBF\xBD";
    const struct {
        const char* name;
        std::string in;
        std::string out;
    } rows[] = {
        {"ascii", "abc", "abc"},
        {"greek", "Δοκιμή", "Δοκιμή"},
        {"four bytes from F0", "\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
        {"the last code point", "\xF4\x8F\xBF\xBF", "\xF4\x8F\xBF\xBF"},
        {"past the last code point", "\xF4\x90\x80\x80", bad + bad + bad + bad},
        {"overlong three bytes", "\xE0\x80\x80", bad + bad + bad},
        {"a surrogate", "\xED\xA0\x80", bad + bad + bad},
        {"overlong two bytes", "\xC0\xAF", bad + bad},
        {"cut short", "x\xE2\x82", "x" + bad + bad},
        {"a control character", "a\x01" "b", "a_x0001_b"},
        {"carriage return", "a\rb", "a_x000D_b"},
        {"tab and line feed kept", "a\t\nb", "a\t\nb"},
        {"not a character", "\xEF\xBF\xBE", "_xFFFE_"},
        {"a literal escape", "_x0041_", "_x005F_x0041_"},
        {"lower-case hex", "a_x00e9_", "a_x005F_x00e9_"},
        {"not hex", "_x004G_", "_x004G_"},
        {"no closing underscore", "_x0041", "_x0041"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(cellText(r.in), r.out);
    }
}

}  // namespace
}  // namespace cw::xlsx
