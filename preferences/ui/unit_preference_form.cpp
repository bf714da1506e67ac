#include "preferences/ui/unit_preference_form.h"

#include "common/ui/main_window_view.h"
#include "platform/grid_control.h"
#include "common/file_routines.h"
#include "common/messages.h"
#include "common/number_parsing.h"
#include "units/pressure_entry.h"
#include "common/program_identity.h"
#include "common/session_state.h"
#include "files/settings_file.h"
#include "common/ui/help_topic.h"
#include "common/ui/pressure_entry_field.h"
#include "common/ui/unit_combos.h"
#include "common/ui/widget_routines.h"
#include "common/user_interface.h"
#include "files/preference_files.h"
#include "platform/view_width.h"
#include "preferences/ui/preference_file_dialog.h"
#include "units/unit_catalogue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace vq {

namespace {

constexpr int HelpContextUnitPreferences = 14;
const std::string UnitFileFilter = "Data (*.dat)|*.dat";
const std::string UnitFileOpenFilter = "Data (*.dat)|*.dat|All (*.*)|*.*";

QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

UnitPreferenceForm::UnitPreferenceForm(MainWindowView* main, QWidget* parent) : CalculatorDialog(parent), main_(main)
{
    setWindowTitle("Unit Preferences");
    auto* layout = new QVBoxLayout(this);
    TAB_ParamPreferences = new QTabWidget(this);
    TAB_ParamPreferences->addTab(BuildUnitsPage(), "  Unit &Preferences  ");
    TAB_ParamPreferences->addTab(BuildOtherPage(), "  O&ther  ");
    layout->addWidget(TAB_ParamPreferences);

    auto* buttons = new QGridLayout;
    BTN_RecallPreferences = new QPushButton("Load P&references...", this);
    BTN_SavePreferences = new QPushButton("Sa&ve Preferences...", this);
    BTN_UserDefaults = new QPushButton("&User Default", this);
    BTN_SetAsDefault = new QPushButton("&Set as Default", this);
    BTN_VortaDefaults = new QPushButton(Q(std::string(TrimBlanks(AppName)) + " &Default"), this);
    BTN_Help = new QPushButton("&Help", this);
    BTN_Cancel = new QPushButton("Cancel", this);
    BTN_OK = new QPushButton("&OK", this);
    buttons->addWidget(BTN_RecallPreferences, 0, 0);
    buttons->addWidget(BTN_UserDefaults, 0, 1);
    buttons->addWidget(BTN_VortaDefaults, 0, 2);
    buttons->addWidget(BTN_OK, 0, 4);
    buttons->addWidget(BTN_SavePreferences, 1, 0);
    buttons->addWidget(BTN_SetAsDefault, 1, 1);
    buttons->addWidget(BTN_Cancel, 1, 4);
    buttons->addWidget(BTN_Help, 2, 4);
    buttons->setColumnStretch(3, 1);
    layout->addLayout(buttons);
    for (QPushButton* b : {BTN_RecallPreferences, BTN_SavePreferences, BTN_UserDefaults, BTN_SetAsDefault,
                           BTN_VortaDefaults, BTN_Help, BTN_Cancel})
        b->setAutoDefault(false);
    BTN_OK->setDefault(true);

    connect(BTN_RecallPreferences, &QPushButton::clicked, this, [this] { BTN_RecallPreferences_Click(1); });
    connect(BTN_SavePreferences, &QPushButton::clicked, this, &UnitPreferenceForm::BTN_SavePreferences_Click);
    connect(BTN_UserDefaults, &QPushButton::clicked, this, &UnitPreferenceForm::BTN_UserDefaults_Click);
    connect(BTN_SetAsDefault, &QPushButton::clicked, this, &UnitPreferenceForm::BTN_SetAsDefault_Click);
    connect(BTN_VortaDefaults, &QPushButton::clicked, this, &UnitPreferenceForm::BTN_VortaDefaults_Click);
    connect(BTN_Help, &QPushButton::clicked, this, &UnitPreferenceForm::BTN_Help_Click);
    connect(BTN_Cancel, &QPushButton::clicked, this, &UnitPreferenceForm::BTN_Cancel_Click);
    connect(BTN_OK, &QPushButton::clicked, this, &UnitPreferenceForm::BTN_OK_Click);

    LoadFormFromPrefs();
    ShowUnitDescription(true);
    TAB_ParamPreferences->setCurrentIndex(0);
    CurrentUserInterface().SetBusy(false);
}

QWidget* UnitPreferenceForm::BuildUnitsPage()
{
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);

