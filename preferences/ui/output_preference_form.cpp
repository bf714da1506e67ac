#include "preferences/ui/output_preference_form.h"

#include "common/ui/main_window_view.h"
#include "platform/grid_control.h"
#include "common/file_routines.h"
#include "common/messages.h"
#include "common/number_parsing.h"
#include "common/program_identity.h"
#include "common/session_state.h"
#include "files/settings_file.h"
#include "common/ui/help_topic.h"
#include "common/ui/unit_combos.h"
#include "common/ui/widget_routines.h"
#include "common/user_interface.h"
#include "platform/view_width.h"
#include "preferences/output_mod.h"
#include "files/preference_files.h"
#include "preferences/ui/apply_units_form.h"
#include "preferences/ui/preference_file_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace vq {

namespace {

constexpr int HelpContextOutputPreferences = 6;
const std::string OutputFileFilter = "Data (*.dat)|*.dat";
const std::string OutputFileOpenFilter = "Data (*.dat)|*.dat|All (*.*)|*.*";
const std::string SetOutputDefaultsQuestion =
    "Setting current window output selections as the default will erase all previous user default settings."
    " Are you sure you want to change the user defaults?";

QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

QLabel* SampleTable(const char* text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont font("Monospace");
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(font.pointSizeF() * 0.8);
    label->setFont(font);
    label->setFrameShape(QFrame::Box);
    return label;
}

} // namespace

ParamDescriptionPanel::ParamDescriptionPanel(QWidget* parent) : QWidget(parent)
{
    setMinimumHeight(fontMetrics().lineSpacing() * 5);
    setAutoFillBackground(true);
}

void ParamDescriptionPanel::ShowParam(int id)
{
    id_ = id;
    update();
}

void ParamDescriptionPanel::paintEvent(QPaintEvent* /*event*/)
{
    if (id_ < 0)
        return;
    const ParamDescription d = GetParamDescription(id_);
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const QColor labelColour = palette().color(QPalette::WindowText);
    const QColor valueColour(0, 0, 255);
    const int margin = 4;
    int y = margin + metrics.ascent();
    auto line = [&](const std::string& label, const std::string& value) {
        painter.setPen(labelColour);
        painter.drawText(margin, y, Q(label));
        const int x = margin + metrics.horizontalAdvance(Q(label));
        painter.setPen(valueColour);
        painter.drawText(x, y, Q(value));
        y += metrics.lineSpacing();
        return x;
    };
    line(HeaderLabel, d.header);
    line(ShortNameLabel, d.shortName);
    const int x = margin + metrics.horizontalAdvance(Q(DescriptionLabel));
    std::string first;
    std::string rest;
    SplitToFit(d.description, width() - x, [&](const std::string& s) { return metrics.horizontalAdvance(Q(s)); }, first,
               rest);
    line(DescriptionLabel, first);
    if (!rest.empty()) {
        painter.setPen(valueColour);
        painter.drawText(x, y, Q(rest));
    }
}

