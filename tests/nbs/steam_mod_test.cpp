#include "solver/steam_mod.h"

#include "common/preference_records.h"
#include "common/program_identity.h"
#include "equations/flag_values.h"
#include "preferences/output_mod.h"
#include "recording_user_interface.h"
#include "solver/result_table.h"
#include "solver/steam_library.h"

#include <array>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace {

using namespace vq;

constexpr double NA = NotApplicableValue;

// Units in which every library value is shown unchanged.
const std::array<const char*, NumOutputParams + 1> LibraryUnits = {
    "",         "MPa",      "deg. K",  "kJ/kg",  "gram/cm3",   "cm3/gram", "kJ/kg-K", "kJ/kg", "Decimal",
    "None",     "None",     "None",    "W/m-K",  "Pa-sec",     "kJ/kg-K",  "kJ/kg-K", "meters/sec",
    "None",     "None",     "None",    "centistokes", "MPa",   "deg. K",   "MPa",     "deg. K", "deg. K"};

class SteamFrontEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetSteamLibrary();
        ResetSteamMod();
        ResetPreferenceRecords();
        UnitPrefs.AtmosphericPressurePsia = 14.7;
        InitOutputParams();
        ShowAllOutputs(LibraryUnits);
        ResultTable.Resize(NumOutputParams + 1, 4);
    }
    void TearDown() override
    {
        ReleaseOutputParams();
        ResetPreferenceRecords();
        ResetSteamMod();
        ResetSteamLibrary();
    }

    // Shows the 25 parameters in code order, each in the given unit.
    static void ShowAllOutputs(const std::array<const char*, NumOutputParams + 1>& units)
    {
        OutputPrefs.NumParams = NumOutputParams;
        for (int code = 1; code <= NumOutputParams; ++code) {
            OutputPrefs.ParamIds[static_cast<std::size_t>(code - 1)] = code;
            OutputParams(code).Units = units[static_cast<std::size_t>(code)];
        }
    }

    // Runs one calculation; true when it did not fail.
    bool Calc(int code1, double value1, const std::string& units1, int code2, double value2,
              const std::string& units2)
    {
        bool failed = false;
        CalcSteamState(code1, value1, units1, code2, value2, units2, failed);
        return !failed;
    }

    // The outputs of one point as StoreSteamResults leaves them (not transposed).
    static std::vector<double> StoredColumn(int index)
    {
        std::vector<double> column;
        for (int i = 1; i <= NumOutputParams; ++i)
            column.push_back(ResultTable(i, index));
        return column;
    }

    // Unit factors and the library's own pressure conversion agree to about 1e-7.
    static double Tolerance(double expected) { return std::abs(expected) * 1e-6 + 1e-12; }

    static double Received(int slot) { return LibStateValues[static_cast<std::size_t>(slot)]; }

    test::RecordingUserInterface ui;
};

// A value the stand-in library accepts for each input code, in a unit of its family.
std::pair<double, std::string> InputFor(int code)
{
    switch (code) {
    case PropPressure: return {1.0, "MPa"};
    case PropTemperature: return {350.0, "deg. K"};
    case PropEnthalpy: return {1000.0, "kJ/kg"};
    case PropDensity: return {0.5, "gram/cm3"};
    case PropSpecificVolume: return {2.0, "cm3/gram"};
    case PropEntropy: return {5.0, "kJ/kg-K"};
    case PropQuality: return {0.5, "Decimal"};
    default: return {0.0, ""};
    }
}

