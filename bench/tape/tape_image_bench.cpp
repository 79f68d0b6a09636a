// Asking for the image of a tape too tall for one bitmap: the refusal must come at once, from
// the tape's measure, not after drawing hundreds of lines. The lengths show whether it grows
// with the tape.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "tape/qt/calc_tape.h"

namespace {

// 3000 pixels wide: 128 MiB hold about 11,000 rows of pixels, some 650 lines.
constexpr int kWideView = 3000;
constexpr int kViewHeight = 100;

void RefuseATapeTooTall(benchmark::State& state) {
    auto tape = std::make_unique<vantrel::CalcTape>();
    tape->resize(kWideView, kViewHeight);
    tape->show();
    for (int i = 1; i <= state.range(0); ++i) {
        tape->AddDataLine(std::to_string(i) + ".00", vantrel::TapeOpAdd, true);
    }
    for (auto _ : state) {
        const QImage image = tape->GetTapeImage(vantrel::TapeImageMode::WholeTape);
        if (!image.isNull()) {
            state.SkipWithError("a tape this tall gave an image");
            break;
        }
        benchmark::DoNotOptimize(image);
    }
    state.counters["lines"] = static_cast<double>(tape->CurrentLine());
}
BENCHMARK(RefuseATapeTooTall)->Arg(700)->Arg(20000)->Unit(benchmark::kMicrosecond);

}  // namespace
