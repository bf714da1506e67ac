// Small routines on texts. Positions are 1-based byte positions, as the
// callers combine them; LeftTwoChars and SplitHeaderText count characters.
#pragma once

#include <string>
#include <string_view>

namespace vq {

// The first two characters (UTF-8 aware).
std::string LeftTwoChars(std::string_view text);
// The text without its first n bytes; "" when n is at least the length.
std::string DropLeftChars(std::string_view text, int n);
// "(" + text + ")", with a blank before and after when spaced.
std::string Parenthesize(std::string_view text, bool spaced);
// The trimmed text with every CR, LF and "," replaced by a blank.
std::string ReplaceCrLfCommaWithSpace(std::string_view text);
// The trimmed text with every CR LF pair replaced by replacement (an empty
// replacement stands for the character with code 21).
std::string ReplaceCrLf(std::string_view text, std::string_view replacement);
// The text on one line: each CR LF pair, and each CR or LF alone, becomes one blank.
std::string OneLineText(std::string_view text);
// Splits a column header into two lines: after the first "/", else at the
// blank nearest the middle; second is "" when there is nothing to split.
void SplitHeaderText(std::string_view text, std::string& first, std::string& second);
// The text from start up to the first following blank or CR LF, or to the end;
// at least the character at start.
std::string ExtractToken(std::string_view text, int start);
// The position of the n-th (overlapping) occurrence of find; 0 when fewer.
int FindNthOccurrence(std::string_view text, std::string_view find, int n);

} // namespace vq
