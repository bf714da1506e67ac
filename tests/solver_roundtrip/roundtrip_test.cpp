// Every state of a grid over the whole IF97 range, turned into each supported input
// pair and solved back through CalcAsmeState in SI units.
#include "common/user_interface.h"
#include "equations/asme_error.h"
#include "equations/flag_values.h"
#include "equations/region_boundaries.h"
#include "equations/saturation_line.h"
#include "si_outputs.h"
#include "solver/asme_property.h"
#include "solver/asme_state.h"
#include "solver/result_table.h"
#include "solver/saturation_state.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace vq {
namespace {

// Answers the two-solution question with the solution nearest to the expected
// temperature, and records every message.
class ExpectingUserInterface final : public UserInterface {
public:
    ExpectingUserInterface() { InstallUserInterface(this); }
    ~ExpectingUserInterface() override { InstallUserInterface(nullptr); }
    ExpectingUserInterface(const ExpectingUserInterface&) = delete;
    ExpectingUserInterface& operator=(const ExpectingUserInterface&) = delete;

    void Message(const std::string& text, MessageStyle, const std::string&) override { messages.push_back(text); }
    void Beep() override {}
    Answer Ask(const std::string&, const std::string&, bool, Answer) override { return Answer::No; }
    int ChooseSolution(const SolutionChoice& c) override
    {
        ++choices;
        return std::abs(c.tsat[0] - expectedT) <= std::abs(c.tsat[1] - expectedT) ? 1 : 2;
    }
    void SetBusy(bool) override {}
    int InputMode() const override { return 0; }

