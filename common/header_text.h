// Column header texts of a results grid: lines separated by CR LF, at most three shown.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace vq {

// The parts of a header text split at each CR LF. The text is trimmed of blanks, and
// so is the rest after each pair; a part keeps the blanks just before its pair.
std::vector<std::string> HeaderTextParts(const std::string& text);

// Header lines 1 to 3, each trimmed of blanks; line 3 keeps any further line breaks.
std::array<std::string, 3> HeaderTextLines(const std::string& text);

} // namespace vq
