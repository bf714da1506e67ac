// Sums of terms n * x^I * y^J over a coefficient table, in table order; NaN where the
// sum is not finite.
#pragma once

#include "equations/finite_result.h"
#include "equations/if97_coefficients.h"

#include <cmath>
#include <span>

namespace vq::if97 {

inline double SumPowerTerms(std::span<const PowerTerm> terms, double x, double y)
{
    double sum = 0.0;
    for (const PowerTerm& t : terms)
        sum += t.n * std::pow(x, t.I) * std::pow(y, t.J);
    return FiniteOrNaN(sum);
}

} // namespace vq::if97
