#include "units/pressure_temperature.h"

#include "common/preference_records.h"
#include "units/conversion_factors.h"
#include "common/number_parsing.h"
#include "units/unit_names.h"

#include <optional>

namespace vq {

namespace {

struct PressureFactor {
    std::string_view name;
    double psi; // psi in one unit; a unit and its gauge form share it
};

constexpr PressureFactor PressureFactors[] = {
    {"atm", 14.69598},
    {"bar", 14.50377},
    {"barG", 14.50377},
    {"dyn/cm2", 0.00001450377},
    {"dyn/cm2 (g)", 0.00001450377},
    {"ft. H2O std.", 0.4335275},
    {"ft. H2O std. (g)", 0.4335275},
    {"in. H2O std.", 0.0361263},
    {"in. H2O std. (g)", 0.0361263},
    {"in. Hg", 0.4911548},
    {"in. Hg (g)", 0.4911548},
    {"kg/cm2", KgPerCm2InPsi},
    {"kg/cm2 (g)", KgPerCm2InPsi},
    {"kPa", 0.1450377},
    {"kPa (g)", 0.1450377},
    {"mm Hg", 0.01933678},
    {"mm Hg (g)", 0.01933678},
    {"mm H2O std.", 0.0014222953779958153},
    {"mm H2O std. (g)", 0.0014222953779958153},
    {"MPa", 145.0377},
    {"MPa (g)", 145.0377},
    {"Pascals", 0.0001450377},
    {"Pascals (g)", 0.0001450377},
    {"psid", 1},
    {"psi", 1},
    {"psia", 1},
    {"psig", 1},
    {"psf", 0.006944444},
    {"psfa", 0.006944444},
    {"psfg", 0.006944444},
    {"psfd", 0.006944444},
};

constexpr std::string_view AbsolutePressureNames[] = {
    "atm", "bar", "dyn/cm2", "ft. H2O std.", "in. H2O std.", "in. Hg", "kg/cm2", "kPa", "mm Hg",
    "mm H2O std.", "MPa", "Pascals", "psia", "psfa", "psid", "psfd", "psi",
};

std::optional<double> PsiPerUnit(std::string_view name)
{
    for (const PressureFactor& factor : PressureFactors) {
        if (SameUnitName(factor.name, name))
            return factor.psi;
    }
    return std::nullopt;
}

std::string_view NameOrDefault(std::string_view units, std::string_view emptyName)
{
    const std::string_view name = TrimBlanks(units);
    return name.empty() ? emptyName : name;
}

constexpr double KelvinOffset = 273.15;
constexpr double FahrenheitOffset = 459.67;
constexpr double RankinePerKelvin = 1.8;

enum class TemperatureScale { Celsius, Fahrenheit, Kelvin, Rankine };

std::optional<TemperatureScale> ScaleOf(std::string_view name)
{
    if (SameUnitName(name, "deg. C"))
        return TemperatureScale::Celsius;
    if (SameUnitName(name, "deg. F"))
        return TemperatureScale::Fahrenheit;
    if (SameUnitName(name, "deg. K"))
        return TemperatureScale::Kelvin;
    if (SameUnitName(name, "deg. R"))
        return TemperatureScale::Rankine;
    return std::nullopt;
}

} // namespace

bool IsSensibleAtmosphericPressure(double psia)
{
    return psia > 0.0 && psia <= HighestAtmosphericPressurePsia;
}

bool IsAbsolutePressureUnits(std::string_view units)
{
    for (std::string_view name : AbsolutePressureNames) {
        if (SameUnitName(units, name))
            return true;
    }
    return SameUnitName(units, NoUnitsMarker);
}

double ConvertPressure(double value, std::string_view fromUnits, std::string_view toUnits)
{
    const std::string_view from = NameOrDefault(fromUnits, "psia");
    const std::string_view to = NameOrDefault(toUnits, "psia");

    double psia = value;
    if (!SameUnitName(from, "psia")) {
        const auto factor = PsiPerUnit(from);
        if (!factor) {
            ShowUnknownUnitsWarning("pressure", from);
            return value;
        }
        psia = value * *factor;
        if (!IsAbsolutePressureUnits(from))
            psia += UnitPrefs.AtmosphericPressurePsia;
    }

    if (SameUnitName(to, "psia"))
        return psia;
    const auto factor = PsiPerUnit(to);
    if (!factor) {
        ShowUnknownUnitsWarning("pressure", to);
        return value;
    }
    if (IsAbsolutePressureUnits(to))
        return psia / *factor;
    return (psia - UnitPrefs.AtmosphericPressurePsia) / *factor;
}

double ConvertPressureDifference(double value, std::string_view fromUnits, std::string_view toUnits)
{
    return ConvertPressure(value, fromUnits, toUnits) - ConvertPressure(0.0, fromUnits, toUnits);
}

double ConvertTemperature(double value, std::string_view fromUnits, std::string_view toUnits)
{
    const std::string_view from = NameOrDefault(fromUnits, "deg. R");
    const std::string_view to = NameOrDefault(toUnits, "deg. R");

    const auto fromScale = ScaleOf(from);
    if (!fromScale) {
        ShowUnknownUnitsWarning("temperature", from);
        return value;
    }
    double rankine = value;
    switch (*fromScale) {
    case TemperatureScale::Celsius:
        rankine = (value + KelvinOffset) * RankinePerKelvin;
        break;
    case TemperatureScale::Fahrenheit:
        rankine = value + FahrenheitOffset;
        break;
    case TemperatureScale::Kelvin:
        rankine = value * RankinePerKelvin;
        break;
    case TemperatureScale::Rankine:
        break;
    }

    const auto toScale = ScaleOf(to);
    if (!toScale) {
        ShowUnknownUnitsWarning("temperature", to);
        return rankine;
    }
    switch (*toScale) {
    case TemperatureScale::Celsius:
        return rankine / RankinePerKelvin - KelvinOffset;
    case TemperatureScale::Fahrenheit:
        return rankine - FahrenheitOffset;
    case TemperatureScale::Kelvin:
        return rankine / RankinePerKelvin;
    case TemperatureScale::Rankine:
        break;
    }
    return rankine;
}

} // namespace vq
