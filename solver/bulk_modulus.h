// Bulk modulus of a single-phase IF97 state.
#pragma once

namespace vq {

// An output parameter of a state, with the arguments of CalcAsmeProperty.
using StateProperty = double (*)(int code, int phase, int region, double p, double T, double rho, double x);

// CalcBulkModulus with the state's properties taken from property.
double BulkModulusFrom(StateProperty property, int region, int phase, double p, double T, double rho);

} // namespace vq
