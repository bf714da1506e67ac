#include "files/printer_font.h"
#include "common/file_routines.h"
#include "common/program_identity.h"
#include "common/safe_file.h"
#include "common/session_state.h"
#include "files/settings_file.h"
#include "default_signals.h"
#include "fake_main_window_host.h"
#include "ordinary_user.h"
#include "recording_user_interface.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <future>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace vq {
namespace {

using test::ReadFileBytes;
using test::WriteFileBytes;

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetSessionState();
        ResetPrinterFontState();
        ResetSafeFileState();
        path = dir.File("Thermix2.ini");
        std::filesystem::current_path(dir.Path());
    }
    void TearDown() override
    {
        ResetSafeFileState();
        ResetSessionState();
    }
    std::string Cwd() const { return std::filesystem::current_path().string(); }
    // This copy rewrites "[Last Files]" of thisPath; another copy rewrites "[Property
    // Database]" of otherPath while this one is between its read and write. readPath
    // keeps both.
    void ExpectBothSectionsKeptFromCopiesAtOnce(const std::string& thisPath, const std::string& otherPath,
                                                const std::string& readPath)
    {
        std::future<bool> other;
        InterruptNextWrite([&] {
            other = std::async(std::launch::async, [&] {
                std::string error;
                return WritePropertyDatabaseSection(otherPath, error);
            });
            // Unless it waits for this copy, the other copy is done at once.
            other.wait_for(std::chrono::milliseconds(200));
        });
        RecentFiles[0] = "/data/x.vpq";
        UseIF97 = false;
        ASSERT_TRUE(WriteLastFilesSection(thisPath));
        ASSERT_TRUE(other.get());
        const std::string text = ReadFileBytes(readPath);
        EXPECT_NE(text.find("[Last Files]\r\n1=/data/x.vpq\r\n"), std::string::npos) << text;
        EXPECT_NE(text.find("[Property Database]\r\nProperty Database= 1\r\n"), std::string::npos) << text;
    }

    test::TempFolder dir;
    test::RecordingUserInterface ui;
    test::FakeMainWindowHost host;
    std::string path;
    test::WorkingFolderGuard workingFolder;
};

TEST_F(SettingsFileTest, AppendsMissingSectionsInEachLayout)
{
    WriteFileBytes(path, "ORM VAPOQUANT 2.0 INI FILE\r\n");
    UseIF97 = true;
    ASSERT_TRUE(WritePropertyDatabaseSection(path));
    EXPECT_EQ(ReadFileBytes(path), "ORM VAPOQUANT 2.0 INI FILE\r\n[Property Database]\r\nProperty Database= 0\r\n");

    host.tooltips = false;
    host.textStyle = 2;
    host.dockable = true;
    host.page = {720, 720, 1440, -1, 2, 9};
    ASSERT_TRUE(WriteToolbarSection(path, dir.File("VQUser2.tb")));
    RecentFiles = {"/home/u/a.vpq", "", "/home/u/c.vpq", ""};
    ASSERT_TRUE(WriteLastFilesSection(path));
    EXPECT_EQ(ReadFileBytes(path), "ORM VAPOQUANT 2.0 INI FILE\r\n"
                                   "[Property Database]\r\n"
                                   "Property Database= 0\r\n"
                                   "[Toolbar]\r\n"
                                   "ShowToolbarTooltips= False\r\n"
                                   "ToolbarsTextStyle= 2\r\n"
                                   "DockableMainMenu= True\r\n"
                                   "THERMIX PRINT=720,720,1440,-1,2,9\r\n"
                                   " \r\n"
                                   " \r\n"
                                   "[Last Files]\r\n"
                                   "1=/home/u/a.vpq\r\n"
                                   "3=/home/u/c.vpq\r\n"
                                   "LastWorkingDir=" + Cwd() + "\r\n"
                                   " \r\n");
    EXPECT_TRUE(host.savedLayouts.empty());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SettingsFileTest, ReplacesOnlyItsOwnSection)
{
    // Sections in odd spellings and spacing; the others must come back byte for byte.
    const std::string before = "ORM VAPOQUANT 2.0 INI FILE\r\n"
                               "[INI Controls]\r\n"
                               "EXE_Mode=1\r\n"
                               "  [property database]  \r\n"
                               "Property Database= 1\r\n"
                               "[Toolbar]\r\n"
                               "  odd = line  \r\n"
                               " \r\n"
                               "\r\n";
    WriteFileBytes(path, before);
    UseIF97 = true;
    ASSERT_TRUE(WritePropertyDatabaseSection(path));
    EXPECT_EQ(ReadFileBytes(path), "ORM VAPOQUANT 2.0 INI FILE\r\n"
                                   "[INI Controls]\r\n"
                                   "EXE_Mode=1\r\n"
                                   "  [property database]  \r\n"
                                   "Property Database= 0\r\n"
                                   "[Toolbar]\r\n"
                                   "  odd = line  \r\n"
                                   " \r\n"
                                   "\r\n");

    // A heading on the last line is found and not written again; an LF file becomes CR LF.
    WriteFileBytes(path, "X\n[Printer Font]");
    host.printerFont = {"Mono", 10.5f, true, false};
    ASSERT_TRUE(WritePrinterFontSection(path));
    EXPECT_EQ(ReadFileBytes(path), "X\r\n[Printer Font]\r\nName= Mono\r\nSize= 10.5\r\nItalic= False\r\nBold= True\r\n \r\n");

    // A duplicated section: the first is replaced, the second stays as it was.
    WriteFileBytes(path, "[Property Database]\r\nProperty Database= 1\r\n[PROPERTY DATABASE]\r\nProperty Database= 1\r\n");
    ASSERT_TRUE(WritePropertyDatabaseSection(path));
    EXPECT_EQ(ReadFileBytes(path),
              "[Property Database]\r\nProperty Database= 0\r\n[PROPERTY DATABASE]\r\nProperty Database= 1\r\n");
}

