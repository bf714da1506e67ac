// Random and hostile texts through every parser, the section reader and the
// text routines: no crash, no hang, no read past the text, sane results.
#include "common/number_format.h"
#include "common/number_parsing.h"
#include "common/section_reader.h"
#include "common/text_routines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <random>

namespace vq {
namespace {

const char* const Tokens[] = {"0", "1", "5", "9", "12", "9999999999", ".", ",", "e", "E", "d", "D", "+", "-", " ",
                              "  ", "\t", "\n", "\r", "\r\n", "&H", "&O", "&h1F", "[", "]", "[A]", "=", "\\", "/",
                              "x", "psi", "FALSE", "1e308", "e-400", std::string_view("\0", 1).data(),
                              "\xE2\x80\xAF", "\xE2\x80", "\xFF", "\xC2", "\xC2\xB5", "#", "E+00", "0.000"};

// A copy of text in a buffer of exactly its size, so that a read past its end
// is caught by the address sanitizer.
class ExactText {
public:
    explicit ExactText(const std::string& text) : size_(text.size()), data_(new char[text.size() + 1])
    {
        std::copy(text.begin(), text.end(), data_.get());
    }
    std::string_view view() const { return {data_.get(), size_}; }

private:
    std::size_t size_;
    std::unique_ptr<char[]> data_;
};

std::vector<std::string> HostileTexts()
{
    std::vector<std::string> texts{"", "E", "e5", "&H", "&O", "-", "+", ".", ",", ",,,,", "....", "  ", "\r\n",
                                   std::string("1\0" "2", 3), std::string(1, '\0'), "\xFF\xFE", "\xE2\x80\xAF",
                                   "1e99999999999999999999999", "-1e-99999999999999999999", "&H" + std::string(400, 'F'),
                                   "&O" + std::string(400, '7'), std::string(200000, '9'), "0." + std::string(200000, '0') + "1",
                                   std::string(100000, ','), std::string(100000, '.'), std::string(200000, ' ') + "5",
                                   "[" + std::string(10000, 'A') + "]\nA=1", std::string(10000, '\n'),
                                   std::string(10000, '=')};
    std::mt19937 random(20261208);
    const std::size_t tokenCount = std::size(Tokens);
    for (int i = 0; i < 3000; ++i) {
        std::string text;
        const int length = std::uniform_int_distribution<int>(0, 24)(random);
        for (int k = 0; k < length; ++k) {
            const std::size_t t = std::uniform_int_distribution<std::size_t>(0, tokenCount)(random);
            if (t == tokenCount)
                text += static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random));
            else if (Tokens[t][0] == '\0')
                text += '\0';
            else
                text += Tokens[t];
        }
        texts.push_back(text);
    }
    return texts;
}

void ParsersHold(std::string_view s)
{
    for (const bool toLocale : {false, true}) {
        for (const bool firstToken : {false, true}) {
            bool failed = false;
            const double d = ParseDouble(s, toLocale, firstToken, failed);
            ASSERT_TRUE(std::isfinite(d));
            if (failed) {
                ASSERT_EQ(d, 0.0);
            }
            const float f = ParseSingle(s, toLocale, firstToken, failed);
            ASSERT_TRUE(std::isfinite(f));
            if (failed) {
                ASSERT_EQ(f, 0.0f);
            }
        }
    }
    bool failed = false;
    if (ParseLong(s, false, failed) != 0) {
        ASSERT_FALSE(failed);
    }
    if (ParseInteger(s, failed) != 0) {
        ASSERT_FALSE(failed);
    }
    ParseBoolean(s);
    ASSERT_EQ(TextBeforeComma(s).find(','), std::string::npos);
    RemoveThousandsSeparators(s);
    ToLocaleDecimal(s);
}

