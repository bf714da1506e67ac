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

void PrintControl::Paragraph(const std::string& text)
{
    const double h = measurer_->Height(font_);
    size_t start = 0;
    while (true) {
        size_t end = text.find_first_of("\r\n", start);
        const std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (building_ && CurrentY + h > PageHeight() - marginBottom_ && CurrentY > marginTop_)
            NewPage();
        if (!line.empty())
            AddItem({PageItemKind::Text, static_cast<double>(marginLeft_), CurrentY, 0, 0, line, font_, 0});
        LineBreak();
        if (end == std::string::npos)
            break;
        start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
        if (start >= text.size())
            break;
    }
}

void PrintControl::Text(const std::string& text)
{
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        const std::string part = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!part.empty()) {
            AddItem({PageItemKind::Text, CurrentX, CurrentY, 0, 0, part, font_, 0});
            CurrentX += measurer_->Width(part, font_);
        }
        if (end == std::string::npos)
            break;
        LineBreak();
        start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
    }
}

double PrintControl::TextWidth(const std::string& text) const
{
    double widest = 0;
    size_t start = 0;
    while (true) {
        size_t end = text.find_first_of("\r\n", start);
        widest = std::max(widest, measurer_->Width(text.substr(start, end == std::string::npos ? std::string::npos : end - start), font_));
        if (end == std::string::npos)
            return widest;
        start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
    }
}

double PrintControl::TextHeight(const std::string& text) const
{
    int lines = 1;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            ++lines;
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        }
    }
    return lines * measurer_->Height(font_);
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
