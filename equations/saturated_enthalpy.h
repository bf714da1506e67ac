// Saturated-liquid and saturated-vapour enthalpy as functions of entropy, s in
// kJ/(kg K), h in kJ/kg. Outside its range each sets the error pair (9270 liquid, 9280
// vapour) and returns 0; nothing else is checked or reported.
#pragma once

namespace vq {

// Entropy bounds of the saturation lines: s' at 273.15 K, s' at 623.15 K, the critical
// entropy, the join of the two vapour pieces and s'' at 273.15 K.
inline constexpr double SatLiquidEntropyMin = -0.0001545495919;
inline constexpr double SatLiquidEntropyAt62315 = 3.77828134;
inline constexpr double CriticalEntropy = 4.41202148223476;
inline constexpr double SatVaporEntropyJoin = 5.85;
inline constexpr double SatVaporEntropyMax = 9.155759395;

// h'(s) for SatLiquidEntropyMin <= s <= CriticalEntropy.
double GetSatLiquidEnthalpyFromS(double s);
// h''(s) for CriticalEntropy <= s <= SatVaporEntropyMax.
double GetSatVaporEnthalpyFromS(double s);

} // namespace vq
