#include "preferences/ui/unit_change_form.h"

#include "common/ui/main_window_view.h"
#include "platform/grid_control.h"
#include "common/messages.h"
#include "common/number_parsing.h"
#include "common/preference_records.h"
#include "common/session_state.h"
#include "common/ui/unit_combos.h"
#include "common/ui/widget_routines.h"
#include "equations/flag_values.h"
#include "platform/grid_model.h"
#include "preferences/output_mod.h"
#include "preferences/unit_change.h"
#include "solver/result_table.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <exception>

namespace vq {

UnitChangeForm::UnitChangeForm(GridModel* grid, int mode, std::function<void()> sizeGrid, QWidget* parent)
    : CalculatorDialog(parent), grid_(grid), mode_(mode), sizeGrid_(std::move(sizeGrid))
{
    setWindowTitle("Change Units");
    auto* layout = new QVBoxLayout(this);
    LBL_Grid = new QLabel(this);
    LBL_Description = new QLabel(this);
    LBL_Description->setWordWrap(true);
    LST_Units = new QListWidget(this);
    BTN_UsePreferred = new QPushButton("Use &Preferred", this);
    BTN_OK = new QPushButton("&OK", this);
    BTN_Cancel = new QPushButton("&Cancel", this);
    BTN_UsePreferred->setAutoDefault(false);
    BTN_Cancel->setAutoDefault(false);
    BTN_OK->setDefault(true);
    layout->addWidget(LBL_Grid);
    layout->addWidget(LBL_Description);
    layout->addWidget(LST_Units);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BTN_UsePreferred);
    buttons->addStretch();
    buttons->addWidget(BTN_OK);
    buttons->addWidget(BTN_Cancel);
    layout->addLayout(buttons);
    connect(BTN_UsePreferred, &QPushButton::clicked, this, &UnitChangeForm::BTN_UsePreferred_Click);
    connect(BTN_OK, &QPushButton::clicked, this, &UnitChangeForm::BTN_OK_Click);
    connect(BTN_Cancel, &QPushButton::clicked, this, &UnitChangeForm::BTN_Cancel_Click);
    connect(LST_Units, &QListWidget::itemDoubleClicked, this, &UnitChangeForm::BTN_OK_Click);
    resize(280, 320);
}

void UnitChangeForm::FillUnitChoices()
{
    const COutputParam& p = OutputParams(ParamId);
    LBL_Grid->setText(QString::fromStdString(p.HeaderText()).replace("\r\n", "\n"));
    LBL_Description->setText(QString::fromStdString(p.Description));
    LST_Units->clear();
    if (p.UnitFamily == -1)
        return;
    UnitListContents units = FillUnitCombo(p.UnitFamily);
    for (UnitListItem& item : units.Items)
        item.Selected = false;
    ShowUnitList(LST_Units, units);
    const int current = FindListItemByText(LST_Units, p.Units);
    if (current >= 0)
        LST_Units->setCurrentRow(current);
}

void UnitChangeForm::BTN_UsePreferred_Click()
{
    const COutputParam& p = OutputParams(ParamId);
    if (p.UnitFamily < 0 || p.UnitFamily >= NumUnitFamilies)
        return;
    const int preferred = FindListItemByText(LST_Units, UnitPrefs.PreferredUnits[static_cast<std::size_t>(p.UnitFamily)]);
    if (preferred >= 0)
        LST_Units->setCurrentRow(preferred);
}

void UnitChangeForm::ApplyUnitChange()
{
    const QListWidgetItem* chosen = LST_Units->currentItem();
    if (chosen == nullptr)
        return;
    const int kind = TableKindOfMode(mode_);
    const bool columns = OutputPrefs.RowColOrder[static_cast<std::size_t>(kind)] != 0;
    const std::string newUnits(TrimBlanks(chosen->text().toStdString()));
    COutputParam& p = OutputParams(ParamId);
    const std::string oldUnits = p.Units;
    p.Units = newUnits;
    if (newUnits != oldUnits)
        NoteDocumentChange();
    const UnitLineConverter converter(p.UnitFamily, oldUnits, newUnits);

    if (grid_ == nullptr)
        return;
    const int line = columns ? grid_->Col() : grid_->Row();
    const int n = columns ? grid_->Rows() : grid_->Cols();
    auto cell = [&](int k) { return columns ? std::pair{k, line} : std::pair{line, k}; };
    std::vector<std::string> cells;
    std::vector<double> values;
    for (int k = 0; k < n; ++k) {
        const auto [r, c] = cell(k);
        cells.push_back(grid_->TextMatrix(r, c));
        values.push_back(ResultTable.Contains(r, c) ? ResultTable(r, c) : NotApplicableValue);
    }
    // Two Points: the third value is the difference of the first two.
    const std::vector<std::string> texts = ConvertLine(cells, values, converter, mode_ == 1 ? 3 : -1);
    for (int k = 1; k < n; ++k) {
        const auto [r, c] = cell(k);
        grid_->SetTextMatrix(r, c, texts[static_cast<std::size_t>(k)]);
        if (ResultTable.Contains(r, c))
            ResultTable(r, c) = values[static_cast<std::size_t>(k)];
    }
    grid_->SetTextMatrix(cell(0).first, cell(0).second,
                         GetOutputParamHeader(ParamId, OutputPrefs.UseShortNames[static_cast<std::size_t>(kind)],
                                              OutputPrefs.WrapHeaders[static_cast<std::size_t>(kind)], true));
    if (sizeGrid_)
        sizeGrid_();
}

void UnitChangeForm::BTN_OK_Click()
{
    try {
        ApplyUnitChange();
    } catch (const std::exception&) {
        ShowMessage(UnitChangeErrorMessage, MessageExclamation);
        return;
    }
    accept();
}

void UnitChangeForm::BTN_Cancel_Click()
{
    reject();
}

void UnitChangeForm::showEvent(QShowEvent* event)
{
    FillUnitChoices();
    QDialog::showEvent(event);
}

void OpenUnitChangeForm(MainWindowView* main)
{
    if (main == nullptr || main->GRD_Output == nullptr)
        return;
    GridModel& grid = main->GRD_Output->Model();
    if (grid.Row() >= grid.Rows() || grid.Col() >= grid.Cols())
        return;
    const int mode = main->GetInputMode();
    const int id = ParamIdAtGridCell(mode, grid.Row(), grid.Col());
    if (id == 0)
        return;
    UnitChangeForm form(&grid, mode, [main] { main->SizeOutputGrid(); }, main);
    form.ParamId = id;
    CenterFormOverOwner(main, &form);
    form.exec();
    main->activateWindow();
}

} // namespace vq
