#include "solver/region_selection.h"

#include "equations/asme_error.h"
#include "equations/region_boundaries.h"
#include "equations/saturation_line.h"
#include "solver/asme_error_messages.h"
#include "solver/backward_equations.h"
#include "solver/forward_state.h"
#include "solver/saturation_state.h"

#include <gtest/gtest.h>

namespace vq {
namespace {

class RegionSelectionTest : public ::testing::Test {
protected:
    void SetUp() override { ClearAsmeError(); }
    // Region and error code of one call, with the error state cleared before it.
    template <class F>
    std::pair<int, int> Call(F f)
    {
        ClearAsmeError();
        const int region = f();
        return {region, AsmeErrorFlag ? AsmeErrorCode : 0};
    }
    std::pair<int, int> ByPressure(double p, int code, double v)
    {
        return Call([&] { return GetRegionFromPressure(p, code, v); });
    }
    std::pair<int, int> ByTemperature(double T, int code, double v)
    {
        return Call([&] { return GetRegionFromTemperature(T, code, v); });
    }
    std::pair<int, int> ByHS(double h, double s)
    {
        return Call([&] { return GetRegionFromHS(h, s); });
    }
    using R = std::pair<int, int>;
};

TEST_F(RegionSelectionTest, PressureWithTemperature)
{
    EXPECT_EQ(ByPressure(0.0006112, 2, 300.0), R(2, 0));
    EXPECT_EQ(ByPressure(100.0, 2, 300.0), R(1, 0));
    EXPECT_EQ(ByPressure(100.0001, 2, 300.0), R(0, ErrPressureOutOfRange));
    EXPECT_EQ(ByPressure(0.00061, 2, 300.0), R(0, ErrPressureOutOfRange));
    EXPECT_EQ(ByPressure(1.0, 2, 273.14), R(0, ErrTemperatureOutOfRange));
    EXPECT_EQ(ByPressure(1.0, 2, 2273.16), R(0, ErrTemperatureOutOfRange));
    EXPECT_EQ(ByPressure(5.0, 2, 1073.15), R(5, 0));
    EXPECT_EQ(ByPressure(10.5, 2, 1073.15), R(0, ErrPressureOutOfRange));
    // Below 0.01 MPa the saturation band is 0.1 % of psat.
    EXPECT_EQ(ByPressure(0.004, 2, 300.0), R(1, 0));
    const double Ts = GetSatTemperature(1.0);
    EXPECT_EQ(ByPressure(1.0009, 2, Ts), R(4, 0));
    EXPECT_EQ(ByPressure(1.0, 2, Ts + 0.05), R(2, 0));
    EXPECT_EQ(ByPressure(1.0, 2, Ts - 0.05), R(1, 0));
    EXPECT_EQ(ByPressure(25.0, 2, 650.0), R(3, 0));
    EXPECT_EQ(ByPressure(GetB23Pressure(700.0) - 0.01, 2, 700.0), R(2, 0));
    EXPECT_EQ(ByPressure(50.0, 2, 870.0), R(2, 0));
    EXPECT_EQ(ByPressure(GetSatPressure(640.0) + 0.0005, 2, 640.0), R(4, 0));
    EXPECT_EQ(ByPressure(GetSatPressure(640.0) + 0.002, 2, 640.0), R(3, 0));
}

TEST_F(RegionSelectionTest, PressureWithEnthalpyVolumeDensityEntropy)
{
    const SaturationPoint sat = SaturationAtPressure(20.0);
    const double hl = EvaluateHelmholtz(sat.T, sat.rhoLiquid).h;
    const double hv = EvaluateHelmholtz(sat.T, sat.rhoVapour).h;
    EXPECT_EQ(ByPressure(20.0, 3, 0.5 * (hl + hv)), R(4, 0));
    const double hB23 = EvaluateGibbs(2, 20.0, GetB23Temperature(20.0)).h;
    EXPECT_EQ(ByPressure(20.0, 3, 0.5 * (hv + hB23)), R(3, 0));
    EXPECT_EQ(ByPressure(20.0, 3, hB23 + 10.0), R(2, 0));
    EXPECT_EQ(ByPressure(20.0, 3, 1000.0), R(1, 0));
    EXPECT_EQ(ByPressure(5.0, 3, 3500.0), R(2, 0));
    EXPECT_EQ(ByPressure(5.0, 3, 4500.0), R(5, 0));
    EXPECT_EQ(ByPressure(5.0, 3, 8000.0), R(0, ErrEnthalpyOutOfRange));
    EXPECT_EQ(ByPressure(30.0, 3, -10.0), R(0, ErrEnthalpyOutOfRange));
    // A density is tested as its volume, with its own error number.
    EXPECT_EQ(ByPressure(5.0, 4, 2000.0), R(0, ErrDensityOutOfRange));
    EXPECT_EQ(ByPressure(5.0, 5, 1.0 / 2000.0), R(0, ErrSpecificVolumeOutOfRange));
    EXPECT_EQ(ByPressure(5.0, 4, 0.0), R(0, ErrDensityOutOfRange));
    EXPECT_EQ(ByPressure(5.0, 4, -1.0), R(0, ErrDensityOutOfRange));
    // The densest liquid is near 4 C, not at 273.15 K.
    const double v277 = EvaluateGibbs(1, 0.1, 277.13).v;
    EXPECT_LT(v277, EvaluateGibbs(1, 0.1, 273.15).v);
    EXPECT_EQ(ByPressure(0.1, 5, v277), R(1, 0));
    // Entropy is range-tested at every pressure: below s(1; p, 273.15) is refused.
    EXPECT_EQ(ByPressure(30.0, 6, EvaluateGibbs(1, 30.0, 273.15).s - 0.01), R(0, ErrEntropyOutOfRange));
    EXPECT_EQ(ByPressure(15.0, 6, EvaluateGibbs(1, 15.0, 273.15).s - 0.01), R(0, ErrEntropyOutOfRange));
    EXPECT_EQ(ByPressure(5.0, 6, EvaluateGibbs(5, 5.0, 1073.15).s), R(5, 0));
    // Codes without a region rule give 0 and no error.
    for (int code : {1, 7, 8, 9, 10})
        EXPECT_EQ(ByPressure(5.0, code, 1.0), R(0, 0)) << code;
}

TEST_F(RegionSelectionTest, TemperatureWithSecondProperty)
{
    EXPECT_EQ(ByTemperature(273.14, 3, 100.0), R(0, ErrTemperatureOutOfRange));
    const double h10 = EvaluateGibbs(5, 10.0, 1500.0).h;
    const double hLow = EvaluateGibbs(5, 0.0006112, 1500.0).h;
    EXPECT_EQ(ByTemperature(1500.0, 3, 0.5 * (h10 + hLow)), R(5, 0));
    EXPECT_EQ(ByTemperature(1500.0, 3, h10 - 1.0), R(0, ErrEnthalpyOutOfRange));
    // At 300 K an enthalpy between h' and h(100 MPa) is taken as compressed liquid.
    const double hl = EvaluateGibbs(1, GetSatPressure(300.0), 300.0).h;
    const double h100 = EvaluateGibbs(1, 100.0, 300.0).h;
    EXPECT_EQ(ByTemperature(300.0, 3, 0.5 * (hl + h100)), R(1, 0));
    EXPECT_EQ(ByTemperature(300.0, 3, h100 + 10.0), R(4, 0));
    EXPECT_EQ(ByTemperature(300.0, 3, hl - 1.0), R(0, ErrEnthalpyOutOfRange));
    // Above 500 K the liquid enthalpy passes through a minimum between psat and 100 MPa.
    const double hMid = EvaluateGibbs(1, 5.0, 522.3).h;
    EXPECT_LT(hMid, EvaluateGibbs(1, GetSatPressure(522.3), 522.3).h);
    EXPECT_EQ(ByTemperature(522.3, 3, hMid), R(1, 0));
    // Above the critical temperature there is no wet state.
    for (double h : {1800.0, 2000.0, 2200.0, 2600.0})
        EXPECT_NE(ByTemperature(650.0, 3, h).first, 4) << h;
    EXPECT_EQ(ByTemperature(700.0, 6, 4.0), R(3, 0));
    EXPECT_EQ(ByTemperature(700.0, 6, 7.0), R(2, 0));
    EXPECT_EQ(ByTemperature(500.0, 4, 100.0), R(4, 0));
    EXPECT_EQ(ByTemperature(500.0, 4, 1.0), R(2, 0));
    EXPECT_EQ(ByTemperature(500.0, 4, 1500.0), R(0, ErrDensityOutOfRange));
    EXPECT_EQ(ByTemperature(500.0, 8, 0.5), R(0, 0));
}

TEST_F(RegionSelectionTest, EnthalpyWithEntropy)
{
    EXPECT_EQ(ByHS(1000.0, 3.0), R(4, ErrHSTwoPhase));
    EXPECT_EQ(ByHS(2000.0, 6.0), R(4, ErrHSTwoPhase));
    EXPECT_EQ(ByHS(-50.0, 1.0), R(0, ErrEnthalpyOutOfRange));
    EXPECT_EQ(ByHS(3000.0, 12.0), R(0, ErrEntropyOutOfRange));
    EXPECT_EQ(ByHS(500.0, 1.4), R(1, 0));
    EXPECT_EQ(ByHS(1000.0, 1.4), R(0, ErrHSOutOfRange));
    EXPECT_EQ(ByHS(1700.0, 3.8), R(3, 0));
    EXPECT_EQ(ByHS(3000.0, 6.5), R(2, 0));
    // Between the B23 enthalpies the backward pressure decides.
    const int r = ByHS(2700.0, 5.1).first;
    EXPECT_TRUE(r == 2 || r == 3);
    const double tb = GetTB23FromHS(2700.0, 5.1);
    EXPECT_EQ(r, CalcBackwardPressure(2700.0, 5.1, 2) > GetB23Pressure(tb) ? 3 : 2);
    // High entropy: the limit is where the isentrope meets 1073.15 K, not an
    // extrapolation to 100 MPa.
    const GibbsState top = EvaluateGibbs(2, 10.0, 1073.15);
    EXPECT_EQ(ByHS(top.h - 1.0, top.s), R(2, 0));
    EXPECT_EQ(ByHS(top.h + 1.0, top.s), R(0, ErrHSOutOfRange));
    // A liquid at 50 MPa and 273.16 K has an entropy below s(0.0006112 MPa, 273.15 K).
    const GibbsState cold = EvaluateGibbs(1, 50.0, 273.16);
    EXPECT_LT(cold.s, EvaluateGibbs(1, 0.0006112, 273.15).s);
    EXPECT_EQ(ByHS(cold.h, cold.s), R(1, 0));
}

} // namespace
} // namespace vq
