#include "printing/print_dialogs.h"

#include "printing/output_report.h"
#include "common/ui/help_topic.h"
#include "common/ui/main_window_view.h"
#include "platform/grid_control.h"
#include "common/common_dialog_errors.h"
#include "common/main_window_host.h"
#include "common/program_identity.h"
#include "common/ui/widget_routines.h"
#include "common/user_interface.h"
#include "platform/file_dialog.h"
#include "printing/layout/print_sections.h"
#include "printing/layout/print_job_logic.h"
#include "printing/print_job.h"
#include "printing/printer_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vq {

namespace {

// Help topic 16 of the help file set at start-up.
void ShowPrintingHelp()
{
    if (HelpFilePath.empty()) {
        CurrentUserInterface().Message("No help file is installed.", MessageStyle::Information, ProgramTitle);
        return;
    }
    OpenDocument(HelpFilePath, false, true, "");
}

// A sheet of paper upright or on its side.
QPixmap OrientationPicture(bool landscape)
{
    QPixmap pixmap(48, 48);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(landscape ? QRect(4, 12, 40, 28) : QRect(10, 4, 28, 40));
    return pixmap;
}

} // namespace

PrintFormatForm::PrintFormatForm(MainWindowView& main) : QDialog(&main), main_(main)
{
    setObjectName("PrintFormatForm");
    auto* layout = new QVBoxLayout(this);
    LST_General = new QListWidget(this);
    LST_General->setSelectionMode(QAbstractItemView::MultiSelection);
    layout->addWidget(LST_General);

    FRA_Font = new QGroupBox("Font", this);
    auto* fontLayout = new QHBoxLayout(FRA_Font);
    BTN_Font = new QPushButton("&Fonts...", FRA_Font);
    LBL_Font = new QLabel(FRA_Font);
    fontLayout->addWidget(BTN_Font);
    fontLayout->addWidget(LBL_Font, 1);
    layout->addWidget(FRA_Font);

    FRA_Format = new QGroupBox("Formatting Options", this);
    auto* formatOptions = new QVBoxLayout(FRA_Format);
    CHK_NewPage = new QCheckBox("Start Each Sectio&n on New Page", FRA_Format);
    formatOptions->addWidget(CHK_NewPage);
    layout->addWidget(FRA_Format);

    FRM_Format = new QGroupBox("Format", this);
    auto* separators = new QVBoxLayout(FRM_Format);
    const std::array<const char*, 4> names = {"&Comma Separated", "&Single Space Separated", "&Double Space Separated",
                                              "&Tab Separated"};
    for (size_t i = 0; i < names.size(); ++i) {
        OPT_Format[i] = new QRadioButton(names[i], FRM_Format);
        separators->addWidget(OPT_Format[i]);
    }
    OPT_Format[0]->setChecked(true);
    CHK_Quotes = new QCheckBox("&Enclose Text in Quotes", FRM_Format);
    separators->addWidget(CHK_Quotes);
    layout->addWidget(FRM_Format);

    auto* buttons = new QHBoxLayout;
    BTN_OK = new QPushButton("OK", this);
    BTN_Cancel = new QPushButton("Cancel", this);
    BTN_Help = new QPushButton("&Help", this);
    BTN_OK->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(BTN_OK);
    buttons->addWidget(BTN_Cancel);
    buttons->addWidget(BTN_Help);
    layout->addLayout(buttons);

    connect(BTN_Font, &QPushButton::clicked, this, [this] { BTN_Font_Click(); });
    connect(BTN_OK, &QPushButton::clicked, this, [this] { BTN_OK_Click(); });
    connect(BTN_Cancel, &QPushButton::clicked, this, [this] { BTN_Cancel_Click(); });
    connect(BTN_Help, &QPushButton::clicked, this, [this] { BTN_Help_Click(); });

    // Load: the sections with their use flags, none current.
    const PrintSections& sections = main_.Sections();
    CHK_NewPage->setChecked(sections.PrintSectionNewPage);
    for (int i = 0; i < PrintSections::NumPrintFormatGeneral; ++i) {
        auto* item = new QListWidgetItem(QString::fromStdString(sections.PrintFormatGeneralName(i)), LST_General);
        item->setData(Qt::UserRole, i);
        item->setSelected(sections.PrintFormatGeneralUse(i));
    }
    LST_General->setCurrentItem(nullptr, QItemSelectionModel::NoUpdate);
    ShowPrinterFont();
    SetFormatType(0);
    CenterFormOnMain(this);
    CurrentUserInterface().SetBusy(false);
}