    auto* system = new QGroupBox("Default Unit System", page);
    auto* systemLayout = new QHBoxLayout(system);
    const std::array<const char*, 3> captions = {"&Both English and SI", "&English", "S&I"};
    for (std::size_t i = 0; i < 3; ++i) {
        OPT_UnitSystem[i] = new QRadioButton(captions[i], system);
        systemLayout->addWidget(OPT_UnitSystem[i]);
        connect(OPT_UnitSystem[i], &QRadioButton::toggled, this, &UnitPreferenceForm::OPT_UnitSystem_Click);
    }
    CHK_ApplySI = new QCheckBox("Apply SI Defaults", system);
    BTN_SetCustomUnits = new QPushButton("&Apply Default Units", system);
    BTN_SetCustomUnits->setAutoDefault(false);
    systemLayout->addWidget(CHK_ApplySI);
    systemLayout->addWidget(BTN_SetCustomUnits);
    grid->addWidget(system, 0, 0, 1, 3);

    auto* familyLabel = new QLabel("Unit T&ype", page);
    LST_UnitFamily = new QTreeWidget(page);
    LST_UnitFamily->setColumnCount(2);
    LST_UnitFamily->setHeaderLabels({"", "Preferred Units"});
    LST_UnitFamily->setRootIsDecorated(false);
    LST_UnitFamily->setSelectionMode(QAbstractItemView::SingleSelection);
    LST_UnitFamily->setColumnWidth(0, fontMetrics().horizontalAdvance("Temperature Differential Units  "));
    familyLabel->setBuddy(LST_UnitFamily);

    auto* usedLabel = new QLabel("U&nits to be Used", page);
    LST_UnitsUsed = new QListWidget(page);
    LST_UnitsUsed->setSelectionMode(QAbstractItemView::MultiSelection);
    usedLabel->setBuddy(LST_UnitsUsed);

    BTN_AddEnglish = new QPushButton("Select All En&glish", page);
    BTN_AddSI = new QPushButton("Sele&ct All SI", page);
    BTN_RemoveAll = new QPushButton("C&lear All Selections", page);
    BTN_SetPreferred = new QPushButton("Set as Pre&ferred Unit", page);
    auto* actions = new QVBoxLayout;
    for (QPushButton* b : {BTN_AddEnglish, BTN_AddSI, BTN_RemoveAll, BTN_SetPreferred}) {
        b->setAutoDefault(false);
        actions->addWidget(b);
    }
    actions->addStretch();

    auto* description = new QGroupBox("Unit Description", page);
    auto* descriptionLayout = new QVBoxLayout(description);
    LBL_UnitDescription = new QLabel(description);
    descriptionLayout->addWidget(LBL_UnitDescription);

