// The main of a *_ui_bench: a fresh configuration folder, a QApplication (offscreen
// when there is no display) and the registered benchmarks.
#pragma once

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace vq::bench {

inline int RunUiBenchmarks(int argc, char** argv)
{
    QTemporaryDir config;
    qputenv("VAPOQUANT_CONFIG_DIR", config.path().toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace vq::bench