TEST_F(SteamFrontEnd, PairCodeOfEveryPairTheMainWindowOffers)
{
    // Second properties the input panel offers for each first property.
    const std::vector<std::pair<int, std::vector<int>>> offered = {
        {1, {2, 3, 4, 5, 6, 8, 9, 10}}, {2, {1, 3, 4, 5, 6, 8, 9, 10}}, {3, {1, 2, 6, 9, 10}},
        {4, {1, 2, 9, 10}},             {5, {1, 2, 9, 10}},             {6, {1, 2, 3, 9, 10}},
        {8, {1, 2}},                    {9, {1, 2, 3, 4, 5, 6}},        {10, {1, 2, 3, 4, 5, 6}}};
    int pairs = 0;
    for (const auto& [code1, seconds] : offered) {
        for (int code2 : seconds) {
            const auto [v1, u1] = InputFor(code1);
            const auto [v2, u2] = InputFor(code2);
            ASSERT_TRUE(Calc(code1, v1, u1, code2, v2, u2)) << code1 << "," << code2 << ": " << ui.LastMessage();
            // The saturated code always goes second.
            const int first = code1 >= 9 ? code2 : code1;
            const int second = code1 >= 9 ? code1 : code2;
            const int expected = second == 9 ? -10 * first : second == 10 ? 10 * first : 10 * first + second;
            EXPECT_EQ(LibPairCode, expected) << code1 << "," << code2;
            EXPECT_EQ(Received(8), expected) << "the pair code the library received";
            EXPECT_EQ(LibUnitsFlag, 1);
            ++pairs;
        }
    }
    EXPECT_EQ(pairs, 48);
    EXPECT_TRUE(ui.messages.empty());

    EXPECT_EQ(SteamPairCode(1, 9), -10);
    EXPECT_EQ(SteamPairCode(2, 10), 20);
    EXPECT_EQ(SteamPairCode(1, 2), 12);
    EXPECT_EQ(SteamPairCode(1, 5), 15);
    EXPECT_EQ(SteamPairCode(2, 8), 28);
    EXPECT_EQ(SteamPairCode(3, 6), 36);
}

