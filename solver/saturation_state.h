// States on the IF97 saturation line with both side densities. At or below 623.15 K the
// sides are the region-1 and region-2 states at (psat(T), T); above it both sides are
// region-3 states at psat(T), found on their own branch of the region-3 isotherm.
// Units: p in MPa, T in K, rho in kg/m3. Nothing is set in the error state.
#pragma once

namespace vq {

struct SaturationPoint {
    double p = 0.0;
    double T = 0.0;
    double rhoLiquid = 0.0;
    double rhoVapour = 0.0;
    // False when T or p lies outside the saturation line or a density search failed.
    bool valid = false;
};

// Saturated density of side 0 (liquid) or 1 (vapour) of the region-3 equation at T
// (623.15 K to 647.096 K); NaN outside that range or when the search fails.
double Region3SaturatedDensity(double T, int side);

// The saturation state at T (273.15 K to 647.096 K) or at p (psat(273.15 K) to
// 22.064 MPa); not valid outside.
SaturationPoint SaturationAtTemperature(double T);
SaturationPoint SaturationAtPressure(double p);

// Property code 1 to 7 of side 0 (liquid), 1 (vapour) or any other side (the mixture
// at quality x: h, s, u and v linear in x, density 1/v) of a saturation state.
double SaturatedProperty(int code, int side, const SaturationPoint& sat, double x);

// Where the saturation line starts: psat(273.15 K), 0.000611212677 MPa. The program's
// lowest pressure, 0.0006112 MPa, lies just below it: there only vapour exists.
double LowestSaturationPressure();

} // namespace vq
