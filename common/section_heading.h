// Where a section of the program's sectioned text files begins and ends: the one rule
// that the section reader, the heading search and the section rewrite share.
#pragma once

#include <string_view>

namespace vq {

// True when line opens a section: its text without outer blanks (spaces and tabs)
// begins with "[".
// Such a line also ends the section before it.
bool IsSectionHeadingLine(std::string_view line);

// True when line is the heading of the section named heading: both compared without
// outer blanks and without regard to case.
bool IsSectionHeading(std::string_view line, std::string_view heading);

} // namespace vq
