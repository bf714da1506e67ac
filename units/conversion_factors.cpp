#include "units/conversion_factors.h"

#include "common/messages.h"
#include "common/user_interface.h"
#include "units/unit_family.h"
#include "common/number_parsing.h"
#include "units/unit_names.h"

#include <cmath>
#include <span>

namespace vq {

double AirReferenceDensity = 0.0;
double StandardGasDensity = 0.0;
double NormalGasDensity = 0.0;

void ResetReferenceDensities()
{
    AirReferenceDensity = 0.0;
    StandardGasDensity = 0.0;
    NormalGasDensity = 0.0;
}

namespace {

// Elementary constants, in feet, lbm and Btu.
constexpr double Inch = 0.08333333;
constexpr double Centimeter = 0.0328084;
constexpr double Millimeter = 0.00328084;
constexpr double Meter = 3.28084;
constexpr double Kilogram = 2.204623;
constexpr double Kilowatt = KilowattInBtuPerSecond;
constexpr double Watt = Kilowatt / 1000.0;
constexpr double Megawatt = Kilowatt * 1000.0;
constexpr double FootPound = 0.00128506746;
constexpr double KilogramPerCubicMeter = 0.06242796548856326;

enum class Density { None, Air, StandardGas, NormalGas };

struct Factor {
    std::string_view name;
    double value;                     // base units in one unit (times the density, if any)
    Density density = Density::None;
};

struct FactorList {
    std::string_view familyWord;
    std::span<const Factor> factors;
};

constexpr Factor LengthFactors[] = {
    {"cm", Centimeter}, {"feet", 1}, {"inches", Inch}, {"km", 3280.84}, {"meters", Meter},
    {"miles", 5280}, {"mm", Millimeter}, {"microinches", Inch * 1e-6},
};

constexpr Factor AreaFactors[] = {
    {"cm2", Centimeter * Centimeter}, {"feet2", 1}, {"inches2", Inch * Inch},
    {"meters2", Meter * Meter}, {"mm2", Millimeter * Millimeter},
};

constexpr Factor VolumeFactors[] = {
    {"acre-ft", 43560},
    {"barrels", 5.614426},
    {"cm3", Centimeter * Centimeter * Centimeter},
    {"feet3", 1},
    {"gal", 0.1336806},
    {"gal-UK", 0.16055040060000003},
    {"inches3", Inch * Inch * Inch},
    {"liter", 0.03531467},
    {"meters3", Meter * Meter * Meter},
    {"ml", Centimeter * Centimeter * Centimeter},
    {"mm3", Millimeter * Millimeter * Millimeter},
};

constexpr Factor VelocityFactors[] = {
    {"cm/sec", 0.0328084},
    {"cm/min", 0.0005468066666666667},
    {"cm/hr", 9.113444444444446e-06},
    {"feet/sec", 1},
    {"feet/min", 0.016666666666666666},
    {"feet/hr", 0.0002777777777777778},
    {"feet/day", 1.1574074074074073e-05},
    {"km/sec", 3280.84},
    {"km/min", 54.68066666666667},
    {"km/hr", 0.9113444444444445},
    {"km/day", 0.037972685185185186},
    {"miles/hr", 1.4666666666666666},
    {"miles/day", 0.06111111111111111},
    {"meters/sec", 3.28084},
    {"meters/min", 0.05468066666666667},
    {"meters/hr", 0.0009113444444444445},
    {"meters/day", 3.797268518518518e-05},
    {"inches/sec", 0.08333333},
    {"inches/min", 0.0013888888333333333},
};

constexpr Factor VolumetricFlowFactors[] = {
    {"acre-ft/sec", 43560},
    {"acre-ft/min", 726},
    {"acre-ft/hr", 12.1},
    {"acre-ft/day", 0.5041666666666667},
    {"barrels/sec", 5.614426},
    {"barrels/min", 0.09357376666666667},
    {"barrels/hr", 0.0015595627777777777},
    {"barrels/day", 6.498178240740741e-05},
    {"cm3/sec", 3.531467e-05},
    {"cm3/min", 5.885778333333333e-07},
    {"cm3/hr", 9.809630555555555e-09},
    {"ft3/sec", 1},
    {"ft3/min", 0.016666666666666666},
    {"ft3/hr", 0.0002777777777777778},
    {"ft3/day", 1.1574074074074073e-05},
    {"gal/sec", 0.1336806},
    {"gal/min", 0.0022280100000000003},
    {"gal/hr", 3.7133500000000006e-05},
    {"gal/day", 1.5472291666666667e-06},
    {"gal-UK/sec", 0.16055040060000003},
    {"gal-UK/min", 0.0026758400100000005},
    {"gal-UK/hr", 4.459733350000001e-05},
    {"gal-UK/day", 1.8582222291666668e-06},
    {"in3/sec", 0.0005787037},
    {"in3/min", 9.645061666666666e-06},
    {"in3/hr", 1.6075102777777779e-07},
    {"liter/sec", 0.03531467},
    {"liter/min", 0.0005885778333333333},
    {"liter/hr", 9.809630555555555e-06},
    {"m3/sec", 35.31467},
    {"m3/min", 0.5885778333333334},
    {"m3/hr", 0.009809630555555556},
    {"m3/day", 0.00040873460648148147},
    {"mm3/sec", 3.531467e-08},
    {"mm3/min", 5.885778333333333e-10},
    {"mm3/hr", 9.809630555555556e-12},
};

// Gas volume flows convert through a gas density D in lbm/ft3.
constexpr double PerMinute = 0.016666666666666666;
constexpr double PerHour = 0.0002777777777777778;
constexpr double PerDay = 0.000011574074074074073;
constexpr double CubicMeterPerSecond = 2.204623 / KilogramPerCubicMeter;
constexpr double CubicMeterPerMinute = 0.03674371666666667 / KilogramPerCubicMeter;
constexpr double CubicMeterPerHour = 0.0006123952777777778 / KilogramPerCubicMeter;
constexpr double CubicMeterPerDay = 0.00002551646990740741 / KilogramPerCubicMeter;
constexpr double Million = 1.0 / 1e-6;

constexpr Factor MassFlowFactors[] = {
    {"gram/sec", 0.002204623},
    {"gram/min", 3.674371666666667e-05},
    {"kg/sec", 2.204623},
    {"kg/min", 0.03674371666666667},
    {"kg/hr", 0.0006123952777777778},
    {"kg/day", 2.551646990740741e-05},
    {"lbm/sec", 1},
    {"lbm/min", 0.016666666666666666},
    {"lbm/hr", 0.0002777777777777778},
    {"lbm/day", 1.1574074074074073e-05},
    {"m-ton/sec", 2204.623},
    {"m-ton/min", 36.743716666666664},
    {"m-ton/hr", 0.6123952777777778},
    {"m-ton/day", 0.02551646990740741},
    {"slug/sec", 32.17404},
    {"slug/min", 0.536234},
    {"slug/hr", 0.008937233333333332},
    {"slug/day", 0.0003723847222222222},
    {"ton/sec", 2000},
    {"ton/min", 33.333333333333336},
    {"ton/hr", 0.5555555555555556},
    {"ton/day", 0.023148148148148147},
    {"scfs", 1, Density::StandardGas},
    {"scfm", PerMinute, Density::StandardGas},
    {"scfh", PerHour, Density::StandardGas},
    {"scfd", PerDay, Density::StandardGas},
    {"sm3/s", CubicMeterPerSecond, Density::StandardGas},
    {"sm3/m", CubicMeterPerMinute, Density::StandardGas},
    {"sm3/h", CubicMeterPerHour, Density::StandardGas},
    {"sm3/d", CubicMeterPerDay, Density::StandardGas},
    {"MMscfh", PerHour * Million, Density::StandardGas},
    {"MMscfd", PerDay * Million, Density::StandardGas},
    {"MMsm3/h", CubicMeterPerHour * Million, Density::StandardGas},
    {"MMsm3/d", CubicMeterPerDay * Million, Density::StandardGas},
    {"Ncfs", 1, Density::NormalGas},
    {"Ncfm", PerMinute, Density::NormalGas},
    {"Ncfh", PerHour, Density::NormalGas},
    {"Ncfd", PerDay, Density::NormalGas},
    {"Nm3/s", CubicMeterPerSecond, Density::NormalGas},
    {"Nm3/m", CubicMeterPerMinute, Density::NormalGas},
    {"Nm3/h", CubicMeterPerHour, Density::NormalGas},
    {"Nm3/d", CubicMeterPerDay, Density::NormalGas},
    {"MMNcfh", PerHour * Million, Density::NormalGas},
    {"MMNcfd", PerDay * Million, Density::NormalGas},
    {"MMNm3/h", CubicMeterPerHour * Million, Density::NormalGas},
    {"MMNm3/d", CubicMeterPerDay * Million, Density::NormalGas},
};

constexpr Factor DensityFactors[] = {
    {"gram/cm3", 62.42796548856325},
    {"g/cm3", 62.42796548856325},
    {"gram/liter", 0.062427965488563254},
    {"kg/cm3", 62427.965488563255},
    {"kg/liter", 62.42796548856326},
    {"kg/m3", KilogramPerCubicMeter},
    {"lbm/ft3", 1},
    {"lbm/gal", 7.480516993490453},
    {"lbm/in3", 1728.0000110592},
    {"S.G. water", 62.375},
    {"S.G.", 62.375},
    {"S.G. air", 1, Density::Air},
    {"slug/ft3", 32.17404},
};

constexpr Factor PowerFactors[] = {
    {"Btu/day", 1.1574074074074073e-05},
    {"Btu/hr", 0.0002777777777777778},
    {"Btu/min", 0.016666666666666666},
    {"Btu/s", 1},
    {"ft-lbf/day", 1.4873465972222223e-08},
    {"ft-lbf/hr", 3.5696318333333335e-07},
    {"ft-lbf/min", 2.1417791000000002e-05},
    {"ft-lbf/s", FootPound},
    {"hp", 0.7069},
    {"kJ/day", 1.0970105555555555e-05},
    {"kJ/hr", 0.0002632825333333333},
    {"kW", Kilowatt},
    {"MW", Megawatt},
    {"W", Watt},
    {"cal/s", 0.003968},
    {"cal/min", 6.613333333333333e-05},
    {"cal/hr", 1.1022222222222222e-06},
    {"cal/day", 4.592592592592593e-08},
    {"kcal/s", 3.968},
    {"kcal/min", 0.06613333333333334},
    {"kcal/hr", 0.0011022222222222223},
    {"kcal/day", 4.592592592592592e-05},
};

constexpr Factor PressureGradientFactors[] = {
    {"kPa/m", 0.1450377 / Meter},
    {"kPa/100 m", 0.0014503769999999999 / Meter},
    {"MPa/m", 145.0377 / Meter},
    {"MPa/100 m", 1.450377 / Meter},
    {"Pascals/m", 0.0001450377 / Meter},
    {"Pascals/100 m", 1.4503770000000001e-06 / Meter},
    {"psf/ft", 0.006944444},
    {"psf/in", 0.006944444 / Inch},
    {"psf/100 ft", 6.944444e-05},
    {"psi/ft", 1},
    {"psi/in", 1 / Inch},
    {"psi/100 ft", 0.01},
};

constexpr Factor HeatFluxFactors[] = {
    {"Btu/hr-ft2", 0.0002777777777777778},
    {"Btu/hr-in2", 0.0002777777777777778 / (Inch * Inch)},
    {"Btu/s-ft2", 1},
    {"Btu/s-in2", 1 / (Inch * Inch)},
    {"lbf/s-ft", FootPound},
    {"lbf/s-in", FootPound / Inch},
    {"kJ/hr-cm2", 0.0002632825333333333 / (Centimeter * Centimeter)},
    {"kJ/hr-m2", 0.0002632825333333333 / (Meter * Meter)},
    {"kW/cm2", Kilowatt / (Centimeter * Centimeter)},
    {"kW/m2", Kilowatt / (Meter * Meter)},
    {"MW/cm2", Megawatt / (Centimeter * Centimeter)},
    {"MW/m2", Megawatt / (Meter * Meter)},
    {"W/cm2", Watt / (Centimeter * Centimeter)},
    {"W/m2", Watt / (Meter * Meter)},
};

constexpr Factor ConductivityFactors[] = {
    {"Btu/hr-ft-R", 1},
    {"Btu/s-ft-R", 3600},
    {"Btu-in/s-ft2-R", 299.999988},
    {"cal/s-cm-K", 14.2848 / 0.05905512},
    {"lbf/hr-R", FootPound},
    {"lbf/s-R", 4.626242856},
    {"kW/m-K", Kilowatt * 3600 / 1.8 / Meter},
    {"W/m-K", Watt * 3600 / 1.8 / Meter},
};

constexpr Factor SpecificHeatFactors[] = {
    {"Btu/lbm-R", 1},
    {"cal/g-K", 1}, // by definition of both units, not from the rounded calorie
    {"ft-lbf/lbm-R", FootPound},
    {"kJ/kg-K", KilojouleInBtu / Kilogram / 1.8},
};

constexpr Factor ConvectionFactors[] = {
    {"Btu/hr-ft2-R", 1},
    {"Btu/s-ft2-R", 3600},
    {"kW/m2-K", Kilowatt * 3600 / 1.8 / (Meter * Meter)},
    {"W/m2-K", Watt * 3600 / 1.8 / (Meter * Meter)},
};

constexpr Factor ViscosityFactors[] = {
    {"centipoise", 0.00067197},
    {"kg/sec-cm", 67.19690688969898},
    {"kg/sec-m", 0.6719690688969898},
    {"kg/sec-mm", 671.9690688969898},
    {"lbf-hr/ft2", 115826.544},
    {"lbf-hr/in2", 16679023.670321867},
    {"lbf-s/ft2", 32.17404},
    {"lbf-s/in2", 4633.062130644963},
    {"lbm/hr-ft", 0.0002777777777777778},
    {"lbm/hr-in", 0.0033333334666666723},
    {"lbm/s-ft", 1},
    {"lbm/s-in", 12.00000048000002},
    {"Pa-sec", 0.6719690688969898},
    {"poise", 0.067197},
};

constexpr Factor EnthalpyFactors[] = {
    {"Btu/lbm", 1},
    {"ft-lbf/lbm", FootPound},
    {"kJ/kg", KilojouleInBtu / Kilogram},
};

constexpr Factor DecimalPercentFactors[] = {{"Percent", 0.01}, {"Decimal", 1}};

// A kelvin per kilowatt is 1.8 degrees Rankine per (kW in Btu/hr).
constexpr Factor ThermalResistanceFactors[] = {
    {"hr-R/Btu", 1},
    {"s-R/Btu", 1.0 / 3600},
    {"K/kW", 1.8 / (Kilowatt * 3600)},
    {"K/W", 1.8 / (Watt * 3600)},
};

constexpr Factor TimeFactors[] = {
    {"days", 24}, {"hours", 1}, {"minutes", 1.0 / 60}, {"seconds", 1.0 / 3600}, {"years", 8760},
};

constexpr Factor TemperatureDifferenceFactors[] = {
    {"deg. C", 1.8}, {"deg. F", 1}, {"deg. K", 1.8}, {"deg. R", 1},
};

constexpr Factor WeightPerLengthFactors[] = {
    {"kg/cm", 67.19690688969898}, {"kg/m", 0.6719690688969898}, {"lbm/ft", 1}, {"lbm/in", 12.00000048000002},
};

// The catalogue names the gram "g"; files and callers may also use "gram".
constexpr Factor MassFactors[] = {
    {"gram", 0.002204623}, {"g", 0.002204623}, {"kg", Kilogram}, {"lbm", 1}, {"m-ton", 2204.623}, {"ton", 2000},
};

constexpr Factor HeadGradientFactors[] = {
    {"m/m", 1}, {"m/100 m", 0.01}, {"ft/ft", 1}, {"ft/100 ft", 0.01},
};

constexpr Factor SpecificVolumeFactors[] = {
    {"cm3/gram", 1 / 62.42796548856325},
    {"liter/gram", 1 / 0.062427965488563254},
    {"cm3/kg", 1 / 62427.965488563255},
    {"liter/kg", 1 / 62.42796548856326},
    {"m3/kg", 1 / KilogramPerCubicMeter},
    {"ft3/lbm", 1},
    {"gal/lbm", 1 / 7.480516993490453},
    {"in3/lbm", 1 / 1728.0000110592},
    {"ft3/slug", 1 / 32.17404},
};

// Single-precision values, in centistokes.
constexpr float SquareInchPerSecond = 92903.03f * static_cast<float>(Inch) * static_cast<float>(Inch);

constexpr Factor KinematicViscosityFactors[] = {
    {"centistokes", 1.0f},
    {"stokes", 100.0f},
    {"m2/sec", 1000000.0f},
    {"m2/min", 16666.666f},
    {"m2/hr", 277.77777f},
    {"cm2/sec", 100.0f},
    {"cm2/min", 1.6666666f},
    {"cm2/hr", 0.027777778f},
    {"ft2/sec", 92903.03f},
    {"ft2/min", 1548.3839f},
    {"ft2/hr", 25.806398f},
    {"in2/sec", SquareInchPerSecond},
    {"in2/min", SquareInchPerSecond / 60.0f},
    {"in2/hr", SquareInchPerSecond / 3600.0f},
};

constexpr FactorList Length{"length", LengthFactors};
constexpr FactorList Area{"area", AreaFactors};
constexpr FactorList Volume{"volume", VolumeFactors};
constexpr FactorList Velocity{"velocity", VelocityFactors};
constexpr FactorList VolumetricFlow{"volumetric flow rate", VolumetricFlowFactors};
constexpr FactorList MassFlow{"mass flow rate", MassFlowFactors};
constexpr FactorList DensityList{"density", DensityFactors};
constexpr FactorList Power{"energy", PowerFactors};
constexpr FactorList PressureGradient{"pressure gradient", PressureGradientFactors};
constexpr FactorList HeatFlux{"heat flux", HeatFluxFactors};
constexpr FactorList Conductivity{"thermal conductivity", ConductivityFactors};
constexpr FactorList SpecificHeat{"specific heat", SpecificHeatFactors};
constexpr FactorList Convection{"convection coefficient", ConvectionFactors};
constexpr FactorList Viscosity{"viscosity", ViscosityFactors};
constexpr FactorList Enthalpy{"enthalpy", EnthalpyFactors};
constexpr FactorList DecimalPercent{"decimal/percent", DecimalPercentFactors};
constexpr FactorList ThermalResistance{"thermal resistance", ThermalResistanceFactors};
constexpr FactorList Time{"time", TimeFactors};
constexpr FactorList TemperatureDifference{"temperature", TemperatureDifferenceFactors};
constexpr FactorList WeightPerLength{"weight per unit length", WeightPerLengthFactors};
constexpr FactorList Mass{"mass", MassFactors};
constexpr FactorList HeadGradient{"head gradient", HeadGradientFactors};
constexpr FactorList SpecificVolume{"specific volume", SpecificVolumeFactors};
constexpr FactorList KinematicViscosity{"kinematic viscosity", KinematicViscosityFactors};

double ReferenceDensity(Density density)
{
    switch (density) {
    case Density::Air:
        return AirReferenceDensity;
    case Density::StandardGas:
        return StandardGasDensity;
    case Density::NormalGas:
        return NormalGasDensity;
    case Density::None:
        break;
    }
    return 1.0;
}

// The value of one unit in base units; 0 when the name is unknown or its reference
// density has no value, after the warning.
double LookUpToBase(const FactorList& list, std::string_view units)
{
    const std::string_view name = TrimBlanks(units);
    for (const Factor& factor : list.factors) {
        if (!SameUnitName(factor.name, name))
            continue;
        if (factor.density == Density::None)
            return factor.value;
        const double density = ReferenceDensity(factor.density);
        if (std::isfinite(density) && density > 0.0)
            return density * factor.value;
        break;
    }
    ShowUnknownUnitsWarning(list.familyWord, name);
    return 0.0;
}

double ToBase(const FactorList& list, std::string_view units)
{
    const double value = LookUpToBase(list, units);
    return value != 0.0 ? value : 1.0;
}

double FromBase(const FactorList& list, std::string_view units)
{
    const double value = LookUpToBase(list, units);
    return value != 0.0 ? 1.0 / value : 1.0;
}

} // namespace

std::string UnknownUnitsMessage(std::string_view familyWord, std::string_view units)
{
    std::string text = "An incorrect set of units was passed to the ";
    text += familyWord;
    text += " conversion routine. Subsequent processing may be in error. Unknown units are:\r\n\r\n      ";
    text += TrimBlanks(units);
    return text;
}

void ShowUnknownUnitsWarning(std::string_view familyWord, std::string_view units)
{
    CurrentUserInterface().Beep();
    ShowMessage(UnknownUnitsMessage(familyWord, units), MessageExclamation);
}

double LengthToBase(std::string_view units) { return ToBase(Length, units); }
double AreaToBase(std::string_view units) { return ToBase(Area, units); }
double VolumeToBase(std::string_view units) { return ToBase(Volume, units); }
double VelocityToBase(std::string_view units) { return ToBase(Velocity, units); }
double VelocityFromBase(std::string_view units) { return FromBase(Velocity, units); }
double VolumetricFlowToBase(std::string_view units) { return ToBase(VolumetricFlow, units); }
double MassFlowToBase(std::string_view units) { return ToBase(MassFlow, units); }
double DensityToBase(std::string_view units) { return ToBase(DensityList, units); }
double DensityFromBase(std::string_view units) { return FromBase(DensityList, units); }
double PowerToBase(std::string_view units) { return ToBase(Power, units); }
double PressureGradientToBase(std::string_view units) { return ToBase(PressureGradient, units); }
double HeatFluxToBase(std::string_view units) { return ToBase(HeatFlux, units); }
double ThermalConductivityToBase(std::string_view units) { return ToBase(Conductivity, units); }
double ThermalConductivityFromBase(std::string_view units) { return FromBase(Conductivity, units); }
double SpecificHeatToBase(std::string_view units) { return ToBase(SpecificHeat, units); }
double SpecificHeatFromBase(std::string_view units) { return FromBase(SpecificHeat, units); }
double ConvectionCoefficientToBase(std::string_view units) { return ToBase(Convection, units); }
double ViscosityToBase(std::string_view units) { return ToBase(Viscosity, units); }
double ViscosityFromBase(std::string_view units) { return FromBase(Viscosity, units); }
double EnthalpyToBase(std::string_view units) { return ToBase(Enthalpy, units); }
double EnthalpyFromBase(std::string_view units) { return FromBase(Enthalpy, units); }
double ThermalResistanceToBase(std::string_view units) { return ToBase(ThermalResistance, units); }
double TimeToBase(std::string_view units) { return ToBase(Time, units); }
double TemperatureDifferenceToBase(std::string_view units) { return ToBase(TemperatureDifference, units); }
double TemperatureDifferenceFromBase(std::string_view units) { return FromBase(TemperatureDifference, units); }
double WeightPerLengthToBase(std::string_view units) { return ToBase(WeightPerLength, units); }
double MassToBase(std::string_view units) { return ToBase(Mass, units); }
double HeadGradientToBase(std::string_view units) { return ToBase(HeadGradient, units); }
double DecimalPercentToBase(std::string_view units) { return ToBase(DecimalPercent, units); }
double DecimalPercentFromBase(std::string_view units) { return FromBase(DecimalPercent, units); }
double SpecificVolumeToBase(std::string_view units) { return ToBase(SpecificVolume, units); }
double SpecificVolumeFromBase(std::string_view units) { return FromBase(SpecificVolume, units); }

double KinematicViscosityToBase(std::string_view units)
{
    return static_cast<float>(ToBase(KinematicViscosity, units));
}

double KinematicViscosityFromBase(std::string_view units)
{
    const double value = LookUpToBase(KinematicViscosity, units);
    return value != 0.0 ? 1.0f / static_cast<float>(value) : 1.0;
}

double MonetaryToBase(std::string_view units)
{
    const std::string_view name = TrimBlanks(units);
    if (SameUnitName(name, "U.S. Dollars"))
        return 1.0;
    if (const CUnitFamily* family = GetUnitFamily(MonetaryFamily)) {
        if (const CUnitType* unit = family->UnitType(family->GetCustomIndex(std::string(name))))
            return unit->Factor;
    }
    ShowUnknownUnitsWarning("monetary", name);
    return 1.0;
}

double ConversionFactor(int family, std::string_view fromUnits, std::string_view toUnits)
{
    if (SameUnitName(fromUnits, toUnits))
        return 1.0;

    double (*toBase)(std::string_view) = nullptr;
    switch (family) {
    case 0:
    case 10:
        toBase = LengthToBase;
        break;
    case 1:
        toBase = AreaToBase;
        break;
    case 2:
        toBase = VolumeToBase;
        break;
    case 3:
        toBase = VelocityToBase;
        break;
    case 4:
        toBase = VolumetricFlowToBase;
        break;
    case 5:
        toBase = MassFlowToBase;
        break;
    case 8:
        toBase = DensityToBase;
        break;
    case 9:
    case 25:
        toBase = PowerToBase;
        break;
    case 13:
        toBase = PressureGradientToBase;
        break;
    case 14:
        toBase = HeatFluxToBase;
        break;
    case 15:
        toBase = ThermalConductivityToBase;
        break;
    case 16:
    case 33:
        toBase = SpecificHeatToBase;
        break;
    case 17:
        toBase = ConvectionCoefficientToBase;
        break;
    case 19:
        toBase = ViscosityToBase;
        break;
    case 20:
        toBase = MonetaryToBase;
        break;
    case 21:
    case 34:
        toBase = EnthalpyToBase;
        break;
    case 22:
        toBase = DecimalPercentToBase;
        break;
    case 23:
        toBase = ThermalResistanceToBase;
        break;
    case 24:
        toBase = TimeToBase;
        break;
    case 26:
        toBase = TemperatureDifferenceToBase;
        break;
    case 27:
        toBase = WeightPerLengthToBase;
        break;
    case 28:
        toBase = MassToBase;
        break;
    case 30:
        toBase = HeadGradientToBase;
        break;
    case 32:
        toBase = SpecificVolumeToBase;
        break;
    case 35:
        toBase = KinematicViscosityToBase;
        break;
    default:
        // Pressure and temperature convert with an offset elsewhere; the other families
        // have no factor list.
        return 1.0;
    }
    const double to = toBase(toUnits);
    const double from = toBase(fromUnits);
    return from / to;
}

} // namespace vq
