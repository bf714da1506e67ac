// Qt-free model of the results grid: a table of texts with one fixed header row and
// column, alignments, row heights and column widths in twips, and the user's current
// cell and selection. The Qt view (grid_control.h) shows it and reports clicks back.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace vq {

enum class GridAlignment {
    LeftTop, LeftCenter, LeftBottom,
    CenterTop, CenterCenter, CenterBottom,
    RightTop, RightCenter, RightBottom,
};

inline constexpr int OneLineRowTwips = 240;
inline constexpr int TwoLineRowTwips = 480;

class GridModel {
public:
    // What changed, for the view that shows the model.
    enum class Change { Layout, Texts, Sizes };
    using Listener = std::function<void(Change)>;

    // Every cell text becomes empty; the counts stay.
    void Clear();

    int Rows() const { return rows_; }
    int Cols() const { return cols_; }
    // Resizes the table; kept texts stay, new cells are empty. Negative counts give 0.
    void SetRows(int rows);
    void SetCols(int cols);

    int FixedRows() const { return fixedRows_; }
    int FixedCols() const { return fixedCols_; }
    void SetFixedRows(int n);
    void SetFixedCols(int n);

    // Out-of-range cells read as "" and ignore writes.
    const std::string& TextMatrix(int row, int col) const;
    void SetTextMatrix(int row, int col, const std::string& text);

    // The column default, and a cell's own alignment over it.
    GridAlignment ColAlignment(int col) const;
    void SetColAlignment(int col, GridAlignment a);
    GridAlignment CellAlignment(int row, int col) const;
    void SetCellAlignment(int row, int col, GridAlignment a);

    int RowHeight(int row) const;
    void SetRowHeight(int row, int twips);
    int ColWidth(int col) const;
    // Each column first..last becomes as wide as its widest text, measured in twips.
    void AutoSize(int first, int last, const std::function<int(const std::string&)>& textWidthTwips);

    // The cell the user last clicked and the other corner of the selection.
    int Row() const { return row_; }
    int Col() const { return col_; }
    int RowSel() const { return rowSel_; }
    int ColSel() const { return colSel_; }
    void SetCurrentCell(int row, int col);
    void SetSelection(int row, int col, int rowSel, int colSel);
    // False until a cell is selected, and again once the selection is gone (a new
    // row or column count or fixed row or column clears it).
    bool HasSelection() const { return selected_; }
    void ClearSelection() { selected_ = false; }

    void SetListener(Listener listener) { listener_ = std::move(listener); }
    // Raised by the view when the user double-clicks a cell.
    std::function<void()> DblClick;
    // Raised by the view for the copy key; without it the view copies its current cell.
    std::function<void()> CopyKey;

private:
    bool InRange(int row, int col) const { return row >= 0 && col >= 0 && row < rows_ && col < cols_; }
    void LayoutChanged();
    void Notify(Change c) const
    {
        if (listener_)
            listener_(c);
    }

    int rows_ = 0;
    int cols_ = 0;
    int fixedRows_ = 1;
    int fixedCols_ = 1;
    std::vector<std::string> texts_;               // rows_ x cols_
    std::vector<int> cellAlign_;                   // -1 = column default
    std::vector<GridAlignment> colAlign_;
    std::vector<int> rowHeights_;
    std::vector<int> colWidths_;
    int row_ = 0, col_ = 0, rowSel_ = 0, colSel_ = 0;
    bool selected_ = false;
    Listener listener_;
};

} // namespace vq
