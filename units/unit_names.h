// Unit name comparison shared by the unit routines.
#pragma once

#include <string_view>

namespace vq {

// True when both names are equal without regard to case (nothing trimmed).
bool SameUnitName(std::string_view a, std::string_view b);

} // namespace vq