OutputPreferenceForm::OutputPreferenceForm(MainWindowView* main, QWidget* parent) : CalculatorDialog(parent), main_(main)
{
    setWindowTitle("Output Control");
    auto* layout = new QVBoxLayout(this);
    TAB_Output = new QTabWidget(this);
    TAB_Output->addTab(BuildOutputPage(), "  &Property Output  ");
    TAB_Output->addTab(BuildFormattingPage(), "  &Formatting  ");
    layout->addWidget(TAB_Output);

    auto* buttons = new QGridLayout;
    BTN_SaveAsDefaults[0] = new QPushButton("&Set as Default", this);
    BTN_SaveAsDefaults[1] = new QPushButton("Sa&ve Control Format...", this);
    BTN_UserDefault[0] = new QPushButton("&User Default", this);
    BTN_UserDefault[1] = new QPushButton("&Load Control Format...", this);
    BTN_AppDefaults = new QPushButton(Q(std::string(TrimBlanks(AppName)) + " &Default"), this);
    BTN_OK = new QPushButton("&OK", this);
    BTN_Cancel = new QPushButton("Cancel", this);
    BTN_Help = new QPushButton("&Help", this);
    buttons->addWidget(BTN_SaveAsDefaults[0], 0, 0);
    buttons->addWidget(BTN_UserDefault[0], 0, 1);
    buttons->addWidget(BTN_AppDefaults, 0, 2);
    buttons->addWidget(BTN_OK, 0, 4);
    buttons->addWidget(BTN_SaveAsDefaults[1], 1, 0);
    buttons->addWidget(BTN_UserDefault[1], 1, 1);
    buttons->addWidget(BTN_Cancel, 1, 4);
    buttons->addWidget(BTN_Help, 2, 4);
    buttons->setColumnStretch(3, 1);
    layout->addLayout(buttons);
    for (QPushButton* b : {BTN_SaveAsDefaults[0], BTN_SaveAsDefaults[1], BTN_UserDefault[0], BTN_UserDefault[1],
                           BTN_AppDefaults, BTN_Cancel, BTN_Help})
        b->setAutoDefault(false);
    BTN_OK->setDefault(true);

    for (int i = 0; i < 2; ++i) {
        connect(BTN_SaveAsDefaults[static_cast<std::size_t>(i)], &QPushButton::clicked, this,
                [this, i] { BTN_SaveAsDefaults_Click(i); });
        connect(BTN_UserDefault[static_cast<std::size_t>(i)], &QPushButton::clicked, this,
                [this, i] { BTN_UserDefault_Click(i); });
    }
    connect(BTN_AppDefaults, &QPushButton::clicked, this, &OutputPreferenceForm::BTN_AppDefaults_Click);
    connect(BTN_OK, &QPushButton::clicked, this, &OutputPreferenceForm::BTN_OK_Click);
    connect(BTN_Cancel, &QPushButton::clicked, this, &OutputPreferenceForm::BTN_Cancel_Click);
    connect(BTN_Help, &QPushButton::clicked, this, &OutputPreferenceForm::BTN_Help_Click);

    TAB_Output->setCurrentIndex(0);
    LoadPrefsIntoForm();
    CurrentUserInterface().SetBusy(false);
}

