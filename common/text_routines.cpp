#include "common/text_routines.h"

#include "common/number_parsing.h"

#include <vector>

namespace vq {

namespace {

// Byte offsets of the characters of UTF-8 text; a byte that does not belong
// to a well-formed sequence counts as one character.
std::vector<std::size_t> CharacterOffsets(std::string_view text)
{
    std::vector<std::size_t> offsets;
    std::size_t i = 0;
    while (i < text.size()) {
        offsets.push_back(i);
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 1;
        if (lead >= 0xC2 && lead <= 0xDF)
            length = 2;
        else if (lead >= 0xE0 && lead <= 0xEF)
            length = 3;
        else if (lead >= 0xF0 && lead <= 0xF4)
            length = 4;
        bool wellFormed = i + length <= text.size();
        for (std::size_t k = 1; wellFormed && k < length; ++k)
            wellFormed = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
        i += wellFormed ? length : 1;
    }
    return offsets;
}

} // namespace

std::string LeftTwoChars(std::string_view text)
{
    const auto offsets = CharacterOffsets(text);
    return std::string(offsets.size() <= 2 ? text : text.substr(0, offsets[2]));
}

std::string DropLeftChars(std::string_view text, int n)
{
    if (n <= 0)
        return std::string(text);
    if (static_cast<std::size_t>(n) >= text.size())
        return {};
    return std::string(text.substr(static_cast<std::size_t>(n)));
}

std::string Parenthesize(std::string_view text, bool spaced)
{
    std::string out = spaced ? " (" : "(";
    out += text;
    out += spaced ? ") " : ")";
    return out;
}

std::string ReplaceCrLfCommaWithSpace(std::string_view text)
{
    std::string out(TrimBlanks(text));
    for (char& c : out) {
        if (c == '\r' || c == '\n' || c == ',')
            c = ' ';
    }
    return out;
}

std::string ReplaceCrLf(std::string_view text, std::string_view replacement)
{
    const std::string_view trimmed = TrimBlanks(text);
    if (trimmed.empty())
        return {};
    return ReplaceText(trimmed, "\r\n", replacement, false);
}

std::string OneLineText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        out += c == '\r' || c == '\n' ? ' ' : c;
    }
    return out;
}

void SplitHeaderText(std::string_view text, std::string& first, std::string& second)
{
    const std::size_t slash = text.find('/');
    if (slash != std::string_view::npos) {
        first = std::string(TrimBlanks(text.substr(0, slash + 1)));
        second = std::string(text.substr(slash + 1));
        return;
    }
    if (text.find(' ') == std::string_view::npos) {
        first = std::string(text);
        second.clear();
        return;
    }
    // Character positions 1..n; blanks and control characters are single bytes.
    const auto offsets = CharacterOffsets(text);
    const int n = static_cast<int>(offsets.size());
    auto at = [&](int pos) { return static_cast<unsigned char>(text[offsets[static_cast<std::size_t>(pos - 1)]]); };
    const int m = static_cast<int>(RoundHalfEven(n / 2.0));
    int forward = n;
    for (int i = m < 1 ? 1 : m; i <= n - 1; ++i) {
        if (at(i) <= ' ') {
            forward = i;
            break;
        }
    }
    int backward = 0;
    for (int i = m; i >= 1; --i) {
        if (at(i) == ' ') {
            backward = i;
            break;
        }
    }
    const int cut = (m - backward) < (forward - m) ? backward : forward;
    const std::size_t cutEnd = cut >= n ? text.size() : offsets[static_cast<std::size_t>(cut)];
    first = std::string(TrimBlanks(text.substr(0, cutEnd)));
    second = std::string(text.substr(cutEnd));
}

std::string ExtractToken(std::string_view text, int start)
{
    if (start < 1)
        start = 1;
    const auto from = static_cast<std::size_t>(start - 1);
    if (from >= text.size())
        return {};
    const std::size_t blank = text.find(' ', from);
    const std::size_t crlf = text.find("\r\n", from);
    const std::size_t separator = blank < crlf ? blank : crlf;
    // end: 1-based position of the token's last character.
    std::size_t end = separator == std::string_view::npos ? text.size() : separator;
    if (end < 1)
        end = text.size();
    const std::size_t length = end >= from + 1 ? end - from : 1;
    return std::string(text.substr(from, length));
}

int FindNthOccurrence(std::string_view text, std::string_view find, int n)
{
    if (find.empty() || n < 1)
        return 0;
    std::size_t from = 0;
    std::size_t hit = std::string_view::npos;
    for (int i = 0; i < n; ++i) {
        hit = text.find(find, from);
        if (hit == std::string_view::npos)
            return 0;
        from = hit + 1;
    }
    return static_cast<int>(hit + 1);
}

} // namespace vq
