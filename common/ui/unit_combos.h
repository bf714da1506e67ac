// Puts the contents of a unit or family list into a Qt combo box or list widget.
#pragma once

#include "units/unit_lists.h"

class QComboBox;
class QListWidget;

namespace vq {

// Clears the combo, adds the items with their item data and selects the chosen one.
void ShowUnitList(QComboBox* combo, const UnitListContents& contents);
// The same for a list widget: items carry their selected state, and none is current.
void ShowUnitList(QListWidget* list, const UnitListContents& contents);

} // namespace vq
