// Scales and ticks of the graph's axes.
#pragma once

#include <string>
#include <vector>

namespace vq {

// Scale modes of an axis: the data's own bounds, bounds rounded outward to whole
// tick steps, or bounds the user fixed.
inline constexpr int GraphScaleData = 1;
inline constexpr int GraphScaleRounded = 2;
inline constexpr int GraphScaleFixed = 3;

struct GraphAxisScale {
    double min = 0.0;
    double max = 1.0;
    double step = 0.2; // distance between ticks
};

// A tick step of 1, 2 or 5 times a power of ten that cuts span into about five parts.
double GraphTickStep(double span);

// The axis for data from low to high. Equal bounds are widened around the value so
// that a single point lies inside the axis; bounds that are not finite or not in
// order give the axis 0 to 1.
GraphAxisScale ScaleGraphAxis(double low, double high, int scaleMode);

// Tick positions: the multiples of the step from min to max (at most 100).
std::vector<double> GraphAxisTicks(const GraphAxisScale& scale);

// Tick label text by the axis label format, in the locale's notation.
std::string GraphTickLabel(double value, const std::string& format);

} // namespace vq
