// designBay alone: how many bays a second one core designs (target: 1 000 000).

#include "design/bay.h"

#include <benchmark/benchmark.h>

namespace cw {
namespace {

BayInput bay(Series series, StaticSystem system, double L2) {
    BayInput in;
    in.series = series;
    in.system = system;
    in.gridWidthA1_cm = 120.0;
    in.gridWidthA2_cm = 90.0;
    in.spanL1_cm = 300.0;
    in.spanL2_cm = L2;
    in.glazingHeightH1_cm = 100.0;
    in.glazingHeightH2_cm = 200.0;
    in.glassThickness_mm = 10.0;
    in.windPressure_kNm2 = 0.8;
    in.allowableDeflection_mm = 15.0;
    in.slope_deg = 30.0;
    in.snowHeight_cm = 100.0;
    in.structureWeight_kNm2 = 0.1;
    return in;
}

void designBays(benchmark::State& state, BayInput in) {
    const Catalogue& catalogue = builtInCatalogues().of(in.series);
    double span = in.spanL1_cm;
    for (auto _ : state) {
        // A different span each time, so nothing is hoisted out of the loop.
        in.spanL1_cm = span;
        span = span < 600.0 ? span + 0.5 : 250.0;
        BayDesign d = designBay(in, catalogue);
        benchmark::DoNotOptimize(d);
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK_CAPTURE(designBays, veltra_one_span, bay(Series::Veltra, StaticSystem::OneSpan, 0));
BENCHMARK_CAPTURE(designBays, korin_two_spans,
                  bay(Series::KorinDalvo, StaticSystem::TwoSpans, 150));
BENCHMARK_CAPTURE(designBays, terrax_sloped, bay(Series::Terrax, StaticSystem::OneSpan, 0));

}  // namespace
}  // namespace cw

BENCHMARK_MAIN();
