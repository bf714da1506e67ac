#include "solver/saturation_state.h"

#include "equations/saturation_line.h"
#include "solver/formulation_limits.h"
#include "solver/forward_state.h"
#include "solver/root_search.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vq {
namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

// Start values of the saturated densities: auxiliary equations of the saturated liquid
// and vapour densities in the reduced distance from the critical temperature.
double AuxiliarySaturatedDensity(double T, int side)
{
    const double tau = std::max(0.0, 1.0 - T / CriticalTemperature);
    const double t3 = std::cbrt(tau);
    if (side == 0) {
        const double r = 1.0 + 1.99274064 * t3 + 1.09965342 * t3 * t3 - 0.510839303 * std::pow(tau, 5.0 / 3.0) -
                         1.75493479 * std::pow(tau, 16.0 / 3.0) - 45.5170352 * std::pow(tau, 43.0 / 3.0) -
                         6.74694450e5 * std::pow(tau, 110.0 / 3.0);
        return CriticalDensity * r;
    }
    const double t6 = std::pow(tau, 1.0 / 6.0);
    const double l = -2.03150240 * t6 * t6 - 2.68302940 * std::pow(t6, 4) - 5.38626492 * std::pow(t6, 8) -
                     17.2991605 * std::pow(t6, 18) - 44.7586581 * std::pow(t6, 37) - 63.9201063 * std::pow(t6, 71);
    return CriticalDensity * std::exp(l);
}

} // namespace

double Region3SaturatedDensity(double T, int side)
{
    if (!(T >= Region3SwitchTemperature && T <= CriticalTemperature))
        return NaN;
    const double ps = GetSatPressure(T);
    if (!std::isfinite(ps))
        return NaN;
    auto excess = [T, ps](double rho) { return EvaluateHelmholtz(T, rho).p - ps; };
    const double start = AuxiliarySaturatedDensity(T, side);
    const double other = AuxiliarySaturatedDensity(T, side == 0 ? 1 : 0);
    // On both branches the pressure rises with density. Walk away from the start in
    // growing steps until the pressure crosses psat, without passing the middle of the
    // two-phase loop (the other side's density).
    const double f0 = excess(start);
    if (!std::isfinite(f0))
        return NaN;
    double lo = start, hi = start, fLo = f0, fHi = f0;
    const bool goDown = f0 > 0.0;
    // Near the critical point the loop is narrow: no step may exceed a sixteenth of
    // the distance between the two sides, so that no crossing is stepped over.
    const double cap = T < CriticalTemperature ? std::max(std::abs(start - other) / 16.0, 1e-5 * start)
                                               : std::numeric_limits<double>::infinity();
    auto walk = [&](bool limited) {
        double d = 1e-5 * start;
        double x = start, fx = f0;
        for (int i = 0; i < 200; ++i) {
            const double next = goDown ? x - d : x + d;
            if (next <= 0.0 || (limited && (side == 0 ? next < other : next > other)))
                return false;
            const double fNext = excess(next);
            if (Straddles(fx, fNext)) {
                lo = goDown ? next : x;
                fLo = goDown ? fNext : fx;
                hi = goDown ? x : next;
                fHi = goDown ? fx : fNext;
                return true;
            }
            x = next;
            fx = fNext;
            d = std::min(2.0 * d, cap);
        }
        return false;
    };
    if (f0 == 0.0)
        return start;
    // Within a hair of the critical temperature the two sides meet: the walk may then
    // pass the other side's start value.
    const bool bracketed = walk(T < CriticalTemperature) || walk(false);
    if (!bracketed)
        return NaN;
    const RootFunction f = [T, ps](double rho) {
        const HelmholtzState st = EvaluateHelmholtz(T, rho);
        return RootEval{st.p - ps, st.pRho};
    };
    const RootResult r = NewtonInBracket(f, lo, hi, fLo, fHi, start);
    return r.found ? r.x : NaN;
}

SaturationPoint SaturationAtTemperature(double T)
{
    SaturationPoint sat;
    if (!(T >= LowestTemperature && T <= CriticalTemperature))
        return sat;
    sat.T = T;
    sat.p = GetSatPressure(T);
    if (T <= Region3SwitchTemperature) {
        sat.rhoLiquid = EvaluateGibbs(1, sat.p, T).Density();
        sat.rhoVapour = EvaluateGibbs(2, sat.p, T).Density();
    } else {
        sat.rhoLiquid = Region3SaturatedDensity(T, 0);
        sat.rhoVapour = Region3SaturatedDensity(T, 1);
    }
    sat.valid = std::isfinite(sat.p) && std::isfinite(sat.rhoLiquid) && std::isfinite(sat.rhoVapour);
    return sat;
}

SaturationPoint SaturationAtPressure(double p)
{
    if (!(p >= LowestSaturationPressure() && p <= CriticalPressure))
        return {};
    const double Ts = GetSatTemperature(p);
    if (!std::isfinite(Ts))
        return {};
    const double T = std::clamp(Ts, LowestTemperature, CriticalTemperature);
    if (T > Region3SwitchTemperature) {
        SaturationPoint sat = SaturationAtTemperature(T);
        sat.p = p; // psat(Tsat(p)) is p to rounding
        return sat;
    }
    SaturationPoint sat;
    sat.p = p;
    sat.T = T;
    sat.rhoLiquid = EvaluateGibbs(1, p, T).Density();
    sat.rhoVapour = EvaluateGibbs(2, p, T).Density();
    sat.valid = std::isfinite(sat.rhoLiquid) && std::isfinite(sat.rhoVapour);
    return sat;
}

double SaturatedProperty(int code, int side, const SaturationPoint& sat, double x)
{
    auto sideValue = [&](int k) {
        if (sat.T <= Region3SwitchTemperature)
            return GibbsValue(EvaluateGibbs(k == 0 ? 1 : 2, sat.p, sat.T), code == 4 ? 5 : code);
        const double rho = k == 0 ? sat.rhoLiquid : sat.rhoVapour;
        if (code == 1)
            return sat.p;
        return HelmholtzValue(EvaluateHelmholtz(sat.T, rho), code == 4 ? 5 : code);
    };
    if (code == 1)
        return sat.p;
    if (code == 2)
        return sat.T;
    double value;
    if (side == 0 || side == 1) {
        value = sideValue(side);
    } else {
        const double liquid = sideValue(0);
        value = liquid + x * (sideValue(1) - liquid);
    }
    return code == 4 ? 1.0 / value : value;
}

double LowestSaturationPressure()
{
    static const double lowest = GetSatPressure(LowestTemperature);
    return lowest;
}

} // namespace vq
