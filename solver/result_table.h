// The results of one Calculate command: one value per shown parameter and point,
// indexed (parameter, point) or transposed (point, parameter) as the output
// preferences of the mode say. Indices start at 0; row and column 0 are spare.
#pragma once

#include <cstddef>
#include <vector>

namespace vq {

class ResultTableType {
public:
    // Dimensions the table afresh as (0..rows, 0..cols), all elements 0.
    void Resize(int rows, int cols)
    {
        rows_ = rows < 0 ? 0 : rows + 1;
        cols_ = cols < 0 ? 0 : cols + 1;
        data_.assign(static_cast<std::size_t>(rows_) * static_cast<std::size_t>(cols_), 0.0);
    }
    // Highest valid index of each dimension, -1 when empty.
    int UpperRow() const { return rows_ - 1; }
    int UpperCol() const { return cols_ - 1; }
    bool Contains(int r, int c) const { return r >= 0 && c >= 0 && r < rows_ && c < cols_; }

    double& operator()(int r, int c) { return data_[Offset(r, c)]; }
    double operator()(int r, int c) const { return data_[Offset(r, c)]; }

private:
    std::size_t Offset(int r, int c) const
    {
        return static_cast<std::size_t>(r) * static_cast<std::size_t>(cols_) + static_cast<std::size_t>(c);
    }
    int rows_ = 0;
    int cols_ = 0;
    std::vector<double> data_;
};

extern ResultTableType ResultTable;

} // namespace vq
