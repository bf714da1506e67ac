#include "common/section_heading.h"

#include "common/number_parsing.h"

namespace vq {

bool IsSectionHeadingLine(std::string_view line)
{
    const std::string_view text = TrimBlanks(line);
    return !text.empty() && text.front() == '[';
}

bool IsSectionHeading(std::string_view line, std::string_view heading)
{
    return IsSectionHeadingLine(line) && ToUpperAscii(TrimBlanks(line)) == ToUpperAscii(TrimBlanks(heading));
}

} // namespace vq
