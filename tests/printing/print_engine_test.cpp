#include "print_grid_fake.h"
#include "recording_user_interface.h"

#include "common/preference_records.h"
#include "printing/layout/print_engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace vq {
namespace {

using test::TextGrid;

// Fixed pitch at 10 pt: a character is 120 twips wide, a line 240 twips high.
constexpr double TH = 240;

std::vector<PageItem> Items(const PrintControl& printer, int page, PageItemKind kind)
{
    std::vector<PageItem> found;
    for (const PageItem& item : printer.Page(page).items)
        if (item.kind == kind)
            found.push_back(item);
    return found;
}

int CountText(const PrintControl& printer, int page, const std::string& text)
{
    auto items = Items(printer, page, PageItemKind::Text);
    return static_cast<int>(std::count_if(items.begin(), items.end(), [&](const PageItem& i) { return i.text == text; }));
}

int CountTextAllPages(const PrintControl& printer, const std::string& text)
{
    int n = 0;
    for (int p = 1; p <= printer.PageCount(); ++p)
        n += CountText(printer, p, text);
    return n;
}

struct Report {
    Report()
    {
        ResetPrintEngineState();
        printer.OnNewPage = [this] { DrawPageFrame(printer, frame); };
        report.fontName = "Mono";
        report.fontSize = 10;
    }
    int Build()
    {
        int status = PrintDocBuilt;
        BuildPrintDocument(printer, report, status);
        return status;
    }

