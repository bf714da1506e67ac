// The "Toolbar Style and Tooltips" dialog: text style, tooltips and the dockable main
// menu of the main window, with saving them as the user's defaults.
#pragma once

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace vq {

class ThermixMain;

class ToolbarForm : public QDialog {
    Q_OBJECT
public:
    explicit ToolbarForm(ThermixMain& main);

    QGroupBox* FRM_IconDisplay = nullptr;
    QRadioButton* OPT_IconDisplayType[4] = {};
    QGroupBox* FRM_Tooltips = nullptr;
    QCheckBox* CHK_TooltipsToolbar = nullptr;
    QGroupBox* FRM_MainMenu = nullptr;
    QCheckBox* CHK_DockableMainMenu = nullptr;
    QPushButton* BTN_OK = nullptr;
    QPushButton* BTN_Cancel = nullptr;
    QPushButton* BTN_SetDefault = nullptr;

    void BTN_OK_Click();
    void BTN_Cancel_Click();
    void BTN_SetDefault_Click();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void ApplyToolbarOptions();
    ThermixMain& main_;
};

} // namespace vq
