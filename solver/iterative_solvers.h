// Iterative searches on the IF97 forward equations for input pairs that have no direct
// equation. Each search is bracketed by the limits of its region at the fixed variable,
// so it cannot step outside the region or converge to a root of another branch; a
// search that fails sets the error state (9500 pressure, 9510 temperature, 9520 density,
// 9550 pressure and density) and never clears it.
//
// code is the PropertyCode of the property that must reach target (1 p, 3 h, 4 rho,
// 5 v, 6 s, 7 u), in SI units (MPa, K, kg/m3, m3/kg, kJ/kg, kJ/(kg K)). The searched
// variable holds the start value on entry and the solution on return; on failure it
// keeps its start value. phase is not read: the searched states are single-phase.
#pragma once

#include "solver/formulation_limits.h"

namespace vq {

// T at the pressure p in region 1, 2 or 5 (codes 3 to 7); in region 3 the T at which
// the density rho has the pressure target (code 1).
void SolveTemperature(int code, double target, int phase, int region, double& p, double& T, double& rho);
// The region-3 density at which (rho, T) has the pressure target (code 1). In regions
// 1, 2 and 5 the density follows from p and T: rho is set to it.
void SolveDensity(int code, double target, int phase, int region, double& p, double& T, double& rho);
// p at the temperature T in region 1, 2 or 5 (codes 3 to 7); in region 3 the pressure
// of (rho, T) (code 4 or 5 read rho).
void SolvePressure(int code, double target, int phase, int region, double& p, double& T, double& rho);
// The region-3 state at the temperature T whose enthalpy (code 3) or entropy (code 6) is
// target, searched on the density with the region-3 equation alone; p becomes the
// region-3 pressure of (rho, T). p and rho are written only on success.
void SolvePressureDensity(int code, double target, double& p, double& T, double& rho);

// Start density of a region-3 search at (p, T): linear in T between the densities at
// the ends of the region-3 part of the isobar (623.15 K or the saturated side, and the
// saturated side or the 2/3 boundary). Sets no error.
double GetRegion3StartDensity(double p, double T);

// The region-3 density at (p, T) on the branch that the pair names: liquid above psat(T)
// below the critical temperature, vapour below it. NaN when no density of region 3
// has that pressure. Sets no error.
double Region3DensityAt(double p, double T);

// Temperature limits of region 1, 2 or 5 at the pressure p, and pressure limits at T.
struct Limits {
    double lo;
    double hi;
};
Limits TemperatureLimits(int region, double p);
Limits PressureLimits(int region, double T);

} // namespace vq