TEST_F(SteamFrontEnd, InputsReachTheirSlotsInLibraryUnits)
{
    struct Case {
        int code;
        double value;
        const char* units;
        int slot; // index into {p, T, h, rho, s, x}
        double expected;
        double tolerance;
    };
    const Case cases[] = {
        {PropPressure, 14.7, "psia", 0, 0.101352932, 1e-7},
        {PropPressure, 0.0, "psig", 0, 0.101352932, 1e-7}, // gauge units add the atmosphere
        {PropTemperature, 32.0, "deg. F", 1, 273.15, 1e-10},
        {PropEnthalpy, 1000.0, "Btu/lbm", 2, 2326.0, 1e-3},
        {PropDensity, 62.427961, "lbm/ft3", 3, 1.0, 1e-6},
        {PropSpecificVolume, 2.0, "cm3/gram", 3, 0.5, 1e-9}, // the reciprocal, as a density
        {PropSpecificVolume, 0.016018463, "ft3/lbm", 3, 1.0, 1e-6},
        {PropEntropy, 1.0, "Btu/lbm-R", 4, 4.1868, 1e-5},
        {PropQuality, 50.0, "Percent", 5, 0.5, 1e-15},
    };
    for (const Case& c : cases) {
        std::array<double, 6> v;
        v.fill(-7.0);
        ConvertSteamInput(c.code, c.value, c.units, v[0], v[1], v[2], v[3], v[4], v[5]);
        for (int k = 0; k < 6; ++k) {
            if (k == c.slot)
                EXPECT_NEAR(v[static_cast<std::size_t>(k)], c.expected, c.tolerance) << c.value << " " << c.units;
            else
                EXPECT_EQ(v[static_cast<std::size_t>(k)], -7.0) << "one slot only, for " << c.units;
        }
    }
    for (int code : {7, 9, 10, 0, 26}) {
        std::array<double, 6> v;
        v.fill(-7.0);
        ConvertSteamInput(code, 5.0, "kJ/kg", v[0], v[1], v[2], v[3], v[4], v[5]);
        for (double each : v)
            EXPECT_EQ(each, -7.0) << "code " << code << " has no slot";
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SteamFrontEnd, LibraryErrorsShowTheirMessageAndFail)
{
    struct Case {
        int code1;
        double value1;
        const char* units1;
        int code2;
        double value2;
        const char* units2;
        const char* message;
    };
    const Case cases[] = {
        {PropSaturatedLiquid, 0, "", PropSaturatedVapor, 0, "", "Invalid Property Combination"},
        {PropPressure, 1, "MPa", PropEnthalpy, 1111, "kJ/kg", "Failed to Converge"},
        {PropPressure, 1, "MPa", PropEnthalpy, 2222, "kJ/kg", "Indeterminent"},
        {PropPressure, 30, "MPa", PropSaturatedLiquid, 0, "", "Cannot Determine Saturation Properties"},
        {PropPressure, 200, "MPa", PropTemperature, 400, "deg. K", "1st Input Property Out Of Range"},
        {PropPressure, 1, "MPa", PropTemperature, 2000, "deg. K", "2nd Input Property Out Of Range"},
        {PropPressure, 1, "MPa", PropEnthalpy, 7777, "kJ/kg", ""},
        // "1st" and "2nd" keep naming the inputs as given when the saturated code moves.
        {PropSaturatedVapor, 0, "", PropPressure, 200, "MPa", "2nd Input Property Out Of Range"},
        {PropSaturatedLiquid, 0, "", PropTemperature, 100, "deg. K", "2nd Input Property Out Of Range"},
    };
    for (const Case& c : cases) {
        ui.Clear();
        bool failed = false;
        CalcSteamState(c.code1, c.value1, c.units1, c.code2, c.value2, c.units2, failed);
        EXPECT_TRUE(failed) << c.message;
        ASSERT_EQ(ui.messages.size(), 1u) << c.message;
        EXPECT_EQ(ui.messages[0].text, c.message);
        EXPECT_EQ(ui.messages[0].style, MessageStyle::Exclamation);
        EXPECT_EQ(ui.messages[0].title, ProgramTitle);
    }
    EXPECT_EQ(SteamErrorText(0), "");
    EXPECT_EQ(SteamErrorText(-2), "");

    // Success leaves an earlier failure standing.
    ui.Clear();
    bool failed = true;
    CalcSteamState(PropPressure, 1, "MPa", PropTemperature, 300, "deg. K", failed);
    EXPECT_TRUE(failed);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SteamFrontEnd, InputsWithoutALibraryValueAreRefusedBeforeTheCall)
{
    ASSERT_TRUE(Calc(PropPressure, 1, "MPa", PropTemperature, 300, "deg. K"));

    // Internal energy has no input slot, as first or second property, also beside a
    // saturated code.
    for (const auto& [c1, c2] : std::vector<std::pair<int, int>>{{7, 1}, {1, 7}, {9, 7}, {10, 7}}) {
        ui.Clear();
        EXPECT_FALSE(Calc(c1, 5, "kJ/kg", c2, 5, "kJ/kg"));
        EXPECT_EQ(ui.LastMessage(), "The NBS Steam Tables (1984) cannot calculate a state from Internal Energy.");
        EXPECT_EQ(ui.messages.size(), 1u);
    }
    EXPECT_EQ(LibPairCode, 12) << "the library was not called";
    EXPECT_EQ(Received(1), 0.0) << "nor are the earlier results kept";

    // A specific volume of zero has no density to pass.
    ui.Clear();
    EXPECT_FALSE(Calc(PropPressure, 1, "MPa", PropSpecificVolume, 0, "m3/kg"));
    EXPECT_EQ(ui.LastMessage(), "2nd Input Property Out Of Range");
    EXPECT_FALSE(Calc(PropSpecificVolume, 0, "m3/kg", PropSaturatedLiquid, 0, ""));
    EXPECT_EQ(ui.LastMessage(), "1st Input Property Out Of Range");
    EXPECT_EQ(LibPairCode, 12) << "the library was not called";
}

TEST_F(SteamFrontEnd, MissingLibraryFailsWithItsNameAndLeavesNoStaleValues)
{
    ASSERT_TRUE(Calc(PropPressure, 1, "MPa", PropTemperature, 300, "deg. K"));
    ResetSteamLibrary();
    SteamLibraryFiles = {"/nonexistent/libkelvra32.so"};

    bool failed = false;
    CalcSteamState(PropPressure, 2, "MPa", PropTemperature, 400, "deg. K", failed);
    EXPECT_TRUE(failed);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.rfind("The NBS steam property library libkelvra32.so could not be loaded.", 0), 0u)
        << ui.messages[0].text;
    EXPECT_EQ(ui.messages[0].style, MessageStyle::Exclamation);
    for (int slot = 3; slot <= NumLibSlots; ++slot)
        EXPECT_EQ(Received(slot), 0.0) << "slot " << slot << " of the earlier state";

    // Without a library no saturation temperature is made up.
    LibStateValues[1] = 1.0;
    LibStateValues[2] = 300.0;
    LibStateValues[7] = -1.0;
    EXPECT_EQ(GetSteamOutput(PropSubcool, 1), NA);

    SteamLibraryFiles = {VQ_ELIMORA_PATH};
    ui.Clear();
    EXPECT_FALSE(Calc(PropPressure, 2, "MPa", PropTemperature, 400, "deg. K"));
    EXPECT_NE(ui.LastMessage().find("has no entry point STMPROP"), std::string::npos) << ui.LastMessage();
}