    grid->addWidget(familyLabel, 1, 0);
    grid->addWidget(usedLabel, 1, 1);
    grid->addWidget(LST_UnitFamily, 2, 0);
    grid->addWidget(LST_UnitsUsed, 2, 1);
    grid->addLayout(actions, 2, 2);
    grid->addWidget(description, 3, 0, 1, 3);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);

    connect(LST_UnitFamily, &QTreeWidget::itemSelectionChanged, this, &UnitPreferenceForm::LST_UnitFamily_Click);
    connect(LST_UnitsUsed, &QListWidget::itemSelectionChanged, this, &UnitPreferenceForm::LST_UnitsUsed_Click);
    connect(BTN_AddEnglish, &QPushButton::clicked, this, &UnitPreferenceForm::BTN_AddEnglish_Click);
    connect(BTN_AddSI, &QPushButton::clicked, this, &UnitPreferenceForm::BTN_AddSI_Click);
    connect(BTN_RemoveAll, &QPushButton::clicked, this, &UnitPreferenceForm::BTN_RemoveAll_Click);
    connect(BTN_SetPreferred, &QPushButton::clicked, this, &UnitPreferenceForm::BTN_SetPreferred_Click);
    connect(BTN_SetCustomUnits, &QPushButton::clicked, this, &UnitPreferenceForm::BTN_SetCustomUnits_Click);
    return page;
}

QWidget* UnitPreferenceForm::BuildOtherPage()
{
    auto* page = new QWidget(this);
    auto* layout = new QGridLayout(page);
    auto* label = new QLabel("&Atmospheric Pressure:", page);
    TXT_AtmosphericPressure = new QLineEdit(page);
    CMB_AtmosphericPressureUnits = new QComboBox(page);
    label->setBuddy(TXT_AtmosphericPressure);
    layout->addWidget(label, 0, 0);
    layout->addWidget(TXT_AtmosphericPressure, 0, 1);
    layout->addWidget(CMB_AtmosphericPressureUnits, 0, 2);
    layout->setRowStretch(1, 1);
    layout->setColumnStretch(3, 1);
    return page;
}

void UnitPreferenceForm::FillFamilyList(const std::array<std::string, NumUnitFamilies>& preferred)
{
    const QSignalBlocker block(LST_UnitFamily);
    LST_UnitFamily->clear();
    for (const UnitListItem& item : FillUnitList(false).Items) {
        const std::string& unit = preferred[static_cast<std::size_t>(item.ItemData)];
        auto* entry = new QTreeWidgetItem(LST_UnitFamily, {Q(item.Text), Q(unit)});
        entry->setData(0, Qt::UserRole, item.ItemData);
    }
    int familyWidth = LST_UnitFamily->columnWidth(0);
    // The units column is not narrower than the header makes a last column.
    int unitsWidth = std::max(LST_UnitFamily->header()->defaultSectionSize(),
                              EntryTextWidth(LST_UnitFamily, LST_UnitFamily->headerItem()->text(1)));
    for (int i = 0; i < LST_UnitFamily->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* entry = LST_UnitFamily->topLevelItem(i);
        familyWidth = std::max(familyWidth, EntryTextWidth(LST_UnitFamily, entry->text(0)));
        unitsWidth = std::max(unitsWidth, EntryTextWidth(LST_UnitFamily, entry->text(1)));
    }
    LST_UnitFamily->setColumnWidth(0, familyWidth);
    FitViewWidth(LST_UnitFamily, familyWidth + unitsWidth);
}

void UnitPreferenceForm::LoadFormFromPrefs()
{
    if (UnitPrefs.UnitSystem >= 0 && UnitPrefs.UnitSystem < 3)
        OPT_UnitSystem[static_cast<std::size_t>(UnitPrefs.UnitSystem)]->setChecked(true);
    OPT_UnitSystem_Click();
    FillFamilyList(UnitPrefs.PreferredUnits);
    {
        const QSignalBlocker block(LST_UnitsUsed);
        LST_UnitsUsed->clear();
    }
    ShowAtmosphericPressure();
}

void UnitPreferenceForm::ShowAtmosphericPressure()
{
    const AtmosphericPressureView view = GetAtmosphericPressureView();
    CMB_AtmosphericPressureUnits->clear();
    for (const std::string& unit : view.units)
        CMB_AtmosphericPressureUnits->addItem(Q(unit));
    CMB_AtmosphericPressureUnits->setCurrentIndex(view.selected);
    TXT_AtmosphericPressure->setText(Q(view.text));
}

