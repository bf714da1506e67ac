#include "printing/print_range_form.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>

namespace vq {

PrintRangeForm::PrintRangeForm(QWidget* owner) : QDialog(owner)
{
    setObjectName("PrintRangeForm");
    setWindowTitle("Print Range");
    auto* layout = new QFormLayout(this);
    CMB_StartPage = new QComboBox(this);
    CMB_StopPage = new QComboBox(this);
    layout->addRow("&From Page:", CMB_StartPage);
    layout->addRow("&To Page:", CMB_StopPage);
    auto* buttons = new QHBoxLayout;
    BTN_OK = new QPushButton("OK", this);
    BTN_Cancel = new QPushButton("&Cancel", this);
    BTN_OK->setDefault(true);
    buttons->addWidget(BTN_OK);
    buttons->addWidget(BTN_Cancel);
    layout->addRow(buttons);
    connect(CMB_StartPage, &QComboBox::activated, this, [this] { CMB_StartPage_Click(); });
    connect(CMB_StopPage, &QComboBox::activated, this, [this] { CMB_StopPage_Click(); });
    connect(BTN_OK, &QPushButton::clicked, this, [this] { BTN_OK_Click(); });
    connect(BTN_Cancel, &QPushButton::clicked, this, [this] { BTN_Cancel_Click(); });
}

void PrintRangeForm::SetPageCount(int pages)
{
    CMB_StartPage->clear();
    CMB_StopPage->clear();
    for (int i = 1; i <= pages; ++i) {
        CMB_StartPage->addItem(QString::number(i));
        CMB_StopPage->addItem(QString::number(i));
    }
    CMB_StopPage->setCurrentIndex(CMB_StopPage->count() - 1);
    CMB_StartPage->setCurrentIndex(0);
}

void PrintRangeForm::CMB_StartPage_Click()
{
    if (CMB_StartPage->currentIndex() > CMB_StopPage->currentIndex())
        CMB_StopPage->setCurrentIndex(CMB_StartPage->currentIndex());
}

void PrintRangeForm::CMB_StopPage_Click()
{
    if (CMB_StopPage->currentIndex() < CMB_StartPage->currentIndex())
        CMB_StartPage->setCurrentIndex(CMB_StopPage->currentIndex());
}

void PrintRangeForm::BTN_OK_Click()
{
    accept();
}

void PrintRangeForm::BTN_Cancel_Click()
{
    reject();
}

void PrintRangeForm::reject()
{
    // The close box and Escape cancel as the Cancel button does.
    cancelled_ = true;
    QDialog::reject();
}

} // namespace vq
