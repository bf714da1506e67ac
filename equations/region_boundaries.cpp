#include "equations/region_boundaries.h"

#include "equations/finite_result.h"
#include "equations/if97_coefficients.h"
#include "equations/power_sums.h"

#include <cmath>

namespace vq {

using if97::B23Coefficients;

double GetB23Pressure(double T)
{
    return FiniteOrNaN(B23Coefficients[0] + B23Coefficients[1] * T + B23Coefficients[2] * std::pow(T, 2.0));
}

double GetB23Temperature(double p)
{
    return FiniteOrNaN(B23Coefficients[3] + std::sqrt((p - B23Coefficients[4]) / B23Coefficients[2]));
}

double GetHB13FromS(double s)
{
    const double sigma = s / 3.8;
    return 1700.0 * if97::SumPowerTerms(if97::HB13Terms, sigma - 0.884, sigma - 0.864);
}

double GetTB23FromHS(double h, double s)
{
    const double eta = h / 3000.0;
    const double sigma = s / 5.3;
    return 900.0 * if97::SumPowerTerms(if97::TB23Terms, eta - 0.727, sigma - 0.864);
}

} // namespace vq
