// A 1000-point Range with every parameter shown: the Calculate click in the shown main
// window up to the filled, drawn grid, against the calculation of the same points alone.
// Each iteration moves the range, so that no text of the grid repeats.
#include "app/input_panel_logic.h"
#include "app/property_sources.h"
#include "app/start_form.h"
#include "app/thermix_main.h"
#include "common/preference_records.h"
#include "common/session_state.h"
#include "preferences/output_mod.h"
#include "solver/result_table.h"
#include "ui_bench_main.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <functional>

namespace {

constexpr int Points = 1000;
constexpr double Increment = 0.5;

// Shows every parameter the output preferences offer, in their default order first.
void ShowEveryParameter()
{
    int next = 1;
    for (int id = 1; id <= vq::NumOutputParams; ++id)
        next = std::max(next, vq::OutputParams(id).DefaultPosition + 1);
    for (int id = 1; id <= vq::NumOutputParams; ++id) {
        vq::COutputParam& p = vq::OutputParams(id);
        if (p.ListPosition >= 0 && p.DefaultPosition < 1)
            p.DefaultPosition = next++;
    }
    vq::SetDefaultOutputPrefs();
}

bool ChooseRange(vq::ThermixMain& main)
{
    main.TAB_InputMode->setCurrentIndex(vq::RangeMode);
    main.CMB_State1->setCurrentIndex(main.CMB_State1->findData(vq::PropPressure));
    main.CMB_State2->setCurrentIndex(main.CMB_State2->findData(vq::PropTemperature));
    main.CMB_State1Units->setCurrentIndex(main.CMB_State1Units->findText("MPa"));
    main.CMB_State2Units->setCurrentIndex(main.CMB_State2Units->findText("deg. C"));
    main.TXT_State1->setText("1");
    main.TXT_State2Inc->setText(QString::number(Increment));
    return main.CMB_State1Units->currentText() == "MPa" && main.CMB_State2Units->currentText() == "deg. C";
}

// The same points as the window's Range loop, through the same property source.
void CalculatePointsAlone(double start)
{
    const bool f = vq::OutputPrefs.RowColOrder[1] != 0;
    const int params = vq::OutputPrefs.NumParams;
    vq::ResultTable.Resize(f ? Points + 1 : params + 1, f ? params + 1 : Points + 1);
    vq::PointInputs in{vq::PropPressure, 1.0, "MPa", vq::PropTemperature, start, "deg. C"};
    const double end = start + Increment * (Points - 1);
    for (int i = 1; i <= Points; ++i) {
        in.value2 = vq::RangePointValue(start, end, Increment, i);
        benchmark::DoNotOptimize(vq::CalculatePointWithSelectedSource(i, in, in.code1, in.code2));
    }
}

double SecondsOf(const std::function<void()>& work)
{
    const auto begin = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
}

// Time: the click. Counters: the calculation alone (ms per iteration) and the ratio.
void BM_RangeCalculateClick(benchmark::State& state)
{
    vq::StartupOptions options;
    options.splashSeconds = 0.0;
    vq::ThermixMain* main = vq::StartProgram(options);
    if (!main) {
        state.SkipWithError("the program refused to start");
        return;
    }
    ShowEveryParameter();
    if (!ChooseRange(*main)) {
        state.SkipWithError("the range units are not offered");
        return;
    }
    QApplication::processEvents();
    double clicks = 0.0, calculations = 0.0;
    int iteration = 0;
    for (auto _ : state) {
        const double start = 100.0 + 0.0731 * ++iteration;
        main->TXT_State2->setText(QString::number(start, 'g', 15));
        main->TXT_State2End->setText(QString::number(start + Increment * (Points - 1), 'g', 15));
        QApplication::processEvents();
        calculations += SecondsOf([&] { CalculatePointsAlone(start); });
        const double click = SecondsOf([&] {
            QTest::mouseClick(main->BTN_Calculate, Qt::LeftButton);
            QApplication::processEvents();
        });
        clicks += click;
        state.SetIterationTime(click);
    }
    const vq::GridModel& grid = main->GRD_Output->Model();
    if (std::max(grid.Rows(), grid.Cols()) != Points + 1 || grid.TextMatrix(grid.Rows() - 1, grid.Cols() - 1).empty())
        state.SkipWithError("the grid does not hold the range");
    state.counters["shown"] = vq::OutputPrefs.NumParams;
    state.counters["calc_ms"] = benchmark::Counter(calculations * 1e3, benchmark::Counter::kAvgIterations);
    state.counters["ratio"] = calculations > 0.0 ? clicks / calculations : 0.0;
    vq::DocumentSaved = true; // no save question on closing
    main->close();
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
BENCHMARK(BM_RangeCalculateClick)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);

} // namespace

int main(int argc, char** argv)
{
    return vq::bench::RunUiBenchmarks(argc, argv);
}
