#include "model/messages.h"

#include <array>
#include <cstddef>

namespace cw {

namespace {

constexpr std::array<Bilingual, 32> kMessages{{
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
