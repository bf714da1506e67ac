#include "files/preference_files.h"

#include "common/preference_records.h"
#include "common/program_identity.h"
#include "common/safe_file.h"
#include "files/settings_file.h"
#include "preferences/output_mod.h"
#include "preferences/unit_pref_editor.h"
#include "program_tables.h"
#include "recording_user_interface.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vq {
namespace {

class PreferenceFilesTest : public ::testing::Test {
protected:
    void SetUp() override { test::SetUpProgramTables(); }
    void TearDown() override
    {
        ReleaseOutputParams();
        ResetSafeFileState();
    }
    test::RecordingUserInterface ui;
    test::TempFolder folder;
};

TEST_F(PreferenceFilesTest, OutputFileHoldsTitleSectionAndKeysAndReadsBack)
{
    OutputParams(PropPressure).Units = "kPa";
    OutputPrefs.Digits = 4;
    const std::string path = folder.File("out.dat");
    std::string error;
    ASSERT_TRUE(WriteOutputPreferenceFile(path, error)) << error;
    const std::string bytes = test::ReadFileBytes(path);
    EXPECT_EQ(bytes.rfind(ProgramLongName + " Output Preferences\r\n[Output Preferences]\r\nProperty Order= 11,1,", 0),
              0u)
        << bytes;
    EXPECT_NE(bytes.find("\r\nDigits=  4 \r\n"), std::string::npos);

    const OutputPreferences saved = OutputPrefs;
    SetDefaultOutputPrefs();
    EXPECT_NE(OutputPrefs, saved);
    ASSERT_TRUE(ReadOutputPreferenceFile(path, error)) << error;
    EXPECT_EQ(OutputPrefs, saved);
    EXPECT_EQ(OutputParams(PropPressure).Units, "kPa");
}

TEST_F(PreferenceFilesTest, AFileWithoutTheSectionChangesNothing)
{
    const std::string path = folder.File("other.dat");
    test::WriteFileBytes(path, "title\r\n[Something Else]\r\nDigits= 2\r\n");
    const OutputPreferences before = OutputPrefs;
    std::string error;
    EXPECT_FALSE(ReadOutputPreferenceFile(path, error));
    EXPECT_FALSE(ReadUnitPreferenceFile(path, error));
    EXPECT_FALSE(ReadOutputPreferenceFile(folder.File("missing.dat"), error));
    EXPECT_EQ(OutputPrefs, before);
    EXPECT_EQ(OutputPrefs.NumParams, 10);
}

TEST_F(PreferenceFilesTest, UnitFileRoundTripsUnitsInUseAndPreferences)
{
    UnitPrefs.UnitSystem = UnitSystemSI;
    UnitPrefs.PreferredUnits[PressureFamily] = "kPa";
    SelectUnit(PressureFamily, FindUnitIndex(PressureFamily, "psig"));
    const std::string path = folder.File("units.dat");
    std::string error;
    ASSERT_TRUE(WriteUnitPreferenceFile(path, error)) << error;
    const std::vector<std::string> lines = SplitFileLines(test::ReadFileBytes(path));
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[0], ProgramLongName + " Unit Preferences");
    EXPECT_EQ(lines[1], " ");
    EXPECT_EQ(lines[2], "[Unit Preferences]");
    EXPECT_EQ(lines[3], "Unit System=  2 ");
    EXPECT_EQ(lines.back(), "Atmospheric Pressure= 1,atm");

    const UnitPreferences saved = UnitPrefs;
    test::SetUpProgramTables();
    ASSERT_TRUE(ReadUnitPreferenceFile(path, error)) << error;
    EXPECT_EQ(UnitPrefs.UnitSystem, UnitSystemSI);
    EXPECT_EQ(UnitPrefs.PreferredUnits[PressureFamily], "kPa");
    EXPECT_FALSE(SetFamilyUnitState(PressureFamily, "psig"));
    EXPECT_TRUE(SetFamilyUnitState(PressureFamily, "psia"));
    EXPECT_EQ(UnitPrefs, saved);
}

TEST_F(PreferenceFilesTest, BlankAtmosphericUnitsAreWrittenAsTheirPsiaSoTheyReadBack)
{
    UnitPrefsDraft draft = LoadUnitPrefsDraft();
    draft.atmosphericText = "";
    UnitPrefs.AtmosphericPressure = 0.9;
    StoreUnitPrefsDraft(draft);
    EXPECT_EQ(UnitPrefs.AtmosphericPressureUnits, "    ");
    EXPECT_EQ(UnitPrefs.AtmosphericPressurePsia, 14.7);
    EXPECT_EQ(UnitPrefs.AtmosphericPressure, 0.9);

    const UnitPreferences kept = UnitPrefs;
    const std::string settings = folder.File("settings.ini");
    ASSERT_TRUE(WriteUnitPreferencesDefaults(settings));
    EXPECT_EQ(UnitPrefs, kept) << "the record keeps its blank units";
    EXPECT_NE(test::ReadFileBytes(settings).find("Atmospheric Pressure= 14.7,psia\r\n"), std::string::npos);

    ReadUnitPreferencesSection(settings);
    EXPECT_TRUE(ui.messages.empty()) << ui.LastMessage();
    EXPECT_EQ(UnitPrefs.AtmosphericPressureUnits, "psia");
    EXPECT_DOUBLE_EQ(UnitPrefs.AtmosphericPressurePsia, 14.7);
}

TEST_F(PreferenceFilesTest, AFailedWriteKeepsTheOldFileAndSaysWhy)
{
    const std::string path = folder.File("out.dat");
    test::WriteFileBytes(path, "old");
    SimulateWriteFailure(SimulatedWriteFailure::Rename);
    std::string error;
    EXPECT_FALSE(WriteOutputPreferenceFile(path, error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(test::ReadFileBytes(path), "old");
    EXPECT_EQ(SaveFileErrorMessage("disk full"), "The following error occurred while saving to file:\r\n\r\n      disk full");
}

} // namespace
} // namespace vq