void PrintFormatForm::SetFormatType(int type)
{
    if (type < 0 || type > 3)
        return;
    formatType_ = type;
    FRA_Font->setVisible(type == 0);
    FRA_Format->setVisible(type == 0);
    BTN_Font->setVisible(type == 0);
    FRM_Format->setVisible(type == 1);
    setWindowTitle(type == 0 ? "Print Content" : type == 1 ? "Export Output" : "Save Output");
}

void PrintFormatForm::ShowPrinterFont()
{
    LBL_Font->setText(QString::fromStdString(PrinterFontLabel()));
}

void PrintFormatForm::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (formatType_ >= 2)
        resize(width(), 4755 * logicalDpiY() / 1440);
}

void PrintFormatForm::BTN_Font_Click()
{
    ShowPrinterFontDialog(this);
    ShowPrinterFont();
}

void PrintFormatForm::BTN_Help_Click()
{
    ShowPrintingHelp();
}

void PrintFormatForm::BTN_Cancel_Click()
{
    reject();
}

void PrintFormatForm::BTN_OK_Click()
{
    PrintSections& sections = main_.Sections();
    sections.PrintSectionNewPage = CHK_NewPage->isChecked();
    for (int i = 0; i < LST_General->count(); ++i) {
        const QListWidgetItem* item = LST_General->item(i);
        sections.SetPrintFormatGeneralUse(item->data(Qt::UserRole).toInt(), item->isSelected());
    }

    UserInterface& ui = CurrentUserInterface();
    switch (formatType_) {
    case 1: {
        FileDialogRequest request;
        request.save = true;
        request.title = "Export Output As";
        request.filter = "Text (*.txt)|*.txt|Data (*.dat)|*.dat|CSV (*.csv)|*.csv";
        request.defaultExtension = "txt";
        request.fileName = "*.txt";
        const FileDialogResult chosen = ShowFileDialog(this, request);
        if (chosen.error == CommonDialogCancelError)
            return;
        if (chosen.error != 0) {
            ShowDialogError("The following error occurred while saving to file:", chosen.error);
            return;
        }
        std::string errorText;
        bool written = false;
        {
            BusyScope busy;
            const int option = GetSelectedOptionIndex({OPT_Format[0], OPT_Format[1], OPT_Format[2], OPT_Format[3]});
            written = WriteOutputReport(main_, chosen.path, ExportSeparator(option), ExportQuote(CHK_Quotes->isChecked()),
                                        errorText);
        }
        if (!written) {
            ui.Beep();
            ui.Message(OutputWriteErrorMessage(errorText), MessageStyle::Exclamation, ProgramTitle);
            return;
        }
        break;
    }
    case 2:
        SaveOutputAsMenu(main_);
        ui.SetBusy(false);
        break;
    case 3:
        SaveOutputAs(main_);
        ui.SetBusy(false);
        break;
    default:
        break;
    }
    accept();
}