QWidget* OutputPreferenceForm::BuildOutputPage()
{
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);

    // Left to right, as the arrows of the buttons point: the parameters not shown, the
    // buttons that move them, the shown parameters with their reorder bar and units.
    // The controls are made in that order, which is their tab order.
    auto* unusedLabel = new QLabel("Do &Not Show in Output", page);
    auto* unusedTabs = new QTabWidget(page);
    LST_UnusedParameters = new QListWidget(unusedTabs);
    LST_UnusedParameters->setSelectionMode(QAbstractItemView::ExtendedSelection);
    unusedTabs->addTab(LST_UnusedParameters, "   Alphabetical  ");
    unusedLabel->setBuddy(LST_UnusedParameters);
    BTN_UsePreferred = new QPushButton("Us&e Preferred Units...", page);
    BTN_UsePreferred->setAutoDefault(false);

    BTN_AddParam = new QPushButton("&Add >>", page);
    BTN_RemoveParam = new QPushButton("<< Re&move", page);
    BTN_RemoveAllParams = new QPushButton("<< Remove A&ll", page);
    for (QPushButton* b : {BTN_AddParam, BTN_RemoveParam, BTN_RemoveAllParams})
        b->setAutoDefault(false);

    auto* shownLabel = new QLabel("Show Output in &This Order", page);
    LST_ShowParameters = new QTreeWidget(page);
    LST_ShowParameters->setColumnCount(2);
    LST_ShowParameters->setHeaderHidden(true);
    LST_ShowParameters->setRootIsDecorated(false);
    LST_ShowParameters->setSelectionMode(QAbstractItemView::SingleSelection);
    LST_ShowParameters->header()->setStretchLastSection(true);
    shownLabel->setBuddy(LST_ShowParameters);
    auto* reorderLabel = new QLabel("Reorder", page);
    VSC_ParamList = new QScrollBar(Qt::Vertical, page);
    VSC_ParamList->setMinimum(0);
    // In the Tab order, where its arrow and page keys move the selected entry; a click
    // leaves the focus where it is.
    VSC_ParamList->setFocusPolicy(Qt::TabFocus);

    auto* unitsLabel = new QLabel("Un&its:", page);
    CMB_ParamUnits = new QComboBox(page);
    unitsLabel->setBuddy(CMB_ParamUnits);

    // Parameters move between the two lists: both fit the longest name.
    int nameWidth = 0;
    for (int id = 1; id <= NumOutputParams; ++id)
        nameWidth = std::max(nameWidth, EntryTextWidth(LST_UnusedParameters, Q(OutputParams(id).Name)));
    LST_ShowParameters->setColumnWidth(0, nameWidth);
    FitViewWidth(LST_UnusedParameters, nameWidth);

    PIC_ParamDescription = new ParamDescriptionPanel(page);

    auto* moveButtons = new QVBoxLayout;
    moveButtons->addStretch();
    moveButtons->addWidget(BTN_AddParam);
    moveButtons->addWidget(BTN_RemoveParam);
    moveButtons->addWidget(BTN_RemoveAllParams);
    moveButtons->addStretch();

    auto* reorder = new QVBoxLayout;
    reorder->addWidget(reorderLabel);
    reorder->addWidget(VSC_ParamList, 1);

    grid->addWidget(unusedLabel, 0, 0);
    grid->addWidget(shownLabel, 0, 2);
    grid->addWidget(unusedTabs, 1, 0);
    grid->addLayout(moveButtons, 1, 1);
    grid->addWidget(LST_ShowParameters, 1, 2);
    grid->addLayout(reorder, 1, 3);
    grid->addWidget(BTN_UsePreferred, 2, 0);
    auto* unitsRow = new QHBoxLayout;
    unitsRow->addWidget(unitsLabel);
    unitsRow->addWidget(CMB_ParamUnits, 1);
    grid->addLayout(unitsRow, 2, 2);
    grid->addWidget(PIC_ParamDescription, 3, 0, 1, 4);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(2, 3);

    connect(LST_ShowParameters, &QTreeWidget::itemSelectionChanged, this,
            &OutputPreferenceForm::LST_ShowParameters_Click);
    connect(LST_ShowParameters, &QTreeWidget::itemDoubleClicked, this, &OutputPreferenceForm::BTN_RemoveParam_Click);
    connect(LST_UnusedParameters, &QListWidget::itemSelectionChanged, this,
            &OutputPreferenceForm::LST_UnusedParameters_Click);
    connect(LST_UnusedParameters, &QListWidget::itemDoubleClicked, this, &OutputPreferenceForm::BTN_AddParam_Click);
    connect(VSC_ParamList, &QScrollBar::valueChanged, this, &OutputPreferenceForm::VSC_ParamList_Change);
    // Only the user's choice in the list acts, never the program's refill.
    connect(CMB_ParamUnits, &QComboBox::activated, this, &OutputPreferenceForm::CMB_ParamUnits_Click);
    connect(BTN_AddParam, &QPushButton::clicked, this, &OutputPreferenceForm::BTN_AddParam_Click);
    connect(BTN_RemoveParam, &QPushButton::clicked, this, &OutputPreferenceForm::BTN_RemoveParam_Click);
    connect(BTN_RemoveAllParams, &QPushButton::clicked, this, &OutputPreferenceForm::BTN_RemoveAllParams_Click);
    connect(BTN_UsePreferred, &QPushButton::clicked, this, &OutputPreferenceForm::BTN_UsePreferred_Click);
    return page;
}

