#include "platform/grid_model.h"

#include <algorithm>
#include <cstddef>

namespace vq {
namespace {

constexpr int DefaultColWidthTwips = 960;
// Room left and right of a text inside its cell.
constexpr int CellPaddingTwips = 120;

const std::string EmptyText;

} // namespace

void GridModel::Clear()
{
    std::fill(texts_.begin(), texts_.end(), std::string());
    Notify(Change::Texts);
}

void GridModel::SetRows(int rows)
{
    rows = std::max(rows, 0);
    if (rows == rows_)
        return;
    const auto cells = static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols_);
    texts_.resize(cells);
    cellAlign_.resize(cells, -1);
    rowHeights_.resize(static_cast<std::size_t>(rows), OneLineRowTwips);
    rows_ = rows;
    row_ = std::min(row_, std::max(rows_ - 1, 0));
    rowSel_ = std::min(rowSel_, std::max(rows_ - 1, 0));
    LayoutChanged();
}

void GridModel::SetCols(int cols)
{
    cols = std::max(cols, 0);
    if (cols == cols_)
        return;
    std::vector<std::string> texts(static_cast<std::size_t>(rows_) * static_cast<std::size_t>(cols));
    std::vector<int> align(texts.size(), -1);
    const int keep = std::min(cols, cols_);
    for (int r = 0; r < rows_; ++r)
        for (int c = 0; c < keep; ++c) {
            const auto from = static_cast<std::size_t>(r) * static_cast<std::size_t>(cols_) + static_cast<std::size_t>(c);
            const auto to = static_cast<std::size_t>(r) * static_cast<std::size_t>(cols) + static_cast<std::size_t>(c);
            texts[to] = std::move(texts_[from]);
            align[to] = cellAlign_[from];
        }
    texts_ = std::move(texts);
    cellAlign_ = std::move(align);
    colAlign_.resize(static_cast<std::size_t>(cols), GridAlignment::LeftCenter);
    colWidths_.resize(static_cast<std::size_t>(cols), DefaultColWidthTwips);
    cols_ = cols;
    col_ = std::min(col_, std::max(cols_ - 1, 0));
    colSel_ = std::min(colSel_, std::max(cols_ - 1, 0));
    LayoutChanged();
}

void GridModel::SetFixedRows(int n)
{
    fixedRows_ = std::clamp(n, 0, 1);
    LayoutChanged();
}

void GridModel::SetFixedCols(int n)
{
    fixedCols_ = std::clamp(n, 0, 1);
    LayoutChanged();
}

const std::string& GridModel::TextMatrix(int row, int col) const
{
    if (!InRange(row, col))
        return EmptyText;
    return texts_[static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_) + static_cast<std::size_t>(col)];
}

void GridModel::SetTextMatrix(int row, int col, const std::string& text)
{
    if (!InRange(row, col))
        return;
    texts_[static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_) + static_cast<std::size_t>(col)] = text;
    Notify(Change::Texts);
}

GridAlignment GridModel::ColAlignment(int col) const
{
    if (col < 0 || col >= cols_)
        return GridAlignment::LeftCenter;
    return colAlign_[static_cast<std::size_t>(col)];
}

void GridModel::SetColAlignment(int col, GridAlignment a)
{
    if (col < 0 || col >= cols_)
        return;
    colAlign_[static_cast<std::size_t>(col)] = a;
    Notify(Change::Texts);
}

GridAlignment GridModel::CellAlignment(int row, int col) const
{
    if (!InRange(row, col))
        return GridAlignment::LeftCenter;
    const int own = cellAlign_[static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_) + static_cast<std::size_t>(col)];
    return own < 0 ? ColAlignment(col) : static_cast<GridAlignment>(own);
}

void GridModel::SetCellAlignment(int row, int col, GridAlignment a)
{
    if (!InRange(row, col))
        return;
    cellAlign_[static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_) + static_cast<std::size_t>(col)] =
        static_cast<int>(a);
    Notify(Change::Texts);
}

int GridModel::RowHeight(int row) const
{
    return row >= 0 && row < rows_ ? rowHeights_[static_cast<std::size_t>(row)] : 0;
}

void GridModel::SetRowHeight(int row, int twips)
{
    if (row < 0 || row >= rows_ || rowHeights_[static_cast<std::size_t>(row)] == std::max(twips, 0))
        return;
    rowHeights_[static_cast<std::size_t>(row)] = std::max(twips, 0);
    Notify(Change::Sizes);
}

int GridModel::ColWidth(int col) const
{
    return col >= 0 && col < cols_ ? colWidths_[static_cast<std::size_t>(col)] : 0;
}

void GridModel::AutoSize(int first, int last, const std::function<int(const std::string&)>& textWidthTwips)
{
    first = std::max(first, 0);
    last = std::min(last, cols_ - 1);
    for (int c = first; c <= last; ++c) {
        int widest = 0;
        for (int r = 0; r < rows_; ++r)
            widest = std::max(widest, textWidthTwips(TextMatrix(r, c)));
        colWidths_[static_cast<std::size_t>(c)] = widest + 2 * CellPaddingTwips;
    }
    Notify(Change::Sizes);
}

void GridModel::LayoutChanged()
{
    // A new layout is a new table: the view shows no selection in it, so none is held.
    selected_ = false;
    Notify(Change::Layout);
}

void GridModel::SetCurrentCell(int row, int col)
{
    SetSelection(row, col, row, col);
}

void GridModel::SetSelection(int row, int col, int rowSel, int colSel)
{
    row_ = row;
    col_ = col;
    rowSel_ = rowSel;
    colSel_ = colSel;
    selected_ = true;
}

} // namespace vq
