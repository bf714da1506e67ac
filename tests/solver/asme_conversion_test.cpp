#include "solver/asme_conversion.h"

#include "common/preference_records.h"
#include "preferences/output_mod.h"
#include "recording_user_interface.h"
#include "units/conversion_factors.h"

#include <gtest/gtest.h>

namespace vq {
namespace {

class AsmeConversionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetPreferenceRecords();
        UnitPrefs.AtmosphericPressurePsia = 14.696;
        InitOutputParams();
    }
    void TearDown() override
    {
        ReleaseOutputParams();
        ResetPreferenceRecords();
    }
    double Shown(double value, int code, const char* units)
    {
        OutputParams(code).Units = units;
        return ConvertAsmeOutput(value, code);
    }
    test::RecordingUserInterface ui;
};

TEST_F(AsmeConversionTest, InputsToInternalUnits)
{
    EXPECT_NEAR(ConvertAsmeInput(1, 14.7, "psia"), 0.10135, 5e-6);
    EXPECT_NEAR(ConvertAsmeInput(1, 0.0, "psig"), 14.696 / 145.0377, 1e-12);
    EXPECT_NEAR(ConvertAsmeInput(2, 32.0, "deg. F"), 273.15, 1e-12);
    EXPECT_NEAR(ConvertAsmeInput(2, 100.0, "deg. C"), 373.15, 1e-12);
    EXPECT_NEAR(ConvertAsmeInput(3, 1.0, "Btu/lbm"), 2.326, 1e-6);
    EXPECT_NEAR(ConvertAsmeInput(4, 1.0, "lbm/ft3"), 16.018463, 1e-6);
    EXPECT_NEAR(ConvertAsmeInput(5, 1.0, "ft3/lbm"), 0.062427961, 1e-8);
    EXPECT_NEAR(ConvertAsmeInput(6, 1.0, "Btu/lbm-R"), 4.1868, 1e-6);
    EXPECT_DOUBLE_EQ(ConvertAsmeInput(8, 50.0, "Percent"), 0.5);
    EXPECT_DOUBLE_EQ(ConvertAsmeInput(8, 0.5, "Decimal"), 0.5);
    // Internal energy is typed like an enthalpy.
    EXPECT_EQ(ConvertAsmeInput(7, 1.0, "Btu/lbm"), ConvertAsmeInput(3, 1.0, "Btu/lbm"));
    // Codes without a unit come back unchanged, whatever the text says.
    for (int code : {9, 10, 11, 17, 18, 19, 0, 26})
        EXPECT_EQ(ConvertAsmeInput(code, 123.25, "Percent"), 123.25) << code;
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(AsmeConversionTest, ResultsToDisplayUnits)
{
    EXPECT_NEAR(Shown(0.101325, 1, "psia"), 14.696, 1e-3);
    EXPECT_NEAR(Shown(273.15, 2, "deg. F"), 32.0, 1e-12);
    EXPECT_NEAR(Shown(273.15, 22, "deg. C"), 0.0, 1e-12);
    EXPECT_DOUBLE_EQ(Shown(0.5, 8, "Percent"), 50.0);
    EXPECT_NEAR(Shown(2.326, 7, "Btu/lbm"), 1.0, 1e-6);
    EXPECT_NEAR(Shown(1.0, 13, "lbm/hr-ft"), 2419.0883, 1e-3);
    EXPECT_NEAR(Shown(1.0, 16, "feet/sec"), 3.28084, 1e-9);
    // Gauge units subtract the atmospheric pressure from pressure and saturation pressure;
    // the bulk modulus is a modulus, so it takes the factor alone.
    for (int code : {1, 23})
        EXPECT_NEAR(Shown(14.696 / 145.0377, code, "psig"), 0.0, 1e-9) << code;
    EXPECT_NEAR(Shown(0.001, 21, "psig"), 0.1450377, 1e-9) << "a small modulus never goes negative";
    EXPECT_DOUBLE_EQ(Shown(2200.0, 21, "kPa (g)"), Shown(2200.0, 21, "kPa"));
    // Subcooling and superheat are differences: a factor, no offset.
    for (int code : {24, 25}) {
        EXPECT_NEAR(Shown(10.0, code, "deg. F"), 18.0, 1e-12) << code;
        EXPECT_DOUBLE_EQ(Shown(10.0, code, "deg. C"), 10.0) << code;
        EXPECT_EQ(Shown(10.0, code, "deg. K"), 10.0) << code;
    }
    // The kinematic-viscosity factor is single precision.
    EXPECT_EQ(Shown(1.0, 20, "centistokes"), 1.0);
    EXPECT_EQ(Shown(3.0, 20, "stokes"), static_cast<double>(0.01f) * 3.0);
    EXPECT_NE(Shown(3.0, 20, "stokes"), 0.03);
    for (int code : {9, 10, 11, 17, 18, 19})
        EXPECT_EQ(Shown(0.75, code, "Percent"), 0.75) << code;
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(AsmeConversionTest, EveryUnitRoundTripsThroughInputAndOutput)
{
    struct Case {
        int code;
        const char* units;
        double value;
    };
    const Case cases[] = {
        {1, "psia", 1234.5}, {1, "kPa (g)", 250.0}, {1, "bar", 3.5},      {2, "deg. R", 700.0},
        {2, "deg. C", -5.0}, {3, "Btu/lbm", 1200.0}, {4, "lbm/ft3", 62.3}, {5, "ft3/lbm", 26.8},
        {6, "Btu/lbm-R", 1.75}, {7, "Btu/lbm", 1100.0}, {8, "Percent", 35.0},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(Shown(ConvertAsmeInput(c.code, c.value, c.units), c.code, c.units), c.value, 1e-9 * std::abs(c.value))
            << c.code << " " << c.units;
}

TEST_F(AsmeConversionTest, UnknownUnitIsReportedAndFactorOneUsed)
{
    EXPECT_EQ(ConvertAsmeInput(3, 5.0, "furlongs"), 5.0 * EnthalpyFromBase("kJ/kg"));
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.beeps, 1);
}

} // namespace
} // namespace vq
