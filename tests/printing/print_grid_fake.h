// A results grid of plain texts for the report layout tests.
#pragma once

#include "printing/layout/print_engine.h"

#include <string>
#include <vector>

namespace vq::test {

class TextGrid final : public PrintGrid {
public:
    TextGrid(int rows, int cols) : cells(static_cast<size_t>(rows), std::vector<std::string>(static_cast<size_t>(cols))) {}
    int Rows() const override { return static_cast<int>(cells.size()); }
    int Cols() const override { return cells.empty() ? 0 : static_cast<int>(cells[0].size()); }
    std::string Text(int row, int col) const override
    {
        if (row < 0 || col < 0 || row >= Rows() || col >= Cols())
            return {};
        return cells[static_cast<size_t>(row)][static_cast<size_t>(col)];
    }
    void SetText(int row, int col, const std::string& text) override
    {
        if (row >= 0 && col >= 0 && row < Rows() && col < Cols())
            cells[static_cast<size_t>(row)][static_cast<size_t>(col)] = text;
    }

    std::vector<std::vector<std::string>> cells;
};

} // namespace vq::test
