// The saturation state that has a known saturated property, with the user's choice
// when two saturation states have it.
#pragma once

#include <array>
#include <string>

namespace vq {

// The two solutions of the last search that found two, in the display units of the
// Temperature and Pressure outputs, and the solution used (1 or 2).
extern std::array<double, 2> SolutionTSat;
extern std::array<std::string, 2> SolutionTSatUnits;
extern std::array<double, 2> SolutionPSat;
extern std::array<std::string, 2> SolutionPSatUnits;
extern int ChosenSolution;
// Back to the state at program start (for tests).
void ResetSaturationSearch();

// Finds the saturation state whose property code (1 p, 2 T, 3 h, 4 rho, 5 v, 6 s, 7 u)
// has the value target (SI units) on side 0 (saturated liquid), 1 (saturated vapour)
// or, for any other side, in the mixture of quality x (h, s, u and v linear in x).
// On success p and T are the saturation state and rho is the density of the side
// (the liquid's for a mixture); rhoVapour, when given, receives the vapour density.
// The saturated-vapour enthalpy and internal energy have a maximum: a value between
// their value at 273.15 K and that maximum has two solutions, and the user chooses
// one through CurrentUserInterface().ChooseSolution. A search without a solution sets
// error 9530 and writes nothing. The error state is never cleared. region is not
// read (the state is on the saturation line).
void SolveSaturationState(int code, double target, int side, int region, double& p, double& T, double& rho,
                          double x, double* rhoVapour = nullptr);

} // namespace vq
