#include "units/pressure_entry.h"

#include "common/number_parsing.h"
#include "units/pressure_temperature.h"

#include <charconv>
#include <cmath>

namespace vq {

namespace {

bool IsSkippedInNumber(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

bool IsDigitOfBase(char c, int base)
{
    if (c >= '0' && c <= '7')
        return true;
    if (base == 8)
        return false;
    return (c >= '8' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// True when the text starts with a number as the tolerant parser reads one (its
// separators already turned into blanks): a sign, then a digit, or a decimal
// symbol and a digit; or "&H"/"&O" and a digit of that base.
bool HoldsLeadingNumber(const std::string& text)
{
    std::size_t i = 0;
    auto skip = [&] {
        while (i < text.size() && IsSkippedInNumber(text[i]))
            ++i;
    };
    skip();
    if (i + 1 < text.size() && text[i] == '&') {
        const char kind = text[i + 1];
        const int base = (kind == 'h' || kind == 'H') ? 16 : (kind == 'o' || kind == 'O') ? 8 : 0;
        if (base != 0) {
            i += 2;
            skip();
            return i < text.size() && IsDigitOfBase(text[i], base);
        }
    }
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
        skip();
    }
    if (i < text.size() && text[i] >= '0' && text[i] <= '9')
        return true;
    for (const std::string& point : {std::string("."), DecimalSymbol}) {
        if (!point.empty() && text.compare(i, point.size(), point) == 0) {
            std::size_t j = i + point.size();
            while (j < text.size() && IsSkippedInNumber(text[j]))
                ++j;
            if (j < text.size() && text[j] >= '0' && text[j] <= '9')
                return true;
        }
    }
    return false;
}

} // namespace

std::string NegativePressureMessage(const std::string& fieldName)
{
    return "Negative absolute pressures are not physically possible.\r\n Please enter a new pressure for the " +
           fieldName + ".";
}

std::string SingleToText(float value)
{
    if (!std::isfinite(value))
        return "0";
    if (value == 0.0F)
        return "0";
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7);
    std::string text(buffer, result.ptr);
    std::string out;
    for (char c : text) {
        if (c == '.')
            out += DecimalSymbol;
        else if (c == 'e')
            out += 'E';
        else
            out += c;
    }
    return out;
}

PressureEntryVerdict CheckPressureEntry(const std::string& text, const std::string& units,
                                        const std::string& fieldName)
{
    PressureEntryVerdict verdict;
    verdict.text = text;
    if (text.empty())
        return verdict;

    bool failed = false;
    const double value = ParseDouble(text, false, false, failed);
    const bool holdsNumber = HoldsLeadingNumber(RemoveThousandsSeparators(std::string(TrimBlanks(text))));
    bool singleFailed = false;
    const float single = ParseSingle(text, false, false, singleFailed);
    if (failed || singleFailed || !holdsNumber || !std::isfinite(value)) {
        verdict.ok = false;
        verdict.message = ImproperPressureMessage;
        return verdict;
    }
    if (value < 0.0) {
        const double psia = ConvertPressure(value, units, "psia");
        if (!(psia >= 0.0)) {
            verdict.ok = false;
            verdict.message = NegativePressureMessage(fieldName);
            verdict.text.clear();
            return verdict;
        }
    }
    verdict.text = SingleToText(single);
    return verdict;
}

} // namespace vq
