#include "units/pressure_entry.h"

#include "common/number_parsing.h"
#include "common/preference_records.h"
#include "recording_user_interface.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace vq {
namespace {

class PressureEntryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetPreferenceRecords();
        UnitPrefs.AtmosphericPressurePsia = 14.7;
    }
    void TearDown() override { ResetPreferenceRecords(); }

    ScopedLocaleSeparators locale_{LocaleSeparators::English()};
    test::RecordingUserInterface ui_;
};

TEST_F(PressureEntryTest, NegativeAbsolutePressureIsRefused)
{
    const PressureEntryVerdict refused = CheckPressureEntry("-20", "psig", "Atmospheric Pressure");
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.message, "Negative absolute pressures are not physically possible.\r\n"
                               " Please enter a new pressure for the Atmospheric Pressure.");
    EXPECT_EQ(refused.text, "");

    const PressureEntryVerdict gauge = CheckPressureEntry("-5", "psig", "Atmospheric Pressure");
    EXPECT_TRUE(gauge.ok);
    EXPECT_EQ(gauge.message, "");
    EXPECT_EQ(gauge.text, "-5");

    EXPECT_FALSE(CheckPressureEntry("-0.001", "psia", "X").ok);
    EXPECT_FALSE(CheckPressureEntry("-1", "bar", "X").ok);
    EXPECT_TRUE(CheckPressureEntry("-1", "barG", "X").ok) << "-1 barG is 0.2 psia";
    EXPECT_TRUE(ui_.messages.empty()) << "the check itself shows nothing";
}

TEST_F(PressureEntryTest, AtmosphericPressureOutsideTheSensibleRangeIsRefused)
{
    for (const auto& [typed, units] : {std::pair{"3e38", "atm"}, std::pair{"150.1", "psia"}, std::pair{"0", "psia"},
                                       std::pair{"-0", "bar"}, std::pair{"136", "psig"}}) {
        const PressureEntryVerdict v = CheckPressureEntry(typed, units, "Atmospheric Pressure");
        EXPECT_FALSE(v.ok) << typed << " " << units;
        EXPECT_EQ(v.message, "An atmospheric pressure must be above 0 and at most 150 psia.\r\n"
                             " Please enter a new pressure for the Atmospheric Pressure.");
        EXPECT_EQ(v.text, typed) << "the text stays for correction";
    }
    EXPECT_TRUE(CheckPressureEntry("10", "atm", "X").ok);
}

TEST_F(PressureEntryTest, AcceptedValuesAreRewrittenInSinglePrecision)
{
    struct Case {
        const char* typed;
        const char* rewritten;
    };
    const Case cases[] = {
        {" 14.7 ", "14.7"}, {"12", "12"}, {"0.1", "0.1"}, {"12.345678", "12.34568"},
        {"1e-5", "1E-05"},  {".5", "0.5"}, {"+3", "3"},   {"150", "150"},
    };
    for (const Case& c : cases) {
        const PressureEntryVerdict v = CheckPressureEntry(c.typed, "psia", "X");
        EXPECT_TRUE(v.ok) << c.typed;
        EXPECT_EQ(v.text, c.rewritten) << c.typed;
    }
    EXPECT_EQ(CheckPressureEntry("1,013.25", "psfa", "X").text, "1013.25");
    const PressureEntryVerdict empty = CheckPressureEntry("", "psia", "X");
    EXPECT_TRUE(empty.ok);
    EXPECT_EQ(empty.message, "");
    EXPECT_EQ(empty.text, "");
}

TEST_F(PressureEntryTest, TextWithoutNumberIsRefused)
{
    for (const char* typed : {"abc", " ", "-", ".", "e5", "&H10", "psia 12", "12 psia", "1,5", "1e999", "1e39"}) {
        const PressureEntryVerdict v = CheckPressureEntry(typed, "psia", "Atmospheric Pressure");
        EXPECT_FALSE(v.ok) << typed;
        double unused = 0;
        const TypedNumber read = ReadTypedNumber(typed, unused);
        EXPECT_EQ(v.message, read == TypedNumber::Ok ? ImproperPressureMessage
                                                     : TypedNumberMessage(read, "Atmospheric Pressure", typed))
            << typed;
        EXPECT_EQ(v.text, typed) << "the text stays for correction";
    }
    EXPECT_EQ(CheckPressureEntry("1,5", "psia", "Atmospheric Pressure").message,
              "The Atmospheric Pressure box holds \"1,5\", which is not a number: the thousands separator \",\" "
              "stands only between groups of three digits, and the decimal symbol is \".\".");
}

TEST_F(PressureEntryTest, GermanLocale)
{
    ScopedLocaleSeparators german(LocaleSeparators::German());
    EXPECT_EQ(CheckPressureEntry("14,7", "psia", "X").text, "14,7");
    EXPECT_EQ(CheckPressureEntry("1.013,25", "psfa", "X").text, "1013,25") << "a grouped entry keeps its decimals";
    EXPECT_EQ(CheckPressureEntry(",5", "psia", "X").text, "0,5");
    EXPECT_EQ(CheckPressureEntry("-0,5", "psig", "X").text, "-0,5");
    EXPECT_FALSE(CheckPressureEntry("abc", "psia", "X").ok);
    EXPECT_FALSE(CheckPressureEntry("1.5", "psia", "X").ok) << "not 15";
}

TEST_F(PressureEntryTest, HostileText)
{
    static const char letters[] = "0123456789,.-+eEdD &HhOo\t\r\n\xe2\x80\xaf";
    const std::string alphabet = std::string(letters, sizeof letters); // the NUL included
    std::mt19937 rng(7);
    for (int round = 0; round < 2000; ++round) {
        std::string text;
        const int n = static_cast<int>(rng() % 40);
        for (int i = 0; i < n; ++i)
            text += alphabet[rng() % alphabet.size()];
        const PressureEntryVerdict v = CheckPressureEntry(text, round % 2 ? "psig" : "kPa", "X");
        if (v.ok)
            EXPECT_EQ(v.message, "") << text;
        else
            EXPECT_NE(v.message, "") << text;
    }
}

} // namespace
} // namespace vq
