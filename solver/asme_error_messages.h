// The numbered faults of the IF97 property source and their messages.
#pragma once

#include <string_view>

namespace vq {

enum AsmeErrorNumber : int {
    ErrPressureOutOfRange = 9100,
    ErrTemperatureOutOfRange = 9110,
    ErrEnthalpyOutOfRange = 9120,
    ErrSpecificVolumeOutOfRange = 9130,
    ErrDensityOutOfRange = 9140,
    ErrEntropyOutOfRange = 9150,
    ErrHSInRegion5 = 9160,
    ErrHSOutOfRange = 9170,
    ErrQualityOutOfRange = 9180,
    ErrSatPressure = 9200,
    ErrSatTemperature = 9210,
    ErrSatEnthalpy = 9220,
    ErrSatSpecificVolume = 9230,
    ErrSatDensity = 9240,
    ErrSatEntropy = 9250,
    ErrPTOnSaturationLine = 9260,
    ErrSatLiquidEntropy = 9270,
    ErrSatVaporEntropy = 9280,
    ErrHSTwoPhase = 9290,
    ErrPropertyCombination = 9300,
    ErrRegion = 9400,
    ErrPressureIterations = 9500,
    ErrTemperatureIterations = 9510,
    ErrDensityIterations = 9520,
    ErrSaturationIterations = 9530,
    ErrTemperatureDensityIterations = 9540,
    ErrPressureDensityIterations = 9550,
    ErrEnthalpyEntropySolution = 9560,
};

// The message of an error number; empty for a number without one.
std::string_view AsmeErrorMessage(int code);

// Shows the message of AsmeErrorCode in an exclamation box captioned ProgramTitle.
// Changes nothing; a number without a message shows an empty box.
void ShowAsmeError();

} // namespace vq