PrintSpecialForm::PrintSpecialForm(MainWindowView& main) : QDialog(&main), main_(main)
{
    setObjectName("PrintSpecialForm");
    setWindowTitle("Print Preview");
    auto* layout = new QHBoxLayout(this);
    auto* orientation = new QGroupBox("Orientation", this);
    auto* orientLayout = new QFormLayout(orientation);
    OPT_Orient[0] = new QRadioButton("P&ortrait", orientation);
    OPT_Orient[1] = new QRadioButton("&Landscape", orientation);
    for (size_t i = 0; i < 2; ++i) {
        imgOrient[i] = new QLabel(orientation);
        imgOrient[i]->setPixmap(OrientationPicture(i == 1));
        orientLayout->addRow(OPT_Orient[i], imgOrient[i]);
        connect(OPT_Orient[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                OPT_Orient_Click(static_cast<int>(i));
        });
    }
    layout->addWidget(orientation);

    auto* buttons = new QVBoxLayout;
    BTN_Print = new QPushButton("&Print", this);
    BTN_Preview = new QPushButton("Print Pre&view...", this);
    BTN_PrintFormat = new QPushButton("P&rint Content...", this);
    BTN_Help = new QPushButton("&Help", this);
    BTN_Cancel = new QPushButton("&Cancel", this);
    for (QPushButton* b : {BTN_Print, BTN_Preview, BTN_PrintFormat, BTN_Help, BTN_Cancel})
        buttons->addWidget(b);
    layout->addLayout(buttons);
    connect(BTN_Print, &QPushButton::clicked, this, [this] { BTN_Print_Click(); });
    connect(BTN_Preview, &QPushButton::clicked, this, [this] { BTN_Preview_Click(); });
    connect(BTN_PrintFormat, &QPushButton::clicked, this, [this] { BTN_PrintFormat_Click(); });
    connect(BTN_Help, &QPushButton::clicked, this, [this] { BTN_Help_Click(); });
    connect(BTN_Cancel, &QPushButton::clicked, this, [this] { BTN_Cancel_Click(); });

    const int stored = CurrentMainWindowHost().GetPageSettings().Orientation == 1 ? 1 : 0;
    OPT_Orient[static_cast<size_t>(stored)]->setChecked(true);
    OPT_Orient_Click(stored);
    CenterFormOnMain(this);
}

void PrintSpecialForm::OPT_Orient_Click(int index)
{
    imgOrient[0]->setVisible(index == 0);
    imgOrient[1]->setVisible(index == 1);
}

void PrintSpecialForm::ApplyOrientation()
{
    PrinterForm& form = LoadPrinterForm(main_);
    form.vsPrinter.SetOrientation(GetSelectedOptionIndex({OPT_Orient[0], OPT_Orient[1]}));
    MainWindowHost& host = CurrentMainWindowHost();
    PageSettings settings = host.GetPageSettings();
    settings.Orientation = form.vsPrinter.Orientation();
    host.SetPageSettings(settings);
}

void PrintSpecialForm::BTN_Print_Click()
{
    ApplyOrientation();
    LoadPrinterForm(main_).SetPreview(false);
    contentOpen_ = true; // the job's own windows do not cancel the dialog
    hide();
    RunPrintJob(main_);
    accept();
}

void PrintSpecialForm::BTN_Preview_Click()
{
    BusyScope busy;
    ApplyOrientation();
    LoadPrinterForm(main_).SetPreview(true);
    contentOpen_ = true;
    hide();
    RunPrintJob(main_);
    accept();
}

void PrintSpecialForm::BTN_PrintFormat_Click()
{
    contentOpen_ = true;
    PrintFormatForm content(main_);
    content_ = &content;
    content.exec();
    content_ = nullptr;
    contentOpen_ = false;
}

void PrintSpecialForm::BTN_Cancel_Click()
{
    reject();
}

void PrintSpecialForm::BTN_Help_Click()
{
    ShowPrintingHelp();
}

void PrintSpecialForm::changeEvent(QEvent* e)
{
    QDialog::changeEvent(e);
    // Another window becoming active closes the dialog, except its print-content dialog.
    if (e->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow() && !contentOpen_ &&
        QApplication::activeWindow() != nullptr)
        reject();
}

} // namespace vq
