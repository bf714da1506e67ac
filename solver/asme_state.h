// The IF97 calculation driver: one state point from two known properties, its shown
// outputs stored in ResultTable in their display units.
//
// This version solves the pairs that need no iteration: pressure with temperature,
// and pressure or temperature with saturated liquid, saturated vapour or quality up
// to 623.15 K. Every other pair, and a pressure-temperature state in region 3, ends
// with error 9300; the iterative solvers extend it.
#pragma once

#include <string>

namespace vq {

// index: the point (ResultTable column, or row when the table is transposed).
// The pair may come in either order. On a fault the message is shown and failed is
// set, except in Range mode, where the point's outputs are NotApplicableValue and
// failed stays as it was. A region the driver cannot handle shows "Region = " and
// the number and sets failed in every mode.
void CalcAsmeState(int& index, int code1, double value1, const std::string& units1, int code2, double value2,
                   const std::string& units2, bool& failed);

// Region (1, 2, 3, 4 on the saturation line, 5) of a pressure in MPa and a temperature
// in K; 0 with the error pair set when the pair lies outside the equations.
int GetRegionFromPressureTemperature(double p, double T);

} // namespace vq
