#include "solver/steam_mod.h"

#include "common/preference_records.h"
#include "common/program_identity.h"
#include "common/user_interface.h"
#include "equations/flag_values.h"
#include "preferences/output_mod.h"
#include "solver/asme_conversion.h"
#include "solver/result_table.h"
#include "units/conversion_factors.h"
#include "units/pressure_temperature.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace vq {

std::array<double, NumLibSlots + 1> LibStateValues{};
std::int16_t LibPairCode = 0;
std::int16_t LibUnitsFlag = 1;
std::int16_t LibErrorCode = 0;

namespace {

// Slots of the library that the front end names.
enum LibSlot : int {
    SlotPressure = 1,
    SlotTemperature = 2,
    SlotEnthalpy = 3,
    SlotDensity = 4,
    SlotEntropy = 5,
    SlotInternalEnergy = 6,
    SlotQuality = 7,
    SlotCp = 9,
    SlotCv = 10,
    SlotSonicVelocity = 11,
    SlotConductivity = 12,
    SlotViscosity = 13,
    // The saturated liquid's values, filled only for a saturated-liquid pair.
    SlotLiquidEnthalpy = 14,
    SlotLiquidDensity = 15,
    SlotLiquidEntropy = 16,
    SlotLiquidInternalEnergy = 17,
    SlotLiquidCp = 18,
    SlotLiquidCv = 19,
    SlotLiquidSonicVelocity = 20,
    SlotLiquidConductivity = 21,
    SlotLiquidViscosity = 22,
};

constexpr const char* LibraryDensityUnits = "gram/cm3";
constexpr const char* LibraryVolumeUnits = "cm3/gram";

// Phase markers of the quality slot.
constexpr double MarkerCompressedLiquid = -1.0;
constexpr double MarkerSuperheatedVapour = -2.0;

bool IsSaturatedCode(int code)
{
    return code == PropSaturatedLiquid || code == PropSaturatedVapor;
}

// The slot an input code is written to, 0 when the library takes no such input.
int InputSlot(int code)
{
    switch (code) {
    case PropPressure: return SlotPressure;
    case PropTemperature: return SlotTemperature;
    case PropEnthalpy: return SlotEnthalpy;
    case PropDensity:
    case PropSpecificVolume: return SlotDensity;
    case PropEntropy: return SlotEntropy;
    case PropQuality: return SlotQuality;
    default: return 0;
    }
}

void ShowSteamMessage(const std::string& text)
{
    CurrentUserInterface().Message(text, MessageStyle::Exclamation, ProgramTitle);
}

std::string InputName(int code)
{
    const std::string& name = OutputParams(code).Name;
    return name.empty() ? "Property " + std::to_string(code) : name;
}

// Slot of one output of the selected set: the state's own slot, or the saturated
// liquid's counterpart.
double SetSlot(int stateSlot, int liquidSlot, int selector)
{
    return LibStateValues[static_cast<std::size_t>(selector != 0 ? stateSlot : liquidSlot)];
}

// Saturation temperature in K at the state's pressure, from the library; flag value
// when the library gives none.
double LibrarySatTemperature()
{
    const SteamLibraryEntries* lib = LoadedSteamLibrary();
    if (!lib)
        return NotApplicableValue;
    std::int16_t first = 0;
    std::int16_t second = -1;
    std::int16_t third = 2;
    double zero = 0.0;
    double psia = ConvertPressure(LibStateValues[SlotPressure], InternalPressureUnits, "psia");
    const double rankine = lib->thermix(&first, &second, &third, &zero, &psia);
    if (!std::isfinite(rankine) || rankine <= 0.0)
        return NotApplicableValue;
    return rankine / 1.8;
}

} // namespace

void ResetSteamMod()
{
    LibStateValues.fill(0.0);
    LibPairCode = 0;
    LibUnitsFlag = 1;
    LibErrorCode = 0;
}

std::int16_t SteamPairCode(int prop1, int prop2)
{
    if (prop2 == PropSaturatedLiquid)
        return static_cast<std::int16_t>(-(prop1 * 10));
    if (prop2 == PropSaturatedVapor)
        return static_cast<std::int16_t>(prop1 * 10);
    return static_cast<std::int16_t>(prop1 * 10 + prop2);
}

