// Validation of a pressure entry box and the units list beside it.
#pragma once

#include <string>

class QComboBox;
class QLineEdit;

namespace vq {

// Checks the typed pressure (CheckPressureEntry). A refused entry beeps, shows the
// message with the exclamation icon, prepares the box for correction (focus and
// whole text selected when it is enabled and visible) and sets ok to false; an
// accepted one is rewritten in the box and leaves ok as it was.
void ValidatePressureEntry(QLineEdit* textBox, QComboBox* unitsCombo, const std::string& fieldName, bool& ok);

} // namespace vq
