#include "preferences/ui/calculator_dialog.h"

#include "common/ui/widget_routines.h"

#include <QApplication>
#include <QKeyEvent>

namespace vq {

CalculatorDialog::CalculatorDialog(QWidget* parent) : QDialog(parent)
{
    qApp->installEventFilter(this);
}

CalculatorDialog::~CalculatorDialog()
{
    qApp->removeEventFilter(this);
}

bool CalculatorDialog::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride)
        return QDialog::eventFilter(watched, event);
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || (widget != this && !isAncestorOf(widget)) ||
        !IsCalculatorKey(static_cast<QKeyEvent*>(event)))
        return QDialog::eventFilter(watched, event);
    // An accepted override keeps any shortcut of these keys from taking them.
    event->accept();
    if (type == QEvent::KeyPress)
        ShowCalculator();
    return true;
}

void ExecOverMain(QDialog& form, QWidget* main)
{
    CenterFormOnMain(&form);
    form.exec();
    if (main != nullptr)
        main->activateWindow();
}

} // namespace vq
