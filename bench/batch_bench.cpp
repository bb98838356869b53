// Bays per second through the batch, CSV in and CSV out in memory: a mixed schedule (three
// series, the static systems each offers, bands, typed pressures and wind speeds, a refused
// row in twenty), each row read, entered into the window's model, run and written.

#include "batch/batch_run.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string schedule(int rows) {
    std::string s =
        "id,series,system,A1,A2,L1,L2,H1,H2,glass,band,pressure,speed,d,f,"
        "structure_weight,snow_height,slope\n";
    const char* series[] = {"veltra", "korin", "terrax"};
    const char* systems[] = {"one-span", "two-spans", "fixed-ends"};
    const char* bands[] = {"0-8", "8-20", "20-100"};
    for (int i = 0; i < rows; ++i) {
        const int kind = i % 3;
        const char* system = kind == 2 ? systems[(i / 3) % 2] : systems[(i / 3) % 3];
        const int l1 = 200 + i % 300;
        s += "B-" + std::to_string(i) + "," + series[kind] + "," + system + "," +
             std::to_string(100 + i % 150) + "," + std::to_string(90 + i % 120) + "," +
             std::to_string(i % 20 == 19 ? -l1 : l1) + "," +
             (std::string(system) == "two-spans" ? std::to_string(l1 / 2) : "") + ",100," +
             std::to_string(150 + i % 100) + ",10,";
        switch (i % 5) {
        case 3: s += ",1.1,"; break;
        case 4: s += ",,130"; break;
        default: s += std::string(bands[i % 3]) + ",,";
        }
        s += ",200,15,0.1,100,30\n";
    }
    return s;
}

class NullSink : public cw::batch::ResultSink {
public:
    void header(const std::vector<std::string>&) override {}
    void row(const std::vector<std::string>& fields) override {
        benchmark::DoNotOptimize(fields.data());
    }
    std::optional<std::string> finish(cw::Language) override { return std::nullopt; }
    std::string name() const override { return "null"; }
};

void BM_BatchCsvToCsv(benchmark::State& state) {
    const std::string text = schedule(int(state.range(0)));
    cw::batch::BatchOptions options;
    for (auto _ : state) {
        std::istringstream in(text);
        std::ostringstream out;
        auto sink = cw::batch::csvSink(out, "out", ',', false);
        const auto summary = cw::batch::runBatch(in, "bench", text.size(), *sink, options);
        benchmark::DoNotOptimize(summary.rows);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetLabel("items = bays");
}

// The same without writing the results: what the design of the rows costs alone.
void BM_BatchDesignOnly(benchmark::State& state) {
    const std::string text = schedule(int(state.range(0)));
    cw::batch::BatchOptions options;
    for (auto _ : state) {
        std::istringstream in(text);
        NullSink sink;
        const auto summary = cw::batch::runBatch(in, "bench", text.size(), sink, options);
        benchmark::DoNotOptimize(summary.rows);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetLabel("items = bays");
}

// examples/schedule.csv repeated to `rows` rows (its refused rows too), on the allowable basis
// as it is, or with a basis column asking for the limit states on every row.
std::string sampleSchedule(int rows, bool limitStates) {
    std::ifstream in(CW_EXAMPLES_DIR "/schedule.csv", std::ios::binary);
    std::string header;
    std::getline(in, header);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        if (!line.empty())
            lines.push_back(line);
    if (lines.empty())
        return header + "\n";
    std::string s = header + (limitStates ? ",basis\n" : "\n");
    for (int i = 0; i < rows; ++i)
        s += lines[std::size_t(i) % lines.size()] + (limitStates ? ",limit-states\n" : "\n");
    return s;
}

// The sample schedule CSV to CSV; argument 1 on the limit-state basis.
void BM_BatchSampleSchedule(benchmark::State& state) {
    const std::string text = sampleSchedule(int(state.range(0)), state.range(1) != 0);
    cw::batch::BatchOptions options;
    for (auto _ : state) {
        std::istringstream in(text);
        std::ostringstream out;
        auto sink = cw::batch::csvSink(out, "out", ',', false);
        const auto summary = cw::batch::runBatch(in, "bench", text.size(), *sink, options);
        benchmark::DoNotOptimize(summary.rows);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetLabel(state.range(1) != 0 ? "limit states, items = bays" : "allowable, items = bays");
}

}  // namespace

BENCHMARK(BM_BatchSampleSchedule)
    ->Args({100000, 0})
    ->Args({100000, 1})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BatchCsvToCsv)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BatchDesignOnly)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
