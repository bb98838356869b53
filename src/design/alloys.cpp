#include "design/alloys.h"

#include <array>
#include <cctype>
#include <string>

namespace cw {
namespace {

// EN 1999-1-1:2007 (+A1:2009), Table 3.2b "Characteristic values of 0,2 % proof strength f_o
// and ultimate tensile strength f_u ... buckling class ... Extruded profiles, extruded tube,
// extruded rod/bar and drawn tube", the rows for extruded profiles (EP, EP/O, EP/H) only.
// Checked against a reproduction of the table (dnaop.com/html/60238_7.html, rows 6060, 6061,
// 6063, 6005A). Two values there differ from figures often quoted from memory and the table
// wins: 6063 T6 is 160/195 (not 170/215) and 6061 T6 holds to t <= 20 (not 25).
// The 6082 rows were not in the part of the reproduction found. Their strengths (T5 t <= 5:
// 230/270; T6 t <= 5: 250/290, 5 < t <= 15: 260/310) agree with the minimum values EN 755-2
// gives for extruded profiles of 6082 (a maker's reproduction of its table, doczz.it
// "tabella catalogo eng 6082"), which are the source of Table 3.2b; of the two upper thickness
// limits (15 here, 25 in EN 755-2) the lower is kept. 6082 T5 is given buckling class B,
// the lower of the two, as its class was not in what was found.
constexpr std::array<Alloy, 11> kAlloys{{
    {"6060 T5", "EP, ET, ER/B", BucklingClass::B, {{5.0, 120.0, 160.0}, {25.0, 100.0, 140.0}}, 2},
    {"6060 T6", "EP, ET, ER/B", BucklingClass::A, {{15.0, 140.0, 170.0}}, 1},
    {"6060 T66", "EP, ET, ER/B", BucklingClass::A, {{3.0, 160.0, 215.0}, {25.0, 150.0, 195.0}}, 2},
    {"6061 T6", "EP, ET, ER/B, DT", BucklingClass::A, {{20.0, 240.0, 260.0}}, 1},
    {"6063 T5", "EP, ET, ER/B", BucklingClass::B, {{3.0, 130.0, 175.0}, {25.0, 110.0, 160.0}}, 2},
    {"6063 T6", "EP, ET, ER/B", BucklingClass::A, {{25.0, 160.0, 195.0}}, 1},
    {"6063 T66", "EP, ET, ER/B", BucklingClass::A, {{10.0, 200.0, 245.0}, {25.0, 180.0, 225.0}}, 2},
    {"6005A T6 EP/O",
     "EP/O, ER/B",
     BucklingClass::A,
     {{5.0, 225.0, 270.0}, {10.0, 215.0, 260.0}, {25.0, 200.0, 250.0}},
     3},
    {"6005A T6 EP/H", "EP/H, ET", BucklingClass::A, {{5.0, 215.0, 255.0}, {10.0, 200.0, 250.0}}, 2},
    {"6082 T5", "EP/O, EP/H, ET", BucklingClass::B, {{5.0, 230.0, 270.0}}, 1},
    {"6082 T6", "EP/O, EP/H, ET", BucklingClass::A, {{5.0, 250.0, 290.0}, {15.0, 260.0, 310.0}}, 2},
}};

constexpr std::size_t kDefault = 1;  // 6060 T6

std::string upper(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (char c : s)
        out.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    return out;
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

bool eat(std::string_view& s, std::string_view prefix) {
    if (s.substr(0, prefix.size()) != prefix)
        return false;
    s.remove_prefix(prefix.size());
    return true;
}

void eatSpaces(std::string_view& s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
}

// Canonical "ALLOY TEMPER[ FORM]" from a name written by a person, or "" where it is none.
std::string canonical(std::string_view raw) {
    const std::string up = upper(trim(raw));
    std::string_view s = up;
    if (!eat(s, "EN AW-") && !eat(s, "EN AW ") && !eat(s, "EN-AW-"))
        eat(s, "AW-");
    std::string alloy;
    while (!s.empty() && std::isdigit(static_cast<unsigned char>(s.front()))) {
        alloy.push_back(s.front());
        s.remove_prefix(1);
    }
    if (alloy.size() != 4)
        return {};
    if (eat(s, "A"))
        alloy.push_back('A');
    if (!eat(s, "-"))
        eatSpaces(s);
    if (s.empty() || s.front() != 'T')
        return {};
    std::string temper = "T";
    s.remove_prefix(1);
    while (!s.empty() && std::isdigit(static_cast<unsigned char>(s.front()))) {
        temper.push_back(s.front());
        s.remove_prefix(1);
    }
    if (temper.size() == 1)
        return {};
    std::string result = alloy + " " + temper;
    if (s.empty())
        return result;
    if (s.front() != ' ')
        return {};
    eatSpaces(s);
    if (s != "EP/O" && s != "EP/H")
        return {};
    return result + " " + std::string(s);
}

}  // namespace

std::span<const Alloy> alloys() {
    return kAlloys;
}

const Alloy& defaultAlloy() {
    return kAlloys[kDefault];
}

const Alloy* findAlloy(std::string_view name) {
    std::string key = canonical(name);
    if (key.empty())
        return nullptr;
    if (key == "6005A T6")
        key += " EP/H";
    for (const Alloy& a : kAlloys)
        if (a.name == key)
            return &a;
    // A product form is allowed on any alloy whose row covers both forms.
    const std::size_t form = key.find(" EP/");
    if (form != std::string::npos) {
        const std::string_view bare = std::string_view(key).substr(0, form);
        for (const Alloy& a : kAlloys)
            if (a.name == bare)
                return &a;
    }
    return nullptr;
}

std::optional<AlloyStrength> strengthFor(const Alloy& alloy, double thickness_mm) {
    if (!(thickness_mm > 0.0))
        return std::nullopt;
    for (int i = 0; i < alloy.bandCount; ++i) {
        const AlloyBand& b = alloy.bands[i];
        if (thickness_mm <= b.maxThickness_mm)
            return AlloyStrength{b.fo_MPa, b.fu_MPa};
    }
    return std::nullopt;
}

}  // namespace cw
