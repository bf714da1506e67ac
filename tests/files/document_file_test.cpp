#include "files/calculation_defaults.h"
#include "files/document_file.h"
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
#include "units/pressure_temperature.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vq {
namespace {

using test::ReadFileBytes;
using test::WriteFileBytes;

class DocumentFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetSessionState();
        ResetPrinterFontState();
        ResetPreferenceRecords();
        ResetSafeFileState();
        BuildUnitFamilies();
        InitOutputParams();
        savedPath = SettingsFilePath;
        SettingsFilePath = dir.File("Thermix2.ini");
        ResetCalculationDefaults();
        host.toolLog.clear();
        doc = dir.File("case.vpq");
    }
    void TearDown() override
    {
        SettingsFilePath = savedPath;
        ResetSafeFileState();
        ResetSessionState();
    }

    // A set-up that differs from the defaults in every part a document holds.
    void ChangeEverything(int mode, int code1)
    {
        host.mode = mode;
        host.inputs[0] = {code1, "Property " + std::to_string(code1), code1 >= 9 ? "" : "bar", code1 >= 9 ? "0" : "0.1",
                          mode > 0 ? "12.5" : "", mode > 1 ? "-0.25" : ""};
        host.inputs[1] = {2, "Property 2", "deg. C", "250", mode > 0 ? "300" : "", mode > 1 ? "10" : ""};
        if (code1 >= 9)
            host.inputs[0].end = host.inputs[0].increment = "";
        SelectPropertyDatabase(false);
        UnitPrefs.UnitSystem = UnitSystemSI;
        UnitPrefs.PreferredUnits[PressureFamily] = "bar";
        UnitPrefs.AtmosphericPressure = 0.1;
        UnitPrefs.AtmosphericPressureUnits = "MPa";
        UnitPrefs.AtmosphericPressurePsia = ConvertPressure(0.1, "MPa", "psia");
        OutputPrefs.Digits = 3;
        OutputPrefs.ColumnAlignment = 2;
        OutputPrefs.RowColOrder = {1, 0};
    }

    test::TempFolder dir;
    test::RecordingUserInterface ui;
    test::FakeMainWindowHost host;
    std::string savedPath;
    std::string doc;
};

TEST_F(DocumentFileTest, LinesOfAWrittenDocument)
{
    host.mode = 1;
    host.inputs[0] = {1, "Pressure", "psia", "100", "200", ""};
    host.inputs[1] = {9, "Sat. Liquid", "", "", "", ""};
    ASSERT_TRUE(WriteInputFile(doc));
    const std::string bytes = ReadFileBytes(doc);
    const std::vector<std::string> lines = SplitFileLines(bytes);
    ASSERT_EQ(lines.size(), 63u);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    EXPECT_EQ(bytes.find("\n"), bytes.find("\r\n") + 1);
    const std::vector<std::string> head(lines.begin(), lines.begin() + 13);
    EXPECT_EQ(head, (std::vector<std::string>{"Orm Vapoquant Version 2.0 Input File", "", "[APPLICATION]",
                                              "AppName= Vapoquant", "Version= 08020015", " ", "[INPUT PREFERENCES]",
                                              "Prop Type= 1", "PropertyDatabase= 0", "Property #1=1,Pressure,psia,1,100,200",
                                              "Property #2=9,Sat. Liquid,,1,,", " ", "[OUTPUT PREFERENCES]"}));
    EXPECT_EQ(lines[13].rfind("Property Order= ", 0), 0u);
    EXPECT_EQ(lines[21].rfind("Row Col Order= ", 0), 0u);
    EXPECT_EQ(lines[22], " ");
    EXPECT_EQ(lines[23], "[UNIT PREFERENCES]");
    EXPECT_EQ(lines[24], "Unit System=  0 ");
    EXPECT_EQ(lines[62], "Atmospheric Pressure= 1,atm");
    EXPECT_TRUE(DocumentSaved);
}

TEST_F(DocumentFileTest, RoundTripOfEveryModeAndProperty)
{
    for (int mode = 0; mode <= 2; ++mode) {
        for (int code : {1, 2, 3, 4, 5, 6, 8, 9, 10}) {
            SCOPED_TRACE("mode " + std::to_string(mode) + " code " + std::to_string(code));
            ChangeEverything(mode, code);
            DocumentSaved = false;
            ASSERT_TRUE(WriteInputFile(doc));
            const auto inputs = host.inputs;
            const UnitPreferences units = UnitPrefs;
            const OutputPreferences output = OutputPrefs;

            ResetCalculationDefaults();
            SelectPropertyDatabase(true);
            host.mode = 0;
            host.inputs = {};
            // The document's unit preferences are in place before its inputs are applied.
            std::vector<int> systemsSeen;
            host.onSelectUnits = [&] { systemsSeen.push_back(UnitPrefs.UnitSystem); };
            bool cancelled = false;
            ASSERT_TRUE(ReadInputFile(doc, cancelled));
            host.onSelectUnits = nullptr;
            EXPECT_FALSE(cancelled);
            EXPECT_FALSE(systemsSeen.empty());
            for (int system : systemsSeen)
                EXPECT_EQ(system, UnitSystemSI);
            EXPECT_EQ(host.mode, mode);
            EXPECT_EQ(host.inputs[0], inputs[0]);
            EXPECT_EQ(host.inputs[1], inputs[1]);
            EXPECT_FALSE(UseIF97);
            EXPECT_EQ(UnitPrefs, units);
            EXPECT_EQ(OutputPrefs, output);
            EXPECT_EQ(CurrentInputFile, doc);
            EXPECT_EQ(DocumentName, "case.vpq");
            EXPECT_EQ(RecentFiles[0], doc);
            EXPECT_TRUE(DocumentSaved);
            EXPECT_TRUE(ui.messages.empty()) << ui.LastMessage();
        }
    }
    // The recent files went to the settings file.
    EXPECT_NE(ReadFileBytes(SettingsFilePath).find("1=" + doc + "\r\n"), std::string::npos);
}