std::string SteamErrorText(int code)
{
    switch (code) {
    case -1: return "Invalid Property Combination";
    case 1: return "Failed to Converge";
    case 2: return "Indeterminent";
    case 3: return "Cannot Determine Saturation Properties";
    case 4: return "1st Input Property Out Of Range";
    case 5: return "2nd Input Property Out Of Range";
    default: return {};
    }
}

void ConvertSteamInput(int code, double value, const std::string& units, double& pressure, double& temperature,
                       double& enthalpy, double& density, double& entropy, double& quality)
{
    // The library's units are the IF97 source's, except that its density is per gram.
    switch (code) {
    case PropPressure: pressure = ConvertAsmeInput(code, value, units); break;
    case PropTemperature: temperature = ConvertAsmeInput(code, value, units); break;
    case PropEnthalpy: enthalpy = ConvertAsmeInput(code, value, units); break;
    case PropDensity: density = value * DensityToBase(units) * DensityFromBase(LibraryDensityUnits); break;
    case PropSpecificVolume: {
        // The reciprocal of a volume in its base unit is a density in the density
        // base unit. A zero volume has no density: the slot gets NaN, which the
        // caller refuses.
        const double v = value * SpecificVolumeToBase(units);
        density = v != 0.0 ? (1.0 / v) * DensityFromBase(LibraryDensityUnits)
                           : std::numeric_limits<double>::quiet_NaN();
        break;
    }
    case PropEntropy: entropy = ConvertAsmeInput(code, value, units); break;
    case PropQuality: quality = ConvertAsmeInput(code, value, units); break;
    default: break;
    }
}

void CalcSteamState(int prop1, double value1, const std::string& units1, int prop2, double value2,
                    const std::string& units2, bool& failed)
{
    // Nothing of an earlier call survives, whatever happens to this one.
    LibStateValues.fill(0.0);

    // The library takes a saturated condition only as the second property.
    const bool swapped = IsSaturatedCode(prop1) && !IsSaturatedCode(prop2);
    std::string first = units1;
    std::string second = units2;
    if (swapped) {
        std::swap(prop1, prop2);
        std::swap(value1, value2);
        std::swap(first, second);
    }
    // Position (1 or 2) of a library input as the caller passed it.
    const auto callerPosition = [swapped](int libraryPosition) {
        return swapped ? 3 - libraryPosition : libraryPosition;
    };

    for (int code : {prop1, prop2}) {
        if (InputSlot(code) == 0 && !IsSaturatedCode(code)) {
            ShowSteamMessage("The NBS Steam Tables (1984) cannot calculate a state from " + InputName(code) + ".");
            failed = true;
            return;
        }
    }

    auto& s = LibStateValues;
    ConvertSteamInput(prop1, value1, first, s[1], s[2], s[3], s[4], s[5], s[7]);
    ConvertSteamInput(prop2, value2, second, s[1], s[2], s[3], s[4], s[5], s[7]);
    for (int position : {1, 2}) {
        const int slot = InputSlot(position == 1 ? prop1 : prop2);
        if (slot != 0 && !std::isfinite(s[static_cast<std::size_t>(slot)])) {
            ShowSteamMessage(SteamErrorText(callerPosition(position) == 1 ? 4 : 5));
            failed = true;
            return;
        }
    }

    std::string loadError;
    const SteamLibraryEntries* lib = SteamLibrary(loadError);
    if (!lib) {
        ShowSteamMessage(loadError);
        failed = true;
        return;
    }

    LibPairCode = SteamPairCode(prop1, prop2);
    LibErrorCode = 0;
    LibUnitsFlag = 1;
    lib->stmprop(&LibPairCode, &LibUnitsFlag, &s[1], &s[2], &s[3], &s[4], &s[5], &s[6], &s[7], &s[8], &s[9],
                 &s[10], &s[11], &s[12], &s[13], &s[14], &s[15], &s[16], &s[17], &s[18], &s[19], &s[20], &s[21],
                 &s[22], &LibErrorCode);

    if (LibErrorCode != 0) {
        int code = LibErrorCode;
        if (code == 4 || code == 5)
            code = callerPosition(code - 3) + 3;
        ShowSteamMessage(SteamErrorText(code));
        failed = true;
    }
}

