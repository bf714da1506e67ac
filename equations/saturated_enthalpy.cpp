#include "equations/saturated_enthalpy.h"

#include "equations/asme_error.h"
#include "equations/if97_coefficients.h"
#include "equations/power_sums.h"

#include <cmath>

namespace vq {

double GetSatLiquidEnthalpyFromS(double s)
{
    const double sigma = s / 3.8;
    if (s >= SatLiquidEntropyMin && s <= SatLiquidEntropyAt62315)
        return 1700.0 * if97::SumPowerTerms(if97::SatLiquidEnthalpy1Terms, sigma - 1.09, sigma + 3.66e-5);
    if (s > SatLiquidEntropyAt62315 && s <= CriticalEntropy)
        return 1700.0 * if97::SumPowerTerms(if97::SatLiquidEnthalpy3aTerms, sigma - 1.09, sigma + 3.66e-5);
    SetAsmeError(ErrSatLiquidEntropy);
    return 0.0;
}

double GetSatVaporEnthalpyFromS(double s)
{
    if (s >= SatVaporEntropyJoin && s <= SatVaporEntropyMax)
        return 2800.0 * std::exp(if97::SumPowerTerms(if97::SatVapourEnthalpy2abTerms, 5.21 / s - 0.513, s / 9.2 - 0.524));
    if (s >= CriticalEntropy && s < SatVaporEntropyJoin) {
        const double sigma = s / 5.9;
        const double sum = if97::SumPowerTerms(if97::SatVapourEnthalpy2c3bTerms, sigma - 1.02, sigma - 0.726);
        return 2800.0 * (sum * sum) * (sum * sum);
    }
    SetAsmeError(ErrSatVaporEntropy);
    return 0.0;
}

} // namespace vq
