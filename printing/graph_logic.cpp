#include "printing/graph_logic.h"

#include "common/number_parsing.h"
#include "equations/flag_values.h"
#include "printing/graph_axis_logic.h"
#include "units/conversion_factors.h"
#include "units/pressure_temperature.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vq {

namespace {

using FactorRoutine = double (*)(std::string_view);

struct FactorPair {
    FactorRoutine toBase = nullptr;
    FactorRoutine fromBase = nullptr;
};

double ByFactors(const FactorPair& f, double value, std::string_view fromUnits, std::string_view toUnits)
{
    return value * f.toBase(fromUnits) * f.fromBase(toUnits);
}

// Factor routines of a stepped property other than pressure and temperature.
FactorPair RangeFactors(int code)
{
    switch (code) {
    case 3: case 7: return {EnthalpyToBase, EnthalpyFromBase};
    case 4: return {DensityToBase, DensityFromBase};
    case 5: return {SpecificVolumeToBase, SpecificVolumeFromBase};
    case 6: return {SpecificHeatToBase, SpecificHeatFromBase};
    case 8: return {DecimalPercentToBase, DecimalPercentFromBase};
    default: return {};
    }
}

// Factor routines of a plotted parameter other than pressures and temperatures.
FactorPair ValueFactors(int code)
{
    switch (code) {
    case 3: case 7: return {EnthalpyToBase, EnthalpyFromBase};
    case 4: return {DensityToBase, DensityFromBase};
    case 5: return {SpecificVolumeToBase, SpecificVolumeFromBase};
    case 6: case 14: case 15: return {SpecificHeatToBase, SpecificHeatFromBase};
    case 8: return {DecimalPercentToBase, DecimalPercentFromBase};
    case 12: return {ThermalConductivityToBase, ThermalConductivityFromBase};
    case 13: return {ViscosityToBase, ViscosityFromBase};
    case 16: return {VelocityToBase, VelocityFromBase};
    case 20: return {KinematicViscosityToBase, KinematicViscosityFromBase};
    case 24: case 25: return {TemperatureDifferenceToBase, TemperatureDifferenceFromBase};
    default: return {};
    }
}

bool FitsSingle(double v)
{
    return std::isfinite(v) && std::fabs(v) <= static_cast<double>(std::numeric_limits<float>::max());
}

// Characters of a UTF-8 text (continuation bytes not counted).
std::size_t CharacterCount(std::string_view text)
{
    std::size_t n = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++n;
    return n;
}

} // namespace

double ConvertGraphRangePoint(int code, double value, std::string_view fromUnits, std::string_view toUnits)
{
    switch (code) {
    case 1: return ConvertPressure(value, fromUnits, toUnits);
    case 2: return ConvertTemperature(value, fromUnits, toUnits);
    default: {
        const FactorPair f = RangeFactors(code);
        return f.toBase ? ByFactors(f, value, fromUnits, toUnits) : value;
    }
    }
}

double ConvertGraphValue(int code, double value, std::string_view fromUnits, std::string_view toUnits)
{
    switch (code) {
    case 1: case 23: return ConvertPressure(value, fromUnits, toUnits);
    case 21: return ConvertPressureDifference(value, fromUnits, toUnits);
    case 2: case 22: return ConvertTemperature(value, fromUnits, toUnits);
    default: {
        const FactorPair f = ValueFactors(code);
        return f.toBase ? ByFactors(f, value, fromUnits, toUnits) : value;
    }
    }
}

int GraphParameterPosition(const OutputPreferences& prefs, int code)
{
    const int count = std::min(prefs.NumParams, NumOutputParams);
    for (int k = 1; k <= count; ++k)
        if (prefs.ParamIds[static_cast<std::size_t>(k - 1)] == code)
            return k;
    return 0;
}

double GraphCellValue(const std::string& text)
{
    double v = 0.0;
    return ConvertLocaleDouble(text, v) && std::isfinite(v) ? v : NotApplicableValue;
}

GraphSeries CollectGraphPoints(const GraphRequest& request, const GridCellText& cellText)
{
    GraphSeries series;
    if (request.position < 1)
        return series;
    for (int i = 1; i <= static_cast<int>(request.x.size()); ++i) {
        const double x = request.x[static_cast<std::size_t>(i - 1)];
        const std::string text = request.pointsInRows ? cellText(i, request.position) : cellText(request.position, i);
        double y = GraphCellValue(text);
        if (!(y > FlagValueThreshold))
            continue;
        y = ConvertGraphValue(request.code, y, request.valueUnits, request.targetUnits);
        if (!FitsSingle(y) || !FitsSingle(x))
            continue;
        series.y.push_back(static_cast<float>(y));
        series.x.push_back(static_cast<float>(x));
        if (y > series.yMax)
            series.yMax = y;
        if (y < series.yMin)
            series.yMin = y;
        if (x > series.xMax)
            series.xMax = x;
        if (x < series.xMin)
            series.xMin = x;
    }
    return series;
}

std::string GraphAxisLabelFormat(double span)
{
    if (span >= 100000)
        return "0.00E+00";
    if (span >= 10)
        return "###,###,##0";
    if (span >= 1)
        return "#0.0";
    if (span >= 0.1)
        return "#0.00";
    return "0.00E-00";
}

double GraphAxisSpan(int scaleMode, double dataMax, double dataMin, double axisMax, double axisMin)
{
    switch (scaleMode) {
    case GraphScaleData: return dataMax - dataMin;
    case GraphScaleRounded: case GraphScaleFixed: return axisMax - axisMin;
    default: return dataMax;
    }
}

std::string GraphAxisTitle(const std::string& property, const std::string& units)
{
    return units.empty() ? property : property + " (" + units + ")";
}

std::string GraphTitle(const GraphTitleParts& parts)
{
    std::string main;
    std::string cond;
    if (parts.mode == 2) {
        main = parts.dependent + " vs. " + parts.independent;
        cond = parts.conditionName;
        if (!cond.empty() && cond[0] >= 'a' && cond[0] <= 'z')
            cond[0] = static_cast<char>(cond[0] - 'a' + 'A');
        if (parts.conditionValueShown)
            cond += " = " + parts.conditionValue + " " + parts.conditionUnits;
    }
    if (CharacterCount(main) + CharacterCount(cond) > GraphTitleLimit)
        return cond;
    return main + " - " + cond;
}

} // namespace vq
