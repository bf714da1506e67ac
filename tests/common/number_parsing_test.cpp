#include "common/number_parsing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace vq {
namespace {

class EnglishLocale : public ::testing::Test {
    ScopedLocaleSeparators locale_{LocaleSeparators::English()};
};

class GermanLocale : public ::testing::Test {
    ScopedLocaleSeparators locale_{LocaleSeparators::German()};
};

TEST_F(EnglishLocale, ParseDoubleTakesWholeOrLeadingNumber)
{
    bool failed = true;
    EXPECT_EQ(ParseDouble("  2.5  ", false, false, failed), 2.5);
    EXPECT_FALSE(failed);
    EXPECT_EQ(ParseDouble("abc", false, false, failed), 0.0);
    EXPECT_FALSE(failed);
    EXPECT_EQ(ParseDouble(""), 0.0);
    EXPECT_EQ(ParseDouble("1,234,567.25"), 1234567.25);
    EXPECT_EQ(ParseDouble("12 kg"), 12.0);
    EXPECT_EQ(ParseDouble("3.5e2x"), 350.0);
    EXPECT_EQ(ParseDouble("1,5"), 15.0);
    EXPECT_EQ(ParseDouble("-1.5D-3"), -1.5e-3);
    EXPECT_EQ(ParseDouble(".5"), 0.5);
    EXPECT_EQ(ParseDouble("- 5"), -5.0);
    EXPECT_EQ(ParseDouble("1.2.3"), 1.2);
    EXPECT_EQ(ParseDouble("3.5e"), 3.5);
    EXPECT_EQ(ParseDouble("&H1F"), 31.0);
    EXPECT_EQ(ParseDouble("&o17"), 15.0);
    EXPECT_EQ(ParseDouble("&H"), 0.0);
    EXPECT_EQ(ParseDouble("1\r\n2"), 12.0);
    EXPECT_EQ(ParseDouble("0.1"), 0.1) << "conversion is correctly rounded";
    EXPECT_EQ(ParseDouble("2.2250738585072014e-308"), 2.2250738585072014e-308);
    EXPECT_EQ(ParseDouble("1.7976931348623157e308"), std::numeric_limits<double>::max());
}

TEST_F(EnglishLocale, OutOfRangeGivesZeroWithFailure)
{
    bool failed = false;
    EXPECT_EQ(ParseDouble("1e400", false, false, failed), 0.0);
    EXPECT_TRUE(failed);
    EXPECT_EQ(ParseDouble("-2e308 kg", false, false, failed), 0.0);
    EXPECT_TRUE(failed);
    EXPECT_EQ(ParseDouble("1e-400", false, false, failed), 0.0);
    EXPECT_FALSE(failed) << "underflow is zero, not a failure";
    EXPECT_EQ(ParseDouble("0e999999999999999", false, false, failed), 0.0);
    EXPECT_FALSE(failed);
    EXPECT_EQ(ParseSingle("1e39", false, false, failed), 0.0f);
    EXPECT_TRUE(failed);
    EXPECT_EQ(ParseSingle("1e39x", false, false, failed), 0.0f);
    EXPECT_TRUE(failed);
    EXPECT_EQ(ParseSingle("0.1", false, false, failed), 0.1f);
    EXPECT_FALSE(failed);
    failed = true;
    EXPECT_EQ(ParseDouble("5", false, false, failed), 5.0);
    EXPECT_FALSE(failed) << "every parse clears the report";
}

TEST_F(GermanLocale, ParseDoubleUsesDecimalComma)
{
    EXPECT_EQ(ParseDouble("1,5"), 1.5);
    EXPECT_EQ(ParseDouble("1.234,5"), 1234.5) << "a grouped number keeps its decimals";
    EXPECT_EQ(ParseDouble("1.234.567,25"), 1234567.25);
    EXPECT_EQ(ParseDouble("1.5"), 15.0) << "a point between digits is grouping here";
    EXPECT_EQ(ParseDouble("1.234,5 kg"), 1234.0) << "trailing text: leading number by the fixed rules";
    EXPECT_EQ(ParseDouble("1.5", true, false), 1.5);
    EXPECT_EQ(ParseDouble("1.5", true, true), 1.0);
    EXPECT_EQ(ParseDouble("  -2,5e3  "), -2500.0);
    EXPECT_EQ(ParseDouble("abc"), 0.0);
    EXPECT_EQ(ParseSingle("0,1"), 0.1f);
}

TEST(TypedNumber, GroupingOnlyBetweenGroupsOfThreeAndNothingButTheNumber)
{
    struct Case {
        LocaleSeparators locale;
        const char* text;
        TypedNumber verdict;
        double value;
    };
    const LocaleSeparators en = LocaleSeparators::English(), de = LocaleSeparators::German();
    const Case cases[] = {
        {en, " 1,234.5 ", TypedNumber::Ok, 1234.5},  {en, "12,345,678", TypedNumber::Ok, 12345678},
        {en, "-2.5e3", TypedNumber::Ok, -2500},      {de, "1.234,5", TypedNumber::Ok, 1234.5},
        {de, ",5", TypedNumber::Ok, 0.5},            {en, "1,5", TypedNumber::MisplacedSeparator, 0},
        {en, "1234,567", TypedNumber::MisplacedSeparator, 0},
        {en, "1.234,5", TypedNumber::MisplacedSeparator, 0}, {de, "1.5", TypedNumber::MisplacedSeparator, 0},
        {de, "1.234.5", TypedNumber::MisplacedSeparator, 0}, {en, "abc", TypedNumber::NotANumber, 0},
        {en, "12 kg", TypedNumber::NotANumber, 0},   {en, "", TypedNumber::NotANumber, 0},
        {en, "1e999", TypedNumber::OutOfRange, 0},
    };
    for (const Case& c : cases) {
        const ScopedLocaleSeparators locale(c.locale);
        double value = -1;
        EXPECT_EQ(ReadTypedNumber(c.text, value), c.verdict) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
    const ScopedLocaleSeparators german(de);
    EXPECT_EQ(TypedNumberMessage(TypedNumber::MisplacedSeparator, "Pressure Value", "1.5"),
              "The Pressure Value box holds \"1.5\", which is not a number: the thousands separator \".\" stands "
              "only between groups of three digits, and the decimal symbol is \",\".");
    EXPECT_EQ(TypedNumberMessage(TypedNumber::NotANumber, "Temperature Increment", "abc"),
              "The Temperature Increment box holds \"abc\", which is not a number.");
}

TEST(LocaleSeparators, MultiByteSeparatorsAreWholeCharacters)
{
    // French style: decimal comma, narrow no-break space for grouping.
    ScopedLocaleSeparators locale({",", "\xE2\x80\xAF"});
    EXPECT_EQ(RemoveThousandsSeparators("1\xE2\x80\xAF" "234,5"), "1 234,5");
    EXPECT_EQ(ParseDouble("1\xE2\x80\xAF" "234"), 1234.0);
    EXPECT_EQ(ParseDouble("1\xE2\x80\xAF" "234,5"), 1234.5);
    EXPECT_EQ(ParseInteger("1\xE2\x80\xAF" "234"), 1234);
    EXPECT_EQ(ParseDouble("2,25"), 2.25);
    // A lone byte of the separator is not a separator.
    EXPECT_EQ(ParseDouble("1\xE2" "5"), 1.0);
}

TEST(LocaleSeparators, SetterRepairsUnusableSeparators)
{
    ScopedLocaleSeparators outer(LocaleSeparators::English());
    SetLocaleSeparators({"", ""});
    EXPECT_EQ(DecimalSymbol, ".");
    EXPECT_EQ(ThousandsSeparator, ",");
    SetLocaleSeparators({",", ","});
    EXPECT_EQ(ThousandsSeparator, ".");
    {
        ScopedLocaleSeparators inner(LocaleSeparators::German());
        EXPECT_EQ(GetLocaleDecimalSymbol(), ",");
    }
    EXPECT_EQ(DecimalSymbol, ",") << "the scope restores what was set before it";
}

TEST(TextBeforeComma, SkipsLeadingCommas)
{
    EXPECT_EQ(TextBeforeComma(",,7,8"), "7");
    EXPECT_EQ(TextBeforeComma(","), "");
    EXPECT_EQ(TextBeforeComma("abc"), "abc");
    EXPECT_EQ(TextBeforeComma(""), "");
}

TEST_F(EnglishLocale, ParseLongRoundsHalfToEven)
{
    bool failed = true;
    EXPECT_EQ(ParseLong(" 12.5 ", false, failed), 12);
    EXPECT_FALSE(failed);
    EXPECT_EQ(ParseLong("13.5"), 14);
    EXPECT_EQ(ParseLong("-2.5"), -2);
    EXPECT_EQ(ParseLong("7,8", true), 7);
    EXPECT_EQ(ParseLong("1,000"), 1000);
    EXPECT_EQ(ParseLong("2147483647"), 2147483647);
    EXPECT_EQ(ParseLong("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(ParseLong("2147483648", false, failed), 0);
    EXPECT_TRUE(failed);
    EXPECT_EQ(ParseLong("   ", false, failed), 0);
    EXPECT_FALSE(failed);
}

TEST_F(EnglishLocale, ParseIntegerNeedsAWholeNumberText)
{
    bool failed = false;
    EXPECT_EQ(ParseInteger(" 40000 ", failed), 0);
    EXPECT_TRUE(failed);
    EXPECT_EQ(ParseInteger("7.5", failed), 8);
    EXPECT_FALSE(failed);
    EXPECT_EQ(ParseInteger("12.5"), 12);
    EXPECT_EQ(ParseInteger("13.5"), 14);
    EXPECT_EQ(ParseInteger("12 kg"), 0);
    EXPECT_EQ(ParseInteger("1,234"), 1234);
    EXPECT_EQ(ParseInteger("-32768"), -32768);
    EXPECT_EQ(ParseInteger("32767.5", failed), 0) << "rounds to 32768";
    EXPECT_TRUE(failed);
    EXPECT_EQ(ParseInteger(""), 0);
}

TEST_F(GermanLocale, ParseIntegerUsesLocaleNotation)
{
    EXPECT_EQ(ParseInteger("7,5"), 8);
    EXPECT_EQ(ParseInteger("1.234"), 1234);
    EXPECT_EQ(ParseInteger("12,5"), 12);
}

TEST_F(EnglishLocale, ParseBoolean)
{
    EXPECT_TRUE(ParseBoolean("-1"));
    EXPECT_TRUE(ParseBoolean("2"));
    EXPECT_FALSE(ParseBoolean("0"));
    EXPECT_FALSE(ParseBoolean(""));
    EXPECT_FALSE(ParseBoolean("   "));
    EXPECT_FALSE(ParseBoolean("false"));
    EXPECT_FALSE(ParseBoolean("f"));
    EXPECT_FALSE(ParseBoolean(" ALS "));
    EXPECT_TRUE(ParseBoolean("yes"));
    EXPECT_TRUE(ParseBoolean("True"));
    EXPECT_TRUE(ParseBoolean("No"));
    EXPECT_TRUE(ParseBoolean("X"));
}

TEST_F(GermanLocale, ParseBooleanReadsLeadingNumberByFixedRules)
{
    EXPECT_TRUE(ParseBoolean("1,5"));
    EXPECT_FALSE(ParseBoolean("0,5")) << "the fixed rules stop at the comma";
}

TEST(ReplaceText, ReplacesEveryOccurrence)
{
    EXPECT_EQ(ReplaceText("a.b.c", ".", ",", false), "a,b,c");
    EXPECT_EQ(ReplaceText("x", "x", "", false), "\x15");
    EXPECT_EQ(ReplaceText("  a.b  ", ".", ".", true), "  a.b  ") << "same find and replacement: untouched";
    EXPECT_EQ(ReplaceText("  a.b  ", ".", ",", true), "a,b");
    EXPECT_EQ(ReplaceText("   ", ".", ",", true), "");
    // The search restarts at the start, so joins made by a replacement are replaced too.
    EXPECT_EQ(ReplaceText("aabb", "ab", "a", false), "aa");
}

// The plain rewrite: replace the first occurrence, search again from the start.
std::string RestartingReplace(std::string text, const std::string& find, const std::string& repl)
{
    for (std::size_t at = text.find(find); at != std::string::npos; at = text.find(find))
        text.replace(at, find.size(), repl);
    return text;
}

TEST(ReplaceText, MatchesThePlainRewriteOnShortTexts)
{
    std::mt19937 random(4);
    for (const std::string find : {"ab", "ba", "aa", "aba", "b"}) {
        for (const std::string repl : {"a", "b", "bb", "ba", "ab", "aab"}) {
            if (repl.find(find) != std::string::npos)
                continue;
            for (int n = 0; n < 200; ++n) {
                std::string text;
                const int length = std::uniform_int_distribution<int>(0, 10)(random);
                for (int k = 0; k < length; ++k)
                    text += std::uniform_int_distribution<int>(0, 1)(random) ? 'a' : 'b';
                const std::string expected = RestartingReplace(text, find, repl);
                EXPECT_EQ(ReplaceText(text, find, repl, false), expected) << text << " " << find << "->" << repl;
            }
        }
    }
}

TEST(ReplaceText, EndsWhenReplacementContainsFind)
{
    EXPECT_EQ(ReplaceText("a.b", ".", "..", false), "a..b");
    EXPECT_EQ(ReplaceText("aXbX", "X", "XX", false), "aXXbXX");
    EXPECT_EQ(ReplaceText("abc", "", "z", false), "abc");
}

TEST_F(GermanLocale, ToLocaleDecimal)
{
    EXPECT_EQ(ToLocaleDecimal(" 1.5 "), "1,5");
}

TEST(RoundHalfEven, HalvesGoToEvenNeighbour)
{
    EXPECT_EQ(RoundHalfEven(0.5), 0.0);
    EXPECT_EQ(RoundHalfEven(1.5), 2.0);
    EXPECT_EQ(RoundHalfEven(-1.5), -2.0);
    EXPECT_EQ(RoundHalfEven(-0.5), 0.0);
    EXPECT_EQ(RoundHalfEven(2.4999), 2.0);
    EXPECT_TRUE(std::isnan(RoundHalfEven(std::nan(""))));
}

} // namespace
} // namespace vq