int UnitPreferenceForm::ChosenFamily() const
{
    const QList<QTreeWidgetItem*> selected = LST_UnitFamily->selectedItems();
    return selected.isEmpty() ? -1 : selected.constFirst()->data(0, Qt::UserRole).toInt();
}

void UnitPreferenceForm::ChooseFamily(int family)
{
    LST_UnitFamily->clearSelection();
    for (int i = 0; i < LST_UnitFamily->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = LST_UnitFamily->topLevelItem(i);
        if (item->data(0, Qt::UserRole).toInt() == family) {
            LST_UnitFamily->setCurrentItem(item);
            item->setSelected(true);
            LST_UnitFamily->scrollToItem(item);
            break;
        }
    }
    LST_UnitFamily_Click();
}

void UnitPreferenceForm::RefillUnitsUsed()
{
    const int family = ChosenFamily();
    LoadingForm = true;
    {
        const QSignalBlocker block(LST_UnitsUsed);
        if (family < 0)
            LST_UnitsUsed->clear();
        else
            ShowUnitList(LST_UnitsUsed, FillUnitsUsedList(family));
    }
    LoadingForm = false;
}

void UnitPreferenceForm::ShowUnitDescription(bool clear)
{
    if (LoadingForm)
        return;
    const int family = ChosenFamily();
    const QListWidgetItem* unit = LST_UnitsUsed->currentItem();
    const CUnitFamily* f = GetUnitFamily(family);
    const CUnitType* type = f != nullptr && unit != nullptr ? f->UnitType(unit->data(Qt::UserRole).toInt()) : nullptr;
    if (clear || type == nullptr) {
        LBL_UnitDescription->clear();
        return;
    }
    LBL_UnitDescription->setStyleSheet("color: rgb(0, 0, 255)");
    LBL_UnitDescription->setText(Q(type->LongName));
}

void UnitPreferenceForm::LST_UnitFamily_Click()
{
    RefillUnitsUsed();
    ShowUnitDescription(false);
}

void UnitPreferenceForm::LST_UnitsUsed_Click()
{
    const int family = ChosenFamily();
    if (LoadingForm || family < 0)
        return;
    // A click, a drag or Ctrl+A: whatever changed the selection, the selected units are
    // the ones in use.
    for (int i = 0; i < LST_UnitsUsed->count(); ++i) {
        const QListWidgetItem* unit = LST_UnitsUsed->item(i);
        const int index = unit->data(Qt::UserRole).toInt();
        if (unit->isSelected())
            DeselectUnit(family, index);
        else
            SelectUnit(family, index);
    }
    BTN_SetPreferred->setEnabled(true);
    ShowUnitDescription(false);
}

void UnitPreferenceForm::OPT_UnitSystem_Click()
{
    CHK_ApplySI->setEnabled(OPT_UnitSystem[0]->isChecked());
}

void UnitPreferenceForm::BTN_AddEnglish_Click()
{
    if (ChosenFamily() < 0)
        return;
    AddEnglishUnits(ChosenFamily());
    RefillUnitsUsed();
}

void UnitPreferenceForm::BTN_AddSI_Click()
{
    if (ChosenFamily() < 0)
        return;
    AddSIUnits(ChosenFamily());
    RefillUnitsUsed();
}

void UnitPreferenceForm::BTN_RemoveAll_Click()
{
    if (ChosenFamily() < 0)
        return;
    SelectFamilyUnits(ChosenFamily());
    RefillUnitsUsed();
}

void UnitPreferenceForm::BTN_SetPreferred_Click()
{
    const QListWidgetItem* unit = LST_UnitsUsed->currentItem();
    const QList<QTreeWidgetItem*> families = LST_UnitFamily->selectedItems();
    if (unit == nullptr || families.isEmpty()) {
        CurrentUserInterface().Beep();
        ShowMessage(ChooseUnitHint, MessageInformation);
        return;
    }
    families.constFirst()->setText(1, unit->text());
}