TEST_F(SteamFrontEnd, SlotsAreClearedBeforeEveryCall)
{
    ASSERT_TRUE(Calc(PropPressure, 1, "MPa", PropSaturatedLiquid, 0, ""));
    EXPECT_NE(Received(14), 0.0);
    ASSERT_TRUE(Calc(PropPressure, 1, "MPa", PropTemperature, 300, "deg. K"));
    for (int slot = 14; slot <= 22; ++slot)
        EXPECT_EQ(Received(slot), 0.0) << "slot " << slot << " of the earlier saturated liquid";
}

TEST_F(SteamFrontEnd, OutputsOfACompressedLiquid)
{
    ASSERT_TRUE(Calc(PropPressure, 1, "MPa", PropTemperature, 300, "deg. K"));
    StoreSteamResults(1, PropPressure, PropTemperature);
    const std::vector<double> expected = {
        1.0,  300.0, 1200.0, 0.9,   1.0 / 0.9, 3.0,    1100.0, NA, 0.0, 0.0, -1.0, 0.6, 0.001,
        4.2,  3.6,   1500.0,
        2025.0, // w^2 rho / p = 1500^2 * 900 / 1e6
        NA,   NA,    NA,     NA,    NA,        NA,
        10.0, // Tsat(1 MPa) 310 K - 300 K
        NA};
    const std::vector<double> stored = StoredColumn(1);
    for (int i = 0; i < NumOutputParams; ++i)
        EXPECT_NEAR(stored[static_cast<std::size_t>(i)], expected[static_cast<std::size_t>(i)],
                    Tolerance(expected[static_cast<std::size_t>(i)]))
            << "output " << i + 1;
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SteamFrontEnd, SuperheatedTwoPhaseAndSaturatedStates)
{
    ASSERT_TRUE(Calc(PropPressure, 1, "MPa", PropTemperature, 400, "deg. K"));
    EXPECT_EQ(GetSteamOutput(PropPhase, 1), -2.0);
    EXPECT_EQ(GetSteamOutput(PropQuality, 1), NA);
    EXPECT_EQ(GetSteamOutput(PropSubcool, 1), NA);
    EXPECT_NEAR(GetSteamOutput(PropSuperheat, 1), 90.0, 1e-4);
    EXPECT_NEAR(GetSteamOutput(PropGamma, 1), 500.0 * 500.0 * 5.0 / 1e6, 1e-12);

    ASSERT_TRUE(Calc(PropPressure, 1, "MPa", PropQuality, 30, "Percent"));
    EXPECT_DOUBLE_EQ(GetSteamOutput(PropQuality, 1), 0.3);
    EXPECT_DOUBLE_EQ(GetSteamOutput(PropPhase, 1), 0.3);
    EXPECT_EQ(GetSteamOutput(PropSubcool, 1), NA);
    EXPECT_EQ(GetSteamOutput(PropSuperheat, 1), NA);
    OutputParams(PropQuality).Units = "Percent";
    StoreSteamResults(2, PropPressure, PropQuality);
    EXPECT_NEAR(ResultTable(PropQuality, 2), 30.0, 1e-12);
    EXPECT_DOUBLE_EQ(ResultTable(PropPhase, 2), 0.3) << "the phase is stored unconverted";

    // Saturated vapour: the state's own set.
    ASSERT_TRUE(Calc(PropTemperature, 350, "deg. K", PropSaturatedVapor, 0, ""));
    StoreSteamResults(1, PropTemperature, PropSaturatedVapor);
    EXPECT_NEAR(ResultTable(PropPressure, 1), 5.0, 1e-12);
    EXPECT_NEAR(ResultTable(PropEnthalpy, 1), 1400.0, 1e-3);
    EXPECT_NEAR(ResultTable(PropCp, 1), 2.0, 1e-12);
    EXPECT_NEAR(ResultTable(PropQuality, 1), 100.0, 1e-12) << "in Percent";
    EXPECT_EQ(ResultTable(PropSuperheat, 1), NA);
}