TEST_F(SettingsFileTest, AHeadingAfterBlanksEndsTheSectionBeforeIt)
{
    WriteFileBytes(path, "[Toolbar]\r\nShowToolbarTooltips= True\r\n [Property Database]\r\nProperty Database= 1\r\n");
    ReadPropertyDatabaseSection(path);
    ASSERT_FALSE(UseIF97);
    ASSERT_TRUE(WriteToolbarSection(path, dir.File("VQUser2.tb")));
    EXPECT_NE(ReadFileBytes(path).find("\r\n [Property Database]\r\nProperty Database= 1\r\n"), std::string::npos)
        << ReadFileBytes(path);
    UseIF97 = true;
    ReadPropertyDatabaseSection(path);
    EXPECT_FALSE(UseIF97) << "the next start still selects NBS";
}

TEST_F(SettingsFileTest, RewritingEachSectionKeepsTheOthersByteIdentical)
{
    WriteFileBytes(path, "ORM VAPOQUANT 2.0 INI FILE\r\n");
    host.band = ToolbarBandLayout{"Main", {1, 2, 3, 4, 5, 6}};
    RecentFiles[0] = "/data/x.vpq";
    host.printerFont = {"Serif", 12.0f, false, true};
    ASSERT_TRUE(WriteLastFilesSection(path));
    ASSERT_TRUE(WriteToolbarSection(path, dir.File("VQUser2.tb")));
    ASSERT_TRUE(WritePropertyDatabaseSection(path));
    ASSERT_TRUE(WritePrinterFontSection(path));
    const std::string all = ReadFileBytes(path);
    // Rewriting any section with the same contents gives the same bytes.
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(WritePrinterFontSection(path));
        ASSERT_TRUE(WriteLastFilesSection(path));
        ASSERT_TRUE(WritePropertyDatabaseSection(path));
        ASSERT_TRUE(WriteToolbarSection(path, dir.File("VQUser2.tb")));
        EXPECT_EQ(ReadFileBytes(path), all);
    }
    EXPECT_NE(all.find("Toolbar= Main,1,2,3,4,5,6\r\n"), std::string::npos);

    // Changing one section changes nothing else.
    UseIF97 = false;
    ASSERT_TRUE(WritePropertyDatabaseSection(path));
    std::string expected = all;
    expected.replace(expected.find("Property Database= 0"), 20, "Property Database= 1");
    EXPECT_EQ(ReadFileBytes(path), expected);
}

