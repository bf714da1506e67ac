// The main window: the input panel with its mode tabs, the Calculate button, the
// results grid and the property-database labels.
#pragma once

#include "app/input_panel_logic.h"
#include "app/property_sources.h"
#include "printing/layout/print_sections.h"
#include "app/results_layout.h"
#include "common/ui/main_window_view.h"
#include "platform/grid_control.h"

#include <functional>
#include <map>
#include <memory>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabBar;

namespace vq {

class ToolbarControl;

// Tools of the output commands that a successful Calculate opens.
inline constexpr int ToolPrint = 1008;
inline constexpr int ToolPrintPreview = 1009;
inline constexpr int ToolExportOutput = 1007;
inline constexpr int ToolSaveOutput = 1005;
inline constexpr int ToolSaveOutputAs = 1006;
inline constexpr int ToolCreatePdf = 1016;
inline constexpr int ToolCreateGraph = 1203;

// The session manager's request to store the user's work before a logout or a
// checkpoint, as the main window answers it.
class SessionRequest {
public:
    virtual ~SessionRequest() = default;
    // Whether the user may be asked now (the session manager may first make the program
    // wait for its turn).
    virtual bool AllowsQuestion() = 0;
    // Cancels the logout.
    virtual void Cancel() = 0;
};

class ThermixMain : public MainWindowView {
    Q_OBJECT
public:
    explicit ThermixMain(QWidget* parent = nullptr);
    ~ThermixMain() override;

    // Mode and range queries.
    int GetInputMode() const override;
    void GetRangeSettings(int& mode, double& start, double& end, double& increment) const override;
    int NumberOfRangeCalcs() const override;
    int GetPropertyTypeForRange() const override;

    // Input panel.
    void ClearOutput();
    void UpdateInputLabels();
    void ClearInputProps(bool resetMode);
    bool CheckCalcButtonEnabled() const override;
    // Every shown value box holds a typed number; a refused one is reported and takes
    // the focus. With emptyAllowed a box without text passes (Save).
    bool CheckInputNumbers(bool emptyAllowed);
    void FillDependentPropertyList(QComboBox* list, int code) const override;
    void FillPropertyList(int which);
    void FillUnitsForProperty(QComboBox* propertyList, QComboBox* unitList) override;
    void SetMainCaption();
    void NewInputFile();

    // Calculate and the results grid.
    void BTN_Calculate_Click() override;
    bool RangeCheck();
    // Says so before a range of more points than are calculated is cut short.
    void TellRangeCut(double start, double end, double increment);
    void SetupGridHeaders(int mode);
    void FillOutputGrid(int mode);
    void SizeOutputGrid() override;

    // Enabled state of the tools as the program sets it; it holds over layout loads.
    void SetToolEnabled(int toolId, bool enabled);
    bool IsToolEnabled(int toolId) const;

    // Toolbar settings; each write applies itself to the toolbar control.
    int ToolbarsTextStyle() const { return toolbarsTextStyle_; }
    void SetToolbarsTextStyle(int style);
    int ShowTooltipsOnToolbars() const { return showTooltips_; }
    void SetShowTooltipsOnToolbars(int show);
    int DockableMainMenu() const { return dockableMainMenu_; }
    void SetDockableMainMenu(int value);
    // Set when the user customised the toolbar: the layout is saved at exit.
    bool ToolbarLayoutChanged = false;

    // The start-up choice of the toolbar layout: the user's layout file unless it is
    // older than the built-in layout, else the shipped one; then the developer layout
    // when errors are not trapped.
    void ChooseToolbarLayout(const std::string& shippedFile, const std::string& userFile,
                             const std::string& developerFile);

    // The toolbar and menu commands.
    void ABR_Main_Click(int toolId);
    void ABR_Main_PreCustomizeMenu();
    void ABR_Main_Reset(const std::string& bandName);
    void OutputEditCopy();
    void MNU_DevDefaultToolbar_Click();
    // The file of the shipped toolbar layout.
    std::string ShippedToolbarFile() const;

    PrintSections& Sections() override { return printSections_; }
    MainWindowHost& Host() override;
    void InitPrintSections() { printSections_.InitPrintSections(); }

    // Replaces the property sources that UseIF97 selects (tests script their own).
    void SetPointSource(PointSource source) { pointSource_ = std::move(source); }

    // The session manager asks to store the user's work: the save-changes question when it
    // allows one (Cancel cancels the logout and changes nothing), then the settings that
    // Exit writes. When the session then ends the program with the document unchanged
    // since, it ends without asking again; after a change it asks as the close button does.
    void CommitSessionData(SessionRequest& request);
    // A terminating signal: the settings that Exit writes, with no question and no message
    // box, unless the window is already closing.
    void SaveSettingsAtSignal();

    // The window's load size, which is also its smallest size.
    QSize LoadSize() const { return loadSize_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    // Shortcut keys of the window's controls go to the toolbar control unless a text box
    // has the focus.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct RowControls {
        QComboBox* property;
        QComboBox* units;
        QLabel* label;
        QLineEdit* value;
        QLabel* endLabel;
        QLineEdit* end;
        QLabel* incLabel;
        QLineEdit* inc;
        int top; // twips: top of the property list
    };

    void BuildInputPanel(QWidget* panel);
    void PlaceRow(const RowControls& row, const InputRowLayout& layout);
    void CMB_State1_Click();
    void CMB_State2_Click();
    void Invalidate();
    void TextChanged();
    void TAB_InputMode_Click();
    void FocusIfUsable(QLineEdit* box);
    int SelectedCode(const QComboBox* list) const;
    ResultsLayout CurrentResultsLayout(int mode) const;
    // Column widths to their contents, row heights for the layout.
    void SizeGrid(const ResultsLayout& layout);
    bool RunPoint(int point, const PointInputs& inputs, int panelCode1, int panelCode2);
    bool CalculateSinglePoint();
    bool CalculateTwoPoints();
    bool CalculateRange(bool& refused);
    void StoreDifference();
    void OpenResultTools();
    void RunEditCommand(int toolId);
    void SelectDatabaseTool(bool useIF97);
    void ShowHelpContents();
    void ReloadShippedLayout(const std::string& bandName);
    void ExitCommand();
    // Ends the program when the session ends it after a request was answered.
    void EndWithSession();
    void ApplyToolStates();
    int Px(int twips) const;

    RowControls rows_[2]{};
    PrintSections printSections_;
    std::map<int, bool> toolEnabled_;
    int toolbarsTextStyle_ = 0;
    int showTooltips_ = -1;
    int dockableMainMenu_ = 0;
    bool closingByProgram_ = false;
    // The session manager's last request was answered and not cancelled, with the
    // document's change count (DocumentChanges) at that time.
    bool sessionCommitted_ = false;
    unsigned long committedChanges_ = 0;
    PointSource pointSource_;
    QSize loadSize_;
    std::unique_ptr<MainWindowHost> host_;
};

} // namespace vq
