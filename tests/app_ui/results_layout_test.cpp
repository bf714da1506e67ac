#include "app/input_panel_logic.h"
#include "common/number_format.h"
#include "app/results_layout.h"
#include "equations/flag_values.h"

#include <gtest/gtest.h>

namespace vq {
namespace {

ResultsLayout FiveParams(int mode, bool transposed)
{
    ResultsLayout layout;
    layout.mode = mode;
    layout.transposed = transposed;
    layout.params = {{11, "Phase", true, false},
                     {1, "Pressure\r\n(MPa)", false, true},
                     {2, "Temperature\r\n(C)", false, true},
                     {4, "Density\r\n(kg/m3)", false, true},
                     {19, "Comp. Factor", false, false}};
    layout.points = RangePointCount(mode, 0, 10, 3);
    return layout;
}

// Plain fixed-point texts, enough to see which value lands in which cell.
std::vector<std::string> PlainTexts(const std::vector<double>& values)
{
    std::vector<std::string> texts;
    for (double v : values)
        texts.push_back(DefaultDoubleText(v, "."));
    return texts;
}

TEST(ResultsLayout, SinglePointParametersInRowsOrColumns)
{
    GridModel grid;
    ResultTableType table;
    SetupGridHeaders(grid, table, FiveParams(SinglePointMode, false));
    EXPECT_EQ(grid.Rows(), 6);
    EXPECT_EQ(grid.Cols(), 2);
    EXPECT_EQ(grid.TextMatrix(0, 0), "Parameter");
    EXPECT_EQ(grid.TextMatrix(0, 1), "Value");
    EXPECT_EQ(grid.TextMatrix(2, 0), "Pressure\r\n(MPa)");
    EXPECT_EQ(grid.CellAlignment(0, 0), GridAlignment::CenterCenter);
    EXPECT_EQ(grid.CellAlignment(0, 1), GridAlignment::CenterCenter);
    EXPECT_EQ(grid.CellAlignment(2, 0), GridAlignment::LeftBottom);
    EXPECT_EQ(grid.CellAlignment(2, 1), GridAlignment::RightBottom);
    EXPECT_EQ(table.UpperRow(), 6);
    EXPECT_EQ(table.UpperCol(), 2);

    SetupGridHeaders(grid, table, FiveParams(SinglePointMode, true));
    EXPECT_EQ(grid.Rows(), 2);
    EXPECT_EQ(grid.Cols(), 6);
    EXPECT_EQ(grid.TextMatrix(1, 0), "Value");
    EXPECT_EQ(grid.TextMatrix(0, 3), "Temperature\r\n(C)");
    EXPECT_EQ(grid.CellAlignment(1, 0), GridAlignment::CenterBottom);
    EXPECT_EQ(grid.CellAlignment(0, 3), GridAlignment::CenterCenter);
    EXPECT_EQ(grid.TextMatrix(1, 1), "") << "old texts are cleared";
}

TEST(ResultsLayout, TwoPointsAndRangeHeadings)
{
    GridModel grid;
    ResultTableType table;
    SetupGridHeaders(grid, table, FiveParams(TwoPointsMode, true));
    ASSERT_EQ(grid.Rows(), 4);
    EXPECT_EQ(grid.TextMatrix(1, 0), "1st Point");
    EXPECT_EQ(grid.TextMatrix(2, 0), "2nd Point");
    EXPECT_EQ(grid.TextMatrix(3, 0), "Difference");

    ResultsLayout range = FiveParams(RangeMode, true);
    range.rangeHeader = "Temperature\r\n(F)";
    range.rangeHasUnits = true;
    range.rangeStart = 0;
    range.rangeEnd = 10;
    range.rangeIncrement = 3;
    SetupGridHeaders(grid, table, range);
    ASSERT_EQ(grid.Rows(), 5);
    EXPECT_EQ(grid.TextMatrix(0, 0), "Temperature\r\n(F)");
    EXPECT_EQ(grid.TextMatrix(1, 0), "= 0");
    EXPECT_EQ(grid.TextMatrix(4, 0), "= 9");
    EXPECT_EQ(grid.CellAlignment(4, 0), GridAlignment::CenterCenter);

    // Accumulated, not multiplied; shown with the locale's decimal symbol.
    range.rangeStart = 0.1;
    range.rangeIncrement = 0.2;
    range.decimalSymbol = ",";
    SetupGridHeaders(grid, table, range);
    EXPECT_EQ(grid.TextMatrix(2, 0), "= 0,3");
    EXPECT_EQ(grid.TextMatrix(4, 0), "= 0,7");
}

TEST(ResultsLayout, FillShowsPhaseTextsAndNotApplicable)
{
    GridModel grid;
    ResultTableType table;
    const ResultsLayout layout = FiveParams(TwoPointsMode, false);
    SetupGridHeaders(grid, table, layout);
    table(1, 1) = -1;   // liquid
    table(1, 2) = 0.5;  // two-phase
    table(1, 3) = NotApplicableValue;
    table(2, 1) = 1;
    table(2, 2) = 2.0000000000000004;
    table(2, 3) = 1;
    table(5, 1) = NotApplicableValue;
    table(5, 2) = 0.9;
    table(5, 3) = NotApplicableValue;
    std::vector<std::vector<double>> seen;
    FillOutputGrid(grid, table, layout, [&](const std::vector<double>& v) {
        seen.push_back(v);
        return PlainTexts(v);
    });
    EXPECT_EQ(grid.TextMatrix(1, 1), "Liquid");
    EXPECT_EQ(grid.TextMatrix(1, 2), "Saturated");
    EXPECT_EQ(grid.TextMatrix(1, 3), "N/A");
    EXPECT_EQ(grid.TextMatrix(2, 2), "2") << "values are rounded to 15 digits";
    EXPECT_EQ(grid.TextMatrix(5, 1), "N/A");
    EXPECT_EQ(grid.TextMatrix(5, 2), "0.9");
    // The formatter sees each parameter's values across the points, phase excluded.
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[0].size(), 3u);
    EXPECT_EQ(seen[0][1], 2.0);
}

TEST(ResultsLayout, PhaseTexts)
{
    EXPECT_EQ(GetPhaseText(11, 0.5), "Saturated");
    EXPECT_EQ(GetPhaseText(11, 0.0), "Saturated Liquid");
    EXPECT_EQ(GetPhaseText(11, 1.0), "Saturated Vapor");
    EXPECT_EQ(GetPhaseText(11, -1.0), "Liquid");
    EXPECT_EQ(GetPhaseText(11, -2.0), "Gas");
    EXPECT_EQ(GetPhaseText(11, -3.0), "Super Critical");
    EXPECT_EQ(GetPhaseText(11, 0.999995), "Saturated Vapor");
    EXPECT_EQ(GetPhaseText(11, 5.0), "");
    EXPECT_EQ(GetPhaseText(11, 1e300), "");
    EXPECT_EQ(GetPhaseText(11, NotApplicableValue), "N/A");
    EXPECT_EQ(GetPhaseText(3, NotApplicableValue), "N/A");
    EXPECT_EQ(GetPhaseText(3, 12.0), "");
}

TEST(ResultsLayout, RowHeightsFollowHeaderWrapping)
{
    GridModel grid;
    ResultTableType table;
    ResultsLayout layout = FiveParams(SinglePointMode, false);
    SetupGridHeaders(grid, table, layout);
    SizeOutputRows(grid, layout);
    EXPECT_EQ(grid.RowHeight(2), OneLineRowTwips);

    layout.wrapHeaders = true;
    SizeOutputRows(grid, layout);
    EXPECT_EQ(grid.RowHeight(0), OneLineRowTwips);
    EXPECT_EQ(grid.RowHeight(1), OneLineRowTwips) << "Phase has no unit";
    EXPECT_EQ(grid.RowHeight(2), TwoLineRowTwips);
    EXPECT_EQ(grid.RowHeight(5), OneLineRowTwips);

    layout.transposed = true;
    SetupGridHeaders(grid, table, layout);
    SizeOutputRows(grid, layout);
    EXPECT_EQ(grid.RowHeight(0), TwoLineRowTwips);
    EXPECT_EQ(grid.RowHeight(1), OneLineRowTwips);
}

TEST(RangeArithmetic, PointCountsAndValues)
{
    EXPECT_EQ(RangePointCount(SinglePointMode, 0, 0, 0), 1);
    EXPECT_EQ(RangePointCount(TwoPointsMode, 0, 0, 0), 3);
    EXPECT_EQ(RangePointCount(7, 0, 10, 1), 0);
    EXPECT_EQ(RangePointCount(RangeMode, 0, 10, 3), 4);
    // Whole increments only, allowing for rounding: no point beyond the end.
    EXPECT_EQ(RangePointCount(RangeMode, 0, 10, 4), 3);
    EXPECT_EQ(RangePointCount(RangeMode, 100, 105, 2), 3);
    EXPECT_EQ(RangePointCount(RangeMode, 100, 101, 0.4), 3);
    EXPECT_EQ(RangePointCount(RangeMode, 100, 105, 0.1), 51);
    EXPECT_EQ(RangePointCount(RangeMode, 0.1, 0.3, 0.1), 3);
    EXPECT_EQ(RangeHeldPoints(100, 5000, 1), 4901);
    EXPECT_EQ(RangePointCount(RangeMode, 0, 1, 0.0001), 1000);
    EXPECT_EQ(RangePointCount(RangeMode, 10, 0, 1), 1);
    // Counts that cannot be computed never reach an integer conversion.
    EXPECT_EQ(RangePointCount(RangeMode, 0, 10, 0), 1);
    EXPECT_EQ(RangePointCount(RangeMode, 0, 10, -1), 1);
    EXPECT_EQ(RangePointCount(RangeMode, 0, 1e308, 1e-308), 1000);
    EXPECT_EQ(RangePointCount(RangeMode, -1e308, 1e308, 1e-300), 1000);
    EXPECT_EQ(RangePointCount(RangeMode, 0, std::numeric_limits<double>::infinity(), 1), 1);
    EXPECT_EQ(RangePointCount(RangeMode, std::numeric_limits<double>::quiet_NaN(), 1, 1), 1);

    EXPECT_EQ(RangePointValue(100, 200, 50, 1), 100);
    EXPECT_EQ(RangePointValue(100, 200, 50, 3), 200);
    EXPECT_EQ(RangePointValue(0.1, 1, 0.2, 2), 0.3);
    EXPECT_EQ(RangePointValue(0.1, 0.3, 0.1, 3), 0.3) << "0.30000000000000004 is beyond the end";

    EXPECT_EQ(CheckRange(0, 10, 4), RangeVerdict::Ok);
    EXPECT_EQ(CheckRange(5, 5, 1), RangeVerdict::EndNotAboveStart);
    EXPECT_EQ(CheckRange(0, 10, 0), RangeVerdict::IncrementNotPositive);
    EXPECT_EQ(CheckRange(0, 10, -2), RangeVerdict::IncrementNotPositive);
    EXPECT_EQ(CheckRange(100, 5000, 1e-300), RangeVerdict::IncrementTooSmall);
    EXPECT_EQ(CheckRange(1e16, 2e16, 1), RangeVerdict::IncrementTooSmall);
}

TEST(RangeArithmetic, DefaultDoubleText)
{
    EXPECT_EQ(DefaultDoubleText(150, "."), "150");
    EXPECT_EQ(DefaultDoubleText(0.1 + 0.2, "."), "0.3");
    EXPECT_EQ(DefaultDoubleText(-2.5, ","), "-2,5");
    EXPECT_EQ(DefaultDoubleText(1e16, "."), "1E+16");
    EXPECT_EQ(DefaultDoubleText(0.00001, "."), "1E-05");
    EXPECT_EQ(DefaultDoubleText(123456789012345678.0, "."), "1.23456789012346E+17");
}

} // namespace
} // namespace vq
