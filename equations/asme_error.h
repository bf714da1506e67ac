// Working data that the IF97 equations share with the state solver: the error pair
// of the current calculation, phase codes and the specific gas constant.
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

// True marks the current calculation as failed; the code names the last fault found.
extern bool AsmeErrorFlag;
extern int AsmeErrorCode;

// Records a fault: sets the flag and overwrites the code. Nothing but the start of a
// calculation clears them.
void SetAsmeError(int code);
void ClearAsmeError();

} // namespace vq
