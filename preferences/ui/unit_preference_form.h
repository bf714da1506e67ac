// The unit preferences dialog: the units in use and the preferred unit of every shown
// unit family, the default unit system and the atmospheric pressure of the gauge
// units, with preference files, user defaults and the program defaults.
#pragma once

#include "preferences/unit_pref_editor.h"

#include "preferences/ui/calculator_dialog.h"

#include <array>
#include <string>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTreeWidget;

namespace vq {

class MainWindowView;

class UnitPreferenceForm : public CalculatorDialog {
    Q_OBJECT
public:
    // main may be null (no input lists to refill on OK).
    explicit UnitPreferenceForm(MainWindowView* main, QWidget* parent = nullptr);

    // True while a unit list is being refilled.
    bool LoadingForm = false;

    QTabWidget* TAB_ParamPreferences = nullptr;
    QLineEdit* TXT_AtmosphericPressure = nullptr;
    QComboBox* CMB_AtmosphericPressureUnits = nullptr;
    std::array<QRadioButton*, 3> OPT_UnitSystem{};
    QCheckBox* CHK_ApplySI = nullptr;
    QPushButton* BTN_SetCustomUnits = nullptr;
    QTreeWidget* LST_UnitFamily = nullptr;
    QListWidget* LST_UnitsUsed = nullptr;
    QPushButton* BTN_AddEnglish = nullptr;
    QPushButton* BTN_AddSI = nullptr;
    QPushButton* BTN_RemoveAll = nullptr;
    QPushButton* BTN_SetPreferred = nullptr;
    QLabel* LBL_UnitDescription = nullptr;
    QPushButton* BTN_RecallPreferences = nullptr; // index 1 of its control array
    QPushButton* BTN_SavePreferences = nullptr;
    QPushButton* BTN_UserDefaults = nullptr;
    QPushButton* BTN_SetAsDefault = nullptr;
    QPushButton* BTN_VortaDefaults = nullptr;
    QPushButton* BTN_Help = nullptr;
    QPushButton* BTN_Cancel = nullptr;
    QPushButton* BTN_OK = nullptr;

    // Form procedures.
    void LoadFormFromPrefs();
    void ShowUnitDescription(bool clear);
    void ApplyDefaultPreferredUnits();
    void StoreFormIntoPrefs();
    std::string GetPreferredUnitFromList(int family) const;
    int GetUnitSystemChoice() const;

    // Handlers.
    void LST_UnitFamily_Click();
    void LST_UnitsUsed_Click();
    void OPT_UnitSystem_Click();
    void BTN_AddEnglish_Click();
    void BTN_AddSI_Click();
    void BTN_RemoveAll_Click();
    void BTN_SetPreferred_Click();
    void BTN_SetCustomUnits_Click();
    void BTN_VortaDefaults_Click();
    void BTN_RecallPreferences_Click(int index);
    void BTN_SavePreferences_Click();
    void BTN_UserDefaults_Click();
    void BTN_SetAsDefault_Click();
    void BTN_Help_Click();
    void BTN_Cancel_Click();
    void BTN_OK_Click();

    // Cancel and the close box: the unit lists and UnitPrefs as they were when the
    // dialog opened.
    void reject() override;

    // The family code of the chosen family entry, -1 when none; choosing one refills
    // the units list.
    int ChosenFamily() const;
    void ChooseFamily(int family);

private:
    QWidget* BuildUnitsPage();
    QWidget* BuildOtherPage();
    void FillFamilyList(const std::array<std::string, NumUnitFamilies>& preferred);
    void RefillUnitsUsed();
    // The atmospheric pressure controls from UnitPrefs.
    void ShowAtmosphericPressure();
    // The check of the atmospheric pressure box that OK, Save Preferences and Set as
    // Default make; a refused entry has been reported and its page is shown.
    bool CheckAtmosphericPressure();
    // Beeps, shows an exclamation box and chooses the family on page 0.
    void RefuseFor(const std::string& message, int family);

    MainWindowView* main_ = nullptr;
    const UnitPrefsSnapshot opened_;
};

// Opens the dialog modally over main (the Unit Preferences command).
void ShowUnitPreferences(MainWindowView* main);

} // namespace vq
