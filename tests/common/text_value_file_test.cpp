#include "common/file_routines.h"
#include "common/list_routines.h"
#include "common/text_routines.h"
#include "common/value_routines.h"
#include "common/window_placement.h"
#include "equations/flag_values.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace vq {
namespace {

namespace fs = std::filesystem;

TEST(TextRoutines, SplitHeaderText)
{
    std::string first;
    std::string second;
    SplitHeaderText("Thermal Cond./Conductivity", first, second);
    EXPECT_EQ(first, "Thermal Cond./");
    EXPECT_EQ(second, "Conductivity");
    SplitHeaderText("Sat. Pressure", first, second);
    EXPECT_EQ(first, "Sat.");
    EXPECT_EQ(second, "Pressure");
    SplitHeaderText("Phase", first, second);
    EXPECT_EQ(first, "Phase");
    EXPECT_EQ(second, "");
    SplitHeaderText("Ratio/", first, second);
    EXPECT_EQ(first, "Ratio/");
    EXPECT_EQ(second, "");
    // No blank before the middle: the forward one is taken.
    SplitHeaderText("Specific Heat Cp", first, second);
    EXPECT_EQ(first, "Specific");
    EXPECT_EQ(second, "Heat Cp");
    SplitHeaderText("Saturated  Pressure", first, second);
    EXPECT_EQ(first, "Saturated");
    EXPECT_EQ(second, " Pressure") << "the second line is not trimmed";
    // The middle is counted in characters, not bytes.
    SplitHeaderText("\xC2\xB5\xC2\xB5\xC2\xB5\xC2\xB5 ab cdefgh", first, second);
    EXPECT_EQ(first, "\xC2\xB5\xC2\xB5\xC2\xB5\xC2\xB5 ab");
    EXPECT_EQ(second, "cdefgh");
    SplitHeaderText(" ", first, second);
    EXPECT_EQ(first, "");
}

TEST(TextRoutines, ExtractTokenAndOccurrences)
{
    const std::string line = "http://www.example.invalid/support more words";
    EXPECT_EQ(ExtractToken(line, 1), "http://www.example.invalid/support");
    EXPECT_EQ(ExtractToken("see mailto:help@example.invalid", 5), "mailto:help@example.invalid");
    EXPECT_EQ(ExtractToken("a\r\nmailto:x@y.invalid\r\nend", 4), "mailto:x@y.invalid");
    EXPECT_EQ(ExtractToken("ab cd", 3), " ") << "start on a blank gives that character";
    EXPECT_EQ(ExtractToken("ab\r\ncd", 3), "\r");
    EXPECT_EQ(ExtractToken(" ab cd", 1), " ab cd") << "a blank at position 1 gives the whole text";
    EXPECT_EQ(ExtractToken("abc", 9), "");

    EXPECT_EQ(FindNthOccurrence("aaaa", "aa", 3), 3);
    EXPECT_EQ(FindNthOccurrence("aaaa", "aa", 4), 0);
    EXPECT_EQ(FindNthOccurrence("x\r\ny\r\nz\r\n", "\r\n", 2), 5);
    EXPECT_EQ(FindNthOccurrence("abc", "", 1), 0);
    EXPECT_EQ(DropLeftChars("support text", 8), "text");
    EXPECT_EQ(DropLeftChars("abc", 5), "");
    EXPECT_EQ(LeftTwoChars("\xC2\xB0" "F and more"), "\xC2\xB0" "F");
    EXPECT_EQ(LeftTwoChars("a"), "a");
}

TEST(TextRoutines, LineBreaksCommasAndParentheses)
{
    EXPECT_EQ(ReplaceCrLf("Thermal\r\nConductivity", " "), "Thermal Conductivity");
    EXPECT_EQ(ReplaceCrLf("\r\nConductivity", " "), " Conductivity");
    EXPECT_EQ(ReplaceCrLf("a\r\nb", ""), "a\x15" "b");
    EXPECT_EQ(ReplaceCrLf("a\r\nb", "\r\n\r\n"), "a\r\n\r\nb") << "ends although the replacement holds CR LF";
    EXPECT_EQ(ReplaceCrLf("   ", " "), "");
    EXPECT_EQ(ReplaceCrLfCommaWithSpace(" a,b\r\nc "), "a b  c");
    EXPECT_EQ(Parenthesize("psia", false), "(psia)");
    EXPECT_EQ(Parenthesize("psia", true), " (psia) ");
}

TEST(ValueRoutines, MinimaSkipFlagsAndInterpolationIsSafe)
{
    EXPECT_EQ(MinValidVariant(-1e30, 5), 5);
    EXPECT_EQ(MinValidVariant(5, NotApplicableValue), 5);
    EXPECT_EQ(MinValidVariant(3, 5), 3);
    EXPECT_EQ(MinValidVariant(-0.99e29, 5), -0.99e29) << "just above the threshold is a value";
    EXPECT_EQ(MaxVariant(3, 5), 5);
    EXPECT_EQ(MaxVariant(5, 3), 5);
    EXPECT_EQ(Interpolate(1.5, 1, 2, 10, 20), 15);
    EXPECT_EQ(Interpolate(7, 2, 2, 10, 20), 10) << "equal abscissas give y1";
    double a = 1;
    double b = 2;
    SwapDouble(a, b);
    EXPECT_EQ(a, 2);
    std::string s = "x";
    std::string t = "y";
    SwapString(s, t);
    EXPECT_EQ(s, "y");
}

TEST(FileRoutines, FileExistsOnlyForReadableFiles)
{
    const test::TempFolder folder;
    const fs::path& dir = folder.Path();
    const fs::path file = dir / "present.txt";
    std::ofstream(file) << "x";
    EXPECT_TRUE(FileExists(file.string()));
    EXPECT_TRUE(FileExists("  " + file.string() + "  "));
    EXPECT_FALSE(FileExists((dir / "missing.txt").string()));
    EXPECT_FALSE(FileExists(dir.string())) << "a folder is not a file";
    EXPECT_FALSE(FileExists(""));
}

TEST(FileRoutines, ConfigurationFolders)
{
    const test::TempFolder folder;
    const fs::path dir = folder.Path() / "nested";
    const char* saved = std::getenv("VAPOQUANT_CONFIG_DIR");
    const std::string savedValue = saved ? saved : "";
    setenv("VAPOQUANT_CONFIG_DIR", (dir.string() + "/").c_str(), 1);
    EXPECT_EQ(GetWindowsFolder(), dir.string());
    EXPECT_TRUE(fs::is_directory(dir)) << "created when missing";
    unsetenv("VAPOQUANT_CONFIG_DIR");
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const std::string xdgValue = xdg ? xdg : "";
    setenv("XDG_CONFIG_HOME", dir.string().c_str(), 1);
    EXPECT_EQ(GetWindowsFolder(), dir.string() + "/Vapoquant");
    if (xdg)
        setenv("XDG_CONFIG_HOME", xdgValue.c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
    if (saved)
        setenv("VAPOQUANT_CONFIG_DIR", savedValue.c_str(), 1);
    EXPECT_EQ(GetSystemFolder(), "/etc/xdg/Vapoquant");
}

TEST(ListRoutines, PsiAndPsfMatchTheFirstPrefixedItem)
{
    const std::vector<std::string> items{"psig", "psia", "bar"};
    EXPECT_EQ(FindComboItemByText(items, "psi"), 0);
    EXPECT_EQ(FindComboItemByText(items, "  psia  "), 1);
    EXPECT_EQ(FindComboItemByText(items, "PSIA"), -1);
    EXPECT_EQ(FindComboItemByText(items, "ps"), -1);
    EXPECT_EQ(FindListItemByText({"psfa", "psf", "psfg"}, "psf"), 0) << "whichever comes first";
    EXPECT_EQ(FindListItemByText({"bar", "psi"}, "psi"), 1);
    EXPECT_EQ(FindComboItemByText({}, "psi"), -1);
    EXPECT_EQ(FindComboItemByData({4, 7, 7}, 7), 1);
    EXPECT_EQ(FindListItemByData({4, 7}, 9), -1);
}

TEST(ListRoutines, SortParallelArraysIsStableAndByteOrdered)
{
    std::vector<std::string> names{"C", "a", "B", "C"};
    std::vector<int> codes{1, 2, 3, 4};
    SortParallelArrays(names, codes);
    EXPECT_EQ(names, (std::vector<std::string>{"B", "C", "C", "a"}));
    EXPECT_EQ(codes, (std::vector<int>{3, 1, 4, 2}));
    // A one-based list sorts from element 1.
    std::vector<std::string> oneBased{"", "z", "y"};
    std::vector<int> oneCodes{0, 1, 2};
    SortParallelArrays(std::span(oneBased).subspan(1), std::span(oneCodes).subspan(1));
    EXPECT_EQ(oneBased, (std::vector<std::string>{"", "y", "z"}));
    EXPECT_EQ(oneCodes, (std::vector<int>{0, 2, 1}));
}

TEST(WindowPlacement, CentredAndKeptOnScreen)
{
    const WindowRect main{1000, 1000, 8000, 6000};
    EXPECT_EQ(CenterFormOnMain(main, {0, 0, 4000, 2000}, 20000, 15000), (WindowRect{3000, 3000, 4000, 2000}));
    // Main window at the left edge, smaller than the dialog.
    EXPECT_EQ(CenterFormOnMain({0, 0, 3000, 3000}, {0, 0, 5000, 4000}, 20000, 15000), (WindowRect{0, 0, 5000, 4000}));
    // Past the right and bottom edges.
    EXPECT_EQ(CenterFormOnMain({16000, 12000, 4000, 3000}, {0, 0, 6000, 5000}, 20000, 15000),
              (WindowRect{14000, 10000, 6000, 5000}));
    // Larger than the screen: aligned to the right and bottom edges.
    EXPECT_EQ(CenterFormOnMain(main, {0, 0, 30000, 20000}, 20000, 15000), (WindowRect{-10000, -5000, 30000, 20000}));
    EXPECT_EQ(CenterFormOverOwner({-500, 0, 1000, 1000}, {0, 0, 3000, 3000}), (WindowRect{-1500, -1000, 3000, 3000}));
}

} // namespace
} // namespace vq