QWidget* OutputPreferenceForm::BuildFormattingPage()
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);

    auto* numbers = new QGroupBox("Number Formatting", page);
    auto* numberGrid = new QGridLayout(numbers);
    auto* digitsLabel = new QLabel("&Minimum Number of Digits:", numbers);
    CMB_Digits = new QComboBox(numbers);
    for (int n = MinDigitsChoice; n <= MaxDigitsChoice; ++n)
        CMB_Digits->addItem(QString::number(n));
    digitsLabel->setBuddy(CMB_Digits);
    CMB_AlignmentOptions = new QComboBox(numbers);
    for (const std::string& option : ColumnAlignmentOptions)
        CMB_AlignmentOptions->addItem(Q(option));
    LBL_Limit = new QLabel("Order of Magnitude &Limit:", numbers);
    CMB_Limit = new QComboBox(numbers);
    for (int n = MinMagnitudeLimit; n <= MaxMagnitudeLimit; ++n)
        CMB_Limit->addItem(QString::number(n));
    LBL_Limit->setBuddy(CMB_Limit);
    CHK_UseExponent = new QCheckBox("Always Use E&xponential Notation", numbers);
    numberGrid->addWidget(digitsLabel, 0, 0);
    numberGrid->addWidget(CMB_Digits, 0, 1);
    numberGrid->addWidget(CMB_AlignmentOptions, 1, 0, 1, 2);
    numberGrid->addWidget(LBL_Limit, 2, 0);
    numberGrid->addWidget(CMB_Limit, 2, 1);
    numberGrid->addWidget(CHK_UseExponent, 3, 0, 1, 2);
    layout->addWidget(numbers);

    auto* tables = new QHBoxLayout;
    auto* single = new QGroupBox("Single Point Output Formating", page);
    auto* singleLayout = new QVBoxLayout(single);
    CHK_ShortNames[0] = new QCheckBox("Use Short P&arameter Names", single);
    CHK_WrapHeaders[0] = new QCheckBox("Wrap Ta&ble Column Headers", single);
    OPT_RowColOrder[0] = new QRadioButton("Properties in &Column", single);
    OPT_RowColOrder[1] = new QRadioButton("Proper&ties in Row", single);
    IMG_Single1 = SampleTable("Parameter       Value\nPressure (psia)  14.70\nTemp. (deg. F)  212.00", single);
    IMG_Single2 = SampleTable("Pressure  Temperature\n(psia)    (deg. F)\n14.70     212.00", single);
    for (QWidget* w : std::initializer_list<QWidget*>{CHK_ShortNames[0], CHK_WrapHeaders[0], OPT_RowColOrder[0],
                                                     OPT_RowColOrder[1], new QLabel("Example:", single), IMG_Single1,
                                                     IMG_Single2})
        singleLayout->addWidget(w);
    tables->addWidget(single);

    auto* range = new QGroupBox("Range Table Output Formating", page);
    auto* rangeLayout = new QVBoxLayout(range);
    CHK_ShortNames[1] = new QCheckBox("Use Short Parameter &Names", range);
    CHK_WrapHeaders[1] = new QCheckBox("&Wrap Table Column Headers", range);
    OPT_RangeRowColOrder[0] = new QRadioButton("Ran&ge Values in Rows", range);
    OPT_RangeRowColOrder[1] = new QRadioButton("Rang&e Values in Columns", range);
    // As the grid lays them out: RowColOrder 0 gives one row per parameter with the
    // range values across the top, 1 one row per range value.
    IMG_Range1 = SampleTable("T (deg. F)    = 100   = 200\nP (psia)      14.70   14.70\nh (Btu/lbm)   68.05  168.09",
                             range);
    IMG_Range2 = SampleTable("T (deg. F)  P (psia)  h (Btu/lbm)\n= 100       14.70     68.05\n= 200       14.70    168.09",
                             range);
    for (QWidget* w : std::initializer_list<QWidget*>{CHK_ShortNames[1], CHK_WrapHeaders[1], OPT_RangeRowColOrder[0],
                                                     OPT_RangeRowColOrder[1], new QLabel("Example:", range), IMG_Range1,
                                                     IMG_Range2})
        rangeLayout->addWidget(w);
    tables->addWidget(range);
    layout->addLayout(tables);
    layout->addStretch();

    connect(CMB_AlignmentOptions, &QComboBox::currentIndexChanged, this,
            &OutputPreferenceForm::CMB_AlignmentOptions_Click);
    for (QRadioButton* option : {OPT_RowColOrder[0], OPT_RowColOrder[1], OPT_RangeRowColOrder[0],
                                 OPT_RangeRowColOrder[1]})
        connect(option, &QRadioButton::toggled, this, &OutputPreferenceForm::OPT_RowColOrder_Click);
    return page;
}

