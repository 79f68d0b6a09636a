#include <benchmark/benchmark.h>

#include <array>

#include "core/decimal_arithmetic.h"

namespace {

// Amounts as a bookkeeper keys them: cents, round sums and the odd large figure.
constexpr std::array<double, 8> kAmounts = {12.34,  1999.99,  0.05, 250.0,
                                            -45.67, 100000.0, 3.15, 98765.43};

void BM_DecimalAddAmounts(benchmark::State& state) {
    double total = 0.0;
    std::size_t index = 0;
    for (auto _ : state) {
        total = vantrel::DecimalAdd(total, kAmounts[index]).value_or(0.0);
        index = (index + 1) % kAmounts.size();
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_DecimalAddAmounts);

void BM_DecimalSubtractAmounts(benchmark::State& state) {
    double total = 1e9;
    std::size_t index = 0;
    for (auto _ : state) {
        total = vantrel::DecimalSubtract(total, kAmounts[index]).value_or(1e9);
        index = (index + 1) % kAmounts.size();
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_DecimalSubtractAmounts);

// Unrounded chain values in Floating Point mode need the general digit conversion.
void BM_DecimalAddChainValues(benchmark::State& state) {
    double total = 0.0;
    for (auto _ : state) {
        total = vantrel::DecimalAdd(total, 1.0 / 3.0).value_or(0.0);
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_DecimalAddChainValues);

// Operands 40 and more places apart take the exact digit-string route.
void BM_DecimalAddFarApart(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(vantrel::DecimalAdd(1.23456789012345e20, -1.23456789012345e-20));
    }
}
BENCHMARK(BM_DecimalAddFarApart);

}  // namespace
