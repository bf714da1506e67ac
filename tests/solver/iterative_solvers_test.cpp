#include "solver/iterative_solvers.h"

#include "equations/asme_error.h"
#include "equations/region_boundaries.h"
#include "equations/saturation_line.h"
#include "recording_user_interface.h"
#include "si_outputs.h"
#include "solver/asme_error_messages.h"
#include "solver/forward_state.h"
#include "solver/saturation_search.h"
#include "solver/saturation_state.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vq {
namespace {

class SolverTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearAsmeError();
        test::UseSiOutputUnits();
        ResetSaturationSearch();
    }
    void TearDown() override
    {
        ClearAsmeError();
        test::ReleaseSiOutputs();
    }
    test::RecordingUserInterface ui;
};

TEST_F(SolverTest, SecantSearchesConvergeInsideTheirRegion)
{
    double p = 3.0, T = 450.0, rho = 0.0;
    SolveTemperature(3, 2900.0, 2, 2, p, T, rho);
    EXPECT_FALSE(AsmeErrorFlag);
    EXPECT_NEAR(EvaluateGibbs(2, 3.0, T).h, 2900.0, 1e-9);
    // Region 5 from a start far away.
    p = 5.0;
    T = 1600.0;
    SolveTemperature(6, 8.0, 2, 5, p, T, rho);
    EXPECT_NEAR(EvaluateGibbs(5, 5.0, T).s, 8.0, 1e-12);
    EXPECT_GE(T, 1073.15);
    // Pressure at a temperature, from a volume.
    T = 500.0;
    p = 0.01;
    SolvePressure(5, 0.5, 2, 2, p, T, rho);
    EXPECT_NEAR(EvaluateGibbs(2, p, 500.0).v, 0.5, 1e-12);
    // Region 3: the pressure of (rho, T) directly, and T from (p, rho).
    T = 650.0;
    SolvePressure(4, 500.0, 2, 3, p, T, rho);
    EXPECT_NEAR(p, 25.5837018, 1e-7);
    EXPECT_EQ(rho, 500.0);
    p = 25.5837018;
    T = 740.0;
    SolveTemperature(1, p, 2, 3, p, T, rho);
    EXPECT_NEAR(T, 650.0, 1e-5);
    EXPECT_FALSE(AsmeErrorFlag);
}

TEST_F(SolverTest, TargetsOutsideTheRegionFailWithTheirNumberAndKeepTheStart)
{
    double p = 1.0, T = 450.0, rho = 0.0;
    SolveTemperature(3, 5000.0, 2, 1, p, T, rho); // no liquid has this enthalpy
    EXPECT_EQ(AsmeErrorCode, ErrTemperatureIterations);
    EXPECT_EQ(T, 450.0);
    ClearAsmeError();
    SolvePressure(6, 20.0, 2, 1, p, T = 400.0, rho);
    EXPECT_EQ(AsmeErrorCode, ErrPressureIterations);
    EXPECT_EQ(p, 1.0);
    ClearAsmeError();
    SolveDensity(1, std::nan(""), 2, 3, p, T = 650.0, rho = 400.0);
    EXPECT_EQ(AsmeErrorCode, ErrDensityIterations);
    EXPECT_EQ(rho, 400.0);
    ClearAsmeError();
    SolvePressureDensity(3, 3000.0, p = 7.0, T = 900.0, rho = 5.0); // no region 3 at 900 K
    EXPECT_EQ(AsmeErrorCode, ErrPressureDensityIterations);
    EXPECT_EQ(p, 7.0);
    EXPECT_EQ(rho, 5.0);
    // A later success does not clear the fault.
    SolvePressure(5, 0.5, 2, 2, p = 0.01, T = 500.0, rho);
    EXPECT_TRUE(AsmeErrorFlag);
    EXPECT_EQ(AsmeErrorCode, ErrPressureDensityIterations);
}

