// Backward equations of the IF97 regions 1, 2 and 3: T(p,h), T(p,s), the region-3
// volumes v(p,h), v(p,s), the pressures p(h,s), and the boundaries between their
// sub-regions. Units: p in MPa, T in K, h in kJ/kg, s in kJ/(kg K), rho in kg/m3.
#pragma once

#include "equations/saturated_enthalpy.h"

namespace vq {

// Sub-region of a backward equation.
enum SubregionCode : int {
    SubregionNone = 0,
    Subregion2a = 1,
    Subregion2b = 2,
    Subregion2c = 3,
    Subregion3a = 4,
    Subregion3b = 5,
};

// Entropy that splits 2b from 2c for T(p,s) and p(h,s), kJ/(kg K).
inline constexpr double Subregion2bcEntropy = 5.85;
// Pressure that splits 2a from 2b and 2c, MPa.
inline constexpr double Subregion2abPressure = 4.0;
// The critical entropy (CriticalEntropy) splits 3a from 3b for T(p,s), v(p,s), p(h,s).

// Pressure on the 2b/2c boundary for the enthalpy h.
double GetB2bcPressure(double h);
// Enthalpy on the 2a/2b boundary of p(h,s) for the entropy s.
double GetH2abFromS(double s);
// Enthalpy on the 3a/3b boundary of T(p,h) and v(p,h) above the critical pressure.
double GetH3abFromP(double p);

// Sub-region of a region-2 or region-3 state given as the pair (code1, value1),
// (code2, value2): p-h (1, 3), p-s (1, 6) or h-s (3, 6) in that order. SubregionNone for
// any other region or pair. Sets no error.
int GetBackwardSubregion(int region, int code1, double value1, int code2, double value2);

// Temperature of a state of region 1, 2 or 3 from its pressure and, by code2, its
// enthalpy (3) or entropy (6). NaN for any other region or code. No range check.
double CalcBackwardTemperature(double p, int code2, double value2, int region);

// Density of a region-3 state from its pressure and, by code, its enthalpy (3) or
// entropy (6). NaN for any other region or code. No range check.
double CalcBackwardDensity(double p, int code, double value, int region);

// Pressure of a state of region 1, 2 or 3 from its enthalpy and entropy. NaN for any
// other region. No range check.
double CalcBackwardPressure(double h, double s, int region);

} // namespace vq
