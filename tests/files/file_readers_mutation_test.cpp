// Every reader of the program's files over a few thousand mutations of a valid file:
// no crash, and what the reader promises still holds.
#include "files/calculation_defaults.h"
#include "common/common_dialog_errors.h"
#include "files/document_file.h"
#include "common/preference_records.h"
#include "files/printer_font.h"
#include "common/safe_file.h"
#include "common/search_paths.h"
#include "common/session_state.h"
#include "files/settings_file.h"
#include "fake_main_window_host.h"
#include "file_mutations.h"
#include "preferences/output_mod.h"
#include "files/preference_files.h"
#include "program_tables.h"
#include "recording_user_interface.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>

namespace vq {
namespace {

using test::ReadFileBytes;
using test::WriteFileBytes;

constexpr int Mutations = test::MutationsPerReader;

class FileReadersMutationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::SetUpProgramTables();
        ResetPrinterFontState();
        ResetSafeFileState();
        savedSettings = SettingsFilePath;
        SettingsFilePath = dir.File("Thermix2.ini");
    }
    void TearDown() override
    {
        SettingsFilePath = savedSettings;
        ResetSafeFileState();
        ReleaseOutputParams();
        ResetSessionState();
    }
    // The gauge base every reader must leave usable.
    static void ExpectUsableAtmosphere(const std::string& text)
    {
        EXPECT_TRUE(std::isfinite(UnitPrefs.AtmosphericPressurePsia) && UnitPrefs.AtmosphericPressurePsia >= 0) << text;
    }

    test::TempFolder dir;
    test::RecordingUserInterface ui;
    test::FakeMainWindowHost host;
    std::string savedSettings;
    test::WorkingFolderGuard workingFolder;
};

TEST_F(FileReadersMutationTest, Documents)
{
    const std::string doc = dir.File("case.vpq");
    host.inputs[0] = {1, "Pressure", "psia", "100", "", ""};
    host.inputs[1] = {2, "Temperature", "deg. F", "500", "", ""};
    ASSERT_TRUE(WriteInputFile(doc));
    test::FileMutator mutator(ReadFileBytes(doc), 14);
    // Recent files are not written, so that the loop stays quick.
    SimulateWriteFailure(SimulatedWriteFailure::Create);
    for (int i = 0; i < Mutations; ++i) {
        const std::string text = mutator.Next();
        WriteFileBytes(doc, text);
        ui.Clear();
        CurrentInputFile.clear();
        bool cancelled = false;
        if (ReadInputFile(doc, cancelled)) {
            EXPECT_FALSE(cancelled) << text;
            EXPECT_EQ(CurrentInputFile, doc) << text;
            EXPECT_TRUE(DocumentSaved) << text;
        } else {
            EXPECT_TRUE(cancelled) << text;
            EXPECT_FALSE(ui.messages.empty() && ui.questions.empty()) << "a refusal is not silent: " << text;
        }
        ExpectUsableAtmosphere(text);
    }
}

TEST_F(FileReadersMutationTest, SettingsFileSections)
{
    const std::string& path = SettingsFilePath;
    WriteFileBytes(path, "ORM VAPOQUANT 2.0 INI FILE\r\n[INI Controls]\r\nEXE_Mode= 0\r\n");
    RecentFiles = {dir.File("a.vpq"), "", dir.File("c.vpq"), ""};
    host.page = {720, 720, 1440, 1440, 1, 9};
    host.printerFont = {"Serif", 11.0f, false, true};
    ASSERT_TRUE(WriteLastFilesSection(path) && WriteToolbarSection(path, dir.File("VQUser2.tb")) &&
                WritePropertyDatabaseSection(path) && WritePrinterFontSection(path) &&
                WriteUnitPreferencesSection(path) && WriteOutputPreferencesSection(path));
    test::FileMutator mutator(ReadFileBytes(path), 15);
    for (int i = 0; i < Mutations; ++i) {
        const std::string text = mutator.Next();
        WriteFileBytes(path, text);
        ResetPrinterFontState();
        LoadSettingsAtStartup(path, dir.File("VQUser2.tb"));
        ReadIniControlsSection(path);
        ReadUnitPreferencesSection(path);
        ReadOutputPreferencesSection(path);
        std::filesystem::current_path(workingFolder.Folder());
        EXPECT_TRUE(PrintFontSize == 0 || (PrintFontSize >= SmallestReportFontSize && PrintFontSize <= LargestReportFontSize))
            << text;
        for (const std::string& file : RecentFiles)
            EXPECT_EQ(file.find_first_of("\r\n"), std::string::npos) << text;
        ExpectUsableAtmosphere(text);

        // A rewritten section reads back as written (in some rounds: a rewrite waits for the disk).
        if (i % 10 != 0)
            continue;
        const bool written = !UseIF97;
        UseIF97 = written;
        ASSERT_TRUE(WritePropertyDatabaseSection(path)) << text;
        UseIF97 = !written;
        ReadPropertyDatabaseSection(path);
        EXPECT_EQ(UseIF97, written) << text;
    }
}

