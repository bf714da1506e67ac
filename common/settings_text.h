// Value texts of the program's own files: written the same way in every locale, read
// back from that form and from the forms older files hold.
#pragma once

#include <string>

namespace vq {

// The text without blanks at both ends.
std::string TrimText(const std::string& text);
// The text with carriage returns and line feeds replaced by blanks, so it stays on its line.
std::string SingleLineText(const std::string& text);

// "True" or "False".
std::string BooleanText(bool value);
// The shortest text with "." that reads back as the same float.
std::string ShortestFloatText(float value);
// The shortest text with "." that reads back as the same double.
std::string ShortestDoubleText(double value);

// A whole trimmed text as a finite float: at most one sign, "." or "," as decimal symbol.
bool ParseFileFloat(const std::string& text, float& value);
// The same as a finite double.
bool ParseFileDouble(const std::string& text, double& value);
// A whole trimmed text as an int: an optional sign and decimal digits, nothing else.
bool ParseFileInteger(const std::string& text, int& value);
// "True"/"False" in any letter case, or an integer that fits 16 bits (non-zero is true).
bool ParseFileBoolean(const std::string& text, bool& value);

} // namespace vq
