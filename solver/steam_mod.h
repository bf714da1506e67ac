// Front end of the NBS 1984 property source: converts an input pair into the units
// of the outside library, calls it, and stores the shown outputs of the state in
// ResultTable converted to their display units.
#pragma once

#include "solver/steam_library.h"

#include <array>
#include <cstdint>
#include <string>

namespace vq {

// The library's value slots; slot k (1..22) is LibStateValues[k], element 0 is spare.
// Slots are cleared before every call, so outputs always belong to the last call.
extern std::array<double, NumLibSlots + 1> LibStateValues;
extern std::int16_t LibPairCode;
extern std::int16_t LibUnitsFlag;
extern std::int16_t LibErrorCode;

// Back to the start state (cleared slots and codes). The library stays loaded.
void ResetSteamMod();

// Pair code of the library for two input codes, saturated code second:
// -(prop1 x 10) with a saturated liquid, prop1 x 10 with a saturated vapour,
// else prop1 x 10 + prop2.
std::int16_t SteamPairCode(int prop1, int prop2);

// Message of a library error code; "" for 0 and for codes the library does not name.
std::string SteamErrorText(int code);

// Calculates one state point through the library. Shows a message and sets failed
// when the state cannot be calculated; never clears failed. A saturated code given
// first is passed to the library second.
void CalcSteamState(int prop1, double value1, const std::string& units1, int prop2, double value2,
                    const std::string& units2, bool& failed);

// Stores every shown output of the last calculated state as point index of
// ResultTable, in the layout of the output preferences of the current input mode.
void StoreSteamResults(int index, int prop1, int prop2);

// Stores one input value, converted to the library's unit, in its slot (pressure,
// temperature, enthalpy, density, entropy, quality). Codes without a slot store nothing.
void ConvertSteamInput(int code, double value, const std::string& units, double& pressure, double& temperature,
                       double& enthalpy, double& density, double& entropy, double& quality);

// One output in the library's unit from the last call: the state's own values
// (selector != 0) or those of the saturated liquid (selector 0). Outputs the library
// does not supply, and values that cannot be formed, are NotApplicableValue.
double GetSteamOutput(int code, int selector);

// A value in the library's unit converted to the display unit of parameter code.
double ConvertSteamOutput(double value, int code);

} // namespace vq
