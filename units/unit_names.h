// Unit name comparison shared by the unit routines: blanks trimmed, letter case ignored.
#pragma once

#include <string>
#include <string_view>

namespace vq {

// The name without leading and trailing blanks.
std::string_view TrimUnitName(std::string_view name);

// The name in upper case (ASCII letters only).
std::string UpperUnitName(std::string_view name);

// True when both names are equal without regard to case (nothing trimmed).
bool SameUnitName(std::string_view a, std::string_view b);

} // namespace vq
