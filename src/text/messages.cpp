#include "text/messages.h"

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <iterator>
#include <vector>

namespace cw {

namespace {

constexpr Bilingual kMessages[] = {
    {"Το πεδίο «{1}» είναι κενό: δώστε έναν αριθμό.",
     "The field \"{1}\" is empty: enter a number."},
    {"Το πεδίο «{1}» δεν περιέχει αριθμό: \"{2}\".",
     "The field \"{1}\" does not hold a number: \"{2}\"."},
    {" Στις τοπικές ρυθμίσεις το δεκαδικό διαχωριστικό είναι το κόμμα: {1}",
     " Under these regional settings the decimal separator is the comma: {1}"},
    {" Στις τοπικές ρυθμίσεις το δεκαδικό διαχωριστικό είναι η τελεία: {1}",
     " Under these regional settings the decimal separator is the point: {1}"},
    {"Το πεδίο «{1}» δεν μπορεί να είναι αρνητικό.", "The field \"{1}\" must not be negative."},
    {"Το πεδίο «{1}» πρέπει να είναι μεγαλύτερο από 0.",
     "The field \"{1}\" must be greater than 0."},
    {"Το πεδίο «{1}» δεν μπορεί να είναι 0.", "The field \"{1}\" must not be 0."},
    {"Το πεδίο «{1}» δεν μπορεί να υπερβαίνει τα {2} {3}.",
     "The field \"{1}\" must not be more than {2} {3}."},
    {"Το πεδίο «{1}» πρέπει να είναι από 0 έως 90 μοίρες.",
     "The field \"{1}\" must be from 0 to 90 degrees."},
    {"Το πεδίο «{1}» πρέπει να είναι ακέραιος από 1 έως 32767.",
     "The field \"{1}\" must be a whole number from 1 to 32767."},
    {"Η τιμή του πεδίου «{1}» δίνει αποτέλεσμα εκτός ορίων υπολογισμού· ελέγξτε τα δεδομένα.",
     "The value of \"{1}\" gives a result too large to compute; check the inputs."},
    {"Τα πλάτη κανάβου δεν δίνουν πλάτος φόρτισης: το A1/2 + A2/2 πρέπει να είναι μεγαλύτερο "
     "από 0.",
     "The grid widths give no load width: A1/2 + A2/2 must be greater than 0."},
    {"Δεν έχει οριστεί ανεμοπίεση: επιλέξτε ύψος κατασκευής ή χρησιμοποιήστε το κουμπί "
     "ανεμοπίεσης ή ταχύτητας ανέμου.",
     "No wind load is set: choose a height band, or use the wind pressure or the wind speed "
     "button."},
    {"Τα δεδομένα δίνουν αποτέλεσμα εκτός ορίων υπολογισμού· ελέγξτε τις τιμές.",
     "These inputs give a result too large to compute; check the values."},
    // {1} L2 and {2} L1, as typed.
    {"L2 πρέπει να είναι πάντα < ή = από L1 (L2 = {1}, L1 = {2})",
     "L2 must be less than or equal to L1 (L2 = {1}, L1 = {2})"},
    {"Καμία δεν επαρκεί", "None fits"},
    // The panel's label in place of the mullion; it has no English twin.
    {"Δεν υπάρχει τέτοια κολώνα", "Δεν υπάρχει τέτοια κολώνα"},
    {"σ (κολ) > σ (max): η κολώνα υπερκαταπονείται", "σ (mullion) > σ (max): mullion overstressed"},
    {"Βέλος προτ.(κολ) > επιτρεπτό :", "Deflection of mullion > allowable :"},
    // The allowable deflection's caption under EN 13830:2015+A1, with the rule that gave it.
    {"Επιτρ. βέλος 2015: L/200 =", "Allowable 2015: L/200 ="},
    {"Επιτρ. βέλος 2015: 5 + L/300 =", "Allowable 2015: 5 + L/300 ="},
    {"Επιτρ. βέλος 2015: L/250 =", "Allowable 2015: L/250 ="},
    {"Το πεδίο «{1}» δέχεται μόνο 0, I, II, III ή IV.",
     "The field \"{1}\" takes only 0, I, II, III or IV."},

    // The .xlsx export.
    {"Δεν δόθηκε όνομα αρχείου για την αναφορά. Επιλέξτε ένα αρχείο .xlsx.",
     "No file name was given for the report. Choose an .xlsx file."},
    {"Η διαδρομή της αναφοράς «{1}» είναι σύνδεσμος προς αρχείο που δεν υπάρχει. Επιλέξτε το "
     "ίδιο το αρχείο ή άλλο όνομα αρχείου.",
     "The report path {1} is a link to a file that does not exist. Choose the file itself, or "
     "another file name."},
    {"Η αναφορά «{1}» δεν είναι προσβάσιμη ({2}). Επιλέξτε άλλη θέση.",
     "The report {1} cannot be reached ({2}). Choose another location."},
    {"Η διαδρομή της αναφοράς «{1}» είναι φάκελος, όχι αρχείο. Επιλέξτε όνομα αρχείου .xlsx.",
     "The report path {1} is a folder, not a file. Choose an .xlsx file name."},
    {"Η διαδρομή της αναφοράς «{1}» δεν είναι κανονικό αρχείο. Επιλέξτε ένα αρχείο .xlsx.",
     "The report path {1} is not a regular file. Choose an .xlsx file."},
    {"Το βιβλίο εργασίας «{1}» είναι ανοιχτό σε άλλο πρόγραμμα (υπάρχει το αρχείο κλειδώματός "
     "του «{2}»). Κλείστε το εκεί και εξαγάγετε ξανά· αν δεν το έχει ανοιχτό κανένα πρόγραμμα, "
     "διαγράψτε το αρχείο κλειδώματος.",
     "The workbook {1} is open in another program (its lock file {2} exists). Close it there and "
     "export again; if no program has it open, delete the lock file."},
    {"Το βιβλίο εργασίας «{1}» είναι μόνο για ανάγνωση. Επιτρέψτε την εγγραφή του ή επιλέξτε "
     "άλλο όνομα αρχείου.",
     "The workbook {1} is read-only. Make it writable, or choose another file name."},
    {"Το βιβλίο εργασίας «{1}» δεν ήταν δυνατό να διαβαστεί ({2}). Επιλέξτε άλλο αρχείο.",
     "The workbook {1} could not be read ({2}). Choose another file."},
    {"Η αναφορά «{1}» δεν μπορεί να αποθηκευτεί: μέρος της διαδρομής της είναι αρχείο, όχι "
     "φάκελος. Επιλέξτε άλλη θέση.",
     "The report {1} cannot be saved: part of its path is a file, not a folder. Choose another "
     "location."},
    {"Ο φάκελος «{2}» δεν υπάρχει, οπότε η αναφορά «{1}» δεν μπορεί να αποθηκευτεί εκεί. "
     "Επιλέξτε άλλη θέση, σε φάκελο που υπάρχει.",
     "The folder {2} does not exist, so the report {1} cannot be saved there. Choose an existing "
     "folder."},
    {"Δεν ήταν δυνατό να δημιουργηθεί προσωρινό αρχείο στον φάκελο «{2}» ({3}), οπότε η "
     "αναφορά «{1}» δεν αποθηκεύτηκε. Επιλέξτε φάκελο στον οποίο επιτρέπεται η εγγραφή.",
     "Could not create a temporary file in the folder {2} ({3}), so the report {1} was not "
     "saved. Choose a folder you are allowed to write to."},
    {"Η εγγραφή της αναφοράς «{1}» απέτυχε ({2}). {3}", "Writing the report {1} failed ({2}). {3}"},
    {"Δεν ήταν δυνατό να οριστούν τα δικαιώματα της αναφοράς «{1}» ({2}). {3}",
     "Could not set the permissions of the report {1} ({2}). {3}"},
    {"Η εγγραφή της αναφοράς «{1}» στον δίσκο απέτυχε ({2}). {3}",
     "Writing the report {1} to disk failed ({2}). {3}"},
    {"Ελευθερώστε χώρο στον δίσκο και εξαγάγετε ξανά.", "Free some disk space and export again."},
    {"Ελέγξτε τον δίσκο και εξαγάγετε ξανά.", "Check the disk and export again."},
    {" Το αρχικό αρχείο παραμένει αμετάβλητο.", " The original file is unchanged."},
    {"Δεν ήταν δυνατό να αντικατασταθεί η αναφορά «{1}» ({2}). Ελέγξτε ότι επιτρέπεται η "
     "εγγραφή στο αρχείο και στον φάκελό του ή επιλέξτε άλλο όνομα αρχείου.",
     "Could not replace the report {1} ({2}). Check that the file and its folder may be "
     "written, or choose another file name."},
    {"Το βιβλίο εργασίας «{1}» δεν ήταν δυνατό να ανοιχτεί ({2}). Ελέγξτε ότι επιτρέπεται να "
     "το διαβάσετε ή επιλέξτε άλλο αρχείο.",
     "The workbook {1} could not be opened ({2}). Check that you are allowed to read it, or "
     "choose another file."},
    {"Το βιβλίο εργασίας «{1}» είναι πολύ μεγαλύτερο από μια φόρμα αναφοράς. Επιλέξτε άλλο "
     "αρχείο.",
     "The workbook {1} is far larger than a report form. Choose another file."},
    {"Η νέα αναφορά «{1}» δεν ήταν δυνατό να συντεθεί (έλλειψη μνήμης;). Εξαγάγετε ξανά.",
     "The new report {1} could not be assembled (out of memory?). Export again."},
    {"Το ενημερωμένο βιβλίο εργασίας «{1}» δεν ήταν δυνατό να συντεθεί (έλλειψη μνήμης;). Το "
     "αρχικό αρχείο παραμένει αμετάβλητο· εξαγάγετε ξανά.",
     "The updated workbook {1} could not be assembled (out of memory?). The original file is "
     "unchanged; export again."},
    {"Το βιβλίο εργασίας «{1}» προστατεύεται με κωδικό πρόσβασης, οπότε δεν μπορεί να γραφτεί. "
     "Αποθηκεύστε ένα αντίγραφο χωρίς κωδικό και εξαγάγετε σε αυτό.",
     "The workbook {1} is protected with a password, so it cannot be written. Save a copy "
     "without a password and export to that."},
    {"Το βιβλίο εργασίας «{1}» είναι πολύ μεγάλο για να ανοιχτεί.",
     "The workbook {1} is too large to open."},
    {"Το βιβλίο εργασίας «{1}» θα αποσυμπιεζόταν σε πάνω από {2} MB, πολύ περισσότερα από όσα "
     "χρειάζεται μια φόρμα αναφοράς· μπορεί να είναι κατεστραμμένο ή φτιαγμένο για να "
     "εξαντλήσει τη μνήμη. Επιλέξτε άλλη φόρμα αναφοράς.",
     "The workbook {1} would unpack to more than {2} MB, far more than a report form needs; it "
     "may be damaged or built to exhaust memory. Choose another report form."},
    {"Το τμήμα {2} του βιβλίου εργασίας «{1}» είναι πολύ μεγάλο για φόρμα αναφοράς. Επιλέξτε "
     "άλλη φόρμα αναφοράς.",
     "The part {2} of the workbook {1} is too large for a report form. Choose another report "
     "form."},
    {"Το πρώτο φύλλο του βιβλίου εργασίας «{1}» είναι φύλλο γραφήματος ή μακροεντολών, όχι "
     "φύλλο εργασίας. Μετακινήστε το φύλλο της αναφοράς στην πρώτη καρτέλα σε πρόγραμμα "
     "υπολογιστικών φύλλων και εξαγάγετε ξανά.",
     "The first sheet of the workbook {1} is a chart or macro sheet, not a worksheet. Move the "
     "report sheet to the first tab in a spreadsheet program and export again."},
    // The blank before the comma in Greek is how these sentences have always read.
    {"Το κελί {2} του πρώτου φύλλου του βιβλίου εργασίας «{1}» βρίσκεται μέσα στην περιοχή {3} "
     "του τύπου πίνακα , που θα έσβηνε την τιμή που γράφεται εκεί. Μετακινήστε την περιοχή του "
     "τύπου πίνακα έξω από τα κελιά της αναφοράς στη στήλη B σε πρόγραμμα υπολογιστικών φύλλων "
     "ή επιλέξτε άλλη φόρμα αναφοράς.",
     "The cell {2} of the first sheet of the workbook {1} lies inside the array formula {3}, "
     "which would overwrite the value written there. Move the array formula out of the report "
     "cells of column B in a spreadsheet program, or choose another report form."},
    {"Το κελί {2} του πρώτου φύλλου του βιβλίου εργασίας «{1}» βρίσκεται μέσα στην περιοχή {3} "
     "του πίνακα δεδομένων , που θα έσβηνε την τιμή που γράφεται εκεί. Μετακινήστε τον πίνακα "
     "δεδομένων έξω από τα κελιά της αναφοράς στη στήλη B σε πρόγραμμα υπολογιστικών φύλλων ή "
     "επιλέξτε άλλη φόρμα αναφοράς.",
     "The cell {2} of the first sheet of the workbook {1} lies inside the data table {3}, which "
     "would overwrite the value written there. Move the data table out of the report cells of "
     "column B in a spreadsheet program, or choose another report form."},
    {"Το αρχείο «{1}» είναι παλιό βιβλίο εργασίας Excel 97-2003 (.xls). Αποθηκεύστε το ως "
     "βιβλίο εργασίας .xlsx σε πρόγραμμα υπολογιστικών φύλλων και εξαγάγετε σε αυτό.",
     "The file {1} is an old Excel 97-2003 (.xls) workbook. Save it as an .xlsx workbook in a "
     "spreadsheet program and export to that."},
    {"Το αρχείο «{1}» δεν είναι βιβλίο εργασίας .xlsx (δεν είναι αρχείο zip). Επιλέξτε μια "
     "φόρμα αναφοράς .xlsx αποθηκευμένη από πρόγραμμα υπολογιστικών φύλλων.",
     "The workbook {1} could not be read as an .xlsx file (not a zip archive). Choose an .xlsx "
     "report form saved by a spreadsheet program."},
    {"Το βιβλίο εργασίας «{1}» είναι κατεστραμμένο ({2}). Ανοίξτε το σε πρόγραμμα "
     "υπολογιστικών φύλλων και αποθηκεύστε το ξανά ή επιλέξτε άλλη φόρμα αναφοράς.",
     "The workbook {1} is damaged ({2}). Open it in a spreadsheet program and save it again, or "
     "choose another report form."},
    {"Το αρχείο «{1}» δεν είναι βιβλίο εργασίας .xlsx ({2}). Επιλέξτε μια φόρμα αναφοράς .xlsx "
     "αποθηκευμένη από πρόγραμμα υπολογιστικών φύλλων.",
     "The file {1} is not an .xlsx workbook ({2}). Choose an .xlsx report form saved by a "
     "spreadsheet program."},

    // A new workbook of one table (the batch's results).
    {"Ο πίνακας για το «{1}» δεν έχει στήλες ή έχει περισσότερες από όσες χωρά ένα φύλλο.",
     "The table for {1} has no columns or too many for a sheet."},
    {"Ο πίνακας για το «{1}» έχει περισσότερες γραμμές από όσες χωρά ένα φύλλο ({2}): γράψτε "
     "τον ως CSV.",
     "The table for {1} has more rows than a sheet holds ({2}); write it as CSV."},
    {"Το βιβλίο εργασίας «{1}» δεν ήταν δυνατό να συντεθεί (έλλειψη μνήμης;).",
     "The workbook {1} could not be assembled (out of memory?)."},
    // The details inside the two sentences above.
    {"ο κατάλογος του αρχείου zip είναι χαλασμένος ή ελλιπής",
     "its zip directory is broken or incomplete"},
    {"μια εγγραφή του αρχείου zip δεν διαβάζεται", "an entry of the archive cannot be read"},
    {"το τμήμα {1} δεν αποσυμπιέζεται", "the part {1} cannot be unpacked"},
    {"το τμήμα {1} δεν είναι έγκυρο XML", "the part {1} is not well-formed XML"},
    {"το πρώτο φύλλο του δεν έχει πίνακα κελιών", "its first sheet has no cell table"},
    {"μια γραμμή ή ένα κελί του πρώτου φύλλου του έχει άκυρη θέση",
     "a row or cell of its first sheet has an invalid position"},
    {"δεν έχει τμήμα βιβλίου εργασίας", "it has no workbook part"},
    {"λείπει ο κατάλογος των τμημάτων των φύλλων του", "the list of its sheets' parts is missing"},
    {"δεν έχει κανένα φύλλο", "it has no sheet"},
    {"το πρώτο φύλλο δεν παραπέμπει σε κανένα τμήμα", "the first sheet points to no part"},
    {"λείπει το τμήμα του πρώτου φύλλου του", "the part of its first sheet is missing"},
    {"δεν απαριθμεί τύπους περιεχομένου", "it lists no content types"},
    {"Το αρχείο «{1}» δεν μπορεί να διαβαστεί: δεν υπάρχει ή δεν επιτρέπεται το άνοιγμά του.",
     "The file \"{1}\" cannot be read: it does not exist or may not be opened."},
    {"Το αρχείο «{1}» δεν είναι αρχείο φατνώματος: είναι μεγαλύτερο από 1 MB.",
     "The file \"{1}\" is not a bay file: it is larger than 1 MB."},
    {"Το αρχείο «{1}» δεν είναι αρχείο φατνώματος: δεν είναι έγκυρο JSON (σφάλμα στο byte {2}).",
     "The file \"{1}\" is not a bay file: it is not valid JSON (fault at byte {2})."},
    {"Το αρχείο «{1}» δεν είναι αρχείο φατνώματος: το πεδίο «{2}» δεν είναι "
     "\"curtainwall-bay\".",
     "The file \"{1}\" is not a bay file: its field \"{2}\" is not \"curtainwall-bay\"."},
    {"Το αρχείο φατνώματος «{1}» γράφτηκε από νεότερη έκδοση του προγράμματος: το πεδίο "
     "«{2}» είναι {3}, ενώ αυτή η έκδοση διαβάζει έως {4}.",
     "The bay file \"{1}\" was written by a newer version of the program: its field \"{2}\" "
     "is {3}, and this version reads up to {4}."},
    {"Στο αρχείο φατνώματος «{1}» λείπει το πεδίο «{2}».",
     "The bay file \"{1}\" lacks the field \"{2}\"."},
    {"Στο αρχείο φατνώματος «{1}» το πεδίο «{2}» δεν είναι κείμενο σε εισαγωγικά.",
     "In the bay file \"{1}\" the field \"{2}\" is not a text in quotes."},
    {"Στο αρχείο φατνώματος «{1}» το πεδίο «{2}» δεν είναι αριθμός.",
     "In the bay file \"{1}\" the field \"{2}\" is not a number."},
    {"Στο αρχείο φατνώματος «{1}» το πεδίο «{2}» έχει τιμή που αυτή η έκδοση του προγράμματος "
     "δεν γνωρίζει.",
     "In the bay file \"{1}\" the field \"{2}\" holds a value this version of the program "
     "does not know."},
    {"Το φάτνωμα δεν αποθηκεύτηκε στο «{1}»: {2}. Όποιο αρχείο υπήρχε εκεί έμεινε όπως ήταν.",
     "The bay was not saved to \"{1}\": {2}. Any file already there is as it was."},
    // Results that are no longer those of the inputs.
    {"Τα αποτελέσματα που φαίνονται δεν είναι αυτά των δεδομένων της φόρμας: από τον τελευταίο "
     "υπολογισμό άλλαξε κάποιο δεδομένο, επιλογή ή κριτήριο, ή δεν έχει γίνει ακόμη υπολογισμός. "
     "Πατήστε NEXT για να ενημερωθούν.",
     "The results shown are not those of the inputs on the form: an input, a choice or the "
     "criterion has changed since the last run, or there has been no run yet. Press NEXT to "
     "bring them up to date."},
    {"Εξαγωγή των αποτελεσμάτων του τελευταίου υπολογισμού", "Export the last run's results"},
    {"Άκυρο", "Cancel"},
    {"Δεν γράφτηκε τεύχος υπολογισμών: τα δεδομένα της φόρμας δεν δίνουν υπολογισμό. {1}",
     "No report was written: the inputs on the form do not give a run. {1}"},
    {"Η στήλη «{1}» περιέχει \"{2}\": αναμένεται {3}.",
     "The column \"{1}\" holds \"{2}\": expected {3}."},
    {"Η στήλη «{1}» είναι κενή: αναμένεται {2}.", "The column \"{1}\" is empty: expected {2}."},
    {"Δώστε μία ανεμοπίεση: οι στήλες «band», «pressure» και «speed» δίνουν περισσότερες από μία.",
     "Give one wind load: the columns \"band\", \"pressure\" and \"speed\" give more than one."},
    {"Ο πίνακας {1} δεν ανοίγει ή δεν διαβάζεται.", "The schedule {1} cannot be opened or read."},
    {"Ο πίνακας {1} δεν έχει γραμμή επικεφαλίδων με ονόματα στηλών.",
     "The schedule {1} has no header line with column names."},
    {"Ο πίνακας {1} ονομάζει δύο φορές τη στήλη «{2}» (γραμμή {3}).",
     "The schedule {1} names the column \"{2}\" twice (line {3})."},
    {"Η γραμμή {2} του πίνακα {1} έχει περισσότερα πεδία από τις στήλες της επικεφαλίδας.",
     "Line {2} of the schedule {1} has more fields than the header has names."},
    {"Η γραμμή {2} του πίνακα {1} περιέχει bytes που δεν είναι UTF-8.",
     "Line {2} of the schedule {1} holds bytes that are not UTF-8."},
    {"Ο πίνακας {1} τελειώνει μέσα σε πεδίο με εισαγωγικά (γραμμή {2}).",
     "The schedule {1} ends inside a quoted field (line {2})."},
    {"Η γραμμή {2} του πίνακα {1} έχει εισαγωγικό μέσα σε πεδίο χωρίς εισαγωγικά ή κείμενο μετά "
     "το κλείσιμό τους.",
     "Line {2} of the schedule {1} has a quote inside an unquoted field or text after a closing "
     "quote."},
    {"Η γραμμή {2} του πίνακα {1} έχει πεδίο μεγαλύτερο από 1 MiB.",
     "Line {2} of the schedule {1} has a field longer than 1 MiB."},
    {"Ο πίνακας {1} δεν έχει στήλη «{2}».", "The schedule {1} has no column \"{2}\"."},
    {"Τα αποτελέσματα {1} δεν γράφτηκαν: {2}", "The results {1} could not be written: {2}"},
    {"Απορρίφθηκαν {1} από {2} γραμμές του πίνακα.", "{1} of {2} rows of the schedule refused."},
    {"Το αρχείο εξόδου «{1}» είναι το ίδιο το αρχείο εισόδου {2}: θα χανόταν πριν διαβαστεί. "
     "Δώστε άλλο όνομα αρχείου εξόδου.",
     "The output {1} is the input {2} itself: it would be lost before it is read. Give another "
     "output file name."},
    {"Δεν δίνεται ανεμοπίεση: συμπληρώστε μία από τις στήλες «band» (ύψος κατασκευής), "
     "«pressure» (ανεμοπίεση) ή «speed» (ταχύτητα ανέμου).",
     "No wind load is given: fill in one of the columns \"band\" (height band), \"pressure\" "
     "(wind pressure) or \"speed\" (wind speed)."},
    {" Διαχωριστικά χιλιάδων δεν γίνονται δεκτά: γράψτε {1}",
     " Thousands separators are not accepted: write {1}"},
    {"σφάλμα εγγραφής", "write error"},
    {" ή ", " or "},

    // The calculation report.
    {"Υπολογισμός κουφώματος", "Calculation of the bay"},
    {"Έργο", "Project"},
    {"Κούφωμα", "Bay"},
    {"σελίδα {1} από {2}", "page {1} of {2}"},
    {"1. Δεδομένα", "1. Inputs"},
    {"2. Στατικό σύστημα και όψη", "2. Static system and elevation"},
    {"3. Φορτία", "3. Loads"},
    {"4. Κριτήριο βέλους κάμψης", "4. Deflection criterion"},
    {"5. Απαιτούμενα μεγέθη", "5. Required values"},
    {"6. Προτεινόμενα προφίλ", "6. Suggested profiles"},
    {"7. Έλεγχος ορθοστάτη", "7. Check of the mullion"},
    {"8. Αντιδράσεις στηρίξεων", "8. Support reactions"},
    {"Γραμμές που δεν υπολογίστηκαν", "Rows not calculated"},
    {"Σειρά", "Series"},
    {"Στατικό σύστημα", "Static system"},
    {"Κάναβος A1", "Grid width A1"},
    {"Κάναβος A2", "Grid width A2"},
    {"Άνοιγμα L1", "Span L1"},
    {"Άνοιγμα L2", "Span L2"},
    {"Ύψος υαλοπίνακα H1", "Glazing height H1"},
    {"Ύψος υαλοπίνακα H2", "Glazing height H2"},
    {"Πάχος υαλοπίνακα t", "Glass thickness t"},
    {"Διαιρέτης βέλους d (L/d)", "Deflection divisor d (L/d)"},
    {"Επιτρεπόμενο βέλος f", "Allowable deflection f"},
    {"Κριτήριο", "Criterion"},
    {"Ίδιο βάρος κατασκευής G", "Structure weight G"},
    {"Ύψος χιονιού h_s", "Snow height h_s"},
    {"Κλίση α", "Slope α"},
    {"Veltra", "Veltra"},
    {"Korin / Dalvo", "Korin / Dalvo"},
    {"Terrax", "Terrax"},
    {"Αμφιέρειστη δοκός (άρθρωση – κύλιση)", "One span (pinned – rolling support)"},
    {"Αμφίπακτη δοκός", "Fixed at both ends"},
    {"Συνεχής δοκός δύο ίσων ανοιγμάτων", "Two equal continuous spans"},
    {"Συνεχής δοκός δύο ανοιγμάτων, 0,2 ≤ L2/L1 < 1", "Two continuous spans, 0.2 ≤ L2/L1 < 1"},
    {"Συνεχής δοκός δύο ανοιγμάτων, L2/L1 < 0,2", "Two continuous spans, L2/L1 < 0.2"},
    {"Πίεση ανέμου από ζώνη ύψους", "Wind pressure from the height band"},
    {"έως", "up to"},
    {"Πίεση ανέμου όπως δόθηκε", "Wind pressure as typed"},
    {"Πίεση ανέμου τόπου (EN 1991-1-4)", "Wind pressure of the site (EN 1991-1-4)"},
    {"Πίεση ανέμου από ταχύτητα ανέμου", "Wind pressure from the wind speed"},
    {"Κεκλιμένος υαλοπίνακας: φορτίο κάθετο στο επίπεδο, όρος προς όρο.",
     "Sloped glazing: the load normal to its plane, term by term."},
    {"Όψη του κουφώματος με τις διαστάσεις του σε cm (πάνω), στατικό σύστημα υπό κλίμακα με "
     "τις αντιδράσεις (κάτω).",
     "The bay's elevation with its dimensions in cm (above); the static system to scale with "
     "its reactions (below)."},
    {"Κρίσιμο όριο", "Limit that governed"},
    {"Επιτρεπόμενο βέλος σχεδιασμού δ_lim", "Deflection limit designed for δ_lim"},
    {"L1 / d", "L1 / d"},
    {"επιτρεπόμενο βέλος f", "allowable deflection f"},
    {"15 mm", "15 mm"},
    {"L / 200", "L / 200"},
    {"5 mm + L / 300", "5 mm + L / 300"},
    {"L / 250", "L / 250"},
    {"Προτεινόμενος ορθοστάτης", "Suggested mullion"},
    {"Προτεινόμενη τραβέρσα", "Suggested transom"},
    {"Περιοχή της γραμμής του καταλόγου", "Range of its catalogue row"},
    {"Πρώτη γραμμή του καταλόγου με Ix ≥ Jx", "First catalogue row with Ix ≥ Jx"},
    {"Κανένας ορθοστάτης του καταλόγου δεν επαρκεί.", "No mullion of the catalogue is enough."},
    {"Βέλος κάμψης", "Deflection"},
    {"Τάση", "Stress"},
    {"βαθμός εκμετάλλευσης", "utilisation"},
    {"ΕΠΑΡΚΕΙ", "PASSES"},
    {"ΔΕΝ ΕΠΑΡΚΕΙ", "FAILS"},
    {"Ο ορθοστάτης επαρκεί:", "The mullion passes:"},
    {"Ο ορθοστάτης δεν επαρκεί:", "The mullion fails:"},
    {"Μέγιστη ροπή ανοίγματος (θεωρία δοκού)", "Largest span moment (beam theory)"},
    {"Ροπή σχεδιασμού q · L1² / 8", "Design moment q · L1² / 8"},
    {"Ανύψωση (αρνητική αντίδραση), η στήριξη πρέπει να συγκρατεί:",
     "Uplift (negative reaction), the support must hold down:"},
    {"Ο υπολογισμός δεν έγινε:", "Not calculated:"},
    {"λείπει η σειρά, το στατικό σύστημα ή το φορτίο ανέμου",
     "the series, the static system or the wind load is missing"},
    {"γραμμή {1}, κούφωμα {2}: {3}", "line {1}, bay {2}: {3}"},
    {"Ο υπολογισμός δεν γράφτηκε στο", "The report could not be written to"},
    // The verdict line under the results panel.
    {"Η κολώνα {1} επαρκεί: {2}", "Mullion {1} passes: {2}"},
    {"Η κολώνα {1} δεν επαρκεί: {2}", "Mullion {1} fails: {2}"},
    {"βέλος {1} {2} {3} mm", "deflection {1} {2} {3} mm"},
    {"σ {1} {2} {3} kN/cm²", "σ {1} {2} {3} kN/cm²"},
    {"σ χάλυβα {1} {2} {3} N/mm²", "steel insert σ {1} {2} {3} N/mm²"},
    {"Καμία κολώνα του καταλόγου δεν επαρκεί", "No mullion of the catalogue is enough"},
    {"Αποτελέσματα του τελευταίου υπολογισμού — τα δεδομένα άλλαξαν: πατήστε NEXT",
     "Results of the last run — the inputs have changed: press NEXT"},
    // The Help menu and its windows.
    {"&Οδηγός χρήσης", "&User guide"},
    {"&Συντομεύσεις πληκτρολογίου", "&Keyboard shortcuts"},
    {"&Σχετικά", "&About"},
    {"Κλείσιμο", "Close"},
    {"Πλήκτρο", "Key"},
    {"Ενέργεια", "Action"},
    {"Υπολογισμός (NEXT) από οποιοδήποτε πεδίο", "Run the design (NEXT) from any field"},
    {"Επόμενο / προηγούμενο πεδίο", "Next / previous field"},
    {"Επόμενο πεδίο της σειράς της φόρμας", "Next field in the form's own order"},
    {"Άλλη επιλογή της ίδιας ομάδας", "Another option of the same group"},
    {"Πάτημα του κουμπιού ή επιλογή της επιλογής που έχει την εστίαση",
     "Press the focused button, or choose the focused option"},
    {"{1} {2}\n\nΒοήθημα διαστασιολόγησης των κολωνών και τραβερσών υαλοπετασμάτων αλουμινίου.\n\n"
     "Άδεια χρήσης: δεν έχει δοθεί άδεια· με την επιφύλαξη παντός δικαιώματος.\n\n"
     "Πρότυπα: EN 13830:2003 και EN 13830:2015+A1 (όρια βέλους κάμψης), "
     "EN 1991-1-4 (ανεμοπίεση τόπου).",
     "{1} {2}\n\nA design aid for the mullions and transoms of aluminium curtain walls.\n\n"
     "Licence: none has been granted; all rights reserved.\n\n"
     "Standards: EN 13830:2003 and EN 13830:2015+A1 (deflection limits), "
     "EN 1991-1-4 (wind pressure of a site)."},
    {"Ο οδηγός χρήσης λείπει από το πρόγραμμα.", "The user guide is missing from the program."},
    // Editing and files in the window.
    {"&Επεξεργασία", "&Edit"},
    {"&Αναίρεση", "&Undo"},
    {"Ακύρωση α&ναίρεσης", "&Redo"},
    {"&Νέο φάτνωμα", "&New bay"},
    {"Πρόσ&φατα φατνώματα", "Open &recent"},
    {"(κανένα)", "(none)"},
    {"Το αρχείο «{1}» δεν υπάρχει πια· βγήκε από τα πρόσφατα.",
     "The file \"{1}\" no longer exists; it is off the recent list."},
    {"Η γεωμετρία σβήστηκε για το νέο στατικό σύστημα — το Ctrl+Z τη φέρνει πίσω",
     "Geometry cleared for the new static system — Ctrl+Z brings it back"},
    {"qp(z) = {1} kN/m² · w = {2} kN/m²", "qp(z) = {1} kN/m² · w = {2} kN/m²"},
    {"Άνοιγμα της γραμμής μενού", "Open the menu bar"},
    // The diagrams of a beam.
    {"Διαγράμματα του ορθοστάτη", "Diagrams of the mullion"},
    {"Καμπτική ροπή M (kNm)", "Bending moment M (kNm)"},
    {"Τέμνουσα δύναμη V (kN)", "Shear force V (kN)"},
    {"Βέλος δ (mm)", "Deflection δ (mm)"},
    {"{1} = {2} στο x = {3} m", "{1} = {2} at x = {3} m"},
    {"Η δοκός του στατικού συστήματος υπό q = {1} kN/m, E·I = {2} kNm².",
     "The beam of the static system under q = {1} kN/m, E·I = {2} kNm²."},
    {"Οι έλεγχοι λαμβάνουν M = q · L1² / 8 και το βέλος του τύπου της περίπτωσης· τα "
     "διαγράμματα δείχνουν τη δοκό του επιλεγμένου συστήματος.",
     "The checks take M = q · L1² / 8 and the deflection formula of the case; the diagrams "
     "show the beam of the chosen system."},
    {"Κανένας ορθοστάτης δεν προτάθηκε: το βέλος δεν σχεδιάζεται.",
     "No mullion was suggested: no deflection is drawn."},
    {"Διαγράμματα", "Diagrams"},
    {"Εξαγωγή &εικόνας…", "Export &picture…"},
    {"Δεν υπάρχει εικόνα ακόμη: πατήστε NEXT.", "There is no picture yet: press NEXT."},
    {"Η εικόνα δεν γράφτηκε στο «{1}».", "The picture could not be written to \"{1}\"."},
    // The limit-state basis.
    {"&Βάση σχεδιασμού", "Design &basis"},
    {"Επιτρεπόμενη τάση (9,5 kN/cm²)", "Allowable stress (9,5 kN/cm²)"},
    {"Οριακές καταστάσεις (EN 1990, EN 1999-1-1)", "Limit states (EN 1990, EN 1999-1-1)"},
    {"&Κράμα αλουμινίου", "Aluminium &alloy"},
    {"Ορθοστάτης αναρτημένος από πάνω (εφελκυσμός)", "Mullion hung from the top (tension)"},
    {"Ορθοστάτης εδραζόμενος στη βάση (θλίψη)", "Mullion standing on the base (compression)"},
    {"Έλεγχοι οριακών καταστάσεων", "Limit-state checks"},
    {"Κολώνα {1}, κράμα EN AW-{2}, f_o = {3} N/mm²", "Mullion {1}, alloy EN AW-{2}, f_o = {3} N/mm²"},
    {"Καμία κολώνα του καταλόγου δεν επαρκεί σε οριακές καταστάσεις· δείχνεται η επιλογή του "
     "υπολογισμού.",
     "No mullion of the catalogue passes the limit states; the run's choice is shown."},
    {"Κατηγορία διατομής: {1}", "Section class: {1}"},
    {"Κολώνα: κάμψη", "Mullion: bending"},
    {"Κολώνα: διάτμηση", "Mullion: shear"},
    {"Κολώνα: κάμψη με διάτμηση", "Mullion: bending with shear"},
    {"Κολώνα: κάμψη με αξονική δύναμη", "Mullion: bending with axial force"},
    {"Κολώνα: βέλος κάμψης", "Mullion: deflection"},
    {"Τραβέρσα: διαξονική κάμψη", "Transom: biaxial bending"},
    {"Τραβέρσα: βέλος από τον άνεμο", "Transom: deflection under wind"},
    {"Τραβέρσα: βέλος από το βάρος του υαλοπίνακα", "Transom: dead-load deflection"},
    {"Έλεγχος", "Check"},
    {"Εδάφιο", "Clause"},
    {"Συνδυασμός", "Combination"},
    {"Δράση E_d", "Action E_d"},
    {"Αντοχή R_d", "Resistance R_d"},
    {"Βαθμός εκμετάλλευσης", "Utilisation"},
    {"Αποτέλεσμα", "Verdict"},
    {"Δυνάμεις αγκυρίων, χαρακτηριστικές (kN)", "Anchor forces, characteristic (kN)"},
    {"Στήριξη (από κάτω)", "Support (from the bottom)"},
    {"Πίεση", "Pressure"},
    {"Υποπίεση", "Suction"},
    {"Ίδιο βάρος κατά τον άξονα", "Dead load along the mullion"},
    {"Ίδιο βάρος κάθετα στο επίπεδο", "Dead load across the glazing"},
    {"κατηγορία διατομής μη επαληθευμένη: θεωρήθηκε ελαστική αντοχή",
     "section class not verified: elastic resistance assumed"},
    {"κατηγορία διατομής τραβέρσας μη επαληθευμένη: θεωρήθηκε ελαστική αντοχή",
     "transom's section class not verified: elastic resistance assumed"},
    {"αξονική δύναμη μη επαληθευμένη: ο κατάλογος δεν δίνει εμβαδόν διατομής",
     "axial force not verified: the catalogue gives no section area"},
    {"διάτμηση μη επαληθευμένη: ο κατάλογος δεν δίνει εμβαδόν διάτμησης",
     "shear not verified: the catalogue gives no shear area"},
    {"κορμός λεπτότερος από 39 ε: ο διατμητικός λυγισμός δεν ελέγχθηκε",
     "a web more slender than 39 eps: shear buckling not checked"},
    {"λυγισμός μέλους υπό θλίψη (EN 1999-1-1 6.3) δεν ελέγχθηκε",
     "member buckling under compression (EN 1999-1-1 6.3) not checked"},
    {"W_eff εκτιμήθηκε ως ρ_c · W_el", "W_eff estimated as rho_c · W_el"},
    {"το ίδιο βάρος του προφίλ παραλείφθηκε: ο κατάλογος δεν δίνει μάζα",
     "the profile's own weight is left out: the catalogue gives no mass"},
    {"Οι οριακές καταστάσεις δεν ελέγχθηκαν: η διατομή ή το πάχος της είναι εκτός του πίνακα "
     "του κράματος.",
     "The limit states were not checked: the section or its thickness is outside the alloy's "
     "table."},
    {"Η κολώνα {1} επαρκεί σε οριακές καταστάσεις: κρίσιμος έλεγχος {2}, βαθμός εκμετάλλευσης "
     "{3}",
     "Mullion {1} passes the limit states: governing check {2}, utilisation {3}"},
    // The verdict and the governing check first: a narrow line that cuts the end off still
    // says them.
    {"Η κολώνα {1} επαρκεί με παραδοχές: κρίσιμος έλεγχος {2}, βαθμός εκμετάλλευσης {3} ({4})",
     "Mullion {1} passes with assumptions: governing check {2}, utilisation {3} ({4})"},
    {"Η κολώνα {1} δεν επαρκεί σε οριακές καταστάσεις: {2}, βαθμός εκμετάλλευσης {3}",
     "Mullion {1} fails the limit states: {2}, utilisation {3}"},
    {"Καμία κολώνα του καταλόγου δεν επαρκεί σε οριακές καταστάσεις: η {1} δίνει {2}, βαθμός "
     "εκμετάλλευσης {3}",
     "No mullion of the catalogue passes the limit states: {1} gives {2}, utilisation {3}"},
    // User catalogue files.
    {"Ο κατάλογος {1} δεν διαβάστηκε:", "Catalogue {1} not read:"},
    {"γραμμή {1}, ", "line {1}, "},
    {"δεν υπάρχουν επικεφαλίδα και γραμμές διατομών", "no header and profile rows"},
    {"κενή γραμμή", "empty line"},
    {"ένα πεδίο σε εισαγωγικά δεν κλείνει", "a quoted field is not closed"},
    {"εισαγωγικό μέσα σε πεδίο που δεν είναι όλο σε εισαγωγικά",
     "a quote inside a field that is not quoted as a whole"},
    {"το πλήθος των πεδίων διαφέρει από της επικεφαλίδας",
     "the number of fields differs from the header's"},
    {"άγνωστη στήλη", "unknown column"},
    {"η στήλη ονομάζεται δύο φορές", "the column is named twice"},
    {"η επικεφαλίδα δεν έχει αυτή τη στήλη", "the header lacks this column"},
    {"χρειάζεται τιμή", "a value is needed"},
    {"αυτός ο ρόλος δεν παίρνει τιμή εδώ", "this role takes no value here"},
    {"δεν είναι αριθμός (ψηφία, τελεία για τα δεκαδικά)",
     "not a number (digits, a dot for decimals)"},
    {"πρέπει να είναι πάνω από το μηδέν", "must be above zero"},
    {"περισσότερα από τέσσερα δεκαδικά (λεπτότερο από 1 mm4)",
     "more than four decimals (finer than 1 mm4)"},
    {"πολύ μεγάλο", "too large"},
    {"πολύ μικρό (κάτω από 0.000001)", "too small (below 0.000001)"},
    {"ο ρόλος δεν είναι ούτε mullion ούτε transom", "role is neither mullion nor transom"},
    {"η χρήση δεν είναι ούτε vertical ούτε sloped", "use is neither vertical nor sloped"},
    {"το span_case δεν είναι ούτε κενό ούτε short-upper",
     "span_case is neither empty nor short-upper"},
    {"δεν είναι η χρήση της πρώτης γραμμής", "not the use of the first row"},
    {"δεν είναι το σύστημα της πρώτης γραμμής", "not the system of the first row"},
    {"το to_cm4 πρέπει να είναι πάνω από το from_cm4", "to_cm4 must be above from_cm4"},
    {"η ζώνη αρχίζει κάτω από το τέλος της προηγούμενης",
     "the band starts below the end of the band before"},
    {"οι κολώνες πρέπει να είναι σε αύξουσα σειρά Ix_cm4",
     "mullions must be in ascending Ix_cm4"},
    {"ο κωδικός δίνεται δύο φορές", "the code is given twice"},
    {"καμία γραμμή κολώνας", "no mullion row"},
    {"το αρχείο είναι μεγαλύτερο από 4 MB", "the file is larger than 4 MB"},
    {"περισσότερες από 10 000 γραμμές", "more than 10 000 rows"},
    {"το αρχείο δεν διαβάζεται", "the file cannot be read"},
    {"δεν είναι βιβλίο εργασίας με πρώτο φύλλο που διαβάζεται",
     "not a workbook whose first sheet can be read"},
    {"δώστε Wx_cm3 ή e_mm, όχι και τα δύο", "give Wx_cm3 or e_mm, not both"},
    {"τα elements γράφονται όνομα:i|o:b×t, χωρισμένα με ερωτηματικά",
     "elements are written name:i|o:b×t, separated by semicolons"},
    {"το steel_grade δεν είναι κανένα από S235, S275, S355",
     "steel_grade is none of S235, S275, S355"},
    {"άγνωστο κράμα", "unknown alloy"},
    {"οι τραβέρσες πρέπει να έχουν όλες ζώνες ή όλες ιδιότητες",
     "transoms must all have bands or all have properties"},
    {"&Κατάλογοι…", "&Catalogues…"},
    {"Κατάλογοι διατομών", "Profile catalogues"},
    {"&Άνοιγμα…", "&Open…"},
    {"Α&φαίρεση", "&Remove"},
    {"Κατάλογοι (*.csv *.xlsx)", "Catalogues (*.csv *.xlsx)"},
    {"Όνομα", "Name"},
    {"Χρήση", "Use"},
    {"Κολώνες", "Mullions"},
    {"Τραβέρσες", "Transoms"},
    {"Αρχείο", "File"},
    {"κατακόρυφος", "vertical"},
    {"κεκλιμένος", "sloped"},
    {"Κατάλογος:", "Catalogue:"},
    {"(επιλογές σειράς)", "(series options)"},
    {"Ο κατάλογος «{1}» άλλαξε από τότε που επιλέχθηκε: {2}",
     "The catalogue \"{1}\" has changed since it was chosen: {2}"},
    {"Ο κατάλογος «{1}» λείπει: {2}", "The catalogue \"{1}\" is missing: {2}"},
    {"Ο κατάλογος «{1}» του φατνώματος άλλαξε από τότε που αποθηκεύτηκε: {2}",
     "The bay's catalogue \"{1}\" has changed since it was saved: {2}"},
    {"Ο κατάλογος «{1}» του φατνώματος λείπει: {2}. Το φάτνωμα ανοίγει με τις επιλογές σειράς.",
     "The bay's catalogue \"{1}\" is missing: {2}. The bay opens with the series options."},
    {"Επιλέξτε το αρχείο του καταλόγου", "Choose the catalogue's file"},
    {"Κατάλογος διατομών", "Profile catalogue"},
    {"Γραμμή του καταλόγου", "Catalogue row"},
    {"Ένθετο χάλυβα", "Steel insert"},
    {"&Δεδομένα οριακών καταστάσεων…", "&Limit-state inputs…"},
    {"Δεδομένα οριακών καταστάσεων", "Limit-state inputs"},
    {"Χαρακτηριστικό φορτίο χιονιού εδάφους s_k (kN/m²)",
     "Characteristic ground snow load s_k (kN/m²)"},
    {"Το s_k λαμβάνεται μόνο σε κεκλιμένους υαλοπίνακες.",
     "s_k is taken on sloped glazing only."},
    {"γM1, αντοχή διατομών", "γM1, resistance of cross-sections"},
    {"γM2, αντοχή καθαρής διατομής σε θραύση", "γM2, resistance of net sections to fracture"},
    {"γG,sup, μόνιμα δυσμενή", "γG,sup, permanent, unfavourable"},
    {"γG,inf, μόνιμα ευμενή", "γG,inf, permanent, favourable"},
    {"γQ, μεταβλητά", "γQ, variable"},
    {"ψ0 ανέμου", "ψ0 of wind"},
    {"ψ0 χιονιού", "ψ0 of snow"},
    {"&Επαναφορά στις συνιστώμενες τιμές", "&Reset to recommended values"},
    {"Το φορτίο χιονιού εδάφους s_k δεν είναι αριθμός: \"{1}\".",
     "The ground snow load s_k is not a number: \"{1}\"."},
    {"Το φορτίο χιονιού εδάφους s_k δεν μπορεί να είναι αρνητικό: {1}.",
     "The ground snow load s_k must not be negative: {1}."},
    {"Ο συντελεστής {1} πρέπει να είναι αριθμός μεγαλύτερος από 0: \"{2}\".",
     "The factor {1} must be a number greater than 0: \"{2}\"."},
    {"Ο συντελεστής {1} πρέπει να είναι αριθμός από 0 έως 1: \"{2}\".",
     "The factor {1} must be a number from 0 to 1: \"{2}\"."},
    {"Συντελεστές: {1}", "Factors: {1}"},
    {"Χιόνι (EN 1991-1-3 5.2): s = μ1 · Ce · Ct · s_k = {3} · 1 · 1 · {1} = {4} kN/m² σε κάτοψη, κλίση {2}°",
     "Snow (EN 1991-1-3 5.2): s = μ1 · Ce · Ct · s_k = {3} · 1 · 1 · {1} = {4} kN/m² on plan, slope {2}°"},
    {"Εντάξει", "OK"},
    {"Π&ροβολή", "&View"},
    {"Δεν υπάρχουν διαγράμματα ακόμη: πατήστε NEXT.", "Nothing to show yet: press NEXT."},
    {"Τα διαγράμματα είναι του τελευταίου υπολογισμού — τα δεδομένα άλλαξαν: πατήστε NEXT.",
     "These diagrams are of the last run — the inputs have changed: press NEXT."},
    {"Ορθοστάτης υπό το φορτίο q = {1} kN/m", "Mullion under the line load q = {1} kN/m"},
    {"&Συνδυασμός:", "&Combination:"},
    {"Στο αρχείο φατνώματος «{1}» το «{2}» δεν έχει τη μορφή του έργου: ένα αντικείμενο με "
     "κείμενα σε εισαγωγικά name, site, client, engineer, checker και λίστα revisions από "
     "αντικείμενα με κείμενα revision, date, description.",
     "In the bay file \"{1}\" the \"{2}\" is not shaped as a project: an object of texts in "
     "quotes name, site, client, engineer, checker and a list revisions of objects with the "
     "texts revision, date, description."},
    {"Έρ&γο…", "Pro&ject…"},
    {"Στοιχεία έργου", "Project details"},
    {"Έργο:", "Project:"},
    {"Τοποθεσία:", "Site:"},
    {"Πελάτης:", "Client:"},
    {"Μελετητής:", "Engineer:"},
    {"Ελεγκτής:", "Checker:"},
    {"Αναθεωρήσεις", "Revisions"},
    {"Αναθεώρηση", "Revision"},
    {"Ημερομηνία", "Date"},
    {"Περιγραφή", "Description"},
    {"&Προσθήκη αναθεώρησης", "&Add revision"},
    {"Α&φαίρεση αναθεώρησης", "&Remove revision"},
    {"Ο κατάλογος «{1}» του φατνώματος λείπει: {2}.\n\nΝα επιλέξετε το αρχείο του καταλόγου; "
     "Με «Άκυρο» το φάτνωμα ανοίγει με τις επιλογές σειράς.",
     "The bay's catalogue \"{1}\" is missing: {2}.\n\nChoose the catalogue's file? With "
     "\"Cancel\" the bay opens with the series options."},
    {"Ο κατάλογος «{1}» του φατνώματος άλλαξε από τότε που αποθηκεύτηκε: {2}.\n\nΝα επιλέξετε "
     "το αρχείο του καταλόγου; Με «Άκυρο» το φάτνωμα υπολογίζεται με το αρχείο όπως είναι τώρα.",
     "The bay's catalogue \"{1}\" has changed since it was saved: {2}.\n\nChoose the "
     "catalogue's file? With \"Cancel\" the bay is designed with the file as it is now."},
    {"&Επιλογή αρχείου…", "&Choose file…"},
    {"Ο κατάλογος «{1}» του αρχείου {2} είναι {3}, ενώ ο κατάλογος του φατνώματος δεν είναι: "
     "δεν χρησιμοποιείται.",
     "The catalogue \"{1}\" of the file {2} is a {3} catalogue, unlike the bay's: it is not "
     "used."},
    {"Το αρχείο έργου «{1}» δεν μπορεί να διαβαστεί: δεν υπάρχει ή δεν επιτρέπεται το άνοιγμά του.",
     "The project file \"{1}\" cannot be read: it does not exist or may not be opened."},
    {"Το αρχείο έργου «{1}» είναι πολύ μεγάλο για αρχείο έργου.",
     "The project file \"{1}\" is too large to be a project file."},
    {"Το αρχείο έργου «{1}» δεν είναι έγκυρο JSON (σφάλμα στο byte {2}).",
     "The project file \"{1}\" is not valid JSON (it breaks off at byte {2})."},
    {"Το αρχείο έργου «{1}» πρέπει να περιέχει ένα αντικείμενο JSON {…}.",
     "The project file \"{1}\" must hold one JSON object {…}."},
    {"Το αρχείο έργου «{1}» δεν δίνει όνομα έργου: το \"name\" λείπει ή είναι κενό.",
     "The project file \"{1}\" gives no project name: \"name\" is missing or empty."},
    {"Στο αρχείο έργου «{1}» το \"{2}\" πρέπει να είναι κείμενο σε εισαγωγικά.",
     "In the project file \"{1}\", \"{2}\" must be a text in quotes."},
    {"Στο αρχείο έργου «{1}» το \"{2}\" πρέπει να είναι λίστα αντικειμένων [{\"revision\", \"date\", \"description\"}].",
     "In the project file \"{1}\", \"{2}\" must be a list of objects [{\"revision\", \"date\", \"description\"}]."},
    {"Το αρχείο έργου «{1}» έχει άγνωστο κλειδί \"{2}\" (γνωστά: name, site, client, engineer, checker, revisions).",
     "The project file \"{1}\" has an unknown key \"{2}\" (known: name, site, client, engineer, checker, revisions)."},
    {"Τεύχος στατικών υπολογισμών υαλοπετάσματος",
     "Curtain wall calculation package"},
    {"Θέση",
     "Site"},
    {"Εργοδότης",
     "Client"},
    {"Μελετητής",
     "Engineer"},
    {"Έλεγχος",
     "Checked by"},
    {"Ημερομηνία",
     "Date"},
    {"Πρόγραμμα",
     "Program"},
    {"Αναθεωρήσεις",
     "Revisions"},
    {"Αναθ.",
     "Rev."},
    {"Περιγραφή",
     "Description"},
    {"Κουφώματα που υπολογίστηκαν: {1}. Γραμμές που δεν υπολογίστηκαν: {2}.",
     "Bays calculated: {1}. Rows not calculated: {2}."},
    {"Βάσεις σχεδιασμού",
     "Design basis"},
    {"Κανονισμοί",
     "Standards"},
    {"EN 1990:2002+A1:2005 — Βάσεις σχεδιασμού φορέων (βάση οριακών καταστάσεων)",
     "EN 1990:2002+A1:2005 — Basis of structural design (limit-state basis)"},
    {"EN 1991-1-4:2005+A1:2010 — Δράσεις ανέμου",
     "EN 1991-1-4:2005+A1:2010 — Wind actions"},
    {"EN 1991-1-3:2003+A1:2015 — Φορτία χιονιού",
     "EN 1991-1-3:2003+A1:2015 — Snow loads"},
    {"EN 1999-1-1:2007+A1:2009+A2:2013 — Σχεδιασμός φορέων από αλουμίνιο (βάση οριακών καταστάσεων)",
     "EN 1999-1-1:2007+A1:2009+A2:2013 — Design of aluminium structures (limit-state basis)"},
    {"EN 1993-1-1:2005+A1:2014 — Σχεδιασμός φορέων από χάλυβα (χαλύβδινα ενθέματα)",
     "EN 1993-1-1:2005+A1:2014 — Design of steel structures (steel inserts)"},
    {"EN {1} — Υαλοπετάσματα, πρότυπο προϊόντος (όρια βέλους)",
     "EN {1} — Curtain walling, product standard (deflection limits)"},
    {"Το EN 13830:2003 έχει αντικατασταθεί από το EN 13830:2015+A1:2020· τα όρια βέλους του εφαρμόζονται εδώ επειδή επιλέχθηκαν.",
     "EN 13830:2003 is superseded by EN 13830:2015+A1:2020; its deflection limits are applied here because they were chosen."},
    {"Υλικό",
     "Material"},
    {"Αλουμίνιο, E = 70 000 N/mm² (7 000 kN/cm²)",
     "Aluminium, E = 70 000 N/mm² (7 000 kN/cm²)"},
    {"Κράμα EN AW-{1}: f_o = {2} N/mm², f_u = {3} N/mm² (πάχος έως {4} mm, EN 1999-1-1 Πίνακας 3.2b)",
     "Alloy EN AW-{1}: f_o = {2} N/mm², f_u = {3} N/mm² (thickness up to {4} mm, EN 1999-1-1 Table 3.2b)"},
    {"Βάση επιτρεπόμενων τάσεων: σ = M / Wx ≤ σ_allow = {1} kN/cm² και δ ≤ δ_lim, υπό το χαρακτηριστικό φορτίο ανέμου.",
     "Allowable-stress basis: σ = M / Wx ≤ σ_allow = {1} kN/cm² and δ ≤ δ_lim, under the characteristic wind load."},
    {"Βάση οριακών καταστάσεων (EN 1990, EN 1999-1-1): γG,sup = {1}, γG,inf = {2}, γQ = {3}, ψ0 ανέμου = {4}, ψ0 χιονιού = {5}, γM1 = {6}, γM2 = {7}.",
     "Limit-state basis (EN 1990, EN 1999-1-1): γG,sup = {1}, γG,inf = {2}, γQ = {3}, ψ0 wind = {4}, ψ0 snow = {5}, γM1 = {6}, γM2 = {7}."},
    {"Συνδυασμοί δράσεων",
     "Combinations of actions"},
    {"ΟΚΑ (αντοχή)",
     "ULS (resistance)"},
    {"ΟΚΛ (βέλος, αγκύρια)",
     "SLS (deflection, anchors)"},
    {"Φορτία",
     "Loads"},
    {"Άνεμος από ζώνη ύψους του κτιρίου (έως 8 m 0,50, 8–20 m 0,80, 20–100 m 1,20 kN/m²): {1}",
     "Wind from the building's height band (up to 8 m 0.50, 8–20 m 0.80, 20–100 m 1.20 kN/m²): {1}"},
    {"Πίεση ανέμου που έδωσε ο μελετητής (EN 1991-1-4, υπολογισμένη αλλού): {1}",
     "Wind pressure typed by the engineer (EN 1991-1-4, worked out elsewhere): {1}"},
    {"Πίεση ανέμου από τα στοιχεία της θέσης κατά EN 1991-1-4 (v_b,0, κατηγορία εδάφους, ύψος, c_pe, c_pi): {1}",
     "Wind pressure from the site values by EN 1991-1-4 (v_b,0, terrain category, height, c_pe, c_pi): {1}"},
    {"Πίεση ανέμου από ταχύτητα ανέμου, p = v² · 483 / 10⁷: {1}",
     "Wind pressure from a wind speed, p = v² · 483 / 10⁷: {1}"},
    {"Ίδιο βάρος: υαλοπίνακας 2,5 kg/m² ανά mm πάχους· στα κεκλιμένα υαλοστάσια και το βάρος G του φορέα όπως δόθηκε.",
     "Dead load: glass 2.5 kg/m² per mm of thickness; on sloped glazing also the structure's weight G as typed."},
    {"Χιόνι: μόνο στα κεκλιμένα υαλοστάσια, ύψος χιονιού h_s με περίπου 100 kg/m³· στη βάση οριακών καταστάσεων το χαρακτηριστικό φορτίο εδάφους s_k κατά EN 1991-1-3.",
     "Snow: on sloped glazing only, a snow height h_s at about 100 kg/m³; under the limit-state basis the characteristic ground load s_k by EN 1991-1-3."},
    {"Παραδοχές και προσεγγίσεις",
     "Assumptions and approximations"},
    {"Τα μέλη είναι δοκοί Euler–Bernoulli σε κάμψη· η παραμόρφωση από διάτμηση αγνοείται.",
     "Members are Euler–Bernoulli beams in bending; shear deformation is neglected."},
    {"Όπου ένα βήμα διαβάζει προηγούμενο αποτέλεσμα, το διαβάζει όπως εμφανίζεται, με δύο δεκαδικά.",
     "Where a step reads an earlier result, it reads it as shown, to two decimals."},
    {"Δύο άνισα ανοίγματα (0,2 ≤ L2/L1 < 1): ο τύπος του απαιτούμενου Jx δίνει βέλος 1,3 % έως 3,8 % μικρότερο από τη θεωρία δοκού (Jx ελαφρά μικρό).",
     "Two unequal spans (0.2 ≤ L2/L1 < 1): the required-Jx formula gives a deflection 1.3 % to 3.8 % below beam theory (Jx slightly low)."},
    {"Δύο ανοίγματα με L2/L1 < 0,2: ένα άνοιγμα όλου του μήκους, υπερεκτίμηση του Jx κατά 5 % έως 70 %.",
     "Two spans with L2/L1 < 0.2: one span of the whole length, Jx 5 % to 70 % higher than beam theory requires."},
    {"Η απαιτούμενη ροπή είναι q · L1² / 8 σε κάθε στατικό σύστημα (υπέρ της ασφαλείας για αμφίπακτη και συνεχή δοκό)· οι ροπές στηρίξεων της θεωρίας δοκού τυπώνονται δίπλα.",
     "The required moment is q · L1² / 8 in every static system (on the safe side for fixed ends and two spans); the support moments of beam theory are printed beside it."},
    {"Τραβέρσα: τριγωνικό φορτίο ανέμου (0,64 του βέλους ομοιόμορφου φορτίου), όριο B / 300· βάρος υαλοπίνακα σε δύο τακάκια 150 mm από τα άκρα, όριο 3 mm.",
     "Transom: a triangular wind load (0.64 of the deflection of a uniform one), limit B / 300; the pane's weight on two setting blocks 150 mm from the ends, limit 3 mm."},
    {"Η κλίση των κεκλιμένων υαλοστασίων μετατρέπεται σε ακτίνια με π = 3,14 (ημίτονο και συνημίτονο εντός 0,1 %).",
     "The slope of sloped glazing is converted to radians with π = 3.14 (sine and cosine within 0.1 %)."},
    {"Περιεχόμενα",
     "Contents"},
    {"Σύνοψη κουφωμάτων",
     "Summary of the bays"},
    {"Κούφωμα",
     "Bay"},
    {"Σειρά / κατάλογος",
     "Series / catalogue"},
    {"Σύστημα",
     "System"},
    {"Ανοίγματα (cm)",
     "Spans (cm)"},
    {"p (kN/m²)",
     "p (kN/m²)"},
    {"Ορθοστάτης",
     "Mullion"},
    {"Τραβέρσα",
     "Transom"},
    {"Εκμετ.",
     "Util."},
    {"Αποτέλεσμα",
     "Verdict"},
    {"Σελ.",
     "Page"},
    {"αμφιέρειστη",
     "one span"},
    {"αμφίπακτη",
     "fixed ends"},
    {"δύο ανοίγματα",
     "two spans"},
    {"δεν υπολογίστηκε",
     "not calculated"},
    {"Εκμετάλλευση: βάση επιτρεπόμενων τάσεων, το μεγαλύτερο από δ / δ_lim (δ) και σ / σ_allow (σ)· βάση οριακών καταστάσεων (ΟΚ), το E_d / R_d του κρίσιμου ελέγχου. Πρώτα όσα δεν επαρκούν ή δεν υπολογίστηκαν, μετά τα υπόλοιπα με τη σειρά εισαγωγής.",
     "Utilisation: allowable-stress basis, the larger of δ / δ_lim (δ) and σ / σ_allow (σ); limit-state basis (LS), E_d / R_d of the governing check. Failures and rows not calculated first, then the rest in input order."},
    {"Δυνάμεις αγκυρίων όλων των κουφωμάτων (kN)",
     "Anchor forces of every bay (kN)"},
    {"χαρ.",
     "char."},
    {"σχεδ.",
     "design"},
    {"Βάση οριακών καταστάσεων: χαρακτηριστικές και τιμές σχεδιασμού της ανάλυσης. Βάση επιτρεπόμενων τάσεων: αντιδράσεις στηρίξεων της θεωρίας δοκού υπό το φορτίο ανέμου του υπολογισμού, μόνο χαρακτηριστικές (χωρίς ίδιο βάρος). Στηρίξεις αριθμημένες από κάτω.",
     "Limit-state basis: characteristic and design values of the analysis. Allowable-stress basis: support reactions by beam theory under the run's wind load, characteristic only (no dead load). Supports numbered from the bottom."},
    {"Υπολογισμοί κουφωμάτων",
     "Calculations of the bays"},
    {"Το πρόγραμμα περιέχει κουφώματα και στις δύο βάσεις σχεδιασμού· ισχύουν και οι δύο όπως περιγράφονται.",
     "The schedule has bays on both design bases; both apply as described."},
    {"ΟΚ", "LS"},
    {"Τραβέρσα — ισχυρός άξονας (άνεμος)", "Transom — strong axis (wind)"},
    {"Τραβέρσα — ασθενής άξονας (βάρος υαλοπίνακα)", "Transom — weak axis (glass weight)"},
    {"Διαγράμματα της τραβέρσας", "Diagrams of the transom"},
    {"Ισχυρός άξονας: ο άνεμος των δύο υαλοπινάκων ως τραπεζοειδές φορτίο σε αμφιέρειστη "
     "δοκό· ροπή και τέμνουσα υπό {1} W (έλεγχος κάμψης), βέλος υπό W (χαρακτηριστικό), "
     "E·Ix = {2} kNm².",
     "Strong axis: the wind of the two panes as a trapezoidal load on a simply supported "
     "beam; moment and shear under {1} W (bending check), deflection under W "
     "(characteristic), E·Ix = {2} kNm²."},
    {"Ασθενής άξονας: το βάρος του υαλοπίνακα σε δύο τάκους P = {2} kN στο a = {3} m από "
     "κάθε άκρο· ροπή και τέμνουσα υπό {1} G (έλεγχος κάμψης), βέλος υπό G "
     "(χαρακτηριστικό), E·Iy = {4} kNm².",
     "Weak axis: the pane's weight on two setting blocks P = {2} kN at a = {3} m from each "
     "end; moment and shear under {1} G (bending check), deflection under G "
     "(characteristic), E·Iy = {4} kNm²."},
    {"Διαγράμματα του ορθοστάτη στους συνδυασμούς των ελέγχων",
     "Diagrams of the mullion under the checks' combinations"},
    {"{1}: q = {2} kN/m κάθετα στον ορθοστάτη, E·I = {3} kNm², όπως στην ανάλυση των ελέγχων· "
     "ο συνδυασμός των ελέγχων: {4}.",
     "{1}: q = {2} kN/m across the mullion, E·I = {3} kNm², as the checks' analysis took it; "
     "the combination of the checks: {4}."},
    {"Έλεγχος επιτρεπόμενων τάσεων, για σύγκριση: το κούφωμα κρίνεται από τους ελέγχους "
     "οριακών καταστάσεων παρακάτω.",
     "Allowable-stress check, for comparison: the bay is judged by the limit-state checks "
     "below."},
};

static_assert(std::size(kMessages) == static_cast<std::size_t>(Message::Count),
              "one sentence for each Message, in the enum's order");

struct GreekReason {
    int err;
    std::string_view greek;
};

constexpr GreekReason kGreekReasons[] = {
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
};

std::string fillFrom(std::string_view sentence, std::span<const std::string_view> values) {
    std::string out;
    out.reserve(sentence.size() + 32);
    // The text between placeholders goes in whole: a batch of refused rows words many messages.
    std::size_t from = 0;
    for (std::size_t i = sentence.find('{'); i != std::string_view::npos;
         i = sentence.find('{', i + 1)) {
        if (i + 2 < sentence.size() && sentence[i + 2] == '}' && sentence[i + 1] >= '1' &&
            sentence[i + 1] <= '9') {
            out.append(sentence.substr(from, i - from));
            if (const auto n = std::size_t(sentence[i + 1] - '1'); n < values.size())
                out += values[n];
            from = i + 3;
            i += 2;
        }
    }
    out.append(sentence.substr(from));
    return out;
}

}  // namespace

const Bilingual& wording(Message message) {
    return kMessages[static_cast<std::size_t>(message)];
}

std::string fill(std::string_view sentence, std::initializer_list<std::string_view> values) {
    return fillFrom(sentence, {values.begin(), values.size()});
}

std::string say(Message message, Language language, std::span<const std::string_view> values) {
    const Bilingual& w = wording(message);
    return fillFrom(language == Language::English ? w.english : w.greek, values);
}

std::string say(Message message, Language language,
                std::initializer_list<std::string_view> values) {
    return say(message, language, std::span<const std::string_view>{values.begin(), values.size()});
}

std::string systemReason(int err, Language language) {
    if (language == Language::Greek)
        for (const GreekReason& reason : kGreekReasons)
            if (reason.err == err)
                return std::string(reason.greek);
    return std::strerror(err);
}

Said sayBoth(Message message, std::initializer_list<Said> values) {
    std::vector<std::string_view> greek;
    std::vector<std::string_view> english;
    for (const Said& value : values) {
        greek.push_back(value.greek);
        english.push_back(value.english);
    }
    return {say(message, Language::Greek, greek), say(message, Language::English, english)};
}

Said systemReasonBoth(int err) {
    return {systemReason(err, Language::Greek), systemReason(err, Language::English)};
}

}  // namespace cw
