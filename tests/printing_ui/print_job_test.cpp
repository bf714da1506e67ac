#include "print_ui_fixture.h"

#include "common/preference_records.h"
#include "files/printer_font.h"
#include "common/program_identity.h"
#include "common/safe_file.h"
#include "files/settings_file.h"
#include "platform/toolbar_control.h"
#include "printing/layout/print_job_logic.h"
#include "printing/print_dialogs.h"

#include <QApplication>
#include <QPrintDialog>
#include <QTimer>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTest>

#include <array>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace vq {
namespace {

using test::PdfPages;
using test::PdfText;
using PrintJobTest = test::PrintUiTest;

TEST_F(PrintJobTest, DirectPdfHoldsTheReportAndItsTitle)
{
    main->show();
    const std::string pdf = folder.File("report.pdf");
    PrinterForm& form = LoadPrinterForm(*main);
    form.ExportFileName = pdf;
    form.SetSendTo(1);
    PrepareDirectPrint(*main);
    form.SetPDFProperties();
    RunPrintJob(*main);

    EXPECT_EQ(LoadedPrinterForm(), nullptr);
    EXPECT_TRUE(main->isVisible());
    ASSERT_TRUE(std::filesystem::exists(pdf));
    const std::string text = PdfText(pdf);
    EXPECT_NE(text.find(ProgramLongTitle + " Results"), std::string::npos) << text;
    EXPECT_NE(text.find("(1)"), std::string::npos);
    EXPECT_NE(text.find("Input Data"), std::string::npos);
    EXPECT_NE(text.find("Property Database:"), std::string::npos);
    EXPECT_NE(text.find("Point 2"), std::string::npos);
    EXPECT_NE(text.find("Enthalpy 3"), std::string::npos);
    EXPECT_NE(text.find("2777.13"), std::string::npos);
    EXPECT_EQ(PdfPages(pdf), 1);
    EXPECT_EQ(test::PdfInfoField(pdf, "Title"), ProgramTitle + " Output");
    // Printing trims the data cells of the grid.
    EXPECT_EQ(main->GRD_Output->Model().TextMatrix(1, 1), "2777.11");
    // The first job records the control's page settings.
    EXPECT_EQ(host.page.MarginTop, 1440);
    EXPECT_EQ(host.page.PaperSize, PaperLetter);

    if (const char* keep = std::getenv("VAPOQUANT_PRINT_SAMPLE"))
        std::filesystem::copy_file(pdf, keep, std::filesystem::copy_options::overwrite_existing);
}

TEST_F(PrintJobTest, CreatePdfCommandAsksForTheFileFirst)
{
    dialogs.saveError = CommonDialogCancelError;
    dialogs.saveName = folder.File("command.pdf");
    main->ABR_Main_Click(ToolCreatePdf);
    EXPECT_EQ(dialogs.saveTitles.back(), "Create Adobe PDF");
    EXPECT_FALSE(std::filesystem::exists(dialogs.saveName));
    EXPECT_EQ(LoadedPrinterForm(), nullptr);

    dialogs.saveError = 0;
    main->ABR_Main_Click(ToolCreatePdf);
    EXPECT_EQ(LoadedPrinterForm(), nullptr);
    EXPECT_EQ(PdfPages(dialogs.saveName), 1);
    EXPECT_NE(PdfText(dialogs.saveName).find("Enthalpy 3"), std::string::npos);
}

TEST_F(PrintJobTest, ACreatePdfThatCannotBeWrittenSaysWhyAndKeepsTheOldFile)
{
    dialogs.saveName = folder.File("report.pdf");
    main->SetToolEnabled(ToolCreatePdf, true); // as a calculation leaves it
    QAction* createPdf = main->ABR_Main->Action(ToolCreatePdf);
    createPdf->trigger();
    ASSERT_EQ(PdfPages(dialogs.saveName), 1);
    const std::string old = test::ReadFileBytes(dialogs.saveName);

    // A full disk, then a file the user made read-only (which the superuser could write).
    FillGrid(150);
    SimulateWriteFailure(SimulatedWriteFailure::Write);
    createPdf->trigger();
    ResetSafeFileState();
    EXPECT_EQ(ui.LastMessage(), "The following error occurred while exporting file:\r\n\r\n      No space left on device");
    ::chmod(dialogs.saveName.c_str(), 0444);
    createPdf->trigger();
    EXPECT_EQ(ui.LastMessage(), "The following error occurred while exporting file:\r\n\r\n      Permission denied");
    EXPECT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.beeps, 2);
    EXPECT_TRUE(test::ReadFileBytes(dialogs.saveName) == old) << "the old PDF stays as it was";
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"report.pdf"});
}

