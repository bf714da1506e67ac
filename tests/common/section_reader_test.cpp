#include "common/number_parsing.h"
#include "common/section_reader.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace vq {
namespace {

std::string Value(std::string_view key)
{
    int index = 0;
    std::string value = "<none>";
    std::string error;
    GetSectionValue(key, index, value, error);
    return value;
}

TEST(SectionReader, HeadingSearchWrapsToTheStart)
{
    TextFileReader file;
    file.SetText("[A]\r\nk=1\r\n\r\n[B]\r\nk=2\r\n");
    int count = -1;
    ReadSection(file, "[B]", count, false);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(Value("k"), "2");
    ReadSection(file, "[A]", count, false);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(Value("K"), "1");
    EXPECT_EQ(SectionNames[0], " 1");
    // After [A] the file stands on the next heading, so [B] is found first.
    int status = -1;
    FindSectionHeading(file, "[B]", status, false);
    EXPECT_EQ(status, SectionFound);
    EXPECT_EQ(file.Position(), 4u);
}

TEST(SectionReader, HeadingMatchIgnoresCaseAndBlanks)
{
    TextFileReader file;
    file.SetText("title\n   [unit preferences]   \n  Digits= 6\ndigits = 7 \n=5\nno equals\n [Next]\nx=1");
    int count = 0;
    ReadSection(file, "[Unit Preferences]", count, false);
    ASSERT_EQ(count, 2);
    EXPECT_EQ(SectionNames[1], "DIGITS");
    EXPECT_EQ(SectionValues[1], "6");
    EXPECT_EQ(SectionNames[2], "DIGITS");
    EXPECT_EQ(SectionValues[2], "7");
    EXPECT_EQ(file.Position(), 6u) << "left on the heading after blanks that ended the section";

    file.Seek(0);
    ReadSection(file, "[UNIT", count, true);
    EXPECT_EQ(count, 2) << "partial match finds the heading inside the line";
    ReadSection(file, "[Unit", count, false);
    EXPECT_EQ(count, 0);
}

TEST(SectionReader, StatusCodesAndFailures)
{
    TextFileReader file;
    file.SetText("[A]\nx=1\n[Last]");
    int status = -1;
    FindSectionHeading(file, "   ", status, false);
    EXPECT_EQ(status, SectionEmptyHeading);
    FindSectionHeading(file, "[Missing]", status, false);
    EXPECT_EQ(status, SectionNotFound);

    int count = -1;
    file.Seek(0);
    ReadSection(file, "[Last]", count, false);
    EXPECT_EQ(count, 0) << "a heading on the last line is a read error";
    EXPECT_EQ(SectionNames[0], "");

    TextFileReader closed;
    FindSectionHeading(closed, "[A]", status, false);
    EXPECT_EQ(status, SectionReadError);
    ReadSection(closed, "[A]", count, false);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(SectionNames.size(), 26u);
    int index = 5;
    std::string value = "kept";
    std::string error;
    GetSectionValue("Units", index, value, error);
    EXPECT_EQ(index, 0);
    EXPECT_EQ(value, "kept");
    EXPECT_EQ(error, "Can't find variable name Units");

    ClearSectionArrays();
    index = 0;
    GetSectionValue("x", index, value, error);
    EXPECT_EQ(index, 0) << "lookup with no section loaded";
}

TEST(SectionReader, ListsGrowInStepsOf25)
{
    std::string text = "[Big]\n";
    for (int i = 1; i <= 30; ++i)
        text += "key" + std::to_string(i) + "=" + std::to_string(i) + "\n";
    TextFileReader file;
    file.SetText(text);
    int count = 0;
    ReadSection(file, "[Big]", count, false);
    EXPECT_EQ(count, 30);
    EXPECT_EQ(SectionCapacity(), 50);
    EXPECT_EQ(SectionValues.size(), SectionNames.size());
    EXPECT_EQ(Value("KEY30"), "30");
    GrowSectionArrays(0);
    EXPECT_EQ(SectionCapacity(), 25);
    EXPECT_EQ(SectionNames[1], "") << "count 0 makes the lists fresh";
}

TEST(SectionReader, LookupsResumeAfterTheLastHit)
{
    TextFileReader file;
    file.SetText("[S]\nA=1\nB=2\nC=3\n");
    int count = 0;
    ReadSection(file, "[S]", count, false);
    int index = 0;
    std::string value;
    std::string error = "untouched";
    GetSectionValue("a", index, value, error);
    EXPECT_EQ(index, 1);
    GetSectionValue(" b ", index, value, error);
    EXPECT_EQ(index, 2);
    EXPECT_EQ(value, "2");
    GetSectionValue("A", index, value, error);
    EXPECT_EQ(index, 1) << "wraps to find a key before the last hit";
    EXPECT_EQ(value, "1");
    EXPECT_EQ(error, "untouched");
    index = 3;
    GetSectionValue("C", index, value, error);
    EXPECT_EQ(index, 3) << "index past the end restarts at 1";
}

TEST(SectionReader, ReadsFilesWithEitherLineEnd)
{
    const test::TempFolder folder;
    const auto path = folder.Path() / "section_reader_test.ini";
    {
        std::ofstream out(path, std::ios::binary);
        out << "[One]\r\na = x\r\n[Two]\nb = y\n";
    }
    TextFileReader file;
    ASSERT_TRUE(file.Open(path.string()));
    int count = 0;
    ReadSection(file, "[Two]", count, false);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(Value("B"), "y");
    ReadSection(file, "[One]", count, false);
    EXPECT_EQ(Value("A"), "x") << "no carriage return left on the value";
    std::filesystem::remove(path);
    EXPECT_FALSE(file.Open(path.string()));
    EXPECT_FALSE(file.IsOpen());
    EXPECT_FALSE(file.Open(folder.Path().string())) << "a folder is not a file";
}

TEST(ListItems, DelimitersAndEmptyItems)
{
    EXPECT_EQ(GetListDelimiter(0), ",");
    EXPECT_EQ(GetListDelimiter(2), "\t");
    EXPECT_EQ(GetListDelimiter(4), "  ");
    EXPECT_EQ(GetListDelimiter(9), ",");

    std::string item;
    int pos = 0;
    int status = 9;
    NextListItem("a,,b", pos, 0, item, status);
    EXPECT_EQ(item, "a");
    EXPECT_EQ(status, 0);
    NextListItem("a,,b", pos, 0, item, status);
    EXPECT_EQ(item, "");
    EXPECT_EQ(status, -1);
    NextListItem("a,,b", pos, 0, item, status);
    EXPECT_EQ(item, "b");
    EXPECT_EQ(status, 0);
    NextListItem("a,,b", pos, 0, item, status);
    EXPECT_EQ(status, 1);

    pos = 1;
    NextListItem("a, ,b", pos, 0, item, status);
    NextListItem("a, ,b", pos, 0, item, status);
    EXPECT_EQ(item, "");
    EXPECT_EQ(status, 0) << "a blank item is empty but present";

    pos = 1;
    int items = 0;
    for (NextListItem("1,2,", pos, 0, item, status); status == 0; NextListItem("1,2,", pos, 0, item, status))
        ++items;
    EXPECT_EQ(items, 2) << "a trailing delimiter gives no last item";
    EXPECT_EQ(status, 1);

    pos = -3;
    NextListItem("x", pos, 0, item, status);
    EXPECT_EQ(status, 1);
}

TEST(ListItems, TypedTwins)
{
    // Kind 4 splits the plain routine at one blank, the twins only at two.
    std::string item;
    int pos = 1;
    int status = 0;
    NextListItem("1 2  3", pos, 4, item, status);
    EXPECT_EQ(item, "1");
    std::int32_t n = -1;
    pos = 1;
    NextLongItem("1 2  3", pos, 4, n, status);
    EXPECT_EQ(status, 2) << "'1 2' is not a whole number";
    NextLongItem("1 2  3", pos, 4, n, status);
    EXPECT_EQ(n, 3);
    EXPECT_EQ(status, 0);

    pos = 1;
    n = 7;
    NextLongItem(",12", pos, 0, n, status);
    EXPECT_EQ(status, -1);
    EXPECT_EQ(n, 7) << "an empty item leaves the output";
    NextLongItem(",12", pos, 0, n, status);
    EXPECT_EQ(n, 12);
    NextLongItem("abc", pos = 1, 0, n, status);
    EXPECT_EQ(status, 2);

    float f = 0;
    pos = 1;
    NextSingleItem("2.5,abc", pos, 0, f, status);
    EXPECT_EQ(f, 2.5f);
    NextSingleItem("2.5,abc", pos, 0, f, status);
    EXPECT_EQ(f, 0.0f);
    EXPECT_EQ(status, 0);

    std::int16_t i16 = 0;
    pos = 1;
    NextIntegerItem("7.5/x", pos, 5, i16, status);
    EXPECT_EQ(i16, 8);
}

TEST(ListParsers, IntegerAndTextLists)
{
    std::vector<int> values(11, 0);
    int count = 3;
    int status = 0;
    std::string name = "ParamIds";
    ParseIntegerList("1,2", 1, count, values, status, name);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(name, "Not enough data for ParamIds");

    count = -1;
    name = "ParamIds";
    ParseIntegerList("4,5", 1, count, values, status, name);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(name, "");
    EXPECT_EQ(values[1], 4);
    EXPECT_EQ(values[2], 5);

    count = 2;
    name = "Digits";
    ParseIntegerList("1,x", 0, count, values, status, name);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(name, "Parsing Digits");

    count = 0;
    name = "Wrap";
    std::vector<int> two(2, 0);
    ParseIntegerList("1,2,3", 0, count, two, status, name);
    EXPECT_EQ(status, 0) << "count 0 fills to the end of the list";
    EXPECT_EQ(two, (std::vector<int>{1, 2}));

    count = 3;
    name = "Wrap";
    ParseIntegerList("1,2,3", 0, count, two, status, name);
    EXPECT_EQ(name, "Parsing Wrap") << "more items than the list holds";

    count = 2;
    name = "Order";
    ParseIntegerList("1,,3", 0, count, two, status, name);
    EXPECT_EQ(name, "Not enough data for Order") << "an empty item counts as missing";

    std::vector<std::string> texts(5);
    count = -1;
    name = "Units";
    ParseTextList(" psia , bar ", 1, count, texts, status, name);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(texts[1], "psia");
    EXPECT_EQ(texts[2], "bar");
}

TEST(ListParsers, ValueAndUnitsInBothLocales)
{
    for (const auto& locale : {LocaleSeparators::English(), LocaleSeparators::German()}) {
        ScopedLocaleSeparators scope(locale);
        float value = 0;
        std::string units;
        std::string name = "AtmosphericPressure";
        ParseValueAndUnits("14.7,psia", value, units, name);
        EXPECT_EQ(name, "");
        EXPECT_EQ(units, "psia");
        EXPECT_EQ(value, 14.7f) << "files hold a decimal point in every locale";
        ParseValueAndUnits("1.5E-05,bar", value, units, name);
        EXPECT_EQ(value, 1.5e-5f);
        name = "AtmosphericPressure";
        ParseValueAndUnits("14.7", value, units, name);
        EXPECT_EQ(name, "Can't determine value and units for AtmosphericPressure");
    }
}

} // namespace
} // namespace vq
