#include "common/safe_file.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

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

} // namespace
} // namespace vq