TEST_F(DocumentFileTest, RefusedFilesChangeNothing)
{
    CurrentInputFile = "/old/doc.vpq";
    DocumentName = "doc.vpq";
    auto refused = [&](const std::string& path, const std::string& message) {
        ui.Clear();
        bool cancelled = false;
        EXPECT_FALSE(ReadInputFile(path, cancelled));
        EXPECT_TRUE(cancelled);
        EXPECT_EQ(ui.LastMessage(), message);
        EXPECT_EQ(CurrentInputFile, "/old/doc.vpq");
        EXPECT_EQ(DocumentName, "doc.vpq");
        EXPECT_EQ(host.newDocuments, 0);
    };
    refused(dir.File("none.vpq"), "The following file does not exist:\r\n\r\n" + dir.File("none.vpq"));
    refused(dir.Path().string(), "The following file does not exist:\r\n\r\n" + dir.Path().string());
    WriteFileBytes(doc, "Orm Vapoquant Versio\r\n");
    refused(doc, "Input file is not an Orm Vapoquant input file.");
    WriteFileBytes(doc, "  orm vapoquant version 1.5 input file  \r\n[INPUT PREFERENCES]\r\n");
    refused(doc, "Cannot open Orm Vapoquant Version 1.5 input file.");

    // A newer version asks; No refuses, Yes opens.
    ASSERT_TRUE(WriteInputFile(doc));
    std::string bytes = ReadFileBytes(doc);
    bytes.replace(bytes.find("2.0"), 3, "2.5");
    WriteFileBytes(doc, bytes);
    ui.answers = {Answer::No};
    refused(doc, "");
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0].text, "Input file is from a later version of Orm Vapoquant than that which you are currently "
                                    "running. The file format may not be consistent with Orm Vapoquant 2.0. Do you want "
                                    "to try to open the file anyway?");
    ui.answers = {Answer::Yes};
    bool cancelled = false;
    EXPECT_TRUE(ReadInputFile(doc, cancelled));
    EXPECT_EQ(CurrentInputFile, doc);
}

TEST_F(DocumentFileTest, MissingSectionsAreReported)
{
    ASSERT_TRUE(WriteInputFile(doc));
    std::string bytes = ReadFileBytes(doc);
    WriteFileBytes(doc, bytes.substr(0, bytes.find("[UNIT PREFERENCES]")));
    UnitPrefs.PreferredUnits[PressureFamily] = "bar";
    bool cancelled = false;
    EXPECT_TRUE(ReadInputFile(doc, cancelled));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "An error occurred reading file into Orm Vapoquant.\r\nCan't find [Unit Preferences] "
                                   "heading.\r\nUsing Vapoquant defaults.");
    EXPECT_EQ(UnitPrefs.PreferredUnits[PressureFamily], GetDefaultUnits(PressureFamily, UnitPrefs.UnitSystem));

    // Without its input section the document is refused before anything of it is applied.
    ui.Clear();
    WriteFileBytes(doc, "Orm Vapoquant Version 2.0 Input File\r\n[OUTPUT PREFERENCES]\r\nDigits= 3\r\n");
    OutputPrefs.Digits = 5;
    EXPECT_FALSE(ReadInputFile(doc, cancelled));
    EXPECT_TRUE(cancelled);
    ASSERT_GE(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages.back().text, "An error occurred reading file into Orm Vapoquant.\r\nCan't find [INPUT "
                                       "PREFERENCES] heading");
    EXPECT_EQ(OutputPrefs.Digits, 5) << "the set-up stays";
    EXPECT_EQ(host.newDocuments, 0);
}

