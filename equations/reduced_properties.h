// Dimensionless properties of an IF97 state from the basic equation of its region:
// regions 1, 2 and 5 at (p, T), region 3 at (rho, T). Multiply by GasConstantR (and T,
// p or rho) for the property: v = CalcReducedVolume * R T / p / 1000, h and u = result
// * R T, s, cp and cv = result * R, w = sqrt(result * R T * 1000), region-3 p =
// CalcRegion3Pressure * rho R T / 1000. Units: p in MPa, T in K, rho in kg/m3.
// Each routine loads the table of the region it evaluates. A region code outside 1 to 5
// gives 0 and loads nothing. No range is checked; a state outside the equations'
// domain (T <= 0, p <= 0 in regions 2 and 5, rho <= 0 in region 3) gives NaN.
//
// Region 4 (saturated or two-phase) evaluates its sides and mixes them linearly by
// quality x. At or below 623.15 K the liquid side is region 1 and the vapour side
// region 2, both at (p, T) with p the saturation pressure. Above 623.15 K both sides are
// region 3 at their own saturated densities: phaseSel 0 (liquid) and 1 (vapour) read rho
// as the density of that side; any other phaseSel is the mixture, which reads rho as the
// liquid density rho' and rhoVapour as the vapour density rho'' (NaN when not given).
#pragma once

#include <limits>

namespace vq {

inline constexpr double NoVapourDensity = std::numeric_limits<double>::quiet_NaN();

// p v / (R T); 0 in region 3 (and in region 4 above 623.15 K), where v = 1 / rho.
double CalcReducedVolume(int phaseSel, int region, double p, double T, double rho, double x,
                         double rhoVapour = NoVapourDensity);
// h / (R T)
double CalcReducedEnthalpy(int phaseSel, int region, double p, double T, double rho, double x,
                           double rhoVapour = NoVapourDensity);
// u / (R T)
double CalcReducedInternalEnergy(int phaseSel, int region, double p, double T, double rho, double x,
                                 double rhoVapour = NoVapourDensity);
// s / R
double CalcReducedEntropy(int phaseSel, int region, double p, double T, double rho, double x,
                          double rhoVapour = NoVapourDensity);
// cp / R
double CalcReducedCp(int phaseSel, int region, double p, double T, double rho, double x,
                     double rhoVapour = NoVapourDensity);
// cv / R
double CalcReducedCv(int phaseSel, int region, double p, double T, double rho, double x,
                     double rhoVapour = NoVapourDensity);
// w^2 / (R T)
double CalcReducedSoundSpeedSq(int phaseSel, int region, double p, double T, double rho, double x,
                               double rhoVapour = NoVapourDensity);
// p / (rho R T) of region 3; 0 for every other region.
double CalcRegion3Pressure(int phaseSel, int region, double p, double T, double rho, double x);

} // namespace vq
