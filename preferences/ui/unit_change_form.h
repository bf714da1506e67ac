// The popup that changes the display unit of one output parameter from its line of
// the results grid: the line's results in ResultTable are converted in place, its
// texts and header rewritten from them, and the document counts as changed.
#pragma once

#include "preferences/ui/calculator_dialog.h"

#include <functional>

class QLabel;
class QListWidget;
class QPushButton;

namespace vq {

class GridModel;
class MainWindowView;

class UnitChangeForm : public CalculatorDialog {
    Q_OBJECT
public:
    // grid: the results grid whose current cell lies on the parameter's line; mode: the
    // input mode of its results; sizeGrid: refits the grid after the change.
    UnitChangeForm(GridModel* grid, int mode, std::function<void()> sizeGrid, QWidget* parent = nullptr);

    // The output parameter being changed; set before the form is shown.
    int ParamId = 0;

    QLabel* LBL_Grid = nullptr;
    QLabel* LBL_Description = nullptr;
    QListWidget* LST_Units = nullptr;
    QPushButton* BTN_UsePreferred = nullptr;
    QPushButton* BTN_OK = nullptr;
    QPushButton* BTN_Cancel = nullptr;

    void FillUnitChoices();
    // Converts the line's results and texts and sets the parameter's unit; nothing
    // without a chosen unit.
    void ApplyUnitChange();
    void BTN_UsePreferred_Click();
    void BTN_OK_Click();
    void BTN_Cancel_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    GridModel* grid_;
    int mode_;
    std::function<void()> sizeGrid_;
};

// The double-click on the results grid: opens the popup for the parameter of the
// current cell's line; nothing for a header cell or a parameter without units.
void OpenUnitChangeForm(MainWindowView* main);

} // namespace vq
