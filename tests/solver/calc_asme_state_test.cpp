#include "solver/asme_state.h"

#include "equations/asme_error.h"
#include "equations/flag_values.h"
#include "equations/region_boundaries.h"
#include "equations/saturation_line.h"
#include "recording_user_interface.h"
#include "si_outputs.h"
#include "solver/asme_error_messages.h"
#include "solver/asme_property.h"
#include "solver/iterative_solvers.h"
#include "solver/result_table.h"
#include "solver/saturation_search.h"
#include "solver/saturation_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace vq {
namespace {

enum : int { P = 1, T = 2, H = 3, Rho = 4, V = 5, S = 6, U = 7, X = 8, Liq = 9, Vap = 10, Phase = 11 };

class CalcAsmeStateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::UseSiOutputUnits();
        test::ShowOutputs({P, T, H, Rho, V, S, X, Phase, 21, 22, 23, 24, 25});
        ResetSaturationSearch();
    }
    void TearDown() override { test::ReleaseSiOutputs(); }

    static const char* Si(int code)
    {
        static const char* units[] = {"", "MPa", "deg. K", "kJ/kg", "kg/m3", "m3/kg", "kJ/kg-K", "kJ/kg", "Decimal", "", ""};
        return units[code];
    }
    // Solves one point in SI units; the shown value of parameter k (place in the list).
    bool Solve(int code1, double value1, int code2, double value2)
    {
        bool failed = false;
        int index = 1;
        CalcAsmeState(index, code1, value1, Si(code1), code2, value2, Si(code2), failed);
        return failed;
    }
    double Out(int place) const { return ResultTable(place, 1); }
    // Places of the shown parameters.
    static constexpr int kP = 1, kT = 2, kH = 3, kRho = 4, kV = 5, kS = 6, kX = 7, kPhase = 8, kBulk = 9,
                         kTsat = 10, kPsat = 11, kSubcool = 12, kSuperheat = 13;
    test::RecordingUserInterface ui;
};

