// Appending a line to a tape taller than its view: the line is stored, drawn, the view scrolls
// to the end and is redrawn. The cost must not grow with the length of the tape.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <map>
#include <memory>
#include <string>

#include "tape/qt/calc_tape.h"

namespace {

constexpr int kViewWidth = 265;
constexpr int kViewHeight = 271;

// One tape per length, filled once in a view one pixel high, where appends draw little:
// building a million lines still takes a while.
using TapesByLength = std::map<int, std::unique_ptr<vantrel::CalcTape>>;

// The tapes are widgets: they must go before the application object does.
TapesByLength& Tapes() {
    static TapesByLength tapes;
    return tapes;
}

vantrel::CalcTape& TapeOf(int lines) {
    auto& tape = Tapes()[lines];
    if (!tape) {
        tape = std::make_unique<vantrel::CalcTape>();
        tape->resize(kViewWidth, 1);
        tape->show();
        for (int i = 0; i < lines; ++i) {
            tape->AddDataLine(i % 7 == 6 ? "12,345.67" : "1,234.50",
                              i % 7 == 6 ? vantrel::TotalCode(6) : vantrel::TapeOpAdd, true);
        }
        tape->resize(kViewWidth, kViewHeight);
    }
    return *tape;
}

void AppendAndRedraw(benchmark::State& state) {
    vantrel::CalcTape& tape = TapeOf(static_cast<int>(state.range(0)));
    const std::int32_t lines = tape.CurrentLine();
    for (auto _ : state) {
        tape.AddDataLine("-98.76", vantrel::TapeOpSubtract, false);
        // Back to the length measured, as an undo does; this only sets the count.
        tape.SetCurrentLine(lines);
    }
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(AppendAndRedraw)
    ->Arg(1000)
    ->Arg(1000000)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Tapes().clear();
    return 0;
}