TEST_F(SettingsFileTest, CreatesAMissingFileAndReportsFailures)
{
    RecentFiles[0] = "/data/x.vpq";
    ASSERT_TRUE(WriteLastFilesSection(path));
    EXPECT_EQ(ReadFileBytes(path), " \r\n[Last Files]\r\n1=/data/x.vpq\r\nLastWorkingDir=" + Cwd() + "\r\n \r\n");

    // A line break inside a value cannot break the file's lines.
    RecentFiles[1] = "/data/two\r\n[Toolbar].vpq";
    ASSERT_TRUE(WriteLastFilesSection(path));
    EXPECT_NE(ReadFileBytes(path).find("\r\n2=/data/two  [Toolbar].vpq\r\n"), std::string::npos);
    RecentFiles[1].clear();
    ASSERT_TRUE(WriteLastFilesSection(path));

    const std::string old = ReadFileBytes(path);
    SimulateWriteFailure(SimulatedWriteFailure::Rename);
    RecentFiles[0] = "/data/y.vpq";
    EXPECT_FALSE(WriteLastFilesSection(path));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              "Error updating initialization file. User updates not made.\r\n" + path + ": Permission denied");
    EXPECT_EQ(ui.messages[0].style, MessageStyle::Information);
    EXPECT_EQ(ui.messages[0].title, ProgramTitle);
    // The toolbar, property database and printer font writers tell the same.
    EXPECT_FALSE(WriteToolbarSection(path, ""));
    EXPECT_FALSE(WritePropertyDatabaseSection(path));
    EXPECT_FALSE(WritePrinterFontSection(path));
    ASSERT_EQ(ui.messages.size(), 4u);
    for (const auto& message : ui.messages)
        EXPECT_EQ(message.text, ui.messages[0].text);
    EXPECT_EQ(ReadFileBytes(path), old);
    ui.messages.resize(1);
    ResetSafeFileState();

    // A settings path that is a folder.
    std::filesystem::create_directory(dir.File("folder.ini"));
    EXPECT_FALSE(WriteLastFilesSection(dir.File("folder.ini")));
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("folder.ini")));
    EXPECT_EQ(ui.messages.size(), 2u);

    // A folder that cannot be written (the superuser writes anyway).
    if (::geteuid() != 0) {
        std::filesystem::permissions(dir.Path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        EXPECT_FALSE(WriteLastFilesSection(path));
        std::filesystem::permissions(dir.Path(), std::filesystem::perms::owner_all);
        EXPECT_EQ(ReadFileBytes(path), old);
        EXPECT_EQ(ui.messages.size(), 3u);
    }
}

TEST_F(SettingsFileTest, TwoRunningCopiesRewritingSectionsAtOnceKeepBoth)
{
    ExpectBothSectionsKeptFromCopiesAtOnce(path, path, path);
}

TEST_F(SettingsFileTest, ALockPathThatIsNoPlainFileNeitherBlocksNorIsFollowed)
{
    if (!test::OrdinaryUserAvailable())
        GTEST_SKIP() << "no ordinary user to run as";
    // A named pipe that the user may only read: no one ever writes to it.
    const std::string lock = dir.File(".Thermix2.ini.lock");
    ASSERT_EQ(::mkfifo(lock.c_str(), 0444), 0);
    auto writeAsOrdinaryUser = [&] {
        test::DefaultSignalActions({SIGALRM});
        ::alarm(10); // a write that blocks fails the test
        std::string error;
        ::_exit(test::BecomeOrdinaryUser(dir.Path()) && WritePropertyDatabaseSection(path, error) ? 0 : 1);
    };
    EXPECT_EXIT(writeAsOrdinaryUser(), ::testing::ExitedWithCode(0), "");

    // A dangling link does not make its target.
    std::filesystem::remove(lock);
    std::filesystem::create_symlink(dir.File("elsewhere"), lock);
    EXPECT_TRUE(WritePropertyDatabaseSection(path));
    EXPECT_FALSE(std::filesystem::exists(dir.File("elsewhere")));
}

TEST_F(SettingsFileTest, CopiesTakeTurnsOnTheFolderWhereTheLockFileCannotBeUsed)
{
    const std::string lock = dir.File(".Thermix2.ini.lock");
    std::filesystem::create_directory(lock);
    ExpectBothSectionsKeptFromCopiesAtOnce(path, path, path);
    std::filesystem::remove(lock);
    std::filesystem::remove(path);
    std::filesystem::create_symlink(dir.File("elsewhere"), lock);
    ExpectBothSectionsKeptFromCopiesAtOnce(path, path, path);
}

