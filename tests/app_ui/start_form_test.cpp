#include "app/start_form.h"
#include "common/program_identity.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

namespace vq {
namespace {

TEST(StartUp, LogoScreenAndSettingsFile)
{
    const LogoPlacement logo = PositionLogo(100, 8, 1234, 567);
    EXPECT_EQ(logo.left, 405);
    EXPECT_EQ(logo.top, 465);
    EXPECT_EQ(logo.width, 960);
    EXPECT_EQ(logo.height, 960);
    const LogoPlacement half = PositionLogo(50, 1, 1205, 65);
    EXPECT_EQ(half.left, 805);
    EXPECT_EQ(half.top, 265);
    EXPECT_EQ(half.width, 720);

    EXPECT_NE(ScreenRefusal(640, 15, 15).find("SVGA (800x600)"), std::string::npos);
    EXPECT_NE(ScreenRefusal(800, 12, 12).find("Small Fonts"), std::string::npos);
    EXPECT_EQ(ScreenRefusal(800, 15, 15), "");
    EXPECT_EQ(ScreenRefusal(1024, 12, 12), "");

    SetProgramIdentity();
    test::TempFolder folder;
    const std::string path = folder.File("Thermix2.ini");
    ASSERT_TRUE(CreateSettingsFileIfMissing(path));
    EXPECT_EQ(test::ReadFileBytes(path), SettingsFileHeaderLine() + "\r\n");
    EXPECT_NE(SettingsFileHeaderLine().find(" INI FILE"), std::string::npos);
    // An existing file, even an empty one, stays as it is.
    const std::string empty = folder.File("empty.ini");
    test::WriteFileBytes(empty, "");
    ASSERT_TRUE(CreateSettingsFileIfMissing(empty));
    EXPECT_EQ(test::ReadFileBytes(empty), "");
}

} // namespace
} // namespace vq
