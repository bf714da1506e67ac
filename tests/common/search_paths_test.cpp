#include "common/search_paths.h"
#include "recording_user_interface.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>

namespace vq {
namespace {

namespace fs = std::filesystem;

// A temporary tree with a program folder, a configuration folder and a shared
// folder; the configuration folder stands in for the user's folder.
class SearchPathsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root_ = folder_.Path();
        fs::create_directories(root_ / "program");
        fs::create_directories(root_ / "config");
        fs::create_directories(root_ / "shared");
        const char* old = std::getenv("VAPOQUANT_CONFIG_DIR");
        savedConfig_ = old ? std::optional<std::string>(old) : std::nullopt;
        setenv("VAPOQUANT_CONFIG_DIR", Dir("config").c_str(), 1);
        SetProgramFolder(Dir("program"));
        cwd_ = fs::current_path();
    }
    void TearDown() override
    {
        EXPECT_EQ(fs::current_path(), cwd_) << "the current directory must not change";
        ReleasePathObjects();
        SetProgramFolder("");
        if (savedConfig_)
            setenv("VAPOQUANT_CONFIG_DIR", savedConfig_->c_str(), 1);
        else
            unsetenv("VAPOQUANT_CONFIG_DIR");
    }

    std::string Dir(const std::string& sub) const { return (root_ / sub).string(); }
    void Touch(const std::string& sub, const std::string& name, const std::string& text = "x\r\n") const
    {
        fs::create_directories(root_ / sub);
        std::ofstream(root_ / sub / name, std::ios::binary) << text;
    }
    void WriteControlFile(const std::string& folder, const std::string& body) const
    {
        Touch(folder, "Control.orm", "Vapoquant control file\r\n\r\n[SEARCH PATHS]\r\n" + body + "\r\n");
    }
    static const CPathObj& Entry(int i) { return *PathObjects[static_cast<std::size_t>(i)]; }

    test::TempFolder folder_;
    fs::path root_;
    fs::path cwd_;
    std::optional<std::string> savedConfig_;
};

TEST_F(SearchPathsTest, BuildPathJoinsFolderAndName)
{
    EXPECT_EQ(BuildPath("  Control.orm  ", PathKindProgram), Dir("program") + "/Control.orm");
    EXPECT_EQ(BuildPath("Control.orm", PathKindWindows), Dir("config") + "/Control.orm");
    EXPECT_EQ(BuildPath("a.txt", PathKindCurrent), (fs::current_path() / "a.txt").string());
    EXPECT_EQ(BuildPath("a.txt", PathKindSystem), "/etc/xdg/Vapoquant/a.txt");
    SetProgramFolder(Dir("program") + "/");
    EXPECT_EQ(BuildPath("Control.orm", PathKindProgram), Dir("program") + "/Control.orm") << "no second slash";
    EXPECT_EQ(BuildPath("", PathKindProgram), Dir("program") + "/");
    EXPECT_EQ(BuildPath("x", 7), "/x") << "a kind without folder";
    EXPECT_EQ(BuildPath("x", PathKindSearchPath, 3), "/x") << "an entry that is not set up";
    ReadControlFile();
    EXPECT_EQ(BuildPath("y", PathKindSearchPath, SettingsFilePathEntry), Dir("config") + "/y");
}

TEST_F(SearchPathsTest, DefaultsWithoutControlFile)
{
    ReadControlFile();
    ASSERT_TRUE(PathObjects[1] && PathObjects[2] && PathObjects[4]);
    EXPECT_FALSE(PathObjects[0] || PathObjects[3] || PathObjects[5] || PathObjects[6]);
    EXPECT_EQ(Entry(1).KeyName, "INIFilePath");
    EXPECT_EQ(Entry(1).FileNameAndPath(), Dir("config") + "/Thermix2.ini");
    EXPECT_EQ(Entry(2).FileNameAndPath(), Dir("config") + "/VQUser2.tb");
    EXPECT_EQ(Entry(4).FileNameAndPath(), Dir("program") + "/Thermix2.tb");
    for (int i : {1, 2, 4}) {
        EXPECT_EQ(Entry(i).PathIndex(), 0);
        EXPECT_EQ(Entry(i).PathList, "");
    }

    CPathObj blank;
    blank.FileName = " bare.ini";
    EXPECT_EQ(blank.FileNameAndPath(), " bare.ini");
    EXPECT_EQ(blank.PathIndex(), -1);
}

