// One state point through CalcAsmeState with the default outputs in the default English
// units (unit conversion included), per input pair; and a Range of 1000 points.
#include "common/preference_records.h"
#include "common/program_identity.h"
#include "files/unit_preference_defaults.h"
#include "common/user_interface.h"
#include "preferences/output_mod.h"
#include "solver/asme_state.h"
#include "solver/result_table.h"
#include "units/unit_catalogue.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

class QuietUserInterface final : public vq::UserInterface {
public:
    void Message(const std::string&, vq::MessageStyle, const std::string&) override { ++messages; }
    void Beep() override {}
    vq::Answer Ask(const std::string&, const std::string&, bool, vq::Answer) override { return vq::Answer::No; }
    int ChooseSolution(const vq::SolutionChoice&) override { return 1; }
    void SetBusy(bool) override {}
    int InputMode() const override { return mode; }
    int mode = 0;
    int messages = 0;
};

QuietUserInterface& SetUp(int mode, int points)
{
    static QuietUserInterface ui;
    static bool ready = false;
    if (!ready) {
        vq::InstallUserInterface(&ui);
        vq::ResetPreferenceRecords();
        vq::SetProgramIdentity();
        vq::BuildUnitFamilies();
        vq::UnitPrefs.UnitSystem = vq::UnitSystemEnglish;
        vq::SetDefaultUnitPrefs();
        vq::InitOutputParams();
        vq::SetDefaultOutputPrefs();
        ready = true;
    }
    ui.mode = mode;
    vq::ResultTable.Resize(vq::OutputPrefs.NumParams + 1, points + 1);
    return ui;
}

void SinglePoint(benchmark::State& state, int code1, double value1, const char* units1, int code2, double value2,
                 const char* units2)
{
    QuietUserInterface& ui = SetUp(0, 1);
    const std::string u1 = units1, u2 = units2;
    int step = 0;
    for (auto _ : state) {
        bool failed = false;
        int index = 1;
        // A slightly different state each time, so that no evaluation is reused.
        const double nudge = 1.0 + 1e-7 * (++step % 64);
        vq::CalcAsmeState(index, code1, value1 * nudge, u1, code2, value2, u2, failed);
        benchmark::DoNotOptimize(failed);
    }
    state.counters["shown outputs"] = vq::OutputPrefs.NumParams;
    if (ui.messages != 0)
        state.SkipWithError("the point failed");
}

// Temperature stepped from 300 to 1200 deg. F at 1000 psia: liquid, vapour and
// supercritical-region points.
void Range(benchmark::State& state)
{
    QuietUserInterface& ui = SetUp(2, 1000);
    const std::string p = "psia", t = "deg. F";
    for (auto _ : state) {
        for (int i = 1; i <= 1000; ++i) {
            bool failed = false;
            int index = i;
            vq::CalcAsmeState(index, 1, 1000.0, p, 2, 300.0 + 0.9 * i, t, failed);
            benchmark::DoNotOptimize(failed);
        }
    }
    if (ui.messages != 0)
        state.SkipWithError("a point failed");
}

} // namespace

BENCHMARK_CAPTURE(SinglePoint, pT_liquid, 1, 1000.0, "psia", 2, 300.0, "deg. F")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SinglePoint, pT_vapour, 1, 100.0, "psia", 2, 600.0, "deg. F")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SinglePoint, pT_region3, 1, 3500.0, "psia", 2, 700.0, "deg. F")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SinglePoint, ph_vapour, 1, 500.0, "psia", 3, 1300.0, "Btu/lbm")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SinglePoint, ph_region3, 1, 4000.0, "psia", 3, 900.0, "Btu/lbm")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SinglePoint, ps_liquid, 1, 2000.0, "psia", 6, 0.4, "Btu/lbm-R")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SinglePoint, hs_vapour, 3, 1300.0, "Btu/lbm", 6, 1.7, "Btu/lbm-R")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SinglePoint, Ts_vapour, 2, 600.0, "deg. F", 6, 1.7, "Btu/lbm-R")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SinglePoint, Ts_region3, 2, 690.0, "deg. F", 6, 1.1, "Btu/lbm-R")->Unit(benchmark::kMicrosecond);
BENCHMARK(Range)->Unit(benchmark::kMillisecond);
