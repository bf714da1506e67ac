// Base of the preference dialogs: Ctrl+K, or Ctrl with the keypad's plus key, starts
// the desktop calculator.
#pragma once

#include <QDialog>

namespace vq {

class CalculatorDialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// Shows form modally over the main window, centred on it, and brings the main window
// back to the front afterwards.
void ExecOverMain(QDialog& form, QWidget* main);

} // namespace vq
