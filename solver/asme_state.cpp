#include "solver/asme_state.h"

#include "common/program_identity.h"
#include "common/preference_records.h"
#include "common/user_interface.h"
#include "equations/asme_error.h"
#include "equations/flag_values.h"
#include "equations/region_boundaries.h"
#include "equations/region_coefficients.h"
#include "equations/saturation_line.h"
#include "preferences/output_mod.h"
#include "solver/asme_conversion.h"
#include "solver/asme_error_messages.h"
#include "solver/asme_property.h"
#include "solver/result_table.h"
#include "solver/saturation_input_check.h"

#include <cmath>
#include <utility>

namespace vq {
namespace {

constexpr double Region13Temperature = 623.15; // K
constexpr double Region25Temperature = 1073.15;
constexpr double Region5PressureLimit = 10.0;  // MPa
constexpr double Region2OnlyTemperature = 863.15;
constexpr double SaturationBand = 0.001;       // MPa

// Stores the shown outputs of the state (or flag values once a fault is recorded).
void StoreOutputs(int index, int phase, int region, double p, double T, double rho, double x)
{
    const int mode = CurrentUserInterface().InputMode();
    const bool transposed = OutputPrefs.RowColOrder[mode == 0 ? 0 : 1] != 0;
    const int count = OutputPrefs.NumParams;
    for (int k = 1; k <= count && k <= NumOutputParams; ++k) {
        const int id = OutputPrefs.ParamIds[static_cast<std::size_t>(k - 1)];
        const int r = transposed ? index : k;
        const int c = transposed ? k : index;
        if (!ResultTable.Contains(r, c))
            continue;
        const double v = AsmeErrorFlag ? NotApplicableValue : CalcAsmeProperty(id, phase, region, p, T, rho, x);
        ResultTable(r, c) = OutputParams(id).IsTextValue || !IsResultValue(v) ? v : ConvertAsmeOutput(v, id);
    }
}

} // namespace

int GetRegionFromPressureTemperature(double p, double T)
{
    if (!(p >= 0.0006112 && p <= 100.0)) {
        SetAsmeError(ErrPressureOutOfRange);
        return 0;
    }
    if (!(T >= 273.15 && T <= 2273.15)) {
        SetAsmeError(ErrTemperatureOutOfRange);
        return 0;
    }
    if (T >= Region25Temperature) {
        if (p > Region5PressureLimit) {
            SetAsmeError(ErrPressureOutOfRange);
            return 0;
        }
        return 5;
    }
    if (T <= Region13Temperature) {
        if (p >= CriticalPressure)
            return 1;
        const double psat = GetSatPressure(T);
        const double tolerance = p < 0.01 ? SaturationBand * psat : SaturationBand;
        if (std::fabs(p - psat) <= tolerance)
            return 4;
        return p < psat ? 2 : 1;
    }
    if (p < CriticalPressure && T < CriticalTemperature && std::fabs(p - GetSatPressure(T)) <= SaturationBand)
        return 4;
    if (T > Region2OnlyTemperature)
        return 2;
    return p > GetB23Pressure(T) ? 3 : 2;
}

void CalcAsmeState(int& index, int code1, double value1, const std::string& units1, int code2, double value2,
                   const std::string& units2, bool& failed)
{
    LastLoadedRegion = 0;
    ClearAsmeError();
    std::string u1 = units1, u2 = units2;
    if (code1 > code2) {
        std::swap(code1, code2);
        std::swap(value1, value2);
        std::swap(u1, u2);
    }

    // Saturated inputs: the second code names the side of the saturation line.
    bool saturated = true;
    int phase = PhaseTwoPhase;
    double x = NotApplicableValue;
    switch (code2) {
    case PropSaturatedLiquid: phase = PhaseSaturatedLiquid; x = 0.0; break;
    case PropSaturatedVapor: phase = PhaseSaturatedVapour; x = 1.0; break;
    case PropQuality:
        x = ConvertAsmeInput(PropQuality, value2, u2);
        if (!(x >= 0.0 && x <= 1.0))
            SetAsmeError(ErrQualityOutOfRange);
        break;
    default: saturated = false; break;
    }

    int region = 0;
    double p = 0.0, T = 0.0, rho = 0.0;
    if (!AsmeErrorFlag && saturated) {
        const double y1 = ConvertAsmeInput(code1, value1, u1);
        region = 4;
        if (SatInputOutOfRange(code1, y1, phase)) {
            AsmeErrorFlag = true;
        } else if (code1 == PropTemperature) {
            T = y1;
            p = GetSatPressure(T);
        } else if (code1 == PropPressure) {
            p = y1;
            T = GetSatTemperature(p);
        } else {
            SetAsmeError(ErrPropertyCombination);
        }
        // Above 623.15 K the two sides need their region-3 densities.
        if (!AsmeErrorFlag && !(T < Region13Temperature))
            SetAsmeError(ErrPropertyCombination);
        if (!AsmeErrorFlag) {
            rho = CalcAsmeProperty(PropDensity, phase, region, p, T, rho, x);
            LoadRegionCoefficients(region, 0);
        }
    } else if (!AsmeErrorFlag) {
        const double y1 = ConvertAsmeInput(code1, value1, u1);
        const double y2 = ConvertAsmeInput(code2, value2, u2);
        if (code1 == PropPressure && code2 == PropTemperature) {
            p = y1;
            T = y2;
            region = GetRegionFromPressureTemperature(p, T);
        } else {
            SetAsmeError(ErrPropertyCombination);
        }
        LoadRegionCoefficients(region, 0);
        if (!AsmeErrorFlag) {
            switch (region) {
            case 1:
            case 2:
            case 5: break;
            case 3: SetAsmeError(ErrPropertyCombination); break;
            case 4: SetAsmeError(ErrPTOnSaturationLine); break;
            default:
                CurrentUserInterface().Message("Region = " + std::to_string(region), MessageStyle::Exclamation,
                                               ProgramTitle);
                failed = true;
                return;
            }
        }
    }

    StoreOutputs(index, phase, region, p, T, rho, x);
    if (AsmeErrorFlag && CurrentUserInterface().InputMode() != 2) {
        ShowAsmeError();
        failed = true;
    }
}

} // namespace vq
