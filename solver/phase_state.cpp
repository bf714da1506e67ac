#include "solver/phase_state.h"

#include "equations/asme_error.h"
#include "equations/reduced_properties.h"
#include "equations/saturation_line.h"

namespace vq {

int GetPhaseState(int region, double p, double T, double rho)
{
    if (p >= CriticalPressure || T >= CriticalTemperature)
        return PhaseSupercritical;
    switch (region) {
    case 1: return PhaseCompressedLiquid;
    case 2:
    case 5: return PhaseSuperheatedVapour;
    case 4: return PhaseTwoPhase;
    case 3: {
        const double p3 = CalcRegion3Pressure(0, region, p, T, rho, 0.0) * rho * GasConstantR * T / 1000.0;
        return T > GetSatTemperature(p3) ? PhaseSuperheatedVapour : PhaseCompressedLiquid;
    }
    default: return 0;
    }
}

} // namespace vq
