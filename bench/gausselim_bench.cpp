#include "elimora/gausselim.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

static void BM_GaussElim50(benchmark::State& state)
{
    const int16_t n = 50;
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> dist(-1.0, 1.0);
    std::vector<double> a(n * n), b(n);
    for (int j = 0; j < n; ++j)
        for (int i = 0; i < n; ++i)
            a[i + j * n] = dist(rng) + (i == j ? n : 0.0);
    for (double& v : b)
        v = dist(rng);
    for (auto _ : state) {
        std::vector<double> wa = a, wb = b;
        benchmark::DoNotOptimize(GAUSSELIM(wa.data(), wb.data(), &n));
    }
}
BENCHMARK(BM_GaussElim50);