int UnitPreferenceForm::GetUnitSystemChoice() const
{
    return GetSelectedOptionIndex({OPT_UnitSystem[0], OPT_UnitSystem[1], OPT_UnitSystem[2]});
}

void UnitPreferenceForm::ApplyDefaultPreferredUnits()
{
    FillFamilyList(DefaultPreferredUnits(GetUnitSystemChoice(), CHK_ApplySI->isChecked()));
    UnitPrefs.AtmosphericPressure = 1.0;
    UnitPrefs.AtmosphericPressureUnits = "atm";
    ShowAtmosphericPressure();
}

void UnitPreferenceForm::BTN_SetCustomUnits_Click()
{
    ApplyDefaultUnitStates(GetUnitSystemChoice());
    const int family = ChosenFamily();
    ApplyDefaultPreferredUnits();
    ChooseFamily(family);
}

void UnitPreferenceForm::BTN_VortaDefaults_Click()
{
    OPT_UnitSystem[0]->setChecked(true);
    BuildUnitFamilies();
    {
        const QSignalBlocker block(LST_UnitsUsed);
        LST_UnitsUsed->clear();
    }
    ApplyDefaultPreferredUnits();
    UnitPrefs.UnitSystem = UnitSystemGeneral;
    BTN_OK->setFocus();
}

std::string UnitPreferenceForm::GetPreferredUnitFromList(int family) const
{
    for (int i = 0; i < LST_UnitFamily->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = LST_UnitFamily->topLevelItem(i);
        if (item->data(0, Qt::UserRole).toInt() == family)
            return PreferredUnitIfInUse(family, item->text(1).toStdString());
    }
    return {};
}

void UnitPreferenceForm::StoreFormIntoPrefs()
{
    UnitPrefsDraft draft;
    draft.unitSystem = GetUnitSystemChoice();
    draft.preferred = UnitPrefs.PreferredUnits;
    for (int i = 0; i < LST_UnitFamily->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = LST_UnitFamily->topLevelItem(i);
        const int family = item->data(0, Qt::UserRole).toInt();
        if (family >= 0 && family < NumUnitFamilies)
            draft.preferred[static_cast<std::size_t>(family)] = item->text(1).toStdString();
    }
    draft.atmosphericText = TXT_AtmosphericPressure->text().toStdString();
    draft.atmosphericUnits = CMB_AtmosphericPressureUnits->currentText().toStdString();
    StoreUnitPrefsDraft(draft);
}

void UnitPreferenceForm::RefuseFor(const std::string& message, int family)
{
    CurrentUserInterface().Beep();
    ShowMessage(message, MessageExclamation);
    TAB_ParamPreferences->setCurrentIndex(0);
    ChooseFamily(family);
}

bool UnitPreferenceForm::CheckAtmosphericPressure()
{
    bool ok = true;
    if (TrimBlanks(TXT_AtmosphericPressure->text().toStdString()).empty()) {
        CurrentUserInterface().Beep();
        ShowMessage(ImproperPressureMessage, MessageExclamation);
        ok = false;
    } else {
        ValidatePressureEntry(TXT_AtmosphericPressure, CMB_AtmosphericPressureUnits, AtmosphericPressureField, ok);
    }
    if (!ok) {
        TAB_ParamPreferences->setCurrentIndex(1);
        TXT_AtmosphericPressure->setFocus();
    }
    return ok;
}

