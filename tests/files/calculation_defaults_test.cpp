#include "files/calculation_defaults.h"
#include "files/preference_sections.h"
#include "common/preference_records.h"
#include "files/printer_font.h"
#include "common/safe_file.h"
#include "common/session_state.h"
#include "files/settings_file.h"
#include "fake_main_window_host.h"
#include "preferences/output_mod.h"
#include "recording_user_interface.h"
#include "temp_folder.h"
#include "units/unit_catalogue.h"
#include "units/unit_lists.h"

#include <gtest/gtest.h>

namespace vq {
namespace {

using test::WriteFileBytes;

class CalculationDefaultsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetSessionState();
        ResetPrinterFontState();
        ResetPreferenceRecords();
        BuildUnitFamilies();
        InitOutputParams();
        savedPath = SettingsFilePath;
        SettingsFilePath = dir.File("Thermix2.ini");
    }
    void TearDown() override
    {
        SettingsFilePath = savedPath;
        ResetPrinterFontState();
        ResetSessionState();
    }

    test::TempFolder dir;
    test::RecordingUserInterface ui;
    test::FakeMainWindowHost host;
    std::string savedPath;
};

TEST_F(CalculationDefaultsTest, BuiltInDefaultsWithoutASettingsFile)
{
    UnitPrefs.UnitSystem = UnitSystemSI;
    host.printerFont = {"Printer Serif", 10.5f, true, false};
    ResetCalculationDefaults();
    EXPECT_EQ(UnitPrefs.UnitSystem, UnitSystemGeneral);
    for (int f = 0; f < NumUnitFamilies; ++f)
        EXPECT_EQ(UnitPrefs.PreferredUnits[f], GetDefaultUnits(f, UnitSystemGeneral)) << f;
    EXPECT_EQ(UnitPrefs.AtmosphericPressure, 1.0);
    EXPECT_EQ(UnitPrefs.AtmosphericPressureUnits, "atm");
    EXPECT_NEAR(UnitPrefs.AtmosphericPressurePsia, 14.69598, 5e-6);
    EXPECT_TRUE(UseIF97);
    EXPECT_EQ(host.toolLog, (std::vector<int>{ToolPropertyIF97, -ToolPropertyNBS}));
    EXPECT_EQ(host.sourceCaption, "ASME Steam Tables (IAPWS-IF97)");
    EXPECT_EQ(PrintFontName, "Printer Serif");
    EXPECT_EQ(PrintFontSize, 10);
    EXPECT_TRUE(PrintFontBold);
    EXPECT_FALSE(PrintFontItalic);
    EXPECT_EQ(OutputPrefs.Digits, 6);
    EXPECT_GT(OutputPrefs.NumParams, 0);
    EXPECT_TRUE(ui.messages.empty());

    // The user's choice of database and a font already set are kept.
    host.checked = {ToolPropertyNBS};
    host.toolLog.clear();
    UseIF97 = false;
    PrintFontName = "Chosen";
    PrintFontSize = 14;
    ResetCalculationDefaults();
    EXPECT_FALSE(UseIF97);
    EXPECT_TRUE(host.toolLog.empty());
    EXPECT_EQ(PrintFontName, "Chosen");
    EXPECT_EQ(PrintFontSize, 14);
}