void ListsHold(std::string_view s)
{
    for (int kind = 0; kind <= 6; ++kind) {
        std::string item;
        int pos = 0;
        int status = 0;
        int guard = 0;
        for (NextListItem(s, pos, kind, item, status); status <= 0; NextListItem(s, pos, kind, item, status))
            ASSERT_LE(++guard, static_cast<int>(s.size()) + 1);
        std::int32_t n = 0;
        pos = 1;
        guard = 0;
        for (NextLongItem(s, pos, kind, n, status); status <= 0 || status == 2; NextLongItem(s, pos, kind, n, status))
            ASSERT_LE(++guard, static_cast<int>(s.size()) + 1);
        float f = 0;
        pos = 1;
        NextSingleItem(s, pos, kind, f, status);
        ASSERT_TRUE(std::isfinite(f));
        std::int16_t i16 = 0;
        pos = 1;
        NextIntegerItem(s, pos, kind, i16, status);
    }
    for (const int wanted : {-1, 0, 3}) {
        std::vector<int> values(10);
        int count = wanted;
        int status = 0;
        std::string name = "Key";
        ParseIntegerList(s, 1, count, values, status, name);
        ASSERT_LE(count, 9);
        std::vector<std::string> texts(10);
        count = wanted;
        name = "Key";
        ParseTextList(s, 1, count, texts, status, name);
    }
    float value = 0;
    std::string units;
    std::string name = "Key";
    ParseValueAndUnits(s, value, units, name);
}

void SectionsHold(std::string_view s, std::string_view heading)
{
    TextFileReader file;
    file.SetText(s);
    for (const bool partial : {false, true}) {
        int count = -1;
        ReadSection(file, heading, count, partial);
        ASSERT_GE(count, 0);
        ASSERT_LE(static_cast<std::size_t>(count), file.LineCount());
        ASSERT_LE(count, SectionCapacity());
        int index = count / 2;
        std::string value;
        std::string error;
        GetSectionValue(s.substr(0, 8), index, value, error);
        ASSERT_GE(index, 0);
        ASSERT_LE(index, count);
        GetSectionValue("A", index, value, error);
    }
}

void TextRoutinesHold(std::string_view s, std::mt19937& random)
{
    std::string first;
    std::string second;
    SplitHeaderText(s, first, second);
    const int length = static_cast<int>(s.size());
    const int start = std::uniform_int_distribution<int>(-2, length + 2)(random);
    ExtractToken(s, start);
    DropLeftChars(s, start);
    LeftTwoChars(s);
    FindNthOccurrence(s, s.substr(0, 2), 3);
    ReplaceCrLf(s, s.substr(0, 3));
    ReplaceCrLfCommaWithSpace(s);
    ReplaceText(s, s.substr(0, 1), s.substr(0, 2), false);
    ReplaceText(s, s.substr(length / 2, 2), s.substr(0, 1), true);
}

void FormattingHolds(std::string_view s, std::mt19937& random)
{
    const double special[] = {0.0, -0.0, 1e-320, -1e-320, 1e308, -1e308, std::numeric_limits<double>::infinity(),
                              std::nan(""), 9.9999996, 123456.7};
    const double x = std::uniform_int_distribution<int>(0, 1)(random) == 0
                         ? special[std::uniform_int_distribution<std::size_t>(0, std::size(special) - 1)(random)]
                         : ParseDouble(s);
    const std::string text = FormatWithPattern(x, s.substr(0, 64), CurrentLocaleSeparators());
    ASSERT_FALSE(text.empty() && std::isfinite(x) && s.substr(0, 64).find('0') != std::string_view::npos);
    OutputPrefs.ColumnAlignment = std::uniform_int_distribution<int>(-1, 4)(random);
    OutputPrefs.MagnitudeLimit = std::uniform_int_distribution<int>(-2, 14)(random);
    OutputPrefs.UseExponential = std::uniform_int_distribution<int>(0, 1)(random);
    const int digits = std::uniform_int_distribution<int>(-3, 40)(random);
    const double mag = special[std::uniform_int_distribution<std::size_t>(0, std::size(special) - 1)(random)];
    const std::string cell = FormatNumberText(x, std::fabs(mag), std::fabs(x), digits);
    ASSERT_FALSE(cell.empty());
    ResetPreferenceRecords();
}

TEST(HostileInput, EveryParserAndTheSectionReaderHold)
{
    const auto texts = HostileTexts();
    std::mt19937 random(7);
    for (const auto& locale :
         {LocaleSeparators::English(), LocaleSeparators::German(), LocaleSeparators{",", "\xE2\x80\xAF"}}) {
        ScopedLocaleSeparators scope(locale);
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const ExactText exact(texts[i]);
            const std::string_view s = exact.view();
            SCOPED_TRACE(::testing::Message() << "text #" << i);
            ParsersHold(s);
            ListsHold(s);
            const ExactText heading(texts[(i * 7919) % texts.size()]);
            SectionsHold(s, heading.view());
            SectionsHold(s, "[A]");
            TextRoutinesHold(s, random);
            FormattingHolds(s, random);
            if (::testing::Test::HasFatalFailure())
                return;
        }
    }
}

} // namespace
} // namespace vq
