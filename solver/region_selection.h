// The IF97 region of a single-phase input pair, with the range checks of the program.
// Values in SI units (MPa, K, kJ/kg, kg/m3, m3/kg, kJ/(kg K)). A value out of range,
// or a region that cannot be found, sets the error state and gives 0; the two-phase
// enthalpy-entropy pair gives 4 with error 9290. A second code that the function does
// not handle gives 0 without an error.
#pragma once

namespace vq {

// Pressure with temperature (2), enthalpy (3), density (4), specific volume (5) or
// entropy (6).
int GetRegionFromPressure(double p, int code2, double value2);
// Temperature with enthalpy (3), density (4), specific volume (5) or entropy (6).
int GetRegionFromTemperature(double T, int code2, double value2);
// Enthalpy with entropy.
int GetRegionFromHS(double h, double s);

// Half-width of the band around psat(T) in which a pressure-temperature pair counts as
// saturated, MPa (relative to psat below 0.01 MPa).
inline constexpr double SaturationBand = 0.001;

} // namespace vq
