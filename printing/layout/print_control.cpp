#include "printing/layout/print_control.h"

#include <algorithm>
#include <cmath>
#include <utility>

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
    // The standard paper numbers; each sheet as the number defines it (Ledger lies on
    // its side). Inch papers are exact, millimetre papers rounded to the twip.
    static const std::vector<PaperSizeInfo> sizes = {
        {1, "Letter", 12240, 15840},
        {2, "Letter Small", 12240, 15840},
        {3, "Tabloid", 15840, 24480},
        {4, "Ledger", 24480, 15840},
        {5, "Legal", 12240, 20160},
        {6, "Statement", 7920, 12240},
        {7, "Executive (7.25 x 10.5 in)", 10440, 15120},
        {8, "A3", 16838, 23811},
        {9, "A4", 11906, 16838},
        {10, "A4 Small", 11906, 16838},
        {11, "A5", 8391, 11906},
        {12, "B4 (JIS)", 14570, 20636},
        {13, "B5 (JIS)", 10318, 14570},
        {14, "Folio (8.5 x 13 in)", 12240, 18720},
        {15, "Quarto", 12240, 15595},
        {16, "10 x 14 in", 14400, 20160},
        {18, "Note", 12240, 15840},
        {19, "Envelope #9", 5580, 12780},
        {20, "Envelope #10", 5933, 13680},
        {21, "Envelope #11", 6480, 14940},
        {22, "Envelope #12", 6840, 15840},
        {23, "Envelope #14", 7200, 16560},
        {24, "Architect C", 25920, 34560},
        {25, "Architect D", 34560, 51840},
        {26, "Architect E", 51840, 69120},
        {27, "Envelope DL", 6236, 12472},
        {28, "Envelope C5", 9184, 12983},
        {29, "Envelope C3", 18369, 25965},
        {30, "Envelope C4", 12983, 18369},
        {31, "Envelope C6", 6463, 9184},
        {32, "Envelope C65", 6463, 12983},
        {33, "Envelope B4", 14173, 20013},
        {34, "Envelope B5", 9978, 14173},
        {35, "Envelope B6", 9978, 7087},
        {36, "Envelope Italian", 6236, 13039},
        {37, "Envelope Monarch", 5580, 10800},
        {38, "Envelope Personal", 5220, 9360},
        {39, "Fan-fold US (14.875 x 11 in)", 21420, 15840},
        {40, "Fan-fold German (8.5 x 12 in)", 12240, 17280},
        {41, "Fan-fold German Legal (8.5 x 13 in)", 12240, 18720},
        {42, "B4 (ISO)", 14173, 20013},
        {43, "Postcard", 5669, 8391},
        {44, "9 x 11 in", 12960, 15840},
        {45, "10 x 11 in", 14400, 15840},
        {46, "15 x 11 in", 21600, 15840},
        {47, "Envelope Invite", 12472, 12472},
        {50, "Letter Extra", 13680, 17280},
        {51, "Legal Extra", 13680, 21600},
        {52, "Tabloid Extra", 17280, 25920},
        {53, "A4 Extra", 13351, 18272},
        {57, "Super A", 12869, 20183},
        {58, "Super B", 17291, 27609},
        {59, "Letter Plus", 12240, 18274},
        {60, "A4 Plus", 11906, 18709},
        {63, "A3 Extra", 18255, 25228},
        {64, "A5 Extra", 9865, 13323},
        {65, "B5 Extra", 11395, 15647},
        {66, "A2", 23811, 33676},
        {69, "Double Postcard", 11339, 8391},
        {70, "A6", 5953, 8391},
        {71, "Envelope Kaku 2", 13606, 18822},
        {72, "Envelope Kaku 3", 12246, 15704},
        {73, "Envelope Chou 3", 6803, 13323},
        {74, "Envelope Chou 4", 5102, 11622},
        {88, "B6 (JIS)", 7257, 10318},
        {90, "12 x 11 in", 17280, 15840},
        {91, "Envelope You 4", 5953, 13323},
        {93, "PRC 16K", 8277, 12189},
        {94, "PRC 32K", 5499, 8561},
        {95, "PRC 32K Big", 5499, 8561},
        {96, "Envelope PRC 1", 5783, 9354},
        {97, "Envelope PRC 2", 5783, 9978},
        {98, "Envelope PRC 3", 7087, 9978},
        {99, "Envelope PRC 4", 6236, 11792},
        {100, "Envelope PRC 5", 6236, 12472},
        {101, "Envelope PRC 6", 6803, 13039},
        {102, "Envelope PRC 7", 9071, 13039},
        {103, "Envelope PRC 8", 6803, 17518},
        {104, "Envelope PRC 9", 12983, 18369},
        {105, "Envelope PRC 10", 18369, 25965},
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

int PaperCodeOfSize(double widthTwips, double heightTwips, std::initializer_list<int> candidates)
{
    auto sameSize = [&](const PaperSizeInfo& p) {
        return std::abs(p.widthTwips - widthTwips) <= 10 && std::abs(p.heightTwips - heightTwips) <= 10;
    };
    for (int code : candidates)
        if (const PaperSizeInfo* p = FindPaperSize(code); p && sameSize(*p))
            return code;
    for (const PaperSizeInfo& p : PaperSizes())
        if (sameSize(p))
            return p.code;
    return 0;
}

namespace {

std::function<int()> defaultPaperSource;

const FixedPitchMeasurer& DefaultMeasurer()
{
    static const FixedPitchMeasurer m;
    return m;
}

} // namespace

void SetDefaultPaperSource(std::function<int()> source)
{
    defaultPaperSource = std::move(source);
}

int DefaultPaperSize()
{
    const int code = defaultPaperSource ? defaultPaperSource() : 0;
    return FindPaperSize(code) ? code : PaperLetter;
}

PrintControl::PrintControl(const TextMeasurer* measurer)
    : measurer_(measurer ? measurer : &DefaultMeasurer()), paperSize_(DefaultPaperSize())
{
}

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
