#include "common/safe_file.h"
#include "ordinary_user.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <pwd.h>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vq {
namespace {

using test::ReadFileBytes;
using test::TempFolder;
using test::WriteFileBytes;

TEST(SafeFile, SplitsLinesWithEitherLineEnd)
{
    using Lines = std::vector<std::string>;
    EXPECT_EQ(SplitFileLines(""), Lines{});
    EXPECT_EQ(SplitFileLines("a\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(SplitFileLines("a\nb"), (Lines{"a", "b"}));
    EXPECT_EQ(SplitFileLines("a\r\n\nb\n \r\n"), (Lines{"a", "", "b", " "}));
    EXPECT_EQ(SplitFileLines("a\rb\r\rc"), (Lines{"a", "b", "", "c"}));
    EXPECT_EQ(JoinFileLines({"a", " ", ""}), "a\r\n \r\n\r\n");
}

TEST(SafeFile, ReadReportsMissingAndFolder)
{
    TempFolder dir;
    std::string content = "x";
    std::string error;
    EXPECT_EQ(ReadWholeFile(dir.File("none"), content, error), FileReadStatus::Missing);
    EXPECT_EQ(content, "");
    EXPECT_EQ(ReadWholeFile(dir.Path().string(), content, error), FileReadStatus::Failed);
    WriteFileBytes(dir.File("a"), "one\r\ntwo");
    EXPECT_EQ(ReadWholeFile(dir.File("a"), content, error), FileReadStatus::Ok);
    EXPECT_EQ(content, "one\r\ntwo");
}

TEST(SafeFile, WritesNewAndReplacesOldKeepingPermissions)
{
    TempFolder dir;
    std::string error;
    const std::string path = dir.File("doc.vpq");
    ASSERT_TRUE(WriteFileSafely(path, "first\r\n", error)) << error;
    EXPECT_EQ(ReadFileBytes(path), "first\r\n");
    ::chmod(path.c_str(), 0640);
    ASSERT_TRUE(WriteFileSafely(path, "second\r\n", error)) << error;
    EXPECT_EQ(ReadFileBytes(path), "second\r\n");
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"doc.vpq"}) << "no temporary file is left";
}

TEST(SafeFile, FailuresLeaveTheOldFileIntact)
{
    TempFolder dir;
    const std::string path = dir.File("Thermix2.ini");
    const std::string old = "[Last Files]\r\n1=/a.vpq\r\n \r\n";
    std::string error;
    for (auto failure : {SimulatedWriteFailure::Create, SimulatedWriteFailure::Write, SimulatedWriteFailure::Rename}) {
        WriteFileBytes(path, old);
        SimulateWriteFailure(failure);
        EXPECT_FALSE(WriteFileSafely(path, "new", error));
        ResetSafeFileState();
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(ReadFileBytes(path), old);
        EXPECT_EQ(dir.Entries(), std::vector<std::string>{"Thermix2.ini"});
    }

    // A target that is a folder, and a folder that does not exist.
    std::filesystem::create_directory(dir.File("folder.vpq"));
    EXPECT_FALSE(WriteFileSafely(dir.File("folder.vpq"), "x", error));
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("folder.vpq")));
    EXPECT_FALSE(WriteFileSafely(dir.File("missing/doc.vpq"), "x", error));
}

TEST(SafeFile, RefusesAReadOnlyFile)
{
    TempFolder dir;
    const std::string path = dir.File("locked.vpq");
    WriteFileBytes(path, "old");
    ::chmod(path.c_str(), 0444);
    std::string error;
    EXPECT_FALSE(WriteFileSafely(path, "new", error));
    EXPECT_EQ(error, "Permission denied");
    EXPECT_EQ(ReadFileBytes(path), "old");
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"locked.vpq"});
}

TEST(SafeFile, AReadOnlyFileSystemIsGivenAsTheReason)
{
    TempFolder dir;
    const std::string path = dir.File("doc.vpq");
    WriteFileBytes(path, "old");
    SimulateWriteFailure(SimulatedWriteFailure::ReadOnlyFileSystem);
    std::string error;
    EXPECT_FALSE(WriteFileSafely(path, "new", error));
    ResetSafeFileState();
    EXPECT_EQ(error, "Read-only file system");
    EXPECT_EQ(ReadFileBytes(path), "old");
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"doc.vpq"});
}

TEST(SafeFile, AFileSizeLimitFailsTheWriteInsteadOfEndingTheProgram)
{
    TempFolder dir;
    const std::string path = dir.File("big.vpq");
    WriteFileBytes(path, "old");
    auto writeOverTheLimit = [&] {
        const rlimit limit{16, 16};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::string error;
        const bool written = WriteFileSafely(path, std::string(100, 'x'), error);
        ::_exit(!written && !error.empty() && ReadFileBytes(path) == "old" ? 0 : 1);
    };
    EXPECT_EXIT(writeOverTheLimit(), ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"big.vpq"});
}

