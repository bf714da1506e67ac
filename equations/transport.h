// Dynamic viscosity and thermal conductivity of water and steam from temperature in K
// and density in kg/m3 (the 1985 equations for industrial use, ITS-90 form, without a
// critical enhancement of the viscosity). No range is checked; where a formula has no
// finite value (T <= 0, a negative density) the result is NaN.
#pragma once

namespace vq {

// Dynamic viscosity in Pa s.
double CalcViscosity(double T, double rho);
// Thermal conductivity in W/(m K).
double CalcThermalConductivity(double T, double rho);

} // namespace vq
