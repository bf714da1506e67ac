// The print, set-up, font and export-file dialogs that the print job and the print
// window open, with a seam for tests.
#pragma once

#include "common/main_window_host.h"

#include <string>

class QPrinter;
class QWidget;

namespace vq {

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

// The chosen export file, or "" on Cancel, a dialog error or an unknown kind.
std::string GetExportFileNameByType(QWidget* parent, int kind);

} // namespace vq
