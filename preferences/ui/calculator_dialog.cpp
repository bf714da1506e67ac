#include "preferences/ui/calculator_dialog.h"

#include "common/ui/widget_routines.h"

#include <QKeyEvent>

namespace vq {

void CalculatorDialog::keyPressEvent(QKeyEvent* event)
{
    if (IsCalculatorKey(event)) {
        ShowCalculator();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ExecOverMain(QDialog& form, QWidget* main)
{
    CenterFormOnMain(&form);
    form.exec();
    if (main != nullptr)
        main->activateWindow();
}

} // namespace vq
