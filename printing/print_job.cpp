#include "printing/print_job.h"

#include "printing/output_report.h"
#include "common/ui/main_window_view.h"
#include "platform/grid_control.h"
#include "common/common_dialog_errors.h"
#include "common/main_window_host.h"
#include "common/preference_records.h"
#include "files/printer_font.h"
#include "common/program_identity.h"
#include "files/settings_file.h"
#include "common/user_interface.h"
#include "printing/layout/print_sections.h"
#include "printing/layout/print_engine.h"
#include "printing/layout/print_job_logic.h"
#include "printing/printer_form.h"

#include <QMessageBox>
#include <QPrinter>

#include <cmath>
#include <memory>

namespace vq {

namespace {

// The orientation last chosen in the print dialog (0 portrait, 1 landscape).
int dialogOrientation = 0;

// The results grid as the report reads it.
class GridModelTexts final : public PrintGrid {
public:
    explicit GridModelTexts(GridModel& model) : model_(model) {}
    int Rows() const override { return model_.Rows(); }
    int Cols() const override { return model_.Cols(); }
    std::string Text(int row, int col) const override { return model_.TextMatrix(row, col); }
    void SetText(int row, int col, const std::string& text) override { model_.SetTextMatrix(row, col, text); }

private:
    GridModel& model_;
};

QPageLayout::Orientation DialogOrientation()
{
    return dialogOrientation == 1 ? QPageLayout::Landscape : QPageLayout::Portrait;
}

// A printer on the kept device and paper, in the dialog orientation.
std::unique_ptr<QPrinter> KeptPrinter()
{
    const PrintPageSettings kept = WithControlDefaults(CurrentPrintPageSettings());
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!kept.DeviceName.empty())
        printer->setPrinterName(QString::fromStdString(kept.DeviceName));
    if (kept.PaperBin > 0)
        printer->setPaperSource(static_cast<QPrinter::PaperSource>(kept.PaperBin));
    printer->setPageSize(PageSizeOf(kept.page.PaperSize));
    printer->setPageOrientation(DialogOrientation());
    return printer;
}

// Keeps a dialog's orientation and paper for the run; with keepDevice its bin and printer too.
void KeepDialogPrinter(const QPrinter& printer, bool keepDevice)
{
    dialogOrientation = printer.pageLayout().orientation() == QPageLayout::Landscape ? 1 : 0;
    PrintPageSettings kept = CurrentPrintPageSettings();
    const int paper = ChosenPaperCode(printer.pageLayout().pageSize(), WithControlDefaults(kept).page.PaperSize);
    if (keepDevice)
        StorePrinterChoice(kept, paper, static_cast<int>(printer.paperSource()), printer.printerName().toStdString());
    else
        StorePrinterChoice(kept, paper, kept.PaperBin, kept.DeviceName);
    SetCurrentPrintPageSettings(kept);
}

bool AskRetry(QWidget* parent)
{
    return QMessageBox::warning(parent, QString::fromStdString(ProgramTitle), "An error occurred when generating the image.",
                                QMessageBox::Retry | QMessageBox::Cancel) == QMessageBox::Retry;
}

} // namespace

