// Saturated states from the forward equations, for consistency checks: regions 1 and 2
// at (psat(T), T) up to 623.15 K, region 3 at the saturated densities above it.
#pragma once

#include "equations/asme_error.h"
#include "equations/reduced_properties.h"
#include "equations/saturation_line.h"

namespace vq::test {

// Saturated density of region 3 at T on one side: the outermost density at which the
// region-3 pressure equals the saturation pressure (the liquid root scanned down from
// 800 kg/m3, the vapour root up from 50 kg/m3), then bisection.
inline double SaturatedDensity(double T, bool liquid)
{
    const double ps = GetSatPressure(T);
    auto excess = [&](double rho) { return CalcRegion3Pressure(0, 3, 0.0, T, rho, 0.0) * rho * GasConstantR * T / 1000.0 - ps; };
    const double step = liquid ? -0.25 : 0.25;
    double outer = liquid ? 800.0 : 50.0;
    double inner = outer + step;
    while ((excess(inner) > 0) == (excess(outer) > 0) && inner > 50.0 && inner < 800.0) {
        outer = inner;
        inner += step;
    }
    for (int i = 0; i < 100; ++i) {
        const double mid = 0.5 * (outer + inner);
        if ((excess(mid) > 0) == (excess(outer) > 0))
            outer = mid;
        else
            inner = mid;
    }
    return 0.5 * (outer + inner);
}

struct SaturatedSide {
    double h;
    double s;
};

// h and s of the saturated liquid (liquid true) or vapour at T.
inline SaturatedSide SaturatedProperties(double T, bool liquid)
{
    const double ps = GetSatPressure(T);
    const bool low = T <= Region3SwitchTemperature;
    const int region = low ? (liquid ? 1 : 2) : 3;
    const double rho = low ? 0.0 : SaturatedDensity(T, liquid);
    return {CalcReducedEnthalpy(0, region, ps, T, rho, 0.0) * GasConstantR * T,
            CalcReducedEntropy(0, region, ps, T, rho, 0.0) * GasConstantR};
}

} // namespace vq::test
