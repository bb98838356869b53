#include "model/messages.h"

#include <array>
#include <cstddef>

namespace cw {

namespace {

constexpr std::array<Bilingual, 46> kMessages{{
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
    // The span message is Greek in both languages.
    {" L2 πρέπει να είναι πάντα < ή = από L1", " L2 πρέπει να είναι πάντα < ή = από L1"},
    {"Καμία δεν επαρκεί", "None fits"},
    {"σ (κολ) > σ (max): η κολώνα υπερκαταπονείται", "σ (mullion) > σ (max): mullion overstressed"},
    {"Βέλος προτ.(κολ) > επιτρεπτό :", "Deflection of mullion > allowable :"},
    // The allowable deflection's caption under EN 13830:2015+A1, with the rule that gave it.
    {"Επιτρ. βέλος 2015: L/200 =", "Allowable 2015: L/200 ="},
    {"Επιτρ. βέλος 2015: 5 + L/300 =", "Allowable 2015: 5 + L/300 ="},
    {"Επιτρ. βέλος 2015: L/250 =", "Allowable 2015: L/250 ="},
    {"Το πεδίο «{1}» δέχεται μόνο 0, I, II, III ή IV.",
     "The field \"{1}\" takes only 0, I, II, III or IV."},
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
}};

}  // namespace

const Bilingual& wording(Message message) {
    return kMessages[static_cast<std::size_t>(message)];
}

std::string fill(std::string_view sentence, std::initializer_list<std::string_view> values) {
    std::string out;
    out.reserve(sentence.size() + 32);
    for (std::size_t i = 0; i < sentence.size(); ++i) {
        if (sentence[i] == '{' && i + 2 < sentence.size() && sentence[i + 2] == '}' &&
            sentence[i + 1] >= '1' && sentence[i + 1] <= '9') {
            const auto n = std::size_t(sentence[i + 1] - '1');
            if (n < values.size())
                out += *(values.begin() + n);
            i += 2;
            continue;
        }
        out += sentence[i];
    }
    return out;
}

std::string say(Message message, bool english, std::initializer_list<std::string_view> values) {
    const Bilingual& w = wording(message);
    return fill(english ? w.english : w.greek, values);
}

}  // namespace cw
