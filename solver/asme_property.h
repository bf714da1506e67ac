// The output dispatcher: one output parameter of a solved IF97 state, in SI units.
#pragma once

#include "equations/reduced_properties.h"

namespace vq {

// Value of output parameter code (1 to 25) of the state (region, p, T, rho, x):
// MPa, K, kJ/kg, kg/m3, m3/kg, kJ/(kg K), W/(m K), Pa s, m/s, mm2/s; NotApplicableValue
// where the parameter does not apply or cannot be computed (never NaN or infinity); 0
// for a code outside 1 to 25.
//
// phase selects the side of a region-4 state: 0 saturated liquid, 1 saturated vapour,
// any other value the mixture of quality x. Density comes from rho in region 3 and in
// region 4 above 623.15 K: there rho is the density of the side that phase names, and
// for a mixture rho is the liquid's and rhoVapour the vapour's; the mixture's volume
// is v' + x (v'' - v'). Elsewhere rho is not read. x is NotApplicableValue for a
// single-phase state.
double CalcAsmeProperty(int code, int phase, int region, double p, double T, double rho, double x,
                        double rhoVapour = NoVapourDensity);

// Bulk modulus in MPa of the state (region, p, T, rho) of phase class phase (-3, -2
// or -1): rho (dp/drho) at constant T from two neighbouring pressures on the isotherm
// for liquid and supercritical states, the isentropic expansion coefficient times p for
// vapour. Both neighbours are evaluated with the state's own region equation; rho is
// read in region 3 only. NaN when the neighbouring densities cannot be told apart or
// the region-3 density search fails.
double CalcBulkModulus(int region, int phase, double p, double T, double rho);

} // namespace vq
