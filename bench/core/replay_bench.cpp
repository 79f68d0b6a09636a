#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "tools/replay/replay.h"

namespace {

// A million Add keys through the replay: token reading, dispatcher, engine, decimal add,
// formatting and the tape store, as the audits run them.
void BM_ReplayOfAddOperations(benchmark::State& state) {
    const auto operations = static_cast<std::size_t>(state.range(0));
    std::string tokens = "k1 k2 k27 k3 k4 ";
    tokens.reserve(tokens.size() + operations * 4);
    for (std::size_t k = 0; k < operations; ++k) {
        tokens += "k15 ";
    }
    for (auto _ : state) {
        std::istringstream input(tokens);
        std::ostringstream out;
        std::ostringstream err;
        benchmark::DoNotOptimize(vantrel::RunReplay({}, input, out, err));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReplayOfAddOperations)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
