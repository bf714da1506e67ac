#include "equations/asme_error.h"
#include "equations/region3_saturation.h"
#include "equations/saturated_enthalpy.h"
#include "equations/saturation_line.h"

#include "check_value_support.h"
#include "saturation_support.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace vq {
namespace {

using test::CheckValue;
using test::ExpectPublishedValues;
using test::SaturatedProperties;

TEST(SaturatedEnthalpyFromEntropy, PublishedCheckValues)
{
    ClearAsmeError();
    auto liquid = [](const CheckValue& c) { return GetSatLiquidEnthalpyFromS(c.value1); };
    auto vapour = [](const CheckValue& c) { return GetSatVaporEnthalpyFromS(c.value1); };
    EXPECT_EQ(ExpectPublishedValues("hl1-s", liquid), 3);
    EXPECT_EQ(ExpectPublishedValues("hl3a-s", liquid), 3);
    EXPECT_EQ(ExpectPublishedValues("hv2ab-s", vapour), 3);
    EXPECT_EQ(ExpectPublishedValues("hv2c3b-s", vapour), 3);
    EXPECT_FALSE(AsmeErrorFlag);
}

TEST(SaturatedEnthalpyFromEntropy, EndsAndJoinsOfThePieces)
{
    ClearAsmeError();
    EXPECT_NEAR(GetSatLiquidEnthalpyFromS(SatLiquidEntropyMin), -0.041588, 5e-7);
    EXPECT_NEAR(GetSatLiquidEnthalpyFromS(SatLiquidEntropyAt62315), 1670.861389, 5e-7);
    EXPECT_NEAR(GetSatVaporEnthalpyFromS(SatVaporEntropyJoin), 2778.587333, 5e-7);
    EXPECT_NEAR(GetSatLiquidEnthalpyFromS(CriticalEntropy), 2087.546845, 5e-7);
    EXPECT_NEAR(GetSatVaporEnthalpyFromS(CriticalEntropy), 2087.546845, 5e-7);
    EXPECT_FALSE(AsmeErrorFlag);

    const double up = std::numeric_limits<double>::infinity(), down = -up;
    const double liquidJoin = SatLiquidEntropyAt62315;
    EXPECT_NEAR(GetSatLiquidEnthalpyFromS(liquidJoin), GetSatLiquidEnthalpyFromS(std::nextafter(liquidJoin, up)), 1e-6);
    const double vapourJoin = SatVaporEntropyJoin;
    EXPECT_NEAR(GetSatVaporEnthalpyFromS(vapourJoin), GetSatVaporEnthalpyFromS(std::nextafter(vapourJoin, down)), 1e-6);
    EXPECT_NEAR(GetSatLiquidEnthalpyFromS(CriticalEntropy), GetSatVaporEnthalpyFromS(CriticalEntropy), 1e-9);
    EXPECT_FALSE(AsmeErrorFlag);
}

TEST(SaturatedEnthalpyFromEntropy, EntropyOutsideItsLine)
{
    struct Case {
        double (*line)(double);
        double s;
        int code;
    };
    const Case cases[] = {{GetSatLiquidEnthalpyFromS, -0.0002, 9270},
                          {GetSatLiquidEnthalpyFromS, 4.5, 9270},
                          {GetSatLiquidEnthalpyFromS, std::nan(""), 9270},
                          {GetSatVaporEnthalpyFromS, 4.4, 9280},
                          {GetSatVaporEnthalpyFromS, 9.2, 9280},
                          {GetSatVaporEnthalpyFromS, std::nan(""), 9280}};
    for (const Case& c : cases) {
        ClearAsmeError();
        SetAsmeError(9100);
        EXPECT_EQ(c.line(c.s), 0.0) << c.s;
        EXPECT_TRUE(AsmeErrorFlag);
        EXPECT_EQ(AsmeErrorCode, c.code) << "a later fault overwrites the code";
    }
    ClearAsmeError();
    GetSatLiquidEnthalpyFromS(2.0);
    GetSatVaporEnthalpyFromS(7.0);
    EXPECT_FALSE(AsmeErrorFlag) << "a value inside the range clears nothing and sets nothing";
}

// h'(s'(T)) and h''(s''(T)) against h' and h'' of the forward equations along the whole
// saturation line.
TEST(SaturatedEnthalpyFromEntropy, ConsistentWithTheForwardEquations)
{
    ClearAsmeError();
    double worstLiquid = 0.0, worstVapour = 0.0;
    for (double T = 273.16; T < CriticalTemperature - 0.005; T += 0.25) {
        const auto liquid = SaturatedProperties(T, true);
        const auto vapour = SaturatedProperties(T, false);
        worstLiquid = std::max(worstLiquid, std::abs(GetSatLiquidEnthalpyFromS(liquid.s) - liquid.h));
        worstVapour = std::max(worstVapour, std::abs(GetSatVaporEnthalpyFromS(vapour.s) - vapour.h));
    }
    EXPECT_LT(worstLiquid, 0.01);
    EXPECT_LT(worstVapour, 0.01);
    EXPECT_FALSE(AsmeErrorFlag);
}

TEST(Region3SaturationPressure, PublishedCheckValuesAndKinds)
{
    EXPECT_EQ(ExpectPublishedValues("psat3-h", [](const CheckValue& c) { return GetRegion3SatPressure(c.value1, 3); }), 3);
    EXPECT_EQ(ExpectPublishedValues("psat3-s", [](const CheckValue& c) { return GetRegion3SatPressure(c.value1, 6); }), 3);
    for (int kind : {0, 1, 2, 4, 5, 7})
        EXPECT_EQ(GetRegion3SatPressure(2000.0, kind), 0.0) << kind;
}

// psat3 of the saturated enthalpies and entropies above 623.15 K against ps(T).
TEST(Region3SaturationPressure, ConsistentWithTheSaturationLine)
{
    double worstH = 0.0, worstS = 0.0;
    for (double T = 623.15; T < CriticalTemperature - 0.01; T += 0.1) {
        const double ps = GetSatPressure(T);
        for (bool liquid : {true, false}) {
            const auto side = SaturatedProperties(T, liquid);
            worstH = std::max(worstH, std::abs(GetRegion3SatPressure(side.h, 3) - ps) / ps);
            worstS = std::max(worstS, std::abs(GetRegion3SatPressure(side.s, 6) - ps) / ps);
        }
    }
    EXPECT_LT(worstH, 1e-4);
    EXPECT_LT(worstS, 1e-4);
}

TEST(TwoPhaseTemperatureFromHS, PublishedCheckValuesAndConsistency)
{
    EXPECT_EQ(ExpectPublishedValues("tsat-hs", [](const CheckValue& c) { return GetSatTemperatureFromHS(c.value1, c.value2); }), 3);
    const double sVapour62315 = SaturatedProperties(623.15, false).s;
    double worst = 0.0;
    for (double T = 273.16; T <= 623.15; T += 1.0) {
        const auto liquid = SaturatedProperties(T, true);
        const auto vapour = SaturatedProperties(T, false);
        for (double x = 0.0; x <= 1.0; x += 0.05) {
            const double s = liquid.s + x * (vapour.s - liquid.s);
            if (s < sVapour62315)
                continue;
            const double h = liquid.h + x * (vapour.h - liquid.h);
            worst = std::max(worst, std::abs(GetSatTemperatureFromHS(h, s) - T));
        }
    }
    EXPECT_LT(worst, 0.002);
}

} // namespace
} // namespace vq
