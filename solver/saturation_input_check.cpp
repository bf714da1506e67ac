#include "solver/saturation_input_check.h"

#include "equations/asme_error.h"
#include "equations/saturation_line.h"
#include "solver/asme_error_messages.h"
#include "solver/backward_equations.h"
#include "solver/saturation_state.h"

namespace vq {
namespace {

constexpr double CriticalVolume = 1.0 / CriticalDensity;
// The saturated liquid is densest near 277.13 K (v' = 0.00100007433 m3/kg), not at
// 273.15 K (0.0010002): its volumes between the two are saturated states too.
constexpr double LeastSaturatedLiquidVolume = 0.00100007;

struct SatRange {
    double lo;
    double hi;
};

} // namespace

bool SatInputOutOfRange(int code, double value, int side)
{
    SatRange range{};
    int error = 0;
    switch (code) {
    case 1:
        range = {LowestSaturationPressure(), CriticalPressure};
        error = ErrSatPressure;
        break;
    case 2:
        range = {273.15, CriticalTemperature};
        error = ErrSatTemperature;
        break;
    case 3:
        range = side == SatSideLiquid ? SatRange{-0.042, 2087.5} : SatRange{2087.5, 2803.3};
        error = ErrSatEnthalpy;
        break;
    case 4:
    case 5:
        if (code == 4)
            value = 1.0 / value;
        range = side == SatSideLiquid ? SatRange{LeastSaturatedLiquidVolume, CriticalVolume} : SatRange{CriticalVolume, 206.14};
        error = code == 4 ? ErrSatDensity : ErrSatSpecificVolume;
        break;
    case 6:
        range = side == SatSideLiquid ? SatRange{-0.0002, CriticalEntropy} : SatRange{CriticalEntropy, 9.1558};
        error = ErrSatEntropy;
        break;
    default:
        return false;
    }
    // Enthalpy, volume, density and entropy are tested only for a saturated side.
    if (code >= 3 && side != SatSideLiquid && side != SatSideVapour)
        return false;
    if (range.lo <= value && value <= range.hi)
        return false;
    AsmeErrorCode = error;
    return true;
}

} // namespace vq
