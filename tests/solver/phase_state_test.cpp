#include "solver/phase_state.h"

#include "equations/asme_error.h"
#include "equations/saturation_line.h"

#include <gtest/gtest.h>

namespace vq {
namespace {

TEST(GetPhaseState, ClassesByRegionAndCriticalLimits)
{
    EXPECT_EQ(GetPhaseState(1, 10.0, 400.0, 0.0), PhaseCompressedLiquid);
    EXPECT_EQ(GetPhaseState(2, 0.1, 400.0, 0.0), PhaseSuperheatedVapour);
    EXPECT_EQ(GetPhaseState(5, 0.1, 400.0, 0.0), PhaseSuperheatedVapour);
    // Region 4 is two-phase even for a saturated side.
    EXPECT_EQ(GetPhaseState(4, GetSatPressure(400.0), 400.0, 0.0), PhaseTwoPhase);
    // At the critical pressure or temperature every region is supercritical.
    for (int region : {1, 2, 3, 4, 5}) {
        EXPECT_EQ(GetPhaseState(region, 22.064, 500.0, 600.0), PhaseSupercritical) << region;
        EXPECT_EQ(GetPhaseState(region, 1.0, 647.096, 300.0), PhaseSupercritical) << region;
    }
    EXPECT_EQ(GetPhaseState(1, 22.0639, 500.0, 0.0), PhaseCompressedLiquid);
    for (int region : {0, 6, -1})
        EXPECT_EQ(GetPhaseState(region, 1.0, 400.0, 100.0), 0) << region;
}

TEST(GetPhaseState, Region3FollowsThePressureOfTheDensity)
{
    // 640 K: psat about 20.3 MPa. A dense state is liquid, a light one vapour, whatever
    // pressure the caller passes (below critical).
    EXPECT_EQ(GetPhaseState(3, 0.0, 640.0, 550.0), PhaseCompressedLiquid);
    EXPECT_EQ(GetPhaseState(3, 0.0, 640.0, 120.0), PhaseSuperheatedVapour);
    EXPECT_EQ(GetPhaseState(3, 21.0, 630.0, 600.0), PhaseCompressedLiquid);
    EXPECT_EQ(GetPhaseState(3, 15.0, 645.0, 100.0), PhaseSuperheatedVapour);
}

} // namespace
} // namespace vq
