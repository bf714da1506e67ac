#include "printing/layout/print_engine.h"

#include "common/header_text.h"
#include "common/preference_records.h"
#include "common/program_identity.h"
#include "common/settings_text.h"
#include "common/user_interface.h"

#include <algorithm>
#include <cmath>
#include <exception>

namespace vq {

std::array<std::string, 2> PageHeaderTexts;
bool PageHeaderFitted = true;

void ResetPrintEngineState()
{
    PageHeaderTexts = {};
    PageHeaderFitted = true;
}

int GetGridHeaderLines(const PrintGrid& grid)
{
    int most = 1;
    for (int c = 0; c < grid.Cols(); ++c)
        most = std::max(most, static_cast<int>(HeaderTextParts(grid.Text(0, c)).size()));
    return std::min(most, 3);
}

namespace {

std::string TooWideColumnMessage(const std::array<std::string, 3>& header)
{
    // The header's lines as one line, one blank between its words.
    std::string name;
    for (const std::string& line : header)
        for (const char c : " " + line)
            if (c != ' ' || (!name.empty() && name.back() != ' '))
                name += c;
    name = TrimText(name);
    return "The column \"" + (name.empty() ? std::string("row labels") : name) +
           "\" is too wide for the paper: it would run off the page's edge.\r\n\r\nMake the left margin or the "
           "report font smaller, and print again.";
}

} // namespace

double MeasureGridColumnWidth(PrintGrid& grid, const PrintControl& printer, int col)
{
    long width = 0;
    auto measure = [&](const std::string& text) {
        for (const std::string& part : HeaderTextParts(text))
            width = std::max(width, std::lround(printer.TextWidth(part)));
    };
    measure(grid.Text(0, col));
    for (int r = 1; r < grid.Rows(); ++r) {
        const std::string trimmed = TrimText(grid.Text(r, col));
        grid.SetText(r, col, trimmed);
        measure(trimmed);
    }
    return static_cast<double>(width);
}

long TableLinesThatFit(const PrintControl& printer)
{
    const double pitch = 1.25 * printer.TextHeight("A");
    const double lines = (printer.PageHeight() - printer.MarginBottom() - printer.CurrentY) / pitch - 0.5;
    return std::isfinite(lines) ? std::lrint(lines) : 0L;
}

long PrepareTablePage(PrintControl& printer, int headerLines, int firstRowLines)
{
    if (TableLinesThatFit(printer) >= headerLines + 1 + firstRowLines)
        printer.CurrentY += 1.25 * printer.TextHeight("A"); // one blank line before the block
    else
        printer.NewPage();
    return TableLinesThatFit(printer);
}

std::string PrintGridTable(PrintGrid& grid, PrintControl& printer, bool drawRules, int headerLines, bool centreLabels)
{
    const int cols = grid.Cols();
    const double th = printer.TextHeight("A");
    const double tw = printer.TextWidth("A");
    const double pitch = 1.25 * th;
    if (cols < 1 || grid.Rows() < 1)
        return {};

    std::vector<double> colWidth(static_cast<size_t>(cols));
    std::vector<double> colRight(static_cast<size_t>(cols));
    std::vector<std::array<std::string, 3>> header(static_cast<size_t>(cols));
    for (int c = 0; c < cols; ++c) {
        const auto i = static_cast<size_t>(c);
        colWidth[i] = MeasureGridColumnWidth(grid, printer, c) + 2 * tw;
        colRight[i] = (c == 0 ? 0 : colRight[i - 1]) + colWidth[i];
        header[i] = HeaderTextLines(grid.Text(0, c));
    }
    auto right = [&](int c) { return colRight[static_cast<size_t>(c)]; };
    auto width = [&](int c) { return colWidth[static_cast<size_t>(c)]; };
    const double left = printer.MarginLeft();
    // A column too wide for the margins has a band of its own and may pass the right
    // margin, but not the paper's edge.
    for (int c = 0; c < cols; ++c)
        if (left + right(0) + (c > 0 ? width(c) : 0) > printer.PageWidth())
            return TooWideColumnMessage(header[static_cast<size_t>(c)]);
    // Every text is written after one blank; right-aligned texts keep a blank's gap from
    // the right rule too.
    const double blank = printer.TextWidth(" ");

    // Row labels and column 0's header lines. The lines of a label stand one table line
    // apart, so that a row takes as many table lines as its label holds; the position is
    // left on its last line.
    auto printLabel = [&](const std::string& text) {
        const double top = printer.CurrentY;
        const std::vector<std::string> lines = PrintControl::TextLines(text);
        for (size_t k = 0; k < lines.size(); ++k) {
            printer.CurrentY = top + static_cast<double>(k) * pitch;
            printer.CurrentX =
                centreLabels ? left + right(0) - width(0) / 2 - printer.TextWidth(TrimText(lines[k])) / 2 : left;
            printer.Text(" " + lines[k]);
        }
    };
    // The last column of the band that starts at first; a column too wide for the page
    // makes a band of its own. Without data columns the band is column 0 alone.
    auto bandEnd = [&](int first) {
        int last = first - 1;
        for (int c = first; c < cols; ++c) {
            const double usable = printer.PageWidth() - printer.MarginLeft() - printer.MarginRight();
            if (right(0) + right(c) - right(first - 1) > usable)
                break;
            last = c;
        }
        return first < cols ? std::max(last, first) : 0;
    };

    const int lastRow = grid.Rows() - 1;
    // A row takes as many lines as its label holds.
    auto rowLines = [&](int row) { return row <= lastRow ? PrintControl::LineCount(grid.Text(row, 0)) : 1; };
    int firstCol = 1;
    do {
        const int lastCol = bandEnd(firstCol);
        auto edge = [&](int c) { return left + right(0) + right(c) - right(firstCol - 1); };
        const double bandRight = lastCol >= firstCol ? edge(lastCol) : left + right(0);
        int firstRow = 1;
        int r = 0;
        long rowsFit = PrepareTablePage(printer, headerLines, rowLines(firstRow));
        while (true) {
            const double topY = printer.CurrentY;
            double lastRule = topY;
            long used = 0;
            do {
                ++r;
                const bool hasRow = r <= lastRow;
                if (r == firstRow) {
                    for (int k = 1; k <= headerLines; ++k) {
                        const auto line = static_cast<size_t>(k - 1);
                        printer.CurrentY = topY + (k - 1) * pitch;
                        printLabel(header[0][line]);
                        for (int c = firstCol; c <= lastCol; ++c) {
                            const std::string& text = header[static_cast<size_t>(c)][line];
                            printer.CurrentY = topY + (k - 1) * pitch;
                            printer.CurrentX = edge(c) - width(c) / 2 - printer.TextWidth(text) / 2;
                            printer.Text(" " + text);
                        }
                    }
                    printer.CurrentY = topY + headerLines * pitch;
                }
                if (hasRow) {
                    printLabel(grid.Text(r, 0));
                    for (int c = firstCol; c <= lastCol; ++c) {
                        const std::string text = " " + TrimText(grid.Text(r, c));
                        printer.CurrentX = edge(c) - printer.TextWidth(text) - blank;
                        printer.Text(text);
                    }
                }
                const double under = topY - 0.25 * th + headerLines * pitch;
                if (drawRules && r == firstRow) {
                    printer.DrawLine(left, topY - 0.25 * th, bandRight, topY - 0.25 * th);
                    printer.DrawLine(left, under, bandRight, under);
                    printer.CurrentX = left;
                }
                if (hasRow) {
                    printer.CurrentY += th;
                    if (drawRules)
                        printer.DrawLine(left, printer.CurrentY, bandRight + printer.RuleExtension, printer.CurrentY);
                    lastRule = printer.CurrentY;
                } else {
                    lastRule = under; // a header without rows ends under the header
                }
                printer.CurrentY = lastRule + 0.25 * th;
                printer.CurrentX = left;
                used += (hasRow ? rowLines(r) : 0) + (r == firstRow ? headerLines : 0);
            } while (r < lastRow && used + rowLines(r + 1) <= rowsFit);

            if (drawRules) {
                printer.CurrentY = lastRule;
                printer.CurrentX = left;
                const double top = topY - 0.25 * th;
                printer.DrawLine(left, top, left, lastRule);
                printer.DrawLine(left + right(0), top, left + right(0), lastRule);
                for (int c = firstCol; c <= lastCol; ++c)
                    printer.DrawLine(edge(c), top, edge(c), lastRule);
            }
            printer.CurrentY = lastRule + 0.25 * th;
            firstRow = r + 1;
            if (firstRow > lastRow)
                break;
            rowsFit = PrepareTablePage(printer, headerLines, rowLines(firstRow));
        }
        firstCol = lastCol + 1;
        printer.CurrentY += 0.25 * th;
    } while (firstCol < cols);
    printer.Text(" \r\n");
    return {};
}

void PrintCalcInfoLines(PrintControl& printer, const std::vector<std::string>& lines)
{
    for (const std::string& line : lines)
        printer.Paragraph(" " + line);
}

namespace {

// Where the title, the page number and the date of a header stand: the header line
// (0 the first) and x of each, and whether they stand apart inside the margins.
struct HeaderPlaces {
    std::array<int, 3> line{};
    std::array<double, 3> x{};
    bool fits = true;
};

// The title at the left margin, the number centred on the page and the date at the
// right margin, a blank apart at least. Where the number would touch another text,
// it follows the title, or starts the second line when the first cannot hold both;
// the date then stands at the right of the first line that leaves it room.
HeaderPlaces PlaceHeaderTexts(const PrintControl& printer, const std::array<double, 3>& widths, double secondLineWidth)
{
    const double left = printer.MarginLeft();
    const double right = printer.PageWidth() - printer.MarginRight();
    const double gap = printer.TextWidth(" ");
    const auto [title, number, date] = widths;
    HeaderPlaces p{{0, 0, 0}, {left, (printer.PageWidth() - number) / 2, right - date}, true};
    if (left + title + gap <= p.x[1] && p.x[1] + number + gap <= p.x[2])
        return p;
    if (left + title + gap + number <= right) {
        p.x[1] = left + title + gap;
    } else {
        p.line[1] = 1;
        p.x[1] = left + (secondLineWidth > 0 ? secondLineWidth + gap : 0);
    }
    // Where the texts of each header line end, left - gap on a line without any.
    std::array<double, 3> ends = {left + title, secondLineWidth > 0 ? left + secondLineWidth : left - gap, left - gap};
    ends[static_cast<size_t>(p.line[1])] = p.x[1] + number;
    while (p.line[2] < 2 && ends[static_cast<size_t>(p.line[2])] + gap > p.x[2])
        ++p.line[2];
    p.fits = title <= right - left && p.x[1] + number <= right && ends[static_cast<size_t>(p.line[2])] + gap <= p.x[2];
    return p;
}

} // namespace

void DrawPageFrame(PrintControl& printer, const PageFrameTexts& texts)
{
    const double pageWidth = printer.PageWidth();
    const double th = printer.TextHeight("A");
    const double left = std::round(printer.MarginLeft() - 144.0);
    const double top = std::round(printer.MarginTop() - 144.0);
    const double right = std::round(pageWidth - printer.MarginRight() + 144.0);
    const double bottom = std::round(printer.PageHeight() - printer.MarginBottom() + 144.0);

    const int pen = printer.PenWidth;
    printer.PenWidth = texts.borderPenWidth;
    if (printer.CurrentPage() == 1)
        PageHeaderTexts[1] = texts.dateTimeText ? texts.dateTimeText() : std::string();
    printer.BoxStyle = 1;
    OutputPrefs.ReportSubtitle.clear();

    printer.DrawBox(left, top, right, bottom);
    printer.DrawLine(left, printer.MarginTop() + 4 * th, right, printer.MarginTop() + 4 * th);

    const std::string title = texts.longTitle + " Results";
    const std::string page = "(" + std::to_string(printer.CurrentPage()) + ")";
    const std::array<double, 3> widths = {printer.TextWidth(title), printer.TextWidth(page),
                                          printer.TextWidth(PageHeaderTexts[1])};
    const HeaderPlaces places = PlaceHeaderTexts(printer, widths, printer.TextWidth(PageHeaderTexts[0]));
    PageHeaderFitted = places.fits;
    auto put = [&](int line, double x, const std::string& text) {
        printer.CurrentY = printer.MarginTop() + line * th;
        printer.CurrentX = x;
        printer.Text(text);
    };
    put(places.line[0], places.x[0], title);
    put(places.line[1], places.x[1], page);
    put(places.line[2], places.x[2], PageHeaderTexts[1]);
    put(1, printer.MarginLeft(), PageHeaderTexts[0]);
    put(2, (pageWidth - printer.TextWidth(OutputPrefs.ReportSubtitle)) / 2, OutputPrefs.ReportSubtitle);
    put(3, printer.MarginLeft(), " ");
    put(4, printer.MarginLeft(), " ");
    // The body starts below two blank lines.
    printer.CurrentY = printer.MarginTop() + 5 * th;
    printer.CurrentX = printer.MarginLeft();
    printer.PenWidth = pen;
}

namespace {

// Why a fresh page cannot hold the report, "" when it can: its header texts apart
// inside the frame, and below them the table's header lines, a blank line and its
// tallest row (one line without a table).
std::string PageRoomProblem(const PrintControl& printer, const PrintReport& report)
{
    long needed = 1;
    if (report.sectionUse[1] && report.grid) {
        int tallest = 1;
        for (int r = 1; r < report.grid->Rows(); ++r)
            tallest = std::max(tallest, PrintControl::LineCount(report.grid->Text(r, 0)));
        needed = GetGridHeaderLines(*report.grid) + 1 + tallest;
    }
    if (PageHeaderFitted && TableLinesThatFit(printer) >= needed)
        return {};
    const PaperSizeInfo* paper = FindPaperSize(printer.PaperSize());
    return std::string("The page (") + (paper ? paper->name : "paper") + ", " +
           (printer.Orientation() == 1 ? "landscape" : "portrait") +
           ") is too small for the report: between its margins there is no room for the page header" +
           (report.sectionUse[1] && report.grid ? ", a blank line and one row of the table" : " and one line") +
           ".\r\n\r\nMake the margins or the report font smaller, and print again.";
}

} // namespace

void BuildPrintDocument(PrintControl& printer, const PrintReport& report, int& status)
{
    const PrintFont remembered = printer.Font();
    PrintFont font = remembered;
    font.name = report.fontName;
    font.size = report.fontSize;
    font.bold = report.fontBold;
    font.italic = report.fontItalic;
    if (!printer.SetFont(font))
        printer.SetFont(remembered);

    try {
        if (printer.PageWidth() <= 0 || printer.PageHeight() <= 0) {
            CurrentUserInterface().SetBusy(false);
            status = report.askRetry && report.askRetry() ? PrintDocRetry : PrintDocCancelled;
            return;
        }
        // A report that cannot be printed whole is refused; nothing is printed.
        auto refuse = [&](const std::string& problem) {
            printer.KillDoc();
            CurrentUserInterface().SetBusy(false);
            CurrentUserInterface().Beep();
            CurrentUserInterface().Message(problem, MessageStyle::Exclamation, ProgramTitle);
            status = PrintDocNoRoom;
        };
        printer.StartDoc();
        if (const std::string problem = PageRoomProblem(printer, report); !problem.empty())
            return refuse(problem);
        bool first = true;
        auto heading = [&](int i) {
            if (report.sectionNewPage && !first)
                printer.NewPage();
            first = false;
            if (report.contentTitle)
                report.contentTitle->clear();
            printer.Paragraph("");
            printer.SetTextEmphasis(true);
            printer.Paragraph(report.sectionNames[static_cast<size_t>(i)]);
            printer.SetTextEmphasis(false);
            if (report.contentTitle)
                *report.contentTitle = report.sectionNames[static_cast<size_t>(i)];
        };
        if (report.sectionUse[0]) {
            heading(0);
            PrintCalcInfoLines(printer, report.calcInfoLines);
        }
        if (report.sectionUse[1] && report.grid) {
            heading(1);
            const std::string problem =
                PrintGridTable(*report.grid, printer, true, GetGridHeaderLines(*report.grid), report.centreLabels);
            if (!problem.empty())
                return refuse(problem);
        }
        printer.EndDoc();
    } catch (const std::exception& e) {
        CurrentUserInterface().SetBusy(false);
        CurrentUserInterface().Message(std::string("The following error occurred during the procedure:\r\n\r\n          ") +
                                           e.what() + "\r\n\r\nPrint job aborted.",
                                       MessageStyle::Information, ProgramTitle);
        printer.EndDoc();
        status = PrintDocAborted;
    }
}

} // namespace vq
