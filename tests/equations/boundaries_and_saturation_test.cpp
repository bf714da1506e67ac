#include "equations/region_boundaries.h"
#include "equations/saturation_line.h"

#include "check_value_support.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>

namespace vq {
namespace {

using test::CheckValue;
using test::ExpectPublishedValues;

TEST(RegionBoundaries, PublishedCheckValues)
{
    EXPECT_EQ(ExpectPublishedValues("b23", [](const CheckValue& c) {
        return std::strcmp(c.name1, "T") == 0 ? GetB23Pressure(c.value1) : GetB23Temperature(c.value1);
    }), 2);
    EXPECT_EQ(ExpectPublishedValues("hb13-s", [](const CheckValue& c) { return GetHB13FromS(c.value1); }), 3);
    EXPECT_EQ(ExpectPublishedValues("tb23-hs", [](const CheckValue& c) { return GetTB23FromHS(c.value1, c.value2); }), 3);
}

TEST(RegionBoundaries, B23EndsAndRoundTrip)
{
    EXPECT_NEAR(GetB23Pressure(863.15), 100.0, 1e-8 * 100.0);
    EXPECT_NE(GetB23Pressure(863.15), 100.0);
    EXPECT_NEAR(GetB23Temperature(16.5291643), 623.15, 1e-6);
    for (double T = 623.15; T <= 863.15; T += 2.5)
        EXPECT_NEAR(GetB23Temperature(GetB23Pressure(T)), T, 1e-9) << T;
    EXPECT_TRUE(std::isnan(GetB23Temperature(10.0))) << "no real root below n5";
}

TEST(SaturationLine, PublishedCheckValues)
{
    EXPECT_EQ(ExpectPublishedValues("r4-saturation", [](const CheckValue& c) {
        return std::strcmp(c.name1, "T") == 0 ? GetSatPressure(c.value1) : GetSatTemperature(c.value1);
    }), 6);
}

TEST(SaturationLine, EndsOfTheLine)
{
    EXPECT_NEAR(GetSatPressure(273.15), 0.000611212677, 5e-13);
    EXPECT_NEAR(GetSatPressure(CriticalTemperature), CriticalPressure, 5e-6);
    EXPECT_NEAR(GetSatTemperature(CriticalPressure), CriticalTemperature, 5e-5);
    EXPECT_NEAR(GetSatTemperature(0.0006112), 273.149715, 5e-7);
    EXPECT_LT(GetSatTemperature(0.0006112), 273.15) << "not clamped";
}

TEST(SaturationLine, RoundTripOverTheWholeLine)
{
    double worst = 0.0;
    for (int i = 0; i <= 20000; ++i) {
        const double T = 273.15 + (CriticalTemperature - 273.15) * i / 20000.0;
        worst = std::max(worst, std::abs(GetSatTemperature(GetSatPressure(T)) - T));
    }
    EXPECT_LT(worst, 5e-11);
    for (int i = 0; i <= 2000; ++i) {
        const double p = 0.000611213 * std::pow(CriticalPressure / 0.000611213, i / 2000.0);
        EXPECT_NEAR(GetSatPressure(GetSatTemperature(p)), p, 1e-12 * p) << p;
    }
}

TEST(SaturationLine, OutsideTheRange)
{
    EXPECT_NEAR(GetSatPressure(650.0), 23.18566, 5e-6);
    EXPECT_NEAR(GetSatTemperature(25.0), 650.1439, 5e-5);
    EXPECT_TRUE(std::isnan(GetSatPressure(650.17534844798)));
    EXPECT_TRUE(std::isnan(GetSatPressure(750.0)));
    EXPECT_TRUE(std::isnan(GetSatTemperature(0.0)));
    EXPECT_TRUE(std::isnan(GetSatTemperature(-1.0)));
}

} // namespace
} // namespace vq
