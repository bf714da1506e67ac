// The graph window: one output parameter of a Range calculation drawn against the
// stepped property, in units chosen in the window, from the texts of the results grid.
#pragma once

#include "printing/graph_chart.h"

#include <QDialog>
#include <QStringList>

#include <functional>
#include <string>

class QComboBox;
class QPrinter;
class QPushButton;

namespace vq {

class MainWindowView;

class GraphPropertiesForm : public QDialog {
    Q_OBJECT
public:
    // Form_Initialize: setting up, with Print, Save and Copy disabled.
    explicit GraphPropertiesForm(MainWindowView& main);
    ~GraphPropertiesForm() override;

    // Fills the property and unit lists from the main window's range and results.
    void LoadFromMain();
    // Ends the setting up and shows the window modally; returns when it is hidden.
    void RangeShow();

    // Event handlers.
    void BTN_UpdateGraph_Click();
    void BTN_CustomizeGraph_Click();
    void BTN_Print_Click() { PrintGraphDialog(); }
    void BTN_Save_Click() { SaveGraphDialog(); }
    void BTN_Copy_Click();
    void BTN_Close_Click();
    void CMB_StateDependent_Click();
    void CMB_StateDependentUnits_Click();
    void CMB_StateIndependent_Click();
    void CMB_StateIndependentUnits_Click();
    void GRA_Curve_DblClick() { BTN_UpdateGraph_Click(); }

    // The print and save dialogs. Each returns 0 when the user chose, the cancel
    // error when cancelled, or another dialog error number. Tests replace them.
    using PrintDialogRunner = std::function<int(QPrinter& printer)>;
    using SaveDialogRunner = std::function<int(std::string& fileName)>;
    void SetPrintDialogRunner(PrintDialogRunner runner) { printDialog_ = std::move(runner); }
    void SetSaveDialogRunner(SaveDialogRunner runner) { saveDialog_ = std::move(runner); }

    bool SettingUp = true;

    QComboBox* CMB_StateIndependent = nullptr;
    QComboBox* CMB_StateIndependentUnits = nullptr;
    QComboBox* CMB_StateDependent = nullptr;
    QComboBox* CMB_StateDependentUnits = nullptr;
    GraphChart* GRA_Curve = nullptr;
    QPushButton* BTN_UpdateGraph = nullptr;
    QPushButton* BTN_CustomizeGraph = nullptr;
    QPushButton* BTN_Print = nullptr;
    QPushButton* BTN_Save = nullptr;
    QPushButton* BTN_Copy = nullptr;
    QPushButton* BTN_Close = nullptr;

private:
    void PrintGraphDialog();
    void SaveGraphDialog();
    void SetIndependentAxisTitle();
    void SetDependentAxisTitle();
    void SetResultButtons(bool enabled);
    void ShowGraph();
    int RunPrintDialog(QPrinter& printer);
    int RunSaveDialog(std::string& fileName);

    MainWindowView& main_;
    PrintDialogRunner printDialog_;
    SaveDialogRunner saveDialog_;
};

// The types the save dialog offers; JPEG (index 2) is chosen first.
QStringList GraphSaveFilters();

// The Create Graph command of the main window: opens the graph window over it for
// the results of the last Range calculation and returns when it is closed.
void ShowGraphProperties(MainWindowView& main);

} // namespace vq
