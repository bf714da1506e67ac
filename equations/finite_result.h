// Results outside an equation's domain: an infinite or undefined value becomes NaN, so
// callers test one thing (std::isnan, or IsResultValue after mapping to a flag value).
#pragma once

#include <cmath>
#include <limits>

namespace vq {

inline double FiniteOrNaN(double value)
{
    return std::isfinite(value) ? value : std::numeric_limits<double>::quiet_NaN();
}

} // namespace vq
