// Layout of the results grid for one calculation: headers, orientation, result
// texts and row heights, written into a GridModel and sized with ResultTable.
#pragma once

#include "platform/grid_model.h"
#include "solver/result_table.h"

#include <functional>
#include <string>
#include <vector>

namespace vq {

// One shown output parameter as the grid needs it.
struct ShownParameter {
    int code = 0;
    std::string header;     // header text for the table kind, unit included
    bool isTextValue = false;
    bool hasUnits = false;  // its header has a unit line
};

struct ResultsLayout {
    int mode = 0;                   // 0 Single Point, 1 Two Points, 2 Range
    bool transposed = false;        // points in rows, parameters in columns
    bool wrapHeaders = false;
    std::vector<ShownParameter> params;
    int points = 1;                 // 1, 3 or the range count
    // Range mode only.
    std::string rangeHeader;
    bool rangeHasUnits = false;
    double rangeStart = 0.0;
    double rangeEnd = 0.0;
    double rangeIncrement = 0.0;
    std::string decimalSymbol = ".";
};

// Texts of one parameter's values at every point (flag values are replaced by "N/A"
// afterwards, whatever the formatter gives for them).
using ColumnFormatter = std::function<std::vector<std::string>(const std::vector<double>& values)>;

// Clears the grid, writes the headers and alignments and sizes ResultTable to match.
void SetupGridHeaders(GridModel& grid, ResultTableType& table, const ResultsLayout& layout);
// Writes every result cell from the table.
void FillOutputGrid(GridModel& grid, const ResultTableType& table, const ResultsLayout& layout,
                    const ColumnFormatter& format);
// Row heights for the layout (column widths are fitted by the view).
void SizeOutputRows(GridModel& grid, const ResultsLayout& layout);

// The text of a value of parameter code: the phase names for code 11, "N/A" for a
// flag value of any parameter, else "".
std::string GetPhaseText(int code, double value);

} // namespace vq
