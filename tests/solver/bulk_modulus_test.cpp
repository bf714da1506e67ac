#include "solver/bulk_modulus.h"

#include "equations/asme_error.h"
#include "equations/flag_values.h"
#include "equations/saturation_line.h"
#include "solver/asme_property.h"

#include <cmath>
#include <gtest/gtest.h>

namespace vq {
namespace {

constexpr double NA = NotApplicableValue;

double Bulk(int region, double p, double T, double rho = 0.0)
{
    return CalcAsmeProperty(21, 2, region, p, T, rho, NA);
}

TEST(BulkModulus, LiquidIsTheIsothermalModulus)
{
    // Water at 300 K: isothermal compressibility about 4.5e-4 per MPa.
    EXPECT_NEAR(Bulk(1, 3.0, 300.0), 2220.0, 60.0);
    // Close to the saturation line the step toward it shrinks and the result hardly moves.
    const double T = 400.0, ps = GetSatPressure(T);
    const double near = Bulk(1, 1.0005 * ps, T);
    EXPECT_NEAR(near, Bulk(1, 2.0 * ps, T), 0.01 * near);
    // At 100 MPa the upper neighbour is held at 100 MPa.
    const double top = Bulk(1, 100.0, 300.0);
    EXPECT_NEAR(top, Bulk(1, 99.0, 300.0), 0.01 * top);
}

TEST(BulkModulus, VapourIsTheIsentropicModulus)
{
    for (double p : {0.1, 1.0, 0.995 * GetSatPressure(450.0)}) {
        const double T = 450.0;
        EXPECT_DOUBLE_EQ(Bulk(2, p, T), CalcAsmeProperty(17, 2, 2, p, T, 0.0, NA) * p) << p;
    }
}

TEST(BulkModulus, SupercriticalStatesAndRegion3)
{
    // A near-ideal gas: rho (dp/drho) at constant T is close to p.
    EXPECT_NEAR(Bulk(2, 0.1, 800.0), 0.1, 0.002);
    EXPECT_NEAR(Bulk(5, 10.0, 1500.0), 10.0, 0.2);
    EXPECT_NEAR(Bulk(5, 9.0, 1500.0), 9.0, 0.2);
    // Region 3: the neighbouring densities are found on the state's own isotherm.
    const double T = 700.0, rho = 400.0;
    auto p3 = [&](double r) { return CalcAsmeProperty(1, 2, 3, 0.0, T, r, NA); };
    const double expected = rho * (p3(rho * 1.0001) - p3(rho * 0.9999)) / (rho * 0.0002);
    const double got = Bulk(3, p3(rho), T, rho);
    EXPECT_NEAR(got, expected, 2e-3 * expected);
    // A liquid-like region-3 state below the critical temperature.
    const double T2 = 630.0, rho2 = 600.0;
    const double got2 = Bulk(3, CalcAsmeProperty(1, 2, 3, 0.0, T2, rho2, NA), T2, rho2);
    EXPECT_GT(got2, 0.0);
    EXPECT_TRUE(std::isfinite(got2));
}

TEST(BulkModulus, TwoPhaseAndSaturatedStatesHaveNone)
{
    const double T = 400.0, p = GetSatPressure(T);
    for (int phase : {0, 1, 2})
        EXPECT_EQ(CalcAsmeProperty(21, phase, 4, p, T, 0.0, 0.5), NA) << phase;
}

} // namespace
} // namespace vq
