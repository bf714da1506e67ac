#include "solver/iterative_solvers.h"

#include "equations/asme_error.h"
#include "equations/region_boundaries.h"
#include "equations/saturation_line.h"
#include "solver/asme_error_messages.h"
#include "solver/forward_state.h"
#include "solver/root_search.h"
#include "solver/saturation_state.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vq {
namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

// Relative margin by which a search reaches past the limits of its region, so that a
// state on a limit is found despite rounding.
constexpr double LimitMargin = 1e-9;

// A root of f in [lo, hi]: Newton from start when the ends differ in sign. Otherwise
// the function turns back inside the range (a density maximum, an enthalpy minimum):
// the turning point splits the range and the part on the side named by preferHigh is
// searched first.
RootResult SolveInRange(const RootFunction& f, double lo, double hi, double start, bool preferHigh)
{
    lo -= LimitMargin * std::abs(lo);
    hi += LimitMargin * std::abs(hi);
    if (!(lo < hi))
        return {};
    const PlainFunction plain = [&f](double x) { return f(x).f; };
    const double fLo = plain(lo);
    const double fHi = plain(hi);
    if (Straddles(fLo, fHi))
        return NewtonInBracket(f, lo, hi, fLo, fHi, start);
    if (!std::isfinite(fLo) || !std::isfinite(fHi))
        return {};
    // Both ends on one side: look for the extremum that reaches across zero.
    const double sign = fLo > 0.0 ? -1.0 : 1.0;
    const PlainFunction toward = [&plain, sign](double x) { return sign * plain(x); };
    const double turn = GoldenSectionMaximum(toward, lo, hi, 1e-10 * (hi - lo));
    const double fTurn = plain(turn);
    if (!Straddles(fLo, fTurn))
        return {};
    const RootResult high = NewtonInBracket(f, turn, hi, fTurn, fHi, start);
    const RootResult low = NewtonInBracket(f, lo, turn, fLo, fTurn, start);
    if (preferHigh)
        return high.found ? high : low;
    return low.found ? low : high;
}

double Region1Density(double p, double T)
{
    return EvaluateGibbs(1, p, T).Density();
}

double Region2Density(double p, double T)
{
    return EvaluateGibbs(2, p, T).Density();
}

// Density of the region-3 equation at (p, T) inside [lo, hi].
double Region3DensityIn(double p, double T, double lo, double hi)
{
    const RootFunction f = [p, T](double rho) {
        const HelmholtzState st = EvaluateHelmholtz(T, rho);
        return RootEval{st.p - p, st.pRho};
    };
    const double fLo = f(lo).f;
    const double fHi = f(hi).f;
    if (!Straddles(fLo, fHi))
        return NaN;
    // Start where the straight line through the ends crosses the target.
    const double start = lo - fLo * (hi - lo) / (fHi - fLo);
    const RootResult r = NewtonInBracket(f, lo, hi, fLo, fHi, start);
    return r.found ? r.x : NaN;
}

} // namespace

Limits TemperatureLimits(int region, double p)
{
    switch (region) {
    case 1:
        return {LowestTemperature, p < GetSatPressure(Region3SwitchTemperature) ? GetSatTemperature(p)
                                                                                 : Region3SwitchTemperature};
    case 2: {
        double lo = LowestTemperature;
        if (p > Region13CornerPressure)
            lo = GetB23Temperature(p);
        else if (p > GetSatPressure(LowestTemperature))
            lo = GetSatTemperature(p);
        // The region-2 and region-5 equations differ slightly at 1073.15 K: a state
        // between their values lies a few thousandths of a kelvin past the limit.
        return {lo, Region25Temperature + 0.1};
    }
    case 5: return {Region25Temperature, HighestTemperature};
    default: return {NaN, NaN};
    }
}

