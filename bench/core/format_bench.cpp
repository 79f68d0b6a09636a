#include <benchmark/benchmark.h>

#include <array>

#include "core/format_value.h"
#include "core/rounding.h"

namespace {

constexpr std::array<double, 6> kValues = {1234.0,    1234.5, 1.0 / 3.0,
                                           -98765.43, 0.0,    999999999999.99};

void FormatViews(benchmark::State& state, vantrel::View view, int mode) {
    const vantrel::LocaleSeparators separators;
    std::size_t index = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vantrel::FormatValue(kValues[index], view, mode, separators));
        index = (index + 1) % kValues.size();
    }
}

void BM_FormatDisplayFloating(benchmark::State& state) {
    FormatViews(state, vantrel::View::Display, vantrel::kFloatingPointMode);
}
BENCHMARK(BM_FormatDisplayFloating);

void BM_FormatDisplayTwoPlaces(benchmark::State& state) {
    FormatViews(state, vantrel::View::Display, 2);
}
BENCHMARK(BM_FormatDisplayTwoPlaces);

void BM_FormatTapeFloating(benchmark::State& state) {
    FormatViews(state, vantrel::View::Tape, vantrel::kFloatingPointMode);
}
BENCHMARK(BM_FormatTapeFloating);

void BM_FormatTapeInteger(benchmark::State& state) {
    FormatViews(state, vantrel::View::Tape, vantrel::kIntegerMode);
}
BENCHMARK(BM_FormatTapeInteger);

}  // namespace