    double expectedT = 0.0;
    int choices = 0;
    std::vector<std::string> messages;
};

// A state of the grid: its region (4 for a saturated or wet state), p, T, and the
// properties an input pair can name, by PropertyCode (1 p, 2 T, 3 h, 4 rho, 5 v, 6 s,
// 7 u, 8 x).
struct GridState {
    int region = 0;
    double values[9] = {};
    double Value(int code) const { return values[code]; }
};

GridState MakeState(int region, double p, double T, double rho, double x, double rhoVapour)
{
    GridState g;
    g.region = region;
    const int phase = region == 4 ? 2 : 0;
    const double q = region == 4 ? x : NotApplicableValue;
    for (int code : {1, 3, 4, 5, 6, 7})
        g.values[code] = CalcAsmeProperty(code, phase, region, p, T, rho, q, rhoVapour);
    g.values[2] = T;
    g.values[8] = q;
    return g;
}

std::vector<GridState> BuildGrid()
{
    std::vector<GridState> grid;
    auto spread = [](double lo, double hi, int n, int i) { return lo + (hi - lo) * i / (n - 1); };
    auto logSpread = [](double lo, double hi, int n, int i) {
        return std::min(hi, std::exp(std::log(lo) + (std::log(hi) - std::log(lo)) * i / (n - 1)));
    };
    // Region 1: from the saturated liquid to 100 MPa.
    for (int i = 0; i < 60; ++i) {
        const double T = spread(273.16, 623.14, 60, i);
        const double ps = GetSatPressure(T);
        for (int j = 0; j < 60; ++j) {
            const double p = logSpread(ps * 1.02 + 0.002, 100.0, 60, j);
            grid.push_back(MakeState(1, p, T, 0.0, 0.0, NoVapourDensity));
        }
    }
    // Region 2: from the lowest pressure to the saturated vapour or the 2/3 boundary.
    for (int i = 0; i < 80; ++i) {
        const double T = spread(273.16, 1073.14, 80, i);
        double top = T <= 623.15 ? GetSatPressure(T) / 1.02 - 0.002 : T <= 863.15 ? GetB23Pressure(T) * 0.995 : 100.0;
        if (top <= 0.0007)
            continue;
        for (int j = 0; j < 80; ++j)
            grid.push_back(MakeState(2, logSpread(0.00062, top, 80, j), T, 0.0, 0.0, NoVapourDensity));
    }
    // Region 3, from (rho, T), single-phase states between the 2/3 boundary and 100 MPa.
    for (int i = 0; i < 80; ++i) {
        const double T = spread(623.2, 863.0, 80, i);
        for (int j = 0; j < 80; ++j) {
            const double rho = spread(90.0, 760.0, 80, j);
            const double p = CalcAsmeProperty(1, 0, 3, 0.0, T, rho, NotApplicableValue);
            if (!(p > GetB23Pressure(T) * 1.005 && p < 99.9))
                continue;
            if (T < CriticalTemperature) {
                const SaturationPoint sat = SaturationAtTemperature(T);
                const double ps = sat.p;
                const bool liquid = rho > sat.rhoLiquid * 1.001 && p > ps + 0.002;
                const bool vapour = rho < sat.rhoVapour / 1.001 && p < ps - 0.002;
                if (!liquid && !vapour)
                    continue;
            }
            grid.push_back(MakeState(3, p, T, rho, 0.0, NoVapourDensity));
        }
    }
    // Region 5.
    for (int i = 0; i < 40; ++i) {
        const double T = spread(1073.2, 2273.1, 40, i);
        for (int j = 0; j < 25; ++j)
            grid.push_back(MakeState(5, logSpread(0.00062, 9.99, 25, j), T, 0.0, 0.0, NoVapourDensity));
    }
    // Saturated and wet states, denser toward the critical point.
    for (int i = 0; i < 520; ++i) {
        double T = spread(273.16, 623.15, 300, std::min(i, 299));
        if (i >= 300)
            T = CriticalTemperature - (CriticalTemperature - 623.2) * std::pow((520.0 - i) / 220.0, 3.0);
        // Within 1e-4 K of the critical point the region-3 sides cross the critical
        // density, so their saturated values leave the ranges of the sides.
        if (T > 647.0959)
            continue;
        const SaturationPoint sat = SaturationAtTemperature(T);
        for (int k = 0; k <= 12; ++k) {
            const double x = k / 12.0;
            grid.push_back(MakeState(4, sat.p, T, sat.rhoLiquid, x, sat.rhoVapour));
        }
    }
    return grid;
}

const char* SiUnits(int code)
{
    static const char* units[] = {"", "MPa", "deg. K", "kJ/kg", "kg/m3", "m3/kg", "kJ/kg-K", "kJ/kg", "Decimal", "", ""};
    return units[code];
}

struct Pair {
    int code1, code2;
};

std::string PairName(int code1, int code2)
{
    static const char* names[] = {"", "p", "T", "h", "rho", "v", "s", "u", "x", "liq", "vap"};
    return std::string(names[code1]) + "-" + names[code2];
}

struct Tally {
    int solved = 0;
    int sameInputsOtherState = 0;
    int failures = 0;
};

double Relative(double a, double b)
{
    return std::abs(a - b) / std::max(std::abs(b), 1e-300);
}

class RoundTripTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::UseSiOutputUnits();
        test::ShowOutputs({1, 2, 3, 4, 5, 6, 7, 8});
    }
    void TearDown() override { test::ReleaseSiOutputs(); }
    ExpectingUserInterface ui;
};

