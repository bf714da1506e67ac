// Factor conversions of every unit family except pressure and temperature. Each family
// has one base unit; ToBase gives the value of one unit in base units, FromBase the
// number of units in one base unit. An unknown name warns the user and gives 1.
#pragma once

#include <string>
#include <string_view>

namespace vq {

// One kilojoule and one kilowatt in International Table Btu and Btu/s.
inline constexpr double KilojouleInBtu = 0.94781712;
inline constexpr double KilowattInBtuPerSecond = 0.94781712;
// One kilogram-force per square centimetre in psi.
inline constexpr double KgPerCm2InPsi = 14.22334;

// Reference densities in lbm/ft3 of the air specific gravity and the standard and normal
// gas volume flows. Nothing sets them; while one is not a positive number the units that
// need it cannot be converted (warning and factor 1).
extern double AirReferenceDensity;
extern double StandardGasDensity;
extern double NormalGasDensity;
void ResetReferenceDensities();

// The text of the unknown-unit warning for a routine's family word and a unit name.
std::string UnknownUnitsMessage(std::string_view familyWord, std::string_view units);
// Beeps and shows the unknown-unit warning with the trimmed name.
void ShowUnknownUnitsWarning(std::string_view familyWord, std::string_view units);

// The number by which a value in fromUnits is multiplied to express it in toUnits.
// Families without a factor list (pressure, temperature, resistance, energy, valve Cv)
// give 1.
double ConversionFactor(int family, std::string_view fromUnits, std::string_view toUnits);

double LengthToBase(std::string_view units);
double AreaToBase(std::string_view units);
double VolumeToBase(std::string_view units);
double VelocityToBase(std::string_view units);
double VelocityFromBase(std::string_view units);
double VolumetricFlowToBase(std::string_view units);
double MassFlowToBase(std::string_view units);
double DensityToBase(std::string_view units);
double DensityFromBase(std::string_view units);
double PowerToBase(std::string_view units);
double PressureGradientToBase(std::string_view units);
double HeatFluxToBase(std::string_view units);
double ThermalConductivityToBase(std::string_view units);
double ThermalConductivityFromBase(std::string_view units);
double SpecificHeatToBase(std::string_view units);
double SpecificHeatFromBase(std::string_view units);
double ConvectionCoefficientToBase(std::string_view units);
double ViscosityToBase(std::string_view units);
double ViscosityFromBase(std::string_view units);
double MonetaryToBase(std::string_view units);
double EnthalpyToBase(std::string_view units);
double EnthalpyFromBase(std::string_view units);
double ThermalResistanceToBase(std::string_view units);
double TimeToBase(std::string_view units);
double TemperatureDifferenceToBase(std::string_view units);
double TemperatureDifferenceFromBase(std::string_view units);
double WeightPerLengthToBase(std::string_view units);
double MassToBase(std::string_view units);
double HeadGradientToBase(std::string_view units);
double DecimalPercentToBase(std::string_view units);
double DecimalPercentFromBase(std::string_view units);
double SpecificVolumeToBase(std::string_view units);
double SpecificVolumeFromBase(std::string_view units);
// Computed in single precision (about seven significant digits).
double KinematicViscosityToBase(std::string_view units);
double KinematicViscosityFromBase(std::string_view units);

} // namespace vq