Limits PressureLimits(int region, double T)
{
    switch (region) {
    case 1: return {std::max(LowestPressure, GetSatPressure(std::min(T, Region3SwitchTemperature))), HighestPressure};
    case 2: {
        double hi = HighestPressure;
        if (T <= Region3SwitchTemperature)
            hi = GetSatPressure(T);
        else if (T <= Region23HighestTemperature)
            hi = GetB23Pressure(T);
        return {LowestPressure, hi};
    }
    case 5: return {LowestPressure, Region5HighestPressure};
    default: return {NaN, NaN};
    }
}

double Region3DensityAt(double p, double T)
{
    if (!(p > 0.0 && std::isfinite(p) && T > 0.0 && std::isfinite(T)))
        return NaN;
    // The densest region-3 state of an isobar is at 623.15 K; a margin covers the small
    // step between the region-1 and region-3 equations there.
    const double densest = 1.02 * Region1Density(p, Region3SwitchTemperature);
    // Below a quarter of the ideal-gas density the region-3 pressure is below p.
    const double thinnest = 0.25 * p * 1000.0 / (GasConstantR * T);
    double lo = thinnest, hi = densest;
    if (T < CriticalTemperature) {
        const double ps = GetSatPressure(T);
        const bool liquid = p >= ps;
        const double side = T > Region3SwitchTemperature ? Region3SaturatedDensity(T, liquid ? 0 : 1)
                            : liquid                     ? Region1Density(ps, T)
                                                         : Region2Density(ps, T);
        if (!std::isfinite(side))
            return NaN;
        (liquid ? lo : hi) = side;
    }
    if (!(lo < hi))
        return NaN;
    return Region3DensityIn(p, T, lo, hi);
}

double GetRegion3StartDensity(double p, double T)
{
    auto interpolate = [T](double t1, double r1, double t2, double r2) {
        return t2 == t1 ? r1 : r1 + (r2 - r1) * (T - t1) / (t2 - t1);
    };
    if (p > CriticalPressure) {
        const double tb = GetB23Temperature(p);
        return interpolate(Region3SwitchTemperature, Region1Density(p, Region3SwitchTemperature), tb,
                           Region2Density(p, tb));
    }
    const SaturationPoint sat = SaturationAtPressure(p);
    if (!sat.valid)
        return NaN;
    if (T <= sat.T)
        return interpolate(Region3SwitchTemperature, Region1Density(p, Region3SwitchTemperature), sat.T,
                           sat.rhoLiquid);
    const double tb = GetB23Temperature(p);
    if (!std::isfinite(tb) || tb <= sat.T)
        return sat.rhoVapour;
    return interpolate(sat.T, sat.rhoVapour, tb, Region2Density(p, tb));
}

void SolveTemperature(int code, double target, int /*phase*/, int region, double& p, double& T, double& rho)
{
    RootResult r;
    if (std::isfinite(target)) {
        if (region == 3 && code == 1) {
            const double d = rho;
            const RootFunction f = [d, target](double t) {
                const HelmholtzState st = EvaluateHelmholtz(t, d);
                return RootEval{st.p - target, st.pT};
            };
            double hi = Region23HighestTemperature;
            if (target >= Region13CornerPressure)
                hi = std::min(GetB23Temperature(target) + 5.0, 900.0);
            r = SolveInRange(f, Region3SwitchTemperature - 3.0, hi, T, false);
        } else if ((region == 1 || region == 2 || region == 5) && code >= 3 && code <= 7) {
            const Limits lim = TemperatureLimits(region, p);
            const double pp = p;
            const RootFunction f = [region, pp, code, target](double t) {
                const ValueAndSlope v = GibbsProperty(EvaluateGibbs(region, pp, t), code, GibbsVariable::Temperature);
                return RootEval{v.value - target, v.slope};
            };
            // Two liquid states share a density near 4 C: the warmer one is taken.
            r = SolveInRange(f, lim.lo, lim.hi, T, true);
        }
    }
    if (r.found && std::isfinite(r.x))
        T = r.x;
    else
        SetAsmeError(ErrTemperatureIterations);
}