TEST_F(SteamFrontEnd, SaturatedLiquidTakesTheSecondSet)
{
    // Given in either order; the phase and quality come from slot 7 either way.
    for (const auto& [c1, c2] : std::vector<std::pair<int, int>>{{1, 9}, {9, 1}}) {
        ResultTable.Resize(NumOutputParams + 1, 4);
        ASSERT_TRUE(Calc(c1, 1, "MPa", c2, 1, "MPa"));
        EXPECT_EQ(LibPairCode, -10);
        StoreSteamResults(1, c1, c2);
        const std::vector<double> expected = {
            1.0,  310.0, 1241.0, 0.95,  1.0 / 0.95, 3.41, 1141.0, 0.0,  0.0, 0.0, 0.0, 0.65, 0.0011,
            4.25, 3.65,  1510.0, 1510.0 * 1510.0 * 950.0 / 1e6,
            NA,   NA,    NA,     NA,    NA,         NA,   NA,     NA};
        const std::vector<double> stored = StoredColumn(1);
        for (int i = 0; i < NumOutputParams; ++i)
            EXPECT_NEAR(stored[static_cast<std::size_t>(i)], expected[static_cast<std::size_t>(i)],
                    Tolerance(expected[static_cast<std::size_t>(i)]))
                << "output " << i + 1 << " of pair " << c1 << "," << c2;
    }
}

TEST_F(SteamFrontEnd, ValuesThatCannotBeFormedAreNotApplicable)
{
    // The stand-in answers an enthalpy of 3333 with zero pressure, densities and cv.
    ASSERT_TRUE(Calc(PropPressure, 1, "MPa", PropEnthalpy, 3333, "kJ/kg"));
    EXPECT_EQ(GetSteamOutput(PropSpecificVolume, 1), NA);
    EXPECT_EQ(GetSteamOutput(PropGamma, 1), NA);
    EXPECT_EQ(GetSteamOutput(PropCv, 1), 0.0);
    EXPECT_EQ(GetSteamOutput(PropDensity, 1), 0.0);
    StoreSteamResults(1, PropPressure, PropEnthalpy);
    EXPECT_EQ(ResultTable(PropSpecificVolume, 1), NA);
    EXPECT_NEAR(ResultTable(PropTemperature, 1), 400.0, 1e-12);

    // ... and 4444 with NaN transport and caloric values.
    ASSERT_TRUE(Calc(PropPressure, 1, "MPa", PropEnthalpy, 4444, "kJ/kg"));
    for (int code : {PropCp, PropCv, PropSonicVelocity, PropThermalConductivity, PropViscosity, PropGamma})
        EXPECT_EQ(GetSteamOutput(code, 1), NA) << code;
    EXPECT_EQ(GetSteamOutput(0, 1), NA);
    EXPECT_EQ(GetSteamOutput(26, 1), NA);
}

