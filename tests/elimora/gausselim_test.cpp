#include "elimora/gausselim.h"

#include <dlfcn.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using GaussElimFn = int16_t (*)(double*, double*, const int16_t*);

// The library is loaded by name, as a caller outside the program would.
class GaussElim : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        handle = dlopen(VQ_ELIMORA_PATH, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(handle, nullptr) << dlerror();
        solve = reinterpret_cast<GaussElimFn>(dlsym(handle, "GAUSSELIM"));
        ASSERT_NE(solve, nullptr);
    }
    static void TearDownTestSuite() { dlclose(handle); }

    static int16_t Solve(std::vector<double>& a, std::vector<double>& b)
    {
        const int16_t n = static_cast<int16_t>(b.size());
        return solve(a.data(), b.data(), &n);
    }

    static inline void* handle = nullptr;
    static inline GaussElimFn solve = nullptr;
};

TEST_F(GaussElim, ExportsOnlyGausselimWithSoname)
{
    const std::string cmd = std::string("nm -D --defined-only ") + VQ_ELIMORA_PATH;
    FILE* pipe = popen(cmd.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::vector<std::string> symbols;
    char line[512];
    while (fgets(line, sizeof line, pipe)) {
        std::string s(line);
        s = s.substr(s.find_last_of(' ') + 1);
        while (!s.empty() && (s.back() == '\n' || s.back() == '\r'))
            s.pop_back();
        symbols.push_back(s);
    }
    ASSERT_EQ(pclose(pipe), 0);
    EXPECT_EQ(symbols, std::vector<std::string>{"GAUSSELIM"});
    EXPECT_EQ(dlsym(handle, "forward"), nullptr) << "helpers stay hidden";
}

TEST_F(GaussElim, WorkedTwoByTwo)
{
    // A = [[2, 1], [4, 3]] column-major, b = (3, 7).
    std::vector<double> a{2, 4, 1, 3};
    std::vector<double> b{3, 7};
    EXPECT_EQ(Solve(a, b), -1);
    EXPECT_EQ(b, (std::vector<double>{1, 1}));
    EXPECT_EQ(a, (std::vector<double>{2, 0, 0, 1})) << "diagonal left by the backward pass, 1 at (N, N)";
}

TEST_F(GaussElim, OneByOneDiagonalAndTriangular)
{
    std::vector<double> a1{4};
    std::vector<double> b1{10};
    EXPECT_EQ(Solve(a1, b1), -1);
    EXPECT_EQ(b1[0], 2.5);
    EXPECT_EQ(a1[0], 1.0);

    std::vector<double> d{2, 0, 0, 0, 4, 0, 0, 0, 8};
    std::vector<double> bd{1, 2, 3};
    EXPECT_EQ(Solve(d, bd), -1);
    EXPECT_EQ(bd, (std::vector<double>{0.5, 0.5, 0.375}));

    // Upper triangular [[1, 2, 3], [0, 4, 5], [0, 0, 6]], x = (1, 1, 1).
    std::vector<double> u{1, 0, 0, 2, 4, 0, 3, 5, 6};
    std::vector<double> bu{6, 9, 6};
    EXPECT_EQ(Solve(u, bu), -1);
    for (double x : bu)
        EXPECT_DOUBLE_EQ(x, 1.0);
}

TEST_F(GaussElim, RandomFiftyByFiftyHasSmallResidual)
{
    const int n = 50;
    std::mt19937_64 rng(20261208);
    std::uniform_real_distribution<double> dist(-1.0, 1.0);
    std::vector<double> a(n * n), x(n), b(n, 0.0);
    for (int j = 0; j < n; ++j)
        for (int i = 0; i < n; ++i)
            a[i + j * n] = dist(rng) + (i == j ? n : 0.0); // diagonally dominant
    for (double& xi : x)
        xi = dist(rng);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            b[i] += a[i + j * n] * x[j];
    std::vector<double> work = a, sol = b;
    ASSERT_EQ(Solve(work, sol), -1);
    for (int i = 0; i < n; ++i)
        EXPECT_NEAR(sol[i], x[i], 1e-12) << i;
}

TEST_F(GaussElim, RefusesWhatItCannotSolve)
{
    std::vector<double> a{1};
    std::vector<double> b{5};
    int16_t zero = 0, negative = -3;
    EXPECT_EQ(solve(a.data(), b.data(), &zero), 0);
    EXPECT_EQ(solve(a.data(), b.data(), &negative), 0);
    EXPECT_EQ(b[0], 5.0) << "n < 1 touches nothing";
    EXPECT_EQ(solve(nullptr, nullptr, &zero), 0);

    // Zero pivot with a non-zero entry below it.
    std::vector<double> p{0, 1, 1, 1};
    std::vector<double> bp{1, 2};
    EXPECT_EQ(Solve(p, bp), 0);

    // Singular: zero last diagonal after elimination.
    std::vector<double> s{1, 2, 2, 4};
    std::vector<double> bs{1, 2};
    EXPECT_EQ(Solve(s, bs), 0);

    // Zero diagonal in an earlier row with nothing below it.
    std::vector<double> z{0, 0, 1, 1};
    std::vector<double> bz{1, 1};
    EXPECT_EQ(Solve(z, bz), 0);
}

} // namespace
