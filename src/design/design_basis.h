#pragma once

namespace cw {

// What a run checks the mullion against: one allowable stress (9,5 kN/cm2), or the limit
// states of EN 1990 with the resistance of EN 1999-1-1.
enum class DesignBasis { Allowable, LimitStates };

}  // namespace cw
