// Boundaries between the IF97 regions: B23 in both directions, and the 1/3 and 2/3
// boundaries in the enthalpy-entropy plane. Pure functions that check no ranges (where a
// formula has no finite value the result is NaN): p in MPa, T in K, h in kJ/kg, s in
// kJ/(kg K).
#pragma once

namespace vq {

// Pressure on the region 2/3 boundary at T (valid 623.15 K to 863.15 K).
double GetB23Pressure(double T);
// Temperature on the region 2/3 boundary at p (valid 16.5291643 MPa to 100 MPa);
// NaN below 13.918839778870 MPa, where the equation has no real root.
double GetB23Temperature(double p);
// Enthalpy on the region 1/3 boundary at s (valid 3.397782955 to 3.77828134).
double GetHB13FromS(double s);
// Temperature on the region 2/3 boundary at (h, s) (valid 5.048096828 <= s <=
// 5.260578707 and 2563.592004 <= h <= 2812.942061).
double GetTB23FromHS(double h, double s);

} // namespace vq
