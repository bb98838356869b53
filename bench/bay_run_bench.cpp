// Bays per second through runBay under each design basis: the same Veltra bays (one span,
// two spans, fixed ends; spans from 2 to 5 m) designed by the allowable stress and by the
// limit states, which check the catalogue's mullions from the run's choice upward.

#include "bay/bay_run.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

std::vector<cw::BayDocument> bays(cw::DesignBasis basis) {
    std::vector<cw::BayDocument> out;
    const cw::StaticSystem systems[] = {cw::StaticSystem::OneSpan, cw::StaticSystem::TwoSpans,
                                        cw::StaticSystem::FixedEnds};
    for (int i = 0; i < 300; ++i) {
        cw::BayDocument d;
        d.series = cw::Series::Veltra;
        d.staticSystem = systems[i % 3];
        d.wind = cw::WindSource::TypedPressure;
        d.windPressure_kNm2 = std::to_string(0.5 + (i % 7) * 0.2);
        d.gridWidthA1_cm = std::to_string(100 + i % 60);
        d.gridWidthA2_cm = std::to_string(90 + i % 50);
        d.spanL1_cm = std::to_string(200 + i % 300);
        d.spanL2_cm = std::to_string(100 + i % 100);
        d.glazingHeightH1_cm = "100";
        d.glazingHeightH2_cm = "150";
        d.glassThickness_mm = "10";
        d.deflectionDivisor = "200";
        d.allowableDeflection_mm = "15";
        d.basis = basis;
        out.push_back(std::move(d));
    }
    return out;
}

void run(benchmark::State& state, cw::DesignBasis basis) {
    const std::vector<cw::BayDocument> docs = bays(basis);
    const cw::NumberFormat fmt = cw::NumberFormat::fromLocale("en_US");
    for (auto _ : state)
        for (const cw::BayDocument& d : docs) {
            const cw::BayOutcome o = cw::runBay(d, fmt);
            benchmark::DoNotOptimize(o.completed);
        }
    state.SetItemsProcessed(state.iterations() * std::int64_t(docs.size()));
}

void BM_RunBayAllowable(benchmark::State& state) {
    run(state, cw::DesignBasis::Allowable);
}
void BM_RunBayLimitStates(benchmark::State& state) {
    run(state, cw::DesignBasis::LimitStates);
}
BENCHMARK(BM_RunBayAllowable);
BENCHMARK(BM_RunBayLimitStates);

}  // namespace

BENCHMARK_MAIN();
