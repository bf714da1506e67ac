// The chooser of the unit families to which preferred units are applied: a
// multi-select list that its caller fills and reads back.
#pragma once

#include "units/unit_lists.h"

#include "preferences/ui/calculator_dialog.h"

#include <array>
#include <optional>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace vq {

class ApplyUnitsForm : public CalculatorDialog {
    Q_OBJECT
public:
    explicit ApplyUnitsForm(QWidget* parent = nullptr);

    // True after Cancel, Escape or the close box.
    bool Cancelled = false;

    QLabel* LBL_Header = nullptr;
    QListWidget* LST_Units = nullptr;
    std::array<QPushButton*, 3> BTN_Select{}; // All, None, Invert
    QPushButton* BTN_OK = nullptr;
    QPushButton* BTN_Cancel = nullptr;

    // Clears the list and adds the items, selected as they say.
    void Fill(const std::vector<UnitListItem>& items);
    // Item data of the selected entries, top to bottom.
    std::vector<int> SelectedData() const;

    void BTN_Select_Click(int index);
    void BTN_OK_Click();
    void BTN_Cancel_Click();
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
};

// Shows the chooser modally with items; the item data of the chosen entries, or
// nothing when it was cancelled.
std::optional<std::vector<int>> ChooseUnitFamilies(QWidget* parent, const std::vector<UnitListItem>& items);

} // namespace vq
