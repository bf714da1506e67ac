// Cost of one evaluation of the backward equations, per sub-region.
#include "solver/backward_equations.h"

#include <benchmark/benchmark.h>

namespace {

void Temperature(benchmark::State& state, int code, double p, double value, int region)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(p);
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(vq::CalcBackwardTemperature(p, code, value, region));
    }
}

void Density(benchmark::State& state, int code, double p, double value)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(p);
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(vq::CalcBackwardDensity(p, code, value, 3));
    }
}

void Pressure(benchmark::State& state, double h, double s, int region)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(h);
        benchmark::DoNotOptimize(s);
        benchmark::DoNotOptimize(vq::CalcBackwardPressure(h, s, region));
    }
}

} // namespace

BENCHMARK_CAPTURE(Temperature, T1_ph, 3, 80.0, 1500.0, 1);
BENCHMARK_CAPTURE(Temperature, T2a_ph, 3, 3.0, 3000.0, 2);
BENCHMARK_CAPTURE(Temperature, T2b_ph, 3, 5.0, 3500.0, 2);
BENCHMARK_CAPTURE(Temperature, T2c_ph, 3, 40.0, 2700.0, 2);
BENCHMARK_CAPTURE(Temperature, T3a_ph, 3, 50.0, 2000.0, 3);
BENCHMARK_CAPTURE(Temperature, T3b_ph, 3, 50.0, 2400.0, 3);
BENCHMARK_CAPTURE(Temperature, T1_ps, 6, 80.0, 3.0, 1);
BENCHMARK_CAPTURE(Temperature, T2a_ps, 6, 0.1, 7.5, 2);
BENCHMARK_CAPTURE(Temperature, T2b_ps, 6, 8.0, 6.0, 2);
BENCHMARK_CAPTURE(Temperature, T2c_ps, 6, 20.0, 5.75, 2);
BENCHMARK_CAPTURE(Temperature, T3a_ps, 6, 50.0, 3.6, 3);
BENCHMARK_CAPTURE(Temperature, T3b_ps, 6, 50.0, 4.5, 3);
BENCHMARK_CAPTURE(Density, v3a_ph, 3, 50.0, 2000.0);
BENCHMARK_CAPTURE(Density, v3b_ph, 3, 50.0, 2400.0);
BENCHMARK_CAPTURE(Density, v3a_ps, 6, 50.0, 3.6);
BENCHMARK_CAPTURE(Density, v3b_ps, 6, 50.0, 4.5);
BENCHMARK_CAPTURE(Pressure, p1_hs, 1500.0, 3.4, 1);
BENCHMARK_CAPTURE(Pressure, p2a_hs, 2800.0, 6.5, 2);
BENCHMARK_CAPTURE(Pressure, p2b_hs, 3600.0, 6.0, 2);
BENCHMARK_CAPTURE(Pressure, p2c_hs, 2800.0, 5.1, 2);
BENCHMARK_CAPTURE(Pressure, p3a_hs, 2000.0, 4.2, 3);
BENCHMARK_CAPTURE(Pressure, p3b_hs, 2400.0, 4.7, 3);
