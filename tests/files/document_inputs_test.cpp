#include "files/document_file.h"
#include "common/number_parsing.h"
#include "common/section_reader.h"
#include "common/session_state.h"
#include "fake_main_window_host.h"
#include "recording_user_interface.h"

#include <gtest/gtest.h>

namespace vq {
namespace {

class DocumentInputsTest : public ::testing::Test {
protected:
    void SetUp() override { ResetSessionState(); }
    void TearDown() override { ResetSessionState(); }

    // Loads "[INPUT PREFERENCES]" of text into the section lists.
    void LoadInputSection(const std::string& text)
    {
        TextFileReader file;
        file.SetText(text);
        int count = 0;
        ReadSection(file, InputPreferencesHeading, count, false);
    }

    test::RecordingUserInterface ui;
    test::FakeMainWindowHost host;
};

TEST_F(DocumentInputsTest, EncodesEachInputMode)
{
    host.inputs[0] = {2, " Temperature ", " deg. C ", " 100 ", "200", "25.5"};
    host.inputs[1] = {1, "Pressure", "psia", "0.1", "", "3"};
    host.mode = 0;
    EXPECT_EQ(EncodeStateProperty(1), "2,Temperature,deg. C,0,100");
    host.mode = 1;
    EXPECT_EQ(EncodeStateProperty(1), "2,Temperature,deg. C,1,100,200");
    host.mode = 2;
    EXPECT_EQ(EncodeStateProperty(1), "2,Temperature,deg. C,2,100,200,25.5");
    EXPECT_EQ(EncodeStateProperty(2), "1,Pressure,psia,2,0.1,,3");
    EXPECT_EQ(EncodeStateProperty(0), "");
    EXPECT_EQ(EncodeStateProperty(3), "");

    // Numbers are stored as the calculation reads them, with ".", at full precision; a
    // box that holds no typed number (a hidden one, say) is stored empty, not misread.
    for (const char* typed : {"1,5", "12 kg", "abc", "1e999"})
        EXPECT_EQ(DocumentNumberText(typed), "") << typed;
    ScopedLocaleSeparators german(LocaleSeparators::German());
    host.inputs[0] = {1, "Pressure", "bar", "1234,5", "0,1", "1.5"};
    EXPECT_EQ(EncodeStateProperty(1), "1,Pressure,bar,2,1234.5,0.1,");
    EXPECT_EQ(DocumentNumberText("0,30000000000000004"), "0.30000000000000004");
}

TEST_F(DocumentInputsTest, DecodesWhatItEncodes)
{
    for (int mode = 0; mode <= 2; ++mode) {
        host.mode = mode;
        host.inputs[0] = {3, "Property 3", "kJ/kg", "0.1", mode > 0 ? "250" : "", mode > 1 ? "-1234.5" : ""};
        const std::string line = EncodeStateProperty(1);
        const InputControls before = host.inputs[0];
        host.inputs[0] = {};
        ASSERT_TRUE(DecodeStateProperty(1, line)) << line;
        EXPECT_EQ(host.inputs[0], before) << line;
    }
    // In a comma locale the boxes get the locale's symbol.
    ScopedLocaleSeparators german(LocaleSeparators::German());
    ASSERT_TRUE(DecodeStateProperty(2, "1,Pressure,bar,1,0.1,2.5"));
    EXPECT_EQ(host.inputs[1].value, "0,1");
    EXPECT_EQ(host.inputs[1].end, "2,5");
}

TEST_F(DocumentInputsTest, DecodesOlderAndIncompleteLines)
{
    // A value written in single precision still reads; saturation inputs carry 0.
    ASSERT_TRUE(DecodeStateProperty(1, "1,Pressure,psia,0,0.100000001490116"));
    EXPECT_EQ(host.inputs[0].value, "0.100000001490116");
    ASSERT_TRUE(DecodeStateProperty(2, "9,Sat. Liquid"));
    EXPECT_EQ(host.inputs[1].code, 9);
    EXPECT_EQ(host.inputs[1].value, "0");

    // A box saved empty comes back empty, with the property, the units and the other boxes.
    for (auto [line, expected] : {std::pair{"1,Pressure,psia,2,10,20", InputControls{1, "Property 1", "psia", "10", "20", ""}},
                                  {"1,Pressure,psia,2,10,,5", {1, "Property 1", "psia", "10", "", "5"}},
                                  {"1,Pressure,psia,2,1,,", {1, "Property 1", "psia", "1", "", ""}},
                                  {"1,Pressure,psia,1,,", {1, "Property 1", "psia", "", "", "9"}}}) {
        host.inputs[0] = {2, "Temperature", "deg. F", "7", "8", "9"};
        ASSERT_TRUE(DecodeStateProperty(1, line)) << line;
        EXPECT_EQ(host.inputs[0], expected) << line;
    }
    // A missing field before the values empties the value box and selects nothing.
    for (const char* line : {"1,Pressure", ""}) {
        host.inputs[0] = {2, "Temperature", "deg. F", "7", "8", "9"};
        ASSERT_TRUE(DecodeStateProperty(1, line)) << line;
        EXPECT_EQ(host.inputs[0], (InputControls{2, "Temperature", "deg. F", "", "8", "9"})) << line;
    }
    // A k outside 0 to 2 selects the property and units and fills no box.
    ASSERT_TRUE(DecodeStateProperty(1, "1,Pressure,psia,7,1,2"));
    EXPECT_EQ(host.inputs[0], (InputControls{1, "Property 1", "psia", "", "8", "9"}));

    // A property the input does not offer is a read failure.
    EXPECT_FALSE(DecodeStateProperty(1, "99,Nothing,psia,0,1"));
    EXPECT_FALSE(DecodeStateProperty(1, "abc,def,ghi,jkl,mno"));
}

TEST_F(DocumentInputsTest, ParsesTheInputSection)
{
    LoadInputSection("[input preferences]\r\nProp Type= 2\r\nPropertyDatabase= 1\r\nProperty #1=2,T,deg. F,2,1,2,3\r\n"
                     "Property #2=1,P,psia,2,4,5,6\r\n");
    std::string errorText = "x";
    ASSERT_TRUE(ParseInputPreferences(false, errorText));
    EXPECT_EQ(errorText, "");
    EXPECT_EQ(host.mode, 2);
    EXPECT_FALSE(UseIF97);
    EXPECT_EQ(host.sourceCaption, "NBS Steam Tables (1984)");
    EXPECT_EQ(host.inputs[0], (InputControls{2, "Property 2", "deg. F", "1", "2", "3"}));
    EXPECT_EQ(host.inputs[1], (InputControls{1, "Property 1", "psia", "4", "5", "6"}));

    // Without keys: Single Point, nothing else changes.
    LoadInputSection("[INPUT PREFERENCES]\r\n \r\n");
    ASSERT_TRUE(ParseInputPreferences(false, errorText));
    EXPECT_EQ(host.mode, 0);
    EXPECT_FALSE(UseIF97);

    // Values that cannot be applied.
    for (const char* body : {"Prop Type= x\r\n", "Prop Type= 3\r\n", "Prop Type= -1\r\n", "PropertyDatabase= no\r\n",
                             "Property #2=42,X,Y,0,1\r\n"}) {
        LoadInputSection(std::string("[INPUT PREFERENCES]\r\n") + body);
        EXPECT_FALSE(ParseInputPreferences(false, errorText)) << body;
    }
}

TEST_F(DocumentInputsTest, VersionOfTheHeaderLine)
{
    EXPECT_EQ(DocumentHeaderLine(), "Orm Vapoquant Version 2.0 Input File");
    ScopedLocaleSeparators german(LocaleSeparators::German());
    EXPECT_EQ(DocumentVersionNumber("ORM VAPOQUANT VERSION 2.0 INPUT FILE"), 2.0f);
    EXPECT_EQ(DocumentVersionNumber("ORM VAPOQUANT VERSION   1.5"), 1.5f);
    EXPECT_EQ(DocumentVersionNumber("ORM VAPOQUANT VERSION"), 0.0f);
    EXPECT_EQ(DocumentVersionNumber("ORM VAPOQUANT VERSION X"), 0.0f);
}

TEST_F(DocumentInputsTest, RecentFilesKeepTheirOrder)
{
    auto open = [](const std::string& path) {
        CurrentInputFile = path;
        AddRecentFile();
    };
    open("/a");
    open("/b");
    open("/c");
    EXPECT_EQ(RecentFiles, (std::array<std::string, 4>{"/c", "/b", "/a", ""}));
    open("/a");
    EXPECT_EQ(RecentFiles, (std::array<std::string, 4>{"/a", "/c", "/b", ""}));
    open("/d");
    open("/e");
    EXPECT_EQ(RecentFiles, (std::array<std::string, 4>{"/e", "/d", "/a", "/c"}));
    open("Untitled");
    open("/E");
    EXPECT_EQ(RecentFiles, (std::array<std::string, 4>{"/E", "/e", "/d", "/a"}));
}

TEST_F(DocumentInputsTest, ReadErrorMessage)
{
    ReportFileReadError("Can't find [UNIT PREFERENCES] heading");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "An error occurred reading file into Orm Vapoquant.\r\nCan't find [UNIT PREFERENCES] "
                                   "heading.\r\nUsing Vapoquant defaults.");
    EXPECT_EQ(ui.messages[0].style, MessageStyle::Exclamation);
    EXPECT_EQ(ui.messages[0].title, "Orm Vapoquant");
    EXPECT_EQ(ui.beeps, 1);
}

} // namespace
} // namespace vq