TEST_F(CalculationDefaultsTest, SavedDefaultsOverrideTheBuiltInOnes)
{
    ResetCalculationDefaults();
    const OutputPreferences builtInOutput = OutputPrefs;
    UnitPrefs.PreferredUnits[PressureFamily] = "bar";
    UnitPrefs.AtmosphericPressure = 101.325;
    UnitPrefs.AtmosphericPressureUnits = "kPa";
    ASSERT_TRUE(WriteUnitPreferencesSection(SettingsFilePath));
    const UnitPreferences saved = UnitPrefs;

    ResetCalculationDefaults();
    EXPECT_EQ(UnitPrefs.PreferredUnits[PressureFamily], "bar");
    EXPECT_EQ(UnitPrefs.AtmosphericPressureUnits, "kPa");
    EXPECT_DOUBLE_EQ(UnitPrefs.AtmosphericPressure, 101.325);
    EXPECT_EQ(UnitPrefs.PreferredUnits, saved.PreferredUnits);
    EXPECT_EQ(OutputPrefs, builtInOutput) << "no output section: the built-in output preferences stay";

    OutputPrefs.Digits = 4;
    OutputPrefs.UseExponential = 1;
    ASSERT_TRUE(WriteOutputPreferencesSection(SettingsFilePath));
    ResetCalculationDefaults();
    EXPECT_EQ(OutputPrefs.Digits, 4);
    EXPECT_EQ(OutputPrefs.UseExponential, 1);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(CalculationDefaultsTest, PreferenceSectionsOfTheSettingsFile)
{
    ResetCalculationDefaults();
    WriteFileBytes(SettingsFilePath, "ORM VAPOQUANT 2.0 INI FILE\r\n");
    ASSERT_TRUE(WriteOutputPreferencesSection(SettingsFilePath));
    ASSERT_TRUE(WriteUnitPreferencesSection(SettingsFilePath));
    const std::vector<std::string> lines = SplitFileLines(test::ReadFileBytes(SettingsFilePath));
    ASSERT_EQ(lines.size(), 1u + 2 + 9 + 1 + 2 + 39 + 1);
    EXPECT_EQ(lines[1], " ");
    EXPECT_EQ(lines[2], "[Output Preferences]");
    EXPECT_EQ(lines[3].rfind("Property Order= ", 0), 0u);
    EXPECT_EQ(lines[5], "Digits=  6 ");
    EXPECT_EQ(lines[12], " ");
    EXPECT_EQ(lines[13], " ");
    EXPECT_EQ(lines[14], "[Unit Preferences]");
    EXPECT_EQ(lines[15], "Unit System=  0 ");
    EXPECT_EQ(lines[53], "Atmospheric Pressure= 1,atm");
    EXPECT_EQ(lines[54], " ");

    // A failed rewrite is reported and leaves the file as it was.
    const std::string before = test::ReadFileBytes(SettingsFilePath);
    SimulateWriteFailure(SimulatedWriteFailure::Rename);
    EXPECT_FALSE(WriteUnitPreferencesSection(SettingsFilePath));
    EXPECT_FALSE(WriteOutputPreferencesSection(SettingsFilePath));
    ResetSafeFileState();
    EXPECT_EQ(test::ReadFileBytes(SettingsFilePath), before);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].text, "Error updating initialization file. User updates not made.\r\n" +
                                       SettingsFilePath + ": Permission denied");
}

TEST_F(CalculationDefaultsTest, UnreadableSavedUnitsAreReportedAndReplaced)
{
    WriteFileBytes(SettingsFilePath, "[Unit Preferences]\r\nUnit System= 2\r\nPreferred Units= psia,F\r\n");
    ResetCalculationDefaults();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Error reading " + SettingsFilePath +
                                       " custom unit preferences. Vapoquant default unit preferences were used.\r\n"
                                       "Not enough data for Preferred Units");
    EXPECT_EQ(ui.messages[0].style, MessageStyle::Exclamation);
    for (int f = 0; f < NumUnitFamilies; ++f)
        EXPECT_EQ(UnitPrefs.PreferredUnits[f], GetDefaultUnits(f, UnitPrefs.UnitSystem)) << f;
    EXPECT_EQ(UnitPrefs.AtmosphericPressureUnits, "atm");

    // Family lines that stop short leave every unit list as it was.
    const int kPa = FindUnitIndex(PressureFamily, "kPa");
    SelectUnit(PressureFamily, kPa);
    std::vector<std::string> keys;
    WriteUnitPreferenceKeys(keys);
    DeselectUnit(PressureFamily, kPa);
    const std::string lastFamily = keys[keys.size() - 2].substr(0, keys[keys.size() - 2].find('='));
    keys.erase(keys.end() - 2);
    std::string section = "[Unit Preferences]\r\n";
    for (const std::string& key : keys)
        section += key + "\r\n";
    WriteFileBytes(SettingsFilePath, section);
    ui.Clear();
    ResetCalculationDefaults();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Error reading " + SettingsFilePath +
                                       " custom unit preferences. Vapoquant default unit preferences were used.\r\n"
                                       "Can't find variable name " + lastFamily);
    EXPECT_EQ(GetUnitFamily(PressureFamily)->UnitType(kPa)->ListState, UnitInUse);

    // Duplicate, misspelled and empty sections give defaults without a crash.
    WriteFileBytes(SettingsFilePath, "[Unit Preference]\r\nUnit System= 2\r\n[Output Preferences]\r\n[Output Preferences]\r\n"
                                     "Digits= 3\r\n");
    ui.Clear();
    ResetCalculationDefaults();
    EXPECT_EQ(UnitPrefs.UnitSystem, UnitSystemGeneral);
    EXPECT_EQ(OutputPrefs.Digits, 6);
    EXPECT_TRUE(ui.messages.empty());
}

} // namespace
} // namespace vq
