#include "equations/region3_saturation.h"

#include "equations/if97_coefficients.h"
#include "equations/power_sums.h"

namespace vq {

namespace {

constexpr int EnthalpyKind = 3;
constexpr int EntropyKind = 6;

} // namespace

double GetRegion3SatPressure(double value, int kind)
{
    if (kind == EnthalpyKind) {
        const double eta = value / 2600.0;
        return 22.0 * if97::SumPowerTerms(if97::Psat3FromHTerms, eta - 1.02, eta - 0.608);
    }
    if (kind == EntropyKind) {
        const double sigma = value / 5.2;
        return 22.0 * if97::SumPowerTerms(if97::Psat3FromSTerms, sigma - 1.03, sigma - 0.699);
    }
    return 0.0;
}

double GetSatTemperatureFromHS(double h, double s)
{
    const double eta = h / 2800.0;
    const double sigma = s / 9.2;
    return 550.0 * if97::SumPowerTerms(if97::TsatFromHSTerms, eta - 0.119, sigma - 1.07);
}

} // namespace vq
