#include "printing/print_dialog_service.h"

#include "common/common_dialog_errors.h"
#include "platform/file_dialog.h"
#include "printing/layout/print_job_logic.h"

#include <QDialogButtonBox>
#include <QFontDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

#include <algorithm>

namespace vq {

namespace {

PrintDialogService qtDialogs;
PrintDialogService* installedDialogs = nullptr;

// Qt shows its print range, without selection and page numbers, wherever the print
// server could take a range; this dialog shows none and so prints every page.
class PrintDialogWithoutRange final : public QPrintDialog {
public:
    using QPrintDialog::QPrintDialog;
    void setVisible(bool visible) override
    {
        QPrintDialog::setVisible(visible);
        if (visible)
            if (auto* range = findChild<QWidget*>("gbPrintRange"))
                range->hide();
    }
};

// The print dialog, which offers no selection and no page range; as the set-up dialog
// it only keeps the choice, and its confirming button says so.
int ExecPrintDialog(QWidget* parent, QPrinter& printer, const std::string& title, bool setup)
{
    PrintDialogWithoutRange dialog(&printer, parent);
    dialog.setWindowTitle(QString::fromStdString(title));
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (setup)
        if (auto* buttons = dialog.findChild<QDialogButtonBox*>())
            if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
                ok->setText("OK");
    return dialog.exec() == QDialog::Accepted ? 0 : CommonDialogCancelError;
}

} // namespace

int PrintDialogService::Print(QWidget* parent, QPrinter& printer, const std::string& title)
{
    return ExecPrintDialog(parent, printer, title, false);
}

int PrintDialogService::PrintSetup(QWidget* parent, QPrinter& printer, const std::string& title)
{
    return ExecPrintDialog(parent, printer, title, true);
}

int PrintDialogService::PageSetup(QWidget* parent, QPrinter& printer)
{
    QPageSetupDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted ? 0 : CommonDialogCancelError;
}

int PrintDialogService::Font(QWidget* parent, PrinterFontInfo& font, int smallest, int largest)
{
    QFont initial(QString::fromStdString(font.name));
    initial.setPointSizeF(font.size > 0 ? font.size : 10);
    initial.setBold(font.bold);
    initial.setItalic(font.italic);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, initial, parent, QString(), QFontDialog::ScalableFonts);
    if (!ok)
        return CommonDialogCancelError;
    font.name = chosen.family().toStdString();
    font.size = static_cast<float>(std::clamp(chosen.pointSizeF(), static_cast<double>(smallest), static_cast<double>(largest)));
    font.bold = chosen.bold();
    font.italic = chosen.italic();
    return 0;
}

PrintDialogService& CurrentPrintDialogService()
{
    return installedDialogs ? *installedDialogs : qtDialogs;
}

void InstallPrintDialogService(PrintDialogService* service)
{
    installedDialogs = service;
}

std::string GetExportFileNameByType(QWidget* parent, int kind)
{
    const auto exportKind = GetExportKind(kind);
    if (!exportKind)
        return {};
    FileDialogRequest request;
    request.save = true;
    request.title = exportKind->title;
    request.filter = exportKind->filter;
    request.defaultExtension = exportKind->defaultExt;
    request.fileName = exportKind->fileName;
    const FileDialogResult chosen = ShowFileDialog(parent, request);
    if (chosen.error == CommonDialogCancelError)
        return {};
    if (chosen.error != 0) {
        ShowDialogError("The following error occurred while exporting file:", chosen.error);
        return {};
    }
    return chosen.path;
}

} // namespace vq
