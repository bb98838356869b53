#include "report/report_text.h"

#include <array>
#include <string_view>

namespace cw::report {

namespace {

struct Words {
    Phrase phrase;
    std::string_view greek;
    std::string_view english;
};

constexpr std::array<Words, std::size_t(Phrase::Count)> kWords{{
    {Phrase::Title, "Υπολογισμός κουφώματος", "Calculation of the bay"},
    {Phrase::ProjectLabel, "Έργο", "Project"},
    {Phrase::BayLabel, "Κούφωμα", "Bay"},
    {Phrase::PageOf, "σελίδα {1} από {2}", "page {1} of {2}"},
    {Phrase::HeadingInputs, "1. Δεδομένα", "1. Inputs"},
    {Phrase::HeadingSystem, "2. Στατικό σύστημα και όψη", "2. Static system and elevation"},
    {Phrase::HeadingLoads, "3. Φορτία", "3. Loads"},
    {Phrase::HeadingDeflection, "4. Κριτήριο βέλους κάμψης", "4. Deflection criterion"},
    {Phrase::HeadingRequired, "5. Απαιτούμενα μεγέθη", "5. Required values"},
    {Phrase::HeadingProfiles, "6. Προτεινόμενα προφίλ", "6. Suggested profiles"},
    {Phrase::HeadingCheck, "7. Έλεγχος ορθοστάτη", "7. Check of the mullion"},
    {Phrase::HeadingReactions, "8. Αντιδράσεις στηρίξεων", "8. Support reactions"},
    {Phrase::HeadingRefused, "Γραμμές που δεν υπολογίστηκαν", "Rows not calculated"},
    {Phrase::Series, "Σειρά", "Series"},
    {Phrase::StaticSystem, "Στατικό σύστημα", "Static system"},
    {Phrase::GridWidthA1, "Κάναβος A1", "Grid width A1"},
    {Phrase::GridWidthA2, "Κάναβος A2", "Grid width A2"},
    {Phrase::SpanL1, "Άνοιγμα L1", "Span L1"},
    {Phrase::SpanL2, "Άνοιγμα L2", "Span L2"},
    {Phrase::GlazingH1, "Ύψος υαλοπίνακα H1", "Glazing height H1"},
    {Phrase::GlazingH2, "Ύψος υαλοπίνακα H2", "Glazing height H2"},
    {Phrase::GlassThickness, "Πάχος υαλοπίνακα t", "Glass thickness t"},
    {Phrase::Divisor, "Διαιρέτης βέλους d (L/d)", "Deflection divisor d (L/d)"},
    {Phrase::AllowableDeflection, "Επιτρεπόμενο βέλος f", "Allowable deflection f"},
    {Phrase::Criterion, "Κριτήριο", "Criterion"},
    {Phrase::StructureWeight, "Ίδιο βάρος κατασκευής G", "Structure weight G"},
    {Phrase::SnowHeight, "Ύψος χιονιού h_s", "Snow height h_s"},
    {Phrase::Slope, "Κλίση α", "Slope α"},
    {Phrase::SeriesVeltra, "Veltra", "Veltra"},
    {Phrase::SeriesKorin, "Korin / Dalvo", "Korin / Dalvo"},
    {Phrase::SeriesTerrax, "Terrax", "Terrax"},
    {Phrase::CaseOneSpan, "Αμφιέρειστη δοκός (άρθρωση – κύλιση)",
     "One span (pinned – rolling support)"},
    {Phrase::CaseFixedEnds, "Αμφίπακτη δοκός", "Fixed at both ends"},
    {Phrase::CaseEqualSpans, "Συνεχής δοκός δύο ίσων ανοιγμάτων", "Two equal continuous spans"},
    {Phrase::CaseUnequalSpans, "Συνεχής δοκός δύο ανοιγμάτων, 0,2 ≤ L2/L1 < 1",
     "Two continuous spans, 0.2 ≤ L2/L1 < 1"},
    {Phrase::CaseShortUpperSpan, "Συνεχής δοκός δύο ανοιγμάτων, L2/L1 < 0,2",
     "Two continuous spans, L2/L1 < 0.2"},
    {Phrase::WindFromBand, "Πίεση ανέμου από ζώνη ύψους", "Wind pressure from the height band"},
    {Phrase::HeightBandUpTo, "έως", "up to"},
    {Phrase::WindTyped, "Πίεση ανέμου όπως δόθηκε", "Wind pressure as typed"},
    {Phrase::WindFromSite, "Πίεση ανέμου τόπου (EN 1991-1-4)",
     "Wind pressure of the site (EN 1991-1-4)"},
    {Phrase::WindFromSpeed, "Πίεση ανέμου από ταχύτητα ανέμου",
     "Wind pressure from the wind speed"},
    {Phrase::SlopedIntro, "Κεκλιμένος υαλοπίνακας: φορτίο κάθετο στο επίπεδο, όρος προς όρο.",
     "Sloped glazing: the load normal to its plane, term by term."},
    {Phrase::PictureCaption,
     "Όψη του κουφώματος με τις διαστάσεις του σε cm (πάνω), στατικό σύστημα υπό κλίμακα με "
     "τις αντιδράσεις (κάτω).",
     "The bay's elevation with its dimensions in cm (above); the static system to scale with "
     "its reactions (below)."},
    {Phrase::RuleGoverned, "Κρίσιμο όριο", "Limit that governed"},
    {Phrase::DesignedLimit, "Επιτρεπόμενο βέλος σχεδιασμού δ_lim",
     "Deflection limit designed for δ_lim"},
    {Phrase::RuleSpanOverDivisor, "L1 / d", "L1 / d"},
    {Phrase::RuleAllowable, "επιτρεπόμενο βέλος f", "allowable deflection f"},
    {Phrase::RuleCap15, "15 mm", "15 mm"},
    {Phrase::RuleSpanOver200, "L / 200", "L / 200"},
    {Phrase::RuleFivePlusSpanOver300, "5 mm + L / 300", "5 mm + L / 300"},
    {Phrase::RuleSpanOver250, "L / 250", "L / 250"},
    {Phrase::SuggestedMullion, "Προτεινόμενος ορθοστάτης", "Suggested mullion"},
    {Phrase::SuggestedTransom, "Προτεινόμενη τραβέρσα", "Suggested transom"},
    {Phrase::CatalogueRange, "Περιοχή της γραμμής του καταλόγου", "Range of its catalogue row"},
    {Phrase::MullionChoice, "Πρώτη γραμμή του καταλόγου με Ix ≥ Jx",
     "First catalogue row with Ix ≥ Jx"},
    {Phrase::NoMullionFits, "Κανένας ορθοστάτης του καταλόγου δεν επαρκεί.",
     "No mullion of the catalogue is enough."},
    {Phrase::DeflectionCheck, "Βέλος κάμψης", "Deflection"},
    {Phrase::StressCheck, "Τάση", "Stress"},
    {Phrase::Utilisation, "βαθμός εκμετάλλευσης", "utilisation"},
    {Phrase::Passes, "ΕΠΑΡΚΕΙ", "PASSES"},
    {Phrase::Fails, "ΔΕΝ ΕΠΑΡΚΕΙ", "FAILS"},
    {Phrase::MullionPasses, "Ο ορθοστάτης επαρκεί:", "The mullion passes:"},
    {Phrase::MullionFails, "Ο ορθοστάτης δεν επαρκεί:", "The mullion fails:"},
    {Phrase::MaxSpanMoment, "Μέγιστη ροπή ανοίγματος (θεωρία δοκού)",
     "Largest span moment (beam theory)"},
    {Phrase::DesignMoment, "Ροπή σχεδιασμού q · L1² / 8", "Design moment q · L1² / 8"},
    {Phrase::Uplift, "Ανύψωση (αρνητική αντίδραση), η στήριξη πρέπει να συγκρατεί:",
     "Uplift (negative reaction), the support must hold down:"},
    {Phrase::NotRun, "Ο υπολογισμός δεν έγινε:", "Not calculated:"},
    {Phrase::NotReady, "λείπει η σειρά, το στατικό σύστημα ή το φορτίο ανέμου",
     "the series, the static system or the wind load is missing"},
    {Phrase::RefusedRow, "γραμμή {1}, κούφωμα {2}: {3}", "line {1}, bay {2}: {3}"},
    {Phrase::CannotWrite, "Ο υπολογισμός δεν γράφτηκε στο", "The report could not be written to"},
}};

constexpr bool inEnumOrder() {
    for (std::size_t i = 0; i < kWords.size(); ++i)
        if (kWords[i].phrase != Phrase(i))
            return false;
    return true;
}
static_assert(inEnumOrder(), "the phrase table follows the enum's order");

}  // namespace

std::string phrase(Phrase p, bool english) {
    const Words& w = kWords[std::size_t(p)];
    return std::string(english ? w.english : w.greek);
}

}  // namespace cw::report
