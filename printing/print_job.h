// The print job: applies the page settings, builds the report on the preview window's
// print control and shows, prints or converts it; and the dialogs that start or
// prepare a job (print, print set-up, report font).
#pragma once

#include "printing/print_dialog_service.h"

#include <string>

class QWidget;

namespace vq {

class MainWindowView;

// The document status of the job (PrintDocBuilt when it was built). A preview whose page
// leaves no room for the report opens without pages, so that its Page Setup can mend it.
int RunPrintJob(MainWindowView& main);
// The print window with Preview off and the orientation of the main window's page settings.
void PrepareDirectPrint(MainWindowView& main);
void ShowPrintDialog(MainWindowView& main);
void ShowPrintSetupDialog(MainWindowView& main);
void ShowPrinterFontDialog(QWidget* parent);
// The report font of the system printer as the label of the print-content dialog shows it.
std::string PrinterFontLabel();

} // namespace vq
