// Saturation pressure above 623.15 K from enthalpy or entropy, and the temperature of
// a two-phase state from enthalpy and entropy. Polynomials that check no range (NaN
// where the sum is not finite):
// p in MPa, T in K, h in kJ/kg, s in kJ/(kg K).
#pragma once

namespace vq {

// psat3 from an enthalpy (kind 3) or an entropy (kind 6), for the values between the
// saturated liquid and vapour at 623.15 K; 0 for any other kind.
double GetRegion3SatPressure(double value, int kind);
// Tsat(h, s) of a two-phase state whose entropy is at least s'' at 623.15 K.
double GetSatTemperatureFromHS(double h, double s);

} // namespace vq
