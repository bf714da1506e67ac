#include "preferences/unit_change.h"

#include "common/number_format.h"
#include "common/number_parsing.h"
#include "common/preference_records.h"
#include "equations/flag_values.h"
#include "preferences/output_mod.h"
#include "units/conversion_factors.h"
#include "units/pressure_temperature.h"
#include "units/unit_family.h"

#include <cmath>

namespace vq {

namespace {

using ToBaseRoutine = double (*)(std::string_view);

ToBaseRoutine FactorRoutine(int family)
{
    switch (family) {
    case VelocityFamily: return VelocityToBase;
    case DensityFamily: return DensityToBase;
    case ConductivityFamily: return ThermalConductivityToBase;
    case SpecificHeatFamily: return SpecificHeatToBase;
    case ViscosityFamily: return ViscosityToBase;
    case EnthalpyFamily: return EnthalpyToBase;
    case PercentFractionalFamily: return DecimalPercentToBase;
    case TemperatureDifferentialFamily: return TemperatureDifferenceToBase;
    case SpecificVolumeFamily: return SpecificVolumeToBase;
    case KinematicViscosityFamily: return KinematicViscosityToBase;
    default: return nullptr;
    }
}

} // namespace

UnitLineConverter::UnitLineConverter(int family, const std::string& oldUnits, const std::string& newUnits)
    : old_(oldUnits), new_(newUnits)
{
    if (family == PressureFamily || family == PressureDifferentialFamily || family == PressureAbsoluteFamily) {
        kind_ = Kind::Pressure;
        return;
    }
    if (family == TemperatureFamily) {
        kind_ = Kind::Temperature;
        return;
    }
    const ToBaseRoutine toBase = FactorRoutine(family);
    if (toBase == nullptr)
        return;
    const double from = toBase(oldUnits);
    const double to = toBase(newUnits);
    factor_ = to != 0.0 && std::isfinite(from / to) ? from / to : 1.0;
}

double UnitLineConverter::Apply(double x) const
{
    switch (kind_) {
    case Kind::Pressure: return ConvertPressure(x, old_, new_);
    case Kind::Temperature: return ConvertTemperature(x, old_, new_);
    case Kind::Factor: break;
    }
    return x * factor_;
}

double UnitLineConverter::Convert(double x) const
{
    return Apply(x);
}

double UnitLineConverter::ConvertDifference(double x) const
{
    return kind_ == Kind::Factor ? Apply(x) : Apply(x) - Apply(0.0);
}

int ParamIdAtGridCell(int mode, int row, int col)
{
    const int kind = TableKindOfMode(mode);
    const int position = OutputPrefs.RowColOrder[static_cast<std::size_t>(kind)] != 0 ? col : row;
    if (position < 1 || position > OutputPrefs.NumParams || position > NumOutputParams)
        return 0;
    const int id = OutputPrefs.ParamIds[static_cast<std::size_t>(position - 1)];
    return IsOutputParamId(id) && OutputParams(id).HasUnits ? id : 0;
}

std::vector<std::string> ConvertLine(const std::vector<std::string>& cells, std::vector<double>& values,
                                     const UnitLineConverter& converter, int differenceCell)
{
    std::vector<std::string> out = cells;
    std::vector<std::size_t> valueCells;
    std::vector<double> converted;
    for (std::size_t k = 1; k < cells.size() && k < values.size(); ++k) {
        const std::string_view text = TrimBlanks(cells[k]);
        if (text.empty() || text == NotApplicableText || !IsResultValue(values[k]))
            continue;
        const double x = values[k];
        values[k] = static_cast<int>(k) == differenceCell ? converter.ConvertDifference(x) : converter.Convert(x);
        valueCells.push_back(k);
        converted.push_back(values[k]);
    }
    double largest = 0.0;
    double smallest = 0.0;
    GetMagnitudeRange(converted, largest, smallest);
    for (const std::size_t k : valueCells)
        out[k] = FormatNumberText(values[k], largest, smallest, OutputPrefs.Digits);
    return out;
}

} // namespace vq
