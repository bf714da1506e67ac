#include "preferences/ui/unit_change_form.h"

#include "app/command_dispatch.h"
#include "app/thermix_main.h"
#include "common/session_state.h"
#include "equations/flag_values.h"
#include "platform/grid_model.h"
#include "preferences/output_mod.h"
#include "preferences/unit_change.h"
#include "solver/result_table.h"
#include "program_tables.h"
#include "recording_user_interface.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace vq {
namespace {

class UnitChangeFormTest : public ::testing::Test {
protected:
    void SetUp() override { test::SetUpProgramTables(); }
    void TearDown() override { ReleaseOutputParams(); }

    // A Two Points grid with parameters in rows and points in columns.
    GridModel TwoPointsGrid()
    {
        OutputPrefs.RowColOrder[1] = 0;
        GridModel grid;
        FillTwoPoints(grid);
        return grid;
    }
    void FillTwoPoints(GridModel& grid)
    {
        Size(grid, OutputPrefs.NumParams + 1, 4);
        grid.SetTextMatrix(3, 0, GetOutputParamHeader(PropTemperature, 0, 1, true));
        Put(grid, 3, 1, 50.0, "50.0");
        Put(grid, 3, 2, 212.0, "212.0");
        Put(grid, 3, 3, 162.0, "162.0");
        Put(grid, 2, 1, NotApplicableValue, "N/A");
        Put(grid, 2, 2, 114.7, "114.7");
        Put(grid, 2, 3, NotApplicableValue, "N/A");
    }
    // The grid and the results behind it, as a calculation leaves them.
    static void Size(GridModel& grid, int rows, int cols)
    {
        grid.SetRows(rows);
        grid.SetCols(cols);
        ResultTable.Resize(rows, cols);
    }
    static void Put(GridModel& grid, int row, int col, double value, const std::string& text)
    {
        ResultTable(row, col) = value;
        grid.SetTextMatrix(row, col, text);
    }
    void Choose(UnitChangeForm& form, const char* unit)
    {
        const auto found = form.LST_Units->findItems(unit, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << unit;
        form.LST_Units->setCurrentItem(found.front());
    }

    test::RecordingUserInterface ui;
};

TEST_F(UnitChangeFormTest, ConvertsTheLineOfTheCurrentCellAndItsHeader)
{
    ASSERT_EQ(OutputPrefs.ParamIds[2], PropTemperature);
    GridModel grid = TwoPointsGrid();
    grid.SetCurrentCell(3, 2);
    int sized = 0;
    UnitChangeForm form(&grid, 1, [&] { ++sized; });
    form.ParamId = ParamIdAtGridCell(1, grid.Row(), grid.Col());
    ASSERT_EQ(form.ParamId, PropTemperature);
    form.FillUnitChoices();
    EXPECT_EQ(form.windowTitle(), "Change Units");
    EXPECT_EQ(form.LBL_Grid->text(), "Temperature\n(deg. F)");
    EXPECT_EQ(form.LST_Units->currentItem()->text(), "deg. F");

    Choose(form, "deg. C");
    form.BTN_OK->click();
    EXPECT_EQ(OutputParams(PropTemperature).Units, "deg. C");
    EXPECT_EQ(grid.TextMatrix(3, 1), "10.0000");
    EXPECT_EQ(grid.TextMatrix(3, 2), "100.0000");
    EXPECT_EQ(grid.TextMatrix(3, 3), "90.0000") << "the difference takes no offset";
    EXPECT_EQ(grid.TextMatrix(3, 0), "Temperature\r\n(deg. C)");
    EXPECT_EQ(sized, 1);

    // Use Preferred only chooses; Cancel changes nothing.
    form.FillUnitChoices();
    form.BTN_UsePreferred_Click();
    EXPECT_EQ(form.LST_Units->currentItem()->text(), "deg. F");
    form.BTN_Cancel->click();
    EXPECT_EQ(OutputParams(PropTemperature).Units, "deg. C");
}

TEST_F(UnitChangeFormTest, GaugePressureAndNotApplicableCells)
{
    UnitPrefs.AtmosphericPressurePsia = 14.7;
    GridModel grid = TwoPointsGrid();
    grid.SetCurrentCell(2, 1);
    UnitChangeForm form(&grid, 1, nullptr);
    form.ParamId = PropPressure;
    form.FillUnitChoices();
    Choose(form, "psig");
    form.BTN_OK_Click();
    EXPECT_EQ(grid.TextMatrix(2, 1), "N/A");
    EXPECT_EQ(grid.TextMatrix(2, 2), "100.000");
    EXPECT_EQ(grid.TextMatrix(2, 3), "N/A");
}

TEST_F(UnitChangeFormTest, RangeColumnsAndTheCellsThatOpenNothing)
{
    OutputPrefs.RowColOrder = {0, 1};
    EXPECT_EQ(ParamIdAtGridCell(0, 0, 1), 0) << "header row";
    EXPECT_EQ(ParamIdAtGridCell(0, 1, 1), 0) << "Phase has no units";
    EXPECT_EQ(ParamIdAtGridCell(0, 2, 1), PropPressure);
    EXPECT_EQ(ParamIdAtGridCell(0, 11, 1), 0) << "below the last parameter";
    EXPECT_EQ(ParamIdAtGridCell(2, 5, 0), 0) << "header column of a transposed table";
    EXPECT_EQ(ParamIdAtGridCell(2, 5, 3), PropTemperature);

    GridModel grid;
    Size(grid, 4, OutputPrefs.NumParams + 1);
    for (int r = 1; r <= 3; ++r)
        Put(grid, r, 3, 32 + 90 * (r - 1), std::to_string(32 + 90 * (r - 1)));
    grid.SetCurrentCell(2, 3);
    UnitChangeForm form(&grid, 2, nullptr);
    form.ParamId = PropTemperature;
    form.FillUnitChoices();
    Choose(form, "deg. R");
    form.BTN_OK_Click();
    EXPECT_EQ(grid.TextMatrix(1, 3), "491.670");
    EXPECT_EQ(grid.TextMatrix(3, 3), "671.670");
    EXPECT_EQ(grid.TextMatrix(0, 3), "Temperature\r\n(deg. R)");
}

TEST_F(UnitChangeFormTest, TheMainWindowOpensThePopupOnAParameterLine)
{
    ThermixMain main;
    GridModel& grid = main.GRD_Output->Model();
    FillTwoPoints(grid);
    grid.SetCurrentCell(0, 1);
    bool opened = false;
    QTimer::singleShot(0, [&] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            opened = true;
            w->close();
        }
    });
    OpenUnitChangeForm(&main);
    QApplication::processEvents();
    EXPECT_FALSE(opened) << "a header cell opens nothing";