int RunPrintJob(MainWindowView& main)
{
    UserInterface& ui = CurrentUserInterface();
    while (true) {
        ui.SetBusy(true);
        PrinterForm& form = LoadPrinterForm(main);
        if (!form.RebuildReport)
            form.RebuildReport = [&main] { return RunPrintJob(main); };
        PrintControl& printer = form.vsPrinter;

        PrintPageSettings settings = CurrentPrintPageSettings();
        ApplyPageSettings(printer, settings);
        SetCurrentPrintPageSettings(settings);
        form.FollowHandedPrinter();
        printer.Preview = form.Preview() || form.SendTo() == 0 || form.SendTo() == 1;
        printer.DocName = GetDocumentTitle();

        GridModelTexts grid(main.GRD_Output->Model());
        PrintReport report;
        const PrintSections& sections = main.Sections();
        for (int i = 0; i < 2; ++i) {
            report.sectionNames[static_cast<size_t>(i)] = sections.PrintFormatGeneralName(i);
            report.sectionUse[static_cast<size_t>(i)] = sections.PrintFormatGeneralUse(i);
        }
        report.sectionNewPage = sections.PrintSectionNewPage;
        int count = 0;
        WriteOutputHeader(count, report.calcInfoLines);
        report.grid = &grid;
        report.centreLabels = OutputPrefs.RowColOrder[main.GetPropertyTypeForRange() >= 0 ? 1 : 0] != 0;
        report.fontName = PrintFontName;
        report.fontSize = PrintFontSize;
        report.fontBold = PrintFontBold;
        report.fontItalic = PrintFontItalic;
        report.contentTitle = &form.ContentTitle;
        report.askRetry = [&form] { return AskRetry(&form); };

        int status = PrintDocBuilt;
        BuildPrintDocument(printer, report, status);
        if (status == PrintDocRetry) {
            UnloadPrinterForm(); // released later, so it can hand its job over
            form.HandJobTo(LoadPrinterForm(main));
            continue;
        }
        if (status != PrintDocBuilt && !(status == PrintDocNoRoom && form.Preview())) {
            main.show();
            UnloadPrinterForm();
            ui.SetBusy(false);
            return status;
        }

        printer.Preview = form.Preview();
        if (printer.Preview) {
            form.setWindowState(form.windowState() | Qt::WindowMaximized);
            form.SelectZoomEntry(0);
            form.UpdateControlBar();
            main.hide();
            form.show();
            form.update();
        } else {
            if (form.SendTo() == 0)
                form.PrintPages(1, printer.PageCount());
            else if (form.SendTo() == 1)
                form.ConvertToPdf(form.ExportFileName, 1, printer.PageCount());
            UnloadPrinterForm();
            main.show();
        }
        ui.SetBusy(false);
        return status;
    }
}

void PrepareDirectPrint(MainWindowView& main)
{
    PrinterForm& form = LoadPrinterForm(main);
    form.SetPreview(false);
    form.vsPrinter.SetOrientation(dialogOrientation);
}

void ShowPrintDialog(MainWindowView& main)
{
    std::unique_ptr<QPrinter> printer = KeptPrinter();
    const int error = CurrentPrintDialogService().Print(&main, *printer, "Print Output");
    if (error == CommonDialogCancelError)
        return;
    if (error != 0) {
        ShowDialogError("The following error occurred while printing:", error);
        return;
    }
    KeepDialogPrinter(*printer, false);
    PrepareDirectPrint(main);
    // The printer as the dialog left it (device or file, copies, range) prints the job.
    LoadPrinterForm(main).UsePrinter(std::move(printer));
    RunPrintJob(main);
    CurrentUserInterface().SetBusy(false);
}

void ShowPrintSetupDialog(MainWindowView& main)
{
    std::unique_ptr<QPrinter> printer = KeptPrinter();
    const int error = CurrentPrintDialogService().PrintSetup(&main, *printer, "Print Setup");
    if (error == CommonDialogCancelError)
        return;
    if (error != 0) {
        ShowDialogError("The following error occurred while accessing printer setup:", error);
        return;
    }
    KeepDialogPrinter(*printer, true);
}

void ShowPrinterFontDialog(QWidget* parent)
{
    MainWindowHost& host = CurrentMainWindowHost();
    PrinterFontInfo font{PrintFontName, static_cast<float>(PrintFontSize), PrintFontBold, PrintFontItalic};
    const int error = CurrentPrintDialogService().Font(parent, font, SmallestReportFontSize, LargestReportFontSize);
    if (error == CommonDialogCancelError)
        return;
    if (error != 0) {
        ShowDialogError("The following error occurred while selecting fonts:", error);
        return;
    }
    host.SetPrinterFont(font);
    PrintFontName = font.name;
    PrintFontSize = WholeFontSize(font.size);
    PrintFontBold = font.bold;
    PrintFontItalic = font.italic;
    WritePrinterFontSection(SettingsFilePath);
}

std::string PrinterFontLabel()
{
    const PrinterFontInfo font = CurrentMainWindowHost().PrinterFont();
    const double size = std::isfinite(font.size) ? std::floor(font.size + 0.5) : 0.0;
    std::string text = font.name + " " + std::to_string(static_cast<long>(size)) + " pt.";
    if (font.bold)
        text += ", Bold";
    if (font.italic)
        text += ", Italic";
    return text;
}

} // namespace vq
