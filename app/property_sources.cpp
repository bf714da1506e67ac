#include "app/property_sources.h"

#include "common/session_state.h"
#include "solver/asme_state.h"
#include "solver/steam_mod.h"

namespace vq {

bool CalculatePointWithSelectedSource(int point, const PointInputs& in, int panelCode1, int panelCode2)
{
    bool failed = false;
    if (UseIF97) {
        int index = point;
        CalcAsmeState(index, in.code1, in.value1, in.units1, in.code2, in.value2, in.units2, failed);
        return failed;
    }
    CalcSteamState(in.code1, in.value1, in.units1, in.code2, in.value2, in.units2, failed);
    if (!failed)
        StoreSteamResults(point, panelCode1, panelCode2);
    return failed;
}

} // namespace vq
