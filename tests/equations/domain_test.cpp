#include "equations/free_energy.h"
#include "equations/reduced_properties.h"
#include "equations/region3_saturation.h"
#include "equations/region_boundaries.h"
#include "equations/region_coefficients.h"
#include "equations/saturation_line.h"
#include "equations/transport.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace vq {
namespace {

// Every routine answers any argument with a finite number or NaN, never an infinity.
bool FiniteOrNaN(double v)
{
    return std::isfinite(v) || std::isnan(v);
}

constexpr double Inf = std::numeric_limits<double>::infinity();
const double BadValues[] = {0.0, -1.0, -0.0, 1e-300, 1e300, Inf, -Inf, std::nan("")};

TEST(OutsideTheDomain, NoRoutineReturnsAnInfinity)
{
    using Routine = double (*)(int, int, double, double, double, double, double);
    const Routine reduced[] = {CalcReducedVolume, CalcReducedEnthalpy, CalcReducedInternalEnergy, CalcReducedEntropy,
                               CalcReducedCp, CalcReducedCv, CalcReducedSoundSpeedSq};
    for (double bad : BadValues) {
        for (int region : {1, 2, 3, 4, 5}) {
            for (Routine f : reduced) {
                EXPECT_TRUE(FiniteOrNaN(f(0, region, bad, 500.0, 500.0, 0.5, 100.0))) << region << " p=" << bad;
                EXPECT_TRUE(FiniteOrNaN(f(2, region, 1.0, bad, 500.0, 0.5, 100.0))) << region << " T=" << bad;
                EXPECT_TRUE(FiniteOrNaN(f(1, region, 1.0, 650.0, bad, 0.5, 100.0))) << region << " rho=" << bad;
            }
            EXPECT_TRUE(FiniteOrNaN(CalcRegion3Pressure(0, region, 1.0, 650.0, bad, 0.0)));
        }
        LoadRegionCoefficients(2);
        EXPECT_TRUE(FiniteOrNaN(CalcGamma(2, bad, 1.0)));
        EXPECT_TRUE(FiniteOrNaN(CalcGammaPiPi(2, bad, 1.0, 0)));
        LoadRegionCoefficients(3);
        EXPECT_TRUE(FiniteOrNaN(CalcPhiDeltaDelta(3, 1.0, bad)));
        EXPECT_TRUE(FiniteOrNaN(CalcViscosity(bad, 500.0)));
        EXPECT_TRUE(FiniteOrNaN(CalcViscosity(500.0, bad)));
        EXPECT_TRUE(FiniteOrNaN(CalcThermalConductivity(bad, 500.0)));
        EXPECT_TRUE(FiniteOrNaN(CalcThermalConductivity(500.0, bad)));
        EXPECT_TRUE(FiniteOrNaN(GetSatPressure(bad)));
        EXPECT_TRUE(FiniteOrNaN(GetSatTemperature(bad)));
        EXPECT_TRUE(FiniteOrNaN(GetB23Pressure(bad)));
        EXPECT_TRUE(FiniteOrNaN(GetB23Temperature(bad)));
        EXPECT_TRUE(FiniteOrNaN(GetHB13FromS(bad)));
        EXPECT_TRUE(FiniteOrNaN(GetTB23FromHS(bad, 5.1)));
        EXPECT_TRUE(FiniteOrNaN(GetRegion3SatPressure(bad, 3)));
        EXPECT_TRUE(FiniteOrNaN(GetRegion3SatPressure(bad, 6)));
        EXPECT_TRUE(FiniteOrNaN(GetSatTemperatureFromHS(bad, bad)));
    }
    // Singular points of the formulas themselves.
    EXPECT_TRUE(std::isnan(GetHB13FromS(3.8 * 0.864)));
    EXPECT_TRUE(std::isnan(CalcReducedEntropy(0, 2, 0.0, 500.0, 0.0, 0.0)));
    EXPECT_TRUE(std::isnan(CalcReducedEnthalpy(0, 3, 0.0, 650.0, 0.0, 0.0)));
}

} // namespace
} // namespace vq
