#include "app/shell_windows.h"

#include "common/common_dialog_errors.h"
#include "common/number_format.h"
#include "common/program_identity.h"
#include "common/search_paths.h"
#include "common/text_routines.h"
#include "common/ui/widget_routines.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace vq {
namespace {

QLabel* WrappedLabel(const std::string& text, QWidget* parent)
{
    auto* label = new QLabel(QString::fromStdString(text), parent);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

AboutForm::AboutForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QString::fromStdString("About " + ProgramTitle));
    auto* layout = new QVBoxLayout(this);
    lblTitle = WrappedLabel(GetVersionText(0), this);
    QFont big = lblTitle->font();
    big.setBold(true);
    lblTitle->setFont(big);
    lblDescription = WrappedLabel(GetAboutNoticeText(), this);
    lblDisclaimer = WrappedLabel(GetLegalNoticeText(), this);
    layout->addWidget(lblTitle);
    layout->addWidget(lblDescription);
    layout->addWidget(lblDisclaimer);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    cmdOK = new QPushButton("OK", this);
    cmdSysInfo = new QPushButton("&System Info...", this);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    layout->addLayout(buttons);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo, &QPushButton::clicked, this, [] { StartSysInfo(); });
    setMinimumWidth(420);
}

void AboutForm::StartSysInfo()
{
    for (const char* tool : {"gnome-system-monitor", "ksysguard", "hardinfo"}) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(tool));
        if (!path.isEmpty() && QProcess::startDetached(path, {}))
            return;
    }
    CurrentUserInterface().Message("System Information Is Unavailable At This Time", MessageStyle::Plain, "");
}

std::string SupportDisplayText(const std::string& text)
{
    if (text.rfind("http://", 0) != 0)
        return text;
    // The text after the third line break; with fewer breaks, or when the third
    // ends the text, the whole text.
    int p = FindNthOccurrence(text, "\r\n", 3);
    if (p <= 0)
        return text;
    p += 2;
    if (p >= static_cast<int>(text.size()))
        return text;
    return DropLeftChars(text, p - 1);
}

std::string SupportForm::BuildContactText()
{
    return "Vapoquant Engineering Software\r\n"
           "Shipping: 12 Harbour Works Road\r\n"
           "Post: P.O. Box 408\r\n"
           "Eastbridge, ST 00000\r\n"
           "Telephone: (000) 555-0100   Fax: (000) 555-0101\r\n"
           "Web: vapoquant.example   E-mail: support@vapoquant.example";
}

SupportForm::SupportForm(const std::string& supportText, QWidget* parent) : QDialog(parent)
{
    setWindowTitle("Contact Information");
    auto* layout = new QVBoxLayout(this);
    LBL_1 = new QLabel("Support in United States and Canada", this);
    LBL_Orm = WrappedLabel(BuildContactText(), this);
    LBL_2 = new QLabel("Local Support for International Users", this);
    LBL_Dist = WrappedLabel(SupportDisplayText(supportText), this);
    BTN_Close = new QPushButton("&Close", this);
    for (QLabel* l : {LBL_Orm, LBL_Dist})
        l->setText(l->text().replace(QLatin1String("\r\n"), QLatin1String("\n")));
    layout->addWidget(LBL_1);
    layout->addWidget(LBL_Orm);
    layout->addWidget(LBL_2);
    layout->addWidget(LBL_Dist);
    layout->addWidget(BTN_Close, 0, Qt::AlignRight);
    if (supportText.empty()) {
        // The short window: the maker's block only.
        LBL_2->hide();
        LBL_Dist->hide();
    }
    connect(BTN_Close, &QPushButton::clicked, this, &QDialog::accept);
    adjustSize();
    CenterFormOnMain(this);
}

void SupportForm::keyPressEvent(QKeyEvent* event)
{
    if (IsCalculatorKey(event)) {
        ShowCalculator();
        return;
    }
    QDialog::keyPressEvent(event);
}

MultipleSolutionResultsForm::MultipleSolutionResultsForm(const SolutionChoice& s, QWidget* parent) : QDialog(parent)
{
    setWindowTitle("Multiple Solution Results");
    auto* layout = new QVBoxLayout(this);
    auto* choose = new QGroupBox("Select TSat/PSat Solution to display:", this);
    auto* chooseLayout = new QHBoxLayout(choose);
    auto* solutions = new QHBoxLayout;
    for (int k = 0; k < 2; ++k) {
        const QString name = QString("Solution %1").arg(k + 1);
        OPT_Select_Solution[k] = new QRadioButton(name, choose);
        chooseLayout->addWidget(OPT_Select_Solution[k]);
        auto* frame = new QGroupBox(name, this);
        auto* frameLayout = new QVBoxLayout(frame);
        const auto i = static_cast<std::size_t>(k);
        LBL_TSat[k] = new QLabel(QString::fromStdString(
                                     "TSat = " + FormatNumberText(s.tsat[i], s.tsat[i], s.tsat[i], 5) + " " + s.tsatUnits[i]),
                                 frame);
        LBL_PSat[k] = new QLabel(QString::fromStdString(
                                     "PSat = " + FormatNumberText(s.psat[i], s.psat[i], s.psat[i], 5) + " " + s.psatUnits[i]),
                                 frame);
        frameLayout->addWidget(LBL_TSat[k]);
        frameLayout->addWidget(LBL_PSat[k]);
        solutions->addWidget(frame);
    }
    OPT_Select_Solution[0]->setChecked(true);
    layout->addWidget(choose);
    layout->addLayout(solutions);
    BTN_OK = new QPushButton("&OK", this);
    BTN_OK->setDefault(true);
    layout->addWidget(BTN_OK, 0, Qt::AlignRight);
    connect(BTN_OK, &QPushButton::clicked, this, [this] { BTN_OK_Click(); });
    adjustSize();
    if (parent)
        CenterFormOverOwner(parent, this);
    CurrentUserInterface().SetBusy(false);
}

void MultipleSolutionResultsForm::BTN_OK_Click()
{
    chosen_ = OPT_Select_Solution[0]->isChecked() ? 1 : 2;
    QDialog::accept();
}

void MultipleSolutionResultsForm::closeEvent(QCloseEvent* event)
{
    // Closing the window accepts the selected option.
    chosen_ = OPT_Select_Solution[0]->isChecked() ? 1 : 2;
    QDialog::closeEvent(event);
}

void MultipleSolutionResultsForm::reject()
{
    BTN_OK_Click();
}

int ChooseSaturationSolution(const SolutionChoice& solutions, QWidget* parent)
{
    MultipleSolutionResultsForm form(solutions, parent);
    form.exec();
    if (parent) {
        parent->activateWindow();
        parent->raise();
    }
    return form.ChosenSolution();
}

void ShowSupportForm(QWidget* parent)
{
    const std::string path = BuildPath("support.fil", PathKindSupport);
    SupportForm form(ReadSupportFile(path), parent);
    form.exec();
    if (parent)
        parent->activateWindow();
}

void ShowAboutForm(QWidget* parent)
{
    AboutForm form(parent);
    form.exec();
}

} // namespace vq