void SolveDensity(int code, double target, int /*phase*/, int region, double& p, double& T, double& rho)
{
    if (region == 1 || region == 2 || region == 5) {
        const double d = EvaluateGibbs(region, p, T).Density();
        if (std::isfinite(d)) {
            rho = d;
            return;
        }
    } else if (region == 3 && code == 1 && std::isfinite(target)) {
        const double d = Region3DensityAt(target, T);
        if (std::isfinite(d)) {
            rho = d;
            return;
        }
    }
    SetAsmeError(ErrDensityIterations);
}

void SolvePressure(int code, double target, int /*phase*/, int region, double& p, double& T, double& rho)
{
    if (region == 3 && (code == 4 || code == 5)) {
        // The region-3 equation gives the pressure from the density directly.
        const double d = code == 4 ? target : 1.0 / target;
        const double pr = EvaluateHelmholtz(T, d).p;
        if (std::isfinite(pr) && pr > 0.0 && d > 0.0) {
            rho = d;
            p = pr;
            return;
        }
    } else if ((region == 1 || region == 2 || region == 5) && code >= 3 && code <= 7 && std::isfinite(target)) {
        const Limits lim = PressureLimits(region, T);
        const double tt = T;
        const RootFunction f = [region, tt, code, target](double pr) {
            const ValueAndSlope v = GibbsProperty(EvaluateGibbs(region, pr, tt), code, GibbsVariable::Pressure);
            return RootEval{v.value - target, v.slope};
        };
        const RootResult r = SolveInRange(f, lim.lo, lim.hi, p, false);
        if (r.found && std::isfinite(r.x)) {
            p = r.x;
            return;
        }
    }
    SetAsmeError(ErrPressureIterations);
}

void SolvePressureDensity(int code, double target, double& p, double& T, double& rho)
{
    const double t = T;
    auto fail = [] { SetAsmeError(ErrPressureDensityIterations); };
    if ((code != 3 && code != 6) || !std::isfinite(target) || !(t >= Region3SwitchTemperature) ||
        !(t <= Region23HighestTemperature)) {
        fail();
        return;
    }
    // The densities of region 3 on this isotherm run from the 2/3 boundary (or the
    // saturated vapour) to 100 MPa (or the saturated liquid); the two-phase part
    // between the saturated sides is never searched. The search reaches 1 % below the
    // boundary pressure: the region-2 and region-3 equations differ slightly on it, and
    // a value between theirs is a state on the boundary.
    auto topDensity = [t] { return Region3DensityAt(HighestPressure, t); };
    auto bottomDensity = [t] { return Region3DensityAt(0.99 * GetB23Pressure(t), t); };
    double lo = NaN, hi = NaN;
    if (t < CriticalTemperature) {
        const double liquid = Region3SaturatedDensity(t, 0);
        const double sideValue = HelmholtzValue(EvaluateHelmholtz(t, liquid), code);
        if (target <= sideValue) {
            lo = liquid;
            hi = topDensity();
        } else {
            lo = bottomDensity();
            hi = Region3SaturatedDensity(t, 1);
        }
    } else {
        lo = bottomDensity();
        hi = topDensity();
    }
    if (!(std::isfinite(lo) && std::isfinite(hi) && lo < hi)) {
        fail();
        return;
    }
    const RootFunction f = [t, code, target](double d) {
        const ValueAndSlope v = HelmholtzProperty(EvaluateHelmholtz(t, d), code, HelmholtzVariable::Density);
        return RootEval{v.value - target, v.slope};
    };
    const RootResult r = SolveInRange(f, lo, hi, NaN, false);
    const double pr = r.found ? EvaluateHelmholtz(t, r.x).p : NaN;
    if (!std::isfinite(pr) || pr <= 0.0) {
        fail();
        return;
    }
    rho = r.x;
    p = pr;
}

} // namespace vq
