// The output report file (*.out) and the delimited text export of the results grid.
// The text builders are Qt-free and work on the grid model; the writers replace the
// file safely and report failures as results.
#pragma once

#include "common/main_window_host.h"

#include <string>
#include <vector>

namespace vq {

class GridModel;
class MainWindowView;
class PrintSections;

void ResetOutputReportState();

// What the calculation-information lines are made of.
struct OutputHeaderInputs {
    std::string dateText;  // the calculation's date and time, already formatted
    std::string version;   // the version text
    std::string inputFile; // the document's full path or "Untitled"
    bool useIF97 = true;
    int mode = 0;          // current input-mode tab
    InputControls input1, input2;
};

// The calculation-information lines (5 to 9 of them).
std::vector<std::string> BuildOutputHeader(const OutputHeaderInputs& in);

// The calculation information of a main window as it stands now.
OutputHeaderInputs CurrentOutputHeaderInputs(const MainWindowHost& host);
// From the installed main window.
void WriteOutputHeader(int& count, std::vector<std::string>& lines);

// The number of header lines of the grid's row 0: 1 to 3.
int GetGridHeaderLines(const GridModel& grid);

// Length of the longest text line of column col, a body cell taken on one line as the
// table writes it; trims the column's body cells.
int GetColumnTextWidth(GridModel& grid, int col);

// The grid as fixed-width blocks of at most five data columns, one entry per line.
std::vector<std::string> WriteOutputTable(GridModel& grid);

// Every grid row as one delimited line. Text cells go in the quote; a cell holding
// the separator, a double quote or a line break always goes in double quotes.
std::vector<std::string> WriteGridRows(const GridModel& grid, const std::string& separator,
                                       const std::string& quote);

// Every CR and LF replaced by one blank.
std::string ReplaceLineBreaks(std::string text);
// True when text holds a character other than digits, "-", ".", "+", "e" and "E".
bool HasNonNumericChar(const std::string& text);

// The whole report file and the whole export file as lines.
std::vector<std::string> OutputReportLines(const PrintSections& sections, const std::vector<std::string>& header,
                                           GridModel& grid);
std::vector<std::string> OutputExportLines(const PrintSections& sections, const std::vector<std::string>& header,
                                           const GridModel& grid, const std::string& separator,
                                           const std::string& quote);

// The file name Save Output As proposes for a document name.
std::string ProposedOutputFileName(const std::string& documentName);

// The message of a failed output write.
std::string OutputWriteErrorMessage(const std::string& errorText);

// The output report file named by OutputFileName, from the main window's print
// sections, inputs and results grid (whose body cells are trimmed). False with
// errorText when the file could not be written; the old file is then unchanged.
bool WriteOutputFile(MainWindowView& main, std::string& errorText);
// Save Output: rewrites OutputFileName, or asks for a name when there is none yet.
void SaveOutputAsMenu(MainWindowView& main);
// Save Output As: asks for the report file's name and writes it there.
void SaveOutputAs(MainWindowView& main);
// The delimited text export to file; false with errorText when it could not be written.
bool WriteOutputReport(MainWindowView& main, const std::string& file, const std::string& separator,
                       const std::string& quote, std::string& errorText);

} // namespace vq
