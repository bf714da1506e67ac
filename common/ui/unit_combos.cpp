#include "common/ui/unit_combos.h"

#include <QComboBox>
#include <QListWidget>

namespace vq {

void ShowUnitList(QComboBox* combo, const UnitListContents& contents)
{
    combo->clear();
    for (const UnitListItem& item : contents.Items)
        combo->addItem(QString::fromStdString(item.Text), item.ItemData);
    combo->setCurrentIndex(contents.SelectedIndex < combo->count() ? contents.SelectedIndex : -1);
}

void ShowUnitList(QListWidget* list, const UnitListContents& contents)
{
    list->clear();
    for (const UnitListItem& item : contents.Items) {
        auto* row = new QListWidgetItem(QString::fromStdString(item.Text), list);
        row->setData(Qt::UserRole, item.ItemData);
        row->setSelected(item.Selected);
    }
    list->setCurrentRow(-1, QItemSelectionModel::NoUpdate);
}

} // namespace vq
