// Base of the preference dialogs: Ctrl+K, or Ctrl with the keypad's plus key, starts
// the desktop calculator from any of the dialog's controls.
#pragma once

#include <QDialog>

namespace vq {

class CalculatorDialog : public QDialog {
    Q_OBJECT
public:
    explicit CalculatorDialog(QWidget* parent = nullptr);
    ~CalculatorDialog() override;

protected:
    // Takes the calculator keys before the control that has the focus sees them, so that
    // a text box neither binds nor types them.
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Shows form modally over the main window, centred on it, and brings the main window
// back to the front afterwards.
void ExecOverMain(QDialog& form, QWidget* main);

} // namespace vq
