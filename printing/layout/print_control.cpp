#include "printing/layout/print_control.h"

#include <algorithm>
#include <cmath>

namespace vq {

double FixedPitchMeasurer::Width(const std::string& text, const PrintFont& font) const
{
    return static_cast<double>(text.size()) * font.size * 20.0 * 0.6;
}

double FixedPitchMeasurer::Height(const PrintFont& font) const
{
    return font.size * 20.0 * 1.2;
}

const std::vector<PaperSizeInfo>& PaperSizes()
{
    static const std::vector<PaperSizeInfo> sizes = {
        {1, "Letter", 12240, 15840},   {5, "Legal", 12240, 20160}, {7, "Executive", 10440, 15120},
        {8, "A3", 16838, 23811},       {9, "A4", 11906, 16838},    {11, "A5", 8391, 11906},
    };
    return sizes;
}

const PaperSizeInfo* FindPaperSize(int code)
{
    for (const PaperSizeInfo& p : PaperSizes())
        if (p.code == code)
            return &p;
    return nullptr;
}

namespace {

const FixedPitchMeasurer& DefaultMeasurer()
{
    static const FixedPitchMeasurer m;
    return m;
}

} // namespace

PrintControl::PrintControl(const TextMeasurer* measurer) : measurer_(measurer ? measurer : &DefaultMeasurer()) {}

void PrintControl::SetPaperSize(int code)
{
    if (FindPaperSize(code))
        paperSize_ = code;
}

void PrintControl::SetOrientation(int orientation)
{
    if (orientation == 0 || orientation == 1)
        orientation_ = orientation;
}

double PrintControl::PageWidth() const
{
    const PaperSizeInfo* p = FindPaperSize(paperSize_);
    if (!pageAvailable_ || !p)
        return 0;
    return orientation_ == 1 ? p->heightTwips : p->widthTwips;
}

double PrintControl::PageHeight() const
{
    const PaperSizeInfo* p = FindPaperSize(paperSize_);
    if (!pageAvailable_ || !p)
        return 0;
    return orientation_ == 1 ? p->widthTwips : p->heightTwips;
}

void PrintControl::SetMarginLeft(int twips)
{
    if (twips >= 0)
        marginLeft_ = twips;
}
void PrintControl::SetMarginRight(int twips)
{
    if (twips >= 0)
        marginRight_ = twips;
}
void PrintControl::SetMarginTop(int twips)
{
    if (twips >= 0)
        marginTop_ = twips;
}
void PrintControl::SetMarginBottom(int twips)
{
    if (twips >= 0)
        marginBottom_ = twips;
}

void PrintControl::StartDoc()
{
    pages_.clear();
    building_ = true;
    previewPage_ = 1;
    NewPage();
}

void PrintControl::EndDoc()
{
    building_ = false;
}

void PrintControl::NewPage()
{
    pages_.emplace_back();
    CurrentX = marginLeft_;
    CurrentY = marginTop_;
    if (OnNewPage)
        OnNewPage();
}

void PrintControl::KillDoc()
{
    pages_.clear();
    building_ = false;
    previewPage_ = 1;
}

const PrintPage& PrintControl::Page(int n) const
{
    static const PrintPage empty;
    if (n < 1 || n > PageCount())
        return empty;
    return pages_[static_cast<size_t>(n - 1)];
}

void PrintControl::SetPreviewPage(int page)
{
    previewPage_ = std::clamp(page, 1, std::max(1, PageCount()));
}

void PrintControl::SetZoom(double percent)
{
    if (std::isfinite(percent))
        zoom_ = std::clamp(percent, ZoomMin, ZoomMax);
}

bool PrintControl::SetFont(const PrintFont& font)
{
    if (font.name.empty() || !std::isfinite(font.size) || font.size < 1 || font.size > 1638)
        return false;
    font_ = font;
    return true;
}

void PrintControl::AddItem(PageItem item)
{
    if (pages_.empty())
        pages_.emplace_back();
    pages_.back().items.push_back(std::move(item));
}

void PrintControl::LineBreak()
{
    CurrentX = marginLeft_;
    CurrentY += measurer_->Height(font_);
}

std::vector<std::string> PrintControl::TextLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (true) {
        const size_t end = text.find_first_of("\r\n", start);
        lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            return lines;
        start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
    }
}

