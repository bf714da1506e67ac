#include "printing/graph_axis_logic.h"

#include "common/number_format.h"

#include <cmath>

namespace vq {

namespace {

constexpr int MaxTicks = 100;

} // namespace

double GraphTickStep(double span)
{
    if (!std::isfinite(span) || span <= 0.0)
        return 1.0;
    const double raw = span / 5.0;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    const double mantissa = raw / power;
    const double nice = mantissa < 1.5 ? 1.0 : mantissa < 3.5 ? 2.0 : mantissa < 7.5 ? 5.0 : 10.0;
    const double step = nice * power;
    return std::isfinite(step) && step > 0.0 ? step : 1.0;
}

GraphAxisScale ScaleGraphAxis(double low, double high, int scaleMode)
{
    if (!std::isfinite(low) || !std::isfinite(high) || low > high)
        return {};
    if (low == high) {
        const double pad = low == 0.0 ? 1.0 : std::fabs(low) * 0.1;
        low -= pad;
        high += pad;
    }
    GraphAxisScale scale;
    scale.step = GraphTickStep(high - low);
    if (scaleMode == GraphScaleRounded) {
        scale.min = std::floor(low / scale.step) * scale.step;
        scale.max = std::ceil(high / scale.step) * scale.step;
        // Rounding may leave a value just outside when the quotient is inexact.
        if (scale.min > low)
            scale.min -= scale.step;
        if (scale.max < high)
            scale.max += scale.step;
    } else {
        scale.min = low;
        scale.max = high;
    }
    if (!std::isfinite(scale.min) || !std::isfinite(scale.max) || !(scale.max > scale.min))
        return {};
    return scale;
}

std::vector<double> GraphAxisTicks(const GraphAxisScale& scale)
{
    std::vector<double> ticks;
    if (!(scale.step > 0.0) || !std::isfinite(scale.min) || !std::isfinite(scale.max))
        return ticks;
    const double tolerance = scale.step * 1e-9;
    const double first = std::ceil((scale.min - tolerance) / scale.step);
    for (int i = 0; i < MaxTicks; ++i) {
        double v = (first + i) * scale.step;
        if (v > scale.max + tolerance)
            break;
        if (std::fabs(v) < tolerance)
            v = 0.0; // no "-0" label
        ticks.push_back(v);
    }
    return ticks;
}

std::string GraphTickLabel(double value, const std::string& format)
{
    return FormatWithPattern(value, format, CurrentLocaleSeparators());
}

} // namespace vq
