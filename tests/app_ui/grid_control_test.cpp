#include "platform/grid_control.h"

#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace vq {
namespace {

TEST(GridModel, ResizeKeepsTextsAndClearKeepsCounts)
{
    GridModel grid;
    grid.SetRows(3);
    grid.SetCols(2);
    grid.SetTextMatrix(2, 1, "1,234.5");
    grid.SetTextMatrix(9, 9, "ignored");
    EXPECT_EQ(grid.TextMatrix(9, 9), "");
    grid.SetCols(4);
    EXPECT_EQ(grid.TextMatrix(2, 1), "1,234.5");
    grid.SetRows(5);
    EXPECT_EQ(grid.TextMatrix(2, 1), "1,234.5");
    grid.Clear();
    EXPECT_EQ(grid.TextMatrix(2, 1), "");
    EXPECT_EQ(grid.Rows(), 5);
    EXPECT_EQ(grid.Cols(), 4);
    grid.SetRows(0);
    EXPECT_EQ(grid.Rows(), 0);
    EXPECT_EQ(grid.TextMatrix(0, 0), "");
}

TEST(GridModel, AlignmentsHeightsAndWidths)
{
    GridModel grid;
    grid.SetRows(2);
    grid.SetCols(2);
    grid.SetColAlignment(1, GridAlignment::RightBottom);
    EXPECT_EQ(grid.CellAlignment(1, 1), GridAlignment::RightBottom);
    grid.SetCellAlignment(0, 1, GridAlignment::CenterCenter);
    EXPECT_EQ(grid.CellAlignment(0, 1), GridAlignment::CenterCenter);
    EXPECT_EQ(grid.RowHeight(1), OneLineRowTwips);
    grid.SetRowHeight(1, TwoLineRowTwips);
    EXPECT_EQ(grid.RowHeight(1), TwoLineRowTwips);
    grid.SetTextMatrix(0, 1, "ab\r\nabcdef");
    grid.SetTextMatrix(1, 1, "abc");
    grid.AutoSize(1, 1, [](const std::string& t) {
        // widest line, 100 twips per character
        std::size_t widest = 0, line = 0;
        for (char ch : t) {
            if (ch == '\r' || ch == '\n')
                line = 0;
            else
                widest = std::max(widest, ++line);
        }
        return static_cast<int>(widest) * 100;
    });
    EXPECT_EQ(grid.ColWidth(1), 600 + 240);
}

TEST(GridControl, ShowsHeadersSizesAndReportsDoubleClicks)
{
    GridControl view;
    view.resize(400, 300);
    GridModel& grid = view.Model();
    grid.SetCols(3);
    grid.SetRows(3);
    grid.SetTextMatrix(0, 0, "Parameter");
    grid.SetTextMatrix(0, 1, "Value\r\n(MPa)");
    grid.SetTextMatrix(1, 0, "Pressure");
    grid.SetTextMatrix(1, 1, "1.0000");
    grid.SetRowHeight(1, TwoLineRowTwips);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));

    QAbstractItemModel* model = view.model();
    ASSERT_EQ(model->rowCount(), 2);
    ASSERT_EQ(model->columnCount(), 2);
    EXPECT_EQ(model->index(0, 0).data().toString(), "1.0000");
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), "Value\n(MPa)");
    EXPECT_EQ(model->headerData(0, Qt::Vertical).toString(), "Pressure");
    EXPECT_EQ(view.CornerText(), "Parameter");
    EXPECT_EQ(view.verticalHeader()->sectionSize(0), view.TwipsToPixelsY(TwoLineRowTwips));

    int clicks = 0;
    grid.DblClick = [&] { ++clicks; };
    const QRect cell = view.visualRect(model->index(1, 1));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_GE(clicks, 1);
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(grid.Col(), 2);

    view.selectionModel()->setCurrentIndex(model->index(0, 0), QItemSelectionModel::NoUpdate);
    view.selectionModel()->select(QItemSelection(model->index(0, 0), model->index(1, 1)),
                                  QItemSelectionModel::ClearAndSelect);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.RowSel(), 2);
    EXPECT_EQ(grid.ColSel(), 2);

    grid.SetRows(0);
    EXPECT_EQ(model->rowCount(), 0);
    EXPECT_FALSE(view.horizontalHeader()->isVisible());
}

} // namespace
} // namespace vq