TEST_F(SearchPathsTest, SettingsFileSearchOrder)
{
    const std::string list = Dir("shared") + ",./ini";
    WriteControlFile("config", "INIFilePath = " + list + "  ");

    // Nowhere: the default folder names the file, path index -1.
    ReadControlFile();
    EXPECT_EQ(Entry(1).PathList, list);
    EXPECT_EQ(Entry(1).PathIndex(), -1);
    EXPECT_EQ(Entry(1).FileNameAndPath(), Dir("config") + "/Thermix2.ini");

    Touch("config", "Thermix2.ini");
    ReadControlFile();
    EXPECT_EQ(Entry(1).PathIndex(), 0);
    EXPECT_EQ(Entry(1).FileNameAndPath(), Dir("config") + "/Thermix2.ini");

    Touch("program/ini", "Thermix2.ini");
    ReadControlFile();
    EXPECT_EQ(Entry(1).PathIndex(), 2);
    EXPECT_EQ(Entry(1).CurrentPath(), Dir("program") + "/./ini");
    EXPECT_EQ(Entry(1).FileNameAndPath(), Dir("program") + "/./ini/Thermix2.ini");

    Touch("shared", "Thermix2.ini");
    ReadControlFile();
    EXPECT_EQ(Entry(1).PathIndex(), 1);
    EXPECT_EQ(Entry(1).FileNameAndPath(), Dir("shared") + "/Thermix2.ini");
    EXPECT_EQ(Entry(2).PathIndex(), 0) << "an absent key runs no search";
}

TEST_F(SearchPathsTest, ControlFileInProgramFolder)
{
    WriteControlFile("program", "internaltbpath=" + Dir("shared"));
    Touch("shared", "Thermix2.tb");
    ReadControlFile();
    EXPECT_EQ(Entry(4).PathIndex(), 1) << "keys match without regard to case";
    EXPECT_EQ(Entry(4).FileNameAndPath(), Dir("shared") + "/Thermix2.tb");

    // The user's control file comes first; one without the section, or one that is
    // not text at all, leaves the defaults.
    for (const std::string& body : {std::string("[NOTHING]"), std::string("\0\xff[SEARCH\r\n=\n\x01", 12)}) {
        Touch("config", "Control.orm", body);
        ReadControlFile();
        EXPECT_EQ(Entry(4).PathIndex(), 0);
        EXPECT_EQ(Entry(4).FileNameAndPath(), Dir("program") + "/Thermix2.tb");
    }

    SetProgramFolder("");
    EXPECT_EQ(GetProgramFolder(), fs::read_symlink("/proc/self/exe").parent_path().string());
}

TEST_F(SearchPathsTest, InstalledProgramFindsItsShippedFilesInTheDataFolder)
{
    SetProgramFolder(Dir("usr/bin"));
    fs::create_directories(root_ / "usr/share/vapoquant");
    ReadControlFile();
    EXPECT_EQ(Entry(4).FileNameAndPath(), Dir("usr/share/vapoquant") + "/Thermix2.tb");
    EXPECT_EQ(BuildPath("support.fil", PathKindSupport), Dir("usr/share/vapoquant") + "/support.fil");
    EXPECT_EQ(Entry(2).FileNameAndPath(), Dir("config") + "/VQUser2.tb");
}

TEST_F(SearchPathsTest, FolderWithoutFileQualifiesOnlyForCreation)
{
    const std::string list = Dir("shared") + ",";
    WriteControlFile("config", "CustomTBPath= " + list + "\r\nInternalTBPath= " + list);
    ReadControlFile();
    EXPECT_EQ(Entry(2).PathIndex(), 1);
    EXPECT_EQ(Entry(2).FileNameAndPath(), Dir("shared") + "/VQUser2.tb");
    EXPECT_EQ(Entry(2).NumPaths(), 1);
    EXPECT_EQ(Entry(4).PathIndex(), -1);
    EXPECT_EQ(Entry(4).FileNameAndPath(), Dir("program") + "/Thermix2.tb");

    // A file name is not a folder.
    Touch("shared", "plain");
    WriteControlFile("config", "CustomTBPath= " + Dir("shared") + "/plain");
    ReadControlFile();
    EXPECT_EQ(Entry(2).PathIndex(), -1);
}

