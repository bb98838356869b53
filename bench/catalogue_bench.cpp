// User catalogues at their largest, 10 000 rows: reading one (target: under 50 ms) and
// designing bays with one (target: above 1 000 000 bays a second on one core).

#include "design/bay.h"
#include "design/catalogue_reader.h"
#include "files/catalogue_file.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace cw {
namespace {

// Every column in use, rows shuffled so that the reader sorts them.
std::string largeCatalogue(int mullions, int transoms) {
    std::vector<std::string> rows;
    for (int i = 0; i < mullions + transoms; ++i) {
        const bool mullion = i < mullions;
        const int k = mullion ? i : i - mullions;
        const std::string ix = std::to_string(10 + k / 4) + "." + std::to_string(1000 + k % 9000);
        std::string row = "Large,vertical," + std::string(mullion ? "M-" : "T-") +
                          std::to_string(k) + (mullion ? ",mullion," : ",transom,") + ix +
                          (mullion ? ",57.15," : ",,") + "40.5,12.25,6.5," +
                          std::to_string(1 + k % 7) + ".25,6060 T6,"
                          "\"web:i:120×2.5;flange:i:50×2;lip:o:15×2\",";
        row += k % 50 == 0 ? "20,4,S235" : ",,";
        rows.push_back(std::move(row));
    }
    std::shuffle(rows.begin(), rows.end(), std::mt19937(7));
    std::string text =
        "system,use,code,role,Ix_cm4,e_mm,Iy_cm4,Wy_cm3,A_cm2,mass_kg_m,alloy,elements,"
        "steel_Ix_cm4,steel_Wx_cm3,steel_grade\n";
    for (const std::string& row : rows)
        text += row + "\n";
    return text;
}

const std::string& text10000() {
    static const std::string text = largeCatalogue(8000, 2000);
    return text;
}

void readText(benchmark::State& state) {
    const std::string& text = text10000();
    for (auto _ : state) {
        CatalogueRead r = readCatalogue(text, "large.csv");
        if (!r.catalogue)
            state.SkipWithError(describeCatalogueFaults("large.csv", r.faults).c_str());
        benchmark::DoNotOptimize(r);
    }
    state.counters["bytes"] = double(text.size());
}
BENCHMARK(readText)->Unit(benchmark::kMillisecond);

void loadFile(benchmark::State& state) {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / "cw_catalogue_bench.csv";
    std::ofstream(path, std::ios::binary) << text10000();
    for (auto _ : state) {
        files::CatalogueLoad load = files::loadCatalogueFile(path);
        if (!load.catalogue)
            state.SkipWithError(load.message.c_str());
        benchmark::DoNotOptimize(load);
    }
    std::filesystem::remove(path);
}
BENCHMARK(loadFile)->Unit(benchmark::kMillisecond);

void designWithLargeCatalogue(benchmark::State& state) {
    const CatalogueRead r = readCatalogue(text10000(), "large.csv");
    if (!r.catalogue) {
        state.SkipWithError("the catalogue did not read");
        return;
    }
    BayInput in;
    in.system = StaticSystem::OneSpan;
    in.gridWidthA1_cm = 120.0;
    in.gridWidthA2_cm = 90.0;
    in.glazingHeightH1_cm = 100.0;
    in.glazingHeightH2_cm = 200.0;
    in.glassThickness_mm = 10.0;
    in.windPressure_kNm2 = 0.8;
    double span = 250.0;
    std::size_t suggested = 0;
    for (auto _ : state) {
        // Spans from 2,5 to 6 m: requirements across the whole catalogue and past its end.
        in.spanL1_cm = span;
        span = span < 600.0 ? span + 0.37 : 250.0;
        BayDesign d = designBay(in, *r.catalogue);
        suggested += d.mullion ? 1U : 0U;
        benchmark::DoNotOptimize(d);
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["suggested"] =
        benchmark::Counter(double(suggested) / double(state.iterations()));
}
BENCHMARK(designWithLargeCatalogue);

}  // namespace
}  // namespace cw

BENCHMARK_MAIN();
