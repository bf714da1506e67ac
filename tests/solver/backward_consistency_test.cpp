// The backward equations against the forward equations they invert, over dense grids
// of each region: the differences stay within the consistency the equations were
// fitted to.
#include "solver/asme_property.h"
#include "solver/backward_equations.h"

#include "equations/flag_values.h"
#include "equations/region_boundaries.h"
#include "equations/saturation_line.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace vq {
namespace {

constexpr double NA = NotApplicableValue;

struct State {
    double p, T, rho, h, s;
};

State ForwardState(int region, double p, double T, double rho)
{
    State st{p, T, rho, 0.0, 0.0};
    if (region == 3)
        st.p = CalcAsmeProperty(1, 2, 3, p, T, rho, NA);
    else
        st.rho = CalcAsmeProperty(4, 2, region, p, T, rho, NA);
    st.h = CalcAsmeProperty(3, 2, region, st.p, T, rho, NA);
    st.s = CalcAsmeProperty(6, 2, region, st.p, T, rho, NA);
    return st;
}

std::vector<double> Spaced(double lo, double hi, int n, bool logarithmic = false)
{
    std::vector<double> v;
    for (int i = 0; i < n; ++i) {
        const double f = static_cast<double>(i) / (n - 1);
        v.push_back(logarithmic ? lo * std::pow(hi / lo, f) : lo + f * (hi - lo));
    }
    return v;
}

// Worst differences found over a grid, by sub-region (index 0 for region 1).
struct Worst {
    double tph[6] = {}, tps[6] = {}, phs[6] = {}, vph[6] = {}, vps[6] = {};
    double phsAbsolute = 0.0; // MPa
    double thsChain = 0.0;    // T(p(h,s), h) - T, K
    int count = 0;
};

int SubIndex(int sub) { return sub >= Subregion3a ? sub - Subregion3a : (sub > 0 ? sub - 1 : 0); }

void Check(int region, const State& st, Worst& w)
{
    ++w.count;
    const int subPh = region == 1 ? 0 : SubIndex(GetBackwardSubregion(region, 1, st.p, 3, st.h));
    const int subPs = region == 1 ? 0 : SubIndex(GetBackwardSubregion(region, 1, st.p, 6, st.s));
    const int subHs = region == 1 ? 0 : SubIndex(GetBackwardSubregion(region, 3, st.h, 6, st.s));
    w.tph[subPh] = std::max(w.tph[subPh], std::abs(CalcBackwardTemperature(st.p, 3, st.h, region) - st.T));
    w.tps[subPs] = std::max(w.tps[subPs], std::abs(CalcBackwardTemperature(st.p, 6, st.s, region) - st.T));
    const double p = CalcBackwardPressure(st.h, st.s, region);
    w.phs[subHs] = std::max(w.phs[subHs], std::abs(p / st.p - 1.0));
    w.phsAbsolute = std::max(w.phsAbsolute, std::abs(p - st.p));
    w.thsChain = std::max(w.thsChain, std::abs(CalcBackwardTemperature(p, 3, st.h, region) - st.T));
    if (region == 3) {
        w.vph[subPh] = std::max(w.vph[subPh], std::abs(st.rho / CalcBackwardDensity(st.p, 3, st.h, 3) - 1.0));
        w.vps[subPs] = std::max(w.vps[subPs], std::abs(st.rho / CalcBackwardDensity(st.p, 6, st.s, 3) - 1.0));
    }
}

TEST(BackwardConsistency, Region1)
{
    Worst w;
    for (double T : Spaced(273.15, 623.15, 150))
        for (double p : Spaced(std::max(GetSatPressure(T), 0.0006112), 100.0, 150, true))
            Check(1, ForwardState(1, p, T, 0.0), w);
    EXPECT_EQ(w.count, 150 * 150);
    EXPECT_LE(w.tph[0], 0.025);
    EXPECT_LE(w.tps[0], 0.025);
    // The liquid's pressure hardly moves its properties: p(h,s) is fitted loosely in p
    // and tightly in the temperature it leads to.
    EXPECT_LE(w.phsAbsolute, 0.02);
    EXPECT_LE(w.phs[0], 0.01);
    EXPECT_LE(w.thsChain, 0.025);
}

TEST(BackwardConsistency, Region2)
{
    Worst w;
    for (double T : Spaced(273.15, 1073.15, 200)) {
        double pMax = 100.0;
        if (T <= 623.15)
            pMax = GetSatPressure(T);
        else if (T <= 863.15)
            pMax = GetB23Pressure(T);
        for (double p : Spaced(0.0006112 * 0.999, pMax, 200, true))
            if (p <= pMax)
                Check(2, ForwardState(2, p, T, 0.0), w);
    }
    EXPECT_GT(w.count, 30000);
    const double tolerance[3] = {0.010, 0.010, 0.025}; // 2a, 2b, 2c
    for (int i = 0; i < 3; ++i) {
        EXPECT_LE(w.tph[i], tolerance[i]) << "T(p,h) sub-region " << i;
        EXPECT_LE(w.tps[i], tolerance[i]) << "T(p,s) sub-region " << i;
        EXPECT_LE(w.phs[i], 1e-4) << "p(h,s) sub-region " << i;
    }
    EXPECT_LE(w.thsChain, 0.025);
}

// Saturated densities of region 3 at T below the critical temperature: walking from a
// dense liquid (or a dilute vapour) toward the dome, the first density where the
// pressure crosses psat(T) is the saturated one; then bisection.
double SaturatedDensity(double T, double start)
{
    const double ps = GetSatPressure(T);
    auto f = [&](double rho) { return CalcAsmeProperty(1, 2, 3, 0.0, T, rho, NA) - ps; };
    const double step = start > CriticalDensity ? -0.5 : 0.5;
    double a = start, b = start + step;
    while (f(a) * f(b) > 0.0 && b > 0.0 && b < 1000.0) {
        a = b;
        b += step;
    }
    for (int i = 0; i < 100; ++i) {
        const double mid = 0.5 * (a + b);
        (f(mid) * f(a) > 0.0 ? a : b) = mid;
    }
    return 0.5 * (a + b);
}

TEST(BackwardConsistency, Region3)
{
    Worst w;
    for (double T : Spaced(623.15, 863.15, 200)) {
        const bool subcritical = T < CriticalTemperature - 0.05;
        const double rhoLiquid = subcritical ? SaturatedDensity(T, 800.0) : 0.0;
        const double rhoVapour = subcritical ? SaturatedDensity(T, 1.0) : 0.0;
        for (double rho : Spaced(50.0, 800.0, 300)) {
            const State st = ForwardState(3, 0.0, T, rho);
            if (!(st.p <= 100.0 && st.p >= GetB23Pressure(T)))
                continue;
            // Only stable states: outside the two-phase dome below the critical point.
            if (T < CriticalTemperature && st.p < CriticalPressure) {
                if (!subcritical || (rho < rhoLiquid && rho > rhoVapour))
                    continue;
            }
            Check(3, st, w);
        }
    }
    EXPECT_GT(w.count, 20000);
    for (int i = 0; i < 2; ++i) {
        EXPECT_LE(w.tph[i], 0.025) << "T(p,h) 3" << char('a' + i);
        EXPECT_LE(w.tps[i], 0.025) << "T(p,s) 3" << char('a' + i);
        EXPECT_LE(w.vph[i], 1e-4) << "v(p,h) 3" << char('a' + i);
        EXPECT_LE(w.vps[i], 1e-4) << "v(p,s) 3" << char('a' + i);
        EXPECT_LE(w.phs[i], 1e-4) << "p(h,s) 3" << char('a' + i);
    }
    EXPECT_LE(w.thsChain, 0.025);
}

TEST(BackwardConsistency, Region3SplitOfPressureAndEnthalpyFollowsTheSaturatedLiquid)
{
    // Below the critical pressure h3ab(p) lies between h'(p) and h''(p), so comparing
    // with it sorts every region-3 state as h'(p) does; at the critical pressure it is
    // the critical enthalpy.
    for (double p : Spaced(GetSatPressure(623.15), CriticalPressure - 0.002, 60)) {
        const double T = GetSatTemperature(p);
        const double hLiquid = CalcAsmeProperty(3, 2, 3, p, T, SaturatedDensity(T, 800.0), NA);
        const double hVapour = CalcAsmeProperty(3, 2, 3, p, T, SaturatedDensity(T, 1.0), NA);
        EXPECT_LT(hLiquid, GetH3abFromP(p)) << p;
        EXPECT_GT(hVapour, GetH3abFromP(p)) << p;
        EXPECT_EQ(GetBackwardSubregion(3, 1, p, 3, hLiquid), Subregion3a) << p;
        EXPECT_EQ(GetBackwardSubregion(3, 1, p, 3, hVapour), Subregion3b) << p;
    }
    const double hCritical = CalcAsmeProperty(3, 2, 3, 0.0, CriticalTemperature, CriticalDensity, NA);
    EXPECT_NEAR(GetH3abFromP(CriticalPressure), hCritical, 1e-6);
}

} // namespace
} // namespace vq
