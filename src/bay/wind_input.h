#pragma once

#include <cstdint>

namespace cw {

// How the pressure in force is read at the next run: from the pressure field once after the
// pressure button, as kept after the speed button, and as kept once a run has taken it.
enum class WindInput : std::int16_t { Taken = 0, TypedPressure = 1, FromSpeed = 2 };

}  // namespace cw