TEST_F(SettingsFileTest, CopiesOfTwoUsersTakeTurnsWhereOneCannotOpenTheOthersLockFile)
{
    if (::geteuid() != 0 || !test::OrdinaryUserAvailable())
        GTEST_SKIP() << "no second user to run as";
    // A shared folder whose lock file the first user left readable only to itself.
    std::filesystem::permissions(dir.Path(), std::filesystem::perms::all);
    WriteFileBytes(path, "VAPOQUANT INI FILE\r\n");
    ::chmod(path.c_str(), 0666);
    const std::string lock = dir.File(".Thermix2.ini.lock");
    WriteFileBytes(lock, "");
    ::chmod(lock.c_str(), 0600);
    RecentFiles[0] = "/data/x.vpq";
    UseIF97 = false;
    // The second user's copy rewrites "[Property Database]" once told to go.
    int go[2];
    ASSERT_EQ(::pipe(go), 0);
    const pid_t other = ::fork();
    if (other == 0) {
        test::DefaultSignalActions({SIGALRM});
        ::alarm(20);
        char byte = 0;
        std::string error;
        const bool written = test::BecomeOrdinaryUser(dir.Path()) && ::read(go[0], &byte, 1) == 1 &&
                             WritePropertyDatabaseSection(path, error);
        ::_exit(written ? 0 : 1);
    }
    InterruptNextWrite([&] {
        ASSERT_EQ(::write(go[1], "x", 1), 1);
        // Unless it waits for this copy, the other copy is done by then.
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
    });
    EXPECT_TRUE(WriteLastFilesSection(path));
    int status = 0;
    ASSERT_EQ(::waitpid(other, &status, 0), other);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ::close(go[0]);
    ::close(go[1]);
    const std::string text = ReadFileBytes(path);
    EXPECT_NE(text.find("[Last Files]\r\n1=/data/x.vpq\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("[Property Database]\r\nProperty Database= 1\r\n"), std::string::npos) << text;
}

TEST_F(SettingsFileTest, ASettingsFolderThatCannotBeMadeIsToldWithTheReason)
{
    if (!test::OrdinaryUserAvailable())
        GTEST_SKIP() << "no ordinary user to run as";
    // A home folder the user may not write, with no settings folder in it yet.
    const std::filesystem::path home = dir.Path() / "home";
    std::filesystem::create_directory(home);
    std::filesystem::permissions(home, std::filesystem::perms(0555));
    auto exitAsOrdinaryUser = [&] {
        if (!test::BecomeOrdinaryUser(dir.Path()))
            ::_exit(2);
        ::unsetenv("VAPOQUANT_CONFIG_DIR");
        ::unsetenv("XDG_CONFIG_HOME");
        ::setenv("HOME", home.c_str(), 1);
        const bool written = WriteLastFilesSection(GetWindowsFolder() + "/Thermix2.ini");
        std::fputs(ui.LastMessage().c_str(), stderr);
        ::_exit(written ? 1 : 0);
    };
    EXPECT_EXIT(exitAsOrdinaryUser(), ::testing::ExitedWithCode(0), "/Vapoquant/Thermix2.ini: Permission denied$");
}

TEST_F(SettingsFileTest, SettingsFilesLinkedToOneFileTakeTurnsAndStayLinks)
{
    // Two settings folders whose settings files a dotfile manager links to one file.
    for (const char* folder : {"dotfiles", "one", "two"})
        std::filesystem::create_directory(dir.File(folder));
    const std::string shared = dir.File("dotfiles/Thermix2.ini");
    WriteFileBytes(shared, "VAPOQUANT INI FILE\r\n");
    std::filesystem::create_symlink(shared, dir.File("one/Thermix2.ini"));
    std::filesystem::create_symlink("../dotfiles/Thermix2.ini", dir.File("two/Thermix2.ini"));
    ExpectBothSectionsKeptFromCopiesAtOnce(dir.File("one/Thermix2.ini"), dir.File("two/Thermix2.ini"), shared);
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("one/Thermix2.ini")));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("two/Thermix2.ini")));

    // A link whose file is not there yet makes it.
    std::filesystem::remove(shared);
    EXPECT_TRUE(WritePropertyDatabaseSection(dir.File("two/Thermix2.ini")));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("two/Thermix2.ini")));
    EXPECT_EQ(ReadFileBytes(shared), "[Property Database]\r\nProperty Database= 1\r\n");
}

