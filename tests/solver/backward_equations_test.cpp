#include "solver/backward_equations.h"

#include "backward_check_values.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace vq {
namespace {

// Region of an equation name: the digit after the leading letter.
int RegionOf(const std::string& eq) { return eq[1] - '0'; }

// Sub-region the check point belongs to, from the letter after the region digit.
int SubregionOf(const std::string& eq)
{
    const int region = RegionOf(eq);
    if (eq[2] == '-')
        return SubregionNone;
    const int offset = eq[2] - 'a';
    return region == 2 ? Subregion2a + offset : Subregion3a + offset;
}

double Evaluate(const std::string& eq, double a, double b)
{
    if (eq == "b2bc")
        return GetB2bcPressure(a);
    if (eq == "h2ab-s")
        return GetH2abFromS(a);
    if (eq == "h3ab")
        return GetH3abFromP(a);
    const int code = eq.ends_with("-ph") ? 3 : 6;
    switch (eq[0]) {
    case 't': return CalcBackwardTemperature(a, code, b, RegionOf(eq));
    case 'v': return 1.0 / CalcBackwardDensity(a, code, b, RegionOf(eq));
    default: return CalcBackwardPressure(a, b, RegionOf(eq));
    }
}

TEST(BackwardEquations, PublishedCheckValuesReproduceToThePrintedDigits)
{
    int count = 0;
    for (const auto& c : test::BackwardCheckValues) {
        const std::string eq = c.equation;
        EXPECT_NEAR(Evaluate(eq, c.first, c.second), c.expected, c.tolerance) << eq << " at " << c.first << ", " << c.second;
        ++count;
    }
    EXPECT_EQ(count, 69);
}

TEST(BackwardEquations, CheckPointsLieInTheSubregionOfTheirEquation)
{
    for (const auto& c : test::BackwardCheckValues) {
        const std::string eq = c.equation;
        if (eq[0] != 't' && eq[0] != 'v' && eq[0] != 'p')
            continue;
        if (RegionOf(eq) == 1)
            continue;
        const int sub = eq[0] == 'p' ? GetBackwardSubregion(RegionOf(eq), 3, c.first, 6, c.second)
                                     : GetBackwardSubregion(RegionOf(eq), 1, c.first, eq.ends_with("-ph") ? 3 : 6, c.second);
        EXPECT_EQ(sub, SubregionOf(eq)) << eq << " at " << c.first << ", " << c.second;
    }
}

TEST(BackwardSubregion, Region2Boundaries)
{
    // At exactly 4 MPa: 2a for p-h and p-s.
    EXPECT_EQ(GetBackwardSubregion(2, 1, 4.0, 3, 3500.0), Subregion2a);
    EXPECT_EQ(GetBackwardSubregion(2, 1, 4.0, 6, 5.0), Subregion2a);
    EXPECT_EQ(GetBackwardSubregion(2, 1, std::nextafter(4.0, 5.0), 6, 7.0), Subregion2b);
    // p-h on the B2bc line is 2b; just above it 2c.
    const double h = 3000.0;
    const double pbc = GetB2bcPressure(h);
    EXPECT_EQ(GetBackwardSubregion(2, 1, pbc, 3, h), Subregion2b);
    EXPECT_EQ(GetBackwardSubregion(2, 1, std::nextafter(pbc, 100.0), 3, h), Subregion2c);
    // p-s at exactly 5.85 above 4 MPa is 2b, below it 2c.
    EXPECT_EQ(GetBackwardSubregion(2, 1, 10.0, 6, 5.85), Subregion2b);
    EXPECT_EQ(GetBackwardSubregion(2, 1, 10.0, 6, std::nextafter(5.85, 0.0)), Subregion2c);
    // h-s at 5.85 goes on to h2ab(s), never 2c; on h2ab itself 2a.
    const double hab = GetH2abFromS(5.85);
    EXPECT_EQ(GetBackwardSubregion(2, 3, hab, 6, 5.85), Subregion2a);
    EXPECT_EQ(GetBackwardSubregion(2, 3, hab + 1.0, 6, 5.85), Subregion2b);
    EXPECT_EQ(GetBackwardSubregion(2, 3, 2800.0, 6, 5.1), Subregion2c);
}

TEST(BackwardSubregion, Region3Boundaries)
{
    const double hab = GetH3abFromP(30.0);
    EXPECT_EQ(GetBackwardSubregion(3, 1, 30.0, 3, hab), Subregion3b);
    EXPECT_EQ(GetBackwardSubregion(3, 1, 30.0, 3, std::nextafter(hab, 0.0)), Subregion3a);
    // Below the critical pressure: liquid states are 3a, vapour states 3b.
    EXPECT_EQ(GetBackwardSubregion(3, 1, 20.0, 3, 1800.0), Subregion3a);
    EXPECT_EQ(GetBackwardSubregion(3, 1, 20.0, 3, 2500.0), Subregion3b);
    EXPECT_EQ(GetBackwardSubregion(3, 1, 50.0, 6, CriticalEntropy), Subregion3a);
    EXPECT_EQ(GetBackwardSubregion(3, 3, 2100.0, 6, CriticalEntropy), Subregion3a);
    EXPECT_EQ(GetBackwardSubregion(3, 1, 50.0, 6, std::nextafter(CriticalEntropy, 5.0)), Subregion3b);
    EXPECT_EQ(GetBackwardSubregion(3, 3, 2100.0, 6, std::nextafter(CriticalEntropy, 5.0)), Subregion3b);
}

TEST(BackwardSubregion, OtherRegionsAndPairsHaveNone)
{
    for (int region : {0, 1, 4, 5, 6})
        EXPECT_EQ(GetBackwardSubregion(region, 1, 10.0, 3, 2000.0), SubregionNone) << region;
    EXPECT_EQ(GetBackwardSubregion(2, 3, 3000.0, 1, 10.0), SubregionNone);
    EXPECT_EQ(GetBackwardSubregion(3, 6, 4.0, 1, 30.0), SubregionNone);
    EXPECT_EQ(GetBackwardSubregion(2, 1, 10.0, 2, 600.0), SubregionNone);
}

TEST(BackwardEquations, UnsupportedArgumentsGiveNaNNotANumberInRange)
{
    EXPECT_TRUE(std::isnan(CalcBackwardTemperature(10.0, 3, 2000.0, 4)));
    EXPECT_TRUE(std::isnan(CalcBackwardTemperature(10.0, 1, 2000.0, 1)));
    EXPECT_TRUE(std::isnan(CalcBackwardDensity(30.0, 3, 2000.0, 2)));
    EXPECT_TRUE(std::isnan(CalcBackwardDensity(30.0, 4, 2000.0, 3)));
    EXPECT_TRUE(std::isnan(CalcBackwardPressure(2000.0, 4.0, 5)));
}

} // namespace
} // namespace vq
