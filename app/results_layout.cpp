#include "app/results_layout.h"

#include "app/input_panel_logic.h"
#include "common/number_format.h"
#include "equations/flag_values.h"

#include <cmath>

namespace vq {
namespace {

constexpr int PhaseParameterCode = 11;

std::vector<std::string> PointHeadings(const ResultsLayout& layout)
{
    switch (layout.mode) {
    case SinglePointMode: return {"Value"};
    case TwoPointsMode: return {"1st Point", "2nd Point", "Difference"};
    default: break;
    }
    std::vector<std::string> headings;
    for (int i = 1; i <= layout.points; ++i)
        headings.push_back("= " + DefaultDoubleText(RangePointValue(layout.rangeStart, layout.rangeEnd, layout.rangeIncrement, i),
                                                    layout.decimalSymbol));
    return headings;
}

} // namespace

void SetupGridHeaders(GridModel& grid, ResultTableType& table, const ResultsLayout& layout)
{
    const int params = static_cast<int>(layout.params.size());
    const bool f = layout.transposed;
    grid.Clear();
    if (f) {
        grid.SetCols(params + 1);
        grid.SetRows(layout.points + 1);
    } else {
        grid.SetCols(layout.points + 1);
        grid.SetRows(params + 1);
    }
    grid.SetFixedRows(1);
    grid.SetFixedCols(1);
    grid.SetColAlignment(0, GridAlignment::LeftBottom);
    for (int c = 1; c < grid.Cols(); ++c)
        grid.SetColAlignment(c, GridAlignment::RightBottom);
    // Cell alignments of an earlier layout must not survive.
    for (int r = 0; r < grid.Rows(); ++r)
        for (int c = 0; c < grid.Cols(); ++c)
            grid.SetCellAlignment(r, c, grid.ColAlignment(c));

    grid.SetTextMatrix(0, 0, layout.mode == RangeMode ? layout.rangeHeader : "Parameter");
    grid.SetCellAlignment(0, 0, GridAlignment::CenterCenter);

    const std::vector<std::string> headings = PointHeadings(layout);
    const GridAlignment pointAlign =
        !f || layout.mode == RangeMode ? GridAlignment::CenterCenter : GridAlignment::CenterBottom;
    for (int j = 1; j <= static_cast<int>(headings.size()); ++j) {
        const int r = f ? j : 0;
        const int c = f ? 0 : j;
        grid.SetTextMatrix(r, c, headings[static_cast<std::size_t>(j - 1)]);
        grid.SetCellAlignment(r, c, pointAlign);
    }
    for (int i = 1; i <= params; ++i) {
        const int r = f ? 0 : i;
        const int c = f ? i : 0;
        grid.SetTextMatrix(r, c, layout.params[static_cast<std::size_t>(i - 1)].header);
        grid.SetCellAlignment(r, c, f ? GridAlignment::CenterCenter : GridAlignment::LeftBottom);
    }
    table.Resize(grid.Rows(), grid.Cols());
}

void FillOutputGrid(GridModel& grid, const ResultTableType& table, const ResultsLayout& layout,
                    const ColumnFormatter& format)
{
    const bool f = layout.transposed;
    const int n = f ? grid.Rows() - 1 : grid.Cols() - 1;
    for (int i = 1; i <= static_cast<int>(layout.params.size()); ++i) {
        const ShownParameter& p = layout.params[static_cast<std::size_t>(i - 1)];
        auto value = [&](int j) {
            const int r = f ? j : i;
            const int c = f ? i : j;
            return table.Contains(r, c) ? table(r, c) : NotApplicableValue;
        };
        auto put = [&](int j, const std::string& text) { grid.SetTextMatrix(f ? j : i, f ? i : j, text); };
        if (p.isTextValue) {
            for (int j = 1; j <= n; ++j)
                put(j, GetPhaseText(p.code, value(j)));
            continue;
        }
        std::vector<double> values;
        for (int j = 1; j <= n; ++j)
            values.push_back(IsResultValue(value(j)) ? RoundTo15Digits(value(j)) : value(j));
        const std::vector<std::string> texts = format(values);
        for (int j = 1; j <= n; ++j) {
            const double v = values[static_cast<std::size_t>(j - 1)];
            const bool flagged = !IsResultValue(v) || static_cast<std::size_t>(j - 1) >= texts.size();
            put(j, flagged ? std::string("N/A") : texts[static_cast<std::size_t>(j - 1)]);
        }
    }
}

void SizeOutputRows(GridModel& grid, const ResultsLayout& layout)
{
    if (!layout.wrapHeaders) {
        for (int r = 0; r < grid.Rows(); ++r)
            grid.SetRowHeight(r, OneLineRowTwips);
        return;
    }
    for (int r = 0; r < grid.Rows(); ++r)
        grid.SetRowHeight(r, OneLineRowTwips);
    if (layout.transposed) {
        bool anyUnits = false;
        for (const ShownParameter& p : layout.params)
            anyUnits = anyUnits || p.hasUnits;
        grid.SetRowHeight(0, anyUnits ? TwoLineRowTwips : OneLineRowTwips);
        return;
    }
    grid.SetRowHeight(0, layout.mode == RangeMode && layout.rangeHasUnits ? TwoLineRowTwips : OneLineRowTwips);
    for (int i = 1; i <= static_cast<int>(layout.params.size()); ++i)
        grid.SetRowHeight(i, layout.params[static_cast<std::size_t>(i - 1)].hasUnits ? TwoLineRowTwips
                                                                                    : OneLineRowTwips);
}

std::string GetPhaseText(int code, double value)
{
    if (!IsResultValue(value))
        return "N/A";
    if (code != PhaseParameterCode)
        return "";
    if (value > 1e-6 && value < 0.99999)
        return "Saturated";
    const double whole = std::floor(value + 0.1);
    if (whole < -3.0 || whole > 1.0)
        return "";
    switch (static_cast<int>(whole)) {
    case -3: return "Super Critical";
    case -2: return "Gas";
    case -1: return "Liquid";
    case 0: return "Saturated Liquid";
    case 1: return "Saturated Vapor";
    default: return "";
    }
}

} // namespace vq
