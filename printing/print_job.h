// The print job: applies the page settings, builds the report on the preview window's
// print control and shows, prints or converts it; and the dialogs that start or
// prepare a job (print, print set-up, report font, export file).
#pragma once

#include "common/main_window_host.h"

#include <string>

class QPrinter;
class QWidget;

namespace vq {

class ThermixMain;

// The print, set-up and font dialogs. Each returns 0 on OK, CommonDialogCancelError on
// Cancel, or another dialog error number. Tests install their own.
class PrintDialogService {
public:
    virtual ~PrintDialogService() = default;
    virtual int Print(QWidget* parent, QPrinter& printer, const std::string& title);
    virtual int PrintSetup(QWidget* parent, QPrinter& printer, const std::string& title);
    virtual int PageSetup(QWidget* parent, QPrinter& printer);
    virtual int Font(QWidget* parent, PrinterFontInfo& font, int smallest, int largest);
};

PrintDialogService& CurrentPrintDialogService();
// Installs service (not owned); null restores the Qt dialogs.
void InstallPrintDialogService(PrintDialogService* service);

void RunPrintJob(ThermixMain& main);
// The print window with Preview off and the orientation of the main window's page settings.
void PrepareDirectPrint(ThermixMain& main);
void ShowPrintDialog(ThermixMain& main);
void ShowPrintSetupDialog(ThermixMain& main);
void ShowPrinterFontDialog(QWidget* parent);
// The chosen export file, or "" on Cancel, a dialog error or an unknown kind.
std::string GetExportFileNameByType(QWidget* parent, int kind);

// The report font of the system printer as the label of the print-content dialog shows it.
std::string PrinterFontLabel();

} // namespace vq
