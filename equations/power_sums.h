// Sums of terms n * x^I * y^J over a coefficient table, in table order.
#pragma once

#include "equations/if97_coefficients.h"

#include <cmath>
#include <span>

namespace vq::if97 {

inline double SumPowerTerms(std::span<const PowerTerm> terms, double x, double y)
{
    double sum = 0.0;
    for (const PowerTerm& t : terms)
        sum += t.n * std::pow(x, t.I) * std::pow(y, t.J);
    return sum;
}

} // namespace vq::if97
