#include "preferences/unit_change.h"

#include "program_tables.h"
#include "recording_user_interface.h"

#include "common/number_parsing.h"
#include "equations/flag_values.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vq {
namespace {

class UnitChangeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::SetUpProgramTables();
        ResetLocaleSeparators();
    }
    void TearDown() override { ReleaseOutputParams(); }
    static std::vector<std::string> Convert(const std::vector<std::string>& cells, std::vector<double> values,
                                            const UnitLineConverter& converter, int differenceCell = -1)
    {
        return ConvertLine(cells, values, converter, differenceCell);
    }
    test::RecordingUserInterface ui;
};

TEST_F(UnitChangeTest, TemperatureAndGaugePressureGoThroughTheirOffsets)
{
    const UnitLineConverter toC(TemperatureFamily, "deg. F", "deg. C");
    EXPECT_EQ(Convert({"Temperature", "212", "32"}, {0, 212, 32}, toC),
              (std::vector<std::string>{"Temperature", "100.000", "0.000"}));

    UnitPrefs.AtmosphericPressurePsia = 14.7;
    const UnitLineConverter toGauge(PressureFamily, "psia", "psig");
    EXPECT_NEAR(toGauge.Convert(114.7), 100.0, 1e-9);
    EXPECT_NEAR(UnitLineConverter(PressureAbsoluteFamily, "psia", "atm").Convert(14.69595), 1.0, 1e-5);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(UnitChangeTest, NotApplicableCellsStayAndTakeNoPartInTheMagnitudes)
{
    const UnitLineConverter same(EnthalpyFamily, "Btu/lbm", "Btu/lbm");
    const std::vector<std::string> out =
        Convert({"h", "1,234.5", "N/A", "2.25"}, {0, 1234.5, NotApplicableValue, 2.25}, same);
    EXPECT_EQ(out[2], "N/A");
    EXPECT_EQ(out[1], "1234.50000");
    EXPECT_EQ(out[3], "2.25000");

    const UnitLineConverter toKj(EnthalpyFamily, "Btu/lbm", "kJ/kg");
    EXPECT_NEAR(toKj.Convert(1.0), 2.326, 1e-6);
    EXPECT_EQ(Convert({"h", "N/A"}, {0, NotApplicableValue}, toKj), (std::vector<std::string>{"h", "N/A"}));
}

TEST_F(UnitChangeTest, ADifferenceIsConvertedWithoutTheOffsets)
{
    const UnitLineConverter toC(TemperatureFamily, "deg. F", "deg. C");
    EXPECT_NEAR(toC.ConvertDifference(18.0), 10.0, 1e-12);
    const std::vector<std::string> out = Convert({"T", "50", "68", "18"}, {0, 50, 68, 18}, toC, 3);
    EXPECT_EQ(out[1], "10.0000");
    EXPECT_EQ(out[2], "20.0000");
    EXPECT_EQ(out[3], "10.0000");

    UnitPrefs.AtmosphericPressurePsia = 14.7;
    EXPECT_NEAR(UnitLineConverter(PressureFamily, "psia", "psig").ConvertDifference(5.0), 5.0, 1e-12);
    EXPECT_NEAR(UnitLineConverter(TemperatureDifferentialFamily, "deg. F", "deg. C").Convert(9.0), 5.0, 1e-12);
}

TEST_F(UnitChangeTest, AnUnknownUnitIsReportedOnceAndLeavesTheValues)
{
    const UnitLineConverter unknown(DensityFamily, "lbm/ft3", "");
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(Convert({"Rho", "62.4", "0.5"}, {0, 62.4, 0.5}, unknown),
              (std::vector<std::string>{"Rho", "62.400000", "0.500000"}));
    EXPECT_EQ(ui.messages.size(), 1u);
    // Empty units of the offset families read as psia and deg. R.
    EXPECT_NEAR(UnitLineConverter(TemperatureFamily, "deg. F", "").Convert(0.0), 459.67, 1e-9);
    EXPECT_NEAR(UnitLineConverter(PressureFamily, "psia", "").Convert(3.0), 3.0, 1e-12);
    // A cell without a result keeps its text.
    EXPECT_EQ(Convert({"X", "", "5"}, {0, 0, 5}, UnitLineConverter(PercentFractionalFamily, "Percent", "Percent"))[1],
              "");
}

} // namespace
} // namespace vq