TEST_F(SteamFrontEnd, EveryOutputInEnglishUnits)
{
    const std::array<const char*, NumOutputParams + 1> english = {
        "",          "psia",      "deg. F",    "Btu/lbm",    "lbm/ft3",     "ft3/lbm", "Btu/lbm-R",
        "Btu/lbm",   "Percent",   "None",      "None",       "None",        "Btu/hr-ft-R",
        "lbm/hr-ft", "Btu/lbm-R", "Btu/lbm-R", "feet/sec",   "None",        "None",
        "None",      "centistokes", "psia",    "deg. F",     "psia",        "deg. F",  "deg. C"};
    ShowAllOutputs(english);

    ASSERT_TRUE(Calc(PropPressure, 145.037738, "psia", PropTemperature, 80.33, "deg. F"));
    EXPECT_NEAR(Received(1), 1.0, 1e-6);
    EXPECT_NEAR(Received(2), 300.0, 1e-9);
    StoreSteamResults(1, PropPressure, PropTemperature);
    const double lbmPerFt3 = 0.9 / 0.016018463374;
    const std::vector<double> expected = {
        145.037738,              80.33,
        1200.0 / 2.326,          lbmPerFt3,
        1.0 / lbmPerFt3,         3.0 / 4.1868,
        1100.0 / 2.326,          NA,
        0.0,                     0.0,
        -1.0,                    0.6 * 0.57778932,
        0.001 * 2419.0883,       4.2 / 4.1868,
        3.6 / 4.1868,            1500.0 / 0.3048,
        2025.0,                  NA,
        NA,                      NA,
        NA,                      NA,
        NA,                      18.0, // 10 K of subcooling in deg. F
        NA};
    const std::vector<double> stored = StoredColumn(1);
    for (int i = 0; i < NumOutputParams; ++i) {
        const double want = expected[static_cast<std::size_t>(i)];
        EXPECT_NEAR(stored[static_cast<std::size_t>(i)], want, Tolerance(want)) << "output " << i + 1;
    }

    // A superheat in deg. C is the difference in kelvin.
    ASSERT_TRUE(Calc(PropPressure, 1, "MPa", PropTemperature, 400, "deg. K"));
    StoreSteamResults(2, PropPressure, PropTemperature);
    EXPECT_NEAR(ResultTable(PropSuperheat, 2), 90.0, 1e-4);
    EXPECT_EQ(ResultTable(PropSubcool, 2), NA);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SteamFrontEnd, LayoutFollowsTheOrderAndOrientationOfTheMode)
{
    OutputPrefs.NumParams = 3;
    OutputPrefs.ParamIds[0] = PropTemperature;
    OutputPrefs.ParamIds[1] = PropSubcool;
    OutputPrefs.ParamIds[2] = PropPhase;
    OutputPrefs.RowColOrder = {0, 1};
    ASSERT_TRUE(Calc(PropPressure, 1, "MPa", PropTemperature, 300, "deg. K"));

    ui.mode = 0; // Single Point: (parameter, point)
    StoreSteamResults(1, PropPressure, PropTemperature);
    EXPECT_EQ(ResultTable(1, 1), 300.0);
    EXPECT_NEAR(ResultTable(2, 1), 10.0, 1e-5);
    EXPECT_EQ(ResultTable(3, 1), -1.0);
    EXPECT_EQ(ResultTable(4, 1), 0.0) << "only the shown parameters are stored";

    ResultTable.Resize(4, NumOutputParams + 1);
    ui.mode = 2; // Range with the transposed layout: (point, parameter)
    StoreSteamResults(3, PropPressure, PropTemperature);
    EXPECT_EQ(ResultTable(3, 1), 300.0);
    EXPECT_NEAR(ResultTable(3, 2), 10.0, 1e-5);
    EXPECT_EQ(ResultTable(3, 3), -1.0);
    EXPECT_EQ(ResultTable(1, 3), 0.0);

    // A point outside the table is not written anywhere.
    StoreSteamResults(9, PropPressure, PropTemperature);
    StoreSteamResults(-1, PropPressure, PropTemperature);
}

} // namespace