TEST_F(PrintJobTest, UnwritableTargetsAreReported)
{
    PrinterForm& form = LoadPrinterForm(*main);
    form.ExportFileName = folder.File("missing/report.pdf");
    form.SetSendTo(1);
    PrepareDirectPrint(*main);
    RunPrintJob(*main);
    EXPECT_EQ(ui.LastMessage(), "The following error occurred while exporting file:\r\n\r\n      No such file or directory");
    EXPECT_EQ(ui.beeps, 1);

    PrinterForm& again = LoadPrinterForm(*main);
    again.Printer().setOutputFileName(QString::fromStdString(folder.File("missing/printed.pdf")));
    again.SetSendTo(0);
    PrepareDirectPrint(*main);
    RunPrintJob(*main);
    EXPECT_EQ(ui.LastMessage(), "The following error occurred while printing:\r\n\r\n      Can't Access Printer");
    EXPECT_EQ(LoadedPrinterForm(), nullptr);
}

TEST_F(PrintJobTest, PreviewHidesTheMainWindowUntilClosed)
{
    FillGrid(150);
    main->show();
    PrinterForm& form = LoadPrinterForm(*main);
    form.SetPreview(true);
    RunPrintJob(*main);

    ASSERT_EQ(LoadedPrinterForm(), &form);
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(main->isVisible());
    const int pages = form.vsPrinter.PageCount();
    ASSERT_GE(pages, 3);
    EXPECT_EQ(form.lblPage->text().toStdString(), "1  of  " + std::to_string(pages));
    EXPECT_FALSE(form.cmdPage[0]->isEnabled());
    EXPECT_TRUE(form.cmdPage[3]->isEnabled());
    EXPECT_EQ(form.CMB_Zoom->currentIndex(), 0);
    EXPECT_EQ(form.CMB_Zoom->count(), 26);
    EXPECT_GT(form.ZoomTag().toInt(), 0);

    form.cmdPage_Click(3);
    EXPECT_EQ(form.vsPrinter.PreviewPage(), pages);
    EXPECT_FALSE(form.cmdPage[2]->isEnabled());
    form.cmdPage_Click(1);
    EXPECT_EQ(form.vsPrinter.PreviewPage(), pages - 1);

    form.BTN_100_Click();
    EXPECT_EQ(form.vsPrinter.Zoom(), 100);
    EXPECT_EQ(form.ZoomTag(), "0");
    form.cmdZoom_Click(2);
    EXPECT_EQ(form.CMB_Zoom->currentText(), "110%");
    form.cmdZoom_Click(3);
    EXPECT_EQ(form.vsPrinter.Zoom(), 400);
    EXPECT_FALSE(form.cmdZoom[2]->isEnabled());
    form.BTN_Fit_Click();
    EXPECT_EQ(form.CMB_Zoom->currentIndex(), 0);

    form.BTN_Close_Click();
    EXPECT_EQ(LoadedPrinterForm(), nullptr);
    EXPECT_TRUE(main->isVisible());
}

