// The saturation line of IF97: saturation pressure from temperature and its backward
// equation. Valid 273.15 K to 647.096 K (0.000611213 MPa to 22.064 MPa); nothing is
// clamped. Where the formulas have no real value (T at 650.175 K, T from about
// 704.8 K to 807.7 K, p at or below about 5.7e-9 MPa, negative p) the result is NaN.
#pragma once

namespace vq {

// Critical point and the temperature that splits the saturation line between the
// regions 1/2 and region 3.
inline constexpr double CriticalTemperature = 647.096;
inline constexpr double CriticalPressure = 22.064;
inline constexpr double CriticalDensity = 322.0;
inline constexpr double Region3SwitchTemperature = 623.15;

// Saturation pressure in MPa at T in K.
double GetSatPressure(double T);
// Saturation temperature in K at p in MPa.
double GetSatTemperature(double p);

} // namespace vq
