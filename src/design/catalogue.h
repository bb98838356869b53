#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cw {

// The three series the window offers; each designs with its built-in catalogue.
enum class Series { Veltra, KorinDalvo, Terrax };

// What a catalogue's profiles are designed as: vertical mullions and transoms (Veltra, Korin,
// Dalvo) or T-profiles, sloped glazing included (Terrax).
enum class CatalogueUse { Vertical, Sloped };

// A mullion is suggested only where its own Ix covers the requirement, so its band is
// derived from the profiles: lower_cm4 is the Ix of the row before (0 for the first row),
// upper_cm4 its own Ix / 10000.
struct MullionRow {
    double lower_cm4 = 0.0;
    double upper_cm4 = 0.0;
    std::string code;
    std::int32_t ix_mm4 = 0;
    double fibre_mm = 0.0;  // neutral axis to the extreme fibre
};

// A transom row carries no section values: it is chosen for a required value J when
// lower_cm4 < J <= upper_cm4.
struct TransomRow {
    double lower_cm4 = 0.0;
    double upper_cm4 = 0.0;
    std::string code;
};

// One system's profiles. A design refers to the codes of the rows it suggests, so a catalogue
// outlives the designs made with it.
struct Catalogue {
    std::string name;
    CatalogueUse use = CatalogueUse::Vertical;
    std::vector<MullionRow> mullions;  // strictly ascending Ix
    std::vector<TransomRow> transoms;  // disjoint bands, ascending
    // Bands tried before the others when the upper span is short (two spans, L2 / L1 < 0.2):
    // the Terrax series takes the Veltra transoms there where they match.
    std::vector<TransomRow> shortUpperSpanTransoms;
};

// The first row whose own Ix (cm4) is at least the required Jx > 0; nothing (nullptr) for a
// requirement of 0 or less or above the largest Ix.
const MullionRow* chooseMullion(const Catalogue& catalogue, double requiredJx_cm4);
// The row whose band holds the requirement; the short-upper-span bands first where the span
// case is that one. Nothing when no band holds it.
const TransomRow* chooseTransom(const Catalogue& catalogue, double requiredJx_cm4,
                                bool shortUpperSpan = false);

// The built-in catalogues, one for each series, read once from the catalogue files compiled
// into the program.
class Catalogues {
public:
    explicit Catalogues(std::vector<Catalogue> bySeries);
    const Catalogue& of(Series series) const;
    std::span<const Catalogue> all() const { return m_catalogues; }

private:
    std::vector<Catalogue> m_catalogues;
};

// The catalogue file each series is read from; the one place a series meets its catalogue.
std::string_view seriesCatalogueFile(Series series);

// Read on first use; a built-in file that does not read is a fault of the build, which the
// catalogue tests catch, so this stops the program with the reader's message.
const Catalogues& builtInCatalogues();

}  // namespace cw
