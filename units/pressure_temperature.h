// Pressure and temperature conversion: units that differ by an offset as well as a factor.
#pragma once

#include <string_view>

namespace vq {

// A pressure in fromUnits expressed in toUnits, through psia. Gauge units add the
// atmospheric pressure of UnitPrefs; an empty name stands for "psia".
double ConvertPressure(double value, std::string_view fromUnits, std::string_view toUnits);

// A pressure difference or a pressure-like modulus: the factor alone, without the
// atmospheric offset of gauge units.
double ConvertPressureDifference(double value, std::string_view fromUnits, std::string_view toUnits);

// A temperature in fromUnits expressed in toUnits, through degrees Rankine. An empty name
// stands for "deg. R".
double ConvertTemperature(double value, std::string_view fromUnits, std::string_view toUnits);

// True when a pressure in psia has a finite value in every pressure unit of the catalogue.
bool IsFiniteInEveryPressureUnit(double psia);

// True for the absolute pressure names (case ignored, nothing trimmed) and the no-units marker.
bool IsAbsolutePressureUnits(std::string_view units);

} // namespace vq
