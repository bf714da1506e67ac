// Crossing between the user's units and the SI units of the IF97 property source.
#pragma once

#include <string_view>

namespace vq {

// Unit names of the SI values the IF97 source computes with.
inline constexpr std::string_view InternalPressureUnits = "MPa";
inline constexpr std::string_view InternalTemperatureUnits = "deg. K";
inline constexpr std::string_view InternalEnthalpyUnits = "kJ/kg";
inline constexpr std::string_view InternalDensityUnits = "kg/m3";
inline constexpr std::string_view InternalSpecificVolumeUnits = "m3/kg";
inline constexpr std::string_view InternalEntropyUnits = "kJ/kg-K";
inline constexpr std::string_view InternalConductivityUnits = "W/m-K";
inline constexpr std::string_view InternalViscosityUnits = "Pa-sec";
inline constexpr std::string_view InternalVelocityUnits = "meters/sec";
inline constexpr std::string_view InternalTemperatureDifferenceUnits = "Deg. K";

// A typed input of PropertyCode code, in units, as the SI value the source computes
// with. Codes without a unit come back unchanged.
double ConvertAsmeInput(int code, double value, std::string_view units);

// A computed SI result of PropertyCode code in the display unit of its output parameter.
// The caller keeps flag values and the Phase number away from it.
double ConvertAsmeOutput(double value, int code);

} // namespace vq
