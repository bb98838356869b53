// checkLimitStates alone: how many bays a second one core checks in the limit-state basis
// (target: 1 000 000), beside designBay's figure in design_bench.

#include "design/limit_state_check.h"

#include <benchmark/benchmark.h>

namespace cw {
namespace {

// RHS 180 x 120 x 6 as a catalogue would give its parts.
const SectionPart kParts[] = {{"web", PartKind::Internal, 168, 6, -1.0, false, true},
                              {"web", PartKind::Internal, 168, 6, -1.0, false, true},
                              {"flange", PartKind::Internal, 108, 6, 1.0},
                              {"flange", PartKind::Internal, 108, 6, 1.0}};

BayInput bay(StaticSystem system, double L2, double slope) {
    BayInput in;
    in.system = system;
    in.gridWidthA1_cm = 120.0;
    in.gridWidthA2_cm = 90.0;
    in.spanL1_cm = 300.0;
    in.spanL2_cm = L2;
    in.glazingHeightH1_cm = 100.0;
    in.glazingHeightH2_cm = 200.0;
    in.glassThickness_mm = 10.0;
    in.windPressure_kNm2 = 0.8;
    in.slope_deg = slope;
    return in;
}

LimitStateInput input(bool withParts, bool withTransom, bool sloped) {
    LimitStateInput in;
    in.mullion.ix_cm4 = 1564.2;
    in.mullion.wx_cm3 = 173.8;
    in.mullion.wplx_cm3 = 209.95;
    in.mullion.area_cm2 = 34.6;
    in.mullion.mass_kgm = 9.3;
    if (withParts)
        in.mullion.parts = kParts;
    in.sloped = sloped;
    in.sk_kNm2 = 1.0;
    if (withTransom) {
        LimitStateSection t;
        t.ix_cm4 = 120.0;
        t.wx_cm3 = 20.0;
        t.iy_cm4 = 40.0;
        t.wy_cm3 = 10.0;
        t.area_cm2 = 8.0;
        in.transom = t;
    }
    return in;
}

void checkBays(benchmark::State& state, BayInput bayIn, LimitStateInput in) {
    double span = bayIn.spanL1_cm;
    for (auto _ : state) {
        // A different span each time, so nothing is hoisted out of the loop.
        bayIn.spanL1_cm = span;
        span = span < 600.0 ? span + 0.5 : 250.0;
        LimitStateResult r = checkLimitStates(bayIn, in);
        benchmark::DoNotOptimize(r);
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK_CAPTURE(checkBays, one_span_built_in, bay(StaticSystem::OneSpan, 0, 0),
                  input(false, false, false));
BENCHMARK_CAPTURE(checkBays, two_spans_parts_transom, bay(StaticSystem::TwoSpans, 150, 0),
                  input(true, true, false));
BENCHMARK_CAPTURE(checkBays, fixed_ends_parts_transom, bay(StaticSystem::FixedEnds, 0, 0),
                  input(true, true, false));
BENCHMARK_CAPTURE(checkBays, sloped_snow_transom, bay(StaticSystem::OneSpan, 0, 30),
                  input(true, true, true));

}  // namespace
}  // namespace cw

BENCHMARK_MAIN();
