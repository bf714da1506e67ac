#include "solver/asme_property.h"

#include "equations/asme_error.h"
#include "equations/flag_values.h"
#include "equations/saturation_line.h"
#include "equations/transport.h"
#include "solver/bulk_modulus.h"
#include "solver/phase_state.h"

#include <cmath>

namespace vq {
namespace {

constexpr double R = GasConstantR;

bool IsDensityBased(int region, double T)
{
    return region == 3 || (region == 4 && T > Region3SwitchTemperature);
}

// True when rho itself is the density of the state: region 3, or one saturated side
// above 623.15 K.
bool IsOwnDensity(int phase, int region, double T)
{
    return IsDensityBased(region, T) && (region == 3 || phase == PhaseSaturatedLiquid || phase == PhaseSaturatedVapour);
}

// Specific volume of the state, m3/kg.
double StateVolume(int phase, int region, double p, double T, double rho, double x, double rhoVapour)
{
    if (IsOwnDensity(phase, region, T))
        return 1.0 / rho;
    if (!IsDensityBased(region, T))
        return CalcReducedVolume(phase, region, p, T, rho, x, rhoVapour) * R * T / p / 1000.0;
    // A mixture above 623.15 K, on specific volume.
    const double liquid = 1.0 / rho;
    return liquid + x * (1.0 / rhoVapour - liquid);
}

// Density of the state, kg/m3.
double StateDensity(int phase, int region, double p, double T, double rho, double x, double rhoVapour)
{
    return IsOwnDensity(phase, region, T) ? rho : 1.0 / StateVolume(phase, region, p, T, rho, x, rhoVapour);
}

double Compute(int code, int phase, int region, double p, double T, double rho, double x, double rhoVapour)
{
    // Quantities that several codes share, evaluated only where needed.
    auto volume = [&] { return StateVolume(phase, region, p, T, rho, x, rhoVapour); };
    auto density = [&] { return StateDensity(phase, region, p, T, rho, x, rhoVapour); };
    auto phaseClass = [&] { return GetPhaseState(region, p, T, rho); };
    auto soundSpeedSq = [&] { return CalcReducedSoundSpeedSq(phase, region, p, T, rho, x, rhoVapour) * R * T * 1000.0; };

    switch (code) {
    case 1:
        return region == 3 ? CalcRegion3Pressure(phase, region, p, T, rho, x) * rho * R * T / 1000.0 : p;
    case 2: return T;
    case 3: return CalcReducedEnthalpy(phase, region, p, T, rho, x, rhoVapour) * R * T;
    case 4: return density();
    case 5: return volume();
    case 6: return CalcReducedEntropy(phase, region, p, T, rho, x, rhoVapour) * R;
    case 7: return CalcReducedInternalEnergy(phase, region, p, T, rho, x, rhoVapour) * R * T;
    case 8: return x;
    case 9:
    case 10: return 0.0;
    case 11: return x >= 0.0 ? x : static_cast<double>(phaseClass());
    case 12: return CalcThermalConductivity(T, density());
    case 13: return CalcViscosity(T, density());
    case 14: return CalcReducedCp(phase, region, p, T, rho, x, rhoVapour) * R;
    case 15: return CalcReducedCv(phase, region, p, T, rho, x, rhoVapour) * R;
    case 16: return std::sqrt(soundSpeedSq());
    case 17: return soundSpeedSq() / (p * 1e6 * volume());
    case 18: {
        const double rhoS = density();
        return CalcReducedCp(phase, region, p, T, rho, x, rhoVapour) * R * CalcViscosity(T, rhoS)
               / CalcThermalConductivity(T, rhoS) * 1000.0;
    }
    case 19: {
        const int c = phaseClass();
        if (c != PhaseSuperheatedVapour && c != PhaseSaturatedVapour && c != PhaseSupercritical)
            return NotApplicableValue;
        return p * 1000.0 / (density() * R * T);
    }
    case 20: {
        const double rhoS = density();
        return CalcViscosity(T, rhoS) / rhoS * 1e6;
    }
    case 21: {
        const int c = phaseClass();
        return c == PhaseTwoPhase ? NotApplicableValue : CalcBulkModulus(region, c, p, T, rho);
    }
    case 22: return phaseClass() == PhaseSupercritical ? NotApplicableValue : GetSatTemperature(p);
    case 23: return phaseClass() == PhaseSupercritical ? NotApplicableValue : GetSatPressure(T);
    case 24:
        if (region == 1 || region == 3)
            return phaseClass() == PhaseCompressedLiquid ? GetSatTemperature(p) - T : NotApplicableValue;
        return region == 2 || region == 4 || region == 5 ? NotApplicableValue : 0.0;
    case 25:
        if (region == 2 || region == 3 || region == 5)
            return phaseClass() == PhaseSuperheatedVapour ? T - GetSatTemperature(p) : NotApplicableValue;
        return region == 1 || region == 4 ? NotApplicableValue : 0.0;
    default: return 0.0;
    }
}

} // namespace

double CalcAsmeProperty(int code, int phase, int region, double p, double T, double rho, double x, double rhoVapour)
{
    const double value = Compute(code, phase, region, p, T, rho, x, rhoVapour);
    return std::isfinite(value) ? value : NotApplicableValue;
}

namespace {

double PropertyOfState(int code, int phase, int region, double p, double T, double rho, double x)
{
    return CalcAsmeProperty(code, phase, region, p, T, rho, x);
}

} // namespace

double CalcBulkModulus(int region, int phase, double p, double T, double rho)
{
    return BulkModulusFrom(PropertyOfState, region, phase, p, T, rho);
}

} // namespace vq
