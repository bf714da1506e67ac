// The About box, the contact window and the choice between two saturation solutions.
#pragma once

#include "common/user_interface.h"

#include <QDialog>

#include <string>

class QLabel;
class QPushButton;
class QRadioButton;

namespace vq {

class AboutForm : public QDialog {
    Q_OBJECT
public:
    explicit AboutForm(QWidget* parent = nullptr);
    QLabel* lblTitle = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblDisclaimer = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;
    // Starts the desktop's system information tool, or says that none is available.
    static void StartSysInfo();
};

// What the contact window shows of the support file: the text after its three
// address lines when it starts with "http://" and has them, else the whole text.
std::string SupportDisplayText(const std::string& supportText);

class SupportForm : public QDialog {
    Q_OBJECT
public:
    // supportText: the contents of the support file ("" when there is none).
    explicit SupportForm(const std::string& supportText, QWidget* parent = nullptr);
    QLabel* LBL_1 = nullptr;
    QLabel* LBL_Orm = nullptr;
    QLabel* LBL_2 = nullptr;
    QLabel* LBL_Dist = nullptr;
    QPushButton* BTN_Close = nullptr;
    static std::string BuildContactText();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

class MultipleSolutionResultsForm : public QDialog {
    Q_OBJECT
public:
    explicit MultipleSolutionResultsForm(const SolutionChoice& solutions, QWidget* parent = nullptr);
    // 1 or 2: the option selected when the window closed, however it was closed.
    int ChosenSolution() const { return chosen_; }

    QRadioButton* OPT_Select_Solution[2] = {nullptr, nullptr};
    QLabel* LBL_TSat[2] = {nullptr, nullptr};
    QLabel* LBL_PSat[2] = {nullptr, nullptr};
    QPushButton* BTN_OK = nullptr;

    void BTN_OK_Click();
    // Escape and the close box accept the selected option too.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    int chosen_ = 1;
};

// Opens the two-solution window modally over parent and returns the choice.
int ChooseSaturationSolution(const SolutionChoice& solutions, QWidget* parent);
void ShowSupportForm(QWidget* parent);
void ShowAboutForm(QWidget* parent);

} // namespace vq
