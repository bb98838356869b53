#pragma once

#include <cstdint>
#include <optional>
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

// A flat part of the section, for the classification of its slenderness: internal (held
// along both edges, a web) or outstand (one free edge, a lip).
struct PlateElement {
    std::string name;
    bool internal = true;
    double width_mm = 0.0;
    double thickness_mm = 0.0;
};

// Structural steel grades for inserts; f_y for t <= 40 mm in steelYieldStrength_Nmm2.
enum class SteelGrade { S235, S275, S355 };

// A steel insert inside an aluminium profile: it adds stiffness and takes a share of the
// moment in proportion to E I.
struct SteelInsert {
    double ix_cm4 = 0.0;
    double wx_cm3 = 0.0;
    SteelGrade grade = SteelGrade::S235;
};

// The section values a catalogue may give beyond those the selection needs; empty where the
// file gives none.
struct SectionExtras {
    std::optional<double> iy_cm4;
    std::optional<double> wy_cm3;
    std::optional<double> area_cm2;
    std::optional<double> mass_kg_m;
    std::string alloy;
    std::vector<PlateElement> elements;
    std::optional<SteelInsert> steel;
};

// A mullion is suggested only where its Ix covers the requirement, so its band is derived
// from the profiles: lower_cm4 is the Ix of the row before (0 for the first row), upper_cm4
// its own Ix in cm4 (ix_mm4 / 10000), or with a steel insert the effective Ix
// I_al + I_st E_st / E_al.
struct MullionRow {
    double lower_cm4 = 0.0;
    double upper_cm4 = 0.0;
    std::string code;
    std::int32_t ix_mm4 = 0;  // the aluminium profile's own
    double fibre_mm = 0.0;    // neutral axis to the extreme fibre
    double wx_cm3 = 0.0;      // as the file gives it, else Ix / e
    SectionExtras extras;
};

// A transom row is chosen either by a band of the required value J, lower_cm4 < J <=
// upper_cm4 (the built-in rows: no section values), or, where the catalogue gives its
// properties, like a mullion: lower_cm4 and upper_cm4 are then derived from the Ix values.
struct TransomRow {
    double lower_cm4 = 0.0;
    double upper_cm4 = 0.0;
    std::string code;
    bool byBand = true;
    std::int32_t ix_mm4 = 0;               // rows with properties only
    std::optional<double> fibre_mm;        // where e_mm or Wx_cm3 is given
    std::optional<double> wx_cm3;
    SectionExtras extras;
};

// One system's profiles. A design refers to the codes of the rows it suggests, so a catalogue
// outlives the designs made with it.
struct Catalogue {
    std::string name;
    CatalogueUse use = CatalogueUse::Vertical;
    // Ascending by (upper_cm4, mass, code): the first row that covers a requirement is the
    // smallest that does.
    std::vector<MullionRow> mullions;
    // Either all bands (disjoint, ascending) or all rows with properties, ordered as the
    // mullions.
    std::vector<TransomRow> transoms;
    // Bands tried before the others when the upper span is short (two spans, L2 / L1 < 0.2):
    // the Terrax series takes the Veltra transoms there where they match.
    std::vector<TransomRow> shortUpperSpanTransoms;
};

// The first row whose Ix (cm4, effective with a steel insert) is at least the required Jx > 0:
// the smallest by (Ix, mass, code); nothing (nullptr) for a requirement of 0 or less or above
// the largest Ix. A binary search over the sorted rows.
const MullionRow* chooseMullion(const Catalogue& catalogue, double requiredJx_cm4);
// The row whose band holds the requirement, the short-upper-span bands first where the span
// case is that one; or, for rows with properties, the first whose Ix covers it as for the
// mullions. Nothing when no row holds it.
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
