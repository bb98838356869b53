#pragma once

// Aluminium alloys and tempers for extruded profiles, with the characteristic strengths and
// buckling class the limit-state checks need (EN 1999-1-1, Table 3.2b).

#include <optional>
#include <span>
#include <string_view>

namespace cw {

enum class BucklingClass { A, B };

// One thickness band of a temper: it holds for previous band's limit < t <= maxThickness_mm.
struct AlloyBand {
    double maxThickness_mm;
    double fo_MPa;  // 0,2 % proof strength
    double fu_MPa;  // ultimate tensile strength
};

struct Alloy {
    std::string_view name;         // canonical: "6060 T6", "6005A T6 EP/O"
    std::string_view productForm;  // as the table prints it: "EP, ET, ER/B", "EP/H, ET", ...
    BucklingClass bucklingClass;
    AlloyBand bands[3];
    int bandCount;
};

struct AlloyStrength {
    double fo_MPa;
    double fu_MPa;
};

// Every alloy in the table, in the table's order.
std::span<const Alloy> alloys();

// 6060 T6: the common façade extrusion.
const Alloy& defaultAlloy();

// Finds an alloy by name; nullptr where none matches. Accepted: an optional "EN AW-" or
// "AW-" prefix (or "EN AW " with a space), the alloy number, then the temper, separated by
// spaces, one hyphen or nothing ("6060 T6", "EN AW-6060 T6", "en aw 6060-t6", "6060T6"),
// for 6005A optionally a product form "EP/O" (open) or "EP/H" (hollow) after the temper.
// Letters may be of either case; spaces before and after are ignored. 6005A T6 without a
// product form is the hollow-profile row, the lower of the two, so an unnamed form is safe.
const Alloy* findAlloy(std::string_view name);

// The strengths for a wall thickness; nothing where t is outside the table's range (t <= 0
// or thicker than the last band), since the table gives no value there.
std::optional<AlloyStrength> strengthFor(const Alloy& alloy, double thickness_mm);

}  // namespace cw
