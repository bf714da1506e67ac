#include "preferences/ui/apply_units_form.h"

#include "common/ui/widget_routines.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vq {

ApplyUnitsForm::ApplyUnitsForm(QWidget* parent) : CalculatorDialog(parent)
{
    setWindowTitle("Use Preferred Units");
    auto* layout = new QVBoxLayout(this);
    LBL_Header = new QLabel("&Units to Apply:", this);
    LST_Units = new QListWidget(this);
    LST_Units->setSelectionMode(QAbstractItemView::MultiSelection);
    LBL_Header->setBuddy(LST_Units);
    layout->addWidget(LBL_Header);
    layout->addWidget(LST_Units);

    auto* selectRow = new QHBoxLayout;
    const std::array<const char*, 3> captions = {"All", "None", "Invert"};
    for (int i = 0; i < 3; ++i) {
        BTN_Select[static_cast<std::size_t>(i)] = new QPushButton(captions[static_cast<std::size_t>(i)], this);
        BTN_Select[static_cast<std::size_t>(i)]->setAutoDefault(false);
        selectRow->addWidget(BTN_Select[static_cast<std::size_t>(i)]);
        connect(BTN_Select[static_cast<std::size_t>(i)], &QPushButton::clicked, this, [this, i] { BTN_Select_Click(i); });
    }
    layout->addLayout(selectRow);

    auto* buttons = new QHBoxLayout;
    BTN_OK = new QPushButton("&OK", this);
    BTN_Cancel = new QPushButton("Cancel", this);
    BTN_OK->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(BTN_OK);
    buttons->addWidget(BTN_Cancel);
    layout->addLayout(buttons);
    connect(BTN_OK, &QPushButton::clicked, this, &ApplyUnitsForm::BTN_OK_Click);
    connect(BTN_Cancel, &QPushButton::clicked, this, &ApplyUnitsForm::BTN_Cancel_Click);
    resize(320, 360);
}

void ApplyUnitsForm::Fill(const std::vector<UnitListItem>& items)
{
    LST_Units->clear();
    for (const UnitListItem& item : items) {
        auto* entry = new QListWidgetItem(QString::fromStdString(item.Text), LST_Units);
        entry->setData(Qt::UserRole, item.ItemData);
        entry->setSelected(item.Selected);
    }
    LST_Units->setCurrentItem(nullptr, QItemSelectionModel::NoUpdate);
    LST_Units->scrollToTop();
}

std::vector<int> ApplyUnitsForm::SelectedData() const
{
    std::vector<int> data;
    for (int i = 0; i < LST_Units->count(); ++i) {
        if (LST_Units->item(i)->isSelected())
            data.push_back(LST_Units->item(i)->data(Qt::UserRole).toInt());
    }
    return data;
}

void ApplyUnitsForm::BTN_Select_Click(int index)
{
    // All, none, invert.
    static constexpr std::array<int, 3> modes = {-1, 0, 1};
    if (index >= 0 && index < 3)
        SetListSelection(modes[static_cast<std::size_t>(index)], LST_Units);
}

void ApplyUnitsForm::BTN_OK_Click()
{
    QDialog::done(QDialog::Accepted);
}

void ApplyUnitsForm::BTN_Cancel_Click()
{
    Cancelled = true;
    QDialog::done(QDialog::Rejected);
}

void ApplyUnitsForm::reject()
{
    BTN_Cancel_Click();
}

void ApplyUnitsForm::closeEvent(QCloseEvent* event)
{
    Cancelled = true;
    QDialog::closeEvent(event);
}

std::optional<std::vector<int>> ChooseUnitFamilies(QWidget* parent, const std::vector<UnitListItem>& items)
{
    ApplyUnitsForm form(parent);
    form.Fill(items);
    form.exec();
    if (parent != nullptr)
        parent->activateWindow();
    if (form.Cancelled)
        return std::nullopt;
    return form.SelectedData();
}

} // namespace vq