double GetSteamOutput(int code, int selector)
{
    const auto& s = LibStateValues;
    double result = NotApplicableValue;
    switch (code) {
    case PropPressure: result = s[SlotPressure]; break;
    case PropTemperature: result = s[SlotTemperature]; break;
    case PropEnthalpy: result = SetSlot(SlotEnthalpy, SlotLiquidEnthalpy, selector); break;
    case PropDensity: result = SetSlot(SlotDensity, SlotLiquidDensity, selector); break;
    case PropSpecificVolume: {
        const double density = SetSlot(SlotDensity, SlotLiquidDensity, selector);
        result = density != 0.0 ? 1.0 / density : NotApplicableValue;
        break;
    }
    case PropEntropy: result = SetSlot(SlotEntropy, SlotLiquidEntropy, selector); break;
    case PropInternalEnergy: result = SetSlot(SlotInternalEnergy, SlotLiquidInternalEnergy, selector); break;
    case PropQuality:
        result = s[SlotQuality] >= 0.0 && s[SlotQuality] <= 1.0 ? s[SlotQuality] : NotApplicableValue;
        break;
    case PropSaturatedLiquid:
    case PropSaturatedVapor: result = 0.0; break;
    case PropPhase: result = s[SlotQuality]; break;
    case PropThermalConductivity: result = SetSlot(SlotConductivity, SlotLiquidConductivity, selector); break;
    case PropViscosity: result = SetSlot(SlotViscosity, SlotLiquidViscosity, selector); break;
    case PropCp: result = SetSlot(SlotCp, SlotLiquidCp, selector); break;
    case PropCv: result = SetSlot(SlotCv, SlotLiquidCv, selector); break;
    case PropSonicVelocity: result = SetSlot(SlotSonicVelocity, SlotLiquidSonicVelocity, selector); break;
    case PropGamma: {
        // w^2 rho / p, as the IF97 source defines it: w in m/s, rho in g/cm3, p in MPa.
        const double w = SetSlot(SlotSonicVelocity, SlotLiquidSonicVelocity, selector);
        const double density = SetSlot(SlotDensity, SlotLiquidDensity, selector);
        const double p = s[SlotPressure];
        result = p != 0.0 ? w * w * (density * 1000.0) / (p * 1.0e6) : NotApplicableValue;
        break;
    }
    case PropSubcool:
        if (selector != 0 && s[SlotQuality] == MarkerCompressedLiquid) {
            const double tsat = LibrarySatTemperature();
            result = IsResultValue(tsat) ? tsat - s[SlotTemperature] : NotApplicableValue;
        }
        break;
    case PropSuperheat:
        if (selector != 0 && s[SlotQuality] == MarkerSuperheatedVapour) {
            const double tsat = LibrarySatTemperature();
            result = IsResultValue(tsat) ? s[SlotTemperature] - tsat : NotApplicableValue;
        }
        break;
    default: // Prandtl number to saturation pressure: the library supplies none of them
        break;
    }
    return std::isfinite(result) ? result : NotApplicableValue;
}

double ConvertSteamOutput(double value, int code)
{
    switch (code) {
    case PropDensity:
        return value * DensityToBase(LibraryDensityUnits) * DensityFromBase(OutputParams(code).Units);
    case PropSpecificVolume:
        return value * SpecificVolumeToBase(LibraryVolumeUnits) * SpecificVolumeFromBase(OutputParams(code).Units);
    case PropPressure:
    case PropTemperature:
    case PropEnthalpy:
    case PropEntropy:
    case PropInternalEnergy:
    case PropQuality:
    case PropThermalConductivity:
    case PropViscosity:
    case PropCp:
    case PropCv:
    case PropSonicVelocity:
    case PropSubcool:
    case PropSuperheat: return ConvertAsmeOutput(value, code);
    default: return value;
    }
}

void StoreSteamResults(int index, int prop1, int prop2)
{
    const int mode = CurrentUserInterface().InputMode();
    const bool transposed = OutputPrefs.RowColOrder[mode == 0 ? 0 : 1] != 0;
    const int selector = prop1 == PropSaturatedLiquid || prop2 == PropSaturatedLiquid ? 0 : 1;
    const int count = std::clamp(OutputPrefs.NumParams, 0, NumOutputParams);
    for (int i = 1; i <= count; ++i) {
        const int code = OutputPrefs.ParamIds[static_cast<std::size_t>(i - 1)];
        const int row = transposed ? index : i;
        const int col = transposed ? i : index;
        if (!ResultTable.Contains(row, col))
            continue;
        double value = GetSteamOutput(code, selector);
        if (!OutputParams(code).IsTextValue && IsResultValue(value))
            value = ConvertSteamOutput(value, code);
        ResultTable(row, col) = value;
    }
}

} // namespace vq
