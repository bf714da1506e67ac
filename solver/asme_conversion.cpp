#include "solver/asme_conversion.h"

#include "preferences/output_mod.h"
#include "units/conversion_factors.h"
#include "units/pressure_temperature.h"

#include <string>

namespace vq {
namespace {

constexpr int TemperatureDifferenceFamily = 26;

} // namespace

double ConvertAsmeInput(int code, double value, std::string_view units)
{
    switch (code) {
    case 1: return ConvertPressure(value, units, InternalPressureUnits);
    case 2: return ConvertTemperature(value, units, InternalTemperatureUnits);
    case 3:
    case 7: return value * EnthalpyToBase(units) * EnthalpyFromBase(InternalEnthalpyUnits);
    case 4: return value * DensityToBase(units) * DensityFromBase(InternalDensityUnits);
    case 5: return value * SpecificVolumeToBase(units) * SpecificVolumeFromBase(InternalSpecificVolumeUnits);
    case 6: return value * SpecificHeatToBase(units) * SpecificHeatFromBase(InternalEntropyUnits);
    case 8: return value * DecimalPercentToBase(units);
    default: return value;
    }
}

double ConvertAsmeOutput(double value, int code)
{
    const std::string units = OutputParams(code).Units;
    switch (code) {
    case 1:
    case 23: return ConvertPressure(value, InternalPressureUnits, units);
    case 21: return ConvertPressureDifference(value, InternalPressureUnits, units); // a modulus, not a pressure
    case 2:
    case 22: return ConvertTemperature(value, InternalTemperatureUnits, units);
    case 3:
    case 7: return value * EnthalpyToBase(InternalEnthalpyUnits) * EnthalpyFromBase(units);
    case 4: return value * DensityToBase(InternalDensityUnits) * DensityFromBase(units);
    case 5: return value * SpecificVolumeToBase(InternalSpecificVolumeUnits) * SpecificVolumeFromBase(units);
    case 6:
    case 14:
    case 15: return value * SpecificHeatToBase(InternalEntropyUnits) * SpecificHeatFromBase(units);
    case 12:
        return value * ThermalConductivityToBase(InternalConductivityUnits) * ThermalConductivityFromBase(units);
    case 13: return value * ViscosityToBase(InternalViscosityUnits) * ViscosityFromBase(units);
    case 16: return value * VelocityToBase(InternalVelocityUnits) * VelocityFromBase(units);
    case 8: return value * DecimalPercentFromBase(units);
    case 20: {
        // The kinematic-viscosity factor is a single-precision number.
        const float factor = static_cast<float>(KinematicViscosityFromBase(units));
        return static_cast<double>(factor) * value;
    }
    case 24:
    case 25: return value * ConversionFactor(TemperatureDifferenceFamily, InternalTemperatureDifferenceUnits, units);
    default: return value;
    }
}

} // namespace vq
