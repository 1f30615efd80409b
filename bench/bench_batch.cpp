// Throughput of the batch interface: cases answered per second in one thread.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "batch.h"

namespace {

/// Cases spread over four centuries, the day, both hemispheres and all zones,
/// with a tenth of them failing a check.
std::vector<std::string> makecases(size_t n) {
    std::mt19937 rng(2006);
    auto in = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    std::vector<std::string> cases;
    for (size_t i = 0; i < n; ++i) {
        cases.push_back(std::to_string(in(1, 28)) + '\t' + std::to_string(in(1, 12)) + '\t' +
                        std::to_string(in(1800, 2200)) + '\t' + std::to_string(in(0, 23)) + '\t' +
                        std::to_string(in(0, 59)) + '\t' + std::to_string(in(-12, 12)) + '\t' +
                        std::to_string(in(0, 1)) + '\t' + std::to_string(in(-900, 900) / 10.0) +
                        '\t' + std::to_string(in(-2000, 1800) / 10.0));
    }
    return cases;
}

void BM_BatchLine(benchmark::State& state) {
    const std::vector<std::string> cases = makecases(4096);
    std::string out;
    size_t i = 0;
    for (auto _ : state) {
        out.clear();
        quorvel::cli::answerbatchline(cases[i++ % cases.size()], out);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_BatchLine);

}  // namespace
