// The output preferences dialog: which parameters the results show, in which order
// and units, and how numbers and the two kinds of result tables are formatted. It
// works on a draft; only OK commits it to OutputPrefs.
#pragma once

#include "preferences/output_pref_editor.h"

#include "preferences/ui/calculator_dialog.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTabWidget;
class QTreeWidget;
class QListWidget;

namespace vq {

class MainWindowView;

// The panel that shows the header, short name and description of one parameter.
class ParamDescriptionPanel : public QWidget {
    Q_OBJECT
public:
    explicit ParamDescriptionPanel(QWidget* parent = nullptr);
    // -1 clears the panel.
    void ShowParam(int id);
    int ShownParam() const { return id_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int id_ = -1;
};

class OutputPreferenceForm : public CalculatorDialog {
    Q_OBJECT
public:
    // main may be null (no recalculation on OK).
    explicit OutputPreferenceForm(MainWindowView* main, QWidget* parent = nullptr);

    const OutputPrefsDraft& Draft() const { return draft_; }

    // Controls.
    QTabWidget* TAB_Output = nullptr;
    QTreeWidget* LST_ShowParameters = nullptr;
    QListWidget* LST_UnusedParameters = nullptr;
    QPushButton* BTN_AddParam = nullptr;
    QPushButton* BTN_RemoveParam = nullptr;
    QPushButton* BTN_RemoveAllParams = nullptr;
    QScrollBar* VSC_ParamList = nullptr;
    QComboBox* CMB_ParamUnits = nullptr;
    ParamDescriptionPanel* PIC_ParamDescription = nullptr;
    QPushButton* BTN_UsePreferred = nullptr;
    QComboBox* CMB_Digits = nullptr;
    QComboBox* CMB_AlignmentOptions = nullptr;
    QComboBox* CMB_Limit = nullptr;
    QLabel* LBL_Limit = nullptr;
    QCheckBox* CHK_UseExponent = nullptr;
    std::array<QCheckBox*, 2> CHK_ShortNames{};
    std::array<QCheckBox*, 2> CHK_WrapHeaders{};
    std::array<QRadioButton*, 2> OPT_RowColOrder{};
    std::array<QRadioButton*, 2> OPT_RangeRowColOrder{};
    QLabel* IMG_Single1 = nullptr;
    QLabel* IMG_Single2 = nullptr;
    QLabel* IMG_Range1 = nullptr;
    QLabel* IMG_Range2 = nullptr;
    std::array<QPushButton*, 2> BTN_SaveAsDefaults{};
    std::array<QPushButton*, 2> BTN_UserDefault{};
    QPushButton* BTN_AppDefaults = nullptr;
    QPushButton* BTN_OK = nullptr;
    QPushButton* BTN_Cancel = nullptr;
    QPushButton* BTN_Help = nullptr;

    // Handlers.
    void BTN_AddParam_Click();
    void BTN_RemoveParam_Click();
    void BTN_RemoveAllParams_Click();
    void LST_ShowParameters_Click();
    void LST_UnusedParameters_Click();
    void VSC_ParamList_Change();
    void CMB_ParamUnits_Click();
    void CMB_AlignmentOptions_Click();
    void OPT_RowColOrder_Click();
    void BTN_OK_Click();
    void BTN_Cancel_Click();
    void BTN_AppDefaults_Click();
    void BTN_Help_Click();
    void BTN_SaveAsDefaults_Click(int index);
    void BTN_UserDefault_Click(int index);
    void BTN_UsePreferred_Click();

    // The draft into the controls, and the formatting controls into the draft.
    void LoadPrefsIntoForm();
    void StorePrefsFromForm();

private:
    QWidget* BuildOutputPage();
    QWidget* BuildFormattingPage();
    void ShowDraft();
    void RefreshLists();
    void ReadFormatting();
    int SelectedShownIndex() const;
    void SelectShown(int index);

    MainWindowView* main_ = nullptr;
    OutputPrefsDraft draft_;
    bool reorderEnabled_ = true;
};

// Opens the dialog modally over main (the Output Control command).
void ShowOutputPreferences(MainWindowView* main);

} // namespace vq
