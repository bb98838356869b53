#pragma once

// A mullion or transom as a straight beam, by the stiffness method: Euler-Bernoulli beam
// elements with two nodes, the exact fixed-end forces of their loads, and between the nodes
// the exact solution of each element (its end values plus the fixed-fixed solution of its
// own load), so no value along the beam is an interpolation of another.

#include "design/bay.h"

#include <array>
#include <span>

namespace cw {

// A concentrated force at x from the first support, kN, acting with the line load.
struct PointLoad {
    double x_m = 0.0;
    double force_kN = 0.0;
};

struct BeamLayout {
    StaticSystem system = StaticSystem::OneSpan;
    double spanL1_m = 0.0;
    double spanL2_m = 0.0;  // two spans only
    double EI_kNm2 = 0.0;
    int elementsPerSpan = 2;  // 1 to kMaxElementsPerSpan
};

struct BeamLoads {
    double q_kNm = 0.0;  // uniform over the whole length, in the direction of the deflection
    std::span<const PointLoad> points = {};  // at most kMaxPointLoads
};

inline constexpr int kMaxElementsPerSpan = 4;
inline constexpr int kMaxPointLoads = 8;
inline constexpr int kStationsPerSpan = 50;  // intervals; 51 stations a span, shared ends once

// Signs: the deflection and the loads are positive in one direction; a sagging moment
// (the face away from the load in tension) is positive; the shear is dM/dx; a reaction is
// positive when it resists the load (a negative one holds the beam down).
struct BeamStation {
    double x_m = 0.0;
    double moment_kNm = 0.0;
    double shear_kN = 0.0;  // at a point load on x, the value on the side of x = 0
    double deflection_mm = 0.0;
};

struct BeamExtreme {
    double value = 0.0;
    double x_m = 0.0;
};

inline constexpr int kMaxStations = 2 * kStationsPerSpan + 1;

struct BeamResult {
    bool valid = false;    // false for a span, stiffness or load the method cannot take
    int stationCount = 0;  // written to the stations given, where there are any
    // Supports from x = 0 up: two for one span and fixed ends, three for two spans.
    std::array<double, 3> supportX_m{};
    std::array<double, 3> reactions_kN{};
    std::array<double, 3> supportMoments_kNm{};  // zero at a pin's end, hogging < 0
    int supportCount = 0;
    BeamExtreme maxMoment;  // the largest sagging moment (0 where there is none)
    BeamExtreme minMoment;  // the largest hogging moment (0 where there is none)
    BeamExtreme maxShear;   // the largest |V|, signed
    // The largest |w|, signed: where the slope is zero (Newton from the best of eight points
    // a span) or at a span's end.
    BeamExtreme maxDeflection;
    std::array<BeamExtreme, 2> spanMaxDeflection{};  // the same within each span
};

// `stations`, where given, must hold kMaxStations: 50 intervals a span, from x = 0.
BeamResult analyseBeam(const BeamLayout& beam, const BeamLoads& loads,
                       std::span<BeamStation> stations = {});

}  // namespace cw
