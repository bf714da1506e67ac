// Bulk modulus of a single-phase IF97 state.
#pragma once

namespace vq {

// Bulk modulus in MPa of the state (region, p, T, rho) of phase class phase (-3, -2
// or -1): rho (dp/drho) at constant T from two neighbouring pressures on the isotherm
// for liquid and supercritical states, the isentropic expansion coefficient times p for
// vapour. Both neighbours are evaluated with the state's own region equation; rho is
// read in region 3 only. NaN when the neighbouring densities cannot be told apart or
// the region-3 density search fails.
double CalcBulkModulus(int region, int phase, double p, double T, double rho);

} // namespace vq