int OutputPreferenceForm::SelectedShownIndex() const
{
    const QList<QTreeWidgetItem*> selected = LST_ShowParameters->selectedItems();
    return selected.isEmpty() ? -1 : LST_ShowParameters->indexOfTopLevelItem(selected.constFirst());
}

void OutputPreferenceForm::SelectShown(int index)
{
    LST_ShowParameters->clearSelection();
    if (index >= 0 && index < LST_ShowParameters->topLevelItemCount()) {
        QTreeWidgetItem* item = LST_ShowParameters->topLevelItem(index);
        LST_ShowParameters->setCurrentItem(item);
        item->setSelected(true);
    }
}

void OutputPreferenceForm::RefreshLists()
{
    const QSignalBlocker blockShown(LST_ShowParameters);
    const QSignalBlocker blockUnused(LST_UnusedParameters);
    LST_ShowParameters->clear();
    for (int id : draft_.shown) {
        const COutputParam& p = OutputParams(id);
        auto* item = new QTreeWidgetItem(LST_ShowParameters, {Q(p.Name), p.HasUnits ? Q(p.EditUnits) : QString()});
        item->setData(0, Qt::UserRole, id);
    }
    // The units column is not narrower than the header makes a last column.
    int unitsWidth = LST_ShowParameters->header()->defaultSectionSize();
    for (int i = 0; i < LST_ShowParameters->topLevelItemCount(); ++i)
        unitsWidth = std::max(unitsWidth, EntryTextWidth(LST_ShowParameters, LST_ShowParameters->topLevelItem(i)->text(1)));
    FitViewWidth(LST_ShowParameters, LST_ShowParameters->columnWidth(0) + unitsWidth);
    LST_UnusedParameters->clear();
    for (int id : draft_.unused) {
        auto* item = new QListWidgetItem(Q(OutputParams(id).Name), LST_UnusedParameters);
        item->setData(Qt::UserRole, id);
    }
    LST_UnusedParameters->setCurrentRow(-1, QItemSelectionModel::NoUpdate);
    const QSignalBlocker blockScroll(VSC_ParamList);
    VSC_ParamList->setMaximum(std::max(0, static_cast<int>(draft_.shown.size()) - 1));
}

void OutputPreferenceForm::ShowDraft()
{
    RefreshLists();
    CMB_Digits->setCurrentIndex(CMB_Digits->findText(QString::number(draft_.digits)));
    CHK_UseExponent->setChecked(draft_.useExponential != 0);
    CMB_AlignmentOptions->setCurrentIndex(draft_.columnAlignment);
    CMB_AlignmentOptions_Click();
    CMB_Limit->setCurrentIndex(draft_.magnitudeLimit - MinMagnitudeLimit);
    for (std::size_t i = 0; i < 2; ++i) {
        CHK_ShortNames[i]->setChecked(draft_.useShortNames[i] != 0);
        CHK_WrapHeaders[i]->setChecked(draft_.wrapHeaders[i] != 0);
    }
    for (std::size_t i = 0; i < 2; ++i) {
        OPT_RowColOrder[i]->setChecked(draft_.rowColOrder[0] == static_cast<int>(i));
        OPT_RangeRowColOrder[i]->setChecked(draft_.rowColOrder[1] == static_cast<int>(i));
    }
    OPT_RowColOrder_Click();
}

