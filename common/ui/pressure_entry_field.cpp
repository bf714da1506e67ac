#include "common/ui/pressure_entry_field.h"

#include "common/messages.h"
#include "units/pressure_entry.h"

#include <QComboBox>
#include <QLineEdit>

namespace vq {

void ValidatePressureEntry(QLineEdit* textBox, QComboBox* unitsCombo, const std::string& fieldName, bool& ok)
{
    if (textBox == nullptr)
        return;
    const std::string units = unitsCombo != nullptr ? unitsCombo->currentText().toStdString() : std::string();
    const PressureEntryVerdict verdict = CheckPressureEntry(textBox->text().toStdString(), units, fieldName);
    textBox->setText(QString::fromStdString(verdict.text));
    if (verdict.ok)
        return;
    CurrentUserInterface().Beep();
    ShowMessage(verdict.message, MessageExclamation);
    if (textBox->isEnabled() && textBox->isVisible()) {
        textBox->setFocus();
        textBox->selectAll();
    }
    ok = false;
}

} // namespace vq
