// The page-range dialog of the print preview.
#pragma once

#include <QDialog>

class QComboBox;
class QPushButton;

namespace vq {

class PrintRangeForm : public QDialog {
    Q_OBJECT
public:
    explicit PrintRangeForm(QWidget* owner);

    // Fills both lists with 1..pages, the first page and the last page selected.
    void SetPageCount(int pages);
    bool Cancelled() const { return cancelled_; }
    void SetCancelled(bool cancelled) { cancelled_ = cancelled; }

    void CMB_StartPage_Click();
    void CMB_StopPage_Click();
    void BTN_OK_Click();
    void BTN_Cancel_Click();

    QComboBox* CMB_StartPage = nullptr;
    QComboBox* CMB_StopPage = nullptr;
    QPushButton* BTN_OK = nullptr;
    QPushButton* BTN_Cancel = nullptr;

    void reject() override;

private:
    bool cancelled_ = false;
};

} // namespace vq
