// The loaded coefficient table of the IF97 basic equations: the terms of exactly one
// region at a time, read by the free-energy evaluators. Each array covers the entries
// 0..count, as the published tables number their rows from 1; entry 0 holds 0 and is
// never read. A load points the arrays at constant tables; it copies nothing.
#pragma once

#include <span>

namespace vq {

// Residual part (regions 2 and 5) or whole equation (regions 1 and 3); region 4 sets
// RegN and RegCoef to the ten saturation-line coefficients and leaves RegI and RegJ.
extern int RegN;
extern std::span<const int> RegI;
extern std::span<const int> RegJ;
extern std::span<const double> RegCoef;
// Ideal-gas part of regions 2 and 5.
extern int IdealN;
extern std::span<const int> IdealJ;
extern std::span<const double> IdealCoef;
// Code of the most recent load that did not find its code already here, whether it
// loaded a table or not; 0 = nothing loaded. The solver sets it to 0 at the start of
// every calculation.
extern int LastLoadedRegion;

// Points the arrays at the table of region 1 to 5; any other code loads nothing. Either
// way the code becomes LastLoadedRegion.
void LoadRegionTable(int region);

// Loads the table of region 1 to 5 unless that code is LastLoadedRegion. Any other code
// loads nothing but still becomes LastLoadedRegion. The second argument is not read.
inline void LoadRegionCoefficients(int region, int = 0)
{
    if (region != LastLoadedRegion)
        LoadRegionTable(region);
}

// Empties the table as at program start (for tests).
void ResetLoadedCoefficients();

} // namespace vq
