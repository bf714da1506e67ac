// Time per state for the seven properties v, h, u, s, cp, cv, w of one IF97 state
// through the reduced-property routines, and for viscosity plus conductivity. Each iteration takes a different state, so
// the kept state of the evaluators never answers for a whole iteration.
#include "equations/asme_error.h"
#include "equations/reduced_properties.h"
#include "equations/transport.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <vector>

namespace {

struct State {
    double p, T, rho;
};

std::vector<State> States(double p0, double p1, double T0, double T1, double rho0 = 0.0, double rho1 = 0.0)
{
    std::vector<State> states;
    for (int i = 0; i < 1024; ++i) {
        const double f = (i * 0.618033988749895) - std::floor(i * 0.618033988749895);
        const double g = (i * 0.754877666246693) - std::floor(i * 0.754877666246693);
        states.push_back({p0 + (p1 - p0) * f, T0 + (T1 - T0) * g, rho0 + (rho1 - rho0) * f});
    }
    return states;
}

void SevenProperties(benchmark::State& bench, int region, const std::vector<State>& states)
{
    constexpr double R = vq::GasConstantR;
    std::size_t i = 0;
    for (auto _ : bench) {
        const State& s = states[i++ & 1023];
        const double v = region == 3 ? 1.0 / s.rho
                                     : vq::CalcReducedVolume(0, region, s.p, s.T, s.rho, 0.0) * R * s.T / s.p / 1000.0;
        const double h = vq::CalcReducedEnthalpy(0, region, s.p, s.T, s.rho, 0.0) * R * s.T;
        const double u = vq::CalcReducedInternalEnergy(0, region, s.p, s.T, s.rho, 0.0) * R * s.T;
        const double en = vq::CalcReducedEntropy(0, region, s.p, s.T, s.rho, 0.0) * R;
        const double cp = vq::CalcReducedCp(0, region, s.p, s.T, s.rho, 0.0) * R;
        const double cv = vq::CalcReducedCv(0, region, s.p, s.T, s.rho, 0.0) * R;
        const double w = std::sqrt(vq::CalcReducedSoundSpeedSq(0, region, s.p, s.T, s.rho, 0.0) * R * s.T * 1000.0);
        benchmark::DoNotOptimize(v + h + u + en + cp + cv + w);
    }
    bench.SetItemsProcessed(bench.iterations());
}

void Region1(benchmark::State& bench)
{
    static const auto states = States(20.0, 90.0, 280.0, 600.0);
    SevenProperties(bench, 1, states);
}

void Region2(benchmark::State& bench)
{
    static const auto states = States(0.001, 1.0, 500.0, 1000.0);
    SevenProperties(bench, 2, states);
}

void Region3(benchmark::State& bench)
{
    static const auto states = States(0.0, 0.0, 630.0, 850.0, 150.0, 700.0);
    SevenProperties(bench, 3, states);
}

void Region5(benchmark::State& bench)
{
    static const auto states = States(0.01, 10.0, 1100.0, 2200.0);
    SevenProperties(bench, 5, states);
}

// The same state every time: the cost of the seven routines once the sums are kept.
void Region1SameState(benchmark::State& bench)
{
    static const std::vector<State> states(1024, State{20.0, 400.0, 0.0});
    SevenProperties(bench, 1, states);
}

// Viscosity plus thermal conductivity of one state.
void Transport(benchmark::State& bench)
{
    static const auto states = States(0.0, 0.0, 280.0, 1000.0, 1.0, 1000.0);
    std::size_t i = 0;
    for (auto _ : bench) {
        const State& s = states[i++ & 1023];
        benchmark::DoNotOptimize(vq::CalcViscosity(s.T, s.rho) + vq::CalcThermalConductivity(s.T, s.rho));
    }
    bench.SetItemsProcessed(bench.iterations());
}

} // namespace

BENCHMARK(Region1);
BENCHMARK(Region2);
BENCHMARK(Region3);
BENCHMARK(Region5);
BENCHMARK(Region1SameState);
BENCHMARK(Transport);
