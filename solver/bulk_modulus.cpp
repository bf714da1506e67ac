#include "solver/bulk_modulus.h"

#include "equations/asme_error.h"
#include "equations/flag_values.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vq {
namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double RelativeStep = 0.01;
constexpr double NearSaturationFactor = 0.999;
constexpr double LowestPressure = 0.0006112;

// Density of region 3 at (target, T) on the isotherm through (rho0, T): Newton steps
// from rho0, each held within 10 % of the density. NaN when it does not converge.
double Region3DensityAt(StateProperty property, double target, double T, double rho0)
{
    auto pressure = [property, T](double rho) { return property(1, 0, 3, 0.0, T, rho, NotApplicableValue); };
    double rho = rho0;
    for (int i = 0; i < 60; ++i) {
        const double pr = pressure(rho);
        if (!IsResultValue(pr))
            return NaN;
        const double f = pr - target;
        if (std::abs(f) <= 1e-13 * target)
            return rho;
        const double d = 1e-6 * rho;
        const double slope = (pressure(rho + d) - pressure(rho - d)) / (2.0 * d);
        if (!std::isfinite(slope) || slope <= 0.0)
            return NaN;
        const double step = std::clamp(-f / slope, -0.1 * rho, 0.1 * rho);
        rho += step;
        if (std::abs(step) <= 1e-14 * rho)
            return rho;
    }
    return NaN;
}

} // namespace

double BulkModulusFrom(StateProperty property, int region, int phase, double p, double T, double rho)
{
    const double rho0 = region == 3 ? rho : property(4, phase, region, p, T, rho, 1.0);
    const double psat = property(23, phase, region, p, T, rho, 1.0);

    double up = RelativeStep * p;
    double down = RelativeStep * p;
    if (IsResultValue(psat) && std::abs(p - psat) < RelativeStep * p) {
        // Keep the step toward the saturation line inside the phase.
        if (phase == PhaseCompressedLiquid) {
            down = NearSaturationFactor * std::abs(p - psat);
            up = std::min(down, 2.0 * RelativeStep * p);
        } else if (phase == PhaseSuperheatedVapour) {
            up = NearSaturationFactor * std::abs(p - psat);
            down = std::min(up, 2.0 * RelativeStep * p);
        }
    }
    const double upperLimit = T < 1073.15 ? 100.0 : 10.0;
    const double pUp = std::min(p + up, upperLimit);
    const double pDown = std::max(p - down, LowestPressure);

    auto densityAt = [&](double pStar) {
        return region == 3 ? Region3DensityAt(property, pStar, T, rho0) : property(4, phase, region, pStar, T, rho, 1.0);
    };
    const double rhoUp = densityAt(pUp);
    const double rhoDown = densityAt(pDown);
    if (!IsResultValue(rhoUp) || !IsResultValue(rhoDown) || rhoUp == rhoDown)
        return NaN;
    if (phase == PhaseSuperheatedVapour)
        return property(17, phase, region, p, T, rho0, 1.0) * p;
    return rho0 * (pUp - pDown) / (rhoUp - rhoDown);
}

} // namespace vq