TEST_F(SettingsFileTest, ToolbarWriterSavesAChangedLayoutFirst)
{
    host.layoutChanged = true;
    ASSERT_TRUE(WriteToolbarSection(path, "/cfg/VQUser2.tb"));
    EXPECT_EQ(host.savedLayouts, std::vector<std::string>{"/cfg/VQUser2.tb"});
    EXPECT_FALSE(host.layoutChanged);
    ASSERT_TRUE(WriteToolbarSection(path, "/cfg/VQUser2.tb"));
    EXPECT_EQ(host.savedLayouts.size(), 1u);
}

TEST_F(SettingsFileTest, ReadsAndRewritesFilesWithLoneCarriageReturns)
{
    WriteFileBytes(path, "VAPOQUANT INI FILE\r[Property Database]\rProperty Database= 1\r");
    UseIF97 = true;
    ASSERT_TRUE(WritePropertyDatabaseSection(path));
    EXPECT_EQ(ReadFileBytes(path), "VAPOQUANT INI FILE\r\n[Property Database]\r\nProperty Database= 0\r\n");

    WriteFileBytes(path, "[Last Files]\r1=/a/one.vpq\r2=/b/two.vpq\r[Printer Font]\rName= Mono\rSize= 12\r"
                         "Italic= False\rBold= True\r");
    ReadLastFilesSection(path);
    EXPECT_EQ(RecentFiles[0], "/a/one.vpq");
    EXPECT_EQ(RecentFiles[1], "/b/two.vpq");
    ReadPrinterFontSection(path);
    EXPECT_EQ(host.printerFont, (PrinterFontInfo{"Mono", 12.0f, true, false}));
}

TEST_F(SettingsFileTest, ReadsLastFiles)
{
    RecentFiles = {"", "/keep/two.vpq", "", "/keep/four.vpq"};
    std::filesystem::create_directory(dir.File("work"));
    WriteFileBytes(path, "[Toolbar]\n1=/not/this.vpq\n[last files]\r\n1=/opt/vapoquant/one.vpq\r\n3=/data/three.vpq  \r\n"
                         "LastWorkingDir= " + dir.File("work") + "\r\n \r\n");
    ReadLastFilesSection(path);
    EXPECT_EQ(RecentFiles, (std::array<std::string, 4>{"/opt/vapoquant/one.vpq", "/keep/two.vpq", "/data/three.vpq",
                                                        "/keep/four.vpq"}));
    EXPECT_EQ(Cwd(), dir.File("work"));
    EXPECT_EQ(host.captions[1011], "&1 one.vpq") << "a document in the program folder shows its name alone";
    EXPECT_EQ(host.captions[1012], "&2 /keep/two.vpq");
    EXPECT_EQ(host.captions[1013], "&3 /data/three.vpq");
    EXPECT_EQ(host.captionBands[1011], "");
    EXPECT_TRUE(host.visible[1011] && host.visible[1012] && host.visible[1013] && host.visible[1014]);

    // A missing working folder and a missing file are silent; the menu is refreshed anyway.
    WriteFileBytes(path, "[Last Files]\r\n2=/x.vpq\r\nLastWorkingDir=/no/such/folder\r\n");
    host.captions.clear();
    ReadLastFilesSection(path);
    EXPECT_EQ(RecentFiles[1], "/x.vpq");
    EXPECT_EQ(Cwd(), dir.File("work"));
    EXPECT_EQ(host.captions.count(1012), 0u) << "a path whose only / is the first character keeps its caption";
    EXPECT_TRUE(host.visible[1012]);
    ReadLastFilesSection(dir.File("none.ini"));
    EXPECT_TRUE(ui.messages.empty());
}

} // namespace
} // namespace vq