TEST_F(SolverTest, Region3DensityStaysOnThePhysicalBranch)
{
    double p = 22.0, T = 640.0, rho = GetRegion3StartDensity(22.0, 640.0);
    SolveDensity(1, 22.0, 2, 3, p, T, rho);
    EXPECT_NEAR(rho, 524.14, 0.05);
    EXPECT_NEAR(EvaluateHelmholtz(640.0, rho).p, 22.0, 1e-10);
    // From any start, also one near the spurious root.
    rho = 985.0;
    SolveDensity(1, 22.0, 2, 3, p, T, rho);
    EXPECT_NEAR(rho, 524.14, 0.05);
    // The vapour branch below psat(T) and the supercritical isotherm.
    EXPECT_LT(Region3DensityAt(19.0, 640.0), SaturationAtTemperature(640.0).rhoVapour);
    EXPECT_NEAR(EvaluateHelmholtz(700.0, Region3DensityAt(50.0, 700.0)).p, 50.0, 1e-10);
    EXPECT_TRUE(std::isnan(Region3DensityAt(-1.0, 700.0)));
    EXPECT_FALSE(AsmeErrorFlag);
}

TEST_F(SolverTest, StartDensityEndsAtTheSaturatedSides)
{
    const SaturationPoint sat = SaturationAtPressure(20.0);
    EXPECT_NEAR(GetRegion3StartDensity(20.0, sat.T), sat.rhoLiquid, 1e-9 * sat.rhoLiquid);
    EXPECT_NEAR(GetRegion3StartDensity(20.0, sat.T + 1e-9), sat.rhoVapour, 1e-6 * sat.rhoVapour);
    // Above the critical pressure: between 623.15 K and the 2/3 boundary.
    const double tb = GetB23Temperature(30.0);
    EXPECT_NEAR(GetRegion3StartDensity(30.0, tb), EvaluateGibbs(2, 30.0, tb).Density(), 1e-9);
    EXPECT_NEAR(GetRegion3StartDensity(30.0, 623.15), EvaluateGibbs(1, 30.0, 623.15).Density(), 1e-9);
}

TEST_F(SolverTest, PressureDensitySearchUsesOnlyTheRegion3Equation)
{
    for (double T : {630.0, 645.0, 647.096, 660.0, 800.0}) {
        for (double rhoTrue : {150.0, 250.0, 450.0, 600.0}) {
            const HelmholtzState st = EvaluateHelmholtz(T, rhoTrue);
            if (!(st.p > GetB23Pressure(T) && st.p < 100.0 && st.pRho > 0.0))
                continue;
            if (T < CriticalTemperature) {
                const SaturationPoint sat = SaturationAtTemperature(T);
                if (rhoTrue < sat.rhoLiquid && rhoTrue > sat.rhoVapour)
                    continue;
            }
            for (int code : {3, 6}) {
                double p = 0.0, t = T, rho = 0.0;
                SolvePressureDensity(code, code == 3 ? st.h : st.s, p, t, rho);
                ASSERT_FALSE(AsmeErrorFlag) << T << " " << rhoTrue;
                EXPECT_NEAR(rho, rhoTrue, 1e-8 * rhoTrue) << T;
                EXPECT_NEAR(p, st.p, 1e-9 * st.p) << T;
            }
        }
    }
}

TEST_F(SolverTest, SaturatedDensitiesAboveTheRegion3Switch)
{
    for (double T : {623.16, 630.0, 640.0, 646.0, 647.0}) {
        const SaturationPoint sat = SaturationAtTemperature(T);
        ASSERT_TRUE(sat.valid) << T;
        EXPECT_GT(sat.rhoLiquid, CriticalDensity);
        EXPECT_LT(sat.rhoVapour, CriticalDensity);
        for (double rho : {sat.rhoLiquid, sat.rhoVapour}) {
            const HelmholtzState st = EvaluateHelmholtz(T, rho);
            EXPECT_NEAR(st.p, sat.p, 1e-12 * sat.p);
            EXPECT_GT(st.pRho, 0.0); // a stable branch, not the middle of the loop
        }
    }
    // Within a thousandth of a kelvin of the critical point the loop of the isotherm is
    // narrower than a kg/m3, and both sides are still found.
    for (double p : {22.0639, 22.06399, 22.064}) {
        const SaturationPoint near = SaturationAtPressure(p);
        ASSERT_TRUE(near.valid) << p;
        EXPECT_GE(near.rhoLiquid, near.rhoVapour) << p;
        EXPECT_NEAR(EvaluateHelmholtz(near.T, near.rhoVapour).p, GetSatPressure(near.T), 1e-11) << p;
    }
    // The two sides meet at the critical point.
    const SaturationPoint c = SaturationAtTemperature(CriticalTemperature);
    EXPECT_NEAR(c.rhoLiquid, c.rhoVapour, 1e-6);
    EXPECT_FALSE(SaturationAtTemperature(647.1).valid);
    EXPECT_FALSE(SaturationAtPressure(22.07).valid);
}