TEST_F(CalcAsmeStateTest, VerificationStatesOfEachRegionThroughTheDriver)
{
    // IF97 check values: region 1 (3 MPa, 300 K), region 2 (0.0035 MPa, 300 K), region 3
    // (500 kg/m3, 650 K), region 5 (0.5 MPa, 1500 K).
    ASSERT_FALSE(Solve(P, 3.0, T, 300.0));
    EXPECT_NEAR(Out(kV), 0.100215168e-2, 1e-11);
    EXPECT_NEAR(Out(kH), 0.115331273e3, 1e-6);
    EXPECT_NEAR(Out(kS), 0.392294792, 1e-9);
    ASSERT_FALSE(Solve(P, 0.0035, T, 300.0));
    EXPECT_NEAR(Out(kV), 0.394913866e2, 1e-7);
    EXPECT_NEAR(Out(kH), 0.254991145e4, 1e-5);
    ASSERT_FALSE(Solve(T, 650.0, Rho, 500.0));
    EXPECT_NEAR(Out(kP), 0.255837018e2, 1e-7);
    EXPECT_NEAR(Out(kH), 0.186343019e4, 1e-5);
    EXPECT_NEAR(Out(kS), 0.405427273e1, 1e-8);
    ASSERT_FALSE(Solve(P, 0.5, T, 1500.0));
    EXPECT_NEAR(Out(kV), 0.138455354e1, 1e-8);
    EXPECT_NEAR(Out(kH), 0.521976332e4, 1e-5);
    EXPECT_NEAR(Out(kS), 0.965408431e1, 1e-8);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(CalcAsmeStateTest, PairOrderAndUnitsTravelWithTheirValues)
{
    ASSERT_FALSE(Solve(P, 3.0, T, 300.0));
    const double h = Out(kH);
    bool failed = false;
    int index = 1;
    CalcAsmeState(index, T, 300.0 - 273.15, "deg. C", P, 30.0, "bar", failed);
    ASSERT_FALSE(failed);
    EXPECT_NEAR(Out(kH), h, 1e-9 * h);
    EXPECT_NEAR(Out(kP), 3.0, 1e-12);
}

TEST_F(CalcAsmeStateTest, Region3DensityFromPressureAndTemperatureIsOnThePhysicalBranch)
{
    ASSERT_FALSE(Solve(P, 22.0, T, 640.0));
    EXPECT_NEAR(Out(kRho), 524.14, 0.05);
    EXPECT_NEAR(Out(kP), 22.0, 1e-9);
    // Vapour side of the same isotherm.
    ASSERT_FALSE(Solve(P, 19.0, T, 640.0));
    EXPECT_LT(Out(kRho), SaturationAtTemperature(640.0).rhoVapour);
    EXPECT_NEAR(Out(kP), 19.0, 1e-9);
}

TEST_F(CalcAsmeStateTest, Region3StateFromTemperatureCarriesItsOwnPressure)
{
    // Temperature with density or volume: the outputs that read the pressure see p3.
    ASSERT_FALSE(Solve(T, 650.0, V, 1.0 / 500.0));
    EXPECT_NEAR(Out(kP), 25.5837018, 1e-7);
    EXPECT_EQ(Out(kTsat), NotApplicableValue); // supercritical class
    ASSERT_FALSE(Solve(T, 630.0, Rho, 560.0));
    const double p = Out(kP);
    EXPECT_GT(p, GetSatPressure(630.0));
    EXPECT_NEAR(Out(kTsat), GetSatTemperature(p), 1e-9);
    EXPECT_NEAR(Out(kSubcool), GetSatTemperature(p) - 630.0, 1e-9);
    EXPECT_GT(Out(kBulk), 0.0);
    // Temperature with enthalpy or entropy in region 3 reproduces them.
    ASSERT_FALSE(Solve(T, 700.0, H, 2300.0));
    EXPECT_NEAR(Out(kH), 2300.0, 1e-9);
    ASSERT_FALSE(Solve(T, 640.0, S, 3.7));
    EXPECT_NEAR(Out(kS), 3.7, 1e-12);
    EXPECT_NEAR(Out(kT), 640.0, 1e-12);
}

TEST_F(CalcAsmeStateTest, OutputsReproduceTheTypedInputsAfterBackwardEquations)
{
    const struct {
        int c1;
        double v1;
        int c2;
        double v2;
    } cases[] = {{P, 3.0, H, 500.0},  {P, 0.001, H, 3000.0}, {P, 80.0, H, 2000.0}, {P, 5.0, S, 6.5},
                 {P, 25.0, S, 4.0},   {H, 2800.0, S, 6.0},   {H, 1700.0, S, 3.8},  {H, 100.0, S, 0.3},
                 // Liquid just above 273.15 K, where the backward temperature is off by 20 mK.
                 {P, 0.0024570341571987378, H, 0.0}, {P, 0.20524656641499536, H, 0.298907}};
    for (const auto& c : cases) {
        ASSERT_FALSE(Solve(c.c1, c.v1, c.c2, c.v2)) << c.v1 << " " << c.v2;
        const int k1 = c.c1 == P ? kP : kH;
        const int k2 = c.c2 == H ? kH : kS;
        EXPECT_NEAR(Out(k1), c.v1, 1e-9 * std::max(1.0, c.v1));
        EXPECT_NEAR(Out(k2), c.v2, 1e-9 * std::max(1.0, c.v2)) << c.v1;
        EXPECT_GE(Out(kT), 273.15);
    }
    EXPECT_NEAR(Out(kT), 273.1812985, 1e-7);

    // The same state typed in other units.
    bool failed = false;
    int index = 1;
    CalcAsmeState(index, P, 205.24656641499536, "kPa", H, 100.0, "ft-lbf/lbm", failed);
    ASSERT_FALSE(failed);
    EXPECT_NEAR(Out(kT), 273.1812985, 1e-6);
    EXPECT_NEAR(Out(kH), 0.298907, 1e-6);
}

TEST_F(CalcAsmeStateTest, WetStatesFromSinglePhasePairs)
{
    // Density and volume give the quality by specific volume.
    const SaturationPoint sat = SaturationAtTemperature(500.0);
    const double v = 1.0 / sat.rhoLiquid + 0.5 * (1.0 / sat.rhoVapour - 1.0 / sat.rhoLiquid);
    ASSERT_FALSE(Solve(T, 500.0, Rho, 1.0 / v));
    EXPECT_NEAR(Out(kX), 0.5, 1e-9);
    EXPECT_NEAR(Out(kV), v, 1e-12);
    ASSERT_FALSE(Solve(T, 500.0, V, v));
    EXPECT_NEAR(Out(kX), 0.5, 1e-9);
    // Above 623.15 K both side densities are found: no NaN, the mixture between them.
    const SaturationPoint hot = SaturationAtTemperature(640.0);
    ASSERT_FALSE(Solve(P, hot.p, V, 0.5 / hot.rhoLiquid + 0.5 / hot.rhoVapour));
    EXPECT_NEAR(Out(kX), 0.5, 1e-6);
    EXPECT_NEAR(Out(kT), 640.0, 1e-6);
    for (int k = 1; k <= 13; ++k)
        EXPECT_FALSE(std::isnan(Out(k))) << k;
}

TEST_F(CalcAsmeStateTest, SaturatedInputsAboveTheRegion3SwitchUseTheirOwnSide)
{
    const SaturationPoint sat = SaturationAtTemperature(640.0);
    ASSERT_FALSE(Solve(T, 640.0, Vap, 0.0));
    EXPECT_NEAR(Out(kRho), sat.rhoVapour, 1e-9 * sat.rhoVapour);
    EXPECT_EQ(Out(kX), 1.0);
    ASSERT_FALSE(Solve(T, 640.0, Liq, 0.0));
    EXPECT_NEAR(Out(kRho), sat.rhoLiquid, 1e-9 * sat.rhoLiquid);
    ASSERT_FALSE(Solve(T, 640.0, X, 0.25));
    EXPECT_NEAR(Out(kV), 0.75 / sat.rhoLiquid + 0.25 / sat.rhoVapour, 1e-12);
    // Percent converts; the limits 0 and 1 are accepted.
    bool failed = false;
    int index = 1;
    CalcAsmeState(index, P, 1.0, "MPa", X, 100.0, "Percent", failed);
    EXPECT_FALSE(failed);
    EXPECT_EQ(Out(kX), 1.0);
    EXPECT_FALSE(Solve(P, 1.0, X, 0.0));
}

TEST_F(CalcAsmeStateTest, VapourEnthalpyWithTwoSaturationStatesAsksTheUser)
{
    ui.solution = 2;
    ASSERT_FALSE(Solve(H, 2700.0, Vap, 0.0));
    ASSERT_EQ(ui.choices.size(), 1u);
    const SolutionChoice& c = ui.choices[0];
    EXPECT_LT(c.tsat[0], 508.15);
    EXPECT_GT(c.tsat[1], 508.15);
    EXPECT_EQ(c.tsatUnits[0], "deg. K");
    EXPECT_EQ(c.psatUnits[1], "MPa");
    EXPECT_NEAR(c.psat[1], GetSatPressure(c.tsat[1]), 1e-12);
    EXPECT_EQ(ChosenSolution, 2);
    EXPECT_NEAR(Out(kT), c.tsat[1], 1e-9);
    EXPECT_NEAR(Out(kH), 2700.0, 1e-8);
    ui.solution = 1;
    ASSERT_FALSE(Solve(H, 2700.0, Vap, 0.0));
    EXPECT_NEAR(Out(kT), ui.choices[1].tsat[0], 1e-9);
    // Below the vapour enthalpy of 273.15 K (2500.89 kJ/kg) there is one state and no
    // question.
    ASSERT_FALSE(Solve(H, 2500.0, Vap, 0.0));
    EXPECT_EQ(ui.choices.size(), 2u);
    EXPECT_EQ(ChosenSolution, 1);
}

TEST_F(CalcAsmeStateTest, EveryRangeErrorShowsItsNumberedMessageOnce)
{
    const struct {
        int c1;
        double v1;
        int c2;
        double v2;
        int error;
    } cases[] = {
        {P, 100.0001, T, 500.0, ErrPressureOutOfRange},  {P, 10.5, T, 1073.15, ErrPressureOutOfRange},
        {P, 1.0, T, 2300.0, ErrTemperatureOutOfRange},   {P, 1.0, H, 8000.0, ErrEnthalpyOutOfRange},
        {P, 1.0, Rho, 2000.0, ErrDensityOutOfRange},     {P, 1.0, Rho, 0.0, ErrDensityOutOfRange},
        {P, 1.0, V, 1e-4, ErrSpecificVolumeOutOfRange},  {P, 1.0, S, 20.0, ErrEntropyOutOfRange},
        {P, 30.0, S, -0.5, ErrEntropyOutOfRange},        {T, 1500.0, H, 100.0, ErrEnthalpyOutOfRange},
        {H, 3000.0, S, 2.0, ErrHSOutOfRange},            {H, 1000.0, S, 3.0, ErrHSTwoPhase},
        {P, 1.0, X, 1.0000001, ErrQualityOutOfRange},    {P, 22.0641, Liq, 0.0, ErrSatPressure},
        {Rho, 1000.0, Liq, 0.0, ErrSatDensity},          {H, 2803.4, Vap, 0.0, ErrSatEnthalpy},
        {H, 500.0, Rho, 10.0, ErrPropertyCombination},   {U, 2700.0, Vap, 0.0, ErrSaturationIterations},
    };
    for (const auto& c : cases) {
        ui.Clear();
        ResultTable.Resize(14, 2);
        EXPECT_TRUE(Solve(c.c1, c.v1, c.c2, c.v2)) << c.c1 << " " << c.v1 << " " << c.c2 << " " << c.v2;
        EXPECT_EQ(AsmeErrorCode, c.error);
        ASSERT_EQ(ui.messages.size(), 1u) << c.error;
        EXPECT_EQ(ui.messages[0].text, AsmeErrorMessage(c.error));
        EXPECT_EQ(ui.messages[0].style, MessageStyle::Exclamation);
        for (int k = 1; k <= 13; ++k)
            EXPECT_EQ(Out(k), NotApplicableValue) << c.error << " " << k;
    }
}

TEST_F(CalcAsmeStateTest, StatesAt1073KBetweenTheRegion2And5ValuesAreInRange)
{
    // The region-2 and region-5 equations differ slightly at 1073.15 K; a value between
    // theirs is a state at that temperature, not out of range.
    for (double p : {0.0006112, 0.1, 1.0}) {
        for (int code : {H, V, S}) {
            const double two = CalcAsmeProperty(code, 0, 2, p, 1073.15, 1.0, NotApplicableValue);
            const double five = CalcAsmeProperty(code, 0, 5, p, 1073.15, 1.0, NotApplicableValue);
            ASSERT_GT(five, two) << p << " " << code;
            const double value = 0.5 * (two + five);
            ASSERT_FALSE(Solve(P, p, code, value)) << p << " " << code << " " << AsmeErrorCode;
            EXPECT_NEAR(Out(kT), 1073.15, 0.01);
            const int shown = code == H ? kH : code == V ? kV : kS;
            EXPECT_NEAR(Out(shown), value, 1e-9 * value);
        }
    }
}

TEST_F(CalcAsmeStateTest, CriticalPointShowsNoNegativeHeatCapacity)
{
    // At the critical point the region-3 equation gives dp/drho <= 0: cp has no finite
    // value there, and neither has the Prandtl number built on it.
    test::ShowOutputs({P, 14, 15, 16, 18});
    ASSERT_FALSE(Solve(T, 647.096, Rho, 322.0));
    EXPECT_NEAR(Out(1), 22.064, 1e-3);
    EXPECT_EQ(Out(2), NotApplicableValue);
    EXPECT_GT(Out(3), 0.0);
    EXPECT_GT(Out(4), 0.0);
    EXPECT_EQ(Out(5), NotApplicableValue);
    // Just beside it cp is large and positive.
    ASSERT_FALSE(Solve(T, 647.2, Rho, 322.0));
    EXPECT_GT(Out(2), 100.0);
    EXPECT_GT(Out(5), 0.0);
}

TEST_F(CalcAsmeStateTest, EnthalpyEntropyBelowTheLowestPressureIsOutOfRange)
{
    // Above the entropy of the saturated vapour at 273.15 K the lowest isobar bounds
    // the enthalpy from below.
    for (double t : {300.0, 500.0, 1000.0}) {
        ASSERT_FALSE(Solve(P, 0.0006112, T, t));
        const double h = Out(kH), s = Out(kS);
        ASSERT_FALSE(Solve(H, h + 0.01, S, s)) << t;
        EXPECT_NEAR(Out(kH), h + 0.01, 1e-9 * h);
        EXPECT_NEAR(Out(kS), s, 1e-9 * s);
        EXPECT_GE(Out(kP), 0.0006112);
        ui.Clear();
        EXPECT_TRUE(Solve(H, h - 0.5, S, s)) << t;
        EXPECT_EQ(AsmeErrorCode, ErrHSOutOfRange);
        EXPECT_EQ(ui.messages.size(), 1u);
    }
    EXPECT_TRUE(Solve(H, 744.0, S, 9.84));
    EXPECT_EQ(AsmeErrorCode, ErrHSOutOfRange);
    EXPECT_EQ(Out(kH), NotApplicableValue);
    // Liquid isentropes near 4 C cool as the pressure rises: below 273.15 K.
    EXPECT_TRUE(Solve(H, 10.0, S, -0.005));
    EXPECT_EQ(AsmeErrorCode, ErrHSOutOfRange);
    ASSERT_FALSE(Solve(P, 60.0, T, 273.15));
    const double h = Out(kH), s = Out(kS);
    ASSERT_FALSE(Solve(H, h, S, s));
    EXPECT_NEAR(Out(kT), 273.15, 1e-6);
}

TEST_F(CalcAsmeStateTest, TemperatureWithEnthalpyOrEntropyOnThe23Boundary)
{
    // The region-2 and region-3 equations differ slightly on the 2/3 boundary; values
    // between theirs, and each equation's own, are states on it.
    for (double t : {683.2, 713.2, 773.2, 833.2}) {
        const double p = GetB23Pressure(t);
        const double rho3 = Region3DensityAt(p, t);
        for (int code : {H, S}) {
            const double two = CalcAsmeProperty(code, 0, 2, p, t, 1.0, NotApplicableValue);
            const double three = CalcAsmeProperty(code, 0, 3, p, t, rho3, NotApplicableValue);
            for (double w : {0.0, 0.5, 1.0}) {
                const double value = two + w * (three - two);
                ASSERT_FALSE(Solve(T, t, code, value)) << t << " " << code << " " << w << " " << AsmeErrorCode;
                EXPECT_NEAR(Out(code == H ? kH : kS), value, 1e-9 * value);
                EXPECT_NEAR(Out(kP), p, 0.005 * p);
            }
        }
    }
}

TEST_F(CalcAsmeStateTest, SaturatedInputThatNoSaturationStateReachesFails)
{
    // Within a few hundred-thousandths of a kelvin of the critical point the saturated
    // sides are not resolved: an enthalpy, entropy or volume with a quality that only a
    // state there could have is reported, not shown as another state.
    const struct {
        int code;
        double value;
        double x;
    } cases[] = {{H, 2087.320684, 0.9331787714}, {S, 4.411708257, 0.5894720169}, {V, 0.003104676552, 0.8640854557}};
    for (const auto& c : cases) {
        ui.Clear();
        const bool failed = Solve(c.code, c.value, X, c.x);
        if (!failed) {
            const int shown = c.code == H ? kH : c.code == S ? kS : kV;
            EXPECT_NEAR(Out(shown), c.value, 1e-9 * c.value) << c.code;
        } else {
            EXPECT_EQ(AsmeErrorCode, ErrSaturationIterations);
        }
    }
}

TEST_F(CalcAsmeStateTest, SaturationLineFromPressureAndTemperatureAndRangeMode)
{
    const double ps = GetSatPressure(450.0);
    EXPECT_TRUE(Solve(P, ps + 0.0009, T, 450.0));
    EXPECT_EQ(AsmeErrorCode, ErrPTOnSaturationLine);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.rfind("The results are in the saturated region.", 0), 0u);
    // Below 0.01 MPa the band is relative: 0.004 MPa at 300 K is a liquid.
    EXPECT_FALSE(Solve(P, 0.004, T, 300.0));
    // In Range mode a failed point keeps its flag values and shows nothing.
    ui.Clear();
    ui.mode = 2;
    test::ShowOutputs({P, T, H}, 3);
    bool failed = false;
    int index = 2;
    CalcAsmeState(index, P, ps, "MPa", T, 450.0, "deg. K", failed);
    EXPECT_FALSE(failed);
    EXPECT_TRUE(ui.messages.empty());
    for (int k = 1; k <= 3; ++k)
        EXPECT_EQ(ResultTable(k, 2), NotApplicableValue);
}

TEST_F(CalcAsmeStateTest, PairWithoutRegionShowsRegionZeroAndLeavesTheTableAlone)
{
    for (int mode : {0, 2}) {
        ui.Clear();
        ui.mode = mode;
        ResultTable.Resize(14, 2);
        ResultTable(1, 1) = 42.0;
        EXPECT_TRUE(Solve(Rho, 10.0, S, 6.0));
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, "Region = 0");
        EXPECT_EQ(ResultTable(1, 1), 42.0);
    }
}

TEST_F(CalcAsmeStateTest, TransposedLayoutAndUnconvertedFlagsAndPhase)
{
    test::ShowOutputs({P, T, Phase, 24}, 1, 1);
    OutputParams(P).Units = "bar";
    ASSERT_FALSE(Solve(P, 1.0, T, 500.0));
    EXPECT_NEAR(ResultTable(1, 1), 10.0, 1e-12);
    EXPECT_EQ(ResultTable(1, 2), 500.0);
    EXPECT_EQ(ResultTable(1, 3), -2.0);                 // superheated vapour, as a number
    EXPECT_EQ(ResultTable(1, 4), NotApplicableValue);   // no subcooling for a vapour
}

} // namespace
} // namespace vq
