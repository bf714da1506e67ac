#include "common/number_format.h"
#include "equations/flag_values.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace vq {
namespace {

const LocaleSeparators en = LocaleSeparators::English();
const LocaleSeparators de = LocaleSeparators::German();

// OutputPrefs with the given choices for the test's lifetime.
class FormatTest : public ::testing::Test {
protected:
    void Use(int alignment, int limit = 6, int exponential = 0)
    {
        OutputPrefs.ColumnAlignment = alignment;
        OutputPrefs.MagnitudeLimit = limit;
        OutputPrefs.UseExponential = exponential;
    }
    void TearDown() override { ResetPreferenceRecords(); }
};

TEST_F(FormatTest, AlignedColumn)
{
    Use(0);
    EXPECT_EQ(GetNumberPattern(123.456, 123.456, 0.5, 6, OutputPrefs), "##0.000000");
    EXPECT_EQ(FormatNumberText(123.456, 123.456, 0.5, 6, en), "123.456000");
    EXPECT_EQ(FormatNumberText(0.5, 123.456, 0.5, 6, en), "0.500000");
    EXPECT_EQ(FormatNumberText(0.5, 123.456, 0.5, 6, de), "0,500000");
}

TEST_F(FormatTest, GroupingAndTrailingPoint)
{
    Use(0);
    EXPECT_EQ(GetNumberPattern(123456.7, 123456.7, 123456.7, 6, OutputPrefs), "##,###0.");
    EXPECT_EQ(FormatNumberText(123456.7, 123456.7, 123456.7, 6, en), "123,457.");
    EXPECT_EQ(FormatNumberText(123456.7, 123456.7, 123456.7, 6, de), "123.457,");
    EXPECT_EQ(FormatNumberText(-12345678.9, 12345678.9, 12345678.9, 8, en), "-12,345,679.");
    EXPECT_EQ(FormatNumberText(-12345678.9, 12345678.9, 12345678.9, 8, {",", "\xE2\x80\xAF"}),
              "-12\xE2\x80\xAF" "345\xE2\x80\xAF" "679,");
}

TEST_F(FormatTest, DigitsPerValue)
{
    Use(1);
    EXPECT_EQ(GetNumberPattern(0.05, 0, 0, 4, OutputPrefs), "0.00000");
    EXPECT_EQ(FormatNumberText(0.05, 0, 0, 4, en), "0.05000");
    EXPECT_EQ(GetNumberPattern(0.0005, 0, 0, 4, OutputPrefs), "0.000E+00");
    EXPECT_EQ(FormatNumberText(0.0005, 0, 0, 4, en), "5.000E-04");
    EXPECT_EQ(FormatNumberText(0.0005, 0, 0, 4, de), "5,000E-04");
    EXPECT_EQ(FormatNumberText(2.5e9, 0, 0, 6, en), "2.50000E+09");
    EXPECT_EQ(FormatNumberText(1.5e8, 0, 0, 6, en), "1.50000E+08") << "m2 = 0 makes 10^8 exponential";
    EXPECT_EQ(FormatNumberText(0, 0, 0, 5, en), "0.0000");
}

TEST_F(FormatTest, SpreadBeyondTheLimit)
{
    const std::vector<double> column{1e-3, 25.0, 5e4};
    double maxAbs = 0;
    double minAbs = 0;
    GetMagnitudeRange(column, maxAbs, minAbs);
    EXPECT_EQ(maxAbs, 5e4);
    EXPECT_EQ(minAbs, 1e-3);

    Use(3, 6);
    EXPECT_EQ(FormatNumberText(25.0, maxAbs, minAbs, 4, en), "2.500E+01");
    EXPECT_EQ(FormatNumberText(5e4, maxAbs, minAbs, 4, en), "5.000E+04");
    Use(2, 6);
    EXPECT_EQ(FormatNumberText(25.0, maxAbs, minAbs, 4, en), "25.00");
    EXPECT_EQ(FormatNumberText(5e4, maxAbs, minAbs, 4, en), "50,000");
    Use(2, 8);
    EXPECT_EQ(FormatNumberText(25.0, maxAbs, minAbs, 4, en), "25.000000") << "within the limit: aligned";
    Use(0, 6, 1);
    EXPECT_EQ(FormatNumberText(25.0, 25.0, 25.0, 3, en), "2.50E+01") << "exponential always";
}

TEST_F(FormatTest, ZeroColumns)
{
    const std::vector<double> zeros{0.0, 0.0, NotApplicableValue};
    double maxAbs = -1;
    double minAbs = -1;
    GetMagnitudeRange(zeros, maxAbs, minAbs);
    EXPECT_EQ(maxAbs, 0.0);
    EXPECT_EQ(minAbs, 1e30);
    Use(0);
    EXPECT_EQ(GetNumberPattern(0, maxAbs, minAbs, 6, OutputPrefs), "#0");
    EXPECT_EQ(FormatNumberText(0, maxAbs, minAbs, 6, en), "0");
    EXPECT_EQ(GetNumberPattern(0, 0, 0, 5, OutputPrefs), "#0.0000");
    EXPECT_EQ(FormatNumberText(0, 0, 0, 5, en), "0.0000");
}

TEST(MagnitudeRange, SkipsFlagsAndNaN)
{
    const std::vector<double> column{GetFlagValue(1, 0), -7.0, std::nan(""), 0.0, 0.25, GetFlagValue(0, 1)};
    double maxAbs = 0;
    double minAbs = 0;
    GetMagnitudeRange(column, maxAbs, minAbs);
    EXPECT_EQ(maxAbs, 7.0);
    EXPECT_EQ(minAbs, 0.25);
}

TEST(PatternFormatter, RoundsTheDecimalFormHalfAwayFromZero)
{
    EXPECT_EQ(FormatWithPattern(2.675, "0.00", en), "2.68");
    EXPECT_EQ(FormatWithPattern(-2.675, "0.00", en), "-2.68");
    EXPECT_EQ(FormatWithPattern(1.005, "0.00", en), "1.01");
    EXPECT_EQ(FormatWithPattern(0.125, "0.00", en), "0.13");
    EXPECT_EQ(FormatWithPattern(2.5, "0", en), "3");
    EXPECT_EQ(FormatWithPattern(0.5, "0", en), "1");
    EXPECT_EQ(FormatWithPattern(0.05, "0.0", en), "0.1");
    EXPECT_EQ(FormatWithPattern(0.04, "0.0", en), "0.0");
    EXPECT_EQ(FormatWithPattern(-0.004, "0.00", en), "0.00") << "no minus on a zero text";
    EXPECT_EQ(FormatWithPattern(999.9996, "#,##0.000", en), "1,000.000");
    EXPECT_EQ(FormatWithPattern(9.99995e-5, "0.0000E+00", en), "1.0000E-04");
    EXPECT_EQ(FormatWithPattern(1.5e-300, "0.0E+00", en), "1.5E-300");
    EXPECT_EQ(FormatWithPattern(1e300, "0.0E-00", en), "1.0E300");
    EXPECT_EQ(FormatWithPattern(0, "0.00E+00", en), "0.00E+00");
    EXPECT_EQ(FormatWithPattern(1234.5, "0.##", en), "1234.5");
    EXPECT_EQ(FormatWithPattern(0.25, "#.00", en), ".25");
    EXPECT_EQ(FormatWithPattern(std::nan(""), "0.00", en), "N/A");
    EXPECT_EQ(FormatWithPattern(-std::numeric_limits<double>::infinity(), "0.00", en), "N/A");
}

TEST_F(FormatTest, NonFiniteValuesShowNotAvailable)
{
    Use(0);
    EXPECT_EQ(FormatNumberText(std::nan(""), 1, 1, 6, en), "N/A");
    EXPECT_EQ(FormatNumberText(std::numeric_limits<double>::infinity(), 1, 1, 6, en), "N/A");
    EXPECT_EQ(FormatNumberText(1.0, std::numeric_limits<double>::infinity(), std::nan(""), 6, en), "1.00000");
}

TEST_F(FormatTest, ValuesRoundingUpToTheNextMagnitude)
{
    Use(1);
    EXPECT_EQ(FormatNumberText(9.9999996, 0, 0, 6, en), "10.0000");
    EXPECT_EQ(FormatNumberText(-9.9999996, 0, 0, 6, en), "-10.0000");
    EXPECT_EQ(FormatNumberText(0.99999996, 0, 0, 6, en), "1.00000");
    EXPECT_EQ(FormatNumberText(9.9999996e20, 0, 0, 6, en), "1.00000E+21");
    EXPECT_EQ(FormatNumberText(999999.96, 0, 0, 6, en), "1,000,000");
    Use(0);
    EXPECT_EQ(FormatNumberText(9.9999996, 9.9999996, 9.9999996, 6, en), "10.0000");
}

// Every value from 1e-12 to 1e15, either sign, shown with d significant digits
// reads back within half a unit of its last digit.
TEST_F(FormatTest, MagnitudesReadBackInBothLocales)
{
    Use(1);
    for (const auto& locale : {en, de}) {
        ScopedLocaleSeparators scope(locale);
        for (int e = -12; e <= 15; ++e) {
            for (const double mantissa : {1.0, 1.234567891, 4.99999, 9.87654321}) {
                for (const double sign : {1.0, -1.0}) {
                    for (int digits = 1; digits <= 8; ++digits) {
                        const double x = sign * mantissa * std::pow(10.0, e);
                        const std::string text = FormatNumberText(x, 0, 0, digits);
                        // A grouped German number does not parse whole, so the grouping goes first.
                        std::string plain;
                        for (const char c : text) {
                            if (std::string(1, c) != locale.thousands)
                                plain += c;
                        }
                        const double back = ParseDouble(plain);
                        const int shown = std::max(0, digits - 1 - MagnitudeOf(x));
                        const bool expo = text.find('E') != std::string::npos;
                        const double unit = expo ? std::pow(10.0, MagnitudeOf(x) - digits + 1) : std::pow(10.0, -shown);
                        EXPECT_LE(std::fabs(back - x), unit * 0.5000001) << text << " for " << x;
                    }
                }
            }
        }
    }
}

} // namespace
} // namespace vq