TEST_F(PrintJobTest, PreviewPrintMenuToPdf)
{
    FillGrid(150);
    PrinterForm* form = &LoadPrinterForm(*main);
    form->SetPreview(true);
    RunPrintJob(*main);
    form->OPT_SendTo[1]->setChecked(true);
    EXPECT_EQ(form->SendTo(), 0); // the property keeps what was set

    // Cancel in the file dialog keeps the preview as it was; another error is reported.
    dialogs.saveError = CommonDialogCancelError;
    form->ABR_Local_Click(1);
    EXPECT_EQ(LoadedPrinterForm(), form);
    EXPECT_TRUE(ui.messages.empty());
    dialogs.saveError = 20477;
    form->ABR_Local_Click(3);
    EXPECT_EQ(LoadedPrinterForm(), form);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "The following error occurred while exporting file:\r\n\r\n      Invalid file name.");
    EXPECT_EQ(ui.beeps, 1);
    EXPECT_EQ(dialogs.saveTitles.back(), "Create Adobe PDF");

    // The page shown, alone; the preview then closes.
    dialogs.saveError = 0;
    dialogs.saveName = folder.File("page.pdf");
    form->cmdPage_Click(2);
    form->ABR_Local_Click(2 + 1);
    EXPECT_EQ(LoadedPrinterForm(), nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(PdfPages(dialogs.saveName), 1);
    const std::string text = PdfText(dialogs.saveName);
    EXPECT_NE(text.find("(2)"), std::string::npos);
    EXPECT_EQ(text.find("(1)"), std::string::npos);
}

TEST_F(PrintJobTest, PrintRangeIsOneJobAndKeepsThePreviewOpen)
{
    FillGrid(150);
    PrinterForm* form = &LoadPrinterForm(*main);
    form->SetPreview(true);
    RunPrintJob(*main);
    form->OPT_SendTo[1]->setChecked(true);
    dialogs.saveName = folder.File("range.pdf");

    auto answerRange = [](int start, int stop, bool cancel) {
        QTimer::singleShot(0, [=] {
            auto* range = qobject_cast<PrintRangeForm*>(QApplication::activeModalWidget());
            ASSERT_NE(range, nullptr);
            range->CMB_StartPage->setCurrentIndex(start - 1);
            range->CMB_StopPage->setCurrentIndex(stop - 1);
            if (cancel)
                range->BTN_Cancel_Click();
            else
                range->BTN_OK_Click();
        });
    };
    answerRange(2, 3, true);
    form->ABR_Local_Click(2);
    EXPECT_FALSE(std::filesystem::exists(dialogs.saveName));

    answerRange(2, 3, false);
    form->ABR_Local_Click(2);
    EXPECT_EQ(LoadedPrinterForm(), form);
    ASSERT_EQ(PdfPages(dialogs.saveName), 2);
    EXPECT_NE(test::PdfPageText(dialogs.saveName, 1).find("(2)"), std::string::npos);
    EXPECT_NE(test::PdfPageText(dialogs.saveName, 2).find("(3)"), std::string::npos);

    // To a printer that writes a file: both pages in the one file.
    const std::string printed = folder.File("printed.pdf");
    form->Printer().setOutputFileName(QString::fromStdString(printed));
    form->OPT_SendTo[0]->setChecked(true);
    answerRange(1, 2, false);
    form->ABR_Local_Click(2);
    EXPECT_EQ(LoadedPrinterForm(), form);
    ASSERT_EQ(PdfPages(printed), 2);
    EXPECT_NE(test::PdfPageText(printed, 1).find("(1)"), std::string::npos);
    EXPECT_NE(test::PdfPageText(printed, 2).find("(2)"), std::string::npos);
    EXPECT_EQ(form->vsPrinter.PreviewPage(), 1);
}

TEST_F(PrintJobTest, FailedOutputKeepsThePreviewOpen)
{
    FillGrid(150);
    main->show();
    PrinterForm* form = &LoadPrinterForm(*main);
    form->SetPreview(true);
    RunPrintJob(*main);
    form->OPT_SendTo[1]->setChecked(true);
    dialogs.saveName = folder.File("missing/all.pdf");
    form->ABR_Local_Click(1);
    EXPECT_EQ(ui.LastMessage(), "The following error occurred while exporting file:\r\n\r\n      No such file or directory");
    EXPECT_EQ(LoadedPrinterForm(), form);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(main->isVisible());

    form->OPT_SendTo[0]->setChecked(true);
    form->Printer().setOutputFileName(QString::fromStdString(folder.File("missing/page.pdf")));
    form->ABR_Local_Click(3);
    EXPECT_EQ(ui.LastMessage(), "The following error occurred while printing:\r\n\r\n      Can't Access Printer");
    EXPECT_EQ(LoadedPrinterForm(), form);
    EXPECT_TRUE(form->isVisible());
}

