#include "equations/transport.h"

#include <cmath>
#include <gtest/gtest.h>

namespace vq {
namespace {

// The published check values, each to the digits printed.
TEST(Transport, PublishedCheckValues)
{
    EXPECT_NEAR(CalcViscosity(298.15, 997.047), 890.08e-6, 0.005e-6);
    EXPECT_NEAR(CalcViscosity(873.15, 30.0), 33.185e-6, 0.0005e-6);
    EXPECT_NEAR(CalcThermalConductivity(298.15, 997.047), 0.60751, 0.000005);
    EXPECT_NEAR(CalcThermalConductivity(873.15, 30.0), 0.087938, 0.0000005);
    // Above the reducing temperature, close to it: S = 1 / dT.
    EXPECT_NEAR(CalcThermalConductivity(700.0, 300.0), 0.25910, 0.000005);
    EXPECT_NEAR(CalcThermalConductivity(650.0, 400.0), 0.45393, 0.000005);
}

TEST(Transport, ContinuousAcrossTheReducingTemperature)
{
    // S switches form at T = 647.26 K; both sides must meet closely.
    const double below = CalcThermalConductivity(647.26 * (1 - 1e-9), 317.7);
    const double above = CalcThermalConductivity(647.26, 317.7);
    EXPECT_NEAR(below, above, 0.05 * above);
    EXPECT_TRUE(std::isnan(CalcViscosity(-1.0, 500.0)));
    EXPECT_TRUE(std::isnan(CalcThermalConductivity(-1.0, 500.0)));
}

} // namespace
} // namespace vq
