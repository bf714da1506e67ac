#include "solver/region_selection.h"

#include "equations/asme_error.h"
#include "equations/region_boundaries.h"
#include "equations/saturated_enthalpy.h"
#include "equations/saturation_line.h"
#include "solver/asme_error_messages.h"
#include "solver/backward_equations.h"
#include "solver/forward_state.h"
#include "solver/formulation_limits.h"
#include "solver/iterative_solvers.h"
#include "solver/root_search.h"
#include "solver/saturation_state.h"

#include <algorithm>
#include <cmath>

namespace vq {
namespace {

// Property code 3 (h), 5 (v) or 6 (s) of region 1, 2 or 5 at (p, T).
double Boundary(int code, int region, double p, double T)
{
    return GibbsValue(EvaluateGibbs(region, p, T), code);
}

int Fail(int code)
{
    SetAsmeError(code);
    return 0;
}

// The compared property and the error code of a second input: a density is compared as
// its specific volume.
struct Compared {
    int code = 0;  // 3, 5 or 6
    int error = 0; // 9120, 9130, 9140 or 9150
    double value = 0.0;
};

bool MakeCompared(int code2, double value2, Compared& c)
{
    switch (code2) {
    case 3: c = {3, ErrEnthalpyOutOfRange, value2}; return true;
    case 4: c = {5, ErrDensityOutOfRange, value2 > 0.0 ? 1.0 / value2 : std::nan("")}; return true;
    case 5: c = {5, ErrSpecificVolumeOutOfRange, value2}; return true;
    case 6: c = {6, ErrEntropyOutOfRange, value2}; return true;
    default: return false;
    }
}

// The compared second input. False for a code that is not handled (result 0, no
// error) and for a value that is not a number (result 0 with the range error).
bool ReadCompared(int code2, double value2, Compared& c, int& result)
{
    result = 0;
    if (!MakeCompared(code2, value2, c))
        return false;
    if (!std::isfinite(c.value)) {
        result = Fail(c.error);
        return false;
    }
    return true;
}

// Region-1 or region-2 state of pressure 100 MPa and entropy s: the backward
// temperature, made exact on the forward equation.
double EnthalpyAt100(int region, double s)
{
    double T = CalcBackwardTemperature(HighestPressure, 6, s, region);
    if (!std::isfinite(T))
        return std::nan("");
    if (region == 3) {
        double rho = CalcBackwardDensity(HighestPressure, 6, s, 3);
        const Function2 f = [s](double d, double t) {
            const HelmholtzState st = EvaluateHelmholtz(t, d);
            return Residual2{st.p - HighestPressure, st.s - s, st.pRho, st.pT, st.sRho, st.sT};
        };
        NewtonPolish2(f, rho, T, 1e-12 * HighestPressure, 1e-13 * std::max(1.0, std::abs(s)));
        return EvaluateHelmholtz(T, rho).h;
    }
    const RootFunction f = [region, s](double t) {
        const GibbsState st = EvaluateGibbs(region, HighestPressure, t);
        return RootEval{st.s - s, st.EntropyT()};
    };
    NewtonPolish1(f, T, 1e-13 * std::max(1.0, std::abs(s)));
    return Boundary(3, region, HighestPressure, T);
}

// Least specific volume of region 1 at p: the liquid is densest near 4 C, not at
// 273.15 K.
double LeastLiquidVolume(double p)
{
    const PlainFunction f = [p](double T) { return -Boundary(5, 1, p, T); };
    const double T = GoldenSectionMaximum(f, LowestTemperature, 300.0, 1e-6);
    return std::min(Boundary(5, 1, p, T), Boundary(5, 1, p, LowestTemperature));
}

// Least enthalpy (code 3) or entropy (6) of region 1 on the isotherm T, between psat(T)
// and 100 MPa; either can pass through a minimum on the way.
double LeastLiquidValue(int code, double T)
{
    const double ps = GetSatPressure(T);
    const PlainFunction f = [code, T](double p) { return -Boundary(code, 1, p, T); };
    const double p = GoldenSectionMaximum(f, ps, HighestPressure, 1e-9 * HighestPressure);
    return std::min({Boundary(code, 1, p, T), Boundary(code, 1, ps, T), Boundary(code, 1, HighestPressure, T)});
}

// Range limits are inclusive, to rounding.
bool Below(double x, double limit)
{
    return x < limit - 1e-12 * std::abs(limit);
}

bool Above(double x, double limit)
{
    return x > limit + 1e-12 * std::abs(limit);
}

// An enthalpy at the 100 MPa limit of its entropy is accepted to the accuracy of the
// backward equations that located it.
bool AtMost(double h, double limit)
{
    return h <= limit + 1e-10 * std::abs(limit);
}

// Highest enthalpy of region 2 at the entropy s: on the 100 MPa isobar, or where the
// isentrope meets 1073.15 K at a lower pressure.
double Region2HighestEnthalpy(double s)
{
    if (s <= Boundary(6, 2, HighestPressure, Region25Temperature))
        return EnthalpyAt100(2, s);
    const RootFunction f = [s](double p) {
        const GibbsState st = EvaluateGibbs(2, p, Region25Temperature);
        return RootEval{st.s - s, st.EntropyP()};
    };
    const PlainFunction g = [&f](double p) { return f(p).f; };
    const double lo = LowestPressure, hi = HighestPressure;
    const RootResult r = NewtonInBracket(f, lo, hi, g(lo), g(hi), std::sqrt(lo * hi));
    return r.found ? Boundary(3, 2, r.x, Region25Temperature) : Boundary(3, 2, LowestPressure, Region25Temperature);
}

} // namespace

int GetRegionFromPressure(double p, int code2, double value2)
{
    if (!(p >= LowestPressure && p <= HighestPressure))
        return Fail(ErrPressureOutOfRange);
    if (code2 == 2) {
        const double T = value2;
        if (!(T >= LowestTemperature && T <= HighestTemperature))
            return Fail(ErrTemperatureOutOfRange);
        if (p > Region5HighestPressure && T >= Region25Temperature)
            return Fail(ErrPressureOutOfRange);
        if (T >= Region25Temperature)
            return 5;
        if (T <= Region3SwitchTemperature) {
            if (p >= CriticalPressure)
                return 1;
            const double psat = GetSatPressure(T);
            const double band = p < 0.01 ? SaturationBand * psat : SaturationBand;
            if (std::abs(p - psat) <= band)
                return 4;
            return p < psat ? 2 : 1;
        }
        if (p < CriticalPressure && T < CriticalTemperature &&
            std::abs(p - GetSatPressure(T)) <= SaturationBand)
            return 4;
        if (T > Region23HighestTemperature)
            return 2;
        return p > GetB23Pressure(T) ? 3 : 2;
    }
    Compared c;
    if (int early = 0; !ReadCompared(code2, value2, c, early))
        return early;
    const double X = c.value;
    if (p <= Region5HighestPressure) {
        if (Above(X, Boundary(c.code, 5, p, HighestTemperature)))
            return Fail(c.error);
        const double x5 = Boundary(c.code, 5, p, Region25Temperature);
        if (c.code == 6 ? X >= x5 : X > x5)
            return 5;
    }
    // The range holds at every pressure, for entropy as for the others. Where region 5
    // begins, a value between the region-2 and region-5 values at 1073.15 K is a state
    // at that temperature; the region-2 equation takes it.
    const double least = c.code == 5 ? LeastLiquidVolume(p) : Boundary(c.code, 1, p, LowestTemperature);
    double most = Boundary(c.code, 2, p, Region25Temperature);
    if (p <= Region5HighestPressure)
        most = std::max(most, Boundary(c.code, 5, p, Region25Temperature));
    if (Below(X, least) || Above(X, most))
        return Fail(c.error);
    // Below the saturation line's first pressure only vapour lies in the range.
    if (p < LowestSaturationPressure())
        return Below(X, Boundary(c.code, 2, p, LowestTemperature)) ? Fail(c.error) : 2;
    if (p < CriticalPressure) {
        const SaturationPoint sat = SaturationAtPressure(p);
        if (!sat.valid)
            return Fail(ErrSaturationIterations);
        const double liquid = SaturatedProperty(c.code, 0, sat, 1.0);
        const double vapour = SaturatedProperty(c.code, 1, sat, 1.0);
        if (X >= liquid && X <= vapour)
            return 4;
        if (p <= Region13CornerPressure)
            return X < liquid ? 1 : 2;
    }
    if (X <= Boundary(c.code, 1, p, Region3SwitchTemperature))
        return 1;
    if (X >= Boundary(c.code, 2, p, GetB23Temperature(p)))
        return 2;
    return 3;
}

int GetRegionFromTemperature(double T, int code2, double value2)
{
    if (!(T >= LowestTemperature && T <= HighestTemperature))
        return Fail(ErrTemperatureOutOfRange);
    Compared c;
    if (int early = 0; !ReadCompared(code2, value2, c, early))
        return early;
    const double X = c.value;
    if (T >= Region25Temperature) {
        if (Below(X, Boundary(c.code, 5, Region5HighestPressure, T)) || Above(X, Boundary(c.code, 5, LowestPressure, T)))
            return Fail(c.error);
        return 5;
    }
    // The state at 100 MPa on this isotherm.
    double top;
    if (T >= Region23HighestTemperature) {
        top = Boundary(c.code, 2, HighestPressure, T);
    } else if (T >= Region3SwitchTemperature) {
        const double rho = Region3DensityAt(HighestPressure, T);
        if (!std::isfinite(rho))
            return Fail(ErrDensityIterations);
        top = HelmholtzValue(EvaluateHelmholtz(T, rho), c.code);
    } else {
        top = Boundary(c.code, 1, HighestPressure, T);
    }
    const double bottom = Boundary(c.code, 2, LowestPressure, T);
    double lower = top;
    bool skipTwoPhase = false;
    SaturationPoint sat;
    if (T < CriticalTemperature) {
        sat = SaturationAtTemperature(T);
        if (!sat.valid)
            return Fail(ErrSaturationIterations);
    }
    const double liquid = T < CriticalTemperature ? SaturatedProperty(c.code, 0, sat, 1.0) : 0.0;
    const double vapour = T < CriticalTemperature ? SaturatedProperty(c.code, 1, sat, 1.0) : 0.0;
    if (T < Region3SwitchTemperature && c.code != 5) {
        if (c.code == 3 && liquid < top && !Above(X, top)) {
            // Between h' and the enthalpy at 100 MPa a compressed liquid and a wet
            // state have the same (T, h): the liquid is taken.
            lower = liquid;
            skipTwoPhase = true;
        }
        // The liquid's enthalpy and entropy need not change monotonically toward
        // 100 MPa (near 4 C, and above about 500 K): the least value of the isotherm
        // is the limit.
        if (Below(X, lower))
            lower = LeastLiquidValue(c.code, T);
    }
    if (Below(X, lower) || Above(X, bottom))
        return Fail(c.error);
    if (T < CriticalTemperature && !skipTwoPhase && X >= liquid && X <= vapour)
        return 4;
    const bool low = c.code == 5 ? T < Region3SwitchTemperature : T <= Region3SwitchTemperature;
    if (low) {
        if (skipTwoPhase)
            return X > vapour ? 2 : 1;
        if (X < liquid)
            return 1;
        if (X > vapour)
            return 2;
    } else {
        if (T > Region23HighestTemperature)
            return 2;
        return X >= Boundary(c.code, 2, GetB23Pressure(T), T) ? 2 : 3;
    }
    return Fail(ErrRegion);
}

int GetRegionFromHS(double h, double s)
{
    if (Below(h, Boundary(3, 1, LowestPressure, LowestTemperature)) ||
        Above(h, Boundary(3, 2, LowestPressure, Region25Temperature)) || !std::isfinite(h))
        return Fail(ErrEnthalpyOutOfRange);
    // At 273.15 K the entropy falls with pressure above about 20 MPa.
    const double leastEntropy =
        std::min(Boundary(6, 1, LowestPressure, LowestTemperature), Boundary(6, 1, HighestPressure, LowestTemperature));
    if (Below(s, leastEntropy) || Above(s, Boundary(6, 2, LowestPressure, Region25Temperature)) || !std::isfinite(s))
        return Fail(ErrEntropyOutOfRange);
    double hsat = 0.0;
    if (s >= SatLiquidEntropyMin && s <= CriticalEntropy)
        hsat = GetSatLiquidEnthalpyFromS(s);
    else if (s > CriticalEntropy && s <= SatVaporEntropyMax)
        hsat = GetSatVaporEnthalpyFromS(s);
    if (h < hsat) {
        SetAsmeError(ErrHSTwoPhase);
        return 4;
    }
    auto bounded = [h](int region, double s100) {
        const double top = region == 2 ? Region2HighestEnthalpy(s100) : EnthalpyAt100(region, s100);
        return AtMost(h, top) ? region : Fail(ErrHSOutOfRange);
    };
    if (s < 3.397782955)
        return bounded(1, s);
    if (s <= 3.77828134) {
        if (h < GetHB13FromS(s))
            return 1;
        return bounded(3, s);
    }
    if (s <= 5.048096828)
        return bounded(3, s);
    if (s <= 5.260578707) {
        if (h <= 2563.592004)
            return 3;
        if (h >= 2812.942061)
            return bounded(2, s);
        const double tb = GetTB23FromHS(h, s);
        return CalcBackwardPressure(h, s, 2) > GetB23Pressure(tb) ? 3 : 2;
    }
    return bounded(2, s);
}

} // namespace vq
