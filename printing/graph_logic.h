// What the graph window plots: which grid cells hold the chosen parameter, which of
// them are points, where they lie on the horizontal axis, in which units, and the
// titles and label formats of the graph. No Qt: the window hands in the cell texts.
#pragma once

#include "common/preference_records.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vq {

// A range point's value from the unit it was typed in to the horizontal unit, by the
// code of the stepped property.
double ConvertGraphRangePoint(int code, double value, std::string_view fromUnits, std::string_view toUnits);

// A plotted value from the parameter's display unit to the vertical unit. Codes
// without a convertible family are returned unchanged.
double ConvertGraphValue(int code, double value, std::string_view fromUnits, std::string_view toUnits);

// Position (1 to count) of the parameter with this code in the shown order; 0 when
// it is not shown.
int GraphParameterPosition(const OutputPreferences& prefs, int code);

// The grid cells of one parameter and where its points lie.
struct GraphRequest {
    std::vector<double> x;    // horizontal position of each range point (one grid line
                              // each), in the horizontal unit
    int code = 0;             // code of the plotted parameter
    int position = 0;         // its place in the shown order (grid row or column)
    bool pointsInRows = false;
    std::string valueUnits;   // unit of the grid's texts
    std::string targetUnits;  // vertical unit
};

// The plotted points (single precision, as the chart holds them) and the extremes,
// taken over the points kept.
struct GraphSeries {
    std::vector<float> x;
    std::vector<float> y;
    double xMin = 1e30, xMax = -1e30, yMin = 1e30, yMax = -1e30;
};

using GridCellText = std::function<std::string(int row, int col)>;

// The value of a grid cell: the number when the whole text is one in the locale's
// notation, else NotApplicableValue ("N/A", an empty cell, "12abc").
double GraphCellValue(const std::string& text);

// Reads the parameter's cell of every point (row 0 and column 0 are the headers),
// skips "N/A", flag values and values a single-precision chart cannot hold, and
// converts the rest to the vertical unit. Point i lies at x[i - 1], whether or not
// earlier points were kept.
GraphSeries CollectGraphPoints(const GraphRequest& request, const GridCellText& cellText);

// Label format of an axis for its span.
std::string GraphAxisLabelFormat(double span);

// Span of an axis by the chart's scale mode: 1 the span of the data, 2 (rounded) and
// 3 (fixed) the span of the chart's own axis bounds, anything else the largest value.
double GraphAxisSpan(int scaleMode, double dataMax, double dataMin, double axisMax, double axisMin);

// Axis title: the property's name, followed by " (unit)" when a unit is given.
std::string GraphAxisTitle(const std::string& property, const std::string& units);

// What the graph title is made of.
struct GraphTitleParts {
    int mode = 2;                  // input mode of the main window
    std::string dependent;         // names in the window's two property lists
    std::string independent;
    std::string conditionName;     // name of the main window's first property
    bool conditionValueShown = true; // the first value box is visible
    std::string conditionValue;    // its text
    std::string conditionUnits;    // the first units list's text
};

// Longest title (in characters) that holds both the plotted pair and the condition.
inline constexpr std::size_t GraphTitleLimit = 77;

// "dependent vs. independent - Condition = value units", or the condition alone when
// the whole would be longer than GraphTitleLimit.
std::string GraphTitle(const GraphTitleParts& parts);

} // namespace vq
