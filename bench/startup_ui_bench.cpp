// Start-up of the program from the end of the splash's minimum time to the shown
// main window with a new document, in a fresh configuration folder.
#include "app/start_form.h"
#include "app/thermix_main.h"
#include "ui_bench_main.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

void BM_StartUpToMainWindow(benchmark::State& state)
{
    vq::StartupOptions options;
    options.splashSeconds = 0.0;
    for (auto _ : state) {
        vq::ThermixMain* main = vq::StartProgram(options);
        if (!main) {
            state.SkipWithError("the program refused to start");
            break;
        }
        QApplication::processEvents();
        state.PauseTiming();
        main->close();
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpToMainWindow)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv)
{
    return vq::bench::RunUiBenchmarks(argc, argv);
}
