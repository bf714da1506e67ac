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

// The highest sensible atmospheric pressure in psia, about ten standard atmospheres.
inline constexpr double HighestAtmosphericPressurePsia = 150.0;

// True for an atmospheric pressure in psia above 0 and at most HighestAtmosphericPressurePsia.
bool IsSensibleAtmosphericPressure(double psia);

// True for the absolute pressure names (case ignored, nothing trimmed) and the no-units marker.
bool IsAbsolutePressureUnits(std::string_view units);

} // namespace vq
