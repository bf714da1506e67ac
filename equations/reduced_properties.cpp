#include "equations/reduced_properties.h"

#include "equations/finite_result.h"
#include "equations/free_energy.h"
#include "equations/region_coefficients.h"
#include "equations/saturation_line.h"

#include <limits>

namespace vq {

namespace {

enum class Reduced { Volume, Enthalpy, InternalEnergy, Entropy, Cp, Cv, SoundSpeedSq, Region3Pressure };

double Square(double v)
{
    return v * v;
}

double GibbsProperty(Reduced what, int region, double p, double T)
{
    // p* is 16.53 MPa in region 1 and 1 MPa in regions 2 and 5.
    const double tStar = region == 1 ? 1386.0 : region == 2 ? 540.0 : 1000.0;
    const double pi = region == 1 ? p / 16.53 : p;
    const double tau = tStar / T;
    const FreeEnergyDerivatives g = GibbsDerivatives(region, pi, tau);
    switch (what) {
    case Reduced::Volume:
        return pi * g.fa;
    case Reduced::Enthalpy:
        return tau * g.fb;
    case Reduced::InternalEnergy:
        return tau * g.fb - pi * g.fa;
    case Reduced::Entropy:
        return tau * g.fb - g.f;
    case Reduced::Cp:
        return -Square(tau) * g.fbb;
    case Reduced::Region3Pressure:
        return 0.0;
    default:
        break;
    }
    if (region == 1) {
        const double mixed = Square(g.fa - tau * g.fab);
        if (what == Reduced::Cv)
            return -Square(tau) * g.fbb + mixed / g.faa;
        return Square(g.fa) / (mixed / (Square(tau) * g.fbb) - g.faa);
    }
    const double mixed = Square(1.0 + pi * g.residualA - tau * pi * g.residualAB);
    const double compress = 1.0 - Square(pi) * g.residualAA;
    if (what == Reduced::Cv)
        return -Square(tau) * g.fbb - mixed / compress;
    return (1.0 + 2.0 * pi * g.residualA + Square(pi) * Square(g.residualA)) / (compress + mixed / (Square(tau) * g.fbb));
}

double HelmholtzProperty(Reduced what, double T, double rho)
{
    const double tau = CriticalTemperature / T;
    const double delta = rho / CriticalDensity;
    const FreeEnergyDerivatives f = HelmholtzDerivatives(3, tau, delta);
    switch (what) {
    case Reduced::Volume:
        return 0.0;
    case Reduced::Enthalpy:
        return tau * f.fb + delta * f.fa;
    case Reduced::InternalEnergy:
        return tau * f.fb;
    case Reduced::Entropy:
        return tau * f.fb - f.f;
    case Reduced::Cv:
        return -Square(tau) * f.fbb;
    case Reduced::Region3Pressure:
        return delta * f.fa;
    default:
        break;
    }
    const double dpd = delta * f.fa;
    const double stiffness = 2.0 * dpd + Square(delta) * f.faa;
    const double mixed = Square(dpd - delta * tau * f.fab);
    const double ftt = Square(tau) * f.fbb;
    if (what == Reduced::Cp) {
        // Where dp/drho is not positive (the critical point) cp has no finite value.
        if (!(stiffness > 0.0))
            return std::numeric_limits<double>::quiet_NaN();
        return -ftt + mixed / stiffness;
    }
    return stiffness - mixed / ftt;
}

double SinglePhase(Reduced what, int region, double p, double T, double rho)
{
    LoadRegionCoefficients(region, 0);
    return FiniteOrNaN(region == 3 ? HelmholtzProperty(what, T, rho) : GibbsProperty(what, region, p, T));
}

double ReducedProperty(Reduced what, int phaseSel, int region, double p, double T, double rho, double x,
                       double rhoVapour)
{
    switch (region) {
    case 1:
    case 2:
    case 3:
    case 5:
        return SinglePhase(what, region, p, T, rho);
    case 4:
        break;
    default:
        return 0.0;
    }
    if (what == Reduced::Region3Pressure)
        return 0.0;
    const bool lowSides = T <= Region3SwitchTemperature;
    if (phaseSel == 0)
        return SinglePhase(what, lowSides ? 1 : 3, p, T, rho);
    if (phaseSel == 1)
        return SinglePhase(what, lowSides ? 2 : 3, p, T, rho);
    const double liquid = SinglePhase(what, lowSides ? 1 : 3, p, T, rho);
    const double vapour = SinglePhase(what, lowSides ? 2 : 3, p, T, rhoVapour);
    return (vapour - liquid) * x + liquid;
}

} // namespace

double CalcReducedVolume(int phaseSel, int region, double p, double T, double rho, double x, double rhoVapour)
{
    return ReducedProperty(Reduced::Volume, phaseSel, region, p, T, rho, x, rhoVapour);
}

double CalcReducedEnthalpy(int phaseSel, int region, double p, double T, double rho, double x, double rhoVapour)
{
    return ReducedProperty(Reduced::Enthalpy, phaseSel, region, p, T, rho, x, rhoVapour);
}

double CalcReducedInternalEnergy(int phaseSel, int region, double p, double T, double rho, double x,
                                 double rhoVapour)
{
    return ReducedProperty(Reduced::InternalEnergy, phaseSel, region, p, T, rho, x, rhoVapour);
}

double CalcReducedEntropy(int phaseSel, int region, double p, double T, double rho, double x, double rhoVapour)
{
    return ReducedProperty(Reduced::Entropy, phaseSel, region, p, T, rho, x, rhoVapour);
}

double CalcReducedCp(int phaseSel, int region, double p, double T, double rho, double x, double rhoVapour)
{
    return ReducedProperty(Reduced::Cp, phaseSel, region, p, T, rho, x, rhoVapour);
}

double CalcReducedCv(int phaseSel, int region, double p, double T, double rho, double x, double rhoVapour)
{
    return ReducedProperty(Reduced::Cv, phaseSel, region, p, T, rho, x, rhoVapour);
}

double CalcReducedSoundSpeedSq(int phaseSel, int region, double p, double T, double rho, double x,
                               double rhoVapour)
{
    return ReducedProperty(Reduced::SoundSpeedSq, phaseSel, region, p, T, rho, x, rhoVapour);
}

double CalcRegion3Pressure(int phaseSel, int region, double p, double T, double rho, double x)
{
    return region == 3 ? ReducedProperty(Reduced::Region3Pressure, phaseSel, 3, p, T, rho, x, NoVapourDensity) : 0.0;
}

} // namespace vq