TEST_F(PrintJobTest, AFailedPrintLeavesThePreviewAbleToPrintAgain)
{
    main->show();
    PrinterForm* form = &LoadPrinterForm(*main);
    form->SetPreview(true);
    RunPrintJob(*main);
    form->Printer().setCopyCount(2);
    QAction* printAll = form->ABR_Local->actions().at(0);
    printAll->trigger(); // to the printer, which cannot be reached
    ASSERT_EQ(ui.LastMessage(), "The following error occurred while printing:\r\n\r\n      Can't Access Printer");

    const std::string file = folder.File("after-failure.pdf");
    dialogs.setupAction = [&](QPrinter& printer) {
        EXPECT_EQ(printer.copyCount(), 2) << "the choices before the failure are kept";
        printer.setOutputFileName(QString::fromStdString(file));
    };
    QTest::mouseClick(form->BTN_Setup, Qt::LeftButton);
    ui.messages.clear();
    printAll->trigger();
    EXPECT_TRUE(ui.messages.empty()) << ui.LastMessage();
    EXPECT_EQ(LoadedPrinterForm(), nullptr);
    EXPECT_EQ(PdfPages(file), 2) << "one page, two copies";
}

TEST_F(PrintJobTest, AJobThePrintSystemRefusesIsSaidAndKeepsThePreviewOpen)
{
    std::string refusal = "Destination \"Q\" is not accepting jobs.";
    SetHandOverRefusalSource([&](const QPrinter&) { return refusal; });
    const std::string said = "The following error occurred while printing:\r\n\r\n      " + refusal;
    const std::string file = folder.File("handed-over.pdf");
    dialogs.printAction = [&](QPrinter& printer) { printer.setOutputFileName(QString::fromStdString(file)); };
    main->ABR_Main_Click(ToolPrint);
    EXPECT_EQ(ui.LastMessage(), said);

    main->show();
    PrinterForm* form = &LoadPrinterForm(*main);
    form->SetPreview(true);
    RunPrintJob(*main);
    form->Printer().setOutputFileName(QString::fromStdString(file));
    QAction* printAll = form->ABR_Local->actions().at(0);
    ui.messages.clear();
    printAll->trigger();
    EXPECT_EQ(ui.LastMessage(), said);
    EXPECT_EQ(LoadedPrinterForm(), form);
    EXPECT_TRUE(form->isVisible());

    // Taken, as a paused queue takes it: the preview closes as after any printed job.
    refusal.clear();
    ui.messages.clear();
    printAll->trigger();
    EXPECT_TRUE(ui.messages.empty()) << ui.LastMessage();
    EXPECT_EQ(LoadedPrinterForm(), nullptr);
}

TEST_F(PrintJobTest, TheFirstJobIsLaidOutOnTheDefaultPrintersPaper)
{
    int printerPaper = PaperCodeOf(QPageSize(QPageSize::A4));
    SetDefaultPaperSource([&] { return printerPaper; });
    QTimer::singleShot(0, [] {
        auto* quick = qobject_cast<PrintSpecialForm*>(QApplication::activeModalWidget());
        ASSERT_NE(quick, nullptr);
        QTest::mouseClick(quick->BTN_Preview, Qt::LeftButton);
    });
    main->ABR_Main_Click(ToolPrintPreview);
    PrinterForm* form = LoadedPrinterForm();
    ASSERT_NE(form, nullptr);
    const std::string file = folder.File("first.pdf");
    form->Printer().setOutputFileName(QString::fromStdString(file));
    form->ABR_Local->actions().at(0)->trigger(); // Print All Pages
    EXPECT_EQ(test::PdfInfoField(file, "Page size"), "595 x 842 pts (A4)");
    EXPECT_EQ(host.page.PaperSize, PaperA4) << "the first job records it";

    // Stored page settings win over the printer's paper.
    printerPaper = PaperLetter;
    dialogs.saveName = folder.File("second.pdf");
    main->ABR_Main_Click(ToolCreatePdf);
    EXPECT_NE(test::PdfInfoField(dialogs.saveName, "Page size").find("(A4)"), std::string::npos);
}

