// The IF97 driver in SI units against the IAPWS-IF97 verification values.
#include "solver/asme_state.h"
#include "solver/region_selection.h"

#include "common/program_identity.h"
#include "equations/asme_error.h"
#include "equations/flag_values.h"
#include "preferences/output_mod.h"
#include "program_tables.h"
#include "recording_user_interface.h"
#include "solver/asme_error_messages.h"
#include "solver/result_table.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vq {
namespace {

constexpr int Shown[] = {PropPhase, PropPressure, PropTemperature, PropEnthalpy, PropSpecificVolume,
                         PropEntropy, PropCp, PropSonicVelocity, PropQuality};

class AsmeState : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::SetUpProgramTables(UnitSystemSI);
        ClearAsmeError();
        OutputPrefs.NumParams = static_cast<int>(std::size(Shown));
        for (std::size_t k = 0; k < std::size(Shown); ++k) {
            OutputPrefs.ParamIds[k] = Shown[k];
            COutputParam& p = OutputParams(Shown[k]);
            if (p.HasUnits)
                p.Units = UnitPrefs.PreferredUnits[static_cast<std::size_t>(p.UnitFamily)];
        }
        OutputParams(PropTemperature).Units = "deg. K";
        OutputParams(PropQuality).Units = "Fraction";
        OutputPrefs.RowColOrder = {0, 0};
        ResultTable.Resize(OutputPrefs.NumParams, 3);
    }
    // Value of shown parameter code at point j.
    double At(int code, int j = 1)
    {
        for (std::size_t k = 0; k < std::size(Shown); ++k)
            if (Shown[k] == code)
                return ResultTable(static_cast<int>(k) + 1, j);
        return 0.0;
    }
    bool Calc(int code1, double v1, const char* u1, int code2, double v2, const char* u2, int j = 1)
    {
        bool failed = false;
        CalcAsmeState(j, code1, v1, u1, code2, v2, u2, failed);
        return failed;
    }

    test::RecordingUserInterface ui;
};

void ExpectRelative(double actual, double expected, const char* what)
{
    EXPECT_NEAR(actual, expected, std::fabs(expected) * 2e-9) << what;
}

TEST_F(AsmeState, PressureTemperatureVerificationValues)
{
    // Region 1, 300 K and 3 MPa; the pair comes in either order.
    ASSERT_FALSE(Calc(PropTemperature, 300, "deg. K", PropPressure, 3, "MPa"));
    EXPECT_EQ(At(PropPhase), PhaseCompressedLiquid);
    ExpectRelative(At(PropSpecificVolume), 0.100215168e-2, "v");
    ExpectRelative(At(PropEnthalpy), 0.115331273e3, "h");
    ExpectRelative(At(PropEntropy), 0.392294792, "s");
    ExpectRelative(At(PropCp), 0.417301218e1, "cp");
    ExpectRelative(At(PropSonicVelocity), 0.150773921e4, "w");
    EXPECT_EQ(At(PropQuality), NotApplicableValue);

    // Region 2, 700 K and 0.0035 MPa, into column 2.
    ASSERT_FALSE(Calc(PropPressure, 0.0035, "MPa", PropTemperature, 700, "deg. K", 2));
    ExpectRelative(At(PropSpecificVolume, 2), 0.923015898e2, "v");
    ExpectRelative(At(PropEnthalpy, 2), 0.333568375e4, "h");
    ExpectRelative(At(PropSonicVelocity, 2), 0.644289068e3, "w");

    // Region 5 (the 1997 equation), 1500 K and 0.5 MPa.
    ASSERT_FALSE(Calc(PropPressure, 0.5, "MPa", PropTemperature, 1500, "deg. K", 3));
    ExpectRelative(At(PropEnthalpy, 3), 0.521976332e4, "h");
    ExpectRelative(At(PropEntropy, 3), 0.965408431e1, "s");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(AsmeState, RegionsOfPressureAndTemperature)
{
    EXPECT_EQ(GetRegionFromPressure(3, 2, 300), 1);
    EXPECT_EQ(GetRegionFromPressure(0.0035, 2, 300), 2);
    EXPECT_EQ(GetRegionFromPressure(25, 2, 650), 3);
    EXPECT_EQ(GetRegionFromPressure(10, 2, 1500), 5);
    EXPECT_EQ(GetRegionFromPressure(1.0005, 2, 453.035632), 4);
    EXPECT_FALSE(AsmeErrorFlag);
    EXPECT_EQ(GetRegionFromPressure(20, 2, 1500), 0);
    EXPECT_EQ(AsmeErrorCode, ErrPressureOutOfRange);
    ClearAsmeError();
    EXPECT_EQ(GetRegionFromPressure(1, 2, 250), 0);
    EXPECT_EQ(AsmeErrorCode, ErrTemperatureOutOfRange);
}

TEST_F(AsmeState, SaturatedPairAtOnePressure)
{
    ASSERT_FALSE(Calc(PropSaturatedLiquid, 0, "", PropPressure, 1, "MPa", 1));
    ASSERT_FALSE(Calc(PropPressure, 1, "MPa", PropSaturatedVapor, 0, "", 2));
    ExpectRelative(At(PropTemperature, 1), 0.453035632e3, "Ts(1 MPa)");
    EXPECT_EQ(At(PropTemperature, 2), At(PropTemperature, 1));
    EXPECT_EQ(At(PropPhase, 1), PhaseSaturatedLiquid);
    EXPECT_EQ(At(PropPhase, 2), PhaseSaturatedVapour);
    EXPECT_GT(At(PropEnthalpy, 2) - At(PropEnthalpy, 1), 2000.0) << "heat of vaporisation at 1 MPa";

    ASSERT_FALSE(Calc(PropTemperature, 300, "deg. K", PropQuality, 0.5, "Fraction", 3));
    ExpectRelative(At(PropPressure, 3), 0.353658941e-2, "ps(300 K)");
    EXPECT_EQ(At(PropQuality, 3), 0.5);
}

TEST_F(AsmeState, FaultsShowTheirNumberedMessageExceptInRange)
{
    EXPECT_TRUE(Calc(PropPressure, 150, "MPa", PropTemperature, 500, "deg. K"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, std::string(AsmeErrorMessage(ErrPressureOutOfRange)));
    EXPECT_EQ(At(PropEnthalpy), NotApplicableValue);

    ui.mode = 2;
    ui.Clear();
    EXPECT_FALSE(Calc(PropPressure, 150, "MPa", PropTemperature, 500, "deg. K", 2));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(At(PropPhase, 2), NotApplicableValue);

    ui.mode = 0;
    EXPECT_TRUE(Calc(PropPressure, 1, "MPa", PropQuality, 1.5, "Fraction"));
    EXPECT_EQ(AsmeErrorCode, ErrQualityOutOfRange);
    EXPECT_TRUE(Calc(PropEnthalpy, 500, "kJ/kg", PropDensity, 10, "kg/m3"));
    EXPECT_EQ(AsmeErrorCode, ErrPropertyCombination);
}

} // namespace
} // namespace vq