TEST_F(SearchPathsTest, ListEntries)
{
    CPathObj p;
    p.SetUpPathObj("K", "f.ini", Dir("config") + "/");
    EXPECT_EQ(p.NumPaths(), 0);
    EXPECT_EQ(p.FindPathToFile(1, false), -1) << "empty list, no default file";
    Touch("config", "f.ini");
    EXPECT_EQ(p.FindPathToFile(1, false), 0) << "empty list goes straight to the default";

    const std::string a = Dir("a");
    const std::string b = Dir("b");
    Touch("b", "f.ini");
    p.PathList = a + ",," + b;
    EXPECT_EQ(p.NumPaths(), 3);
    EXPECT_EQ(p.FindPathToFile(1, false), 3);
    EXPECT_EQ(p.CurrentPath(), b);

    p.PathList = a + ", ," + b;
    EXPECT_EQ(p.NumPaths(), 3);
    EXPECT_EQ(p.FindPathToFile(1, false), 0) << "a blank entry ends the list";
    EXPECT_EQ(p.CurrentPath(), Dir("config") + "/");

    p.PathList = b + "/";
    EXPECT_EQ(p.FindPathToFile(1, false), 1) << "a trailing slash gives the same candidate";
    EXPECT_EQ(p.FileNameAndPath(), b + "/f.ini");
    p.PathList = "," + b;
    EXPECT_EQ(p.NumPaths(), 2);
    EXPECT_EQ(p.FindPathToFile(2, false), 2);
    EXPECT_EQ(p.FindPathToFile(1, false), 2) << "entry 1 runs on into the next and is no folder";

    // Nothing qualifies and the default file is gone: the current folder stays.
    fs::remove(root_ / "config" / "f.ini");
    p.PathList = a;
    EXPECT_EQ(p.FindPathToFile(1, true), -1);
    EXPECT_EQ(p.PathIndex(), -1);
    EXPECT_EQ(p.FileNameAndPath(), b + "/f.ini");

    // A folder named relative to the current directory stays that folder when the
    // working folder moves on.
    fs::current_path(root_);
    p.PathList = "b";
    EXPECT_EQ(p.FindPathToFile(1, false), 1);
    fs::current_path(cwd_);
    EXPECT_EQ(p.FileNameAndPath(), b + "/f.ini");
}

TEST_F(SearchPathsTest, MegabyteListsAreSearchedOrRefused)
{
    test::RecordingUserInterface ui;
    Touch("b", "Thermix2.ini");
    Touch("config", "VQUser2.tb");
    // Some 27,000 entries: missing folders, entries that run on and "." entries, then the folder with the file.
    std::string list;
    for (int i = 0; list.size() < 1'000'000; ++i)
        list += (i % 3 == 0 ? "./missing/folder/with/a/name/long/enough/for/this," : i % 3 == 1 ? ",/missing/folder/with/a/name/long/enough/for/this,"
                                                                              : "/missing/folder/with/a/name/long/enough/for/this,");
    list += Dir("b");
    // 500,000 one-letter folders: more than a path index can count.
    std::string tooMany;
    while (tooMany.size() < 1'000'000)
        tooMany += "x,";
    WriteControlFile("config", "INIFilePath= " + list + "\r\nCustomTBPath= " + tooMany + Dir("b"));
    ReadControlFile();
    EXPECT_EQ(Entry(SettingsFilePathEntry).CurrentPath(), Dir("b"));
    EXPECT_EQ(Entry(SettingsFilePathEntry).PathIndex(), Entry(SettingsFilePathEntry).NumPaths());
    EXPECT_EQ(Entry(CustomToolbarPathEntry).FileNameAndPath(), Dir("config") + "/VQUser2.tb");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.LastMessage().find("CustomTBPath lists more than 32767 folders"), std::string::npos) << ui.LastMessage();
}

TEST_F(SearchPathsTest, AListHoldingANulByteIsRefused)
{
    test::RecordingUserInterface ui;
    // The folder name up to the NUL byte exists and would qualify for creation.
    WriteControlFile("config", "CustomTBPath= " + Dir("shared") + std::string("\0/junk", 6));
    ReadControlFile();
    EXPECT_EQ(Entry(CustomToolbarPathEntry).FileNameAndPath(), Dir("config") + "/VQUser2.tb");
    EXPECT_EQ(Entry(CustomToolbarPathEntry).PathList, "");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.LastMessage(), "Error reading " + Dir("config") + "/Control.orm [SEARCH PATHS] section. CustomTBPath "
                                "holds a NUL byte; the default folder was used.");
}

TEST_F(SearchPathsTest, HostileListsEnd)
{
    Touch("b", "f.ini");
    const std::string b = Dir("b");
    const std::string pieces[] = {",", " ", ",,", ".", "./b", b, "/nonexistent", "\t", "a"};
    std::mt19937 rng(3);
    for (int round = 0; round < 300; ++round) {
        CPathObj p;
        p.SetUpPathObj("K", "f.ini", Dir("config"));
        const int n = static_cast<int>(rng() % 12);
        for (int i = 0; i < n; ++i)
            p.PathList += pieces[rng() % std::size(pieces)];
        const int k = p.FindPathToFile(static_cast<int>(rng() % 4), round % 2 == 0);
        EXPECT_GE(k, -1);
        EXPECT_LE(k, p.NumPaths() + 1) << p.PathList;
        EXPECT_EQ(p.PathIndex(), k);
    }
}

} // namespace
} // namespace vq