namespace vq {
namespace {

TEST_F(SettingsFileTest, ReadsIniControls)
{
    for (auto [value, trap] : {std::pair{"-1", true}, {"0", false}, {"2", true}, {"abc", false}}) {
        TrapErrors = !trap;
        WriteFileBytes(path, std::string("X\r\n[ini controls]\r\nEXE_Mode= ") + value + "\r\n");
        ReadIniControlsSection(path);
        EXPECT_EQ(TrapErrors, trap) << value;
    }
    // No key, no section, no file: the switch keeps its value and nothing is said.
    for (const char* text : {"[INI Controls]\r\nOther=1\r\n", "[Toolbar]\r\n", ""}) {
        WriteFileBytes(path, text);
        TrapErrors = false;
        ReadIniControlsSection(path);
        EXPECT_FALSE(TrapErrors);
    }
    ReadIniControlsSection(dir.File("none.ini"));
    EXPECT_TRUE(ui.messages.empty());

    // An empty section followed by more of the file is reported.
    WriteFileBytes(path, "[INI Controls]\r\n[Toolbar]\r\n");
    ReadIniControlsSection(path);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Error reading " + path + " [INI Controls] section.Vapoquant default parameters were used."
                                   "\r\nOpening " + path);
    EXPECT_EQ(ui.messages[0].style, MessageStyle::Exclamation);
    EXPECT_EQ(ui.beeps, 1);
}

TEST_F(SettingsFileTest, ReadsToolbarBackFromItsWriter)
{
    host.band = ToolbarBandLayout{"Main", {1, 200, 3, 400, 500, 600}};
    host.tooltips = false;
    host.textStyle = 3;
    host.dockable = true;
    host.page = {100, 200, 300, 400, 2, 9};
    ASSERT_TRUE(WriteToolbarSection(path, ""));
    const std::string layout = dir.File("VQUser2.tb");
    WriteFileBytes(layout, "layout");

    test::FakeMainWindowHost fresh;
    fresh.band = ToolbarBandLayout{"Main", {}};
    ReadToolbarSection(path, layout);
    EXPECT_EQ(fresh.bandValues, (std::array<std::int32_t, 6>{1, 200, 3, 400, 500, 600}));
    EXPECT_EQ(fresh.bandLog, (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(fresh.loadedLayouts, std::vector<std::string>{layout + "|Main"}) << "band value 1 loads the user layout";
    EXPECT_FALSE(fresh.tooltips);
    EXPECT_EQ(fresh.textStyle, 3);
    EXPECT_TRUE(fresh.dockable);
    EXPECT_EQ(fresh.page, (PageSettings{100, 200, 300, 400, 2, 9}));
    EXPECT_EQ(fresh.relayouts, 1);
}

TEST_F(SettingsFileTest, ToolbarReaderSkipsBadFields)
{
    WriteFileBytes(path, "[Toolbar]\r\nToolbar= Main,2,x,70000,4\r\nTHERMIX PRINT=1,2,top,4,99999,7\r\n");
    host.page = {-1, -1, -1, -1, 0, 0};
    ReadToolbarSection(path, dir.File("VQUser2.tb"));
    EXPECT_EQ(host.bandLog, (std::vector<int>{0, 3}))
        << "a word in a 32-bit field and a 16-bit field out of range are skipped";
    EXPECT_EQ(host.bandValues[0], 2);
    EXPECT_EQ(host.bandValues[3], 4);
    EXPECT_TRUE(host.loadedLayouts.empty());
    EXPECT_EQ(host.page, (PageSettings{1, 2, -1, 4, 0, 7}));

    // A truth value that is not one is skipped; the page settings after it still read.
    WriteFileBytes(path, "[Toolbar]\r\nShowToolbarTooltips= maybe\r\nTHERMIX PRINT=9,9,9,9,9,9\r\n");
    ReadToolbarSection(path, "");
    EXPECT_EQ(host.page.MarginLeft, 9);
    EXPECT_EQ(host.relayouts, 2);
}

TEST_F(SettingsFileTest, ReadsPropertyDatabase)
{
    WriteFileBytes(path, "[Property Database]\r\nProperty Database= 1\r\n");
    ReadPropertyDatabaseSection(path);
    EXPECT_FALSE(UseIF97);
    EXPECT_EQ(host.toolLog, (std::vector<int>{-ToolPropertyIF97, ToolPropertyNBS}));
    EXPECT_EQ(host.sourceCaption, "NBS Steam Tables (1984)");
    for (const char* text : {"[Property Database]\r\nProperty Database= 2\r\n", "[Property Database]\r\nProperty Database= \r\n",
                             "[Property Database]\r\n", "junk"}) {
        WriteFileBytes(path, text);
        ReadPropertyDatabaseSection(path);
        EXPECT_FALSE(UseIF97) << text;
    }
    WriteFileBytes(path, "[Property Database]\r\nProperty Database= 0,1\r\n");
    ReadPropertyDatabaseSection(path);
    EXPECT_TRUE(UseIF97);
    EXPECT_EQ(host.sourceCaption, "ASME Steam Tables (IAPWS-IF97)");
    EXPECT_TRUE(host.GetToolChecked(ToolPropertyIF97));
    EXPECT_FALSE(host.GetToolChecked(ToolPropertyNBS));
}

} // namespace
} // namespace vq