    main.TAB_InputMode->setCurrentIndex(0);
    Size(grid, OutputPrefs.NumParams + 1, 2);
    Put(grid, 3, 1, 212.0, "212");
    grid.SetCurrentCell(3, 1);
    QTimer::singleShot(0, [] {
        auto* form = qobject_cast<UnitChangeForm*>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        const auto found = form->LST_Units->findItems("deg. C", Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        form->LST_Units->setCurrentItem(found.front());
        form->BTN_OK->click();
    });
    ASSERT_TRUE(grid.DblClick);
    grid.DblClick();
    EXPECT_EQ(grid.TextMatrix(3, 1), "100.000");
}

TEST_F(UnitChangeFormTest, TheHeldResultIsConvertedAndOnlyAChosenUnitMarksTheDocument)
{
    ThermixMain main;
    main.TAB_InputMode->setCurrentIndex(0);
    GridModel& grid = main.GRD_Output->Model();
    int row = 1;
    while (OutputPrefs.ParamIds[static_cast<std::size_t>(row - 1)] != PropEnthalpy)
        ++row;
    OutputParams(PropEnthalpy).Units = "kJ/kg";
    Size(grid, OutputPrefs.NumParams + 1, 2);
    Put(grid, row, 1, 2828.27, "2828.27");
    grid.SetCurrentCell(row, 1);
    DocumentSaved = true;
    auto changeTo = [&](const char* unit) {
        QTimer::singleShot(0, [unit] {
            auto* form = qobject_cast<UnitChangeForm*>(QApplication::activeModalWidget());
            ASSERT_NE(form, nullptr);
            const auto found = form->LST_Units->findItems(unit, Qt::MatchExactly);
            form->LST_Units->setCurrentItem(found.isEmpty() ? nullptr : found.front());
            form->BTN_OK->click();
        });
        grid.DblClick();
    };
    changeTo("");
    EXPECT_EQ(OutputParams(PropEnthalpy).Units, "kJ/kg");
    EXPECT_EQ(grid.TextMatrix(row, 1), "2828.27");
    EXPECT_TRUE(DocumentSaved);
    EXPECT_TRUE(ui.messages.empty()) << ui.LastMessage();

    changeTo("Btu/lbm");
    EXPECT_EQ(grid.TextMatrix(row, 1), "1215.94");
    EXPECT_FALSE(DocumentSaved);
    changeTo("kJ/kg");
    EXPECT_EQ(grid.TextMatrix(row, 1), "2828.27");
}

TEST_F(UnitChangeFormTest, TheCommandsOpenThePreferenceDialogs)
{
    ThermixMain main;
    for (const int tool : {ToolOutputControl, ToolUnitPreferences}) {
        std::string title;
        QTimer::singleShot(0, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            title = dialog->windowTitle().toStdString();
            dialog->close();
        });
        main.ABR_Main_Click(tool);
        EXPECT_EQ(title, tool == ToolOutputControl ? "Output Control" : "Unit Preferences");
    }
}

} // namespace
} // namespace vq