void OutputPreferenceForm::ReadFormatting()
{
    draft_.digits = ParseInteger(CMB_Digits->currentText().toStdString());
    draft_.useExponential = CHK_UseExponent->isChecked() ? 1 : 0;
    draft_.columnAlignment = CMB_AlignmentOptions->currentIndex();
    draft_.magnitudeLimit = CMB_Limit->currentIndex() + MinMagnitudeLimit;
    for (std::size_t i = 0; i < 2; ++i) {
        draft_.useShortNames[i] = CHK_ShortNames[i]->isChecked() ? 1 : 0;
        draft_.wrapHeaders[i] = CHK_WrapHeaders[i]->isChecked() ? 1 : 0;
    }
    draft_.rowColOrder[0] = GetSelectedOptionIndex({OPT_RowColOrder[0], OPT_RowColOrder[1]});
    draft_.rowColOrder[1] = GetSelectedOptionIndex({OPT_RangeRowColOrder[0], OPT_RangeRowColOrder[1]});
}

void OutputPreferenceForm::LoadPrefsIntoForm()
{
    draft_ = LoadPrefsIntoDraft();
    ShowDraft();
    TAB_Output->setCurrentIndex(0);
}

void OutputPreferenceForm::StorePrefsFromForm()
{
    ReadFormatting();
    StorePrefsFromDraft(draft_);
}

void OutputPreferenceForm::BTN_AddParam_Click()
{
    std::vector<int> ids;
    for (int i = 0; i < LST_UnusedParameters->count(); ++i) {
        if (LST_UnusedParameters->item(i)->isSelected())
            ids.push_back(LST_UnusedParameters->item(i)->data(Qt::UserRole).toInt());
    }
    if (ids.empty()) {
        ShowMessage(NoParamsToAddMessage, MessageInformation);
        return;
    }
    AddShownParams(draft_, ids);
    RefreshLists();
    SelectShown(static_cast<int>(draft_.shown.size()) - 1);
}

void OutputPreferenceForm::BTN_RemoveParam_Click()
{
    if (!RemoveShownParam(draft_, SelectedShownIndex())) {
        ShowMessage(NoParamsToRemoveMessage, MessageInformation);
        return;
    }
    RefreshLists();
    CMB_ParamUnits->clear();
}

void OutputPreferenceForm::BTN_RemoveAllParams_Click()
{
    if (CurrentUserInterface().Ask(RemoveAllParamsQuestion, ProgramTitle, false, Answer::No) != Answer::Yes)
        return;
    RemoveAllShownParams(draft_);
    RefreshLists();
    CMB_ParamUnits->clear();
}

void OutputPreferenceForm::LST_ShowParameters_Click()
{
    const int index = SelectedShownIndex();
    if (index < 0) {
        PIC_ParamDescription->ShowParam(-1);
        return;
    }
    const int id = draft_.shown[static_cast<std::size_t>(index)];
    ShowUnitList(CMB_ParamUnits, FillParamUnitsCombo(id, OutputParams(id).EditUnits));
    {
        const QSignalBlocker block(LST_UnusedParameters);
        LST_UnusedParameters->clearSelection();
    }
    VSC_ParamList->setMaximum(std::max(0, static_cast<int>(draft_.shown.size()) - 1));
    reorderEnabled_ = false;
    VSC_ParamList->setValue(index);
    reorderEnabled_ = true;
    PIC_ParamDescription->ShowParam(id);
}

void OutputPreferenceForm::LST_UnusedParameters_Click()
{
    QListWidgetItem* current = LST_UnusedParameters->currentItem();
    if (current == nullptr || !current->isSelected())
        return;
    {
        const QSignalBlocker block(LST_ShowParameters);
        LST_ShowParameters->clearSelection();
    }
    CMB_ParamUnits->clear();
    PIC_ParamDescription->ShowParam(current->data(Qt::UserRole).toInt());
}

void OutputPreferenceForm::VSC_ParamList_Change()
{
    const int index = SelectedShownIndex();
    if (!reorderEnabled_ || index < 0)
        return;
    const int to = VSC_ParamList->value();
    if (!MoveShownParam(draft_, index, to))
        return;
    RefreshLists();
    SelectShown(to);
}

void OutputPreferenceForm::CMB_ParamUnits_Click()
{
    const int index = SelectedShownIndex();
    if (index < 0 || !SetShownParamUnits(draft_, index, CMB_ParamUnits->currentText().toStdString()))
        return;
    const int id = draft_.shown[static_cast<std::size_t>(index)];
    LST_ShowParameters->topLevelItem(index)->setText(1, Q(OutputParams(id).EditUnits));
}