TEST_F(DocumentFileTest, AUnitSectionCutShortGivesTheWholeDefaultUnitPreferences)
{
    // A Range document in SI units, with the English lengths not in use.
    ChangeEverything(2, 1);
    const CUnitFamily* length = UnitFamilies[LengthFamily].get();
    for (int p = 1; p <= length->NumUnits(); ++p)
        if (length->UnitType(p)->UnitSystem == UnitSystemEnglish)
            length->UnitType(p)->ListState = UnitNotInUse;
    ASSERT_TRUE(WriteInputFile(doc));
    const std::string bytes = ReadFileBytes(doc);
    ASSERT_NE(bytes.find("Length Units=cm,*feet,*inches,km,meters,*microinches,*miles,mm \r\n"), std::string::npos) << bytes;
    WriteFileBytes(doc, bytes.substr(0, bytes.find("Area Units=") + 8));

    bool cancelled = false;
    EXPECT_TRUE(ReadInputFile(doc, cancelled, true));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "An error occurred reading file into Orm Vapoquant.\r\nCan't find variable name "
                                   "Kinematic Viscosity Units.\r\nUsing Vapoquant defaults.");
    EXPECT_EQ(UnitPrefs.UnitSystem, UnitSystemGeneral);
    length = UnitFamilies[LengthFamily].get();
    for (int p = 1; p <= length->NumUnits(); ++p)
        EXPECT_EQ(length->UnitType(p)->ListState, UnitInUse) << length->UnitType(p)->Name;
    EXPECT_EQ(UnitPrefs.PreferredUnits[PressureFamily], GetDefaultUnits(PressureFamily, UnitSystemGeneral));
    EXPECT_EQ(UnitPrefs.AtmosphericPressureUnits, "atm");
    EXPECT_EQ(UnitPrefs.AtmosphericPressure, 1.0);
    EXPECT_EQ(OutputPrefs.Digits, 3) << "the output section is still read";
}

TEST_F(DocumentFileTest, TruncatedAndGarbledDocumentsNeverCrash)
{
    ChangeEverything(2, 1);
    ASSERT_TRUE(WriteInputFile(doc));
    const std::vector<std::string> lines = SplitFileLines(ReadFileBytes(doc));
    for (size_t n = 0; n < lines.size(); ++n) {
        SCOPED_TRACE("first " + std::to_string(n) + " lines");
        WriteFileBytes(doc, JoinFileLines(std::vector<std::string>(lines.begin(), lines.begin() + n)));
        ui.Clear();
        bool cancelled = false;
        bool opened = ReadInputFile(doc, cancelled);
        EXPECT_NE(opened, cancelled);
        if (!opened) {
            EXPECT_FALSE(ui.messages.empty());
        }
        if (n == 0) {
            EXPECT_EQ(ui.LastMessage(), "An error occurred reading file into Orm Vapoquant.\r\nChecking Vapoquant Version");
        }
    }
    for (const char* garbage : {"", "#,,", "-99999999999999999999", "x=y", ",,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,"}) {
        for (size_t i = 1; i < lines.size(); ++i) {
            std::vector<std::string> bad = lines;
            size_t eq = bad[i].find('=');
            bad[i] = (eq == std::string::npos ? std::string() : bad[i].substr(0, eq + 1)) + garbage;
            WriteFileBytes(doc, JoinFileLines(bad));
            bool cancelled = false;
            bool opened = ReadInputFile(doc, cancelled);
            EXPECT_NE(opened, cancelled) << i << " " << garbage;
            EXPECT_GE(OutputPrefs.NumParams, 0);
            EXPECT_LE(OutputPrefs.NumParams, NumOutputParams);
        }
    }
    // A mode outside 0 to 2 and an unknown property are read failures with a message.
    for (auto [index, line] : {std::pair{7, "Prop Type= 7"}, {9, "Property #1=77,X,Y,0,1"}}) {
        std::vector<std::string> bad = lines;
        bad[index] = line;
        WriteFileBytes(doc, JoinFileLines(bad));
        ui.Clear();
        bool cancelled = false;
        EXPECT_FALSE(ReadInputFile(doc, cancelled)) << line;
        EXPECT_EQ(ui.LastMessage(), "An error occurred reading file into Orm Vapoquant.\r\nReading Input Values");
    }
}

TEST_F(DocumentFileTest, FailedSaveKeepsTheOldFile)
{
    ASSERT_TRUE(WriteInputFile(doc));
    const std::string old = ReadFileBytes(doc);
    ChangeEverything(1, 2);
    DocumentSaved = false;
    SimulateWriteFailure(SimulatedWriteFailure::Write);
    EXPECT_FALSE(WriteInputFile(doc));
    ResetSafeFileState();
    EXPECT_FALSE(DocumentSaved);
    EXPECT_EQ(ReadFileBytes(doc), old);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.rfind("The following error has occurred during file save to disk:\r\n      ", 0), 0u);
    EXPECT_EQ(ui.messages[0].style, MessageStyle::Exclamation);

    std::filesystem::create_directory(dir.File("folder.vpq"));
    EXPECT_FALSE(WriteInputFile(dir.File("folder.vpq")));
    EXPECT_FALSE(WriteInputFile(dir.File("no/such/folder.vpq")));
    EXPECT_EQ(ui.messages.size(), 3u);
    EXPECT_FALSE(DocumentSaved);
}

} // namespace
} // namespace vq
