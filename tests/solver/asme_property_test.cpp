#include "solver/asme_property.h"

#include "equations/asme_error.h"
#include "equations/flag_values.h"
#include "equations/saturation_line.h"
#include "equations/transport.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace vq {
namespace {

constexpr double NA = NotApplicableValue;
constexpr double R = GasConstantR;

// Half a unit of the ninth significant digit.
double NinthDigit(double v) { return 0.5 * std::pow(10.0, std::floor(std::log10(std::abs(v))) - 8.0); }

double Prop(int code, int region, double p, double T, double rho = 0.0, double x = NA, int phase = 2)
{
    return CalcAsmeProperty(code, phase, region, p, T, rho, x);
}

// Density on the region-3 isotherm T where the pressure is p, by bisection between two
// densities that bracket it.
double Region3Density(double p, double T, double lo, double hi)
{
    auto f = [&](double rho) { return Prop(1, 3, 0.0, T, rho) - p; };
    EXPECT_LT(f(lo) * f(hi), 0.0) << "no bracket";
    for (int i = 0; i < 200; ++i) {
        const double mid = 0.5 * (lo + hi);
        ((f(mid) < 0.0) == (f(lo) < 0.0) ? lo : hi) = mid;
    }
    return 0.5 * (lo + hi);
}

TEST(CalcAsmeProperty, VerificationStatesOfEachRegion)
{
    struct Case {
        int region;
        double p, T, rho;
        int code;
        double expected;
    };
    const Case cases[] = {
        {1, 3, 300, 0, 5, 0.100215168e-2}, {1, 3, 300, 0, 3, 0.115331273e3}, {1, 3, 300, 0, 7, 0.112324818e3},
        {1, 3, 300, 0, 6, 0.392294792}, {1, 3, 300, 0, 14, 0.417301218e1}, {1, 3, 300, 0, 16, 0.150773921e4},
        {2, 30, 700, 0, 5, 0.542946619e-2}, {2, 30, 700, 0, 3, 0.263149474e4}, {2, 30, 700, 0, 7, 0.246861076e4},
        {2, 30, 700, 0, 6, 0.517540298e1}, {2, 30, 700, 0, 14, 0.103505092e2}, {2, 30, 700, 0, 16, 0.480386523e3},
        {3, 0, 650, 500, 1, 0.255837018e2}, {3, 0, 650, 500, 3, 0.186343019e4}, {3, 0, 650, 500, 7, 0.181226279e4},
        {3, 0, 650, 500, 6, 0.405427273e1}, {3, 0, 650, 500, 14, 0.138935717e2}, {3, 0, 650, 500, 16, 0.502005554e3},
        {5, 0.5, 1500, 0, 5, 0.138455354e1}, {5, 0.5, 1500, 0, 3, 0.521976332e4}, {5, 0.5, 1500, 0, 7, 0.452748654e4},
        {5, 0.5, 1500, 0, 6, 0.965408431e1}, {5, 0.5, 1500, 0, 14, 0.261610228e1}, {5, 0.5, 1500, 0, 16, 0.917071933e3},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(Prop(c.code, c.region, c.p, c.T, c.rho), c.expected, NinthDigit(c.expected))
            << "region " << c.region << " code " << c.code;
    // Region 3 takes density and volume from rho, and the pressure from (rho, T), not p.
    EXPECT_EQ(Prop(4, 3, 99.0, 650, 500), 500.0);
    EXPECT_EQ(Prop(5, 3, 99.0, 650, 500), 1.0 / 500.0);
    EXPECT_NEAR(Prop(1, 3, 99.0, 650, 500), 25.5837018, 5e-7);
    // Elsewhere the pressure is the one received and rho is not read.
    EXPECT_EQ(Prop(1, 1, 3, 300, 12345.0), 3.0);
    EXPECT_EQ(Prop(4, 1, 3, 300, 12345.0), 1.0 / Prop(5, 1, 3, 300, 0.0));
}

TEST(CalcAsmeProperty, CodesWithoutAValue)
{
    for (int code : {0, 9, 10, 26, -1})
        for (int region : {1, 2, 3, 4, 5})
            EXPECT_EQ(Prop(code, region, 10, 500, 500, 0.5), 0.0) << code << " " << region;
    // Subcooling and superheat of a region outside 1 to 5.
    EXPECT_EQ(Prop(24, 0, 10, 500), 0.0);
    EXPECT_EQ(Prop(25, 6, 10, 500), 0.0);
}

TEST(CalcAsmeProperty, CompressedLiquidClassesAndSubcooling)
{
    const double p = 1.0, T = 400.0;
    EXPECT_EQ(Prop(11, 1, p, T), -1.0);
    EXPECT_EQ(Prop(8, 1, p, T), NA);
    EXPECT_EQ(Prop(19, 1, p, T), NA);
    EXPECT_EQ(Prop(25, 1, p, T), NA);
    EXPECT_DOUBLE_EQ(Prop(24, 1, p, T), GetSatTemperature(p) - T);
    EXPECT_GT(Prop(24, 1, p, T), 0.0);
    EXPECT_DOUBLE_EQ(Prop(22, 1, p, T), GetSatTemperature(p));
    EXPECT_DOUBLE_EQ(Prop(23, 1, p, T), GetSatPressure(T));
    // At or above the critical pressure the class is supercritical.
    EXPECT_EQ(Prop(11, 1, 22.064, 500), -3.0);
    for (int code : {22, 23, 24})
        EXPECT_EQ(Prop(code, 1, 25.0, 500), NA) << code;
    EXPECT_NE(Prop(19, 1, 25.0, 500), NA);
}

TEST(CalcAsmeProperty, VapourClassesSuperheatAndCompressibility)
{
    const double p = 1.0, T = 500.0;
    EXPECT_EQ(Prop(11, 2, p, T), -2.0);
    EXPECT_DOUBLE_EQ(Prop(25, 2, p, T), T - GetSatTemperature(p));
    EXPECT_EQ(Prop(24, 2, p, T), NA);
    EXPECT_DOUBLE_EQ(Prop(19, 2, p, T), p * 1000.0 / (Prop(4, 2, p, T) * R * T));
    // Above the critical temperature: supercritical, no saturation values, Z computed.
    for (int region : {2, 5}) {
        const double Tc = region == 2 ? 700.0 : 1500.0;
        EXPECT_EQ(Prop(11, region, 0.1, Tc), -3.0);
        for (int code : {22, 23, 25})
            EXPECT_EQ(Prop(code, region, 0.1, Tc), NA) << region << " " << code;
        EXPECT_NEAR(Prop(19, region, 0.1, Tc), 1.0, 2e-3);
    }
    // Near-ideal gas: the isentropic expansion coefficient is close to cp/cv.
    const double gamma = Prop(17, 2, 0.001, 800.0);
    EXPECT_NEAR(gamma, Prop(14, 2, 0.001, 800.0) / Prop(15, 2, 0.001, 800.0), 1e-4);
}

TEST(CalcAsmeProperty, TransportAndDerivedCodes)
{
    const double p = 3, T = 300;
    const double rho = Prop(4, 1, p, T);
    const double k = CalcThermalConductivity(T, rho);
    const double mu = CalcViscosity(T, rho);
    EXPECT_EQ(Prop(12, 1, p, T), k);
    EXPECT_EQ(Prop(13, 1, p, T), mu);
    EXPECT_DOUBLE_EQ(Prop(18, 1, p, T), Prop(14, 1, p, T) * mu / k * 1000.0);
    EXPECT_DOUBLE_EQ(Prop(20, 1, p, T), mu / rho * 1e6);
    const double w = Prop(16, 1, p, T);
    EXPECT_DOUBLE_EQ(Prop(17, 1, p, T), w * w / (p * 1e6 * Prop(5, 1, p, T)));
}

TEST(CalcAsmeProperty, SaturatedSidesAndMixtureAtOrBelow623K)
{
    for (double T : {373.15, 500.0, 623.15}) {
        const double p = GetSatPressure(T);
        // The sides are the region-1 and region-2 states at (psat, T).
        for (int code : {3, 4, 5, 6, 7, 14, 15, 16}) {
            EXPECT_DOUBLE_EQ(Prop(code, 4, p, T, 0, 0.0, 0), Prop(code, 1, p, T)) << T << " " << code;
            EXPECT_DOUBLE_EQ(Prop(code, 4, p, T, 0, 1.0, 1), Prop(code, 2, p, T)) << T << " " << code;
        }
        const double vl = Prop(5, 1, p, T), vv = Prop(5, 2, p, T);
        EXPECT_DOUBLE_EQ(Prop(5, 4, p, T, 0, 0.5), vl + 0.5 * (vv - vl));
        EXPECT_DOUBLE_EQ(Prop(4, 4, p, T, 0, 0.5), 1.0 / (vl + 0.5 * (vv - vl)));
        EXPECT_EQ(Prop(12, 4, p, T, 0, 0.5), CalcThermalConductivity(T, Prop(4, 4, p, T, 0, 0.5)));
        EXPECT_EQ(Prop(11, 4, p, T, 0, 0.5), 0.5);
    }
    // Saturated vapour at 1 MPa: quality 1 as phase, no Z or bulk modulus, Tsat from p;
    // the order of the questions does not change the answers.
    const double p = 1.0, T = GetSatTemperature(p);
    const double rhoFirst = Prop(4, 4, p, T, 0, 1.0, 1);
    EXPECT_EQ(Prop(11, 4, p, T, 0, 1.0, 1), 1.0);
    EXPECT_EQ(Prop(19, 4, p, T, 0, 1.0, 1), NA);
    EXPECT_EQ(Prop(21, 4, p, T, 0, 1.0, 1), NA);
    EXPECT_DOUBLE_EQ(Prop(22, 4, p, T, 0, 1.0, 1), T);
    EXPECT_EQ(Prop(4, 4, p, T, 0, 1.0, 1), rhoFirst);
    EXPECT_DOUBLE_EQ(rhoFirst, Prop(4, 2, p, T));
    EXPECT_EQ(Prop(24, 4, p, T, 0, 1.0, 1), NA);
    EXPECT_EQ(Prop(25, 4, p, T, 0, 1.0, 1), NA);
}

TEST(CalcAsmeProperty, SaturatedSidesAndMixtureAbove623K)
{
    const double T = 638.8959115457051; // saturation temperature at 20 MPa
    const double p = GetSatPressure(T);
    const double rhoL = Region3Density(p, T, 470.0, 520.0);
    const double rhoV = Region3Density(p, T, 150.0, 190.0);
    // The two sides are the region-3 states at their own densities.
    for (int code : {3, 6, 7, 14, 15, 16}) {
        EXPECT_DOUBLE_EQ(Prop(code, 4, p, T, rhoL, 0.0, 0), Prop(code, 3, p, T, rhoL)) << code;
        EXPECT_DOUBLE_EQ(Prop(code, 4, p, T, rhoV, 1.0, 1), Prop(code, 3, p, T, rhoV)) << code;
    }
    EXPECT_EQ(Prop(4, 4, p, T, rhoL, 0.0, 0), rhoL);
    EXPECT_EQ(Prop(4, 4, p, T, rhoV, 1.0, 1), rhoV);
    // The mixture is interpolated on specific volume.
    for (double x : {0.0, 0.25, 0.5, 1.0}) {
        const double v = 1.0 / rhoL + x * (1.0 / rhoV - 1.0 / rhoL);
        const double hMix = CalcAsmeProperty(3, 2, 4, p, T, rhoL, x, rhoV);
        EXPECT_DOUBLE_EQ(CalcAsmeProperty(5, 2, 4, p, T, rhoL, x, rhoV), v) << x;
        EXPECT_DOUBLE_EQ(CalcAsmeProperty(4, 2, 4, p, T, rhoL, x, rhoV), 1.0 / v) << x;
        EXPECT_NEAR(hMix, Prop(3, 3, p, T, rhoL) + x * (Prop(3, 3, p, T, rhoV) - Prop(3, 3, p, T, rhoL)), 1e-9) << x;
        EXPECT_EQ(CalcAsmeProperty(1, 2, 4, p, T, rhoL, x, rhoV), p);
        EXPECT_EQ(CalcAsmeProperty(11, 2, 4, p, T, rhoL, x, rhoV), x);
    }
    // A mixture without the vapour density has no value rather than a wrong one.
    EXPECT_EQ(CalcAsmeProperty(5, 2, 4, p, T, rhoL, 0.5), NA);
}

TEST(CalcAsmeProperty, Region3ClassesFollowTheDensity)
{
    // 20 MPa: liquid below the saturation temperature, vapour above it.
    const double Ts = GetSatTemperature(20.0);
    const double rhoLiquid = Region3Density(20.0, Ts - 5.0, 450.0, 700.0);
    const double rhoVapour = Region3Density(20.0, Ts + 5.0, 80.0, 170.0);
    EXPECT_EQ(Prop(11, 3, 20.0, Ts - 5.0, rhoLiquid), -1.0);
    EXPECT_NEAR(Prop(24, 3, 20.0, Ts - 5.0, rhoLiquid), 5.0, 1e-9);
    EXPECT_EQ(Prop(25, 3, 20.0, Ts - 5.0, rhoLiquid), NA);
    EXPECT_EQ(Prop(11, 3, 20.0, Ts + 5.0, rhoVapour), -2.0);
    EXPECT_NEAR(Prop(25, 3, 20.0, Ts + 5.0, rhoVapour), 5.0, 1e-9);
    EXPECT_EQ(Prop(24, 3, 20.0, Ts + 5.0, rhoVapour), NA);
}

TEST(CalcAsmeProperty, NonFiniteResultsBecomeNotApplicable)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (int code = 1; code <= 25; ++code) {
        for (double v : {Prop(code, 2, 0.0, 500.0), Prop(code, 3, 20.0, 650.0, 0.0), Prop(code, 1, nan, 300.0),
                         Prop(code, 2, 1.0, inf), Prop(code, 5, 1.0, 0.0)}) {
            EXPECT_TRUE(std::isfinite(v)) << code;
        }
    }
    EXPECT_EQ(Prop(5, 2, 0.0, 500.0), NA);
    EXPECT_EQ(Prop(3, 3, 20.0, 650.0, 0.0), NA);
}

} // namespace
} // namespace vq
