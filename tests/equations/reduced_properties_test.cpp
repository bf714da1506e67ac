#include "equations/reduced_properties.h"
#include "equations/region_coefficients.h"
#include "equations/saturation_line.h"

#include "saturation_support.h"

#include <cmath>
#include <gtest/gtest.h>

namespace vq {
namespace {

using Routine = double (*)(int, int, double, double, double, double, double);

// The seven routines that serve region 4, in the order v, h, u, s, cp, cv, w^2.
const Routine SideRoutines[] = {CalcReducedVolume, CalcReducedEnthalpy, CalcReducedInternalEnergy, CalcReducedEntropy,
                                CalcReducedCp, CalcReducedCv, CalcReducedSoundSpeedSq};

using test::SaturatedDensity;

TEST(ReducedProperties, RegionFourSidesSwitchAboveSixTwentyThree)
{
    const double ps = GetSatPressure(623.15);
    const double rhoLiquid = SaturatedDensity(623.16, true);
    for (Routine f : SideRoutines) {
        EXPECT_EQ(f(0, 4, ps, 623.15, 1.0, 0.0, NoVapourDensity), f(0, 1, ps, 623.15, 1.0, 0.0, NoVapourDensity));
        EXPECT_EQ(f(1, 4, ps, 623.15, 1.0, 0.0, NoVapourDensity), f(0, 2, ps, 623.15, 1.0, 0.0, NoVapourDensity));
        EXPECT_EQ(f(0, 4, ps, 623.16, rhoLiquid, 0.0, NoVapourDensity),
                  f(0, 3, ps, 623.16, rhoLiquid, 0.0, NoVapourDensity));
    }
    EXPECT_EQ(CalcRegion3Pressure(0, 4, ps, 640.0, 500.0, 0.0), 0.0);
}

TEST(ReducedProperties, MixtureIsLinearInQuality)
{
    const double T = 500.0, ps = GetSatPressure(T);
    for (Routine f : SideRoutines) {
        const double liquid = f(0, 4, ps, T, 1.0, 0.0, NoVapourDensity);
        const double vapour = f(1, 4, ps, T, 1.0, 0.0, NoVapourDensity);
        EXPECT_EQ(f(2, 4, ps, T, 1.0, 0.0, NoVapourDensity), liquid);
        EXPECT_EQ(f(2, 4, ps, T, 1.0, 1.0, NoVapourDensity), vapour);
        EXPECT_DOUBLE_EQ(f(2, 4, ps, T, 1.0, 0.25, NoVapourDensity), liquid + 0.25 * (vapour - liquid));
    }
}

// Near the critical point the vapour side of a mixture is region 3 at the saturated
// vapour density, not region 2 (which is far off there and not valid above 623.15 K).
TEST(ReducedProperties, MixtureAboveSixTwentyThreeUsesBothSaturatedDensities)
{
    const double T = 645.0, ps = GetSatPressure(T);
    const double rhoL = SaturatedDensity(T, true), rhoV = SaturatedDensity(T, false);
    const double R = 0.461526;
    for (Routine f : SideRoutines) {
        const double liquid = f(0, 3, ps, T, rhoL, 0.0, NoVapourDensity);
        const double vapour = f(0, 3, ps, T, rhoV, 0.0, NoVapourDensity);
        EXPECT_EQ(f(2, 4, ps, T, rhoL, 0.0, rhoV), liquid);
        EXPECT_EQ(f(2, 4, ps, T, rhoL, 1.0, rhoV), vapour);
        EXPECT_EQ(f(1, 4, ps, T, rhoV, 0.0, NoVapourDensity), vapour);
        if (f != CalcReducedVolume) {
            EXPECT_TRUE(std::isnan(f(2, 4, ps, T, rhoL, 0.5, NoVapourDensity))) << "a mixture needs both densities";
        }
    }
    const double hV3 = CalcReducedEnthalpy(2, 4, ps, T, rhoL, 1.0, rhoV) * R * T;
    const double hV2 = CalcReducedEnthalpy(0, 2, ps, T, 0.0, 0.0) * R * T;
    EXPECT_GT(std::abs(hV2 - hV3), 30.0) << "region 2 would be off by tens of kJ/kg here";
}

TEST(ReducedProperties, RegionsWithoutAResult)
{
    LoadRegionCoefficients(2);
    for (int region : {0, 6, -1}) {
        for (Routine f : SideRoutines)
            EXPECT_EQ(f(0, region, 1.0, 500.0, 500.0, 0.0, NoVapourDensity), 0.0);
        EXPECT_EQ(CalcRegion3Pressure(0, region, 1.0, 500.0, 500.0, 0.0), 0.0);
        EXPECT_EQ(LastLoadedRegion, 2) << "nothing is loaded for region " << region;
    }
    EXPECT_EQ(CalcReducedVolume(0, 3, 20.0, 650.0, 500.0, 0.0), 0.0);
    for (int region : {1, 2, 5})
        EXPECT_EQ(CalcRegion3Pressure(0, region, 1.0, 700.0, 1.0, 0.0), 0.0);
    EXPECT_GT(CalcRegion3Pressure(0, 3, 0.0, 650.0, 500.0, 0.0), 0.0);
}

} // namespace
} // namespace vq