    PrintControl printer;
    PrintReport report;
    int stamps = 0;
    PageFrameTexts frame{"Orm Vapoquant 2.0", [this] { return "stamp " + std::to_string(++stamps); }, 20};
};

TextGrid NumberGrid(int rows, int cols, const std::string& value)
{
    TextGrid grid(rows, cols);
    for (int c = 1; c < cols; ++c)
        grid.SetText(0, c, "Col" + std::to_string(c));
    for (int r = 1; r < rows; ++r) {
        grid.SetText(r, 0, "Row" + std::to_string(r));
        for (int c = 1; c < cols; ++c)
            grid.SetText(r, c, value);
    }
    return grid;
}

TEST(PrintEngineTest, HeaderLineCountAndColumnWidths)
{
    TextGrid grid(3, 4);
    grid.SetText(0, 1, "Pressure");
    EXPECT_EQ(GetGridHeaderLines(grid), 1);
    grid.SetText(0, 2, "Temperature\r\n (deg F) ");
    EXPECT_EQ(GetGridHeaderLines(grid), 2);
    grid.SetText(0, 3, "a\r\nb\r\nc\r\nd");
    EXPECT_EQ(GetGridHeaderLines(grid), 3);

    PrintControl printer;
    grid.SetText(1, 2, "   12.5  ");
    grid.SetText(2, 2, "N/A");
    // The widest part is "Temperature" (11 characters); data cells are trimmed in place.
    EXPECT_DOUBLE_EQ(MeasureGridColumnWidth(grid, printer, 2), 11 * 120.0);
    EXPECT_EQ(grid.Text(1, 2), "12.5");
    EXPECT_EQ(grid.Text(0, 2), "Temperature\r\n (deg F) ");
}

TEST(PrintEngineTest, FourLineHeaderPrintsTheRestAsLineThree)
{
    Report r;
    TextGrid grid = NumberGrid(2, 2, "1");
    grid.SetText(0, 1, "a\r\nb\r\nc\r\nd");
    r.report.grid = &grid;
    r.report.sectionUse = {false, true};
    ASSERT_EQ(r.Build(), PrintDocBuilt);
    auto y = [&](const std::string& text) {
        for (const PageItem& i : Items(r.printer, 1, PageItemKind::Text))
            if (i.text == text)
                return i.y1;
        return -1.0;
    };
    ASSERT_GT(y(" a"), 0);
    EXPECT_DOUBLE_EQ(y(" b") - y(" a"), 1.25 * TH);
    EXPECT_DOUBLE_EQ(y(" c") - y(" a"), 2.5 * TH);
    // The line break kept in line 3 moves "d" to the next line.
    EXPECT_DOUBLE_EQ(y("d") - y(" c"), TH);
    // The first data row follows the three header lines.
    EXPECT_DOUBLE_EQ(y(" 1") - y(" a"), 3 * 1.25 * TH);
}

TEST(PrintEngineTest, WideGridPrintsInBandsThatRepeatTheLabels)
{
    Report r;
    // Column 0 is 8 + 2 characters wide, each data column 10 + 2: five data columns fit
    // between the 1-inch margins of a Letter page (9360 twips).
    TextGrid grid = NumberGrid(3, 13, "1234567890");
    grid.SetText(0, 0, "Property");
    r.report.grid = &grid;
    r.report.sectionUse = {false, true};
    ASSERT_EQ(r.Build(), PrintDocBuilt);
    ASSERT_EQ(r.printer.PageCount(), 1);
    EXPECT_EQ(CountText(r.printer, 1, " Row1"), 3);
    EXPECT_EQ(CountText(r.printer, 1, " Property"), 3);
    EXPECT_EQ(CountText(r.printer, 1, " 1234567890"), 24);
    for (int c = 1; c <= 12; ++c)
        EXPECT_EQ(CountText(r.printer, 1, " Col" + std::to_string(c)), 1) << c;

    // Rules of the last band (two columns) end at its right edge.
    const double label = 10 * 120.0;
    const double column = 12 * 120.0;
    const double lastBandEdge = 1440 + label + 2 * column;
    int rulesAtEdge = 0;
    for (const PageItem& line : Items(r.printer, 1, PageItemKind::Line))
        if (line.y1 == line.y2 && line.x2 == lastBandEdge)
            ++rulesAtEdge;
    EXPECT_EQ(rulesAtEdge, 4); // top, under the header, under each of the two rows
    // Data are right-aligned with the same blank's gap from the right rule as the
    // labels keep from the left one.
    double rightmost = 0;
    for (const PageItem& i : Items(r.printer, 1, PageItemKind::Text))
        if (i.text == " 1234567890")
            rightmost = std::max(rightmost, i.x1);
    EXPECT_DOUBLE_EQ(rightmost + 11 * 120.0, 1440 + label + 5 * column - 120);
}

TEST(PrintEngineTest, HeaderOnlyAndLabelOnlyGridsPrintWhatTheyHold)
{
    Report r;
    r.report.sectionUse = {false, true};
    // Headers without data rows: the header alone, its rules closing under it.
    TextGrid header = NumberGrid(1, 3, "");
    header.SetText(0, 0, "Property");
    r.report.grid = &header;
    ASSERT_EQ(r.Build(), PrintDocBuilt);
    EXPECT_EQ(CountText(r.printer, 1, " Col2"), 1);
    double top = 1e9, under = 0;
    for (const PageItem& line : Items(r.printer, 1, PageItemKind::Line))
        if (line.y1 == line.y2 && line.x1 == 1440) {
            top = std::min(top, line.y1);
            under = std::max(under, line.y1);
        }
    EXPECT_DOUBLE_EQ(under - top, 1.25 * TH);

    // Column 0 alone: its header and labels inside their rules.
    TextGrid labels = NumberGrid(3, 1, "");
    labels.SetText(0, 0, "Property");
    r.report.grid = &labels;
    ASSERT_EQ(r.Build(), PrintDocBuilt);
    EXPECT_EQ(CountText(r.printer, 1, " Property"), 1);
    EXPECT_EQ(CountText(r.printer, 1, " Row1"), 1);
    EXPECT_EQ(CountText(r.printer, 1, " Row2"), 1);
    int verticals = 0;
    for (const PageItem& line : Items(r.printer, 1, PageItemKind::Line))
        if (line.x1 == line.x2 && (line.x1 == 1440 || line.x1 == 1440 + 10 * 120.0))
            ++verticals;
    EXPECT_EQ(verticals, 2);
}

TEST(PrintEngineTest, LongTableBreaksIntoBlocksThatRepeatTheHeader)
{
    Report r;
    TextGrid grid = NumberGrid(151, 3, "42.0");
    r.report.grid = &grid;
    r.report.sectionUse = {false, true};
    ASSERT_EQ(r.Build(), PrintDocBuilt);
    ASSERT_GE(r.printer.PageCount(), 3);
    for (int row = 1; row <= 150; ++row)
        ASSERT_EQ(CountTextAllPages(r.printer, " Row" + std::to_string(row)), 1) << row;
    const double bottom = r.printer.PageHeight() - r.printer.MarginBottom();
    for (int p = 1; p <= r.printer.PageCount(); ++p) {
        EXPECT_EQ(CountText(r.printer, p, " Col1"), 1) << p;
        EXPECT_EQ(CountText(r.printer, p, "(" + std::to_string(p) + ")"), 1);
        for (const PageItem& i : Items(r.printer, p, PageItemKind::Text))
            EXPECT_LE(i.y1 + TH, bottom + 1e-9) << i.text << " on page " << p;
        // The date and time of page 1 stand on every page.
        EXPECT_EQ(CountText(r.printer, p, "stamp 1"), 1);
    }
    EXPECT_EQ(r.stamps, 1);
}

TEST(PrintEngineTest, PrepareTablePageStartsANewPageWhenTooFewLinesFit)
{
    PrintControl printer;
    printer.StartDoc();
    const double h = 1.25 * TH;
    const double bottom = printer.PageHeight() - printer.MarginBottom();
    // Room for exactly headerLines + 2 lines: one blank line, then the block.
    printer.CurrentY = bottom - (2 + 2 + 0.5) * h;
    EXPECT_EQ(PrepareTablePage(printer, 2, 1), 3);
    EXPECT_EQ(printer.PageCount(), 1);
    printer.CurrentY = bottom - (2 + 1 + 0.5) * h;
    PrepareTablePage(printer, 2, 1);
    EXPECT_EQ(printer.PageCount(), 2);
    EXPECT_DOUBLE_EQ(printer.CurrentY, printer.MarginTop());
}

TEST(PrintEngineTest, SectionsHeadingsAndNewPages)
{
    Report r;
    TextGrid grid = NumberGrid(3, 3, "1.5");
    std::string title;
    r.report.grid = &grid;
    r.report.contentTitle = &title;
    r.report.calcInfoLines = {"Input File: Untitled", " "};
    r.report.sectionNewPage = true;

    ASSERT_EQ(r.Build(), PrintDocBuilt);
    EXPECT_EQ(r.printer.PageCount(), 2);
    EXPECT_EQ(CountText(r.printer, 1, "Input Data"), 1);
    EXPECT_EQ(CountText(r.printer, 1, " Input File: Untitled"), 1);
    EXPECT_EQ(CountText(r.printer, 2, "Results"), 1);
    EXPECT_EQ(title, "Results");
    for (const PageItem& i : Items(r.printer, 1, PageItemKind::Text))
        if (i.text == "Input Data") {
            EXPECT_TRUE(i.font.underline);
        }

    // Without the first section the table starts on page 1.
    r.report.sectionUse = {false, true};
    ASSERT_EQ(r.Build(), PrintDocBuilt);
    EXPECT_EQ(r.printer.PageCount(), 1);
    EXPECT_EQ(CountText(r.printer, 1, "Results"), 1);

    // Neither section: the frame alone.
    r.report.sectionUse = {false, false};
    ASSERT_EQ(r.Build(), PrintDocBuilt);
    EXPECT_EQ(r.printer.PageCount(), 1);
    EXPECT_EQ(CountText(r.printer, 1, "Orm Vapoquant 2.0 Results"), 1);
    EXPECT_EQ(CountText(r.printer, 1, " Row1"), 0);
    EXPECT_EQ(Items(r.printer, 1, PageItemKind::Box).size(), 1u);
}

TEST(PrintEngineTest, PageFrameBoxHeaderAndSubtitle)
{
    Report r;
    OutputPrefs.ReportSubtitle = "left over";
    r.report.sectionUse = {false, false};
    r.printer.PenWidth = 7;
    ASSERT_EQ(r.Build(), PrintDocBuilt);
    const auto boxes = Items(r.printer, 1, PageItemKind::Box);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].x1, 1440 - 144);
    EXPECT_EQ(boxes[0].y1, 1440 - 144);
    EXPECT_EQ(boxes[0].x2, 12240 - 1440 + 144);
    EXPECT_EQ(boxes[0].y2, 15840 - 1440 + 144);
    EXPECT_EQ(boxes[0].penWidth, 20);
    EXPECT_EQ(r.printer.PenWidth, 7);
    EXPECT_EQ(OutputPrefs.ReportSubtitle, "");
    // The page number is centred on the page, the date right-aligned at the margin.
    for (const PageItem& i : Items(r.printer, 1, PageItemKind::Text)) {
        if (i.text == "(1)") {
            EXPECT_DOUBLE_EQ(i.x1, (12240 - 3 * 120.0) / 2);
        }
        if (i.text == "stamp 1") {
            EXPECT_DOUBLE_EQ(i.x1, 12240 - 1440 - 7 * 120.0);
        }
    }
}

