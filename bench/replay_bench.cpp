// NEXT runs per second through the replay tool's script reader: the setup of one Veltra
// bay, then many presses of NEXT, each a full design run with its checks.

#include "app/replay_script.h"

#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

namespace {

std::string script(int presses, const char* series, const char* system, const char* l2) {
    std::string s = std::string("click ") + series + "\nclick " + system +
                    "\ntype Text4 120\ntype Text7 90\ntype Text2 400\n";
    if (l2)
        s += std::string("type Text13 ") + l2 + "\n";
    s += "type Text10 100\ntype Text12 150\nclick Option2\nclick Command15\n";
    for (int i = 0; i < presses; ++i)
        s += "click Command1\n";
    return s;
}

void runScript(benchmark::State& state, const std::string& text) {
    const cw::NumberFormat fmt{",", "-", "+"};
    for (auto _ : state) {
        std::istringstream in(text);
        std::ostringstream out, err;
        benchmark::DoNotOptimize(cw::runReplay(in, out, err, fmt));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetLabel("items = NEXT runs");
}

void BM_NextRunsVeltraOneSpan(benchmark::State& state) {
    runScript(state, script(int(state.range(0)), "Option10", "Option9", nullptr));
}

void BM_NextRunsKorinTwoSpans(benchmark::State& state) {
    runScript(state, script(int(state.range(0)), "Option11", "Option13", "200"));
}

void BM_NextRunsTerraxSloped(benchmark::State& state) {
    runScript(state, script(int(state.range(0)), "Option12", "Option9", nullptr));
}

}  // namespace

BENCHMARK(BM_NextRunsVeltraOneSpan)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NextRunsKorinTwoSpans)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NextRunsTerraxSloped)->Arg(20000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
