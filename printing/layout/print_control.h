// The print control: a retained, paged document in twips with a current position, a
// font, margins and paper, built by the print engine and afterwards previewed,
// printed or written as PDF by the Qt layer. Text sizes come from a TextMeasurer so
// that the layout runs, and is tested, without Qt.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace vq {

struct PrintFont {
    std::string name = "Sans Serif";
    double size = 10.0; // points
    bool bold = false;
    bool italic = false;
    bool underline = false; // the heading emphasis

    bool operator==(const PrintFont&) const = default;
};

class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    // Width of one line of text, in twips.
    virtual double Width(const std::string& text, const PrintFont& font) const = 0;
    // Height of one text line, in twips.
    virtual double Height(const PrintFont& font) const = 0;
};

// Every character 0.6 em wide, a line 1.2 em high (1 pt = 20 twips).
class FixedPitchMeasurer final : public TextMeasurer {
public:
    double Width(const std::string& text, const PrintFont& font) const override;
    double Height(const PrintFont& font) const override;
};

enum class PageItemKind { Text, Line, Box };

struct PageItem {
    PageItemKind kind = PageItemKind::Text;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0; // text: top-left corner in (x1, y1)
    std::string text;
    PrintFont font;
    int penWidth = 0;
};

struct PrintPage {
    std::vector<PageItem> items;
};

// Paper sizes by their standard paper number, in twips as the number defines the
// sheet (portrait for all but a few that lie on their side). This one table serves the
// layout and the printer: the Qt side takes its page from the size.
struct PaperSizeInfo {
    int code;
    const char* name;
    int widthTwips;
    int heightTwips;
};
const std::vector<PaperSizeInfo>& PaperSizes();
// The entry of a code; null when the code is unknown.
const PaperSizeInfo* FindPaperSize(int code);
// The code of a sheet of that size (twips, within half a point), 0 when the table has
// none: the first of the candidate codes of that size, else the first entry of it.
int PaperCodeOfSize(double widthTwips, double heightTwips, std::initializer_list<int> candidates);
inline constexpr int PaperLetter = 1;
inline constexpr int PaperA4 = 9;
// The paper a new print control starts with: the code the installed source gives (the
// Qt layer hands in the default printer's), else Letter, as for a code the table lacks.
void SetDefaultPaperSource(std::function<int()> source);
int DefaultPaperSize();

class PrintControl {
public:
    explicit PrintControl(const TextMeasurer* measurer = nullptr);

    // Page. An unknown paper code is refused (the size stays). Orientation 0 portrait,
    // 1 landscape; other values are refused. Negative margins are refused.
    int PaperSize() const { return paperSize_; }
    void SetPaperSize(int code);
    int Orientation() const { return orientation_; }
    void SetOrientation(int orientation);
    // Width and height of the page in the current orientation; 0 while no page is available.
    double PageWidth() const;
    double PageHeight() const;
    void SetPageAvailable(bool available) { pageAvailable_ = available; }
    int MarginLeft() const { return marginLeft_; }
    int MarginRight() const { return marginRight_; }
    int MarginTop() const { return marginTop_; }
    int MarginBottom() const { return marginBottom_; }
    void SetMarginLeft(int twips);
    void SetMarginRight(int twips);
    void SetMarginTop(int twips);
    void SetMarginBottom(int twips);
    int PaperBin() const { return paperBin_; }
    void SetPaperBin(int bin) { paperBin_ = bin; }
    const std::string& Device() const { return device_; }
    void SetDevice(const std::string& device) { device_ = device; }
    // Error code of the last printer operation, 0 when none (texts: GetPrinterErrorText).
    int Error() const { return error_; }
    void SetError(int code) { error_ = code; }

    // Document. StartDoc and NewPage raise OnNewPage once the page exists and the
    // position is at the top-left margin.
    void StartDoc();
    void EndDoc();
    void NewPage();
    // Discards the kept document.
    void KillDoc();
    bool Building() const { return building_; }
    int PageCount() const { return static_cast<int>(pages_.size()); }
    // The page being built.
    int CurrentPage() const { return PageCount(); }
    // Page n, 1-based; an out-of-range n gives an empty page.
    const PrintPage& Page(int n) const;
    std::function<void()> OnNewPage;
    std::string DocName;
    bool Preview = true;

    // Preview. The page shown is kept within 1..PageCount (1 for an empty document);
    // the zoom within ZoomMin..ZoomMax.
    int PreviewPage() const { return previewPage_; }
    void SetPreviewPage(int page);
    double Zoom() const { return zoom_; }
    void SetZoom(double percent);
    static constexpr double ZoomMin = 5;
    static constexpr double ZoomMax = 400;
    int ZoomStep = 10;

    // Text. A font with an empty name or a size outside 1..1638 points is refused.
    const PrintFont& Font() const { return font_; }
    bool SetFont(const PrintFont& font);
    void SetTextEmphasis(bool on) { font_.underline = on; }
    double CurrentX = 0;
    double CurrentY = 0;
    // Each line of text at the left margin, the position then at the start of the next
    // line; a line that would cross the bottom margin starts a new page first. A line
    // wider than the room between the margins goes on over the next lines, broken after
    // a blank or path separator where one fits, else where the room ends.
    void Paragraph(const std::string& text);
    // Text at the current position, no line break; a CR (or CR LF, or LF) moves to the
    // left margin of the next line.
    void Text(const std::string& text);
    double TextWidth(const std::string& text) const;
    double TextHeight(const std::string& text) const;
    // The lines of a text, split at each line break (CR LF, CR or LF).
    static std::vector<std::string> TextLines(const std::string& text);
    static int LineCount(const std::string& text);

    // Drawing.
    int PenWidth = 10;
    int BoxStyle = 0;
    // The further length by which a table row's rule passes the table's right edge.
    double RuleExtension = 0;
    void DrawLine(double x1, double y1, double x2, double y2);
    void DrawBox(double x1, double y1, double x2, double y2);

private:
    void AddItem(PageItem item);
    // A line cut into pieces: the first fits firstRoom, the others room.
    std::vector<std::string> WrapLine(const std::string& line, double firstRoom, double room) const;
    void LineBreak();

    const TextMeasurer* measurer_;
    int paperSize_;
    int orientation_ = 0;
    bool pageAvailable_ = true;
    int marginLeft_ = 1440;
    int marginRight_ = 1440;
    int marginTop_ = 1440;
    int marginBottom_ = 1440;
    int paperBin_ = 0;
    std::string device_;
    int error_ = 0;
    bool building_ = false;
    std::vector<PrintPage> pages_;
    int previewPage_ = 1;
    double zoom_ = 100;
    PrintFont font_;
};

} // namespace vq
