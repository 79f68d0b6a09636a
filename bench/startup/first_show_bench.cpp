#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include "shell/frm_main.h"
#include "shell/layout_widgets.h"

namespace {

// Building the main window and getting it on screen, inside a running application: the part
// of start-up the program itself controls (the platform plugin and the fonts are already up).
void BM_FrmMainFirstShow(benchmark::State& state) {
    for (auto _ : state) {
        vantrel::FrmMain window;
        window.show();
        if (!QTest::qWaitForWindowExposed(&window)) {
            state.SkipWithError("the window was not exposed");
            break;
        }
    }
}
BENCHMARK(BM_FrmMainFirstShow)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const QTemporaryDir settingsHome;
    qputenv("XDG_CONFIG_HOME", settingsHome.path().toLocal8Bit());
    QApplication app(argc, argv);
    vantrel::InstallFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
