#include "common/common_dialog_errors.h"
#include "files/printer_font.h"
#include "files/settings_file.h"
#include "fake_main_window_host.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

namespace vq {
namespace {

using test::ReadFileBytes;
using test::WriteFileBytes;

class PrinterFontTest : public ::testing::Test {
protected:
    void SetUp() override { ResetPrinterFontState(); }
    void TearDown() override { ResetPrinterFontState(); }

    test::TempFolder dir;
    test::FakeMainWindowHost host;
    std::string path = dir.File("Thermix2.ini");
};

TEST_F(PrinterFontTest, WritesAndReadsBack)
{
    WriteFileBytes(path, "[Last Files]\r\n \r\n");
    host.printerFont = {"DejaVu Serif", 10.5f, true, true};
    ASSERT_TRUE(WritePrinterFontSection(path));
    EXPECT_EQ(ReadFileBytes(path), "[Last Files]\r\n \r\n \r\n[Printer Font]\r\nName= DejaVu Serif\r\nSize= 10.5\r\n"
                                   "Italic= True\r\nBold= True\r\n \r\n");

    host.printerFont = {"Other", 8.0f, false, false};
    ReadPrinterFontSection(path);
    EXPECT_EQ(host.printerFont, (PrinterFontInfo{"DejaVu Serif", 10.5f, true, true}));
    EXPECT_EQ(PrintFontName, "DejaVu Serif");
    EXPECT_EQ(PrintFontSize, 10) << "halves round to the even neighbour";
    EXPECT_TRUE(PrintFontBold);
    EXPECT_TRUE(PrintFontItalic);
}

TEST_F(PrinterFontTest, ReadsOlderFormsAndFallsBackOnDisorder)
{
    // Integers for the flags, a decimal comma, LF line ends, a heading in other case.
    WriteFileBytes(path, "[printer font]\nName= Mono\nSize= 11,5\nItalic= -1\nBold= 0\n");
    ReadPrinterFontSection(path);
    EXPECT_EQ(host.printerFont, (PrinterFontInfo{"Mono", 11.5f, false, true}));
    EXPECT_EQ(PrintFontSize, 12);
    EXPECT_TRUE(PrintFontItalic);
    EXPECT_FALSE(PrintFontBold);

    // Keys out of order, a size that is not a number or beyond the font dialog's sizes,
    // a section cut short: size 10.
    for (const char* body : {"Size= 12\r\nName= Serif\r\nItalic= False\r\nBold= False\r\n",
                             "Name= Serif\r\nSize= big\r\nItalic= False\r\nBold= False\r\n",
                             "Name= Serif\r\nSize= 9223372036854775808\r\nItalic= False\r\nBold= False\r\n",
                             "Name= Serif\r\nSize= 5.4\r\nItalic= False\r\nBold= False\r\n", "Name= Serif\r\nSize= 14\r\n"}) {
        host.printerFont = {"Printer Sans", 12.0f, false, false};
        PrintFontSize = 0;
        WriteFileBytes(path, std::string("[Printer Font]\r\n") + body);
        ReadPrinterFontSection(path);
        EXPECT_EQ(host.printerFont.size, 10.0f) << body;
        EXPECT_EQ(PrintFontSize, 10) << body;
        EXPECT_EQ(PrintFontName, host.printerFont.name) << body;
    }

    // No section, no file: nothing changes.
    host.printerFont = {"Printer Sans", 12.0f, false, false};
    ResetPrinterFontState();
    WriteFileBytes(path, "[Toolbar]\r\n");
    ReadPrinterFontSection(path);
    ReadPrinterFontSection(dir.File("none.ini"));
    EXPECT_EQ(host.printerFont.size, 12.0f);
    EXPECT_EQ(PrintFontSize, 0);
    EXPECT_EQ(PrintFontName, "");
}

TEST(CommonDialogErrors, TextsOfTheTable)
{
    EXPECT_EQ(GetCommonDialogErrorText(28660), "Devices section in WIN.INI does not contain entry for requested printer.");
    EXPECT_EQ(GetCommonDialogErrorText(28667), "Could not load required device driver.");
    EXPECT_EQ(GetCommonDialogErrorText(20476), "Buffer too small for file name string.");
    EXPECT_EQ(GetCommonDialogErrorText(32765), "Insufficient memory to perform operation.");
    EXPECT_EQ(GetCommonDialogErrorText(0), "Unknown error (0).");
    EXPECT_EQ(GetCommonDialogErrorText(-1), "Unknown error (-1).");
    EXPECT_EQ(GetCommonDialogErrorText(CommonDialogCancelError), "Unknown error (32755).");
}

TEST(SupportFile, FirstNineLines)
{
    test::TempFolder dir;
    std::string twelve;
    for (int i = 1; i <= 12; ++i)
        twelve += "line " + std::to_string(i) + "\n";
    WriteFileBytes(dir.File("support.fil"), twelve);
    EXPECT_EQ(ReadSupportFile(dir.File("support.fil")),
              "line 1\r\nline 2\r\nline 3\r\nline 4\r\nline 5\r\nline 6\r\nline 7\r\nline 8\r\nline 9\r\n");
    WriteFileBytes(dir.File("support.fil"), "");
    EXPECT_EQ(ReadSupportFile(dir.File("support.fil")), "");
    EXPECT_EQ(ReadSupportFile(dir.File("missing.fil")), "");
    EXPECT_EQ(ReadSupportFile(dir.Path().string()), "");
}

} // namespace
} // namespace vq
