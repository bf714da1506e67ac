// The printed report: the calculation information, the results table laid out in
// column bands and page blocks, and the frame with its header band on every page.
#pragma once

#include "printing/layout/print_control.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace vq {

// The texts of the results grid as the report reads and trims them. Row 0 holds the
// headers (lines separated by CR LF), column 0 the row labels.
class PrintGrid {
public:
    virtual ~PrintGrid() = default;
    virtual int Rows() const = 0;
    virtual int Cols() const = 0;
    virtual std::string Text(int row, int col) const = 0;
    virtual void SetText(int row, int col, const std::string& text) = 0;
};

// Kept between pages: [1] the date and time of page 1, [0] the second header line.
extern std::array<std::string, 2> PageHeaderTexts;
// Whether the header texts of the last page drawn stand apart inside its margins.
extern bool PageHeaderFitted;
void ResetPrintEngineState();

// What one report prints.
struct PrintReport {
    std::array<std::string, 2> sectionNames{"Input Data", "Results"};
    std::array<bool, 2> sectionUse{true, true};
    bool sectionNewPage = false;
    // The calculation information, one line each.
    std::vector<std::string> calcInfoLines;
    PrintGrid* grid = nullptr;
    // Row labels and their header centred in column 0 (the table's row/column order flag).
    bool centreLabels = false;
    // The report font.
    std::string fontName;
    int fontSize = 10;
    bool fontBold = false;
    bool fontItalic = false;
    // Set to the heading of the section being written.
    std::string* contentTitle = nullptr;
    // Asked when no page can be set up; true for Retry.
    std::function<bool()> askRetry;
};

// What the frame of every page prints.
struct PageFrameTexts {
    std::string longTitle;
    std::function<std::string()> dateTimeText;
    int borderPenWidth = 20;
};

// Document status of BuildPrintDocument.
inline constexpr int PrintDocBuilt = 0;
inline constexpr int PrintDocRetry = 1;
inline constexpr int PrintDocCancelled = 2;
inline constexpr int PrintDocAborted = 3;
// The page settings leave no room for the report.
inline constexpr int PrintDocNoRoom = 4;

// Builds the whole report on the control (whose OnNewPage draws the frame). A page
// that cannot hold the header and a table row, or a column that would run off the
// paper, is said and nothing is kept (status PrintDocNoRoom).
void BuildPrintDocument(PrintControl& printer, const PrintReport& report, int& status);
void PrintCalcInfoLines(PrintControl& printer, const std::vector<std::string>& lines);
// Number of header lines of the grid: 1 to 3.
int GetGridHeaderLines(const PrintGrid& grid);
// The widest printed text of a column; trims the column's data cells in the grid.
double MeasureGridColumnWidth(PrintGrid& grid, const PrintControl& printer, int col);
// Prints the table; or, when one of its columns would run off the paper's edge, prints
// nothing and returns the message that says so.
std::string PrintGridTable(PrintGrid& grid, PrintControl& printer, bool drawRules, int headerLines, bool centreLabels);
// Table lines (1.25 text lines each) that fit below the current position.
long TableLinesThatFit(const PrintControl& printer);
// Makes room for a table block whose first row takes firstRowLines (a new page when
// the header and that row do not fit below one blank line) and returns the number of
// lines that fit.
long PrepareTablePage(PrintControl& printer, int headerLines, int firstRowLines);
// The frame and header band of the page just begun. Title, page number and date stand
// as usual where there is room; else the number follows the title (or starts the
// second line) and the date, where the texts before it leave no room, goes to the
// right of the next line.
void DrawPageFrame(PrintControl& printer, const PageFrameTexts& texts);

} // namespace vq