void UnitPreferenceForm::BTN_OK_Click()
{
    const int empty = FindNextFlaggedFamily(-1);
    if (empty >= 0) {
        RefuseFor(NoUnitSelectedMessage + "\r\n" + GetFamilyName(empty), empty);
        return;
    }
    if (!CheckAtmosphericPressure())
        return;
    for (int family = 0; family < NumUnitFamilies; ++family) {
        const CUnitFamily* f = GetUnitFamily(family);
        if (f == nullptr || f->Flag != 1 || !GetPreferredUnitFromList(family).empty())
            continue;
        RefuseFor(PreferredUnitUnavailableMessage(GetFamilyName(family)), family);
        return;
    }
    StoreFormIntoPrefs();
    NoteDocumentChange();
    accept();
    if (main_ == nullptr)
        return;
    main_->FillUnitsForProperty(main_->CMB_State1, main_->CMB_State1Units);
    main_->FillUnitsForProperty(main_->CMB_State2, main_->CMB_State2Units);
    for (QLineEdit* box : {main_->TXT_State1, main_->TXT_State1End, main_->TXT_State2, main_->TXT_State2End})
        box->clear();
    main_->TXT_State1->setFocus();
}

void UnitPreferenceForm::BTN_Cancel_Click()
{
    reject();
}

void UnitPreferenceForm::reject()
{
    opened_.Restore();
    QDialog::reject();
}

void UnitPreferenceForm::BTN_RecallPreferences_Click(int index)
{
    if (index != 1)
        return;
    const UnitPreferences kept = UnitPrefs;
    std::string path;
    if (!ChoosePreferenceFile(this, false, "Recall Parameter Preferences", UnitFileOpenFilter, path) ||
        !FileExists(path))
        return;
    const BusyScope busy;
    std::string errorText;
    if (!ReadUnitPreferenceFile(path, errorText)) {
        CurrentUserInterface().Beep();
        ShowMessage(ReadFileErrorMessage(errorText), MessageExclamation);
        return;
    }
    LoadFormFromPrefs();
    UnitPrefs = kept;
    BTN_OK->setFocus();
}

void UnitPreferenceForm::BTN_SavePreferences_Click()
{
    if (!CheckAtmosphericPressure())
        return;
    std::string path;
    if (!ChoosePreferenceFile(this, true, "Save Parameter Preferences As", UnitFileFilter, path))
        return;
    const BusyScope busy;
    const UnitPreferences kept = UnitPrefs;
    StoreFormIntoPrefs();
    std::string errorText;
    const bool written = WriteUnitPreferenceFile(path, errorText);
    UnitPrefs = kept;
    if (!written) {
        CurrentUserInterface().Beep();
        ShowMessage(SaveFileErrorMessage(errorText), MessageExclamation);
    }
    BTN_OK->setFocus();
}

void UnitPreferenceForm::BTN_SetAsDefault_Click()
{
    if (!CheckAtmosphericPressure() ||
        CurrentUserInterface().Ask(SetUnitDefaultsQuestion, ProgramTitle, false) != Answer::Yes)
        return;
    const BusyScope busy;
    const int system = UnitPrefs.UnitSystem;
    const auto preferred = UnitPrefs.PreferredUnits;
    StoreFormIntoPrefs();
    WriteUnitPreferencesDefaults(SettingsFilePath);
    UnitPrefs.UnitSystem = system;
    UnitPrefs.PreferredUnits = preferred;
    BTN_OK->setFocus();
}

void UnitPreferenceForm::BTN_UserDefaults_Click()
{
    const int system = UnitPrefs.UnitSystem;
    const auto preferred = UnitPrefs.PreferredUnits;
    bool failed = false;
    RecallUserDefaults(failed);
    if (failed)
        return;
    const BusyScope busy;
    ReadUnitPreferencesSection(SettingsFilePath);
    LoadFormFromPrefs();
    UnitPrefs.UnitSystem = system;
    UnitPrefs.PreferredUnits = preferred;
    BTN_OK->setFocus();
}

void UnitPreferenceForm::BTN_Help_Click()
{
    ShowHelpTopic(HelpContextUnitPreferences);
    BTN_OK->setFocus();
}

void ShowUnitPreferences(MainWindowView* main)
{
    UnitPreferenceForm form(main, main);
    ExecOverMain(form, main);
}

} // namespace vq
