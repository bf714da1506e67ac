// Working data that the IF97 equations share with the state solver: the error pair
// of the current calculation and its numbers, phase codes and the specific gas constant.
#pragma once

namespace vq {

// Specific gas constant of water, kJ/(kg K).
inline constexpr double GasConstantR = 0.461526;

// Phase of a state.
enum PhaseCode : int {
    PhaseSupercritical = -3,
    PhaseSuperheatedVapour = -2,
    PhaseCompressedLiquid = -1,
    PhaseSaturatedLiquid = 0,
    PhaseSaturatedVapour = 1,
    PhaseTwoPhase = 2,
};

// The numbered faults of the IF97 property source.
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

// True marks the current calculation as failed; the code names the last fault found.
extern bool AsmeErrorFlag;
extern int AsmeErrorCode;

// Records a fault: sets the flag and overwrites the code. Nothing but the start of a
// calculation clears them.
void SetAsmeError(int code);
void ClearAsmeError();

} // namespace vq