namespace {

// Start of the UTF-8 character after the one at i.
size_t NextCharacter(const std::string& text, size_t i)
{
    ++i;
    while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
        ++i;
    return i;
}

bool IsBreakAfter(char c)
{
    return c == ' ' || c == '/' || c == '\\';
}

} // namespace

std::vector<std::string> PrintControl::WrapLine(const std::string& line, double firstRoom, double room) const
{
    std::vector<std::string> pieces;
    size_t start = 0;
    double width = firstRoom;
    while (start < line.size()) {
        // The longest run of characters that fits, at least one.
        size_t end = NextCharacter(line, start);
        while (end < line.size()) {
            const size_t next = NextCharacter(line, end);
            if (measurer_->Width(line.substr(start, next - start), font_) > width)
                break;
            end = next;
        }
        if (end < line.size()) {
            // Rather after the last blank or separator that follows some text.
            const size_t text = line.find_first_not_of(' ', start);
            for (size_t k = end; k - 1 > text; --k)
                if (IsBreakAfter(line[k - 1])) {
                    end = k;
                    break;
                }
        }
        pieces.push_back(line.substr(start, end - start));
        start = end;
        width = room;
    }
    return pieces;
}

void PrintControl::Paragraph(const std::string& text)
{
    const double h = measurer_->Height(font_);
    std::vector<std::string> lines = TextLines(text);
    if (lines.size() > 1 && lines.back().empty())
        lines.pop_back(); // a closing line break adds no line
    const double room = PageWidth() - marginRight_ - marginLeft_;
    for (const std::string& line : lines) {
        // A line wider than the margins goes on over the next lines, as far in as its
        // leading blanks (at most half the room).
        const bool wraps = room > 0 && measurer_->Width(line, font_) > room;
        const double indent =
            wraps ? std::min(measurer_->Width(line.substr(0, line.find_first_not_of(' ')), font_), room / 2) : 0.0;
        const std::vector<std::string> pieces = wraps ? WrapLine(line, room, room - indent) : std::vector{line};
        for (size_t i = 0; i < pieces.size(); ++i) {
            if (building_ && CurrentY + h > PageHeight() - marginBottom_ && CurrentY > marginTop_)
                NewPage();
            if (!pieces[i].empty())
                AddItem({PageItemKind::Text, marginLeft_ + (i > 0 ? indent : 0.0), CurrentY, 0, 0, pieces[i], font_, 0});
            LineBreak();
        }
    }
}

void PrintControl::Text(const std::string& text)
{
    const std::vector<std::string> parts = TextLines(text);
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i > 0)
            LineBreak();
        if (!parts[i].empty()) {
            AddItem({PageItemKind::Text, CurrentX, CurrentY, 0, 0, parts[i], font_, 0});
            CurrentX += measurer_->Width(parts[i], font_);
        }
    }
}

double PrintControl::TextWidth(const std::string& text) const
{
    double widest = 0;
    for (const std::string& line : TextLines(text))
        widest = std::max(widest, measurer_->Width(line, font_));
    return widest;
}

double PrintControl::TextHeight(const std::string& text) const
{
    return LineCount(text) * measurer_->Height(font_);
}

int PrintControl::LineCount(const std::string& text)
{
    return static_cast<int>(TextLines(text).size());
}

void PrintControl::DrawLine(double x1, double y1, double x2, double y2)
{
    AddItem({PageItemKind::Line, x1, y1, x2, y2, {}, font_, PenWidth});
}

void PrintControl::DrawBox(double x1, double y1, double x2, double y2)
{
    AddItem({PageItemKind::Box, x1, y1, x2, y2, {}, font_, PenWidth});
}

} // namespace vq
