// The main window as its dialogs and report writers see it: the input panel's
// controls, the results grid, the print sections, and the queries and commands they
// run on it. The main window derives from it; nothing here knows the window itself.
#pragma once

#include <QMainWindow>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabBar;

namespace vq {

class GridControl;
class MainWindowHost;
class PrintSections;
class ToolbarControl;

class MainWindowView : public QMainWindow {
public:
    using QMainWindow::QMainWindow;

    // Mode and range queries.
    virtual int GetInputMode() const = 0;
    virtual void GetRangeSettings(int& mode, double& start, double& end, double& increment) const = 0;
    virtual int NumberOfRangeCalcs() const = 0;
    virtual int GetPropertyTypeForRange() const = 0;

    // Input panel.
    virtual bool CheckCalcButtonEnabled() const = 0;
    virtual void FillDependentPropertyList(QComboBox* list, int code) const = 0;
    virtual void FillUnitsForProperty(QComboBox* propertyList, QComboBox* unitList) = 0;

    // Calculate and the results grid.
    virtual void BTN_Calculate_Click() = 0;
    virtual void SizeOutputGrid() = 0;

    virtual PrintSections& Sections() = 0;
    // This window as the settings and document routines see it.
    virtual MainWindowHost& Host() = 0;

    // Controls, named as the rest of the program knows them.
    QTabBar* TAB_InputMode = nullptr;
    QComboBox* CMB_State1 = nullptr;
    QComboBox* CMB_State2 = nullptr;
    QComboBox* CMB_State1Units = nullptr;
    QComboBox* CMB_State2Units = nullptr;
    QLineEdit* TXT_State1 = nullptr;
    QLineEdit* TXT_State2 = nullptr;
    QLineEdit* TXT_State1End = nullptr;
    QLineEdit* TXT_State2End = nullptr;
    QLineEdit* TXT_State1Inc = nullptr;
    QLineEdit* TXT_State2Inc = nullptr;
    QLabel* LBL_State1 = nullptr;
    QLabel* LBL_State2 = nullptr;
    QLabel* LBL_State1End = nullptr;
    QLabel* LBL_State2End = nullptr;
    QLabel* LBL_State1Inc = nullptr;
    QLabel* LBL_State2Inc = nullptr;
    QPushButton* BTN_Calculate = nullptr;
    QLabel* LBL_PropertySource = nullptr;
    QLabel* LBL_PropertySourceName = nullptr;
    GridControl* GRD_Output = nullptr;
    ToolbarControl* ABR_Main = nullptr;
};

} // namespace vq