TEST_F(PrintJobTest, PreviewClosedFromCodeBringsTheMainWindowBack)
{
    main->show();
    PrinterForm& form = LoadPrinterForm(*main);
    form.SetPreview(true);
    RunPrintJob(*main);
    ASSERT_FALSE(main->isVisible());
    int lastClosed = 0;
    const auto watch = QObject::connect(qApp, &QGuiApplication::lastWindowClosed, [&] { ++lastClosed; });
    form.close();
    QObject::disconnect(watch);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(LoadedPrinterForm(), nullptr);
    EXPECT_EQ(lastClosed, 0);
}

TEST_F(PrintJobTest, PreviewOpensFittedToItsWindowAndRefitsOnResize)
{
    main->show();
    PrinterForm& form = LoadPrinterForm(*main);
    form.SetPreview(true);
    RunPrintJob(*main);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    auto* view = form.findChild<QScrollArea*>();
    ASSERT_NE(view, nullptr);
    auto pageHeight = [&] { return form.vsPrinter.Zoom() / 100 * form.logicalDpiY() / 1440 * form.vsPrinter.PageHeight(); };
    const double viewHeight = view->viewport()->height();
    EXPECT_GE(pageHeight(), 0.6 * viewHeight) << pageHeight() << " of " << viewHeight;
    EXPECT_LE(pageHeight(), viewHeight);

    form.showNormal();
    form.resize(form.width(), form.height() / 2);
    QApplication::processEvents();
    ASSERT_LT(view->viewport()->height(), viewHeight);
    EXPECT_GE(pageHeight(), 0.6 * view->viewport()->height());
    EXPECT_LE(pageHeight(), view->viewport()->height());
}

TEST_F(PrintJobTest, PrintDialogPrintsToTheChosenFile)
{
    const std::string out = folder.File("printed.pdf");
    dialogs.printAction = [&](QPrinter& printer) {
        printer.setOutputFileName(QString::fromStdString(out));
        printer.setPageOrientation(QPageLayout::Landscape);
    };
    dialogs.printError = CommonDialogCancelError;
    ShowPrintDialog(*main);
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_EQ(LoadedPrinterForm(), nullptr);

    dialogs.printError = 28663;
    ShowPrintDialog(*main);
    EXPECT_EQ(ui.LastMessage(), "The following error occurred while printing:\r\n\r\n      Default printer does not exist.");

    dialogs.printError = 0;
    ShowPrintDialog(*main);
    EXPECT_EQ(dialogs.printTitles.back(), "Print Output");
    EXPECT_EQ(LoadedPrinterForm(), nullptr);
    ASSERT_TRUE(std::filesystem::exists(out));
    EXPECT_NE(PdfText(out).find("Enthalpy 2"), std::string::npos);
    EXPECT_EQ(test::PdfInfoField(out, "Page size").substr(0, 9), "792 x 612");
}

TEST_F(PrintJobTest, PrintOutputDialogOffersNoSelectionAndNoPageRange)
{
    InstallPrintDialogService(nullptr); // Qt's own dialog
    std::vector<std::string> offered;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle().toStdString(), "Print Output");
        for (QPushButton* button : dialog->findChildren<QPushButton*>())
            if (button->text().contains("Options"))
                QTest::mouseClick(button, Qt::LeftButton); // shows the options
        for (const char* name : {"printRange", "pagesRadioButton", "pagesLineEdit", "printSelection", "printCurrentPage"})
            if (auto* w = dialog->findChild<QWidget*>(name); w && w->isVisible())
                offered.push_back(name);
        ASSERT_NE(dialog->findChild<QWidget*>("copies"), nullptr);
        EXPECT_TRUE(dialog->findChild<QWidget*>("copies")->isVisible()) << "the options are shown";
        dialog->reject();
    });
    main->ABR_Main_Click(ToolPrint);
    InstallPrintDialogService(&dialogs);
    EXPECT_EQ(offered, std::vector<std::string>{});
    EXPECT_EQ(LoadedPrinterForm(), nullptr);
}

