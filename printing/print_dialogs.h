// The small dialogs around printing: print content (also export and save output),
// and the quick-print dialog.
#pragma once

#include "printing/print_range_form.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace vq {

class MainWindowView;

class PrintFormatForm : public QDialog {
    Q_OBJECT
public:
    explicit PrintFormatForm(MainWindowView& main);

    // 0 print content, 1 export output, 2 save output, 3 save output as.
    int FormatType() const { return formatType_; }
    void SetFormatType(int type);
    void ShowPrinterFont();

    void BTN_Font_Click();
    void BTN_OK_Click();
    void BTN_Cancel_Click();
    void BTN_Help_Click();

    QListWidget* LST_General = nullptr;
    QGroupBox* FRA_Font = nullptr;
    QGroupBox* FRA_Format = nullptr;
    QPushButton* BTN_Font = nullptr;
    QLabel* LBL_Font = nullptr;
    QCheckBox* CHK_NewPage = nullptr;
    QGroupBox* FRM_Format = nullptr;
    std::array<QRadioButton*, 4> OPT_Format{};
    QCheckBox* CHK_Quotes = nullptr;
    QPushButton* BTN_OK = nullptr;
    QPushButton* BTN_Cancel = nullptr;
    QPushButton* BTN_Help = nullptr;

protected:
    void showEvent(QShowEvent* e) override;

private:
    MainWindowView& main_;
    int formatType_ = 0;
};

class PrintSpecialForm : public QDialog {
    Q_OBJECT
public:
    explicit PrintSpecialForm(MainWindowView& main);

    void OPT_Orient_Click(int index);
    void BTN_Print_Click();
    void BTN_Preview_Click();
    void BTN_PrintFormat_Click();
    void BTN_Cancel_Click();
    void BTN_Help_Click();

    QPushButton* BTN_Print = nullptr;
    QPushButton* BTN_Preview = nullptr;
    QPushButton* BTN_PrintFormat = nullptr;
    QPushButton* BTN_Help = nullptr;
    QPushButton* BTN_Cancel = nullptr;
    std::array<QRadioButton*, 2> OPT_Orient{};
    std::array<QLabel*, 2> imgOrient{};
    // Shown modally by BTN_PrintFormat_Click; tests look at it while it is open.
    PrintFormatForm* ContentDialog() const { return content_; }

protected:
    void changeEvent(QEvent* e) override;

private:
    void ApplyOrientation();

    MainWindowView& main_;
    bool contentOpen_ = false;
    PrintFormatForm* content_ = nullptr;
};

} // namespace vq
