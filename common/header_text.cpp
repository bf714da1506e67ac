#include "common/header_text.h"

#include "common/settings_text.h"

namespace vq {
namespace {

constexpr const char* CrLf = "\r\n";

} // namespace

std::vector<std::string> HeaderTextParts(const std::string& text)
{
    std::vector<std::string> parts;
    std::string rest = TrimText(text);
    for (size_t pos = rest.find(CrLf); pos != std::string::npos; pos = rest.find(CrLf)) {
        parts.push_back(rest.substr(0, pos));
        rest = TrimText(rest.substr(pos + 2));
    }
    parts.push_back(rest);
    return parts;
}

std::array<std::string, 3> HeaderTextLines(const std::string& text)
{
    std::array<std::string, 3> lines;
    size_t pos = text.find(CrLf);
    lines[0] = TrimText(text.substr(0, pos));
    if (pos == std::string::npos)
        return lines;
    const std::string rest = TrimText(text.substr(pos + 2));
    size_t pos2 = rest.find(CrLf);
    lines[1] = TrimText(rest.substr(0, pos2));
    if (pos2 != std::string::npos)
        lines[2] = TrimText(rest.substr(pos2 + 2));
    return lines;
}

} // namespace vq