TEST_F(FileReadersMutationTest, PreferenceFiles)
{
    const std::string units = dir.File("units.dat");
    const std::string output = dir.File("output.dat");
    std::string error;
    ASSERT_TRUE(WriteUnitPreferenceFile(units, error) && WriteOutputPreferenceFile(output, error)) << error;
    test::FileMutator unitMutator(ReadFileBytes(units), 16);
    test::FileMutator outputMutator(ReadFileBytes(output), 17);
    for (int i = 0; i < Mutations; ++i) {
        const std::string unitText = unitMutator.Next();
        WriteFileBytes(units, unitText);
        const UnitPreferences unitsBefore = UnitPrefs;
        std::string why;
        if (!ReadUnitPreferenceFile(units, why)) {
            EXPECT_EQ(UnitPrefs, unitsBefore) << "a refused file changes nothing: " << unitText;
            EXPECT_FALSE(why.empty()) << "a refused file says why: " << unitText;
        }
        ExpectUsableAtmosphere(unitText);

        const std::string outputText = outputMutator.Next();
        WriteFileBytes(output, outputText);
        const OutputPreferences outputBefore = OutputPrefs;
        if (!ReadOutputPreferenceFile(output, why)) {
            EXPECT_EQ(OutputPrefs, outputBefore) << "a refused file changes nothing: " << outputText;
            EXPECT_FALSE(why.empty()) << "a refused file says why: " << outputText;
        }
        EXPECT_TRUE(OutputPrefs.NumParams >= 0 && OutputPrefs.NumParams <= NumOutputParams) << outputText;
    }
}

TEST_F(FileReadersMutationTest, ControlFile)
{
    const char* old = std::getenv("VAPOQUANT_CONFIG_DIR");
    const std::string savedConfig = old ? old : "";
    setenv("VAPOQUANT_CONFIG_DIR", dir.Path().c_str(), 1);
    std::filesystem::create_directory(dir.File("shared"));
    WriteFileBytes(dir.File("shared/Thermix2.ini"), "x");
    test::FileMutator mutator("Vapoquant control file\r\n\r\n[SEARCH PATHS]\r\nINIFilePath= " + dir.File("none") + "," +
                                  dir.File("shared") + "\r\nCustomTBPath= ./tb,  " + dir.File("shared") +
                                  "\r\nInternalTBPath= .\r\n",
                              18);
    for (int i = 0; i < Mutations; ++i) {
        const std::string text = mutator.Next();
        WriteFileBytes(dir.File("Control.orm"), text);
        ReadControlFile();
        for (int entry : {SettingsFilePathEntry, CustomToolbarPathEntry, InternalToolbarPathEntry}) {
            ASSERT_TRUE(PathObjects[static_cast<std::size_t>(entry)].has_value());
            const CPathObj& p = *PathObjects[static_cast<std::size_t>(entry)];
            EXPECT_TRUE(p.PathIndex() >= -1 && p.PathIndex() <= p.NumPaths()) << text;
            EXPECT_TRUE(p.FileNameAndPath().ends_with("/" + p.FileName)) << text;
        }
    }
    ReleasePathObjects();
    if (old)
        setenv("VAPOQUANT_CONFIG_DIR", savedConfig.c_str(), 1);
    else
        unsetenv("VAPOQUANT_CONFIG_DIR");
}

TEST_F(FileReadersMutationTest, SupportFile)
{
    const std::string path = dir.File("support.txt");
    std::string valid;
    for (int i = 1; i <= 12; ++i)
        valid += "Support line " + std::to_string(i) + "\r\n";
    test::FileMutator mutator(valid, 19);
    for (int i = 0; i < Mutations; ++i) {
        const std::string text = mutator.Next();
        WriteFileBytes(path, text);
        const std::string shown = ReadSupportFile(path);
        const std::vector<std::string> lines = SplitFileLines(shown);
        EXPECT_LE(lines.size(), 9u) << text;
        EXPECT_EQ(JoinFileLines(lines), shown) << "whole lines with CR LF: " << text;
    }
}

} // namespace
} // namespace vq
