#include "units/unit_names.h"

namespace vq {

namespace {

char UpperAscii(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

std::string_view TrimUnitName(std::string_view name)
{
    const auto first = name.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = name.find_last_not_of(' ');
    return name.substr(first, last - first + 1);
}

std::string UpperUnitName(std::string_view name)
{
    std::string upper(name);
    for (char& c : upper)
        c = UpperAscii(c);
    return upper;
}

bool SameUnitName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (UpperAscii(a[i]) != UpperAscii(b[i]))
            return false;
    }
    return true;
}

} // namespace vq