TEST_F(PrintJobTest, PrintDialogChoicesAndPrintSetupPaperReachTheJob)
{
    FillGrid(150);
    const std::string out = folder.File("copies.pdf");
    dialogs.printAction = [&](QPrinter& printer) {
        printer.setOutputFileName(QString::fromStdString(out));
        printer.setCopyCount(2);
        printer.setCollateCopies(true);
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(2, 3);
    };
    ShowPrintDialog(*main);
    ASSERT_EQ(PdfPages(out), 4);
    const std::array<const char*, 4> collated = {"(2)", "(3)", "(2)", "(3)"};
    for (int n = 1; n <= 4; ++n)
        EXPECT_NE(test::PdfPageText(out, n).find(collated[static_cast<size_t>(n - 1)]), std::string::npos) << n;

    // Print Setup's paper is kept for the next job, as is its orientation.
    dialogs.setupAction = [](QPrinter& printer) {
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(QPageLayout::Landscape);
    };
    ShowPrintSetupDialog(*main);
    EXPECT_EQ(host.page.PaperSize, PaperA4);
    const std::string plain = folder.File("a4.pdf");
    dialogs.printAction = [&](QPrinter& printer) { printer.setOutputFileName(QString::fromStdString(plain)); };
    ShowPrintDialog(*main);
    EXPECT_EQ(test::PdfInfoField(plain, "Page size").substr(0, 9), "842 x 595");
}

TEST_F(PrintJobTest, ARangeWithoutPagesPrintsNothingAndSaysSo)
{
    const std::string out = folder.File("range.pdf");
    dialogs.printAction = [&](QPrinter& printer) {
        printer.setOutputFileName(QString::fromStdString(out));
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(3, 4);
    };
    main->ABR_Main_Click(ToolPrint);
    EXPECT_FALSE(std::filesystem::exists(out)) << PdfPages(out) << " pages";
    EXPECT_EQ(ui.LastMessage(), "The print range (pages 3 to 4) holds no page of the report, which has 1 page.\r\n\r\n"
                                "Nothing was printed.");
    EXPECT_EQ(ui.beeps, 1);

    // A PDF of the preview's pages 2 to 1; the preview stays.
    PrinterForm& form = LoadPrinterForm(*main);
    form.SetPreview(true);
    RunPrintJob(*main);
    const std::string pdf = folder.File("backwards.pdf");
    EXPECT_FALSE(form.ConvertToPdf(pdf, 2, 1));
    EXPECT_FALSE(std::filesystem::exists(pdf)) << PdfPages(pdf) << " pages";
    EXPECT_EQ(ui.LastMessage(), "The print range (pages 2 to 1) holds no page of the report, which has 1 page.\r\n\r\n"
                                "No file was written.");
    EXPECT_EQ(LoadedPrinterForm(), &form);
}

TEST_F(PrintJobTest, PrintDialogPrinterPrintsOverPrintSetups)
{
    // Print Setup's printer, kept. Qt refuses names of printers it does not know, so
    // the dialog's printer is whatever it has (none here) and the control must follow it.
    PrintPageSettings kept = WithControlDefaults(CurrentPrintPageSettings());
    kept.DeviceName = "Setup Printer";
    SetCurrentPrintPageSettings(kept);

    const QPointer<PrinterForm> form = &LoadPrinterForm(*main); // released after the job, not yet deleted
    std::string chosen = "unset";
    dialogs.printAction = [&](QPrinter& printer) { chosen = printer.printerName().toStdString(); };
    ShowPrintDialog(*main);
    ASSERT_TRUE(form);
    EXPECT_NE(chosen, "Setup Printer");
    EXPECT_EQ(form->vsPrinter.Device(), chosen);
    EXPECT_EQ(form->Printer().printerName().toStdString(), chosen);
    EXPECT_EQ(CurrentPrintPageSettings().DeviceName, "Setup Printer") << "Print Setup's printer is kept";
}

TEST_F(PrintJobTest, RetryKeepsThePrintDialogsJobAndThePreview)
{
    auto answerRetry = [] {
        QTimer::singleShot(0, [] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            box->button(QMessageBox::Retry)->click();
        });
    };
    const std::string out = folder.File("retried.pdf");
    dialogs.printAction = [&](QPrinter& printer) {
        printer.setOutputFileName(QString::fromStdString(out));
        printer.setCopyCount(2);
        printer.setPageOrientation(QPageLayout::Landscape);
    };
    LoadPrinterForm(*main).vsPrinter.SetPageAvailable(false); // no page: the report asks to retry
    answerRetry();
    ShowPrintDialog(*main);
    EXPECT_EQ(PdfPages(out), 2);
    EXPECT_EQ(test::PdfInfoField(out, "Page size").substr(0, 9), "792 x 612");

    LoadPrinterForm(*main).SetPreview(true);
    LoadPrinterForm(*main).vsPrinter.SetPageAvailable(false);
    answerRetry();
    RunPrintJob(*main);
    ASSERT_NE(LoadedPrinterForm(), nullptr);
    EXPECT_TRUE(LoadedPrinterForm()->isVisible());
    EXPECT_GT(LoadedPrinterForm()->vsPrinter.PageCount(), 0);
}