TEST_F(SolverTest, SaturationSearchLeavesAnEarlierFaultAndWritesNothingOnFailure)
{
    SetAsmeError(ErrPressureOutOfRange);
    double p = 0.0, T = 0.0, rho = 0.0, rhoV = 0.0;
    SolveSaturationState(6, 6.0, 1, 4, p, T, rho, 1.0, &rhoV);
    EXPECT_TRUE(AsmeErrorFlag);
    EXPECT_EQ(AsmeErrorCode, ErrPressureOutOfRange);
    const SaturationPoint sat = SaturationAtTemperature(T);
    EXPECT_NEAR(SaturatedProperty(6, 1, sat, 1.0), 6.0, 1e-12);
    EXPECT_EQ(rho, sat.rhoVapour);
    EXPECT_EQ(rhoV, sat.rhoVapour);
    ClearAsmeError();
    p = T = rho = -1.0;
    SolveSaturationState(3, 3000.0, 1, 4, p, T, rho, 1.0); // above the highest h''
    EXPECT_EQ(AsmeErrorCode, ErrSaturationIterations);
    EXPECT_EQ(p, -1.0);
    EXPECT_EQ(T, -1.0);
    EXPECT_EQ(rho, -1.0);
}

TEST_F(SolverTest, SaturationSearchSidesAndMixtures)
{
    double p = 0.0, T = 0.0, rho = 0.0, rhoV = 0.0;
    // With the pressure known the pressure comes back exactly.
    SolveSaturationState(1, 1.0, 0, 4, p, T, rho, 0.0);
    EXPECT_EQ(p, 1.0);
    EXPECT_NEAR(T, 453.035632, 1e-6);
    // A quality mixture above 623.15 K: rho is the liquid's, rhoVapour the vapour's.
    const SaturationPoint hot = SaturationAtTemperature(642.0);
    const double h = SaturatedProperty(3, 2, hot, 0.3);
    SolveSaturationState(3, h, 2, 4, p, T, rho, 0.3, &rhoV);
    EXPECT_NEAR(T, 642.0, 1e-9);
    EXPECT_NEAR(rho, hot.rhoLiquid, 1e-6);
    EXPECT_NEAR(rhoV, hot.rhoVapour, 1e-6);
    EXPECT_TRUE(ui.choices.empty());
    // Liquid enthalpies never ask; near 4 C the liquid density has two states.
    SolveSaturationState(3, 1500.0, 0, 4, p, T, rho, 0.0);
    EXPECT_TRUE(ui.choices.empty());
    EXPECT_EQ(ChosenSolution, 1);
    ui.solution = 2;
    SolveSaturationState(4, 999.9, 0, 4, p, T, rho, 0.0);
    ASSERT_EQ(ui.choices.size(), 1u);
    EXPECT_LT(ui.choices[0].tsat[0], 277.2);
    EXPECT_GT(ui.choices[0].tsat[1], 277.1);
    EXPECT_EQ(T, ui.choices[0].tsat[1]);
    EXPECT_NEAR(rho, 999.9, 1e-9);
    EXPECT_FALSE(AsmeErrorFlag);
}

} // namespace
} // namespace vq
