#pragma once

// The limit-state check of one bay's mullion and transom: EN 1990 combinations of wind
// (pressure and suction), dead load and snow, the mullion analysed by the stiffness method
// for its static system, and EN 1999-1-1 cross-section resistance, with the anchor forces
// the bracket designer needs. Numbers only; the words are the text table's.

#include "design/actions.h"
#include "design/alloys.h"
#include "design/bay.h"
#include "design/section_resistance.h"

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace cw {

enum class Hanging {
    HungFromTop,     // the top anchor carries the weight: the mullion is in tension
    StandingOnBase,  // the bottom anchor carries it: the mullion is in compression
};

struct LimitStateSection {
    double ix_cm4 = 0.0;  // about the axis the wind bends
    double wx_cm3 = 0.0;
    std::optional<double> wplx_cm3;
    std::optional<double> weffx_cm3;
    double iy_cm4 = 0.0;  // about the other axis (a transom under the glass weight)
    double wy_cm3 = 0.0;
    double area_cm2 = 0.0;                // 0: unknown, the axial check is not made
    std::optional<double> shearArea_cm2;  // else the webs among the parts
    std::span<const SectionPart> parts;   // none: the class is not verified
    std::optional<double> mass_kgm;       // none: the profile's weight is left out, noted
    double wallThickness_mm = 0.0;        // for the alloy's band; 0: the thickest part
};

struct LimitStateInput {
    const Alloy* alloy = nullptr;  // nullptr: the default alloy
    PartialFactors factors;
    Hanging hanging = Hanging::HungFromTop;
    bool sloped = false;  // sloped glazing at BayInput::slope_deg: weight and snow across it
    double sk_kNm2 = 0.0;
    double Ce = 1.0;
    double Ct = 1.0;
    LimitStateSection mullion;
    std::optional<LimitStateSection> transom;
    double settingBlockFraction = 0.25;  // a / L of the two setting blocks on the transom
};

enum class CheckId {
    MullionBending,          // EN 1999-1-1 6.2.5
    MullionShear,            // 6.2.6
    MullionBendingShear,     // 6.2.8
    MullionAxialBending,     // 6.2.9
    MullionDeflection,       // EN 13830, characteristic
    TransomBending,          // 6.2.9, wind and glass weight together
    TransomDeflection,       // EN 13830 under wind
    TransomBlockDeflection,  // the setting blocks: min(L/500, 3 mm) or L/500
};

struct LimitStateCheck {
    CheckId id = CheckId::MullionBending;
    std::string_view clause;
    CombinationId combination = CombinationId::WindPressure;  // the one that gave E_d
    double Ed = 0.0;  // kNm, kN, mm; an interaction's value against Rd 1
    double Rd = 0.0;
    double utilisation = 0.0;  // Ed / Rd rounded up to three decimals
    bool passes = false;
};

enum class LimitStateVerdict {
    Passes,
    // Every check passes, but something was assumed rather than verified: the section class
    // (elastic resistance assumed), W_eff, the shear area, shear or member buckling.
    PassesUnverified,
    Fails,
};

// Reactions of one anchor, kN. Across: normal to the glazing (positive resists pressure);
// along: the weight in the mullion's axis, at the anchor that carries it.
struct AnchorForce {
    double x_m = 0.0;
    double pressureChar_kN = 0.0, pressureUlt_kN = 0.0;
    double suctionChar_kN = 0.0, suctionUlt_kN = 0.0;
    double deadAcrossChar_kN = 0.0, deadAcrossUlt_kN = 0.0;
    double deadAlongChar_kN = 0.0, deadAlongUlt_kN = 0.0;
};

// The line load across the glazing that one combination puts on the mullion, kN/m, signed as
// the wind is (negative: suction): what the mullion's diagrams under it are drawn from.
struct CombinationLoad {
    CombinationId combination = CombinationId::WindPressure;
    bool ultimate = true;
    double q_kNm = 0.0;
};

// The transom as its checks took it, characteristic, on a simple span L: about the strong
// axis the wind of each pane beside it as a symmetric trapezoid (peak w, ramps c), about the
// weak axis the pane's weight P on two setting blocks at a from each end. The bending check
// takes the wind by gammaQ and the weight by gammaG,sup; the deflections are characteristic.
struct TransomTrapezoid {
    double w_kNm = 0.0;
    double c_m = 0.0;
};

struct TransomLoads {
    double span_m = 0.0;
    std::array<TransomTrapezoid, 2> wind{};  // the pane above, the pane below
    double blockLoad_kN = 0.0;
    double blockX_m = 0.0;  // a, at most L / 2
    double EIx_kNm2 = 0.0;
    double EIy_kNm2 = 0.0;
    double gammaWind = 1.0;
    double gammaDead = 1.0;
};

struct LimitStateResult {
    bool valid = false;  // false: the bay or a section cannot be checked
    std::array<LimitStateCheck, 8> checks{};
    int checkCount = 0;
    int governing = -1;  // the check with the highest utilisation
    LimitStateVerdict verdict = LimitStateVerdict::Fails;

    int mullionClass = 0;  // 0: not verified
    double fo_MPa = 0.0;
    double fu_MPa = 0.0;
    bool sectionClassNotVerified = false;  // elastic resistance assumed
    bool transomClassNotVerified = false;
    bool effectiveModulusEstimated = false;  // class 4 without W_eff
    bool profileMassUnknown = false;
    bool shearNotVerified = false;           // no shear area
    bool shearBucklingNotCovered = false;    // a web beyond 39 eps
    bool memberBucklingNotVerified = false;  // compression: 6.3 is not in these checks
    bool axialNotVerified = false;           // an axial force on a section of unknown area
    bool thicknessOutsideAlloyTable = false;

    std::array<AnchorForce, 3> anchors{};
    int anchorCount = 0;
    // The mullion as the checks took it: each combination's load, in the order checked, on a
    // beam of the bay's static system with this stiffness.
    std::array<CombinationLoad, 6> mullionLoads{};
    int mullionLoadCount = 0;
    double mullionEI_kNm2 = 0.0;
    double requiredTransomIy_cm4 = 0.0;  // for the setting-block limit
    std::optional<TransomLoads> transomLoads;  // where the transom was checked
};

// What a pass can rest on that the checks did not verify, in the order a report notes them.
enum class Assumption {
    SectionClass,      // elastic resistance assumed
    TransomClass,      // the transom's, likewise
    Axial,             // an axial force on a section of unknown area
    Shear,             // no shear area
    ShearBuckling,     // a web beyond 39 eps
    MemberBuckling,    // compression: 6.3 is not in these checks
    EffectiveModulus,  // class 4 without W_eff
};

struct AssumptionFlag {
    Assumption assumption;
    bool LimitStateResult::*flag;
};

// The one list the verdict and the notes both read: a flag left out of it would let a pass
// that rests on it read as verified.
inline constexpr AssumptionFlag kAssumptionFlags[] = {
    {Assumption::SectionClass, &LimitStateResult::sectionClassNotVerified},
    {Assumption::TransomClass, &LimitStateResult::transomClassNotVerified},
    {Assumption::Axial, &LimitStateResult::axialNotVerified},
    {Assumption::Shear, &LimitStateResult::shearNotVerified},
    {Assumption::ShearBuckling, &LimitStateResult::shearBucklingNotCovered},
    {Assumption::MemberBuckling, &LimitStateResult::memberBucklingNotVerified},
    {Assumption::EffectiveModulus, &LimitStateResult::effectiveModulusEstimated},
};

bool restsOnAssumptions(const LimitStateResult& r);

// The verdict of the checks made, and their governing check: a failure anywhere fails, a
// pass resting on an assumption says so, and a utilisation that is not a number makes the
// result invalid.
void concludeChecks(LimitStateResult& r);

// Rounds a utilisation up to three decimals; a value a rounding error above a step stays on it.
double roundUpUtilisation(double u);

LimitStateResult checkLimitStates(const BayInput& bay, const LimitStateInput& in);

}  // namespace cw