TEST_F(PrintJobTest, PageSetupRebuildsOnlyWhenSomethingChanged)
{
    PrinterForm& form = LoadPrinterForm(*main);
    form.SetPreview(true);
    RunPrintJob(*main);
    form.vsPrinter.DocName = "kept";

    form.BTN_PageSetup_Click(); // OK, nothing changed
    EXPECT_EQ(form.vsPrinter.DocName, "kept");

    dialogs.setupAction = [](QPrinter& printer) {
        QMarginsF m = printer.pageLayout().margins(QPageLayout::Point);
        m.setLeft(36);
        printer.setPageMargins(m, QPageLayout::Point);
    };
    form.BTN_PageSetup_Click();
    EXPECT_EQ(host.page.MarginLeft, 720);
    EXPECT_NE(form.vsPrinter.DocName, "kept");
    EXPECT_GT(form.vsPrinter.PageCount(), 0);
    EXPECT_EQ(form.CMB_Zoom->currentIndex(), 0);

    // Printer set-up compares the paper, not the margins.
    form.vsPrinter.DocName = "kept";
    dialogs.setupAction = [](QPrinter& printer) {
        QMarginsF m = printer.pageLayout().margins(QPageLayout::Point);
        m.setLeft(72);
        printer.setPageMargins(m, QPageLayout::Point);
    };
    form.BTN_Setup_Click();
    EXPECT_EQ(form.vsPrinter.DocName, "kept");
    dialogs.setupAction = [](QPrinter& printer) { printer.setPageSize(QPageSize(QPageSize::A4)); };
    form.BTN_Setup_Click();
    EXPECT_EQ(host.page.PaperSize, PaperA4);
    EXPECT_EQ(host.page.MarginLeft, 720);
    EXPECT_NE(form.vsPrinter.DocName, "kept");

    // A printer error after a change is reported and the settings kept.
    form.vsPrinter.SetError(3);
    dialogs.setupAction = [](QPrinter& printer) { printer.setPageSize(QPageSize(QPageSize::Legal)); };
    form.BTN_PageSetup_Click();
    EXPECT_EQ(host.page.PaperSize, 5);
    EXPECT_EQ(ui.LastMessage(), "The following error occurred while accessing page setup:\r\n\r\n      Can't Access Printer");
    EXPECT_EQ(ui.messages.back().title, AppName);
}

TEST_F(PrintJobTest, FontDialogSetsTheReportFontAndWritesItsSection)
{
    const std::string savedPath = SettingsFilePath;
    SettingsFilePath = folder.File("vapoquant.ini");
    { std::ofstream(SettingsFilePath) << "[Last Files]\r\n"; }
    dialogs.chosenFont = {"Serif", 11.6f, true, false};

    dialogs.fontError = CommonDialogCancelError;
    ShowPrinterFontDialog(main.get());
    EXPECT_NE(PrintFontName, "Serif");

    dialogs.fontError = 0;
    ShowPrinterFontDialog(main.get());
    EXPECT_EQ(dialogs.fontLimits, (std::pair<int, int>{6, 14}));
    EXPECT_EQ(PrintFontName, "Serif");
    EXPECT_EQ(PrintFontSize, 12);
    EXPECT_TRUE(PrintFontBold);
    EXPECT_FALSE(PrintFontItalic);
    EXPECT_EQ(PrinterFontLabel(), "Serif 12 pt., Bold");
    std::stringstream content;
    content << std::ifstream(SettingsFilePath).rdbuf();
    EXPECT_NE(content.str().find("[Printer Font]\r\nName= Serif\r\n"), std::string::npos) << content.str();
    SettingsFilePath = savedPath;
    ResetPrinterFontState();
}

} // namespace
} // namespace vq