TEST(PrintEngineTest, ColumnWiderThanThePageGetsABandOfItsOwn)
{
    Report r;
    TextGrid grid = NumberGrid(3, 3, "1");
    grid.SetText(1, 1, std::string(75, 'x')); // wider than the margins, not than the paper
    r.report.grid = &grid;
    r.report.sectionUse = {false, true};
    ASSERT_EQ(r.Build(), PrintDocBuilt);
    EXPECT_EQ(CountText(r.printer, 1, " Row1"), 2);
    EXPECT_EQ(CountText(r.printer, 1, " Col2"), 1);
}

TEST(PrintEngineTest, NoPageAsksForRetryOrCancel)
{
    test::RecordingUserInterface ui;
    Report r;
    r.printer.SetPageAvailable(false);
    int asked = 0;
    r.report.askRetry = [&] { return ++asked == 1; };
    EXPECT_EQ(r.Build(), PrintDocRetry);
    EXPECT_EQ(r.Build(), PrintDocCancelled);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(r.printer.PageCount(), 0);
}

TEST(PrintEngineTest, RefusedFontKeepsThePreviousOne)
{
    Report r;
    r.report.sectionUse = {false, false};
    r.report.fontName = "";
    ASSERT_EQ(r.Build(), PrintDocBuilt);
    EXPECT_EQ(r.printer.Font().name, "Sans Serif");
    r.report.fontName = "Serif";
    r.report.fontSize = 12;
    r.report.fontBold = true;
    ASSERT_EQ(r.Build(), PrintDocBuilt);
    EXPECT_EQ(r.printer.Font(), (PrintFont{"Serif", 12, true, false, false}));
}

TEST(PrintEngineTest, CentredLabelsFollowTheRowColumnOrderFlag)
{
    Report r;
    TextGrid grid = NumberGrid(2, 2, "1");
    grid.SetText(1, 0, "Row1xx"); // column 0 is 6 + 2 characters wide
    r.report.grid = &grid;
    r.report.sectionUse = {false, true};
    r.report.centreLabels = true;
    ASSERT_EQ(r.Build(), PrintDocBuilt);
    for (const PageItem& i : Items(r.printer, 1, PageItemKind::Text))
        if (i.text == " Row1xx") {
            EXPECT_DOUBLE_EQ(i.x1, 1440 + 8 * 120.0 - 4 * 120.0 - 3 * 120.0);
        }
}

} // namespace
} // namespace vq
