// Pressure and temperature limits of the program's IF97 range and of its regions.
#pragma once

namespace vq {

inline constexpr double LowestPressure = 0.0006112;
inline constexpr double HighestPressure = 100.0;
inline constexpr double Region5HighestPressure = 10.0;
inline constexpr double LowestTemperature = 273.15;
inline constexpr double HighestTemperature = 2273.15;
inline constexpr double Region25Temperature = 1073.15;
inline constexpr double Region23HighestTemperature = 863.15;
// Pressure of the 623.15 K corner of region 3, as the region tests round it.
inline constexpr double Region13CornerPressure = 16.529;

} // namespace vq