TEST(SafeFile, LongNamesSaveAndLeftOversOfKilledSavesGo)
{
    TempFolder dir;
    std::string error;
    for (std::size_t length : {248u, 251u, 255u}) {
        const std::string name = std::string(length - 4, 'n') + ".vpq";
        ASSERT_TRUE(WriteFileSafely(dir.File(name), "first", error)) << length << " " << error;
        ASSERT_TRUE(WriteFileSafely(dir.File(name), "second", error)) << length << " " << error;
        EXPECT_EQ(ReadFileBytes(dir.File(name)), "second");
        std::filesystem::remove(dir.File(name));
    }
    EXPECT_TRUE(dir.Entries().empty());

    // What a save killed midway leaves, next to the user's and other tools' files that
    // only look alike.
    const std::vector<std::string> others = {".doc.vpq.Ab3xZ9", ".doc.vpq.backup", ".doc.vpq.vqsave-Ab3xZ",
                                             ".other.vpq.vqsave-Ab3xZ9"};
    for (const auto& other : others)
        WriteFileBytes(dir.File(other), "other");
    WriteFileBytes(dir.File(".doc.vpq.vqsave-Ab3xZ9"), "half");
    ASSERT_TRUE(WriteFileSafely(dir.File("doc.vpq"), "whole", error)) << error;
    std::vector<std::string> entries = dir.Entries();
    std::sort(entries.begin(), entries.end());
    std::vector<std::string> expected = others;
    expected.push_back("doc.vpq");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(entries, expected);
}

TEST(SafeFile, ASaveLeavesTheTemporaryOfAnotherRunningSave)
{
    TempFolder dir;
    const std::string path = dir.File("doc.vpq");
    std::string error;
    std::string otherError;
    bool otherSaved = false;
    InterruptNextWrite([&] { otherSaved = WriteFileSafely(path, "other copy", otherError); });
    EXPECT_TRUE(WriteFileSafely(path, "this copy", error)) << error;
    EXPECT_TRUE(otherSaved) << otherError;
    EXPECT_EQ(ReadFileBytes(path), "this copy");
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"doc.vpq"});
}

TEST(SafeFile, ASaveRemovesAKilledSavesTemporaryThatOnlyItsWriterMayOpen)
{
    if (!test::OrdinaryUserAvailable())
        GTEST_SKIP() << "no ordinary user to run as";
    TempFolder dir;
    auto saveAsOrdinaryUser = [&] {
        if (!test::BecomeOrdinaryUser(dir.Path()))
            ::_exit(2);
        // A write-only document, and the temporary a killed save of it left.
        const std::string path = dir.File("doc.vpq");
        for (const std::string& file : {path, dir.File(".doc.vpq.vqsave-Ab3xZ9")}) {
            WriteFileBytes(file, "old");
            ::chmod(file.c_str(), 0200);
        }
        std::string error;
        ::_exit(WriteFileSafely(path, "new", error) ? 0 : 3);
    };
    EXPECT_EXIT(saveAsOrdinaryUser(), ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"doc.vpq"});
}

TEST(SafeFile, ReplacesTheTargetOfALink)
{
    TempFolder dir;
    WriteFileBytes(dir.File("real.ini"), "old");
    std::filesystem::create_symlink(dir.File("real.ini"), dir.File("link.ini"));
    std::string error;
    ASSERT_TRUE(WriteFileSafely(dir.File("link.ini"), "new", error)) << error;
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.ini")));
    EXPECT_EQ(ReadFileBytes(dir.File("real.ini")), "new");
}

TEST(SafeFile, AnotherUsersLinkInAStickySharedFolderIsReplacedNotFollowed)
{
    const passwd* other = ::getpwnam("nobody");
    if (::geteuid() != 0 || !other)
        GTEST_SKIP() << "no other user to own the link";
    TempFolder dir;
    WriteFileBytes(dir.File("mine.vpq"), "mine");
    std::filesystem::create_directory(dir.File("shared"));
    ::chmod(dir.File("shared").c_str(), 01777);
    const std::string planted = dir.File("shared/report.vpq");
    std::filesystem::create_symlink(dir.File("mine.vpq"), planted);
    ASSERT_EQ(::lchown(planted.c_str(), other->pw_uid, other->pw_gid), 0);
    std::string error;
    ASSERT_TRUE(WriteFileSafely(planted, "report", error)) << error;
    EXPECT_EQ(ReadFileBytes(dir.File("mine.vpq")), "mine");
    EXPECT_FALSE(std::filesystem::is_symlink(planted));
    EXPECT_EQ(ReadFileBytes(planted), "report");

    // The user's own link there is followed.
    std::filesystem::remove(planted);
    std::filesystem::create_symlink(dir.File("mine.vpq"), planted);
    ASSERT_TRUE(WriteFileSafely(planted, "report", error)) << error;
    EXPECT_TRUE(std::filesystem::is_symlink(planted));
    EXPECT_EQ(ReadFileBytes(dir.File("mine.vpq")), "report");
}

} // namespace
} // namespace vq
