#include "app/command_dispatch.h"

#include "common/number_parsing.h"
#include "common/text_routines.h"
#include "platform/grid_model.h"

#include <algorithm>

namespace vq {
namespace {

std::string ToUtf8(const std::u32string& text)
{
    std::string out;
    for (char32_t c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

} // namespace

TextEditResult ApplyTextEdit(const std::u32string& text, int selStart, int selLength, TextEditCommand command,
                             const std::u32string& clipboard)
{
    const auto size = static_cast<int>(text.size());
    const int start = std::clamp(selStart, 0, size);
    const int length = std::clamp(selLength, 0, size - start);
    const std::u32string before = text.substr(0, static_cast<std::size_t>(start));
    const std::u32string selected = text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(length));
    const std::u32string after = text.substr(static_cast<std::size_t>(start + length));
    TextEditResult result;
    switch (command) {
    case TextEditCommand::Cut:
        result.clipboardChanged = length > 0;
        result.clipboard = ToUtf8(selected);
        result.textChanged = length > 0;
        result.text = ToUtf8(before + after);
        break;
    case TextEditCommand::Copy:
        result.clipboardChanged = length > 0;
        result.clipboard = ToUtf8(selected);
        result.text = ToUtf8(text);
        break;
    case TextEditCommand::Paste:
        result.textChanged = true;
        result.text = ToUtf8(before + clipboard + after);
        break;
    case TextEditCommand::Delete:
        result.textChanged = true;
        result.text = ToUtf8(before + after);
        break;
    }
    return result;
}

std::string GridCopyText(const GridModel& grid, int row, int col, int rowSel, int colSel)
{
    int r1 = std::min(row, rowSel), c1 = std::min(col, colSel);
    const int r2 = std::max(row, rowSel), c2 = std::max(col, colSel);
    if (r1 == 1 && r2 == grid.Rows() - 1)
        r1 = 0;
    if (c1 == 1 && c2 == grid.Cols() - 1)
        c1 = 0;
    std::string text;
    for (int r = std::max(r1, 0); r <= r2 && r < grid.Rows(); ++r) {
        for (int c = std::max(c1, 0); c <= c2 && c < grid.Cols(); ++c) {
            const std::string& cell = grid.TextMatrix(r, c);
            // A label of a wrapped heading stays on its row.
            text += r == 0 ? ReplaceCrLf(cell, " ") : OneLineText(cell);
            text += c < c2 && c + 1 < grid.Cols() ? '\t' : '\n';
        }
    }
    return text;
}

std::string HomePageTarget(const std::string& supportText)
{
    if (supportText.compare(0, 7, "http://") == 0)
        return ExtractToken(supportText, 1);
    return MakerHomePage;
}

std::string SupportEmailTarget(const std::string& supportText)
{
    if (!supportText.empty()) {
        const int p = FindNthOccurrence(supportText, "\r\n", 2);
        if (p > 0 && supportText.compare(static_cast<std::size_t>(p + 1), 7, "mailto:") == 0)
            return ExtractToken(supportText, p + 2);
    }
    return "mailto:" + MakerSupportEmail;
}

std::string LatestReleaseTarget(const std::string& appName)
{
    std::string lower = appName;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    return MakerWebSite + "/products/utilities/" + lower + "/release.php";
}

std::string ToolbarResetFailedMessage(const std::string& file)
{
    return "Could not reset. Default toolbar file '" + file + "' was not found.";
}

} // namespace vq
