#include "common/settings_text.h"

#include "common/number_parsing.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <type_traits>

namespace vq {

std::string TrimText(const std::string& text)
{
    return std::string(TrimBlanks(text));
}

std::string SingleLineText(const std::string& text)
{
    std::string out = text;
    std::replace(out.begin(), out.end(), '\r', ' ');
    std::replace(out.begin(), out.end(), '\n', ' ');
    return out;
}

std::string BooleanText(bool value)
{
    return value ? "True" : "False";
}

namespace {

template <typename T>
std::string ShortestText(T value)
{
    char buffer[32];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

// A whole trimmed text as a number of type T; for floating types "," reads as ".".
template <typename T>
bool ParseFileNumber(const std::string& text, T& value)
{
    std::string t = TrimText(text);
    if constexpr (std::is_floating_point_v<T>)
        std::replace(t.begin(), t.end(), ',', '.');
    const char* first = t.data();
    const char* last = t.data() + t.size();
    // At most one sign: from_chars takes a "-" but no "+".
    if (first != last && *first == '+' && ++first != last && *first == '-')
        return false;
    T v = 0;
    auto result = std::from_chars(first, last, v);
    if (result.ec != std::errc() || result.ptr != last || !std::isfinite(v))
        return false;
    value = v;
    return true;
}

} // namespace

std::string ShortestFloatText(float value)
{
    return ShortestText(value);
}

std::string ShortestDoubleText(double value)
{
    return ShortestText(value);
}

bool ParseFileFloat(const std::string& text, float& value)
{
    return ParseFileNumber(text, value);
}

bool ParseFileDouble(const std::string& text, double& value)
{
    return ParseFileNumber(text, value);
}

bool ParseFileInteger(const std::string& text, int& value)
{
    return ParseFileNumber(text, value);
}

bool ParseFileBoolean(const std::string& text, bool& value)
{
    std::string t = ToUpperAscii(TrimText(text));
    if (t == "TRUE" || t == "FALSE") {
        value = t == "TRUE";
        return true;
    }
    // Older files hold 16-bit integers.
    int n = 0;
    if (!ParseFileInteger(t, n) || n < std::numeric_limits<std::int16_t>::min() ||
        n > std::numeric_limits<std::int16_t>::max())
        return false;
    value = n != 0;
    return true;
}

} // namespace vq
