#include "common/section_heading.h"

#include "common/number_parsing.h"

namespace vq {

namespace {

// Blanks here are spaces and tabs: a hand-edited file may indent a heading either way.
std::string_view TrimHeadingBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

bool IsSectionHeadingLine(std::string_view line)
{
    const std::string_view text = TrimHeadingBlanks(line);
    return !text.empty() && text.front() == '[';
}

bool IsSectionHeading(std::string_view line, std::string_view heading)
{
    return IsSectionHeadingLine(line) &&
           ToUpperAscii(TrimHeadingBlanks(line)) == ToUpperAscii(TrimHeadingBlanks(heading));
}

} // namespace vq