void OutputPreferenceForm::CMB_AlignmentOptions_Click()
{
    const bool limited = CMB_AlignmentOptions->currentIndex() >= 2;
    CMB_Limit->setEnabled(limited);
    LBL_Limit->setEnabled(limited);
}

void OutputPreferenceForm::OPT_RowColOrder_Click()
{
    IMG_Single1->setVisible(!OPT_RowColOrder[1]->isChecked());
    IMG_Single2->setVisible(OPT_RowColOrder[1]->isChecked());
    IMG_Range1->setVisible(!OPT_RangeRowColOrder[1]->isChecked());
    IMG_Range2->setVisible(OPT_RangeRowColOrder[1]->isChecked());
}

void OutputPreferenceForm::BTN_OK_Click()
{
    {
        const BusyScope busy;
        StorePrefsFromForm();
        if (main_ != nullptr && main_->CheckCalcButtonEnabled())
            main_->BTN_Calculate_Click();
        NoteDocumentChange();
    }
    accept();
}

void OutputPreferenceForm::BTN_Cancel_Click()
{
    reject();
}

void OutputPreferenceForm::BTN_AppDefaults_Click()
{
    const BusyScope busy;
    draft_ = AppDefaultsDraft();
    ShowDraft();
    CMB_ParamUnits->clear();
    BTN_OK->setFocus();
}

void OutputPreferenceForm::BTN_Help_Click()
{
    ShowHelpTopic(HelpContextOutputPreferences);
    if (BTN_OK->isEnabled())
        BTN_OK->setFocus();
}

void OutputPreferenceForm::BTN_SaveAsDefaults_Click(int index)
{
    std::string path;
    if (index == 1) {
        if (!ChoosePreferenceFile(this, true, "Save Output Preferences As", OutputFileFilter, path))
            return;
    } else if (CurrentUserInterface().Ask(SetOutputDefaultsQuestion, ProgramTitle, false) != Answer::Yes) {
        return;
    }
    const BusyScope busy;
    const OutputPrefsSnapshot kept;
    StorePrefsFromForm();
    if (index == 1) {
        std::string errorText;
        if (!WriteOutputPreferenceFile(path, errorText)) {
            CurrentUserInterface().Beep();
            ShowMessage(SaveFileErrorMessage(errorText), MessageExclamation);
        }
    } else {
        WriteOutputPreferencesSection(SettingsFilePath);
    }
    kept.Restore();
    BTN_OK->setFocus();
}

void OutputPreferenceForm::BTN_UserDefault_Click(int index)
{
    const OutputPrefsSnapshot kept;
    if (index == 1) {
        std::string path;
        if (!ChoosePreferenceFile(this, false, "Recall Output Preferences", OutputFileOpenFilter, path) ||
            !FileExists(path))
            return;
        const BusyScope busy;
        std::string errorText;
        if (!ReadOutputPreferenceFile(path, errorText)) {
            CurrentUserInterface().Beep();
            ShowMessage(ReadFileErrorMessage(errorText), MessageExclamation);
            return;
        }
    } else {
        bool failed = false;
        RecallUserDefaults(failed);
        if (failed)
            return;
        const BusyScope busy;
        ReadOutputPreferencesSection(SettingsFilePath);
    }
    // The dialog shows what was read; the record stays as it was until OK.
    LoadPrefsIntoForm();
    kept.Restore();
    BTN_OK->setFocus();
}

void OutputPreferenceForm::BTN_UsePreferred_Click()
{
    const std::optional<std::vector<int>> families = ChooseUnitFamilies(this, PreferredUnitChoices());
    if (!families)
        return;
    ApplyPreferredUnits(draft_, *families);
    RefreshLists();
    CMB_ParamUnits->clear();
}

void ShowOutputPreferences(MainWindowView* main)
{
    OutputPreferenceForm form(main, main);
    ExecOverMain(form, main);
}

} // namespace vq