TEST_F(RoundTripTest, EveryStateSolvesBackFromEveryInputPair)
{
    const std::vector<GridState> grid = BuildGrid();
    ASSERT_GE(grid.size(), 20000u);
    std::map<std::string, Tally> tallies;
    int reported = 0;
    int bandStates = 0;

    for (const GridState& g : grid) {
        std::vector<Pair> pairs;
        const double x = g.Value(8);
        if (g.region == 4) {
            pairs = {{1, 8}, {2, 8}, {1, 3}, {1, 4}, {1, 5}, {1, 6}, {2, 3}, {2, 4}, {2, 5}, {2, 6}};
            if (x == 0.0 || x == 1.0)
                for (int c = 1; c <= 7; ++c)
                    pairs.push_back({c, x == 0.0 ? 9 : 10});
        } else {
            pairs = {{1, 2}, {1, 3}, {1, 4}, {1, 5}, {1, 6}, {2, 3}, {2, 4}, {2, 5}, {2, 6}};
            // An enthalpy-entropy pair is never placed in region 5.
            if (g.region != 5)
                pairs.push_back({3, 6});
        }
        for (const Pair& pr : pairs) {
            const double p = g.Value(1), T = g.Value(2);
            if (pr.code1 == 1 && pr.code2 == 2 && p < CriticalPressure && T < CriticalTemperature) {
                const double ps = GetSatPressure(T);
                if (std::abs(p - ps) <= (p < 0.01 ? 0.001 * ps : 0.001)) {
                    ++bandStates; // reported as saturated by design
                    continue;
                }
            }
            ResultTable.Resize(9, 2);
            ui.messages.clear();
            ui.expectedT = T;
            bool failed = false;
            const double v1 = g.Value(pr.code1);
            const double v2 = pr.code2 >= 9 ? 0.0 : g.Value(pr.code2);
            int index = 1;
            CalcAsmeState(index, pr.code1, v1, SiUnits(pr.code1), pr.code2, v2, SiUnits(pr.code2), failed);
            auto out = [](int k) { return ResultTable(k, 1); };
            const double sp = out(1), sT = out(2), sh = out(3), srho = out(4), sx = out(8);
            Tally& t = tallies[PairName(pr.code1, pr.code2)];
            const bool wet = g.region == 4;
            const double tolerance = 1e-6;
            // Wet states near the critical point: the sides differ little, so the
            // quality and the mixture density carry the residual of h' and h''.
            const double xTolerance = wet && T > 645.0 ? 1e-4 : 1e-6;
            bool same = !failed && std::isfinite(sp) && std::isfinite(sT) && std::isfinite(srho) &&
                        Relative(sp, p) <= tolerance && Relative(sT, T) <= tolerance &&
                        Relative(srho, g.Value(4)) <= (wet ? xTolerance : tolerance);
            // A saturated state may come back as the single-phase state on the line.
            if (same && wet)
                same = std::abs(sx - x) <= xTolerance || (!IsResultValue(sx) && (x == 0.0 || x == 1.0));
            if (same) {
                ++t.solved;
                continue;
            }
            // Some pairs name two states (the density maximum near 4 C, the liquid
            // whose enthalpy also fits a wet state): any state that reproduces both
            // inputs inside the range is an answer.
            auto reproduces = [&](int code, double value) {
                if (code >= 9)
                    return true;
                const double shown = code == 5 ? out(5) : code == 6 ? out(6) : code == 7 ? out(7) : out(code);
                return std::abs(shown - value) <= 1e-9 * std::max(1.0, std::abs(value));
            };
            const bool inRange = sp >= 0.0006112 * (1 - 1e-9) && sp <= 100.0 * (1 + 1e-9) && sT >= 273.15 - 1e-9 &&
                                 sT <= 2273.15 + 1e-9 && IsResultValue(sh);
            if (!failed && inRange && reproduces(pr.code1, v1) && reproduces(pr.code2, v2)) {
                ++t.sameInputsOtherState;
                if (std::getenv("VQ_SHOW_OTHER") && t.sameInputsOtherState <= 3)
                    std::printf("%s region %d p=%.9g T=%.9g rho=%.9g x=%g -> p=%.9g T=%.9g rho=%.9g x=%g\n",
                                PairName(pr.code1, pr.code2).c_str(), g.region, p, T, g.Value(4), x, sp, sT, srho, sx);
                continue;
            }
            ++t.failures;
            if (t.failures <= 3 && reported++ < 40)
                ADD_FAILURE() << PairName(pr.code1, pr.code2) << " region " << g.region << " p=" << p << " T=" << T
                              << " rho=" << g.Value(4) << " x=" << x << " -> failed=" << failed
                              << " error=" << AsmeErrorCode << " p=" << sp << " T=" << sT << " rho=" << srho
                              << " x=" << sx;
        }
    }
    std::printf("%zu states; %d p-T pairs in the saturation band (error 9260 by design)\n", grid.size(),
                bandStates);
    std::printf("%-8s %8s %14s %8s\n", "pair", "solved", "other state", "failed");
    int total = 0;
    for (const auto& [name, t] : tallies) {
        std::printf("%-8s %8d %14d %8d\n", name.c_str(), t.solved, t.sameInputsOtherState, t.failures);
        total += t.solved + t.sameInputsOtherState;
        EXPECT_EQ(t.failures, 0) << name;
    }
    std::printf("%d solves\n", total);
}

} // namespace
} // namespace vq
